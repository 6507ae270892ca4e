#include "rr/messages/channel_release_mode.h"

#include "core/output.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/measurement_elements.h"
#include "rr/elements/value_elements.h"
#include "rr/messages/message_parts.h"

namespace l3 {

using namespace rr_parts;

void parse_ciphering_mode_command(CipheringModeCommand& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.setting = cipher_mode_setting_of(o);
  r.cipher_response = (o >> 4) & 1;
}

void parse_ciphering_mode_complete(CipheringModeComplete& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = CipheringModeComplete;
  static constexpr OptionalIe<R> kIes[] = {
      {0x17, IeForm::tlv, 0, kLed<R, MobileIdentity, &R::identity, decode_mobile_identity>},
  };
  MessageReader in(msg, len);
  walk_optional<R>(r, in, kIes);
}

// Length-led elements of CHANNEL RELEASE are taken only with a minimum size;
// the type 1 ranges have gaps (0x8D, 0xCD), so the walk is written out.
void parse_channel_release(ChannelRelease& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!in.take_octet(r.cause)) return;
  while (in.has(1)) {
    const uint8_t iei = in.peek();
    if (iei >= 0x80 && iei <= 0x8F && iei != 0x8D) {
      in.skip(1);
      r.group_cipher_key_number = {1, static_cast<uint8_t>(iei & 0x0F)};
      continue;
    }
    if (iei >= 0xC0 && iei <= 0xCF && iei != 0xCD) {
      in.skip(1);
      r.gprs_resumption = {1, static_cast<uint8_t>(iei & 0x01)};
      continue;
    }
    if (iei == 0x62) {
      // A fixed 16-octet list: the first list octet is not a length.
      IeView ie;
      if (!take_ie(in, IeForm::tv, 16, ie)) return;
      r.cell_channel.present = 1;
      decode_cell_channel_description(r.cell_channel.value, ie.value_bits());
      continue;
    }
    uint32_t min = 0;
    switch (iei) {
      case 0x73:
        min = 5;
        break;
      case 0x74:
      case 0x75:
        min = 3;
        break;
      case 0x76:
        min = 2;
        break;
      default:
        return;
    }
    IeView ie;
    if (!in.has(1u + min) || !take_ie(in, IeForm::tlv, 0, ie)) return;
    const BitBuffer b = ie.length_led_bits();
    switch (iei) {
      case 0x73:
        r.ba_range.present = 1;
        decode_ba_range(r.ba_range.value, b);
        break;
      case 0x74:
        r.group_channel.present = 1;
        decode_group_channel_description(r.group_channel.value, b);
        break;
      case 0x75:
        r.ba_list_pref.present = 1;
        decode_ba_list_pref(r.ba_list_pref.value, b);
        break;
      default:
        r.utran_freq_list.present = 1;
        decode_utran_freq_list(r.utran_freq_list.value, b);
        break;
    }
  }
}

void parse_rr_channel_only_message(RrChannelOnlyMessage& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  take_fixed(in, 3, r.channel, decode_channel_description);
}

// Its optional elements come in a fixed order, each looked for once.
void parse_channel_mode_modify(ChannelModeModify& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_fixed(in, 3, r.channel, decode_channel_description)) return;
  if (!in.take_octet(r.mode)) return;
  BitBuffer b;
  if (at_iei(in, 0x01)) {
    in.skip(1);
    if (!in.take_lv_led(b)) return;
    r.vgcs_target_mode.present = 1;
    decode_vgcs_target_mode(r.vgcs_target_mode.value, b);
  }
  if (at_iei(in, 0x03)) {
    in.skip(1);
    if (!in.take_lv_led(b)) return;
    r.multirate.present = 1;
    decode_multirate_configuration(r.multirate.value, b);
  }
}

void parse_channel_mode_modify_ack(ChannelModeModify& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_fixed(in, 3, r.channel, decode_channel_description)) return;
  in.take_octet(r.mode);
}

int render_ciphering_mode_command(const CipheringModeCommand& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_cipher_mode_setting(r.setting, out);
  out.append("<Cipher_Response>\n");
  append_value_text(r.cipher_response == 1 ? "IMEISV shall be included" : "IMEISV shall not be included", out,
                    r.cipher_response, 1);
  out.append("</Cipher_Response>\n");
  return close_message_frame(out, tag);
}

int render_ciphering_mode_complete(const CipheringModeComplete& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  if (r.identity.present) render_mobile_identity(r.identity.value, out);
  return close_message_frame(out, tag);
}

namespace {

void render_group_channel_description(const GroupChannelDescription& g, OutputText& out) {
  out.append("<Group_Channel_Description>\n");
  write_field_u8(L3_TAG("Length"), g.length, out, 0);
  render_channel_description(g.channel, out);
  if (g.ma.length > 0) render_mobile_allocation(g.ma, out);
  out.append("</Group_Channel_Description>\n");
}

}  // namespace

int render_channel_release(const ChannelRelease& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_rr_cause_element(r.cause, out);
  if (r.ba_range.present) render_ba_range(r.ba_range.value, out);
  if (r.group_channel.present) render_group_channel_description(r.group_channel.value, out);
  if (r.group_cipher_key_number.present) render_group_cipher_key_number(r.group_cipher_key_number.value, out);
  if (r.gprs_resumption.present) {
    const uint8_t ack = r.gprs_resumption.value;
    out.append("<GPRS_Resumption>\n");
    out.append("<ACK>\n");
    append_value_text(ack == 1 ? "resumption of GPRS services successfully acknowledged"
                               : "resumption of GPRS services not successfully acknowledged",
                      out, ack, 1);
    out.append("</ACK>\n");
    out.append("</GPRS_Resumption>\n");
  }
  if (r.ba_list_pref.present) render_ba_list_pref(r.ba_list_pref.value, out);
  if (r.utran_freq_list.present) render_utran_freq_list(r.utran_freq_list.value, out);
  if (r.cell_channel.present) render_cell_channel_description(r.cell_channel.value, out);
  return close_message_frame(out, tag);
}

int render_partial_release(const RrChannelOnlyMessage& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_channel_description(rec.channel, out);
  return close_message_frame(out, tag);
}

int render_channel_mode_modify(const ChannelModeModify& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_channel_description2(r.channel, out);
  render_channel_mode(r.mode, out);
  if (r.vgcs_target_mode.present) render_vgcs_target_mode(r.vgcs_target_mode.value, out);
  if (r.multirate.present) render_multirate_configuration(r.multirate.value, out);
  return close_message_frame(out, tag);
}

int render_channel_mode_modify_ack(const ChannelModeModify& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_channel_description2(r.channel, out);
  render_channel_mode(r.mode, out);
  return close_message_frame(out, tag);
}

}  // namespace l3
