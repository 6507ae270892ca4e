#include "core/output.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace l3 {

OutputText::OutputText(char* buffer, size_t capacity)
    : buf_(buffer), cap_(buffer == nullptr ? 0 : capacity), cur_(buffer), end_(reinterpret_cast<uintptr_t>(buffer)) {
  if (cap_ == 0) return;
  size_t len = cap_ == kUnbounded ? std::strlen(buf_) : strnlen(buf_, cap_);
  if (len >= cap_) {
    // No NUL within the capacity: keep what fits and terminate it.
    len = cap_ - 1;
    buf_[len] = '\0';
  }
  cur_ = buf_ + len;
  end_ = cap_ == kUnbounded ? UINTPTR_MAX : reinterpret_cast<uintptr_t>(buf_) + (cap_ - 1);
}

void OutputText::append_slow(const char* text, size_t n) {
  const size_t k = room();
  if (k > 0) std::memcpy(cur_, text, k);
  cur_ += k;
  lost_ += n - k;
}

void OutputText::cut_to_empty() {
  cur_ = buf_;
  lost_ = 0;
  if (cap_ > 0) buf_[0] = '\0';
}

namespace {

// Two decimal digits for each value below 100.
constexpr auto kDigitPairs = [] {
  struct Table {
    char c[200];
  } t{};
  for (int i = 0; i < 100; ++i) {
    t.c[2 * i] = static_cast<char>('0' + i / 10);
    t.c[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return t;
}();

inline char* put_pair(char* p, uint32_t v) {
  std::memcpy(p, kDigitPairs.c + 2 * v, 2);
  return p + 2;
}

// Decimal digits of v at p, most significant first; returns the end. Most
// numbers are below 10, nearly all below 100.
inline char* put_udec(char* p, uint32_t v) {
  if (v < 10) {
    *p = static_cast<char>('0' + v);
    return p + 1;
  }
  if (v < 100) return put_pair(p, v);
  const int n = 1 + (v >= 10) + (v >= 100) + (v >= 1000) + (v >= 10000) + (v >= 100000) + (v >= 1000000) +
                (v >= 10000000) + (v >= 100000000) + (v >= 1000000000);
  char* end = p + n;
  char* q = end;
  while (v >= 100) {
    q -= 2;
    put_pair(q, v % 100);
    v /= 100;
  }
  if (v >= 10) {
    put_pair(q - 2, v);
  } else {
    q[-1] = static_cast<char>('0' + v);
  }
  return end;
}

inline char* put_dec(char* p, int32_t v) {
  if (v < 0) *p++ = '-';
  return put_udec(p, v < 0 ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v));
}

// Lower-case hexadecimal digits of v at p without leading zeros; returns the end.
inline char* put_hex(char* p, uint32_t v) {
  int n = 1;
  while (n < 8 && (v >> (4 * n)) != 0) ++n;
  for (int i = n - 1; i >= 0; --i) *p++ = kHexDigits[(v >> (4 * i)) & 0xF];
  return p;
}

// At most N characters from put(p) -> end: written in place when they fit,
// else through scratch so that a bounded buffer keeps what fits.
template <size_t N, class Put>
void append_formatted(OutputText& out, Put put) {
  if (char* p = out.reserve(N)) {
    out.commit(static_cast<size_t>(put(p) - p));
    return;
  }
  char scratch[N < 16 ? 16 : N];
  out.append(scratch, static_cast<size_t>(put(scratch) - scratch));
}

// What append_tag_text writes for each character: the character itself, a
// replacement, or 0 for the few that need more than one character.
constexpr auto kTagChar = [] {
  struct Table {
    char to[256];
  } t{};
  for (int c = 1; c < 256; ++c) t.to[c] = static_cast<char>(c);
  t.to[static_cast<unsigned char>(' ')] = '_';
  t.to[static_cast<unsigned char>(',')] = '_';
  t.to[static_cast<unsigned char>('(')] = '_';
  t.to[static_cast<unsigned char>(')')] = '_';
  t.to[static_cast<unsigned char>('/')] = 0;
  t.to[static_cast<unsigned char>('-')] = 0;
  t.to[static_cast<unsigned char>('+')] = 0;
  return t;
}();

// Rewrites text[begin..end) into dst, which has room for 5 characters per
// source character; returns the characters written. Positions count from the
// start of the text (the slash rule).
size_t rewrite_tag_text_scalar(const char* text, size_t begin, size_t end, char* dst) {
  char* p = dst;
  for (size_t i = begin; i < end; ++i) {
    const char c = text[i];
    const char to = kTagChar.to[static_cast<unsigned char>(c)];
    if (to != 0) {
      *p++ = to;
    } else if (c == '/') {
      *p++ = i == 1 ? '/' : '_';
    } else {
      std::memcpy(p, c == '-' ? "_sub_" : "_and_", 5);
      p += 5;
    }
  }
  return static_cast<size_t>(p - dst);
}

#ifdef __SSE2__
// One block of characters at text + i (sixteen, or eight in the low half) into
// dst, when none of them needs more than one character; false (nothing
// written) otherwise.
template <int W>
bool rewrite_tag_block(const char* text, size_t i, char* dst) {
  static_assert(W == 8 || W == 16);
  const __m128i v = W == 16 ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i))
                            : _mm_loadl_epi64(reinterpret_cast<const __m128i*>(text + i));
  const __m128i longer = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('-')), _mm_cmpeq_epi8(v, _mm_set1_epi8('+')));
  if (_mm_movemask_epi8(longer) != 0) return false;
  __m128i slash = _mm_cmpeq_epi8(v, _mm_set1_epi8('/'));
  // The slash at position 1 (of a closing tag "</") stays.
  if (i == 0) slash = _mm_andnot_si128(_mm_setr_epi8(0, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), slash);
  if (i == 1) slash = _mm_andnot_si128(_mm_setr_epi8(-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), slash);
  const __m128i under = _mm_or_si128(
      _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(v, _mm_set1_epi8(','))),
      _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('(')), _mm_cmpeq_epi8(v, _mm_set1_epi8(')'))), slash));
  const __m128i out = _mm_or_si128(_mm_andnot_si128(under, v), _mm_and_si128(under, _mm_set1_epi8('_')));
  if (W == 16) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), out);
  } else {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), out);
  }
  return true;
}
#endif

