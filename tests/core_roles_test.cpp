#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/output.h"
#include "core/record.h"

namespace {

using l3::OutputText;

// Text a writer leaves in a buffer of `capacity` (unbounded when 0).
template <class F>
std::string written(F&& write, size_t capacity = 0) {
  std::vector<char> buf(capacity == 0 ? 4096 : capacity, 'X');
  buf[0] = '\0';  // no earlier text
  OutputText out(buf.data(), capacity == 0 ? OutputText::kUnbounded : capacity);
  write(out);
  out.finish();
  return std::string(out.data(), out.stored());
}

std::string tag_text(const std::string& text) {
  return written([&](OutputText& out) { l3::append_tag_text(out, text.c_str()); });
}

TEST(CoreRoles, NamedTagsMatchTheWholeTagText) {
  const std::string long_name(70, 'a');
  const char* names[] = {"CP Data",  "RP Cause",        "Mobile-Identity", "A+B",
                         "x (y), z", "UCS2 treatment  reception", "ab/c", long_name.c_str()};
  for (const char* name : names) {
    EXPECT_EQ(written([&](OutputText& out) { l3::open_tag_named(out, name); }), tag_text(std::string("<") + name + ">\n"))
        << name;
    EXPECT_EQ(written([&](OutputText& out) { l3::close_tag_named(out, name); }), tag_text(std::string("</") + name + ">\n"))
        << name;
  }
  // A slash second in the name is kept, as in render_value_block's tags.
  EXPECT_EQ(written([](OutputText& out) { l3::open_tag_named(out, "a/b"); }), "<a/b>\n");
}

TEST(CoreRoles, FramesWrappersAndBooleanBlocks) {
  struct Case {
    const char* name;
    void (*write)(OutputText&);
    const char* text;
  };
  const Case cases[] = {
      {"frame_is_verbatim",
       [](OutputText& out) {
         l3::open_message_frame(out, "SI 2ter");
         EXPECT_EQ(l3::close_message_frame(out, "SI 2ter"), 1);
       },
       "<SI 2ter>\n</SI 2ter>\n"},
      {"wrapper_around_element",
       [](OutputText& out) {
         l3::wrap_element(out, "<Mobile identity>\n", "</Mobile identity>\n", [&] { out.append("id\n"); });
       },
       "<Mobile_identity>\nid\n</Mobile_identity>\n"},
      {"wrapper_after_element_stopped",
       [](OutputText& out) { l3::wrap_element(out, "<A>\n", "</A>\n", [] { return 0; }); },
       "<A>\n</A>\n"},
      {"boolean_one", [](OutputText& out) { l3::render_boolean_field(out, "TP RD", 1, "no", "yes"); },
       "<TP_RD>\n(1)yes</TP_RD>\n"},
      {"boolean_zero", [](OutputText& out) { l3::render_boolean_field(out, "TP RD", 0, "no", "yes"); },
       "<TP_RD>\n(0)no</TP_RD>\n"},
      {"boolean_two_reads_text0", [](OutputText& out) { l3::render_boolean_field(out, "F", 2, "no", "yes"); },
       "<F>\n(2)no</F>\n"},
  };
  for (const Case& c : cases) {
    const std::string whole = written(c.write);
    EXPECT_EQ(whole, c.text) << c.name;
    // A short buffer keeps a prefix of the same text.
    for (size_t cap = 1; cap <= whole.size(); ++cap) {
      const std::string cut = written(c.write, cap);
      ASSERT_EQ(cut, whole.substr(0, cap - 1)) << c.name << " capacity " << cap;
    }
  }
}

void first_octets(std::vector<uint8_t>& part, const l3::BitBuffer& b) {
  part.assign(b.octets, b.octets + b.count / 8);
}

TEST(CoreRoles, LengthLedTakeDecodesWholeElementsOnly) {
  struct Case {
    const char* name;
    std::vector<uint8_t> msg;
    bool taken;
    std::vector<uint8_t> part;  // length octet included
    uint32_t pos_after;
  };
  const Case cases[] = {
      {"whole", {0x09, 0x01, 0x02, 0xAA, 0xBB, 0xCC}, true, {0x02, 0xAA, 0xBB}, 5},
      {"empty_value", {0x09, 0x01, 0x00}, true, {0x00}, 3},
      {"value_cut", {0x09, 0x01, 0x03, 0xAA, 0xBB}, false, {0x55}, 2},
      {"no_length_octet", {0x09, 0x01}, false, {0x55}, 2},
  };
  for (const Case& c : cases) {
    l3::MessageReader in(c.msg.data(), static_cast<uint16_t>(c.msg.size()));
    std::vector<uint8_t> part = {0x55};
    EXPECT_EQ(l3::take_length_led(in, part, first_octets), c.taken) << c.name;
    EXPECT_EQ(part, c.part) << c.name;
    EXPECT_EQ(in.pos(), c.pos_after) << c.name;
  }
}

}  // namespace
