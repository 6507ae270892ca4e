#include <iterator>

#include "gmm/gmm_messages.h"

namespace l3 {
namespace {

// walk_optional over a row table, deducing the record type from the table.
template <class R, size_t N>
void walk_ies(R& r, MessageReader& in, const OptionalIe<R> (&table)[N]) {
  walk_optional<R>(r, in, table);
}

uint8_t low_half(uint8_t octet) { return octet & 7; }
uint8_t high_half(uint8_t octet) { return (octet >> 4) & 7; }

template <class R, Opt<uint32_t> R::*M>
void store_signature(R& r, const IeView& ie) {
  (r.*M).present = 1;
  (r.*M).value = (uint32_t{ie.value[0]} << 16) | (uint32_t{ie.value[1]} << 8) | ie.value[2];
}

// Type 1 element whose value is bit 1 of the IEI octet.
template <class R, Opt<uint8_t> R::*M>
void store_low_bit(R& r, const IeView& ie) {
  (r.*M).present = 1;
  (r.*M).value = ie.iei_octet & 1;
}

// Length octet and first value octet; the walk has moved past the whole element.
template <class R, Opt<TwoOctetCopy> R::*M>
void store_two_octet_copy(R& r, const IeView& ie) {
  (r.*M).present = 1;
  (r.*M).value.length = static_cast<uint8_t>(ie.length);
  (r.*M).value.value = ie.length > 0 ? ie.value[0] : 0;
}

template <class R, Opt<PdpContextStatus> R::*M>
void store_pdp_context_status(R& r, const IeView& ie) {
  PdpContextStatus& s = (r.*M).value;
  (r.*M).present = 1;
  s.length = static_cast<uint8_t>(ie.length);
  s.nsapis = 0;
  if (ie.length > 0) s.nsapis = ie.value[0];
  if (ie.length > 1) s.nsapis |= uint32_t{ie.value[1]} << 8;
}

// The LCS-MOLR bit of the network feature support nibble: bit 4 of the IEI
// octet (bits 3 to 1 are MBMS, IMS VoPS and EMC BS).
template <class R, Opt<uint8_t> R::*M>
void store_network_feature_support(R& r, const IeView& ie) {
  (r.*M).present = 1;
  (r.*M).value = (ie.iei_octet >> 3) & 1;
}

using AttReq = GmmAttachRequest;
constexpr OptionalIe<AttReq> kAttachRequestIes[] = {
    {0x19, IeForm::tv, 3, store_signature<AttReq, &AttReq::old_ptmsi_signature>},
    {0x17, IeForm::tv, 1, store_octet<AttReq, &AttReq::requested_ready_timer>},
    {0x90, IeForm::half, 0, store_low_bit<AttReq, &AttReq::tmsi_status>},
    {0x33, IeForm::tlv, 0, store_two_octet_copy<AttReq, &AttReq::ps_lcs_capability>},
};
static_assert(ieis_unique<AttReq>(kAttachRequestIes));
}  // namespace

void parse_gmm_attach_request(GmmAttachRequest& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  uint8_t octet = 0;
  if (!in.take_lv_led(bits)) return;
  decode_ms_network_capability(r.network_capability, bits);
  if (!in.take_octet(octet)) return;
  r.attach_type = low_half(octet);
  r.cksn = high_half(octet);
  if (!in.take_v(2, bits)) return;
  decode_drx_parameter(r.drx, bits);
  if (!in.take_lv_led(bits)) return;
  decode_mobile_identity(r.identity, bits);
  if (!in.take_v(6, bits)) return;
  decode_routing_area_identification(r.old_rai, bits);
  if (!in.take_lv_value(bits)) return;
  decode_ms_radio_access_capability(r.radio_access_capability, bits);
  walk_ies(r, in, kAttachRequestIes);
}

namespace {
using AttAcc = GmmAttachAccept;
constexpr OptionalIe<AttAcc> kAttachAcceptIes[] = {
    {0x19, IeForm::tv, 3, store_signature<AttAcc, &AttAcc::ptmsi_signature>},
    {0x17, IeForm::tv, 1, store_octet<AttAcc, &AttAcc::negotiated_ready_timer>},
    {0x18, IeForm::tlv, 0, decode_length_led<AttAcc, MobileIdentity, &AttAcc::allocated_ptmsi, decode_mobile_identity>},
    {0x23, IeForm::tlv, 0, decode_length_led<AttAcc, MobileIdentity, &AttAcc::ms_identity, decode_mobile_identity>},
    {0x25, IeForm::tv, 1, store_octet<AttAcc, &AttAcc::cause>},
    {0x2A, IeForm::tlv, 0, store_two_octet_copy<AttAcc, &AttAcc::t3302>},
    {0x8C, IeForm::tag_only, 0, set_flag<AttAcc, &AttAcc::cell_notification>},
    {0x4A, IeForm::tlv, 0, decode_length_led<AttAcc, GmmPlmnList, &AttAcc::equivalent_plmns, decode_plmn_list<15>>},
    {0xB0, IeForm::half, 0, store_network_feature_support<AttAcc, &AttAcc::network_feature_support>},
};
static_assert(ieis_unique<AttAcc>(kAttachAcceptIes));
}  // namespace

void parse_gmm_attach_accept(GmmAttachAccept& r, const uint8_t* msg, uint16_t len, uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  BitBuffer bits;
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.attach_result = low_half(octet);
  r.force_to_standby = high_half(octet);
  if (!in.take_octet(r.periodic_ra_update_timer)) return;
  if (!in.take_octet(octet)) return;
  r.radio_priority_sms = low_half(octet);
  r.radio_priority_tom8 = high_half(octet);
  if (!in.take_v(6, bits)) return;
  decode_routing_area_identification(r.rai, bits);
  walk_ies(r, in, kAttachAcceptIes);
}

void parse_gmm_attach_reject(GmmAttachReject& r, const uint8_t* msg, uint16_t len, uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  if (!in.take_octet(r.cause)) return;
  // No loop: T3302 is looked for right after the cause and nowhere else.
  IeView ie;
  if (in.has(1) && in.peek() == 0x2A && take_ie(in, IeForm::tlv, 0, ie)) {
    store_two_octet_copy<GmmAttachReject, &GmmAttachReject::t3302>(r, ie);
  }
}

namespace {
// The detach request keeps only the last octet of its P-TMSI signature.
template <class R, Opt<uint8_t> R::*M>
void store_last_octet(R& r, const IeView& ie) {
  (r.*M).present = 1;
  (r.*M).value = ie.length > 0 ? ie.value[ie.length - 1] : 0;
}

using DetReq = GmmDetachRequest;
constexpr OptionalIe<DetReq> kDetachRequestIes[] = {
    {0x25, IeForm::tv, 1, store_octet<DetReq, &DetReq::cause>},
    {0x18, IeForm::tlv, 0, decode_length_led<DetReq, MobileIdentity, &DetReq::ptmsi, decode_mobile_identity>},
    {0x19, IeForm::tlv, 0, store_last_octet<DetReq, &DetReq::ptmsi_signature>},
};
static_assert(ieis_unique<DetReq>(kDetachRequestIes));
}  // namespace

void parse_gmm_detach_request(GmmDetachRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  r.direction = 0;
  MessageReader in(msg, len);
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.detach_type = low_half(octet);
  if (dir != 0) r.force_to_standby = {1, high_half(octet)};
  walk_ies(r, in, kDetachRequestIes);
}

void parse_gmm_detach_accept(GmmDetachAccept& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  r.direction = 0;
  MessageReader in(msg, len);
  uint8_t octet = 0;
  if (in.take_octet(octet) && dir != 0) r.force_to_standby = {1, low_half(octet)};
}

namespace {
using RauReq = GmmRoutingAreaUpdateRequest;
constexpr OptionalIe<RauReq> kRoutingAreaUpdateRequestIes[] = {
    {0x19, IeForm::tv, 3, store_signature<RauReq, &RauReq::old_ptmsi_signature>},
    {0x17, IeForm::tv, 1, store_octet<RauReq, &RauReq::requested_ready_timer>},
    {0x27, IeForm::tv, 2, decode_value<RauReq, DrxParameter, &RauReq::drx, decode_drx_parameter>},
    {0x90, IeForm::half, 0, store_low_bit<RauReq, &RauReq::tmsi_status>},
    {0x18, IeForm::tlv, 0, decode_length_led<RauReq, MobileIdentity, &RauReq::ptmsi, decode_mobile_identity>},
    {0x31, IeForm::tlv, 0,
     decode_length_led<RauReq, MsNetworkCapability, &RauReq::network_capability, decode_ms_network_capability>},
    {0x32, IeForm::tlv, 0, store_pdp_context_status<RauReq, &RauReq::pdp_context_status>},
    {0x33, IeForm::tlv, 0, store_two_octet_copy<RauReq, &RauReq::ps_lcs_capability>},
};
static_assert(ieis_unique<RauReq>(kRoutingAreaUpdateRequestIes));
}  // namespace

void parse_gmm_routing_area_update_request(GmmRoutingAreaUpdateRequest& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.update_type = low_half(octet);
  r.cksn = high_half(octet);
  if (!in.take_v(6, bits)) return;
  decode_routing_area_identification(r.old_rai, bits);
  if (!in.take_lv_value(bits)) return;
  decode_ms_radio_access_capability(r.radio_access_capability, bits);
  walk_ies(r, in, kRoutingAreaUpdateRequestIes);
}

namespace {
using RauAcc = GmmRoutingAreaUpdateAccept;
constexpr OptionalIe<RauAcc> kRoutingAreaUpdateAcceptIes[] = {
    {0x19, IeForm::tv, 3, store_signature<RauAcc, &RauAcc::ptmsi_signature>},
    {0x18, IeForm::tlv, 0, decode_length_led<RauAcc, MobileIdentity, &RauAcc::allocated_ptmsi, decode_mobile_identity>},
    {0x23, IeForm::tlv, 0, decode_length_led<RauAcc, MobileIdentity, &RauAcc::ms_identity, decode_mobile_identity>},
    {0x26, IeForm::tlv, 0,
     decode_value<RauAcc, ReceiveNpduNumberList, &RauAcc::receive_npdu_numbers, decode_receive_npdu_number_list>},
    {0x17, IeForm::tv, 1, store_octet<RauAcc, &RauAcc::negotiated_ready_timer>},
    {0x25, IeForm::tv, 1, store_octet<RauAcc, &RauAcc::cause>},
    {0x2A, IeForm::tlv, 0, store_two_octet_copy<RauAcc, &RauAcc::t3302>},
    {0x8C, IeForm::tag_only, 0, set_flag<RauAcc, &RauAcc::cell_notification>},
    {0x4A, IeForm::tlv, 0, decode_length_led<RauAcc, GmmPlmnList, &RauAcc::equivalent_plmns, decode_plmn_list<15>>},
    {0x32, IeForm::tlv, 0, store_pdp_context_status<RauAcc, &RauAcc::pdp_context_status>},
    {0xB0, IeForm::half, 0, store_network_feature_support<RauAcc, &RauAcc::network_feature_support>},
};
static_assert(ieis_unique<RauAcc>(kRoutingAreaUpdateAcceptIes));
}  // namespace

void parse_gmm_routing_area_update_accept(GmmRoutingAreaUpdateAccept& r, const uint8_t* msg, uint16_t len, uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  BitBuffer bits;
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.force_to_standby = low_half(octet);
  r.update_result = high_half(octet);
  if (!in.take_octet(r.periodic_ra_update_timer)) return;
  if (!in.take_v(6, bits)) return;
  decode_routing_area_identification(r.rai, bits);
  walk_ies(r, in, kRoutingAreaUpdateAcceptIes);
}

namespace {
using RauCmp = GmmRoutingAreaUpdateComplete;
constexpr OptionalIe<RauCmp> kRoutingAreaUpdateCompleteIes[] = {
    {0x26, IeForm::tlv, 0,
     decode_value<RauCmp, ReceiveNpduNumberList, &RauCmp::receive_npdu_numbers, decode_receive_npdu_number_list>},
};
}  // namespace

void parse_gmm_routing_area_update_complete(GmmRoutingAreaUpdateComplete& r, const uint8_t* msg, uint16_t len,
                                            uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  walk_ies(r, in, kRoutingAreaUpdateCompleteIes);
}

namespace {
using RauRej = GmmRoutingAreaUpdateReject;
constexpr OptionalIe<RauRej> kRoutingAreaUpdateRejectIes[] = {
    {0x2A, IeForm::tlv, 0, store_two_octet_copy<RauRej, &RauRej::t3302>},
};
}  // namespace

void parse_gmm_routing_area_update_reject(GmmRoutingAreaUpdateReject& r, const uint8_t* msg, uint16_t len, uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  uint8_t octet = 0;
  if (!in.take_octet(r.cause)) return;
  if (!in.take_octet(octet)) return;
  r.force_to_standby = low_half(octet);
  walk_ies(r, in, kRoutingAreaUpdateRejectIes);
}

namespace {
using SvcReq = GmmServiceRequest;
constexpr OptionalIe<SvcReq> kServiceRequestIes[] = {
    {0x32, IeForm::tlv, 0, store_pdp_context_status<SvcReq, &SvcReq::pdp_context_status>},
};
}  // namespace

void parse_gmm_service_request(GmmServiceRequest& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.cksn = low_half(octet);
  r.service_type = high_half(octet);
  if (!in.take_lv_led(bits)) return;
  decode_mobile_identity(r.ptmsi, bits);
  walk_ies(r, in, kServiceRequestIes);
}

namespace {
using SvcAcc = GmmServiceAccept;
constexpr OptionalIe<SvcAcc> kServiceAcceptIes[] = {
    {0x32, IeForm::tlv, 0, store_pdp_context_status<SvcAcc, &SvcAcc::pdp_context_status>},
};
}  // namespace

void parse_gmm_service_accept(GmmServiceAccept& r, const uint8_t* msg, uint16_t len, uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  walk_ies(r, in, kServiceAcceptIes);
}

// Service reject and GMM status: the cause alone.
void parse_gmm_cause_only(GmmCauseOnly& r, const uint8_t* msg, uint16_t len, uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  in.take_octet(r.cause);
}

namespace {
using PtmsiCmd = GmmPtmsiReallocationCommand;
constexpr OptionalIe<PtmsiCmd> kPtmsiReallocationCommandIes[] = {
    {0x19, IeForm::tv, 3, store_signature<PtmsiCmd, &PtmsiCmd::ptmsi_signature>},
};
}  // namespace

void parse_gmm_ptmsi_reallocation_command(GmmPtmsiReallocationCommand& r, const uint8_t* msg, uint16_t len, uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  BitBuffer bits;
  uint8_t octet = 0;
  if (!in.take_lv_led(bits)) return;
  decode_mobile_identity(r.allocated_ptmsi, bits);
  if (!in.take_v(6, bits)) return;
  decode_routing_area_identification(r.rai, bits);
  if (!in.take_octet(octet)) return;
  r.force_to_standby = low_half(octet);
  walk_ies(r, in, kPtmsiReallocationCommandIes);
}

void parse_gmm_key_only(GmmKeyOnly& r, const uint8_t*, uint16_t, uint8_t) { r.direction = 0; }

namespace {
// Type 1 element whose value is the low three bits of the IEI octet.
template <class R, Opt<uint8_t> R::*M>
void store_half_octet_key(R& r, const IeView& ie) {
  (r.*M).present = 1;
  (r.*M).value = low_half(ie.iei_octet);
}

using AcReq = GmmAuthenticationCipheringRequest;
constexpr OptionalIe<AcReq> kAuthenticationCipheringRequestIes[] = {
    {0x21, IeForm::tv, 16, store_octets<AcReq, 16, &AcReq::rand>},
    {0x28, IeForm::tlv, 0, store_octets<AcReq, 16, &AcReq::autn>},
    {0x80, IeForm::half, 0, store_half_octet_key<AcReq, &AcReq::cksn>},
};
static_assert(ieis_unique<AcReq>(kAuthenticationCipheringRequestIes));
}  // namespace

void parse_gmm_authentication_ciphering_request(GmmAuthenticationCipheringRequest& r, const uint8_t* msg, uint16_t len,
                                                uint8_t) {
  MessageReader in(msg, len);
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.ciphering_algorithm = low_half(octet);
  r.imeisv_request = high_half(octet);
  if (!in.take_octet(octet)) return;
  r.force_to_standby = low_half(octet);
  r.ac_reference_number = high_half(octet);
  walk_ies(r, in, kAuthenticationCipheringRequestIes);
}

namespace {
using AcRsp = GmmAuthenticationCipheringResponse;

// Up to 12 octets, each kept as an integer; the rest of a longer element is skipped.
void store_res_extension(AcRsp& r, const IeView& ie) {
  ResExtension& x = r.res_extension.value;
  r.res_extension.present = 1;
  uint32_t n = ie.length < std::size(x.values) ? ie.length : std::size(x.values) - 1;
  x.count = static_cast<uint8_t>(n);
  for (uint32_t i = 0; i < n; ++i) x.values[i + 1] = ie.value[i];
}

constexpr OptionalIe<AcRsp> kAuthenticationCipheringResponseIes[] = {
    {0x22, IeForm::tv, 4, store_octets<AcRsp, 4, &AcRsp::sres>},
    {0x23, IeForm::tlv, 0, decode_length_led<AcRsp, MobileIdentity, &AcRsp::imeisv, decode_mobile_identity>},
    {0x29, IeForm::tlv, 0, store_res_extension},
};
static_assert(ieis_unique<AcRsp>(kAuthenticationCipheringResponseIes));
}  // namespace

void parse_gmm_authentication_ciphering_response(GmmAuthenticationCipheringResponse& r, const uint8_t* msg,
                                                 uint16_t len, uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.ac_reference_number = octet & 0x0F;
  walk_ies(r, in, kAuthenticationCipheringResponseIes);
}

void parse_gmm_identity_request(GmmIdentityRequest& r, const uint8_t* msg, uint16_t len, uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.identity_type = low_half(octet);
  r.force_to_standby = high_half(octet);
}

void parse_gmm_identity_response(GmmIdentityResponse& r, const uint8_t* msg, uint16_t len, uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  BitBuffer bits;
  if (in.take_lv_led(bits)) decode_mobile_identity(r.identity, bits);
}

namespace {
using AcFail = GmmAuthenticationCipheringFailure;
constexpr OptionalIe<AcFail> kAuthenticationCipheringFailureIes[] = {
    {0x30, IeForm::tlv, 0, store_octets<AcFail, 14, &AcFail::auts>},
};
}  // namespace

void parse_gmm_authentication_ciphering_failure(GmmAuthenticationCipheringFailure& r, const uint8_t* msg, uint16_t len,
                                                uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  if (!in.take_octet(r.cause)) return;
  walk_ies(r, in, kAuthenticationCipheringFailureIes);
}

void parse_gmm_information(GmmInformation& r, const uint8_t* msg, uint16_t len, uint8_t) {
  r.direction = 0;
  parse_network_information(r, msg, len);
}

}  // namespace l3
