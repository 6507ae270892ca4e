#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mm/shared_elements.h"
#include "test_util.h"

namespace l3 {
namespace {

using tharvel_test::octets;

template <class F>
std::string rendered(F&& render) {
  std::vector<char> buf(8192, '\0');
  OutputText out(buf.data(), buf.size());
  render(out);
  out.finish();
  return buf.data();
}

struct IdentityCase {
  const char* name;
  const char* hex;  // length-led
  uint8_t type, odd_even, digit_count;
  const char* text;
};

const IdentityCase kIdentityCases[] = {
    {"imsi_odd", "08 29 64 00 10 32 54 76 98", 1, 1, 15, "246000123456789"},
    {"imeisv_even_drops_filler", "09 53 21 43 65 87 09 21 43 f5", 3, 0, 17, "5123456789012345"},
    {"tmsi_skips_filler_digit", "05 f4 12 34 56 78", 4, 0, 9, "21436587"},
    {"tmsi_odd_keeps_digit_1", "05 7c 12 34 56 78", 4, 1, 9, "721436587"},
    {"imsi_one_octet_even", "01 21", 1, 0, 1, ""},
    {"imsi_one_octet_odd", "01 29", 1, 1, 1, "2"},
    {"eleven_octets_stop_at_tenth", "0b 19 11 11 11 11 11 11 11 11 11 99", 1, 1, 19, "1111111111111111111"},
    {"empty_element", "00", 0, 0, 0, ""},
    {"tmgi_has_no_text", "03 f5 12 34", 5, 0, 5, ""},
};

TEST(MmMobileIdentity, DecodesDigitsTypeAndText) {
  for (const IdentityCase& c : kIdentityCases) {
    std::vector<uint8_t> o = octets(c.hex);
    MobileIdentity id{};
    decode_mobile_identity(id, bits_of(o.data(), static_cast<uint32_t>(o.size())));
    EXPECT_EQ(id.type, c.type) << c.name;
    EXPECT_EQ(id.odd_even, c.odd_even) << c.name;
    EXPECT_EQ(id.digit_count, c.digit_count) << c.name;
    EXPECT_STREQ(id.text, c.text) << c.name;
  }
}

TEST(MmPlmnList, CutToItsRoom) {
  // Six entries in a part with room for five; the length octet 19 leaves a spare octet.
  std::vector<uint8_t> o = octets("13 | 62 f2 20 | 62 f2 10 | 13 00 62 | 64 f0 00 | 21 63 54 | 99 99 99 | ff");
  PlmnList list{};
  decode_plmn_list(list, bits_of(o.data(), static_cast<uint32_t>(o.size())));
  EXPECT_EQ(list.count, 5);
  EXPECT_EQ(rendered([&](OutputText& out) { render_plmn_list(list, out); }),
            "<PLMNList>\n"
            "<PLMN>\n<MCC>262</MCC>\n<MNC>2</MNC>\n</PLMN>\n"
            "<PLMN>\n<MCC>262</MCC>\n<MNC>1</MNC>\n</PLMN>\n"
            "<PLMN>\n<MCC>310</MCC>\n<MNC>26</MNC>\n</PLMN>\n"
            "<PLMN>\n<MCC>460</MCC>\n<MNC>0</MNC>\n</PLMN>\n"
            "<PLMN>\n<MCC>123</MCC>\n<MNC>45</MNC>\n</PLMN>\n"
            "</PLMNList>\n");
  PlmnListOf<15> wide{};
  decode_plmn_list(wide, bits_of(o.data(), static_cast<uint32_t>(o.size())));
  EXPECT_EQ(wide.count, 6);
  EXPECT_EQ(wide.entries[6].mcc, 999);
  EXPECT_EQ(wide.entries[6].mnc, 99);
}

TEST(MmClassmark1, ReservedRevisionGoesOn) {
  const uint8_t o[] = {0x73};
  Classmark1 c{};
  decode_classmark1(c, bits_of(o, 1));
  EXPECT_EQ(rendered([&](OutputText& out) { render_classmark1(c, out); }),
            R"(<MobileStationClassmark1>
<Revision_level>
(3)Reserved for future use</Revision_level>
<ESIND>
(1)Controlled Early Classmark Sending implemented </ESIND>
<A5_1>
(0)available</A5_1>
<RF_Power_Capability>3</RF_Power_Capability>
</MobileStationClassmark1>
)");
}

TEST(MmClassmark2, OnlyDirection01ReadsTheExtension) {
  const uint8_t o[] = {0x33, 0x5D, 0xBE};
  for (uint8_t dir : {0x40, 0x7F, 0x00, 0x01, 0xC0, 0x80}) {
    Classmark2 c{};
    decode_classmark2(c, bits_of(o, 3), dir);
    uint8_t extended = (dir & 0xC0) == 0x40 ? 1 : 0;
    EXPECT_EQ(c.extended, extended) << int{dir};
    EXPECT_EQ(c.lcs_va_capability, extended) << int{dir};
    EXPECT_EQ(c.ucs2_treatment, extended) << int{dir};
    EXPECT_EQ(c.vbs_notification, 1);
    EXPECT_EQ(c.solsa, 1);
  }
}

TEST(MmClassmark2, LastBitIsA52) {
  const uint8_t o[] = {0x00, 0x00, 0x01};
  Classmark2 c{};
  decode_classmark2(c, bits_of(o, 3), 0);
  EXPECT_EQ(c.a5_2, 1);
  EXPECT_EQ(c.a5_3, 0);
  // Two octets only: the third reads as zero.
  decode_classmark2(c, bits_of(o, 2), 0);
  EXPECT_EQ(c.a5_2, 0);
}

TEST(MmCksn, SevenDependsOnDirectionAndEightStops) {
  auto cksn = [](uint8_t v, uint8_t dir) {
    return rendered([&](OutputText& out) { render_ciphering_key_sequence_number(v, out, dir); });
  };
  EXPECT_EQ(cksn(6, 1), "<ciphering_key_sequence_number>\n(6)6</ciphering_key_sequence_number>\n");
  EXPECT_EQ(cksn(7, 0), "<ciphering_key_sequence_number>\n(7)No key is available</ciphering_key_sequence_number>\n");
  EXPECT_EQ(cksn(7, 2), "<ciphering_key_sequence_number>\n(7)Reserved</ciphering_key_sequence_number>\n");
  EXPECT_EQ(cksn(8, 0), "<ciphering_key_sequence_number>\n(8)");
}

TEST(MmAutn, OctetsInHex) {
  Autn a{};
  const uint8_t o[] = {0xAB, 0x01};
  copy_octets(a, o, 2);
  EXPECT_EQ(rendered([&](OutputText& out) { render_autn(a, out); }),
            "<Authentication_AUTN_parameter>\n<submsg>\n<AuthenticationAUTN>0xab</AuthenticationAUTN>\n"
            "<AuthenticationAUTN>0x1</AuthenticationAUTN>\n</submsg>\n</Authentication_AUTN_parameter>\n");
}

TEST(MmNetworkName, TextOnlyWhenItFits) {
  std::vector<uint8_t> o = octets("91 41 42");
  NetworkName n{};
  decode_network_name(n, bits_of(o.data(), 3));
  n.length = 3;
  EXPECT_EQ(n.coding_scheme, 1);
  EXPECT_EQ(n.add_ci, 0);
  EXPECT_EQ(n.spare_bits, 1);
  EXPECT_EQ(n.text[1], 0x41);
  EXPECT_EQ(n.text[2], 0x42);
  EXPECT_EQ(network_name_text_count(n), 2);

  NetworkName one{};
  decode_network_name(one, bits_of(o.data(), 1));
  EXPECT_EQ(one.text[1], 0);

  std::vector<uint8_t> long_name(65, 0x55);
  NetworkName too_long{};
  decode_network_name(too_long, bits_of(long_name.data(), 65));
  too_long.length = 65;
  EXPECT_EQ(too_long.text[1], 0);
  EXPECT_EQ(network_name_text_count(too_long), 0);
  std::vector<uint8_t> longest(64, 0x55);
  NetworkName full{};
  decode_network_name(full, bits_of(longest.data(), 64));
  full.length = 64;
  EXPECT_EQ(full.text[63], 0x55);
  EXPECT_EQ(network_name_text_count(full), 63);
}

TEST(MmGroupCallReference, ReferenceEndingOnItsLastBit) {
  std::vector<uint8_t> ones = octets("ff ff ff e0 00");
  GroupCallReference all{};
  decode_group_call_reference(all, bits_of(ones.data(), 5));
  EXPECT_STREQ(all.binary, "111111111111111111111111111");
  EXPECT_EQ(rendered([&](OutputText& out) { render_group_call_reference(all, out); }),
            R"(<Call_Reference>
<Binary_Code_for_Call_Reference>0x7ffffff</Binary_Code_for_Call_Reference>
<Service_Flag>
(0)VBS</Service_Flag>
<Acknowledgement_Flag>
(0)Not Required</Acknowledgement_Flag>
<Call_Priority>
(0)Not Priority applied</Call_Priority>
<Ciphering_Information>
(0)No Ciphering</Ciphering_Information>
</Call_Reference>
)");
}

}  // namespace
}  // namespace l3
