#include "rr/rest_octets/ia_rest_octets.h"

#include <iterator>

#include "core/output.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/packet_elements.h"
#include "rr/elements/value_elements.h"
#include "rr/rest_octets/fill_bits.h"

namespace l3 {

namespace {

uint8_t take8(BitCursor& c, uint32_t w) { return static_cast<uint8_t>(c.bits(w)); }

// { 0 | 1 < P0 4 > < BTS_PWR_CTRL_MODE 1 > < PR_MODE 1 > }
void decode_power(IaPowerControl& p, BitCursor& c, bool with_bts_mode) {
  p.present = c.bit();
  if (!p.present) return;
  p.p0 = take8(c, 4);
  if (with_bts_mode) p.bts_pwr_ctrl_mode = take8(c, 1);
  p.pr_mode = take8(c, 1);
}

// An L/H bit that is H, read only while bits remain: the end reads as L.
bool high_bit(BitCursor& c) { return !c.at_end() && rest_high_bit(c); }

// { null | L | H { 0 | 1 < PFI 7 > } }
template <class A>
void decode_pfi(A& a, BitCursor& c) {
  if (!high_bit(c) || !c.bit() || c.left() < 7) return;
  a.pfi_present = 1;
  a.pfi = take8(c, 7);
}

// Dynamic (USF) or fixed (bitmap) allocation, shared by both uplink forms.
template <class A>
void decode_allocation(A& a, BitCursor& c) {
  a.fixed = c.bit();
  if (!a.fixed) {
    a.usf = take8(c, 3);
    a.usf_granularity = take8(c, 1);
    decode_power(a.power, c, false);
  } else {
    a.bitmap_length = take8(c, 5);
    a.bitmap = c.bits(a.bitmap_length);
    decode_power(a.power, c, true);
  }
}

void decode_packet_uplink(IaPacketUplinkAssignment& u, BitCursor& c) {
  u.assignment = c.bit();
  if (!u.assignment) {
    u.alpha_present = c.bit();
    if (u.alpha_present) u.alpha = take8(c, 4);
    u.gamma = take8(c, 5);
    u.starting_time_present = c.bits(2) == 1;
    if (u.starting_time_present) u.starting_time = static_cast<uint16_t>(c.bits(16));
    // { L | H < P0 4 > < BTS_PWR_CTRL_MODE 1 > < PR_MODE 1 > }
    u.power.present = high_bit(c);
    if (u.power.present) {
      u.power.p0 = take8(c, 4);
      u.power.bts_pwr_ctrl_mode = take8(c, 1);
      u.power.pr_mode = take8(c, 1);
    }
    if (high_bit(c) && c.bit() && c.left() >= 5) {
      u.extended_ra_present = 1;
      u.extended_ra = take8(c, 5);
    }
    decode_pfi(u, c);
    return;
  }
  u.tfi = take8(c, 5);
  u.polling = take8(c, 1);
  decode_allocation(u, c);
  u.channel_coding_command = take8(c, 2);
  u.tlli_block_channel_coding = take8(c, 1);
  u.alpha_present = c.bit();
  if (u.alpha_present) u.alpha = take8(c, 4);
  u.gamma = take8(c, 5);
  u.tai_present = c.bit();
  if (u.tai_present) u.tai = take8(c, 4);
  u.starting_time_present = c.bit();
  if (u.starting_time_present) u.starting_time = static_cast<uint16_t>(c.bits(16));
  // { L | H { 0 | 1 < Extended RA 5 > } }, only when bits remain
  if (high_bit(c) && c.bit() && c.left() >= 5) {
    u.extended_ra_present = 1;
    u.extended_ra = take8(c, 5);
  }
  decode_pfi(u, c);
}

void decode_packet_downlink(IaPacketDownlinkAssignment& d, BitCursor& c) {
  d.tlli = c.bits(32);
  d.tfi_present = c.bit();
  if (d.tfi_present) {
    d.tfi = take8(c, 5);
    d.rlc_mode = take8(c, 1);
    d.alpha_present = c.bit();
    if (d.alpha_present) d.alpha = take8(c, 4);
    d.gamma = take8(c, 5);
    d.polling = take8(c, 1);
    d.ta_valid = take8(c, 1);
  }
  d.tai_present = c.bit();
  if (d.tai_present) d.tai = take8(c, 4);
  d.starting_time_present = c.bit();
  if (d.starting_time_present) d.starting_time = static_cast<uint16_t>(c.bits(16));
  decode_power(d.power, c, true);
  // { L | H < EGPRS window size > ... }, only when bits remain
  if (!c.at_end() && rest_high_bit(c)) {
    d.egprs_present = 1;
    d.egprs_window_size = take8(c, 5);
    d.link_quality_measurement_mode = take8(c, 2);
    d.bep_period2_present = c.bit();
    if (d.bep_period2_present) d.bep_period2 = take8(c, 4);
  }
  decode_pfi(d, c);
  // { null | L | H { 0 | 1 < NPM Transfer Time 5 > }
  //   { 0 { 0 | 1 < EVENT_BASED_FANR 1 > } | 1 < EVENT_BASED_FANR 1 > < PDCH_PAIR_INDICATION 3 > }
  //   (0: a BTTI TBF, 1: an RTTI TBF on PDCH pairs)
  //   < Downlink EGPRS Level 2 > }
  // Shown only when the whole group lies inside the rest octets.
  if (!high_bit(c)) return;
  const uint32_t start = c.pos;
  const uint8_t npm_present = take8(c, 1);
  const uint8_t npm = npm_present ? take8(c, 5) : 0;
  const uint8_t tti_mode = take8(c, 1);
  uint8_t fanr_present = 1, fanr = 0, pair = 0;
  if (tti_mode == 1) {
    fanr = take8(c, 1);
    pair = take8(c, 3);
  } else {
    fanr_present = take8(c, 1);
    if (fanr_present) fanr = take8(c, 1);
  }
  const uint8_t level = take8(c, 2);
  if (c.pos > c.buf.count) {
    c.pos = start;
    return;
  }
  d.rel7_present = 1;
  d.npm_present = npm_present;
  d.npm_transfer_time = npm;
  d.tti_mode = tti_mode;
  d.event_based_fanr_present = fanr_present;
  d.event_based_fanr = fanr;
  d.pdch_pair_indication = pair;
  d.egprs_level = level;
}

// { null | L | H < Implicit Reject CS 1 > < Implicit Reject PS 1 > }
// { null | L | H < PEO_BCCH_CHANGE_MARK 2 > < RCC 3 > }
void decode_late_additions(IaRestOctets& r, BitCursor& c) {
  if (c.left() >= 3 && high_bit(c)) {
    r.implicit_reject_present = 1;
    r.implicit_reject_cs = take8(c, 1);
    r.implicit_reject_ps = take8(c, 1);
  }
  if (c.left() >= 6 && high_bit(c)) {
    r.peo_present = 1;
    r.peo_bcch_change_mark = take8(c, 2);
    r.rcc = take8(c, 3);
  }
}

void decode_egprs_uplink(EgprsPacketUplinkAssignment& e, BitCursor& c) {
  e.extended_ra = take8(c, 5);
  // { 0 | 1 < Access Technologies Request > }: a type, then { 0 | 1 < next > }
  if (c.bit()) {
    do {
      uint8_t t = take8(c, 4);
      if (e.access_tech_count < std::size(e.access_tech)) e.access_tech[e.access_tech_count++] = t;
    } while (c.bit() && !c.at_end());
  }
  e.assignment = c.bit();
  if (e.assignment) {
    e.tfi = take8(c, 5);
    e.polling = take8(c, 1);
    decode_allocation(e, c);
    e.egprs_channel_coding_command = take8(c, 4);
    e.tlli_block_channel_coding = take8(c, 1);
    e.bep_period2_present = c.bit();
    if (e.bep_period2_present) e.bep_period2 = take8(c, 4);
    e.resegment = take8(c, 1);
    e.egprs_window_size = take8(c, 5);
    e.alpha_present = c.bit();
    if (e.alpha_present) e.alpha = take8(c, 4);
    e.gamma = take8(c, 5);
    e.tai_present = c.bit();
    if (e.tai_present) e.tai = take8(c, 4);
    e.starting_time_present = c.bit();
    if (e.starting_time_present) e.starting_time = static_cast<uint16_t>(c.bits(16));
  } else {
    e.alpha_present = c.bit();
    if (e.alpha_present) e.alpha = take8(c, 4);
    e.gamma = take8(c, 5);
    e.starting_time_present = 1;
    e.starting_time = static_cast<uint16_t>(c.bits(16));
    e.radio_blocks = take8(c, 2);
    decode_power(e.power, c, true);
  }
}

void decode_frequency_parameters(IaFrequencyParameters& f, BitCursor& c) {
  f.length = take8(c, 6);
  if (f.length == 0) return;
  c.skip(2);
  f.maio = take8(c, 6);
  // The mobile allocation fills the rest of the announced octets.
  uint32_t octets = f.length - 1u;
  const uint32_t held = c.pos < c.buf.count ? (c.buf.count - c.pos) / 8 : 0;
  if (octets > held) octets = held;
  decode_mobile_allocation_bits(f.ma, c.buf, c.pos, static_cast<uint8_t>(octets));
  c.skip(8 * octets);
}

void render_power(const IaPowerControl& p, bool with_bts_mode, OutputText& out) {
  if (!p.present) return;
  render_rr_p0(p.p0, out);
  if (with_bts_mode) write_field_u8(L3_TAG("BTS_PWR_CTRL_MODE"), p.bts_pwr_ctrl_mode, out, 0);
  write_field_u8(L3_TAG("PR_MODE"), p.pr_mode, out, 0);
}

template <class A>
void render_allocation(const A& a, OutputText& out) {
  if (!a.fixed) {
    append_tag_text(out, L3_TAG_TEXT("<Dynamic_Allocation>\n"));
    write_field_u8(L3_TAG("USF"), a.usf, out, 0);
    write_field_u8(L3_TAG("USF_GRANULARITY"), a.usf_granularity, out, 0);
    render_power(a.power, false, out);
    append_tag_text(out, L3_TAG_TEXT("</Dynamic_Allocation>\n"));
  } else {
    append_tag_text(out, L3_TAG_TEXT("<Fixed_Allocation>\n"));
    write_field_u8(L3_TAG("ALLOCATION_BITMAP_LENGTH"), a.bitmap_length, out, 0);
    write_field_int(L3_TAG("ALLOCATION_BITMAP"), static_cast<int32_t>(a.bitmap), out, 1);
    render_power(a.power, true, out);
    append_tag_text(out, L3_TAG_TEXT("</Fixed_Allocation>\n"));
  }
}

template <class A>
void render_alpha_gamma(const A& a, OutputText& out) {
  if (a.alpha_present) render_alpha(a.alpha, out);
  write_field_u8(L3_TAG("GAMMA"), a.gamma, out, 0);
}

template <class A>
void render_tai_start(const A& a, OutputText& out) {
  if (a.tai_present) write_field_u8(L3_TAG("TIMING_ADVANCE_INDEX"), a.tai, out, 0);
  if (a.starting_time_present) write_field_u16(L3_TAG("TBF_STARTING_TIME"), a.starting_time, out, 0);
}

void render_packet_uplink(const IaPacketUplinkAssignment& u, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<IA_Packet_Uplink_Assignment>\n"));
  if (!u.assignment) {
    append_tag_text(out, L3_TAG_TEXT("<Single_Block_Allocation>\n"));
    render_alpha_gamma(u, out);
    if (u.starting_time_present) write_field_u16(L3_TAG("TBF_STARTING_TIME"), u.starting_time, out, 0);
    render_power(u.power, true, out);
    if (u.extended_ra_present) write_field_u8(L3_TAG("Extended_RA"), u.extended_ra, out, 0);
    if (u.pfi_present) write_field_u8(L3_TAG("PFI"), u.pfi, out, 0);
    append_tag_text(out, L3_TAG_TEXT("</Single_Block_Allocation>\n"));
  } else {
    write_field_u8(L3_TAG("TFI_ASSIGNMENT"), u.tfi, out, 0);
    write_field_u8(L3_TAG("POLLING"), u.polling, out, 0);
    render_allocation(u, out);
    render_rr_channel_coding_command(u.channel_coding_command, out);
    write_field_u8(L3_TAG("TLLI_BLOCK_CHANNEL_CODING"), u.tlli_block_channel_coding, out, 0);
    render_alpha_gamma(u, out);
    render_tai_start(u, out);
    if (u.extended_ra_present) write_field_u8(L3_TAG("Extended_RA"), u.extended_ra, out, 0);
    if (u.pfi_present) write_field_u8(L3_TAG("PFI"), u.pfi, out, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</IA_Packet_Uplink_Assignment>\n"));
}

void render_packet_downlink(const IaPacketDownlinkAssignment& d, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<IA_Packet_Downlink_Assignment>\n"));
  render_rr_tlli(d.tlli, out);
  if (d.tfi_present) {
    write_field_u8(L3_TAG("TFI_ASSIGNMENT"), d.tfi, out, 0);
    write_field_u8(L3_TAG("RLC_MODE"), d.rlc_mode, out, 0);
    render_alpha_gamma(d, out);
    write_field_u8(L3_TAG("POLLING"), d.polling, out, 0);
    write_field_u8(L3_TAG("TA_VALID"), d.ta_valid, out, 0);
  }
  render_tai_start(d, out);
  render_power(d.power, true, out);
  if (d.egprs_present) {
    render_rr_egprs_window_size(d.egprs_window_size, out);
    write_field_u8(L3_TAG("LINK_QUALITY_MEASUREMENT_MODE"), d.link_quality_measurement_mode, out, 0);
    if (d.bep_period2_present) write_field_u8(L3_TAG("BEP_PERIOD2"), d.bep_period2, out, 0);
  }
  if (d.pfi_present) write_field_u8(L3_TAG("PFI"), d.pfi, out, 0);
  if (d.rel7_present) {
    if (d.npm_present) write_field_u8(L3_TAG("NPM_Transfer_Time"), d.npm_transfer_time, out, 0);
    render_flag(out, L3_FLAG("<TTI_MODE>\n", "</TTI_MODE>\n", "downlink BTTI TBF", "downlink RTTI TBF"), d.tti_mode);
    if (d.event_based_fanr_present) write_field_u8(L3_TAG("EVENT_BASED_FANR"), d.event_based_fanr, out, 0);
    if (d.tti_mode == 1) write_field_u8(L3_TAG("PDCH_PAIR_INDICATION"), d.pdch_pair_indication, out, 0);
    write_field_u8(L3_TAG("Downlink_EGPRS_Level"), d.egprs_level, out, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</IA_Packet_Downlink_Assignment>\n"));
}

constexpr ValueText kAccessTechnologyTexts[] = {
    {0, "GSMP"}, {1, "GSME"}, {2, "GSMR"}, {3, "GSM1800"}, {4, "GSM1900"},
};
static_assert(well_formed(kAccessTechnologyTexts));

void render_egprs_uplink(const EgprsPacketUplinkAssignment& e, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<EGPRS_Packet_Uplink_Assignment>\n"));
  write_field_u8(L3_TAG("Extended_RA"), e.extended_ra, out, 0);
  if (e.access_tech_count > 0) {
    append_tag_text(out, L3_TAG_TEXT("<Access_Technologies_Request>\n"));
    for (uint32_t i = 0; i < e.access_tech_count && i < std::size(e.access_tech); ++i) {
      render_value_block(out, L3_TAG("Access_Technology_Type"), e.access_tech[i], kAccessTechnologyTexts, "unknown");
    }
    append_tag_text(out, L3_TAG_TEXT("</Access_Technologies_Request>\n"));
  }
  if (e.assignment) {
    write_field_u8(L3_TAG("TFI_ASSIGNMENT"), e.tfi, out, 0);
    write_field_u8(L3_TAG("POLLING"), e.polling, out, 0);
    render_allocation(e, out);
    write_field_u8(L3_TAG("EGPRS_CHANNEL_CODING_COMMAND"), e.egprs_channel_coding_command, out, 0);
    write_field_u8(L3_TAG("TLLI_BLOCK_CHANNEL_CODING"), e.tlli_block_channel_coding, out, 0);
    if (e.bep_period2_present) write_field_u8(L3_TAG("BEP_PERIOD2"), e.bep_period2, out, 0);
    write_field_u8(L3_TAG("RESEGMENT"), e.resegment, out, 0);
    render_rr_egprs_window_size(e.egprs_window_size, out);
    render_alpha_gamma(e, out);
    render_tai_start(e, out);
  } else {
    append_tag_text(out, L3_TAG_TEXT("<Multi_Block_Allocation>\n"));
    render_alpha_gamma(e, out);
    write_field_u16(L3_TAG("TBF_STARTING_TIME"), e.starting_time, out, 0);
    write_field_u8(L3_TAG("NUMBER_OF_RADIO_BLOCKS_ALLOCATED"), e.radio_blocks, out, 0);
    render_power(e.power, true, out);
    append_tag_text(out, L3_TAG_TEXT("</Multi_Block_Allocation>\n"));
  }
  append_tag_text(out, L3_TAG_TEXT("</EGPRS_Packet_Uplink_Assignment>\n"));
}

void render_frequency_parameters(const IaFrequencyParameters& f, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Frequency_Parameters>\n"));
  write_field_u8(L3_TAG("Length_of_frequency_parameters"), f.length, out, 0);
  if (f.length != 0) {
    write_field_u8(L3_TAG("MAIO"), f.maio, out, 0);
    if (f.ma.length > 0) render_mobile_allocation(f.ma, out);
  }
  append_tag_text(out, L3_TAG_TEXT("</Frequency_Parameters>\n"));
}

// < Compressed_Inter_RAT_HO_INFO_IND L/H >
// { null | L | H < Implicit Reject PS 1 > < PEO_BCCH_CHANGE_MARK 2 > < RCC 3 > }
void decode_dedicated_additions(IaRestOctets& r, BitCursor& c) {
  r.compressed_ho_info = high_bit(c);
  if (c.left() >= 7 && high_bit(c)) {
    r.peo_present = 1;
    r.peo_implicit_reject_ps = take8(c, 1);
    r.peo_bcch_change_mark = take8(c, 2);
    r.rcc = take8(c, 3);
  }
}

}  // namespace

void decode_ia_rest_octets(IaRestOctets& r, const BitBuffer& b) {
  r.present = 1;
  BitCursor c(b);
  switch (c.bits(2)) {
    case 0:
      decode_dedicated_additions(r, c);
      break;
    case 1:
      if (c.bits(2) == 0) {
        r.kind = kIaRestEgprsUplink;
        decode_egprs_uplink(r.egprs, c);
      }
      break;
    case 2:
      r.kind = kIaRestFrequencyParameters;
      decode_frequency_parameters(r.frequency, c);
      decode_dedicated_additions(r, c);
      break;
    case 3:
      if (c.bit()) {
        r.kind = kIaRestSecondPart;
        // { L | H { 0 | 1 < Extended RA 5 > } }
        if (high_bit(c) && c.bit() && c.left() >= 5) {
          r.second_part_ra_present = 1;
          r.second_part_ra = take8(c, 5);
        }
      } else if (c.bit()) {
        r.kind = kIaRestDownlink;
        decode_packet_downlink(r.downlink, c);
      } else {
        r.kind = kIaRestUplink;
        decode_packet_uplink(r.uplink, c);
      }
      decode_late_additions(r, c);
      break;
    default:
      break;
  }
}

void render_ia_rest_octets(const IaRestOctets& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<IA_Rest_Octets>\n"));
  switch (r.kind) {
    case kIaRestEgprsUplink:
      render_egprs_uplink(r.egprs, out);
      break;
    case kIaRestFrequencyParameters:
      render_frequency_parameters(r.frequency, out);
      break;
    case kIaRestSecondPart:
      append_tag_text(out, L3_TAG_TEXT("<Second_Part_Packet_Assignment>\n"));
      if (r.second_part_ra_present) write_field_u8(L3_TAG("Extended_RA"), r.second_part_ra, out, 0);
      append_tag_text(out, L3_TAG_TEXT("</Second_Part_Packet_Assignment>\n"));
      break;
    case kIaRestDownlink:
      render_packet_downlink(r.downlink, out);
      break;
    case kIaRestUplink:
      render_packet_uplink(r.uplink, out);
      break;
    default:
      break;
  }
  if (r.implicit_reject_present) {
    write_field_u8(L3_TAG("Implicit_Reject_CS"), r.implicit_reject_cs, out, 0);
    write_field_u8(L3_TAG("Implicit_Reject_PS"), r.implicit_reject_ps, out, 0);
  }
  // Only H is shown: the filler reads as L.
  if (r.compressed_ho_info) write_field_u8(L3_TAG("Compressed_Inter_RAT_HO_INFO_IND"), 1, out, 0);
  if (r.peo_present) {
    if (r.kind == kIaRestNone || r.kind == kIaRestFrequencyParameters) {
      write_field_u8(L3_TAG("Implicit_Reject_PS"), r.peo_implicit_reject_ps, out, 0);
    }
    write_field_u8(L3_TAG("PEO_BCCH_CHANGE_MARK"), r.peo_bcch_change_mark, out, 0);
    write_field_u8(L3_TAG("RCC"), r.rcc, out, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</IA_Rest_Octets>\n"));
}

void decode_iar_rest_octets(IarRestOctets& r, const BitBuffer& b) {
  r.present = 1;
  BitCursor c(b);
  // { 0 | 1 < Extended RA 5 > } four times: plain bits, not L/H.
  for (uint32_t i = 0; i < 4; ++i) {
    r.extended_ra_present[i] = c.bit();
    if (r.extended_ra_present[i]) r.extended_ra[i] = take8(c, 5);
  }
}

void render_iar_rest_octets(const IarRestOctets& r, OutputText& out) {
  constexpr CText kOpen[] = {"<Extended_RA1>\n", "<Extended_RA2>\n", "<Extended_RA3>\n", "<Extended_RA4>\n"};
  constexpr CText kClose[] = {"</Extended_RA1>\n", "</Extended_RA2>\n", "</Extended_RA3>\n", "</Extended_RA4>\n"};
  constexpr CText kText[] = {
      "The Extended Random Access information related to the Request Reference 1",
      "The Extended Random Access information related to the Request Reference 2",
      "The Extended Random Access information related to the Request Reference 3",
      "The Extended Random Access information related to the Request Reference 4",
  };
  append_tag_text(out, L3_TAG_TEXT("<IA_Rest_Octets>\n"));
  for (uint32_t i = 0; i < 4; ++i) {
    if (!r.extended_ra_present[i]) continue;
    append_plain(out, kOpen[i]);
    out.append(kText[i]);
    write_field_u8(L3_TAG("Extended_RA"), r.extended_ra[i], out, 0);
    append_plain(out, kClose[i]);
  }
  append_tag_text(out, L3_TAG_TEXT("</IA_Rest_Octets>\n"));
}

}  // namespace l3
