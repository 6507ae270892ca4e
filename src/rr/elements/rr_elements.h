// Small elements that many RR messages share. Decoders take the element's
// octets as a BitBuffer (from the length octet on for length-prefixed ones);
// renderers append one block each.
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

struct ChannelDescription {
  uint8_t chan_type;  // channel type and TDMA offset, 5 bits
  uint8_t tn;
  uint16_t arfcn;  // when h is 0
  uint8_t h;
  uint8_t tsc;
  uint8_t maio;  // when h is 1
  uint8_t hsn;
};

struct CellDescription {
  uint16_t bcch_arfcn;
  uint8_t ncc;
  uint8_t bcc;
};

struct RequestReference {
  uint8_t ra;
  uint8_t t1;
  uint8_t t3;
  uint8_t t2;
};

struct StartingTime {
  uint8_t t1;
  uint8_t t3;
  uint8_t t2;
};

struct PowerCommand {
  uint8_t fpc;
  uint8_t power_level;
};

// HANDOVER COMMAND's form, with the access type bit.
struct PowerCommandAccessType {
  uint8_t atc;
  uint8_t fpc;
  uint8_t power_level;
};

struct MobileObservedTimeDifference {
  uint8_t length;
  uint32_t value;  // 21 bits
};

// MA C(i), i = 1..8 x length, is bit i % 8 of bits[i / 8]: one bit each keeps
// the records holding it small to zero-fill.
struct MobileAllocation {
  static constexpr uint32_t kMaxBits = 8 * 255;
  uint8_t length;
  uint16_t count;  // set bits
  uint8_t bits[kMaxBits / 8 + 1];
  bool has(uint32_t i) const { return (bits[i / 8] >> (i % 8) & 1) != 0; }
};
static_assert(sizeof(MobileAllocation::bits) * 8 > MobileAllocation::kMaxBits);

struct FrequencyChannelSequence {
  uint8_t lowest_arfcn;
  uint8_t inc_skip[17];  // entries 1..16
};

struct CipherModeSetting {
  uint8_t sc;
  uint8_t algorithm;
};

struct PacketChannelDescription {
  uint8_t chan_type;
  uint8_t tn;
  uint8_t tsc;
  uint8_t hopping;   // 1: maio and hsn
  uint8_t indirect;  // when not hopping; 1: maio, ma_number_ind, change_mark_1;
                     // 0: arfcn
  uint8_t maio;
  uint8_t hsn;
  uint8_t ma_number_ind;
  uint8_t change_mark_1_present;
  uint8_t change_mark_1;
  uint16_t arfcn;
};

// A channel description followed by mobile allocation bits (8 x (L - 3)).
struct GroupChannelDescription {
  uint8_t length;
  ChannelDescription channel;
  MobileAllocation ma;
};

struct VgcsTargetMode {
  uint8_t length;
  uint8_t target_mode;
  uint8_t key_number;
};

struct TimeDifference {
  uint8_t length;
  uint8_t value;
};

static_assert(std::is_trivially_copyable_v<MobileAllocation> && std::is_trivially_copyable_v<GroupChannelDescription>);

void decode_channel_description(ChannelDescription& d, const BitBuffer& b);
void decode_cell_description(CellDescription& d, const BitBuffer& b);
void decode_request_reference(RequestReference& d, const BitBuffer& b);
void decode_starting_time(StartingTime& d, const BitBuffer& b);
void decode_power_command(PowerCommand& d, const BitBuffer& b);
void decode_power_command_access_type(PowerCommandAccessType& d, const BitBuffer& b);
void decode_mobile_observed_time_difference(MobileObservedTimeDifference& d,
                                            const BitBuffer& b);  // length-led
void decode_mobile_allocation(MobileAllocation& d,
                              const BitBuffer& b);  // length-led
// MA bits without a length octet: `octets` x 8 bits from bit position `pos`.
void decode_mobile_allocation_bits(MobileAllocation& d, const BitBuffer& b, uint32_t pos, uint8_t octets);
void decode_frequency_channel_sequence(FrequencyChannelSequence& d, const BitBuffer& b);
void decode_channel_mode(uint8_t& mode, const BitBuffer& b);
void decode_packet_channel_description(PacketChannelDescription& d, const BitBuffer& b);
void decode_group_channel_description(GroupChannelDescription& d,
                                      const BitBuffer& b);  // length-led
void decode_vgcs_target_mode(VgcsTargetMode& d,
                             const BitBuffer& b);  // length-led
void decode_time_difference(TimeDifference& d,
                            const BitBuffer& b);  // length-led

// Half-octet values taken straight from their octet: the low nibble.
inline CipherModeSetting cipher_mode_setting_of(uint8_t octet) {
  return CipherModeSetting{static_cast<uint8_t>(octet & 0x01), static_cast<uint8_t>((octet >> 1) & 0x07)};
}
inline uint8_t page_mode_of(uint8_t octet) { return octet & 0x03; }

int render_channel_type(uint8_t value, OutputText& out);
int render_channel_description(const ChannelDescription& d, OutputText& out);
int render_channel_description2(const ChannelDescription& d, OutputText& out);
int render_cell_description(const CellDescription& d, OutputText& out);
int render_request_reference(const RequestReference& d, OutputText& out);
int render_starting_time(const StartingTime& d, OutputText& out);
int render_timing_advance(uint8_t value, OutputText& out);
int render_mobile_allocation(const MobileAllocation& d, OutputText& out);
int render_frequency_channel_sequence(const FrequencyChannelSequence& d, OutputText& out);
int render_channel_mode(uint8_t mode, OutputText& out);
int render_channel_mode2(uint8_t mode, OutputText& out);
int render_cipher_mode_setting(const CipherModeSetting& d, OutputText& out);
int render_page_mode(uint8_t value, OutputText& out);
// IMMEDIATE ASSIGNMENT's form: "Normal_paging" for 0.
int render_page_mode_immediate(uint8_t value, OutputText& out);
int render_rr_cause_value(uint8_t value, OutputText& out);
int render_time_difference(const TimeDifference& d, OutputText& out);

// Power command without the access type bit, its FPC block, and the VGCS
// target mode indication.
void render_fpc(uint8_t fpc, OutputText& out);
void render_power_command(uint8_t fpc, uint8_t level, OutputText& out);
void render_vgcs_target_mode(const VgcsTargetMode& v, OutputText& out);

}  // namespace l3
