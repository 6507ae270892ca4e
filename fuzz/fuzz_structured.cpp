// Builds well-framed messages of every accepted key: a key, a mandatory part
// of chosen length, then optional elements whose framing is always valid
// (single-octet elements for IEIs with the top bit set, TLV otherwise), so
// that the walks go deep and the renderers of late elements are reached.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "api/keys.h"
#include "tharvel.h"

namespace {

std::vector<uint16_t> accepted_keys() {
  std::vector<uint16_t> keys;
  for (int k = 0; k < 0x1000; ++k) {
    if (l3::key_accepted(static_cast<uint16_t>(k))) keys.push_back(static_cast<uint16_t>(k));
  }
  return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<uint16_t> keys = accepted_keys();
  FuzzedDataProvider in(data, size);
  uint16_t key = keys[in.ConsumeIntegralInRange<size_t>(0, keys.size() - 1)];
  uint8_t direction = in.ConsumeIntegral<uint8_t>();
  uint8_t high = in.ConsumeIntegral<uint8_t>() & 0xF0;  // transaction id or skip indicator
  std::vector<uint8_t> msg = {static_cast<uint8_t>(high | (key >> 8)), static_cast<uint8_t>(key)};
  if ((key >> 8) == 3 || (key >> 8) == 5) msg[1] |= in.ConsumeIntegral<uint8_t>() & 0xC0;  // send sequence bits
  std::vector<uint8_t> mandatory = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 40));
  msg.insert(msg.end(), mandatory.begin(), mandatory.end());
  while (in.remaining_bytes() > 0 && msg.size() < 2000) {
    uint8_t iei = in.ConsumeIntegral<uint8_t>();
    msg.push_back(iei);
    if (iei & 0x80) continue;
    std::vector<uint8_t> value = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 40));
    msg.push_back(static_cast<uint8_t>(value.size()));
    msg.insert(msg.end(), value.begin(), value.end());
  }
  // Exact-size copy so that a read past the end is caught.
  uint8_t* exact = static_cast<uint8_t*>(std::malloc(msg.size()));
  std::memcpy(exact, msg.data(), msg.size());
  static std::vector<char> a(1 << 20), b(1 << 20);
  a[0] = b[0] = '\0';
  size_t na = 0, nb = 0;
  int ra = tharvel_n(direction, static_cast<int32_t>(msg.size()), exact, a.data(), a.size(), &na);
  int rb = tharvel_n(direction, static_cast<int32_t>(msg.size()), exact, b.data(), b.size(), &nb);
  if (ra != 1 || ra != rb || na != nb || std::strcmp(a.data(), b.data()) != 0) std::abort();  // deterministic
  std::free(exact);
  return 0;
}
