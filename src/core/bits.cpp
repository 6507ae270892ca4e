#include "core/bits.h"

namespace l3 {

uint32_t read_bits_wide(uint32_t p, uint32_t w, const BitBuffer& b) {
  if (w == 0 || w > 32) return 0;
  // 64-bit sum so a huge p cannot wrap around the bound.
  if (static_cast<uint64_t>(p) + w > b.count) return 0;
  // Gather the (at most 5) octets that hold the field, then shift it out.
  uint32_t first = p >> 3;
  uint32_t last = (p + w - 1) >> 3;
  uint64_t acc = 0;
  for (uint32_t i = first; i <= last; ++i) acc = (acc << 8) | b.octets[i];
  uint32_t tail = 7 - ((p + w - 1) & 7);
  acc >>= tail;
  return static_cast<uint32_t>(acc & ((w == 32) ? 0xFFFFFFFFull : ((1ull << w) - 1)));
}

}  // namespace l3
