#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "api/registry.h"
#include "gmm/gmm_records.h"
#include "test_util.h"

namespace l3 {
namespace {

using tharvel_test::body_of;
using tharvel_test::decode_hex;

using tharvel_test::Golden;

// Recurring blocks, written out once: a P-TMSI of octets 12 34 56 78, the
// routing area 62 f2 10 12 34 56, the network capability 01 e5 and the
// two-entry radio access capability 08 13 33 42 2b 29 89 28 00.
#define TMSI_21436587                                                                               \
  "<Mobile_Identity><Type_of_identity>\n(4)TMSI/P-TMSI</Type_of_identity>\n<odd_even_indication>\n" \
  "(0)even</odd_even_indication>\n<Identity_Digits>\n0x21436587</Identity_Digits>\n</Mobile_Identity>"
#define RAI_262_1                                                                                 \
  "<Routing_area_identification><MCC>262</MCC>\n<MNC>1</MNC>\n<LAC>4660</LAC>\n<RAC>86</RAC>\n</" \
  "Routing_area_identification>"
#define NET_CAP_E5                                                                                            \
  "<MS_Network_Capability><GPRS_Encryption_Algorithm_GEA1>\n"                                                 \
  "(1)encryption algorithm GEA/1 available</GPRS_Encryption_Algorithm_GEA1>\n"                                \
  "<SM_capabilities_via_dedicated_channels>\n"                                                                \
  "(1)Mobile station supports mobile terminated point to point SMS via dedicated signalling "                 \
  "channels</SM_capabilities_via_dedicated_channels>\n"                                                       \
  "<SM_capabilities_via_GPRS_channels>\n"                                                                     \
  "(1)Mobile station supports mobile terminated point to point SMS via GPRS packet data "                     \
  "channels</SM_capabilities_via_GPRS_channels>\n"                                                            \
  "<UCS2_support>\n"                                                                                          \
  "(0)the ME has a preference for the default alphabet over UCS2</UCS2_support>\n"                            \
  "<SoLSA_Capability>\n"                                                                                      \
  "(0)The ME does not support SoLSA</SoLSA_Capability>\n"                                                     \
  "<Revision_level_indicator>\n"                                                                              \
  "(1)used by a mobile station supporting R99 or later versions of the protocol</Revision_level_indicator>\n" \
  "<PFC_Feature_mode>\n"                                                                                      \
  "(0)Mobile station does not support BSS packet flow procedures</PFC_Feature_mode>\n"                        \
  "<GEA2>\n"                                                                                                  \
  "(0)encryption algorithm GEA/2 not available</GEA2>\n"                                                      \
  "<GEA3>\n"                                                                                                  \
  "(0)encryption algorithm GEA/3 not available</GEA3>\n"                                                      \
  "<GEA4>\n"                                                                                                  \
  "(0)encryption algorithm GEA/4 not available</GEA4>\n"                                                      \
  "<GEA5>\n"                                                                                                  \
  "(0)encryption algorithm GEA/5 not available</GEA5>\n"                                                      \
  "<GEA6>\n"                                                                                                  \
  "(0)encryption algorithm GEA/6 not available</GEA6>\n"                                                      \
  "<GEA7>\n"                                                                                                  \
  "(0)encryption algorithm GEA/7 not available</GEA7>\n"                                                      \
  "<SS_Screening_Indicator>\n"                                                                                \
  "(1)1  see defined in 3GPP TS 24.080</SS_Screening_Indicator>\n"                                            \
  "<LCS_VA_capability>\n"                                                                                     \
  "(0)LCS value added location request notification capability not supported</LCS_VA_capability>\n"           \
  "</MS_Network_Capability>"
#define RADIO_CAP_TWO_ENTRIES                                                                                      \
  "<MS_Radio_Access_Capability><Index><Access_Tech_Type>\n"                                                        \
  "(1)GSM E</Access_Tech_Type>\n"                                                                                  \
  "<MSRACapabilityValuePart>\n"                                                                                    \
  "<RF_Capability>4</RF_Capability>\n"                                                                             \
  "<A5_bits>\n"                                                                                                    \
  "<A5_1>(1)Encryption algolithm A5/1 available</A5_1><A5_2>(0)Encryption algolithm A5/2 not "                     \
  "available</A5_2><A5_3>(1)Encryption algolithm A5/3 available</A5_3><A5_4>(0)Encryption algolithm A5/4 not "     \
  "available</A5_4><A5_5>(0)Encryption algolithm A5/5 not available</A5_5><A5_6>(0)Encryption algolithm A5/6 not " \
  "available</A5_6><A5_7>(0)Encryption algolithm A5/7 not available</A5_7></A5_bits>\n"                            \
  "<ES_IND>(1)controlled early Classmark Sending option is implemented</ES_IND><PS>(0)PS capability not "          \
  "present</PS><VGCS>(0)no VGCS capability or no notifications wanted</VGCS><VBS>(0)no VBS capability or no "      \
  "notifications wanted</VBS><Multislot_capability><GPRS_Multi_Slot_Class>12</GPRS_Multi_Slot_Class>\n"            \
  "<Ext_Dynamic_Alloc_Capability>1</Ext_Dynamic_Alloc_Capability>\n"                                               \
  "</Multislot_capability></MSRACapabilityValuePart>\n"                                                            \
  "</Index>\n"                                                                                                     \
  "<Index><Access_Tech_Type>\n"                                                                                    \
  "(3)GSM 1800</Access_Tech_Type>\n"                                                                               \
  "<MSRACapabilityValuePart>\n"                                                                                    \
  "<RF_Capability>1</RF_Capability>\n"                                                                             \
  "<ES_IND>(1)controlled early Classmark Sending option is implemented</ES_IND><PS>(0)PS capability not "          \
  "present</PS><VGCS>(0)no VGCS capability or no notifications wanted</VGCS><VBS>(0)no VBS capability or no "      \
  "notifications wanted</VBS></MSRACapabilityValuePart>\n"                                                         \
  "</Index>\n"                                                                                                     \
  "</MS_Radio_Access_Capability>"
#define PDP_STATUS5_AND15                          \
  "<PDP_Context_Status><NSAPI5>\n"                 \
  "(1)PDP context is not PDP-INACTIVE</NSAPI5>\n"  \
  "<NSAPI6>\n"                                     \
  "(0)PDP context is PDP-INACTIVE</NSAPI6>\n"      \
  "<NSAPI7>\n"                                     \
  "(0)PDP context is PDP-INACTIVE</NSAPI7>\n"      \
  "<NSAPI8>\n"                                     \
  "(0)PDP context is PDP-INACTIVE</NSAPI8>\n"      \
  "<NSAPI9>\n"                                     \
  "(0)PDP context is PDP-INACTIVE</NSAPI9>\n"      \
  "<NSAPI10>\n"                                    \
  "(0)PDP context is PDP-INACTIVE</NSAPI10>\n"     \
  "<NSAPI11>\n"                                    \
  "(0)PDP context is PDP-INACTIVE</NSAPI11>\n"     \
  "<NSAPI12>\n"                                    \
  "(0)PDP context is PDP-INACTIVE</NSAPI12>\n"     \
  "<NSAPI13>\n"                                    \
  "(0)PDP context is PDP-INACTIVE</NSAPI13>\n"     \
  "<NSAPI14>\n"                                    \
  "(0)PDP context is PDP-INACTIVE</NSAPI14>\n"     \
  "<NSAPI15>\n"                                    \
  "(1)PDP context is not PDP-INACTIVE</NSAPI15>\n" \
  "</PDP_Context_Status>"

// Messages of a cause, a value or the tags alone.
const Golden kGmmShortGolden[] = {
    {"attach_complete_ignores_trailing_octets", 1, "08 03 | ff 00", "<Attach_Complete>\n</Attach_Complete>\n"},
    {"ptmsi_reallocation_complete", 1, "08 11", "<P_TMSI_Reallocation_Complete>\n</P_TMSI_Reallocation_Complete>\n"},
    {"auth_ciphering_reject", 0, "08 14", "<Authentication_Ciphering_Reject>\n</Authentication_Ciphering_Reject>\n"},
    {"status_cause_in_retry_range", 1, "08 20 | 35",
     "<GMM_Status>\n<Cause>(53)retry upon entry into a new cell</Cause></GMM_Status>\n"},
    {"service_reject_cause_without_text", 0, "08 0e | 00",
     "<Service_Reject>\n<Cause>(0)Protocol error, unspecified</Cause></Service_Reject>\n"},
    {"service_reject_missing_cause", 0, "08 0e",
     "<Service_Reject>\n<Cause>(0)Protocol error, unspecified</Cause></Service_Reject>\n"},
    {"attach_reject_with_t3302", 0, "08 04 | 07 | 2a 01 63", R"(<Attach_Reject>
<Cause>(7)GPRS services not allowed</Cause><T3302_Value>
<Unit>
(3)value is incremented in multiples of 1 minute</Unit>
<Timer_value>3</Timer_value>
</T3302_Value>
</Attach_Reject>
)"},
    {"attach_reject_other_iei_at_octet_3", 0, "08 04 | 07 | 2b 01 63",
     "<Attach_Reject>\n<Cause>(7)GPRS services not allowed</Cause></Attach_Reject>\n"},
    // A repeated T3302: the first is kept, the second stepped over.
    {"rau_reject_repeated_t3302_first_wins", 0, "08 0b | 0a | 01 | 2a 01 21 | 2a 01 e0", R"(<Routing_Area_Update_Reject>
<Cause>(10)Implicitly detached</Cause><Force_To_Standby>(1)Force to standby indicated</Force_To_Standby><T3302_Value>
<Unit>
(1)value is incremented in multiples of 1 minute</Unit>
<Timer_value>1</Timer_value>
</T3302_Value>
</Routing_Area_Update_Reject>
)"},
    {"identity_request_type_without_text", 0, "08 15 | 14", R"(<Identity_Request>
<Identity_type>
(4)IMSI</Identity_type>
<Force_To_Standby>(1)Force to standby indicated</Force_To_Standby></Identity_Request>
)"},
    {"identity_response_tmsi", 1, "08 16 | 05 f4 12 34 56 78",
     "<Identity_Response>\n" TMSI_21436587 "</Identity_Response>\n"},
    {"detach_accept_uplink_keeps_force_to_standby", 1, "08 06 | 01",
     "<Detach_Accept>\n<Force_To_Standby>(1)Force to standby indicated</Force_To_Standby></Detach_Accept>\n"},
    {"detach_accept_downlink_drops_it", 0, "08 06 | 01", "<Detach_Accept>\n</Detach_Accept>\n"},
    {"rau_complete_npdu_list", 1, "08 0a | 26 02 51 20", R"(<Routing_Area_Update_Complete>
<List of Receive N_PDU Numbers>
</List of Receive N_PDU Numbers>
</Routing_Area_Update_Complete>
)"},
};

// Detach request: detach type first, then one walk over cause, P-TMSI and signature.
const Golden kGmmDetachGolden[] = {
    {"detach_type_without_text_stops", 0, "08 05 | 02 | 25 0a", "<Detach_Request>\n<Detach_type>\n(2)"},
    {"downlink_cause", 0, "08 05 | 91 | 25 0a", R"(<Detach_Request>
<Detach_type>
(1)GPRS only attached</Detach_type>
<Cause>(10)Implicitly detached</Cause></Detach_Request>
)"},
    {"uplink_ptmsi_then_signature", 1, "08 05 | 93 | 18 05 f4 12 34 56 78 | 19 03 aa bb cc",
     "<Detach_Request>\n<Detach_type>\n(3)Combined GPRS/IMSI attached</Detach_type>\n"
     "<Force_To_Standby>(1)Force to standby indicated</Force_To_Standby><P_TMSI>\n" TMSI_21436587
     "</P_TMSI>\n<P_TMSI_signature_2>204</P_TMSI_signature_2>\n</Detach_Request>\n"},
    {"ptmsi_longer_than_message", 1, "08 05 | 01 | 18 05 f4 12 34 56",
     "<Detach_Request>\n<Detach_type>\n(1)GPRS only attached</Detach_type>\n"
     "<Force_To_Standby>(0)Force to standby not indicated</Force_To_Standby></Detach_Request>\n"},
};

const Golden kGmmAttachGolden[] = {
    {"attach_request_two_radio_access_entries", 1,
     "08 01 | 01 e5 | 23 | 0a 0c | 05 f4 12 34 56 78 | 62 f2 10 12 34 56 | 08 13 33 42 2b 29 89 28 00 |"
     " 19 00 01 ff | 17 e0 | 91 | 33 01 15",
     "<Attach_Request>\n" NET_CAP_E5 R"(<Attach_Type>
(3)Combined GPRS/IMSI attach</Attach_Type>
<ciphering_key_sequence_number>
(2)2</ciphering_key_sequence_number>
<DRX_Parameter><SPLIT_PG_CYCLE_CODE>10</SPLIT_PG_CYCLE_CODE>
<SPLIT_on_CCCH>
(1)Split pg cycle on CCCH is supported by the mobile station</SPLIT_on_CCCH>
<non_DRX_timer>
(4)max.  8 sec non-DRX mode after transfer state</non_DRX_timer>
</DRX_Parameter><P_TMSI_or_IMSI>
)" TMSI_21436587 "</P_TMSI_or_IMSI>\n<Old>\n" RAI_262_1 "</Old>\n" RADIO_CAP_TWO_ENTRIES R"(<Old_P_TMSI_signature>
<P_TMSI_signature>255</P_TMSI_signature>
</Old_P_TMSI_signature>
<Requested_READY_timervalue>
<GPRS_Timer><Unit>
(7)value indicates that the timer is deactivated</Unit>
<Timer_value>0</Timer_value>
</GPRS_Timer></Requested_READY_timervalue>
<TMSI_status>(1)valid TMSI available</TMSI_status><PS_LCS_Capability><OTD_A>
(1)MS assisted E-OTD supported</OTD_A>
<OTD_B>
(0)MS based E-OTD not supported</OTD_B>
<GPS_A>
(1)MS assisted GPS supported</GPS_A>
<GPS_B>
(0)MS based GPS not supported</GPS_B>
<GPS_C>
(1)Conventional GPS supported</GPS_C>
</PS_LCS_Capability></Attach_Request>
)"},
    // The radio access capability's length octet runs past the message: it and the rest read as absent.
    {"attach_request_truncated_radio_access_lv", 1,
     "08 01 | 01 e5 | 01 | 0a 0c | 05 f4 12 34 56 78 | 62 f2 10 12 34 56 | 08 13 33",
     "<Attach_Request>\n" NET_CAP_E5 R"(<Attach_Type>
(1)GPRS attach</Attach_Type>
<ciphering_key_sequence_number>
(0)0</ciphering_key_sequence_number>
<DRX_Parameter><SPLIT_PG_CYCLE_CODE>10</SPLIT_PG_CYCLE_CODE>
<SPLIT_on_CCCH>
(1)Split pg cycle on CCCH is supported by the mobile station</SPLIT_on_CCCH>
<non_DRX_timer>
(4)max.  8 sec non-DRX mode after transfer state</non_DRX_timer>
</DRX_Parameter><P_TMSI_or_IMSI>
)" TMSI_21436587 "</P_TMSI_or_IMSI>\n<Old>\n" RAI_262_1
     "</Old>\n<MS_Radio_Access_Capability></MS_Radio_Access_Capability></Attach_Request>\n"},
    {"attach_accept_every_optional_element", 0,
     "08 02 | 13 | e0 | 21 | 62 f2 10 12 34 56 | 19 aa bb cc | 17 49 | 18 05 f4 12 34 56 78 | 25 35 | 2a 01 21 | 8c |"
     " 4a 06 62 f2 10 13 00 62 | b9 | ff",
     R"(<Attach_Accept>
<Attach_Result>(3)Combined GPRS/IMSI attached</Attach_Result><Force_To_Standby>(1)Force to standby indicated</Force_To_Standby><Periodic_RA_update_timer>
<GPRS_Timer><Unit>
(7)value indicates that the timer is deactivated</Unit>
<Timer_value>0</Timer_value>
</GPRS_Timer></Periodic_RA_update_timer>
<Radio_priority_for_SMS>
<Radio_Priority>(1)priority level 2</Radio_Priority></Radio_priority_for_SMS>
<Radio_priority_for_TOM8>
<Radio_Priority_2>(2)priority level 3</Radio_Priority_2></Radio_priority_for_TOM8>
)" RAI_262_1 R"(<P_TMSI_signature>204</P_TMSI_signature>
<Negotiated_READY_timervalue>
<GPRS_Timer><Unit>
(2)value is incremented in multiples of decihours</Unit>
<Timer_value>9</Timer_value>
</GPRS_Timer></Negotiated_READY_timervalue>
<Allocated_P_TMSI>
)" TMSI_21436587 R"(</Allocated_P_TMSI>
<Cause>(53)retry upon entry into a new cell</Cause><T3302_Value>
<Unit>
(1)value is incremented in multiples of 1 minute</Unit>
<Timer_value>1</Timer_value>
</T3302_Value>
<Cell_Notification>
no detail</Cell_Notification>
<Equivalent_PLMNs>
<PLMNList>
<PLMN>
<MCC>262</MCC>
<MNC>1</MNC>
</PLMN>
<PLMN>
<MCC>310</MCC>
<MNC>26</MNC>
</PLMN>
</PLMNList>
</Equivalent_PLMNs>
<Network_Feature_support>
<Network_Feature_support>
(1)LCS-MOLR via PS domain supported</Network_Feature_support>
</Network_Feature_support>
</Attach_Accept>
)"},
    // Network feature support is a type 1 element: the octet after it is a new IEI.
    {"attach_accept_feature_support_then_cell_notification", 0, "08 02 | 01 | 49 | 04 | 62 f2 10 12 34 56 | b0 | 8c",
     R"(<Attach_Accept>
<Attach_Result>(1)GPRS only attached</Attach_Result><Force_To_Standby>(0)Force to standby not indicated</Force_To_Standby><Periodic_RA_update_timer>
<GPRS_Timer><Unit>
(2)value is incremented in multiples of decihours</Unit>
<Timer_value>9</Timer_value>
</GPRS_Timer></Periodic_RA_update_timer>
<Radio_priority_for_SMS>
<Radio_Priority>(4)priority level 4</Radio_Priority></Radio_priority_for_SMS>
<Radio_priority_for_TOM8>
<Radio_Priority_2>(0)priority level 1</Radio_Priority_2></Radio_priority_for_TOM8>
)" RAI_262_1 R"(<Cell_Notification>
no detail</Cell_Notification>
<Network_Feature_support>
<Network_Feature_support>
(0)LCS-MOLR via PS domain not supported</Network_Feature_support>
</Network_Feature_support>
</Attach_Accept>
)"},
};

const Golden kGmmRoutingAreaGolden[] = {
    {"rau_request_two_radio_access_entries", 1,
     "08 08 | 12 | 62 f2 10 12 34 56 | 08 13 33 42 2b 29 89 28 00 | 27 0a 0c | 90 | 18 05 f4 12 34 56 78 | 31 01 e5 |"
     " 32 02 20 80 | 58 01 00",
     R"(<Routing_Area_Update_Request>
<Update_type>
(2)combined RA/LA updating with IMSI attach</Update_type>
<ciphering_key_sequence_number>
(1)1</ciphering_key_sequence_number>
<Old>
)" RAI_262_1 "</Old>\n" RADIO_CAP_TWO_ENTRIES R"(<DRX_Parameter><SPLIT_PG_CYCLE_CODE>10</SPLIT_PG_CYCLE_CODE>
<SPLIT_on_CCCH>
(1)Split pg cycle on CCCH is supported by the mobile station</SPLIT_on_CCCH>
<non_DRX_timer>
(4)max.  8 sec non-DRX mode after transfer state</non_DRX_timer>
</DRX_Parameter><TMSI_status>(0)no valid TMSI available</TMSI_status><P_TMSI>
)" TMSI_21436587 "</P_TMSI>\n" NET_CAP_E5 PDP_STATUS5_AND15 "</Routing_Area_Update_Request>\n"},
    {"rau_request_update_type_without_text_stops", 1, "08 08 | 74 | 62 f2 10 12 34 56",
     "<Routing_Area_Update_Request>\n<Update_type>\n(4)"},
    {"rau_accept_list_and_feature_support_unwrapped", 0,
     "08 09 | 10 | 21 | 62 f2 10 12 34 56 | 26 02 51 20 | 17 1f | 25 07 | 32 01 20 | b1",
     R"(<Routing_Area_Update_Accept>
<Force_To_Standby>(0)Force to standby not indicated</Force_To_Standby><Update_result>
(1)combined RA/LA updated</Update_result>
<Periodic_RA_update_timer>
<GPRS_Timer><Unit>
(1)value is incremented in multiples of 1 minute</Unit>
<Timer_value>1</Timer_value>
</GPRS_Timer></Periodic_RA_update_timer>
)" RAI_262_1 R"(<List_of_Receive_N_sub_PDU_Numbers>
</List_of_Receive_N_sub_PDU_Numbers>
<Negotiated_READY_timer_value>
<GPRS_Timer><Unit>
(0)value is incremented in multiples of 2 seconds</Unit>
<Timer_value>31</Timer_value>
</GPRS_Timer></Negotiated_READY_timer_value>
<GMM_cause>
<Cause>(7)GPRS services not allowed</Cause></GMM_cause>
<PDP_Context_Status><NSAPI5>
(1)PDP context is not PDP-INACTIVE</NSAPI5>
<NSAPI6>
(0)PDP context is PDP-INACTIVE</NSAPI6>
<NSAPI7>
(0)PDP context is PDP-INACTIVE</NSAPI7>
<NSAPI8>
(0)PDP context is PDP-INACTIVE</NSAPI8>
<NSAPI9>
(0)PDP context is PDP-INACTIVE</NSAPI9>
<NSAPI10>
(0)PDP context is PDP-INACTIVE</NSAPI10>
<NSAPI11>
(0)PDP context is PDP-INACTIVE</NSAPI11>
<NSAPI12>
(0)PDP context is PDP-INACTIVE</NSAPI12>
<NSAPI13>
(0)PDP context is PDP-INACTIVE</NSAPI13>
<NSAPI14>
(0)PDP context is PDP-INACTIVE</NSAPI14>
<NSAPI15>
(0)PDP context is PDP-INACTIVE</NSAPI15>
</PDP_Context_Status><Network_Feature_support>
(0)LCS-MOLR via PS domain not supported</Network_Feature_support>
</Routing_Area_Update_Accept>
)"},
    {"rau_accept_update_result_without_text_stops", 0, "08 09 | 21 | 21 | 62 f2 10 12 34 56",
     "<Routing_Area_Update_Accept>\n<Force_To_Standby>(1)Force to standby "
     "indicated</Force_To_Standby><Update_result>\n(2)"},
    {"service_request_pdp_status", 1, "08 0c | 21 | 05 f4 12 34 56 78 | 32 02 20 80",
     R"(<GMM_Service_Request>
<ciphering_key_sequence_number>
(1)1</ciphering_key_sequence_number>
<Service_type>
(2)Paging Response</Service_type>
<P_TMSI>
)" TMSI_21436587 "</P_TMSI>\n" PDP_STATUS5_AND15 "</GMM_Service_Request>\n"},
    {"service_request_key_7_uplink_is_reserved", 1, "08 0c | 37 | 05 f4 12 34 56 78",
     "<GMM_Service_Request>\n<ciphering_key_sequence_number>\n(7)Reserved</ciphering_key_sequence_number>\n"
     "<Service_type>\n(3)"},
    {"ptmsi_reallocation_command", 0, "08 10 | 05 f4 12 34 56 78 | 62 f2 10 12 34 56 | 01 | 19 aa bb cc",
     "<P_TMSI_Reallocation_Command>\n<Allocated_P_TMSI>\n" TMSI_21436587 "</Allocated_P_TMSI>\n" RAI_262_1
     "<Force_To_Standby>(1)Force to standby indicated</Force_To_Standby><P_TMSI_signature>204</P_TMSI_signature>\n"
     "</P_TMSI_Reallocation_Command>\n"},
};

const Golden kGmmAuthenticationGolden[] = {
    // AUTN of 17 octets: 16 are kept and the walk goes on after the whole element.
    {"request_long_autn_then_key", 0,
     "08 12 | 31 | 21 | 21 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e ff | 28 11 10 11 12 13 14 15 16 17 18 19 1a 1b "
     "1c 1d "
     "1e 1f 20 | 8f",
     R"(<Authentication_Ciphering_Request>
<Ciphering_algorithm>
(1)GPRS Encryption Algorithm GEA/1</Ciphering_algorithm>
<IMEISV_request>
(3)IMEISV not requested</IMEISV_request>
<Force_To_Standby>(1)Force to standby indicated</Force_To_Standby><A_C_reference_number>2</A_C_reference_number>
<Authentication_parameter_RAND>
<RAND>0x0</RAND>
<RAND>0x1</RAND>
<RAND>0x2</RAND>
<RAND>0x3</RAND>
<RAND>0x4</RAND>
<RAND>0x5</RAND>
<RAND>0x6</RAND>
<RAND>0x7</RAND>
<RAND>0x8</RAND>
<RAND>0x9</RAND>
<RAND>0xa</RAND>
<RAND>0xb</RAND>
<RAND>0xc</RAND>
<RAND>0xd</RAND>
<RAND>0xe</RAND>
<RAND>0xff</RAND>
</Authentication_parameter_RAND>
<ciphering_key_sequence_number>
(7)No key is available</ciphering_key_sequence_number>
<Authentication_AUTN_parameter>
<submsg>
<AuthenticationAUTN>0x10</AuthenticationAUTN>
<AuthenticationAUTN>0x11</AuthenticationAUTN>
<AuthenticationAUTN>0x12</AuthenticationAUTN>
<AuthenticationAUTN>0x13</AuthenticationAUTN>
<AuthenticationAUTN>0x14</AuthenticationAUTN>
<AuthenticationAUTN>0x15</AuthenticationAUTN>
<AuthenticationAUTN>0x16</AuthenticationAUTN>
<AuthenticationAUTN>0x17</AuthenticationAUTN>
<AuthenticationAUTN>0x18</AuthenticationAUTN>
<AuthenticationAUTN>0x19</AuthenticationAUTN>
<AuthenticationAUTN>0x1a</AuthenticationAUTN>
<AuthenticationAUTN>0x1b</AuthenticationAUTN>
<AuthenticationAUTN>0x1c</AuthenticationAUTN>
<AuthenticationAUTN>0x1d</AuthenticationAUTN>
<AuthenticationAUTN>0x1e</AuthenticationAUTN>
<AuthenticationAUTN>0x1f</AuthenticationAUTN>
</submsg>
</Authentication_AUTN_parameter>
</Authentication_Ciphering_Request>
)"},
    {"request_rand_one_octet_short", 0, "08 12 | 00 | 00 | 21 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e",
     R"(<Authentication_Ciphering_Request>
<Ciphering_algorithm>
(0)ciphering not used</Ciphering_algorithm>
<IMEISV_request>
(0)IMEISV not requested</IMEISV_request>
<Force_To_Standby>(0)Force to standby not indicated</Force_To_Standby><A_C_reference_number>0</A_C_reference_number>
</Authentication_Ciphering_Request>
)"},
    // Extension of 13 octets: 12 are kept.
    {"response_long_extension", 1,
     "08 13 | 0b | 22 01 0a a0 ff | 29 0d 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d | 23 01 0b",
     R"(<Authentication_Ciphering_Response>
<A_C_reference_number>11</A_C_reference_number>
<Authentication_parameter_Response>0x 1 aa0ff</Authentication_parameter_Response>
<IMEISV>
<Mobile_Identity><Type_of_identity>
(3)IMEISV</Type_of_identity>
<odd_even_indication>
(1)odd</odd_even_indication>
<Identity_Digits>
0x0</Identity_Digits>
</Mobile_Identity></IMEISV>
<AuthenticationParameterEXTParameter>0x 1 2 3 4 5 6 7 8 9 a b c</AuthenticationParameterEXTParameter>
</Authentication_Ciphering_Response>
)"},
    // AUTS of 15 octets: 14 are kept; a repeated element is decoded again.
    {"failure_long_auts", 1, "08 1c | 15 | 30 0f 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f",
     R"(<Authentication_Ciphering_failure>
<GMM_cause>
<Cause>(21)Synch failure</Cause></GMM_cause>
<Authentication_Failure_parameter>0x 1 2 3 4 5 6 7 8 9 a b c d e</Authentication_Failure_parameter>
</Authentication_Ciphering_failure>
)"},
    {"failure_other_iei_first", 1, "08 1c | 14 | 31 02 01 02 | 30 01 01",
     "<Authentication_Ciphering_failure>\n<GMM_cause>\n<Cause>(20)MAC failure</Cause></GMM_cause>\n"
     "</Authentication_Ciphering_failure>\n"},
};

const Golden kGmmInformationGolden[] = {
    {"names_time_lsa_and_daylight_saving", 0,
     "08 21 | 43 03 81 41 42 | 45 02 8a 43 | 46 80 | 47 21 70 11 32 54 06 40 | 48 04 01 02 03 04 | 49 01 02",
     R"(<GMMInformation>
<Full_name_for_network>
<coding_scheme>
(0)Cell Broadcast data coding scheme, GSM default alphabet, language unspecified</coding_scheme>
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
(1)The MS should add the letters for the Country's Initials and a separator to the text string</AddCI>
<Number_of_spare_bits_in_last_octet>
(2)bits 7 and 8 are spare and set to 0"n the last octet</Number_of_spare_bits_in_last_octet>
<Text_String>0x43</Text_String>
</Short_name_for_network>
<Local_time_zone>0x80</Local_time_zone>
<time_and_local_time_zone>
<Year>
12
</Year>
<Month>
 7
</Month>
<Day>
11
</Day>
<Hour>
23
</Hour>
<Minute>
45
</Minute>
<Second>
60
</Second>
<Time_zone>0x4</Time_zone>
</time_and_local_time_zone>
<LSA_Identity>0x 1 2 3</LSA_Identity>
<Network_Daylight_Saving_Time>
(2)+2 hours adjustment for Daylight Saving Time</Network_Daylight_Saving_Time>
</GMMInformation>
)"},
    {"daylight_saving_of_length_0_not_written", 0, "08 21 | 49 00 | 46 01",
     "<GMMInformation>\n<Local_time_zone>0x1</Local_time_zone>\n</GMMInformation>\n"},
    {"empty_daylight_saving_after_one_keeps_it", 0, "08 21 | 49 01 01 | 49 00", R"(<GMMInformation>
<Network_Daylight_Saving_Time>
(1)+1 hour adjustment for Daylight Saving Time</Network_Daylight_Saving_Time>
</GMMInformation>
)"},
    {"coding_scheme_without_text_stops", 0, "08 21 | 43 02 a0 41 | 46 01",
     "<GMMInformation>\n<Full_name_for_network>\n<coding_scheme>\n(2)"},
    {"empty_name", 0, "08 21 | 45 00",
     "<GMMInformation>\n<Short_name_for_network>\n<coding_scheme>\n(0)"
     "Cell Broadcast data coding scheme, GSM default alphabet, language unspecified</coding_scheme>\n<AddCI>\n(0)"
     "The MS should not add the letters for the Country's Initials to the text string</AddCI>\n"
     "<Number_of_spare_bits_in_last_octet>\n(0)this field carries no information about the number of spare bits in the "
     "last octet</Number_of_spare_bits_in_last_octet>\n<Text_String>0x</Text_String>\n</Short_name_for_network>\n"
     "</GMMInformation>\n"},
};

class GmmGolden : public testing::TestWithParam<Golden> {};

TEST_P(GmmGolden, DecodesToDocument) {
  const Golden& g = GetParam();
  tharvel_test::Decoded d = decode_hex(g.direction, g.hex);
  EXPECT_EQ(d.result, 1);
  EXPECT_TRUE(tharvel_test::closed(d.text));
  EXPECT_EQ(body_of(d.text), g.document);
}

TEST_P(GmmGolden, SurvivesEveryTruncation) {
  tharvel_test::decode_every_prefix(GetParam().direction, tharvel_test::octets(GetParam().hex));
}

INSTANTIATE_TEST_SUITE_P(Short, GmmGolden, testing::ValuesIn(kGmmShortGolden), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Detach, GmmGolden, testing::ValuesIn(kGmmDetachGolden), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Attach, GmmGolden, testing::ValuesIn(kGmmAttachGolden), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(RoutingArea, GmmGolden, testing::ValuesIn(kGmmRoutingAreaGolden), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Authentication, GmmGolden, testing::ValuesIn(kGmmAuthenticationGolden),
                         tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Information, GmmGolden, testing::ValuesIn(kGmmInformationGolden), tharvel_test::golden_name);

// A record parsed from an exact-size heap copy, so that a sanitizer sees overreads.
struct Parsed {
  std::unique_ptr<uint8_t[]> octets;
  l3::ParsedMessage message;
  const MessageRecord* record;
  explicit Parsed(const char* hex, uint8_t dir = 0) {
    std::vector<uint8_t> v = tharvel_test::octets(hex);
    octets.reset(new uint8_t[v.size()]);
    std::memcpy(octets.get(), v.data(), v.size());
    message.parse(octets.get(), static_cast<uint16_t>(v.size()), dir);
    record = message.record();
  }
  template <class T>
  const T& as() const {
    return *message.as<T>();
  }
};

TEST(GmmParse, TypesWithoutParser) {
  for (const char* hex : {"08 07", "08 0f", "08 17", "08 41"}) EXPECT_EQ(Parsed(hex).record, nullptr) << hex;
}

TEST(GmmParse, OnlyFourRecordsKeepTheDirection) {
  EXPECT_EQ(Parsed("08 01", 0x41).record->direction, 0x41);
  EXPECT_EQ(Parsed("08 08", 0x41).record->direction, 0x41);
  EXPECT_EQ(Parsed("08 0c", 0x41).record->direction, 0x41);
  EXPECT_EQ(Parsed("08 12", 0x41).record->direction, 0x41);
  EXPECT_EQ(Parsed("08 02", 0x41).record->direction, 0);
  EXPECT_EQ(Parsed("08 21", 0x41).record->direction, 0);
  EXPECT_EQ(Parsed("08 03 11", 0x41).record->key, 0x803);
}

TEST(GmmParse, RoutingAreaIdentificationDigits) {
  Parsed a("08 09 | 01 | 00 | 62 f2 10 12 34 56");
  const auto& acc = a.as<GmmRoutingAreaUpdateAccept>();
  EXPECT_EQ(acc.force_to_standby, 1);
  EXPECT_EQ(acc.update_result, 0);
  EXPECT_EQ(acc.rai.mcc, 262);
  EXPECT_EQ(acc.rai.mnc, 1);
  EXPECT_EQ(acc.rai.lac, 0x1234);
  EXPECT_EQ(acc.rai.rac, 0x56);
  Parsed b("08 09 | 00 | 00 | 13 00 62 00 00 00");
  EXPECT_EQ(b.as<GmmRoutingAreaUpdateAccept>().rai.mcc, 310);
  EXPECT_EQ(b.as<GmmRoutingAreaUpdateAccept>().rai.mnc, 26);
}

TEST(GmmParse, PdpContextStatusAndFeatureSupport) {
  Parsed p("08 08 | 00 | 62 f2 10 12 34 56 | 00 | 32 02 a1 00 | 33 00 | 17 01");
  const auto& r = p.as<GmmRoutingAreaUpdateRequest>();
  EXPECT_EQ(r.pdp_context_status.present, 1);
  EXPECT_EQ(r.pdp_context_status.value.length, 2);
  EXPECT_EQ(r.pdp_context_status.value.nsapis, 0xA1u);
  // An empty element does not swallow the next IEI.
  EXPECT_EQ(r.ps_lcs_capability.present, 1);
  EXPECT_EQ(r.requested_ready_timer.present, 1);
  Parsed a("08 02 | 01 | 49 | 04 | 62 f2 10 12 34 56 | bf | 17 05");
  EXPECT_EQ(a.as<GmmAttachAccept>().network_feature_support.value, 1);
  EXPECT_EQ(a.as<GmmAttachAccept>().negotiated_ready_timer.value, 5);
}

TEST(GmmParse, DetachForceToStandbyOnlyWithNonZeroDirection) {
  EXPECT_EQ(Parsed("08 05 | 31", 0).as<GmmDetachRequest>().force_to_standby.present, 0);
  Parsed p("08 05 | 31", 1);
  EXPECT_EQ(p.as<GmmDetachRequest>().force_to_standby.present, 1);
  EXPECT_EQ(p.as<GmmDetachRequest>().force_to_standby.value, 3);
  EXPECT_EQ(p.as<GmmDetachRequest>().detach_type, 1);
}

TEST(GmmParse, TimeThenDaylightSaving) {
  Parsed p("08 21 | 47 21 70 11 32 54 06 40 | 49 01 07 | 48 01 09");
  const auto& r = p.as<GmmInformation>();
  EXPECT_EQ(r.universal_time.value.octets[0], 0x12);
  EXPECT_EQ(r.daylight_saving_time.value.value, 3);
  EXPECT_EQ(r.lsa_identity.value.count, 1);
  EXPECT_EQ(r.lsa_identity.value.octets[1], 9);
}

TEST(GmmParse, ReceiveNpduListKeepsFortyNinePairs) {
  // 50 pairs of 12 bits: 75 octets.
  std::string hex = "08 0a 26 4b";
  for (int i = 0; i < 75; ++i) hex += " 5a";
  Parsed p(hex.c_str());
  const auto& l = p.as<GmmRoutingAreaUpdateComplete>().receive_npdu_numbers.value;
  EXPECT_EQ(l.count, 49);
  EXPECT_EQ(l.pairs[1].nsapi, 5);
  EXPECT_EQ(l.pairs[1].receive_npdu_number, 0xA5);
  EXPECT_EQ(l.pairs[2].nsapi, 0xA);
  // A trailing NSAPI without its number is kept but not counted.
  Parsed q("08 0a 26 02 5a 55");
  EXPECT_EQ(q.as<GmmRoutingAreaUpdateComplete>().receive_npdu_numbers.value.count, 1);
  EXPECT_EQ(q.as<GmmRoutingAreaUpdateComplete>().receive_npdu_numbers.value.pairs[2].nsapi, 5);
}

TEST(GmmCapability, NetworkCapabilityOfOneOctet) {
  const uint8_t led[] = {0x01, 0xE5};
  MsNetworkCapability c{};
  decode_ms_network_capability(c, bits_of(led, 2));
  EXPECT_EQ(c.length, 1);
  EXPECT_EQ(c.gea1 + c.sm_dedicated + c.sm_gprs, 3);
  EXPECT_EQ(c.ucs2, 0);
  EXPECT_EQ(c.ss_screening_indicator, 1);
  EXPECT_EQ(c.revision_level, 1);
  EXPECT_EQ(c.pfc_feature_mode + c.gea2 + c.gea7 + c.lcs_va, 0);
}

TEST(GmmCapability, NetworkCapabilityTruncatedAtEveryLength) {
  // Length 3 with every field set; each prefix keeps the fields it holds whole.
  const std::vector<uint8_t> led = tharvel_test::octets("03 ff ff ff");
  for (size_t n = 0; n <= led.size(); ++n) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[n + 1]);
    std::memcpy(copy.get(), led.data(), n);
    MsNetworkCapability c{};
    decode_ms_network_capability(c, bits_of(copy.get(), static_cast<uint32_t>(n)));
    uint32_t bits_set = c.gea1 + c.sm_dedicated + c.sm_gprs + c.ucs2 + (c.ss_screening_indicator == 3) + c.solsa +
                        c.revision_level + c.pfc_feature_mode + c.gea2 + c.gea3 + c.gea4 + c.gea5 + c.gea6 + c.gea7 +
                        c.lcs_va;
    EXPECT_EQ(c.length, n > 0 ? 3 : 0) << n;
    EXPECT_EQ(bits_set, n < 2 ? 0u : (n == 2 ? 7u : 15u)) << n;
    char buf[4096] = "";
    OutputText out(buf);
    EXPECT_EQ(render_ms_network_capability(c, out), 1);
  }
}

