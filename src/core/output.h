// Text output primitives: everything a renderer writes reaches the caller's
// buffer through these.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "core/record.h"

namespace l3 {

// A NUL-terminated text with its length. Converts from const char*; for a
// literal, and for every text in a constexpr table, the length is found at
// compile time, so tag texts, field names and table texts are not scanned on
// every call. Converts back to const char* (nullptr: no text).
struct CText {
  const char* text;
  size_t size;
  constexpr CText(const char* t) : text(t), size(std::char_traits<char>::length(t)) {}  // implicit on purpose
  constexpr CText(std::nullptr_t) : text(nullptr), size(0) {}
  constexpr operator const char*() const { return text; }
};

// Copies n bytes in overlapping blocks, never past dst + n: texts are short,
// and a call to memcpy costs more than the copy.
inline char* copy_short(char* dst, const char* src, size_t n) {
  if (n >= 16) {
    for (size_t i = 0; i + 16 < n; i += 16) std::memcpy(dst + i, src + i, 16);
    std::memcpy(dst + n - 16, src + n - 16, 16);
  } else if (n >= 8) {
    std::memcpy(dst, src, 8);
    std::memcpy(dst + n - 8, src + n - 8, 8);
  } else if (n >= 4) {
    std::memcpy(dst, src, 4);
    std::memcpy(dst + n - 4, src + n - 4, 4);
  } else {
    for (size_t i = 0; i < n; ++i) dst[i] = src[i];
  }
  return dst + n;
}

// Appends to the caller's NUL-terminated buffer. The end of the caller's text
// is found once, at construction; every append then costs only its own bytes.
// A capacity bounds what is stored (NUL included); text past it is counted in
// length() but not written.
class OutputText {
 public:
  static constexpr size_t kUnbounded = SIZE_MAX;

  OutputText(char* buffer, size_t capacity = kUnbounded);

  void append(const char* text) { append(text, std::strlen(text)); }
  void append(CText text) { append(text.text, text.size); }
  void append(const char* text, size_t n) {
    if (n == 0) return;  // a sizing pass may have no buffer at all
    if (n <= room()) {
      cur_ = copy_short(cur_, text, n);
    } else {
      append_slow(text, n);
    }
  }
  void push(char c) {
    if (room() != 0) {
      *cur_++ = c;
    } else {
      ++lost_;
    }
  }
  // Room for n characters at the end, or nullptr when they might not all fit;
  // after writing, commit() what was written (at most n).
  char* reserve(size_t n) { return n <= room() ? cur_ : nullptr; }
  void commit(size_t n) { cur_ += n; }
  // Whether n more characters fit; cursor() is where they go. Cheaper than
  // reserve() where it is inlined: no null test on the way.
  bool fits(size_t n) const { return n <= room(); }
  char* cursor() const { return cur_; }
  // Empties the whole buffer, the caller's earlier text included.
  void cut_to_empty();
  // Writes the terminating NUL; call once the document is complete.
  void finish() {
    if (buf_ != nullptr && cap_ > 0) *cur_ = '\0';
  }

  // Length the text would have without a capacity (earlier text included).
  size_t length() const { return stored() + lost_; }
  bool truncated() const { return lost_ != 0; }
  const char* data() const { return buf_; }
  size_t stored() const { return static_cast<size_t>(cur_ - buf_); }

 private:
  void append_slow(const char* text, size_t n);

  // Characters that may still be stored before the NUL.
  size_t room() const { return static_cast<size_t>(end_ - reinterpret_cast<uintptr_t>(cur_)); }

