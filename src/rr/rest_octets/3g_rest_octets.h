// SI 2quater rest octets (the ten groups, then the Release 5 to 8 additions) and the
// SI 19 COMPACT neighbour cell information. Each decoder returns the bit
// position after the last field read.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

struct ReportingThreshold {
  uint8_t present;
  uint8_t offset;
  uint8_t threshold;
};

struct Si2qMeasurementParameters {
  uint8_t report_type;
  uint8_t serving_band_reporting;
};

// One list of real time differences: RTD structs, each the values of one
// BA index in turn.
struct RtdList {
  uint8_t present;
  uint8_t ba_index_start_present;
  uint8_t ba_index_start;
  uint8_t struct_count;  // RTD structs read
  uint8_t count;         // values stored
  struct {
    uint8_t struct_index;  // 0-based, the struct the value belongs to
    uint16_t value;
  } values[32];
};

struct GprsRealTimeDifference {
  RtdList rtd6;
  RtdList rtd12;
};

struct GprsBsicDescription {
  uint8_t ba_index_start_present;
  uint8_t ba_index_start;
  uint8_t bsic;
  uint8_t number_remaining;
  uint8_t count;  // entries stored
  struct {
    uint8_t frequency_scrolling;
    uint8_t bsic;
  } entries[24];
};

struct ReportPriorityDescription {
  uint8_t number_cells;
  uint8_t rep_priority[128];
};

struct GprsMeasurementParameters {
  uint8_t report_type;
  uint8_t reporting_rate;
  uint8_t invalid_bsic_reporting;
  uint8_t multiband_present;
  uint8_t multiband_reporting;
  uint8_t serving_band_present;
  uint8_t serving_band_reporting;
  uint8_t scale_ord;
  ReportingThreshold band[5];  // 900, 1800, 400, 1900, 850
};

struct NcMeasurementParameters {
  uint8_t network_control_order;
  uint8_t periods_present;
  uint8_t nc_non_drx_period;
  uint8_t nc_reporting_period_i;
  uint8_t nc_reporting_period_t;
};

struct Si2qExtension {
  uint8_t length;
  uint8_t ccn_present;
  uint8_t ccn_number_cells;
  uint8_t ccn_supported[128];
};

// Repeated UTRAN neighbour cells of one UARFCN; cells hold the values the
// range-coded cell information resolves to.
struct UtranNeighbours {
  uint16_t arfcn;
  uint8_t indic0;
  uint8_t nr_of_cells;
  uint8_t cell_count;  // W values read
  uint16_t w[21];      // 1-based
  uint16_t cell[21];   // 1-based resolved cell information
};

struct UtranDescription {
  uint8_t present;
  uint8_t bandwidth_present;
  uint8_t bandwidth;
  uint8_t count;
  UtranNeighbours entries[8];
};

struct Neighbour3gDescription {
  uint8_t index_start_3g_present;
  uint8_t index_start_3g;
  uint8_t absolute_index_start_emr_present;
  uint8_t absolute_index_start_emr;
  UtranDescription fdd;
  UtranDescription tdd;
};

struct Measurement3gParameters {
  uint8_t qsearch_i;
  uint8_t qsearch_c_initial;
  uint8_t fdd_present;
  uint8_t fdd_qoffset;
  uint8_t fdd_rep_quant;
  uint8_t fdd_multirat_reporting;
  uint8_t fdd_qmin;
  uint8_t tdd_present;
  uint8_t tdd_qoffset;
  uint8_t tdd_multirat_reporting;
};

struct Gprs3gMeasurementParameters {
  uint8_t qsearch_p;
  uint8_t search_prio_3g;
  uint8_t fdd_quant_present;
  uint8_t fdd_rep_quant;
  uint8_t fdd_multirat_reporting;
  ReportingThreshold fdd;
  uint8_t tdd_multirat_present;
  uint8_t tdd_multirat_reporting;
  ReportingThreshold tdd;
};

template <class T>
struct Group {
  uint8_t present;
  T value;
};

// Additions of Releases 5 to 8, behind L/H marks after the ten groups.
struct PcidGroup {
  uint8_t pcid_count;
  uint16_t pcid[16];
  uint8_t bitmap_group_present;
  uint8_t bitmap_group;
  uint8_t pattern_count;
  struct {
    uint8_t length;  // PCID_Pattern_length: the pattern has length + 1 bits
    uint8_t pattern;
    uint8_t sense;
  } patterns[4];
};

struct FrequencyIndexList {
  uint8_t count;
  uint8_t index[16];
};

struct UtranPriority {
  FrequencyIndexList frequencies;
  uint8_t priority_present;
  uint8_t priority;
  uint8_t thresh_high;
  uint8_t thresh_low_present;
  uint8_t thresh_low;
  uint8_t qrxlevmin_present;
  uint8_t qrxlevmin;
};

