// The identity and classmark elements that several families decode and
// render the same way.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"
#include "mm/classmark.h"
#include "mm/identity.h"

namespace l3 {

// Priority level (24.008 10.5.1.11): CM service, CC, RR and SI all carry it.
inline constexpr ValueText kCallPriorityTexts[] = {
    {0, "no priority applied"},   {1, "call priority level 4"}, {2, "call priority level 3"},
    {3, "call priority level 2"}, {4, "call priority level 1"}, {5, "call priority level 0"},
    {6, "call priority level B"}, {7, "call priority level A"},
};
static_assert(well_formed(kCallPriorityTexts));

struct UniversalTime {
  uint8_t octets[7];  // year, month, day, hour, minute, second, time zone; nibbles swapped
};

struct DaylightSavingTime {
  uint8_t length;
  uint8_t value;
};

// The optional elements of MM INFORMATION and GMM INFORMATION (24.008 9.2.15a,
// 9.4.19): the same six, walked by one table.
struct NetworkInformation {
  Opt<NetworkName> full_name;
  Opt<NetworkName> short_name;
  Opt<uint8_t> local_time_zone;
  Opt<UniversalTime> universal_time;
  Opt<OctetString<3>> lsa_identity;
  Opt<DaylightSavingTime> daylight_saving_time;
};

// Walks the elements after the message type.
void parse_network_information(NetworkInformation& r, const uint8_t* msg, uint16_t len);

// Network name (10.5.3.5a) coding scheme and spare bits.
inline constexpr ValueText kNetworkNameCodingSchemeTexts[] = {
    {0, "Cell Broadcast data coding scheme, GSM default alphabet, language unspecified"},
    {1, "UCS2"},
};
static_assert(well_formed(kNetworkNameCodingSchemeTexts));

inline constexpr ValueText kNetworkNameSpareBitsTexts[] = {
    {0, "this field carries no information about the number of spare bits in the last octet"},
    {1, "bit 8 is spare and set to 0 in the last octet"},
    {2, "bits 7 and 8 are spare and set to 0 in the last octet"},
    {3, "bits 6 to 8(inclusive) are spare and set to 0 in the last octet"},
    {4, "bits 5 to 8(inclusive) are spare and set to 0 in the last octet"},
    {5, "bits 4 to 8(inclusive) are spare and set to 0 in the last octet"},
    {6, "bits 3 to 8(inclusive) are spare and set to 0 in the last octet"},
    {7, "bits 2 to 8(inclusive) are spare and set to 0 in the last octet"},
};
static_assert(well_formed(kNetworkNameSpareBitsTexts));

// Network daylight saving time (10.5.3.12).
inline constexpr ValueText kDaylightSavingTexts[] = {
    {0, "No adjustment for Daylight Saving Time"},
    {1, "+1 hour adjustment for Daylight Saving Time"},
    {2, "+2 hours adjustment for Daylight Saving Time"},
};
static_assert(well_formed(kDaylightSavingTexts));

}  // namespace l3
