#include "core/dispatch.h"
#include "mm/mm_messages.h"

namespace l3 {

namespace {

using Parse = MessageRecord* (*)(const uint8_t*, uint16_t, uint8_t);
using Render = int (*)(const MessageRecord&, OutputText&);

template <class R, R* (*F)(const uint8_t*, uint16_t, uint8_t)>
MessageRecord* parse_as(const uint8_t* msg, uint16_t len, uint8_t dir) {
  return F(msg, len, dir);
}

template <class R, int (*F)(const R&, OutputText&)>
int render_as(const MessageRecord& r, OutputText& out) {
  return F(static_cast<const R&>(r), out);
}

// One row per message: its parser and its renderer side by side.
struct MmMessage {
  uint8_t type;
  Parse parse;
  Render render;
};

#define MM_ROW(type, R, parse, render) \
  { type, parse_as<R, parse>, render_as<R, render> }

constexpr MmMessage kMmMessages[] = {
    MM_ROW(kImsiDetachIndication, ImsiDetachIndication, parse_imsi_detach_indication, render_imsi_detach_indication),
    MM_ROW(kLocationUpdatingAccept, LocationUpdatingAccept, parse_location_updating_accept,
           render_location_updating_accept),
    MM_ROW(kLocationUpdatingReject, MmCause, parse_mm_cause_message, render_location_updating_reject),
    MM_ROW(kLocationUpdatingRequest, LocationUpdatingRequest, parse_location_updating_request,
           render_location_updating_request),
    MM_ROW(kAuthenticationReject, MmEmpty, parse_mm_empty_message, render_authentication_reject),
    MM_ROW(kAuthenticationRequest, AuthenticationRequest, parse_authentication_request, render_authentication_request),
    MM_ROW(kAuthenticationResponse, AuthenticationResponse, parse_authentication_response,
           render_authentication_response),
    MM_ROW(kIdentityRequest, IdentityRequest, parse_identity_request, render_identity_request),
    MM_ROW(kIdentityResponse, IdentityResponse, parse_identity_response, render_identity_response),
    MM_ROW(kTmsiReallocationCommand, TmsiReallocationCommand, parse_tmsi_reallocation_command,
           render_tmsi_reallocation_command),
    MM_ROW(kTmsiReallocationComplete, MmEmpty, parse_mm_empty_message, render_tmsi_reallocation_complete),
    MM_ROW(kAuthenticationFailure, AuthenticationFailure, parse_authentication_failure, render_authentication_failure),
    MM_ROW(kCmServiceAccept, MmEmpty, parse_mm_empty_message, render_cm_service_accept),
    MM_ROW(kCmServiceReject, MmCause, parse_mm_cause_message, render_cm_service_reject),
    MM_ROW(kCmServiceAbort, MmCause, parse_mm_cause_message, render_cm_service_abort),
    MM_ROW(kCmServiceRequest, CmServiceRequest, parse_cm_service_request, render_cm_service_request),
    MM_ROW(kCmServicePrompt, CmServicePrompt, parse_cm_service_prompt, render_cm_service_prompt),
    MM_ROW(kNotificationResponse, NotificationResponse, parse_notification_response, render_notification_response),
    MM_ROW(kCmReestablishmentRequest, CmReestablishmentRequest, parse_cm_reestablishment_request,
           render_cm_reestablishment_request),
    MM_ROW(kMmAbort, MmCause, parse_mm_cause_message, render_mm_abort),
    MM_ROW(kMmNull, MmEmpty, parse_mm_empty_message, render_mm_null),
    MM_ROW(kMmStatus, MmCause, parse_mm_cause_message, render_mm_status),
    MM_ROW(kMmInformation, MmInformation, parse_mm_information, render_mm_information),
};

#undef MM_ROW

constexpr bool types_unique() {
  for (size_t i = 0; i < std::size(kMmMessages); ++i) {
    for (size_t j = i + 1; j < std::size(kMmMessages); ++j) {
      if (kMmMessages[i].type == kMmMessages[j].type) return false;
    }
  }
  return true;
}
static_assert(types_unique());
static_assert(std::size(kMmMessages) == 23);

// The send-sequence bits (7 and 8 of octet 1) do not take part in the type.
const MmMessage* find_mm_message(uint8_t octet1) {
  uint8_t type = octet1 & 0x3F;
  for (const MmMessage& m : kMmMessages) {
    if (m.type == type) return &m;
  }
  return nullptr;
}

}  // namespace

MessageRecord* parse_mm_message(const uint8_t* msg, uint16_t length, uint8_t direction) {
  const MmMessage* m = find_mm_message(msg[1]);
  return m == nullptr ? nullptr : m->parse(msg, length, direction);
}

int render_mm_message(const MessageRecord& r, OutputText& out, uint8_t) {
  const MmMessage* m = find_mm_message(static_cast<uint8_t>(r.key & 0xFF));
  return m == nullptr ? 0 : m->render(r, out);
}

}  // namespace l3
