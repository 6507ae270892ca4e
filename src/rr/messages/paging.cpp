#include "rr/messages/paging.h"

#include <iterator>

#include "core/output.h"
#include "rr/elements/common_elements.h"
#include "rr/elements/value_elements.h"
#include "rr/messages/message_parts.h"
#include "rr/rest_octets/fill_bits.h"

namespace l3 {

using namespace rr_parts;

namespace {

bool take_classmark2_lv(MessageReader& in, Classmark2& c, uint8_t dir) {
  BitBuffer b;
  if (!in.take_lv_value(b)) return false;
  decode_classmark2(c, b, dir);
  return true;
}

template <class R>
bool take_paging_octet(R& r, MessageReader& in) {
  uint8_t o;
  if (!in.take_octet(o)) return false;
  r.page_mode = page_mode_of(o);
  r.channel_first = (o >> 4) & 0x03;
  r.channel_second = (o >> 6) & 0x03;
  return true;
}

// Mobile identity IEI 0x17 at this one place; false when it does not fit.
bool take_trailing_identity(Opt<MobileIdentity>& id, MessageReader& in) {
  if (!at_iei(in, 0x17)) return true;
  IeView ie;
  if (!take_ie(in, IeForm::tlv, 0, ie)) return false;
  id.present = 1;
  decode_mobile_identity(id.value, ie.length_led_bits());
  return true;
}

template <class Rest>
void take_padded_rest(Rest& rest, MessageReader& in, void (*decode)(Rest&, const BitBuffer&)) {
  if (in.left() == 0 || all_padding(in.here(), in.left())) return;
  decode(rest, bits_of(in.here(), in.left()));
}

}  // namespace

void parse_paging_request1(PagingRequest1& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_paging_octet(r, in)) return;
  if (!take_length_led(in, r.identity1, decode_mobile_identity)) return;
  if (!take_trailing_identity(r.identity2, in)) return;
  take_padded_rest(r.rest, in, decode_p1_rest_octets);
}

void parse_paging_request2(PagingRequest2& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_paging_octet(r, in)) return;
  if (!take_u32(in, r.tmsi1) || !take_u32(in, r.tmsi2)) return;
  if (!take_trailing_identity(r.identity3, in)) return;
  take_padded_rest(r.rest, in, decode_p2_rest_octets);
}

void parse_paging_request3(PagingRequest3& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_paging_octet(r, in)) return;
  for (uint32_t& t : r.tmsi) {
    if (!take_u32(in, t)) return;
  }
  take_fixed(in, 3, r.rest, decode_p3_rest_octets);
}

void parse_paging_response(PagingResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.cksn = o & 0x07;
  if (!take_classmark2_lv(in, r.classmark2, dir)) return;
  take_length_led(in, r.identity, decode_mobile_identity);
}

void parse_notification_nch(NotificationNch& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  // The NT/N rest octets fill the block; a shorter message gives what it holds.
  decode_nt_n_rest_octets(r, bits_of(in.here(), in.left() < 20 ? in.left() : 20));
}

void parse_rr_notification_response(RrNotificationResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  if (!take_classmark2_lv(in, r.classmark2, dir)) return;
  if (!take_length_led(in, r.identity, decode_mobile_identity)) return;
  BitBuffer b;
  if (!in.take_v(5, b)) return;
  BitCursor c(b);
  decode_rr_group_call_ref(r.group_call, c);
}

void parse_packet_notification(PacketNotification& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = PacketNotification;
  static constexpr OptionalIe<R> kIes[] = {
      {0x10, IeForm::tv, 4,
       [](R& r, const IeView& ie) {
         r.ptmsi.present = 1;
         r.ptmsi.value = be32(ie.value);
       }},
      {0x11, IeForm::tlv, 0, kLed<R, MobileIdentity, &R::identity, decode_mobile_identity>},
  };
  MessageReader in(msg, len);
  walk_optional<R>(r, in, kIes);
}

namespace {

template <class R>
void render_paging_head(const R& r, OutputText& out) {
  render_page_mode(r.page_mode, out);
  out.append("<Channels_Needed_for_Mobiles1_and_2>\n");
  write_field_u8(L3_TAG("CHANNEL_first"), r.channel_first, out, 0);
  write_field_u8(L3_TAG("CHANNEL_second"), r.channel_second, out, 0);
  out.append("</Channels_Needed_for_Mobiles1_and_2>\n");
}

void render_numbered_tmsi(uint32_t i, uint32_t tmsi, OutputText& out) {
  constexpr const char* kOpen[] = {"<MobileIdentity1>\n", "<MobileIdentity2>\n", "<MobileIdentity3>\n",
                                   "<MobileIdentity4>\n"};
  constexpr const char* kClose[] = {"</MobileIdentity1>\n", "</MobileIdentity2>\n", "</MobileIdentity3>\n",
                                    "</MobileIdentity4>\n"};
  if (i >= std::size(kOpen)) return;
  out.append(kOpen[i]);
  render_rr_tmsi(tmsi, out);
  out.append(kClose[i]);
}

}  // namespace

int render_paging_request1(const PagingRequest1& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_paging_head(r, out);
  render_mobile_identity(r.identity1, out);
  if (r.identity2.present) render_mobile_identity(r.identity2.value, out);
  if (r.rest.present) render_p1_rest_octets(r.rest, out);
  return close_message_frame(out, tag);
}

int render_paging_request2(const PagingRequest2& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_paging_head(r, out);
  render_numbered_tmsi(0, r.tmsi1, out);
  render_numbered_tmsi(1, r.tmsi2, out);
  if (r.identity3.present) render_mobile_identity(r.identity3.value, out);
  if (r.rest.present) render_p2_rest_octets(r.rest, out);
  return close_message_frame(out, tag);
}

int render_paging_request3(const PagingRequest3& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_paging_head(r, out);
  for (uint32_t i = 0; i < std::size(r.tmsi); ++i) render_numbered_tmsi(i, r.tmsi[i], out);
  if (r.rest.present) render_p3_rest_octets(r.rest, out);
  return close_message_frame(out, tag);
}

int render_paging_response(const PagingResponse& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_rr_cksn(r.cksn, out);
  render_classmark2(r.classmark2, out);
  render_mobile_identity(r.identity, out);
  return close_message_frame(out, tag);
}

int render_notification_nch(const NotificationNch& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_nt_n_rest_octets(rec, out);
  return close_message_frame(out, tag);
}

int render_rr_notification_response(const RrNotificationResponse& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_classmark2(r.classmark2, out);
  render_mobile_identity(r.identity, out);
  render_rr_group_call_ref(r.group_call, out);
  return close_message_frame(out, tag);
}

int render_packet_notification(const PacketNotification& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  if (r.identity.present) render_mobile_identity(r.identity.value, out);
  if (r.ptmsi.present) render_rr_tmsi(r.ptmsi.value, out);
  return close_message_frame(out, tag);
}

}  // namespace l3
