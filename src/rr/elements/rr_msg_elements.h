// RR elements carried only by the dedicated, paging and assignment messages:
// their parts, decoders and renderers.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

// An L/H bit of rest octets that start on an octet boundary: H is the value
// that differs from the 0x2B filler at that bit position, so filler reads as
// L (absent). True for H.
inline bool rest_high_bit(BitCursor& c) {
  const uint32_t filler = (0x2Bu >> (7 - (c.pos & 7))) & 1u;
  return c.bits(1) != filler;
}

// Group call reference as RR renders it (value octets, 36 bits used).
struct RrGroupCallRef {
  uint32_t binary_code;  // 27 bits
  uint8_t sf;
  uint8_t af;
  uint8_t call_priority;
  uint8_t ciphering_info;
};
void decode_rr_group_call_ref(RrGroupCallRef& g, BitCursor& c);
void render_rr_group_call_ref(const RrGroupCallRef& g, OutputText& out);

struct ChannelRequestDescription {
  uint8_t mt_mo;
  uint8_t priority;
  uint8_t rlc_mode;
  uint8_t llc_frame_type;
  uint16_t requested_bandwidth;
  uint16_t rlc_octet_count;
};
void decode_channel_request_description(ChannelRequestDescription& d, const BitBuffer& b);
void render_channel_request_description(const ChannelRequestDescription& d, OutputText& out);

struct GprsMeasurementResults {
  uint8_t c_value;
  uint8_t rxqual;
  uint8_t sign_var;
};
void decode_gprs_measurement_results(GprsMeasurementResults& m, const BitBuffer& b);
void render_gprs_measurement_results(const GprsMeasurementResults& m, OutputText& out);

// Length-led buffers from here on: bits 0..7 hold the length octet.
struct MultislotAllocation {
  uint8_t length;
  uint8_t da;
  uint8_t ua_present;
  uint8_t ua;
  uint8_t set_count;
  uint8_t channel_sets[8];
};
void decode_multislot_allocation(MultislotAllocation& m, const BitBuffer& b);
void render_multislot_allocation(const MultislotAllocation& m, OutputText& out);

struct MultiRateConfiguration {
  uint8_t length;
  uint8_t mr_version;
  uint8_t nscb;
  uint8_t icmi;
  uint8_t start_mode;
  uint8_t codec_set;  // bit 7 = 12,2 kbit/s ... bit 0 = 4,75 kbit/s
  uint8_t threshold[3];
  uint8_t hysteresis[3];
};
void decode_multirate_configuration(MultiRateConfiguration& m, const BitBuffer& b);
int render_multirate_configuration(const MultiRateConfiguration& m, OutputText& out);

struct DynamicArfcnMappingElement {
  uint8_t length;
  uint8_t count;
  struct Entry {
    uint8_t gsm_band;
    uint16_t arfcn_first;
    uint16_t band_offset;
    uint8_t arfcn_range;
  } entries[16];
};
void decode_dynamic_arfcn_mapping_element(DynamicArfcnMappingElement& m, const BitBuffer& b);
void render_dynamic_arfcn_mapping_element(const DynamicArfcnMappingElement& m, OutputText& out);

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

// Routeing area identification (6 value octets).
struct RrRoutingArea {
  uint8_t mcc[3];
  uint8_t mnc[3];
  uint16_t lac;
  uint8_t rac;
};
void decode_rr_routing_area(RrRoutingArea& r, const BitBuffer& b);
void render_rr_routing_area(const RrRoutingArea& r, OutputText& out);

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

// Packet timing advance of the DTM packet assignments.
struct PacketTimingAdvance {
  uint8_t value_present;
  uint8_t value;
  uint8_t index_present;
  uint8_t index;
  uint8_t timeslot;
};

