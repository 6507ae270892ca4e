// The GPRS session management messages: one row each.
#pragma once

#include "core/message_table.h"
#include "sm/sm_messages.h"

namespace l3 {

// clang-format off
inline constexpr MessageRow kSmMessages[] = {
    message<ActivatePdpContextRequest, parse_sm_activate_pdp_context_request, render_sm_activate_pdp_context_request>(0xA41, "Activate PDP context request", {"v1 v1 l3-16 l2-20", "28l1-40 27l3-60", 0}),
    message<ActivatePdpContextAccept, parse_sm_activate_pdp_context_accept, render_sm_activate_pdp_context_accept>(0xA42, "Activate PDP context accept", {"v1 l3-16 v1", "2Bl2-20 27l3-60 34l1-1", 0}),
    message<SmReject, parse_sm_reject, render_sm_activate_pdp_context_reject>(0xA43, "Activate PDP context reject", {"v1", "27l3-60", 0}),
    message<RequestPdpContextActivation, parse_sm_request_pdp_context_activation, render_sm_request_pdp_context_activation>(0xA44, "Request PDP context activation", {"l2-20", "28l1-40 27l3-60", 0}),
    message<SmReject, parse_sm_reject, render_sm_request_pdp_context_activation_reject>(0xA45, "Request PDP context activation reject", {"v1", "27l3-60", 0}),
    message<DeactivatePdpContextRequest, parse_sm_deactivate_pdp_context_request, render_sm_deactivate_pdp_context_request>(0xA46, "Deactivate PDP context request", {"v1", "90h 27l3-60", 0}),
    message<SmPcoOnly, parse_sm_pco_only, render_sm_deactivate_pdp_context_accept>(0xA47, "Deactivate PDP context accept", {"", "27l3-60", 0}),
    message<ModifyPdpContextRequestNetwork, parse_sm_modify_pdp_context_request_network, render_sm_modify_pdp_context_request_network>(0xA48, "Modify PDP context request (network to MS)", {"v1 v1 l3-16", "2Bl2-20 27l3-60 34l1-1", 0}),
    message<SmPcoOnly, parse_sm_pco_only, render_sm_modify_pdp_context_accept_ms>(0xA49, "Modify PDP context accept (MS to network)", {"", "27l3-60", 0}),
    message<ModifyPdpContextRequestMs, parse_sm_modify_pdp_context_request_ms, render_sm_modify_pdp_context_request_ms>(0xA4A, "Modify PDP context request (MS to network)", {"", "32v1 30l3-16 37l3-40 27l3-60", 0}),
    message<ModifyPdpContextAcceptNetwork, parse_sm_modify_pdp_context_accept_network, render_sm_modify_pdp_context_accept_network>(0xA4B, "Modify PDP context accept (network to MS)", {"", "32v1 30l3-16 80h 34l1-1 27l3-60", 0}),
    message<SmReject, parse_sm_reject, render_sm_modify_pdp_context_reject>(0xA4C, "Modify PDP context reject", {"v1", "27l3-60", 0}),
    message<ActivateSecondaryPdpContextRequest, parse_sm_activate_secondary_pdp_context_request, render_sm_activate_secondary_pdp_context_request>(0xA4D, "Activate secondary PDP context request", {"v1 v1 l3-16 l1-2", "36l3-40 27l3-60", 0}),
    message<ActivateSecondaryPdpContextAccept, parse_sm_activate_secondary_pdp_context_accept, render_sm_activate_secondary_pdp_context_accept>(0xA4E, "Activate secondary PDP context accept", {"v1 l3-16 v1", "34l1-1 27l3-60", 0}),
    message<SmReject, parse_sm_reject, render_sm_activate_secondary_pdp_context_reject>(0xA4F, "Activate secondary PDP context reject", {"v1", "27l3-60", 0}),
    message<ActivateAaPdpContextRequest, parse_sm_activate_aa_pdp_context_request, render_sm_activate_aa_pdp_context_request>(0xA50, "Activate AA PDP context request", {"v1 v1 l3-16 l2-20", "28l1-40 27l3-60 17v1", 0}),
    message<ActivateAaPdpContextAccept, parse_sm_activate_aa_pdp_context_accept, render_sm_activate_aa_pdp_context_accept>(0xA51, "Activate AA PDP context accept", {"v1 l3-16 l1-8 l2-20 v1", "27l3-60 17v1", 0}),
    message<SmReject, parse_sm_reject, render_sm_activate_aa_pdp_context_reject>(0xA52, "Activate AA PDP context reject", {"v1", "27l3-60", 0}),
    message<DeactivateAaPdpContextRequest, parse_sm_deactivate_aa_pdp_context_request, render_sm_deactivate_aa_pdp_context_request>(0xA53, "Deactivate AA PDP context request", {"v1", "", 0}),
    message<DeactivateAaPdpContextAccept, parse_sm_deactivate_aa_pdp_context_accept, render_sm_deactivate_aa_pdp_context_accept>(0xA54, "Deactivate AA PDP context accept", {"", "", 0}),
    message<SmStatus, parse_sm_status, render_sm_status>(0xA55, "SM status", {"v1", "", 0}),
};
// clang-format on
static_assert(keys_unique(kSmMessages) && keys_of_pd(kSmMessages, kPdSm));

}  // namespace l3
