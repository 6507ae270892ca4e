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
  {0x600, "System information type 13"},
  {0x601, "System information type 14"},
  {0x602, "System information type 2bis"},
  {0x603, "System information type 2ter"},
  {0x604, "System information type 9"},
  {0x605, "System information type 5bis"},
  {0x606, "System information type 5ter"},
  {0x607, "System information type 2quater"},
  {0x608, "RR cell change order"},
  {0x609, "VGCS uplink grant"},
  {0x60A, "Partial release"},
  {0x60D, "Channel release"},
  {0x60E, "Uplink release"},
  {0x60F, "Partial release complete"},
  {0x610, "Channel mode modify"},
  {0x611, "Talker indication"},
  {0x612, "RR status"},
  {0x613, "Classmark enquiry"},
  {0x614, "Frequency redefinition"},
  {0x615, "Measurement report"},
  {0x616, "Classmark change"},
  {0x617, "Channel mode modify acknowledge"},
  {0x618, "System information type 8"},
  {0x619, "System information type 1"},
  {0x61A, "System information type 2"},
  {0x61B, "System information type 3"},
  {0x61C, "System information type 4"},
  {0x61D, "System information type 5"},
  {0x61E, "System information type 6"},
  {0x61F, "System information type 7"},
  {0x620, "Notification/NCH"},
  {0x621, "Paging request type 1"},
  {0x622, "Paging request type 2"},
  {0x623, "PDCH assignment command"},
  {0x624, "Paging request type 3"},
  {0x626, "Notification response"},
  {0x627, "Paging response"},
  {0x628, "Handover failure"},
  {0x629, "Assignment complete"},
  {0x62A, "Uplink busy"},
  {0x62B, "Handover command"},
  {0x62C, "Handover complete"},
  {0x62D, "Physical information"},
  {0x62E, "Assignment command"},
  {0x62F, "Assignment failure"},
  {0x630, "Configuration change command"},
  {0x631, "Configuration change acknowledge"},
  {0x632, "Ciphering mode complete"},
  {0x633, "Configuration change reject"},
  {0x634, "GPRS suspension request"},
  {0x635, "Ciphering mode command"},
  {0x636, "Extended measurement report"},
  {0x637, "Extended measurement order"},
  {0x638, "Application information"},
  {0x639, "Immediate assignment extended"},
  {0x63A, "Immediate assignment reject"},
  {0x63B, "Additional assignment"},
  {0x63C, "RR initialisation request"},
  {0x63D, "System information type 16"},
  {0x63E, "System information type 17"},
  {0x63F, "Immediate assignment"},
  {0x640, "System information type 18"},
  {0x641, "System information type 19"},
  {0x642, "System information type 20"},
  {0x644, "System information type 15"},
  {0x648, "DTM assignment failure"},
  {0x649, "DTM reject"},
  {0x64C, "DTM assignment command"},
  {0x64D, "DTM information"},
  {0x64E, "Packet notification"},
  {0x67F, "Channel request"},
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
