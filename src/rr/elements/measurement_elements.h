// Measurement elements: measurement results, the BA and UTRAN lists, 3G
// target cell, classmark 3.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

struct GprsMeasurementResults {
  uint8_t c_value;
  uint8_t rxqual;
  uint8_t sign_var;
};

void decode_gprs_measurement_results(GprsMeasurementResults& m, const BitBuffer& b);

void render_gprs_measurement_results(const GprsMeasurementResults& m, OutputText& out);

struct Target3gCell {
  uint8_t length;
  uint8_t fdd_present;
  uint8_t fdd_bandwidth_present;
  uint8_t fdd_bandwidth;
  uint16_t fdd_arfcn;
  uint16_t scrambling_code;
  uint8_t fdd_diversity;
  uint8_t tdd_present;
  uint8_t tdd_bandwidth_present;
  uint8_t tdd_bandwidth;
  uint16_t tdd_arfcn;
  uint8_t cell_parameter;
  uint8_t sync_case;
  uint8_t tdd_diversity;
};

void decode_3g_target_cell(Target3gCell& t, const BitBuffer& b);

int render_3g_target_cell(const Target3gCell& t, OutputText& out);

struct BaRange {
  uint8_t length;
  uint8_t number_of_ranges;
  uint8_t count;  // ranges that fit in the element
  uint16_t lower[64];
  uint16_t higher[64];
};

void decode_ba_range(BaRange& r, const BitBuffer& b);

void render_ba_range(const BaRange& r, OutputText& out);

struct BaListPref {
  uint8_t length;
  uint8_t range_count;
  uint16_t range_lower[32];
  uint16_t range_upper[32];
  uint8_t freq_count;
  uint16_t freqs[128];
};

void decode_ba_list_pref(BaListPref& p, const BitBuffer& b);

void render_ba_list_pref(const BaListPref& p, OutputText& out);

struct UtranFreqList {
  uint8_t length;
  uint8_t fdd_count;
  uint16_t fdd[64];
  uint8_t tdd_count;
  uint16_t tdd[64];
};

void decode_utran_freq_list(UtranFreqList& u, const BitBuffer& b);

void render_utran_freq_list(const UtranFreqList& u, OutputText& out);

// Measurement results of MEASUREMENT REPORT (16 octets).
struct MeasurementResults {
  uint8_t ba_used;
  uint8_t dtx_used;
  uint8_t rxlev_full;
  uint8_t ba_used_3g;
  uint8_t meas_valid;
  uint8_t rxlev_sub;
  uint8_t rxqual_full;
  uint8_t rxqual_sub;
  uint8_t no_ncell_m;
  uint8_t rxlev_ncell[6];
  uint8_t bcch_freq_ncell[6];
  uint8_t bsic_ncell[6];
};

void decode_measurement_results(MeasurementResults& m, const BitBuffer& b);

void render_measurement_results(const MeasurementResults& m, OutputText& out);

struct ExtendedMeasurementResults {
  uint8_t unused;  // never written
  uint8_t sc_used;
  uint8_t dtx_used;
  uint8_t rxlev_carrier[21];
};

void decode_extended_measurement_results(ExtendedMeasurementResults& m, const BitBuffer& b);

void render_extended_measurement_results(const ExtendedMeasurementResults& m, OutputText& out);

// Mobile station classmark 3, as far as the measurement capability.
struct Classmark3 {
  uint8_t present;
  uint8_t multiband_supported;
  uint8_t band1;
  uint8_t band2;
  uint8_t band3;
  uint8_t a5_7;
  uint8_t a5_6;
  uint8_t a5_5;
  uint8_t a5_4;
  uint8_t radio_capability2;
  uint8_t radio_capability1;
  uint8_t r_support;
  uint8_t r_gsm_capability;
  uint8_t hscsd_multislot;
  uint8_t hscsd_class;
  uint8_t ucs2_treatment;
  uint8_t extended_measurement;
  uint8_t ms_measurement;
  uint8_t sms_value;
  uint8_t sm_value;
};

void decode_classmark3(Classmark3& c, const BitBuffer& b);

void render_classmark3(const Classmark3& c, OutputText& out);

}  // namespace l3
