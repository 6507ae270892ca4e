// GPRS rest octets: SI 13 with its GPRS cell description, and the blocks of
// SI 2ter, SI 14/15, SI 16/17 and SI 18/20. Each decoder returns the bit
// position after the last field read.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

struct GprsMobileAllocation {
  uint8_t hsn;
  uint8_t rfl_count;
  uint8_t rfl[32];
  uint8_t index_list;  // 0: MA bitmap, 1: ARFCN index list
  uint8_t ma_length;
  uint8_t ma_bitmap[65];  // entries 1..ma_length + 1
  uint8_t arfcn_index_count;
  uint8_t arfcn_index[32];
};

struct GprsCellOptions {
  uint8_t nmo;
  uint8_t t3168;
  uint8_t t3192;
  uint8_t drx_timer_max;
  uint8_t access_burst_type;
  uint8_t control_ack_type;
  uint8_t bs_cv_max;
  uint8_t pan_present;
  uint8_t pan_dec;
  uint8_t pan_inc;
  uint8_t pan_max;
  uint8_t extension_present;
  uint8_t extension_length;
  uint8_t egprs_present;
  uint8_t egprs_packet_channel_request;
  uint8_t bep_period;
  uint8_t pfc_feature_mode;
  uint8_t dtm_support;
  uint8_t bss_paging_coordination;
};

struct GprsPowerControl {
  uint8_t alpha;
  uint8_t t_avg_w;
  uint8_t t_avg_t;
  uint8_t pc_meas_chan;
  uint8_t n_avg_i;
};

struct PbcchDescription {
  uint8_t pb;
  uint8_t tsc;
  uint8_t tn;
  uint8_t maio_present;
  uint8_t maio;
  uint8_t arfcn_present;
  uint16_t arfcn;
};

struct Si13RestOctets {
  uint8_t present;
  uint8_t bcch_change_mark;
  uint8_t si_change_field;
  uint8_t ma_present;
  uint8_t si13_change_mark;
  GprsMobileAllocation ma;
  uint8_t pbcch_present;  // the choice bit: 1 = PBCCH in the cell
  uint8_t rac;
  uint8_t spgc_ccch_sup;
  uint8_t priority_access_thr;
  uint8_t network_control_order;
  GprsCellOptions cell_options;
  GprsPowerControl power_control;
  uint8_t psi1_repeat_period;
  PbcchDescription pbcch;
  uint8_t sgsnr_present;
  uint8_t sgsnr;
  uint8_t si_status_ind_present;
  uint8_t si_status_ind;
};

struct Si2terRestOctets {
  uint8_t present;
  uint8_t mp_change_mark;
  uint8_t change_mark_3g;
  uint8_t index;
  uint8_t count;
  uint8_t fdd_present;
  uint8_t fdd_arfcn_present;
  uint16_t fdd_arfcn;
  uint8_t fdd_bandwidth_present;
  uint8_t fdd_bandwidth;
  uint8_t tdd_present;
  uint8_t tdd_arfcn_present;
  uint16_t tdd_arfcn;
  uint8_t tdd_bandwidth_present;
  uint8_t tdd_bandwidth;
  uint8_t meas_present;
  uint8_t qsearch_i;
  uint8_t fdd_q_present;
  uint8_t fdd_qoffset;
  uint8_t fdd_qmin;
  uint8_t tdd_q_present;
  uint8_t tdd_qoffset;
};

struct DynamicArfcnEntry {
  uint8_t gsm_band;
  uint16_t arfcn_first;
  uint16_t band_offset;
  uint8_t arfcn_range;
};

struct DynamicArfcnMapping {
  uint8_t count;
  DynamicArfcnEntry entries[8];
};

struct Si14RestOctets {
  uint8_t present;
  uint8_t index;
  uint8_t count;
  uint8_t dm_change_mark;
  DynamicArfcnMapping mapping;
};

struct Si16RestOctets {
  uint8_t present;
  uint8_t lsa_present;
  uint8_t prio_thr;
  uint8_t lsa_offset;
  uint8_t mcc_mnc_present;
  uint16_t mcc;
  uint16_t mnc;
  uint8_t lsa_count;
  struct {
    uint8_t is_long;
    uint32_t id;
  } lsa[16];
};

struct NonGsmMessage {
  uint8_t protocol_discriminator;
  uint8_t nr_of_container_octets;
  uint8_t container;
};

struct Si18RestOctets {
  uint8_t present;
  uint8_t change_mark;
  uint8_t index;
  uint8_t last;
  uint8_t count;
  NonGsmMessage entries[10];
};

uint32_t decode_gprs_mobile_allocation(GprsMobileAllocation& ma, const BitBuffer& b, uint32_t pos);
uint32_t decode_gprs_cell_options(GprsCellOptions& o, const BitBuffer& b, uint32_t pos);
uint32_t decode_gprs_power_control(GprsPowerControl& p, const BitBuffer& b, uint32_t pos);
uint32_t decode_pbcch_description(PbcchDescription& d, const BitBuffer& b, uint32_t pos);
uint32_t decode_si13_rest_octets(Si13RestOctets& ro, const BitBuffer& b);
uint32_t decode_si2ter_rest_octets(Si2terRestOctets& ro, const BitBuffer& b);
uint32_t decode_dynamic_arfcn_mapping(DynamicArfcnMapping& m, const BitBuffer& b, uint32_t pos);
uint32_t decode_si14_rest_octets(Si14RestOctets& ro, const BitBuffer& b);
uint32_t decode_si16_rest_octets(Si16RestOctets& ro, const BitBuffer& b);
uint32_t decode_si18_rest_octets(Si18RestOctets& ro, const BitBuffer& b);

int render_gprs_cell_options(const GprsCellOptions& o, OutputText& out);
int render_gprs_power_control(const GprsPowerControl& p, OutputText& out);
int render_si13_rest_octets(const Si13RestOctets& ro, OutputText& out);
int render_si2ter_rest_octets(const Si2terRestOctets& ro, OutputText& out);
int render_dynamic_arfcn_mapping(const DynamicArfcnMapping& m, OutputText& out);
int render_si14_rest_octets(const Si14RestOctets& ro, OutputText& out);
int render_si16_rest_octets(const Si16RestOctets& ro, OutputText& out);
int render_si18_rest_octets(const Si18RestOctets& ro, OutputText& out);

}  // namespace l3
