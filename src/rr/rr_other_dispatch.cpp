#include <iterator>

#include "rr/rr_dispatch.h"
#include "rr/rr_msg.h"

namespace l3 {

namespace {

// One row per message type: its parser, its renderer and the open tag the
// renderer writes.
struct RrMessageRow {
  uint8_t type;
  MessageRecord* (*parse)(const uint8_t*, uint16_t, uint8_t);
  int (*render)(const MessageRecord&, OutputText&, const char*);
  const char* tag;
};

constexpr RrMessageRow kRrMessages[] = {
    {0x08, parse_rr_cell_change_order, render_rr_cell_change_order, "RR_CELL_CHANGE_ORDER"},
    {0x09, parse_vgcs_uplink_grant, render_vgcs_uplink_grant, "VGCS_UPLINK_GRANT"},
    {0x0A, parse_rr_channel_only_message, render_partial_release, "PARTIAL_RELEASE"},
    {0x0D, parse_channel_release, render_channel_release, "CHANNEL_RELEASE"},
    {0x0E, parse_rr_cause_message, render_rr_cause_message, "UPLINK_RELEASE"},
    {0x0F, parse_rr_empty_message, render_rr_empty_message, "PARTIAL_RELEASE_COMPLETE"},
    {0x10, parse_channel_mode_modify, render_channel_mode_modify, "GSM_RR_CHANNEL_MODE_MODIFY"},
    {0x11, parse_talker_indication, render_talker_indication, "TALKER_INDICATION"},
    {0x12, parse_rr_cause_message, render_rr_cause_message, "GSM_RR_STATUS"},
    {0x13, parse_classmark_enquiry, render_classmark_enquiry, "CLASSMARK_ENQUIRY"},
    {0x14, parse_frequency_redefinition, render_frequency_redefinition, "FREQUENCY_REDEFINITION"},
    {0x15, parse_measurement_report, render_measurement_report, "Measurement_REPORT"},
    {0x16, parse_classmark_change, render_classmark_change, "CLASSMARK_CHANGE"},
    {0x17, parse_channel_mode_modify_ack, render_channel_mode_modify_ack, "CHANNEL_MODE_MODIFY_ACKNOWLEDGE"},
    {0x20, parse_notification_nch, render_notification_nch, "NOTIFICATION_NCH"},
    {0x21, parse_paging_request1, render_paging_request1, "PAGING_REQUEST_TYPE1"},
    {0x22, parse_paging_request2, render_paging_request2, "PAGING_REQUEST_TYPE2"},
    {0x23, parse_pdch_assignment_command, render_pdch_assignment_command, "PDCH_ASSIGNMENT_COMMAND"},
    {0x24, parse_paging_request3, render_paging_request3, "PAGING_REQUEST_TYPE2"},  // type 3 reuses the type 2 tag
    {0x26, parse_rr_notification_response, render_rr_notification_response, "NOTIFICATION_RESPONSE"},
    {0x27, parse_paging_response, render_paging_response, "PAGING_RESPONSE"},
    {0x28, parse_rr_cause_message, render_rr_cause_message, "HANDOVER_FAILURE"},
    {0x29, parse_rr_cause_message, render_rr_cause_message, "ASSIGNMENT_COMPLETE"},
    {0x2A, parse_rr_empty_message, render_rr_empty_message, "UPLINK_BUSY"},
    {0x2B, parse_handover_command, render_handover_command, "Handovercommand"},
    {0x2C, parse_handover_complete, render_handover_complete, "HANDOVER_COMPLETE"},
    {0x2D, parse_rr_one_octet_message, render_physical_information, "PHYSICAL_INFORMATION"},
    {0x2E, parse_assignment_command, render_assignment_command, "ASSIGNMENT_COMMAND"},
    {0x2F, parse_rr_cause_message, render_rr_cause_message, "ASSIGNMENT_FAILURE"},
    {0x30, parse_configuration_change_command, render_configuration_change_command, "CONFIGURATION_CHANGE_COMMAND"},
    {0x31, parse_rr_empty_message, render_rr_empty_message, "CONFIGURATION_CHANGE_ACKNOWLEDGE"},
    {0x32, parse_ciphering_mode_complete, render_ciphering_mode_complete, "CIPHERING_MODE_COMPLETE"},
    {0x33, parse_rr_cause_message, render_rr_cause_message, "CONFIGURATION_CHANGE_REJECT"},
    {0x34, parse_gprs_suspension_request, render_gprs_suspension_request, "GPRS_SUSPENSION_REQUEST"},
    {0x35, parse_ciphering_mode_command, render_ciphering_mode_command, "CIPHERING_MODE_COMMAND"},
    {0x36, parse_extended_measurement_report, render_extended_measurement_report, "EXTENDED_MEASUREMENT_REPORT"},
    {0x37, parse_extended_measurement_order, render_extended_measurement_order, "EXTENDED_MEASUREMENT_ORDER"},
    {0x38, parse_application_information, render_application_information, "Application_Information"},
    {0x39, parse_immediate_assignment_extended, render_immediate_assignment_extended, "IMMEDIATE_ASSIGNMENT_EXTENDED"},
    {0x3A, parse_immediate_assignment_reject, render_immediate_assignment_reject, "IMMEDIATE_ASSIGNMENT_REJECT"},
    {0x3B, parse_additional_assignment, render_additional_assignment, "ADDITIONAL_ASSIGNMENT"},
    {0x3C, parse_rr_initialisation_request, render_rr_initialisation_request, "RR_Initialisation_Request"},
    {0x3F, parse_immediate_assignment, render_immediate_assignment, "IMMEDIATE_ASSIGNMENT"},
    {0x48, parse_rr_cause_message, render_rr_cause_only, "RR_Cause"},
    {0x49, parse_rr_one_octet_message, render_dtm_reject, "DTM_REJECT"},
    {0x4C, parse_dtm_assignment_command, render_dtm_assignment_command, "DTM_ASSIGNMENT_COMMAND"},
    {0x4D, parse_dtm_information, render_dtm_information, "DTM_INFORMATION"},
    {0x4E, parse_packet_notification, render_packet_notification, "PACKET_NOTIFICATION"},
    {0x7F, parse_channel_request, render_channel_request, "Channel_Request"},
};

constexpr bool rows_ascending() {
  for (size_t i = 1; i < std::size(kRrMessages); ++i) {
    if (kRrMessages[i].type <= kRrMessages[i - 1].type) return false;
  }
  return true;
}
static_assert(rows_ascending());

const RrMessageRow* find_row(uint8_t type) {
  for (const RrMessageRow& row : kRrMessages) {
    if (row.type == type) return &row;
  }
  return nullptr;
}

}  // namespace

MessageRecord* parse_rr_other(const uint8_t* msg, uint16_t length, uint8_t direction) {
  if (msg == nullptr || length < 2) return nullptr;
  const RrMessageRow* row = find_row(msg[1]);
  return row == nullptr ? nullptr : row->parse(msg, length, direction);
}

int render_rr_other(const MessageRecord& r, OutputText& out, uint8_t) {
  const RrMessageRow* row = find_row(static_cast<uint8_t>(r.key & 0xFF));
  return row == nullptr ? 0 : row->render(r, out, row->tag);
}

}  // namespace l3
