// Parsers and renderers of the RR messages other than system information.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"
#include "rr/messages/rr_msg_records.h"

namespace l3 {

// Parsers: fill the zeroed record the message table built.
void parse_additional_assignment(AdditionalAssignment& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_initialisation_request(RrInitialisationRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_immediate_assignment(ImmediateAssignment& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_immediate_assignment_extended(ImmediateAssignmentExtended& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_immediate_assignment_reject(ImmediateAssignmentReject& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_cause_message(RrCauseMessage& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_one_octet_message(RrOneOctetMessage& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_empty_message(RrEmptyMessage& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_handover_complete(HandoverComplete& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_ciphering_mode_command(CipheringModeCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_ciphering_mode_complete(CipheringModeComplete& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_configuration_change_command(ConfigurationChangeCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_assignment_command(AssignOrHandoverCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_handover_command(AssignOrHandoverCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_dtm_assignment_command(DtmAssignmentCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_cell_change_order(RrCellChangeOrder& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_pdch_assignment_command(PdchAssignmentCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_channel_release(ChannelRelease& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_channel_only_message(RrChannelOnlyMessage& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_paging_request1(PagingRequest1& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_paging_request2(PagingRequest2& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_paging_request3(PagingRequest3& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_paging_response(PagingResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_notification_nch(NotificationNch& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_notification_response(RrNotificationResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_packet_notification(PacketNotification& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_channel_mode_modify(ChannelModeModify& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_channel_mode_modify_ack(ChannelModeModify& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_frequency_redefinition(FrequencyRedefinition& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_measurement_report(MeasurementReport& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_classmark_change(ClassmarkChange& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_classmark_enquiry(ClassmarkEnquiry& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_extended_measurement_report(ExtendedMeasurementReport& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_extended_measurement_order(ExtendedMeasurementOrder& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gprs_suspension_request(GprsSuspensionRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_dtm_information(DtmInformation& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_vgcs_uplink_grant(VgcsUplinkGrant& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_talker_indication(TalkerIndication& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_application_information(ApplicationInformation& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// Renderers: tag is the message's open tag name from its table row.
int render_additional_assignment(const AdditionalAssignment& r, OutputText& out, const char* tag);
int render_rr_initialisation_request(const RrInitialisationRequest& r, OutputText& out, const char* tag);
int render_immediate_assignment(const ImmediateAssignment& r, OutputText& out, const char* tag);
int render_immediate_assignment_extended(const ImmediateAssignmentExtended& r, OutputText& out, const char* tag);
int render_immediate_assignment_reject(const ImmediateAssignmentReject& r, OutputText& out, const char* tag);
int render_rr_cause_message(const RrCauseMessage& r, OutputText& out,
                            const char* tag);  // the RR cause block inside the message tags
int render_rr_cause_only(const RrCauseMessage& r, OutputText& out,
                         const char* tag);  // type 0x48: the RR cause block alone
int render_dtm_reject(const RrOneOctetMessage& r, OutputText& out, const char* tag);
int render_physical_information(const RrOneOctetMessage& r, OutputText& out, const char* tag);
int render_rr_empty_message(const RrEmptyMessage& r, OutputText& out, const char* tag);
int render_handover_complete(const HandoverComplete& r, OutputText& out, const char* tag);
int render_ciphering_mode_command(const CipheringModeCommand& r, OutputText& out, const char* tag);
int render_ciphering_mode_complete(const CipheringModeComplete& r, OutputText& out, const char* tag);
int render_configuration_change_command(const ConfigurationChangeCommand& r, OutputText& out, const char* tag);
int render_assignment_command(const AssignOrHandoverCommand& r, OutputText& out, const char* tag);
int render_handover_command(const AssignOrHandoverCommand& r, OutputText& out, const char* tag);
int render_dtm_assignment_command(const DtmAssignmentCommand& r, OutputText& out, const char* tag);
int render_rr_cell_change_order(const RrCellChangeOrder& r, OutputText& out, const char* tag);
int render_pdch_assignment_command(const PdchAssignmentCommand& r, OutputText& out, const char* tag);
int render_channel_release(const ChannelRelease& r, OutputText& out, const char* tag);
int render_partial_release(const RrChannelOnlyMessage& r, OutputText& out, const char* tag);
int render_paging_request1(const PagingRequest1& r, OutputText& out, const char* tag);
int render_paging_request2(const PagingRequest2& r, OutputText& out, const char* tag);
int render_paging_request3(const PagingRequest3& r, OutputText& out, const char* tag);
int render_paging_response(const PagingResponse& r, OutputText& out, const char* tag);
int render_notification_nch(const NotificationNch& r, OutputText& out, const char* tag);
int render_rr_notification_response(const RrNotificationResponse& r, OutputText& out, const char* tag);
int render_packet_notification(const PacketNotification& r, OutputText& out, const char* tag);
int render_channel_mode_modify(const ChannelModeModify& r, OutputText& out, const char* tag);
int render_channel_mode_modify_ack(const ChannelModeModify& r, OutputText& out, const char* tag);
int render_frequency_redefinition(const FrequencyRedefinition& r, OutputText& out, const char* tag);
int render_measurement_report(const MeasurementReport& r, OutputText& out, const char* tag);
int render_classmark_change(const ClassmarkChange& r, OutputText& out, const char* tag);
int render_classmark_enquiry(const ClassmarkEnquiry& r, OutputText& out, const char* tag);
int render_extended_measurement_report(const ExtendedMeasurementReport& r, OutputText& out, const char* tag);
int render_extended_measurement_order(const ExtendedMeasurementOrder& r, OutputText& out, const char* tag);
int render_gprs_suspension_request(const GprsSuspensionRequest& r, OutputText& out, const char* tag);
int render_dtm_information(const DtmInformation& r, OutputText& out, const char* tag);
int render_vgcs_uplink_grant(const VgcsUplinkGrant& r, OutputText& out, const char* tag);
int render_talker_indication(const TalkerIndication& r, OutputText& out, const char* tag);
int render_application_information(const ApplicationInformation& r, OutputText& out, const char* tag);
int render_channel_request(const RrOneOctetMessage& r, OutputText& out, const char* tag);

}  // namespace l3
