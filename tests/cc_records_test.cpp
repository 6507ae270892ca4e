// Record-level checks: capacities, slot rules, and the fields that value
// extraction reads without a renderer.
#include "cc/cc_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "api/registry.h"
#include "test_util.h"

namespace {

using Owned = std::unique_ptr<l3::ParsedMessage>;

Owned parse(uint8_t dir, const std::vector<uint8_t>& msg) {
  auto p = std::make_unique<l3::ParsedMessage>(msg.data(), static_cast<uint16_t>(msg.size()), dir);
  return *p ? std::move(p) : nullptr;
}

// The record of the row's type; a failure and an empty record otherwise.
template <class R>
const R& as(const Owned& r) {
  static const R kNone{};
  const R* rec = r ? r->as<R>() : nullptr;
  if (rec == nullptr) ADD_FAILURE() << "no record of this type";
  return rec != nullptr ? *rec : kNone;
}

// hex, then n copies of one octet, then more hex.
std::vector<uint8_t> build(const char* head, size_t n, uint8_t fill, const char* tail = "") {
  std::vector<uint8_t> m = tharvel_test::octets(head);
  m.insert(m.end(), n, fill);
  std::vector<uint8_t> t = tharvel_test::octets(tail);
  m.insert(m.end(), t.begin(), t.end());
  return m;
}

TEST(CcRecords, DisconnectCauseValueForExtraction) {
  Owned gsm = parse(1, tharvel_test::octets("03 25 02 E0 90"));
  ASSERT_TRUE(gsm);
  EXPECT_EQ(as<l3::CcDisconnect>(gsm).cause.cause_value_present, 1);
  EXPECT_EQ(as<l3::CcDisconnect>(gsm).cause.cause_value, 16);
  Owned q931 = parse(1, tharvel_test::octets("03 25 02 80 90"));
  EXPECT_EQ(as<l3::CcDisconnect>(q931).cause.cause_value_present, 0);
  EXPECT_EQ(as<l3::CcDisconnect>(q931).cause.recommendation_present, 1);
  EXPECT_EQ(as<l3::CcDisconnect>(q931).cause.recommendation, 16);
}

TEST(CcRecords, ReleaseCauseSlotsLaterOnesGoToSlot2) {
  Owned r = parse(0, tharvel_test::octets("03 2D | 08 02 E0 90 | 08 02 E0 91 | 08 02 E0 9F"));
  const auto& rel = as<l3::CcRelease>(r);
  EXPECT_EQ(rel.key, 0x32D);
  ASSERT_EQ(rel.cause1.present, 1);
  EXPECT_EQ(rel.cause1.value.cause_value, 16);
  ASSERT_EQ(rel.cause2.present, 1);
  EXPECT_EQ(rel.cause2.value.cause_value_present, 1);
  EXPECT_EQ(rel.cause2.value.cause_value, 31);
}

TEST(CcRecords, KeyKeepsSequenceBits) {
  Owned r = parse(1, tharvel_test::octets("03 45"));
  EXPECT_EQ(r->record()->key, 0x345);
  EXPECT_FALSE(parse(1, tharvel_test::octets("03 0A")));
}

TEST(CcRecords, SsVersionCutTo199) {
  Owned r = parse(0, build("03 3A | 01 AA | 7F FA", 250, 0x5A));
  const auto& f = as<l3::CcFacility>(r);
  ASSERT_EQ(f.ss_version.present, 1);
  EXPECT_EQ(f.ss_version.value.length, 199);
  EXPECT_EQ(f.ss_version.value.octets[199], 0x5A);
}

TEST(CcRecords, LongElementsStoredAsFarAsTheyFitAndWalkGoesOn) {
  Owned llc = parse(0, build("03 05 | 7C 14", 20, 0x11, "34 05"));
  EXPECT_EQ(as<l3::CcSetup>(llc).llc1.value.length, 16);
  EXPECT_EQ(as<l3::CcSetup>(llc).signal.value, 5);

  Owned called = parse(0, build("03 05 | 5E 3D 81", 60, 0x21, "34 05"));
  const l3::BcdNumber& n = as<l3::CcSetup>(called).called_number.value;
  EXPECT_EQ(n.digit_count, 98);
  EXPECT_EQ(std::strlen(n.text), 98u);
  EXPECT_EQ(as<l3::CcSetup>(called).signal.present, 1);

  Owned connected = parse(1, build("03 07 | 4C 66 01 80", 100, 0x43, "2D 01 09"));
  EXPECT_EQ(as<l3::CcConnect>(connected).connected_number.value.digit_count, 98);
  EXPECT_EQ(as<l3::CcConnect>(connected).stream_identifier.value.value, 9);

  Owned sub = parse(0, build("03 05 | 6D 78 A0", 119, 0x33, "34 05"));
  EXPECT_EQ(as<l3::CcSetup>(sub).called_subaddress.value.count, 99);
  EXPECT_EQ(as<l3::CcSetup>(sub).signal.present, 1);

  Owned diag = parse(1, build("03 25 | 28 E0 90", 38, 0x44, "1C 01 AA"));
  EXPECT_EQ(as<l3::CcDisconnect>(diag).cause.diagnostic_count, 31);
  EXPECT_EQ(as<l3::CcDisconnect>(diag).facility.present, 1);
}

TEST(CcRecords, CodecBitmapsAndEntriesCapped) {
  Owned wide = parse(0, tharvel_test::octets("03 08 | 40 07 04 03 60 61 62 00 00 | 2D 01 01"));
  const l3::CodecList& c = as<l3::CcCallConfirmed>(wide).supported_codecs.value;
  EXPECT_EQ(c.count, 2);
  EXPECT_EQ(c.entries[0].bitmap_length, 2);
  EXPECT_EQ(c.entries[0].bitmap[2], 0x61);
  EXPECT_EQ(c.entries[1].system_id, 0);

  std::vector<uint8_t> many = tharvel_test::octets("03 08 | 40 F0");
  for (int i = 0; i < 120; ++i) many.insert(many.end(), {static_cast<uint8_t>(i), 0x00});
  Owned m = parse(0, many);
  EXPECT_EQ(as<l3::CcCallConfirmed>(m).supported_codecs.value.count, 100);

  Owned cut = parse(0, tharvel_test::octets("03 08 | 40 05 04 02 60 00 09"));
  EXPECT_EQ(as<l3::CcCallConfirmed>(cut).supported_codecs.value.count, 1);
}

// CALL CONFIRMED allows one supported codec list: a second one is stepped over.
TEST(CcRecords, RepeatedElementKeepsTheFirst) {
  Owned r = parse(0, tharvel_test::octets("03 08 | 40 04 04 00 05 00 | 40 02 07 00"));
  const l3::CodecList& c = as<l3::CcCallConfirmed>(r).supported_codecs.value;
  EXPECT_EQ(c.count, 2);
  EXPECT_EQ(c.entries[0].system_id, 4);
  EXPECT_EQ(c.entries[1].system_id, 5);
}

TEST(CcRecords, UserUserOfLengthZero) {
  Owned r = parse(0, tharvel_test::octets("03 01 | 7E 00 | 7F 01 00"));
  const auto& a = as<l3::CcAlerting>(r);
  EXPECT_EQ(a.user_user.present, 1);
  EXPECT_EQ(a.user_user.value.count, 0);
  EXPECT_EQ(a.ss_version.present, 1);
}

TEST(CcRecords, SpeechChainLongerThanTwelveStillReachesOctet4) {
  Owned r = parse(0, build("03 05 | 04 10 60", 13, 0x04, "85 88"));
  const l3::BearerCapability& bc = as<l3::CcSetup>(r).bc1.value;
  EXPECT_EQ(bc.speech_count, 12);
  EXPECT_EQ(bc.tail.octet4_present, 1);
  EXPECT_EQ(bc.tail.duplex_mode, 1);
}

TEST(CcRecords, SlotRules) {
  Owned proceeding = parse(1, tharvel_test::octets("03 02 | 04 01 A0 | 04 01 A1 | 04 01 A2 | 83"));
  const auto& p = as<l3::CcCallProceeding>(proceeding);
  EXPECT_EQ(p.bc2.value.transfer_capability, 1);  // the third is passed over
  EXPECT_EQ(p.priority.value, 3);

  Owned setup = parse(0, tharvel_test::octets("03 05 | D1 7D 02 91 81 D2 7D 02 91 82 D3 7D 02 91 83 D4 | 34 05"));
  const auto& s = as<l3::CcSetup>(setup);
  EXPECT_EQ(s.hlc1.value.characteristics, 1);
  EXPECT_EQ(s.hlc2.value.characteristics, 2);
  EXPECT_EQ(s.repeat1.value, 1);
  EXPECT_EQ(s.repeat2.value, 2);
  EXPECT_EQ(s.repeat3.value, 3);
  EXPECT_EQ(s.signal.value, 5);

  Owned called = parse(0, tharvel_test::octets("03 05 | 5E 03 81 21 F3"));
  const l3::BcdNumber& n = as<l3::CcSetup>(called).called_number.value;
  EXPECT_EQ(n.type_of_number, 0);
  EXPECT_EQ(n.numbering_plan, 1);
  EXPECT_EQ(n.digit_count, 4);
  EXPECT_STREQ(n.text, "123");

  Owned calling = parse(0, tharvel_test::octets("03 05 | 5C 02 11 83"));
  EXPECT_EQ(as<l3::CcSetup>(calling).calling_number.present, 1);
  EXPECT_EQ(as<l3::CcSetup>(calling).calling_number.value.numbering_plan, 0);
}

}  // namespace

