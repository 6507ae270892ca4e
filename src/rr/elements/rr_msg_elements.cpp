#include "rr/elements/rr_msg_elements.h"

#include <iterator>

#include "mm/shared_elements.h"
#include "rr/elements/rr_elements.h"

namespace l3 {

namespace {

// Bit 0 of a length-led buffer's value, and the value's last bit + 1.
constexpr uint32_t kValueStart = 8;
uint32_t value_end(const BitBuffer& b) {
  uint32_t end = 8u + 8u * read_bits8(0, 8, b);
  return end < b.count ? end : b.count;
}

void append_fixed6(OutputText& out, uint32_t tenths) {
  // "%f" of tenths / 10 for 0..10.
  append_udec(out, tenths / 10);
  out.push('.');
  append_udec(out, tenths % 10);
  out.append("00000");
}

}  // namespace

int render_rr_priority(uint8_t value, OutputText& out) {
  append_plain(out, "<Priority>\n");
  const char* text = find_text(kCallPriorityTexts, value);
  if (text != nullptr) append_value_text(text, out, value, 1);  // above 7: the two tags only
  append_plain(out, "</Priority>\n");
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

void render_rr_alpha(uint8_t value, OutputText& out) {
  append_tag_text(out, "<ALPHA>\n");
  append_value_note(value, out, 0);
  append_fixed6(out, value < 10 ? value : 10);
  append_tag_text(out, "</ALPHA>\n");
}

void render_rr_egprs_window_size(uint8_t value, OutputText& out) {
  append_plain(out, "<EGPRS_Window_Size>\n");
  if (value == 31) {
    append_value_text("Reserved", out, value, 1);
  } else {
    append_value_note(value, out, 0);
    append_dec(out, (value + 2) * 32);
  }
  append_plain(out, "</EGPRS_Window_Size>\n");
}

void render_rr_channel_coding_command(uint8_t value, OutputText& out) {
  constexpr ValueText kTexts[] = {{0, "CS-1"}, {1, "CS-2"}, {2, "CS-3"}, {3, "CS-4"}};
  append_tag_text(out, "<CHANNEL_CODING_COMMAND>\n");
  append_value_note(value, out, 0);
  out.append(text_or(kTexts, value, ""));
  append_tag_text(out, "<CHANNEL_CODING_COMMAND>\n");  // hosts expect the open tag repeated here
}

void render_rr_cksn(uint8_t cksn, OutputText& out) {
  append_tag_text(out, "<Ciphering_Key_Sequence_Number>\n");
  append_tag_text(out, "<key_sequence>\n");
  append_value_text(cksn == 7 ? "No key is available" : "through Possible values for the ciphering key sequence number",
                    out, cksn, 1);
  append_tag_text(out, "</key_sequence>\n");
  append_tag_text(out, "</Ciphering_Key_Sequence_Number>\n");
}

void render_rr_tlli(uint32_t tlli, OutputText& out) {
  append_tag_text(out, "<TLLI>\n");
  append_tag_text(out, "0x");
  append_hex(out, tlli);
  append_tag_text(out, "</TLLI>\n");
}

void render_rr_tmsi(uint32_t tmsi, OutputText& out) {
  append_tag_text(out, "<TMSI_P_TMSI>\n");
  out.append("0x");
  append_hex(out, tmsi);
  append_tag_text(out, "</TMSI_P_TMSI>\n");
}

void render_rr_max_lapdm(uint8_t value, OutputText& out) {
  append_tag_text(out, "<MAX_LAPDm>\n");
  append_value_note(value, out, 0);
  out.append("Any message segmented in up to");
  append_dec(out, value + 5);
  out.append("LAPDm frames");
  append_tag_text(out, "</MAX_LAPDm>\n");
}

int render_group_cipher_key_number(uint8_t value, OutputText& out) {
  constexpr ValueText kTexts[] = {
      {0, "no ciphering"},        {1, "cipher key number1"},  {2, "cipher key number2"},  {3, "cipher key number3"},
      {4, "cipher key number4"},  {5, "cipher key number5"},  {6, "cipher key number6"},  {7, "cipher key number7"},
      {8, "cipher key number8"},  {9, "cipher key number9"},  {10, "cipher key numberA"}, {11, "cipher key numberB"},
      {12, "cipher key numberC"}, {13, "cipher key numberD"}, {14, "cipher key numberE"}, {15, "cipher key numberF"},
  };
  static_assert(well_formed(kTexts));
  append_tag_text(out, "<Group_cipher_key_number>\n");
  const char* text = find_text(kTexts, value);
  if (text == nullptr) {
    append_value_note(value, out, 0);
    return 0;
  }
  append_value_text(text, out, value, 1);
  append_tag_text(out, "</Group_cipher_key_number>\n");
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
  append_tag_text(out, "<Group_Call_reference>\n");
  write_field_int("Binary coding", static_cast<int32_t>(g.binary_code), out, 0);
  append_tag_text(out, "<SF>\n");
  append_value_text(g.sf == 1 ? "group call reference" : "broadcast call reference", out, g.sf, 1);
  append_tag_text(out, "</SF>\n");
  append_tag_text(out, "<AF>\n");
  append_value_text(g.af == 1 ? "acknowledgement is required" : "acknowledgement is not required", out, g.af, 1);
  append_tag_text(out, "</AF>\n");
  append_tag_text(out, "<Call_priority>\n");
  append_value_text(text_or(kCallPriorityTexts, g.call_priority, ""), out, g.call_priority, 1);
  append_tag_text(out, "</Call_priority>\n");
  append_tag_text(out, "<Ciphering_information>\n");
  if (g.ciphering_info == 0) {
    append_value_text("no ciphering", out, 0, 1);
  } else {
    append_value_note(g.ciphering_info, out, 0);
    out.append("ciphering_with_cipher_key_number");
    append_hex(out, g.ciphering_info);
  }
  append_tag_text(out, "</Ciphering_information>\n");
  append_tag_text(out, "</Group_Call_reference>\n");
}

void decode_channel_request_description(ChannelRequestDescription& d, const BitBuffer& b) {
  d.mt_mo = read_bits8(0, 1, b);
  d.priority = read_bits8(4, 2, b);
  d.rlc_mode = read_bits8(6, 1, b);
  d.llc_frame_type = read_bits8(7, 1, b);
  d.requested_bandwidth = read_bits16(8, 16, b);
  d.rlc_octet_count = read_bits16(24, 16, b);
}

void render_channel_request_description(const ChannelRequestDescription& d, OutputText& out) {
  constexpr ValueText kPriority[] = {
      {0, "Priority Level 1"}, {1, "Priority Level 2"}, {2, "Priority Level 3"}, {3, "Priority Level 4"}};
  append_tag_text(out, "<Channel_Request_Description>\n");
  render_boolean_field(out, "MT_MO", d.mt_mo, "Mobile originated", "Mobile terminated");
  render_value_block(out, "PRIORITY", d.priority, kPriority, "");
  render_boolean_field(out, "RLC_MODE", d.rlc_mode, "RLC acknowledged mode", "RLC unacknowledged mode");
  render_boolean_field(out, "LLC_FRAME_TYPE", d.llc_frame_type, "LLC frame is SACK or NACK",
                       "LLC frame is not SACK or NACK");
  write_field_u16("Requested_bandwidth", d.requested_bandwidth, out, 0);
  write_field_u16("RLC_Octet_Count", d.rlc_octet_count, out, 0);
  append_tag_text(out, "</Channel_Request_Description>\n");
}

void decode_gprs_measurement_results(GprsMeasurementResults& m, const BitBuffer& b) {
  m.c_value = read_bits8(0, 6, b);
  m.rxqual = read_bits8(6, 3, b);
  m.sign_var = read_bits8(9, 6, b);
}

void render_gprs_measurement_results(const GprsMeasurementResults& m, OutputText& out) {
  append_tag_text(out, "<GPRS_Measurement_Results>\n");
  write_field_u8("C_VALUE", m.c_value, out, 0);
  write_field_u8("RXQUAL", m.rxqual, out, 0);
  write_field_u8("SIGN_VAR", m.sign_var, out, 0);
  append_tag_text(out, "</GPRS_Measurement_Results>\n");
}

void decode_multislot_allocation(MultislotAllocation& m, const BitBuffer& b) {
  m.length = read_bits8(0, 8, b);
  uint32_t end = value_end(b);
  uint32_t pos = kValueStart;
  if (pos + 8 > end) return;
  uint8_t ext = read_bits8(pos, 1, b);
  m.da = read_bits8(pos + 1, 7, b);
  pos += 8;
  if (ext == 0 && pos + 8 <= end) {
    m.ua_present = 1;
    m.ua = read_bits8(pos + 1, 7, b);
    pos += 8;
  }
  while (pos + 8 <= end && m.set_count < std::size(m.channel_sets)) {
    m.channel_sets[m.set_count++] = read_bits8(pos, 8, b);
    pos += 8;
  }
}

void render_multislot_allocation(const MultislotAllocation& m, OutputText& out) {
  append_tag_text(out, "<Description_of_the_multislot_configuration>\n");
  write_field_u8("Length_of_the_multislot_allocation", m.length, out, 0);
  write_field_u8("DA", m.da, out, 0);
  if (m.ua_present) write_field_u8("UA", m.ua, out, 0);
  for (uint32_t i = 0; i < m.set_count && i < std::size(m.channel_sets); ++i) {
    write_field_u8("Channel_set", m.channel_sets[i], out, 0);
  }
  append_tag_text(out, "</Description_of_the_multislot_configuration>\n");
}

void decode_multirate_configuration(MultiRateConfiguration& m, const BitBuffer& b) {
  m.length = read_bits8(0, 8, b);
  m.mr_version = read_bits8(8, 3, b);
  m.nscb = read_bits8(11, 1, b);
  m.icmi = read_bits8(12, 1, b);
  m.start_mode = read_bits8(14, 2, b);
  m.codec_set = read_bits8(16, 8, b);
  // Octet 5 opens with two spare bits; THRj and HYSTj then alternate.
  for (uint32_t i = 0; i < 3; ++i) {
    m.threshold[i] = read_bits8(26 + 10 * i, 6, b);
    m.hysteresis[i] = read_bits8(32 + 10 * i, 4, b);
  }
}

int render_multirate_configuration(const MultiRateConfiguration& m, OutputText& out) {
  constexpr const char* kRates[] = {"12,2", "10,2", "7,95", "7,40", "6,70", "5,90", "5,15", "4,75"};
  constexpr const char* kThreshold[] = {"Threshold1", "Threshold2", "Threshold3"};
  constexpr const char* kHysteresis[] = {"Hysteresis1", "Hysteresis2", "Hysteresis3"};
  append_tag_text(out, "<MultiRate_configuration>\n");
  write_field_u8("Length", m.length, out, 0);
  append_tag_text(out, "<MR_version>\n");
  append_value_text(m.mr_version == 1 ? "Adaptive Multirate speech version1" : "reserved", out, m.mr_version, 1);
  append_tag_text(out, "</MR_version>\n");
  render_boolean_field(out, "NSCB", m.nscb, "Noise_Suppression_can_be_used_(default)",
                       "Noise_Suppression_shall_be_turned_off");
  render_boolean_field(out, "ICMI", m.icmi,
                       "The initial codec mode is defined by the implicit rule provided in GSM05.09",
                       "The initial codec mode is defined by the Start Mode field");
  write_field_u8("Start_Mode", m.start_mode, out, 0);
  append_tag_text(out, "<Set_of_AMR_codec_modes>\n");
  for (uint32_t i = 0; i < std::size(kRates); ++i) {
    out.append(kRates[i]);
    out.append((m.codec_set >> (7 - i)) & 1u ? "kbit per s codec rate is part of the subset\n"
                                             : "kbit per s codec rate is not part of the subset\n");
  }
  append_tag_text(out, "</Set_of_AMR_codec_modes>\n");
  for (uint32_t i = 0; i < 3 && m.length >= 4 + i; ++i) {
    write_field_u8(kThreshold[i], m.threshold[i], out, 0);
    write_field_u8(kHysteresis[i], m.hysteresis[i], out, 0);
  }
  append_tag_text(out, "</MultiRate_configuration>\n");
  return 1;
}

void decode_dynamic_arfcn_mapping_element(DynamicArfcnMappingElement& m, const BitBuffer& b) {
  m.length = read_bits8(0, 8, b);
  uint32_t end = value_end(b);
  BitCursor c(b, kValueStart);
  // { 1 < entry: 31 bits > } ** 0
  while (c.pos + 32 <= end && c.bit() && m.count < std::size(m.entries)) {
    DynamicArfcnMappingElement::Entry& e = m.entries[m.count++];
    e.gsm_band = static_cast<uint8_t>(c.bits(4));
    e.arfcn_first = static_cast<uint16_t>(c.bits(10));
    e.band_offset = static_cast<uint16_t>(c.bits(10));
    e.arfcn_range = static_cast<uint8_t>(c.bits(7));
  }
}

void render_dynamic_arfcn_mapping_element(const DynamicArfcnMappingElement& m, OutputText& out) {
  append_tag_text(out, "<Dynamic_ARFCN_Mapping>\n");
  for (uint32_t i = 0; i < m.count && i < std::size(m.entries); ++i) {
    const DynamicArfcnMappingElement::Entry& e = m.entries[i];
    append_tag_text(out, "<DYNAMIC_ARFCN_MAPPING_Description>\n");
    write_field_u8("GSM_Band", e.gsm_band, out, 0);
    write_field_u16("ARFCN_FIRST", e.arfcn_first, out, 0);
    write_field_u16("BAND_OFFSET", e.band_offset, out, 0);
    write_field_u8("ARFCN_RANGE", e.arfcn_range, out, 0);
    append_tag_text(out, "</DYNAMIC_ARFCN_MAPPING_Description>\n");
  }
  append_tag_text(out, "</Dynamic_ARFCN_Mapping>\n");
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
  append_tag_text(out, "<3G_Target_Cell>\n");
  write_field_u8("LENGTH", t.length, out, 0);
  if (t.fdd_present) {
    append_tag_text(out, "<3G_UTRAN_FDD>\n");
    write_field_u16("FDD_ARFCN", t.fdd_arfcn, out, 0);
    write_field_u8("Diversity", t.fdd_diversity, out, 0);
    if (t.fdd_bandwidth_present) write_field_u8("Bandwidth_FDD", t.fdd_bandwidth, out, 0);
    write_field_u16("SCRAMBLING_CODE", t.scrambling_code, out, 0);
    append_tag_text(out, "</3G_UTRAN_FDD>\n");
  }
  if (t.tdd_present) {
    append_tag_text(out, "<3G_UTRAN_TDD>\n");
    write_field_u16("TDD-ARFCN", t.tdd_arfcn, out, 0);
    write_field_u8("Diversity", t.tdd_diversity, out, 0);
    if (t.tdd_bandwidth_present) render_value_block(out, "Bandwidth_TDD", t.tdd_bandwidth, kBandwidthTdd, "error");
    write_field_u8("Cell Parameter", t.cell_parameter, out, 0);
    write_field_u8("Sync Case", t.sync_case, out, 0);
    append_tag_text(out, "</3G_UTRAN_TDD>\n");
  }
  append_tag_text(out, "</3G_Target_Cell>\n");
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
  append_tag_text(out, "<BA_Range>\n");
  write_field_u8("Length", r.length, out, 0);
  write_field_u8("Number of Ranges", r.number_of_ranges, out, 0);
  for (uint32_t i = 0; i < r.count && i < std::size(r.lower); ++i) {
    write_field_u16("RANGE_LOWER", r.lower[i], out, 0);
    write_field_u16("RANGE_HIGHER", r.higher[i], out, 0);
  }
  append_tag_text(out, "</BA_Range>\n");
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
  append_tag_text(out, "<BA_List_Pref>\n");
  write_field_u8("Length", p.length, out, 0);
  for (uint32_t i = 0; i < p.range_count && i < std::size(p.range_lower); ++i) {
    append_tag_text(out, "<RANGE_LIMITS>\n");
    write_field_u16("RANGE LOWER", p.range_lower[i], out, 0);
    write_field_u16("RANGE UPPER", p.range_upper[i], out, 0);
    append_tag_text(out, "</RANGE_LIMITS>\n");
  }
  for (uint32_t i = 0; i < p.freq_count && i < std::size(p.freqs); ++i) write_field_u16("BA_FREQ", p.freqs[i], out, 0);
  append_tag_text(out, "</BA_List_Pref>\n");
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
  append_tag_text(out, "<UTRAN_Freq_List>\n");
  write_field_u8("Length", u.length, out, 0);
  for (uint32_t i = 0; i < u.fdd_count && i < std::size(u.fdd); ++i) write_field_u16("FDD_ARFCN", u.fdd[i], out, 0);
  for (uint32_t i = 0; i < u.tdd_count && i < std::size(u.tdd); ++i) write_field_u16("FDD_ARFCN", u.tdd[i], out, 0);
  append_tag_text(out, "</UTRAN_Freq_List>\n");
}

void decode_rr_routing_area(RrRoutingArea& r, const BitBuffer& b) {
  r.mcc[0] = read_bits8(4, 4, b);
  r.mcc[1] = read_bits8(0, 4, b);
  r.mcc[2] = read_bits8(12, 4, b);
  r.mnc[2] = read_bits8(8, 4, b);
  r.mnc[0] = read_bits8(20, 4, b);
  r.mnc[1] = read_bits8(16, 4, b);
  r.lac = read_bits16(24, 16, b);
  r.rac = read_bits8(40, 8, b);
}

namespace {

void render_digits(const char* name, const uint8_t (&d)[3], bool third_may_be_f, OutputText& out) {
  out.push('<');
  append_tag_text(out, name);
  out.append(">\n");
  bool normal = d[0] <= 9 && d[1] <= 9 && d[2] <= 9;
  // An MNC whose third digit is F has two digits.
  bool two_digits = third_may_be_f && d[0] <= 9 && d[1] <= 9 && d[2] == 0xF;
  if (normal) {
    write_field_int(name, d[0] * 100 + d[1] * 10 + d[2], out, 0);
  } else if (two_digits) {
    write_field_int(name, d[0] * 10 + d[1], out, 0);
  } else {
    out.append("abnormal");
  }
  out.append("</");
  append_tag_text(out, name);
  out.append(">\n");
}

}  // namespace

void render_rr_routing_area(const RrRoutingArea& r, OutputText& out) {
  append_tag_text(out, "<Routeing_Area_Identification>\n");
  render_digits("MCC", r.mcc, false, out);
  render_digits("MNC", r.mnc, true, out);
  write_field_u16("LAC", r.lac, out, 0);
  write_field_u8("RAC", r.rac, out, 0);
  append_tag_text(out, "</Routeing_Area_Identification>\n");
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
  append_tag_text(out, "<Measurement_Results>\n");
  render_boolean_field(out, "BA_USED", m.ba_used,
                       "BCCH allocation is not used for the coding of BCCH-FREQ-NCELL fields",
                       "BCCH allocation used for the coding of BCCH-FREQ-NCELL fields");
  render_boolean_field(out, "DTX_USED", m.dtx_used, "DTX was not used", "DTX was used");
  write_field_u8("RXLEV FULL SERVING CELL", m.rxlev_full, out, 0);
  render_boolean_field(out, "BA_USED_3G", m.ba_used_3g,
                       "BCCH allocation is not used for the coding of 3G BCCH-FREQ-NCELL fields",
                       "BCCH allocation used for the coding of 3G BCCH-FREQ-NCELL fields");
  render_boolean_field(out, "MEAS_VALID", m.meas_valid, "The measurement results are valid",
                       "the measurement results are not valid");
  write_field_u8("RXLEV SUB SERVING CELL", m.rxlev_sub, out, 0);
  write_field_u8("RXQUAL FULL SERVING CELL", m.rxqual_full, out, 0);
  write_field_u8("RXQUAL SUB SERVING CELL", m.rxqual_sub, out, 0);
  append_tag_text(out, "<NO_NCELL_M>\n");
  if (m.no_ncell_m == 0) {
    append_value_text("No neighbour cell measurement result", out, 0, 1);
  } else if (m.no_ncell_m == 7) {
    append_value_text("Neighbour cell information not available for serving cell", out, 7, 1);
  } else {
    append_value_note(m.no_ncell_m, out, 0);
    out.append("Number of neighbour cell measurements");
    append_dec(out, m.no_ncell_m);
  }
  append_tag_text(out, "</NO_NCELL_M>\n");
  for (uint8_t v : m.rxlev_ncell) write_field_u8("RXLEV_NCELL", v, out, 0);
  for (uint8_t v : m.bcch_freq_ncell) write_field_u8("BCCH-FREQ-NCELL", v, out, 0);
  for (uint8_t v : m.bsic_ncell) write_field_u8("BSIC_NCELL", v, out, 0);
  append_tag_text(out, "</Measurement_Results>\n");
}

void decode_extended_measurement_results(ExtendedMeasurementResults& m, const BitBuffer& b) {
  m.sc_used = read_bits8(0, 1, b);
  m.dtx_used = read_bits8(1, 1, b);
  for (uint32_t i = 0; i < std::size(m.rxlev_carrier); ++i) m.rxlev_carrier[i] = read_bits8(2 + 6 * i, 6, b);
}

void render_extended_measurement_results(const ExtendedMeasurementResults& m, OutputText& out) {
  append_plain(out, "<EXTENDED_MEASUREMENT_RESULTS>\n");
  write_field_u8("SC_USED", m.sc_used, out, 0);
  render_boolean_field(out, "DTX_USED", m.dtx_used, "DTX was not used", "DTX was used");
  for (uint8_t v : m.rxlev_carrier) write_field_u8("RXLEV_carrier", v, out, 0);
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
  render_boolean_field(out, "A5_4", c.a5_4, "encryption algorithm A5/4 not available",
                       "encryption algorithm A5/4 available");
  render_boolean_field(out, "A5_5", c.a5_5, "encryption algorithm A5/5 not available",
                       "encryption algorithm A5/5 available");
  render_boolean_field(out, "A5_6", c.a5_6, "encryption algorithm A5/6 not available",
                       "encryption algorithm A5/6 available");
  render_boolean_field(out, "A5_7", c.a5_7, "encryption algorithm A5/7 not available",
                       "encryption algorithm A5/7 available");
  append_plain(out, "</A5>\n");
}

}  // namespace

void render_classmark3(const Classmark3& c, OutputText& out) {
  append_plain(out, "<Mobile_Station_Classmark_3>\n");
  append_plain(out, "<Multiband_supported>\n");
  render_boolean_field(out, "Band1", c.band1, "P-GSM not supported", "P-GSM supported");
  render_boolean_field(out, "Band2", c.band2, "E-GSM or R-GSM not supported", "E-GSM or R-GSM supported");
  render_boolean_field(out, "Band3", c.band3, "DCS 1800 not supported", "DCS 1800 supported");
  append_plain(out, "</Multiband_supported>\n");
  switch (c.multiband_supported) {
    case 0:
      render_a5_block(c, out);
      break;
    case 5:
    case 6:
      render_a5_block(c, out);
      write_field_u8("Associated Radio Capability 2", c.radio_capability2, out, 0);
      write_field_u8("Associated Radio Capability 1", c.radio_capability1, out, 0);
      break;
    case 1:
    case 2:
    case 4:
      render_a5_block(c, out);
      write_field_u8("Associated Radio Capability 1", c.radio_capability1, out, 0);
      break;
    default:
      break;
  }
  if (c.r_support) {
    append_plain(out, "<R_Support>\n");
    render_boolean_field(out, "R-GSM band Associated Radio Capability", c.r_gsm_capability, "not support in the FC",
                         "support in the FC");
    append_plain(out, "</R_Support>\n");
  }
  if (c.hscsd_multislot) {
    append_plain(out, "<Multi_Slot_Capability>\n");
    write_field_u8("Multi Slot Class", c.hscsd_class, out, 0);
    append_plain(out, "</Multi_Slot_Capability>\n");
  }
  render_boolean_field(out, "UCS2 treatment", c.ucs2_treatment, "the ME has a preference for the default alphabet",
                       "the ME has no preference between the use of the default alphabet and the use of UCS2");
  render_boolean_field(out, "Extended Measurement Capability", c.extended_measurement,
                       "the MS does not support Extended Measurements", "the MS supports Extended Measurements");
  if (c.ms_measurement) {
    append_plain(out, "<MS_Measurement_capability>\n");
    render_timeslot_note("<SMS_VALUE>\n", "</SMS_VALUE>\n", c.sms_value, out);
    render_timeslot_note("<SM_VALUE>\n", "</SM_VALUE>\n", c.sm_value, out);
    append_plain(out, "</MS_Measurement_capability>\n");
  }
  append_plain(out, "</Mobile_Station_Classmark_3>\n");
}

namespace {

uint8_t take8(BitCursor& c, uint32_t w) { return static_cast<uint8_t>(c.bits(w)); }

// { 0 | 1 < TIMING_ADVANCE_VALUE 6 > } { 0 | 1 < TIMING_ADVANCE_INDEX 4 > < TIMING_ADVANCE_TIMESLOT_NUMBER 3 > }
void decode_packet_timing_advance(PacketTimingAdvance& t, BitCursor& c) {
  t.value_present = c.bit();
  if (t.value_present) t.value = take8(c, 6);
  t.index_present = c.bit();
  if (t.index_present) {
    t.index = take8(c, 4);
    t.timeslot = take8(c, 3);
  }
}

void render_packet_timing_advance(const PacketTimingAdvance& t, OutputText& out) {
  append_tag_text(out, "<Packet_Timing_Advance>\n");
  if (t.value_present) write_field_u8("TIMING_ADVANCE_VALUE", t.value, out, 0);
  if (t.index_present) {
    write_field_u8("TIMING_ADVANCE_INDEX", t.index, out, 0);
    write_field_u8("TIMING_ADVANCE_TIMESLOT_NUMBER", t.timeslot, out, 0);
  }
  append_tag_text(out, "</Packet_Timing_Advance>\n");
}

}  // namespace

namespace {
void decode_single_block(RrPacketUplinkAssignment& a, BitCursor& c);
void decode_dynamic(RrPacketUplinkAssignment& a, BitCursor& c);
}  // namespace

void decode_rr_packet_uplink_assignment(RrPacketUplinkAssignment& a, const BitBuffer& b) {
  a.length = read_bits8(0, 8, b);
  BitCursor c(b, kValueStart);
  a.channel_coding_command = take8(c, 2);
  a.tlli_block_channel_coding = take8(c, 1);
  decode_packet_timing_advance(a.timing_advance, c);
  // { 01 < Dynamic Allocation > | 10 < Single Block > | 00 < extension > | 11 < Fixed > }
  a.allocation = take8(c, 2);
  const uint32_t end = value_end(b);
  if (a.allocation == 2) {
    decode_single_block(a, c);
  } else if (a.allocation == 1) {
    decode_dynamic(a, c);
  } else if (a.allocation == 3) {
    return;  // fixed allocation: its fields are not taken apart
  }
  // { 0 | 1 < EGPRS Window Size 5 > < EGPRS Channel Coding Command 4 > { 0 | 1 < BEP_PERIOD2 4 > } }
  if (c.pos + 10 > end || !c.bit()) return;
  a.egprs_present = 1;
  a.egprs_window_size = take8(c, 5);
  a.egprs_channel_coding_command = take8(c, 4);
  if (c.pos < end) a.bep_period2_present = c.bit();
  if (a.bep_period2_present) a.bep_period2 = take8(c, 4);
}

namespace {

// < TIMESLOT_NUMBER 3 > { 0 | 1 < ALPHA 4 > < GAMMA_TN 5 > } { 0 | 1 < P0 4 > < BTS_PWR_CTRL_MODE 1 > < PR_MODE 1 > }
void decode_single_block(RrPacketUplinkAssignment& a, BitCursor& c) {
  a.sb_timeslot = take8(c, 3);
  a.sb_alpha_present = c.bit();
  if (a.sb_alpha_present) {
    a.sb_alpha = take8(c, 4);
    a.sb_gamma = take8(c, 5);
  }
  a.sb_power_present = c.bit();
  if (a.sb_power_present) {
    a.sb_p0 = take8(c, 4);
    a.sb_bts_pwr_ctrl_mode = take8(c, 1);
    a.sb_pr_mode = take8(c, 1);
  }
}

void decode_dynamic(RrPacketUplinkAssignment& a, BitCursor& c) {
  a.extended_dynamic = take8(c, 1);
  a.p0_present = c.bit();
  if (a.p0_present) {
    a.p0 = take8(c, 4);
    a.pr_mode = take8(c, 1);
  }
  a.usf_granularity = take8(c, 1);
  a.tfi_present = c.bit();
  if (a.tfi_present) a.tfi = take8(c, 5);
  a.blocks_granted_present = c.bit();
  if (a.blocks_granted_present) a.blocks_granted = take8(c, 8);
  // { 0 { 0 | 1 < USF_TN 3 > } * 8 | 1 < ALPHA 4 > { 0 | 1 < USF_TN 3 > < GAMMA_TN 5 > } * 8 }
  a.ts_power_control = c.bit();
  if (a.ts_power_control) a.ts_alpha = take8(c, 4);
  for (uint32_t i = 0; i < std::size(a.usf); ++i) {
    a.usf_present[i] = c.bit();
    if (!a.usf_present[i]) continue;
    a.usf[i] = take8(c, 3);
    if (a.ts_power_control) a.gamma[i] = take8(c, 5);
  }
}

}  // namespace

namespace {

void render_uplink_timeslots(const RrPacketUplinkAssignment& a, OutputText& out) {
  constexpr const char* kUsf[] = {"USF_TN0", "USF_TN1", "USF_TN2", "USF_TN3",
                                  "USF_TN4", "USF_TN5", "USF_TN6", "USF_TN7"};
  constexpr const char* kGamma[] = {"GAMMA_TN0", "GAMMA_TN1", "GAMMA_TN2", "GAMMA_TN3",
                                    "GAMMA_TN4", "GAMMA_TN5", "GAMMA_TN6", "GAMMA_TN7"};
  const char* block = a.ts_power_control ? "Timeslot_Allocation_with_Power_Control_Parameters" : "Timeslot_Allocation";
  out.push('<');
  append_tag_text(out, block);
  out.append(">\n");
  if (a.ts_power_control) render_rr_alpha(a.ts_alpha, out);
  for (uint32_t i = 0; i < std::size(kUsf); ++i) {
    if (!a.usf_present[i]) continue;
    write_field_u8(kUsf[i], a.usf[i], out, 0);
    if (a.ts_power_control) write_field_u8(kGamma[i], a.gamma[i], out, 0);
  }
  out.append("</");
  append_tag_text(out, block);
  out.append(">\n");
}

}  // namespace

void render_rr_packet_uplink_assignment(const RrPacketUplinkAssignment& a, OutputText& out) {
  constexpr ValueText kAllocation[] = {
      {0, "extension"}, {1, "Dynamic Allocation"}, {2, "Single Block Allocation"}, {3, "Fixed Allocation"}};
  append_tag_text(out, "<RR_Packet_Uplink_Assignment>\n");
  write_field_u8("Length", a.length, out, 0);
  render_rr_channel_coding_command(a.channel_coding_command, out);
  write_field_u8("TLLI_BLOCK_CHANNEL_CODING", a.tlli_block_channel_coding, out, 0);
  render_packet_timing_advance(a.timing_advance, out);
  render_value_block(out, "Allocation", a.allocation, kAllocation);
  if (a.allocation == 1) {
    append_tag_text(out, "<Dynamic_Allocation>\n");
    write_field_u8("Extended_Dynamic_Allocation", a.extended_dynamic, out, 0);
    if (a.p0_present) {
      render_rr_p0(a.p0, out);
      write_field_u8("PR_MODE", a.pr_mode, out, 0);
    }
    write_field_u8("USF_GRANULARITY", a.usf_granularity, out, 0);
    if (a.tfi_present) write_field_u8("UPLINK_TFI_ASSIGNMENT", a.tfi, out, 0);
    if (a.blocks_granted_present) {
      append_plain(out, "<RLC_DATA_BLOCKS_GRANTED>\n");
      append_value_note(a.blocks_granted, out, 0);
      append_dec(out, a.blocks_granted);
      out.append(" RLC data blocks");
      append_plain(out, "<RLC_DATA_BLOCKS_GRANTED>\n");  // hosts expect the open tag repeated here
    }
    render_uplink_timeslots(a, out);
    append_tag_text(out, "</Dynamic_Allocation>\n");
  } else if (a.allocation == 2) {
    append_tag_text(out, "<Single_Block_Allocation>\n");
    write_field_u8("TIMESLOT_NUMBER", a.sb_timeslot, out, 0);
    if (a.sb_alpha_present) {
      render_rr_alpha(a.sb_alpha, out);
      write_field_u8("GAMMA_TN", a.sb_gamma, out, 0);
    }
    if (a.sb_power_present) {
      render_rr_p0(a.sb_p0, out);
      write_field_u8("BTS_PWR_CTRL_MODE", a.sb_bts_pwr_ctrl_mode, out, 0);
      write_field_u8("PR_MODE", a.sb_pr_mode, out, 0);
    }
    append_tag_text(out, "</Single_Block_Allocation>\n");
  }
  if (a.egprs_present) {
    append_tag_text(out, "<EGPRS_Parameters>\n");
    render_rr_egprs_window_size(a.egprs_window_size, out);
    write_field_u8("EGPRS_CHANNEL_CODING_COMMAND", a.egprs_channel_coding_command, out, 0);
    if (a.bep_period2_present) write_field_u8("BEP_PERIOD2", a.bep_period2, out, 0);
    append_tag_text(out, "</EGPRS_Parameters>\n");
  }
  append_tag_text(out, "</RR_Packet_Uplink_Assignment>\n");
}

void decode_rr_packet_downlink_assignment(RrPacketDownlinkAssignment& a, const BitBuffer& b) {
  a.length = read_bits8(0, 8, b);
  BitCursor c(b, kValueStart);
  a.mac_mode = take8(c, 2);
  a.rlc_mode = take8(c, 1);
  a.timeslot_allocation = take8(c, 8);
  decode_packet_timing_advance(a.timing_advance, c);
  a.p0_present = c.bit();
  if (a.p0_present) {
    a.p0 = take8(c, 4);
    a.bts_pwr_ctrl_mode = take8(c, 1);
    a.pr_mode = take8(c, 1);
  }
  // Power control parameters: ALPHA, then { 0 | 1 < GAMMA_TN 5 > } for each of the 8 timeslots.
  a.power_control_present = c.bit();
  if (a.power_control_present) {
    a.alpha = take8(c, 4);
    for (uint32_t i = 0; i < std::size(a.gamma); ++i) {
      a.gamma_present[i] = c.bit();
      if (a.gamma_present[i]) a.gamma[i] = take8(c, 5);
    }
  }
  a.tfi_present = c.bit();
  if (a.tfi_present) a.tfi = take8(c, 5);
  a.measurement_present = c.bit();
  if (a.measurement_present) {
    a.measurement_starting_time = static_cast<uint16_t>(c.bits(16));
    a.measurement_interval = take8(c, 5);
    a.measurement_bitmap = take8(c, 8);
  }
  // { 0 | 1 < EGPRS Window Size 5 > < LINK_QUALITY_MEASUREMENT_MODE 2 > { 0 | 1 < BEP_PERIOD2 4 > } }
  const uint32_t end = value_end(b);
  if (c.pos + 8 > end || !c.bit()) return;
  a.egprs_present = 1;
  a.egprs_window_size = take8(c, 5);
  a.link_quality_measurement_mode = take8(c, 2);
  if (c.pos < end) a.bep_period2_present = c.bit();
  if (a.bep_period2_present) a.bep_period2 = take8(c, 4);
}

void render_rr_packet_downlink_assignment(const RrPacketDownlinkAssignment& a, OutputText& out) {
  constexpr const char* kGamma[] = {"GAMMA_TN0", "GAMMA_TN1", "GAMMA_TN2", "GAMMA_TN3",
                                    "GAMMA_TN4", "GAMMA_TN5", "GAMMA_TN6", "GAMMA_TN7"};
  append_tag_text(out, "<Packet_Downlink_Assignment>\n");
  write_field_u8("Length", a.length, out, 0);
  write_field_u8("MAC_MODE", a.mac_mode, out, 0);
  write_field_u8("RLC_MODE", a.rlc_mode, out, 0);
  write_field_u8("TIMESLOT_ALLOCATION", a.timeslot_allocation, out, 0);
  render_packet_timing_advance(a.timing_advance, out);
  if (a.p0_present) {
    render_rr_p0(a.p0, out);
    write_field_u8("BTS_PWR_CTRL_MODE", a.bts_pwr_ctrl_mode, out, 0);
    write_field_u8("PR_MODE", a.pr_mode, out, 0);
  }
  if (a.power_control_present) {
    append_tag_text(out, "<Power_Control_Parameters>\n");
    render_rr_alpha(a.alpha, out);
    for (uint32_t i = 0; i < std::size(kGamma); ++i) {
      if (a.gamma_present[i]) write_field_u8(kGamma[i], a.gamma[i], out, 0);
    }
    append_tag_text(out, "</Power_Control_Parameters>\n");
  }
  if (a.tfi_present) write_field_u8("DOWNLINK_TFI_ASSIGNMENT", a.tfi, out, 0);
  if (a.measurement_present) {
    write_field_u16("MEASUREMENT_STARTING_TIME", a.measurement_starting_time, out, 0);
    write_field_u8("MEASUREMENT_INTERVAL", a.measurement_interval, out, 0);
    write_field_u8("MEASUREMENT_BITMAP", a.measurement_bitmap, out, 0);
  }
  if (a.egprs_present) {
    render_rr_egprs_window_size(a.egprs_window_size, out);
    write_field_u8("LINK_QUALITY_MEASUREMENT_MODE", a.link_quality_measurement_mode, out, 0);
    if (a.bep_period2_present) write_field_u8("BEP_PERIOD2", a.bep_period2, out, 0);
  }
  append_tag_text(out, "</Packet_Downlink_Assignment>\n");
}

void decode_dtm_information_details(DtmInformationDetails& d, const BitBuffer& b) {
  d.length = read_bits8(0, 8, b);
  d.max_lapdm = read_bits8(8, 3, b);
  const uint32_t end = value_end(b);
  BitCursor c(b, kValueStart + 3);
  if (c.pos + 5 > end) return;
  d.txpwr_present = 1;
  d.gprs_ms_txpwr_max_cch = take8(c, 5);
  if (c.pos + 16 > end) return;
  d.cell_identity_present = 1;
  d.cell_identity = static_cast<uint16_t>(c.bits(16));
  // { null | L | H { 0 | 1 < DEDICATED_MODE_MBMS_NOTIFICATION_SUPPORT 1 > < MNCI_SUPPORT 1 > } }
  if (c.pos + 2 > end || !rest_high_bit(c)) return;
  if (!c.bit() || c.pos + 2 > end) return;
  d.mbms_present = 1;
  d.dedicated_mode_mbms_notification = take8(c, 1);
  d.mnci_support = take8(c, 1);
}

void render_dtm_information_details(const DtmInformationDetails& d, OutputText& out) {
  append_plain(out, "<DTM_Information_Rest_Octets>\n");
  write_field_u8("legth", d.length, out, 0);
  render_rr_max_lapdm(d.max_lapdm, out);
  if (d.txpwr_present) write_field_u8("GPRS_MS_TXPWR_MAX_CCH", d.gprs_ms_txpwr_max_cch, out, 0);
  if (d.cell_identity_present) {
    append_tag_text(out, "<Cell_Identity>\n");
    write_field_u16("Cell Identity", d.cell_identity, out, 0);
    append_tag_text(out, "</Cell_Identity>\n");
  }
  if (d.mbms_present) {
    render_boolean_field(out, "DEDICATED_MODE_MBMS_NOTIFICATION_SUPPORT", d.dedicated_mode_mbms_notification,
                         "The cell does not support the Dedicated Mode MBMS Notification procedures",
                         "The cell supports the Dedicated Mode MBMS Notification procedures");
    render_boolean_field(out, "MNCI_SUPPORT", d.mnci_support,
                         "The cell does not support the distribution of MBMS NEIGHBOURING CELL INFORMATION messages",
                         "The cell supports the distribution of MBMS NEIGHBOURING CELL INFORMATION messages");
  }
  append_plain(out, "</DTM_Information_Rest_Octets>\n");
}

void render_rr_cause_element(uint8_t cause, OutputText& out) {
  out.append("<RR_Cause>\n");
  render_rr_cause_value(cause, out);
  out.append("</RR_Cause>\n");
}

}  // namespace l3
