// RR structures and field values read by the 44.018 / 44.060 / 24.008
// codings, through the whole decoder. Each vector is built bit by bit; the
// comments give the bits.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "rr/elements/frequency_list.h"
#include "rr/rest_octets/si2quater_rest_octets.h"
#include "test_util.h"

namespace l3 {
namespace {

struct StructureCase {
  const char* name;
  uint8_t direction;
  const char* hex;
  std::vector<const char*> present;  // each in the document, in this order
  std::vector<const char*> absent;
};

void PrintTo(const StructureCase& c, std::ostream* os) { *os << c.name; }

const StructureCase kCases[] = {
    // ASSIGNMENT COMMAND, Frequency List after time (05), length 16, range 1024:
    // 10 00 0 F0=1 W(1)=01|0010 1100 (300) W(2)=0 1100 1000 (200)
    // W(3)=0 0110 0100 (100) W(4)=0011 0010 (50), then zero W: the end.
    {"assignment_range1024_list_resolves",
     0,
     "06 2e | 0d 02 d5 | 00 | 05 10 85 2c 64 19 0c 80 00 00 00 00 00 00 00 00 00 00",
     {"(1)ARFCN_0_is_a_member_of_the_set</F0>\n<F>300</F>\n<F>1011</F>\n<F>400</F>\n<F>293</F>\n<W>300</W>\n"
      "<W>200</W>\n<W>100</W>\n<W>50</W>\n</Range1024format>"},
     {}},
    // HANDOVER COMMAND, Frequency Short List after time (02), range 1024:
    // 10 00 0 F0=1 W(1)=01|1001 0000 (400), W(2)=0 1100 1000 (200), W(3)=0:
    // ARFCNs 0, 400 and (400 - 512 + 200) smod 1023 = 88.
    {"handover_short_list_range1024",
     0,
     "06 2b | 41 23 | 0d 02 d5 | 07 | 85 | 02 85 90 64 00 00 00 00 00 00",
     {"<Frequency_Short_List>\n<FORMAT_ID>18</FORMAT_ID>\n<Range1024format>\n<Length_of_Frequency_List>9<",
      "(1)ARFCN_0_is_a_member_of_the_set</F0>\n<F>400</F>\n<F>88</F>\n<W>400</W>\n<W>200</W>\n</Range1024format>"},
     {}},
    // HANDOVER COMMAND, MultiRate configuration (03) length 6: 001 0 0 0 00
    // (version 1), codec set 0001 1101, then 00 THR1 010111 (23), HYST1 0011,
    // THR2 011100 (28), HYST2 0100, THR3 100000 (32), HYST3 0100.
    {"handover_multirate_three_thresholds",
     0,
     "06 2b | a7 56 | 13 e2 56 | 63 | 00 | 63 41 | 91 | 03 06 20 1d 17 37 12 04",
     {"<Threshold1>23</Threshold1>\n<Hysteresis1>3</Hysteresis1>\n<Threshold2>28</Threshold2>\n"
      "<Hysteresis2>4</Hysteresis2>\n<Threshold3>32</Threshold3>\n<Hysteresis3>4</Hysteresis3>\n"},
     {}},
    // ASSIGNMENT COMMAND: 72 (mobile allocation after time, 1 octet) then the
    // MultiRate configuration of length 5: 00 THR1 001010 (10), HYST1 0101,
    // THR2 010100 (20), HYST2 0110, 00 spare.
    {"assignment_mobile_allocation_then_multirate",
     0,
     "06 2e | 0d 02 d5 | 00 | 72 01 80 | 03 05 20 1c 0a 55 18",
     {"<Mobile_Allocation__after_time>", "<MAC>8</MAC>", "<MultiRate_configuration>\n<Length>5</Length>",
      "<Threshold1>10</Threshold1>\n<Hysteresis1>5</Hysteresis1>\n<Threshold2>20</Threshold2>\n"
      "<Hysteresis2>6</Hysteresis2>\n</MultiRate_configuration>"},
     {"<Threshold3>"}},
    // CLASSMARK CHANGE, classmark 3 octet 0 001 0010: multiband 001 is band 1
    // (P-GSM) alone, A5/5; then 0000 and radio capability 1 = 0011.
    {"classmark3_band1_is_the_last_bit",
     1,
     "06 16 | 03 33 18 a2 | 20 02 12 03",
     {"(1)P-GSM supported</Band1>", "(0)E-GSM or R-GSM not supported</Band2>", "(0)DCS 1800 not supported</Band3>",
      "(1)encryption algorithm A5/5 available</A5_5>", "<Associated_Radio_Capability_1>3<"},
     {}},
    // A real classmark 3 octet 0 110 0000: bands 3 (1800) and 2 (E-GSM).
    {"classmark3_real_bands_3_and_2",
     1,
     "06 16 | 03 30 18 a2 | 20 0b 60 14 4c a7 7b 29 11 dc 40 04 00",
     {"(0)P-GSM not supported</Band1>", "(1)E-GSM or R-GSM supported</Band2>", "(1)DCS 1800 supported</Band3>"},
     {}},
    // SI 2quater, E-UTRAN measurement parameters: Qsearch 1000, REP_QUANT 1,
    // MULTIRAT 01, then 1 (report offsets): 1 FDD MEASUREMENT_REPORT_OFFSET
    // 000101, 0, 0; TDD 0; REPORTING_GRANULARITY 1; no GPRS parameters (0);
    // neighbours 1, 1 EARFCN 0000 0101 0001 0100 (1300), 0 (no bandwidth),
    // 0 (end), 0 (no priority), THRESH_high 01010, 0, 0, 0 (end of list).
    {"si2quater_eutran_granularity_in_offset_branch",
     0,
     "06 07 | 40 00 04 86 5e 2e 28 b0 51 40 a0 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     {"<E_UTRAN_FDD_MEASUREMENT_REPORT_OFFSET>5<", "<REPORTING_GRANULARITY>1</REPORTING_GRANULARITY>",
      "<EARFCN>1300</EARFCN>", "<THRESH_E_UTRAN_high>10<"},
     {"<GPRS_E_UTRAN_Measurement_Parameters_Description>"}},
    // SI 1 rest octets: H NCH position then L (1800 band).
    // 00111 (7): 2 blocks from block 0.
    {"si1_nch_position_7",
     0,
     "06 19 | 00000000000000000000000000000000 | 00 00 00 | 9f",
     {"<NCH_Position>7</NCH_Position>\n<No_of_blocks>2</No_of_blocks>\n<Number_of_first_block>0<"},
     {}},
    // 01100 (12): 2 blocks from block 5.
    {"si1_nch_position_12",
     0,
     "06 19 | 00000000000000000000000000000000 | 00 00 00 | b3",
     {"<NCH_Position>12</NCH_Position>\n<No_of_blocks>2</No_of_blocks>\n<Number_of_first_block>5<"},
     {}},
    // 01101 (13): 3 blocks from block 0.
    {"si1_nch_position_13",
     0,
     "06 19 | 00000000000000000000000000000000 | 00 00 00 | b7",
     {"<NCH_Position>13</NCH_Position>\n<No_of_blocks>3</No_of_blocks>\n<Number_of_first_block>0<"},
     {}},
    // 11011 (27): 7 blocks from block 0, the last coded position.
    {"si1_nch_position_27",
     0,
     "06 19 | 00000000000000000000000000000000 | 00 00 00 | ef",
     {"<NCH_Position>27</NCH_Position>\n<No_of_blocks>7</No_of_blocks>\n<Number_of_first_block>0<"},
     {}},
    // 11100 (28): reserved, no blocks named.
    {"si1_nch_position_28_reserved",
     0,
     "06 19 | 00000000000000000000000000000000 | 00 00 00 | f3",
     {"<NCH_Position>28</NCH_Position>\n</NCH_Position>"},
     {"<No_of_blocks>"}},
    // SI 2quater NC measurement parameters with NC_NON_DRX_PERIOD 111.
    {"nc_non_drx_period_7_is_1_92_s",
     0,
     "06 07 | a0 1d 9a 40 fc ac c0 f1 aa 06 4c 1d ab da 6f 05 f1 e1 30 50",
     {"<NC_NON_DRX_PERIOD>\n(7)sec1.920000</NC_NON_DRX_PERIOD>"},
     {}},
    // IMMEDIATE ASSIGNMENT with a packet channel description, indirect
    // encoding: 01000 110 | TSC 000, 0, 1 (indirect), spare 0, MAIO 00 |
    // 0000, MA_NUMBER_IND 0, CHANGE_MARK_1 1 01.
    {"ma_number_ind_0_is_14",
     0,
     "06 3f | 10 | 46 08 05 | 00 00 00 | 00 | 00 | 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     {"(0)MA_NUMBER equel 14</MA_NUMBER_IND>"},
     {}},
    // The same with MA_NUMBER_IND 1.
    {"ma_number_ind_1_is_15",
     0,
     "06 3f | 10 | 46 08 0d | 00 00 00 | 00 | 00 | 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     {"(1)MA_NUMBER equel 15</MA_NUMBER_IND>"},
     {}},
};

class RrStructure : public testing::TestWithParam<StructureCase> {};

TEST_P(RrStructure, ReadsTheCoding) {
  const StructureCase& c = GetParam();
  const tharvel_test::Decoded d = tharvel_test::decode_hex(c.direction, c.hex);
  ASSERT_TRUE(tharvel_test::closed(d.text)) << d.text;
  size_t at = 0;
  for (const char* p : c.present) {
    const size_t found = d.text.find(p, at);
    ASSERT_NE(found, std::string::npos) << "missing: " << p << "\n" << d.text;
    at = found;
  }
  for (const char* a : c.absent) EXPECT_EQ(d.text.find(a), std::string::npos) << a << "\n" << d.text;
  tharvel_test::decode_every_prefix(c.direction, tharvel_test::octets(c.hex));
}

INSTANTIATE_TEST_SUITE_P(Rr, RrStructure, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<StructureCase>& info) {
                           return std::string(info.param.name);
                         });

