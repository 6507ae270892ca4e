#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "api/registry.h"
#include "sms/sms_address.h"
#include "sms/sms_records.h"
#include "sms/tpdu.h"
#include "test_util.h"

namespace {

using tharvel_test::Golden;

// Direction byte 0 is the mobile station's side: SMS-SUBMIT and its RP types.
constexpr uint8_t kFromMs = 0;
constexpr uint8_t kFromNetwork = 1;

const Golden kCpGolden[] = {
    {"cp_ack", kFromMs, "09 04", R"(<CP_ACK>
</CP_ACK>
)"},
    {"cp_error_81", kFromNetwork, "09 10 | 51", R"(<CP_Error>
<CP_Cause>
(81)Invalid Transaction Identifier value</CP_Cause>
</CP_Error>
)"},
    {"cp_error_cause_top_bit_masked", kFromMs, "09 10 | E3", R"(<CP_Error>
<CP_Cause>
(99)Information element non existent or not implemented</CP_Cause>
</CP_Error>
)"},
    {"cp_error_cause_without_text", kFromMs, "09 10 | 7F", R"(<CP_Error>
<CP_Cause>
(127)Protocol error, unspecified</CP_Cause>
</CP_Error>
)"},
    {"cp_error_22", kFromNetwork, "09 10 | 16", R"(<CP_Error>
<CP_Cause>
(22)Congestion</CP_Cause>
</CP_Error>
)"},
    {"cp_error_98", kFromMs, "09 10 | 62", R"(<CP_Error>
<CP_Cause>
(98)Message not compatible with the short message protocol state</CP_Cause>
</CP_Error>
)"},
    // No cause octet: the block still shows cause 0 with the fallback text.
    {"cp_error_without_cause", kFromMs, "09 10", R"(<CP_Error>
<CP_Cause>
(0)Protocol error, unspecified</CP_Cause>
</CP_Error>
)"},
    {"cp_data_three_octets", kFromMs, "09 01 | 05", R"(<CP_Data>
<RPDU_Length>5</RPDU_Length>
<Message_type_indicator>
(0)RP DATA</Message_type_indicator>
<Message_Reference>0</Message_Reference>
</CP_Data>
)"},
    {"rp_data_destination_only", kFromMs, "09 01 | 0C | 00 | 2A | 00 | 07 91 44 77 58 10 06 50 | 00", R"(<CP_Data>
<RPDU_Length>12</RPDU_Length>
<Message_type_indicator>
(0)RP DATA</Message_type_indicator>
<Message_Reference>42</Message_Reference>
<Destination_Address_Length>12</Destination_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
447785016005</Address_Digits>
</CP_Data>
)"},
    {"rp_type_0_from_network_is_reserved", kFromNetwork, "09 01 | 0C | 00 | 2A | 00 | 07 91 44 77 58 10 06 50 | 00",
     R"(<CP_Data>
<RPDU_Length>12</RPDU_Length>
<Message_type_indicator>
(0)Reserved</Message_type_indicator>
<Message_Reference>42</Message_Reference>
<Destination_Address_Length>12</Destination_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
447785016005</Address_Digits>
</CP_Data>
)"},
    // End mark dropped; nibbles 10 to 14 print as two digits; a type octet alone has no digits.
    {"rp_addresses_odd_hex_digits_and_empty", kFromNetwork, "09 01 | 0B | 07 | 03 | 04 A1 21 43 F5 | 01 F9 | 00",
     R"(<CP_Data>
<RPDU_Length>11</RPDU_Length>
<Message_type_indicator>
(7)Reserved</Message_type_indicator>
<Message_Reference>3</Message_Reference>
<Originator_Address_Length>5</Originator_Address_Length>
<Type_of_Number>
(2)National Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
12345</Address_Digits>
<Destination_Address_Length>0</Destination_Address_Length>
<Type_of_Number>
(7)Reserved for extension</Type_of_Number>
<Number_Plan_Identification>
(9)Reserved for extension</Number_Plan_Identification>
<Address_Digits>
</Address_Digits>
</CP_Data>
)"},
    {"rp_address_nibbles_above_nine", kFromMs, "09 01 | 06 | 06 | 04 | 03 81 BA DC", R"(<CP_Data>
<RPDU_Length>6</RPDU_Length>
<Message_type_indicator>
(6)RP SMMA</Message_type_indicator>
<Message_Reference>4</Message_Reference>
<Originator_Address_Length>4</Originator_Address_Length>
<Type_of_Number>
(0)unknown</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
10111213</Address_Digits>
</CP_Data>
)"},
    {"rp_address_overruns_message", kFromMs, "09 01 | 05 | 00 | 01 | 08 91 11", R"(<CP_Data>
<RPDU_Length>5</RPDU_Length>
<Message_type_indicator>
(0)RP DATA</Message_type_indicator>
<Message_Reference>1</Message_Reference>
</CP_Data>
)"},
    {"rp_user_data_overruns_message", kFromNetwork, "09 01 | 08 | 01 | 0D | 00 | 00 | 09 | 04 | 0B 91", R"(<CP_Data>
<RPDU_Length>8</RPDU_Length>
<Message_type_indicator>
(1)RP DATA</Message_type_indicator>
<Message_Reference>13</Message_Reference>
</CP_Data>
)"},
    // RP-ACK from the mobile station: RP-User data 41 02 carries an SMS-DELIVER-REPORT
    // (first octet 00: MTI 0, no UDHI; TP-PI 00: nothing follows).
    {"rp_ack_from_ms", kFromMs, "09 01 | 06 | 02 | 00 | 41 02 00 00", R"(<CP_Data>
<RPDU_Length>6</RPDU_Length>
<Message_type_indicator>
(2)RP ACK</Message_type_indicator>
<Message_Reference>0</Message_Reference>
<TPDU_Length>2</TPDU_Length>
<SMS_DELIVER_REPORT>
<TP_MTI>
(0)0</TP_MTI>
<TP_UDHI>
(0)0</TP_UDHI>
<TP_PI>0</TP_PI>
</SMS_DELIVER_REPORT>
</CP_Data>
)"},
};

const Golden kSubmitGolden[] = {
    {"submit_8bit_with_concat8_header", kFromMs,
     "09 01 | 20 | 00 | 05 | 00 | 04 91 21 43 F5 | 17 | F5 | 07 | 0B 91 21 43 65 87 09 F1 | 00 | 04 | A7 | 09 |"
     " 05 00 03 2A 02 01 | 48 69 21",
     R"(<CP_Data>
<RPDU_Length>32</RPDU_Length>
<Message_type_indicator>
(0)RP DATA</Message_type_indicator>
<Message_Reference>5</Message_Reference>
<Destination_Address_Length>5</Destination_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
12345</Address_Digits>
<TPDU_Length>23</TPDU_Length>
<TP_MTI>
(1)1</TP_MTI>
<TP_Reply_Path__TP_RP_>
(1)1</TP_Reply_Path__TP_RP_>
<User_Data_Header>
<Header_Length>5</Header_Length>
<Concatenation_Short_Message_Info_8Bit>
<ReferenceNumber>42</ReferenceNumber>
<Total_Number>2</Total_Number>
<Curr_Index>1</Curr_Index>
</Concatenation_Short_Message_Info_8Bit>
</User_Data_Header>
<TP_SRR>
(1)1</TP_SRR>
<TP_SCTS>
<dummy>0</dummy>
</TP_SCTS>
<TP_RD>
(1)1</TP_RD>
<TP_MR>7</TP_MR>
<Destination_Address_Length>11</Destination_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
12345678901</Address_Digits>
<TP_PID>0</TP_PID>
<TP_DSC>
<Coding_Indicator>
(0)General Coding Indicator</Coding_Indicator>
<Data_Compressed>0</Data_Compressed>
<Alphabet_Used>
(1)8bit</Alphabet_Used>
</TP_DSC>
<TPDU_SMS>
<TPDU_UserData_Length>3</TPDU_UserData_Length>
<TPDU_UserData_Content>
Hi!</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
    // The network never sends SMS-SUBMIT: only its length and TP-MTI are shown.
    {"submit_from_network_side", kFromNetwork,
     "09 01 | 20 | 00 | 05 | 00 | 04 91 21 43 F5 | 17 | F5 | 07 | 0B 91 21 43 65 87 09 F1 | 00 | 04 | A7 | 09 |"
     " 05 00 03 2A 02 01 | 48 69 21",
     R"(<CP_Data>
<RPDU_Length>32</RPDU_Length>
<Message_type_indicator>
(0)Reserved</Message_type_indicator>
<Message_Reference>5</Message_Reference>
<Destination_Address_Length>5</Destination_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
12345</Address_Digits>
<TPDU_Length>23</TPDU_Length>
<TP_MTI>
(1)1</TP_MTI>
</CP_Data>
)"},
    // Enhanced validity period (TP-VPF 1) takes seven octets; an empty TP-DA still renders.
    {"submit_7bit_enhanced_validity_period", kFromMs,
     "09 01 | 17 | 00 | 01 | 00 | 00 | 12 | 09 | 00 | 00 81 | 00 | 00 | 00 00 00 00 00 00 00 | 04 | D4 F2 9C 0E",
     R"(<CP_Data>
<RPDU_Length>23</RPDU_Length>
<Message_type_indicator>
(0)RP DATA</Message_type_indicator>
<Message_Reference>1</Message_Reference>
<TPDU_Length>18</TPDU_Length>
<TP_MTI>
(1)1</TP_MTI>
<TP_Reply_Path__TP_RP_>
(0)0</TP_Reply_Path__TP_RP_>
<TP_SRR>
(0)0</TP_SRR>
<TP_SCTS>
<dummy>0</dummy>
</TP_SCTS>
<TP_RD>
(0)0</TP_RD>
<TP_MR>0</TP_MR>
<Destination_Address_Length>0</Destination_Address_Length>
<Type_of_Number>
(0)unknown</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
</Address_Digits>
<TP_PID>0</TP_PID>
<TP_DSC>
<Coding_Indicator>
(0)General Coding Indicator</Coding_Indicator>
<Data_Compressed>0</Data_Compressed>
<Alphabet_Used>
(0)Default Alphabet(7bit)</Alphabet_Used>
</TP_DSC>
<TPDU_SMS>
<TPDU_UserData_Length>4</TPDU_UserData_Length>
<TPDU_UserData_Content>
Test</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
    // Absolute validity period (TP-VPF 3) takes seven octets; DCS 0x17: class 3, 8-bit.
    {"submit_absolute_validity_period_class_3", kFromMs,
     "09 01 | 17 | 00 | 02 | 00 | 02 91 21 | 10 | 19 | 00 | 00 81 | 00 | 17 | 11 22 33 44 55 66 77 | 02 | 4F 4B",
     R"(<CP_Data>
<RPDU_Length>23</RPDU_Length>
<Message_type_indicator>
(0)RP DATA</Message_type_indicator>
<Message_Reference>2</Message_Reference>
<Destination_Address_Length>2</Destination_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
12</Address_Digits>
<TPDU_Length>16</TPDU_Length>
<TP_MTI>
(1)1</TP_MTI>
<TP_Reply_Path__TP_RP_>
(0)0</TP_Reply_Path__TP_RP_>
<TP_SRR>
(0)0</TP_SRR>
<TP_SCTS>
<dummy>0</dummy>
</TP_SCTS>
<TP_RD>
(0)0</TP_RD>
<TP_MR>0</TP_MR>
<Destination_Address_Length>0</Destination_Address_Length>
<Type_of_Number>
(0)unknown</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
</Address_Digits>
<TP_PID>0</TP_PID>
<TP_DSC>
<Coding_Indicator>
(0)General Coding Indicator</Coding_Indicator>
<Data_Compressed>0</Data_Compressed>
<Class>
(3)Class 3</Class>
<Alphabet_Used>
(1)8bit</Alphabet_Used>
</TP_DSC>
<TPDU_SMS>
<TPDU_UserData_Length>2</TPDU_UserData_Length>
<TPDU_UserData_Content>
OK</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
    // A STATUS-REPORT type seen from the mobile station's side: nothing past TP-MTI.
    {"status_report_type_from_ms_side", kFromMs, "09 01 | 07 | 00 | 03 | 00 | 00 | 02 | 02 05", R"(<CP_Data>
<RPDU_Length>7</RPDU_Length>
<Message_type_indicator>
(0)RP DATA</Message_type_indicator>
<Message_Reference>3</Message_Reference>
<TPDU_Length>2</TPDU_Length>
<TP_MTI>
(2)2</TP_MTI>
</CP_Data>
)"},
};

const Golden kDeliverGolden[] = {
    // DCS 0x6C: coding group 1 (no coding indicator), compressed, reserved alphabet: no text.
    {"deliver_compressed_reserved_alphabet", kFromNetwork,
     "09 01 | 14 | 01 | 0F | 00 | 00 | 0F | 00 | 00 80 | 00 | 6C | 00 00 00 00 00 00 00 | 02 | 41 42",
     R"(<CP_Data>
<RPDU_Length>20</RPDU_Length>
<Message_type_indicator>
(1)RP DATA</Message_type_indicator>
<Message_Reference>15</Message_Reference>
<TPDU_Length>15</TPDU_Length>
<TP_MTI>
(0)0</TP_MTI>
<TP_MMS>
(0)0</TP_MMS>
<TP_SRI>
(0)0</TP_SRI>
<TP_Reply_Path__TP_RP_>
(0)0</TP_Reply_Path__TP_RP_>
<Originator_Address_Length>0</Originator_Address_Length>
<Type_of_Number>
(0)unknown</Type_of_Number>
<Number_Plan_Identification>
(0)unknown</Number_Plan_Identification>
<Address_Digits>
</Address_Digits>
<TP_PID>0</TP_PID>
<TP_DSC>
<Data_Compressed>1</Data_Compressed>
<Alphabet_Used>
(3)Reserved</Alphabet_Used>
</TP_DSC>
<TP_SCTS>
<Date_yy_mm_dd>
 0- 0- 0</Date_yy_mm_dd>
<Time__hh_mm_ss_>
 0- 0- 0</Time__hh_mm_ss_>
<Time_Zone>0</Time_Zone>
</TP_SCTS>
<TPDU_SMS>
<TPDU_UserData_Length>0</TPDU_UserData_Length>
<TPDU_UserData_Content>
</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
    // Header of six octets: one fill bit, then "Hello" from septet 7 on.
    {"deliver_7bit_concat8_fill_bits", kFromNetwork,
     "09 01 | 2A | 01 | 07 | 07 91 44 77 58 10 06 50 | 00 | 1E | 44 | 0B 91 21 43 65 87 09 F1 | 00 | 00 |"
     " 12 21 60 01 25 43 00 | 0C | 05 00 03 2A 02 01 | 90 65 36 FB 0D",
     R"(<CP_Data>
<RPDU_Length>42</RPDU_Length>
<Message_type_indicator>
(1)RP DATA</Message_type_indicator>
<Message_Reference>7</Message_Reference>
<Originator_Address_Length>12</Originator_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
447785016005</Address_Digits>
<TPDU_Length>30</TPDU_Length>
<TP_MTI>
(0)0</TP_MTI>
<TP_MMS>
(1)1</TP_MMS>
<TP_SRI>
(0)0</TP_SRI>
<TP_Reply_Path__TP_RP_>
(0)0</TP_Reply_Path__TP_RP_>
<Originator_Address_Length>11</Originator_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
12345678901</Address_Digits>
<TP_PID>0</TP_PID>
<TP_DSC>
<Coding_Indicator>
(0)General Coding Indicator</Coding_Indicator>
<Data_Compressed>0</Data_Compressed>
<Alphabet_Used>
(0)Default Alphabet(7bit)</Alphabet_Used>
</TP_DSC>
<TP_SCTS>
<Date_yy_mm_dd>
21-12- 6</Date_yy_mm_dd>
<Time__hh_mm_ss_>
10-52-34</Time__hh_mm_ss_>
<Time_Zone>0</Time_Zone>
</TP_SCTS>
<User_Data_Header>
<Header_Length>5</Header_Length>
<Concatenation_Short_Message_Info_8Bit>
<ReferenceNumber>42</ReferenceNumber>
<Total_Number>2</Total_Number>
<Curr_Index>1</Curr_Index>
</Concatenation_Short_Message_Info_8Bit>
</User_Data_Header>
<TPDU_SMS>
<TPDU_UserData_Length>5</TPDU_UserData_Length>
<TPDU_UserData_Content>
Hello</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
    {"deliver_7bit_without_header", kFromNetwork,
     "09 01 | 23 | 01 | 01 | 07 91 33 86 09 40 00 F0 | 00 | 17 | 04 | 0B 91 33 06 00 00 00 F0 | 00 | 00 |"
     " 71 01 91 11 72 75 80 | 04 | D4 F2 9C 0E",
     R"(<CP_Data>
<RPDU_Length>35</RPDU_Length>
<Message_type_indicator>
(1)RP DATA</Message_type_indicator>
<Message_Reference>1</Message_Reference>
<Originator_Address_Length>11</Originator_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
33689004000</Address_Digits>
<TPDU_Length>23</TPDU_Length>
<TP_MTI>
(0)0</TP_MTI>
<TP_MMS>
(1)1</TP_MMS>
<TP_SRI>
(0)0</TP_SRI>
<TP_Reply_Path__TP_RP_>
(0)0</TP_Reply_Path__TP_RP_>
<Originator_Address_Length>11</Originator_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
33600000000</Address_Digits>
<TP_PID>0</TP_PID>
<TP_DSC>
<Coding_Indicator>
(0)General Coding Indicator</Coding_Indicator>
<Data_Compressed>0</Data_Compressed>
<Alphabet_Used>
(0)Default Alphabet(7bit)</Alphabet_Used>
</TP_DSC>
<TP_SCTS>
<Date_yy_mm_dd>
17-10-19</Date_yy_mm_dd>
<Time__hh_mm_ss_>
11-27-57</Time__hh_mm_ss_>
<Time_Zone>8</Time_Zone>
</TP_SCTS>
<TPDU_SMS>
<TPDU_UserData_Length>4</TPDU_UserData_Length>
<TPDU_UserData_Content>
Test</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
    // Port and 16-bit concatenation elements around an unknown one; blank and 0x80 print as "_".
    {"deliver_8bit_ports_concat16_unknown_element", kFromNetwork,
     "09 01 | 28 | 01 | 08 | 00 | 00 | 23 | E0 | 04 81 21 43 | 7F | 16 | 99 20 21 50 75 03 21 | 14 | 0F |"
     " 05 04 0B 84 23 F0 | 70 01 FF | 08 04 12 34 03 02 | 41 20 7E 80",
     R"(<CP_Data>
<RPDU_Length>40</RPDU_Length>
<Message_type_indicator>
(1)RP DATA</Message_type_indicator>
<Message_Reference>8</Message_Reference>
<TPDU_Length>35</TPDU_Length>
<TP_MTI>
(0)0</TP_MTI>
<TP_MMS>
(0)0</TP_MMS>
<TP_SRI>
(1)1</TP_SRI>
<TP_Reply_Path__TP_RP_>
(1)1</TP_Reply_Path__TP_RP_>
<Originator_Address_Length>4</Originator_Address_Length>
<Type_of_Number>
(0)unknown</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
1234</Address_Digits>
<TP_PID>127</TP_PID>
<TP_DSC>
<Coding_Indicator>
(0)General Coding Indicator</Coding_Indicator>
<Data_Compressed>0</Data_Compressed>
<Class>
(2)Class 2</Class>
<Alphabet_Used>
(1)8bit</Alphabet_Used>
</TP_DSC>
<TP_SCTS>
<Date_yy_mm_dd>
99- 2-12</Date_yy_mm_dd>
<Time__hh_mm_ss_>
 5-57-30</Time__hh_mm_ss_>
<Time_Zone>18</Time_Zone>
</TP_SCTS>
<User_Data_Header>
<Header_Length>15</Header_Length>
<Application_Port_16Bit>
<DestinationPort>2948</DestinationPort>
<OriginatorPort>9200</OriginatorPort>
</Application_Port_16Bit>
<Concatenation_Short_Message_Info_16Bit>
<ReferenceNumber>4660</ReferenceNumber>
<Total_Number>3</Total_Number>
<Curr_Index>2</Curr_Index>
</Concatenation_Short_Message_Info_16Bit>
</User_Data_Header>
<TPDU_SMS>
<TPDU_UserData_Length>4</TPDU_UserData_Length>
<TPDU_UserData_Content>
A_~_</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
    // "AB", then e-acute (2 bytes), a surrogate pair (4) and an unpaired low surrogate (3, U+FFFD).
    {"deliver_ucs2_with_surrogates", kFromNetwork,
     "09 01 | 1E | 01 | 09 | 00 | 00 | 19 | 00 | 00 80 | 00 | 08 | 00 00 00 00 00 00 00 | 0C |"
     " 00 41 00 42 00 E9 D8 3D DE 00 DC 00",
     R"(<CP_Data>
<RPDU_Length>30</RPDU_Length>
<Message_type_indicator>
(1)RP DATA</Message_type_indicator>
<Message_Reference>9</Message_Reference>
<TPDU_Length>25</TPDU_Length>
<TP_MTI>
(0)0</TP_MTI>
<TP_MMS>
(0)0</TP_MMS>
<TP_SRI>
(0)0</TP_SRI>
<TP_Reply_Path__TP_RP_>
(0)0</TP_Reply_Path__TP_RP_>
<Originator_Address_Length>0</Originator_Address_Length>
<Type_of_Number>
(0)unknown</Type_of_Number>
<Number_Plan_Identification>
(0)unknown</Number_Plan_Identification>
<Address_Digits>
</Address_Digits>
<TP_PID>0</TP_PID>
<TP_DSC>
<Coding_Indicator>
(0)General Coding Indicator</Coding_Indicator>
<Data_Compressed>0</Data_Compressed>
<Alphabet_Used>
(2)UCS2(16bit)</Alphabet_Used>
</TP_DSC>
<TP_SCTS>
<Date_yy_mm_dd>
 0- 0- 0</Date_yy_mm_dd>
<Time__hh_mm_ss_>
 0- 0- 0</Time__hh_mm_ss_>
<Time_Zone>0</Time_Zone>
</TP_SCTS>
<TPDU_SMS>
<TPDU_UserData_Length>11</TPDU_UserData_Length>
<TPDU_UserData_Content>
AB_________</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
    // DCS 0xF0: class 0 with the default alphabet. '@' (septet 0) is a character, not the end.
    {"deliver_dcs_f0_at_sign_and_blank", kFromNetwork,
     "09 01 | 15 | 01 | 0A | 00 | 00 | 10 | 00 | 00 80 | 00 | F0 | 00 00 00 00 00 00 00 | 03 | 00 50 10",
     R"(<CP_Data>
<RPDU_Length>21</RPDU_Length>
<Message_type_indicator>
(1)RP DATA</Message_type_indicator>
<Message_Reference>10</Message_Reference>
<TPDU_Length>16</TPDU_Length>
<TP_MTI>
(0)0</TP_MTI>
<TP_MMS>
(0)0</TP_MMS>
<TP_SRI>
(0)0</TP_SRI>
<TP_Reply_Path__TP_RP_>
(0)0</TP_Reply_Path__TP_RP_>
<Originator_Address_Length>0</Originator_Address_Length>
<Type_of_Number>
(0)unknown</Type_of_Number>
<Number_Plan_Identification>
(0)unknown</Number_Plan_Identification>
<Address_Digits>
</Address_Digits>
<TP_PID>0</TP_PID>
<TP_DSC>
<Data_Compressed>0</Data_Compressed>
<Class>
(0)Class 0</Class>
<Alphabet_Used>
(0)Default Alphabet(7bit)</Alphabet_Used>
</TP_DSC>
<TP_SCTS>
<Date_yy_mm_dd>
 0- 0- 0</Date_yy_mm_dd>
<Time__hh_mm_ss_>
 0- 0- 0</Time__hh_mm_ss_>
<Time_Zone>0</Time_Zone>
</TP_SCTS>
<TPDU_SMS>
<TPDU_UserData_Length>3</TPDU_UserData_Length>
<TPDU_UserData_Content>
__A</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
    // The TPDU stops after the TP-OA type octet: its digits and everything later read as 0.
    {"deliver_truncated_tpdu", kFromNetwork, "09 01 | 08 | 01 | 0D | 00 | 00 | 03 | 04 | 0B 91", R"(<CP_Data>
<RPDU_Length>8</RPDU_Length>
<Message_type_indicator>
(1)RP DATA</Message_type_indicator>
<Message_Reference>13</Message_Reference>
<TPDU_Length>3</TPDU_Length>
<TP_MTI>
(0)0</TP_MTI>
<TP_MMS>
(1)1</TP_MMS>
<TP_SRI>
(0)0</TP_SRI>
<TP_Reply_Path__TP_RP_>
(0)0</TP_Reply_Path__TP_RP_>
<Originator_Address_Length>11</Originator_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
00000000000</Address_Digits>
<TP_PID>0</TP_PID>
<TP_DSC>
<Coding_Indicator>
(0)General Coding Indicator</Coding_Indicator>
<Data_Compressed>0</Data_Compressed>
<Alphabet_Used>
(0)Default Alphabet(7bit)</Alphabet_Used>
</TP_DSC>
<TP_SCTS>
<Date_yy_mm_dd>
 0- 0- 0</Date_yy_mm_dd>
<Time__hh_mm_ss_>
 0- 0- 0</Time__hh_mm_ss_>
<Time_Zone>0</Time_Zone>
</TP_SCTS>
<TPDU_SMS>
<TPDU_UserData_Length>0</TPDU_UserData_Length>
<TPDU_UserData_Content>
</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
    // A DELIVER seen from the mobile station's side: nothing past TP-MTI.
    {"deliver_from_ms_side", kFromMs, "09 01 | 08 | 01 | 0D | 00 | 00 | 03 | 04 | 0B 91", R"(<CP_Data>
<RPDU_Length>8</RPDU_Length>
<Message_type_indicator>
(1)Reserved</Message_type_indicator>
<Message_Reference>13</Message_Reference>
<TPDU_Length>3</TPDU_Length>
<TP_MTI>
(0)0</TP_MTI>
</CP_Data>
)"},
    {"tp_mti_3_leaves_cp_data_open", kFromNetwork, "09 01 | 06 | 01 | 0B | 00 | 00 | 02 | 03 00", R"(<CP_Data>
<RPDU_Length>6</RPDU_Length>
<Message_type_indicator>
(1)RP DATA</Message_type_indicator>
<Message_Reference>11</Message_Reference>
<TPDU_Length>2</TPDU_Length>
<TP_MTI>
(3)3</TP_MTI>
)"},
};

const Golden kStatusReportGolden[] = {
    {"status_report_with_pid_dcs_and_text", kFromNetwork,
     "09 01 | 24 | 01 | 0C | 00 | 00 | 1F | 06 | 33 | 0B 91 21 43 65 87 09 F1 | 12 21 60 01 25 43 00 |"
     " 00 00 00 00 00 00 00 | 00 | 07 | 00 | 00 | 02 | C8 34",
     R"(<CP_Data>
<RPDU_Length>36</RPDU_Length>
<Message_type_indicator>
(1)RP DATA</Message_type_indicator>
<Message_Reference>12</Message_Reference>
<TPDU_Length>31</TPDU_Length>
<TP_MTI>
(2)2</TP_MTI>
<TP_MMS>
(1)1</TP_MMS>
<TP_MR>51</TP_MR>
<Destination_Address_Length>11</Destination_Address_Length>
<Type_of_Number>
(1)International Number</Type_of_Number>
<Number_Plan_Identification>
(1)ISND/telephone numbering plan (E.164/E.163)</Number_Plan_Identification>
<Address_Digits>
12345678901</Address_Digits>
<TP_SCTS>
<Date_yy_mm_dd>
21-12- 6</Date_yy_mm_dd>
<Time__hh_mm_ss_>
10-52-34</Time__hh_mm_ss_>
<Time_Zone>0</Time_Zone>
</TP_SCTS>
<TP_PID>0</TP_PID>
<TP_DSC>
<Coding_Indicator>
(0)General Coding Indicator</Coding_Indicator>
<Data_Compressed>0</Data_Compressed>
<Alphabet_Used>
(0)Default Alphabet(7bit)</Alphabet_Used>
</TP_DSC>
<TPDU_SMS>
<TPDU_UserData_Length>2</TPDU_UserData_Length>
<TPDU_UserData_Content>
Hi</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
    // Exactly TP-DT and TP-ST after the time stamp: no parameter indicator, no text.
    {"status_report_without_parameter_indicator", kFromNetwork,
     "09 01 | 18 | 01 | 0E | 00 | 00 | 13 | 02 | 34 | 00 80 | 00 00 00 00 00 00 00 | 00 00 00 00 00 00 00 | 00",
     R"(<CP_Data>
<RPDU_Length>24</RPDU_Length>
<Message_type_indicator>
(1)RP DATA</Message_type_indicator>
<Message_Reference>14</Message_Reference>
<TPDU_Length>19</TPDU_Length>
<TP_MTI>
(2)2</TP_MTI>
<TP_MMS>
(0)0</TP_MMS>
<TP_MR>52</TP_MR>
<Destination_Address_Length>0</Destination_Address_Length>
<Type_of_Number>
(0)unknown</Type_of_Number>
<Number_Plan_Identification>
(0)unknown</Number_Plan_Identification>
<Address_Digits>
</Address_Digits>
<TP_SCTS>
<Date_yy_mm_dd>
 0- 0- 0</Date_yy_mm_dd>
<Time__hh_mm_ss_>
 0- 0- 0</Time__hh_mm_ss_>
<Time_Zone>0</Time_Zone>
</TP_SCTS>
<TP_PID>0</TP_PID>
<TP_DSC>
<Coding_Indicator>
(0)General Coding Indicator</Coding_Indicator>
<Data_Compressed>0</Data_Compressed>
<Alphabet_Used>
(0)Default Alphabet(7bit)</Alphabet_Used>
</TP_DSC>
<TPDU_SMS>
<TPDU_UserData_Length>0</TPDU_UserData_Length>
<TPDU_UserData_Content>
</TPDU_UserData_Content>
</TPDU_SMS>
</CP_Data>
)"},
};

class SmsGolden : public testing::TestWithParam<Golden> {};

TEST_P(SmsGolden, DecodesToDocument) {
  const Golden& g = GetParam();
  tharvel_test::Decoded d = tharvel_test::decode_hex(g.direction, g.hex);
  EXPECT_EQ(d.result, 1);
  EXPECT_TRUE(tharvel_test::closed(d.text));
  EXPECT_EQ(tharvel_test::body_of(d.text), g.document);
}

TEST_P(SmsGolden, SurvivesEveryTruncation) {
  const Golden& g = GetParam();
  tharvel_test::decode_every_prefix(g.direction, tharvel_test::octets(g.hex));
  tharvel_test::decode_every_prefix(g.direction ^ 1, tharvel_test::octets(g.hex));
}

INSTANTIATE_TEST_SUITE_P(Cp, SmsGolden, testing::ValuesIn(kCpGolden), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Submit, SmsGolden, testing::ValuesIn(kSubmitGolden), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Deliver, SmsGolden, testing::ValuesIn(kDeliverGolden), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(StatusReport, SmsGolden, testing::ValuesIn(kStatusReportGolden), tharvel_test::golden_name);

TEST(SmsCorpus, EveryMessageClosesBothWays) {
  std::vector<tharvel_test::CorpusMessage> messages = tharvel_test::corpus_of_pd(l3::kPdSms);
  ASSERT_FALSE(messages.empty());
  for (const tharvel_test::CorpusMessage& m : messages) {
    for (uint8_t dir : {m.direction, static_cast<uint8_t>(m.direction ^ 1)}) {
      tharvel_test::Decoded d = tharvel_test::decode_octets(dir, m.octets);
      EXPECT_EQ(d.result, 1) << m.line;
      EXPECT_TRUE(tharvel_test::closed(d.text)) << m.line;
      tharvel_test::decode_every_prefix(dir, m.octets);
    }
  }
}

// The fields the CP-DATA value extraction reads.
TEST(SmsRecord, ExtractionFieldsOfAConcatenatedDeliver) {
  std::vector<uint8_t> msg = tharvel_test::octets(
      "09 01 | 2A | 01 | 07 | 07 91 44 77 58 10 06 50 | 00 | 1E | 44 | 0B 91 21 43 65 87 09 F1 | 00 | 00 |"
      " 12 21 60 01 25 43 00 | 0C | 05 00 03 2A 02 01 | 90 65 36 FB 0D");
  l3::ParsedMessage p(msg.data(), static_cast<uint16_t>(msg.size()), kFromNetwork);
  ASSERT_NE(p.as<l3::CpDataRecord>(), nullptr);
  EXPECT_EQ(p.as<l3::CpErrorRecord>(), nullptr);
  const l3::TpduRecord& t = p.as<l3::CpDataRecord>()->tpdu;
  EXPECT_EQ(t.present, 1);
  EXPECT_EQ(t.header_length, 5);
  EXPECT_EQ(t.concat8.present, 1);
  EXPECT_EQ(t.concat8.value.reference, 42);
  EXPECT_EQ(t.concat8.value.total, 2);
  EXPECT_EQ(t.concat8.value.index, 1);
  EXPECT_EQ(t.concat16.present, 0);
  ASSERT_EQ(t.char_count, 5);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(t.text + 1), t.char_count), "Hello");
  EXPECT_EQ(t.text[6], 0);
}

l3::TpduRecord decode(const std::vector<uint8_t>& octets, uint8_t dir) {
  l3::TpduRecord t{};
  l3::decode_tpdu(t, l3::bits_of(octets.data(), static_cast<uint32_t>(octets.size())), dir);
  return t;
}

TEST(SmsCapacity, LongestDefaultAlphabetTextFillsTheRecord) {
  // SMS-DELIVER, TP-UDL 255 septets in 224 octets of 0xFF: every septet is 0x7F.
  std::vector<uint8_t> tpdu = tharvel_test::octets("00 | 00 80 | 00 | 00 | 00 00 00 00 00 00 00 | FF");
  tpdu.insert(tpdu.end(), 224, 0xFF);
  tpdu.insert(tpdu.begin(), static_cast<uint8_t>(tpdu.size()));
  l3::TpduRecord t = decode(tpdu, kFromNetwork);
  ASSERT_EQ(t.char_count, 255);
  for (int i = 1; i <= 255; ++i) ASSERT_EQ(t.text[i], 0x7F) << i;
  EXPECT_EQ(t.text[256], 0);
}

TEST(SmsCapacity, AddressesAreCutAt39Digits) {
  // TP-OA of 255 digits in a TPDU that holds only part of them.
  std::vector<uint8_t> tpdu = tharvel_test::octets("00 | FF 91");
  tpdu.insert(tpdu.end(), 30, 0x21);
  tpdu.insert(tpdu.begin(), static_cast<uint8_t>(tpdu.size()));
  l3::TpduRecord t = decode(tpdu, kFromNetwork);
  ASSERT_EQ(t.oa.digit_count, 39);
  for (int i = 1; i <= 39; ++i) ASSERT_EQ(t.oa.digits[i], i % 2 == 1 ? 1 : 2) << i;

  std::vector<uint8_t> rp = tharvel_test::octets("1E 91");
  rp.insert(rp.end(), 29, 0x43);
  l3::RpAddress a{};
  l3::decode_rp_address(a, l3::bits_of(rp.data(), static_cast<uint32_t>(rp.size())));
  ASSERT_EQ(a.digit_count, 39);
  EXPECT_EQ(a.digits[1], 3);
  EXPECT_EQ(a.digits[39], 3);
}

struct Ucs2Case {
  const char* name;
  std::vector<uint8_t> octets;
  std::string text;
};

std::vector<uint8_t> repeat_units(std::vector<uint8_t> unit, int n) {
  std::vector<uint8_t> out;
  for (int i = 0; i < n; ++i) out.insert(out.end(), unit.begin(), unit.end());
  return out;
}

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(SmsUcs2, ConvertsToUtf8WithinTheLimit) {
  const Ucs2Case cases[] = {
      {"ascii", {0x00, 0x41, 0x00, 0x42}, "AB"},
      {"odd_octet_ignored", {0x00, 0x41, 0x00}, "A"},
      {"two_and_three_bytes", {0x00, 0xE9, 0x20, 0xAC}, "\xC3\xA9\xE2\x82\xAC"},
      {"pair", {0xD8, 0x3D, 0xDE, 0x00}, "\xF0\x9F\x98\x80"},
      {"high_then_letter",
       {0xD8, 0x3D, 0x00, 0x41},
       "\xEF\xBF\xBD"
       "A"},
      {"high_at_end", {0x00, 0x41, 0xDB, 0xFF}, "A\xEF\xBF\xBD"},
      {"low_alone", {0xDC, 0x00}, "\xEF\xBF\xBD"},
      {"nul_counts", {0x00, 0x00, 0x00, 0x41}, std::string("\0A", 2)},
      // 80 two-byte characters fill the 160 bytes exactly; the 81st is left out.
      {"two_byte_limit", repeat_units({0x00, 0xE9}, 100), repeat("\xC3\xA9", 80)},
      // 53 euro signs take 159 bytes; the 54th would be cut in half, so it is left out.
      {"no_half_character", repeat_units({0x20, 0xAC}, 60), repeat("\xE2\x82\xAC", 53)},
      {"pair_on_the_limit", repeat_units({0xD8, 0x3D, 0xDE, 0x00}, 50), repeat("\xF0\x9F\x98\x80", 40)},
  };
  for (const Ucs2Case& c : cases) {
    uint8_t text[l3::TpduRecord::kUcs2TextBytes + 1];
    std::fill(std::begin(text), std::end(text), 0xAA);
    uint16_t n = l3::ucs2_to_text(c.octets.data(), text, static_cast<uint32_t>(c.octets.size()));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(text), n), c.text) << c.name;
    EXPECT_EQ(text[n], 0) << c.name;
  }
}

}  // namespace
