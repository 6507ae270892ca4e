#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_util.h"

namespace tharvel_test {
namespace {

// Blocks that several documents share, written out once.
#define TMSI_21436587                     \
  "<Mobile_Identity><Type_of_identity>\n" \
  "(4)TMSI/P-TMSI</Type_of_identity>\n"   \
  "<odd_even_indication>\n"               \
  "(0)even</odd_even_indication>\n"       \
  "<Identity_Digits>\n"                   \
  "0x21436587</Identity_Digits>\n"        \
  "</Mobile_Identity>"

#define LAI_460_0_4660               \
  "<Location_area_identification>\n" \
  "<MCC>460</MCC>\n"                 \
  "<MNC>0</MNC>\n"                   \
  "<LAC>4660</LAC>\n"                \
  "</Location_area_identification>\n"

#define CLASSMARK1_33                                            \
  "<MobileStationClassmark1>\n"                                  \
  "<Revision_level>\n"                                           \
  "(1)Used by GSM phase 2 mobile stations</Revision_level>\n"    \
  "<ESIND>\n"                                                    \
  "(1)Controlled Early Classmark Sending implemented </ESIND>\n" \
  "<A5_1>\n"                                                     \
  "(0)available</A5_1>\n"                                        \
  "<RF_Power_Capability>3</RF_Power_Capability>\n"               \
  "</MobileStationClassmark1>\n"

// Classmark 2 value 33 59 a6; the LCS VA and UCS2 blocks only for a
// direction byte 01xxxxxx.
#define CLASSMARK2_HEAD                                                               \
  "<Mobile_Station_Classmark_2>\n"                                                    \
  "<Revision_level>\n"                                                                \
  "(1)Used by GSM phase 2 mobile stations</Revision_level>\n"                         \
  "<ESIND>\n"                                                                         \
  "(1)Controlled Early Classmark Sending implemented</ESIND>\n"                       \
  "<A5_1>\n"                                                                          \
  "(0)available</A5_1>\n"                                                             \
  "<RF_Power_Capability>3</RF_Power_Capability>\n"                                    \
  "<PS_capability>\n"                                                                 \
  "(1)present</PS_capability>\n"                                                      \
  "<SS_Screening_Indicator>1</SS_Screening_Indicator>\n"                              \
  "<SM_capability>\n"                                                                 \
  "(1)Mobile station supports mobile terminated point to point SMS</SM_capability>\n" \
  "<VBS_notification_reception>\n"                                                    \
  "(0)no VBS capability or no notifications wanted</VBS_notification_reception>\n"    \
  "<VGCS_notification_reception>\n"                                                   \
  "(0)no VGCS capability or no notifications wanted</VGCS_notification_reception>\n"  \
  "<FC_Frequency_Capability_reception>1</FC_Frequency_Capability_reception>\n"        \
  "<CM3>\n"                                                                           \
  "(1)The MS supports options that are indicated in classmark 3 IE</CM3>\n"
#define CLASSMARK2_EXTENSION                                                                    \
  "<LCS_VA_capability>\n"                                                                       \
  "(1)LCS value added location request notification capability supported</LCS_VA_capability>\n" \
  "<UCS2_treatment__reception>\n"                                                               \
  "(0)the ME has a preference for the default alphabet over UCS2.</UCS2_treatment__reception>\n"
#define CLASSMARK2_TAIL                                                                            \
  "<SoLSA>\n"                                                                                      \
  "(0)The ME does not support SoLSA</SoLSA>\n"                                                     \
  "<CMSP>\n"                                                                                       \
  "(1)Network initiated MO CM connection request supported for at least one CM protocol.</CMSP>\n" \
  "<A5_3>\n"                                                                                       \
  "(1)encryption algorithm A5/3 available</A5_3>\n"                                                \
  "<A5_2>\n"                                                                                       \
  "(0)encryption algorithm A5/2 not available</A5_2>\n"                                            \
  "</Mobile_Station_Classmark_2>\n"

// A reject cause or a raw octet, or nothing at all.
const Golden kCauseAndBareGolden[] = {
    {"lu_reject_cause_2", 0, "05 04 | 02", R"(<Location_Updating_Reject>
<Reject_cause>
<Reject_cause>
(2)IMSI unknown in HLR</Reject_cause>
</Reject_cause>
</Location_Updating_Reject>
)"},
    {"lu_reject_without_cause", 0, "05 04", R"(<Location_Updating_Reject>
<Reject_cause>
<Reject_cause>
(0)</Reject_cause>
</Location_Updating_Reject>
)"},
    {"cm_service_reject_cause_7_has_no_text", 0, "05 22 | 07", R"(<CM_Service_Reject>
<Reject_cause>
<Reject_cause>
(7)</Reject_cause>
</CM_Service_Reject>
)"},
    {"mm_status_cause_range_end", 1, "05 31 | 3f", R"(<MM_Status>
<Reject_cause>
<Reject_cause>
(63)retry upon entry into a new cell</Reject_cause>
</Reject_cause>
</MM_Status>
)"},
    {"mm_abort_cause_with_trailing_blank", 0, "05 29 | 64", R"(<MM_Abort>
<Reject_cause>
<Reject_cause>
(100)Conditional IE error </Reject_cause>
</Reject_cause>
</MM_Abort>
)"},
    {"cm_service_abort", 1, "05 23 | 00", "<CM_Service_Abort>\n</CM_Service_Abort>\n"},
    {"authentication_reject", 0, "05 11", "<Authentication_Reject>\n</Authentication_Reject>\n"},
    {"tmsi_reallocation_complete_send_sequence_bits", 1, "05 5b",
     "<TMSI_Reallocation_Complete>\n</TMSI_Reallocation_Complete>\n"},
    {"cm_service_accept", 0, "05 21", "<CM_Service_Accept>\n</CM_Service_Accept>\n"},
    {"mm_null_send_sequence_bits", 1, "05 b0", "<MM_Null>\n</MM_Null>\n"},
    {"identity_request_imsi", 0, "05 18 | 01", R"(<Identity_Request>
<Identity_Type>
(1)IMSI</Identity_Type>
</Identity_Request>
)"},
    {"identity_request_type_5_reserved", 0, "05 18 | f5", R"(<Identity_Request>
<Identity_Type>
(5)reserved</Identity_Type>
</Identity_Request>
)"},
    {"identity_request_type_0_reserved", 0, "05 58 | 00", R"(<Identity_Request>
<Identity_Type>
(0)reserved</Identity_Type>
</Identity_Request>
)"},
    {"cm_service_prompt_mm_sapi_3", 0, "05 25 | 35", R"(<CM_Service_Prompt>
<PD_and_SAPI>
<PD>
(5)MM</PD>
<SAPI>
(3)SAPI 3</SAPI>
</PD_and_SAPI>
</CM_Service_Prompt>
)"},
    {"cm_service_prompt_reserved_values", 0, "05 25 | 2f", R"(<CM_Service_Prompt>
<PD_and_SAPI>
<PD>
(15)Reserced</PD>
<SAPI>
(2)Reserced</SAPI>
</PD_and_SAPI>
</CM_Service_Prompt>
)"},
};

// Messages built around a mobile identity.
const Golden kIdentityGolden[] = {
    {"identity_response_imsi", 1, "05 19 | 08 29 64 00 10 32 54 76 98", R"(<Identity_Response>
<Mobile_Identity>
<Mobile_Identity><Type_of_identity>
(1)IMSI</Type_of_identity>
<odd_even_indication>
(1)odd</odd_even_indication>
<Identity_Digits>
0x246000123456789</Identity_Digits>
</Mobile_Identity></Mobile_Identity>
</Identity_Response>
)"},
    {"identity_response_truncated_lv", 1, "05 19 | 08 29 64 00", R"(<Identity_Response>
<Mobile_Identity>
<Mobile_Identity><Type_of_identity>
(0)No Identity</Type_of_identity>
<odd_even_indication>
(0)even</odd_even_indication>
<Identity_Digits>
</Identity_Digits>
</Mobile_Identity></Mobile_Identity>
</Identity_Response>
)"},
    {"identity_response_type_5_stops_element", 1, "05 19 | 03 f5 12 34", R"(<Identity_Response>
<Mobile_Identity>
<Mobile_Identity><Type_of_identity>
(5)</Mobile_Identity>
</Identity_Response>
)"},
    {"imsi_detach_tmsi", 1, "05 01 | 33 | 05 f4 12 34 56 78",
     "<IMSI_Detach_Indication>\n<Mobile_Station_Classmark>\n" CLASSMARK1_33
     "</Mobile_Station_Classmark>\n<Mobile_Identity>\n" TMSI_21436587
     "</Mobile_Identity>\n</IMSI_Detach_Indication>\n"},
    {"tmsi_reallocation_command", 0, "05 1a | 64 f0 00 12 34 | 05 f4 12 34 56 78",
     "<TMSI_Reallocation_Command>\n<Location_area_identification>\n" LAI_460_0_4660
     "</Location_area_identification>\n<Mobile_Identity>\n" TMSI_21436587
     "</Mobile_Identity>\n</TMSI_Reallocation_Command>\n"},
    {"lu_accept_all_optional", 0, "05 02 | 64 f0 00 12 34 | 17 05 f4 12 34 56 78 | a1 | a2 | 4a 06 62 f2 20 62 f2 10",
     "<Location_Updating_Accept>\n<Location_area_identification>\n" LAI_460_0_4660
     "</Location_area_identification>\n<Mobile_Identity>\n" TMSI_21436587 R"(</Mobile_Identity>
<Follow_on_proceed>
no detail</Follow_on_proceed>
<CTS_permission>
no detail</CTS_permission>
<Equivalent_PLMNs>
<PLMNList>
<PLMN>
<MCC>262</MCC>
<MNC>2</MNC>
</PLMN>
<PLMN>
<MCC>262</MCC>
<MNC>1</MNC>
</PLMN>
</PLMNList>
</Equivalent_PLMNs>
</Location_Updating_Accept>
)"},
    {"lu_accept_unknown_iei_stops_walk", 0, "05 02 | 64 f0 00 12 34 | a1 | 4a 03 62 f2 20 | ff | 17 05 f4 12 34 56 78",
     "<Location_Updating_Accept>\n<Location_area_identification>\n" LAI_460_0_4660
     R"(</Location_area_identification>
<Follow_on_proceed>
no detail</Follow_on_proceed>
<Equivalent_PLMNs>
<PLMNList>
<PLMN>
<MCC>262</MCC>
<MNC>2</MNC>
</PLMN>
</PLMNList>
</Equivalent_PLMNs>
</Location_Updating_Accept>
)"},
    {"lu_accept_truncated_tlv_not_taken", 0, "05 02 | 64 f0 00 12 34 | a2 | 17 05 f4 12 34 56",
     "<Location_Updating_Accept>\n<Location_area_identification>\n" LAI_460_0_4660
     R"(</Location_area_identification>
<CTS_permission>
no detail</CTS_permission>
</Location_Updating_Accept>
)"},
    // A repeated mobile identity: the first is kept, the second stepped over.
    {"lu_accept_repeated_identity_first_wins", 0,
     "05 02 | 64 f0 00 12 34 | 17 05 f4 12 34 56 78 | 17 05 f4 87 65 43 21",
     "<Location_Updating_Accept>\n<Location_area_identification>\n" LAI_460_0_4660
     "</Location_area_identification>\n<Mobile_Identity>\n" TMSI_21436587
     "</Mobile_Identity>\n</Location_Updating_Accept>\n"},
    {"lu_request_periodic_with_classmark_for_umts", 0x40,
     "05 08 | 79 | 64 f0 00 12 34 | 33 | 08 29 64 00 10 32 54 76 98 | 33 03 33 59 a6",
     R"(<Location_updating_Request>
<Location_updating_type>
<LUT>
(1)Periodic updating</LUT>
<FOR>
(1)Follow-on request pending</FOR>
</Location_updating_type>
<ciphering_key_sequence_number>
(7)Reserved</ciphering_key_sequence_number>
)" LAI_460_0_4660 "<Mobile_station_classmark>\n" CLASSMARK1_33 R"(</Mobile_station_classmark>
<Mobile_identity>
<Mobile_Identity><Type_of_identity>
(1)IMSI</Type_of_identity>
<odd_even_indication>
(1)odd</odd_even_indication>
<Identity_Digits>
0x246000123456789</Identity_Digits>
</Mobile_Identity></Mobile_identity>
<Mobile_station_classmark_for_UMTS>
)" CLASSMARK2_HEAD CLASSMARK2_EXTENSION CLASSMARK2_TAIL R"(</Mobile_station_classmark_for_UMTS>
</Location_updating_Request>
)"},
    {"lu_request_other_iei_after_identity", 0, "05 08 | 70 | 64 f0 00 12 34 | 33 | 05 f4 12 34 56 78 | 13 03 33 59 a6",
     R"(<Location_updating_Request>
<Location_updating_type>
<LUT>
(0)Normal location updating</LUT>
<FOR>
(0)No follow-on request pending</FOR>
</Location_updating_type>
<ciphering_key_sequence_number>
(7)No key is available</ciphering_key_sequence_number>
)" LAI_460_0_4660 "<Mobile_station_classmark>\n" CLASSMARK1_33
     "</Mobile_station_classmark>\n<Mobile_identity>\n" TMSI_21436587
     "</Mobile_identity>\n</Location_updating_Request>\n"},
    // Priority level: IEI 0x8-, level 5 in the low three bits.
    {"cm_service_request_with_priority", 1, "05 24 | 71 | 03 33 59 a6 | 05 f4 12 34 56 78 | 85",
     R"(<CM_Service_Request>
<CM_service_type>
(1)Mobile originating call establishment or packet mode connection establishment</CM_service_type>
<ciphering_key_sequence_number>
(7)Reserved</ciphering_key_sequence_number>
<Mobile_station_classmark>
)" CLASSMARK2_HEAD CLASSMARK2_TAIL "</Mobile_station_classmark>\n<Mobile_identity>\n" TMSI_21436587
     R"(</Mobile_identity>
<Priority_Level>
(5)call priority level 0</Priority_Level>
</CM_Service_Request>
)"},
    {"cm_service_request_type_3_no_priority", 0, "05 64 | 03 | 03 33 59 a6 | 05 f4 12 34 56 78 | 25",
     R"(<CM_Service_Request>
<CM_service_type>
(3)reserved</CM_service_type>
<ciphering_key_sequence_number>
(0)0</ciphering_key_sequence_number>
<Mobile_station_classmark>
)" CLASSMARK2_HEAD CLASSMARK2_TAIL "</Mobile_station_classmark>\n<Mobile_identity>\n" TMSI_21436587
     "</Mobile_identity>\n</CM_Service_Request>\n"},
    {"notification_response", 0x40, "05 26 | 03 33 59 a6 | 05 f4 12 34 56 78 | 00 00 00 35 a0",
     "<Notification_Response>\n" CLASSMARK2_HEAD CLASSMARK2_EXTENSION CLASSMARK2_TAIL TMSI_21436587 R"(<Call_Reference>
<Binary_Code_for_Call_Reference>0x1</Binary_Code_for_Call_Reference>
<Service_Flag>
(1)VGCS</Service_Flag>
<Acknowledgement_Flag>
(0)Not Required</Acknowledgement_Flag>
<Call_Priority>
(5)Call Prierity Level 0</Call_Priority>
<Ciphering_Information>
(10)Ciphering with Cipher key Number A</Ciphering_Information>
</Call_Reference>
</Notification_Response>
)"},
    {"cm_reestablishment_with_lai", 1, "05 28 | 02 | 03 33 59 a6 | 05 f4 12 34 56 78 | 13 64 f0 00 12 34",
     R"(<CM_Re_Establishment_Request>
<ciphering_key_sequence_number>
(2)2</ciphering_key_sequence_number>
<Mobile_station_classmark>
)" CLASSMARK2_HEAD CLASSMARK2_TAIL "</Mobile_station_classmark>\n<Mobile_Identity>\n" TMSI_21436587
     "</Mobile_Identity>\n<Location_area_identification>\n" LAI_460_0_4660
     "</Location_area_identification>\n</CM_Re_Establishment_Request>\n"},
    {"cm_reestablishment_lai_one_octet_short", 1, "05 28 | 02 | 03 33 59 a6 | 05 f4 12 34 56 78 | 13 64 f0 00 12",
     R"(<CM_Re_Establishment_Request>
<ciphering_key_sequence_number>
(2)2</ciphering_key_sequence_number>
<Mobile_station_classmark>
)" CLASSMARK2_HEAD CLASSMARK2_TAIL "</Mobile_station_classmark>\n<Mobile_Identity>\n" TMSI_21436587
     "</Mobile_Identity>\n</CM_Re_Establishment_Request>\n"},
};

