// Packet elements of the DTM and GPRS messages: channel request description,
// multislot allocation, routing area, packet timing advance, the RR packet
// assignments and DTM information details.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

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

// Routeing area identification (6 value octets).
struct RrRoutingArea {
  uint8_t mcc[3];
  uint8_t mnc[3];
  uint16_t lac;
  uint8_t rac;
};

void decode_rr_routing_area(RrRoutingArea& r, const BitBuffer& b);

void render_rr_routing_area(const RrRoutingArea& r, OutputText& out);

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

void render_rr_egprs_window_size(uint8_t value, OutputText& out);

void render_rr_channel_coding_command(uint8_t value, OutputText& out);

}  // namespace l3
