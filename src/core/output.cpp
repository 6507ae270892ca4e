#include "core/output.h"

namespace l3 {

OutputText::OutputText(char* buffer, size_t capacity) : buf_(buffer), cap_(buffer == nullptr ? 0 : capacity) {
  if (cap_ == 0) return;
  len_ = cap_ == kUnbounded ? std::strlen(buf_) : strnlen(buf_, cap_);
  if (len_ >= cap_) {
    // No NUL within the capacity: keep what fits and terminate it.
    len_ = cap_ - 1;
    buf_[len_] = '\0';
  }
  room_ = cap_ == kUnbounded ? kUnbounded - len_ - 1 : cap_ - 1 - len_;
}

void OutputText::append_slow(const char* text, size_t n) {
  size_t k = room_;
  if (k > 0) std::memcpy(buf_ + len_, text, k);
  len_ += k;
  room_ = 0;
  lost_ += n - k;
}

void OutputText::cut_to_empty() {
  len_ = 0;
  lost_ = 0;
  room_ = cap_ == 0 ? 0 : (cap_ == kUnbounded ? kUnbounded - 1 : cap_ - 1);
  if (cap_ > 0) buf_[0] = '\0';
}

namespace {

// Digits of v, most significant first, into the end of a 12-character scratch.
char* format_udec(uint32_t v, char* end) {
  do {
    *--end = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  return end;
}

constexpr char kHexDigits[] = "0123456789abcdef";

// Tag-text rewriting of one character; a slash only at position 1 survives.
void append_tag_char(OutputText& out, char c, size_t pos) {
  switch (c) {
    case ' ':
    case ',':
    case '(':
    case ')':
      out.push('_');
      break;
    case '/':
      out.push(pos == 1 ? '/' : '_');
      break;
    case '-':
      out.append("_sub_", 5);
      break;
    case '+':
      out.append("_and_", 5);
      break;
    default:
      out.push(c);
  }
}

bool needs_rewrite(char c) {
  return c == ' ' || c == ',' || c == '(' || c == ')' || c == '/' || c == '-' || c == '+';
}

// The value of a field writer, itself rewritten: a minus sign becomes _sub_.
void append_field_number(OutputText& out, int64_t v, bool hex) {
  char scratch[24];
  char* end = scratch + sizeof scratch;
  char* p = end;
  if (hex) {
    uint32_t u = static_cast<uint32_t>(v);
    do {
      *--p = kHexDigits[u & 0xF];
      u >>= 4;
    } while (u != 0);
    out.append("0x", 2);
    out.append(p, static_cast<size_t>(end - p));
    return;
  }
  bool negative = v < 0;
  p = format_udec(static_cast<uint32_t>(negative ? -v : v), end);
  if (negative) out.append("_sub_", 5);
  out.append(p, static_cast<size_t>(end - p));
}

int write_field(const char* name, int64_t value, OutputText& out, int hex) {
  out.push('<');
  append_tag_text(out, name);
  out.push('>');
  append_field_number(out, value, (hex & 0xFF) != 0);
  out.append("</", 2);
  append_tag_text(out, name);
  out.append(">\n", 2);
  return 1;
}

void append_note(OutputText& out, int32_t number) {
  out.push('(');
  append_dec(out, number);
  out.push(')');
}

bool boolean_mode_on(int flag) { return (flag & 0xFF) == 1; }

}  // namespace

void append_dec(OutputText& out, int32_t v) {
  char scratch[12];
  char* end = scratch + sizeof scratch;
  bool negative = v < 0;
  char* p = format_udec(negative ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v), end);
  if (negative) *--p = '-';
  out.append(p, static_cast<size_t>(end - p));
}

void append_udec(OutputText& out, uint32_t v) {
  char scratch[12];
  char* end = scratch + sizeof scratch;
  char* p = format_udec(v, end);
  out.append(p, static_cast<size_t>(end - p));
}

void append_hex(OutputText& out, uint32_t v) {
  char scratch[8];
  char* end = scratch + sizeof scratch;
  char* p = end;
  do {
    *--p = kHexDigits[v & 0xF];
    v >>= 4;
  } while (v != 0);
  out.append(p, static_cast<size_t>(end - p));
}

void append_hex_2(OutputText& out, uint8_t v) {
  char two[2] = {v < 0x10 ? ' ' : kHexDigits[v >> 4], kHexDigits[v & 0xF]};
  out.append(two, 2);
}

void append_hex_02(OutputText& out, uint8_t v) {
  char two[2] = {kHexDigits[v >> 4], kHexDigits[v & 0xF]};
  out.append(two, 2);
}

int append_tag_text(OutputText& out, const char* text) {
  size_t pos = 0;
  while (text[pos] != '\0') {
    // Copy runs that need no rewriting in one go.
    size_t run = pos;
    while (text[run] != '\0' && !needs_rewrite(text[run])) ++run;
    if (run > pos) {
      out.append(text + pos, run - pos);
      pos = run;
      continue;
    }
    append_tag_char(out, text[pos], pos);
    ++pos;
  }
  return 1;
}

int append_value_text(const char* description, OutputText& out, uint32_t value, int with_number) {
  if ((with_number & 0xFF) != 0) append_note(out, static_cast<uint8_t>(value));
  out.append(description);
  return 1;
}

int append_value_note(int8_t value, OutputText& out, int boolean_mode) {
  append_note(out, boolean_mode_on(boolean_mode) ? (value != 0) : value);
  return 1;
}

int append_value_note(uint8_t value, OutputText& out, int boolean_mode) {
  append_note(out, boolean_mode_on(boolean_mode) ? (value != 0) : value);
  return 1;
}

int append_value_note(uint16_t value, OutputText& out, int boolean_mode) {
  append_note(out, boolean_mode_on(boolean_mode) ? (value != 0) : value);
  return 1;
}

int append_value_note(int32_t value, OutputText& out, int boolean_mode) {
  append_note(out, boolean_mode_on(boolean_mode) ? (value != 0) : value);
  return 1;
}

int write_field_u8(const char* name, uint32_t value, OutputText& out, int hex) {
  return write_field(name, value & 0xFF, out, hex);
}

int write_field_u16(const char* name, uint32_t value, OutputText& out, int hex) {
  return write_field(name, value & 0xFFFF, out, hex);
}

int write_field_s8(const char* name, uint32_t value, OutputText& out, int hex) {
  int8_t v = static_cast<int8_t>(value & 0xFF);
  // "%x" of a negative 8-bit value prints its 32-bit two's complement.
  return write_field(name, v, out, hex);
}

int write_field_int(const char* name, int32_t value, OutputText& out, int hex) {
  return write_field(name, value, out, hex);
}

int write_field_octets(const char* name, const uint8_t* octets, OutputText& out, int count, int compact) {
  out.push('<');
  append_tag_text(out, name);
  out.append(">0x", 3);
  for (int i = 1; i <= count; ++i) {
    if (compact & 0xFF) {
      append_hex(out, octets[i]);
    } else {
      append_hex_2(out, octets[i]);
    }
  }
  out.append("</", 2);
  append_tag_text(out, name);
  out.append(">\n", 2);
  return 1;
}

int write_field_ints(const char* name, const int32_t* values, OutputText& out, int count, int compact) {
  out.push('<');
  append_tag_text(out, name);
  out.append(">0x", 3);
  for (int i = 1; i <= count; ++i) {
    uint32_t v = static_cast<uint32_t>(values[i]);
    // "%2x" pads only values of one hex digit.
    if (!(compact & 0xFF) && v < 0x10) out.push(' ');
    append_hex(out, v);
  }
  out.append("</", 2);
  append_tag_text(out, name);
  out.append(">\n", 2);
  return 1;
}

int render_value_block(OutputText& out, const char* name, uint32_t value, std::span<const ValueText> table,
                       const char* fallback) {
  out.push('<');
  append_tag_text(out, name);
  out.append(">\n", 2);
  append_note(out, static_cast<int32_t>(value));
  const char* text = find_text(table, value);
  if (text == nullptr) text = fallback;
  if (text == nullptr) return 0;
  out.append(text);
  out.append("</", 2);
  append_tag_text(out, name);
  out.append(">\n", 2);
  return 1;
}

int render_boolean_field(OutputText& out, const char* name, uint32_t value, const char* text0, const char* text1) {
  out.push('<');
  append_tag_text(out, name);
  out.append(">\n", 2);
  append_value_text(value == 1 ? text1 : text0, out, value, 1);
  out.append("</", 2);
  append_tag_text(out, name);
  out.append(">\n", 2);
  return 1;
}

}  // namespace l3
