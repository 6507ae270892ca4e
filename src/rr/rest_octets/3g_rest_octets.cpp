#include "rr/rest_octets/3g_rest_octets.h"

#include <iterator>

#include "rr/rest_octets/si_rest_octets.h"
#include "rr/si/si_elements.h"

namespace l3 {

namespace {

uint8_t u8(uint32_t v) { return static_cast<uint8_t>(v); }
uint16_t u16(uint32_t v) { return static_cast<uint16_t>(v); }

// x smod n: the residue of x in 1..n.
int32_t smod(int32_t x, int32_t n) { return ((x - 1) % n + n) % n + 1; }

// Bits of the range-coded cell information of n cells: p(n) for range 1024,
// q(n) for range 512; beyond the table the field is empty.
constexpr uint8_t kFddCellInfoBits[] = {0, 10, 19, 28, 36, 44, 52, 60, 67, 74, 81, 88, 95, 102, 109, 116, 122};
constexpr uint8_t kTddCellInfoBits[] = {0,  9,  17, 25, 32,  39,  46,  53,  59,  65, 71,
                                        77, 83, 89, 95, 101, 106, 111, 116, 121, 126};

// Width of W(k) in a range tree whose W(1) has `base` bits.
uint32_t w_width(uint32_t k, uint32_t base) {
  uint32_t width = base;
  for (uint32_t j = 2; j <= k; j *= 2) --width;
  return width;
}

void decode_reporting_threshold(ReportingThreshold& t, BitCursor& c) {
  t.present = c.bit();
  if (!t.present) return;
  t.offset = u8(c.bits(3));
  t.threshold = u8(c.bits(3));
}

// < RTDn Struct > { 0 < RTDn Struct > } ** 1, each struct { 0 < RTD > } ** 1
void decode_rtd_list(RtdList& l, BitCursor& c, uint32_t width) {
  l.present = 1;
  l.ba_index_start_present = c.bit();
  if (l.ba_index_start_present) l.ba_index_start = u8(c.bits(5));
  uint32_t structs = 0;
  do {
    while (!c.at_end() && !c.bit()) {
      uint16_t v = u16(c.bits(width));
      if (l.count < std::size(l.values)) l.values[l.count++] = {u8(structs), v};
    }
    ++structs;
  } while (!c.at_end() && !c.bit());
  l.struct_count = u8(structs);
}

void decode_utran_description(UtranDescription& d, BitCursor& c, bool fdd) {
  d.present = 1;
  d.bandwidth_present = c.bit();
  if (d.bandwidth_present) d.bandwidth = u8(c.bits(3));
  // { 1 < Repeated UTRAN Neighbour Cells > } ** 0
  while (c.bit()) {
    UtranNeighbours e{};
    c.skip(1);  // the 0 that introduces an ARFCN
    e.arfcn = u16(c.bits(14));
    e.indic0 = u8(c.bits(1));
    e.nr_of_cells = u8(c.bits(5));
    const uint8_t* table = fdd ? kFddCellInfoBits : kTddCellInfoBits;
    const uint32_t size = fdd ? std::size(kFddCellInfoBits) : std::size(kTddCellInfoBits);
    const uint32_t total = e.nr_of_cells < size ? table[e.nr_of_cells] : 0;
    const uint32_t end = c.pos + total;
    const uint32_t base = fdd ? 10 : 9;
    for (uint32_t k = 1; k < std::size(e.w) && c.pos < end; ++k) {
      uint32_t width = w_width(k, base);
      if (c.pos + width > end) break;
      e.w[k] = u16(c.bits(width));
      e.cell_count = u8(k);
    }
    c.pos = end;
    resolve_range_tree(e.w, e.cell, e.cell_count, fdd ? 1024 : 512);
    if (d.count < std::size(d.entries)) d.entries[d.count++] = e;
  }
}

}  // namespace

void resolve_range_tree(const uint16_t* w, uint16_t* f, uint32_t n, int32_t range) {
  for (uint32_t k = 1; k <= n; ++k) {
    if (w[k] == 0) continue;
    uint32_t index = k;
    int32_t j = 1;
    while (static_cast<uint32_t>(j * 2) <= index) j *= 2;
    int32_t value = w[k];
    while (index > 1) {
      if (2 * index < 3 * static_cast<uint32_t>(j)) {  // left child
        index -= static_cast<uint32_t>(j / 2);
        value = smod(value + w[index] - range / j, 2 * range / j - 1);
      } else {  // right child
        index -= static_cast<uint32_t>(j);
        value = smod(value + w[index], 2 * range / j - 1);
      }
      j /= 2;
    }
    f[k] = u16(value);
  }
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

}  // namespace

uint32_t decode_si2quater_rest_octets(Si2quaterRestOctets& ro, const BitBuffer& b) {
  BitCursor c(b);
  ro.present = 1;
  ro.ba_ind = u8(c.bits(1));
  ro.ba_ind_3g = u8(c.bits(1));
  ro.mp_change_mark = u8(c.bits(1));
  ro.index = u8(c.bits(4));
  ro.count = u8(c.bits(4));

  if ((ro.measurement.present = c.bit())) {
    Si2qMeasurementParameters& m = ro.measurement.value;
    m.report_type = u8(c.bits(1));
    m.serving_band_reporting = u8(c.bits(2));
  }
  if ((ro.rtd.present = c.bit())) {
    GprsRealTimeDifference& r = ro.rtd.value;
    if (c.bit()) decode_rtd_list(r.rtd6, c, 6);
    if (c.bit()) decode_rtd_list(r.rtd12, c, 12);
  }
  if ((ro.bsic.present = c.bit())) {
    GprsBsicDescription& d = ro.bsic.value;
    d.ba_index_start_present = c.bit();
    if (d.ba_index_start_present) d.ba_index_start = u8(c.bits(5));
    d.bsic = u8(c.bits(6));
    d.number_remaining = u8(c.bits(7));
    for (uint32_t i = 0; i < d.number_remaining && !c.at_end(); ++i) {
      uint8_t scrolling = u8(c.bits(1));
      uint8_t bsic = u8(c.bits(6));
      if (d.count < std::size(d.entries)) d.entries[d.count++] = {scrolling, bsic};
    }
  }
  if ((ro.report_priority.present = c.bit())) {
    ReportPriorityDescription& p = ro.report_priority.value;
    p.number_cells = u8(c.bits(7));
    for (uint32_t i = 0; i < p.number_cells && i < std::size(p.rep_priority); ++i) p.rep_priority[i] = u8(c.bits(1));
  }
  if ((ro.gprs_measurement.present = c.bit())) {
    GprsMeasurementParameters& g = ro.gprs_measurement.value;
    g.report_type = u8(c.bits(1));
    g.reporting_rate = u8(c.bits(1));
    g.invalid_bsic_reporting = u8(c.bits(1));
    if ((g.multiband_present = c.bit())) g.multiband_reporting = u8(c.bits(2));
    if ((g.serving_band_present = c.bit())) g.serving_band_reporting = u8(c.bits(2));
    g.scale_ord = u8(c.bits(2));
    for (ReportingThreshold& t : g.band) decode_reporting_threshold(t, c);
  }
  if ((ro.nc_measurement.present = c.bit())) {
    NcMeasurementParameters& n = ro.nc_measurement.value;
    n.network_control_order = u8(c.bits(2));
    if ((n.periods_present = c.bit())) {
      n.nc_non_drx_period = u8(c.bits(3));
      n.nc_reporting_period_i = u8(c.bits(3));
      n.nc_reporting_period_t = u8(c.bits(3));
    }
  }
  if ((ro.extension.present = c.bit())) {
    Si2qExtension& e = ro.extension.value;
    e.length = u8(c.bits(8));
    const uint32_t end = c.pos + e.length + 1u;
    if (c.pos < end && (e.ccn_present = c.bit())) {
      e.ccn_number_cells = u8(c.bits(7));
      for (uint32_t i = 0; i < e.ccn_number_cells && i < std::size(e.ccn_supported); ++i) {
        e.ccn_supported[i] = c.pos < end ? u8(c.bits(1)) : 0;
      }
    }
    c.pos = end;  // later releases add fields inside the extension
  }
  if ((ro.neighbours_3g.present = c.bit())) {
    Neighbour3gDescription& n = ro.neighbours_3g.value;
    if ((n.index_start_3g_present = c.bit())) n.index_start_3g = u8(c.bits(7));
    if ((n.absolute_index_start_emr_present = c.bit())) n.absolute_index_start_emr = u8(c.bits(7));
    if (c.bit()) decode_utran_description(n.fdd, c, true);
    if (c.bit()) decode_utran_description(n.tdd, c, false);
  }
  if ((ro.measurement_3g.present = c.bit())) {
    Measurement3gParameters& m = ro.measurement_3g.value;
    m.qsearch_i = u8(c.bits(4));
    m.qsearch_c_initial = u8(c.bits(1));
    if ((m.fdd_present = c.bit())) {
      m.fdd_qoffset = u8(c.bits(4));
      m.fdd_rep_quant = u8(c.bits(1));
      m.fdd_multirat_reporting = u8(c.bits(2));
      m.fdd_qmin = u8(c.bits(3));
    }
    if ((m.tdd_present = c.bit())) {
      m.tdd_qoffset = u8(c.bits(4));
      m.tdd_multirat_reporting = u8(c.bits(2));
    }
  }
  if ((ro.gprs_measurement_3g.present = c.bit())) {
    Gprs3gMeasurementParameters& g = ro.gprs_measurement_3g.value;
    g.qsearch_p = u8(c.bits(4));
    g.search_prio_3g = u8(c.bits(1));
    if ((g.fdd_quant_present = c.bit())) {
      g.fdd_rep_quant = u8(c.bits(1));
      g.fdd_multirat_reporting = u8(c.bits(2));
    }
    decode_reporting_threshold(g.fdd, c);
    if ((g.tdd_multirat_present = c.bit())) g.tdd_multirat_reporting = u8(c.bits(2));
    decode_reporting_threshold(g.tdd, c);
  }
  decode_si2quater_additions(ro.additions, c);
  return c.pos;
}

namespace {

void decode_compact_cell_selection(CompactCellSelection& s, BitCursor& c) {
  s.bsic = u8(c.bits(6));
  s.cell_bar_access_2 = u8(c.bits(1));
  s.exc_acc = u8(c.bits(1));
  s.same_ra_as_serving_cell = u8(c.bits(1));
  if ((s.rxlev_present = c.bit())) {
    s.gprs_rxlev_access_min = u8(c.bits(6));
    s.gprs_ms_txpwr_max_cch = u8(c.bits(5));
  }
  if ((s.temporary_present = c.bit())) {
    s.gprs_temporary_offset = u8(c.bits(3));
    s.gprs_penalty_time = u8(c.bits(5));
  }
  if ((s.reselect_present = c.bit())) s.gprs_reselect_offset = u8(c.bits(5));
  if ((s.hcs_present = c.bit())) {
    s.gprs_priority_class = u8(c.bits(3));
    s.gprs_hcs_thr = u8(c.bits(5));
  }
  if ((s.time_group_present = c.bit())) s.time_group = u8(c.bits(2));
  if ((s.guar_present = c.bit())) s.guar_constant_pwr_blks = u8(c.bits(2));
}

}  // namespace

uint32_t decode_si19_rest_octets(Si19RestOctets& ro, const BitBuffer& b) {
  ro.change_mark = read_bits8(0, 2, b);
  ro.index = read_bits8(2, 3, b);
  ro.last = read_bits8(5, 1, b);
  if (ro.index != 0 || ro.last != 1) return 6;  // only a message in a single instance is read
  ro.present = 1;
  BitCursor c(b, 6);
  // { 1 < COMPACT Neighbour Cell params > } ** 0
  while (c.bit()) {
    CompactNeighbourCell n{};
    n.start_frequency = u16(c.bits(10));
    decode_compact_cell_selection(n.first, c);
    n.nr_of_remaining_cells = u8(c.bits(4));
    n.freq_diff_length = u8(c.bits(3));
    for (uint32_t i = 0; i < n.nr_of_remaining_cells && i < std::size(n.cells); ++i) {
      n.cells[i].frequency_diff = u16(c.bits(1u + n.freq_diff_length));
      decode_compact_cell_selection(n.cells[i].params, c);
      n.count = u8(i + 1);
    }
    if (ro.count < std::size(ro.neighbours)) ro.neighbours[ro.count++] = n;
  }
  return c.pos;
}

namespace {

void render_reporting_threshold(const ReportingThreshold& t, const char* offset, const char* threshold,
                                OutputText& out) {
  if (!t.present) return;
  write_field_u8(offset, t.offset, out, 0);
  write_field_u8(threshold, t.threshold, out, 0);
}

int render_report_type(uint8_t v, OutputText& out) {
  out.append("<REPORT_TYPE>\n");
  append_value_text(v == 1 ? "Normal type the MS shall use" : "Enhanced type the MS shall use", out, v, 1);
  out.append("</REPORT_TYPE>\n");
  return 1;
}

int render_serving_band_reporting(uint8_t v, OutputText& out) {
  out.append("<SERVING_BAND_REPORTING>\n");
  append_value_note(v, out, 0);
  out.append("The number of cells from the GSM serving frequency band ");
  append_dec(out, v);
  out.append("</SERVING_BAND_REPORTING>\n");
  return 1;
}

int render_scale_ord(uint8_t v, OutputText& out) {
  out.append("<SCALE_ORD>\n");
  append_value_note(v, out, 0);
  if (v == 0) {
    out.append("values dB0dB");
  } else if (v == 1) {
    out.append("values dB10dB");
  } else if (v == 2) {
    out.append("automaticvalues dBdB");
  } else {
    return 0;  // reserved: no text, block left open
  }
  out.append("</SCALE_ORD>\n");
  return 1;
}

void render_multiband(uint8_t v, OutputText& out) {
  static constexpr ValueText kTexts[] = {
      {0, "Normal reporting of the six strongest cells"},
      {1, "The MS shall report the strongest cell"},
      {2, "The MS shall report the two strongest cells"},
      {3, "The MS shall report the three strongest cells"},
  };
  out.append("<Multiband_reporting>\n");
  if (const char* text = find_text(kTexts, v)) append_value_text(text, out, v, 1);
  out.append("</Multiband_reporting>\n");
}

void render_rtd(uint16_t v, int twelve_bit, OutputText& out) {
  out.append("<RTD>\n");
  append_value_note(v, out, 0);
  out.append("The real time difference to other GSM cells ");
  append_dec(out, twelve_bit ? v % 3263 : v % 51);
  out.append("TDMA frames");
  out.append("</RTD>\n");
}

void render_rtd_list(const RtdList& l, int twelve_bit, OutputText& out) {
  if (!l.present) return;
  out.append(twelve_bit ? "<RTD12>\n" : "<RTD6>\n");
  if (l.ba_index_start_present) write_field_u8("BA_Index_Start_RTD", l.ba_index_start, out, 0);
  for (uint32_t s = 0; s < l.struct_count; ++s) {
    out.append("<RTD_Struct>\n");
    write_field_u8("BA_Index", l.ba_index_start + s, out, 0);
    for (uint32_t i = 0; i < l.count && i < std::size(l.values); ++i) {
      if (l.values[i].struct_index == s) render_rtd(l.values[i].value, twelve_bit, out);
    }
    out.append("</RTD_Struct>\n");
  }
  out.append(twelve_bit ? "</RTD12>\n" : "</RTD6>\n");
}

void render_nc_non_drx_period(uint8_t v, OutputText& out) {
  out.append("<NC_NON_DRX_PERIOD>\n");
  if (v == 0) {
    append_value_text("No non-DRX mode after a measurement report has been sent", out, v, 1);
  } else {
    // 0.24 s steps, except that the last code is 1.92 s.
    append_value_note(static_cast<int8_t>(v), out, 0);
    out.append("sec");
    append_fixed6(out, v == 7 ? 1.92 : v * 0.24);
  }
  out.append("</NC_NON_DRX_PERIOD>\n");
}

void render_nc_reporting_period(const char* name, uint8_t v, OutputText& out) {
  append_tag_text(out, name);
  out.append("<NC_REPORTING_PERIOD>\n");
  append_value_note(static_cast<int8_t>(v), out, 0);
  out.append("sec");
  append_fixed6(out, 0.24 * static_cast<double>(1u << (v + 1)));
  out.append("</NC_REPORTING_PERIOD>\n");
}

void render_utran_description(const UtranDescription& d, bool fdd, OutputText& out) {
  if (!d.present) return;
  out.append(fdd ? "<UTRAN_FDD_Description>\n" : "<UTRAN_TDD_Description>\n");
  if (d.bandwidth_present) {
    if (fdd) {
      write_field_u8("Bandwidth_FDD", d.bandwidth, out, 0);
    } else {
      static constexpr ValueText kBandwidthTdd[] = {{0, "speed3.84Mcps"}, {1, "speed1.28Mcps"}};
      out.append("<Bandwidth_TDD>\n");
      append_value_text(text_or(kBandwidthTdd, d.bandwidth, "error"), out, d.bandwidth, 1);
      out.append("</Bandwidth_TDD>\n");
    }
  }
  for (uint32_t i = 0; i < d.count && i < std::size(d.entries); ++i) {
    const UtranNeighbours& e = d.entries[i];
    out.append(fdd ? "<Repeated_UTRAN_FDD_Neighbour_Cells>\n" : "<Repeated_UTRAN_TDD_Neighbour_Cells>\n");
    write_field_u16(fdd ? "FDD_ARFCN" : "TDD_ARFCN", e.arfcn, out, 0);
    write_field_u8(fdd ? "FDD_Indic0" : "TDD_Indic0", e.indic0, out, 0);
    write_field_u8(fdd ? "NR_OF_FDD_CELLS" : "NR_OF_TDD_CELLS", e.nr_of_cells, out, 0);
    // Indic0 puts the cell information value 0 into the set; W values never carry it.
    if (e.indic0) {
      out.append("<Cell>\n");
      write_field_u16(fdd ? "SCRAMBLING_CODE" : "Cell_Parameter", 0, out, 0);
      if (!fdd) write_field_u8("Sync_Case", 0, out, 0);
      write_field_u8("Diversity", 0, out, 0);
      out.append("</Cell>\n");
    }
    for (uint32_t k = 1; k <= e.cell_count && k < std::size(e.cell); ++k) {
      if (e.w[k] == 0) continue;
      out.append("<Cell>\n");
      write_field_u16("W", e.w[k], out, 0);
      if (fdd) {
        write_field_u16("SCRAMBLING_CODE", e.cell[k] & 0x1FF, out, 0);
        write_field_u8("Diversity", (e.cell[k] >> 9) & 1, out, 0);
      } else {
        write_field_u16("Cell_Parameter", e.cell[k] & 0x7F, out, 0);
        write_field_u8("Sync_Case", (e.cell[k] >> 7) & 1, out, 0);
        write_field_u8("Diversity", (e.cell[k] >> 8) & 1, out, 0);
      }
      out.append("</Cell>\n");
    }
    out.append(fdd ? "</Repeated_UTRAN_FDD_Neighbour_Cells>\n" : "</Repeated_UTRAN_TDD_Neighbour_Cells>\n");
  }
  out.append(fdd ? "</UTRAN_FDD_Description>\n" : "</UTRAN_TDD_Description>\n");
}

void render_neighbours_3g(const Neighbour3gDescription& n, OutputText& out) {
  append_tag_text(out, "<Neighbour_Cell_Description for 3G>\n");
  if (n.index_start_3g_present) write_field_u8("Index_Start_3G", n.index_start_3g, out, 0);
  if (n.absolute_index_start_emr_present) {
    write_field_u8("Absolute_Index_Start_EMR", n.absolute_index_start_emr, out, 0);
  }
  render_utran_description(n.fdd, true, out);
  render_utran_description(n.tdd, false, out);
  append_tag_text(out, "</Neighbour_Cell_Description for 3G>\n");
}

}  // namespace

namespace {

void render_frequency_indexes(const FrequencyIndexList& l, const char* name, OutputText& out) {
  for (uint32_t i = 0; i < l.count && i < std::size(l.index); ++i) write_field_u8(name, l.index[i], out, 0);
}

void render_pcid_group(const PcidGroup& g, OutputText& out) {
  for (uint32_t i = 0; i < g.pcid_count && i < std::size(g.pcid); ++i) write_field_u16("PCID", g.pcid[i], out, 0);
  if (g.bitmap_group_present) write_field_u8("PCID_BITMAP_GROUP", g.bitmap_group, out, 0);
  for (uint32_t i = 0; i < g.pattern_count && i < std::size(g.patterns); ++i) {
    write_field_u8("PCID_Pattern_length", g.patterns[i].length, out, 0);
    write_field_u8("PCID_Pattern", g.patterns[i].pattern, out, 0);
    write_field_u8("PCID_pattern_sense", g.patterns[i].sense, out, 0);
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
    write_field_u8(fdd ? "E_UTRAN_FDD_REPORTING_THRESHOLD_2" : "E_UTRAN_TDD_REPORTING_THRESHOLD_2", r.threshold_2, out,
                   0);
  }
  if (r.offset_present) {
    write_field_u8(fdd ? "E_UTRAN_FDD_REPORTING_OFFSET" : "E_UTRAN_TDD_REPORTING_OFFSET", r.offset, out, 0);
  }
}

void render_eutran_measurement(const EutranMeasurementParameters& m, bool gprs, OutputText& out) {
  append_tag_text(out, gprs ? "<GPRS_E_UTRAN_Measurement_Parameters_Description>\n"
                            : "<E_UTRAN_Measurement_Parameters_Description>\n");
  write_field_u8(gprs ? "Qsearch_P_E_UTRAN" : "Qsearch_C_E_UTRAN_Initial", m.qsearch, out, 0);
  write_field_u8("E_UTRAN_REP_QUANT", m.rep_quant, out, 0);
  write_field_u8("E_UTRAN_MULTIRAT_REPORTING", m.multirat_reporting, out, 0);
  render_eutran_reporting(m.fdd, m.report_offsets != 0, "FDD", out);
  render_eutran_reporting(m.tdd, m.report_offsets != 0, "TDD", out);
  if (!gprs && m.report_offsets) write_field_u8("REPORTING_GRANULARITY", m.reporting_granularity, out, 0);
  append_tag_text(out, gprs ? "</GPRS_E_UTRAN_Measurement_Parameters_Description>\n"
                            : "</E_UTRAN_Measurement_Parameters_Description>\n");
}

void render_eutran_parameters(const EutranParameters& e, OutputText& out) {
  append_tag_text(out, "<E_UTRAN_Parameters_Description>\n");
  write_field_u8("E_UTRAN_CCN_ACTIVE", e.ccn_active, out, 0);
  write_field_u8("E_UTRAN_Start", e.start, out, 0);
  write_field_u8("E_UTRAN_Stop", e.stop, out, 0);
  if (e.measurement.present) render_eutran_measurement(e.measurement.value, false, out);
  if (e.gprs_measurement.present) render_eutran_measurement(e.gprs_measurement.value, true, out);
  for (uint32_t i = 0; i < e.neighbour_count && i < std::size(e.neighbours); ++i) {
    const EutranNeighbours& n = e.neighbours[i];
    append_tag_text(out, "<Repeated_E_UTRAN_Neighbour_Cells>\n");
    for (uint32_t k = 0; k < n.earfcn_count && k < std::size(n.earfcns); ++k) {
      write_field_u16("EARFCN", n.earfcns[k].earfcn, out, 0);
      if (n.earfcns[k].bandwidth_present) write_field_u8("Measurement_Bandwidth", n.earfcns[k].bandwidth, out, 0);
    }
    if (n.priority_present) write_field_u8("E_UTRAN_PRIORITY", n.priority, out, 0);
    write_field_u8("THRESH_E_UTRAN_high", n.thresh_high, out, 0);
    if (n.thresh_low_present) write_field_u8("THRESH_E_UTRAN_low", n.thresh_low, out, 0);
    if (n.qrxlevmin_present) write_field_u8("E_UTRAN_QRXLEVMIN", n.qrxlevmin, out, 0);
    append_tag_text(out, "</Repeated_E_UTRAN_Neighbour_Cells>\n");
  }
  for (uint32_t i = 0; i < e.not_allowed_count && i < std::size(e.not_allowed); ++i) {
    append_tag_text(out, "<Repeated_E_UTRAN_Not_Allowed_Cells>\n");
    render_pcid_group(e.not_allowed[i].cells, out);
    render_frequency_indexes(e.not_allowed[i].frequencies, "E_UTRAN_FREQUENCY_INDEX", out);
    append_tag_text(out, "</Repeated_E_UTRAN_Not_Allowed_Cells>\n");
  }
  for (uint32_t i = 0; i < e.ta_mapping_count && i < std::size(e.ta_mapping); ++i) {
    const PcidToTaMapping& m = e.ta_mapping[i];
    append_tag_text(out, "<Repeated_E_UTRAN_PCID_to_TA_mapping>\n");
    for (uint32_t k = 0; k < m.group_count && k < std::size(m.groups); ++k) {
      append_tag_text(out, "<PCID_to_TA_mapping>\n");
      render_pcid_group(m.groups[k], out);
      append_tag_text(out, "</PCID_to_TA_mapping>\n");
    }
    render_frequency_indexes(m.frequencies, "E_UTRAN_FREQUENCY_INDEX", out);
    append_tag_text(out, "</Repeated_E_UTRAN_PCID_to_TA_mapping>\n");
  }
  append_tag_text(out, "</E_UTRAN_Parameters_Description>\n");
}

void render_priority_eutran(const PriorityEutranParameters& p, OutputText& out) {
  append_tag_text(out, "<Priority_and_E_UTRAN_Parameters_Description>\n");
  if (p.serving.present) {
    const ServingCellPriority& s = p.serving.value;
    append_tag_text(out, "<Serving_Cell_Priority_Parameters_Description>\n");
    write_field_u8("GERAN_PRIORITY", s.geran_priority, out, 0);
    write_field_u8("THRESH_Priority_Search", s.thresh_priority_search, out, 0);
    write_field_u8("THRESH_GSM_low", s.thresh_gsm_low, out, 0);
    write_field_u8("H_PRIO", s.h_prio, out, 0);
    write_field_u8("T_Reselection", s.t_reselection, out, 0);
    append_tag_text(out, "</Serving_Cell_Priority_Parameters_Description>\n");
  }
  if (p.utran.present) {
    const UtranPriorityParameters& u = p.utran.value;
    append_tag_text(out, "<3G_Priority_Parameters_Description>\n");
    write_field_u8("UTRAN_Start", u.start, out, 0);
    write_field_u8("UTRAN_Stop", u.stop, out, 0);
    if (u.default_present) {
      write_field_u8("DEFAULT_UTRAN_PRIORITY", u.default_priority, out, 0);
      write_field_u8("DEFAULT_THRESH_UTRAN", u.default_thresh, out, 0);
      write_field_u8("DEFAULT_UTRAN_QRXLEVMIN", u.default_qrxlevmin, out, 0);
    }
    for (uint32_t i = 0; i < u.count && i < std::size(u.entries); ++i) {
      const UtranPriority& e = u.entries[i];
      append_tag_text(out, "<Repeated_UTRAN_Priority_Parameters>\n");
      render_frequency_indexes(e.frequencies, "UTRAN_FREQUENCY_INDEX", out);
      if (e.priority_present) write_field_u8("UTRAN_PRIORITY", e.priority, out, 0);
      write_field_u8("THRESH_UTRAN_high", e.thresh_high, out, 0);
      if (e.thresh_low_present) write_field_u8("THRESH_UTRAN_low", e.thresh_low, out, 0);
      if (e.qrxlevmin_present) write_field_u8("UTRAN_QRXLEVMIN", e.qrxlevmin, out, 0);
      append_tag_text(out, "</Repeated_UTRAN_Priority_Parameters>\n");
    }
    append_tag_text(out, "</3G_Priority_Parameters_Description>\n");
  }
  if (p.eutran.present) render_eutran_parameters(p.eutran.value, out);
  append_tag_text(out, "</Priority_and_E_UTRAN_Parameters_Description>\n");
}

void render_si2quater_additions(const Si2quaterAdditions& a, OutputText& out) {
  if (!a.rel5) return;
  if (a.fdd_additional_present) {
    append_tag_text(out, "<3G_Additional_Measurement_Parameters_Description>\n");
    write_field_u8("FDD_Qmin_Offset", a.fdd_qmin_offset, out, 0);
    write_field_u8("FDD_RSCPmin", a.fdd_rscpmin, out, 0);
    append_tag_text(out, "</3G_Additional_Measurement_Parameters_Description>\n");
  }
  if (a.additional_2_present) {
    append_tag_text(out, "<3G_ADDITIONAL_MEASUREMENT_Parameters_Description_2>\n");
    if (a.fdd_threshold_2_present) write_field_u8("FDD_REPORTING_THRESHOLD_2", a.fdd_reporting_threshold_2, out, 0);
    append_tag_text(out, "</3G_ADDITIONAL_MEASUREMENT_Parameters_Description_2>\n");
  }
  if (!a.rel6) return;
  write_field_u8("3G_CCN_ACTIVE", a.ccn_active_3g, out, 0);
  if (!a.rel7) return;
  render_reporting_threshold(a.band700, "700_REPORTING_OFFSET", "700_REPORTING_THRESHOLD", out);
  render_reporting_threshold(a.band810, "810_REPORTING_OFFSET", "810_REPORTING_THRESHOLD", out);
  if (!a.rel8) return;
  if (a.priority.present) render_priority_eutran(a.priority.value, out);
  if (a.csg_3g) {
    append_tag_text(out, "<3G_CSG_Description>\n");
    append_tag_text(out, "</3G_CSG_Description>\n");
  }
  if (a.csg_eutran) {
    append_tag_text(out, "<E_UTRAN_CSG_Description>\n");
    append_tag_text(out, "</E_UTRAN_CSG_Description>\n");
  }
}

}  // namespace

int render_si2quater_rest_octets(const Si2quaterRestOctets& ro, OutputText& out) {
  if (!ro.present) return 1;
  append_tag_text(out, "<SI2quater Rest Octets>\n");
  write_field_u8("BA_IND", ro.ba_ind, out, 0);
  write_field_u8("BA_IND_3G", ro.ba_ind_3g, out, 0);
  write_field_u8("MP_CHANGE_MARK", ro.mp_change_mark, out, 0);
  write_field_u8("SI2quater_INDEX", ro.index, out, 0);
  write_field_u8("SI2quater_COUNT", ro.count, out, 0);
  if (ro.measurement.present) {
    append_tag_text(out, "<Measurement_Parameters_Description>\n");
    render_report_type(ro.measurement.value.report_type, out);
    render_serving_band_reporting(ro.measurement.value.serving_band_reporting, out);
    append_tag_text(out, "</Measurement_Parameters_Description>\n");
  }
  if (ro.rtd.present) {
    append_tag_text(out, "<GPRS_Real_Time_Difference_Description>\n");
    render_rtd_list(ro.rtd.value.rtd6, 0, out);
    render_rtd_list(ro.rtd.value.rtd12, 1, out);
    append_tag_text(out, "</GPRS_Real_Time_Difference_Description>\n");
  }
  if (ro.bsic.present) {
    const GprsBsicDescription& d = ro.bsic.value;
    append_tag_text(out, "<GPRS_BSIC_Description>\n");
    if (d.ba_index_start_present) write_field_u8("BA_Index_Start_BSIC", d.ba_index_start, out, 0);
    write_field_u8("BSIC", d.bsic, out, 0);
    write_field_u8("Number_Remaining_BSIC", d.number_remaining, out, 0);
    for (uint32_t i = 0; i < d.count && i < std::size(d.entries); ++i) {
      write_field_u8("Frequency_Scrolling", d.entries[i].frequency_scrolling, out, 0);
      write_field_u8("BSIC", d.entries[i].bsic, out, 0);
    }
    append_tag_text(out, "</GPRS_BSIC_Description>\n");
  }
  if (ro.report_priority.present) {
    const ReportPriorityDescription& p = ro.report_priority.value;
    append_tag_text(out, "<GPRS_REPORT_PRIORITY_Description>\n");
    write_field_u8("Number_Cells", p.number_cells, out, 0);
    for (uint32_t i = 0; i < p.number_cells && i < std::size(p.rep_priority); ++i) {
      write_field_u8("REP_PRIORITY", p.rep_priority[i], out, 0);
    }
    append_tag_text(out, "</GPRS_REPORT_PRIORITY_Description>\n");
  }
  if (ro.gprs_measurement.present) {
    const GprsMeasurementParameters& g = ro.gprs_measurement.value;
    append_tag_text(out, "<GPRS_MEASUREMENT_Parameters_Description>\n");
    render_report_type(g.report_type, out);
    write_field_u8("REPORTING_RATE", g.reporting_rate, out, 0);
    write_field_u8("INVALID_BSIC_REPORTING", g.invalid_bsic_reporting, out, 0);
    if (g.multiband_present) render_multiband(g.multiband_reporting, out);
    if (g.serving_band_present) render_serving_band_reporting(g.serving_band_reporting, out);
    if (render_scale_ord(g.scale_ord, out) == 0) return 0;
    render_reporting_threshold(g.band[0], "900_REPORTING_OFFSET", "900_REPORTING_THRESHOLD", out);
    render_reporting_threshold(g.band[1], "1800_REPORTING_OFFSET", "1800_REPORTING_THRESHOLD", out);
    render_reporting_threshold(g.band[2], "400_REPORTING_OFFSET", "400_REPORTING_THRESHOLD", out);
    render_reporting_threshold(g.band[3], "1900_REPORTING_OFFSET", "1900_REPORTING_THRESHOLD", out);
    render_reporting_threshold(g.band[4], "850_REPORTING_OFFSET", "850_REPORTING_THRESHOLD", out);
    append_tag_text(out, "</GPRS_MEASUREMENT_Parameters_Description>\n");
  }
  if (ro.nc_measurement.present) {
    const NcMeasurementParameters& n = ro.nc_measurement.value;
    append_tag_text(out, "<NC_Measurement_Parameters>\n");
    render_network_control_order(n.network_control_order, out);
    if (n.periods_present) {
      render_nc_non_drx_period(n.nc_non_drx_period, out);
      render_nc_reporting_period("<NC_REPORTING_PERIOD_I>\n", n.nc_reporting_period_i, out);
      append_tag_text(out, "</NC_REPORTING_PERIOD_I>\n");
      render_nc_reporting_period("<NC_REPORTING_PERIOD_T>\n", n.nc_reporting_period_t, out);
      append_tag_text(out, "</NC_REPORTING_PERIOD_T>\n");
    }
    append_tag_text(out, "</NC_Measurement_Parameters>\n");
  }
  if (ro.extension.present) {
    const Si2qExtension& e = ro.extension.value;
    append_tag_text(out, "<SI2q_Extension_Information>\n");
    write_field_u8("extension_length", e.length, out, 0);
    if (e.ccn_present) {
      out.append("<CCN_Support_Description>\n");
      write_field_u8("Number_Cells", e.ccn_number_cells, out, 0);
      for (uint32_t i = 0; i < e.ccn_number_cells && i < std::size(e.ccn_supported); ++i) {
        write_field_u8("CCN_SUPPORTED", e.ccn_supported[i], out, 0);
      }
      out.append("</CCN_Support_Description>\n");
    }
    append_tag_text(out, "</SI2q_Extension_Information>\n");
  }
  if (ro.neighbours_3g.present) render_neighbours_3g(ro.neighbours_3g.value, out);
  if (ro.measurement_3g.present) {
    const Measurement3gParameters& m = ro.measurement_3g.value;
    append_tag_text(out, "<Measurement_Parameters_Description for 3G>\n");
    write_field_u8("Qsearch_I", m.qsearch_i, out, 0);
    write_field_u8("Qsearch_C_Initial", m.qsearch_c_initial, out, 0);
    if (m.fdd_present) {
      write_field_u8("FDD_Qoffset", m.fdd_qoffset, out, 0);
      write_field_u8("FDD_REP_QUANT", m.fdd_rep_quant, out, 0);
      write_field_u8("FDD_MULTIRAT_REPORTING", m.fdd_multirat_reporting, out, 0);
      write_field_u8("FDD_Qmin", m.fdd_qmin, out, 0);
    }
    if (m.tdd_present) {
      write_field_u8("TDD_Qoffset", m.tdd_qoffset, out, 0);
      write_field_u8("TDD_MULTIRAT_REPORTING", m.tdd_multirat_reporting, out, 0);
    }
    append_tag_text(out, "</Measurement_Parameters_Description for 3G>\n");
  }
  if (ro.gprs_measurement_3g.present) {
    const Gprs3gMeasurementParameters& g = ro.gprs_measurement_3g.value;
    append_tag_text(out, "<GPRS_3G_MEASUREMENT_Parameters_Description>\n");
    write_field_u8("Qsearch_P", g.qsearch_p, out, 0);
    write_field_u8("3G_SEARCH_PRIO", g.search_prio_3g, out, 0);
    if (g.fdd_quant_present) {
      write_field_u8("FDD_REP_QUANT", g.fdd_rep_quant, out, 0);
      write_field_u8("FDD_MULTIRAT_REPORTING", g.fdd_multirat_reporting, out, 0);
    }
    render_reporting_threshold(g.fdd, "FDD_REPORTING_OFFSET", "FDD_REPORTING_THRESHOLD", out);
    if (g.tdd_multirat_present) write_field_u8("TDD_MULTIRAT_REPORTING", g.tdd_multirat_reporting, out, 0);
    render_reporting_threshold(g.tdd, "TDD_REPORTING_OFFSET", "TDD_REPORTING_THRESHOLD", out);
    append_tag_text(out, "</GPRS_3G_MEASUREMENT_Parameters_Description>\n");
  }
  render_si2quater_additions(ro.additions, out);
  append_tag_text(out, "</SI2quater Rest Octets>\n");
  return 1;
}

namespace {

constexpr ValueText kGuarConstantPwrBlksTexts[] = {
    {0, "Blocks at constant power 4"},
    {1, "Blocks at constant power 5"},
    {2, "Blocks at constant power 6"},
};
static_assert(well_formed(kGuarConstantPwrBlksTexts));

void render_compact_cell_selection(const CompactCellSelection& s, OutputText& out) {
  out.append("<COMPACT_Cell_selection_params>\n");
  write_field_u8("BSIC", s.bsic, out, 0);
  write_field_u8("CELL_BAR_ACCESS_2", s.cell_bar_access_2, out, 0);
  write_field_u8("EXC_ACC", s.exc_acc, out, 0);
  write_field_u8("SAME_RA_AS_SERVING_CELL", s.same_ra_as_serving_cell, out, 0);
  if (s.rxlev_present) {
    write_field_u8("GPRS_RXLEV_ACCESS_MIN", s.gprs_rxlev_access_min, out, 0);
    write_field_u8("GPRS_MS_TXPWR_MAX_CCH", s.gprs_ms_txpwr_max_cch, out, 0);
  }
  if (s.temporary_present) {
    write_field_u8("GPRS_TEMPORARY_OFFSET", s.gprs_temporary_offset, out, 0);
    write_field_u8("GPRS_PENALTY_TIME", s.gprs_penalty_time, out, 0);
  }
  if (s.reselect_present) write_field_u8("GPRS_RESELECT_OFFSET", s.gprs_reselect_offset, out, 0);
  if (s.hcs_present) {
    write_field_u8("GPRS_PRIORITY_CLASS", s.gprs_priority_class, out, 0);
    write_field_u8("GPRS_HCS_THR", s.gprs_hcs_thr, out, 0);
  }
  if (s.time_group_present) {
    out.append("<TIME_GROUP>\n");
    append_value_note(s.time_group, out, 0);
    out.append("Time Group");
    append_dec(out, s.time_group);
    out.append("</TIME_GROUP>\n");
  }
  if (s.guar_present) {
    out.append("<GUAR_CONSTANT_PWR_BLKS_field>\n");
    append_value_text(text_or(kGuarConstantPwrBlksTexts, s.guar_constant_pwr_blks, "Blocks at constant power 12"), out,
                      s.guar_constant_pwr_blks, 1);
    out.append("</GUAR_CONSTANT_PWR_BLKS_field>\n");
  }
  out.append("</COMPACT_Cell_selection_params>\n");
}

}  // namespace

int render_si19_rest_octets(const Si19RestOctets& ro, OutputText& out) {
  if (!ro.present) return 1;
  out.append("<SI_19_Rest_Octets>\n");
  write_field_u8("SI19_CHANGE_MARK", ro.change_mark, out, 0);
  write_field_u8("SI19_INDEX", ro.index, out, 0);
  write_field_u8("SI19_LAST", ro.last, out, 0);
  for (uint32_t i = 0; i < ro.count && i < std::size(ro.neighbours); ++i) {
    const CompactNeighbourCell& n = ro.neighbours[i];
    out.append("<COMPACT_Neighbour_Cell>\n");
    write_field_u16("START_FREQUENCY", n.start_frequency, out, 0);
    render_compact_cell_selection(n.first, out);
    write_field_u8("NR_OF_REMAINING_CELLS", n.nr_of_remaining_cells, out, 0);
    out.append("<FREQ_DIFF_LENGTH>\n");
    append_value_note(n.freq_diff_length, out, 0);
    out.append("LENGTH");
    append_dec(out, n.freq_diff_length + 1);
    out.append(n.freq_diff_length == 0 ? "bit" : "bits");
    out.append("</FREQ_DIFF_LENGTH>\n");
    for (uint32_t k = 0; k < n.count && k < std::size(n.cells); ++k) {
      write_field_u16("FREQUENCY_DIFF", n.cells[k].frequency_diff, out, 0);
      render_compact_cell_selection(n.cells[k].params, out);
    }
    out.append("</COMPACT_Neighbour_Cell>\n");
  }
  out.append("</SI_19_Rest_Octets>\n");
  return 1;
}

}  // namespace l3
