#include "rr/messages/immediate_assignment.h"

#include "core/output.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/common_elements.h"
#include "rr/messages/message_parts.h"

namespace l3 {

using namespace rr_parts;

namespace {

// Starting time after IEI 0x7C, taken only when both octets are there.
template <class R>
void take_trailing_starting_time(R& r, MessageReader& in) {
  if (!at_iei(in, 0x7C) || !in.has(3)) return;
  in.skip(1);
  r.starting_time.present = 1;
  take_fixed(in, 2, r.starting_time.value, decode_starting_time);
}

}  // namespace

void parse_additional_assignment(AdditionalAssignment& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = AdditionalAssignment;
  static constexpr OptionalIe<R> kIes[] = {
      {0x72, IeForm::tlv, 0, kLed<R, MobileAllocation, &R::mobile_allocation, decode_mobile_allocation>},
      {0x7C, IeForm::tv, 2, kValue<R, StartingTime, &R::starting_time, decode_starting_time>},
  };
  static_assert(ieis_unique<R>(kIes));
  MessageReader in(msg, len);
  if (!take_fixed(in, 3, r.channel, decode_channel_description)) return;
  walk_optional<R>(r, in, kIes);
}

// The layout depends on the message's own T/D, downlink and TMA bits; the
// starting time is looked for only right after the mobile allocation.
void parse_immediate_assignment(ImmediateAssignment& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.page_mode = page_mode_of(o);
  r.td = (o >> 4) & 1;
  r.downlink = (o >> 5) & 1;
  r.tma = (o >> 6) & 1;
  if (!r.td && !r.downlink && !r.tma) {
    if (!take_fixed(in, 3, r.channel, decode_channel_description)) return;
  } else if (r.td && !r.tma) {
    if (!take_fixed(in, 3, r.packet_channel, decode_packet_channel_description)) return;
  }
  if (!take_fixed(in, 3, r.request_reference, decode_request_reference)) return;
  if (!in.take_octet(r.timing_advance)) return;
  if (!take_length_led(in, r.mobile_allocation, decode_mobile_allocation)) return;
  r.mobile_allocation_taken = 1;
  if (at_iei(in, 0x7C)) {
    in.skip(1);
    r.starting_time.present = 1;
    if (!take_fixed(in, 2, r.starting_time.value, decode_starting_time)) return;
  }
  decode_ia_rest_octets(r.rest, bits_of(in.here(), in.left()));
}

void parse_immediate_assignment_extended(ImmediateAssignmentExtended& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.page_mode = page_mode_of(o);
  if (!take_fixed(in, 3, r.channel1, decode_channel_description)) return;
  if (!take_fixed(in, 3, r.request_reference1, decode_request_reference)) return;
  if (!in.take_octet(r.timing_advance1)) return;
  if (!take_fixed(in, 3, r.channel2, decode_channel_description)) return;
  if (!take_fixed(in, 3, r.request_reference2, decode_request_reference)) return;
  if (!in.take_octet(r.timing_advance2)) return;
  if (!take_length_led(in, r.mobile_allocation, decode_mobile_allocation)) return;
  take_trailing_starting_time(r, in);
}

void parse_immediate_assignment_reject(ImmediateAssignmentReject& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.page_mode = page_mode_of(o);
  for (uint32_t i = 0; i < 4; ++i) {
    if (!take_fixed(in, 3, r.request_reference[i], decode_request_reference)) return;
    if (!in.take_octet(r.wait_indication[i])) return;
  }
  take_fixed(in, 3, r.rest, decode_iar_rest_octets);
}

namespace {

void render_packet_channel_description(const PacketChannelDescription& d, OutputText& out) {
  out.append("<Packet_Channel_Description>\n");
  write_field_u8(L3_TAG("Channel_type"), d.chan_type, out, 0);
  write_field_u8(L3_TAG("TN"), d.tn, out, 0);
  write_field_u8(L3_TAG("TSC"), d.tsc, out, 0);
  if (d.hopping) {
    write_field_u8(L3_TAG("MAIO"), d.maio, out, 0);
    write_field_u8(L3_TAG("HSN "), d.hsn, out, 0);
  } else if (!d.indirect) {
    write_field_u16(L3_TAG("ARFCN"), d.arfcn, out, 0);
  } else {
    write_field_u8(L3_TAG("MAIO"), d.maio, out, 0);
    out.append("<MA_NUMBER_IND>\n");
    append_value_text(d.ma_number_ind == 1 ? "MA_NUMBER equel 15" : "MA_NUMBER equel 14", out, d.ma_number_ind, 1);
    out.append("</MA_NUMBER_IND>\n");
    write_field_u8(L3_TAG("CHANGE_MARK_1"), d.change_mark_1, out, 0);
  }
  out.append("</Packet_Channel_Description>\n");
}

}  // namespace

int render_additional_assignment(const AdditionalAssignment& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_channel_description(r.channel, out);
  if (r.mobile_allocation.present) render_mobile_allocation(r.mobile_allocation.value, out);
  if (r.starting_time.present) render_starting_time(r.starting_time.value, out);
  return close_message_frame(out, tag);
}

int render_immediate_assignment(const ImmediateAssignment& r, OutputText& out, const char* tag) {
  const bool dedicated = !r.td && !r.downlink && !r.tma;
  const bool tbf = r.td && !r.tma;
  const char* text;
  if (!r.td) {
    text = dedicated ? "assigns a dedicated mode resource" : "Not used";
  } else if (!r.tma) {
    text = r.downlink ? "assigns a downlink TBF to the mobile station identified in the IA Rest Octets IE"
                      : "assigns an uplink TBF or is the second message of two in a two message assignment of an "
                        "uplink or downlink TBF";
  } else {
    text = r.downlink ? "the first message of two in a two-message assignment of a downlink TBF to the mobile station "
                        "identified in the IA Rest Octets IE"
                      : "the first message of two in a two-message assignment of an uplink TBF";
  }
  open_message_frame(out, tag);
  render_page_mode_immediate(r.page_mode, out);
  out.append("<Dedicated_mode_or_TBF>\n");
  write_field_u8(L3_TAG("TMA"), r.tma, out, 0);
  write_field_u8(L3_TAG("downlink "), r.downlink, out, 0);
  write_field_u8(L3_TAG("T_D"), r.td, out, 0);
  out.append(text);
  out.append("</Dedicated_mode_or_TBF>\n");
  if (dedicated) render_channel_description(r.channel, out);
  if (tbf) render_packet_channel_description(r.packet_channel, out);
  render_request_reference(r.request_reference, out);
  render_timing_advance(r.timing_advance, out);
  if (r.mobile_allocation_taken) render_mobile_allocation(r.mobile_allocation, out);
  if (r.starting_time.present) render_starting_time(r.starting_time.value, out);
  if (r.rest.present) render_ia_rest_octets(r.rest, out);
  return close_message_frame(out, tag);
}

int render_immediate_assignment_extended(const ImmediateAssignmentExtended& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_page_mode_immediate(r.page_mode, out);
  render_channel_description(r.channel1, out);
  render_request_reference(r.request_reference1, out);
  render_timing_advance(r.timing_advance1, out);
  render_channel_description(r.channel2, out);
  render_request_reference(r.request_reference2, out);
  render_timing_advance(r.timing_advance2, out);
  render_mobile_allocation(r.mobile_allocation, out);
  if (r.starting_time.present) render_starting_time(r.starting_time.value, out);
  return close_message_frame(out, tag);
}

int render_immediate_assignment_reject(const ImmediateAssignmentReject& r, OutputText& out, const char* tag) {
  constexpr const char* kWait[] = {"Wait_Indication1", "Wait_Indication2", "Wait_Indication3", "Wait_Indication4"};
  open_message_frame(out, tag);
  render_page_mode(r.page_mode, out);
  for (uint32_t i = 0; i < 4; ++i) {
    render_request_reference(r.request_reference[i], out);
    write_field_u8(kWait[i], r.wait_indication[i], out, 0);
  }
  if (r.rest.present) render_iar_rest_octets(r.rest, out);
  return close_message_frame(out, tag);
}

}  // namespace l3
