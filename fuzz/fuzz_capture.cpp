// The capture reader on whole files (first octet even) or on a run of GSMTAP
// packets fed to a live reader (first octet odd; each packet led by its
// length in one octet). Files and packets sit in exact-size allocations, so
// any read past them is caught.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tharvel.h"

namespace {

uint8_t* copy(const uint8_t* data, size_t n) {
  if (n == 0) return nullptr;
  auto* p = static_cast<uint8_t*>(std::malloc(n));
  std::memcpy(p, data, n);
  return p;
}

// Every message is read to its last octet; LAPDm never makes one past 251.
void take(tharvel_capture* cap) {
  tharvel_frame f{};
  f.size = sizeof f;
  int rc;
  unsigned sum = 0;
  while ((rc = tharvel_capture_next(cap, &f)) != 0) {
    if (rc != 1) {
      if (rc != -1 || tharvel_capture_error(cap)[0] == '\0') std::abort();
      continue;
    }
    bool lapdm = f.gsmtap_type == 1 && (f.channel & 0x7F) >= 6 && (f.channel & 0x7F) <= 10;
    if (lapdm && f.length > 251) std::abort();
    for (size_t i = 0; i < f.length; ++i) sum += f.octets[i];
    if (tharvel_capture_channel_name(&f) == nullptr) std::abort();
  }
  struct tharvel_capture_counters c{};
  c.size = sizeof c;
  tharvel_capture_counters(cap, &c);
  if (c.unfinished > 2 * 4096 || sum == 0xFFFFFFFF) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  bool packets = (data[0] & 1) != 0;
  data += 1;
  size -= 1;
  if (!packets) {
    uint8_t* file = copy(data, size);
    char error[128];
    tharvel_capture* cap = tharvel_capture_open_memory(file, size, error, sizeof error);
    if (cap != nullptr) {
      take(cap);
      tharvel_capture_close(cap);
    } else if (std::memchr(error, '\0', sizeof error) == nullptr) {
      std::abort();
    }
    std::free(file);
    return 0;
  }
  tharvel_capture* cap = tharvel_capture_open_live();
  while (size > 0) {
    size_t n = data[0];
    data += 1;
    size -= 1;
    if (n > size) n = size;
    uint8_t* packet = copy(data, n);
    int rc = tharvel_capture_feed_gsmtap(cap, packet, n, 0, 0);
    if (rc != 0 && rc != 1) std::abort();  // never full: each message is taken at once
    if (rc == 1) take(cap);
    std::free(packet);
    data += n;
    size -= n;
  }
  take(cap);
  tharvel_capture_close(cap);
  return 0;
}