size_t rewrite_tag_text(const char* text, size_t begin, size_t end, char* dst) {
#ifdef __SSE2__
  // Whole blocks while the output keeps pace with the input; the last partial
  // block is redone as the block ending at `end`, overlapping characters
  // already written with the same characters.
  if (begin == 0 && end >= 16) {
    size_t i = 0;
    for (; i + 16 <= end; i += 16) {
      if (!rewrite_tag_block<16>(text, i, dst + i)) return i + rewrite_tag_text_scalar(text, i, end, dst + i);
    }
    if (i == end || rewrite_tag_block<16>(text, end - 16, dst + end - 16)) return end;
    return i + rewrite_tag_text_scalar(text, i, end, dst + i);
  }
  if (begin == 0 && end >= 8) {
    if (!rewrite_tag_block<8>(text, 0, dst)) return rewrite_tag_text_scalar(text, 0, end, dst);
    if (rewrite_tag_block<8>(text, end - 8, dst + end - 8)) return end;
    return 8 + rewrite_tag_text_scalar(text, 8, end, dst + 8);
  }
#endif
  return rewrite_tag_text_scalar(text, begin, end, dst);
}

// A name rewritten once for an element's opening tag and copied for its
// closing tag: the rewrite of a name passed on its own is the same each time.
struct TagName {
  CText name;
  size_t start, end;  // where the opening tag's rewrite is stored
  bool whole;         // all of it is stored
};

TagName append_tag_name(OutputText& out, CText name) {
  const size_t start = out.stored();
  append_tag_text(out, name);
  return {name, start, out.stored(), !out.truncated()};
}

void append_tag_name_again(OutputText& out, const TagName& tag) {
  if (tag.whole) {
    out.append(out.data() + tag.start, tag.end - tag.start);
  } else {
    append_tag_text(out, tag.name);
  }
}

// The value of a field writer, itself rewritten: a minus sign becomes _sub_.
// At most kFieldNumber characters.
constexpr size_t kFieldNumber = 15;

inline char* put_field_number(char* p, int64_t v, bool hex) {
  if (hex) {
    *p++ = '0';
    *p++ = 'x';
    return put_hex(p, static_cast<uint32_t>(v));
  }
  if (v < 0) {
    std::memcpy(p, "_sub_", 5);
    p += 5;
  }
  return put_udec(p, static_cast<uint32_t>(v < 0 ? -v : v));
}

void append_field_number(OutputText& out, int64_t v, bool hex) {
  append_formatted<kFieldNumber>(out, [v, hex](char* p) { return put_field_number(p, v, hex); });
}

