// Parsers and renderers of the GPRS session management messages.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "sm/sm_records.h"

namespace l3 {

// Parsers fill a zeroed record whose key and direction are set.
void parse_sm_pco_only(SmPcoOnly& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_sm_reject(SmReject& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_sm_activate_pdp_context_request(ActivatePdpContextRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_sm_activate_pdp_context_accept(ActivatePdpContextAccept& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_sm_request_pdp_context_activation(RequestPdpContextActivation& r, const uint8_t* msg, uint16_t len,
                                             uint8_t dir);
void parse_sm_deactivate_pdp_context_request(DeactivatePdpContextRequest& r, const uint8_t* msg, uint16_t len,
                                             uint8_t dir);
void parse_sm_modify_pdp_context_request_network(ModifyPdpContextRequestNetwork& r, const uint8_t* msg, uint16_t len,
                                                 uint8_t dir);
void parse_sm_modify_pdp_context_request_ms(ModifyPdpContextRequestMs& r, const uint8_t* msg, uint16_t len,
                                            uint8_t dir);
void parse_sm_modify_pdp_context_accept_network(ModifyPdpContextAcceptNetwork& r, const uint8_t* msg, uint16_t len,
                                                uint8_t dir);
void parse_sm_activate_secondary_pdp_context_request(ActivateSecondaryPdpContextRequest& r, const uint8_t* msg,
                                                     uint16_t len, uint8_t dir);
void parse_sm_activate_secondary_pdp_context_accept(ActivateSecondaryPdpContextAccept& r, const uint8_t* msg,
                                                    uint16_t len, uint8_t dir);
void parse_sm_activate_aa_pdp_context_request(ActivateAaPdpContextRequest& r, const uint8_t* msg, uint16_t len,
                                              uint8_t dir);
void parse_sm_activate_aa_pdp_context_accept(ActivateAaPdpContextAccept& r, const uint8_t* msg, uint16_t len,
                                             uint8_t dir);
void parse_sm_deactivate_aa_pdp_context_request(DeactivateAaPdpContextRequest& r, const uint8_t* msg, uint16_t len,
                                                uint8_t dir);
void parse_sm_deactivate_aa_pdp_context_accept(DeactivateAaPdpContextAccept& r, const uint8_t* msg, uint16_t len,
                                               uint8_t dir);
void parse_sm_status(SmStatus& r, const uint8_t* msg, uint16_t len, uint8_t dir);

int render_sm_activate_pdp_context_request(const ActivatePdpContextRequest& r, OutputText& out);
int render_sm_activate_pdp_context_accept(const ActivatePdpContextAccept& r, OutputText& out);
int render_sm_activate_pdp_context_reject(const SmReject& r, OutputText& out);
int render_sm_request_pdp_context_activation(const RequestPdpContextActivation& r, OutputText& out);
int render_sm_request_pdp_context_activation_reject(const SmReject& r, OutputText& out);
int render_sm_deactivate_pdp_context_request(const DeactivatePdpContextRequest& r, OutputText& out);
int render_sm_deactivate_pdp_context_accept(const SmPcoOnly& r, OutputText& out);
int render_sm_modify_pdp_context_request_network(const ModifyPdpContextRequestNetwork& r, OutputText& out);
int render_sm_modify_pdp_context_accept_ms(const SmPcoOnly& r, OutputText& out);
int render_sm_modify_pdp_context_request_ms(const ModifyPdpContextRequestMs& r, OutputText& out);
int render_sm_modify_pdp_context_accept_network(const ModifyPdpContextAcceptNetwork& r, OutputText& out);
int render_sm_modify_pdp_context_reject(const SmReject& r, OutputText& out);
int render_sm_activate_secondary_pdp_context_request(const ActivateSecondaryPdpContextRequest& r, OutputText& out);
int render_sm_activate_secondary_pdp_context_accept(const ActivateSecondaryPdpContextAccept& r, OutputText& out);
int render_sm_activate_secondary_pdp_context_reject(const SmReject& r, OutputText& out);
int render_sm_activate_aa_pdp_context_request(const ActivateAaPdpContextRequest& r, OutputText& out);
int render_sm_activate_aa_pdp_context_accept(const ActivateAaPdpContextAccept& r, OutputText& out);
int render_sm_activate_aa_pdp_context_reject(const SmReject& r, OutputText& out);
int render_sm_deactivate_aa_pdp_context_request(const DeactivateAaPdpContextRequest& r, OutputText& out);
int render_sm_deactivate_aa_pdp_context_accept(const DeactivateAaPdpContextAccept& r, OutputText& out);
int render_sm_status(const SmStatus& r, OutputText& out);

}  // namespace l3
