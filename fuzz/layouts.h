// Element layouts of every accepted message, and a builder that lays out
// messages from them. Shared by the structured fuzz target and its sanity test.
//
// A layout is three short texts, one token per element, in message order:
//   mandatory  vN       N octets of any value
//              lA-B     LV: length octet, then A..B value octets
//              rN       rest octets: 0..N octets, as many as the message holds
//   optional   HHh      type 1: IEI HH in the high nibble, value in the low one
//              HHt      type 2: the IEI alone
//              HHvN     type 3: IEI then N value octets
//              HHlA-B   type 4: IEI, length octet, A..B value octets
//              HHeA-B   type 6: IEI, two length octets, A..B value octets
//   tail       octets a parser reads after the optional part (rest octets)
// The optional elements are those the parser's walk takes for this message;
// where it looks for one element once at a fixed place, that element is listed
// here all the same.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "api/registry.h"

namespace tharvel_fuzz {

struct Layout {
  uint16_t key;
  const char* mandatory;
  const char* optional;
  uint8_t tail;
};

enum class Shape : uint8_t { fixed, lv, rest, half, tag_only, tv, tlv, tlv_e };

struct Element {
  Shape shape;
  uint8_t iei;
  uint16_t min;  // value octets (fixed, tv: the count; rest: 0)
  uint16_t max;
};

struct ParsedLayout {
  uint16_t key;
  std::vector<Element> mandatory;
  std::vector<Element> optional;
  uint8_t tail;
};

namespace detail {

inline int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A decimal number at text[i..]; i moves past it. False when there is none.
inline bool number(std::string_view text, size_t& i, uint16_t& n) {
  size_t start = i;
  uint32_t v = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') v = v * 10 + static_cast<uint32_t>(text[i++] - '0');
  if (i == start || v > 0xFFFF) return false;
  n = static_cast<uint16_t>(v);
  return true;
}

inline bool range(std::string_view text, size_t& i, Element& e) {
  if (!number(text, i, e.min) || i >= text.size() || text[i++] != '-' || !number(text, i, e.max)) return false;
  return e.min <= e.max;
}

inline bool element(std::string_view token, bool optional, Element& e) {
  e = {};
  size_t i = 0;
  if (optional) {
    if (token.size() < 3 || hex_digit(token[0]) < 0 || hex_digit(token[1]) < 0) return false;
    e.iei = static_cast<uint8_t>(hex_digit(token[0]) << 4 | hex_digit(token[1]));
    i = 2;
  }
  char form = token[i++];
  bool ok = true;
  switch (form) {
    case 'v':
      e.shape = optional ? Shape::tv : Shape::fixed;
      ok = number(token, i, e.min);
      e.max = e.min;
      break;
    case 'l':
      e.shape = optional ? Shape::tlv : Shape::lv;
      ok = range(token, i, e) && e.max <= 255;
      break;
    case 'r':
      ok = !optional && number(token, i, e.max);
      e.shape = Shape::rest;
      break;
    case 'h':
      ok = optional && (e.iei & 0x0F) == 0;
      e.shape = Shape::half;
      break;
    case 't':
      ok = optional;
      e.shape = Shape::tag_only;
      break;
    case 'e':
      ok = optional && range(token, i, e);
      e.shape = Shape::tlv_e;
      break;
    default:
      return false;
  }
  return ok && i == token.size();
}

inline bool elements(const char* text, bool optional, std::vector<Element>& out) {
  std::string_view s(text);
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] == ' ') {
      ++i;
      continue;
    }
    size_t end = s.find(' ', i);
    if (end == std::string_view::npos) end = s.size();
    Element e;
    if (!element(s.substr(i, end - i), optional, e)) return false;
    out.push_back(e);
    i = end;
  }
  return true;
}

}  // namespace detail

// False when a layout text does not read.
inline bool parse_layout(const Layout& l, ParsedLayout& out) {
  out = {l.key, {}, {}, l.tail};
  return detail::elements(l.mandatory, false, out.mandatory) && detail::elements(l.optional, true, out.optional);
}

