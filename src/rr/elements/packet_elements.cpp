#include "rr/elements/packet_elements.h"

#include <iterator>

#include "core/output.h"
#include "rr/elements/element_parts.h"
#include "rr/elements/value_elements.h"
#include "rr/rest_octets/fill_bits.h"

namespace l3 {

using namespace rr_parts;

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
  append_tag_text(out, L3_TAG_TEXT("<CHANNEL_CODING_COMMAND>\n"));
  append_value_note(value, out, 0);
  out.append(text_or(kTexts, value, ""));
  append_tag_text(out, L3_TAG_TEXT("<CHANNEL_CODING_COMMAND>\n"));  // hosts expect the open tag repeated here
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
  append_tag_text(out, L3_TAG_TEXT("<Channel_Request_Description>\n"));
  render_flag(out, L3_FLAG("<MT_MO>\n", "</MT_MO>\n", "Mobile originated", "Mobile terminated"), d.mt_mo);
  render_value_block(out, L3_TAG("PRIORITY"), d.priority, kPriority, "");
  render_flag(out, L3_FLAG("<RLC_MODE>\n", "</RLC_MODE>\n", "RLC acknowledged mode", "RLC unacknowledged mode"),
              d.rlc_mode);
  render_flag(out,
              L3_FLAG("<LLC_FRAME_TYPE>\n", "</LLC_FRAME_TYPE>\n", "LLC frame is SACK or NACK",
                      "LLC frame is not SACK or NACK"),
              d.llc_frame_type);
  write_field_u16(L3_TAG("Requested_bandwidth"), d.requested_bandwidth, out, 0);
  write_field_u16(L3_TAG("RLC_Octet_Count"), d.rlc_octet_count, out, 0);
  append_tag_text(out, L3_TAG_TEXT("</Channel_Request_Description>\n"));
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
  append_tag_text(out, L3_TAG_TEXT("<Description_of_the_multislot_configuration>\n"));
  write_field_u8(L3_TAG("Length_of_the_multislot_allocation"), m.length, out, 0);
  write_field_u8(L3_TAG("DA"), m.da, out, 0);
  if (m.ua_present) write_field_u8(L3_TAG("UA"), m.ua, out, 0);
  for (uint32_t i = 0; i < m.set_count && i < std::size(m.channel_sets); ++i) {
    write_field_u8(L3_TAG("Channel_set"), m.channel_sets[i], out, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</Description_of_the_multislot_configuration>\n"));
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

void render_digits(const TagText& name, const uint8_t (&d)[3], bool third_may_be_f, OutputText& out) {
  out.append(name.open, name.open_len + 1);
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
  out.append(name.close, name.close_len);
}

}  // namespace

void render_rr_routing_area(const RrRoutingArea& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Routeing_Area_Identification>\n"));
  render_digits(L3_TAG("MCC"), r.mcc, false, out);
  render_digits(L3_TAG("MNC"), r.mnc, true, out);
  write_field_u16(L3_TAG("LAC"), r.lac, out, 0);
  write_field_u8(L3_TAG("RAC"), r.rac, out, 0);
  append_tag_text(out, L3_TAG_TEXT("</Routeing_Area_Identification>\n"));
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
  append_tag_text(out, L3_TAG_TEXT("<Packet_Timing_Advance>\n"));
  if (t.value_present) write_field_u8(L3_TAG("TIMING_ADVANCE_VALUE"), t.value, out, 0);
  if (t.index_present) {
    write_field_u8(L3_TAG("TIMING_ADVANCE_INDEX"), t.index, out, 0);
    write_field_u8(L3_TAG("TIMING_ADVANCE_TIMESLOT_NUMBER"), t.timeslot, out, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</Packet_Timing_Advance>\n"));
}

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

void render_uplink_timeslots(const RrPacketUplinkAssignment& a, OutputText& out) {
  constexpr const char* kUsf[] = {"USF_TN0", "USF_TN1", "USF_TN2", "USF_TN3",
                                  "USF_TN4", "USF_TN5", "USF_TN6", "USF_TN7"};
  constexpr const char* kGamma[] = {"GAMMA_TN0", "GAMMA_TN1", "GAMMA_TN2", "GAMMA_TN3",
                                    "GAMMA_TN4", "GAMMA_TN5", "GAMMA_TN6", "GAMMA_TN7"};
  const char* block = a.ts_power_control ? "Timeslot_Allocation_with_Power_Control_Parameters" : "Timeslot_Allocation";
  out.push('<');
  append_tag_text(out, block);
  out.append(">\n");
  if (a.ts_power_control) render_alpha(a.ts_alpha, out);
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
  append_tag_text(out, L3_TAG_TEXT("<RR_Packet_Uplink_Assignment>\n"));
  write_field_u8(L3_TAG("Length"), a.length, out, 0);
  render_rr_channel_coding_command(a.channel_coding_command, out);
  write_field_u8(L3_TAG("TLLI_BLOCK_CHANNEL_CODING"), a.tlli_block_channel_coding, out, 0);
  render_packet_timing_advance(a.timing_advance, out);
  render_value_block(out, L3_TAG("Allocation"), a.allocation, kAllocation);
  if (a.allocation == 1) {
    append_tag_text(out, L3_TAG_TEXT("<Dynamic_Allocation>\n"));
    write_field_u8(L3_TAG("Extended_Dynamic_Allocation"), a.extended_dynamic, out, 0);
    if (a.p0_present) {
      render_rr_p0(a.p0, out);
      write_field_u8(L3_TAG("PR_MODE"), a.pr_mode, out, 0);
    }
    write_field_u8(L3_TAG("USF_GRANULARITY"), a.usf_granularity, out, 0);
    if (a.tfi_present) write_field_u8(L3_TAG("UPLINK_TFI_ASSIGNMENT"), a.tfi, out, 0);
    if (a.blocks_granted_present) {
      append_plain(out, "<RLC_DATA_BLOCKS_GRANTED>\n");
      append_value_note(a.blocks_granted, out, 0);
      append_dec(out, a.blocks_granted);
      out.append(" RLC data blocks");
      append_plain(out, "<RLC_DATA_BLOCKS_GRANTED>\n");  // hosts expect the open tag repeated here
    }
    render_uplink_timeslots(a, out);
    append_tag_text(out, L3_TAG_TEXT("</Dynamic_Allocation>\n"));
  } else if (a.allocation == 2) {
    append_tag_text(out, L3_TAG_TEXT("<Single_Block_Allocation>\n"));
    write_field_u8(L3_TAG("TIMESLOT_NUMBER"), a.sb_timeslot, out, 0);
    if (a.sb_alpha_present) {
      render_alpha(a.sb_alpha, out);
      write_field_u8(L3_TAG("GAMMA_TN"), a.sb_gamma, out, 0);
    }
    if (a.sb_power_present) {
      render_rr_p0(a.sb_p0, out);
      write_field_u8(L3_TAG("BTS_PWR_CTRL_MODE"), a.sb_bts_pwr_ctrl_mode, out, 0);
      write_field_u8(L3_TAG("PR_MODE"), a.sb_pr_mode, out, 0);
    }
    append_tag_text(out, L3_TAG_TEXT("</Single_Block_Allocation>\n"));
  }
  if (a.egprs_present) {
    append_tag_text(out, L3_TAG_TEXT("<EGPRS_Parameters>\n"));
    render_rr_egprs_window_size(a.egprs_window_size, out);
    write_field_u8(L3_TAG("EGPRS_CHANNEL_CODING_COMMAND"), a.egprs_channel_coding_command, out, 0);
    if (a.bep_period2_present) write_field_u8(L3_TAG("BEP_PERIOD2"), a.bep_period2, out, 0);
    append_tag_text(out, L3_TAG_TEXT("</EGPRS_Parameters>\n"));
  }
  append_tag_text(out, L3_TAG_TEXT("</RR_Packet_Uplink_Assignment>\n"));
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
  append_tag_text(out, L3_TAG_TEXT("<Packet_Downlink_Assignment>\n"));
  write_field_u8(L3_TAG("Length"), a.length, out, 0);
  write_field_u8(L3_TAG("MAC_MODE"), a.mac_mode, out, 0);
  write_field_u8(L3_TAG("RLC_MODE"), a.rlc_mode, out, 0);
  write_field_u8(L3_TAG("TIMESLOT_ALLOCATION"), a.timeslot_allocation, out, 0);
  render_packet_timing_advance(a.timing_advance, out);
  if (a.p0_present) {
    render_rr_p0(a.p0, out);
    write_field_u8(L3_TAG("BTS_PWR_CTRL_MODE"), a.bts_pwr_ctrl_mode, out, 0);
    write_field_u8(L3_TAG("PR_MODE"), a.pr_mode, out, 0);
  }
  if (a.power_control_present) {
    append_tag_text(out, L3_TAG_TEXT("<Power_Control_Parameters>\n"));
    render_alpha(a.alpha, out);
    for (uint32_t i = 0; i < std::size(kGamma); ++i) {
      if (a.gamma_present[i]) write_field_u8(kGamma[i], a.gamma[i], out, 0);
    }
    append_tag_text(out, L3_TAG_TEXT("</Power_Control_Parameters>\n"));
  }
  if (a.tfi_present) write_field_u8(L3_TAG("DOWNLINK_TFI_ASSIGNMENT"), a.tfi, out, 0);
  if (a.measurement_present) {
    write_field_u16(L3_TAG("MEASUREMENT_STARTING_TIME"), a.measurement_starting_time, out, 0);
    write_field_u8(L3_TAG("MEASUREMENT_INTERVAL"), a.measurement_interval, out, 0);
    write_field_u8(L3_TAG("MEASUREMENT_BITMAP"), a.measurement_bitmap, out, 0);
  }
  if (a.egprs_present) {
    render_rr_egprs_window_size(a.egprs_window_size, out);
    write_field_u8(L3_TAG("LINK_QUALITY_MEASUREMENT_MODE"), a.link_quality_measurement_mode, out, 0);
    if (a.bep_period2_present) write_field_u8(L3_TAG("BEP_PERIOD2"), a.bep_period2, out, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</Packet_Downlink_Assignment>\n"));
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
  write_field_u8(L3_TAG("legth"), d.length, out, 0);
  render_rr_max_lapdm(d.max_lapdm, out);
  if (d.txpwr_present) write_field_u8(L3_TAG("GPRS_MS_TXPWR_MAX_CCH"), d.gprs_ms_txpwr_max_cch, out, 0);
  if (d.cell_identity_present) {
    append_tag_text(out, L3_TAG_TEXT("<Cell_Identity>\n"));
    write_field_u16(L3_TAG("Cell Identity"), d.cell_identity, out, 0);
    append_tag_text(out, L3_TAG_TEXT("</Cell_Identity>\n"));
  }
  if (d.mbms_present) {
    render_flag(out,
                L3_FLAG("<DEDICATED_MODE_MBMS_NOTIFICATION_SUPPORT>\n", "</DEDICATED_MODE_MBMS_NOTIFICATION_SUPPORT>\n",
                        "The cell does not support the Dedicated Mode MBMS Notification procedures",
                        "The cell supports the Dedicated Mode MBMS Notification procedures"),
                d.dedicated_mode_mbms_notification);
    render_flag(out,
                L3_FLAG("<MNCI_SUPPORT>\n", "</MNCI_SUPPORT>\n",
                        "The cell does not support the distribution of MBMS NEIGHBOURING CELL INFORMATION messages",
                        "The cell supports the distribution of MBMS NEIGHBOURING CELL INFORMATION messages"),
                d.mnci_support);
  }
  append_plain(out, "</DTM_Information_Rest_Octets>\n");
}

}  // namespace l3
