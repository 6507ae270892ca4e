// Reading rest octets against the 0x2B fill: a block of fill only, and L/H
// bits (H is the value that differs from the fill bit at that position).
#pragma once

#include <cstdint>

#include "core/bits.h"

namespace l3 {

// True when every octet of the block is the 0x2B fill (an empty block too).
inline bool all_padding(const uint8_t* octets, uint32_t n) {
  for (uint32_t i = 0; i < n; ++i) {
    if (octets[i] != 0x2B) return false;
  }
  return true;
}

// A CSN.1 L/H bit: H (true) when the bit differs from the 0x2B fill at its
// position in the octet-aligned block. Past the end of the block it is L.
inline bool read_lh(BitCursor& c) {
  if (c.at_end()) {
    c.skip(1);
    return false;
  }
  const uint32_t fill = (0x2Bu >> (7 - (c.pos & 7))) & 1u;
  return c.bits(1) != fill;
}

// The same comparison without the end check, for walks that bound the block
// themselves: filler reads as L (absent). True for H.
inline bool rest_high_bit(BitCursor& c) {
  const uint32_t filler = (0x2Bu >> (7 - (c.pos & 7))) & 1u;
  return c.bits(1) != filler;
}

}  // namespace l3
