// Message lines as the decoder and the test corpus write them:
//   UL|DL <hex octets, blanks or colons allowed between digits>   # comment
// The direction in any case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace capture {

struct MessageLine {
  uint8_t direction = 0;  // 0 for DL, 1 for UL: the library's direction byte
  std::vector<uint8_t> octets;
};

enum class LineKind { blank, message, error };

// Parses one line; on error, `error` says what is wrong.
LineKind parse_message_line(std::string_view line, MessageLine& out, std::string& error);

// Hex digits with optional blanks or colons between them into octets; false on a
// non-hex character or an odd number of digits.
bool parse_hex(std::string_view text, std::vector<uint8_t>& out);

}  // namespace capture

// The command-line tool, the tests and the benchmarks name it so.
namespace tharvel_tools = capture;
