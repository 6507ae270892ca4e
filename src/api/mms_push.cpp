// Content location of an MMS notification carried in a WAP push PDU.
#include <cstring>

#include "tharvel.h"

namespace {

constexpr int kBlockSize = 784;
constexpr int kLocationLengthOffset = 264;
constexpr int kLocationOffset = 268;
// The area holds the characters and at least one terminating zero.
constexpr int kLocationCapacity = kBlockSize - kLocationOffset - 1;

void store_int(uint8_t* block, int offset, int32_t v) { std::memcpy(block + offset, &v, sizeof v); }

}  // namespace

extern "C" THARVEL_API int Gain_MMS_Push_Win_Data(int32_t length, const uint8_t* pdu, void* output) {
  if (output == nullptr) return 0;
  uint8_t* block = static_cast<uint8_t*>(output);
  std::memset(block, 0, kBlockSize);
  if (length <= 2 || pdu == nullptr) return 0;
  store_int(block, 0, pdu[0]);
  if (pdu[1] != 6) return 0;

  const uint32_t end = static_cast<uint32_t>(length);
  uint32_t pos = 3u + pdu[2];
  bool found = false;
  while (pos < end) {
    uint8_t code = pdu[pos++];
    if (pos >= end) break;  // a field code without a value ends the walk
    switch (code) {
      case 0x83: {  // content location: text up to its NUL
        int32_t count = 0;
        while (pos < end && pdu[pos] != 0) {
          // Characters past the area are walked over, not stored.
          if (count < kLocationCapacity) block[kLocationOffset + count++] = pdu[pos];
          ++pos;
        }
        // A later, shorter location must not keep the tail of an earlier one.
        std::memset(block + kLocationOffset + count, 0, static_cast<size_t>(kBlockSize - kLocationOffset - count));
        store_int(block, kLocationLengthOffset, count);
        ++pos;  // the NUL
        found = true;
        break;
      }
      case 0x88:  // expiry, from, message size: value length then value
      case 0x89:
      case 0x8E:
        pos += 1u + pdu[pos];
        break;
      case 0x98:  // transaction identifier: NUL-terminated text
        while (pos < end && pdu[pos] != 0) ++pos;
        ++pos;
        break;
      default:
        ++pos;
    }
  }
  return found ? 1 : 0;
}
