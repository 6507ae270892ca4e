// Parsers and renderers of the RR messages other than system information.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"

namespace l3 {

#define RR_MSG_PARSER(name) MessageRecord* parse_##name(const uint8_t* msg, uint16_t len, uint8_t dir)
#define RR_MSG_RENDERER(name) int render_##name(const MessageRecord& rec, OutputText& out, const char* tag)

RR_MSG_PARSER(additional_assignment);
RR_MSG_PARSER(rr_initialisation_request);
RR_MSG_PARSER(immediate_assignment);
RR_MSG_PARSER(immediate_assignment_extended);
RR_MSG_PARSER(immediate_assignment_reject);
RR_MSG_PARSER(rr_cause_message);
RR_MSG_PARSER(rr_one_octet_message);
RR_MSG_PARSER(rr_empty_message);
RR_MSG_PARSER(handover_complete);
RR_MSG_PARSER(ciphering_mode_command);
RR_MSG_PARSER(ciphering_mode_complete);
RR_MSG_PARSER(configuration_change_command);
RR_MSG_PARSER(assignment_command);
RR_MSG_PARSER(handover_command);
RR_MSG_PARSER(dtm_assignment_command);
RR_MSG_PARSER(rr_cell_change_order);
RR_MSG_PARSER(pdch_assignment_command);
RR_MSG_PARSER(channel_release);
RR_MSG_PARSER(rr_channel_only_message);
RR_MSG_PARSER(paging_request1);
RR_MSG_PARSER(paging_request2);
RR_MSG_PARSER(paging_request3);
RR_MSG_PARSER(paging_response);
RR_MSG_PARSER(notification_nch);
RR_MSG_PARSER(rr_notification_response);
RR_MSG_PARSER(packet_notification);
RR_MSG_PARSER(channel_mode_modify);
RR_MSG_PARSER(channel_mode_modify_ack);
RR_MSG_PARSER(frequency_redefinition);
RR_MSG_PARSER(measurement_report);
RR_MSG_PARSER(classmark_change);
RR_MSG_PARSER(classmark_enquiry);
RR_MSG_PARSER(extended_measurement_report);
RR_MSG_PARSER(extended_measurement_order);
RR_MSG_PARSER(gprs_suspension_request);
RR_MSG_PARSER(dtm_information);
RR_MSG_PARSER(vgcs_uplink_grant);
RR_MSG_PARSER(talker_indication);
RR_MSG_PARSER(application_information);
RR_MSG_PARSER(channel_request);

RR_MSG_RENDERER(additional_assignment);
RR_MSG_RENDERER(rr_initialisation_request);
RR_MSG_RENDERER(immediate_assignment);
RR_MSG_RENDERER(immediate_assignment_extended);
RR_MSG_RENDERER(immediate_assignment_reject);
RR_MSG_RENDERER(rr_cause_message);  // the RR cause block inside the message tags
RR_MSG_RENDERER(rr_cause_only);     // type 0x48: the RR cause block alone
RR_MSG_RENDERER(dtm_reject);
RR_MSG_RENDERER(physical_information);
RR_MSG_RENDERER(rr_empty_message);
RR_MSG_RENDERER(handover_complete);
RR_MSG_RENDERER(ciphering_mode_command);
RR_MSG_RENDERER(ciphering_mode_complete);
RR_MSG_RENDERER(configuration_change_command);
RR_MSG_RENDERER(assignment_command);
RR_MSG_RENDERER(handover_command);
RR_MSG_RENDERER(dtm_assignment_command);
RR_MSG_RENDERER(rr_cell_change_order);
RR_MSG_RENDERER(pdch_assignment_command);
RR_MSG_RENDERER(channel_release);
RR_MSG_RENDERER(partial_release);
RR_MSG_RENDERER(paging_request1);
RR_MSG_RENDERER(paging_request2);
RR_MSG_RENDERER(paging_request3);
RR_MSG_RENDERER(paging_response);
RR_MSG_RENDERER(notification_nch);
RR_MSG_RENDERER(rr_notification_response);
RR_MSG_RENDERER(packet_notification);
RR_MSG_RENDERER(channel_mode_modify);
RR_MSG_RENDERER(channel_mode_modify_ack);
RR_MSG_RENDERER(frequency_redefinition);
RR_MSG_RENDERER(measurement_report);
RR_MSG_RENDERER(classmark_change);
RR_MSG_RENDERER(classmark_enquiry);
RR_MSG_RENDERER(extended_measurement_report);
RR_MSG_RENDERER(extended_measurement_order);
RR_MSG_RENDERER(gprs_suspension_request);
RR_MSG_RENDERER(dtm_information);
RR_MSG_RENDERER(vgcs_uplink_grant);
RR_MSG_RENDERER(talker_indication);
RR_MSG_RENDERER(application_information);
RR_MSG_RENDERER(channel_request);

#undef RR_MSG_PARSER
#undef RR_MSG_RENDERER

}  // namespace l3
