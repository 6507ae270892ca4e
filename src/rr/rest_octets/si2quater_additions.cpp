#include "rr/rest_octets/si2quater_additions.h"

#include <iterator>

#include "core/output.h"
#include "rr/rest_octets/fill_bits.h"
#include "rr/rest_octets/rest_octet_parts.h"
#include "rr/rest_octets/si_rest_octets.h"

namespace l3 {

using namespace rr_parts;

void decode_reporting_threshold(ReportingThreshold& t, BitCursor& c) {
  t.present = c.bit();
  if (!t.present) return;
  t.offset = u8(c.bits(3));
  t.threshold = u8(c.bits(3));
}

namespace {

// { 1 < index : bit (width) > } ** 0
void decode_frequency_indexes(FrequencyIndexList& l, BitCursor& c, uint32_t width) {
  while (c.bit()) {
    uint8_t index = u8(c.bits(width));
    if (l.count < std::size(l.index)) l.index[l.count++] = index;
  }
}

void decode_pcid_group(PcidGroup& g, BitCursor& c) {
  while (c.bit()) {
    uint16_t pcid = u16(c.bits(9));
    if (g.pcid_count < std::size(g.pcid)) g.pcid[g.pcid_count++] = pcid;
  }
  if ((g.bitmap_group_present = c.bit())) g.bitmap_group = u8(c.bits(6));
  while (c.bit()) {
    uint8_t length = u8(c.bits(3));
    uint8_t pattern = u8(c.bits(length + 1u));
    uint8_t sense = u8(c.bits(1));
    if (g.pattern_count < std::size(g.patterns)) g.patterns[g.pattern_count++] = {length, pattern, sense};
  }
}

void decode_eutran_reporting(EutranReporting& r, BitCursor& c, uint32_t width) {
  if (!(r.present = c.bit())) return;
  r.value = u8(c.bits(width));
  if ((r.threshold_2_present = c.bit())) r.threshold_2 = u8(c.bits(6));
  if ((r.offset_present = c.bit())) r.offset = u8(c.bits(3));
}

// The GPRS form has neither the choice of report offsets nor the granularity;
// the granularity closes the report-offset branch only.
void decode_eutran_measurement(EutranMeasurementParameters& m, BitCursor& c, bool gprs) {
  m.qsearch = u8(c.bits(4));
  m.rep_quant = u8(c.bits(1));
  m.multirat_reporting = u8(c.bits(2));
  if (!gprs) m.report_offsets = u8(c.bits(1));
  const uint32_t width = m.report_offsets ? 6 : 3;
  decode_eutran_reporting(m.fdd, c, width);
  decode_eutran_reporting(m.tdd, c, width);
  if (!gprs && m.report_offsets) m.reporting_granularity = u8(c.bits(1));
}

void decode_eutran_parameters(EutranParameters& e, BitCursor& c) {
  e.ccn_active = u8(c.bits(1));
  e.start = u8(c.bits(1));
  e.stop = u8(c.bits(1));
  if ((e.measurement.present = c.bit())) decode_eutran_measurement(e.measurement.value, c, false);
  if ((e.gprs_measurement.present = c.bit())) decode_eutran_measurement(e.gprs_measurement.value, c, true);
  while (c.bit()) {
    EutranNeighbours n{};
    while (c.bit()) {
      uint16_t earfcn = u16(c.bits(16));
      uint8_t bw_present = c.bit();
      uint8_t bw = bw_present ? u8(c.bits(3)) : 0;
      if (n.earfcn_count < std::size(n.earfcns)) n.earfcns[n.earfcn_count++] = {earfcn, bw_present, bw};
    }
    if ((n.priority_present = c.bit())) n.priority = u8(c.bits(3));
    n.thresh_high = u8(c.bits(5));
    if ((n.thresh_low_present = c.bit())) n.thresh_low = u8(c.bits(5));
    if ((n.qrxlevmin_present = c.bit())) n.qrxlevmin = u8(c.bits(5));
    if (e.neighbour_count < std::size(e.neighbours)) e.neighbours[e.neighbour_count++] = n;
  }
  while (c.bit()) {
    NotAllowedCells n{};
    decode_pcid_group(n.cells, c);
    decode_frequency_indexes(n.frequencies, c, 3);
    if (e.not_allowed_count < std::size(e.not_allowed)) e.not_allowed[e.not_allowed_count++] = n;
  }
  while (c.bit()) {
    PcidToTaMapping m{};
    while (c.bit()) {
      PcidGroup g{};
      decode_pcid_group(g, c);
      if (m.group_count < std::size(m.groups)) m.groups[m.group_count++] = g;
    }
    decode_frequency_indexes(m.frequencies, c, 3);
    if (e.ta_mapping_count < std::size(e.ta_mapping)) e.ta_mapping[e.ta_mapping_count++] = m;
  }
}

void decode_utran_priority(UtranPriorityParameters& u, BitCursor& c) {
  u.start = u8(c.bits(1));
  u.stop = u8(c.bits(1));
  if ((u.default_present = c.bit())) {
    u.default_priority = u8(c.bits(3));
    u.default_thresh = u8(c.bits(5));
    u.default_qrxlevmin = u8(c.bits(5));
  }
  while (c.bit()) {
    UtranPriority p{};
    decode_frequency_indexes(p.frequencies, c, 5);
    if ((p.priority_present = c.bit())) p.priority = u8(c.bits(3));
    p.thresh_high = u8(c.bits(5));
    if ((p.thresh_low_present = c.bit())) p.thresh_low = u8(c.bits(5));
    if ((p.qrxlevmin_present = c.bit())) p.qrxlevmin = u8(c.bits(5));
    if (u.count < std::size(u.entries)) u.entries[u.count++] = p;
  }
}

}  // namespace

// { null | L | H < Rel-5 > { null | L | H < Rel-6 > { ... } } }: each release's
// fields sit behind an H; the fill (or the end of the block) reads as L.
void decode_si2quater_additions(Si2quaterAdditions& a, BitCursor& c) {
  if (!(a.rel5 = read_lh(c))) return;
  if ((a.fdd_additional_present = c.bit())) {
    a.fdd_qmin_offset = u8(c.bits(3));
    a.fdd_rscpmin = u8(c.bits(4));
  }
  if ((a.additional_2_present = c.bit()) && (a.fdd_threshold_2_present = c.bit())) {
    a.fdd_reporting_threshold_2 = u8(c.bits(6));
  }
  if (!(a.rel6 = read_lh(c))) return;
  a.ccn_active_3g = u8(c.bits(1));
  if (!(a.rel7 = read_lh(c))) return;
  decode_reporting_threshold(a.band700, c);
  decode_reporting_threshold(a.band810, c);
  if (!(a.rel8 = read_lh(c))) return;
  if ((a.priority.present = c.bit())) {
    PriorityEutranParameters& p = a.priority.value;
    if ((p.serving.present = c.bit())) {
      ServingCellPriority& s = p.serving.value;
      s.geran_priority = u8(c.bits(3));
      s.thresh_priority_search = u8(c.bits(4));
      s.thresh_gsm_low = u8(c.bits(4));
      s.h_prio = u8(c.bits(2));
      s.t_reselection = u8(c.bits(2));
    }
    if ((p.utran.present = c.bit())) decode_utran_priority(p.utran.value, c);
    if ((p.eutran.present = c.bit())) decode_eutran_parameters(p.eutran.value, c);
  }
  // The CSG descriptions and later releases are not walked.
  if ((a.csg_3g = c.bit())) return;
  a.csg_eutran = c.bit();
}

void render_reporting_threshold(const ReportingThreshold& t, const TagText& offset, const TagText& threshold,
                                OutputText& out) {
  if (!t.present) return;
  write_field_u8(offset, t.offset, out, 0);
  write_field_u8(threshold, t.threshold, out, 0);
}

namespace {

void render_frequency_indexes(const FrequencyIndexList& l, const TagText& name, OutputText& out) {
  for (uint32_t i = 0; i < l.count && i < std::size(l.index); ++i) write_field_u8(name, l.index[i], out, 0);
}

void render_pcid_group(const PcidGroup& g, OutputText& out) {
  for (uint32_t i = 0; i < g.pcid_count && i < std::size(g.pcid); ++i)
    write_field_u16(L3_TAG("PCID"), g.pcid[i], out, 0);
  if (g.bitmap_group_present) write_field_u8(L3_TAG("PCID_BITMAP_GROUP"), g.bitmap_group, out, 0);
  for (uint32_t i = 0; i < g.pattern_count && i < std::size(g.patterns); ++i) {
    write_field_u8(L3_TAG("PCID_Pattern_length"), g.patterns[i].length, out, 0);
    write_field_u8(L3_TAG("PCID_Pattern"), g.patterns[i].pattern, out, 0);
    write_field_u8(L3_TAG("PCID_pattern_sense"), g.patterns[i].sense, out, 0);
  }
}

void render_eutran_reporting(const EutranReporting& r, bool offsets, const char* mode, OutputText& out) {
  if (!r.present) return;
  char name[64] = "E_UTRAN_";
  const char* parts[] = {mode, offsets ? "_MEASUREMENT_REPORT_OFFSET" : "_REPORTING_THRESHOLD"};
  size_t n = 8;
  for (const char* part : parts) {
    for (const char* p = part; *p != '\0' && n + 1 < sizeof(name); ++p) name[n++] = *p;
  }
  name[n] = '\0';
  write_field_u8(name, r.value, out, 0);
  const bool fdd = mode[0] == 'F';
  if (r.threshold_2_present) {
    write_field_u8(fdd ? L3_TAG("E_UTRAN_FDD_REPORTING_THRESHOLD_2") : L3_TAG("E_UTRAN_TDD_REPORTING_THRESHOLD_2"),
                   r.threshold_2, out, 0);
  }
  if (r.offset_present) {
    write_field_u8(fdd ? L3_TAG("E_UTRAN_FDD_REPORTING_OFFSET") : L3_TAG("E_UTRAN_TDD_REPORTING_OFFSET"), r.offset, out,
                   0);
  }
}

void render_eutran_measurement(const EutranMeasurementParameters& m, bool gprs, OutputText& out) {
  append_tag_text(out, gprs ? "<GPRS_E_UTRAN_Measurement_Parameters_Description>\n"
                            : "<E_UTRAN_Measurement_Parameters_Description>\n");
  write_field_u8(gprs ? L3_TAG("Qsearch_P_E_UTRAN") : L3_TAG("Qsearch_C_E_UTRAN_Initial"), m.qsearch, out, 0);
  write_field_u8(L3_TAG("E_UTRAN_REP_QUANT"), m.rep_quant, out, 0);
  write_field_u8(L3_TAG("E_UTRAN_MULTIRAT_REPORTING"), m.multirat_reporting, out, 0);
  render_eutran_reporting(m.fdd, m.report_offsets != 0, "FDD", out);
  render_eutran_reporting(m.tdd, m.report_offsets != 0, "TDD", out);
  if (!gprs && m.report_offsets) write_field_u8(L3_TAG("REPORTING_GRANULARITY"), m.reporting_granularity, out, 0);
  append_tag_text(out, gprs ? "</GPRS_E_UTRAN_Measurement_Parameters_Description>\n"
                            : "</E_UTRAN_Measurement_Parameters_Description>\n");
}

void render_eutran_parameters(const EutranParameters& e, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<E_UTRAN_Parameters_Description>\n"));
  write_field_u8(L3_TAG("E_UTRAN_CCN_ACTIVE"), e.ccn_active, out, 0);
  write_field_u8(L3_TAG("E_UTRAN_Start"), e.start, out, 0);
  write_field_u8(L3_TAG("E_UTRAN_Stop"), e.stop, out, 0);
  if (e.measurement.present) render_eutran_measurement(e.measurement.value, false, out);
  if (e.gprs_measurement.present) render_eutran_measurement(e.gprs_measurement.value, true, out);
  for (uint32_t i = 0; i < e.neighbour_count && i < std::size(e.neighbours); ++i) {
    const EutranNeighbours& n = e.neighbours[i];
    append_tag_text(out, L3_TAG_TEXT("<Repeated_E_UTRAN_Neighbour_Cells>\n"));
    for (uint32_t k = 0; k < n.earfcn_count && k < std::size(n.earfcns); ++k) {
      write_field_u16(L3_TAG("EARFCN"), n.earfcns[k].earfcn, out, 0);
      if (n.earfcns[k].bandwidth_present)
        write_field_u8(L3_TAG("Measurement_Bandwidth"), n.earfcns[k].bandwidth, out, 0);
    }
    if (n.priority_present) write_field_u8(L3_TAG("E_UTRAN_PRIORITY"), n.priority, out, 0);
    write_field_u8(L3_TAG("THRESH_E_UTRAN_high"), n.thresh_high, out, 0);
    if (n.thresh_low_present) write_field_u8(L3_TAG("THRESH_E_UTRAN_low"), n.thresh_low, out, 0);
    if (n.qrxlevmin_present) write_field_u8(L3_TAG("E_UTRAN_QRXLEVMIN"), n.qrxlevmin, out, 0);
    append_tag_text(out, L3_TAG_TEXT("</Repeated_E_UTRAN_Neighbour_Cells>\n"));
  }
  for (uint32_t i = 0; i < e.not_allowed_count && i < std::size(e.not_allowed); ++i) {
    append_tag_text(out, L3_TAG_TEXT("<Repeated_E_UTRAN_Not_Allowed_Cells>\n"));
    render_pcid_group(e.not_allowed[i].cells, out);
    render_frequency_indexes(e.not_allowed[i].frequencies, L3_TAG("E_UTRAN_FREQUENCY_INDEX"), out);
    append_tag_text(out, L3_TAG_TEXT("</Repeated_E_UTRAN_Not_Allowed_Cells>\n"));
  }
  for (uint32_t i = 0; i < e.ta_mapping_count && i < std::size(e.ta_mapping); ++i) {
    const PcidToTaMapping& m = e.ta_mapping[i];
    append_tag_text(out, L3_TAG_TEXT("<Repeated_E_UTRAN_PCID_to_TA_mapping>\n"));
    for (uint32_t k = 0; k < m.group_count && k < std::size(m.groups); ++k) {
      append_tag_text(out, L3_TAG_TEXT("<PCID_to_TA_mapping>\n"));
      render_pcid_group(m.groups[k], out);
      append_tag_text(out, L3_TAG_TEXT("</PCID_to_TA_mapping>\n"));
    }
    render_frequency_indexes(m.frequencies, L3_TAG("E_UTRAN_FREQUENCY_INDEX"), out);
    append_tag_text(out, L3_TAG_TEXT("</Repeated_E_UTRAN_PCID_to_TA_mapping>\n"));
  }
  append_tag_text(out, L3_TAG_TEXT("</E_UTRAN_Parameters_Description>\n"));
}

void render_priority_eutran(const PriorityEutranParameters& p, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Priority_and_E_UTRAN_Parameters_Description>\n"));
  if (p.serving.present) {
    const ServingCellPriority& s = p.serving.value;
    append_tag_text(out, L3_TAG_TEXT("<Serving_Cell_Priority_Parameters_Description>\n"));
    write_field_u8(L3_TAG("GERAN_PRIORITY"), s.geran_priority, out, 0);
    write_field_u8(L3_TAG("THRESH_Priority_Search"), s.thresh_priority_search, out, 0);
    write_field_u8(L3_TAG("THRESH_GSM_low"), s.thresh_gsm_low, out, 0);
    write_field_u8(L3_TAG("H_PRIO"), s.h_prio, out, 0);
    write_field_u8(L3_TAG("T_Reselection"), s.t_reselection, out, 0);
    append_tag_text(out, L3_TAG_TEXT("</Serving_Cell_Priority_Parameters_Description>\n"));
  }
  if (p.utran.present) {
    const UtranPriorityParameters& u = p.utran.value;
    append_tag_text(out, L3_TAG_TEXT("<3G_Priority_Parameters_Description>\n"));
    write_field_u8(L3_TAG("UTRAN_Start"), u.start, out, 0);
    write_field_u8(L3_TAG("UTRAN_Stop"), u.stop, out, 0);
    if (u.default_present) {
      write_field_u8(L3_TAG("DEFAULT_UTRAN_PRIORITY"), u.default_priority, out, 0);
      write_field_u8(L3_TAG("DEFAULT_THRESH_UTRAN"), u.default_thresh, out, 0);
      write_field_u8(L3_TAG("DEFAULT_UTRAN_QRXLEVMIN"), u.default_qrxlevmin, out, 0);
    }
    for (uint32_t i = 0; i < u.count && i < std::size(u.entries); ++i) {
      const UtranPriority& e = u.entries[i];
      append_tag_text(out, L3_TAG_TEXT("<Repeated_UTRAN_Priority_Parameters>\n"));
      render_frequency_indexes(e.frequencies, L3_TAG("UTRAN_FREQUENCY_INDEX"), out);
      if (e.priority_present) write_field_u8(L3_TAG("UTRAN_PRIORITY"), e.priority, out, 0);
      write_field_u8(L3_TAG("THRESH_UTRAN_high"), e.thresh_high, out, 0);
      if (e.thresh_low_present) write_field_u8(L3_TAG("THRESH_UTRAN_low"), e.thresh_low, out, 0);
      if (e.qrxlevmin_present) write_field_u8(L3_TAG("UTRAN_QRXLEVMIN"), e.qrxlevmin, out, 0);
      append_tag_text(out, L3_TAG_TEXT("</Repeated_UTRAN_Priority_Parameters>\n"));
    }
    append_tag_text(out, L3_TAG_TEXT("</3G_Priority_Parameters_Description>\n"));
  }
  if (p.eutran.present) render_eutran_parameters(p.eutran.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Priority_and_E_UTRAN_Parameters_Description>\n"));
}

}  // namespace

void render_si2quater_additions(const Si2quaterAdditions& a, OutputText& out) {
  if (!a.rel5) return;
  if (a.fdd_additional_present) {
    append_tag_text(out, L3_TAG_TEXT("<3G_Additional_Measurement_Parameters_Description>\n"));
    write_field_u8(L3_TAG("FDD_Qmin_Offset"), a.fdd_qmin_offset, out, 0);
    write_field_u8(L3_TAG("FDD_RSCPmin"), a.fdd_rscpmin, out, 0);
    append_tag_text(out, L3_TAG_TEXT("</3G_Additional_Measurement_Parameters_Description>\n"));
  }
  if (a.additional_2_present) {
    append_tag_text(out, L3_TAG_TEXT("<3G_ADDITIONAL_MEASUREMENT_Parameters_Description_2>\n"));
    if (a.fdd_threshold_2_present)
      write_field_u8(L3_TAG("FDD_REPORTING_THRESHOLD_2"), a.fdd_reporting_threshold_2, out, 0);
    append_tag_text(out, L3_TAG_TEXT("</3G_ADDITIONAL_MEASUREMENT_Parameters_Description_2>\n"));
  }
  if (!a.rel6) return;
  write_field_u8(L3_TAG("3G_CCN_ACTIVE"), a.ccn_active_3g, out, 0);
  if (!a.rel7) return;
  render_reporting_threshold(a.band700, L3_TAG("700_REPORTING_OFFSET"), L3_TAG("700_REPORTING_THRESHOLD"), out);
  render_reporting_threshold(a.band810, L3_TAG("810_REPORTING_OFFSET"), L3_TAG("810_REPORTING_THRESHOLD"), out);
  if (!a.rel8) return;
  if (a.priority.present) render_priority_eutran(a.priority.value, out);
  if (a.csg_3g) {
    append_tag_text(out, L3_TAG_TEXT("<3G_CSG_Description>\n", "</3G_CSG_Description>\n"));
  }
  if (a.csg_eutran) {
    append_tag_text(out, L3_TAG_TEXT("<E_UTRAN_CSG_Description>\n", "</E_UTRAN_CSG_Description>\n"));
  }
}

}  // namespace l3
