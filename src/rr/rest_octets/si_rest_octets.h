// Rest octets of SI 1, 3, 4, 6, 7, 8 and 9: CSN.1 walks over the block that
// follows the message's fixed elements. Each decoder returns the bit position
// after the last field read.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

struct Si1RestOctets {
  uint8_t nch_present;
  uint8_t nch_position;
  uint8_t band_indicator;
};

struct SelectionParameters {
  uint8_t present;
  uint8_t cbq;
  uint8_t cell_reselect_offset;
  uint8_t temporary_offset;
  uint8_t penalty_time;
};

struct GprsIndicator {
  uint8_t present;
  uint8_t ra_colour;
  uint8_t si13_position;
};

struct Si3RestOctets {
  SelectionParameters selection;
  uint8_t power_offset_present;
  uint8_t power_offset;
  uint8_t si2ter_indicator;
  uint8_t early_classmark_sending;
  uint8_t where_present;
  uint8_t where;
  GprsIndicator gprs;
  uint8_t early_classmark_restriction_3g;
  uint8_t si2quater_present;
  uint8_t si2quater_position;
  uint32_t end;  // bit position after the last field
};

struct LsaIdEntry {
  uint8_t is_short;
  uint32_t id;  // 24-bit LSA_ID or 10-bit ShortLSA_ID
};

// The S part, also the whole block of SI 7 and SI 8.
struct Si4RestOctetsS {
  uint8_t present;
  uint8_t lsa_present;
  uint8_t prio_thr;
  uint8_t lsa_offset;
  uint8_t mcc_mnc_present;
  uint16_t mcc;
  uint16_t mnc;
  uint8_t cell_identity_present;
  uint16_t cell_identity;
  uint8_t lsa_count;
  LsaIdEntry lsa[16];
};

struct Si4RestOctets {
  SelectionParameters selection;
  uint8_t power_offset_present;
  uint8_t power_offset;
  GprsIndicator gprs;
  uint8_t break_present;
  uint8_t break_indicator;
  Si4RestOctetsS s;
};

struct Si6RestOctets {
  uint8_t pch_nch_present;
  uint8_t paging_restructuring;
  uint8_t nln_sacch;
  uint8_t call_priority_present;
  uint8_t call_priority;
  uint8_t nln_status;
  uint8_t vbs_vgcs_present;
  uint8_t inband_notifications;
  uint8_t inband_pagings;
  uint8_t dtm_support;
  uint8_t rac;
  uint8_t max_lapdm;
  uint8_t band_indicator;
};

struct Si9SchedulingInfo {
  uint8_t info_type_kind;  // 0: none read, 4, 5 or 6: Info_type_4/5/6
  uint8_t info_type;
  uint8_t position_count;
  uint16_t positions[16];
};

struct Si9RestOctets {
  uint8_t count;
  Si9SchedulingInfo entries[16];
};

uint32_t decode_si1_rest_octets(Si1RestOctets& ro, const BitBuffer& b);
uint32_t decode_si3_rest_octets(Si3RestOctets& ro, const BitBuffer& b);
uint32_t decode_si4_rest_octets_o(Si4RestOctets& ro, const BitBuffer& b);
uint32_t decode_si4_rest_octets_s(Si4RestOctetsS& s, const BitBuffer& b, uint32_t pos);
uint32_t decode_si4_rest_octets(Si4RestOctets& ro, const BitBuffer& b);
uint32_t decode_si6_rest_octets(Si6RestOctets& ro, const BitBuffer& b);
uint32_t decode_si7_rest_octets(Si4RestOctetsS& s, const BitBuffer& b);
uint32_t decode_si9_rest_octets(Si9RestOctets& ro, const BitBuffer& b);

int render_si1_rest_octets(const Si1RestOctets& ro, OutputText& out);
int render_si3_rest_octets(const Si3RestOctets& ro, OutputText& out);
int render_si4_rest_octets(const Si4RestOctets& ro, OutputText& out);
int render_si4_rest_octets_o(const Si4RestOctets& ro, OutputText& out);
int render_si4_rest_octets_s(const Si4RestOctetsS& s, OutputText& out);
int render_si6_rest_octets(const Si6RestOctets& ro, OutputText& out);
int render_si9_rest_octets(const Si9RestOctets& ro, OutputText& out);

}  // namespace l3