// Authentication: octet strings at fixed positions.
const Golden kAuthenticationGolden[] = {
    {"authentication_request_autn_cut_to_16", 0,
     "05 12 | f1 | 00 11 22 33 44 55 66 77 88 99 aa bb cc dd ee ff | 20 11 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e "
     "0f "
     "10 11",
     R"(<Authentication_Request>
<ciphering_key_sequence_number>
(1)1</ciphering_key_sequence_number>
<Authentication_parameter_RAND>
<RAND>0x0</RAND>
<RAND>0x11</RAND>
<RAND>0x22</RAND>
<RAND>0x33</RAND>
<RAND>0x44</RAND>
<RAND>0x55</RAND>
<RAND>0x66</RAND>
<RAND>0x77</RAND>
<RAND>0x88</RAND>
<RAND>0x99</RAND>
<RAND>0xaa</RAND>
<RAND>0xbb</RAND>
<RAND>0xcc</RAND>
<RAND>0xdd</RAND>
<RAND>0xee</RAND>
<RAND>0xff</RAND>
</Authentication_parameter_RAND>
<Authentication_AUTN_parameter>
<submsg>
<AuthenticationAUTN>0x1</AuthenticationAUTN>
<AuthenticationAUTN>0x2</AuthenticationAUTN>
<AuthenticationAUTN>0x3</AuthenticationAUTN>
<AuthenticationAUTN>0x4</AuthenticationAUTN>
<AuthenticationAUTN>0x5</AuthenticationAUTN>
<AuthenticationAUTN>0x6</AuthenticationAUTN>
<AuthenticationAUTN>0x7</AuthenticationAUTN>
<AuthenticationAUTN>0x8</AuthenticationAUTN>
<AuthenticationAUTN>0x9</AuthenticationAUTN>
<AuthenticationAUTN>0xa</AuthenticationAUTN>
<AuthenticationAUTN>0xb</AuthenticationAUTN>
<AuthenticationAUTN>0xc</AuthenticationAUTN>
<AuthenticationAUTN>0xd</AuthenticationAUTN>
<AuthenticationAUTN>0xe</AuthenticationAUTN>
<AuthenticationAUTN>0xf</AuthenticationAUTN>
<AuthenticationAUTN>0x10</AuthenticationAUTN>
</submsg>
</Authentication_AUTN_parameter>
</Authentication_Request>
)"},
    {"authentication_request_18_octets_has_no_rand", 1, "05 12 | 07 | 00 11 22 33 44 55 66 77 88 99 aa bb cc dd ee",
     R"(<Authentication_Request>
<ciphering_key_sequence_number>
(7)Reserved</ciphering_key_sequence_number>
<Authentication_parameter_RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
</Authentication_parameter_RAND>
</Authentication_Request>
)"},
    {"authentication_request_other_iei_after_rand", 0,
     "05 12 | 02 | 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 | 21 02 01 02",
     R"(<Authentication_Request>
<ciphering_key_sequence_number>
(2)2</ciphering_key_sequence_number>
<Authentication_parameter_RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x0</RAND>
<RAND>0x1</RAND>
</Authentication_parameter_RAND>
</Authentication_Request>
)"},
    {"authentication_response_with_extension", 1, "05 14 | 11 22 33 44 | 21 02 ab 0c", R"(<Authentication_Response>
<Authentication_Response_SRES>0x11223344</Authentication_Response_SRES>
<Authentication_Response_Extension>0xab c</Authentication_Response_Extension>
</Authentication_Response>
)"},
    {"authentication_response_extension_cut_to_13", 1,
     "05 14 | 11 22 33 44 | 21 0e 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e", R"(<Authentication_Response>
<Authentication_Response_SRES>0x11223344</Authentication_Response_SRES>
<Authentication_Response_Extension>0x 1 2 3 4 5 6 7 8 9 a b c d</Authentication_Response_Extension>
</Authentication_Response>
)"},
    {"authentication_response_short_sres", 1, "05 14 | 11 22 33", R"(<Authentication_Response>
<Authentication_Response_SRES>0x 0 0 0 0</Authentication_Response_SRES>
</Authentication_Response>
)"},
    {"authentication_failure_synch_with_auts", 1, "05 1c | 15 | 22 0e a0 a1 a2 a3 a4 a5 a6 a7 a8 a9 aa ab ac ad",
     R"(<Authentication_Failure>
<Reject_cause>
<Reject_cause>
(21)Synch failure</Reject_cause>
</Reject_cause>
<Authentication_Failure__Parameter>0xa0a1a2a3a4a5a6a7a8a9aaabacad</Authentication_Failure__Parameter>
</Authentication_Failure>
)"},
    {"authentication_failure_parameter_cut_to_15", 1,
     "05 1c | 15 | 22 10 a0 a1 a2 a3 a4 a5 a6 a7 a8 a9 aa ab ac ad ae af", R"(<Authentication_Failure>
<Reject_cause>
<Reject_cause>
(21)Synch failure</Reject_cause>
</Reject_cause>
<Authentication_Failure__Parameter>0xa0a1a2a3a4a5a6a7a8a9aaabacadae</Authentication_Failure__Parameter>
</Authentication_Failure>
)"},
    {"authentication_failure_parameter_truncated", 1, "05 1c | 14 | 22 03 a0 a1", R"(<Authentication_Failure>
<Reject_cause>
<Reject_cause>
(20)MAC failure</Reject_cause>
</Reject_cause>
</Authentication_Failure>
)"},
};

