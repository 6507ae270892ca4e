#include "rr/elements/rr_elements.h"

#include <iterator>

#include "rr/elements/rr_msg_elements.h"

namespace l3 {

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

void decode_cell_description(CellDescription& d, const BitBuffer& b) {
  d.bcch_arfcn = static_cast<uint16_t>(read_bits16(0, 2, b) << 8 | read_bits16(8, 8, b));
  d.ncc = read_bits8(2, 3, b);
  d.bcc = read_bits8(5, 3, b);
}

void decode_request_reference(RequestReference& d, const BitBuffer& b) {
  d.ra = read_bits8(0, 8, b);
  d.t1 = read_bits8(8, 5, b);
  d.t3 = read_bits8(13, 6, b);
  d.t2 = read_bits8(19, 5, b);
}

void decode_starting_time(StartingTime& d, const BitBuffer& b) {
  d.t1 = read_bits8(0, 5, b);
  d.t3 = read_bits8(5, 6, b);
  d.t2 = read_bits8(11, 5, b);
}

void decode_power_command(PowerCommand& d, const BitBuffer& b) {
  d.fpc = read_bits8(2, 1, b);
  d.power_level = read_bits8(3, 5, b);
}

void decode_power_command_access_type(PowerCommandAccessType& d, const BitBuffer& b) {
  d.atc = read_bits8(0, 1, b);
  d.fpc = read_bits8(2, 1, b);
  d.power_level = read_bits8(3, 5, b);
}

void decode_mobile_observed_time_difference(MobileObservedTimeDifference& d, const BitBuffer& b) {
  d.length = read_bits8(0, 8, b);
  d.value = read_bits32(8, 21, b);
}

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

void decode_time_difference(TimeDifference& d, const BitBuffer& b) {
  d.length = read_bits8(0, 8, b);
  d.value = read_bits8(8, 8, b);
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
  write_field_u8("TN", d.tn, out, 0);
  out.append("<H>\n");
  if (bare_h) {
    append_value_note(d.h, out, 0);
    out.append(hopping_text(d.h));
  } else {
    append_value_text(hopping_text(d.h), out, d.h, 1);
  }
  out.append("</H>\n");
  write_field_u8("TSC", d.tsc, out, 0);
  if (d.h == 1) {
    write_field_u8("MAIO", d.maio, out, 0);
    write_field_u8("HSN", d.hsn, out, 0);
  } else {
    write_field_u16("ARFCN", d.arfcn, out, 0);
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

int render_cell_description(const CellDescription& d, OutputText& out) {
  out.append("<Cell_Description>\n");
  write_field_u16("BCCH_ARFCN", d.bcch_arfcn, out, 0);
  write_field_u8("NCC", d.ncc, out, 0);
  write_field_u8("BCC", d.bcc, out, 0);
  out.append("</Cell_Description>\n");
  return 1;
}

int render_request_reference(const RequestReference& d, OutputText& out) {
  out.append("<Request_Reference>\n");
  write_field_u8("RA", d.ra, out, 0);
  write_field_u8("T1", d.t1, out, 0);
  write_field_u8("T2", d.t2, out, 0);
  write_field_u8("T3", d.t3, out, 0);
  out.append("</Request_Reference>\n");
  return 1;
}

int render_starting_time(const StartingTime& d, OutputText& out) {
  out.append("<StartingTime>\n");
  write_field_u8("T1", d.t1, out, 0);
  write_field_u8("T3", d.t3, out, 0);
  write_field_u8("T2", d.t2, out, 0);
  out.append("</StartingTime>\n");
  return 1;
}

int render_timing_advance(uint8_t value, OutputText& out) {
  out.append("<Timing_Advance>\n");
  write_field_u8("Timing_advance_value", value, out, 0);
  out.append("</Timing_Advance>\n");
  return 1;
}

int render_mobile_allocation(const MobileAllocation& d, OutputText& out) {
  out.append("<Mobile_Allocation>\n");
  write_field_u8("Length_of_mobile_allocation", d.length, out, 0);
  uint32_t n = 8u * d.length;
  if (n > MobileAllocation::kMaxBits) n = MobileAllocation::kMaxBits;
  for (uint32_t i = n; i >= 1; --i) {
    if (d.has(i)) write_field_int("MAC", static_cast<int32_t>(i), out, 0);
  }
  out.append("</Mobile_Allocation>\n");
  return 1;
}

int render_frequency_channel_sequence(const FrequencyChannelSequence& d, OutputText& out) {
  out.append("<Frequency_Channel_Sequence>\n");
  write_field_int("Lowest_ARFCN", d.lowest_arfcn, out, 0);
  for (uint32_t i = 1; i < std::size(d.inc_skip); ++i) write_field_int("inc_skip_of_ARFCN", d.inc_skip[i], out, 0);
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

namespace {

constexpr ValueText kPageModeTexts[] = {
    {0, "Normal//paging"},
    {1, "Extended paging"},
    {2, "Paging reorganization"},
    {3, "reserved"},
};
static_assert(well_formed(kPageModeTexts));

constexpr ValueText kPageModeImmediateTexts[] = {
    {0, "Normal_paging"},
    {1, "Extended paging"},
    {2, "Paging reorganization"},
    {3, "reserved"},
};
static_assert(well_formed(kPageModeImmediateTexts));

int render_page_mode_with(uint8_t value, std::span<const ValueText> table, OutputText& out) {
  out.append("<Page_Mode>\n");
  append_value_text(text_or(table, value, "reserved"), out, value, 1);
  out.append("</Page_Mode>\n");
  return 1;
}

}  // namespace

int render_page_mode(uint8_t value, OutputText& out) { return render_page_mode_with(value, kPageModeTexts, out); }

int render_page_mode_immediate(uint8_t value, OutputText& out) {
  return render_page_mode_with(value, kPageModeImmediateTexts, out);
}

namespace {

constexpr ValueText kRrCauseTexts[] = {
    {0, "Normal event"},
    {1, "Abnormal release,unspecified"},
    {2, "Abnormal release,channel unacceptable"},
    {3, "Abnormal release,timer expired"},
    {4, "Abnormal release,no activity on the radio path"},
    {5, "Preemptive release"},
    {6, "UTRAN configuration unknown"},
    {8, "Handover impossible,timing advance out of range"},
    {9, "Channel mode unacceptable"},
    {10, "Frequency not implemented"},
    {11, "Originator or talker leaving group call area"},
    {12, "Lower layer failure"},
    {65, "Call already cleared"},
    {95, "Semantically incorrect message"},
    {96, "Invalid mandatory information"},
    {97, "Message type non-existent or not implemented"},
    {98, "Message type not compatible with protocol state"},
    {100, "Conditional IE error"},
    {101, "No cell allocation available"},
    {111, "Protocol error unspecified"},
};
static_assert(well_formed(kRrCauseTexts));

}  // namespace

int render_rr_cause_value(uint8_t value, OutputText& out) {
  out.append("<RR_Cause_value>\n");
  append_value_text(text_or(kRrCauseTexts, value, "Normal event"), out, value, 1);
  out.append("</RR_Cause_value>\n");
  return 1;
}

int render_time_difference(const TimeDifference& d, OutputText& out) {
  out.append("<Time_Difference>\n");
  write_field_u8("Length_of_Time_Difference", d.length, out, 0);
  write_field_u8("Time_difference_value", d.value, out, 0);
  out.append("</Time_Difference>\n");
  return 1;
}

void render_fpc(uint8_t fpc, OutputText& out) { render_boolean_field(out, "FPC", fpc, "FPC not in use", "FPC in use"); }

void render_power_command(uint8_t fpc, uint8_t level, OutputText& out) {
  out.append("<Power_Command>\n");
  render_fpc(fpc, out);
  write_field_u8("POWER_LEVEL", level, out, 0);
  out.append("</Power_Command>\n");
}

void render_vgcs_target_mode(const VgcsTargetMode& v, OutputText& out) {
  out.append("<VGCS_target_mode_Indication>\n");
  write_field_u8("Length_of_VGCS_target_mode_Indic.", v.length, out, 0);
  out.append("<Target_mode>\n");
  const char* text = v.target_mode == 0   ? "dedicated mode"
                     : v.target_mode == 1 ? "group transmit mode"
                                          : "reserved_for_future_use.";
  append_value_text(text, out, v.target_mode, 1);
  out.append("</Target_mode>\n");
  render_group_cipher_key_number(v.key_number, out);
  out.append("</VGCS_target_mode_Indication>\n");
}

}  // namespace l3
