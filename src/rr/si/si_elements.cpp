#include "rr/si/si_elements.h"

#include <iterator>

#include "core/output.h"

namespace l3 {

void decode_cell_identity(uint16_t& id, const BitBuffer& b) { id = read_bits16(0, 16, b); }

void decode_rach_control(RachControl& r, const BitBuffer& b) {
  r.max_retrans = read_bits8(0, 2, b);
  r.tx_integer = read_bits8(2, 4, b);
  r.cell_bar_access = read_bits8(6, 1, b);
  r.re = read_bits8(7, 1, b);
  for (uint32_t k = 0; k < std::size(r.access_class); ++k) r.access_class[k] = read_bits8(8 + k, 1, b);
}

void decode_control_channel_description(ControlChannelDescription& c, const BitBuffer& b) {
  c.mscr = read_bits8(0, 1, b);
  c.att = read_bits8(1, 1, b);
  c.bs_ag_blks_res = read_bits8(2, 3, b);
  c.ccch_conf = read_bits8(5, 3, b);
  c.bs_pa_mfrms = read_bits8(13, 3, b);
  c.t3212 = read_bits8(16, 8, b);
}

void decode_cell_options_bcch(CellOptionsBcch& c, const BitBuffer& b) {
  c.dn_ind = read_bits8(0, 1, b);
  c.pwrc = read_bits8(1, 1, b);
  c.dtx = read_bits8(2, 2, b);
  c.radio_link_timeout = read_bits8(4, 4, b);
}

void decode_cell_options_sacch(CellOptionsSacch& c, const BitBuffer& b) {
  c.dtx = static_cast<uint8_t>(read_bits8(0, 1, b) << 2 | read_bits8(2, 2, b));
  c.pwrc = read_bits8(1, 1, b);
  c.radio_link_timeout = read_bits8(4, 4, b);
}

void decode_cell_selection_parameters(CellSelectionParameters& p, const BitBuffer& b) {
  p.cell_reselect_hysteresis = read_bits8(0, 3, b);
  p.ms_txpwr_max_cch = read_bits8(3, 5, b);
  p.acs = read_bits8(8, 1, b);
  p.neci = read_bits8(9, 1, b);
  p.rxlev_access_min = read_bits8(10, 6, b);
}

namespace {

constexpr const char* kTxIntegerHighTexts[] = {
    "slots used to spread transmission 14", "slots used to spread transmission 16",
    "slots used to spread transmission 20", "slots used to spread transmission 25",
    "slots used to spread transmission 32", "slots used to spread transmission 50",
};

constexpr ValueText kCcchConfTexts[] = {
    {0, "basic physical channel 1 used for CCCH not combined with SDCCHs"},
    {1, "basic physical channel 1 used for CCCH combined with SDCCHs"},
    {2, "basic physical channel 2 used for CCCH not combined with SDCCHs"},
    {4, "basic physical channel 3 used for CCCH not combined with SDCCHs"},
    {6, "basic physical channels 4 used for CCCH, not combined with SDCCHs"},
};
static_assert(well_formed(kCcchConfTexts));

constexpr ValueText kDtxBcchTexts[] = {
    {0, "The MSs may use uplink discontinuous transmission"},
    {1, "The MSs shall use uplink discontinuous transmission"},
    {2, "The MS shall not use uplink discontinuous transmission"},
};
static_assert(well_formed(kDtxBcchTexts));

constexpr ValueText kDtxSacchTexts[] = {
    {0, 1, "Use uplink discontinuous transmission on a TCH_F,Not use uplink discontinuous transmission on TCH_H"},
    {2, "Not use uplink discontinuous transmission on a TCH_F,Not use uplink discontinuous transmission on TCH_H"},
    {3, 5, "Use uplink discontinuous transmission on a TCH_F,Use uplink discontinuous transmission on TCH_H"},
    {6, "Not Use uplink discontinuous transmission on a TCH_F,Use uplink discontinuous transmission on TCH_H"},
    {7, "Use uplink discontinuous transmission on a TCH_F,Use uplink discontinuous transmission on TCH_H"},
};
static_assert(well_formed(kDtxSacchTexts));

void render_radio_link_timeout(uint8_t v, OutputText& out) {
  out.append("<RADIO_LINK_TIMEOUT>\n");
  append_value_note(v, out, 0);
  append_dec(out, 4 * v + 4);
  out.append("</RADIO_LINK_TIMEOUT>\n");
}

}  // namespace

int render_cell_identity(uint16_t id, OutputText& out) {
  out.append("<Cell_Identity>\n");
  write_field_u16(L3_TAG("Cell Identity"), id, out, 0);
  out.append("</Cell_Identity>\n");
  return 1;
}

int render_rach_control(const RachControl& r, OutputText& out) {
  out.append("<RACH_Control_Parameter>\n");
  write_field_u8(L3_TAG("Max retrans"), r.max_retrans, out, 0);
  out.append("<Tx_integer>\n");
  if (r.tx_integer <= 9) {
    append_value_note(r.tx_integer, out, 0);
    append_dec(out, r.tx_integer + 3);
    out.append("slots used to spread transmission");
  } else {
    append_value_text(kTxIntegerHighTexts[(r.tx_integer - 10) % std::size(kTxIntegerHighTexts)], out, r.tx_integer, 1);
  }
  out.append("</Tx_integer>\n");
  render_flag(out,
              L3_FLAG("<CELL_BARR_ACCESS>\n", "</CELL_BARR_ACCESS>\n", "The cell is not barred", "The cell is barred"),
              r.cell_bar_access);
  render_flag(out,
              L3_FLAG("<RE>\n", "</RE>\n", "Call Reestablishment allowed in the cell",
                      "Call Reestablishment not allowed in the cell"),
              r.re);
  render_flag(
      out,
      L3_FLAG("<EC>\n", "</EC>\n", "Emergency call allowed in the cell to all MSs",
              "Emergency call not allowed in the cell except for the MSs that belong to one of the classes between "
              "11 to 15"),
      r.access_class[5]);
  for (uint32_t k = 0; k < std::size(r.access_class); ++k) {
    if (r.access_class[k] != 0) write_field_int(L3_TAG("ACCN"), static_cast<int32_t>(15 - k), out, 0);
  }
  out.append("</RACH_Control_Parameter>\n");
  return 1;
}

int render_control_channel_description(const ControlChannelDescription& c, OutputText& out) {
  out.append("<Control_Channel_Description>\n");
  render_flag(out, L3_FLAG("<MSCR>\n", "</MSCR>\n", "MSC is Release 98 or older", "MSC is Release 99 onwards"), c.mscr);
  render_flag(
      out,
      L3_FLAG("<ATT>\n", "</ATT>\n", "MSs in the cell are not allowed to apply IMSI attach and detach procedure",
              "MSs in the cell shall apply IMSI attach and detach procedure"),
      c.att);
  write_field_u8(L3_TAG("BS_AG_BLKS_RES"), c.bs_ag_blks_res, out, 0);
  out.append("<CCCH_CONF>\n");
  append_value_text(text_or(kCcchConfTexts, c.ccch_conf, "reserved"), out, c.ccch_conf, 1);
  out.append("</CCCH_CONF>\n");
  out.append("<BS_PA_MFRMS>\n");
  append_value_note(c.bs_pa_mfrms, out, 0);
  append_dec(out, c.bs_pa_mfrms + 2);
  out.append("</BS_PA_MFRMS>\n");
  if (c.t3212 != 0) {
    write_field_u8(L3_TAG("T3212_time_out_value"), c.t3212, out, 0);
  } else {
    out.append("<T3212_time_out_value>\n");
    out.append("periodic updating shall not be used within the cell");
    out.append("</T3212_time_out_value>\n");
  }
  out.append("</Control_Channel_Description>\n");
  return 1;
}

int render_dtx(uint8_t dtx, OutputText& out) {
  out.append("<DTX>\n");
  if (const char* text = find_text(kDtxBcchTexts, dtx)) {
    append_value_text(text, out, dtx, 1);
  } else {
    write_field_int(L3_TAG("value"), dtx, out, 0);
  }
  out.append("</DTX>\n");
  return 1;
}

int render_cell_options_bcch(const CellOptionsBcch& c, OutputText& out) {
  out.append("<Cell_Options_BCCH>\n");
  render_flag(out,
              L3_FLAG("<DN_IND>\n", "</DN_IND>\n", "Dynamic ARFCN mapping is not used by the PLMN",
                      "Dynamic ARFCN mapping is used by the PLMN"),
              c.dn_ind);
  render_flag(out, L3_FLAG("<PWRC>\n", "</PWRC>\n", "PWRC is not set", "PWRC is set"), c.pwrc);
  render_dtx(c.dtx, out);
  render_radio_link_timeout(c.radio_link_timeout, out);
  out.append("</Cell_Options_BCCH>\n");
  return 1;
}

int render_cell_options_sacch(const CellOptionsSacch& c, OutputText& out) {
  out.append("<Cell_Options_SACCH>\n");
  render_flag(out, L3_FLAG("<PWRC>\n", "</PWRC>\n", "PWRC is not set", "PWRC is set"), c.pwrc);
  out.append("<DTX>\n");
  append_value_text(text_or(kDtxSacchTexts, c.dtx, ""), out, c.dtx, 1);
  out.append("</DTX>\n");
  render_radio_link_timeout(c.radio_link_timeout, out);
  out.append("</Cell_Options_SACCH>\n");
  return 1;
}

int render_cell_selection_parameters(const CellSelectionParameters& p, OutputText& out) {
  out.append("<Cell_Selection_Parameters>\n");
  out.append("<CELL_RESELECT_HYSTERESIS>\n");
  append_value_note(p.cell_reselect_hysteresis, out, 0);
  append_dec(out, 2 * p.cell_reselect_hysteresis);
  out.append("dB RXLEV hysteresis for LA reselection");
  out.append("</CELL_RESELECT_HYSTERESIS>\n");
  write_field_u8(L3_TAG("MS_TXPWR_MAX_CCH"), p.ms_txpwr_max_cch, out, 0);
  render_flag(out,
              L3_FLAG("<ACS>\n", "</ACS>\n", "System information type 16 and 17 are not broadcast on the BCCH",
                      "System information type 16 and 17 are broadcast on the BCCH"),
              p.acs);
  render_flag(out,
              L3_FLAG("<NECI>\n", "</NECI>\n", "New establishment causes are not supported",
                      "New establishment causes are supported"),
              p.neci);
  write_field_u8(L3_TAG("RXLEV-ACCESS-MIN"), p.rxlev_access_min, out, 0);
  out.append("</Cell_Selection_Parameters>\n");
  return 1;
}

int render_cell_reselect_offset(uint8_t v, OutputText& out) {
  out.append("<CELL_RESELECT_OFFSET_field>\n");
  append_value_note(v, out, 0);
  append_dec(out, 2 * v);
  out.append("dB Applies an offset to the C2 reselection criterion");
  out.append("</CELL_RESELECT_OFFSET_field>\n");
  return 1;
}

int render_temporary_offset(uint8_t v, OutputText& out) {
  out.append("<TEMPORARY_OFFSET>\n");
  if (v == 7) {
    append_value_text("infinity", out, v, 1);
  } else {
    append_value_note(v, out, 0);
    append_dec(out, 10 * v);
    out.append("dB Applies a negative offset to C2 for the duration of PENALTY_TIME");
  }
  out.append("</TEMPORARY_OFFSET>\n");
  return 1;
}

int render_penalty_time(uint8_t v, OutputText& out) {
  out.append("<PENALTY_TIME>\n");
  if (v == 31) {
    out.append("reserved");  // unlike TEMPORARY_OFFSET 7, without its note
  } else {
    append_value_note(v, out, 0);
    append_dec(out, 20 * v + 20);
    out.append("s Gives the duration for which the temporary offset is applied");
  }
  out.append("</PENALTY_TIME>\n");
  return 1;
}

namespace {

constexpr ValueText kT3192Texts[] = {
    {0, "time 500 msec"}, {1, "time 1000 msec"}, {2, "time 1500 msec"}, {3, "time 0 msec"},
    {4, "time 80 msec"},  {5, "time 120 msec"},  {6, "time 160 msec"},  {7, "time 200 msec"},
};
static_assert(well_formed(kT3192Texts));

constexpr ValueText kSiChangeFieldTexts[] = {
    {0, "Update of unspecified SI message or SI messages"},
    {1, "Update of SI1 message"},
    {2, "Update of SI2, SI2 bis or SI2 ter message or any instance of SI2quater messages"},
    {3, "Update of SI3, SI4, SI7, SI8, SI16 or SI17 message"},
    {4, "Update of SI9 message"},
    {5, "Update of SI18 or SI20 message"},
    {6, "Update of SI19 message"},
    {7, "Update of SI15 message"},
};
static_assert(well_formed(kSiChangeFieldTexts));

constexpr ValueText kPriorityAccessThrTexts[] = {
    {3, "packet access is allowed for priority level 1"},
    {4, "packet access is allowed for priority level 1 to 2"},
    {5, "packet access is allowed for priority level 1 to 3"},
    {6, "packet access is allowed for priority level 1 to 4"},
    {7, "packet access allowed"},
};
static_assert(well_formed(kPriorityAccessThrTexts));

constexpr ValueText kNetworkControlOrderTexts[] = {
    {0, "NC0_MS controlled cell re-selection, no measurement reporting"},
    {1, "NC1_MS controlled cell re-selection, MS sends measurement reports"},
    {2, "NC2_Network controlled cell re-selection, MS sends measurement reports"},
    {3, "Reserved for future use, interpreted as NC0 by mobile station"},
};
static_assert(well_formed(kNetworkControlOrderTexts));

}  // namespace

int render_prio_thr(uint8_t v, OutputText& out) {
  out.append("<PRIO_THR>\n");
  if (v == 7) {
    append_value_text("Big_Endless", out, v, 1);
  } else {
    append_value_note(v, out, 0);
    append_dec(out, 6 * v);
    out.append("dB The PRIO signal strength threshold is related to RXLEV_ACCESS_MIN");
  }
  out.append("</PRIO_THR>\n");
  return 1;
}

int render_lsa_offset(uint8_t v, OutputText& out) {
  out.append("<LSA_OFFSET>\n");
  append_value_note(v, out, 0);
  append_dec(out, v <= 2 ? 4 * v : v <= 5 ? 8 * v - 8 : 16 * v - 48);
  out.append("dB Applies an offset to be used for LSA cell reselection between cells with the same LSA priorities");
  out.append("</LSA_OFFSET>\n");
  return 1;
}

int render_t3192(uint8_t v, OutputText& out) {
  return render_value_block(out, L3_TAG("T3192"), v, kT3192Texts, nullptr);
}

int render_si_change_field(uint8_t v, OutputText& out) {
  return render_value_block(out, L3_TAG("SI_CHANGE_FIELD"), v, kSiChangeFieldTexts, nullptr);
}

int render_priority_access_thr(uint8_t v, OutputText& out) {
  return render_value_block(out, L3_TAG("PRIORITY_ACCESS_THR"), v, kPriorityAccessThrTexts,
                            "packet access is not allowed in the cell");
}

int render_network_control_order(uint8_t v, OutputText& out) {
  return render_value_block(out, L3_TAG("NETWORK_CONTROL_ORDER"), v, kNetworkControlOrderTexts, nullptr);
}

int render_nr_of_container_octets(uint8_t v, OutputText& out) {
  out.append("<NR_OF_CONTAINER_OCTETS>\n");
  if (v == 0) {
    append_value_text("There are no more NonGSM Messages", out, v, 1);
  } else if (v <= 18) {
    append_value_note(v, out, 0);
    out.append("CONTAINER_length_is ");
    append_dec(out, v);
    out.append("octets");
  } else if (v == 31) {
    append_value_text("in the next CONTAINER with the same Non GSM Protocol Discriminator value as the current one",
                      out, v, 1);
  } else {
    append_value_text("reserved", out, v, 1);
  }
  out.append("</NR_OF_CONTAINER_OCTETS>\n");
  return 1;
}

}  // namespace l3
