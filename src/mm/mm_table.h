// The mobility management messages: one row each.
#pragma once

#include "core/message_table.h"
#include "mm/mm_messages.h"

namespace l3 {

// clang-format off
inline constexpr MessageRow kMmMessages[] = {
    message<ImsiDetachIndication, parse_imsi_detach_indication, render_imsi_detach_indication>(0x501, "IMSI detach indication", {"v1 l1-8", "", 0}),
    message<LocationUpdatingAccept, parse_location_updating_accept, render_location_updating_accept>(0x502, "Location updating accept", {"v5", "17l1-8 4Al3-45 A1t A2t", 0}),
    message<MmCause, parse_mm_cause_message, render_location_updating_reject>(0x504, "Location updating reject", {"v1", "", 0}),
    message<LocationUpdatingRequest, parse_location_updating_request, render_location_updating_request>(0x508, "Location updating request", {"v1 v5 v1 l1-8", "33l3-3", 0}),
    message<MmEmpty, parse_mm_empty_message, render_authentication_reject>(0x511, "Authentication reject", {"", "", 0}),
    message<AuthenticationRequest, parse_authentication_request, render_authentication_request>(0x512, "Authentication request", {"v1 v16", "20l16-16", 0}),
    message<AuthenticationResponse, parse_authentication_response, render_authentication_response>(0x514, "Authentication response", {"v4", "21l1-12", 0}),
    message<IdentityRequest, parse_identity_request, render_identity_request>(0x518, "Identity request", {"v1", "", 0}),
    message<IdentityResponse, parse_identity_response, render_identity_response>(0x519, "Identity response", {"l1-8", "", 0}),
    message<TmsiReallocationCommand, parse_tmsi_reallocation_command, render_tmsi_reallocation_command>(0x51A, "TMSI reallocation command", {"v5 l1-8", "", 0}),
    message<MmEmpty, parse_mm_empty_message, render_tmsi_reallocation_complete>(0x51B, "TMSI reallocation complete", {"", "", 0}),
    message<AuthenticationFailure, parse_authentication_failure, render_authentication_failure>(0x51C, "Authentication failure", {"v1", "22l14-14", 0}),
    message<MmEmpty, parse_mm_empty_message, render_cm_service_accept>(0x521, "CM service accept", {"", "", 0}),
    message<MmCause, parse_mm_cause_message, render_cm_service_reject>(0x522, "CM service reject", {"v1", "", 0}),
    message<MmCause, parse_mm_cause_message, render_cm_service_abort>(0x523, "CM service abort", {"v1", "", 0}),
    message<CmServiceRequest, parse_cm_service_request, render_cm_service_request>(0x524, "CM service request", {"v1 l3-3 l1-8", "80h", 0}),
    message<CmServicePrompt, parse_cm_service_prompt, render_cm_service_prompt>(0x525, "CM service prompt", {"v1", "", 0}),
    message<NotificationResponse, parse_notification_response, render_notification_response>(0x526, "Notification response", {"l3-3 l1-8 v5", "", 0}),
    message<CmReestablishmentRequest, parse_cm_reestablishment_request, render_cm_reestablishment_request>(0x528, "CM re-establishment request", {"v1 l3-3 l1-8", "13v5", 0}),
    message<MmCause, parse_mm_cause_message, render_mm_abort>(0x529, "Abort", {"v1", "", 0}),
    message<MmEmpty, parse_mm_empty_message, render_mm_null>(0x530, "MM null", {"", "", 0}),
    message<MmCause, parse_mm_cause_message, render_mm_status>(0x531, "MM status", {"v1", "", 0}),
    message<MmInformation, parse_mm_information, render_mm_information>(0x532, "MM information", {"", "43l1-30 45l1-30 46v1 47v7 48l3-3 49l1-1", 0}),
};
// clang-format on
static_assert(keys_unique(kMmMessages) && keys_of_pd(kMmMessages, kPdMm));

}  // namespace l3