  char* buf_;
  size_t cap_;
  // Only the cursor moves on an append: with the end, two fields the
  // renderers keep in registers between copies.
  char* cur_;
  uintptr_t end_;    // address of the NUL's place; the top of memory when unbounded
  size_t lost_ = 0;  // characters that did not fit
};

inline constexpr char kHexDigits[] = "0123456789abcdef";

// Number formatting without printf.
void append_dec(OutputText& out, int32_t v);     // "%d"
void append_udec(OutputText& out, uint32_t v);   // "%u"
void append_hex(OutputText& out, uint32_t v);    // "%x"
void append_hex_2(OutputText& out, uint8_t v);   // "%2x": blank-padded to two characters
void append_hex_02(OutputText& out, uint8_t v);  // "%.2x": zero-padded to two digits

// Rewrites a literal into an element name: blank , ( ) and / become "_" (a
// slash at position 1 is kept, for "</"), "-" becomes "_sub_", "+" "_and_".
int append_tag_text(OutputText& out, CText text);

// "(number)"; in boolean mode (low 8 bits of the flag exactly 1) the number is
// 1 for any non-zero value.
int append_value_note_checked(int32_t number, OutputText& out);
// Most notes hold one digit: written in place.
template <class V>
inline int append_value_note_of(V value, OutputText& out, int boolean_mode) {
  const int32_t number = (boolean_mode & 0xFF) == 1 ? (value != 0) : static_cast<int32_t>(value);
  if (static_cast<uint32_t>(number) < 10) {
    if (out.fits(3)) {
      char* d = out.cursor();
      d[0] = '(';
      d[1] = static_cast<char>('0' + number);
      d[2] = ')';
      out.commit(3);
      return 1;
    }
  }
  return append_value_note_checked(number, out);
}
inline int append_value_note(int8_t value, OutputText& out, int boolean_mode) {
  return append_value_note_of(value, out, boolean_mode);
}
inline int append_value_note(uint8_t value, OutputText& out, int boolean_mode) {
  return append_value_note_of(value, out, boolean_mode);
}
inline int append_value_note(uint16_t value, OutputText& out, int boolean_mode) {
  return append_value_note_of(value, out, boolean_mode);
}
inline int append_value_note(int32_t value, OutputText& out, int boolean_mode) {
  return append_value_note_of(value, out, boolean_mode);
}

// "(value)" of the low 8 bits when with_number is set (low 8 bits non-zero),
// then the description by plain append.
inline int append_value_text(CText description, OutputText& out, uint32_t value, int with_number) {
  if ((with_number & 0xFF) != 0) append_value_note(static_cast<uint8_t>(value), out, 0);
  out.append(description);
  return 1;
}

// One element: <name>value</name>\n, all through append_tag_text; hexadecimal
// as 0x%x when the flag's low 8 bits are non-zero.
int write_field_u8(CText name, uint32_t value, OutputText& out, int hex);
int write_field_u16(CText name, uint32_t value, OutputText& out, int hex);
int write_field_s8(CText name, uint32_t value, OutputText& out, int hex);
int write_field_int(CText name, int32_t value, OutputText& out, int hex);

// <name>0x then octets[1..count] as "%2x" ("%x" when compact) then </name>\n.
// Position 0 is never printed: pass the address just before the first octet.
int write_field_octets(CText name, const uint8_t* octets, OutputText& out, int count, int compact);
int write_field_ints(CText name, const int32_t* values, OutputText& out, int count, int compact);

// Value tables: one row per value or closed range of values. Texts carry
// their length, found when the table is built.
struct ValueText {
  uint32_t first, last;
  CText text;
  constexpr ValueText(uint32_t v, const char* t) : first(v), last(v), text(t) {}
  constexpr ValueText(uint32_t lo, uint32_t hi, const char* t) : first(lo), last(hi), text(t) {}
};

// nullptr when no row holds v.
constexpr CText find_text(std::span<const ValueText> table, uint32_t v) {
  for (const ValueText& row : table) {
    if (v >= row.first && v <= row.last) return row.text;
  }
  return nullptr;
}

constexpr CText text_or(std::span<const ValueText> table, uint32_t v, CText fallback) {
  const CText t = find_text(table, v);
  return t.text != nullptr ? t : fallback;
}

// Rows ascending and not overlapping; for static_assert beside each table.
constexpr bool well_formed(std::span<const ValueText> table) {
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].first > table[i].last) return false;
    if (i > 0 && table[i].first <= table[i - 1].last) return false;
  }
  return true;
}

// The common block: <name>\n (tag text), (value), table text, </name>\n.
// A value without a row and without fallback writes the note and stops early:
// no text, no closing tag, result 0.
int render_value_block(OutputText& out, CText name, uint32_t value, std::span<const ValueText> table,
                       CText fallback = nullptr);

