// Parsers and renderers of the RR messages other than system information.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"

namespace l3 {

// Parsers: the message's record, or nullptr when the heap is exhausted.
MessageRecord* parse_additional_assignment(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_rr_initialisation_request(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_immediate_assignment(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_immediate_assignment_extended(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_immediate_assignment_reject(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_rr_cause_message(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_rr_one_octet_message(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_rr_empty_message(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_handover_complete(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_ciphering_mode_command(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_ciphering_mode_complete(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_configuration_change_command(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_assignment_command(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_handover_command(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_dtm_assignment_command(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_rr_cell_change_order(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_pdch_assignment_command(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_channel_release(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_rr_channel_only_message(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_paging_request1(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_paging_request2(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_paging_request3(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_paging_response(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_notification_nch(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_rr_notification_response(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_packet_notification(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_channel_mode_modify(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_channel_mode_modify_ack(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_frequency_redefinition(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_measurement_report(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_classmark_change(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_classmark_enquiry(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_extended_measurement_report(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_extended_measurement_order(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_gprs_suspension_request(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_dtm_information(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_vgcs_uplink_grant(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_talker_indication(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_application_information(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_channel_request(const uint8_t* msg, uint16_t len, uint8_t dir);

// Renderers: tag is the message's open tag name from the dispatch row.
int render_additional_assignment(const MessageRecord& rec, OutputText& out, const char* tag);
int render_rr_initialisation_request(const MessageRecord& rec, OutputText& out, const char* tag);
int render_immediate_assignment(const MessageRecord& rec, OutputText& out, const char* tag);
int render_immediate_assignment_extended(const MessageRecord& rec, OutputText& out, const char* tag);
int render_immediate_assignment_reject(const MessageRecord& rec, OutputText& out, const char* tag);
int render_rr_cause_message(const MessageRecord& rec, OutputText& out,
                            const char* tag);  // the RR cause block inside the message tags
int render_rr_cause_only(const MessageRecord& rec, OutputText& out,
                         const char* tag);  // type 0x48: the RR cause block alone
int render_dtm_reject(const MessageRecord& rec, OutputText& out, const char* tag);
int render_physical_information(const MessageRecord& rec, OutputText& out, const char* tag);
int render_rr_empty_message(const MessageRecord& rec, OutputText& out, const char* tag);
int render_handover_complete(const MessageRecord& rec, OutputText& out, const char* tag);
int render_ciphering_mode_command(const MessageRecord& rec, OutputText& out, const char* tag);
int render_ciphering_mode_complete(const MessageRecord& rec, OutputText& out, const char* tag);
int render_configuration_change_command(const MessageRecord& rec, OutputText& out, const char* tag);
int render_assignment_command(const MessageRecord& rec, OutputText& out, const char* tag);
int render_handover_command(const MessageRecord& rec, OutputText& out, const char* tag);
int render_dtm_assignment_command(const MessageRecord& rec, OutputText& out, const char* tag);
int render_rr_cell_change_order(const MessageRecord& rec, OutputText& out, const char* tag);
int render_pdch_assignment_command(const MessageRecord& rec, OutputText& out, const char* tag);
int render_channel_release(const MessageRecord& rec, OutputText& out, const char* tag);
int render_partial_release(const MessageRecord& rec, OutputText& out, const char* tag);
int render_paging_request1(const MessageRecord& rec, OutputText& out, const char* tag);
int render_paging_request2(const MessageRecord& rec, OutputText& out, const char* tag);
int render_paging_request3(const MessageRecord& rec, OutputText& out, const char* tag);
int render_paging_response(const MessageRecord& rec, OutputText& out, const char* tag);
int render_notification_nch(const MessageRecord& rec, OutputText& out, const char* tag);
int render_rr_notification_response(const MessageRecord& rec, OutputText& out, const char* tag);
int render_packet_notification(const MessageRecord& rec, OutputText& out, const char* tag);
int render_channel_mode_modify(const MessageRecord& rec, OutputText& out, const char* tag);
int render_channel_mode_modify_ack(const MessageRecord& rec, OutputText& out, const char* tag);
int render_frequency_redefinition(const MessageRecord& rec, OutputText& out, const char* tag);
int render_measurement_report(const MessageRecord& rec, OutputText& out, const char* tag);
int render_classmark_change(const MessageRecord& rec, OutputText& out, const char* tag);
int render_classmark_enquiry(const MessageRecord& rec, OutputText& out, const char* tag);
int render_extended_measurement_report(const MessageRecord& rec, OutputText& out, const char* tag);
int render_extended_measurement_order(const MessageRecord& rec, OutputText& out, const char* tag);
int render_gprs_suspension_request(const MessageRecord& rec, OutputText& out, const char* tag);
int render_dtm_information(const MessageRecord& rec, OutputText& out, const char* tag);
int render_vgcs_uplink_grant(const MessageRecord& rec, OutputText& out, const char* tag);
int render_talker_indication(const MessageRecord& rec, OutputText& out, const char* tag);
int render_application_information(const MessageRecord& rec, OutputText& out, const char* tag);
int render_channel_request(const MessageRecord& rec, OutputText& out, const char* tag);

}  // namespace l3
