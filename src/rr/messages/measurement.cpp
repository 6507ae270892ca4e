#include "rr/messages/measurement.h"

#include <iterator>

#include "core/output.h"
#include "rr/elements/measurement_elements.h"
#include "rr/messages/message_parts.h"

namespace l3 {

using namespace rr_parts;

void parse_measurement_report(MeasurementReport& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  take_fixed(in, 16, r.results, decode_measurement_results);
}

void parse_classmark_change(ClassmarkChange& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  if (!take_classmark2_fixed(in, r.classmark2, dir)) return;
  // Classmark 3 (IEI 0x20) needs at least one value octet.
  if (!at_iei(in, 0x20) || !in.has(3)) return;
  in.skip(1);
  BitBuffer b;
  if (in.take_lv_led(b)) decode_classmark3(r.classmark3, b);
}

void parse_classmark_enquiry(ClassmarkEnquiry& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = ClassmarkEnquiry;
  static constexpr OptionalIe<R> kIes[] = {{0x10, IeForm::tlv, 0, store_octet<R, &R::mask>}};
  MessageReader in(msg, len);
  walk_optional<R>(r, in, kIes);
}

void parse_extended_measurement_report(ExtendedMeasurementReport& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  take_fixed(in, 16, r.results, decode_extended_measurement_results);
}

void parse_extended_measurement_order(ExtendedMeasurementOrder& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  take_fixed(in, 16, r.list, decode_extended_measurement_frequency_list);
}

void parse_application_information(ApplicationInformation& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.apdu_id = o & 0x0F;
  r.apdu_flags = (o >> 4) & 0x0F;
  const uint8_t* data;
  uint32_t n;
  if (in.take_lv(data, n)) copy_octets(r.data, data, n);
}

int render_measurement_report(const MeasurementReport& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_measurement_results(rec.results, out);
  return close_message_frame(out, tag);
}

int render_classmark_change(const ClassmarkChange& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_classmark2(r.classmark2, out);
  if (r.classmark3.present) render_classmark3(r.classmark3, out);
  return close_message_frame(out, tag);
}

int render_classmark_enquiry(const ClassmarkEnquiry& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  if (r.mask.present) {
    const uint8_t utran = (r.mask.value >> 4) & 0x07;
    out.append("<Classmark_Enquiry_Mask>\n");
    write_field_u8(L3_TAG("CLASSMARK_CHANGE"), r.mask.value >> 7, out, 0);
    out.append("<UTRAN_CLASSMARK_CHANGE>\n");
    const char* text = utran == 0   ? "UTRAN CLASSMARK CHANGE message is requested"
                       : utran == 7 ? "UTRAN CLASSMARK CHANGE message is not requested"
                                    : "Not be sent";
    append_value_text(text, out, utran, 1);
    out.append("</UTRAN_CLASSMARK_CHANGE>\n");
    out.append("</Classmark_Enquiry_Mask>\n");
  }
  return close_message_frame(out, tag);
}

int render_extended_measurement_report(const ExtendedMeasurementReport& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_extended_measurement_results(rec.results, out);
  return close_message_frame(out, tag);
}

int render_extended_measurement_order(const ExtendedMeasurementOrder& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_extended_measurement_frequency_list(rec.list, out);
  return close_message_frame(out, tag);
}

int render_application_information(const ApplicationInformation& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  out.append("<APDU_ID>\n");
  out.append("<Protocol_identifier>\n");
  append_value_text(r.apdu_id == 0 ? "RRLP" : "reserved", out, r.apdu_id, 1);
  out.append("</Protocol_identifier>\n");
  out.append("</APDU_ID>\n");
  out.append("<APDU_Flags>\n");
  // Flag bits: C/R 3, first segment 2, last segment 1.
  render_flag(out, L3_FLAG("<Last Segment>\n", "</Last Segment>\n", "Last or only segment", "Not last or only segment"),
              r.apdu_flags & 1);
  render_flag(out,
              L3_FLAG("<First Segment>\n", "</First Segment>\n", "First or only segment", "Not first or only segment"),
              (r.apdu_flags >> 1) & 1);
  render_flag(out, L3_FLAG("<C_R>\n", "</C_R>\n", "Command or Final Response", "Not Command or Final Response"),
              (r.apdu_flags >> 2) & 1);
  out.append("<C_R>\n");
  out.append("spare");
  out.append("</C_R>\n");
  out.append("</APDU_Flags>\n");
  out.append("<APDU_Data>\n");
  write_field_u8(L3_TAG("length"), r.data.count, out, 0);
  for (uint32_t i = 1; i <= r.data.count && i < std::size(r.data.octets); ++i) {
    write_field_u8(L3_TAG("APDUInformation"), r.data.octets[i], out, 0);
  }
  out.append("</APDU_Data>\n");
  return close_message_frame(out, tag);
}

}  // namespace l3
