// Elements that only session management carries: PDP address, access point
// name, protocol configuration options, traffic flow template and the small
// one- and two-octet values.
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

// Capacities of the parts. Length and count fields hold what the element
// announces; at most these many octets or entries are stored, and renderers
// print no more than are stored.
inline constexpr uint32_t kPdpAddressOctets = 20;  // IPv4v6: 4 + 16
inline constexpr uint32_t kApnOctets = 200;
// An entry takes at least three octets of a stretch of at most 256 (length
// and protocol octets first), so no element holds more than 84 entries, and
// all their contents together fit in 256 octets.
inline constexpr uint32_t kPcoEntries = 84;
inline constexpr uint32_t kPcoContentOctets = 98;
inline constexpr uint32_t kPcoPoolOctets = 256;
inline constexpr uint32_t kPacketFilters = 9;
inline constexpr uint32_t kTftParameters = 9;
inline constexpr uint32_t kTftContentOctets = 63;

struct PdpAddress {
  uint8_t direction;  // caller's byte where the parser copies it (0 otherwise); chooses the text of organisation 15
  uint8_t pdp_type_organisation;
  uint8_t pdp_type_number;
  uint8_t address_length;                  // L - 2 as the element says; 0 when no address follows
  uint8_t address[kPdpAddressOctets + 1];  // octets 1..min(address_length, 20)
};
static_assert(std::is_trivially_copyable_v<PdpAddress>);

struct AccessPointName {
  uint8_t count;                   // value octets of the element
  uint8_t octets[kApnOctets + 1];  // octets 1..min(count, 200), label lengths included
};

struct PcoEntry {
  uint16_t protocol_id;
  uint8_t length;  // content octets as announced
  uint16_t first;  // its contents 1..min(length, 98) are pool[first + 1..]
};

// Entries' contents share one pool: the record stays small (it is zero-filled
// on every decode).
struct ProtocolConfigurationOptions {
  uint8_t configuration_protocol;
  uint8_t count;                                                               // complete entries
  PcoEntry entries[kPcoEntries + 1];                                           // 1..count
  uint8_t pool[kPcoPoolOctets + 1];                                            // index 0 unused
  const uint8_t* contents(const PcoEntry& e) const { return pool + e.first; }  // indexed from 1
};
static_assert(std::is_trivially_copyable_v<ProtocolConfigurationOptions>);
static_assert((BitBuffer::kMaxOctets - 2) / 3 <= kPcoEntries && kPcoPoolOctets >= BitBuffer::kMaxOctets);

struct PacketFilter {
  uint8_t identifier;
  uint8_t evaluation_precedence;
  uint8_t length;                           // content octets as announced
  uint8_t contents[kTftContentOctets + 1];  // 1..min(length, 63)
};

struct TftParameter {
  uint8_t identifier;
  uint8_t length;                           // content octets as announced
  uint8_t contents[kTftContentOctets + 1];  // 1..min(length, 63)
};

struct TrafficFlowTemplate {
  uint8_t tft_operation_code;
  uint8_t e_bit;
  uint8_t number_of_packet_filters;  // as announced (0 to 15); filters 1..9 are kept
  PacketFilter filters[kPacketFilters + 1];
  uint8_t parameter_count;  // complete parameters kept, at most 9
  TftParameter parameters[kTftParameters + 1];
};
static_assert(std::is_trivially_copyable_v<TrafficFlowTemplate>);

struct LinkedTi {
  uint8_t length;
  uint8_t ti_value;
  uint8_t ti_extension;
};

// Rendered only when its length is not 0.
struct PacketFlowIdentifier {
  uint8_t length;
  uint8_t value;  // first value octet
};

// Length-led: length octet, then the value.
void decode_pdp_address(PdpAddress& a, const BitBuffer& b);
void decode_protocol_configuration_options(ProtocolConfigurationOptions& p, const BitBuffer& b);
void decode_traffic_flow_template(TrafficFlowTemplate& t, const BitBuffer& b);
void decode_linked_ti(LinkedTi& t, const BitBuffer& b);
void decode_packet_flow_identifier(PacketFlowIdentifier& p, const BitBuffer& b);
// Value form: the value octets alone.
void decode_access_point_name(AccessPointName& a, const BitBuffer& b);

int render_pdp_address(const PdpAddress& a, OutputText& out);
int render_access_point_name(const AccessPointName& a, OutputText& out);
int render_protocol_configuration_options(const ProtocolConfigurationOptions& p, OutputText& out);
int render_traffic_flow_template(const TrafficFlowTemplate& t, OutputText& out);
int render_sm_cause(uint32_t cause, OutputText& out, uint8_t direction);
int render_packet_flow_identifier(uint32_t value, OutputText& out);
int render_tear_down_indicator(uint32_t value, OutputText& out);
int render_sm_radio_priority(uint32_t value, OutputText& out);
int render_nsapi(uint32_t value, OutputText& out);
int render_llc_sapi(uint32_t value, OutputText& out);
int render_not_implemented(OutputText& out);

}  // namespace l3
