// Bounds of a length-led element buffer, shared by the element decoders.
#pragma once

#include <cstdint>

#include "core/bits.h"

namespace l3::rr_parts {

// Bit 0 of a length-led buffer's value, and the value's last bit + 1.
constexpr uint32_t kValueStart = 8;
inline uint32_t value_end(const BitBuffer& b) {
  uint32_t end = 8u + 8u * read_bits8(0, 8, b);
  return end < b.count ? end : b.count;
}

}  // namespace l3::rr_parts
