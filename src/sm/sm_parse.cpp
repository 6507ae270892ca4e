#include "sm/sm_messages.h"

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
}  // namespace

void parse_sm_pco_only(SmPcoOnly& r, const uint8_t* msg, uint16_t len, uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  walk_optional<SmPcoOnly>(r, in, kPcoOnlyIes<SmPcoOnly>);
}

// SM cause at octet 2, then the options.
void parse_sm_reject(SmReject& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!in.take_octet(r.sm_cause)) return;
  walk_optional<SmReject>(r, in, kPcoOnlyIes<SmReject>);
}

namespace {
using Apcr = ActivatePdpContextRequest;
constexpr OptionalIe<Apcr> kActivatePdpContextRequestIes[] = {kApnRow<Apcr>, kPcoRow<Apcr>};
static_assert(ieis_unique<Apcr>(kActivatePdpContextRequestIes));
}  // namespace

void parse_sm_activate_pdp_context_request(ActivatePdpContextRequest& r, const uint8_t* msg, uint16_t len,
                                           uint8_t dir) {
  r.requested_qos.from_mobile = dir == 0;
  r.direction = 0;
  MessageReader in(msg, len);
  if (!take_half(in, r.requested_nsapi, 0x0F)) return;
  if (!take_half(in, r.requested_llc_sapi, 0x0F)) return;
  if (!take_qos(in, r.requested_qos)) return;
  r.requested_qos.direction = dir;
  if (!take_pdp_address(in, r.requested_pdp_address)) return;
  r.requested_pdp_address.direction = dir;
  walk_optional<Apcr>(r, in, kActivatePdpContextRequestIes);
}

namespace {
using Apca = ActivatePdpContextAccept;
constexpr OptionalIe<Apca> kActivatePdpContextAcceptIes[] = {kPdpAddressRow<Apca>, kPcoRow<Apca>,
                                                             kPacketFlowIdentifierRow<Apca>};
static_assert(ieis_unique<Apca>(kActivatePdpContextAcceptIes));
}  // namespace

void parse_sm_activate_pdp_context_accept(ActivatePdpContextAccept& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  r.negotiated_qos.from_mobile = dir == 0;
  r.direction = 0;
  MessageReader in(msg, len);
  if (!take_half(in, r.negotiated_llc_sapi, 0x0F)) return;
  if (!take_qos(in, r.negotiated_qos)) return;
  if (!take_half(in, r.radio_priority, 0x07)) return;
  walk_optional<Apca>(r, in, kActivatePdpContextAcceptIes);
}

namespace {
using Rpca = RequestPdpContextActivation;
constexpr OptionalIe<Rpca> kRequestPdpContextActivationIes[] = {kApnRow<Rpca>, kPcoRow<Rpca>};
static_assert(ieis_unique<Rpca>(kRequestPdpContextActivationIes));
}  // namespace

void parse_sm_request_pdp_context_activation(RequestPdpContextActivation& r, const uint8_t* msg, uint16_t len,
                                             uint8_t) {
  r.direction = 0;
  MessageReader in(msg, len);
  if (!take_pdp_address(in, r.offered_pdp_address)) return;
  walk_optional<Rpca>(r, in, kRequestPdpContextActivationIes);
}

namespace {
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
}  // namespace

void parse_sm_deactivate_pdp_context_request(DeactivatePdpContextRequest& r, const uint8_t* msg, uint16_t len,
                                             uint8_t) {
  MessageReader in(msg, len);
  if (!in.take_octet(r.sm_cause)) return;
  walk_optional<Dpcr>(r, in, kDeactivatePdpContextRequestIes);
}

namespace {
using Mpcrn = ModifyPdpContextRequestNetwork;
constexpr OptionalIe<Mpcrn> kModifyPdpContextRequestNetworkIes[] = {kPdpAddressRow<Mpcrn>, kPcoRow<Mpcrn>,
                                                                    kPacketFlowIdentifierRow<Mpcrn>};
static_assert(ieis_unique<Mpcrn>(kModifyPdpContextRequestNetworkIes));
}  // namespace

void parse_sm_modify_pdp_context_request_network(ModifyPdpContextRequestNetwork& r, const uint8_t* msg, uint16_t len,
                                                 uint8_t dir) {
  r.new_qos.from_mobile = dir == 0;
  r.direction = 0;
  MessageReader in(msg, len);
  if (!take_half(in, r.radio_priority, 0x07)) return;
  if (!take_half(in, r.requested_llc_sapi, 0x0F)) return;
  if (!take_qos(in, r.new_qos)) return;
  walk_optional<Mpcrn>(r, in, kModifyPdpContextRequestNetworkIes);
}

namespace {
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
}  // namespace

void parse_sm_modify_pdp_context_request_ms(ModifyPdpContextRequestMs& r, const uint8_t* msg, uint16_t len,
                                            uint8_t dir) {
  r.requested_new_qos.value.from_mobile = dir == 0;
  r.direction = 0;
  MessageReader in(msg, len);
  walk_optional<Mpcrm>(r, in, kModifyPdpContextRequestMsIes);
}

namespace {
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
}  // namespace

void parse_sm_modify_pdp_context_accept_network(ModifyPdpContextAcceptNetwork& r, const uint8_t* msg, uint16_t len,
                                                uint8_t dir) {
  r.negotiated_qos.value.from_mobile = dir == 0;
  r.direction = 0;
  MessageReader in(msg, len);
  walk_optional<Mpcan>(r, in, kModifyPdpContextAcceptNetworkIes);
}

