// Identity elements that MM, GMM, RR, CC and SM records share: mobile
// identity, location area, PLMN list, CKSN, AUTN, network name and the group
// call reference.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "core/bits.h"
#include "core/output.h"
#include "core/record.h"

namespace l3 {

// Type of identity values.
enum MobileIdentityType : uint8_t {
  kNoIdentity = 0,
  kImsi = 1,
  kImei = 2,
  kImeisv = 3,
  kTmsi = 4,
};

struct MobileIdentity {
  uint8_t type;         // 0..7
  uint8_t odd_even;     // 1: odd number of digits
  uint8_t digit_count;  // digit positions held, at most 19
  uint8_t digits[20];   // nibble values of positions 1..19; [0] unused
  char text[20];        // NUL-terminated digit text, filler left out
};
static_assert(std::is_trivially_copyable_v<MobileIdentity>);

// Buffer: length octet then value (length-led).
void decode_mobile_identity(MobileIdentity& id, const BitBuffer& b);
// <Mobile Identity>...</Mobile Identity> without line feeds; 0 for a type
// without text (block left open).
int render_mobile_identity(const MobileIdentity& id, OutputText& out);

struct LocationAreaId {
  int32_t mcc;  // three digits as a decimal number
  uint8_t mnc;  // first two digits; the third is not kept
  uint16_t lac;
};

// Buffer: the 5 value octets.
void decode_location_area_id(LocationAreaId& lai, const BitBuffer& b);
int render_location_area_id(const LocationAreaId& lai, OutputText& out);

// Routing area identification (24.008 10.5.5.15): a location area
// identification and the routing area code.
struct RoutingAreaId : LocationAreaId {
  uint8_t rac;
};

// Buffer: the 6 value octets.
void decode_routing_area_identification(RoutingAreaId& rai, const BitBuffer& b);

struct Plmn {
  int32_t mcc;
  uint8_t mnc;
};

// A list with room for N entries, numbered from 1; longer lists are cut to N.
template <size_t N>
struct PlmnListOf {
  uint8_t count;
  Plmn entries[N + 1];
};
using PlmnList = PlmnListOf<5>;  // equivalent PLMNs of the location updating accept

// Fills entries[1..] from a length-led buffer; returns the count stored.
uint8_t decode_plmn_entries(std::span<Plmn> entries, const BitBuffer& b);
int render_plmn_entries(std::span<const Plmn> entries, uint8_t count, OutputText& out);

template <size_t N>
void decode_plmn_list(PlmnListOf<N>& list, const BitBuffer& b) {
  list.count = decode_plmn_entries(list.entries, b);
}
template <size_t N>
int render_plmn_list(const PlmnListOf<N>& list, OutputText& out) {
  return render_plmn_entries(list.entries, list.count, out);
}

// Value 7 reads "No key is available" only for direction byte 0.
int render_ciphering_key_sequence_number(uint8_t value, OutputText& out, uint8_t direction);

// AUTN octets as the parser copied them, cut to 16.
using Autn = OctetString<16>;
int render_autn(const Autn& autn, OutputText& out);

struct NetworkName {
  uint8_t length;  // the element's length octet, stored by the parser
  uint8_t coding_scheme;
  uint8_t add_ci;
  uint8_t spare_bits;
  uint8_t text[64];  // text octets 1..63
};

// Buffer: the value octets alone. Text octets are kept only when there are
// at most 63 of them.
void decode_network_name(NetworkName& n, const BitBuffer& b);
// Number of text octets the part holds: what a renderer may dump.
int network_name_text_count(const NetworkName& n);

// Descriptive group or broadcast call reference.
struct GroupCallReference {
  uint8_t service_flag;
  uint8_t acknowledgement_flag;
  uint8_t call_priority;
  uint8_t ciphering_information;
  char binary[28];          // the 27 call reference bits as '0'/'1', first bit first
  uint32_t call_reference;  // the same 27 bits as a number
};

// Buffer: the 5 value octets.
void decode_group_call_reference(GroupCallReference& g, const BitBuffer& b);
// The MM <Call Reference> block.
int render_group_call_reference(const GroupCallReference& g, OutputText& out);

}  // namespace l3