// MM information: a free walk over optional elements only.
const Golden kInformationGolden[] = {
    {"mm_information_every_element", 0,
     "05 32 | 43 03 91 41 42 | 45 02 80 41 | 46 80 | 47 01 20 30 21 43 05 00 | 48 02 01 02 | 49 01 01",
     R"(<MM_Information>
<Full_name_for_network>
<coding_scheme>
(1)UCS2</coding_scheme>
<AddCI>
(0)The MS should not add the letters for the Country's Initials to the text string</AddCI>
<Number_of_spare_bits_in_last_octet>
(1)bit 8 is spare and set to 0 in the last octet</Number_of_spare_bits_in_last_octet>
<Text_String>0x4142</Text_String>
</Full_name_for_network>
<Short_name_for_network>
<coding_scheme>
(0)Cell Broadcast data coding scheme, GSM default alphabet, language unspecified</coding_scheme>
<AddCI>
(0)The MS should not add the letters for the Country's Initials to the text string</AddCI>
<Number_of_spare_bits_in_last_octet>
(0)this field carries no information about the number of spare bits in the last octet </subdetail>
</Number_of_spare_bits_in_last_octet>
<Text_String>0x41</Text_String>
</Short_name_for_network>
<Local_time_zone>0x80</Local_time_zone>
<Local_time_zone>
<Year>
10</Year>
<Month>
 2</Month>
<Day>
 3</Day>
<Hour>
12</Hour>
<Minute>
34</Minute>
<Second>
50</Second>
<Time_zone>
0x0</Time_zone>
</Local_time_zone>
<LSA_Identity>0x 1 2</LSA_Identity>
<Network_Daylight_Saving_Time>
(1)+1 hour adjustment for Daylight Saving Time</Network_Daylight_Saving_Time>
</MM_Information>
)"},
    {"mm_information_short_name_coding_2_ends_message", 0, "05 32 | 43 02 a8 41 | 45 02 a0 41 | 46 00",
     R"(<MM_Information>
<Full_name_for_network>
<coding_scheme>
(2)Reserved</coding_scheme>
<AddCI>
(1)The MS should add the letters for the Country's Initials and a separator to the text string</AddCI>
<Number_of_spare_bits_in_last_octet>
(0)this field carries no information about the number of spare bits in the last octet</Number_of_spare_bits_in_last_octet>
<Text_String>0x41</Text_String>
</Full_name_for_network>
<Short_name_for_network>
<coding_scheme>
(2))"},
    {"mm_information_empty_full_name_then_iei_44_stops", 0, "05 32 | 43 00 | 44 01 00 | 46 00", R"(<MM_Information>
<Full_name_for_network>
<coding_scheme>
(0)Cell Broadcast data coding scheme, GSM default alphabet, language unspecified</coding_scheme>
<AddCI>
(0)The MS should not add the letters for the Country's Initials to the text string</AddCI>
<Number_of_spare_bits_in_last_octet>
(0)this field carries no information about the number of spare bits in the last octet</Number_of_spare_bits_in_last_octet>
<Text_String>0x</Text_String>
</Full_name_for_network>
</MM_Information>
)"},
    {"mm_information_daylight_saving_3_ends_message", 0, "05 32 | 47 01 20 30 21 43 05 00 | 49 01 03",
     R"(<MM_Information>
<Local_time_zone>
<Year>
10</Year>
<Month>
 2</Month>
<Day>
 3</Day>
<Hour>
12</Hour>
<Minute>
34</Minute>
<Second>
50</Second>
<Time_zone>
0x0</Time_zone>
</Local_time_zone>
<Network_Daylight_Saving_Time>
(3))"},
    {"mm_information_empty_daylight_saving_not_shown", 0, "05 32 | 49 00", "<MM_Information>\n</MM_Information>\n"},
    {"mm_information_lsa_cut_to_3_walk_goes_on", 0, "05 32 | 48 04 01 02 03 04 | 46 21", R"(<MM_Information>
<Local_time_zone>0x21</Local_time_zone>
<LSA_Identity>0x 1 2 3</LSA_Identity>
</MM_Information>
)"},
    {"mm_information_truncated_universal_time", 0, "05 32 | 46 21 | 47 01 20 30 21 43 05", R"(<MM_Information>
<Local_time_zone>0x21</Local_time_zone>
</MM_Information>
)"},
};

