#include "core/dispatch.h"
#include "sm/sm_records.h"

namespace l3 {

namespace {

// The mandatory elements shared by several messages. Each returns false when
// the message ends before the element does; the caller then stops.
bool take_half(MessageReader& in, uint8_t& field, uint8_t mask) {
  uint8_t o;
  if (!in.take_octet(o)) return false;
  field = o & mask;
  return true;
}

bool take_qos(MessageReader& in, QualityOfService& q) {
  BitBuffer bits;
  if (!in.take_lv_value(bits)) return false;
  decode_quality_of_service(q, bits);
  return true;
}

bool take_pdp_address(MessageReader& in, PdpAddress& a) {
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return false;
  decode_pdp_address(a, bits);
  return true;
}

template <class R>
R* new_sm_record(const uint8_t* msg, uint8_t dir, bool keeps_direction) {
  R* r = new_record<R>(msg, dir);
  if (r != nullptr && !keeps_direction) r->direction = 0;
  return r;
}

// Row actions shared by the tables below.
template <class R>
constexpr OptionalIe<R> kPcoRow = {0x27, IeForm::tlv, 0,
                                   decode_length_led<R, Pco, &R::pco, decode_protocol_configuration_options>};
template <class R>
constexpr OptionalIe<R> kApnRow = {0x28, IeForm::tlv, 0,
                                   decode_value<R, AccessPointName, &R::access_point_name, decode_access_point_name>};
template <class R>
constexpr OptionalIe<R> kPdpAddressRow = {0x2B, IeForm::tlv, 0,
                                          decode_length_led<R, PdpAddress, &R::pdp_address, decode_pdp_address>};
template <class R>
constexpr OptionalIe<R> kPacketFlowIdentifierRow = {
    0x34, IeForm::tlv, 0,
    decode_length_led<R, PacketFlowIdentifier, &R::packet_flow_identifier, decode_packet_flow_identifier>};

// Messages whose only optional element is the options: the walk goes on while
// the next octet is its IEI.
template <class R>
constexpr OptionalIe<R> kPcoOnlyIes[] = {kPcoRow<R>};

template <class R>
MessageRecord* parse_pco_only(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<R>(msg, dir, false);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  walk_optional<R>(*r, in, kPcoOnlyIes<R>);
  return r;
}

// SM cause at octet 2, then the options.
MessageRecord* parse_sm_reject(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<SmReject>(msg, dir, true);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  if (!in.take_octet(r->sm_cause)) return r;
  walk_optional<SmReject>(*r, in, kPcoOnlyIes<SmReject>);
  return r;
}

using Apcr = ActivatePdpContextRequest;
constexpr OptionalIe<Apcr> kActivatePdpContextRequestIes[] = {kApnRow<Apcr>, kPcoRow<Apcr>};
static_assert(ieis_unique<Apcr>(kActivatePdpContextRequestIes));

MessageRecord* parse_sm_activate_pdp_context_request(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<Apcr>(msg, dir, false);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  if (!take_half(in, r->requested_nsapi, 0x0F)) return r;
  if (!take_half(in, r->requested_llc_sapi, 0x0F)) return r;
  if (!take_qos(in, r->requested_qos)) return r;
  r->requested_qos.direction = dir;
  if (!take_pdp_address(in, r->requested_pdp_address)) return r;
  r->requested_pdp_address.direction = dir;
  walk_optional<Apcr>(*r, in, kActivatePdpContextRequestIes);
  return r;
}

using Apca = ActivatePdpContextAccept;
constexpr OptionalIe<Apca> kActivatePdpContextAcceptIes[] = {kPdpAddressRow<Apca>, kPcoRow<Apca>,
                                                             kPacketFlowIdentifierRow<Apca>};
static_assert(ieis_unique<Apca>(kActivatePdpContextAcceptIes));

MessageRecord* parse_sm_activate_pdp_context_accept(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<Apca>(msg, dir, false);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  if (!take_half(in, r->negotiated_llc_sapi, 0x0F)) return r;
  if (!take_qos(in, r->negotiated_qos)) return r;
  if (!take_half(in, r->radio_priority, 0x07)) return r;
  walk_optional<Apca>(*r, in, kActivatePdpContextAcceptIes);
  return r;
}

using Rpca = RequestPdpContextActivation;
constexpr OptionalIe<Rpca> kRequestPdpContextActivationIes[] = {kApnRow<Rpca>, kPcoRow<Rpca>};
static_assert(ieis_unique<Rpca>(kRequestPdpContextActivationIes));

MessageRecord* parse_sm_request_pdp_context_activation(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<Rpca>(msg, dir, false);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  if (!take_pdp_address(in, r->offered_pdp_address)) return r;
  walk_optional<Rpca>(*r, in, kRequestPdpContextActivationIes);
  return r;
}

using Dpcr = DeactivatePdpContextRequest;
constexpr OptionalIe<Dpcr> kDeactivatePdpContextRequestIes[] = {
    {0x90, IeForm::half, 0,
     [](Dpcr& r, const IeView& ie) {
       r.tear_down_indicator.present = 1;
       r.tear_down_indicator.value = ie.iei_octet & 1;
     }},
    kPcoRow<Dpcr>,
};
static_assert(ieis_unique<Dpcr>(kDeactivatePdpContextRequestIes));

MessageRecord* parse_sm_deactivate_pdp_context_request(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<Dpcr>(msg, dir, true);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  if (!in.take_octet(r->sm_cause)) return r;
  walk_optional<Dpcr>(*r, in, kDeactivatePdpContextRequestIes);
  return r;
}

using Mpcrn = ModifyPdpContextRequestNetwork;
constexpr OptionalIe<Mpcrn> kModifyPdpContextRequestNetworkIes[] = {kPdpAddressRow<Mpcrn>, kPcoRow<Mpcrn>,
                                                                    kPacketFlowIdentifierRow<Mpcrn>};
static_assert(ieis_unique<Mpcrn>(kModifyPdpContextRequestNetworkIes));

MessageRecord* parse_sm_modify_pdp_context_request_network(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<Mpcrn>(msg, dir, false);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  if (!take_half(in, r->radio_priority, 0x07)) return r;
  if (!take_half(in, r->requested_llc_sapi, 0x0F)) return r;
  if (!take_qos(in, r->new_qos)) return r;
  walk_optional<Mpcrn>(*r, in, kModifyPdpContextRequestNetworkIes);
  return r;
}

template <class R, Opt<uint8_t> R::*M>
void store_llc_sapi(R& r, const IeView& ie) {
  (r.*M).present = 1;
  (r.*M).value = ie.value[0] & 0x0F;
}

using Mpcrm = ModifyPdpContextRequestMs;
constexpr OptionalIe<Mpcrm> kModifyPdpContextRequestMsIes[] = {
    {0x32, IeForm::tv, 1, store_llc_sapi<Mpcrm, &Mpcrm::requested_llc_sapi>},
    {0x30, IeForm::tlv, 0, decode_value<Mpcrm, QualityOfService, &Mpcrm::requested_new_qos, decode_quality_of_service>},
    {0x37, IeForm::tlv, 0,
     decode_length_led<Mpcrm, TrafficFlowTemplate, &Mpcrm::new_tft, decode_traffic_flow_template>},
    kPcoRow<Mpcrm>,
};
static_assert(ieis_unique<Mpcrm>(kModifyPdpContextRequestMsIes));

MessageRecord* parse_sm_modify_pdp_context_request_ms(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<Mpcrm>(msg, dir, false);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  walk_optional<Mpcrm>(*r, in, kModifyPdpContextRequestMsIes);
  return r;
}

using Mpcan = ModifyPdpContextAcceptNetwork;
constexpr OptionalIe<Mpcan> kModifyPdpContextAcceptNetworkIes[] = {
    {0x32, IeForm::tv, 1, store_llc_sapi<Mpcan, &Mpcan::negotiated_llc_sapi>},
    {0x30, IeForm::tlv, 0, decode_value<Mpcan, QualityOfService, &Mpcan::negotiated_qos, decode_quality_of_service>},
    {0x80, IeForm::half, 0,
     [](Mpcan& r, const IeView& ie) {
       r.new_radio_priority.present = 1;
       r.new_radio_priority.value = ie.iei_octet & 0x07;
     }},
    kPacketFlowIdentifierRow<Mpcan>,
    kPcoRow<Mpcan>,
};
static_assert(ieis_unique<Mpcan>(kModifyPdpContextAcceptNetworkIes));

MessageRecord* parse_sm_modify_pdp_context_accept_network(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<Mpcan>(msg, dir, false);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  walk_optional<Mpcan>(*r, in, kModifyPdpContextAcceptNetworkIes);
  return r;
}

using Aspcr = ActivateSecondaryPdpContextRequest;
constexpr OptionalIe<Aspcr> kActivateSecondaryPdpContextRequestIes[] = {
    {0x36, IeForm::tlv, 0, decode_length_led<Aspcr, TrafficFlowTemplate, &Aspcr::tft, decode_traffic_flow_template>},
    kPcoRow<Aspcr>,
};
static_assert(ieis_unique<Aspcr>(kActivateSecondaryPdpContextRequestIes));

MessageRecord* parse_sm_activate_secondary_pdp_context_request(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<Aspcr>(msg, dir, false);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  if (!take_half(in, r->requested_nsapi, 0x0F)) return r;
  if (!take_half(in, r->requested_llc_sapi, 0x0F)) return r;
  if (!take_qos(in, r->requested_qos)) return r;
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return r;
  decode_linked_ti(r->linked_ti, bits);
  walk_optional<Aspcr>(*r, in, kActivateSecondaryPdpContextRequestIes);
  return r;
}

using Aspca = ActivateSecondaryPdpContextAccept;
constexpr OptionalIe<Aspca> kActivateSecondaryPdpContextAcceptIes[] = {kPacketFlowIdentifierRow<Aspca>, kPcoRow<Aspca>};
static_assert(ieis_unique<Aspca>(kActivateSecondaryPdpContextAcceptIes));

MessageRecord* parse_sm_activate_secondary_pdp_context_accept(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<Aspca>(msg, dir, false);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  if (!take_half(in, r->negotiated_llc_sapi, 0x0F)) return r;
  if (!take_qos(in, r->negotiated_qos)) return r;
  if (!take_half(in, r->radio_priority, 0x07)) return r;
  walk_optional<Aspca>(*r, in, kActivateSecondaryPdpContextAcceptIes);
  return r;
}

using Aapcr = ActivateAaPdpContextRequest;
constexpr OptionalIe<Aapcr> kActivateAaPdpContextRequestIes[] = {
    kApnRow<Aapcr>,
    kPcoRow<Aapcr>,
    {0x17, IeForm::tv, 1, store_octet<Aapcr, &Aapcr::requested_aa_ready_timer>},
};
static_assert(ieis_unique<Aapcr>(kActivateAaPdpContextRequestIes));

MessageRecord* parse_sm_activate_aa_pdp_context_request(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<Aapcr>(msg, dir, false);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  if (!take_half(in, r->requested_nsapi, 0x0F)) return r;
  if (!take_half(in, r->requested_llc_sapi, 0x0F)) return r;
  if (!take_qos(in, r->requested_qos)) return r;
  if (!take_pdp_address(in, r->requested_pdp_address)) return r;
  r->requested_pdp_address.direction = dir;
  walk_optional<Aapcr>(*r, in, kActivateAaPdpContextRequestIes);
  return r;
}

using Aapca = ActivateAaPdpContextAccept;
constexpr OptionalIe<Aapca> kActivateAaPdpContextAcceptIes[] = {
    kPcoRow<Aapca>,
    {0x17, IeForm::tv, 1, store_octet<Aapca, &Aapca::negotiated_aa_ready_timer>},
};
static_assert(ieis_unique<Aapca>(kActivateAaPdpContextAcceptIes));

MessageRecord* parse_sm_activate_aa_pdp_context_accept(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<Aapca>(msg, dir, false);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  if (!take_half(in, r->negotiated_llc_sapi, 0x0F)) return r;
  if (!take_qos(in, r->negotiated_qos)) return r;
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return r;
  decode_mobile_identity(r->allocated_ptmsi, bits);
  if (!take_pdp_address(in, r->pdp_address)) return r;
  r->pdp_address.direction = dir;
  if (!take_half(in, r->radio_priority, 0x07)) return r;
  walk_optional<Aapca>(*r, in, kActivateAaPdpContextAcceptIes);
  return r;
}

MessageRecord* parse_sm_deactivate_aa_pdp_context_request(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<DeactivateAaPdpContextRequest>(msg, dir, true);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  in.take_octet(r->aa_deactivation_cause);
  return r;
}

MessageRecord* parse_sm_deactivate_aa_pdp_context_accept(const uint8_t* msg, uint16_t, uint8_t dir) {
  return new_sm_record<DeactivateAaPdpContextAccept>(msg, dir, true);
}

MessageRecord* parse_sm_status(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_sm_record<SmStatus>(msg, dir, true);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  in.take_octet(r->sm_cause);
  return r;
}

constexpr auto* parse_sm_activate_pdp_context_reject = parse_sm_reject;
constexpr auto* parse_sm_request_pdp_context_activation_reject = parse_sm_reject;
constexpr auto* parse_sm_modify_pdp_context_reject = parse_sm_reject;
constexpr auto* parse_sm_activate_secondary_pdp_context_reject = parse_sm_reject;
constexpr auto* parse_sm_activate_aa_pdp_context_reject = parse_sm_reject;
constexpr auto* parse_sm_deactivate_pdp_context_accept = parse_pco_only<DeactivatePdpContextAccept>;
constexpr auto* parse_sm_modify_pdp_context_accept_ms = parse_pco_only<ModifyPdpContextAcceptMs>;

}  // namespace

MessageRecord* parse_sm_message(const uint8_t* msg, uint16_t len, uint8_t dir) {
  // clang-format off
  switch (msg[1]) {
    case 0x41: return parse_sm_activate_pdp_context_request(msg, len, dir);
    case 0x42: return parse_sm_activate_pdp_context_accept(msg, len, dir);
    case 0x43: return parse_sm_activate_pdp_context_reject(msg, len, dir);
    case 0x44: return parse_sm_request_pdp_context_activation(msg, len, dir);
    case 0x45: return parse_sm_request_pdp_context_activation_reject(msg, len, dir);
    case 0x46: return parse_sm_deactivate_pdp_context_request(msg, len, dir);
    case 0x47: return parse_sm_deactivate_pdp_context_accept(msg, len, dir);
    case 0x48: return parse_sm_modify_pdp_context_request_network(msg, len, dir);
    case 0x49: return parse_sm_modify_pdp_context_accept_ms(msg, len, dir);
    case 0x4A: return parse_sm_modify_pdp_context_request_ms(msg, len, dir);
    case 0x4B: return parse_sm_modify_pdp_context_accept_network(msg, len, dir);
    case 0x4C: return parse_sm_modify_pdp_context_reject(msg, len, dir);
    case 0x4D: return parse_sm_activate_secondary_pdp_context_request(msg, len, dir);
    case 0x4E: return parse_sm_activate_secondary_pdp_context_accept(msg, len, dir);
    case 0x4F: return parse_sm_activate_secondary_pdp_context_reject(msg, len, dir);
    case 0x50: return parse_sm_activate_aa_pdp_context_request(msg, len, dir);
    case 0x51: return parse_sm_activate_aa_pdp_context_accept(msg, len, dir);
    case 0x52: return parse_sm_activate_aa_pdp_context_reject(msg, len, dir);
    case 0x53: return parse_sm_deactivate_aa_pdp_context_request(msg, len, dir);
    case 0x54: return parse_sm_deactivate_aa_pdp_context_accept(msg, len, dir);
    case 0x55: return parse_sm_status(msg, len, dir);
    default: return nullptr;
  }
  // clang-format on
}

}  // namespace l3
