#include "sms/sms_parse.h"

#include "core/record.h"
#include "sms/sms_address.h"
#include "sms/tpdu.h"

namespace l3 {

// CP-DATA has no optional part: the RP-DATA layout is read whatever the RP
// message type, each element only when the message holds all of it.
CpDataRecord* parse_cp_data(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_record<CpDataRecord>(msg, dir);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  uint8_t type = 0;
  if (!in.take_octet(r->cp_user_data_length)) return r;
  if (!in.take_octet(type)) return r;
  r->rp_message_type = type & 0x07;
  if (!in.take_octet(r->rp_message_reference)) return r;
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return r;
  decode_rp_address(r->rp_originator, bits);
  if (!in.take_lv_led(bits)) return r;
  decode_rp_address(r->rp_destination, bits);
  if (!in.take_lv_led(bits)) return r;
  decode_tpdu(r->tpdu, bits, dir);
  return r;
}

CpAckRecord* parse_cp_ack(const uint8_t* msg, uint16_t, uint8_t dir) { return new_record<CpAckRecord>(msg, dir); }

CpErrorRecord* parse_cp_error(const uint8_t* msg, uint16_t len, uint8_t dir) {
  auto* r = new_record<CpErrorRecord>(msg, dir);
  if (r == nullptr) return nullptr;
  MessageReader in(msg, len);
  uint8_t cause = 0;
  if (!in.take_octet(cause)) return r;
  r->cp_cause.present = 1;
  r->cp_cause.value = cause & 0x7F;
  return r;
}

}  // namespace l3
