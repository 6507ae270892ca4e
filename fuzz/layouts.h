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

// clang-format off
inline constexpr Layout kLayouts[] = {
    // Call control.
    {0x301, "", "1Cl1-60 1El2-2 7El1-35 7Fl0-1", 0},
    {0x302, "", "D0h 04l1-15 1Cl1-60 1El2-2 80h 2Fl1-1", 0},
    {0x303, "l2-2", "7El1-35", 0},
    {0x304, "", "D0h 04l1-15 1Cl1-60 5Dl1-21 5El1-17 6Dl1-21 7Cl1-16 7Dl1-3 7El1-35 7Fl0-1 A1t A2t 15l2-2 1Dl1-60 "
                "1Bl1-60 2Dl1-1 40l3-15", 0},
    {0x305, "", "D0h 04l1-15 1Cl1-60 1El2-2 34v1 5Cl1-12 5Dl1-21 5El1-17 6Dl1-21 74l1-12 75l1-21 1Dl1-60 1Bl1-60 "
                "7Cl1-16 7Dl1-3 7El1-35 80h 19l1-1 2Fl1-1 3Al1-1 41l1-14 A1t A2t 7Fl0-1 15l2-2 2Dl1-1 40l3-15", 0},
    {0x306, "", "D0h 04l1-15 08l2-6 40l3-15", 0},
    {0x307, "", "1Cl1-60 1El2-2 4Cl1-12 4Dl1-21 7El1-35 7Fl0-1 2Dl1-1", 0},
    {0x308, "", "D0h 04l1-15 08l2-6 15l2-2 2Dl1-1 40l3-15", 0},
    {0x309, "", "15l2-2", 0},
    {0x30B, "v1 l1-60", "", 0},
    {0x30E, "", "04l1-15 2Dl1-1 40l3-15 2El1-1", 0},
    {0x30F, "", "", 0},
    {0x310, "l1-35", "A0t", 0},
    {0x313, "l1-15 l2-6", "7Cl1-16 7Dl1-3", 0},
    {0x317, "l1-15", "7Cl1-16 7Dl1-3 A3t A4t", 0},
    {0x318, "", "", 0},
    {0x319, "", "", 0},
    {0x31A, "l2-6", "", 0},
    {0x31C, "", "", 0},
    {0x31D, "", "", 0},
    {0x31E, "l2-6", "", 0},
    {0x31F, "l1-15", "7Cl1-16 7Dl1-3 A3t", 0},
    {0x325, "l2-6", "1Cl1-60 1El2-2 7El1-35 7Fl0-1 7Bl1-1", 0},
    {0x32A, "", "08l2-6 1Cl1-60 7El1-35 7Fl0-1", 0},
    {0x32D, "", "08l2-6 1Cl1-60 7El1-35 7Fl0-1", 0},
    {0x331, "", "", 0},
    {0x332, "", "", 0},
    {0x334, "", "", 0},
    {0x335, "", "2Cv1", 0},
    {0x336, "", "2Cv1", 0},
    {0x337, "l2-6", "", 0},
    {0x339, "v1", "08l2-6", 0},
    {0x33A, "l1-60", "7Fl0-1", 0},
    {0x33D, "l2-6 v1", "24l1-1", 0},
    {0x33E, "v1", "", 0},
    // Radio resources: system information.
    {0x600, "r20", "", 0},
    {0x601, "r16", "", 0},
    {0x602, "v16 v3", "", 0},
    {0x603, "v16 r4", "", 0},
    {0x604, "v3 r17", "", 0},
    {0x605, "v16", "", 0},
    {0x606, "v16", "", 0},
    {0x607, "r20", "", 0},
    // Radio resources: the other messages.
    {0x608, "v2 v1", "19l1-20", 0},
    {0x609, "v3 v1", "", 0},
    {0x60A, "v3", "", 0},
    {0x60D, "v1", "80h C0h 62v16 73l5-20 74l3-13 75l3-20 76l2-20", 0},
    {0x60E, "v1", "", 0},
    {0x60F, "", "", 0},
    {0x610, "v3 v1", "01l1-1 03l2-8", 0},
    {0x611, "l3-3 l1-8", "", 0},
    {0x612, "v1", "", 0},
    {0x613, "", "10l1-1", 0},
    {0x614, "v3 l0-8 v2", "62v16", 0},
    {0x615, "v16", "", 0},
    {0x616, "l3-3", "20l1-14", 0},
    {0x617, "v3 v1", "", 0},
    {0x618, "r20", "", 0},
    {0x619, "v16 v3 r1", "", 0},
    {0x61A, "v16 v1 v3", "", 0},
    {0x61B, "v2 v5 v3 v1 v2 v3 r4", "", 0},
    {0x61C, "v5 v2 v3", "64v3 72l0-8", 12},
    {0x61D, "v16", "", 0},
    {0x61E, "v2 v5 v1 v1 r7", "", 0},
    {0x61F, "r20", "", 0},
    {0x620, "r20", "", 0},
    {0x621, "v1 l1-8", "17l1-8", 16},
    {0x622, "v1 v4 v4", "17l1-8", 11},
    {0x623, "v3", "05l2-20 19l2-20 1Cv3 1Ev9 21l0-8 22l1-10 23l1-10 62v16 72l0-8 7Cv2", 0},
    {0x624, "v1 v4 v4 v4 v4 v3", "", 0},
    {0x626, "l3-3 l1-8 v5", "", 0},
    {0x627, "v1 l3-3 l1-8", "", 0},
    {0x628, "v1", "", 0},
    {0x629, "v1", "", 0},
    {0x62A, "", "", 0},
    {0x62B, "v2 v3 v1 v1", "01l1-1 02v9 03l2-8 05l2-20 10l1-10 11v1 12v9 13v1 14v1 15v1 16v1 17v1 18v1 19l2-20 "
                           "1Cv3 1Dv3 1Ev9 21l0-8 62v16 63v1 64v3 66v1 69v9 72l0-8 76l1-20 7Bl1-1 7Cv2 7Dv1 90h D0h", 0},
    {0x62C, "v1", "77l3-4", 0},
    {0x62D, "v1", "", 0},
    {0x62E, "v3 v1", "01l1-1 03l2-8 05l2-20 10l1-10 11v1 13v1 14v1 15v1 16v1 17v1 18v1 19l2-20 1Cv3 1Dv3 1Ev9 "
                     "21l0-8 62v16 63v1 64v3 66v1 7Cv2 90h", 0},
    {0x62F, "v1", "", 0},
    {0x630, "l1-10", "63v1 11v1 13v1 14v1 15v1 16v1 17v1 18v1", 0},
    {0x631, "", "", 0},
    {0x632, "", "17l1-8", 0},
    {0x633, "v1", "", 0},
    {0x634, "v4 v6 v1", "", 0},
    {0x635, "v1", "", 0},
    {0x636, "v16", "", 0},
    {0x637, "v16", "", 0},
    {0x638, "v1 l1-30", "", 0},
    {0x639, "v1 v3 v3 v1 v3 v3 v1 l0-4", "7Cv2", 0},
    {0x63A, "v1 v3 v1 v3 v1 v3 v1 v3 v1 v3", "", 0},
    {0x63B, "v3", "72l0-8 7Cv2", 0},
    {0x63C, "v1 l3-3 v4 v5 v2", "", 0},
    {0x63D, "r20", "", 0},
    {0x63E, "r20", "", 0},
    {0x63F, "v1 v3 v3 v1 l0-8", "7Cv2", 11},
    {0x640, "r20", "", 0},
    {0x641, "r20", "", 0},
    {0x642, "r20", "", 0},
    {0x644, "r16", "", 0},
    {0x648, "v1", "", 0},
    {0x649, "v1", "", 0},
    {0x64C, "v1 v3 l6-10", "10v16 11v1 12l2-20 13l0-8 14v2 15l1-10 16l1-10 17l2-8", 0},
    {0x64D, "v6 l1-2", "", 0},
    {0x64E, "", "10v4 11l1-8", 0},
    {0x67F, "v1", "", 0},
    // GPRS mobility management.
    {0x801, "l1-8 v1 v2 l1-8 v6 l5-30", "19v3 17v1 90h 33l1-1", 0},
    {0x802, "v1 v1 v1 v6", "19v3 17v1 18l1-8 23l1-8 25v1 2Al1-1 8Ct 4Al3-45 B0h", 0},
    {0x803, "", "", 0},
    {0x804, "v1", "2Al1-1", 0},
    {0x805, "v1", "25v1 18l1-8 19l3-3", 0},
    {0x806, "r1", "", 0},
    {0x808, "v1 v6 l5-30", "19v3 17v1 27v2 90h 18l1-8 31l1-8 32l2-2 33l1-1", 0},
    {0x809, "v1 v1 v6", "19v3 18l1-8 23l1-8 26l2-17 17v1 25v1 2Al1-1 8Ct 4Al3-45 32l2-2 B0h", 0},
    {0x80A, "", "26l2-17", 0},
    {0x80B, "v1 v1", "2Al1-1", 0},
    {0x80C, "v1 l1-8", "32l2-2", 0},
    {0x80D, "", "32l2-2", 0},
    {0x80E, "v1", "", 0},
    {0x810, "l1-8 v6 v1", "19v3", 0},
    {0x811, "", "", 0},
    {0x812, "v1 v1", "21v16 28l16-16 80h", 0},
    {0x813, "v1", "22v4 23l1-8 29l1-12", 0},
    {0x814, "", "", 0},
    {0x815, "v1", "", 0},
    {0x816, "l1-8", "", 0},
    {0x81C, "v1", "30l14-14", 0},
    {0x820, "v1", "", 0},
    {0x821, "", "43l1-30 45l1-30 46v1 47v7 48l3-3 49l1-1", 0},
    // GPRS session management.
    {0xA41, "v1 v1 l3-16 l2-20", "28l1-40 27l3-60", 0},
    {0xA42, "v1 l3-16 v1", "2Bl2-20 27l3-60 34l1-1", 0},
    {0xA43, "v1", "27l3-60", 0},
    {0xA44, "l2-20", "28l1-40 27l3-60", 0},
    {0xA45, "v1", "27l3-60", 0},
    {0xA46, "v1", "90h 27l3-60", 0},
    {0xA47, "", "27l3-60", 0},
    {0xA48, "v1 v1 l3-16", "2Bl2-20 27l3-60 34l1-1", 0},
    {0xA49, "", "27l3-60", 0},
    {0xA4A, "", "32v1 30l3-16 37l3-40 27l3-60", 0},
    {0xA4B, "", "32v1 30l3-16 80h 34l1-1 27l3-60", 0},
    {0xA4C, "v1", "27l3-60", 0},
    {0xA4D, "v1 v1 l3-16 l1-2", "36l3-40 27l3-60", 0},
    {0xA4E, "v1 l3-16 v1", "34l1-1 27l3-60", 0},
    {0xA4F, "v1", "27l3-60", 0},
    {0xA50, "v1 v1 l3-16 l2-20", "28l1-40 27l3-60 17v1", 0},
    {0xA51, "v1 l3-16 l1-8 l2-20 v1", "27l3-60 17v1", 0},
    {0xA52, "v1", "27l3-60", 0},
    {0xA53, "v1", "", 0},
    {0xA54, "", "", 0},
    {0xA55, "v1", "", 0},
};
// clang-format on

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
    for (const Layout& l : kLayouts) {
      ParsedLayout p;
      if (!parse_layout(l, p)) std::abort();
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
