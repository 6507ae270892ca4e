#include "rr/messages/group_call.h"

#include "rr/elements/common_elements.h"
#include "rr/elements/measurement_elements.h"
#include "rr/elements/packet_elements.h"
#include "rr/elements/value_elements.h"
#include "rr/messages/message_parts.h"

namespace l3 {

using namespace rr_parts;

void parse_rr_initialisation_request(RrInitialisationRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.cksn = o & 0x07;
  r.mac_mode = (o >> 6) & 0x03;
  r.channel_coding = (o >> 4) & 0x03;
  if (!take_classmark2_fixed(in, r.classmark2, dir)) return;
  if (!take_u32(in, r.tlli)) return;
  if (!take_fixed(in, 5, r.request_description, decode_channel_request_description)) return;
  take_fixed(in, 2, r.measurement_results, decode_gprs_measurement_results);
}

void parse_vgcs_uplink_grant(VgcsUplinkGrant& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_fixed(in, 3, r.request_reference, decode_request_reference)) return;
  in.take_octet(r.timing_advance);
}

void parse_talker_indication(TalkerIndication& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  if (!take_classmark2_fixed(in, r.classmark2, dir)) return;
  take_length_led(in, r.identity, decode_mobile_identity);
}

int render_rr_initialisation_request(const RrInitialisationRequest& r, OutputText& out, const char* tag) {
  constexpr ValueText kCs[] = {{0, "CS1"}, {1, "CS2"}, {2, "CS3"}, {3, "CS4"}};
  constexpr ValueText kMacMode[] = {
      {0, "Dynamic Allocation"},
      {1, "Extended Dynamic Allocation"},
      {2, "Fixed Allocation, not half duplex mode"},
      {3, "Fixed Allocation, half duplex mode"},
  };
  open_message_frame(out, tag);
  render_rr_cksn(r.cksn, out);
  out.append("<Channel_Coding_Requested>\n");
  out.append("<CS>\n");
  append_value_text(text_or(kCs, r.channel_coding, ""), out, r.channel_coding, 1);
  out.append("</CS>\n");
  out.append("<MAC_MODE>\n");
  append_value_text(text_or(kMacMode, r.mac_mode, ""), out, r.mac_mode, 1);
  out.append("</MAC_MODE>\n");
  out.append("</Channel_Coding_Requested>\n");
  render_classmark2(r.classmark2, out);
  render_rr_tlli(r.tlli, out);
  render_channel_request_description(r.request_description, out);
  render_gprs_measurement_results(r.measurement_results, out);
  return close_message_frame(out, tag);
}

int render_vgcs_uplink_grant(const VgcsUplinkGrant& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_request_reference(r.request_reference, out);
  render_timing_advance(r.timing_advance, out);
  return close_message_frame(out, tag);
}

int render_talker_indication(const TalkerIndication& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_classmark2(r.classmark2, out);
  render_mobile_identity(r.identity, out);
  return close_message_frame(out, tag);
}

}  // namespace l3
