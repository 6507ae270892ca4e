// Bit buffer and bit-field readers. A BitBuffer is a read-only view of an
// element's octets, most significant bit of the first octet at position 0.
#pragma once

#include <cstddef>
#include <cstdint>

namespace l3 {

// One element's bits. Holds at most kMaxOctets octets: the longest length-led
// stretch an LV element can have (length octet 255 plus 255 value octets).
struct BitBuffer {
  static constexpr uint32_t kMaxOctets = 256;
  const uint8_t* octets = nullptr;
  uint32_t count = 0;  // valid bits: 8 times the octets loaded

  // The bit at position i (0 or 1); 0 past the end.
  uint8_t cell(uint32_t i) const {
    return i < count ? static_cast<uint8_t>((octets[i >> 3] >> (7 - (i & 7))) & 1u) : 0;
  }
};

inline uint8_t test_bit(uint8_t octet, uint32_t n) { return n < 8 ? (octet >> n) & 1u : 0; }

// Views m octets; a stretch longer than 256 octets is cut to its first 256.
inline void bits_from_octets(const uint8_t* octets, uint32_t m, BitBuffer& buf) {
  if (m > BitBuffer::kMaxOctets) m = BitBuffer::kMaxOctets;
  buf.octets = octets;
  buf.count = octets == nullptr ? 0 : m * 8;
}

inline BitBuffer bits_of(const uint8_t* octets, uint32_t m) {
  BitBuffer b;
  bits_from_octets(octets, m, b);
  return b;
}

// Any width up to 32, out of line.
uint32_t read_bits_wide(uint32_t p, uint32_t w, const BitBuffer& b);

// Field of w bits at bit position p, first bit most significant; 0 when the
// field would run past the buffer. Fields of up to 8 bits, nearly all of
// them, are read in place from the one or two octets that hold them.
inline uint32_t read_bits(uint32_t p, uint32_t w, const BitBuffer& b) {
  // Walks read past the end of short rest octets often: 0 in place.
  if (static_cast<uint64_t>(p) + w > b.count) return 0;
  if (w - 1 < 8) {
    const uint32_t first = p >> 3;
    uint32_t two = static_cast<uint32_t>(b.octets[first]) << 8;
    if (((p + w - 1) >> 3) != first) two |= b.octets[first + 1];
    return (two >> (16 - (p & 7) - w)) & ((1u << w) - 1);
  }
  if (w - 1 < 16) {
    // Up to three octets, the last two only when the field reaches them.
    const uint32_t first = p >> 3;
    const uint32_t last = (p + w - 1) >> 3;
    uint32_t three = static_cast<uint32_t>(b.octets[first]) << 16 | static_cast<uint32_t>(b.octets[first + 1]) << 8;
    if (last != first + 1) three |= b.octets[first + 2];
    return (three >> (24 - (p & 7) - w)) & ((1u << w) - 1);
  }
  return read_bits_wide(p, w, b);
}

inline uint8_t read_bits8(uint32_t p, uint32_t w, const BitBuffer& b) {
  return static_cast<uint8_t>(read_bits(p, w, b));
}
inline uint16_t read_bits16(uint32_t p, uint32_t w, const BitBuffer& b) {
  return static_cast<uint16_t>(read_bits(p, w, b));
}
inline uint32_t read_bits32(uint32_t p, uint32_t w, const BitBuffer& b) { return read_bits(p, w, b); }

// Sequential reader for walks whose positions depend on earlier bits (rest
// octets, capability lists). Reads past the end give 0 but still advance.
struct BitCursor {
  const BitBuffer& buf;
  uint32_t pos = 0;

  explicit BitCursor(const BitBuffer& b, uint32_t start = 0) : buf(b), pos(start) {}
  uint32_t bits(uint32_t w) {
    uint32_t v = read_bits(pos, w, buf);
    pos += w;
    return v;
  }
  bool bit() { return bits(1) != 0; }
  void skip(uint32_t w) { pos += w; }
  uint32_t left() const { return pos < buf.count ? buf.count - pos : 0; }
  bool at_end() const { return pos >= buf.count; }
};

}  // namespace l3
