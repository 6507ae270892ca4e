// The largest document: a hill-climbing search over every accepted message,
// each element at its longest and its octets pushed towards the longest
// rendering, never passes THARVEL_MAX_DOCUMENT.
#include <algorithm>
#include <cstring>
#include <cstdio>
#include <string>
#include <vector>

#include "../fuzz/layouts.h"
#include "core/output.h"
#include "rr/elements/frequency_list.h"
#include "test_util.h"
#include "tharvel.h"

namespace {

using tharvel_fuzz::Element;
using tharvel_fuzz::ParsedLayout;
using tharvel_fuzz::Shape;

struct Random {
  uint32_t state;
  uint32_t next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  uint32_t below(uint32_t n) { return next() % n; }
};

// One element of a candidate message: its framing octets and its value.
struct Part {
  Element e;
  std::vector<uint8_t> value;
};

uint32_t longest(const Element& e) {
  switch (e.shape) {
    case Shape::lv:
    case Shape::tlv:
      return 255;
    case Shape::tlv_e:
      return 1200;
    case Shape::rest:
      return e.max;
    default:
      return e.min;
  }
}

struct Candidate {
  uint8_t head[2];
  std::vector<Part> parts;
  std::vector<uint8_t> tail;

  std::vector<uint8_t> octets() const {
    std::vector<uint8_t> m(head, head + 2);
    for (const Part& p : parts) {
      const uint32_t n = static_cast<uint32_t>(p.value.size());
      switch (p.e.shape) {
        case Shape::half:
          m.push_back(static_cast<uint8_t>(p.e.iei | (p.value[0] & 0x0F)));
          continue;
        case Shape::tag_only:
          m.push_back(p.e.iei);
          continue;
        case Shape::tv:
          m.push_back(p.e.iei);
          break;
        case Shape::tlv:
          m.push_back(p.e.iei);
          m.push_back(static_cast<uint8_t>(n));
          break;
        case Shape::tlv_e:
          m.push_back(p.e.iei);
          m.push_back(static_cast<uint8_t>(n >> 8));
          m.push_back(static_cast<uint8_t>(n));
          break;
        case Shape::lv:
          m.push_back(static_cast<uint8_t>(n));
          break;
        default:
          break;
      }
      m.insert(m.end(), p.value.begin(), p.value.end());
    }
    m.insert(m.end(), tail.begin(), tail.end());
    return m;
  }
};

size_t document_length(uint8_t direction, const std::vector<uint8_t>& m) {
  char one[1] = {'\0'};
  size_t needed = 0;
  tharvel_n(direction, static_cast<int32_t>(m.size()), m.data(), one, 1, &needed);
  return needed;
}

// Flips octets, sets them to their extremes, or changes a length; keeps a
// change that does not shorten the document.
size_t climb(const ParsedLayout& l, uint8_t direction, Random& rnd, int steps, std::vector<uint8_t>& best_msg) {
  Candidate c;
  c.head[0] = static_cast<uint8_t>(l.key >> 8);
  c.head[1] = static_cast<uint8_t>(l.key);
  auto add = [&](const Element& e) {
    Part p{e, std::vector<uint8_t>(e.shape == Shape::half ? 1 : longest(e))};
    for (uint8_t& v : p.value) v = static_cast<uint8_t>(rnd.next());
    c.parts.push_back(p);
  };
  for (const Element& e : l.mandatory) add(e);
  for (const Element& e : l.optional) add(e);
  c.tail.resize(l.tail);
  size_t best = document_length(direction, c.octets());
  for (int step = 0; step < steps && !c.parts.empty(); ++step) {
    Candidate next = c;
    const uint32_t which = rnd.below(static_cast<uint32_t>(next.parts.size()));
    const uint32_t how = rnd.below(10);
    if (how == 9) {
      // A repeated element: a parser that renders every copy shows it.
      if (which >= l.mandatory.size() && next.octets().size() < 8000) {
        next.parts.insert(next.parts.begin() + which, next.parts[which]);
      }
    }
    Part& p = next.parts[which];
    const bool variable = p.e.shape == Shape::lv || p.e.shape == Shape::tlv || p.e.shape == Shape::tlv_e ||
                          p.e.shape == Shape::rest;
    if (how == 0 && variable) {
      p.value.resize(p.e.min + rnd.below(longest(p.e) - p.e.min + 1), static_cast<uint8_t>(rnd.next()));
    } else if (how == 8 && !p.value.empty()) {
      // One octet from near the start to the end, keeping the format bits of
      // the first octets: a bitmap with every bit set, say.
      const uint32_t from = rnd.below(std::min<uint32_t>(3, static_cast<uint32_t>(p.value.size())));
      std::fill(p.value.begin() + from, p.value.end(), rnd.below(2) ? 0xFF : static_cast<uint8_t>(rnd.next()));
    } else if (how != 9 && !p.value.empty()) {
      const uint32_t at = rnd.below(static_cast<uint32_t>(p.value.size()));
      const uint32_t span = 1 + rnd.below(std::min<uint32_t>(8, static_cast<uint32_t>(p.value.size()) - at));
      for (uint32_t i = at; i < at + span; ++i) {
        p.value[i] = how == 1 ? 0xFF : how == 2 ? 0x00 : how == 3 ? p.value[i] ^ (1u << rnd.below(8))
                                                                  : static_cast<uint8_t>(rnd.next());
      }
    }
    const std::vector<uint8_t> m = next.octets();
    const size_t n = document_length(direction, m);
    if (n >= best) {
      if (n > best) best_msg = m;
      best = n;
      c = std::move(next);
    }
  }
  return best;
}

// Every list format rendered with every entry of its capacity set to the
// longest value: the most one frequency list can add to a document.
size_t longest_list_at_capacity() {
  static l3::FrequencyList list;
  std::vector<char> buf(1 << 20);
  size_t longest = 0;
  for (int format_id = 0; format_id < 32; ++format_id) {
    std::memset(&list, 0xFF, sizeof list);
    list.format_id = static_cast<uint8_t>(format_id);
    buf[0] = '\0';
    l3::OutputText out(buf.data(), buf.size());
    l3::render_frequency_list_body(list, out);
    longest = std::max(longest, out.length());
  }
  return longest;
}

TEST(LargestDocument, SearchStaysWithinTheStatedMaximum) {
  Random rnd{0x2545F491u};
  size_t largest = 0;
  uint16_t largest_key = 0;
  std::vector<uint8_t> largest_msg;
  for (const ParsedLayout& l : tharvel_fuzz::layouts()) {
    for (uint8_t direction : {0, 1}) {
      std::vector<uint8_t> msg;
      size_t n = climb(l, direction, rnd, 400, msg);
      // The keys with long documents get a longer climb.
      if (n > 8000) n = std::max(n, climb(l, direction, rnd, 1500, msg));
      EXPECT_LE(n, static_cast<size_t>(THARVEL_MAX_DOCUMENT)) << std::hex << l.key;
      if (n > largest) {
        largest = n;
        largest_key = l.key;
        largest_msg = msg;
      }
    }
  }
  std::printf("largest document found: %zu bytes, key %03x, %zu octets\n", largest, largest_key, largest_msg.size());
  // The search reaches the long documents of the handover and assignment
  // messages (about 80 kB now that a repeated list is stepped over), so a
  // climb that went nowhere is noticed.
  EXPECT_GT(largest, 60000u);
  EXPECT_LE(largest + 5 * longest_list_at_capacity(), static_cast<size_t>(THARVEL_MAX_DOCUMENT));
}

// A list's arrays at their capacity are all rendered. The message with the
// most lists (an assignment or handover command: five) gains at most five
// such lists over any document, the largest found included.
TEST(LargestDocument, FrequencyListsAtCapacityFit) {
  const size_t longest_list = longest_list_at_capacity();
  std::printf("longest list at capacity: %zu bytes\n", longest_list);
  EXPECT_GT(longest_list, 2 * 1024 * 13u);  // both 1024-entry arrays were rendered
  EXPECT_LE(5 * longest_list + 110000, static_cast<size_t>(THARVEL_MAX_DOCUMENT)) << longest_list;
}

}  // namespace
