// The GPRS mobility management messages: one row each.
#pragma once

#include "core/message_table.h"
#include "gmm/gmm_messages.h"

namespace l3 {

// clang-format off
inline constexpr MessageRow kGmmMessages[] = {
    message<GmmAttachRequest, parse_gmm_attach_request, render_gmm_attach_request>(0x801, "Attach request", {"l1-8 v1 v2 l1-8 v6 l5-30", "19v3 17v1 90h 33l1-1", 0}),
    message<GmmAttachAccept, parse_gmm_attach_accept, render_gmm_attach_accept>(0x802, "Attach accept", {"v1 v1 v1 v6", "19v3 17v1 18l1-8 23l1-8 25v1 2Al1-1 8Ct 4Al3-45 B0h", 0}),
    message<GmmKeyOnly, parse_gmm_key_only, render_attach_complete>(0x803, "Attach complete", {"", "", 0}),
    message<GmmAttachReject, parse_gmm_attach_reject, render_gmm_attach_reject>(0x804, "Attach reject", {"v1", "2Al1-1", 0}),
    message<GmmDetachRequest, parse_gmm_detach_request, render_gmm_detach_request>(0x805, "Detach request", {"v1", "25v1 18l1-8 19l3-3", 0}),
    message<GmmDetachAccept, parse_gmm_detach_accept, render_gmm_detach_accept>(0x806, "Detach accept", {"r1", "", 0}),
    message<GmmRoutingAreaUpdateRequest, parse_gmm_routing_area_update_request, render_gmm_routing_area_update_request>(0x808, "Routing area update request", {"v1 v6 l5-30", "19v3 17v1 27v2 90h 18l1-8 31l1-8 32l2-2 33l1-1", 0}),
    message<GmmRoutingAreaUpdateAccept, parse_gmm_routing_area_update_accept, render_gmm_routing_area_update_accept>(0x809, "Routing area update accept", {"v1 v1 v6", "19v3 18l1-8 23l1-8 26l2-17 17v1 25v1 2Al1-1 8Ct 4Al3-45 32l2-2 B0h", 0}),
    message<GmmRoutingAreaUpdateComplete, parse_gmm_routing_area_update_complete, render_gmm_routing_area_update_complete>(0x80A, "Routing area update complete", {"", "26l2-17", 0}),
    message<GmmRoutingAreaUpdateReject, parse_gmm_routing_area_update_reject, render_gmm_routing_area_update_reject>(0x80B, "Routing area update reject", {"v1 v1", "2Al1-1", 0}),
    message<GmmServiceRequest, parse_gmm_service_request, render_gmm_service_request>(0x80C, "Service request", {"v1 l1-8", "32l2-2", 0}),
    message<GmmServiceAccept, parse_gmm_service_accept, render_gmm_service_accept>(0x80D, "Service accept", {"", "32l2-2", 0}),
    message<GmmCauseOnly, parse_gmm_cause_only, render_service_reject>(0x80E, "Service reject", {"v1", "", 0}),
    message<GmmPtmsiReallocationCommand, parse_gmm_ptmsi_reallocation_command, render_gmm_ptmsi_reallocation_command>(0x810, "P-TMSI reallocation command", {"l1-8 v6 v1", "19v3", 0}),
    message<GmmKeyOnly, parse_gmm_key_only, render_ptmsi_reallocation_complete>(0x811, "P-TMSI reallocation complete", {"", "", 0}),
    message<GmmAuthenticationCipheringRequest, parse_gmm_authentication_ciphering_request, render_gmm_authentication_ciphering_request>(0x812, "Authentication and ciphering request", {"v1 v1", "21v16 28l16-16 80h", 0}),
    message<GmmAuthenticationCipheringResponse, parse_gmm_authentication_ciphering_response, render_gmm_authentication_ciphering_response>(0x813, "Authentication and ciphering response", {"v1", "22v4 23l1-8 29l1-12", 0}),
    message<GmmKeyOnly, parse_gmm_key_only, render_authentication_ciphering_reject>(0x814, "Authentication and ciphering reject", {"", "", 0}),
    message<GmmIdentityRequest, parse_gmm_identity_request, render_gmm_identity_request>(0x815, "Identity request", {"v1", "", 0}),
    message<GmmIdentityResponse, parse_gmm_identity_response, render_gmm_identity_response>(0x816, "Identity response", {"l1-8", "", 0}),
    message<GmmAuthenticationCipheringFailure, parse_gmm_authentication_ciphering_failure, render_gmm_authentication_ciphering_failure>(0x81C, "Authentication and ciphering failure", {"v1", "30l14-14", 0}),
    message<GmmCauseOnly, parse_gmm_cause_only, render_gmm_status>(0x820, "GMM status", {"v1", "", 0}),
    message<GmmInformation, parse_gmm_information, render_gmm_information>(0x821, "GMM information", {"", "43l1-30 45l1-30 46v1 47v7 48l3-3 49l1-1", 0}),
};
// clang-format on
static_assert(keys_unique(kGmmMessages) && keys_of_pd(kGmmMessages, kPdGmm));

}  // namespace l3
