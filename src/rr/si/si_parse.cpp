#include <algorithm>

#include "rr/elements/channel_elements.h"
#include "rr/rest_octets/fill_bits.h"
#include "rr/si/si_messages.h"

namespace l3 {

namespace {

// SI 1, 2, 2bis, 2ter and 5 read nothing unless their 16-octet list is whole.
constexpr uint16_t kListMessageMinimum = 2 + 16;

// The rest octets: up to n octets from the reader's position, as many as the
// message holds.
struct RestBlock {
  const uint8_t* octets;
  uint32_t size;

  BitBuffer bits() const { return bits_of(octets, size); }
  bool padding() const { return all_padding(octets, size); }
};

RestBlock rest_block(const MessageReader& in, uint32_t n) { return {in.here(), std::min(n, in.left())}; }

// Each fixed element: taken only when the message holds it whole.
template <class T>
bool take(MessageReader& in, uint32_t n, T& field, void (*decode)(T&, const BitBuffer&), uint8_t& fields) {
  BitBuffer b;
  if (!in.take_v(n, b)) return false;
  decode(field, b);
  ++fields;
  return true;
}

void decode_octet(uint8_t& v, const BitBuffer& b) { v = read_bits8(0, 8, b); }
void decode_cell_channels(FrequencyList& l, const BitBuffer& b) { decode_channel_list16(l, b, 0); }

}  // namespace

void parse_si1(Si1& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len < kListMessageMinimum) return;
  MessageReader in(msg, len);
  if (!take(in, 16, r.cell_channels, decode_cell_channels, r.fields)) return;
  if (!take(in, 3, r.rach, decode_rach_control, r.fields)) return;
  RestBlock rest = rest_block(in, 1);
  if (rest.size == 0) return;
  r.rest_present = 1;
  decode_si1_rest_octets(r.rest, rest.bits());
}

void parse_si2(Si2& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len < kListMessageMinimum) return;
  MessageReader in(msg, len);
  if (!take(in, 16, r.neighbours, decode_neighbour_cell_description, r.fields)) return;
  if (!take(in, 1, r.ncc_permitted, decode_octet, r.fields)) return;
  take(in, 3, r.rach, decode_rach_control, r.fields);
}

void parse_si2bis(Si2bis& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len < kListMessageMinimum) return;
  MessageReader in(msg, len);
  if (!take(in, 16, r.neighbours, decode_neighbour_cell_description, r.fields)) return;
  take(in, 3, r.rach, decode_rach_control, r.fields);
}

void parse_si2ter(Si2ter& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len < kListMessageMinimum) return;
  MessageReader in(msg, len);
  if (!take(in, 16, r.neighbours, decode_neighbour_cell_description2, r.fields)) return;
  RestBlock rest = rest_block(in, 4);
  if (!rest.padding()) decode_si2ter_rest_octets(r.rest, rest.bits());
}

void parse_si3(Si3& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take(in, 2, r.cell_identity, decode_cell_identity, r.fields)) return;
  if (!take(in, 5, r.lai, decode_location_area_id, r.fields)) return;
  if (!take(in, 3, r.control_channel, decode_control_channel_description, r.fields)) return;
  if (!take(in, 1, r.cell_options, decode_cell_options_bcch, r.fields)) return;
  if (!take(in, 2, r.cell_selection, decode_cell_selection_parameters, r.fields)) return;
  if (!take(in, 3, r.rach, decode_rach_control, r.fields)) return;
  RestBlock rest = rest_block(in, 4);
  if (rest.size == 0) return;
  r.rest_present = 1;
  decode_si3_rest_octets(r.rest, rest.bits());
}

