// Helpers shared by the golden tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tharvel_test {

// Octets from hex; blanks and '|' (element separators) are ignored.
std::vector<uint8_t> octets(const char* hex);

// The document that tharvel appends to an empty buffer, and its result.
struct Decoded {
  int result;
  std::string text;
};
Decoded decode_octets(uint8_t direction, const std::vector<uint8_t>& msg);
inline Decoded decode_hex(uint8_t direction, const char* hex) { return decode_octets(direction, octets(hex)); }

// The renderer's part of a decoded document: the text between the frame's
// "<message>\n" and "</message>\n" (or to the end if the document is open).
std::string body_of(const std::string& document);

// A whole-document golden case. `document` is the renderer's part only; the
// frame is checked separately by the entry-point tests.
struct Golden {
  const char* name;
  uint8_t direction;
  const char* hex;
  const char* document;
};

std::string golden_name(const testing::TestParamInfo<Golden>& info);

// Test lists name a case rather than dumping its bytes.
inline void PrintTo(const Golden& g, std::ostream* os) { *os << g.name; }

// Decodes every prefix of msg (and msg itself) from an exact-size heap copy,
// so that a sanitizer sees any read past the length.
void decode_every_prefix(uint8_t direction, const std::vector<uint8_t>& msg);

// Messages of the corpus of real captures in tests/data.
struct CorpusMessage {
  uint8_t direction;
  std::vector<uint8_t> octets;
  std::string line;
};
const std::vector<CorpusMessage>& corpus();
std::vector<CorpusMessage> corpus_of_pd(uint8_t pd);

// True when the document ends with the closing frame lines.
bool closed(const std::string& document);

}  // namespace tharvel_test
