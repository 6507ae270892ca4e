// Mobile station classmarks 1 and 2, shared by MM, RR and CC.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

struct Classmark1 {
  uint8_t revision_level;
  uint8_t es_ind;
  uint8_t rf_power_capability;
  uint8_t a5_1;
};

struct Classmark2 {
  uint8_t extended;  // 1 when LCS VA capability and UCS2 were read
  uint8_t revision_level;
  uint8_t es_ind;
  uint8_t a5_1;
  uint8_t rf_power_capability;
  uint8_t ps_capability;
  uint8_t ss_screening_indicator;
  uint8_t sm_capability;
  uint8_t vbs_notification;
  uint8_t vgcs_notification;
  uint8_t fc_frequency_capability;
  uint8_t cm3;
  uint8_t lcs_va_capability;
  uint8_t ucs2_treatment;
  uint8_t solsa;
  uint8_t cmsp;
  uint8_t a5_3;
  uint8_t a5_2;
};

// Buffer: the 1 value octet.
void decode_classmark1(Classmark1& c, const BitBuffer& b);
int render_classmark1(const Classmark1& c, OutputText& out);

// Buffer: the value octets (value form). LCS VA capability and UCS2 are read
// only when the direction byte's top two bits are 01.
void decode_classmark2(Classmark2& c, const BitBuffer& b, uint8_t direction);
int render_classmark2(const Classmark2& c, OutputText& out);

}  // namespace l3
