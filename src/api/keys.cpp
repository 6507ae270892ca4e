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
  {0x301, "Alerting"},
  {0x302, "Call proceeding"},
  {0x303, "Progress"},
  {0x304, "CC establishment"},
  {0x305, "Setup"},
  {0x306, "CC establishment confirmed"},
  {0x307, "Connect"},
  {0x308, "Call confirmed"},
  {0x309, "Start CC"},
  {0x30B, "Recall"},
  {0x30E, "Emergency setup"},
  {0x30F, "Connect acknowledge"},
  {0x310, "User information"},
  {0x313, "Modify reject"},
  {0x317, "Modify"},
  {0x318, "Hold"},
  {0x319, "Hold acknowledge"},
  {0x31A, "Hold reject"},
  {0x31C, "Retrieve"},
  {0x31D, "Retrieve acknowledge"},
  {0x31E, "Retrieve reject"},
  {0x31F, "Modify complete"},
  {0x325, "Disconnect"},
  {0x32A, "Release complete"},
  {0x32D, "Release"},
  {0x331, "Stop DTMF"},
  {0x332, "Stop DTMF acknowledge"},
  {0x334, "Status enquiry"},
  {0x335, "Start DTMF"},
  {0x336, "Start DTMF acknowledge"},
  {0x337, "Start DTMF reject"},
  {0x339, "Congestion control"},
  {0x33A, "Facility"},
  {0x33D, "Status"},
  {0x33E, "Notify"},
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
  {0x801, "Attach request"},
  {0x802, "Attach accept"},
  {0x803, "Attach complete"},
  {0x804, "Attach reject"},
  {0x805, "Detach request"},
  {0x806, "Detach accept"},
  {0x808, "Routing area update request"},
  {0x809, "Routing area update accept"},
  {0x80A, "Routing area update complete"},
  {0x80B, "Routing area update reject"},
  {0x80C, "Service request"},
  {0x80D, "Service accept"},
  {0x80E, "Service reject"},
  {0x810, "P-TMSI reallocation command"},
  {0x811, "P-TMSI reallocation complete"},
  {0x812, "Authentication and ciphering request"},
  {0x813, "Authentication and ciphering response"},
  {0x814, "Authentication and ciphering reject"},
  {0x815, "Identity request"},
  {0x816, "Identity response"},
  {0x81C, "Authentication and ciphering failure"},
  {0x820, "GMM status"},
  {0x821, "GMM information"},
  {0xA41, "Activate PDP context request"},
  {0xA42, "Activate PDP context accept"},
  {0xA43, "Activate PDP context reject"},
  {0xA44, "Request PDP context activation"},
  {0xA45, "Request PDP context activation reject"},
  {0xA46, "Deactivate PDP context request"},
  {0xA47, "Deactivate PDP context accept"},
  {0xA48, "Modify PDP context request (network to MS)"},
  {0xA49, "Modify PDP context accept (MS to network)"},
  {0xA4A, "Modify PDP context request (MS to network)"},
  {0xA4B, "Modify PDP context accept (network to MS)"},
  {0xA4C, "Modify PDP context reject"},
  {0xA4D, "Activate secondary PDP context request"},
  {0xA4E, "Activate secondary PDP context accept"},
  {0xA4F, "Activate secondary PDP context reject"},
  {0xA50, "Activate AA PDP context request"},
  {0xA51, "Activate AA PDP context accept"},
  {0xA52, "Activate AA PDP context reject"},
  {0xA53, "Deactivate AA PDP context request"},
  {0xA54, "Deactivate AA PDP context accept"},
  {0xA55, "SM status"},
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
