// Records of the mobility management messages: key and direction first, then
// one part per element in message order.
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/record.h"
#include "mm/shared_elements.h"

namespace l3 {

// Message types (octet 1 without the send-sequence bits).
enum MmType : uint8_t {
  kImsiDetachIndication = 0x01,
  kLocationUpdatingAccept = 0x02,
  kLocationUpdatingReject = 0x04,
  kLocationUpdatingRequest = 0x08,
  kAuthenticationReject = 0x11,
  kAuthenticationRequest = 0x12,
  kAuthenticationResponse = 0x14,
  kIdentityRequest = 0x18,
  kIdentityResponse = 0x19,
  kTmsiReallocationCommand = 0x1A,
  kTmsiReallocationComplete = 0x1B,
  kAuthenticationFailure = 0x1C,
  kCmServiceAccept = 0x21,
  kCmServiceReject = 0x22,
  kCmServiceAbort = 0x23,
  kCmServiceRequest = 0x24,
  kCmServicePrompt = 0x25,
  kNotificationResponse = 0x26,
  kCmReestablishmentRequest = 0x28,
  kMmAbort = 0x29,
  kMmNull = 0x30,
  kMmStatus = 0x31,
  kMmInformation = 0x32,
};

// Records of messages that carry no element, or one raw octet.
struct MmEmpty : MessageRecord {};
struct MmCause : MessageRecord {
  uint8_t cause;  // reject cause, or octet 2 unchanged
};

struct ImsiDetachIndication : MessageRecord {
  Classmark1 classmark1;
  MobileIdentity mobile_identity;
};

struct LocationUpdatingAccept : MessageRecord {
  LocationAreaId lai;
  Opt<MobileIdentity> mobile_identity;
  uint8_t follow_on_proceed;
  uint8_t cts_permission;
  Opt<PlmnList> equivalent_plmns;
};

struct LocationUpdatingRequest : MessageRecord {
  uint8_t updating_type;
  uint8_t follow_on_request;
  uint8_t cksn;
  LocationAreaId lai;
  Classmark1 classmark1;
  MobileIdentity mobile_identity;
  Opt<Classmark2> classmark2;
  Opt<uint8_t> additional_update;  // CSMO (bit 2), CSMT (bit 1)
};

struct AuthenticationRequest : MessageRecord {
  uint8_t cksn;
  uint8_t rand[17];  // octets 1..16
  Opt<Autn> autn;
};

struct AuthenticationResponse : MessageRecord {
  uint8_t sres[5];  // octets 1..4
  Opt<OctetString<13>> extension;
};

struct IdentityRequest : MessageRecord {
  uint8_t identity_type;
};

struct IdentityResponse : MessageRecord {
  MobileIdentity mobile_identity;
};

struct TmsiReallocationCommand : MessageRecord {
  LocationAreaId lai;
  MobileIdentity mobile_identity;
};

struct AuthenticationFailure : MessageRecord {
  uint8_t cause;
  Opt<OctetString<15>> parameter;
};

struct CmServiceRequest : MessageRecord {
  uint8_t service_type;
  uint8_t cksn;
  Classmark2 classmark2;
  MobileIdentity mobile_identity;
  uint8_t priority_present;
  uint8_t priority_level;
  Opt<uint8_t> additional_update;  // CSMO (bit 2), CSMT (bit 1)
};

struct CmServicePrompt : MessageRecord {
  uint8_t pd;
  uint8_t sapi;
};

struct NotificationResponse : MessageRecord {
  Classmark2 classmark2;
  MobileIdentity mobile_identity;
  GroupCallReference group_call_reference;
};

struct CmReestablishmentRequest : MessageRecord {
  uint8_t cksn;
  Classmark2 classmark2;
  MobileIdentity mobile_identity;
  Opt<LocationAreaId> lai;
};

struct MmInformation : MessageRecord, NetworkInformation {};

static_assert(std::is_trivially_copyable_v<LocationUpdatingAccept>);
static_assert(std::is_trivially_copyable_v<LocationUpdatingRequest>);
static_assert(std::is_trivially_copyable_v<AuthenticationRequest>);
static_assert(std::is_trivially_copyable_v<CmServiceRequest>);
static_assert(std::is_trivially_copyable_v<NotificationResponse>);
static_assert(std::is_trivially_copyable_v<MmInformation>);

}  // namespace l3
