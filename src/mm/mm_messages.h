// Parsers and renderers of the mobility management messages.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "mm/mm_records.h"

namespace l3 {

// Parsers: the record of one message (nullptr only when the heap is full).
void parse_mm_empty_message(MmEmpty& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_mm_cause_message(MmCause& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_imsi_detach_indication(ImsiDetachIndication& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_location_updating_accept(LocationUpdatingAccept& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_location_updating_request(LocationUpdatingRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_authentication_request(AuthenticationRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_authentication_response(AuthenticationResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_identity_request(IdentityRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_identity_response(IdentityResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_tmsi_reallocation_command(TmsiReallocationCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_authentication_failure(AuthenticationFailure& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cm_service_request(CmServiceRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cm_service_prompt(CmServicePrompt& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_notification_response(NotificationResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cm_reestablishment_request(CmReestablishmentRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_mm_information(MmInformation& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// <Reject cause> block; 0 after the note for a cause without text.
int render_reject_cause(uint32_t cause, OutputText& out);

// Message renderers: 1, or 0 when a block of the message itself stopped early.
int render_imsi_detach_indication(const ImsiDetachIndication& r, OutputText& out);
int render_location_updating_accept(const LocationUpdatingAccept& r, OutputText& out);
int render_location_updating_reject(const MmCause& r, OutputText& out);
int render_location_updating_request(const LocationUpdatingRequest& r, OutputText& out);
int render_authentication_reject(const MmEmpty& r, OutputText& out);
int render_authentication_request(const AuthenticationRequest& r, OutputText& out);
int render_authentication_response(const AuthenticationResponse& r, OutputText& out);
int render_identity_request(const IdentityRequest& r, OutputText& out);
int render_identity_response(const IdentityResponse& r, OutputText& out);
int render_tmsi_reallocation_command(const TmsiReallocationCommand& r, OutputText& out);
int render_tmsi_reallocation_complete(const MmEmpty& r, OutputText& out);
int render_authentication_failure(const AuthenticationFailure& r, OutputText& out);
int render_cm_service_accept(const MmEmpty& r, OutputText& out);
int render_cm_service_reject(const MmCause& r, OutputText& out);
int render_cm_service_abort(const MmCause& r, OutputText& out);
int render_cm_service_request(const CmServiceRequest& r, OutputText& out);
int render_cm_service_prompt(const CmServicePrompt& r, OutputText& out);
int render_notification_response(const NotificationResponse& r, OutputText& out);
int render_cm_reestablishment_request(const CmReestablishmentRequest& r, OutputText& out);
int render_mm_abort(const MmCause& r, OutputText& out);
int render_mm_null(const MmEmpty& r, OutputText& out);
int render_mm_status(const MmCause& r, OutputText& out);
int render_mm_information(const MmInformation& r, OutputText& out);

}  // namespace l3