// RR packet uplink assignment of DTM ASSIGNMENT COMMAND (length-led): dynamic
// and single block allocations with their EGPRS parameters. The fixed
// allocation (11) is rendered by its allocation value only.
struct RrPacketUplinkAssignment {
  uint8_t length;
  uint8_t channel_coding_command;
  uint8_t tlli_block_channel_coding;
  PacketTimingAdvance timing_advance;
  uint8_t allocation;  // 1: dynamic (decoded), 2: single block, 3: fixed, 0: extension
  uint8_t extended_dynamic;
  uint8_t p0_present;
  uint8_t p0;
  uint8_t pr_mode;
  uint8_t usf_granularity;
  uint8_t tfi_present;
  uint8_t tfi;
  uint8_t blocks_granted_present;
  uint8_t blocks_granted;
  // Timeslot allocation: USF per timeslot, with ALPHA and a GAMMA per
  // timeslot when power control parameters come with it.
  uint8_t ts_power_control;
  uint8_t ts_alpha;
  uint8_t usf_present[8];
  uint8_t usf[8];
  uint8_t gamma[8];
  // Single block allocation.
  uint8_t sb_timeslot;
  uint8_t sb_alpha_present;
  uint8_t sb_alpha;
  uint8_t sb_gamma;
  uint8_t sb_power_present;
  uint8_t sb_p0;
  uint8_t sb_bts_pwr_ctrl_mode;
  uint8_t sb_pr_mode;
  // EGPRS parameters, after a dynamic or single block allocation.
  uint8_t egprs_present;
  uint8_t egprs_window_size;
  uint8_t egprs_channel_coding_command;
  uint8_t bep_period2_present;
  uint8_t bep_period2;
};
void decode_rr_packet_uplink_assignment(RrPacketUplinkAssignment& a, const BitBuffer& b);
void render_rr_packet_uplink_assignment(const RrPacketUplinkAssignment& a, OutputText& out);

// RR packet downlink assignment of DTM ASSIGNMENT COMMAND (length-led).
struct RrPacketDownlinkAssignment {
  uint8_t length;
  uint8_t mac_mode;
  uint8_t rlc_mode;
  uint8_t timeslot_allocation;
  PacketTimingAdvance timing_advance;
  uint8_t p0_present;
  uint8_t p0;
  uint8_t bts_pwr_ctrl_mode;
  uint8_t pr_mode;
  uint8_t power_control_present;
  uint8_t alpha;
  uint8_t gamma_present[8];
  uint8_t gamma[8];
  uint8_t tfi_present;
  uint8_t tfi;
  uint8_t measurement_present;
  uint16_t measurement_starting_time;
  uint8_t measurement_interval;
  uint8_t measurement_bitmap;
  uint8_t egprs_present;
  uint8_t egprs_window_size;
  uint8_t link_quality_measurement_mode;
  uint8_t bep_period2_present;
  uint8_t bep_period2;
};
void decode_rr_packet_downlink_assignment(RrPacketDownlinkAssignment& a, const BitBuffer& b);
void render_rr_packet_downlink_assignment(const RrPacketDownlinkAssignment& a, OutputText& out);

// DTM information details of DTM INFORMATION (length-led), with the release 6
// MBMS additions.
struct DtmInformationDetails {
  uint8_t length;
  uint8_t max_lapdm;
  uint8_t txpwr_present;
  uint8_t gprs_ms_txpwr_max_cch;
  uint8_t cell_identity_present;
  uint16_t cell_identity;
  uint8_t mbms_present;
  uint8_t dedicated_mode_mbms_notification;
  uint8_t mnci_support;
};
void decode_dtm_information_details(DtmInformationDetails& d, const BitBuffer& b);
void render_dtm_information_details(const DtmInformationDetails& d, OutputText& out);

// Shared small blocks.
int render_rr_priority(uint8_t value, OutputText& out);
void render_rr_packet_page_indication(uint8_t value, OutputText& out);
void render_rr_p0(uint8_t value, OutputText& out);
void render_rr_alpha(uint8_t value, OutputText& out);
void render_rr_egprs_window_size(uint8_t value, OutputText& out);
void render_rr_channel_coding_command(uint8_t value, OutputText& out);
void render_rr_cksn(uint8_t cksn, OutputText& out);
void render_rr_tlli(uint32_t tlli, OutputText& out);
void render_rr_tmsi(uint32_t tmsi, OutputText& out);
void render_rr_max_lapdm(uint8_t value, OutputText& out);
void render_rr_cause_element(uint8_t cause, OutputText& out);
int render_group_cipher_key_number(uint8_t value, OutputText& out);

}  // namespace l3
