#include "rr/rest_octets/si19_rest_octets.h"

#include <iterator>

#include "core/output.h"
#include "rr/rest_octets/rest_octet_parts.h"

namespace l3 {

using namespace rr_parts;

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

constexpr ValueText kGuarConstantPwrBlksTexts[] = {
    {0, "Blocks at constant power 4"},
    {1, "Blocks at constant power 5"},
    {2, "Blocks at constant power 6"},
};

static_assert(well_formed(kGuarConstantPwrBlksTexts));

void render_compact_cell_selection(const CompactCellSelection& s, OutputText& out) {
  out.append("<COMPACT_Cell_selection_params>\n");
  write_field_u8(L3_TAG("BSIC"), s.bsic, out, 0);
  write_field_u8(L3_TAG("CELL_BAR_ACCESS_2"), s.cell_bar_access_2, out, 0);
  write_field_u8(L3_TAG("EXC_ACC"), s.exc_acc, out, 0);
  write_field_u8(L3_TAG("SAME_RA_AS_SERVING_CELL"), s.same_ra_as_serving_cell, out, 0);
  if (s.rxlev_present) {
    write_field_u8(L3_TAG("GPRS_RXLEV_ACCESS_MIN"), s.gprs_rxlev_access_min, out, 0);
    write_field_u8(L3_TAG("GPRS_MS_TXPWR_MAX_CCH"), s.gprs_ms_txpwr_max_cch, out, 0);
  }
  if (s.temporary_present) {
    write_field_u8(L3_TAG("GPRS_TEMPORARY_OFFSET"), s.gprs_temporary_offset, out, 0);
    write_field_u8(L3_TAG("GPRS_PENALTY_TIME"), s.gprs_penalty_time, out, 0);
  }
  if (s.reselect_present) write_field_u8(L3_TAG("GPRS_RESELECT_OFFSET"), s.gprs_reselect_offset, out, 0);
  if (s.hcs_present) {
    write_field_u8(L3_TAG("GPRS_PRIORITY_CLASS"), s.gprs_priority_class, out, 0);
    write_field_u8(L3_TAG("GPRS_HCS_THR"), s.gprs_hcs_thr, out, 0);
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
  write_field_u8(L3_TAG("SI19_CHANGE_MARK"), ro.change_mark, out, 0);
  write_field_u8(L3_TAG("SI19_INDEX"), ro.index, out, 0);
  write_field_u8(L3_TAG("SI19_LAST"), ro.last, out, 0);
  for (uint32_t i = 0; i < ro.count && i < std::size(ro.neighbours); ++i) {
    const CompactNeighbourCell& n = ro.neighbours[i];
    out.append("<COMPACT_Neighbour_Cell>\n");
    write_field_u16(L3_TAG("START_FREQUENCY"), n.start_frequency, out, 0);
    render_compact_cell_selection(n.first, out);
    write_field_u8(L3_TAG("NR_OF_REMAINING_CELLS"), n.nr_of_remaining_cells, out, 0);
    out.append("<FREQ_DIFF_LENGTH>\n");
    append_value_note(n.freq_diff_length, out, 0);
    out.append("LENGTH");
    append_dec(out, n.freq_diff_length + 1);
    out.append(n.freq_diff_length == 0 ? CText("bit") : CText("bits"));
    out.append("</FREQ_DIFF_LENGTH>\n");
    for (uint32_t k = 0; k < n.count && k < std::size(n.cells); ++k) {
      write_field_u16(L3_TAG("FREQUENCY_DIFF"), n.cells[k].frequency_diff, out, 0);
      render_compact_cell_selection(n.cells[k].params, out);
    }
    out.append("</COMPACT_Neighbour_Cell>\n");
  }
  out.append("</SI_19_Rest_Octets>\n");
  return 1;
}

}  // namespace l3
