#include "rr/elements/channel_elements.h"

#include <iterator>

#include "core/output.h"
#include "rr/elements/element_parts.h"
#include "rr/elements/value_elements.h"

namespace l3 {

using namespace rr_parts;

namespace {

void decode_channel_description_at(ChannelDescription& d, const BitBuffer& b, uint32_t p) {
  d.chan_type = read_bits8(p + 0, 5, b);
  d.tn = read_bits8(p + 5, 3, b);
  d.tsc = read_bits8(p + 8, 3, b);
  d.h = read_bits8(p + 11, 1, b);
  if (d.h == 1) {
    d.maio = read_bits8(p + 12, 6, b);
    d.hsn = read_bits8(p + 18, 6, b);
  } else {
    d.arfcn = read_bits16(p + 14, 10, b);
  }
}

}  // namespace

void decode_channel_description(ChannelDescription& d, const BitBuffer& b) { decode_channel_description_at(d, b, 0); }

void decode_mobile_allocation_bits(MobileAllocation& d, const BitBuffer& b, uint32_t pos, uint8_t octets) {
  d.length = octets;
  d.count = 0;
  const uint32_t n = 8u * octets;  // at most kMaxBits
  // The first bit read is MA C(8L), the last MA C(1).
  for (uint32_t k = 0; k < n; ++k) {
    const uint32_t i = n - k;
    const uint8_t mask = static_cast<uint8_t>(1u << (i % 8));
    if (b.cell(pos + k) != 0) {
      d.bits[i / 8] |= mask;
      ++d.count;
    } else {
      d.bits[i / 8] &= static_cast<uint8_t>(~mask);
    }
  }
}

void decode_mobile_allocation(MobileAllocation& d, const BitBuffer& b) {
  decode_mobile_allocation_bits(d, b, 8, read_bits8(0, 8, b));
}

void decode_frequency_channel_sequence(FrequencyChannelSequence& d, const BitBuffer& b) {
  d.lowest_arfcn = read_bits8(1, 7, b);
  for (uint32_t i = 1; i < std::size(d.inc_skip); ++i) d.inc_skip[i] = read_bits8(8 + 4 * (i - 1), 4, b);
}

void decode_channel_mode(uint8_t& mode, const BitBuffer& b) { mode = read_bits8(0, 8, b); }

void decode_packet_channel_description(PacketChannelDescription& d, const BitBuffer& b) {
  d.chan_type = read_bits8(0, 5, b);
  d.tn = read_bits8(5, 3, b);
  d.tsc = read_bits8(8, 3, b);
  d.hopping = read_bits8(11, 1, b);
  if (d.hopping == 1) {
    d.maio = read_bits8(12, 6, b);
    d.hsn = read_bits8(18, 6, b);
    return;
  }
  d.indirect = read_bits8(12, 1, b);
  if (d.indirect == 1) {
    d.maio = read_bits8(14, 6, b);
    d.ma_number_ind = read_bits8(20, 1, b);
    d.change_mark_1_present = read_bits8(21, 1, b);
    d.change_mark_1 = read_bits8(22, 2, b);
  } else {
    d.arfcn = read_bits16(14, 10, b);
  }
}

void decode_group_channel_description(GroupChannelDescription& d, const BitBuffer& b) {
  d.length = read_bits8(0, 8, b);
  decode_channel_description_at(d.channel, b, 8);
  if (d.length > 3) decode_mobile_allocation_bits(d.ma, b, 32, static_cast<uint8_t>(d.length - 3));
}

void decode_vgcs_target_mode(VgcsTargetMode& d, const BitBuffer& b) {
  d.length = read_bits8(0, 8, b);
  d.target_mode = read_bits8(8, 2, b);
  d.key_number = read_bits8(10, 4, b);
}

namespace {

constexpr ValueText kChannelTypeTexts[] = {
    {1, "TCH F and FACCH F and SACCH/F"},
    {2, 3, "TCH F and ACCHs"},
    {4, 7, "SDCCH4 SACCH C4 or CBCH SDCCH4"},
    {8, 15, "SDCCH/8 ACCH C8 or CBCH(SDCCH8)"},
    {16, "no additional timeslots"},
    {17, "at timeslot nsub1"},
    {18, "at timeslot nand1 nsub1"},
    {19, "at timeslot nand1 nsub1 and nsub2"},
    {20, "at timeslot nand1 nsub1 and nsub2 and nsub3"},
    {21, "at timeslot nand1,nsub1 and nand2 nsub3 and nsub4"},
    {22, "at timeslot nand1 nsub1 and nsub2 nsub3 nsub4 and nsub5"},
    {23, "at timeslot nand1 nsub1 and nsub2 nsub3 nsub4 and nsub5 nsub6"},
    {25, "at timeslot nsub1"},
    {26, "at timeslot nand1 nsub1"},
    {27, "at timeslot nand1 nsub1 and nsub2"},
    {30,
     "TCH F and FACCH F and SACCH M at the time slot indicated by TN and "
     "additional bidirectional TCH F and SACCH M "
     "at timeslot nsub1 and unidirectional TCH FDand SACCH MD at timeslot "
     "nsub1"},
};

static_assert(well_formed(kChannelTypeTexts));

int render_channel_type_text(uint8_t value, const char* text, OutputText& out) {
  out.append("<Channel_type_and_TDMA_offset>\n");
  append_value_text(text, out, value, 1);
  out.append("</Channel_type_and_TDMA_offset>\n");
  return 1;
}

constexpr const char* hopping_text(uint8_t h) { return h != 0 ? "RF_hopping_channel" : "Single_RF_channel"; }

void render_channel_fields(const ChannelDescription& d, OutputText& out, bool bare_h) {
  write_field_u8(L3_TAG("TN"), d.tn, out, 0);
  out.append("<H>\n");
  if (bare_h) {
    append_value_note(d.h, out, 0);
    out.append(hopping_text(d.h));
  } else {
    append_value_text(hopping_text(d.h), out, d.h, 1);
  }
  out.append("</H>\n");
  write_field_u8(L3_TAG("TSC"), d.tsc, out, 0);
  if (d.h == 1) {
    write_field_u8(L3_TAG("MAIO"), d.maio, out, 0);
    write_field_u8(L3_TAG("HSN"), d.hsn, out, 0);
  } else {
    write_field_u16(L3_TAG("ARFCN"), d.arfcn, out, 0);
  }
}

}  // namespace

int render_channel_type(uint8_t value, OutputText& out) {
  return render_channel_type_text(value, text_or(kChannelTypeTexts, value, "reserved"), out);
}

int render_channel_description(const ChannelDescription& d, OutputText& out) {
  out.append("<Channel_Description>\n");
  // Only the dedicated channel types have their text here.
  if (d.chan_type >= 1 && d.chan_type <= 7) {
    render_channel_type(d.chan_type, out);
  } else {
    render_channel_type_text(d.chan_type, "reserved", out);
  }
  render_channel_fields(d, out, false);
  out.append("</Channel_Description>\n");
  return 1;
}

int render_channel_description2(const ChannelDescription& d, OutputText& out) {
  out.append("<Channel_Description2>\n");
  render_channel_type(d.chan_type, out);
  render_channel_fields(d, out, true);
  out.append("</Channel_Description2>\n");
  return 1;
}

int render_mobile_allocation(const MobileAllocation& d, OutputText& out) {
  out.append("<Mobile_Allocation>\n");
  write_field_u8(L3_TAG("Length_of_mobile_allocation"), d.length, out, 0);
  uint32_t n = 8u * d.length;
  if (n > MobileAllocation::kMaxBits) n = MobileAllocation::kMaxBits;
  for (uint32_t i = n; i >= 1; --i) {
    if (d.has(i)) write_field_int(L3_TAG("MAC"), static_cast<int32_t>(i), out, 0);
  }
  out.append("</Mobile_Allocation>\n");
  return 1;
}

int render_frequency_channel_sequence(const FrequencyChannelSequence& d, OutputText& out) {
  out.append("<Frequency_Channel_Sequence>\n");
  write_field_int(L3_TAG("Lowest_ARFCN"), d.lowest_arfcn, out, 0);
  for (uint32_t i = 1; i < std::size(d.inc_skip); ++i)
    write_field_int(L3_TAG("inc_skip_of_ARFCN"), d.inc_skip[i], out, 0);
  out.append("</Frequency_Channel_Sequence>\n");
  return 1;
}

namespace {

constexpr ValueText kChannelModeTexts[] = {
    {0x00, "signalling only"},
    {0x01, "speech full rate or half rate version 1"},
    {0x03, "12kbit per s radio interface rate"},
    {0x0B, "6kbit per s radio interface rate"},
    {0x0F, "14 5kbit per s radio interface rate"},
    {0x13, "3 6kbit per s radio interface rate"},
    {0x21, "speech full rate or half rate version 2"},
    {0x41, "speech full rate or half rate version 3"},
};

static_assert(well_formed(kChannelModeTexts));

constexpr ValueText kChannelMode2Texts[] = {
    {0x00, "signalling only"},
    {0x05, "speech full rate or half rate version 1"},
    {0x0F, "6kbit per s radio interface rate"},
    {0x17, "3 6kbit per s radio interface rate"},
    {0x25, "speech full rate or half rate version 2"},
    {0x45, "speech full rate or half rate version 3"},
};

static_assert(well_formed(kChannelMode2Texts));

constexpr const char* kReservedMode = "Other values are reserved for future use";

void render_mode(uint8_t mode, std::span<const ValueText> table, OutputText& out) {
  out.append("<Mode>\n");
  append_value_text(text_or(table, mode, kReservedMode), out, mode, 1);
  out.append("</Mode>\n");
}

}  // namespace

int render_channel_mode(uint8_t mode, OutputText& out) {
  out.append("<Channel_Mode>\n");
  render_mode(mode, kChannelModeTexts, out);
  out.append("</Channel_Mode>\n");
  return 1;
}

int render_channel_mode2(uint8_t mode, OutputText& out) {
  out.append("<Channel_Mode2>\n");
  render_mode(mode, kChannelMode2Texts, out);
  out.append("</Channel_Mode2>\n");
  return 1;
}

namespace {

constexpr ValueText kCipherAlgorithmTexts[] = {
    {0, "cipher with algorithm A5 1"}, {1, "cipher with algorithm A5 2"},
    {2, "cipher with algorithm A5 3"}, {3, "cipher with algorithm A5 4"},
    {4, "cipher with algorithm A5 5"}, {5, "cipher with algorithm A5 6"},
    {6, "cipher with algorithm A5 7"}, {7, "reserved"},
};

static_assert(well_formed(kCipherAlgorithmTexts));

}  // namespace

int render_cipher_mode_setting(const CipherModeSetting& d, OutputText& out) {
  out.append("<Cipher_Mode_Setting>\n");
  out.append("<SC>\n");
  if (d.sc == 1) {
    append_value_text("Start_ciphering", out, d.sc, 1);
    out.append("</SC>\n");
    out.append("<algorithm_identifier>\n");
    append_value_text(text_or(kCipherAlgorithmTexts, d.algorithm, "reserved"), out, d.algorithm, 1);
    out.append("</algorithm_identifier>\n");
  } else {
    append_value_text("No ciphering", out, d.sc, 1);
    out.append("</SC>\n");
  }
  out.append("</Cipher_Mode_Setting>\n");
  return 1;
}

void render_vgcs_target_mode(const VgcsTargetMode& v, OutputText& out) {
  out.append("<VGCS_target_mode_Indication>\n");
  write_field_u8(L3_TAG("Length_of_VGCS_target_mode_Indic."), v.length, out, 0);
  out.append("<Target_mode>\n");
  const char* text = v.target_mode == 0   ? "dedicated mode"
                     : v.target_mode == 1 ? "group transmit mode"
                                          : "reserved_for_future_use.";
  append_value_text(text, out, v.target_mode, 1);
  out.append("</Target_mode>\n");
  render_group_cipher_key_number(v.key_number, out);
  out.append("</VGCS_target_mode_Indication>\n");
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
  append_tag_text(out, L3_TAG_TEXT("<MultiRate_configuration>\n"));
  write_field_u8(L3_TAG("Length"), m.length, out, 0);
  append_tag_text(out, L3_TAG_TEXT("<MR_version>\n"));
  append_value_text(m.mr_version == 1 ? "Adaptive Multirate speech version1" : "reserved", out, m.mr_version, 1);
  append_tag_text(out, L3_TAG_TEXT("</MR_version>\n"));
  render_flag(out,
              L3_FLAG("<NSCB>\n", "</NSCB>\n", "Noise_Suppression_can_be_used_(default)",
                      "Noise_Suppression_shall_be_turned_off"),
              m.nscb);
  render_flag(
      out,
      L3_FLAG("<ICMI>\n", "</ICMI>\n", "The initial codec mode is defined by the implicit rule provided in GSM05.09",
              "The initial codec mode is defined by the Start Mode field"),
      m.icmi);
  write_field_u8(L3_TAG("Start_Mode"), m.start_mode, out, 0);
  append_tag_text(out, L3_TAG_TEXT("<Set_of_AMR_codec_modes>\n"));
  for (uint32_t i = 0; i < std::size(kRates); ++i) {
    out.append(kRates[i]);
    out.append((m.codec_set >> (7 - i)) & 1u ? "kbit per s codec rate is part of the subset\n"
                                             : "kbit per s codec rate is not part of the subset\n");
  }
  append_tag_text(out, L3_TAG_TEXT("</Set_of_AMR_codec_modes>\n"));
  for (uint32_t i = 0; i < 3 && m.length >= 4 + i; ++i) {
    write_field_u8(kThreshold[i], m.threshold[i], out, 0);
    write_field_u8(kHysteresis[i], m.hysteresis[i], out, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</MultiRate_configuration>\n"));
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
  append_tag_text(out, L3_TAG_TEXT("<Dynamic_ARFCN_Mapping>\n"));
  for (uint32_t i = 0; i < m.count && i < std::size(m.entries); ++i) {
    const DynamicArfcnMappingElement::Entry& e = m.entries[i];
    append_tag_text(out, L3_TAG_TEXT("<DYNAMIC_ARFCN_MAPPING_Description>\n"));
    write_field_u8(L3_TAG("GSM_Band"), e.gsm_band, out, 0);
    write_field_u16(L3_TAG("ARFCN_FIRST"), e.arfcn_first, out, 0);
    write_field_u16(L3_TAG("BAND_OFFSET"), e.band_offset, out, 0);
    write_field_u8(L3_TAG("ARFCN_RANGE"), e.arfcn_range, out, 0);
    append_tag_text(out, L3_TAG_TEXT("</DYNAMIC_ARFCN_MAPPING_Description>\n"));
  }
  append_tag_text(out, L3_TAG_TEXT("</Dynamic_ARFCN_Mapping>\n"));
}

}  // namespace l3