class MmGolden : public testing::TestWithParam<Golden> {};

TEST_P(MmGolden, DecodesToDocument) {
  const Golden& g = GetParam();
  Decoded d = decode_hex(g.direction, g.hex);
  EXPECT_EQ(d.result, 1);
  EXPECT_EQ(body_of(d.text), g.document);
}

TEST_P(MmGolden, SurvivesEveryTruncation) { decode_every_prefix(GetParam().direction, octets(GetParam().hex)); }

INSTANTIATE_TEST_SUITE_P(CauseAndBare, MmGolden, testing::ValuesIn(kCauseAndBareGolden), golden_name);
INSTANTIATE_TEST_SUITE_P(Identity, MmGolden, testing::ValuesIn(kIdentityGolden), golden_name);
INSTANTIATE_TEST_SUITE_P(Authentication, MmGolden, testing::ValuesIn(kAuthenticationGolden), golden_name);
INSTANTIATE_TEST_SUITE_P(Information, MmGolden, testing::ValuesIn(kInformationGolden), golden_name);

TEST(MmDocument, ClosesAfterAnEarlyStop) {
  Decoded d = decode_hex(0, "05 32 | 49 01 03");
  EXPECT_EQ(d.result, 1);
  EXPECT_TRUE(closed(d.text));
}

