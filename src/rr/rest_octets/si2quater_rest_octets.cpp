#include "rr/rest_octets/si2quater_rest_octets.h"

#include <iterator>

#include "core/output.h"
#include "rr/elements/value_elements.h"
#include "rr/rest_octets/rest_octet_parts.h"
#include "rr/si/si_elements.h"

namespace l3 {

using namespace rr_parts;

namespace {

// x smod n: the residue of x in 1..n.
// x smod n: in place when x lies within a period either side, as it does in
// every well-formed tree; by division otherwise.
int32_t smod(int32_t x, int32_t n) {
  if (x > 0 && x <= n) return x;
  if (x > n && x <= 2 * n) return x - n;
  if (x <= 0 && x > -n) return x + n;
  return ((x - 1) % n + n) % n + 1;
}

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
    // j = 2^level, the largest power of two not above index; positive
    // quotients by it are shifts.
    uint32_t level = 0;
    while ((2u << level) <= index) ++level;
    int32_t value = w[k];
    while (index > 1) {
      const uint32_t j = 1u << level;
      const int32_t period = ((2 * range) >> level) - 1;
      if (2 * index < 3 * j) {  // left child
        index -= j / 2;
        value = smod(value + w[index] - (range >> level), period);
      } else {  // right child
        index -= j;
        value = smod(value + w[index], period);
      }
      --level;
    }
    f[k] = u16(value);
  }
}

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
  out.append(twelve_bit ? CText("<RTD12>\n") : CText("<RTD6>\n"));
  if (l.ba_index_start_present) write_field_u8(L3_TAG("BA_Index_Start_RTD"), l.ba_index_start, out, 0);
  for (uint32_t s = 0; s < l.struct_count; ++s) {
    out.append("<RTD_Struct>\n");
    write_field_u8(L3_TAG("BA_Index"), l.ba_index_start + s, out, 0);
    for (uint32_t i = 0; i < l.count && i < std::size(l.values); ++i) {
      if (l.values[i].struct_index == s) render_rtd(l.values[i].value, twelve_bit, out);
    }
    out.append("</RTD_Struct>\n");
  }
  out.append(twelve_bit ? CText("</RTD12>\n") : CText("</RTD6>\n"));
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
  out.append(fdd ? CText("<UTRAN_FDD_Description>\n") : CText("<UTRAN_TDD_Description>\n"));
  if (d.bandwidth_present) {
    if (fdd) {
      write_field_u8(L3_TAG("Bandwidth_FDD"), d.bandwidth, out, 0);
    } else {
      static constexpr ValueText kBandwidthTdd[] = {{0, "speed3.84Mcps"}, {1, "speed1.28Mcps"}};
      out.append("<Bandwidth_TDD>\n");
      append_value_text(text_or(kBandwidthTdd, d.bandwidth, "error"), out, d.bandwidth, 1);
      out.append("</Bandwidth_TDD>\n");
    }
  }
  for (uint32_t i = 0; i < d.count && i < std::size(d.entries); ++i) {
    const UtranNeighbours& e = d.entries[i];
    out.append(fdd ? CText("<Repeated_UTRAN_FDD_Neighbour_Cells>\n") : CText("<Repeated_UTRAN_TDD_Neighbour_Cells>\n"));
    write_field_u16(fdd ? L3_TAG("FDD_ARFCN") : L3_TAG("TDD_ARFCN"), e.arfcn, out, 0);
    write_field_u8(fdd ? L3_TAG("FDD_Indic0") : L3_TAG("TDD_Indic0"), e.indic0, out, 0);
    write_field_u8(fdd ? L3_TAG("NR_OF_FDD_CELLS") : L3_TAG("NR_OF_TDD_CELLS"), e.nr_of_cells, out, 0);
    // Indic0 puts the cell information value 0 into the set; W values never carry it.
    if (e.indic0) {
      out.append("<Cell>\n");
      write_field_u16(fdd ? L3_TAG("SCRAMBLING_CODE") : L3_TAG("Cell_Parameter"), 0, out, 0);
      if (!fdd) write_field_u8(L3_TAG("Sync_Case"), 0, out, 0);
      write_field_u8(L3_TAG("Diversity"), 0, out, 0);
      out.append("</Cell>\n");
    }
    for (uint32_t k = 1; k <= e.cell_count && k < std::size(e.cell); ++k) {
      if (e.w[k] == 0) continue;
      out.append("<Cell>\n");
      write_field_u16(L3_TAG("W"), e.w[k], out, 0);
      if (fdd) {
        write_field_u16(L3_TAG("SCRAMBLING_CODE"), e.cell[k] & 0x1FF, out, 0);
        write_field_u8(L3_TAG("Diversity"), (e.cell[k] >> 9) & 1, out, 0);
      } else {
        write_field_u16(L3_TAG("Cell_Parameter"), e.cell[k] & 0x7F, out, 0);
        write_field_u8(L3_TAG("Sync_Case"), (e.cell[k] >> 7) & 1, out, 0);
        write_field_u8(L3_TAG("Diversity"), (e.cell[k] >> 8) & 1, out, 0);
      }
      out.append("</Cell>\n");
    }
    out.append(fdd ? CText("</Repeated_UTRAN_FDD_Neighbour_Cells>\n") : CText("</Repeated_UTRAN_TDD_Neighbour_Cells>\n"));
  }
  out.append(fdd ? CText("</UTRAN_FDD_Description>\n") : CText("</UTRAN_TDD_Description>\n"));
}