// One helper per role for renderers (families use these, not local twins):
//   opening tag    open_tag_named / close_tag_named: "<name>\n" / "</name>\n",
//                  the name rewritten on its own by append_tag_text, as
//                  render_value_block does (same bytes as the whole text
//                  "<name>\n" unless '/' is among the name's first two).
//   message frame  open_message_frame / close_message_frame(out, name): the
//                  message's own tags, name verbatim; the close returns 1, the
//                  renderer's result, and is written even after a block
//                  stopped early.
//   wrapper        wrap_element(out, open, close, element): open and close
//                  are whole tag texts through append_tag_text around an
//                  element renderer; the element's result is ignored.
//   boolean block  render_boolean_field(out, name, value, text0, text1):
//                  value 1 reads text1, any other text0; render_flag(out,
//                  L3_FLAG(open, close, text0, text1), value) where all are
//                  literals: one copy of the ready block for 0 and 1.
inline void open_tag_named(OutputText& out, const char* name) {
  out.push('<');
  append_tag_text(out, name);
  out.append(">\n", 2);
}

inline void close_tag_named(OutputText& out, const char* name) {
  out.append("</", 2);
  append_tag_text(out, name);
  out.append(">\n", 2);
}

inline void open_message_frame(OutputText& out, const char* name) {
  out.push('<');
  out.append(name);
  out.append(">\n", 2);
}

inline int close_message_frame(OutputText& out, const char* name) {
  out.append("</", 2);
  out.append(name);
  out.append(">\n", 2);
  return 1;
}

// Tag is a run-time text (rewritten on the way) or an L3_TAG_TEXT constant.
template <class Tag, class F>
void wrap_element(OutputText& out, Tag open, Tag close, F&& element) {
  append_tag_text(out, open);
  element();
  append_tag_text(out, close);
}

// The same around a part and its renderer; an absent optional part writes
// nothing.
template <class Tag, class T>
void wrap_element(OutputText& out, Tag open, Tag close, const T& part, int (*render)(const T&, OutputText&)) {
  wrap_element(out, open, close, [&] { render(part, out); });
}

template <class Tag, class T>
void wrap_element(OutputText& out, Tag open, Tag close, const Opt<T>& part, int (*render)(const T&, OutputText&)) {
  if (part.present) wrap_element(out, open, close, part.value, render);
}

// <name>\n, (value) and text1 for value 1 else text0, </name>\n; tags through
// append_tag_text.
int render_boolean_field(OutputText& out, CText name, uint32_t value, CText text0, CText text1);

// Plain literal, the usual way a renderer writes fixed tags.
inline int append_plain(OutputText& out, const char* text) {
  out.append(text);
  return 1;
}
inline int append_plain(OutputText& out, CText text) {
  out.append(text);
  return 1;
}

