// Status entry point: the first octet picks the real direction, the format
// and a capacity; the rest is the message, at the end of an exact-size
// allocation. Every document must equal its uncut form up to the capacity,
// and every JSON document must parse.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tharvel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  tharvel_options opt{sizeof opt, static_cast<uint8_t>(data[0] & 1), static_cast<uint8_t>((data[0] >> 1) & 1), 0, 0};
  size_t capacity = (data[0] & 0x80) ? ((data[0] >> 2) & 0x1F) * 16 : 0;
  size_t n = size - 1;
  uint8_t* exact = n == 0 ? nullptr : static_cast<uint8_t*>(std::malloc(n));
  if (n != 0) std::memcpy(exact, data + 1, n);

  tharvel_result res{};
  res.size = sizeof res;
  int s0 = tharvel_decode(exact, n, &opt, nullptr, 0, &res);
  size_t needed = res.needed;
  std::vector<char> whole(needed + 1, '\x7e');
  int s1 = tharvel_decode(exact, n, &opt, whole.data(), whole.size(), &res);
  if (s0 != s1 || res.needed != needed || std::strlen(whole.data()) != needed) std::abort();
  if (opt.format == THARVEL_FORMAT_JSON && !nlohmann::json::accept(whole.data(), whole.data() + needed)) std::abort();

  if (capacity > 0) {
    std::vector<char> cut(capacity + 1, '\x7e');
    tharvel_decode(exact, n, &opt, cut.data(), capacity, &res);
    size_t kept = std::strlen(cut.data());
    if (res.needed != needed || kept != (needed < capacity ? needed : capacity - 1)) std::abort();
    if (std::memcmp(cut.data(), whole.data(), kept) != 0 || cut[capacity] != '\x7e') std::abort();
  }
  std::free(exact);
  return 0;
}
