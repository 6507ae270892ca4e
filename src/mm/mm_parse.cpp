#include "mm/mm_messages.h"

namespace l3 {

namespace {

// Classmark 2 as a fixed value: its length octet must be there and is
// stepped over; the next three octets are the value whatever it says.
bool take_fixed_classmark2(MessageReader& in, Classmark2& c, uint8_t dir) {
  const uint8_t* octets = nullptr;
  if (!in.take_v(4, octets)) return false;
  decode_classmark2(c, bits_of(octets + 1, 3), dir);
  return true;
}

bool take_mobile_identity(MessageReader& in, MobileIdentity& id) {
  return take_length_led(in, id, decode_mobile_identity);
}

}  // namespace

void parse_mm_empty_message(MmEmpty&, const uint8_t*, uint16_t, uint8_t) {}

void parse_mm_cause_message(MmCause& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len > 2) r.cause = msg[2];
}

void parse_imsi_detach_indication(ImsiDetachIndication& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  if (!in.take_v(1, bits)) return;
  decode_classmark1(r.classmark1, bits);
  take_mobile_identity(in, r.mobile_identity);
}

namespace {

using Lua = LocationUpdatingAccept;
constexpr OptionalIe<Lua> kLocationUpdatingAcceptIes[] = {
    {0x17, IeForm::tlv, 0, decode_length_led<Lua, MobileIdentity, &Lua::mobile_identity, decode_mobile_identity>},
    {0x4A, IeForm::tlv, 0, decode_length_led<Lua, PlmnList, &Lua::equivalent_plmns, decode_plmn_list>},
    {0xA1, IeForm::tag_only, 0, [](Lua& r, const IeView&) { r.follow_on_proceed = 1; }},
    {0xA2, IeForm::tag_only, 0, [](Lua& r, const IeView&) { r.cts_permission = 1; }},
};
static_assert(ieis_unique<Lua>(kLocationUpdatingAcceptIes));

}  // namespace

void parse_location_updating_accept(LocationUpdatingAccept& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  if (!in.take_v(5, bits)) return;
  decode_location_area_id(r.lai, bits);
  walk_optional<Lua>(r, in, kLocationUpdatingAcceptIes);
}

// Only the classmark 2 is looked for, right after the mobile identity: no
// optional-element table.
void parse_location_updating_request(LocationUpdatingRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.updating_type = octet & 0x03;
  r.follow_on_request = (octet >> 3) & 0x01;
  r.cksn = (octet >> 4) & 0x07;
  BitBuffer bits;
  if (!in.take_v(5, bits)) return;
  decode_location_area_id(r.lai, bits);
  if (!in.take_v(1, bits)) return;
  decode_classmark1(r.classmark1, bits);
  if (!take_mobile_identity(in, r.mobile_identity)) return;
  if (in.has(1) && in.peek() == 0x33) {
    in.skip(1);
    if (!in.take_lv_value(bits)) return;
    r.classmark2.present = 1;
    decode_classmark2(r.classmark2.value, bits, dir);
  }
  // Then the additional update parameters (type 1, IEI 0xC-).
  uint8_t octet2 = 0;
  if (in.has(1) && (in.peek() & 0xF0) == 0xC0 && in.take_octet(octet2)) {
    r.additional_update.present = 1;
    r.additional_update.value = octet2 & 0x03;
  }
}

// Fixed positions: RAND at octets 3..18 and the AUTN only right after it.
void parse_authentication_request(AuthenticationRequest& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len > 2) r.cksn = msg[2] & 0x07;
  if (len <= 18) return;
  for (int i = 1; i <= 16; ++i) r.rand[i] = msg[2 + i];
  if (len > 20 && msg[19] == 0x20 && 21u + msg[20] <= len) {
    r.autn.present = 1;
    copy_octets(r.autn.value, msg + 21, msg[20]);
  }
}

// Fixed positions: the extension only at octet 6.
void parse_authentication_response(AuthenticationResponse& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len <= 5) return;
  for (int i = 1; i <= 4; ++i) r.sres[i] = msg[1 + i];
  if (len > 7 && msg[6] == 0x21 && 8u + msg[7] <= len) {
    r.extension.present = 1;
    copy_octets(r.extension.value, msg + 8, msg[7]);
  }
}

void parse_identity_request(IdentityRequest& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len > 2) r.identity_type = msg[2] & 0x07;
}

void parse_identity_response(IdentityResponse& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  take_mobile_identity(in, r.mobile_identity);
}

void parse_tmsi_reallocation_command(TmsiReallocationCommand& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  if (!in.take_v(5, bits)) return;
  decode_location_area_id(r.lai, bits);
  take_mobile_identity(in, r.mobile_identity);
}

