// Parsers and renderers of the GPRS mobility management messages.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "gmm/gmm_records.h"

namespace l3 {

// Parsers fill a zeroed record whose key and direction are set; records
// that do not keep the direction set it back to 0.
void parse_gmm_attach_request(GmmAttachRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_attach_accept(GmmAttachAccept& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_attach_reject(GmmAttachReject& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_detach_request(GmmDetachRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_detach_accept(GmmDetachAccept& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_routing_area_update_request(GmmRoutingAreaUpdateRequest& r, const uint8_t* msg, uint16_t len,
                                           uint8_t dir);
void parse_gmm_routing_area_update_accept(GmmRoutingAreaUpdateAccept& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_routing_area_update_complete(GmmRoutingAreaUpdateComplete& r, const uint8_t* msg, uint16_t len,
                                            uint8_t dir);
void parse_gmm_routing_area_update_reject(GmmRoutingAreaUpdateReject& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_service_request(GmmServiceRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_service_accept(GmmServiceAccept& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_cause_only(GmmCauseOnly& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_ptmsi_reallocation_command(GmmPtmsiReallocationCommand& r, const uint8_t* msg, uint16_t len,
                                          uint8_t dir);
void parse_gmm_key_only(GmmKeyOnly& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_authentication_ciphering_request(GmmAuthenticationCipheringRequest& r, const uint8_t* msg, uint16_t len,
                                                uint8_t dir);
void parse_gmm_authentication_ciphering_response(GmmAuthenticationCipheringResponse& r, const uint8_t* msg,
                                                 uint16_t len, uint8_t dir);
void parse_gmm_identity_request(GmmIdentityRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_identity_response(GmmIdentityResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gmm_authentication_ciphering_failure(GmmAuthenticationCipheringFailure& r, const uint8_t* msg, uint16_t len,
                                                uint8_t dir);
void parse_gmm_information(GmmInformation& r, const uint8_t* msg, uint16_t len, uint8_t dir);

int render_gmm_attach_request(const GmmAttachRequest& r, OutputText& out);
int render_gmm_attach_accept(const GmmAttachAccept& r, OutputText& out);
int render_gmm_attach_reject(const GmmAttachReject& r, OutputText& out);
int render_gmm_detach_request(const GmmDetachRequest& r, OutputText& out);
int render_gmm_detach_accept(const GmmDetachAccept& r, OutputText& out);
int render_gmm_routing_area_update_request(const GmmRoutingAreaUpdateRequest& r, OutputText& out);
int render_gmm_routing_area_update_accept(const GmmRoutingAreaUpdateAccept& r, OutputText& out);
int render_gmm_routing_area_update_complete(const GmmRoutingAreaUpdateComplete& r, OutputText& out);
int render_gmm_routing_area_update_reject(const GmmRoutingAreaUpdateReject& r, OutputText& out);
int render_gmm_service_request(const GmmServiceRequest& r, OutputText& out);
int render_gmm_service_accept(const GmmServiceAccept& r, OutputText& out);
int render_gmm_ptmsi_reallocation_command(const GmmPtmsiReallocationCommand& r, OutputText& out);
int render_gmm_authentication_ciphering_request(const GmmAuthenticationCipheringRequest& r, OutputText& out);
int render_gmm_authentication_ciphering_response(const GmmAuthenticationCipheringResponse& r, OutputText& out);
int render_gmm_identity_request(const GmmIdentityRequest& r, OutputText& out);
int render_gmm_identity_response(const GmmIdentityResponse& r, OutputText& out);
int render_gmm_authentication_ciphering_failure(const GmmAuthenticationCipheringFailure& r, OutputText& out);
int render_gmm_information(const GmmInformation& r, OutputText& out);
int render_attach_complete(const GmmKeyOnly& r, OutputText& out);
int render_service_reject(const GmmCauseOnly& r, OutputText& out);
int render_ptmsi_reallocation_complete(const GmmKeyOnly& r, OutputText& out);
int render_authentication_ciphering_reject(const GmmKeyOnly& r, OutputText& out);
int render_gmm_status(const GmmCauseOnly& r, OutputText& out);

}  // namespace l3