// One reservation for the whole element when it fits; the checked appends
// otherwise (near the end of a bounded buffer), which keep what fits.
int write_field(CText name, int64_t value, OutputText& out, int hex) {
  if (char* d = out.reserve(10 * name.size + 6 + kFieldNumber)) {
    char* p = d;
    *p++ = '<';
    const size_t n = rewrite_tag_text(name.text, 0, name.size, p);
    p += n;
    *p++ = '>';
    p = put_field_number(p, value, (hex & 0xFF) != 0);
    *p++ = '<';
    *p++ = '/';
    std::memcpy(p, d + 1, n);
    p += n;
    *p++ = '>';
    *p++ = '\n';
    out.commit(static_cast<size_t>(p - d));
    return 1;
  }
  out.push('<');
  const TagName tag = append_tag_name(out, name);
  out.push('>');
  append_field_number(out, value, (hex & 0xFF) != 0);
  out.append("</", 2);
  append_tag_name_again(out, tag);
  out.append(">\n", 2);
  return 1;
}

int write_field(const TagText& tag, int64_t value, OutputText& out, int hex) {
  if (char* d = out.reserve(tag.open_len + tag.close_len + kFieldNumber)) {
    char* p = copy_short(d, tag.open, tag.open_len);
    p = put_field_number(p, value, (hex & 0xFF) != 0);
    p = copy_short(p, tag.close, tag.close_len);
    out.commit(static_cast<size_t>(p - d));
    return 1;
  }
  out.append(tag.open, tag.open_len);
  append_field_number(out, value, (hex & 0xFF) != 0);
  out.append(tag.close, tag.close_len);
  return 1;
}

// "(number)" at p: at most kNote characters.
constexpr size_t kNote = 13;

inline char* put_note(char* p, int32_t number) {
  *p++ = '(';
  p = put_dec(p, number);
  *p++ = ')';
  return p;
}

void append_note(OutputText& out, int32_t number) {
  append_formatted<kNote>(out, [number](char* p) { return put_note(p, number); });
}

}  // namespace

void append_dec(OutputText& out, int32_t v) {
  append_formatted<11>(out, [v](char* p) { return put_dec(p, v); });
}

void append_udec(OutputText& out, uint32_t v) {
  append_formatted<10>(out, [v](char* p) { return put_udec(p, v); });
}

void append_hex(OutputText& out, uint32_t v) {
  append_formatted<8>(out, [v](char* p) { return put_hex(p, v); });
}

void append_hex_2(OutputText& out, uint8_t v) {
  char two[2] = {v < 0x10 ? ' ' : kHexDigits[v >> 4], kHexDigits[v & 0xF]};
  out.append(two, 2);
}

void append_hex_02(OutputText& out, uint8_t v) {
  char two[2] = {kHexDigits[v >> 4], kHexDigits[v & 0xF]};
  out.append(two, 2);
}

// Near the end of a bounded buffer: rewrite through scratch, keep what fits.
[[gnu::noinline]] static void append_tag_text_bounded(OutputText& out, const char* text, size_t n) {
  char scratch[5 * 64];
  for (size_t done = 0; done < n;) {
    const size_t end = n - done < 64 ? n : done + 64;
    out.append(scratch, rewrite_tag_text(text, done, end, scratch));
    done = end;
  }
}

int append_tag_text(OutputText& out, CText tag) {
  if (char* dst = out.reserve(5 * tag.size)) {
    out.commit(rewrite_tag_text(tag.text, 0, tag.size, dst));
  } else {
    append_tag_text_bounded(out, tag.text, tag.size);
  }
  return 1;
}

int append_value_note_checked(int32_t number, OutputText& out) {
  append_note(out, number);
  return 1;
}

int write_field_u8(CText name, uint32_t value, OutputText& out, int hex) {
  return write_field(name, value & 0xFF, out, hex);
}

int write_field_u16(CText name, uint32_t value, OutputText& out, int hex) {
  return write_field(name, value & 0xFFFF, out, hex);
}

int write_field_s8(CText name, uint32_t value, OutputText& out, int hex) {
  int8_t v = static_cast<int8_t>(value & 0xFF);
  // "%x" of a negative 8-bit value prints its 32-bit two's complement.
  return write_field(name, v, out, hex);
}

int write_field_int(CText name, int32_t value, OutputText& out, int hex) { return write_field(name, value, out, hex); }

int write_field_octets(CText name, const uint8_t* octets, OutputText& out, int count, int compact) {
  out.push('<');
  const TagName tag = append_tag_name(out, name);
  out.append(">0x", 3);
  if (compact & 0xFF) {
    for (int i = 1; i <= count; ++i) append_hex(out, octets[i]);
  } else if (char* p = count > 0 ? out.reserve(2 * static_cast<size_t>(count)) : nullptr) {
    for (int i = 1; i <= count; ++i) {
      const uint8_t v = octets[i];
      *p++ = v < 0x10 ? ' ' : kHexDigits[v >> 4];
      *p++ = kHexDigits[v & 0xF];
    }
    out.commit(2 * static_cast<size_t>(count));
  } else {
    for (int i = 1; i <= count; ++i) append_hex_2(out, octets[i]);
  }
  out.append("</", 2);
  append_tag_name_again(out, tag);
  out.append(">\n", 2);
  return 1;
}