// The parsed layouts; aborts on a layout that does not read, so a typo in the
// table stops the first run.
inline const std::vector<ParsedLayout>& layouts() {
  static const std::vector<ParsedLayout> all = [] {
    std::vector<ParsedLayout> v;
    for (const l3::MessageRow& row : l3::all_messages()) {
      ParsedLayout p;
      if (!parse_layout(Layout{row.key, row.layout.mandatory, row.layout.optional, row.layout.tail}, p)) std::abort();
      v.push_back(p);
    }
    return v;
  }();
  return all;
}

// One generated message. well_formed: every element has a length in its
// range, no foreign element, no cut.
struct Built {
  std::vector<uint8_t> msg;
  bool well_formed = true;
};

// Source: uint32_t pick(uint32_t lo, uint32_t hi) (inclusive) and
// uint8_t octet(). The noise comes on the top pick, so a source that always
// picks the low end builds a well-formed message of minimum lengths.
template <class Source>
void append_value(Source& src, std::vector<uint8_t>& m, uint32_t n) {
  for (uint32_t i = 0; i < n; ++i) m.push_back(src.octet());
}

template <class Source>
void append_element(Source& src, const Element& e, std::vector<uint8_t>& m, bool& well_formed) {
  // Now and then a length outside the element's range, still well framed.
  auto length = [&](uint32_t cap) {
    if (src.pick(0, 15) == 15) {
      well_formed = false;
      return src.pick(0, cap);
    }
    return src.pick(e.min, e.max);
  };
  switch (e.shape) {
    case Shape::fixed:
      append_value(src, m, e.min);
      break;
    case Shape::rest:
      append_value(src, m, src.pick(0, e.max));
      break;
    case Shape::lv: {
      uint32_t n = length(255);
      m.push_back(static_cast<uint8_t>(n));
      append_value(src, m, n);
      break;
    }
    case Shape::half:
      m.push_back(static_cast<uint8_t>(e.iei | (src.octet() & 0x0F)));
      break;
    case Shape::tag_only:
      m.push_back(e.iei);
      break;
    case Shape::tv:
      m.push_back(e.iei);
      append_value(src, m, e.min);
      break;
    case Shape::tlv: {
      m.push_back(e.iei);
      uint32_t n = length(255);
      m.push_back(static_cast<uint8_t>(n));
      append_value(src, m, n);
      break;
    }
    case Shape::tlv_e: {
      m.push_back(e.iei);
      uint32_t n = length(600);
      m.push_back(static_cast<uint8_t>(n >> 8));
      m.push_back(static_cast<uint8_t>(n));
      append_value(src, m, n);
      break;
    }
  }
}

// Header, mandatory part, 0..max_optional optional elements of the message
// (now and then a foreign one), the tail, and now and then a cut.
template <class Source>
Built build_message(Source& src, const ParsedLayout& l, uint32_t max_optional = 12) {
  Built b;
  std::vector<uint8_t>& m = b.msg;
  const uint8_t pd = static_cast<uint8_t>(l.key >> 8);
  uint8_t type = static_cast<uint8_t>(l.key);
  if (pd == 3 || pd == 5) type |= src.octet() & 0xC0;  // send sequence number
  m.push_back(static_cast<uint8_t>((src.octet() & 0xF0) | pd));
  m.push_back(type);
  for (const Element& e : l.mandatory) append_element(src, e, m, b.well_formed);
  const uint32_t count = src.pick(0, max_optional);
  for (uint32_t i = 0; i < count; ++i) {
    const bool foreign = l.optional.empty() ? src.pick(0, 3) == 3 : src.pick(0, 15) == 15;
    if (foreign) {
      b.well_formed = false;
      const uint8_t iei = src.octet();
      m.push_back(iei);
      if (iei & 0x80) continue;
      uint32_t n = src.pick(0, 40);
      m.push_back(static_cast<uint8_t>(n));
      append_value(src, m, n);
      continue;
    }
    if (l.optional.empty()) continue;
    const Element& e = l.optional[src.pick(0, static_cast<uint32_t>(l.optional.size() - 1))];
    append_element(src, e, m, b.well_formed);
  }
  if (l.tail > 0) append_value(src, m, src.pick(0, l.tail));
  if (src.pick(0, 7) == 7) {
    b.well_formed = false;
    m.resize(src.pick(2, static_cast<uint32_t>(m.size())));
  }
  return b;
}

}  // namespace tharvel_fuzz
