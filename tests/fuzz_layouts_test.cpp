// The element layouts behind the structured fuzz target: they cover every
// accepted key, each optional element is one the parser takes, and messages
// built from them decode to closed documents.
#include <set>
#include <string>

#include "../fuzz/layouts.h"
#include "api/keys.h"
#include "test_util.h"

namespace {

using tharvel_fuzz::Element;
using tharvel_fuzz::ParsedLayout;
using tharvel_fuzz::Shape;
using tharvel_test::closed;
using tharvel_test::decode_octets;

// xorshift: the same messages on every run.
struct RandomSource {
  uint32_t state;
  uint32_t next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  uint32_t pick(uint32_t lo, uint32_t hi) { return lo + next() % (hi - lo + 1); }
  uint8_t octet() { return static_cast<uint8_t>(next()); }
};

// Every length at its minimum, every octet the same, nothing optional or cut.
struct FixedSource {
  uint8_t value;
  uint32_t pick(uint32_t lo, uint32_t) { return lo; }
  uint8_t octet() { return value; }
};

TEST(FuzzLayouts, EveryLayoutReads) {
  for (const l3::MessageRow& row : l3::all_messages()) {
    ParsedLayout p;
    const tharvel_fuzz::Layout l{row.key, row.layout.mandatory, row.layout.optional, row.layout.tail};
    EXPECT_TRUE(tharvel_fuzz::parse_layout(l, p)) << std::hex << l.key;
  }
}

// The parsers find a row by the whole octet, or by the high nibble for type 1.
TEST(FuzzLayouts, OptionalIeisDoNotOverlap) {
  for (const ParsedLayout& l : tharvel_fuzz::layouts()) {
    for (size_t i = 0; i < l.optional.size(); ++i) {
      for (size_t j = i + 1; j < l.optional.size(); ++j) {
        const Element& a = l.optional[i];
        const Element& b = l.optional[j];
        const bool overlap =
            (a.shape == Shape::half || b.shape == Shape::half) ? (a.iei & 0xF0) == (b.iei & 0xF0) : a.iei == b.iei;
        EXPECT_FALSE(overlap) << std::hex << l.key << ": " << int{a.iei} << " and " << int{b.iei};
      }
    }
  }
}

// A lone optional element after the mandatory part changes the document: the
// parser takes it there. Several fillers, since a value without text stops a
// renderer before it reaches the element.
TEST(FuzzLayouts, EachOptionalElementIsTaken) {
  for (const ParsedLayout& l : tharvel_fuzz::layouts()) {
    for (const Element& e : l.optional) {
      bool taken = false;
      for (uint8_t filler : {0x00, 0x01, 0x11, 0x2B, 0x55, 0x81, 0xFF}) {
        FixedSource src{filler};
        ParsedLayout bare = l;
        bare.optional.clear();
        bare.tail = 0;
        tharvel_fuzz::Built base = tharvel_fuzz::build_message(src, bare, 0);
        std::vector<uint8_t> with = base.msg;
        bool ok = true;
        tharvel_fuzz::append_element(src, e, with, ok);
        for (uint8_t dir : {0, 1}) {
          if (decode_octets(dir, base.msg).text != decode_octets(dir, with).text) taken = true;
        }
        if (taken) break;
      }
      EXPECT_TRUE(taken) << std::hex << l.key << ": IEI " << int{e.iei};
    }
  }
}

TEST(FuzzLayouts, WellFormedMessagesGiveClosedDocuments) {
  RandomSource src{0x2545F491u};
  for (const ParsedLayout& l : tharvel_fuzz::layouts()) {
    int well_formed = 0;
    for (int i = 0; i < 40; ++i) {
      tharvel_fuzz::Built b = tharvel_fuzz::build_message(src, l);
      const uint8_t dir = static_cast<uint8_t>(i & 1);
      tharvel_test::Decoded d = decode_octets(dir, b.msg);
      EXPECT_EQ(d.result, 1) << std::hex << l.key;
      if (!b.well_formed) continue;
      ++well_formed;
      EXPECT_TRUE(closed(d.text)) << std::hex << l.key << " left open:\n" << d.text;
    }
    EXPECT_GT(well_formed, 0) << std::hex << l.key;
  }
}

}  // namespace
