// Channel elements: channel description, mobile allocation, frequency channel
// sequence, packet and group channel descriptions, channel mode, cipher mode,
// multirate configuration and dynamic ARFCN mapping.
// Decoders take the element's octets as a BitBuffer (from the length octet on
// for length-prefixed ones); renderers append one block each.
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

static_assert(std::is_trivially_copyable_v<MobileAllocation> && std::is_trivially_copyable_v<GroupChannelDescription>);

void decode_channel_description(ChannelDescription& d, const BitBuffer& b);

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

// Half-octet values taken straight from their octet: the low nibble.
inline CipherModeSetting cipher_mode_setting_of(uint8_t octet) {
  return CipherModeSetting{static_cast<uint8_t>(octet & 0x01), static_cast<uint8_t>((octet >> 1) & 0x07)};
}

int render_channel_type(uint8_t value, OutputText& out);

int render_channel_description(const ChannelDescription& d, OutputText& out);

int render_channel_description2(const ChannelDescription& d, OutputText& out);

int render_mobile_allocation(const MobileAllocation& d, OutputText& out);

int render_frequency_channel_sequence(const FrequencyChannelSequence& d, OutputText& out);

int render_channel_mode(uint8_t mode, OutputText& out);

int render_channel_mode2(uint8_t mode, OutputText& out);

int render_cipher_mode_setting(const CipherModeSetting& d, OutputText& out);

void render_vgcs_target_mode(const VgcsTargetMode& v, OutputText& out);

struct MultiRateConfiguration {
  uint8_t length;
  uint8_t mr_version;
  uint8_t nscb;
  uint8_t icmi;
  uint8_t start_mode;
  uint8_t codec_set;  // bit 7 = 12,2 kbit/s ... bit 0 = 4,75 kbit/s
  uint8_t threshold[3];
  uint8_t hysteresis[3];
};

void decode_multirate_configuration(MultiRateConfiguration& m, const BitBuffer& b);

int render_multirate_configuration(const MultiRateConfiguration& m, OutputText& out);

struct DynamicArfcnMappingElement {
  uint8_t length;
  uint8_t count;
  struct Entry {
    uint8_t gsm_band;
    uint16_t arfcn_first;
    uint16_t band_offset;
    uint8_t arfcn_range;
  } entries[16];
};

void decode_dynamic_arfcn_mapping_element(DynamicArfcnMappingElement& m, const BitBuffer& b);

void render_dynamic_arfcn_mapping_element(const DynamicArfcnMappingElement& m, OutputText& out);

}  // namespace l3
