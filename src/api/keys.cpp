#include "api/keys.h"

#include <algorithm>
#include <iterator>

#include "api/registry.h"

namespace l3 {
namespace {

struct KeyName {
  uint16_t key;
  const char* name;
};

constexpr KeyName kAcceptedKeys[] = {
  {0x901, "CP-DATA"},
  {0x904, "CP-ACK"},
  {0x910, "CP-ERROR"},
};

constexpr bool ascending(const KeyName* rows, size_t n) {
  for (size_t i = 1; i < n; ++i) {
    if (rows[i].key <= rows[i - 1].key) return false;
  }
  return true;
}
static_assert(ascending(kAcceptedKeys, std::size(kAcceptedKeys)));  // binary search needs it

// Typos are part of the output: hosts match on these names.
constexpr const char* kPdNames[16] = {"GCC",     "BCC",     "Reserced", "CC",  "GTTP",     "MM",       "RR",      "Reserced",
                                      "GPRS MM", "SMS",     "GPRS SM",  "NCRSS", "LCS",  "Reserced", "Reserced", "Reserved"};

}  // namespace

const char* message_name(uint16_t key) {
  if (const MessageRow* row = find_message(key)) return row->name;
  auto it = std::lower_bound(std::begin(kAcceptedKeys), std::end(kAcceptedKeys), key,
                             [](const KeyName& row, uint16_t k) { return row.key < k; });
  return (it != std::end(kAcceptedKeys) && it->key == key) ? it->name : nullptr;
}

const char* pd_name(uint8_t pd) { return kPdNames[pd & 0x0F]; }

}  // namespace l3