// The CBCH elements are looked for only right after the RACH control
// parameters and in this order, so SI 4 walks them by hand.
void parse_si4(Si4& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take(in, 5, r.lai, decode_location_area_id, r.fields)) return;
  if (!take(in, 2, r.cell_selection, decode_cell_selection_parameters, r.fields)) return;
  if (!take(in, 3, r.rach, decode_rach_control, r.fields)) return;
  if (in.has(4) && in.peek() == 0x64) {
    in.skip(1);
    BitBuffer b;
    in.take_v(3, b);
    r.cbch.present = 1;
    decode_channel_description(r.cbch.value, b);
  }
  if (in.has(2) && in.peek() == 0x72 && in.has(2u + in.peek(1))) {
    in.skip(1);
    BitBuffer b;
    in.take_lv_led(b);
    r.cbch_mobile_allocation.present = 1;
    decode_mobile_allocation(r.cbch_mobile_allocation.value, b);
  }
  RestBlock rest = rest_block(in, in.left());
  if (rest.padding()) return;
  r.rest_present = 1;
  decode_si4_rest_octets(r.rest, rest.bits());
}

void parse_si5(Si5& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len < kListMessageMinimum) return;
  MessageReader in(msg, len);
  take(in, 16, r.neighbours, decode_neighbour_cell_description, r.fields);
}

void parse_si5bis(Si5& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!in.has(16) || all_padding(in.here(), 16)) return;
  take(in, 16, r.neighbours, decode_neighbour_cell_description, r.fields);
}

void parse_si5ter(Si5ter& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  take(in, 16, r.neighbours, decode_neighbour_cell_description2, r.fields);
}

void parse_si6(Si6& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take(in, 2, r.cell_identity, decode_cell_identity, r.fields)) return;
  if (!take(in, 5, r.lai, decode_location_area_id, r.fields)) return;
  if (!take(in, 1, r.cell_options, decode_cell_options_sacch, r.fields)) return;
  if (!take(in, 1, r.ncc_permitted, decode_octet, r.fields)) return;
  RestBlock rest = rest_block(in, 7);
  if (rest.padding()) return;
  r.rest_present = 1;
  decode_si6_rest_octets(r.rest, rest.bits());
}

void parse_si7(Si7& r, const uint8_t* msg, uint16_t len, uint8_t) {
  RestBlock rest = rest_block(MessageReader(msg, len), 20);
  if (rest.padding()) return;
  r.rest_present = 1;
  decode_si7_rest_octets(r.rest, rest.bits());
}

void parse_si9(Si9& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take(in, 3, r.rach, decode_rach_control, r.fields)) return;
  RestBlock rest = rest_block(in, 17);
  if (rest.padding()) return;
  r.rest_present = 1;
  decode_si9_rest_octets(r.rest, rest.bits());
}

namespace {

// The messages that are rest octets alone: padding test, then the block's decoder.
template <class R, class Rest, uint32_t (*Decode)(Rest&, const BitBuffer&), Rest R::*Field, uint32_t N>
void parse_rest_only(R& r, const uint8_t* msg, uint16_t len) {
  RestBlock rest = rest_block(MessageReader(msg, len), N);
  if (!rest.padding()) Decode(r.*Field, rest.bits());
}

}  // namespace

void parse_si2quater(Si2quater& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_rest_only<Si2quater, Si2quaterRestOctets, decode_si2quater_rest_octets, &Si2quater::rest, 20>(r, msg, len);
}

void parse_si13(Si13& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_rest_only<Si13, Si13RestOctets, decode_si13_rest_octets, &Si13::rest, 20>(r, msg, len);
}

void parse_si14(Si14& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_rest_only<Si14, Si14RestOctets, decode_si14_rest_octets, &Si14::rest, 16>(r, msg, len);
}

void parse_si16(Si16& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_rest_only<Si16, Si16RestOctets, decode_si16_rest_octets, &Si16::rest, 20>(r, msg, len);
}

void parse_si18(Si18& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_rest_only<Si18, Si18RestOctets, decode_si18_rest_octets, &Si18::rest, 20>(r, msg, len);
}

void parse_si19(Si19& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_rest_only<Si19, Si19RestOctets, decode_si19_rest_octets, &Si19::rest, 20>(r, msg, len);
}

}  // namespace l3
