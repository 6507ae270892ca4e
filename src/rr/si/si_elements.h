// Cell elements that only the system information messages carry, and the
// small value blocks their rest octets share.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

struct RachControl {
  uint8_t max_retrans;
  uint8_t tx_integer;
  uint8_t cell_bar_access;
  uint8_t re;
  uint8_t access_class[16];  // entry k: the flag at position 8 + k, access class 15 - k
};

struct ControlChannelDescription {
  uint8_t mscr;
  uint8_t att;
  uint8_t bs_ag_blks_res;
  uint8_t ccch_conf;
  uint8_t bs_pa_mfrms;
  uint8_t t3212;
};

struct CellOptionsBcch {
  uint8_t dn_ind;
  uint8_t pwrc;
  uint8_t dtx;
  uint8_t radio_link_timeout;
};

struct CellOptionsSacch {
  uint8_t dtx;  // 3 bits: bit 0 of the octet above the two DTX bits
  uint8_t pwrc;
  uint8_t radio_link_timeout;
};

struct CellSelectionParameters {
  uint8_t cell_reselect_hysteresis;
  uint8_t ms_txpwr_max_cch;
  uint8_t acs;
  uint8_t neci;
  uint8_t rxlev_access_min;
};

void decode_cell_identity(uint16_t& id, const BitBuffer& b);
void decode_rach_control(RachControl& r, const BitBuffer& b);
void decode_control_channel_description(ControlChannelDescription& c, const BitBuffer& b);
void decode_cell_options_bcch(CellOptionsBcch& c, const BitBuffer& b);
void decode_cell_options_sacch(CellOptionsSacch& c, const BitBuffer& b);
void decode_cell_selection_parameters(CellSelectionParameters& p, const BitBuffer& b);

int render_cell_identity(uint16_t id, OutputText& out);
int render_rach_control(const RachControl& r, OutputText& out);
int render_control_channel_description(const ControlChannelDescription& c, OutputText& out);
int render_dtx(uint8_t dtx, OutputText& out);
int render_cell_options_bcch(const CellOptionsBcch& c, OutputText& out);
int render_cell_options_sacch(const CellOptionsSacch& c, OutputText& out);
int render_cell_selection_parameters(const CellSelectionParameters& p, OutputText& out);

// Value blocks of the rest octets.
int render_cell_reselect_offset(uint8_t v, OutputText& out);
int render_temporary_offset(uint8_t v, OutputText& out);
int render_penalty_time(uint8_t v, OutputText& out);
int render_prio_thr(uint8_t v, OutputText& out);
int render_lsa_offset(uint8_t v, OutputText& out);
int render_t3192(uint8_t v, OutputText& out);
int render_si_change_field(uint8_t v, OutputText& out);
int render_priority_access_thr(uint8_t v, OutputText& out);
int render_network_control_order(uint8_t v, OutputText& out);
int render_nr_of_container_octets(uint8_t v, OutputText& out);

}  // namespace l3