namespace {
using Aspcr = ActivateSecondaryPdpContextRequest;
constexpr OptionalIe<Aspcr> kActivateSecondaryPdpContextRequestIes[] = {
    {0x36, IeForm::tlv, 0, decode_length_led<Aspcr, TrafficFlowTemplate, &Aspcr::tft, decode_traffic_flow_template>},
    kPcoRow<Aspcr>,
};
static_assert(ieis_unique<Aspcr>(kActivateSecondaryPdpContextRequestIes));
}  // namespace

void parse_sm_activate_secondary_pdp_context_request(ActivateSecondaryPdpContextRequest& r, const uint8_t* msg,
                                                     uint16_t len, uint8_t dir) {
  r.requested_qos.from_mobile = dir == 0;
  r.direction = 0;
  MessageReader in(msg, len);
  if (!take_half(in, r.requested_nsapi, 0x0F)) return;
  if (!take_half(in, r.requested_llc_sapi, 0x0F)) return;
  if (!take_qos(in, r.requested_qos)) return;
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return;
  decode_linked_ti(r.linked_ti, bits);
  walk_optional<Aspcr>(r, in, kActivateSecondaryPdpContextRequestIes);
}

namespace {
using Aspca = ActivateSecondaryPdpContextAccept;
constexpr OptionalIe<Aspca> kActivateSecondaryPdpContextAcceptIes[] = {kPacketFlowIdentifierRow<Aspca>, kPcoRow<Aspca>};
static_assert(ieis_unique<Aspca>(kActivateSecondaryPdpContextAcceptIes));
}  // namespace

void parse_sm_activate_secondary_pdp_context_accept(ActivateSecondaryPdpContextAccept& r, const uint8_t* msg,
                                                    uint16_t len, uint8_t dir) {
  r.negotiated_qos.from_mobile = dir == 0;
  r.direction = 0;
  MessageReader in(msg, len);
  if (!take_half(in, r.negotiated_llc_sapi, 0x0F)) return;
  if (!take_qos(in, r.negotiated_qos)) return;
  if (!take_half(in, r.radio_priority, 0x07)) return;
  walk_optional<Aspca>(r, in, kActivateSecondaryPdpContextAcceptIes);
}

namespace {
using Aapcr = ActivateAaPdpContextRequest;
constexpr OptionalIe<Aapcr> kActivateAaPdpContextRequestIes[] = {
    kApnRow<Aapcr>,
    kPcoRow<Aapcr>,
    {0x17, IeForm::tv, 1, store_octet<Aapcr, &Aapcr::requested_aa_ready_timer>},
};
static_assert(ieis_unique<Aapcr>(kActivateAaPdpContextRequestIes));
}  // namespace

void parse_sm_activate_aa_pdp_context_request(ActivateAaPdpContextRequest& r, const uint8_t* msg, uint16_t len,
                                              uint8_t dir) {
  r.requested_qos.from_mobile = dir == 0;
  r.direction = 0;
  MessageReader in(msg, len);
  if (!take_half(in, r.requested_nsapi, 0x0F)) return;
  if (!take_half(in, r.requested_llc_sapi, 0x0F)) return;
  if (!take_qos(in, r.requested_qos)) return;
  if (!take_pdp_address(in, r.requested_pdp_address)) return;
  r.requested_pdp_address.direction = dir;
  walk_optional<Aapcr>(r, in, kActivateAaPdpContextRequestIes);
}

namespace {
using Aapca = ActivateAaPdpContextAccept;
constexpr OptionalIe<Aapca> kActivateAaPdpContextAcceptIes[] = {
    kPcoRow<Aapca>,
    {0x17, IeForm::tv, 1, store_octet<Aapca, &Aapca::negotiated_aa_ready_timer>},
};
static_assert(ieis_unique<Aapca>(kActivateAaPdpContextAcceptIes));
}  // namespace

void parse_sm_activate_aa_pdp_context_accept(ActivateAaPdpContextAccept& r, const uint8_t* msg, uint16_t len,
                                             uint8_t dir) {
  r.negotiated_qos.from_mobile = dir == 0;
  r.direction = 0;
  MessageReader in(msg, len);
  if (!take_half(in, r.negotiated_llc_sapi, 0x0F)) return;
  if (!take_qos(in, r.negotiated_qos)) return;
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return;
  decode_mobile_identity(r.allocated_ptmsi, bits);
  if (!take_pdp_address(in, r.pdp_address)) return;
  r.pdp_address.direction = dir;
  if (!take_half(in, r.radio_priority, 0x07)) return;
  walk_optional<Aapca>(r, in, kActivateAaPdpContextAcceptIes);
}

void parse_sm_deactivate_aa_pdp_context_request(DeactivateAaPdpContextRequest& r, const uint8_t* msg, uint16_t len,
                                                uint8_t) {
  MessageReader in(msg, len);
  in.take_octet(r.aa_deactivation_cause);
}

void parse_sm_deactivate_aa_pdp_context_accept(DeactivateAaPdpContextAccept&, const uint8_t*, uint16_t, uint8_t) {}

void parse_sm_status(SmStatus& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  in.take_octet(r.sm_cause);
}

}  // namespace l3
