#include <gtest/gtest.h>

#include "hex_input.h"

namespace {

using tharvel_tools::LineKind;
using tharvel_tools::MessageLine;
using tharvel_tools::parse_message_line;

struct LineCase {
  const char* line;
  LineKind kind;
  uint8_t direction;
  size_t octets;
};

TEST(MessageLines, DirectionsHexBlanksAndComments) {
  const LineCase cases[] = {
      {"UL 0508", LineKind::message, 1, 2},
      {"DL 05 08 7f", LineKind::message, 0, 3},
      {"  DL 0 5 0 8   # two octets", LineKind::message, 0, 2},
      {"DL 050801  # corpus note tshark=ok", LineKind::message, 0, 3},
      {"# only a comment", LineKind::blank, 0, 0},
      {"   ", LineKind::blank, 0, 0},
      {"XX 0508", LineKind::error, 0, 0},
      {"ULL 0508", LineKind::error, 0, 0},
      {"UL 050", LineKind::error, 0, 0},  // half an octet
      {"UL 05zz", LineKind::error, 0, 0},
      {"DL", LineKind::error, 0, 0},
      {"ul 0508", LineKind::message, 1, 2},  // direction in any case
      {"dL 05:08:7f", LineKind::message, 0, 3},  // colons between octets
      {"DL 05::08", LineKind::message, 0, 2},
      {"DL 0:508", LineKind::message, 0, 2},
  };
  for (const LineCase& c : cases) {
    MessageLine m;
    std::string error;
    LineKind k = parse_message_line(c.line, m, error);
    EXPECT_EQ(k, c.kind) << c.line;
    if (k == LineKind::message) {
      EXPECT_EQ(m.direction, c.direction) << c.line;
      EXPECT_EQ(m.octets.size(), c.octets) << c.line;
    }
    if (k == LineKind::error) {
      EXPECT_FALSE(error.empty());
    }
  }
}

}  // namespace
