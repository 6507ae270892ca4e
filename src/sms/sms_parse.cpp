#include "sms/sms_parse.h"

#include "core/record.h"
#include "sms/sms_address.h"
#include "sms/tpdu.h"

namespace l3 {

namespace {

// RP-ACK: reference, then the optional RP-User data (IEI 0x41). RP-ERROR: reference,
// RP-Cause (LV: cause, optional diagnostic), then the same. Types 2 and 4 come from
// the mobile station (deliver report), 3 and 5 from the network (submit report).
void parse_rp_ack_or_error(CpDataRecord& r, MessageReader& in) {
  const bool error = r.rp_message_type >= 4;
  if (error) {
    const uint8_t* cause = nullptr;
    uint32_t n = 0;
    if (!in.take_lv(cause, n)) return;
    if (n >= 1) {
      r.rp_cause.present = 1;
      r.rp_cause.value = cause[0] & 0x7F;
    }
    if (n >= 2) {
      r.rp_diagnostic_present = 1;
      r.rp_diagnostic = cause[1];
    }
  }
  IeView ie;
  if (!in.has(1) || in.peek() != 0x41 || !take_ie(in, IeForm::tlv, 0, ie)) return;
  decode_report_tpdu(r.tpdu, ie.length_led_bits(), (r.rp_message_type & 1) != 0, error);
}

}  // namespace

// CP-DATA has no optional part: the RP-DATA layout is read for RP-DATA and
// RP-SMMA, each element only when the message holds all of it.
void parse_cp_data(CpDataRecord& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  uint8_t type = 0;
  if (!in.take_octet(r.cp_user_data_length)) return;
  if (!in.take_octet(type)) return;
  r.rp_message_type = type & 0x07;
  if (!in.take_octet(r.rp_message_reference)) return;
  if (r.rp_message_type >= 2 && r.rp_message_type <= 5) {
    parse_rp_ack_or_error(r, in);
    return;
  }
  if (!take_length_led(in, r.rp_originator, decode_rp_address)) return;
  if (!take_length_led(in, r.rp_destination, decode_rp_address)) return;
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return;
  decode_tpdu(r.tpdu, bits, dir);
}

void parse_cp_ack(CpAckRecord&, const uint8_t*, uint16_t, uint8_t) {}

void parse_cp_error(CpErrorRecord& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t cause = 0;
  if (!in.take_octet(cause)) return;
  r.cp_cause.present = 1;
  r.cp_cause.value = cause & 0x7F;
}

}  // namespace l3
