// Field values of the DTAP families (and the RR walk they share) checked
// against vectors built octet by octet from the element codings.
#include <gtest/gtest.h>

#include <string>

#include "test_util.h"

namespace {

using tharvel_test::body_of;
using tharvel_test::decode_hex;

// A document must hold `has` and must not hold `lacks` (when given).
struct Fragment {
  const char* name;
  uint8_t direction;
  const char* hex;
  const char* has;
  const char* lacks;
};

void PrintTo(const Fragment& f, std::ostream* os) { *os << f.name; }

class DtapFragment : public testing::TestWithParam<Fragment> {};

TEST_P(DtapFragment, DocumentHoldsTheValue) {
  const Fragment& f = GetParam();
  const std::string doc = body_of(decode_hex(f.direction, f.hex).text);
  EXPECT_NE(doc.find(f.has), std::string::npos) << doc;
  if (f.lacks != nullptr) {
    EXPECT_EQ(doc.find(f.lacks), std::string::npos) << doc;
  }
}

// Every prefix decodes without reading past it (checked under the sanitizers).
TEST_P(DtapFragment, SurvivesEveryTruncation) {
  const Fragment& f = GetParam();
  tharvel_test::decode_every_prefix(f.direction, tharvel_test::octets(f.hex));
}

std::string fragment_name(const testing::TestParamInfo<Fragment>& info) { return info.param.name; }

// A repeated element that the message does not let repeat: the first one is
// handled, later ones are stepped over and the walk goes on after them.
constexpr Fragment kRepeated[] = {
    // LOCATION UPDATING ACCEPT: LAI 262-02 LAC 1; 17 IMSI 262100123456789; 17 TMSI 11223344.
    {"lu_accept_imsi_then_tmsi", 1, "05 02 | 62 f2 20 00 01 | 17 08 29 26 01 10 32 54 76 98 | 17 05 f4 11 22 33 44",
     "(1)IMSI</Type_of_identity>", "TMSI/P-TMSI"},
    // MM INFORMATION: 46 time zone twice, then 45 short name (length 0) still reached.
    {"mm_information_time_zone_twice", 1, "05 32 | 46 40 | 46 21 | 45 00", "<Short_name_for_network>", nullptr},
    // CALL CONFIRMED: one repeat indicator allowed; D1 then D2.
    {"call_confirmed_repeat_indicator_twice", 0, "03 08 | d1 | 04 02 00 60 | d2",
     "(1)Circular for successive selection mode 1 alternate mode 2", "(2)Support of fallback"},
    // RELEASE COMPLETE: one cause; 08 02 80 90 (normal clearing), then 08 02 80 9f.
    {"release_complete_cause_twice", 0, "03 2a | 08 02 80 90 | 08 02 80 9f", "<Recommendation>16</Recommendation>",
     "<Recommendation>31</Recommendation>"},
    // RELEASE lets the cause repeat: both are kept.
    {"release_second_cause_kept", 0, "03 2d | 08 02 80 90 | 08 02 80 9f", "<Recommendation>31</Recommendation>",
     nullptr},
    // SETUP lets the bearer capability repeat behind a repeat indicator.
    {"setup_second_bearer_capability_kept", 0, "03 05 | d1 | 04 01 a0 | 04 01 a1",
     "<Bearer_capability2>\n<GSM_Bearer_Capability>\n<Radiochannel_Requirement>\n(1)full rate support only MS<", nullptr},
    // GMM ATTACH ACCEPT (RAI 262-01 LAC 0x1234 RAC 0x56): 17 READY timer 0x21 then 0x45.
    {"attach_accept_ready_timer_twice", 1, "08 02 | 01 | 06 | 31 | 62 f2 10 12 34 56 | 17 21 | 17 45",
     "<Negotiated_READY_timervalue>\n<GPRS_Timer><Unit>\n(1)value is incremented in multiples of 1 minute</Unit>\n"
     "<Timer_value>1</Timer_value>",
     "<Timer_value>5</Timer_value>"},
    // RR CIPHERING MODE COMPLETE: 17 IMEISV then 17 TMSI.
    {"rr_ciphering_complete_imeisv_then_tmsi", 0, "06 32 | 17 09 33 54 76 98 10 32 54 76 f8 | 17 05 f4 00 00 00 01",
     "(3)IMEISV</Type_of_identity>", "TMSI/P-TMSI"},
};
INSTANTIATE_TEST_SUITE_P(Repeated, DtapFragment, testing::ValuesIn(kRepeated), fragment_name);

constexpr Fragment kValues[] = {
    // Routing area identification 0x02 0xf8 0x10: MCC 208, MNC digit 3 F, digits 0 1: MNC 01.
    {"rai_mnc_two_digits", 1, "06 34 | c4 30 94 61 | 02 f8 10 03 10 01 | 06", "<MNC>\n<MNC>1</MNC>\n</MNC>",
     "abnormal"},
    // 0x02 0x18 0x10: MNC digit 3 is 1: MNC 011 (three digits) stays as it was.
    {"rai_mnc_three_digits", 1, "06 34 | c4 30 94 61 | 02 18 10 03 10 01 | 06", "<MNC>\n<MNC>11</MNC>\n</MNC>",
     "abnormal"},
    // An MNC digit of F elsewhere is still abnormal (0xf1 0x10: digit 3 is 1, digit 1 is F).
    {"rai_mnc_f_first_digit", 1, "06 34 | c4 30 94 61 | 02 18 1f 03 10 01 | 06", "<MNC>\nabnormal</MNC>", nullptr},
    // Network feature support 0xB8: LCS-MOLR (bit 4) 1, MBMS, IMS VoPS, EMC BS 0.
    {"feature_support_lcs_molr_bit4", 1, "08 02 | 01 | 06 | 31 | 62 f2 10 12 34 56 | b8",
     "(1)LCS-MOLR via PS domain supported", nullptr},
    // 0xB7: LCS-MOLR 0 with the three other bits 1.
    {"feature_support_other_bits", 1, "08 02 | 01 | 06 | 31 | 62 f2 10 12 34 56 | b7",
     "(0)LCS-MOLR via PS domain not supported", nullptr},
    // CM SERVICE REQUEST: service 1, CKSN 4, classmark 2, IMSI; 85 priority 5, C2 CSMO.
    {"cm_service_request_priority_and_csmo", 0, "05 24 | 41 | 03 3a 03 f6 | 08 29 26 01 00 12 34 56 78 | 85 | c2",
     "<Priority_Level>\n(5)call priority level 0</Priority_Level>\n<Additional_update_parameters>\n<CSMO>\n"
     "(1)CS fallback mobile originating call</CSMO>\n<CSMT>\n(0)No additional information</CSMT>\n"
     "</Additional_update_parameters>",
     nullptr},
    // C1 alone is the additional update parameters (CSMT), not a priority.
    {"cm_service_request_c1_is_not_priority", 0, "05 24 | 41 | 03 3a 03 f6 | 08 29 26 01 00 12 34 56 78 | c1",
     "<CSMT>\n(1)CS fallback mobile terminating call</CSMT>", "Priority_Level"},
    // 0xA5 is neither element: nothing is shown for it.
    {"cm_service_request_a5_unknown", 0, "05 24 | 41 | 03 3a 03 f6 | 08 29 26 01 00 12 34 56 78 | a5",
     "</Mobile_identity>\n</CM_Service_Request>", "Priority_Level"},
    // LOCATION UPDATING REQUEST: ... IMSI, 33 classmark for UMTS, then C1 (CSMT).
    {"lu_request_additional_update", 0, "05 08 | 79 | 64 f0 00 12 34 | 33 | 08 29 64 00 10 32 54 76 98 | 33 03 33 59 a6 | c1",
     "</Mobile_station_classmark_for_UMTS>\n<Additional_update_parameters>\n<CSMO>\n(0)No additional information</CSMO>\n"
     "<CSMT>\n(1)CS fallback mobile terminating call</CSMT>",
     nullptr},
    // ACTIVATE PDP CONTEXT ACCEPT: LLC SAPI 3, QoS (3 octets), radio priority 1; 2B PDP address
    // IPv4v6 (type 0x8D): 10.0.0.1 then 2001:db8::1.
    {"pdp_address_ipv4v6_all_20_octets", 1,
     "0a 42 | 03 | 03 23 13 1f | 01 | 2b 16 01 8d 0a 00 00 01 20 01 0d b8 00 00 00 00 00 00 00 00 00 00 00 01",
     "<Address_Length>20</Address_Length>\n<Address>\n10.0.0.1.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1.</Address>",
     nullptr},
    // A real MODIFY PDP CONTEXT REQUEST: maximum downlink 0xfe (8640 kbps) with the extended
    // octet 0x64: 16 Mbps + (100 - 74) Mbps.
    {"qos_real_extended_downlink", 1, "0a 48 | 04 | 03 | 0e 1c921f 73 96 d2 fe 73 43 ff ff 00 64 00 | 34 01 01",
     "<Maximum_bit_rate_for_downlink>\n(254)42 Mbps\n</Maximum_bit_rate_for_downlink>", "8640 kbps"},
    // ROUTING AREA UPDATE REQUEST, MS radio access capability (8 octets):
    //   0001 GSM E, length 16: RF 100, A5 1 1000000, ES 1, PS 0, VGCS 0, VBS 0, multislot 0
    //   1 more; 1111, length 21: 1 0011 001 00 (GSM 1800, GMSK 1, 8PSK 0), 1 0100 010 01
    //   (GSM 1900, GMSK 2, 8PSK 1), 0; then 0 no more entries, spare.
    {"ms_rac_additional_access_technologies", 0, "08 08 | 00 | 62 f2 10 12 34 56 | 08 12 13 02 1f 2b 32 51 20",
     "(15)Additional access technologies</Access_Tech_Type>\n<Additional_access_technology>\n<Access_Tech_Type>\n"
     "(3)GSM 1800</Access_Tech_Type>\n<GMSK_Power_Class>1</GMSK_Power_Class>\n<8PSK_Power_Class>0</8PSK_Power_Class>\n"
     "</Additional_access_technology>\n<Additional_access_technology>\n<Access_Tech_Type>\n(4)GSM 1900</Access_Tech_Type>\n"
     "<GMSK_Power_Class>2</GMSK_Power_Class>\n<8PSK_Power_Class>1</8PSK_Power_Class>\n</Additional_access_technology>\n"
     "</Index>\n</MS_Radio_Access_Capability>",
     "Unknow"},
    // The list (1111, length 11: GSM 1900 2/1, 0) no longer swallows the entry after it:
    //   0001 len 9 RF 100 A5 0 ES 1; 1 1111 0001011 1 0100 010 01 0; 1 0011 len 9 RF 001 0 0 1 0 0 0; 0.
    {"ms_rac_entry_after_additional_list", 0, "08 08 | 00 | 62 f2 10 12 34 56 | 09 11 31 0f 8b a2 53 12 48 00",
     "(3)GSM 1800</Access_Tech_Type>\n<MSRACapabilityValuePart>\n<RF_Capability>1</RF_Capability>\n"
     "<ES_IND>(0)controlled early Classmark Sending option is not implemented</ES_IND><PS>(1)PS capability present</PS>",
     "Unknow"},
};
INSTANTIATE_TEST_SUITE_P(Values, DtapFragment, testing::ValuesIn(kValues), fragment_name);

// RP-ACK and RP-ERROR: the RP-User data element (IEI 0x41) holds a report TPDU, an
// SMS-SUBMIT-REPORT from the network (RP types 3, 5), an SMS-DELIVER-REPORT from the
// mobile station (2, 4); RP-ERROR has its RP-Cause (LV) first.
constexpr Fragment kRpReports[] = {
    // RP-ACK (3), reference 5; 41 09: 01 (MTI 1), PI 00, SCTS 61 10 12 21 13 45 00 (16-01-21 12:31:54).
    {"rp_ack_submit_report_timestamp", 1, "09 01 | 0d | 03 | 05 | 41 09 01 00 61 10 12 21 13 45 00",
     "<SMS_SUBMIT_REPORT>\n<TP_MTI>\n(1)1</TP_MTI>\n<TP_UDHI>\n(0)0</TP_UDHI>\n<TP_PI>0</TP_PI>\n<TP_SCTS>\n"
     "<Date_yy_mm_dd>\n16- 1-21</Date_yy_mm_dd>\n<Time__hh_mm_ss_>\n12-31-54</Time__hh_mm_ss_>\n",
     "Originator_Address_Length"},
    // RP-ERROR (4), reference 7, cause 01 16 (22); 41 07: 00 (MTI 0), FCS d0, PI 05 (PID, UDL), PID 00,
    // UDL 2, "hi" in septets (e8 34).
    {"rp_error_deliver_report_text", 0, "09 01 | 0d | 04 | 07 | 01 16 | 41 07 00 d0 05 00 02 e8 34",
     "<RP_Cause>\n<Cause_value>\n(22)Memory capacity exceeded</Cause_value>\n</RP_Cause>\n<TPDU_Length>7</TPDU_Length>\n"
     "<SMS_DELIVER_REPORT>\n<TP_MTI>\n(0)0</TP_MTI>\n<TP_UDHI>\n(0)0</TP_UDHI>\n<TP_FCS>208</TP_FCS>\n<TP_PI>5</TP_PI>\n"
     "<TP_PID>0</TP_PID>\n<TPDU_SMS>\n<TPDU_UserData_Length>2</TPDU_UserData_Length>\n<TPDU_UserData_Content>\nhi<",
     "<TP_DSC>"},
    // RP-ERROR with a diagnostic (02 2a 63: congestion, 99) and no user data.
    {"rp_error_cause_and_diagnostic", 0, "09 01 | 07 | 04 | 07 | 02 2a 63",
     "<Cause_value>\n(42)Congestion</Cause_value>\n<Diagnostic>99</Diagnostic>\n</RP_Cause>\n</CP_Data>", "TPDU"},
    // PI 07 announces PID, DCS and UDL but the TPDU (41 04) ends after the PID.
    {"rp_error_parameters_past_the_tpdu", 0, "09 01 | 0a | 04 | 07 | 01 16 | 41 04 00 d0 07 01",
     "<TP_PI>7</TP_PI>\n<TP_PID>1</TP_PID>\n</SMS_DELIVER_REPORT>", "<TP_DSC>"},
    // RP-DATA keeps its layout: originator and destination addresses, then the TPDU.
    {"rp_data_unchanged", 0, "09 01 | 0a | 00 | 05 | 00 | 04 91 21 43 f5 | 01 00",
     "<Destination_Address_Length>5</Destination_Address_Length>",
     "REPORT"},
};
INSTANTIATE_TEST_SUITE_P(RpReports, DtapFragment, testing::ValuesIn(kRpReports), fragment_name);

}  // namespace
