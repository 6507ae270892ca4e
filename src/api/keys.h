// The message keys the library decodes, with their names.
#pragma once

#include <cstdint>

namespace l3 {

// PD (low nibble of octet 0) << 8 | message type; the type is cut to its low
// six bits for CC and MM, whose top two bits carry the send sequence number.
inline uint16_t message_key(const uint8_t* msg) {
  uint8_t pd = msg[0] & 0x0F;
  uint8_t type = (pd == 3 || pd == 5) ? (msg[1] & 0x3F) : msg[1];
  return static_cast<uint16_t>((pd << 8) | type);
}

// Name of an accepted key, nullptr for a key that is not decoded.
const char* message_name(uint16_t key);

inline bool key_accepted(uint16_t key) { return message_name(key) != nullptr; }

// Typos are part of the output: hosts match on these names.
inline constexpr const char* kPdNames[16] = {"GCC", "BCC",      "Reserced", "CC",      "GTTP",    "MM",
                                             "RR",  "Reserced", "GPRS MM",  "SMS",     "GPRS SM", "NCRSS",
                                             "LCS", "Reserced", "Reserced", "Reserved"};

// Printed name of a protocol discriminator (low four bits used).
inline const char* pd_name(uint8_t pd) { return kPdNames[pd & 0x0F]; }

}  // namespace l3