namespace {

// Messages of every type built from element-shaped pieces with random
// contents: each decodes to a closed document, and no prefix reads past the end.
TEST(CcRecords, RandomElementSoupStaysInBounds) {
  const uint8_t kTypes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0B, 0x0E, 0x0F,
                            0x10, 0x13, 0x17, 0x18, 0x19, 0x1A, 0x1C, 0x1D, 0x1E, 0x1F, 0x25, 0x2A,
                            0x2D, 0x31, 0x32, 0x34, 0x35, 0x36, 0x37, 0x39, 0x3A, 0x3D, 0x3E};
  const uint8_t kIeis[] = {0x04, 0x08, 0x15, 0x19, 0x1B, 0x1C, 0x1D, 0x1E, 0x24, 0x2C, 0x2D, 0x2E, 0x2F,
                           0x34, 0x3A, 0x40, 0x41, 0x4C, 0x4D, 0x5C, 0x5D, 0x5E, 0x6D, 0x74, 0x75, 0x7B,
                           0x7C, 0x7D, 0x7E, 0x7F, 0x83, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xD1};
  uint32_t seed = 12345;
  auto next = [&seed](uint32_t n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  for (uint8_t type : kTypes) {
    for (int round = 0; round < 12; ++round) {
      std::vector<uint8_t> msg = {0x03, type};
      if (next(2) == 0) msg.push_back(static_cast<uint8_t>(next(256)));  // a V octet or a length
      for (uint32_t e = next(6); e > 0; --e) {
        const uint8_t iei = kIeis[next(std::size(kIeis))];
        msg.push_back(iei);
        if (iei >= 0x80) continue;
        const uint8_t len = static_cast<uint8_t>(next(next(4) == 0 ? 256 : 16));
        msg.push_back(len);
        for (uint32_t i = 0; i < len && msg.size() < 255; ++i) msg.push_back(static_cast<uint8_t>(next(256)));
      }
      for (uint8_t dir : {0, 1}) {
        tharvel_test::Decoded d = tharvel_test::decode_octets(dir, msg);
        EXPECT_EQ(d.result, 1);
        EXPECT_TRUE(tharvel_test::closed(d.text));
        if (round == 0 && dir == 0) tharvel_test::decode_every_prefix(dir, msg);  // each decode clears 1 MiB
      }
    }
  }
}

}  // namespace
