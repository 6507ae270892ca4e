// MS network capability and MS radio access capability: what the mobile
// station can do, as carried in attach and routing area update requests.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

struct MsNetworkCapability {
  uint8_t length;
  uint8_t gea1;
  uint8_t sm_dedicated;
  uint8_t sm_gprs;
  uint8_t ucs2;
  uint8_t ss_screening_indicator;
  uint8_t solsa;
  uint8_t revision_level;
  uint8_t pfc_feature_mode;
  uint8_t gea2;
  uint8_t gea3;
  uint8_t gea4;
  uint8_t gea5;
  uint8_t gea6;
  uint8_t gea7;
  uint8_t lcs_va;
};

// An access technology with the capabilities of the entry before it.
struct AdditionalAccessTechnology {
  uint8_t access_technology_type;
  uint8_t gmsk_power_class;
  uint8_t psk8_power_class;
};

struct RadioAccessEntry {
  uint8_t access_technology_type;
  uint8_t has_value_part;
  uint8_t rf_power_capability;
  uint8_t has_a5_bits;
  uint8_t a5[7];  // A5/1 to A5/7
  uint8_t es_ind;
  uint8_t ps;
  uint8_t vgcs;
  uint8_t vbs;
  uint8_t has_multislot_capability;
  uint8_t has_hscsd_class;
  uint8_t hscsd_multislot_class;
  uint8_t has_gprs_class;
  uint8_t gprs_multislot_class;
  uint8_t gprs_extended_dynamic_allocation;
  uint8_t has_sms_values;
  uint8_t sm_value;
  uint8_t sms_value;
  // Type 1111: a list of additional access technologies instead of a value part.
  uint8_t additional_count;
  AdditionalAccessTechnology additional[12];  // 10 bits each in at most 127
};

struct MsRadioAccessCapability {
  uint8_t count;
  RadioAccessEntry entries[10];  // 1 to 9; slot 0 unused
};

// Length-led form: the length octet, then the value.
void decode_ms_network_capability(MsNetworkCapability& c, const BitBuffer& b);
// Value form. Entries past the ninth are not kept.
void decode_ms_radio_access_capability(MsRadioAccessCapability& c, const BitBuffer& b);

int render_ms_network_capability(const MsNetworkCapability& c, OutputText& out);
int render_ms_radio_access_capability(const MsRadioAccessCapability& c, OutputText& out);

}  // namespace l3
