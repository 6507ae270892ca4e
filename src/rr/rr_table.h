// The radio resource messages: one row each. The renderers write the open
// tag they are given, so messages that share a layout share a renderer.
#pragma once

#include <algorithm>
#include <cstddef>

#include "core/message_table.h"
#include "rr/messages/assignment_handover.h"
#include "rr/messages/channel_release_mode.h"
#include "rr/messages/dtm.h"
#include "rr/messages/group_call.h"
#include "rr/messages/immediate_assignment.h"
#include "rr/messages/measurement.h"
#include "rr/messages/paging.h"
#include "rr/messages/shapes.h"
#include "rr/si/si_messages.h"

namespace l3 {

namespace rr_table_detail {

// A message's open tag as a template argument.
template <size_t N>
struct Tag {
  char text[N];
  constexpr Tag(const char (&s)[N]) { std::copy_n(s, N, text); }
};

template <class R, int (*W)(const R&, OutputText&, const char*), Tag T>
int tagged(const R& r, OutputText& out) {
  return W(r, out, T.text);
}

}  // namespace rr_table_detail

// A row whose renderer writes the open tag T.
template <class R, auto P, int (*W)(const R&, OutputText&, const char*), rr_table_detail::Tag T>
constexpr MessageRow rr(uint16_t key, const char* name, MessageLayout layout) {
  return message<R, P, rr_table_detail::tagged<R, W, T>>(key, name, layout);
}

// clang-format off
inline constexpr MessageRow kRrMessages[] = {
    // System information.
    rr<Si13, parse_si13, render_si13, "SYSTEM_INFORMATION_TYPE13">(0x600, "System information type 13", {"r20", "", 0}),
    rr<Si14, parse_si14, render_si14, "SYSTEM_INFORMATION_TYPE14">(0x601, "System information type 14", {"r16", "", 0}),
    rr<Si2bis, parse_si2bis, render_si2bis, "SYSTEM_INFORMATION_TYPE2bis">(0x602, "System information type 2bis", {"v16 v3", "", 0}),
    rr<Si2ter, parse_si2ter, render_si2ter, "SYSTEM_INFORMATION_TYPE2ter">(0x603, "System information type 2ter", {"v16 r4", "", 0}),
    rr<Si9, parse_si9, render_si9, "SYSTEM_INFORMATION_TYPE9">(0x604, "System information type 9", {"v3 r17", "", 0}),
    rr<Si5, parse_si5bis, render_si5, "SYSTEM_INFORMATION_TYPE5bis">(0x605, "System information type 5bis", {"v16", "", 0}),
    rr<Si5ter, parse_si5ter, render_si5ter, "SYSTEM_INFORMATION_TYPE5ter">(0x606, "System information type 5ter", {"v16", "", 0}),
    rr<Si2quater, parse_si2quater, render_si2quater, "SYSTEM_INFORMATION_TYPE2quater">(0x607, "System information type 2quater", {"r20", "", 0}),
    rr<Si7, parse_si7, render_si7, "SYSTEM_INFORMATION_TYPE8">(0x618, "System information type 8", {"r20", "", 0}),
    rr<Si1, parse_si1, render_si1, "SYSTEM_INFORMATION_TYPE1">(0x619, "System information type 1", {"v16 v3 r1", "", 0}),
    rr<Si2, parse_si2, render_si2, "SYSTEM_INFORMATION_TYPE2">(0x61A, "System information type 2", {"v16 v1 v3", "", 0}),
    rr<Si3, parse_si3, render_si3, "SYSTEM_INFORMATION_TYPE3">(0x61B, "System information type 3", {"v2 v5 v3 v1 v2 v3 r4", "", 0}),
    rr<Si4, parse_si4, render_si4, "SYSTEM_INFORMATION_TYPE4">(0x61C, "System information type 4", {"v5 v2 v3", "64v3 72l0-8", 12}),
    rr<Si5, parse_si5, render_si5, "SYSTEM_INFORMATION_TYPE5">(0x61D, "System information type 5", {"v16", "", 0}),
    rr<Si6, parse_si6, render_si6, "SYSTEM_INFORMATION_TYPE6">(0x61E, "System information type 6", {"v2 v5 v1 v1 r7", "", 0}),
    rr<Si7, parse_si7, render_si7, "SYSTEM_INFORMATION_TYPE7">(0x61F, "System information type 7", {"r20", "", 0}),
    rr<Si16, parse_si16, render_si16, "SYSTEM_INFORMATION_TYPE16_or_17">(0x63D, "System information type 16", {"r20", "", 0}),
    rr<Si16, parse_si16, render_si16, "SYSTEM_INFORMATION_TYPE17">(0x63E, "System information type 17", {"r20", "", 0}),
    rr<Si18, parse_si18, render_si18, "SYSTEM_INFORMATION_TYPE18">(0x640, "System information type 18", {"r20", "", 0}),
    rr<Si19, parse_si19, render_si19, "SYSTEM_INFORMATION_TYPE19">(0x641, "System information type 19", {"r20", "", 0}),
    rr<Si18, parse_si18, render_si18, "SYSTEM_INFORMATION_TYPE20">(0x642, "System information type 20", {"r20", "", 0}),
    rr<Si14, parse_si14, render_si14, "SYSTEM_INFORMATION_TYPE15">(0x644, "System information type 15", {"r16", "", 0}),
    // The other RR messages.
    rr<RrCellChangeOrder, parse_rr_cell_change_order, render_rr_cell_change_order, "RR_CELL_CHANGE_ORDER">(0x608, "RR cell change order", {"v2 v1", "19l1-20", 0}),
    rr<VgcsUplinkGrant, parse_vgcs_uplink_grant, render_vgcs_uplink_grant, "VGCS_UPLINK_GRANT">(0x609, "VGCS uplink grant", {"v3 v1", "", 0}),
    rr<RrChannelOnlyMessage, parse_rr_channel_only_message, render_partial_release, "PARTIAL_RELEASE">(0x60A, "Partial release", {"v3", "", 0}),
    rr<ChannelRelease, parse_channel_release, render_channel_release, "CHANNEL_RELEASE">(0x60D, "Channel release", {"v1", "80h C0h 62v16 73l5-20 74l3-13 75l3-20 76l2-20", 0}),
    rr<RrCauseMessage, parse_rr_cause_message, render_rr_cause_message, "UPLINK_RELEASE">(0x60E, "Uplink release", {"v1", "", 0}),
    rr<RrEmptyMessage, parse_rr_empty_message, render_rr_empty_message, "PARTIAL_RELEASE_COMPLETE">(0x60F, "Partial release complete", {"", "", 0}),
    rr<ChannelModeModify, parse_channel_mode_modify, render_channel_mode_modify, "GSM_RR_CHANNEL_MODE_MODIFY">(0x610, "Channel mode modify", {"v3 v1", "01l1-1 03l2-8", 0}),
    rr<TalkerIndication, parse_talker_indication, render_talker_indication, "TALKER_INDICATION">(0x611, "Talker indication", {"l3-3 l1-8", "", 0}),
    rr<RrCauseMessage, parse_rr_cause_message, render_rr_cause_message, "GSM_RR_STATUS">(0x612, "RR status", {"v1", "", 0}),
    rr<ClassmarkEnquiry, parse_classmark_enquiry, render_classmark_enquiry, "CLASSMARK_ENQUIRY">(0x613, "Classmark enquiry", {"", "10l1-1", 0}),
    rr<FrequencyRedefinition, parse_frequency_redefinition, render_frequency_redefinition, "FREQUENCY_REDEFINITION">(0x614, "Frequency redefinition", {"v3 l0-8 v2", "62v16", 0}),
    rr<MeasurementReport, parse_measurement_report, render_measurement_report, "Measurement_REPORT">(0x615, "Measurement report", {"v16", "", 0}),
    rr<ClassmarkChange, parse_classmark_change, render_classmark_change, "CLASSMARK_CHANGE">(0x616, "Classmark change", {"l3-3", "20l1-14", 0}),
    rr<ChannelModeModify, parse_channel_mode_modify_ack, render_channel_mode_modify_ack, "CHANNEL_MODE_MODIFY_ACKNOWLEDGE">(0x617, "Channel mode modify acknowledge", {"v3 v1", "", 0}),
    rr<NotificationNch, parse_notification_nch, render_notification_nch, "NOTIFICATION_NCH">(0x620, "Notification/NCH", {"r20", "", 0}),
    rr<PagingRequest1, parse_paging_request1, render_paging_request1, "PAGING_REQUEST_TYPE1">(0x621, "Paging request type 1", {"v1 l1-8", "17l1-8", 16}),
    rr<PagingRequest2, parse_paging_request2, render_paging_request2, "PAGING_REQUEST_TYPE2">(0x622, "Paging request type 2", {"v1 v4 v4", "17l1-8", 11}),
    rr<PdchAssignmentCommand, parse_pdch_assignment_command, render_pdch_assignment_command, "PDCH_ASSIGNMENT_COMMAND">(0x623, "PDCH assignment command", {"v3", "05l2-20 19l2-20 1Cv3 1Ev9 21l0-8 22l1-10 23l1-10 62v16 72l0-8 7Cv2", 0}),
    rr<PagingRequest3, parse_paging_request3, render_paging_request3, "PAGING_REQUEST_TYPE2">(0x624, "Paging request type 3", {"v1 v4 v4 v4 v4 v3", "", 0}),  // type 3 reuses the type 2 tag
    rr<RrNotificationResponse, parse_rr_notification_response, render_rr_notification_response, "NOTIFICATION_RESPONSE">(0x626, "Notification response", {"l3-3 l1-8 v5", "", 0}),
    rr<PagingResponse, parse_paging_response, render_paging_response, "PAGING_RESPONSE">(0x627, "Paging response", {"v1 l3-3 l1-8", "", 0}),
    rr<RrCauseMessage, parse_rr_cause_message, render_rr_cause_message, "HANDOVER_FAILURE">(0x628, "Handover failure", {"v1", "", 0}),
    rr<RrCauseMessage, parse_rr_cause_message, render_rr_cause_message, "ASSIGNMENT_COMPLETE">(0x629, "Assignment complete", {"v1", "", 0}),
    rr<RrEmptyMessage, parse_rr_empty_message, render_rr_empty_message, "UPLINK_BUSY">(0x62A, "Uplink busy", {"", "", 0}),
    rr<AssignOrHandoverCommand, parse_handover_command, render_handover_command, "Handovercommand">(0x62B, "Handover command", {"v2 v3 v1 v1", "01l1-1 02v9 03l2-8 05l2-20 10l1-10 11v1 12v9 13v1 14v1 15v1 16v1 17v1 18v1 19l2-20 " "1Cv3 1Dv3 1Ev9 21l0-8 62v16 63v1 64v3 66v1 69v9 72l0-8 76l1-20 7Bl1-1 7Cv2 7Dv1 90h D0h", 0}),
    rr<HandoverComplete, parse_handover_complete, render_handover_complete, "HANDOVER_COMPLETE">(0x62C, "Handover complete", {"v1", "77l3-4", 0}),
    rr<RrOneOctetMessage, parse_rr_one_octet_message, render_physical_information, "PHYSICAL_INFORMATION">(0x62D, "Physical information", {"v1", "", 0}),
    rr<AssignOrHandoverCommand, parse_assignment_command, render_assignment_command, "ASSIGNMENT_COMMAND">(0x62E, "Assignment command", {"v3 v1", "01l1-1 03l2-8 05l2-20 10l1-10 11v1 13v1 14v1 15v1 16v1 17v1 18v1 19l2-20 1Cv3 1Dv3 1Ev9 " "21l0-8 62v16 63v1 64v3 66v1 7Cv2 90h", 0}),
    rr<RrCauseMessage, parse_rr_cause_message, render_rr_cause_message, "ASSIGNMENT_FAILURE">(0x62F, "Assignment failure", {"v1", "", 0}),
    rr<ConfigurationChangeCommand, parse_configuration_change_command, render_configuration_change_command, "CONFIGURATION_CHANGE_COMMAND">(0x630, "Configuration change command", {"l1-10", "63v1 11v1 13v1 14v1 15v1 16v1 17v1 18v1", 0}),
    rr<RrEmptyMessage, parse_rr_empty_message, render_rr_empty_message, "CONFIGURATION_CHANGE_ACKNOWLEDGE">(0x631, "Configuration change acknowledge", {"", "", 0}),
    rr<CipheringModeComplete, parse_ciphering_mode_complete, render_ciphering_mode_complete, "CIPHERING_MODE_COMPLETE">(0x632, "Ciphering mode complete", {"", "17l1-8", 0}),
    rr<RrCauseMessage, parse_rr_cause_message, render_rr_cause_message, "CONFIGURATION_CHANGE_REJECT">(0x633, "Configuration change reject", {"v1", "", 0}),
    rr<GprsSuspensionRequest, parse_gprs_suspension_request, render_gprs_suspension_request, "GPRS_SUSPENSION_REQUEST">(0x634, "GPRS suspension request", {"v4 v6 v1", "", 0}),
    rr<CipheringModeCommand, parse_ciphering_mode_command, render_ciphering_mode_command, "CIPHERING_MODE_COMMAND">(0x635, "Ciphering mode command", {"v1", "", 0}),
    rr<ExtendedMeasurementReport, parse_extended_measurement_report, render_extended_measurement_report, "EXTENDED_MEASUREMENT_REPORT">(0x636, "Extended measurement report", {"v16", "", 0}),
    rr<ExtendedMeasurementOrder, parse_extended_measurement_order, render_extended_measurement_order, "EXTENDED_MEASUREMENT_ORDER">(0x637, "Extended measurement order", {"v16", "", 0}),
    rr<ApplicationInformation, parse_application_information, render_application_information, "Application_Information">(0x638, "Application information", {"v1 l1-30", "", 0}),
    rr<ImmediateAssignmentExtended, parse_immediate_assignment_extended, render_immediate_assignment_extended, "IMMEDIATE_ASSIGNMENT_EXTENDED">(0x639, "Immediate assignment extended", {"v1 v3 v3 v1 v3 v3 v1 l0-4", "7Cv2", 0}),
    rr<ImmediateAssignmentReject, parse_immediate_assignment_reject, render_immediate_assignment_reject, "IMMEDIATE_ASSIGNMENT_REJECT">(0x63A, "Immediate assignment reject", {"v1 v3 v1 v3 v1 v3 v1 v3 v1 v3", "", 0}),
    rr<AdditionalAssignment, parse_additional_assignment, render_additional_assignment, "ADDITIONAL_ASSIGNMENT">(0x63B, "Additional assignment", {"v3", "72l0-8 7Cv2", 0}),
    rr<RrInitialisationRequest, parse_rr_initialisation_request, render_rr_initialisation_request, "RR_Initialisation_Request">(0x63C, "RR initialisation request", {"v1 l3-3 v4 v5 v2", "", 0}),
    rr<ImmediateAssignment, parse_immediate_assignment, render_immediate_assignment, "IMMEDIATE_ASSIGNMENT">(0x63F, "Immediate assignment", {"v1 v3 v3 v1 l0-8", "7Cv2", 11}),
    rr<RrCauseMessage, parse_rr_cause_message, render_rr_cause_only, "RR_Cause">(0x648, "DTM assignment failure", {"v1", "", 0}),
    rr<RrOneOctetMessage, parse_rr_one_octet_message, render_dtm_reject, "DTM_REJECT">(0x649, "DTM reject", {"v1", "", 0}),
    rr<DtmAssignmentCommand, parse_dtm_assignment_command, render_dtm_assignment_command, "DTM_ASSIGNMENT_COMMAND">(0x64C, "DTM assignment command", {"v1 v3 l6-10", "10v16 11v1 12l2-20 13l0-8 14v2 15l1-10 16l1-10 17l2-8", 0}),
    rr<DtmInformation, parse_dtm_information, render_dtm_information, "DTM_INFORMATION">(0x64D, "DTM information", {"v6 l1-2", "", 0}),
    rr<PacketNotification, parse_packet_notification, render_packet_notification, "PACKET_NOTIFICATION">(0x64E, "Packet notification", {"", "10v4 11l1-8", 0}),
    rr<RrOneOctetMessage, parse_rr_one_octet_message, render_channel_request, "Channel_Request">(0x67F, "Channel request", {"v1", "", 0}),
};
// clang-format on
static_assert(keys_unique(kRrMessages) && keys_of_pd(kRrMessages, kPdRr));

}  // namespace l3
