#include "rr/messages/shapes.h"

#include "core/output.h"
#include "rr/elements/value_elements.h"

namespace l3 {

void parse_rr_cause_message(RrCauseMessage& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  in.take_octet(r.cause);
}

void parse_rr_one_octet_message(RrOneOctetMessage& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  in.take_octet(r.value);
}

void parse_rr_empty_message(RrEmptyMessage&, const uint8_t*, uint16_t, uint8_t) {}

int render_rr_cause_message(const RrCauseMessage& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_rr_cause_element(rec.cause, out);
  return close_message_frame(out, tag);
}

int render_rr_cause_only(const RrCauseMessage& rec, OutputText& out, const char*) {
  render_rr_cause_element(rec.cause, out);
  return 1;
}

int render_dtm_reject(const RrOneOctetMessage& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  write_field_u8(L3_TAG("DTM wait indication"), rec.value, out, 0);
  return close_message_frame(out, tag);
}

int render_physical_information(const RrOneOctetMessage& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  out.append("<Timing_Advance>\n");
  write_field_u8(L3_TAG("value"), rec.value, out, 0);
  out.append("</Timing_Advance>\n");
  return close_message_frame(out, tag);
}

int render_channel_request(const RrOneOctetMessage& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  out.append("<AccordingtoEstablishmentcause>\n");
  append_value_note(rec.value, out, 0);
  out.append("</AccordingtoEstablishmentcause>\n");
  return close_message_frame(out, tag);
}

int render_rr_empty_message(const RrEmptyMessage&, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  return close_message_frame(out, tag);
}

}  // namespace l3
