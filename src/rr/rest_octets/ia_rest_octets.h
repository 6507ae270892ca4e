// IA rest octets (IMMEDIATE ASSIGNMENT) and IAR rest octets (IMMEDIATE
// ASSIGNMENT REJECT). Choice and presence bits are plain bits, except the
// release additions (R99 up to release 13 for the packet assignments), the
// single block's power control and the IAR Extended RA flags, read as L/H
// against the 0x2B filler.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"
#include "rr/elements/channel_elements.h"

namespace l3 {

struct IaPowerControl {
  uint8_t present;
  uint8_t p0;
  uint8_t bts_pwr_ctrl_mode;
  uint8_t pr_mode;
};

struct IaPacketUplinkAssignment {
  uint8_t assignment;  // 0: single block allocation, 1: TFI assignment follows
  uint8_t tfi;
  uint8_t polling;
  uint8_t fixed;  // 0: dynamic allocation, 1: fixed allocation
  uint8_t usf;
  uint8_t usf_granularity;
  uint8_t bitmap_length;
  uint32_t bitmap;
  IaPowerControl power;
  uint8_t channel_coding_command;
  uint8_t tlli_block_channel_coding;
  uint8_t alpha_present;
  uint8_t alpha;
  uint8_t gamma;
  uint8_t tai_present;
  uint8_t tai;
  uint8_t starting_time_present;
  uint16_t starting_time;
  uint8_t extended_ra_present;
  uint8_t extended_ra;
  uint8_t pfi_present;  // release 6
  uint8_t pfi;
};

struct IaPacketDownlinkAssignment {
  uint32_t tlli;
  uint8_t tfi_present;
  uint8_t tfi;
  uint8_t rlc_mode;
  uint8_t alpha_present;
  uint8_t alpha;
  uint8_t gamma;
  uint8_t polling;
  uint8_t ta_valid;
  uint8_t tai_present;
  uint8_t tai;
  uint8_t starting_time_present;
  uint16_t starting_time;
  IaPowerControl power;
  uint8_t egprs_present;
  uint8_t egprs_window_size;
  uint8_t link_quality_measurement_mode;
  uint8_t bep_period2_present;
  uint8_t bep_period2;
  uint8_t pfi_present;  // release 6
  uint8_t pfi;
  uint8_t rel7_present;
  uint8_t npm_present;
  uint8_t npm_transfer_time;
  uint8_t tti_mode;  // 0: RTTI, 1: BTTI
  uint8_t event_based_fanr_present;
  uint8_t event_based_fanr;
  uint8_t pdch_pair_indication;  // RTTI only
  uint8_t egprs_level;
};

struct EgprsPacketUplinkAssignment {
  uint8_t extended_ra;
  uint8_t access_tech_count;
  uint8_t access_tech[8];
  uint8_t assignment;  // 1: TFI assignment, 0: multi block allocation
  uint8_t tfi;
  uint8_t polling;
  uint8_t fixed;
  uint8_t usf;
  uint8_t usf_granularity;
  uint8_t bitmap_length;
  uint32_t bitmap;
  IaPowerControl power;
  uint8_t egprs_channel_coding_command;
  uint8_t tlli_block_channel_coding;
  uint8_t bep_period2_present;
  uint8_t bep_period2;
  uint8_t resegment;
  uint8_t egprs_window_size;
  uint8_t alpha_present;
  uint8_t alpha;
  uint8_t gamma;
  uint8_t tai_present;
  uint8_t tai;
  uint8_t starting_time_present;
  uint16_t starting_time;
  uint8_t radio_blocks;
};

struct IaFrequencyParameters {
  uint8_t length;
  uint8_t maio;
  MobileAllocation ma;  // the octets after MAIO, cut to those in the message
};

struct IaRestOctets {
  uint8_t present;
  uint8_t kind;  // IaRestKind
  IaPacketUplinkAssignment uplink;
  IaPacketDownlinkAssignment downlink;
  EgprsPacketUplinkAssignment egprs;
  IaFrequencyParameters frequency;
  uint8_t second_part_ra_present;
  uint8_t second_part_ra;
  // Release 10 and 13 additions after a packet assignment.
  uint8_t implicit_reject_present;
  uint8_t implicit_reject_cs;
  uint8_t implicit_reject_ps;
  uint8_t peo_present;
  uint8_t peo_bcch_change_mark;
  uint8_t rcc;
  // After a dedicated assignment (LL) or frequency parameters (HL): H asks
  // for the compressed INTER RAT HANDOVER INFO; release 13 adds the PS
  // implicit reject to the PEO fields.
  uint8_t compressed_ho_info;
  uint8_t peo_implicit_reject_ps;
};

enum IaRestKind : uint8_t {
  kIaRestNone = 0,
  kIaRestEgprsUplink,
  kIaRestFrequencyParameters,
  kIaRestSecondPart,
  kIaRestDownlink,
  kIaRestUplink,
};

void decode_ia_rest_octets(IaRestOctets& r, const BitBuffer& b);
void render_ia_rest_octets(const IaRestOctets& r, OutputText& out);

struct IarRestOctets {
  uint8_t present;
  uint8_t extended_ra_present[4];
  uint8_t extended_ra[4];
};

void decode_iar_rest_octets(IarRestOctets& r, const BitBuffer& b);
void render_iar_rest_octets(const IarRestOctets& r, OutputText& out);

}  // namespace l3