// The 8-octet short list of the group channel description: range 512 has room
// for W(1)..W(6) in its 47 bits, and no bit past the 64 is read.
TEST(RrStructureShortList, EightOctetFormReadsWithinItsBits) {
  // 10 00 100 ORIG 0000000001, W(1) 100000010 (258), W(2) 00000011 (3), then
  // zeros; the octet after the list is all ones.
  const std::vector<uint8_t> o = tharvel_test::octets("88 00 c0 80 c0 00 00 00 ff");
  auto l = std::make_unique<FrequencyList>();
  decode_frequency_short_list_at(*l, bits_of(o.data(), static_cast<uint32_t>(o.size())), 0, 64);
  EXPECT_EQ(l->r512_orig, 1);
  EXPECT_EQ(l->r512.w[1], 258);
  EXPECT_EQ(l->r512.w[2], 3);
  EXPECT_EQ(l->r512.f[1], 259);
  for (uint32_t k = 3; k <= l->count; ++k) EXPECT_EQ(l->r512.w[k], 0) << k;  // the ones octet stays outside
  EXPECT_EQ(l->r512_length, 8);
}

}  // namespace
}  // namespace l3

// The 3G cell tree against the textbook walk (a division at every step), over
// random W values, out-of-range ones included, for both ranges.
namespace l3 {
namespace {

int32_t division_smod(int32_t x, int32_t n) { return ((x - 1) % n + n) % n + 1; }

void division_tree(const uint16_t* w, uint16_t* f, uint32_t n, int32_t range) {
  for (uint32_t k = 1; k <= n; ++k) {
    if (w[k] == 0) continue;
    uint32_t index = k;
    int32_t j = 1;
    while (static_cast<uint32_t>(j * 2) <= index) j *= 2;
    int32_t value = w[k];
    while (index > 1) {
      if (2 * index < 3 * static_cast<uint32_t>(j)) {
        index -= static_cast<uint32_t>(j / 2);
        value = division_smod(value + w[index] - range / j, 2 * range / j - 1);
      } else {
        index -= static_cast<uint32_t>(j);
        value = division_smod(value + w[index], 2 * range / j - 1);
      }
      j /= 2;
    }
    f[k] = static_cast<uint16_t>(value);
  }
}

TEST(RangeTree, SameCellsAsTheDivisionWalk) {
  std::mt19937 rng(11);
  for (int32_t range : {1024, 512}) {
    for (int round = 0; round < 2000; ++round) {
      const uint32_t n = 1 + rng() % 31;
      uint16_t w[32] = {}, fast[32] = {}, slow[32] = {};
      // Most rounds keep W within its field's bits; some go past every period.
      const uint32_t top = round % 4 == 0 ? 1024 : static_cast<uint32_t>(range);
      for (uint32_t k = 1; k <= n; ++k) w[k] = static_cast<uint16_t>(rng() % top);
      resolve_range_tree(w, fast, n, range);
      division_tree(w, slow, n, range);
      for (uint32_t k = 1; k <= n; ++k) ASSERT_EQ(fast[k], slow[k]) << "range " << range << " round " << round << " k " << k;
    }
  }
}

}  // namespace
}  // namespace l3
