// SI 19 COMPACT neighbour cell information. The decoder returns the bit
// position after the last field read.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

struct CompactCellSelection {
  uint8_t bsic;
  uint8_t cell_bar_access_2;
  uint8_t exc_acc;
  uint8_t same_ra_as_serving_cell;
  uint8_t rxlev_present;
  uint8_t gprs_rxlev_access_min;
  uint8_t gprs_ms_txpwr_max_cch;
  uint8_t temporary_present;
  uint8_t gprs_temporary_offset;
  uint8_t gprs_penalty_time;
  uint8_t reselect_present;
  uint8_t gprs_reselect_offset;
  uint8_t hcs_present;
  uint8_t gprs_priority_class;
  uint8_t gprs_hcs_thr;
  uint8_t time_group_present;
  uint8_t time_group;
  uint8_t guar_present;
  uint8_t guar_constant_pwr_blks;
};

struct CompactNeighbourCell {
  uint16_t start_frequency;
  CompactCellSelection first;
  uint8_t nr_of_remaining_cells;
  uint8_t freq_diff_length;
  uint8_t count;
  struct {
    uint16_t frequency_diff;
    CompactCellSelection params;
  } cells[15];
};

struct Si19RestOctets {
  uint8_t present;
  uint8_t change_mark;
  uint8_t index;
  uint8_t last;
  uint8_t count;
  CompactNeighbourCell neighbours[4];
};

uint32_t decode_si19_rest_octets(Si19RestOctets& ro, const BitBuffer& b);

int render_si19_rest_octets(const Si19RestOctets& ro, OutputText& out);

}  // namespace l3
