#include "rr/rest_octets/gprs_rest_octets.h"

#include <cmath>
#include <iterator>

#include "core/output.h"
#include "rr/elements/value_elements.h"
#include "rr/rest_octets/fill_bits.h"
#include "rr/rest_octets/rest_octet_parts.h"
#include "rr/rest_octets/si_rest_octets.h"
#include "rr/si/si_elements.h"

namespace l3 {

using namespace rr_parts;

uint32_t decode_gprs_mobile_allocation(GprsMobileAllocation& ma, const BitBuffer& b, uint32_t pos) {
  BitCursor c(b, pos);
  ma.hsn = u8(c.bits(6));
  // { 1 < RFL_NUMBER : bit (4) > } ** 0
  while (c.bit()) {
    uint8_t rfl = u8(c.bits(4));
    if (ma.rfl_count < std::size(ma.rfl)) ma.rfl[ma.rfl_count++] = rfl;
  }
  ma.index_list = c.bit();
  if (!ma.index_list) {
    ma.ma_length = u8(c.bits(6));
    for (uint32_t i = 1; i <= ma.ma_length + 1u && i < std::size(ma.ma_bitmap); ++i) ma.ma_bitmap[i] = c.bit();
  } else {
    while (c.bit()) {
      uint8_t index = u8(c.bits(6));
      if (ma.arfcn_index_count < std::size(ma.arfcn_index)) ma.arfcn_index[ma.arfcn_index_count++] = index;
    }
  }
  return c.pos;
}

uint32_t decode_gprs_cell_options(GprsCellOptions& o, const BitBuffer& b, uint32_t pos) {
  BitCursor c(b, pos);
  o.nmo = u8(c.bits(2));
  o.t3168 = u8(c.bits(3));
  o.t3192 = u8(c.bits(3));
  o.drx_timer_max = u8(c.bits(3));
  o.access_burst_type = u8(c.bits(1));
  o.control_ack_type = u8(c.bits(1));
  o.bs_cv_max = u8(c.bits(4));
  o.pan_present = c.bit();
  if (o.pan_present) {
    o.pan_dec = u8(c.bits(3));
    o.pan_inc = u8(c.bits(3));
    o.pan_max = u8(c.bits(3));
  }
  o.extension_present = c.bit();
  if (!o.extension_present) return c.pos;
  o.extension_length = u8(c.bits(6));
  // The extension's own bits bound its fields: an older network sends fewer.
  const uint32_t end = c.pos + o.extension_length + 1u;
  auto field = [&](uint32_t w) { return c.pos + w <= end ? u8(c.bits(w)) : u8(0); };
  o.egprs_present = field(1);
  if (o.egprs_present) {
    o.egprs_packet_channel_request = field(1);
    o.bep_period = field(4);
  }
  o.pfc_feature_mode = field(1);
  o.dtm_support = field(1);
  o.bss_paging_coordination = field(1);
  return end;
}

uint32_t decode_gprs_power_control(GprsPowerControl& p, const BitBuffer& b, uint32_t pos) {
  BitCursor c(b, pos);
  p.alpha = u8(c.bits(4));
  p.t_avg_w = u8(c.bits(5));
  p.t_avg_t = u8(c.bits(5));
  p.pc_meas_chan = u8(c.bits(1));
  p.n_avg_i = u8(c.bits(4));
  return c.pos;
}

uint32_t decode_pbcch_description(PbcchDescription& d, const BitBuffer& b, uint32_t pos) {
  BitCursor c(b, pos);
  d.pb = u8(c.bits(4));
  d.tsc = u8(c.bits(3));
  d.tn = u8(c.bits(3));
  // { 00 | 01 < ARFCN : bit (10) > | 1 < MAIO : bit (6) > }; 00: the BCCH carrier
  if (c.bit()) {
    d.maio_present = 1;
    d.maio = u8(c.bits(6));
  } else if (c.bit()) {
    d.arfcn_present = 1;
    d.arfcn = u16(c.bits(10));
  }
  return c.pos;
}

uint32_t decode_si13_rest_octets(Si13RestOctets& ro, const BitBuffer& b) {
  BitCursor c(b);
  if (!read_lh(c)) return c.pos;  // nothing but the empty marker
  ro.present = 1;
  ro.bcch_change_mark = u8(c.bits(3));
  ro.si_change_field = u8(c.bits(4));
  ro.ma_present = c.bit();
  if (ro.ma_present) {
    ro.si13_change_mark = u8(c.bits(2));
    c.pos = decode_gprs_mobile_allocation(ro.ma, b, c.pos);
  }
  ro.pbcch_present = c.bit();
  if (!ro.pbcch_present) {
    ro.rac = u8(c.bits(8));
    ro.spgc_ccch_sup = u8(c.bits(1));
    ro.priority_access_thr = u8(c.bits(3));
    ro.network_control_order = u8(c.bits(2));
    c.pos = decode_gprs_cell_options(ro.cell_options, b, c.pos);
    c.pos = decode_gprs_power_control(ro.power_control, b, c.pos);
  } else {
    ro.psi1_repeat_period = u8(c.bits(4));
    c.pos = decode_pbcch_description(ro.pbcch, b, c.pos);
  }
  // The Release 4 group nests inside the Release 99 one.
  ro.sgsnr_present = read_lh(c);
  if (!ro.sgsnr_present) return c.pos;
  ro.sgsnr = u8(c.bits(1));
  ro.si_status_ind_present = read_lh(c);
  if (ro.si_status_ind_present) ro.si_status_ind = u8(c.bits(1));
  return c.pos;
}

uint32_t decode_si2ter_rest_octets(Si2terRestOctets& ro, const BitBuffer& b) {
  BitCursor c(b);
  if (!read_lh(c)) return c.pos;
  ro.present = 1;
  ro.mp_change_mark = u8(c.bits(1));
  ro.change_mark_3g = u8(c.bits(1));
  ro.index = u8(c.bits(3));
  ro.count = u8(c.bits(3));
  ro.fdd_present = c.bit();
  if (ro.fdd_present) {
    if (c.bits(2) == 1) {
      ro.fdd_arfcn_present = 1;
      ro.fdd_arfcn = u16(c.bits(14));
    }
    ro.fdd_bandwidth_present = c.bit();
    if (ro.fdd_bandwidth_present) ro.fdd_bandwidth = u8(c.bits(3));
  }
  ro.tdd_present = c.bit();
  if (ro.tdd_present) {
    if (c.bits(2) == 1) {
      ro.tdd_arfcn_present = 1;
      ro.tdd_arfcn = u16(c.bits(14));
    }
    ro.tdd_bandwidth_present = c.bit();
    if (ro.tdd_bandwidth_present) ro.tdd_bandwidth = u8(c.bits(3));
  }
  ro.meas_present = c.bit();
  if (ro.meas_present) {
    ro.qsearch_i = u8(c.bits(4));
    ro.fdd_q_present = c.bit();
    if (ro.fdd_q_present) {
      ro.fdd_qoffset = u8(c.bits(4));
      ro.fdd_qmin = u8(c.bits(3));
    }
    ro.tdd_q_present = c.bit();
    if (ro.tdd_q_present) ro.tdd_qoffset = u8(c.bits(4));
  }
  return c.pos;
}

uint32_t decode_dynamic_arfcn_mapping(DynamicArfcnMapping& m, const BitBuffer& b, uint32_t pos) {
  BitCursor c(b, pos);
  // { 1 < GSM_Band : bit (4) > < ARFCN_FIRST : bit (10) > < BAND_OFFSET : bit (10) > < ARFCN_RANGE : bit (7) > } ** 0
  while (c.bit()) {
    DynamicArfcnEntry e{};
    e.gsm_band = u8(c.bits(4));
    e.arfcn_first = u16(c.bits(10));
    e.band_offset = u16(c.bits(10));
    e.arfcn_range = u8(c.bits(7));
    if (m.count < std::size(m.entries)) m.entries[m.count++] = e;
  }
  return c.pos;
}

uint32_t decode_si14_rest_octets(Si14RestOctets& ro, const BitBuffer& b) {
  ro.present = 1;
  ro.index = read_bits8(0, 2, b);
  ro.count = read_bits8(2, 2, b);
  ro.dm_change_mark = read_bits8(4, 4, b);
  return decode_dynamic_arfcn_mapping(ro.mapping, b, 8);
}

uint32_t decode_si16_rest_octets(Si16RestOctets& ro, const BitBuffer& b) {
  BitCursor c(b);
  ro.present = 1;
  ro.lsa_present = read_lh(c);
  if (!ro.lsa_present) return c.pos;
  ro.prio_thr = u8(c.bits(3));
  ro.lsa_offset = u8(c.bits(3));
  ro.mcc_mnc_present = c.bit();
  if (!ro.mcc_mnc_present) return c.pos;
  ro.mcc = u16(c.bits(12));
  ro.mnc = u16(c.bits(12));
  // { 1 { 1 < LSA_ID : bit (24) > | 0 < Short_LSA_ID : bit (10) > } } ** 0
  while (c.bit()) {
    uint8_t is_long = c.bit();
    uint32_t id = c.bits(is_long ? 24 : 10);
    if (ro.lsa_count < std::size(ro.lsa)) {
      ro.lsa[ro.lsa_count].is_long = is_long;
      ro.lsa[ro.lsa_count].id = id;
      ++ro.lsa_count;
    }
  }
  return c.pos;
}

uint32_t decode_si18_rest_octets(Si18RestOctets& ro, const BitBuffer& b) {
  ro.change_mark = read_bits8(0, 2, b);
  ro.index = read_bits8(2, 3, b);
  ro.last = read_bits8(5, 1, b);
  if (ro.last != 1 || ro.index != 0) return 6;  // only a message in a single instance is read
  ro.present = 1;
  BitCursor c(b, 8);
  // Entries of one container octet each, up to bit 160 and past it while
  // containers go on; a block cut short ends them at its end.
  uint8_t container = 0;
  do {
    NonGsmMessage e{};
    e.protocol_discriminator = u8(c.bits(3));
    e.nr_of_container_octets = u8(c.bits(5));
    e.container = u8(c.bits(8));
    container = e.container;
    if (ro.count < std::size(ro.entries)) ro.entries[ro.count++] = e;
  } while ((container != 0 || c.pos < 160) && c.pos < b.count);
  return c.pos;
}

namespace {

constexpr ValueText kNmoTexts[] = {
    {0, "Network Mode of Operation I"},
    {1, "Network Mode of Operation II"},
    {2, "Network Mode of Operation III"},
};
static_assert(well_formed(kNmoTexts));

}  // namespace

int render_gprs_cell_options(const GprsCellOptions& o, OutputText& out) {
  out.append("<GPRS_Cell_Options>\n");
  out.append("<NMO>\n");
  append_value_text(text_or(kNmoTexts, o.nmo, "Reserved."), out, o.nmo, 1);
  out.append("</NMO>\n");
  write_field_u8(L3_TAG("T3168"), o.t3168, out, 0);
  if (render_t3192(o.t3192, out) == 0) return 0;
  out.append("<DRX_TIMER_MAX>\n");
  append_value_note(o.drx_timer_max, out, 0);
  append_dec(out, o.drx_timer_max == 0 ? 0 : 1 << (o.drx_timer_max - 1));
  out.append("s");
  out.append("</DRX_TIMER_MAX>\n");
  render_flag(out,
              L3_FLAG("<ACCESS_BURST_TYPE>\n", "</ACCESS_BURST_TYPE>\n", "bit_8 format shall be used",
                      "bit_11 format shall be used"),
              o.access_burst_type);
  render_flag(out,
              L3_FLAG("<CONTROL_ACK_TYPE>\n", "</CONTROL_ACK_TYPE>\n", "default format is four access bursts",
                      "default format is RLC/MAC control block"),
              o.control_ack_type);
  write_field_u8(L3_TAG("BS_CV_MAX"), o.bs_cv_max, out, 0);
  if (o.pan_present) {
    write_field_u8(L3_TAG("PAN_DEC"), o.pan_dec, out, 0);
    write_field_u8(L3_TAG("PAN_INC"), o.pan_inc, out, 0);
    out.append("<PAN_MAX>\n");
    append_value_note(o.pan_max, out, 0);
    out.append("maximum value allowed for counter N3102 is");
    append_dec(out, 4 * o.pan_max + 4);
    out.append("</PAN_MAX>\n");
  }
  if (o.extension_present) {
    out.append("<Extension_Information>\n");
    write_field_u8(L3_TAG("Length"), o.extension_length, out, 0);
    // Both EGPRS fields exist only in a cell with EGPRS. 0 asks for the EGPRS
    // PACKET CHANNEL REQUEST, 1 for two phase access.
    if (o.egprs_present) {
      render_flag(
          out,
          L3_FLAG(
              "<EGPRS_PACKET_CHANNEL_REQUEST>\n", "</EGPRS_PACKET_CHANNEL_REQUEST>\n",
              "EGPRS capable MSs shall use EGPRS PACKET CHANNEL REQUEST message for uplink TBF establishment",
              "EGPRS capable MSs shall use two phase packet access with PACKET CHANNEL REQUEST message on the PRACH "
              "for uplink TBF establishment"),
          o.egprs_packet_channel_request);
      write_field_u8(L3_TAG("BEP_PERIOD"), o.bep_period, out, 0);
    }
    render_flag(out,
                L3_FLAG("<PFC_FEATURE_MODE>\n", "</PFC_FEATURE_MODE>\n",
                        "The network does not support packet flow context procedures",
                        "The network supports packet flow context procedures."),
                o.pfc_feature_mode);
    render_flag(out,
                L3_FLAG("<DTM_SUPPORT>\n", "</DTM_SUPPORT>\n", "The cell does not support DTM procedures.",
                        "The cell supports DTM procedures."),
                o.dtm_support);
    render_flag(out,
                L3_FLAG("<BSS_PAGING_COORDINATION>\n", "</BSS_PAGING_COORDINATION>\n",
                        "The cell does not support Circuit-Switched paging co-ordination",
                        "The cell supports Circuit-Switched paging co-ordination."),
                o.bss_paging_coordination);
    out.append("</Extension_Information>\n");
  }
  out.append("</GPRS_Cell_Options>\n");
  return 1;
}

int render_gprs_power_control(const GprsPowerControl& p, OutputText& out) {
  out.append("<GPRS_Power_Control>\n");
  render_alpha(p.alpha, out);
  write_field_u8(L3_TAG("T_AVG_W"), p.t_avg_w, out, 0);
  write_field_u8(L3_TAG("T_AVG_T"), p.t_avg_t, out, 0);
  write_field_u8(L3_TAG("N_AVG_I"), p.n_avg_i, out, 0);
  render_flag(
      out,
      L3_FLAG("<PC_MEAS_CHAN>\n", "</PC_MEAS_CHAN>\n", "downlink measurements for power control shall be made on BCCH",
              "downlink measurements for power control shall be made on PDCH"),
      p.pc_meas_chan);
  out.append("</GPRS_Power_Control>\n");
  return 1;
}

namespace {

void render_gprs_mobile_allocation(const GprsMobileAllocation& ma, OutputText& out) {
  out.append("<GPRS_Mobile_Allocation>\n");
  write_field_u8(L3_TAG("HSN"), ma.hsn, out, 0);
  if (ma.rfl_count != 0) {
    out.append("<RFL_number_list>\n");
    for (uint32_t i = 0; i < ma.rfl_count && i < std::size(ma.rfl); ++i)
      write_field_u8(L3_TAG("RFL_NUMBER"), ma.rfl[i], out, 0);
    out.append("</RFL_number_list>\n");
  }
  if (!ma.index_list) {
    out.append("<MA_BITMAP>\n");
    write_field_u8(L3_TAG("MA_LENGTH"), ma.ma_length, out, 0);
    out.append("<radio_frequency_channel>\n");
    for (uint32_t i = 1; i <= ma.ma_length + 1u && i < std::size(ma.ma_bitmap); ++i) {
      if (ma.ma_bitmap[i]) write_field_int(L3_TAG("ARFCN"), static_cast<int32_t>(i - 1), out, 0);
    }
    out.append("</radio_frequency_channel>\n");
    out.append("</MA_BITMAP>\n");
  } else if (ma.arfcn_index_count != 0) {
    out.append("<ARFCN index list>\n");
    for (uint32_t i = 0; i < ma.arfcn_index_count && i < std::size(ma.arfcn_index); ++i) {
      write_field_u8(L3_TAG("ARFCN_INDEX"), ma.arfcn_index[i], out, 0);
    }
    out.append("</ARFCN index list>\n");
  }
  out.append("</GPRS_Mobile_Allocation>\n");
}

}  // namespace

int render_si13_rest_octets(const Si13RestOctets& ro, OutputText& out) {
  if (!ro.present) return 1;
  out.append("<SI_13_Rest_Octets>\n");
  write_field_u8(L3_TAG("BCCH_CHANGE_MARK"), ro.bcch_change_mark, out, 0);
  if (render_si_change_field(ro.si_change_field, out) == 0) return 0;
  if (ro.ma_present) {
    write_field_u8(L3_TAG("SI13_CHANGE_MARK"), ro.si13_change_mark, out, 0);
    render_gprs_mobile_allocation(ro.ma, out);
  }
  if (!ro.pbcch_present) {
    write_field_u8(L3_TAG("RAC"), ro.rac, out, 0);
    render_flag(
        out,
        L3_FLAG("<SPGC_CCCH_SUP>\n", "</SPGC_CCCH_SUP>\n", "SPLIT_PG_CYCLE is not supported on CCCH in this cell",
                "SPLIT_PG_CYCLE is supported on CCCH in this cell"),
        ro.spgc_ccch_sup);
    render_priority_access_thr(ro.priority_access_thr, out);
    render_network_control_order(ro.network_control_order, out);
    if (render_gprs_cell_options(ro.cell_options, out) == 0) return 0;
    render_gprs_power_control(ro.power_control, out);
  } else {
    out.append("<PSI1_REPEAT_PERIOD>\n");
    append_value_note(ro.psi1_repeat_period, out, 0);
    out.append("PSI1 repeat period equal");
    append_dec(out, ro.psi1_repeat_period);
    out.append("multiframes");
    out.append("</PSI1_REPEAT_PERIOD>\n");
    out.append("<PBCCH_Description>\n");
    out.append("<Pb>\n");
    append_value_note(ro.pbcch.pb, out, 0);
    out.append("equal");
    append_dec(out, -2 * ro.pbcch.pb);
    out.append("dB");
    out.append("</Pb>\n");
    write_field_u8(L3_TAG("TSC"), ro.pbcch.tsc, out, 0);
    if (ro.pbcch.arfcn_present) {
      write_field_u16(L3_TAG("ARFCN"), ro.pbcch.arfcn, out, 0);
    } else if (ro.pbcch.maio_present) {
      write_field_u8(L3_TAG("MAIO"), ro.pbcch.maio, out, 0);
    }
    out.append("</PBCCH_Description>\n");
  }
  if (ro.sgsnr_present) {
    render_flag(out, L3_FLAG("<SGSNR>\n", "</SGSNR>\n", "SGSN is Release 98 or older", "SGSN is Release 99 onwards"),
                ro.sgsnr);
  }
  if (ro.si_status_ind_present) {
    render_flag(
        out,
        L3_FLAG("<SI_STATUS_IND>\n", "</SI_STATUS_IND>\n", "The network does not support the PACKET SI STATUS message",
                "The network supports the PACKET SI STATUS message"),
        ro.si_status_ind);
  }
  out.append("</SI_13_Rest_Octets>\n");
  return 1;
}

namespace {
constexpr ValueText kBandwidthTddTexts[] = {
    {0, "speed3.84Mcps"},
    {1, "speed1.28Mcps"},
};
static_assert(well_formed(kBandwidthTddTexts));
}  // namespace

int render_si2ter_rest_octets(const Si2terRestOctets& ro, OutputText& out) {
  if (!ro.present) return 1;
  out.append("<SI_2ter_Rest_Octets>\n");
  render_flag(out, L3_FLAG("<SI2ter_MP_CHANGE_MARK>\n", "</SI2ter_MP_CHANGE_MARK>\n", "no changed", "changed"),
              ro.mp_change_mark);
  render_flag(out, L3_FLAG("<SI2ter_3G_CHANGE_MARK>\n", "</SI2ter_3G_CHANGE_MARK>\n", "no changed", "changed"),
              ro.change_mark_3g);
  write_field_u8(L3_TAG("SI2ter_INDEX"), ro.index, out, 0);
  write_field_u8(L3_TAG("SI2ter_COUNT"), ro.count, out, 0);
  if (ro.fdd_present) {
    out.append("<UTRAN_FDD_Description>\n");
    if (ro.fdd_arfcn_present) write_field_u16(L3_TAG("FDD_ARFCN"), ro.fdd_arfcn, out, 0);
    if (ro.fdd_bandwidth_present) write_field_u8(L3_TAG("Bandwidth_FDD"), ro.fdd_bandwidth, out, 0);
    out.append("</UTRAN_FDD_Description>\n");
  }
  if (ro.tdd_present) {
    out.append("<UTRAN_TDD_Description>\n");
    if (ro.tdd_arfcn_present) write_field_u16(L3_TAG("TDD_ARFCN"), ro.tdd_arfcn, out, 0);
    if (ro.tdd_bandwidth_present) {
      out.append("<Bandwidth_TDD>\n");
      append_value_text(text_or(kBandwidthTddTexts, ro.tdd_bandwidth, "error"), out, ro.tdd_bandwidth, 1);
      out.append("</Bandwidth_TDD>\n");
    }
    out.append("</UTRAN_TDD_Description>\n");
  }
  if (ro.meas_present) {
    append_tag_text(out, L3_TAG_TEXT("<MEASUREMENT_Parameters_Description for 3G>\n"));
    write_field_u8(L3_TAG("Qsearch_I"), ro.qsearch_i, out, 0);
    if (ro.fdd_q_present) {
      write_field_u8(L3_TAG("FDD_Qoffset"), ro.fdd_qoffset, out, 0);
      write_field_u8(L3_TAG("FDD_Qmin"), ro.fdd_qmin, out, 0);
    }
    if (ro.tdd_q_present) write_field_u8(L3_TAG("TDD_Qoffset"), ro.tdd_qoffset, out, 0);
    append_tag_text(out, L3_TAG_TEXT("</MEASUREMENT_Parameters_Description for 3G>\n"));
  }
  out.append("</SI_2ter_Rest_Octets>\n");
  return 1;
}

int render_dynamic_arfcn_mapping(const DynamicArfcnMapping& m, OutputText& out) {
  out.append("<Dynamic_ARFCN_Mapping>\n");
  out.append("<DYNAMIC_ARFCN_MAPPING_Description>\n");
  for (uint32_t i = 0; i < m.count && i < std::size(m.entries); ++i) {
    write_field_u8(L3_TAG("GSM_Band"), m.entries[i].gsm_band, out, 0);
    write_field_u16(L3_TAG("ARFCN_FIRST"), m.entries[i].arfcn_first, out, 0);
    write_field_u16(L3_TAG("BAND_OFFSET"), m.entries[i].band_offset, out, 0);
    write_field_u8(L3_TAG("ARFCN_RANGE"), m.entries[i].arfcn_range, out, 0);
  }
  out.append("</DYNAMIC_ARFCN_MAPPING_Description>\n");
  out.append("</Dynamic_ARFCN_Mapping>\n");
  return 1;
}

int render_si14_rest_octets(const Si14RestOctets& ro, OutputText& out) {
  if (!ro.present) return 1;
  out.append("<SI_14_or_15_Rest_Octets>\n");
  write_field_u8(L3_TAG("SI14_or_15_INDEX"), ro.index, out, 0);
  write_field_u8(L3_TAG("SI14_or_15_COUNT"), ro.count, out, 0);
  write_field_u8(L3_TAG("DM_CHANGE_MARK"), ro.dm_change_mark, out, 0);
  render_dynamic_arfcn_mapping(ro.mapping, out);
  out.append("</SI_14_or_15_Rest_Octets>\n");
  return 1;
}

int render_si16_rest_octets(const Si16RestOctets& ro, OutputText& out) {
  if (!ro.present) return 1;
  out.append("<SI_16_or_17_Rest_Octets>\n");
  if (ro.lsa_present) {
    out.append("<LSA_Parameters>\n");
    render_prio_thr(ro.prio_thr, out);
    render_lsa_offset(ro.lsa_offset, out);
    if (ro.mcc_mnc_present) {
      write_field_u16(L3_TAG("MCC"), ro.mcc, out, 0);
      write_field_u16(L3_TAG("MNC"), ro.mnc, out, 0);
      for (uint32_t i = 0; i < ro.lsa_count && i < std::size(ro.lsa); ++i) {
        out.append("<LSA_ID_information>\n");
        if (ro.lsa[i].is_long) {
          write_field_int(L3_TAG("LSA_ID"), static_cast<int32_t>(ro.lsa[i].id), out, 0);
        } else {
          write_field_u16(L3_TAG("Short_LSA_ID"), ro.lsa[i].id, out, 0);
        }
        out.append("</LSA_ID_information>\n");
      }
    }
    out.append("</LSA_Parameters>\n");
  }
  out.append("</SI_16_or_17_Rest_Octets>\n");
  return 1;
}

int render_si18_rest_octets(const Si18RestOctets& ro, OutputText& out) {
  if (!ro.present) return 1;
  out.append("<SI_18_Rest_Octets>\n");
  write_field_u8(L3_TAG("SI18_CHANGE_MARK"), ro.change_mark, out, 0);
  write_field_u8(L3_TAG("SI18_INDEX"), ro.index, out, 0);
  write_field_u8(L3_TAG("SI18_LAST"), ro.last, out, 0);
  for (uint32_t i = 0; i < ro.count && i < std::size(ro.entries); ++i) {
    const NonGsmMessage& e = ro.entries[i];
    out.append("<Non_GSM_Message>\n");
    out.append("<Non_SM_Protocol_Discriminator>\n");
    append_value_text(e.protocol_discriminator == 0 ? "TIA_EIA_136" : "reserved", out, e.protocol_discriminator, 1);
    out.append("</Non_SM_Protocol_Discriminator>\n");
    render_nr_of_container_octets(e.nr_of_container_octets, out);
    write_field_u8(L3_TAG("CONTAINER"), e.container, out, 0);
    out.append("</Non_GSM_Message>\n");
  }
  out.append("</SI_18_Rest_Octets>\n");
  return 1;
}

}  // namespace l3
