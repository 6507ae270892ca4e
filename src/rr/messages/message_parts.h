// Small takes that the parsers of several RR message groups share.
#pragma once

#include <cstdint>

#include "core/record.h"
#include "mm/shared_elements.h"

namespace l3::rr_parts {

template <class R, class T, Opt<T> R::*M, void (*D)(T&, const BitBuffer&)>
constexpr auto kLed = decode_length_led<R, T, M, D>;

template <class R, class T, Opt<T> R::*M, void (*D)(T&, const BitBuffer&)>
constexpr auto kValue = decode_value<R, T, M, D>;

// Mobile station classmark 2 in its fixed form: length octet skipped, three
// value octets decoded.
inline bool take_classmark2_fixed(MessageReader& in, Classmark2& c, uint8_t dir) {
  BitBuffer b;
  if (!in.has(4)) return false;
  in.skip(1);
  in.take_v(3, b);
  decode_classmark2(c, b, dir);
  return true;
}

inline uint32_t be32(const uint8_t* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
         (static_cast<uint32_t>(p[2]) << 8) | p[3];
}

inline bool take_u32(MessageReader& in, uint32_t& v) {
  const uint8_t* p;
  if (!in.take_v(4, p)) return false;
  v = be32(p);
  return true;
}

template <class T>
inline bool take_fixed(MessageReader& in, uint32_t n, T& part, void (*decode)(T&, const BitBuffer&)) {
  BitBuffer b;
  if (!in.take_v(n, b)) return false;
  decode(part, b);
  return true;
}

// A single optional element looked for at one fixed place (no free walk).
inline bool at_iei(const MessageReader& in, uint8_t iei) { return in.has(1) && in.peek() == iei; }

}  // namespace l3::rr_parts