// Tags rewritten at compile time: the same rule as append_tag_text, applied
// to a literal once, so a renderer copies ready bytes.
namespace tag_detail {

constexpr size_t rewritten_size(const char* s, size_t n) {
  size_t m = 0;
  for (size_t i = 0; i < n; ++i) m += (s[i] == '-' || s[i] == '+') ? 5 : 1;
  return m;
}

constexpr char* rewrite(const char* s, size_t n, char* out) {
  for (size_t i = 0; i < n; ++i) {
    const char c = s[i];
    const char* more = c == '-' ? "_sub_" : c == '+' ? "_and_" : nullptr;
    if (more != nullptr) {
      for (int k = 0; k < 5; ++k) *out++ = more[k];
    } else if (c == ' ' || c == ',' || c == '(' || c == ')' || (c == '/' && i != 1)) {
      *out++ = '_';
    } else {
      *out++ = c;
    }
  }
  return out;
}

// A literal as a template argument.
template <size_t N>
struct Literal {
  char s[N];
  consteval Literal(const char (&t)[N]) {
    for (size_t i = 0; i < N; ++i) s[i] = t[i];
  }
  static constexpr size_t size = N - 1;
};

// "<name>\n</name>\n" with the name rewritten.
template <Literal L>
struct FieldBytes {
  static constexpr size_t n = rewritten_size(L.s, L.size);
  static constexpr auto bytes = [] {
    std::array<char, 2 * n + 7> b{};
    char* p = b.data();
    *p++ = '<';
    p = rewrite(L.s, L.size, p);
    *p++ = '>';
    *p++ = '\n';
    *p++ = '<';
    *p++ = '/';
    p = rewrite(L.s, L.size, p);
    *p++ = '>';
    *p++ = '\n';
    return b;
  }();
};

// Several literals, each rewritten on its own, one after the other.
template <Literal... L>
struct TextBytes {
  static constexpr size_t n = (rewritten_size(L.s, L.size) + ...);
  static constexpr auto bytes = [] {
    std::array<char, n + 1> b{};
    char* p = b.data();
    ((p = rewrite(L.s, L.size, p)), ...);
    return b;
  }();
};

// A whole one-bit block: Open, "(digit)", Text verbatim, Close, the tags
// rewritten as append_tag_text would.
template <Literal Open, Literal Text, Literal Close, char Digit>
struct FlagBytes {
  static constexpr size_t n = rewritten_size(Open.s, Open.size) + 3 + Text.size + rewritten_size(Close.s, Close.size);
  static constexpr auto bytes = [] {
    std::array<char, n + 1> b{};
    char* p = rewrite(Open.s, Open.size, b.data());
    *p++ = '(';
    *p++ = Digit;
    *p++ = ')';
    for (size_t i = 0; i < Text.size; ++i) *p++ = Text.s[i];
    rewrite(Close.s, Close.size, p);
    return b;
  }();
};

}  // namespace tag_detail

// An element name ready for output: open is "<name>" (followed in storage by
// '\n'), close is "</name>\n".
struct TagText {
  const char* open;
  uint32_t open_len;
  const char* close;
  uint32_t close_len;
};

// A text rewritten as append_tag_text would, ready for a plain copy.
struct ReadyTagText {
  const char* text;
  size_t size;
};

template <tag_detail::Literal L>
inline constexpr TagText kTagOf{tag_detail::FieldBytes<L>::bytes.data(),
                                static_cast<uint32_t>(tag_detail::FieldBytes<L>::n + 2),
                                tag_detail::FieldBytes<L>::bytes.data() + tag_detail::FieldBytes<L>::n + 3,
                                static_cast<uint32_t>(tag_detail::FieldBytes<L>::n + 4)};

template <tag_detail::Literal... L>
inline constexpr ReadyTagText kTagTextOf{tag_detail::TextBytes<L...>::bytes.data(), tag_detail::TextBytes<L...>::n};

// A one-bit block known at compile time: the whole block for the values 0
// and 1, and its parts for any other value.
struct ReadyFlag {
  ReadyTagText whole[2];
  ReadyTagText open, close;
  CText text0, text1;
};

template <tag_detail::Literal Open, tag_detail::Literal Close, tag_detail::Literal Text0, tag_detail::Literal Text1>
inline constexpr ReadyFlag kFlagOf{
    {{tag_detail::FlagBytes<Open, Text0, Close, '0'>::bytes.data(), tag_detail::FlagBytes<Open, Text0, Close, '0'>::n},
     {tag_detail::FlagBytes<Open, Text1, Close, '1'>::bytes.data(), tag_detail::FlagBytes<Open, Text1, Close, '1'>::n}},
    kTagTextOf<Open>,
    kTagTextOf<Close>,
    Text0.s,
    Text1.s};

// L3_TAG("Foo bar") for the field writers; L3_TAG_TEXT("<A>\n", "</B>\n") for
// append_tag_text, adjacent literals merged into one copy; L3_FLAG("<A>\n",
// "</A>\n", "text for 0 and others", "text for 1") for render_flag.
#define L3_TAG(lit) (::l3::kTagOf<lit>)
#define L3_TAG_TEXT(...) (::l3::kTagTextOf<__VA_ARGS__>)
#define L3_FLAG(open, close, text0, text1) (::l3::kFlagOf<open, close, text0, text1>)

inline int append_tag_text(OutputText& out, ReadyTagText text) {
  out.append(text.text, text.size);
  return 1;
}

