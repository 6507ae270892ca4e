#include "rr/elements/measurement_elements.h"

#include <iterator>

#include "core/output.h"
#include "rr/elements/element_parts.h"

namespace l3 {

using namespace rr_parts;

void decode_gprs_measurement_results(GprsMeasurementResults& m, const BitBuffer& b) {
  m.c_value = read_bits8(0, 6, b);
  m.rxqual = read_bits8(6, 3, b);
  m.sign_var = read_bits8(9, 6, b);
}

void render_gprs_measurement_results(const GprsMeasurementResults& m, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<GPRS_Measurement_Results>\n"));
  write_field_u8(L3_TAG("C_VALUE"), m.c_value, out, 0);
  write_field_u8(L3_TAG("RXQUAL"), m.rxqual, out, 0);
  write_field_u8(L3_TAG("SIGN_VAR"), m.sign_var, out, 0);
  append_tag_text(out, L3_TAG_TEXT("</GPRS_Measurement_Results>\n"));
}

void decode_3g_target_cell(Target3gCell& t, const BitBuffer& b) {
  t.length = read_bits8(0, 8, b);
  BitCursor c(b, kValueStart);
  // { 0 | 1 < FDD-ARFCN 14 > < Diversity 1 > { 0 | 1 < Bandwidth_FDD 3 > } < SCRAMBLING_CODE 9 > }
  // { 0 | 1 < TDD-ARFCN 14 > < Diversity 1 > { 0 | 1 < Bandwidth_TDD 3 > } < Cell Parameter 7 > < Sync Case 1 > }
  if (c.bit()) {
    t.fdd_present = 1;
    t.fdd_arfcn = static_cast<uint16_t>(c.bits(14));
    t.fdd_diversity = static_cast<uint8_t>(c.bits(1));
    t.fdd_bandwidth_present = c.bit();
    if (t.fdd_bandwidth_present) t.fdd_bandwidth = static_cast<uint8_t>(c.bits(3));
    t.scrambling_code = static_cast<uint16_t>(c.bits(9));
  }
  if (c.bit()) {
    t.tdd_present = 1;
    t.tdd_arfcn = static_cast<uint16_t>(c.bits(14));
    t.tdd_diversity = static_cast<uint8_t>(c.bits(1));
    t.tdd_bandwidth_present = c.bit();
    if (t.tdd_bandwidth_present) t.tdd_bandwidth = static_cast<uint8_t>(c.bits(3));
    t.cell_parameter = static_cast<uint8_t>(c.bits(7));
    t.sync_case = static_cast<uint8_t>(c.bits(1));
  }
}

int render_3g_target_cell(const Target3gCell& t, OutputText& out) {
  constexpr ValueText kBandwidthTdd[] = {{0, "speed3.84Mcps"}, {1, "speed1.28Mcps"}};
  append_tag_text(out, L3_TAG_TEXT("<3G_Target_Cell>\n"));
  write_field_u8(L3_TAG("LENGTH"), t.length, out, 0);
  if (t.fdd_present) {
    append_tag_text(out, L3_TAG_TEXT("<3G_UTRAN_FDD>\n"));
    write_field_u16(L3_TAG("FDD_ARFCN"), t.fdd_arfcn, out, 0);
    write_field_u8(L3_TAG("Diversity"), t.fdd_diversity, out, 0);
    if (t.fdd_bandwidth_present) write_field_u8(L3_TAG("Bandwidth_FDD"), t.fdd_bandwidth, out, 0);
    write_field_u16(L3_TAG("SCRAMBLING_CODE"), t.scrambling_code, out, 0);
    append_tag_text(out, L3_TAG_TEXT("</3G_UTRAN_FDD>\n"));
  }
  if (t.tdd_present) {
    append_tag_text(out, L3_TAG_TEXT("<3G_UTRAN_TDD>\n"));
    write_field_u16(L3_TAG("TDD-ARFCN"), t.tdd_arfcn, out, 0);
    write_field_u8(L3_TAG("Diversity"), t.tdd_diversity, out, 0);
    if (t.tdd_bandwidth_present)
      render_value_block(out, L3_TAG("Bandwidth_TDD"), t.tdd_bandwidth, kBandwidthTdd, "error");
    write_field_u8(L3_TAG("Cell Parameter"), t.cell_parameter, out, 0);
    write_field_u8(L3_TAG("Sync Case"), t.sync_case, out, 0);
    append_tag_text(out, L3_TAG_TEXT("</3G_UTRAN_TDD>\n"));
  }
  append_tag_text(out, L3_TAG_TEXT("</3G_Target_Cell>\n"));
  return 1;
}

void decode_ba_range(BaRange& r, const BitBuffer& b) {
  r.length = read_bits8(0, 8, b);
  r.number_of_ranges = read_bits8(8, 8, b);
  uint32_t end = value_end(b);
  uint32_t pos = 16;
  while (r.count < r.number_of_ranges && r.count < std::size(r.lower) && pos + 20 <= end) {
    r.lower[r.count] = read_bits16(pos, 10, b);
    r.higher[r.count] = read_bits16(pos + 10, 10, b);
    ++r.count;
    pos += 20;
  }
}

void render_ba_range(const BaRange& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<BA_Range>\n"));
  write_field_u8(L3_TAG("Length"), r.length, out, 0);
  write_field_u8(L3_TAG("Number of Ranges"), r.number_of_ranges, out, 0);
  for (uint32_t i = 0; i < r.count && i < std::size(r.lower); ++i) {
    write_field_u16(L3_TAG("RANGE_LOWER"), r.lower[i], out, 0);
    write_field_u16(L3_TAG("RANGE_HIGHER"), r.higher[i], out, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</BA_Range>\n"));
}

void decode_ba_list_pref(BaListPref& p, const BitBuffer& b) {
  p.length = read_bits8(0, 8, b);
  uint32_t end = value_end(b);
  BitCursor c(b, kValueStart);
  // { 1 < RANGE_LOWER 10 > < RANGE_UPPER 10 > } ** 0 { 1 < BA_FREQ 10 > } ** 0
  while (c.pos + 21 <= end && c.bit() && p.range_count < std::size(p.range_lower)) {
    p.range_lower[p.range_count] = static_cast<uint16_t>(c.bits(10));
    p.range_upper[p.range_count] = static_cast<uint16_t>(c.bits(10));
    ++p.range_count;
  }
  while (c.pos + 11 <= end && c.bit() && p.freq_count < std::size(p.freqs)) {
    p.freqs[p.freq_count++] = static_cast<uint16_t>(c.bits(10));
  }
}

void render_ba_list_pref(const BaListPref& p, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<BA_List_Pref>\n"));
  write_field_u8(L3_TAG("Length"), p.length, out, 0);
  for (uint32_t i = 0; i < p.range_count && i < std::size(p.range_lower); ++i) {
    append_tag_text(out, L3_TAG_TEXT("<RANGE_LIMITS>\n"));
    write_field_u16(L3_TAG("RANGE LOWER"), p.range_lower[i], out, 0);
    write_field_u16(L3_TAG("RANGE UPPER"), p.range_upper[i], out, 0);
    append_tag_text(out, L3_TAG_TEXT("</RANGE_LIMITS>\n"));
  }
  for (uint32_t i = 0; i < p.freq_count && i < std::size(p.freqs); ++i)
    write_field_u16(L3_TAG("BA_FREQ"), p.freqs[i], out, 0);
  append_tag_text(out, L3_TAG_TEXT("</BA_List_Pref>\n"));
}

void decode_utran_freq_list(UtranFreqList& u, const BitBuffer& b) {
  u.length = read_bits8(0, 8, b);
  uint32_t end = value_end(b);
  BitCursor c(b, kValueStart);
  // { 1 < FDD_ARFCN 14 > } ** 0 { 1 < TDD_ARFCN 14 > } ** 0
  while (c.pos + 15 <= end && c.bit() && u.fdd_count < std::size(u.fdd)) u.fdd[u.fdd_count++] = c.bits(14) & 0x3FFF;
  while (c.pos + 15 <= end && c.bit() && u.tdd_count < std::size(u.tdd)) u.tdd[u.tdd_count++] = c.bits(14) & 0x3FFF;
}

void render_utran_freq_list(const UtranFreqList& u, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<UTRAN_Freq_List>\n"));
  write_field_u8(L3_TAG("Length"), u.length, out, 0);
  for (uint32_t i = 0; i < u.fdd_count && i < std::size(u.fdd); ++i)
    write_field_u16(L3_TAG("FDD_ARFCN"), u.fdd[i], out, 0);
  for (uint32_t i = 0; i < u.tdd_count && i < std::size(u.tdd); ++i)
    write_field_u16(L3_TAG("FDD_ARFCN"), u.tdd[i], out, 0);
  append_tag_text(out, L3_TAG_TEXT("</UTRAN_Freq_List>\n"));
}

void decode_measurement_results(MeasurementResults& m, const BitBuffer& b) {
  m.ba_used = read_bits8(0, 1, b);
  m.dtx_used = read_bits8(1, 1, b);
  m.rxlev_full = read_bits8(2, 6, b);
  m.ba_used_3g = read_bits8(8, 1, b);
  m.meas_valid = read_bits8(9, 1, b);
  m.rxlev_sub = read_bits8(10, 6, b);
  m.rxqual_full = read_bits8(17, 3, b);
  m.rxqual_sub = read_bits8(20, 3, b);
  m.no_ncell_m = read_bits8(23, 3, b);
  for (uint32_t i = 0; i < 6; ++i) {
    uint32_t p = 26 + 17 * i;
    m.rxlev_ncell[i] = read_bits8(p, 6, b);
    m.bcch_freq_ncell[i] = read_bits8(p + 6, 5, b);
    m.bsic_ncell[i] = read_bits8(p + 11, 6, b);
  }
}

void render_measurement_results(const MeasurementResults& m, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Measurement_Results>\n"));
  render_flag(
      out,
      L3_FLAG("<BA_USED>\n", "</BA_USED>\n", "BCCH allocation is not used for the coding of BCCH-FREQ-NCELL fields",
              "BCCH allocation used for the coding of BCCH-FREQ-NCELL fields"),
      m.ba_used);
  render_flag(out, L3_FLAG("<DTX_USED>\n", "</DTX_USED>\n", "DTX was not used", "DTX was used"), m.dtx_used);
  write_field_u8(L3_TAG("RXLEV FULL SERVING CELL"), m.rxlev_full, out, 0);
  render_flag(out,
              L3_FLAG("<BA_USED_3G>\n", "</BA_USED_3G>\n",
                      "BCCH allocation is not used for the coding of 3G BCCH-FREQ-NCELL fields",
                      "BCCH allocation used for the coding of 3G BCCH-FREQ-NCELL fields"),
              m.ba_used_3g);
  render_flag(out,
              L3_FLAG("<MEAS_VALID>\n", "</MEAS_VALID>\n", "The measurement results are valid",
                      "the measurement results are not valid"),
              m.meas_valid);
  write_field_u8(L3_TAG("RXLEV SUB SERVING CELL"), m.rxlev_sub, out, 0);
  write_field_u8(L3_TAG("RXQUAL FULL SERVING CELL"), m.rxqual_full, out, 0);
  write_field_u8(L3_TAG("RXQUAL SUB SERVING CELL"), m.rxqual_sub, out, 0);
  append_tag_text(out, L3_TAG_TEXT("<NO_NCELL_M>\n"));
  if (m.no_ncell_m == 0) {
    append_value_text("No neighbour cell measurement result", out, 0, 1);
  } else if (m.no_ncell_m == 7) {
    append_value_text("Neighbour cell information not available for serving cell", out, 7, 1);
  } else {
    append_value_note(m.no_ncell_m, out, 0);
    out.append("Number of neighbour cell measurements");
    append_dec(out, m.no_ncell_m);
  }
  append_tag_text(out, L3_TAG_TEXT("</NO_NCELL_M>\n"));
  for (uint8_t v : m.rxlev_ncell) write_field_u8(L3_TAG("RXLEV_NCELL"), v, out, 0);
  for (uint8_t v : m.bcch_freq_ncell) write_field_u8(L3_TAG("BCCH-FREQ-NCELL"), v, out, 0);
  for (uint8_t v : m.bsic_ncell) write_field_u8(L3_TAG("BSIC_NCELL"), v, out, 0);
  append_tag_text(out, L3_TAG_TEXT("</Measurement_Results>\n"));
}

void decode_extended_measurement_results(ExtendedMeasurementResults& m, const BitBuffer& b) {
  m.sc_used = read_bits8(0, 1, b);
  m.dtx_used = read_bits8(1, 1, b);
  for (uint32_t i = 0; i < std::size(m.rxlev_carrier); ++i) m.rxlev_carrier[i] = read_bits8(2 + 6 * i, 6, b);
}

void render_extended_measurement_results(const ExtendedMeasurementResults& m, OutputText& out) {
  append_plain(out, "<EXTENDED_MEASUREMENT_RESULTS>\n");
  write_field_u8(L3_TAG("SC_USED"), m.sc_used, out, 0);
  render_flag(out, L3_FLAG("<DTX_USED>\n", "</DTX_USED>\n", "DTX was not used", "DTX was used"), m.dtx_used);
  for (uint8_t v : m.rxlev_carrier) write_field_u8(L3_TAG("RXLEV_carrier"), v, out, 0);
  append_plain(out, "</EXTENDED_MEASUREMENT_RESULTS>\n");
}

void decode_classmark3(Classmark3& c, const BitBuffer& b) {
  c.present = 1;
  c.multiband_supported = read_bits8(9, 3, b);
  // The field's last bit is band 1 (P-GSM), its first band 3 (1800).
  c.band3 = read_bits8(9, 1, b);
  c.band2 = read_bits8(10, 1, b);
  c.band1 = read_bits8(11, 1, b);
  uint32_t pos = 12;
  auto a5_bits = [&] {
    c.a5_7 = read_bits8(pos, 1, b);
    c.a5_6 = read_bits8(pos + 1, 1, b);
    c.a5_5 = read_bits8(pos + 2, 1, b);
    c.a5_4 = read_bits8(pos + 3, 1, b);
    pos += 4;
  };
  switch (c.multiband_supported) {
    case 0:
      a5_bits();
      break;
    case 5:
    case 6:
      a5_bits();
      c.radio_capability2 = read_bits8(pos, 4, b);
      c.radio_capability1 = read_bits8(pos + 4, 4, b);
      pos += 8;
      break;
    case 1:
    case 2:
    case 4:
      a5_bits();
      c.radio_capability1 = read_bits8(pos + 4, 4, b);
      pos += 8;
      break;
    default:
      break;
  }
  if (read_bits8(pos, 1, b) == 0) {
    pos += 1;
  } else {
    c.r_support = 1;
    c.r_gsm_capability = read_bits8(pos + 1, 3, b);
    pos += 4;
  }
  if (read_bits8(pos, 1, b) == 0) {
    pos += 1;
  } else {
    c.hscsd_multislot = 1;
    c.hscsd_class = read_bits8(pos + 1, 5, b);
    pos += 6;
  }
  c.ucs2_treatment = read_bits8(pos, 1, b);
  c.extended_measurement = read_bits8(pos + 1, 1, b);
  pos += 2;
  if (read_bits8(pos, 1, b) == 1) {
    c.ms_measurement = 1;
    c.sms_value = read_bits8(pos + 1, 4, b);
    c.sm_value = read_bits8(pos + 5, 4, b);
  }
}

namespace {

void render_timeslot_note(const char* open, const char* close, uint8_t value, OutputText& out) {
  append_plain(out, open);
  append_value_note(static_cast<int8_t>(value), out, 0);
  out.append("LENGTH");
  append_dec(out, value + 1);
  out.append("/4 timeslot");
  append_plain(out, close);
}

void render_a5_block(const Classmark3& c, OutputText& out) {
  append_plain(out, "<A5>\n");
  render_flag(out,
              L3_FLAG("<A5_4>\n", "</A5_4>\n", "encryption algorithm A5/4 not available",
                      "encryption algorithm A5/4 available"),
              c.a5_4);
  render_flag(out,
              L3_FLAG("<A5_5>\n", "</A5_5>\n", "encryption algorithm A5/5 not available",
                      "encryption algorithm A5/5 available"),
              c.a5_5);
  render_flag(out,
              L3_FLAG("<A5_6>\n", "</A5_6>\n", "encryption algorithm A5/6 not available",
                      "encryption algorithm A5/6 available"),
              c.a5_6);
  render_flag(out,
              L3_FLAG("<A5_7>\n", "</A5_7>\n", "encryption algorithm A5/7 not available",
                      "encryption algorithm A5/7 available"),
              c.a5_7);
  append_plain(out, "</A5>\n");
}

}  // namespace

void render_classmark3(const Classmark3& c, OutputText& out) {
  append_plain(out, "<Mobile_Station_Classmark_3>\n");
  append_plain(out, "<Multiband_supported>\n");
  render_flag(out, L3_FLAG("<Band1>\n", "</Band1>\n", "P-GSM not supported", "P-GSM supported"), c.band1);
  render_flag(out, L3_FLAG("<Band2>\n", "</Band2>\n", "E-GSM or R-GSM not supported", "E-GSM or R-GSM supported"),
              c.band2);
  render_flag(out, L3_FLAG("<Band3>\n", "</Band3>\n", "DCS 1800 not supported", "DCS 1800 supported"), c.band3);
  append_plain(out, "</Multiband_supported>\n");
  switch (c.multiband_supported) {
    case 0:
      render_a5_block(c, out);
      break;
    case 5:
    case 6:
      render_a5_block(c, out);
      write_field_u8(L3_TAG("Associated Radio Capability 2"), c.radio_capability2, out, 0);
      write_field_u8(L3_TAG("Associated Radio Capability 1"), c.radio_capability1, out, 0);
      break;
    case 1:
    case 2:
    case 4:
      render_a5_block(c, out);
      write_field_u8(L3_TAG("Associated Radio Capability 1"), c.radio_capability1, out, 0);
      break;
    default:
      break;
  }
  if (c.r_support) {
    append_plain(out, "<R_Support>\n");
    render_flag(out,
                L3_FLAG("<R-GSM band Associated Radio Capability>\n", "</R-GSM band Associated Radio Capability>\n",
                        "not support in the FC", "support in the FC"),
                c.r_gsm_capability);
    append_plain(out, "</R_Support>\n");
  }
  if (c.hscsd_multislot) {
    append_plain(out, "<Multi_Slot_Capability>\n");
    write_field_u8(L3_TAG("Multi Slot Class"), c.hscsd_class, out, 0);
    append_plain(out, "</Multi_Slot_Capability>\n");
  }
  render_flag(out,
              L3_FLAG("<UCS2 treatment>\n", "</UCS2 treatment>\n", "the ME has a preference for the default alphabet",
                      "the ME has no preference between the use of the default alphabet and the use of UCS2"),
              c.ucs2_treatment);
  render_flag(out,
              L3_FLAG("<Extended Measurement Capability>\n", "</Extended Measurement Capability>\n",
                      "the MS does not support Extended Measurements", "the MS supports Extended Measurements"),
              c.extended_measurement);
  if (c.ms_measurement) {
    append_plain(out, "<MS_Measurement_capability>\n");
    render_timeslot_note("<SMS_VALUE>\n", "</SMS_VALUE>\n", c.sms_value, out);
    render_timeslot_note("<SM_VALUE>\n", "</SM_VALUE>\n", c.sm_value, out);
    append_plain(out, "</MS_Measurement_capability>\n");
  }
  append_plain(out, "</Mobile_Station_Classmark_3>\n");
}

}  // namespace l3