// Fixed positions: the parameter only at octet 3.
void parse_authentication_failure(AuthenticationFailure& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len > 2) r.cause = msg[2];
  if (len > 4 && msg[3] == 0x22 && 5u + msg[4] <= len) {
    r.parameter.present = 1;
    copy_octets(r.parameter.value, msg + 5, msg[4]);
  }
}

namespace {

using Csr = CmServiceRequest;

void take_priority_level(Csr& r, const IeView& ie) {
  r.priority_present = 1;
  r.priority_level = ie.iei_octet & 0x07;
}

constexpr OptionalIe<Csr> kCmServiceRequestIes[] = {
    {0x80, IeForm::half, 0, take_priority_level},
    {0xC0, IeForm::half, 0,
     [](Csr& r, const IeView& ie) {
       r.additional_update.present = 1;
       r.additional_update.value = ie.low_nibble() & 0x03;
     }},
};
static_assert(ieis_unique<Csr>(kCmServiceRequestIes));

}  // namespace

void parse_cm_service_request(CmServiceRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.service_type = octet & 0x0F;
  r.cksn = (octet >> 4) & 0x07;
  if (!take_fixed_classmark2(in, r.classmark2, dir)) return;
  if (!take_mobile_identity(in, r.mobile_identity)) return;
  walk_optional<Csr>(r, in, kCmServiceRequestIes);
}

void parse_cm_service_prompt(CmServicePrompt& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len > 2) {
    r.pd = msg[2] & 0x0F;
    r.sapi = (msg[2] >> 4) & 0x03;
  }
}

void parse_notification_response(NotificationResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  if (!take_fixed_classmark2(in, r.classmark2, dir)) return;
  if (!take_mobile_identity(in, r.mobile_identity)) return;
  BitBuffer bits;
  if (!in.take_v(5, bits)) return;
  decode_group_call_reference(r.group_call_reference, bits);
}

// Only the location area is looked for, right after the mobile identity: no
// optional-element table.
void parse_cm_reestablishment_request(CmReestablishmentRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.cksn = octet & 0x07;
  if (!take_fixed_classmark2(in, r.classmark2, dir)) return;
  if (!take_mobile_identity(in, r.mobile_identity)) return;
  if (!in.has(6) || in.peek() != 0x13) return;
  in.skip(1);
  BitBuffer bits;
  in.take_v(5, bits);
  r.lai.present = 1;
  decode_location_area_id(r.lai.value, bits);
}

namespace {

using Ni = NetworkInformation;

// The length octet is kept even when it is 0 and nothing is decoded.
template <Opt<NetworkName> Ni::*M>
void take_network_name(Ni& r, const IeView& ie) {
  NetworkName& n = (r.*M).value;
  (r.*M).present = 1;
  n.length = static_cast<uint8_t>(ie.length);
  if (ie.length != 0) decode_network_name(n, ie.value_bits());
}

// Semi-octets swapped so that the BCD digits read in natural order.
void take_universal_time(Ni& r, const IeView& ie) {
  r.universal_time.present = 1;
  for (size_t i = 0; i < std::size(r.universal_time.value.octets) && i < ie.length; ++i) {
    uint8_t o = ie.value[i];
    r.universal_time.value.octets[i] = static_cast<uint8_t>((o << 4) | (o >> 4));
  }
}

// An empty element sets the flag only.
void take_daylight_saving_time(Ni& r, const IeView& ie) {
  r.daylight_saving_time.present = 1;
  if (ie.length == 0) return;
  r.daylight_saving_time.value.length = static_cast<uint8_t>(ie.length);
  r.daylight_saving_time.value.value = ie.value[0] & 0x03;
}

constexpr OptionalIe<Ni> kNetworkInformationIes[] = {
    {0x43, IeForm::tlv, 0, take_network_name<&Ni::full_name>},
    {0x45, IeForm::tlv, 0, take_network_name<&Ni::short_name>},
    {0x46, IeForm::tv, 1, store_octet<Ni, &Ni::local_time_zone>},
    {0x47, IeForm::tv, 7, take_universal_time},
    {0x48, IeForm::tlv, 0, store_octets<Ni, 3, &Ni::lsa_identity>},
    {0x49, IeForm::tlv, 0, take_daylight_saving_time},
};
static_assert(ieis_unique<Ni>(kNetworkInformationIes));

}  // namespace

void parse_network_information(NetworkInformation& r, const uint8_t* msg, uint16_t len) {
  MessageReader in(msg, len);
  walk_optional<Ni>(r, in, kNetworkInformationIes);
}

void parse_mm_information(MmInformation& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_network_information(r, msg, len);
}

}  // namespace l3
