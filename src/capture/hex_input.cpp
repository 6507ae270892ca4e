#include "capture/hex_input.h"

namespace capture {

namespace {

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Between octets: blanks, or colons as hex dumps write them.
bool is_separator(char c) { return is_blank(c) || c == ':'; }

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

bool parse_hex(std::string_view text, std::vector<uint8_t>& out) {
  out.clear();
  int high = -1;
  for (char c : text) {
    if (is_separator(c)) continue;
    int v = hex_value(c);
    if (v < 0) return false;
    if (high < 0) {
      high = v;
    } else {
      out.push_back(static_cast<uint8_t>(high << 4 | v));
      high = -1;
    }
  }
  return high < 0;
}

LineKind parse_message_line(std::string_view line, MessageLine& out, std::string& error) {
  size_t hash = line.find('#');
  if (hash != std::string_view::npos) line = line.substr(0, hash);
  line = trim(line);
  if (line.empty()) return LineKind::blank;
  std::string dir{line.substr(0, 2)};
  for (char& c : dir) c = upper(c);
  if ((dir != "UL" && dir != "DL") || (line.size() > 2 && !is_blank(line[2]))) {
    error = "expected UL or DL at the start of the line";
    return LineKind::error;
  }
  out.direction = dir == "UL" ? 1 : 0;
  if (!parse_hex(line.substr(2), out.octets)) {
    error = "expected whole octets of hexadecimal digits after the direction";
    return LineKind::error;
  }
  if (out.octets.empty()) {
    error = "no message octets after the direction";
    return LineKind::error;
  }
  return LineKind::message;
}

}  // namespace capture
