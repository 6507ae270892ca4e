// Bounded decode entry point: the first octet picks the direction and a
// capacity, the rest is the message. The message sits at the end of an
// exact-size allocation so any read past its length is caught.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tharvel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  uint8_t direction = data[0] & 1;
  size_t capacity = (data[0] & 0x80) ? (data[0] & 0x7F) * 8 : (1 << 20);
  std::vector<uint8_t> msg(data + 1, data + size);
  // No spare octet after the message: a read one past its end is caught.
  uint8_t* exact = msg.empty() ? nullptr : static_cast<uint8_t*>(std::malloc(msg.size()));
  if (!msg.empty()) std::memcpy(exact, msg.data(), msg.size());

  static std::vector<char> whole(1 << 20);
  whole[0] = '\0';
  size_t needed = 0;
  int r1 = tharvel_n(direction, static_cast<int32_t>(msg.size()), exact, whole.data(), whole.size(), &needed);
  size_t len = std::strlen(whole.data());
  if (needed != len) std::abort();  // a megabyte holds every document
  if (needed > THARVEL_MAX_DOCUMENT) std::abort();  // the stated largest document

  static std::vector<char> cut((1 << 20) + 1);
  cut[capacity] = '\x7e';  // guard just past the capacity
  if (capacity > 0) cut[0] = '\0';
  int r2 = tharvel_n(direction, static_cast<int32_t>(msg.size()), exact, cut.data(), capacity, &needed);
  if (r1 != r2 || needed != len) std::abort();
  if (capacity > 0) {
    size_t kept = std::strlen(cut.data());
    if (kept != (len < capacity ? len : capacity - 1)) std::abort();
    if (std::memcmp(cut.data(), whole.data(), kept) != 0) std::abort();
  }
  if (cut[capacity] != '\x7e') std::abort();  // nothing written past the capacity
  std::free(exact);
  return 0;
}