void render_neighbours_3g(const Neighbour3gDescription& n, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Neighbour_Cell_Description for 3G>\n"));
  if (n.index_start_3g_present) write_field_u8(L3_TAG("Index_Start_3G"), n.index_start_3g, out, 0);
  if (n.absolute_index_start_emr_present) {
    write_field_u8(L3_TAG("Absolute_Index_Start_EMR"), n.absolute_index_start_emr, out, 0);
  }
  render_utran_description(n.fdd, true, out);
  render_utran_description(n.tdd, false, out);
  append_tag_text(out, L3_TAG_TEXT("</Neighbour_Cell_Description for 3G>\n"));
}

}  // namespace

int render_si2quater_rest_octets(const Si2quaterRestOctets& ro, OutputText& out) {
  if (!ro.present) return 1;
  append_tag_text(out, L3_TAG_TEXT("<SI2quater Rest Octets>\n"));
  write_field_u8(L3_TAG("BA_IND"), ro.ba_ind, out, 0);
  write_field_u8(L3_TAG("BA_IND_3G"), ro.ba_ind_3g, out, 0);
  write_field_u8(L3_TAG("MP_CHANGE_MARK"), ro.mp_change_mark, out, 0);
  write_field_u8(L3_TAG("SI2quater_INDEX"), ro.index, out, 0);
  write_field_u8(L3_TAG("SI2quater_COUNT"), ro.count, out, 0);
  if (ro.measurement.present) {
    append_tag_text(out, L3_TAG_TEXT("<Measurement_Parameters_Description>\n"));
    render_report_type(ro.measurement.value.report_type, out);
    render_serving_band_reporting(ro.measurement.value.serving_band_reporting, out);
    append_tag_text(out, L3_TAG_TEXT("</Measurement_Parameters_Description>\n"));
  }
  if (ro.rtd.present) {
    append_tag_text(out, L3_TAG_TEXT("<GPRS_Real_Time_Difference_Description>\n"));
    render_rtd_list(ro.rtd.value.rtd6, 0, out);
    render_rtd_list(ro.rtd.value.rtd12, 1, out);
    append_tag_text(out, L3_TAG_TEXT("</GPRS_Real_Time_Difference_Description>\n"));
  }
  if (ro.bsic.present) {
    const GprsBsicDescription& d = ro.bsic.value;
    append_tag_text(out, L3_TAG_TEXT("<GPRS_BSIC_Description>\n"));
    if (d.ba_index_start_present) write_field_u8(L3_TAG("BA_Index_Start_BSIC"), d.ba_index_start, out, 0);
    write_field_u8(L3_TAG("BSIC"), d.bsic, out, 0);
    write_field_u8(L3_TAG("Number_Remaining_BSIC"), d.number_remaining, out, 0);
    for (uint32_t i = 0; i < d.count && i < std::size(d.entries); ++i) {
      write_field_u8(L3_TAG("Frequency_Scrolling"), d.entries[i].frequency_scrolling, out, 0);
      write_field_u8(L3_TAG("BSIC"), d.entries[i].bsic, out, 0);
    }
    append_tag_text(out, L3_TAG_TEXT("</GPRS_BSIC_Description>\n"));
  }
  if (ro.report_priority.present) {
    const ReportPriorityDescription& p = ro.report_priority.value;
    append_tag_text(out, L3_TAG_TEXT("<GPRS_REPORT_PRIORITY_Description>\n"));
    write_field_u8(L3_TAG("Number_Cells"), p.number_cells, out, 0);
    for (uint32_t i = 0; i < p.number_cells && i < std::size(p.rep_priority); ++i) {
      write_field_u8(L3_TAG("REP_PRIORITY"), p.rep_priority[i], out, 0);
    }
    append_tag_text(out, L3_TAG_TEXT("</GPRS_REPORT_PRIORITY_Description>\n"));
  }
  if (ro.gprs_measurement.present) {
    const GprsMeasurementParameters& g = ro.gprs_measurement.value;
    append_tag_text(out, L3_TAG_TEXT("<GPRS_MEASUREMENT_Parameters_Description>\n"));
    render_report_type(g.report_type, out);
    write_field_u8(L3_TAG("REPORTING_RATE"), g.reporting_rate, out, 0);
    write_field_u8(L3_TAG("INVALID_BSIC_REPORTING"), g.invalid_bsic_reporting, out, 0);
    if (g.multiband_present) render_multiband(g.multiband_reporting, out);
    if (g.serving_band_present) render_serving_band_reporting(g.serving_band_reporting, out);
    if (render_scale_ord(g.scale_ord, out) == 0) return 0;
    render_reporting_threshold(g.band[0], L3_TAG("900_REPORTING_OFFSET"), L3_TAG("900_REPORTING_THRESHOLD"), out);
    render_reporting_threshold(g.band[1], L3_TAG("1800_REPORTING_OFFSET"), L3_TAG("1800_REPORTING_THRESHOLD"), out);
    render_reporting_threshold(g.band[2], L3_TAG("400_REPORTING_OFFSET"), L3_TAG("400_REPORTING_THRESHOLD"), out);
    render_reporting_threshold(g.band[3], L3_TAG("1900_REPORTING_OFFSET"), L3_TAG("1900_REPORTING_THRESHOLD"), out);
    render_reporting_threshold(g.band[4], L3_TAG("850_REPORTING_OFFSET"), L3_TAG("850_REPORTING_THRESHOLD"), out);
    append_tag_text(out, L3_TAG_TEXT("</GPRS_MEASUREMENT_Parameters_Description>\n"));
  }
  if (ro.nc_measurement.present) {
    const NcMeasurementParameters& n = ro.nc_measurement.value;
    append_tag_text(out, L3_TAG_TEXT("<NC_Measurement_Parameters>\n"));
    render_network_control_order(n.network_control_order, out);
    if (n.periods_present) {
      render_nc_non_drx_period(n.nc_non_drx_period, out);
      render_nc_reporting_period("<NC_REPORTING_PERIOD_I>\n", n.nc_reporting_period_i, out);
      append_tag_text(out, L3_TAG_TEXT("</NC_REPORTING_PERIOD_I>\n"));
      render_nc_reporting_period("<NC_REPORTING_PERIOD_T>\n", n.nc_reporting_period_t, out);
      append_tag_text(out, L3_TAG_TEXT("</NC_REPORTING_PERIOD_T>\n"));
    }
    append_tag_text(out, L3_TAG_TEXT("</NC_Measurement_Parameters>\n"));
  }
  if (ro.extension.present) {
    const Si2qExtension& e = ro.extension.value;
    append_tag_text(out, L3_TAG_TEXT("<SI2q_Extension_Information>\n"));
    write_field_u8(L3_TAG("extension_length"), e.length, out, 0);
    if (e.ccn_present) {
      out.append("<CCN_Support_Description>\n");
      write_field_u8(L3_TAG("Number_Cells"), e.ccn_number_cells, out, 0);
      for (uint32_t i = 0; i < e.ccn_number_cells && i < std::size(e.ccn_supported); ++i) {
        write_field_u8(L3_TAG("CCN_SUPPORTED"), e.ccn_supported[i], out, 0);
      }
      out.append("</CCN_Support_Description>\n");
    }
    append_tag_text(out, L3_TAG_TEXT("</SI2q_Extension_Information>\n"));
  }
  if (ro.neighbours_3g.present) render_neighbours_3g(ro.neighbours_3g.value, out);
  if (ro.measurement_3g.present) {
    const Measurement3gParameters& m = ro.measurement_3g.value;
    append_tag_text(out, L3_TAG_TEXT("<Measurement_Parameters_Description for 3G>\n"));
    write_field_u8(L3_TAG("Qsearch_I"), m.qsearch_i, out, 0);
    write_field_u8(L3_TAG("Qsearch_C_Initial"), m.qsearch_c_initial, out, 0);
    if (m.fdd_present) {
      write_field_u8(L3_TAG("FDD_Qoffset"), m.fdd_qoffset, out, 0);
      write_field_u8(L3_TAG("FDD_REP_QUANT"), m.fdd_rep_quant, out, 0);
      write_field_u8(L3_TAG("FDD_MULTIRAT_REPORTING"), m.fdd_multirat_reporting, out, 0);
      write_field_u8(L3_TAG("FDD_Qmin"), m.fdd_qmin, out, 0);
    }
    if (m.tdd_present) {
      write_field_u8(L3_TAG("TDD_Qoffset"), m.tdd_qoffset, out, 0);
      write_field_u8(L3_TAG("TDD_MULTIRAT_REPORTING"), m.tdd_multirat_reporting, out, 0);
    }
    append_tag_text(out, L3_TAG_TEXT("</Measurement_Parameters_Description for 3G>\n"));
  }
  if (ro.gprs_measurement_3g.present) {
    const Gprs3gMeasurementParameters& g = ro.gprs_measurement_3g.value;
    append_tag_text(out, L3_TAG_TEXT("<GPRS_3G_MEASUREMENT_Parameters_Description>\n"));
    write_field_u8(L3_TAG("Qsearch_P"), g.qsearch_p, out, 0);
    write_field_u8(L3_TAG("3G_SEARCH_PRIO"), g.search_prio_3g, out, 0);
    if (g.fdd_quant_present) {
      write_field_u8(L3_TAG("FDD_REP_QUANT"), g.fdd_rep_quant, out, 0);
      write_field_u8(L3_TAG("FDD_MULTIRAT_REPORTING"), g.fdd_multirat_reporting, out, 0);
    }
    render_reporting_threshold(g.fdd, L3_TAG("FDD_REPORTING_OFFSET"), L3_TAG("FDD_REPORTING_THRESHOLD"), out);
    if (g.tdd_multirat_present) write_field_u8(L3_TAG("TDD_MULTIRAT_REPORTING"), g.tdd_multirat_reporting, out, 0);
    render_reporting_threshold(g.tdd, L3_TAG("TDD_REPORTING_OFFSET"), L3_TAG("TDD_REPORTING_THRESHOLD"), out);
    append_tag_text(out, L3_TAG_TEXT("</GPRS_3G_MEASUREMENT_Parameters_Description>\n"));
  }
  render_si2quater_additions(ro.additions, out);
  append_tag_text(out, L3_TAG_TEXT("</SI2quater Rest Octets>\n"));
  return 1;
}

}  // namespace l3
