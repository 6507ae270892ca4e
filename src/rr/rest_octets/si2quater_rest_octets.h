// SI 2quater rest octets: the ten groups, then the Release 5 to 8 additions.
// Each decoder returns the bit position after the last field read.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"
#include "rr/rest_octets/si2quater_additions.h"

namespace l3 {

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

uint32_t decode_si2quater_rest_octets(Si2quaterRestOctets& ro, const BitBuffer& b);

int render_si2quater_rest_octets(const Si2quaterRestOctets& ro, OutputText& out);

// Resolves range-coded values W(1..n) (range 1024 or 512 tree, without an
// origin) into F(1..n); entries with W(k) = 0 stay 0.
void resolve_range_tree(const uint16_t* w, uint16_t* f, uint32_t n, int32_t range);

}  // namespace l3