int render_flag_checked(OutputText& out, const ReadyFlag& flag, uint32_t value);
// open, (value), text1 for 1 and text0 for any other value, close: one copy
// for 0 and 1.
inline int render_flag(OutputText& out, const ReadyFlag& flag, uint32_t value) {
  if (value <= 1) {
    out.append(flag.whole[value].text, flag.whole[value].size);
    return 1;
  }
  return render_flag_checked(out, flag, value);
}
// Any number under a compile-time name; the fast paths below fall back to it.
int write_field_number(const TagText& name, int64_t value, OutputText& out, int hex);

// Decimal values below 1000 and hexadecimal ones below 256 (most fields) are
// written in place: with the name's lengths known where it is inlined, the
// copies are plain moves.
inline int write_small_field(const TagText& name, uint32_t value, OutputText& out, int hex) {
  if ((hex & 0xFF) != 0) {
    if (value < 256) {
      if (out.fits(name.open_len + name.close_len + 4)) {
        char* d = out.cursor();
        std::memcpy(d, name.open, name.open_len);
        char* p = d + name.open_len;
        p[0] = '0';
        p[1] = 'x';
        p += 2;
        if (value >= 16) *p++ = kHexDigits[value >> 4];
        *p++ = kHexDigits[value & 0xF];
        std::memcpy(p, name.close, name.close_len);
        out.commit(static_cast<size_t>(p + name.close_len - d));
        return 1;
      }
    }
  } else if (value < 1000) {
    if (out.fits(name.open_len + name.close_len + 3)) {
      char* d = out.cursor();
      std::memcpy(d, name.open, name.open_len);
      char* p = d + name.open_len;
      if (value >= 100) {
        *p++ = static_cast<char>('0' + value / 100);
        value %= 100;
        *p++ = static_cast<char>('0' + value / 10);
      } else if (value >= 10) {
        *p++ = static_cast<char>('0' + value / 10);
      }
      *p++ = static_cast<char>('0' + value % 10);
      std::memcpy(p, name.close, name.close_len);
      out.commit(static_cast<size_t>(p + name.close_len - d));
      return 1;
    }
  }
  return write_field_number(name, value, out, hex);
}
inline int write_field_u8(const TagText& name, uint32_t value, OutputText& out, int hex) {
  return write_small_field(name, value & 0xFF, out, hex);
}
inline int write_field_u16(const TagText& name, uint32_t value, OutputText& out, int hex) {
  return write_small_field(name, value & 0xFFFF, out, hex);
}
int write_field_s8(const TagText& name, uint32_t value, OutputText& out, int hex);
inline int write_field_int(const TagText& name, int32_t value, OutputText& out, int hex) {
  if (value >= 0) return write_small_field(name, static_cast<uint32_t>(value), out, hex);
  return write_field_number(name, value, out, hex);
}
int write_field_octets(const TagText& name, const uint8_t* octets, OutputText& out, int count, int compact);
int write_field_ints(const TagText& name, const int32_t* values, OutputText& out, int count, int compact);
// text: the row's text, or nullptr (the block stops after the note).
int render_value_block_checked(OutputText& out, const TagText& name, uint32_t value, CText text);
// A one-digit value with a text (most blocks) is written in place.
inline int render_value_block(OutputText& out, const TagText& name, uint32_t value, std::span<const ValueText> table,
                              CText fallback = nullptr) {
  const CText text = text_or(table, value, fallback);
  if (value < 10 && text.text != nullptr && out.fits(name.open_len + 4 + text.size + name.close_len)) {
    char* p = copy_short(out.cursor(), name.open, name.open_len + 1);
    p[0] = '(';
    p[1] = static_cast<char>('0' + value);
    p[2] = ')';
    p = copy_short(p + 3, text.text, text.size);
    p = copy_short(p, name.close, name.close_len);
    out.commit(static_cast<size_t>(p - out.cursor()));
    return 1;
  }
  return render_value_block_checked(out, name, value, text);
}
// The same under a compile-time name; blocks whose texts are literals use
// render_flag (L3_FLAG), which holds the whole block.
int render_boolean_field(OutputText& out, const TagText& name, uint32_t value, CText text0, CText text1);

}  // namespace l3
