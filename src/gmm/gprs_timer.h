// GPRS timer octet (unit in bits 6 to 8, value in bits 1 to 5): shared by the
// GMM and SM renderers.
#pragma once

#include <cstdint>

#include "core/output.h"

namespace l3 {

// <GPRS Timer> with its unit and value. Returns 1.
int render_gprs_timer(uint8_t timer, OutputText& out);

// The same block under <T3302 Value>. Returns 1.
int render_t3302_value(uint8_t timer, OutputText& out);

}  // namespace l3
