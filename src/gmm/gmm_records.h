// Records of the GMM messages. Only the attach request, routing area update
// request, service request and authentication and ciphering request keep the
// caller's direction byte; every other record leaves it 0.
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/record.h"
#include "gmm/gmm_elements.h"
#include "gmm/ms_capability.h"
#include "mm/shared_elements.h"

namespace l3 {

// Equivalent PLMNs: the element holds at most 15.
using GmmPlmnList = PlmnListOf<15>;

// Authentication response parameter extension: up to 12 octets, each kept as
// an integer; slot 0 unused.
struct ResExtension {
  uint8_t count;
  int32_t values[13];
};

// Key only: attach complete, P-TMSI reallocation complete, authentication and
// ciphering reject.
struct GmmKeyOnly : MessageRecord {};

struct GmmAttachRequest : MessageRecord {
  MsNetworkCapability network_capability;
  uint8_t attach_type;
  uint8_t cksn;
  DrxParameter drx;
  MobileIdentity identity;
  RoutingAreaId old_rai;
  MsRadioAccessCapability radio_access_capability;
  Opt<uint32_t> old_ptmsi_signature;
  Opt<uint8_t> requested_ready_timer;
  Opt<uint8_t> tmsi_status;
  Opt<TwoOctetCopy> ps_lcs_capability;
};

struct GmmAttachAccept : MessageRecord {
  uint8_t attach_result;
  uint8_t force_to_standby;
  uint8_t periodic_ra_update_timer;
  uint8_t radio_priority_sms;
  uint8_t radio_priority_tom8;
  RoutingAreaId rai;
  Opt<uint32_t> ptmsi_signature;
  Opt<uint8_t> negotiated_ready_timer;
  Opt<MobileIdentity> allocated_ptmsi;
  Opt<MobileIdentity> ms_identity;
  Opt<uint8_t> cause;
  Opt<TwoOctetCopy> t3302;
  Opt<uint8_t> cell_notification;
  Opt<GmmPlmnList> equivalent_plmns;
  Opt<uint8_t> network_feature_support;
};

struct GmmAttachReject : MessageRecord {
  uint8_t cause;
  Opt<TwoOctetCopy> t3302;
};

struct GmmDetachRequest : MessageRecord {
  uint8_t detach_type;
  Opt<uint8_t> force_to_standby;
  Opt<uint8_t> cause;
  Opt<MobileIdentity> ptmsi;
  Opt<uint8_t> ptmsi_signature;  // the last signature octet
};

struct GmmDetachAccept : MessageRecord {
  Opt<uint8_t> force_to_standby;
};

struct GmmRoutingAreaUpdateRequest : MessageRecord {
  uint8_t update_type;
  uint8_t cksn;
  RoutingAreaId old_rai;
  MsRadioAccessCapability radio_access_capability;
  Opt<uint32_t> old_ptmsi_signature;
  Opt<uint8_t> requested_ready_timer;
  Opt<DrxParameter> drx;
  Opt<uint8_t> tmsi_status;
  Opt<MobileIdentity> ptmsi;
  Opt<MsNetworkCapability> network_capability;
  Opt<PdpContextStatus> pdp_context_status;
  Opt<TwoOctetCopy> ps_lcs_capability;
};

struct GmmRoutingAreaUpdateAccept : MessageRecord {
  uint8_t force_to_standby;
  uint8_t update_result;
  uint8_t periodic_ra_update_timer;
  RoutingAreaId rai;
  Opt<uint32_t> ptmsi_signature;
  Opt<MobileIdentity> allocated_ptmsi;
  Opt<MobileIdentity> ms_identity;
  Opt<ReceiveNpduNumberList> receive_npdu_numbers;
  Opt<uint8_t> negotiated_ready_timer;
  Opt<uint8_t> cause;
  Opt<TwoOctetCopy> t3302;
  Opt<uint8_t> cell_notification;
  Opt<GmmPlmnList> equivalent_plmns;
  Opt<PdpContextStatus> pdp_context_status;
  Opt<uint8_t> network_feature_support;
};

struct GmmRoutingAreaUpdateComplete : MessageRecord {
  Opt<ReceiveNpduNumberList> receive_npdu_numbers;
};

struct GmmRoutingAreaUpdateReject : MessageRecord {
  uint8_t cause;
  uint8_t force_to_standby;
  Opt<TwoOctetCopy> t3302;
};

struct GmmServiceRequest : MessageRecord {
  uint8_t cksn;
  uint8_t service_type;
  MobileIdentity ptmsi;
  Opt<PdpContextStatus> pdp_context_status;
};

struct GmmServiceAccept : MessageRecord {
  Opt<PdpContextStatus> pdp_context_status;
};

// Service reject, GMM status.
struct GmmCauseOnly : MessageRecord {
  uint8_t cause;
};

struct GmmPtmsiReallocationCommand : MessageRecord {
  MobileIdentity allocated_ptmsi;
  RoutingAreaId rai;
  uint8_t force_to_standby;
  Opt<uint32_t> ptmsi_signature;
};

struct GmmAuthenticationCipheringRequest : MessageRecord {
  uint8_t ciphering_algorithm;
  uint8_t imeisv_request;
  uint8_t force_to_standby;
  uint8_t ac_reference_number;
  Opt<OctetString<16>> rand;
  Opt<Autn> autn;
  Opt<uint8_t> cksn;
};

struct GmmAuthenticationCipheringResponse : MessageRecord {
  uint8_t ac_reference_number;
  Opt<OctetString<4>> sres;
  Opt<MobileIdentity> imeisv;
  Opt<ResExtension> res_extension;
};

struct GmmIdentityRequest : MessageRecord {
  uint8_t identity_type;
  uint8_t force_to_standby;
};

struct GmmIdentityResponse : MessageRecord {
  MobileIdentity identity;
};

struct GmmAuthenticationCipheringFailure : MessageRecord {
  uint8_t cause;
  Opt<OctetString<14>> auts;
};

// Universal time and local time zone, each octet with its nibbles swapped so
// that it reads as plain BCD.
struct GmmInformation : MessageRecord, NetworkInformation {};

static_assert(std::is_trivially_copyable_v<GmmAttachRequest> && std::is_trivially_copyable_v<GmmAttachAccept> &&
              std::is_trivially_copyable_v<GmmRoutingAreaUpdateRequest> &&
              std::is_trivially_copyable_v<GmmRoutingAreaUpdateAccept> && std::is_trivially_copyable_v<GmmInformation>);

}  // namespace l3
