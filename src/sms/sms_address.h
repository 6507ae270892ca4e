// RP and TP addresses: decoding and the address fields both layers render.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"
#include "sms/sms_records.h"

namespace l3 {

// Octet i of b; 0 past the end, like every field of a truncated TPDU.
inline uint8_t octet_at(const BitBuffer& b, uint32_t i) { return i < b.count / 8 ? b.octets[i] : 0; }

// b holds the address's length octet (octets) and its value.
void decode_rp_address(RpAddress& a, const BitBuffer& b);

// A TP address at octet `at` of b: digit count, type octet, then the digits.
// Returns the octet position after the address.
uint32_t decode_tp_address(RpAddress& a, const BitBuffer& b, uint32_t at);

// Type of number, numbering plan and digits.
int render_address_fields(const RpAddress& a, OutputText& out);

}  // namespace l3
