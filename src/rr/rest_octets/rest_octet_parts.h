// Narrowing of CSN.1 field values into their record slots.
#pragma once

#include <cstdint>

namespace l3::rr_parts {

inline uint8_t u8(uint32_t v) { return static_cast<uint8_t>(v); }
inline uint16_t u16(uint32_t v) { return static_cast<uint16_t>(v); }

}  // namespace l3::rr_parts