int write_field_ints(CText name, const int32_t* values, OutputText& out, int count, int compact) {
  out.push('<');
  const TagName tag = append_tag_name(out, name);
  out.append(">0x", 3);
  for (int i = 1; i <= count; ++i) {
    uint32_t v = static_cast<uint32_t>(values[i]);
    // "%2x" pads only values of one hex digit.
    if (!(compact & 0xFF) && v < 0x10) out.push(' ');
    append_hex(out, v);
  }
  out.append("</", 2);
  append_tag_name_again(out, tag);
  out.append(">\n", 2);
  return 1;
}

int render_value_block(OutputText& out, CText name, uint32_t value, std::span<const ValueText> table, CText fallback) {
  out.push('<');
  const TagName tag = append_tag_name(out, name);
  out.append(">\n", 2);
  append_note(out, static_cast<int32_t>(value));
  const CText text = text_or(table, value, fallback);
  if (text.text == nullptr) return 0;
  out.append(text);
  out.append("</", 2);
  append_tag_name_again(out, tag);
  out.append(">\n", 2);
  return 1;
}

int render_boolean_field(OutputText& out, CText name, uint32_t value, CText text0, CText text1) {
  out.push('<');
  const TagName tag = append_tag_name(out, name);
  out.append(">\n", 2);
  append_value_text(value == 1 ? text1 : text0, out, value, 1);
  out.append("</", 2);
  append_tag_name_again(out, tag);
  out.append(">\n", 2);
  return 1;
}

int write_field_number(const TagText& name, int64_t value, OutputText& out, int hex) {
  return write_field(name, value, out, hex);
}

int write_field_s8(const TagText& name, uint32_t value, OutputText& out, int hex) {
  return write_field(name, static_cast<int8_t>(value & 0xFF), out, hex);
}

int write_field_octets(const TagText& name, const uint8_t* octets, OutputText& out, int count, int compact) {
  out.append(name.open, name.open_len);
  out.append("0x", 2);
  if (compact & 0xFF) {
    for (int i = 1; i <= count; ++i) append_hex(out, octets[i]);
  } else if (char* p = count > 0 ? out.reserve(2 * static_cast<size_t>(count)) : nullptr) {
    for (int i = 1; i <= count; ++i) {
      const uint8_t v = octets[i];
      *p++ = v < 0x10 ? ' ' : kHexDigits[v >> 4];
      *p++ = kHexDigits[v & 0xF];
    }
    out.commit(2 * static_cast<size_t>(count));
  } else {
    for (int i = 1; i <= count; ++i) append_hex_2(out, octets[i]);
  }
  out.append(name.close, name.close_len);
  return 1;
}

int write_field_ints(const TagText& name, const int32_t* values, OutputText& out, int count, int compact) {
  out.append(name.open, name.open_len);
  out.append("0x", 2);
  for (int i = 1; i <= count; ++i) {
    uint32_t v = static_cast<uint32_t>(values[i]);
    if (!(compact & 0xFF) && v < 0x10) out.push(' ');
    append_hex(out, v);
  }
  out.append(name.close, name.close_len);
  return 1;
}

// The whole block in one reservation when it fits.
int render_value_block_checked(OutputText& out, const TagText& name, uint32_t value, CText text) {
  const size_t most = name.open_len + 1 + kNote + (text.text != nullptr ? text.size + name.close_len : 0);
  if (char* d = out.reserve(most)) {
    char* p = copy_short(d, name.open, name.open_len + 1);
    p = put_note(p, static_cast<int32_t>(value));
    if (text.text != nullptr) {
      p = copy_short(p, text.text, text.size);
      p = copy_short(p, name.close, name.close_len);
    }
    out.commit(static_cast<size_t>(p - d));
    return text.text != nullptr ? 1 : 0;
  }
  out.append(name.open, name.open_len + 1);
  append_note(out, static_cast<int32_t>(value));
  if (text.text == nullptr) return 0;
  out.append(text);
  out.append(name.close, name.close_len);
  return 1;
}

int render_boolean_field(OutputText& out, const TagText& name, uint32_t value, CText text0, CText text1) {
  out.append(name.open, name.open_len + 1);
  append_value_text(value == 1 ? text1 : text0, out, value, 1);
  out.append(name.close, name.close_len);
  return 1;
}

int render_flag_checked(OutputText& out, const ReadyFlag& flag, uint32_t value) {
  append_tag_text(out, flag.open);
  append_value_note(static_cast<uint8_t>(value), out, 0);
  out.append(value == 1 ? flag.text1 : flag.text0);
  append_tag_text(out, flag.close);
  return 1;
}

}  // namespace l3
