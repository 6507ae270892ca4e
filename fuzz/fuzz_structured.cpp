// Builds messages of every accepted key from the key's own element layout:
// the mandatory part with lengths in range, then a sequence of that message's
// optional elements in valid framing, so that the walks go deep and the
// renderers of late elements are reached. Now and then a foreign element, a
// length out of range or a cut reaches the stop paths.
//
// Checks: two decodes give the same document, never longer than
// THARVEL_MAX_DOCUMENT; a well-formed message gives a closed document; a
// decode into a small capacity keeps a prefix of the whole document, reports
// its full length and writes nothing past the capacity.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "layouts.h"
#include "tharvel.h"

namespace {

struct ProviderSource {
  FuzzedDataProvider& in;
  uint32_t pick(uint32_t lo, uint32_t hi) { return in.ConsumeIntegralInRange<uint32_t>(lo, hi); }
  uint8_t octet() { return in.ConsumeIntegral<uint8_t>(); }
};

bool ends_closed(const char* doc, size_t len) {
  static constexpr char kClose[] = "</message>\n</L3Message>\n";
  const size_t n = sizeof(kClose) - 1;
  return len >= n && std::memcmp(doc + len - n, kClose, n) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<tharvel_fuzz::ParsedLayout>& all = tharvel_fuzz::layouts();
  FuzzedDataProvider in(data, size);
  const tharvel_fuzz::ParsedLayout& layout = all[in.ConsumeIntegralInRange<size_t>(0, all.size() - 1)];
  const uint8_t direction = in.ConsumeBool() ? 1 : 0;
  const size_t capacity = in.ConsumeIntegralInRange<size_t>(0, 160) * 8;
  ProviderSource src{in};
  const tharvel_fuzz::Built built = tharvel_fuzz::build_message(src, layout);
  const std::vector<uint8_t>& msg = built.msg;

  // Exact-size copy so that a read past the end is caught.
  uint8_t* exact = static_cast<uint8_t*>(std::malloc(msg.size()));
  std::memcpy(exact, msg.data(), msg.size());
  const int32_t length = static_cast<int32_t>(msg.size());

  static std::vector<char> a(1 << 20), b(1 << 20);
  a[0] = b[0] = '\0';
  size_t na = 0, nb = 0;
  const int ra = tharvel_n(direction, length, exact, a.data(), a.size(), &na);
  const int rb = tharvel_n(direction, length, exact, b.data(), b.size(), &nb);
  if (ra != 1 || ra != rb || na != nb || std::strcmp(a.data(), b.data()) != 0) std::abort();  // deterministic
  if (na != std::strlen(a.data())) std::abort();  // a megabyte holds every document
  if (na > THARVEL_MAX_DOCUMENT) std::abort();     // the stated largest document
  if (built.well_formed && !ends_closed(a.data(), na)) std::abort();

  static std::vector<char> cut((1 << 20) + 1);
  cut[capacity] = '\x7e';  // guard just past the capacity
  if (capacity > 0) cut[0] = '\0';
  size_t nc = 0;
  const int rc = tharvel_n(direction, length, exact, cut.data(), capacity, &nc);
  if (rc != ra || nc != na) std::abort();
  if (capacity > 0) {
    const size_t kept = std::strlen(cut.data());
    if (kept != (na < capacity ? na : capacity - 1)) std::abort();
    if (std::memcmp(cut.data(), a.data(), kept) != 0) std::abort();
  }
  if (cut[capacity] != '\x7e') std::abort();  // nothing written past the capacity
  std::free(exact);
  return 0;
}
