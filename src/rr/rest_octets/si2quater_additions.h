// SI 2quater rest octets, Release 5 to 8 additions behind L/H marks after the
// ten groups, with the two pieces the ten groups share: Group<T> and the
// reporting offset/threshold pair.
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

// The additions walk, from the first L/H mark after the ten groups.
void decode_si2quater_additions(Si2quaterAdditions& a, BitCursor& c);
void render_si2quater_additions(const Si2quaterAdditions& a, OutputText& out);

// A reporting offset and threshold pair: decoded in the ten groups and in the
// additions, rendered under the caller's two tag names.
void decode_reporting_threshold(ReportingThreshold& t, BitCursor& c);
void render_reporting_threshold(const ReportingThreshold& t, const TagText& offset, const TagText& threshold,
                                OutputText& out);

}  // namespace l3