TEST(MmInformation, NameTooLongForItsPartDumpsNoText) {
  // 65 value octets: the text does not fit the part, and the walk still moves
  // past the whole element to the next one.
  std::vector<uint8_t> msg = {0x05, 0x32, 0x43, 65, 0x80};
  msg.insert(msg.end(), 64, 0x41);
  msg.insert(msg.end(), {0x46, 0x21});
  Decoded d = decode_octets(0, msg);
  EXPECT_NE(body_of(d.text).find("<Text_String>0x</Text_String>\n</Full_name_for_network>\n"
                                 "<Local_time_zone>0x21</Local_time_zone>\n</MM_Information>\n"),
            std::string::npos);
  // 64 value octets: all 63 text octets are shown.
  std::vector<uint8_t> fits = {0x05, 0x32, 0x43, 64, 0x80};
  fits.insert(fits.end(), 63, 0x41);
  std::string expected = "<Text_String>0x";
  for (int i = 0; i < 63; ++i) expected += "41";
  expected += "</Text_String>\n";
  EXPECT_NE(body_of(decode_octets(0, fits).text).find(expected), std::string::npos);
}

TEST(MmCorpus, EveryMessageGivesAClosedDocument) {
  std::vector<CorpusMessage> messages = corpus_of_pd(5);
  EXPECT_GE(messages.size(), 100u);
  for (const CorpusMessage& m : messages) {
    Decoded d = decode_octets(m.direction, m.octets);
    EXPECT_EQ(d.result, 1) << m.line;
    EXPECT_TRUE(closed(d.text)) << m.line;
  }
}

TEST(MmCorpus, EveryPrefixIsSafe) {
  for (const CorpusMessage& m : corpus_of_pd(5)) decode_every_prefix(m.direction, m.octets);
}

}  // namespace
}  // namespace tharvel_test
