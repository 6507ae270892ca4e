#include "rr/elements/value_elements.h"

#include <cmath>
#include <iterator>

#include "core/output.h"
#include "mm/shared_elements.h"
#include "rr/elements/common_elements.h"

namespace l3 {

// Above 7: the two tags only.
int render_call_priority(uint8_t v, OutputText& out) {
  out.append("<Priority>\n");
  if (const char* text = find_text(kCallPriorityTexts, v)) append_value_text(text, out, v, 1);
  out.append("</Priority>\n");
  return 1;
}

void render_rr_packet_page_indication(uint8_t value, OutputText& out) {
  append_plain(out, "<Packet_Page_Indication>\n");
  append_value_text(value != 0 ? "packet paging procedure" : "paging procedure for RR connection establishment", out,
                    value, 1);
  append_plain(out, "</Packet_Page_Indication>\n");
}

void render_rr_p0(uint8_t value, OutputText& out) {
  append_plain(out, "<P0>\n");
  append_value_note(static_cast<int8_t>(value), out, 0);
  out.append("P0=");
  append_dec(out, 2 * static_cast<int8_t>(value));
  out.append("dB");
  append_plain(out, "</P0>\n");
}

void render_rr_cksn(uint8_t cksn, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Ciphering_Key_Sequence_Number>\n", "<key_sequence>\n"));
  append_value_text(cksn == 7 ? "No key is available" : "through Possible values for the ciphering key sequence number",
                    out, cksn, 1);
  append_tag_text(out, L3_TAG_TEXT("</key_sequence>\n", "</Ciphering_Key_Sequence_Number>\n"));
}

void render_rr_tlli(uint32_t tlli, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<TLLI>\n", "0x"));
  append_hex(out, tlli);
  append_tag_text(out, L3_TAG_TEXT("</TLLI>\n"));
}

void render_rr_tmsi(uint32_t tmsi, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<TMSI_P_TMSI>\n"));
  out.append("0x");
  append_hex(out, tmsi);
  append_tag_text(out, L3_TAG_TEXT("</TMSI_P_TMSI>\n"));
}

void render_rr_max_lapdm(uint8_t value, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<MAX_LAPDm>\n"));
  append_value_note(value, out, 0);
  out.append("Any message segmented in up to");
  append_dec(out, value + 5);
  out.append("LAPDm frames");
  append_tag_text(out, L3_TAG_TEXT("</MAX_LAPDm>\n"));
}

int render_group_cipher_key_number(uint8_t value, OutputText& out) {
  constexpr ValueText kTexts[] = {
      {0, "no ciphering"},        {1, "cipher key number1"},  {2, "cipher key number2"},  {3, "cipher key number3"},
      {4, "cipher key number4"},  {5, "cipher key number5"},  {6, "cipher key number6"},  {7, "cipher key number7"},
      {8, "cipher key number8"},  {9, "cipher key number9"},  {10, "cipher key numberA"}, {11, "cipher key numberB"},
      {12, "cipher key numberC"}, {13, "cipher key numberD"}, {14, "cipher key numberE"}, {15, "cipher key numberF"},
  };
  static_assert(well_formed(kTexts));
  append_tag_text(out, L3_TAG_TEXT("<Group_cipher_key_number>\n"));
  const char* text = find_text(kTexts, value);
  if (text == nullptr) {
    append_value_note(value, out, 0);
    return 0;
  }
  append_value_text(text, out, value, 1);
  append_tag_text(out, L3_TAG_TEXT("</Group_cipher_key_number>\n"));
  return 1;
}

void decode_rr_group_call_ref(RrGroupCallRef& g, BitCursor& c) {
  g.binary_code = c.bits(27);
  g.sf = static_cast<uint8_t>(c.bits(1));
  g.af = static_cast<uint8_t>(c.bits(1));
  g.call_priority = static_cast<uint8_t>(c.bits(3));
  g.ciphering_info = static_cast<uint8_t>(c.bits(4));
}

void render_rr_group_call_ref(const RrGroupCallRef& g, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Group_Call_reference>\n"));
  write_field_int(L3_TAG("Binary coding"), static_cast<int32_t>(g.binary_code), out, 0);
  append_tag_text(out, L3_TAG_TEXT("<SF>\n"));
  append_value_text(g.sf == 1 ? "group call reference" : "broadcast call reference", out, g.sf, 1);
  append_tag_text(out, L3_TAG_TEXT("</SF>\n", "<AF>\n"));
  append_value_text(g.af == 1 ? "acknowledgement is required" : "acknowledgement is not required", out, g.af, 1);
  append_tag_text(out, L3_TAG_TEXT("</AF>\n", "<Call_priority>\n"));
  append_value_text(text_or(kCallPriorityTexts, g.call_priority, ""), out, g.call_priority, 1);
  append_tag_text(out, L3_TAG_TEXT("</Call_priority>\n", "<Ciphering_information>\n"));
  if (g.ciphering_info == 0) {
    append_value_text("no ciphering", out, 0, 1);
  } else {
    append_value_note(g.ciphering_info, out, 0);
    out.append("ciphering_with_cipher_key_number");
    append_hex(out, g.ciphering_info);
  }
  append_tag_text(out, L3_TAG_TEXT("</Ciphering_information>\n", "</Group_Call_reference>\n"));
}

void render_rr_cause_element(uint8_t cause, OutputText& out) {
  out.append("<RR_Cause>\n");
  render_rr_cause_value(cause, out);
  out.append("</RR_Cause>\n");
}

void append_fixed6(OutputText& out, double v) {
  long long micro = std::llround(v * 1000000.0);
  if (micro < 0) {
    out.push('-');
    micro = -micro;
  }
  append_udec(out, static_cast<uint32_t>(micro / 1000000));
  out.push('.');
  char digits[7] = "000000";
  long long frac = micro % 1000000;
  for (int i = 5; i >= 0; --i, frac /= 10) digits[i] = static_cast<char>('0' + frac % 10);
  out.append(digits, 6);
}

int render_alpha(uint8_t v, OutputText& out) {
  out.append("<ALPHA>\n");
  append_value_note(v, out, 0);
  append_fixed6(out, v < 10 ? v * 0.1 : 1.0);
  out.append("</ALPHA>\n");
  return 1;
}

}  // namespace l3
