#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "api/keys.h"
#include "api/registry.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/common_elements.h"
#include "test_util.h"

namespace l3 {
namespace {

using tharvel_test::octets;

TEST(RrTable, UndecodedTypesGiveNoRecord) {
  for (uint8_t type : {0x0B, 0x0C, 0x25, 0x43, 0x45, 0x4A, 0x4F, 0x7E, 0x80, 0xFF}) {
    const uint8_t msg[] = {0x06, type, 0x00};
    EXPECT_FALSE(ParsedMessage(msg, 3, 0)) << int{type};
  }
}

std::string render(const std::function<void(OutputText&)>& write) {
  std::vector<char> buf(1 << 16, 0);
  OutputText out(buf.data(), buf.size());
  write(out);
  out.finish();
  return buf.data();
}

BitBuffer bits(const std::vector<uint8_t>& o) { return bits_of(o.data(), static_cast<uint32_t>(o.size())); }

struct ElementCase {
  const char* name;
  const char* hex;
  std::function<void(const BitBuffer&, OutputText&)> decode_and_render;
  const char* block;
};

template <class T, void (*D)(T&, const BitBuffer&), int (*R)(const T&, OutputText&)>
void element(const BitBuffer& b, OutputText& out) {
  auto e = std::make_unique<T>();
  D(*e, b);
  R(*e, out);
}

void octet_value(int (*r)(uint8_t, OutputText&), const BitBuffer& b, OutputText& out) { r(read_bits8(0, 8, b), out); }

const ElementCase kElements[] = {
    {"channel_description_tch_f_single", "0a 62 3c",
     element<ChannelDescription, decode_channel_description, render_channel_description>, R"(<Channel_Description>
<Channel_type_and_TDMA_offset>
(1)TCH F and FACCH F and SACCH/F</Channel_type_and_TDMA_offset>
<TN>2</TN>
<H>
(0)Single_RF_channel</H>
<TSC>3</TSC>
<ARFCN>572</ARFCN>
</Channel_Description>
)"},
    // Type 9 has a text, but only the dedicated types 1..7 show theirs here.
    {"channel_description_sdcch8_is_reserved", "48 f1 61",
     element<ChannelDescription, decode_channel_description, render_channel_description>, R"(<Channel_Description>
<Channel_type_and_TDMA_offset>
(9)reserved</Channel_type_and_TDMA_offset>
<TN>0</TN>
<H>
(1)RF_hopping_channel</H>
<TSC>7</TSC>
<MAIO>5</MAIO>
<HSN>33</HSN>
</Channel_Description>
)"},
    {"channel_description2_sdcch8", "48 f1 61",
     element<ChannelDescription, decode_channel_description, render_channel_description2>, R"(<Channel_Description2>
<Channel_type_and_TDMA_offset>
(9)SDCCH/8 ACCH C8 or CBCH(SDCCH8)</Channel_type_and_TDMA_offset>
<TN>0</TN>
<H>
(1)RF_hopping_channel</H>
<TSC>7</TSC>
<MAIO>5</MAIO>
<HSN>33</HSN>
</Channel_Description2>
)"},
    {"channel_description2_type_30_last_arfcn", "f7 e3 ff",
     element<ChannelDescription, decode_channel_description, render_channel_description2>, R"(<Channel_Description2>
<Channel_type_and_TDMA_offset>
(30)TCH F and FACCH F and SACCH M at the time slot indicated by TN and additional bidirectional TCH F and SACCH M at timeslot nsub1 and unidirectional TCH FDand SACCH MD at timeslot nsub1</Channel_type_and_TDMA_offset>
<TN>7</TN>
<H>
(0)Single_RF_channel</H>
<TSC>7</TSC>
<ARFCN>1023</ARFCN>
</Channel_Description2>
)"},
    {"channel_description2_type_0_reserved", "00 00 00",
     element<ChannelDescription, decode_channel_description, render_channel_description2>, R"(<Channel_Description2>
<Channel_type_and_TDMA_offset>
(0)reserved</Channel_type_and_TDMA_offset>
<TN>0</TN>
<H>
(0)Single_RF_channel</H>
<TSC>0</TSC>
<ARFCN>0</ARFCN>
</Channel_Description2>
)"},
    {"cell_description", "5a 3c", element<CellDescription, decode_cell_description, render_cell_description>,
     R"(<Cell_Description>
<BCCH_ARFCN>316</BCCH_ARFCN>
<NCC>3</NCC>
<BCC>2</BCC>
</Cell_Description>
)"},
    {"request_reference_renders_t2_before_t3", "e3 5a 9c",
     element<RequestReference, decode_request_reference, render_request_reference>, R"(<Request_Reference>
<RA>227</RA>
<T1>11</T1>
<T2>28</T2>
<T3>20</T3>
</Request_Reference>
)"},
    {"starting_time", "5a 9c", element<StartingTime, decode_starting_time, render_starting_time>, R"(<StartingTime>
<T1>11</T1>
<T3>20</T3>
<T2>28</T2>
</StartingTime>
)"},
    {"timing_advance", "3f", [](const BitBuffer& b, OutputText& out) { octet_value(render_timing_advance, b, out); },
     R"(<Timing_Advance>
<Timing_advance_value>63</Timing_advance_value>
</Timing_Advance>
)"},
    {"mobile_allocation_one_octet", "01 80",
     element<MobileAllocation, decode_mobile_allocation, render_mobile_allocation>,
     R"(<Mobile_Allocation>
<Length_of_mobile_allocation>1</Length_of_mobile_allocation>
<MAC>8</MAC>
</Mobile_Allocation>
)"},
    {"mobile_allocation_highest_first", "02 81 01",
     element<MobileAllocation, decode_mobile_allocation, render_mobile_allocation>, R"(<Mobile_Allocation>
<Length_of_mobile_allocation>2</Length_of_mobile_allocation>
<MAC>16</MAC>
<MAC>9</MAC>
<MAC>1</MAC>
</Mobile_Allocation>
)"},
    {"mobile_allocation_empty", "00", element<MobileAllocation, decode_mobile_allocation, render_mobile_allocation>,
     R"(<Mobile_Allocation>
<Length_of_mobile_allocation>0</Length_of_mobile_allocation>
</Mobile_Allocation>
)"},
    {"frequency_channel_sequence", "85 12 34 56 78 9a bc de f0",
     element<FrequencyChannelSequence, decode_frequency_channel_sequence, render_frequency_channel_sequence>,
     R"(<Frequency_Channel_Sequence>
<Lowest_ARFCN>5</Lowest_ARFCN>
<inc_skip_of_ARFCN>1</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>2</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>3</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>4</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>5</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>6</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>7</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>8</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>9</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>10</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>11</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>12</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>13</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>14</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>15</inc_skip_of_ARFCN>
<inc_skip_of_ARFCN>0</inc_skip_of_ARFCN>
</Frequency_Channel_Sequence>
)"},
    {"channel_mode_amr", "41", [](const BitBuffer& b, OutputText& out) { octet_value(render_channel_mode, b, out); },
     R"(<Channel_Mode>
<Mode>
(65)speech full rate or half rate version 3</Mode>
</Channel_Mode>
)"},
    {"channel_mode_reserved", "05",
     [](const BitBuffer& b, OutputText& out) { octet_value(render_channel_mode, b, out); },
     R"(<Channel_Mode>
<Mode>
(5)Other values are reserved for future use</Mode>
</Channel_Mode>
)"},
    {"rr_cause_without_text_reads_normal_event", "07",
     [](const BitBuffer& b, OutputText& out) { octet_value(render_rr_cause_value, b, out); }, R"(<RR_Cause_value>
(7)Normal event</RR_Cause_value>
)"},
    {"page_mode_immediate_normal", "00",
     [](const BitBuffer& b, OutputText& out) { octet_value(render_page_mode_immediate, b, out); }, R"(<Page_Mode>
(0)Normal_paging</Page_Mode>
)"},
    {"page_mode_from_octet_reserved", "f7",
     [](const BitBuffer& b, OutputText& out) { render_page_mode(page_mode_of(read_bits8(0, 8, b)), out); },
     R"(<Page_Mode>
(3)reserved</Page_Mode>
)"},
    {"cipher_mode_start_a5_2", "93",
     [](const BitBuffer& b, OutputText& out) {
       render_cipher_mode_setting(cipher_mode_setting_of(read_bits8(0, 8, b)), out);
     },
     R"(<Cipher_Mode_Setting>
<SC>
(1)Start_ciphering</SC>
<algorithm_identifier>
(1)cipher with algorithm A5 2</algorithm_identifier>
</Cipher_Mode_Setting>
)"},
    {"cipher_mode_reserved_algorithm", "9f",
     [](const BitBuffer& b, OutputText& out) {
       render_cipher_mode_setting(cipher_mode_setting_of(read_bits8(0, 8, b)), out);
     },
     R"(<Cipher_Mode_Setting>
<SC>
(1)Start_ciphering</SC>
<algorithm_identifier>
(7)reserved</algorithm_identifier>
</Cipher_Mode_Setting>
)"},
    {"cipher_mode_no_ciphering", "9e",
     [](const BitBuffer& b, OutputText& out) {
       render_cipher_mode_setting(cipher_mode_setting_of(read_bits8(0, 8, b)), out);
     },
     R"(<Cipher_Mode_Setting>
<SC>
(0)No ciphering</SC>
</Cipher_Mode_Setting>
)"},
    // Truncated to its length octet: the value reads as zero.
    {"time_difference_cut_short", "01", element<TimeDifference, decode_time_difference, render_time_difference>,
     R"(<Time_Difference>
<Length_of_Time_Difference>1</Length_of_Time_Difference>
<Time_difference_value>0</Time_difference_value>
</Time_Difference>
)"},
};

class RrElement : public testing::TestWithParam<ElementCase> {};
TEST_P(RrElement, RendersTheDocumentedBlock) {
  const ElementCase& c = GetParam();
  const std::vector<uint8_t> o = octets(c.hex);
  EXPECT_EQ(render([&](OutputText& out) { c.decode_and_render(bits(o), out); }), c.block);
}
INSTANTIATE_TEST_SUITE_P(Rr, RrElement, testing::ValuesIn(kElements),
                         [](const testing::TestParamInfo<ElementCase>& info) { return std::string(info.param.name); });

TEST(RrElements, PowerCommandsAndMobileObservedTimeDifference) {
  const std::vector<uint8_t> pc = octets("bf");  // ATC 1, spare 0, FPC 1, level 31
  PowerCommand p{};
  decode_power_command(p, bits(pc));
  EXPECT_EQ(p.fpc, 1);
  EXPECT_EQ(p.power_level, 31);
  PowerCommandAccessType pa{};
  decode_power_command_access_type(pa, bits(pc));
  EXPECT_EQ(pa.atc, 1);
  EXPECT_EQ(pa.fpc, 1);
  EXPECT_EQ(pa.power_level, 31);
  const std::vector<uint8_t> motd = octets("03 ff ff f8");  // 21 bits of ones, then 3 spare bits
  MobileObservedTimeDifference m{};
  decode_mobile_observed_time_difference(m, bits(motd));
  EXPECT_EQ(m.length, 3);
  EXPECT_EQ(m.value, 0x1FFFFFu);
}

TEST(RrElements, PacketChannelDescriptionForms) {
  PacketChannelDescription d{};
  decode_packet_channel_description(d, bits(octets("0f f1 61")));  // hopping: MAIO 5, HSN 33
  EXPECT_EQ(d.chan_type, 1);
  EXPECT_EQ(d.tn, 7);
  EXPECT_EQ(d.tsc, 7);
  EXPECT_EQ(d.hopping, 1);
  EXPECT_EQ(d.maio, 5);
  EXPECT_EQ(d.hsn, 33);
  d = {};
  decode_packet_channel_description(d,
                                    bits(octets("08 2a 97")));  // indirect: MAIO 41, MA_NUMBER_IND 0, CHANGE_MARK_1 3
  EXPECT_EQ(d.hopping, 0);
  EXPECT_EQ(d.indirect, 1);
  EXPECT_EQ(d.maio, 41);
  EXPECT_EQ(d.ma_number_ind, 0);
  EXPECT_EQ(d.change_mark_1_present, 1);
  EXPECT_EQ(d.change_mark_1, 3);
  d = {};
  decode_packet_channel_description(d, bits(octets("08 03 ff")));  // single ARFCN 1023
  EXPECT_EQ(d.indirect, 0);
  EXPECT_EQ(d.arfcn, 1023);
}

TEST(RrElements, GroupChannelDescriptionAndVgcsTargetMode) {
  auto g = std::make_unique<GroupChannelDescription>();
  decode_group_channel_description(*g, bits(octets("04 0a 62 3c 41")));
  EXPECT_EQ(g->length, 4);
  EXPECT_EQ(g->channel.chan_type, 1);
  EXPECT_EQ(g->channel.arfcn, 572);
  EXPECT_EQ(g->ma.length, 1);
  EXPECT_EQ(g->ma.count, 2);
  EXPECT_TRUE(g->ma.has(7));
  EXPECT_TRUE(g->ma.has(1));
  EXPECT_FALSE(g->ma.has(8));
  VgcsTargetMode v{};
  decode_vgcs_target_mode(v, bits(octets("01 6c")));  // target mode 1, key 11
  EXPECT_EQ(v.length, 1);
  EXPECT_EQ(v.target_mode, 1);
  EXPECT_EQ(v.key_number, 11);
}

// The longest mobile allocation: every one of its 2040 bits set.
TEST(RrElements, LongestMobileAllocationStaysInItsArray) {
  std::vector<uint8_t> o(256, 0xFF);
  auto m = std::make_unique<MobileAllocation>();
  decode_mobile_allocation(*m, bits(o));
  EXPECT_EQ(m->length, 255);
  EXPECT_EQ(m->count, 2040);
  const std::string block = render([&](OutputText& out) { render_mobile_allocation(*m, out); });
  EXPECT_EQ(block.rfind("<MAC>2040</MAC>", 200), block.find("<MAC>"));
}

}  // namespace
}  // namespace l3
