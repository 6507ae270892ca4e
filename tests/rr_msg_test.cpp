#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "api/registry.h"
#include "rr/elements/measurement_elements.h"
#include "rr/elements/packet_elements.h"
#include "rr/elements/value_elements.h"
#include "test_util.h"

namespace l3 {
namespace {

using tharvel_test::body_of;

// An RR type with a row that is not system information.
bool is_rr_other_type_of_table(uint8_t type) {
  const MessageRow* row = find_message(static_cast<uint16_t>(0x600 | type));
  return row != nullptr && std::string_view(row->name).rfind("System information", 0) != 0;
}
using tharvel_test::decode_hex;
using tharvel_test::Golden;

// Blocks that many cases share.
#define CHANNEL_725                                                   \
  "<Channel_type_and_TDMA_offset>\n"                                  \
  "(1)TCH F and FACCH F and SACCH/F</Channel_type_and_TDMA_offset>\n" \
  "<TN>5</TN>\n<H>\n(0)Single_RF_channel</H>\n<TSC>0</TSC>\n<ARFCN>725</ARFCN>\n"
#define ZERO_REFERENCE "<Request_Reference>\n<RA>0</RA>\n<T1>0</T1>\n<T2>0</T2>\n<T3>0</T3>\n</Request_Reference>\n"
#define SPEECH_V1_MODE "<Channel_Mode>\n<Mode>\n(1)speech full rate or half rate version 1</Mode>\n</Channel_Mode>\n"
#define DTM_RAI                                                                                                    \
  "<Routeing_Area_Identification>\n<MCC>\n<MCC>262</MCC>\n</MCC>\n<MNC>\n<MNC>10</MNC>\n</MNC>\n<LAC>4660</LAC>\n" \
  "<RAC>5</RAC>\n</Routeing_Area_Identification>\n"
#define DTM_HEAD "06 4c | 00 | 0d 02 d5 | 05 00 00 00 00 00 | "
#define DTM_HEAD_DOC                                                                                             \
  "<Power_Command>\n<FPC>\n(0)FPC not in use</FPC>\n<POWER_LEVEL>0</POWER_LEVEL>\n</Power_Command>\n"            \
  "<Channel_Description>\n" CHANNEL_725                                                                          \
  "</Channel_Description>\n<GSM_GPRS_Broadcast_Information>\n<Length>5</Length>\n<GPRS_Cell_Options>\n"          \
  "<NMO>0</NMO>\n<T3168>0</T3168>\n<T3192>\n(0)time 500 msec</T3192>\n<DRX_TIMER_MAX>0</DRX_TIMER_MAX>\n"        \
  "<ACCESS_BURST_TYPE>0</ACCESS_BURST_TYPE>\n<CONTROL_ACK_TYPE>0</CONTROL_ACK_TYPE>\n<BS_CV_MAX>0</BS_CV_MAX>\n" \
  "</GPRS_Cell_Options>\n<GPRS_Power_Control>\n<ALPHA>\n(0)0.000000</ALPHA>\n<T_AVG_W>0</T_AVG_W>\n"             \
  "<T_AVG_T>0</T_AVG_T>\n<PC_MEAS_CHAN>0</PC_MEAS_CHAN>\n<N_AVG_I>0</N_AVG_I>\n</GPRS_Power_Control>\n"          \
  "</GSM_GPRS_Broadcast_Information>\n"
// IMMEDIATE ASSIGNMENT of a TBF on timeslot 2, ARFCN 100, up to its rest octets.
#define IA_TBF_HEAD(downlink, text, ta)                                                                        \
  "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>0</TMA>\n" \
  "<downlink_>" downlink "</downlink_>\n<T_D>1</T_D>\n" text                                                   \
  "</Dedicated_mode_or_TBF>\n<Packet_Channel_Description>\n<Channel_type>1</Channel_type>\n<TN>2</TN>\n"       \
  "<TSC>5</TSC>\n<ARFCN>100</ARFCN>\n</Packet_Channel_Description>\n" ZERO_REFERENCE                           \
  "<Timing_Advance>\n<Timing_advance_value>" ta                                                                \
  "</Timing_advance_value>\n</Timing_Advance>\n"                                                               \
  "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
#define CELL_OPTIONS_ZERO                                                                             \
  "<GPRS_Cell_Options>\n<NMO>0</NMO>\n<T3168>0</T3168>\n<T3192>\n(0)time 500 msec</T3192>\n"          \
  "<DRX_TIMER_MAX>0</DRX_TIMER_MAX>\n<ACCESS_BURST_TYPE>0</ACCESS_BURST_TYPE>\n<CONTROL_ACK_TYPE>0</" \
  "CONTROL_ACK_TYPE>\n"                                                                               \
  "<BS_CV_MAX>0</BS_CV_MAX>\n"
#define CAUSE_0 "<RR_Cause>\n<RR_Cause_value>\n(0)Normal event</RR_Cause_value>\n</RR_Cause>\n"

// Messages whose elements sit at fixed places or in a short optional part.
const Golden kFixedShapes[] = {
    {"channel_release_cause_only", 0, "06 0d | 00", "<CHANNEL_RELEASE>\n" CAUSE_0 "</CHANNEL_RELEASE>\n"},
    {"channel_release_8d_ends_walk", 0, "06 0d | 00 | 8d | 85", "<CHANNEL_RELEASE>\n" CAUSE_0 "</CHANNEL_RELEASE>\n"},
    {"channel_release_cause_7_and_key_5", 0, "06 0d | 07 | 85",
     "<CHANNEL_RELEASE>\n<RR_Cause>\n<RR_Cause_value>\n(7)Normal event</RR_Cause_value>\n</RR_Cause>\n"
     "<Group_cipher_key_number>\n(5)cipher key number5</Group_cipher_key_number>\n</CHANNEL_RELEASE>\n"},
    // The first list octet is a format octet, not a length: all 16 octets are the list.
    {"channel_release_cell_channel_16_octets", 0, "06 0d | 00 | 62 08 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
     "<CHANNEL_RELEASE>\n" CAUSE_0 "<Cell_Channel_Description>\n<FORMAT_ID>4</FORMAT_ID>\n<Bitmap0format>\n"
     "<Length_of_Frequency_List>16</Length_of_Frequency_List>\n<ARFCN>124</ARFCN>\n</Bitmap0format>\n"
     "</Cell_Channel_Description>\n</CHANNEL_RELEASE>\n"},
    {"channel_release_cell_channel_cut_short", 0, "06 0d | 00 | 62 08 00 00",
     "<CHANNEL_RELEASE>\n" CAUSE_0 "</CHANNEL_RELEASE>\n"},
    {"channel_release_gprs_resumption", 0, "06 0d | 00 | c0",
     "<CHANNEL_RELEASE>\n" CAUSE_0
     "<GPRS_Resumption>\n<ACK>\n(0)resumption of GPRS services not successfully acknowledged</ACK>\n"
     "</GPRS_Resumption>\n</CHANNEL_RELEASE>\n"},
    {"channel_release_ba_range_and_utran_list", 0, "06 0d | 00 | 73 04 01 00 47 c0 | 76 03 d3 98 00",
     "<CHANNEL_RELEASE>\n" CAUSE_0
     "<BA_Range>\n<Length>4</Length>\n<Number_of_Ranges>1</Number_of_Ranges>\n<RANGE_LOWER>1</RANGE_LOWER>\n"
     "<RANGE_HIGHER>124</RANGE_HIGHER>\n</BA_Range>\n<UTRAN_Freq_List>\n<Length>3</Length>\n"
     "<FDD_ARFCN>10700</FDD_ARFCN>\n</UTRAN_Freq_List>\n</CHANNEL_RELEASE>\n"},
    // BA Range needs five octets after its IEI, whatever its length octet says.
    {"channel_release_ba_range_below_minimum", 0, "06 0d | 00 | 73 01 01 | 85",
     "<CHANNEL_RELEASE>\n" CAUSE_0 "</CHANNEL_RELEASE>\n"},
    {"rr_cause_message_has_no_message_tags", 0, "06 48 | 41",
     "<RR_Cause>\n<RR_Cause_value>\n(65)Call already cleared</RR_Cause_value>\n</RR_Cause>\n"},
    {"channel_request_carries_its_octet", 1, "06 7f | e3",
     "<Channel_Request>\n<AccordingtoEstablishmentcause>\n(227)</AccordingtoEstablishmentcause>\n"
     "</Channel_Request>\n"},
    {"ciphering_mode_command_a5_3_with_imeisv", 0, "06 35 | 15",
     "<CIPHERING_MODE_COMMAND>\n<Cipher_Mode_Setting>\n<SC>\n(1)Start_ciphering</SC>\n"
     "<algorithm_identifier>\n(2)cipher with algorithm A5 3</algorithm_identifier>\n</Cipher_Mode_Setting>\n"
     "<Cipher_Response>\n(1)IMEISV shall be included</Cipher_Response>\n</CIPHERING_MODE_COMMAND>\n"},
    {"physical_information", 0, "06 2d | 3f",
     "<PHYSICAL_INFORMATION>\n<Timing_Advance>\n<value>63</value>\n</Timing_Advance>\n</PHYSICAL_INFORMATION>\n"},
    {"uplink_busy_empty", 0, "06 2a", "<UPLINK_BUSY>\n</UPLINK_BUSY>\n"},
    // An MCC digit F is abnormal; an MNC digit 3 of F makes a two-digit MNC (digits 0, 1).
    {"gprs_suspension_filler_digits_are_abnormal", 1, "06 34 | c0 00 00 01 | 2f f1 10 00 01 05 | 02",
     "<GPRS_SUSPENSION_REQUEST>\n<TLLI>\n0xc0000001</TLLI>\n<Routeing_Area_Identification>\n"
     "<MCC>\nabnormal</MCC>\n<MNC>\n<MNC>1</MNC>\n</MNC>\n<LAC>1</LAC>\n<RAC>5</RAC>\n"
     "</Routeing_Area_Identification>\n<Suspension_Cause>\n<Suspension_cause_value>\n"
     "(2)MO Short message service</Suspension_cause_value>\n</Suspension_Cause>\n</GPRS_SUSPENSION_REQUEST>\n"},
    {"gprs_suspension_cause_9_reads_emergency", 1, "06 34 | 00 00 00 00 | 62 02 10 12 34 00 | 09",
     "<GPRS_SUSPENSION_REQUEST>\n<TLLI>\n0x0</TLLI>\n<Routeing_Area_Identification>\n"
     "<MCC>\n<MCC>262</MCC>\n</MCC>\n<MNC>\n<MNC>10</MNC>\n</MNC>\n<LAC>4660</LAC>\n<RAC>0</RAC>\n"
     "</Routeing_Area_Identification>\n<Suspension_Cause>\n<Suspension_cause_value>\n"
     "(9)Emergency call</Suspension_cause_value>\n</Suspension_Cause>\n</GPRS_SUSPENSION_REQUEST>\n"},
    // An empty uplink assignment: only the doubled wrapper tag.
    {"pdch_assignment_keeps_its_odd_closing_line", 0, "06 23 | 0d 02 d5 | 22 00",
     "<PDCH_ASSIGNMENT_COMMAND>\n<Description_of_the_Channel_after_time>\n<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n</Description_of_the_Channel_after_time>\n"
     "<Uplink_Assignment>\n<Uplink_Assignment>\n</PDCH_ASSIGNMENT_COMMAND>/n"},
    // Both packet assignments decoded between their doubled wrapper tags.
    {"pdch_assignment_with_packet_assignments", 0, "06 23 | 0d 02 d5 | 22 06 b1 53 a9 e5 44 76 | 23 04 00 20 7f 00",
     "<PDCH_ASSIGNMENT_COMMAND>\n<Description_of_the_Channel_after_time>\n<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n</Description_of_the_Channel_after_time>\n<Uplink_Assignment>\n"
     "<RR_Packet_Uplink_Assignment>\n<Length>6</Length>\n<CHANNEL_CODING_COMMAND>\n(2)CS-3<CHANNEL_CODING_COMMAND>\n"
     "<TLLI_BLOCK_CHANNEL_CODING>1</TLLI_BLOCK_CHANNEL_CODING>\n<Packet_Timing_Advance>\n"
     "<TIMING_ADVANCE_VALUE>5</TIMING_ADVANCE_VALUE>\n</Packet_Timing_Advance>\n<Allocation>\n"
     "(2)Single Block Allocation</Allocation>\n<Single_Block_Allocation>\n<TIMESLOT_NUMBER>3</TIMESLOT_NUMBER>\n"
     "<ALPHA>\n(5)0.500000</ALPHA>\n<GAMMA_TN>7</GAMMA_TN>\n<P0>\n(2)P0=4dB</P0>\n"
     "<BTS_PWR_CTRL_MODE>1</BTS_PWR_CTRL_MODE>\n<PR_MODE>0</PR_MODE>\n</Single_Block_Allocation>\n"
     "<EGPRS_Parameters>\n<EGPRS_Window_Size>\n(2)128</EGPRS_Window_Size>\n"
     "<EGPRS_CHANNEL_CODING_COMMAND>3</EGPRS_CHANNEL_CODING_COMMAND>\n<BEP_PERIOD2>6</BEP_PERIOD2>\n"
     "</EGPRS_Parameters>\n</RR_Packet_Uplink_Assignment>\n<Uplink_Assignment>\n<Downlink_Assignment>\n"
     "<Packet_Downlink_Assignment>\n<Length>4</Length>\n<MAC_MODE>0</MAC_MODE>\n<RLC_MODE>0</RLC_MODE>\n"
     "<TIMESLOT_ALLOCATION>1</TIMESLOT_ALLOCATION>\n<Packet_Timing_Advance>\n</Packet_Timing_Advance>\n"
     "<EGPRS_Window_Size>\n(31)Reserved</EGPRS_Window_Size>\n"
     "<LINK_QUALITY_MEASUREMENT_MODE>2</LINK_QUALITY_MEASUREMENT_MODE>\n</Packet_Downlink_Assignment>\n"
     "<Downlink_Assignment>\n</PDCH_ASSIGNMENT_COMMAND>/n"},
    {"channel_mode_modify_multirate", 0, "06 10 | 0d 02 d5 | 01 | 03 02 20 a5",
     "<GSM_RR_CHANNEL_MODE_MODIFY>\n<Channel_Description2>\n" CHANNEL_725 "</Channel_Description2>\n" SPEECH_V1_MODE
     "<MultiRate_configuration>\n<Length>2</Length>\n<MR_version>\n(1)Adaptive Multirate speech version1"
     "</MR_version>\n<NSCB>\n(0)Noise_Suppression_can_be_used_(default)</NSCB>\n<ICMI>\n"
     "(0)The initial codec mode is defined by the implicit rule provided in GSM05.09</ICMI>\n"
     "<Start_Mode>0</Start_Mode>\n<Set_of_AMR_codec_modes>\n"
     "12,2kbit per s codec rate is part of the subset\n10,2kbit per s codec rate is not part of the subset\n"
     "7,95kbit per s codec rate is part of the subset\n7,40kbit per s codec rate is not part of the subset\n"
     "6,70kbit per s codec rate is not part of the subset\n5,90kbit per s codec rate is part of the subset\n"
     "5,15kbit per s codec rate is not part of the subset\n4,75kbit per s codec rate is part of the subset\n"
     "</Set_of_AMR_codec_modes>\n</MultiRate_configuration>\n</GSM_RR_CHANNEL_MODE_MODIFY>\n"},
    // A VGCS element that runs past the message ends the optional part.
    {"channel_mode_modify_truncated_vgcs", 0, "06 10 | 0d 02 d5 | 01 | 01 05 00",
     "<GSM_RR_CHANNEL_MODE_MODIFY>\n<Channel_Description2>\n" CHANNEL_725 "</Channel_Description2>\n" SPEECH_V1_MODE
     "</GSM_RR_CHANNEL_MODE_MODIFY>\n"},
};

// Less common messages: one case each, chosen at their edges.
const Golden kOtherShapes[] = {
    // Cell options NMO 1, T3168 2, T3192 5, DRX 3, ABT 1, CAT 0, BS_CV_MAX 15, PAN 4/5/6, a 6-bit extension
    // (EGPRS 1, packet channel request 0, BEP 9); power control alpha 10, T_AVG_W 17, T_AVG_T 3, PC_MEAS_CHAN 1, N_AVG_I 12.
    {"dtm_assignment_broadcast_with_pan_and_egprs_extension", 0, "06 4c | 00 | 01 02 03 | 08 55 77 e5 d1 69 a8 8f 80",
     "<DTM_ASSIGNMENT_COMMAND>\n" "<Power_Command>\n" "<FPC>\n"
     "(0)FPC not in use</FPC>\n" "<POWER_LEVEL>0</POWER_LEVEL>\n" "</Power_Command>\n"
     "<Channel_Description>\n" "<Channel_type_and_TDMA_offset>\n" "(0)reserved</Channel_type_and_TDMA_offset>\n"
     "<TN>1</TN>\n" "<H>\n" "(0)Single_RF_channel</H>\n"
     "<TSC>0</TSC>\n" "<ARFCN>515</ARFCN>\n" "</Channel_Description>\n"
     "<GSM_GPRS_Broadcast_Information>\n" "<Length>8</Length>\n" "<GPRS_Cell_Options>\n"
     "<NMO>1</NMO>\n" "<T3168>2</T3168>\n" "<T3192>\n"
     "(5)time 120 msec</T3192>\n" "<DRX_TIMER_MAX>3</DRX_TIMER_MAX>\n" "<ACCESS_BURST_TYPE>1</ACCESS_BURST_TYPE>\n"
     "<CONTROL_ACK_TYPE>0</CONTROL_ACK_TYPE>\n" "<BS_CV_MAX>15</BS_CV_MAX>\n" "<PAN_DEC>4</PAN_DEC>\n"
     "<PAN_INC>5</PAN_INC>\n" "<PAN_MAX>6</PAN_MAX>\n" "<Extension_Information>\n"
     "<Length>5</Length>\n" "<EGPRS>1</EGPRS>\n" "<EGPRS_PACKET_CHANNEL_REQUEST>0</EGPRS_PACKET_CHANNEL_REQUEST>\n"
     "<BEP_PERIOD>9</BEP_PERIOD>\n" "</Extension_Information>\n" "</GPRS_Cell_Options>\n"
     "<GPRS_Power_Control>\n" "<ALPHA>\n" "(10)1.000000</ALPHA>\n"
     "<T_AVG_W>17</T_AVG_W>\n" "<T_AVG_T>3</T_AVG_T>\n" "<PC_MEAS_CHAN>1</PC_MEAS_CHAN>\n"
     "<N_AVG_I>12</N_AVG_I>\n" "</GPRS_Power_Control>\n" "</GSM_GPRS_Broadcast_Information>\n"
     "</DTM_ASSIGNMENT_COMMAND>\n"},
    // A 1-bit extension holds EGPRS alone; power control (alpha 5, T_AVG_W 31, T_AVG_T 0, PC_MEAS_CHAN 0,
    // N_AVG_I 15) starts right after it.
    {"dtm_assignment_broadcast_extension_shorter_than_egprs", 0, "06 4c | 00 | 01 02 03 | 06 bb 0c 20 57 e0 78",
     "<DTM_ASSIGNMENT_COMMAND>\n" "<Power_Command>\n" "<FPC>\n"
     "(0)FPC not in use</FPC>\n" "<POWER_LEVEL>0</POWER_LEVEL>\n" "</Power_Command>\n"
     "<Channel_Description>\n" "<Channel_type_and_TDMA_offset>\n" "(0)reserved</Channel_type_and_TDMA_offset>\n"
     "<TN>1</TN>\n" "<H>\n" "(0)Single_RF_channel</H>\n"
     "<TSC>0</TSC>\n" "<ARFCN>515</ARFCN>\n" "</Channel_Description>\n"
     "<GSM_GPRS_Broadcast_Information>\n" "<Length>6</Length>\n" "<GPRS_Cell_Options>\n"
     "<NMO>2</NMO>\n" "<T3168>7</T3168>\n" "<T3192>\n"
     "(3)time 0 msec</T3192>\n" "<DRX_TIMER_MAX>0</DRX_TIMER_MAX>\n" "<ACCESS_BURST_TYPE>0</ACCESS_BURST_TYPE>\n"
     "<CONTROL_ACK_TYPE>1</CONTROL_ACK_TYPE>\n" "<BS_CV_MAX>8</BS_CV_MAX>\n" "<Extension_Information>\n"
     "<Length>0</Length>\n" "<EGPRS>1</EGPRS>\n" "</Extension_Information>\n"
     "</GPRS_Cell_Options>\n" "<GPRS_Power_Control>\n" "<ALPHA>\n"
     "(5)0.500000</ALPHA>\n" "<T_AVG_W>31</T_AVG_W>\n" "<T_AVG_T>0</T_AVG_T>\n"
     "<PC_MEAS_CHAN>0</PC_MEAS_CHAN>\n" "<N_AVG_I>15</N_AVG_I>\n" "</GPRS_Power_Control>\n"
     "</GSM_GPRS_Broadcast_Information>\n" "</DTM_ASSIGNMENT_COMMAND>\n"},
    {"cell_change_order_3g_fdd_target", 0, "06 08 | 41 23 | 03 | 19 04 d3 98 19 00",
     "<RR_CELL_CHANGE_ORDER>\n<Cell_Description>\n<BCCH_ARFCN>291</BCCH_ARFCN>\n<NCC>0</NCC>\n<BCC>1</BCC>\n"
     "</Cell_Description>\n<NC_mode>\n(3)information on NC mode to be gathered from the target cell</NC_mode>\n"
     "<3G_Target_Cell>\n<LENGTH>4</LENGTH>\n<3G_UTRAN_FDD>\n<FDD_ARFCN>10700</FDD_ARFCN>\n<Diversity>0</Diversity>\n"
     "<SCRAMBLING_CODE>100</SCRAMBLING_CODE>\n</3G_UTRAN_FDD>\n</3G_Target_Cell>\n</RR_CELL_CHANGE_ORDER>\n"},
    // TDD target only: ARFCN 9500, diversity 1, bandwidth 1, cell parameter 45, sync case 1.
    {"cell_change_order_3g_tdd_target", 0, "06 08 | 41 23 | 01 | 19 04 65 1c ca d8",
     "<RR_CELL_CHANGE_ORDER>\n<Cell_Description>\n<BCCH_ARFCN>291</BCCH_ARFCN>\n<NCC>0</NCC>\n<BCC>1</BCC>\n"
     "</Cell_Description>\n<NC_mode>\n<NC>1</NC>\n</NC_mode>\n"
     "<3G_Target_Cell>\n<LENGTH>4</LENGTH>\n<3G_UTRAN_TDD>\n<TDD_sub_ARFCN>9500</TDD_sub_ARFCN>\n<Diversity>1</"
     "Diversity>\n"
     "<Bandwidth_TDD>\n(1)speed1.28Mcps</Bandwidth_TDD>\n<Cell_Parameter>45</Cell_Parameter>\n<Sync_Case>1</"
     "Sync_Case>\n"
     "</3G_UTRAN_TDD>\n</3G_Target_Cell>\n</RR_CELL_CHANGE_ORDER>\n"},
    {"configuration_change_sets_1_and_5", 0, "06 30 | 02 81 0f | 63 01 | 15 08",
     "<CONFIGURATION_CHANGE_COMMAND>\n<Description_of_the_multislot_configuration>\n"
     "<Length_of_the_multislot_allocation>2</Length_of_the_multislot_allocation>\n<DA>1</DA>\n"
     "<Channel_set>15</Channel_set>\n</"
     "Description_of_the_multislot_configuration>\n<Mode_of_Channel_Set1>\n" SPEECH_V1_MODE
     "</Mode_of_Channel_Set1>\n<Mode_of_Channel_Set5>\n<Channel_Mode>\n<Mode>\n"
     "(8)Other values are reserved for future use</Mode>\n</Channel_Mode>\n</Mode_of_Channel_Set5>\n"
     "</CONFIGURATION_CHANGE_COMMAND>\n"},
    // A repeated mobile identity: the first is kept, the second stepped over.
    {"ciphering_complete_repeated_identity_first_wins", 1, "06 32 | 17 05 f4 00 00 00 01 | 17 05 f4 00 00 00 02 | ff",
     "<CIPHERING_MODE_COMPLETE>\n<Mobile_Identity><Type_of_identity>\n(4)TMSI/P-TMSI</Type_of_identity>\n"
     "<odd_even_indication>\n(0)even</odd_even_indication>\n<Identity_Digits>\n0x00000010</Identity_Digits>\n"
     "</Mobile_Identity></CIPHERING_MODE_COMPLETE>\n"},
    {"application_information_rrlp", 0, "06 38 | 50 | 03 01 02 03",
     "<Application_Information>\n<APDU_ID>\n<Protocol_identifier>\n(0)RRLP</Protocol_identifier>\n</APDU_ID>\n"
     "<APDU_Flags>\n<Last_Segment>\n(1)Not last or only segment</Last_Segment>\n<First_Segment>\n"
     "(0)First or only segment</First_Segment>\n<C_R>\n(1)Not Command or Final Response</C_R>\n<C_R>\nspare</C_R>\n"
     "</APDU_Flags>\n<APDU_Data>\n<length>3</length>\n<APDUInformation>1</APDUInformation>\n"
     "<APDUInformation>2</APDUInformation>\n<APDUInformation>3</APDUInformation>\n</APDU_Data>\n"
     "</Application_Information>\n"},
    // Flag bits from the lowest: last segment, first segment, C/R.
    {"application_information_last_segment_flag", 0, "06 38 | 10 | 01 05",
     "<Application_Information>\n<APDU_ID>\n<Protocol_identifier>\n(0)RRLP</Protocol_identifier>\n</APDU_ID>\n"
     "<APDU_Flags>\n<Last_Segment>\n(1)Not last or only segment</Last_Segment>\n<First_Segment>\n"
     "(0)First or only segment</First_Segment>\n<C_R>\n(0)Command or Final Response</C_R>\n<C_R>\nspare</C_R>\n"
     "</APDU_Flags>\n<APDU_Data>\n<length>1</length>\n<APDUInformation>5</APDUInformation>\n</APDU_Data>\n"
     "</Application_Information>\n"},
    {"application_information_cr_flag", 0, "06 38 | 41 | 00",
     "<Application_Information>\n<APDU_ID>\n<Protocol_identifier>\n(1)reserved</Protocol_identifier>\n</APDU_ID>\n"
     "<APDU_Flags>\n<Last_Segment>\n(0)Last or only segment</Last_Segment>\n<First_Segment>\n"
     "(0)First or only segment</First_Segment>\n<C_R>\n(1)Not Command or Final Response</C_R>\n<C_R>\nspare</C_R>\n"
     "</APDU_Flags>\n<APDU_Data>\n<length>0</length>\n</APDU_Data>\n</Application_Information>\n"},
    {"packet_notification_unknown_iei_first", 0, "06 4e | 12 00 | 10 c0 00 00 05",
     "<PACKET_NOTIFICATION>\n</PACKET_NOTIFICATION>\n"},
    {"packet_notification_ptmsi", 0, "06 4e | 10 c0 00 00 05",
     "<PACKET_NOTIFICATION>\n<TMSI_P_TMSI>\n0xc0000005</TMSI_P_TMSI>\n</PACKET_NOTIFICATION>\n"},
    {"dtm_information_max_lapdm", 0, "06 4d | 62 02 10 12 34 05 | 01 60",
     "<DTM_INFORMATION>\n<Routeing_Area_Identification>\n<MCC>\n<MCC>262</MCC>\n</MCC>\n<MNC>\n<MNC>10</MNC>\n"
     "</MNC>\n<LAC>4660</LAC>\n<RAC>5</RAC>\n</Routeing_Area_Identification>\n<DTM_Information_Rest_Octets>\n"
     "<legth>1</legth>\n<MAX_LAPDm>\n(3)Any message segmented in up to8LAPDm frames</MAX_LAPDm>\n"
     "<GPRS_MS_TXPWR_MAX_CCH>0</GPRS_MS_TXPWR_MAX_CCH>\n</DTM_Information_Rest_Octets>\n</DTM_INFORMATION>\n"},
    // Cell identity cut by the length: only the fields inside the element.
    {"dtm_information_cell_identity_cut", 0, "06 4d | 62 02 10 12 34 05 | 02 6b 12",
     "<DTM_INFORMATION>\n" DTM_RAI "<DTM_Information_Rest_Octets>\n<legth>2</legth>\n<MAX_LAPDm>\n"
     "(3)Any message segmented in up to8LAPDm frames</MAX_LAPDm>\n<GPRS_MS_TXPWR_MAX_CCH>11</GPRS_MS_TXPWR_MAX_CCH>\n"
     "</DTM_Information_Rest_Octets>\n</DTM_INFORMATION>\n"},
    // Cell identity ends on the last bit; 0x20 then holds L: no release 6 additions.
    {"dtm_information_cell_identity_then_low", 0, "06 4d | 62 02 10 12 34 05 | 04 6b 12 34 20",
     "<DTM_INFORMATION>\n" DTM_RAI "<DTM_Information_Rest_Octets>\n<legth>4</legth>\n<MAX_LAPDm>\n"
     "(3)Any message segmented in up to8LAPDm frames</MAX_LAPDm>\n<GPRS_MS_TXPWR_MAX_CCH>11</GPRS_MS_TXPWR_MAX_CCH>\n"
     "<Cell_Identity>\n<Cell_Identity>4660</Cell_Identity>\n</Cell_Identity>\n</DTM_Information_Rest_Octets>\n"
     "</DTM_INFORMATION>\n"},
    {"dtm_information_mbms_additions", 0, "06 4d | 62 02 10 12 34 05 | 04 6b 12 34 f0",
     "<DTM_INFORMATION>\n" DTM_RAI "<DTM_Information_Rest_Octets>\n<legth>4</legth>\n<MAX_LAPDm>\n"
     "(3)Any message segmented in up to8LAPDm frames</MAX_LAPDm>\n<GPRS_MS_TXPWR_MAX_CCH>11</GPRS_MS_TXPWR_MAX_CCH>\n"
     "<Cell_Identity>\n<Cell_Identity>4660</Cell_Identity>\n</Cell_Identity>\n"
     "<DEDICATED_MODE_MBMS_NOTIFICATION_SUPPORT>\n"
     "(1)The cell supports the Dedicated Mode MBMS Notification procedures</DEDICATED_MODE_MBMS_NOTIFICATION_SUPPORT>\n"
     "<MNCI_SUPPORT>\n(1)The cell supports the distribution of MBMS NEIGHBOURING CELL INFORMATION messages"
     "</MNCI_SUPPORT>\n</DTM_Information_Rest_Octets>\n</DTM_INFORMATION>\n"},
    // H, but MBMS procedures not supported by the cell.
    {"dtm_information_high_without_mbms", 0, "06 4d | 62 02 10 12 34 05 | 04 6b 12 34 80",
     "<DTM_INFORMATION>\n" DTM_RAI "<DTM_Information_Rest_Octets>\n<legth>4</legth>\n<MAX_LAPDm>\n"
     "(3)Any message segmented in up to8LAPDm frames</MAX_LAPDm>\n<GPRS_MS_TXPWR_MAX_CCH>11</GPRS_MS_TXPWR_MAX_CCH>\n"
     "<Cell_Identity>\n<Cell_Identity>4660</Cell_Identity>\n</Cell_Identity>\n</DTM_Information_Rest_Octets>\n"
     "</DTM_INFORMATION>\n"},
    {"dtm_assignment_with_packet_assignments", 0,
     "06 4c | 00 | 0d 02 d5 | 05 00 00 00 00 00 | 11 01 | 15 04 50 c9 96 14 | 16 03 30 01 38",
     "<DTM_ASSIGNMENT_COMMAND>\n<Power_Command>\n<FPC>\n(0)FPC not in use</FPC>\n<POWER_LEVEL>0</POWER_LEVEL>\n"
     "</Power_Command>\n<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n<GSM_GPRS_Broadcast_Information>\n<Length>5</Length>\n<GPRS_Cell_Options>\n"
     "<NMO>0</NMO>\n<T3168>0</T3168>\n<T3192>\n(0)time 500 msec</T3192>\n<DRX_TIMER_MAX>0</DRX_TIMER_MAX>\n"
     "<ACCESS_BURST_TYPE>0</ACCESS_BURST_TYPE>\n<CONTROL_ACK_TYPE>0</CONTROL_ACK_TYPE>\n<BS_CV_MAX>0</BS_CV_MAX>\n"
     "</GPRS_Cell_Options>\n<GPRS_Power_Control>\n<ALPHA>\n(0)0.000000</ALPHA>\n<T_AVG_W>0</T_AVG_W>\n"
     "<T_AVG_T>0</T_AVG_T>\n<PC_MEAS_CHAN>0</PC_MEAS_CHAN>\n<N_AVG_I>0</N_AVG_I>\n</GPRS_Power_Control>\n"
     "</GSM_GPRS_Broadcast_Information>\n" SPEECH_V1_MODE
     "<RR_Packet_Uplink_Assignment>\n<Length>4</Length>\n<CHANNEL_CODING_COMMAND>\n(1)CS-2<CHANNEL_CODING_COMMAND>\n"
     "<TLLI_BLOCK_CHANNEL_CODING>0</TLLI_BLOCK_CHANNEL_CODING>\n<Packet_Timing_Advance>\n"
     "<TIMING_ADVANCE_VALUE>3</TIMING_ADVANCE_VALUE>\n</Packet_Timing_Advance>\n<Allocation>\n"
     "(1)Dynamic Allocation</Allocation>\n<Dynamic_Allocation>\n"
     "<Extended_Dynamic_Allocation>0</Extended_Dynamic_Allocation>\n<USF_GRANULARITY>1</USF_GRANULARITY>\n"
     "<UPLINK_TFI_ASSIGNMENT>5</UPLINK_TFI_ASSIGNMENT>\n<RLC_DATA_BLOCKS_GRANTED>\n(10)10 RLC data blocks"
     "<RLC_DATA_BLOCKS_GRANTED>\n<Timeslot_Allocation>\n</Timeslot_Allocation>\n</Dynamic_Allocation>\n"
     "</RR_Packet_Uplink_Assignment>\n"
     "<Packet_Downlink_Assignment>\n<Length>3</Length>\n<MAC_MODE>0</MAC_MODE>\n<RLC_MODE>1</RLC_MODE>\n"
     "<TIMESLOT_ALLOCATION>128</TIMESLOT_ALLOCATION>\n<Packet_Timing_Advance>\n</Packet_Timing_Advance>\n"
     "<DOWNLINK_TFI_ASSIGNMENT>7</DOWNLINK_TFI_ASSIGNMENT>\n</Packet_Downlink_Assignment>\n"
     "</DTM_ASSIGNMENT_COMMAND>\n"},
    // Timeslot allocation with power control: ALPHA 5, only timeslot 1 with USF 3 and GAMMA 7.
    {"dtm_assignment_uplink_timeslots_with_power_control", 0,
     "06 4c | 00 | 0d 02 d5 | 05 00 00 00 00 00 | 15 05 02 0a ac e0 00",
     "<DTM_ASSIGNMENT_COMMAND>\n<Power_Command>\n<FPC>\n(0)FPC not in use</FPC>\n<POWER_LEVEL>0</POWER_LEVEL>\n"
     "</Power_Command>\n<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n<GSM_GPRS_Broadcast_Information>\n<Length>5</Length>\n<GPRS_Cell_Options>\n"
     "<NMO>0</NMO>\n<T3168>0</T3168>\n<T3192>\n(0)time 500 msec</T3192>\n<DRX_TIMER_MAX>0</DRX_TIMER_MAX>\n"
     "<ACCESS_BURST_TYPE>0</ACCESS_BURST_TYPE>\n<CONTROL_ACK_TYPE>0</CONTROL_ACK_TYPE>\n<BS_CV_MAX>0</BS_CV_MAX>\n"
     "</GPRS_Cell_Options>\n<GPRS_Power_Control>\n<ALPHA>\n(0)0.000000</ALPHA>\n<T_AVG_W>0</T_AVG_W>\n"
     "<T_AVG_T>0</T_AVG_T>\n<PC_MEAS_CHAN>0</PC_MEAS_CHAN>\n<N_AVG_I>0</N_AVG_I>\n</GPRS_Power_Control>\n"
     "</GSM_GPRS_Broadcast_Information>\n"
     "<RR_Packet_Uplink_Assignment>\n<Length>5</Length>\n<CHANNEL_CODING_COMMAND>\n(0)CS-1<CHANNEL_CODING_COMMAND>\n"
     "<TLLI_BLOCK_CHANNEL_CODING>0</TLLI_BLOCK_CHANNEL_CODING>\n<Packet_Timing_Advance>\n</Packet_Timing_Advance>\n"
     "<Allocation>\n(1)Dynamic Allocation</Allocation>\n<Dynamic_Allocation>\n"
     "<Extended_Dynamic_Allocation>0</Extended_Dynamic_Allocation>\n<USF_GRANULARITY>0</USF_GRANULARITY>\n"
     "<Timeslot_Allocation_with_Power_Control_Parameters>\n<ALPHA>\n(5)0.500000</ALPHA>\n<USF_TN1>3</USF_TN1>\n"
     "<GAMMA_TN1>7</GAMMA_TN1>\n</Timeslot_Allocation_with_Power_Control_Parameters>\n</Dynamic_Allocation>\n"
     "</RR_Packet_Uplink_Assignment>\n</DTM_ASSIGNMENT_COMMAND>\n"},
    // Single block allocation with ALPHA/GAMMA and power, then EGPRS parameters ending on the last bit.
    {"dtm_assignment_uplink_single_block_egprs", 0, DTM_HEAD "15 06 b1 53 a9 e5 44 76",
     "<DTM_ASSIGNMENT_COMMAND>\n" DTM_HEAD_DOC
     "<RR_Packet_Uplink_Assignment>\n<Length>6</Length>\n<CHANNEL_CODING_COMMAND>\n(2)CS-3<CHANNEL_CODING_COMMAND>\n"
     "<TLLI_BLOCK_CHANNEL_CODING>1</TLLI_BLOCK_CHANNEL_CODING>\n<Packet_Timing_Advance>\n"
     "<TIMING_ADVANCE_VALUE>5</TIMING_ADVANCE_VALUE>\n</Packet_Timing_Advance>\n<Allocation>\n"
     "(2)Single Block Allocation</Allocation>\n<Single_Block_Allocation>\n<TIMESLOT_NUMBER>3</TIMESLOT_NUMBER>\n"
     "<ALPHA>\n(5)0.500000</ALPHA>\n<GAMMA_TN>7</GAMMA_TN>\n<P0>\n(2)P0=4dB</P0>\n"
     "<BTS_PWR_CTRL_MODE>1</BTS_PWR_CTRL_MODE>\n<PR_MODE>0</PR_MODE>\n</Single_Block_Allocation>\n"
     "<EGPRS_Parameters>\n<EGPRS_Window_Size>\n(2)128</EGPRS_Window_Size>\n"
     "<EGPRS_CHANNEL_CODING_COMMAND>3</EGPRS_CHANNEL_CODING_COMMAND>\n<BEP_PERIOD2>6</BEP_PERIOD2>\n"
     "</EGPRS_Parameters>\n</RR_Packet_Uplink_Assignment>\n</DTM_ASSIGNMENT_COMMAND>\n"},
    // Fixed allocation: the value only; the bits after it are not read as EGPRS parameters.
    {"dtm_assignment_uplink_fixed_allocation", 0, DTM_HEAD "15 03 c7 ff f8",
     "<DTM_ASSIGNMENT_COMMAND>\n" DTM_HEAD_DOC
     "<RR_Packet_Uplink_Assignment>\n<Length>3</Length>\n<CHANNEL_CODING_COMMAND>\n(3)CS-4<CHANNEL_CODING_COMMAND>\n"
     "<TLLI_BLOCK_CHANNEL_CODING>0</TLLI_BLOCK_CHANNEL_CODING>\n<Packet_Timing_Advance>\n</Packet_Timing_Advance>\n"
     "<Allocation>\n(3)Fixed Allocation</Allocation>\n</RR_Packet_Uplink_Assignment>\n</DTM_ASSIGNMENT_COMMAND>\n"},
    // Downlink EGPRS window 31 (reserved) and link quality mode 2, no BEP_PERIOD2.
    {"dtm_assignment_downlink_egprs", 0, DTM_HEAD "16 04 00 20 7f 00",
     "<DTM_ASSIGNMENT_COMMAND>\n" DTM_HEAD_DOC
     "<Packet_Downlink_Assignment>\n<Length>4</Length>\n<MAC_MODE>0</MAC_MODE>\n<RLC_MODE>0</RLC_MODE>\n"
     "<TIMESLOT_ALLOCATION>1</TIMESLOT_ALLOCATION>\n<Packet_Timing_Advance>\n</Packet_Timing_Advance>\n"
     "<EGPRS_Window_Size>\n(31)Reserved</EGPRS_Window_Size>\n"
     "<LINK_QUALITY_MEASUREMENT_MODE>2</LINK_QUALITY_MEASUREMENT_MODE>\n</Packet_Downlink_Assignment>\n"
     "</DTM_ASSIGNMENT_COMMAND>\n"},
    // The EGPRS flag is set but its fields would run past the element: not shown.
    {"dtm_assignment_downlink_egprs_cut", 0, DTM_HEAD "16 03 00 20 7c",
     "<DTM_ASSIGNMENT_COMMAND>\n" DTM_HEAD_DOC
     "<Packet_Downlink_Assignment>\n<Length>3</Length>\n<MAC_MODE>0</MAC_MODE>\n<RLC_MODE>0</RLC_MODE>\n"
     "<TIMESLOT_ALLOCATION>1</TIMESLOT_ALLOCATION>\n<Packet_Timing_Advance>\n</Packet_Timing_Advance>\n"
     "</Packet_Downlink_Assignment>\n</DTM_ASSIGNMENT_COMMAND>\n"},
    // Extension information of 16 bits: EGPRS and BEP_PERIOD 5, the flags up to the MBMS group, which the length
    // cuts after its first field; the power control parameters start after the announced bits.
    {"dtm_assignment_broadcast_extension_cut_in_mbms", 0, "06 4c | 00 | 0d 02 d5 | 08 00 00 27 eb ff d4 22 98",
     "<DTM_ASSIGNMENT_COMMAND>\n<Power_Command>\n<FPC>\n(0)FPC not in use</FPC>\n<POWER_LEVEL>0</POWER_LEVEL>\n"
     "</Power_Command>\n<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n<GSM_GPRS_Broadcast_Information>\n<Length>8</Length>\n" CELL_OPTIONS_ZERO
     "<Extension_Information>\n<Length>15</Length>\n<EGPRS>1</EGPRS>\n"
     "<EGPRS_PACKET_CHANNEL_REQUEST>1</EGPRS_PACKET_CHANNEL_REQUEST>\n<BEP_PERIOD>5</BEP_PERIOD>\n"
     "<PFC_FEATURE_MODE>1</PFC_FEATURE_MODE>\n<DTM_SUPPORT>1</DTM_SUPPORT>\n"
     "<BSS_PAGING_COORDINATION>1</BSS_PAGING_COORDINATION>\n<CCN_ACTIVE>1</CCN_ACTIVE>\n<NW_EXT_UTBF>1</NW_EXT_UTBF>\n"
     "<MULTIPLE_TBF_CAPABILITY>1</MULTIPLE_TBF_CAPABILITY>\n<EXT_UTBF_NO_DATA>1</EXT_UTBF_NO_DATA>\n"
     "<DTM_ENHANCEMENTS_CAPABILITY>1</DTM_ENHANCEMENTS_CAPABILITY>\n<MBMS>1</MBMS>\n"
     "<DEDICATED_MODE_MBMS_NOTIFICATION_SUPPORT>1</DEDICATED_MODE_MBMS_NOTIFICATION_SUPPORT>\n"
     "</Extension_Information>\n</GPRS_Cell_Options>\n<GPRS_Power_Control>\n<ALPHA>\n(10)1.000000</ALPHA>\n"
     "<T_AVG_W>16</T_AVG_W>\n<T_AVG_T>17</T_AVG_T>\n<PC_MEAS_CHAN>0</PC_MEAS_CHAN>\n<N_AVG_I>9</N_AVG_I>\n"
     "</GPRS_Power_Control>\n</GSM_GPRS_Broadcast_Information>\n</DTM_ASSIGNMENT_COMMAND>\n"},
    // 32 extension bits without EGPRS or MBMS: the release 7 flag is the last field taken, the rest spare.
    {"dtm_assignment_broadcast_extension_release_7", 0, "06 4c | 00 | 0d 02 d5 | 0a 00 00 2f 80 1f ff ff 98 00 00",
     "<DTM_ASSIGNMENT_COMMAND>\n<Power_Command>\n<FPC>\n(0)FPC not in use</FPC>\n<POWER_LEVEL>0</POWER_LEVEL>\n"
     "</Power_Command>\n<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n<GSM_GPRS_Broadcast_Information>\n<Length>10</Length>\n" CELL_OPTIONS_ZERO
     "<Extension_Information>\n<Length>31</Length>\n<EGPRS>0</EGPRS>\n<PFC_FEATURE_MODE>0</PFC_FEATURE_MODE>\n"
     "<DTM_SUPPORT>0</DTM_SUPPORT>\n<BSS_PAGING_COORDINATION>0</BSS_PAGING_COORDINATION>\n"
     "<CCN_ACTIVE>0</CCN_ACTIVE>\n<NW_EXT_UTBF>0</NW_EXT_UTBF>\n<MULTIPLE_TBF_CAPABILITY>0</MULTIPLE_TBF_CAPABILITY>\n"
     "<EXT_UTBF_NO_DATA>0</EXT_UTBF_NO_DATA>\n<DTM_ENHANCEMENTS_CAPABILITY>0</DTM_ENHANCEMENTS_CAPABILITY>\n"
     "<MBMS>0</MBMS>\n<REDUCED_LATENCY_ACCESS>1</REDUCED_LATENCY_ACCESS>\n</Extension_Information>\n"
     "</GPRS_Cell_Options>\n<GPRS_Power_Control>\n<ALPHA>\n(3)0.300000</ALPHA>\n<T_AVG_W>0</T_AVG_W>\n"
     "<T_AVG_T>0</T_AVG_T>\n<PC_MEAS_CHAN>0</PC_MEAS_CHAN>\n<N_AVG_I>0</N_AVG_I>\n</GPRS_Power_Control>\n"
     "</GSM_GPRS_Broadcast_Information>\n</DTM_ASSIGNMENT_COMMAND>\n"},
    {"dtm_reject_wait", 0, "06 49 | 0a",
     "<DTM_REJECT>\n<DTM_wait_indication>10</DTM_wait_indication>\n</DTM_REJECT>\n"},
    {"ia_extended_with_starting_time", 0,
     "06 39 | 00 | 0d 02 d5 | 00 00 00 | 01 | 0d 02 d5 | 00 00 00 | 02 | 00 | 7c 12 34",
     "<IMMEDIATE_ASSIGNMENT_EXTENDED>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>1</Timing_advance_value>\n</Timing_Advance>\n"
     "<Channel_Description>\n" CHANNEL_725 "</Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>2</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
     "<StartingTime>\n<T1>2</T1>\n<T3>17</T3>\n<T2>20</T2>\n</StartingTime>\n</IMMEDIATE_ASSIGNMENT_EXTENDED>\n"},
    {"ia_extended_starting_time_cut", 0,
     "06 39 | 00 | 0d 02 d5 | 00 00 00 | 01 | 0d 02 d5 | 00 00 00 | 02 | 00 | 7c 12",
     "<IMMEDIATE_ASSIGNMENT_EXTENDED>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>1</Timing_advance_value>\n</Timing_Advance>\n"
     "<Channel_Description>\n" CHANNEL_725 "</Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>2</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
     "</IMMEDIATE_ASSIGNMENT_EXTENDED>\n"},
};

// IMMEDIATE ASSIGNMENT and its relatives: layouts chosen by their own fields.
const Golden kImmediateAssignments[] = {
    {"ia_dedicated_padding_rest", 0, "06 3f | 00 | 0d 02 d5 | 12 34 56 | 05 | 00 | 2b 2b",
     "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>0</TMA>\n"
     "<downlink_>0</downlink_>\n<T_D>0</T_D>\nassigns a dedicated mode resource</Dedicated_mode_or_TBF>\n"
     "<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n<Request_Reference>\n<RA>18</RA>\n<T1>6</T1>\n<T2>22</T2>\n<T3>34</T3>\n"
     "</Request_Reference>\n<Timing_Advance>\n<Timing_advance_value>5</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
     "<IA_Rest_Octets>\n</IA_Rest_Octets>\n</IMMEDIATE_ASSIGNMENT>\n"},
    // Dedicated: the compressed handover information bit is L; release 13 implicit reject PS, PEO 0, RCC 5.
    {"ia_dedicated_release_13", 0, "06 3f | 00 | 0d 02 d5 | 12 34 56 | 05 | 00 | 39 6b 2b",
     "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>0</TMA>\n"
     "<downlink_>0</downlink_>\n<T_D>0</T_D>\nassigns a dedicated mode resource</Dedicated_mode_or_TBF>\n"
     "<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n<Request_Reference>\n<RA>18</RA>\n<T1>6</T1>\n<T2>22</T2>\n<T3>34</T3>\n"
     "</Request_Reference>\n<Timing_Advance>\n<Timing_advance_value>5</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
     "<IA_Rest_Octets>\n<Implicit_Reject_PS>1</Implicit_Reject_PS>\n<PEO_BCCH_CHANGE_MARK>0</PEO_BCCH_CHANGE_MARK>\n"
     "<RCC>5</RCC>\n</IA_Rest_Octets>\n</IMMEDIATE_ASSIGNMENT>\n"},
    // Frequency parameters, then H for the compressed handover information and the release 13 fields.
    {"ia_frequency_parameters_then_release_13", 0, "06 3f | 00 | 0d 02 d5 | 00 00 00 | 05 | 00 | 82 05 01 f5 ab 2b",
     "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>0</TMA>\n"
     "<downlink_>0</downlink_>\n<T_D>0</T_D>\nassigns a dedicated mode resource</Dedicated_mode_or_TBF>\n"
     "<Channel_Description>\n" CHANNEL_725 "</Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>5</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
     "<IA_Rest_Octets>\n<Frequency_Parameters>\n<Length_of_frequency_parameters>2</Length_of_frequency_parameters>\n"
     "<MAIO>5</MAIO>\n<Mobile_Allocation>\n<Length_of_mobile_allocation>1</Length_of_mobile_allocation>\n"
     "<MAC>1</MAC>\n</Mobile_Allocation>\n</Frequency_Parameters>\n"
     "<Compressed_Inter_RAT_HO_INFO_IND>1</Compressed_Inter_RAT_HO_INFO_IND>\n<Implicit_Reject_PS>1</"
     "Implicit_Reject_PS>\n"
     "<PEO_BCCH_CHANGE_MARK>2</PEO_BCCH_CHANGE_MARK>\n<RCC>5</RCC>\n</IA_Rest_Octets>\n</IMMEDIATE_ASSIGNMENT>\n"},
    // Frequency parameters before time: MAIO 5, a one-octet mobile allocation with MA C(8) and C(1) set.
    {"ia_frequency_parameters_before_time", 0, "06 3f | 00 | 0d 02 d5 | 00 00 00 | 05 | 00 | 82 05 81 2b",
     "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>0</TMA>\n"
     "<downlink_>0</downlink_>\n<T_D>0</T_D>\nassigns a dedicated mode resource</Dedicated_mode_or_TBF>\n"
     "<Channel_Description>\n" CHANNEL_725 "</Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>5</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
     "<IA_Rest_Octets>\n<Frequency_Parameters>\n<Length_of_frequency_parameters>2</Length_of_frequency_parameters>\n"
     "<MAIO>5</MAIO>\n<Mobile_Allocation>\n<Length_of_mobile_allocation>1</Length_of_mobile_allocation>\n"
     "<MAC>8</MAC>\n<MAC>1</MAC>\n</Mobile_Allocation>\n</Frequency_Parameters>\n</IA_Rest_Octets>\n"
     "</IMMEDIATE_ASSIGNMENT>\n"},
    // Announced 9 octets, one mobile allocation octet held: the allocation keeps what the message holds.
    {"ia_frequency_parameters_cut_short", 0, "06 3f | 00 | 0d 02 d5 | 00 00 00 | 05 | 00 | 89 05 40",
     "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>0</TMA>\n"
     "<downlink_>0</downlink_>\n<T_D>0</T_D>\nassigns a dedicated mode resource</Dedicated_mode_or_TBF>\n"
     "<Channel_Description>\n" CHANNEL_725 "</Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>5</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
     "<IA_Rest_Octets>\n<Frequency_Parameters>\n<Length_of_frequency_parameters>9</Length_of_frequency_parameters>\n"
     "<MAIO>5</MAIO>\n<Mobile_Allocation>\n<Length_of_mobile_allocation>1</Length_of_mobile_allocation>\n"
     "<MAC>7</MAC>\n</Mobile_Allocation>\n</Frequency_Parameters>\n</IA_Rest_Octets>\n"
     "</IMMEDIATE_ASSIGNMENT>\n"},
    // Starting time T1' 2, T3 17, T2 20, then filler rest octets.
    {"ia_starting_time_then_rest", 0, "06 3f | 00 | 0d 02 d5 | 00 00 00 | 05 | 00 | 7c 12 34 | 2b",
     "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>0</TMA>\n"
     "<downlink_>0</downlink_>\n<T_D>0</T_D>\nassigns a dedicated mode resource</Dedicated_mode_or_TBF>\n"
     "<Channel_Description>\n" CHANNEL_725 "</Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>5</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
     "<StartingTime>\n<T1>2</T1>\n<T3>17</T3>\n<T2>20</T2>\n</StartingTime>\n<IA_Rest_Octets>\n</IA_Rest_Octets>\n"
     "</IMMEDIATE_ASSIGNMENT>\n"},
    // 0x7C with one octet after it: the starting time is flagged, nothing more is read.
    {"ia_starting_time_cut", 0, "06 3f | 00 | 0d 02 d5 | 00 00 00 | 05 | 00 | 7c 12",
     "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>0</TMA>\n"
     "<downlink_>0</downlink_>\n<T_D>0</T_D>\nassigns a dedicated mode resource</Dedicated_mode_or_TBF>\n"
     "<Channel_Description>\n" CHANNEL_725 "</Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>5</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
     "<StartingTime>\n<T1>0</T1>\n<T3>0</T3>\n<T2>0</T2>\n</StartingTime>\n</IMMEDIATE_ASSIGNMENT>\n"},
    {"ia_mobile_allocation_overruns", 0, "06 3f | 00 | 0d 02 d5 | 00 00 00 | 05 | 03 01",
     "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>0</TMA>\n"
     "<downlink_>0</downlink_>\n<T_D>0</T_D>\nassigns a dedicated mode resource</Dedicated_mode_or_TBF>\n"
     "<Channel_Description>\n" CHANNEL_725 "</Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>5</Timing_advance_value>\n</Timing_Advance>\n"
     "</IMMEDIATE_ASSIGNMENT>\n"},
    {"ia_downlink_only_reads_reference_at_octet_3", 0, "06 3f | 40 | 00 00 00 | 00 | 01 80 | 00",
     "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>1</TMA>\n"
     "<downlink_>0</downlink_>\n<T_D>0</T_D>\nNot used</Dedicated_mode_or_TBF>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>0</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>1</Length_of_mobile_allocation>\n<MAC>8</MAC>\n"
     "</Mobile_Allocation>\n<IA_Rest_Octets>\n<Compressed_Inter_RAT_HO_INFO_IND>1</Compressed_Inter_RAT_HO_INFO_IND>\n"
     "</IA_Rest_Octets>\n</IMMEDIATE_ASSIGNMENT>\n"},
    // The zero octet after it holds no R99 or release 6 additions but an H for release 10.
    {"ia_uplink_tbf_with_packet_uplink_assignment", 0, "06 3f | 10 | 0a a0 64 | 00 00 00 | 05 | 00 | c8 ca 2d 1c 00",
     "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>0</TMA>\n"
     "<downlink_>0</downlink_>\n<T_D>1</T_D>\nassigns an uplink TBF or is the second message of two in a two "
     "message assignment of an uplink or downlink TBF</Dedicated_mode_or_TBF>\n<Packet_Channel_Description>\n"
     "<Channel_type>1</Channel_type>\n<TN>2</TN>\n<TSC>5</TSC>\n<ARFCN>100</ARFCN>\n"
     "</Packet_Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>5</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
     "<IA_Rest_Octets>\n<IA_Packet_Uplink_Assignment>\n<TFI_ASSIGNMENT>3</TFI_ASSIGNMENT>\n<POLLING>0</POLLING>\n"
     "<Dynamic_Allocation>\n<USF>5</USF>\n<USF_GRANULARITY>0</USF_GRANULARITY>\n</Dynamic_Allocation>\n"
     "<CHANNEL_CODING_COMMAND>\n(1)CS-2<CHANNEL_CODING_COMMAND>\n"
     "<TLLI_BLOCK_CHANNEL_CODING>0</TLLI_BLOCK_CHANNEL_CODING>\n<ALPHA>\n(10)1.000000</ALPHA>\n<GAMMA>7</GAMMA>\n"
     "</IA_Packet_Uplink_Assignment>\n<Implicit_Reject_CS>0</Implicit_Reject_CS>\n"
     "<Implicit_Reject_PS>0</Implicit_Reject_PS>\n</IA_Rest_Octets>\n</IMMEDIATE_ASSIGNMENT>\n"},
    // Downlink assignment: TLLI, no TFI group, TAI 9, no starting time, no power; the release additions are
    // flagged by an H bit (0 where the filler has 1), window size 0. The release 7 group that follows is cut
    // by the message's end and not shown.
    {"ia_downlink_tbf_with_egprs_window", 0, "06 3f | 30 | 0a a0 64 | 00 00 00 | 00 | 00 | d1 23 45 67 86 40 00",
     "<IMMEDIATE_ASSIGNMENT>\n<Page_Mode>\n(0)Normal_paging</Page_Mode>\n<Dedicated_mode_or_TBF>\n<TMA>0</TMA>\n"
     "<downlink_>1</downlink_>\n<T_D>1</T_D>\nassigns a downlink TBF to the mobile station identified in the IA Rest "
     "Octets IE</Dedicated_mode_or_TBF>\n<Packet_Channel_Description>\n<Channel_type>1</Channel_type>\n<TN>2</TN>\n"
     "<TSC>5</TSC>\n<ARFCN>100</ARFCN>\n</Packet_Channel_Description>\n" ZERO_REFERENCE
     "<Timing_Advance>\n<Timing_advance_value>0</Timing_advance_value>\n</Timing_Advance>\n"
     "<Mobile_Allocation>\n<Length_of_mobile_allocation>0</Length_of_mobile_allocation>\n</Mobile_Allocation>\n"
     "<IA_Rest_Octets>\n<IA_Packet_Downlink_Assignment>\n<TLLI>\n0x12345678</TLLI>\n"
     "<TIMING_ADVANCE_INDEX>9</TIMING_ADVANCE_INDEX>\n<EGPRS_Window_Size>\n(0)64</EGPRS_Window_Size>\n"
     "<LINK_QUALITY_MEASUREMENT_MODE>0</LINK_QUALITY_MEASUREMENT_MODE>\n</IA_Packet_Downlink_Assignment>\n"
     "</IA_Rest_Octets>\n</IMMEDIATE_ASSIGNMENT>\n"},
    // R99 window, release 6 PFI 42, release 7: H, 1 NPM 10101 (21), 1 (RTTI TBF), EVENT_BASED_FANR 1,
    // PDCH PAIR INDICATION 011, EGPRS level 01.
    {"ia_downlink_release_6_and_7", 0, "06 3f | 30 | 0a a0 64 | 00 00 00 | 00 | 00 | d1 23 45 67 86 40 06 a9 ae db 2b",
     IA_TBF_HEAD(
         "1", "assigns a downlink TBF to the mobile station identified in the IA Rest Octets IE",
         "0") "<IA_Rest_Octets>\n<IA_Packet_Downlink_Assignment>\n<TLLI>\n0x12345678</TLLI>\n"
              "<TIMING_ADVANCE_INDEX>9</TIMING_ADVANCE_INDEX>\n<EGPRS_Window_Size>\n(0)64</EGPRS_Window_Size>\n"
              "<LINK_QUALITY_MEASUREMENT_MODE>0</LINK_QUALITY_MEASUREMENT_MODE>\n<PFI>42</PFI>\n"
              "<NPM_Transfer_Time>21</NPM_Transfer_Time>\n<TTI_MODE>\n(1)downlink RTTI TBF</TTI_MODE>\n"
              "<EVENT_BASED_FANR>1</EVENT_BASED_FANR>\n<PDCH_PAIR_INDICATION>3</PDCH_PAIR_INDICATION>\n"
              "<Downlink_EGPRS_Level>1</Downlink_EGPRS_Level>\n</IA_Packet_Downlink_Assignment>\n</IA_Rest_Octets>\n"
              "</IMMEDIATE_ASSIGNMENT>\n"},
    // Single block: P0 flagged by H, R99 Extended RA 31, release 6 PFI 85, release 10 implicit reject CS.
    {"ia_uplink_single_block_release_additions", 0,
     "06 3f | 10 | 0a a0 64 | 00 00 00 | 05 | 00 | c0 e8 91 a4 a7 fd 55 2b 2b",
     IA_TBF_HEAD("0",
                 "assigns an uplink TBF or is the second message of two in a two message assignment of an uplink or "
                 "downlink TBF",
                 "5") "<IA_Rest_Octets>\n<IA_Packet_Uplink_Assignment>\n<Single_Block_Allocation>\n<GAMMA>7</GAMMA>\n"
                      "<TBF_STARTING_TIME>4660</TBF_STARTING_TIME>\n<P0>\n(2)P0=4dB</P0>\n<BTS_PWR_CTRL_MODE>1</"
                      "BTS_PWR_CTRL_MODE>\n"
                      "<PR_MODE>0</PR_MODE>\n<Extended_RA>31</Extended_RA>\n<PFI>85</PFI>\n</Single_Block_Allocation>\n"
                      "</IA_Packet_Uplink_Assignment>\n<Implicit_Reject_CS>1</Implicit_Reject_CS>\n"
                      "<Implicit_Reject_PS>0</Implicit_Reject_PS>\n</IA_Rest_Octets>\n</IMMEDIATE_ASSIGNMENT>\n"},
    // Second part: the Extended RA follows an R99 H bit; release 10 and 13 additions after it.
    {"ia_second_part_release_10_and_13", 0, "06 3f | 10 | 0a a0 64 | 00 00 00 | 05 | 00 | fa de cb 2b",
     IA_TBF_HEAD("0",
                 "assigns an uplink TBF or is the second message of two in a two message assignment of an uplink or "
                 "downlink TBF",
                 "5") "<IA_Rest_Octets>\n<Second_Part_Packet_Assignment>\n<Extended_RA>11</Extended_RA>\n"
                      "</Second_Part_Packet_Assignment>\n<Implicit_Reject_CS>1</Implicit_Reject_CS>\n"
                      "<Implicit_Reject_PS>1</Implicit_Reject_PS>\n<PEO_BCCH_CHANGE_MARK>2</"
                      "PEO_BCCH_CHANGE_MARK>\n<RCC>6</RCC>\n"
                      "</IA_Rest_Octets>\n</IMMEDIATE_ASSIGNMENT>\n"},
    // The filler after a second part reads as L everywhere: nothing but the block.
    {"ia_second_part_filler", 0, "06 3f | 10 | 0a a0 64 | 00 00 00 | 05 | 00 | eb 2b 2b",
     IA_TBF_HEAD(
         "0",
         "assigns an uplink TBF or is the second message of two in a two message assignment of an uplink or "
         "downlink TBF",
         "5") "<IA_Rest_Octets>\n<Second_Part_Packet_Assignment>\n</Second_Part_Packet_Assignment>\n</IA_Rest_Octets>\n"
              "</IMMEDIATE_ASSIGNMENT>\n"},
    // Plain flag bits: 1 Extended RA 1 10101 (21), 0, 0, 1 Extended RA 4 00001, then L and filler.
    {"iar_extended_ra_1_and_4", 0,
     "06 3a | 00 | 00 00 00 | 0a | 00 00 00 | 00 | 00 00 00 | 00 | 00 00 00 | 00 | d4 87 2b",
     "<IMMEDIATE_ASSIGNMENT_REJECT>\n<Page_Mode>\n(0)Normal//paging</Page_Mode>\n" ZERO_REFERENCE
     "<Wait_Indication1>10</Wait_Indication1>\n" ZERO_REFERENCE
     "<Wait_Indication2>0</Wait_Indication2>\n" ZERO_REFERENCE "<Wait_Indication3>0</Wait_Indication3>\n" ZERO_REFERENCE
     "<Wait_Indication4>0</Wait_Indication4>\n<IA_Rest_Octets>\n<Extended_RA1>\n"
     "The Extended Random Access information related to the Request Reference 1<Extended_RA>21</Extended_RA>\n"
     "</Extended_RA1>\n<Extended_RA4>\n"
     "The Extended Random Access information related to the Request Reference 4<Extended_RA>1</Extended_RA>\n"
     "</Extended_RA4>\n</IA_Rest_Octets>\n</IMMEDIATE_ASSIGNMENT_REJECT>\n"},
    // 0 0 0 0 (no Extended RA), L, then the filler.
    {"iar_no_extended_ra", 0, "06 3a | 00 | 00 00 00 | 0a | 00 00 00 | 00 | 00 00 00 | 00 | 00 00 00 | 00 | 0b 2b 2b",
     "<IMMEDIATE_ASSIGNMENT_REJECT>\n<Page_Mode>\n(0)Normal//paging</Page_Mode>\n" ZERO_REFERENCE
     "<Wait_Indication1>10</Wait_Indication1>\n" ZERO_REFERENCE
     "<Wait_Indication2>0</Wait_Indication2>\n" ZERO_REFERENCE "<Wait_Indication3>0</Wait_Indication3>\n" ZERO_REFERENCE
     "<Wait_Indication4>0</Wait_Indication4>\n<IA_Rest_Octets>\n</IA_Rest_Octets>\n</IMMEDIATE_ASSIGNMENT_REJECT>\n"},
};

// Assignment and handover: mandatory part then an IEI switch.
const Golden kAssignmentShapes[] = {
    // 0x72 (mobile allocation, after time) is an ASSIGNMENT COMMAND element
    // too: the walk goes on past it to 0x63.
    {"assignment_reads_mobile_allocation_after_time", 0, "06 2e | 0d 02 d5 | 00 | 72 01 80 | 63 01",
     "<ASSIGNMENT_COMMAND>\n<Description_of_the_first_channel__after_time>\n<Channel_Description2>\n" CHANNEL_725
     "</Channel_Description2>\n</Description_of_the_first_channel__after_time>\n<Power_Command>\n<FPC>\n"
     "(0)FPC not in use</FPC>\n<POWER_LEVEL>0</POWER_LEVEL>\n</Power_Command>\n<Mode_of_the_First_Channe>\n"
     "<Channel_Mode>\n<Mode>\n(1)speech full rate or half rate version 1</Mode>\n</Channel_Mode>\n"
     "</Mode_of_the_First_Channe>\n<Mobile_Allocation__after_time>\n<Mobile_Allocation>\n"
     "<Length_of_mobile_allocation>1</Length_of_mobile_allocation>\n<MAC>8</MAC>\n</Mobile_Allocation>\n"
     "</Mobile_Allocation__after_time>\n</ASSIGNMENT_COMMAND>\n"},
    // 0x02 belongs to HANDOVER COMMAND only: ASSIGNMENT COMMAND stops there.
    {"assignment_stops_at_handover_only_iei", 0, "06 2e | 0d 02 d5 | 00 | 02 00 00 00 00 00 00 00 00 00 | 63 01",
     "<ASSIGNMENT_COMMAND>\n<Description_of_the_first_channel__after_time>\n<Channel_Description2>\n" CHANNEL_725
     "</Channel_Description2>\n</Description_of_the_first_channel__after_time>\n<Power_Command>\n<FPC>\n"
     "(0)FPC not in use</FPC>\n<POWER_LEVEL>0</POWER_LEVEL>\n</Power_Command>\n</ASSIGNMENT_COMMAND>\n"},
    {"handover_set_5_repeats_open_tag", 0, "06 2b | 41 23 | 0d 02 d5 | 07 | 85 | d5 | 15 01",
     "<Handovercommand>\n<Cell_Description>\n<BCCH_ARFCN>291</BCCH_ARFCN>\n<NCC>0</NCC>\n<BCC>1</BCC>\n"
     "</Cell_Description>\n<Description_of_the_first_channel__after_time>\n<Channel_Description2>\n" CHANNEL_725
     "</Channel_Description2>\n</Description_of_the_first_channel__after_time>\n"
     "<Handover_Reference>7</Handover_Reference>\n<Power_Command_and_access_type>\n<ATC>\n"
     "(1)Sending_of_Handover_access_is_optional</ATC>\n<FPC>\n(0)FPC not in use</FPC>\n"
     "<POWER_LEVEL>5</POWER_LEVEL>\n</Power_Command_and_access_type>\n<Synchronization_Indication>\n<ROT>\n"
     "(1)Mobile_Time_Difference_IE_shall_be_included..in_the_HANDOVER_COMPLETE_message</ROT>\n<SI>\n"
     "(1)Synchronized</SI>\n<NCI>\n(0)Out_of_range_timing_advance_is_ignored</NCI>\n"
     "</Synchronization_Indication>\n<Mode_of_Channel_Set_5>\n" SPEECH_V1_MODE
     "<Mode_of_Channel_Set_5>\n</Handovercommand>\n"},
    // Second channel and before-time elements met out of order come out in the block order; the
    // before-time short list shows its wrapper only.
    {"handover_second_channel_and_before_time_order", 0,
     "06 2b | 41 23 | 0d 02 d5 | 07 | 05 | 66 05 | 1d 0d 02 d5 | 12 00 00 00 00 00 00 00 00 00 | 1c 0d 02 d5 | "
     "64 0d 02 d5",
     "<Handovercommand>\n<Cell_Description>\n<BCCH_ARFCN>291</BCCH_ARFCN>\n<NCC>0</NCC>\n<BCC>1</BCC>\n"
     "</Cell_Description>\n<Description_of_the_first_channel__after_time>\n<Channel_Description2>\n" CHANNEL_725
     "</Channel_Description2>\n</Description_of_the_first_channel__after_time>\n"
     "<Handover_Reference>7</Handover_Reference>\n<Power_Command_and_access_type>\n<ATC>\n"
     "(0)Sending_of_Handover_access_is_mandatory</ATC>\n<FPC>\n(0)FPC not in use</FPC>\n"
     "<POWER_LEVEL>5</POWER_LEVEL>\n</Power_Command_and_access_type>\n"
     "<Description_of_the_Second_Channel__after_time>\n<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n</Description_of_the_Second_Channel__after_time>\n"
     "<Mode_of_the_Second_Channel>\n<Channel_Mode2>\n<Mode>\n(5)speech full rate or half rate version 1</Mode>\n"
     "</Channel_Mode2>\n</Mode_of_the_Second_Channel>\n"
     "<Frequency_Short_List__before_time>\n</Frequency_Short_List__before_time>\n"
     "<Description_of_the_First_Channel__before_time>\n<Channel_Description2>\n" CHANNEL_725
     "</Channel_Description2>\n</Description_of_the_First_Channel__before_time>\n"
     "<Description_of_the_Second_Channel__before_time>\n<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n</Description_of_the_Second_Channel__before_time>\n</Handovercommand>\n"},
    {"handover_mobile_allocation_after_time", 0, "06 2b | 41 23 | 0d 02 d5 | 07 | 05 | 72 01 80",
     "<Handovercommand>\n<Cell_Description>\n<BCCH_ARFCN>291</BCCH_ARFCN>\n<NCC>0</NCC>\n<BCC>1</BCC>\n"
     "</Cell_Description>\n<Description_of_the_first_channel__after_time>\n<Channel_Description2>\n" CHANNEL_725
     "</Channel_Description2>\n</Description_of_the_first_channel__after_time>\n"
     "<Handover_Reference>7</Handover_Reference>\n<Power_Command_and_access_type>\n<ATC>\n"
     "(0)Sending_of_Handover_access_is_mandatory</ATC>\n<FPC>\n(0)FPC not in use</FPC>\n"
     "<POWER_LEVEL>5</POWER_LEVEL>\n</Power_Command_and_access_type>\n"
     "<Mobile_Allocation__after_time>\n<Mobile_Allocation>\n"
     "<Length_of_mobile_allocation>1</Length_of_mobile_allocation>\n<MAC>8</MAC>\n</Mobile_Allocation>\n"
     "</Mobile_Allocation__after_time>\n</Handovercommand>\n"},
    {"handover_time_difference_ta_cipher_dynamic_mapping", 0,
     "06 2b | 41 23 | 0d 02 d5 | 07 | 05 | 93 | 76 05 9c 00 00 0a 00 | 7b 01 20 | 7d 0a | "
     "12 00 00 00 00 00 00 00 00 00",
     "<Handovercommand>\n<Cell_Description>\n<BCCH_ARFCN>291</BCCH_ARFCN>\n<NCC>0</NCC>\n<BCC>1</BCC>\n"
     "</Cell_Description>\n<Description_of_the_first_channel__after_time>\n<Channel_Description2>\n" CHANNEL_725
     "</Channel_Description2>\n</Description_of_the_first_channel__after_time>\n"
     "<Handover_Reference>7</Handover_Reference>\n<Power_Command_and_access_type>\n<ATC>\n"
     "(0)Sending_of_Handover_access_is_mandatory</ATC>\n<FPC>\n(0)FPC not in use</FPC>\n"
     "<POWER_LEVEL>5</POWER_LEVEL>\n</Power_Command_and_access_type>\n<Time_Difference>\n"
     "<Length_of_Time_Difference>1</Length_of_Time_Difference>\n<Time_difference_value>32</Time_difference_value>\n"
     "</Time_Difference>\n<Timing_Advance>\n<Timing_advance_value>10</Timing_advance_value>\n</Timing_Advance>\n"
     "<Frequency_Short_List__before_time>\n</Frequency_Short_List__before_time>\n<Cipher_Mode_Setting>\n<SC>\n"
     "(1)Start_ciphering</SC>\n<algorithm_identifier>\n(1)cipher with algorithm A5 2</algorithm_identifier>\n"
     "</Cipher_Mode_Setting>\n<Dynamic_ARFCN_Mapping>\n<DYNAMIC_ARFCN_MAPPING_Description>\n<GSM_Band>3</GSM_Band>\n"
     "<ARFCN_FIRST>512</ARFCN_FIRST>\n<BAND_OFFSET>0</BAND_OFFSET>\n<ARFCN_RANGE>10</ARFCN_RANGE>\n"
     "</DYNAMIC_ARFCN_MAPPING_Description>\n</Dynamic_ARFCN_Mapping>\n</Handovercommand>\n"},
};

// Paging: identities then rest octets behind a padding test.
const Golden kPagingShapes[] = {
    {"paging1_padding_rest_not_shown", 0, "06 21 | 00 | 05 f4 01 02 03 04 | 2b 2b 2b",
     "<PAGING_REQUEST_TYPE1>\n<Page_Mode>\n(0)Normal//paging</Page_Mode>\n<Channels_Needed_for_Mobiles1_and_2>\n"
     "<CHANNEL_first>0</CHANNEL_first>\n<CHANNEL_second>0</CHANNEL_second>\n"
     "</Channels_Needed_for_Mobiles1_and_2>\n<Mobile_Identity><Type_of_identity>\n(4)TMSI/P-TMSI</Type_of_identity>\n"
     "<odd_even_indication>\n(0)even</odd_even_indication>\n<Identity_Digits>\n0x10203040</Identity_Digits>\n"
     "</Mobile_Identity></PAGING_REQUEST_TYPE1>\n"},
    // P1 (L/H flags): group call 5 (AF, priority A, key 10) on a group channel, then 1 0 and a
    // one-octet mobile allocation (LV), packet page indication 1 set.
    {"paging1_group_call_with_mobile_allocation", 0,
     "06 21 | 00 | 05 f4 00 00 00 01 | 30 00 00 0a fa 86 81 6a c0 30 3b",
     "<PAGING_REQUEST_TYPE1>\n<Page_Mode>\n(0)Normal//paging</Page_Mode>\n<Channels_Needed_for_Mobiles1_and_2>\n"
     "<CHANNEL_first>0</CHANNEL_first>\n<CHANNEL_second>0</CHANNEL_second>\n"
     "</Channels_Needed_for_Mobiles1_and_2>\n<Mobile_Identity><Type_of_identity>\n(4)TMSI/P-TMSI</Type_of_identity>\n"
     "<odd_even_indication>\n(0)even</odd_even_indication>\n<Identity_Digits>\n0x00000010</Identity_Digits>\n"
     "</Mobile_Identity><P1_Rest_Octets>\n<Group_Call_information>\n<Group_Call_reference>\n"
     "<Binary_coding>5</Binary_coding>\n<SF>\n(0)broadcast call reference</SF>\n<AF>\n"
     "(1)acknowledgement is required</AF>\n<Call_priority>\n(7)call priority level A</Call_priority>\n"
     "<Ciphering_information>\n(10)ciphering_with_cipher_key_numbera</Ciphering_information>\n"
     "</Group_Call_reference>\n<Group Channel Description>\n<Channel_Description>\n" CHANNEL_725
     "</Channel_Description>\n<Mobile_Allocation>\n<Length_of_mobile_allocation>1</Length_of_mobile_allocation>\n"
     "<MAC>8</MAC>\n<MAC>1</MAC>\n</Mobile_Allocation>\n</Group Channel Description>\n</Group_Call_information>\n"
     "<Packet_Page_Indication1>\n<Packet_Page_Indication>\n(1)packet paging procedure</Packet_Page_Indication>\n"
     "</Packet_Page_Indication1>\n<Packet_Page_Indication2>\n<Packet_Page_Indication>\n"
     "(0)paging procedure for RR connection establishment</Packet_Page_Indication>\n</Packet_Page_Indication2>\n"
     "</P1_Rest_Octets>\n</PAGING_REQUEST_TYPE1>\n"},
    // A captured P3 block: CN3 and CN4 flagged H, the rest filler.
    {"paging3_captured_channels_needed", 0, "06 24 | a0 | 35 6c 9f 6b f1 e0 99 09 ff 40 28 79 d9 30 43 69 | d3 2b 2b",
     "<PAGING_REQUEST_TYPE2>\n<Page_Mode>\n(0)Normal//paging</Page_Mode>\n<Channels_Needed_for_Mobiles1_and_2>\n"
     "<CHANNEL_first>2</CHANNEL_first>\n<CHANNEL_second>2</CHANNEL_second>\n</Channels_Needed_for_Mobiles1_and_2>\n"
     "<MobileIdentity1>\n<TMSI_P_TMSI>\n0x356c9f6b</TMSI_P_TMSI>\n</MobileIdentity1>\n"
     "<MobileIdentity2>\n<TMSI_P_TMSI>\n0xf1e09909</TMSI_P_TMSI>\n</MobileIdentity2>\n"
     "<MobileIdentity3>\n<TMSI_P_TMSI>\n0xff402879</TMSI_P_TMSI>\n</MobileIdentity3>\n"
     "<MobileIdentity4>\n<TMSI_P_TMSI>\n0xd9304369</TMSI_P_TMSI>\n</MobileIdentity4>\n"
     "<P3_Rest_Octets>\n<CN3>2</CN3>\n<CN4>2</CN4>\n</P3_Rest_Octets>\n</PAGING_REQUEST_TYPE2>\n"},
    {"paging3_reuses_type2_tag", 0, "06 24 | 51 | 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00 04 | 2b 2b 2b",
     "<PAGING_REQUEST_TYPE2>\n<Page_Mode>\n(1)Extended paging</Page_Mode>\n<Channels_Needed_for_Mobiles1_and_2>\n"
     "<CHANNEL_first>1</CHANNEL_first>\n<CHANNEL_second>1</CHANNEL_second>\n</Channels_Needed_for_Mobiles1_and_2>\n"
     "<MobileIdentity1>\n<TMSI_P_TMSI>\n0x1</TMSI_P_TMSI>\n</MobileIdentity1>\n"
     "<MobileIdentity2>\n<TMSI_P_TMSI>\n0x2</TMSI_P_TMSI>\n</MobileIdentity2>\n"
     "<MobileIdentity3>\n<TMSI_P_TMSI>\n0x3</TMSI_P_TMSI>\n</MobileIdentity3>\n"
     "<MobileIdentity4>\n<TMSI_P_TMSI>\n0x4</TMSI_P_TMSI>\n</MobileIdentity4>\n"
     "<P3_Rest_Octets>\n</P3_Rest_Octets>\n</PAGING_REQUEST_TYPE2>\n"},
    // P2 (L/H flags): H CN3 10, H NLN 11 status 1, L, H priority 2 111 (level A), L, then packet
    // page indication 3 right after the priorities: H; L.
    {"paging2_rest_priorities_numbered", 0, "06 22 | 00 | 00 00 00 05 00 00 00 06 | df ff 2b",
     "<PAGING_REQUEST_TYPE2>\n<Page_Mode>\n(0)Normal//paging</Page_Mode>\n<Channels_Needed_for_Mobiles1_and_2>\n"
     "<CHANNEL_first>0</CHANNEL_first>\n<CHANNEL_second>0</CHANNEL_second>\n</Channels_Needed_for_Mobiles1_and_2>\n"
     "<MobileIdentity1>\n<TMSI_P_TMSI>\n0x5</TMSI_P_TMSI>\n</MobileIdentity1>\n"
     "<MobileIdentity2>\n<TMSI_P_TMSI>\n0x6</TMSI_P_TMSI>\n</MobileIdentity2>\n"
     "<P2_Rest_Octets>\n<CN3>2</CN3>\n<NLN>3</NLN>\n<NLN_status>1</NLN_status>\n<Priority2>\n<Priority>\n"
     "(7)call priority level A</Priority>\n</Priority2>\n<Packet_Page_Indication>\n(1)packet paging procedure"
     "</Packet_Page_Indication>\n</P2_Rest_Octets>\n</PAGING_REQUEST_TYPE2>\n"},
    {"notification_nch_padding", 0, "06 20 | 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     "<NOTIFICATION_NCH>\n</NOTIFICATION_NCH>\n"},
    // NLN 2, one group call: reference 1, SF 1, AF 0, priority 0, no ciphering, no channel.
    {"notification_nch_one_group_call", 0, "06 20 | d0 00 00 03 00 00 00",
     "<NOTIFICATION_NCH>\n<NLN_PCH>2</NLN_PCH>\n<List_of_Group_Call_NCH_information>\n<Group_Call_information>\n"
     "<Group_Call_reference>\n<Binary_coding>1</Binary_coding>\n<SF>\n(1)group call reference</SF>\n<AF>\n"
     "(0)acknowledgement is not required</AF>\n<Call_priority>\n(0)no priority applied</Call_priority>\n"
     "<Ciphering_information>\n(0)no ciphering</Ciphering_information>\n</Group_Call_reference>\n"
     "</Group_Call_information>\n</List of_Group_Call_NCH_information>\n</NOTIFICATION_NCH>\n"},
};

std::string body(const Golden& g) { return body_of(decode_hex(g.direction, g.hex).text); }

class RrMsgGolden : public testing::TestWithParam<Golden> {};

TEST_P(RrMsgGolden, DecodesToDocument) { EXPECT_EQ(body(GetParam()), GetParam().document); }

TEST_P(RrMsgGolden, SurvivesEveryTruncation) {
  tharvel_test::decode_every_prefix(GetParam().direction, tharvel_test::octets(GetParam().hex));
}

INSTANTIATE_TEST_SUITE_P(Fixed, RrMsgGolden, testing::ValuesIn(kFixedShapes), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(ImmediateAssignment, RrMsgGolden, testing::ValuesIn(kImmediateAssignments),
                         tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Assignment, RrMsgGolden, testing::ValuesIn(kAssignmentShapes), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Other, RrMsgGolden, testing::ValuesIn(kOtherShapes), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Paging, RrMsgGolden, testing::ValuesIn(kPagingShapes), tharvel_test::golden_name);

template <class F>
std::string rendered(F&& render) {
  std::vector<char> buf(16384, '\0');
  OutputText out(buf.data(), buf.size());
  render(out);
  out.finish();
  return buf.data();
}

TEST(RrMsgMeasurement, NoNcellSevenAndLastBsicOnLastBit) {
  std::vector<uint8_t> o = tharvel_test::octets("ff 40 71 c0 00 00 00 00 00 00 00 00 00 00 00 3f");
  MeasurementResults m{};
  decode_measurement_results(m, bits_of(o.data(), 16));
  EXPECT_EQ(m.no_ncell_m, 7);
  EXPECT_EQ(m.rxqual_full, 7);
  EXPECT_EQ(m.bsic_ncell[5], 63);
  std::string doc = rendered([&](OutputText& out) { render_measurement_results(m, out); });
  EXPECT_NE(doc.find("<NO_NCELL_M>\n(7)Neighbour cell information not available for serving cell</NO_NCELL_M>\n"),
            std::string::npos);
  EXPECT_NE(doc.find("<MEAS_VALID>\n(1)the measurement results are not valid</MEAS_VALID>\n"), std::string::npos);
  EXPECT_NE(doc.find("<BSIC_NCELL>0</BSIC_NCELL>\n<BSIC_NCELL>63</BSIC_NCELL>\n</Measurement_Results>\n"),
            std::string::npos);
}

TEST(RrMsgClassmark3, MultibandFiveWithMeasurementCapability) {
  std::vector<uint8_t> o = tharvel_test::octets("04 50 14 29 88");
  Classmark3 c{};
  decode_classmark3(c, bits_of(o.data(), 5));
  EXPECT_EQ(rendered([&](OutputText& out) { render_classmark3(c, out); }),
            "<Mobile_Station_Classmark_3>\n<Multiband_supported>\n<Band1>\n(1)P-GSM supported</Band1>\n<Band2>\n"
            "(0)E-GSM or R-GSM not supported</Band2>\n<Band3>\n(1)DCS 1800 supported</Band3>\n"
            "</Multiband_supported>\n<A5>\n<A5_4>\n(0)encryption algorithm A5/4 not available</A5_4>\n<A5_5>\n"
            "(0)encryption algorithm A5/5 not available</A5_5>\n<A5_6>\n(0)encryption algorithm A5/6 not available"
            "</A5_6>\n<A5_7>\n(0)encryption algorithm A5/7 not available</A5_7>\n</A5>\n"
            "<Associated_Radio_Capability_2>1</Associated_Radio_Capability_2>\n"
            "<Associated_Radio_Capability_1>4</Associated_Radio_Capability_1>\n<UCS2_treatment>\n"
            "(1)the ME has no preference between the use of the default alphabet and the use of UCS2"
            "</UCS2_treatment>\n<Extended_Measurement_Capability>\n(0)the MS does not support Extended Measurements"
            "</Extended_Measurement_Capability>\n<MS_Measurement_capability>\n<SMS_VALUE>\n(3)LENGTH4/4 timeslot"
            "</SMS_VALUE>\n<SM_VALUE>\n(1)LENGTH2/4 timeslot</SM_VALUE>\n</MS_Measurement_capability>\n"
            "</Mobile_Station_Classmark_3>\n");
}

TEST(RrMsgClassmark3, MultibandSevenReadsNoA5Bits) {
  std::vector<uint8_t> o = tharvel_test::octets("01 70");
  Classmark3 c{};
  decode_classmark3(c, bits_of(o.data(), 2));
  EXPECT_EQ(c.multiband_supported, 7);
  std::string doc = rendered([&](OutputText& out) { render_classmark3(c, out); });
  EXPECT_EQ(doc.find("<A5>"), std::string::npos);
}

TEST(RrMsgChannelRequestDescription, FieldsAndTexts) {
  std::vector<uint8_t> o = tharvel_test::octets("9b 01 02 03 04");
  ChannelRequestDescription d{};
  decode_channel_request_description(d, bits_of(o.data(), 5));
  EXPECT_EQ(rendered([&](OutputText& out) { render_channel_request_description(d, out); }),
            "<Channel_Request_Description>\n<MT_MO>\n(1)Mobile terminated</MT_MO>\n<PRIORITY>\n(2)Priority Level 3"
            "</PRIORITY>\n<RLC_MODE>\n(1)RLC unacknowledged mode</RLC_MODE>\n<LLC_FRAME_TYPE>\n"
            "(1)LLC frame is not SACK or NACK</LLC_FRAME_TYPE>\n<Requested_bandwidth>258</Requested_bandwidth>\n"
            "<RLC_Octet_Count>772</RLC_Octet_Count>\n</Channel_Request_Description>\n");
}

// Only the parts around the shared classmark block are this family's.
TEST(RrMsgInitialisationRequest, CksnCodingTlliAndMeasurements) {
  std::string doc = body_of(decode_hex(1, "06 3c | 97 | 03 33 18 a2 | c0 00 00 2a | 9b 01 02 03 04 | 0c 8e").text);
  EXPECT_EQ(doc.rfind("<RR_Initialisation_Request>\n<Ciphering_Key_Sequence_Number>\n<key_sequence>\n"
                      "(7)No key is available</key_sequence>\n</Ciphering_Key_Sequence_Number>\n"
                      "<Channel_Coding_Requested>\n<CS>\n(1)CS2</CS>\n<MAC_MODE>\n(2)Fixed Allocation, not half "
                      "duplex mode</MAC_MODE>\n</Channel_Coding_Requested>\n<Mobile_Station_Classmark_2>\n",
                      0),
            0u);
  EXPECT_NE(doc.find("</Mobile_Station_Classmark_2>\n<TLLI>\n0xc000002a</TLLI>\n<Channel_Request_Description>\n"),
            std::string::npos);
  EXPECT_NE(doc.find("</Channel_Request_Description>\n<GPRS_Measurement_Results>\n<C_VALUE>3</C_VALUE>\n"
                     "<RXQUAL>1</RXQUAL>\n<SIGN_VAR>7</SIGN_VAR>\n</GPRS_Measurement_Results>\n"
                     "</RR_Initialisation_Request>\n"),
            std::string::npos);
}

TEST(RrMsgGroupCipherKey, EveryNibbleHasText) {
  for (uint8_t v = 0; v < 16; ++v) {
    std::string doc = rendered([&](OutputText& out) { EXPECT_EQ(render_group_cipher_key_number(v, out), 1); });
    EXPECT_NE(doc.find("</Group_cipher_key_number>"), std::string::npos) << int{v};
  }
}

// Random bodies behind every type, with plausible IEIs and lengths sprinkled
// in: each decode reads only its exact-size copy and closes its document.
TEST(RrMsgRobustness, RandomBodiesStayInside) {
  uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
  };
  constexpr uint8_t kIeis[] = {0x01, 0x02, 0x03, 0x05, 0x10, 0x11, 0x12, 0x15, 0x16, 0x17, 0x19,
                               0x1c, 0x1e, 0x20, 0x21, 0x22, 0x62, 0x63, 0x64, 0x72, 0x73, 0x74,
                               0x75, 0x76, 0x77, 0x7b, 0x7c, 0x7d, 0x85, 0x93, 0xc1, 0xd5};
  for (uint32_t type = 0; type < 0x80; ++type) {
    if (!is_rr_other_type_of_table(static_cast<uint8_t>(type))) continue;
    for (int round = 0; round < 30; ++round) {
      std::vector<uint8_t> msg = {0x06, static_cast<uint8_t>(type)};
      const uint32_t n = next() % 48;
      for (uint32_t i = 0; i < n; ++i) msg.push_back(static_cast<uint8_t>(next()));
      for (uint32_t k = next() % 4; k > 0 && n > 1; --k) {
        const uint32_t p = 2 + next() % n;
        msg[p] = kIeis[next() % std::size(kIeis)];
        if (p + 1 < msg.size()) msg[p + 1] = static_cast<uint8_t>(next() % 24);
      }
      tharvel_test::Decoded d = tharvel_test::decode_octets(static_cast<uint8_t>(round & 1), msg);
      ASSERT_TRUE(tharvel_test::closed(d.text)) << type << " round " << round;
    }
  }
}

// Every other-RR message of the corpus decodes to a closed document, and so
// does each of its prefixes.
TEST(RrMsgCorpus, EveryMessageClosed) {
  int seen = 0;
  for (const tharvel_test::CorpusMessage& m : tharvel_test::corpus_of_pd(6)) {
    if (m.octets.size() < 2 || !is_rr_other_type_of_table(m.octets[1])) continue;
    ++seen;
    tharvel_test::Decoded d = tharvel_test::decode_octets(m.direction, m.octets);
    EXPECT_EQ(d.result, 1) << m.line;
    EXPECT_TRUE(tharvel_test::closed(d.text)) << m.line;
    tharvel_test::decode_every_prefix(m.direction, m.octets);
  }
  EXPECT_GT(seen, 50);
}

}  // namespace
}  // namespace l3