struct EutranNeighbours {
  uint8_t earfcn_count;
  struct {
    uint16_t earfcn;
    uint8_t bandwidth_present;
    uint8_t bandwidth;
  } earfcns[8];
  uint8_t priority_present;
  uint8_t priority;
  uint8_t thresh_high;
  uint8_t thresh_low_present;
  uint8_t thresh_low;
  uint8_t qrxlevmin_present;
  uint8_t qrxlevmin;
};

struct EutranReporting {
  uint8_t present;
  uint8_t value;  // threshold (3 bits) or measurement report offset (6 bits)
  uint8_t threshold_2_present;
  uint8_t threshold_2;
  uint8_t offset_present;
  uint8_t offset;
};

struct EutranMeasurementParameters {
  uint8_t qsearch;
  uint8_t rep_quant;
  uint8_t multirat_reporting;
  uint8_t report_offsets;  // the choice bit: 1 = measurement report offsets
  EutranReporting fdd;
  EutranReporting tdd;
  uint8_t reporting_granularity;
};

struct NotAllowedCells {
  PcidGroup cells;
  FrequencyIndexList frequencies;
};

struct PcidToTaMapping {
  uint8_t group_count;
  PcidGroup groups[2];
  FrequencyIndexList frequencies;
};

struct EutranParameters {
  uint8_t ccn_active;
  uint8_t start;
  uint8_t stop;
  Group<EutranMeasurementParameters> measurement;
  Group<EutranMeasurementParameters> gprs_measurement;  // no choice bit nor granularity
  uint8_t neighbour_count;
  EutranNeighbours neighbours[6];
  uint8_t not_allowed_count;
  NotAllowedCells not_allowed[3];
  uint8_t ta_mapping_count;
  PcidToTaMapping ta_mapping[2];
};

struct ServingCellPriority {
  uint8_t geran_priority;
  uint8_t thresh_priority_search;
  uint8_t thresh_gsm_low;
  uint8_t h_prio;
  uint8_t t_reselection;
};

struct UtranPriorityParameters {
  uint8_t start;
  uint8_t stop;
  uint8_t default_present;
  uint8_t default_priority;
  uint8_t default_thresh;
  uint8_t default_qrxlevmin;
  uint8_t count;
  UtranPriority entries[6];
};

struct PriorityEutranParameters {
  Group<ServingCellPriority> serving;
  Group<UtranPriorityParameters> utran;
  Group<EutranParameters> eutran;
};

struct Si2quaterAdditions {
  uint8_t rel5;
  uint8_t fdd_additional_present;
  uint8_t fdd_qmin_offset;
  uint8_t fdd_rscpmin;
  uint8_t additional_2_present;
  uint8_t fdd_threshold_2_present;
  uint8_t fdd_reporting_threshold_2;
  uint8_t rel6;
  uint8_t ccn_active_3g;
  uint8_t rel7;
  ReportingThreshold band700;
  ReportingThreshold band810;
  uint8_t rel8;
  Group<PriorityEutranParameters> priority;
  uint8_t csg_3g;      // present, not walked: the block ends there
  uint8_t csg_eutran;  // likewise
};

struct Si2quaterRestOctets {
  uint8_t present;
  uint8_t ba_ind;
  uint8_t ba_ind_3g;
  uint8_t mp_change_mark;
  uint8_t index;
  uint8_t count;
  Group<Si2qMeasurementParameters> measurement;
  Group<GprsRealTimeDifference> rtd;
  Group<GprsBsicDescription> bsic;
  Group<ReportPriorityDescription> report_priority;
  Group<GprsMeasurementParameters> gprs_measurement;
  Group<NcMeasurementParameters> nc_measurement;
  Group<Si2qExtension> extension;
  Group<Neighbour3gDescription> neighbours_3g;
  Group<Measurement3gParameters> measurement_3g;
  Group<Gprs3gMeasurementParameters> gprs_measurement_3g;
  Si2quaterAdditions additions;
};

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

uint32_t decode_si2quater_rest_octets(Si2quaterRestOctets& ro, const BitBuffer& b);
uint32_t decode_si19_rest_octets(Si19RestOctets& ro, const BitBuffer& b);

int render_si2quater_rest_octets(const Si2quaterRestOctets& ro, OutputText& out);
int render_si19_rest_octets(const Si19RestOctets& ro, OutputText& out);

// Resolves range-coded values W(1..n) (range 1024 or 512 tree, without an
// origin) into F(1..n); entries with W(k) = 0 stay 0.
void resolve_range_tree(const uint16_t* w, uint16_t* f, uint32_t n, int32_t range);

}  // namespace l3