// Decodes every prefix of a capability value from an exact-size copy.
std::vector<uint8_t> radio_access_counts(const std::vector<uint8_t>& value) {
  std::vector<uint8_t> counts;
  for (size_t n = 0; n <= value.size(); ++n) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[n + 1]);
    std::memcpy(copy.get(), value.data(), n);
    MsRadioAccessCapability c{};
    decode_ms_radio_access_capability(c, bits_of(copy.get(), static_cast<uint32_t>(n)));
    char buf[8192] = "";
    OutputText out(buf);
    EXPECT_EQ(render_ms_radio_access_capability(c, out), 1);
    counts.push_back(c.count);
  }
  return counts;
}

TEST(GmmCapability, RadioAccessTruncatedAtEveryLength) {
  // Entry 1 ends at bit 36, its continuation bit is 36; entry 2 ends at bit 57.
  std::vector<uint8_t> counts = radio_access_counts(tharvel_test::octets("13 33 42 2b 29 89 28 00"));
  EXPECT_EQ(counts, (std::vector<uint8_t>{0, 0, 0, 0, 0, 1, 1, 1, 2}));
}

TEST(GmmCapability, RadioAccessKeepsNineEntries) {
  // Twelve entries of type 1 and length 0, each followed by continuation 1:
  // each reads 3 + 1 + 4 + 1 bits past its zero-length part, all zero here
  // except the continuation, which is the bit right after the length.
  std::string bits;
  for (int i = 0; i < 12; ++i)
    bits +=
        "0001"
        "0000000"
        "1";
  bits += "000000000000";
  std::vector<uint8_t> value;
  bits.resize((bits.size() + 7) / 8 * 8, '0');
  for (size_t i = 0; i < bits.size(); i += 8)
    value.push_back(static_cast<uint8_t>(std::stoi(bits.substr(i, 8), nullptr, 2)));
  MsRadioAccessCapability c{};
  decode_ms_radio_access_capability(c, bits_of(value.data(), static_cast<uint32_t>(value.size())));
  EXPECT_EQ(c.count, 9);
  EXPECT_EQ(c.entries[9].access_technology_type, 1);
}

TEST(GmmCorpus, EveryMessageGivesAClosedDocument) {
  std::vector<tharvel_test::CorpusMessage> messages = tharvel_test::corpus_of_pd(kPdGmm);
  EXPECT_GE(messages.size(), 60u);
  for (const tharvel_test::CorpusMessage& m : messages) {
    tharvel_test::Decoded d = tharvel_test::decode_octets(m.direction, m.octets);
    EXPECT_EQ(d.result, 1) << m.line;
    EXPECT_TRUE(tharvel_test::closed(d.text)) << m.line;
    tharvel_test::decode_every_prefix(m.direction, m.octets);
  }
}

}  // namespace
}  // namespace l3
