// Bearer capability and backup bearer capability: an octet chain whose
// extension bits decide which sub-octets follow, rendered per direction.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

struct SpeechOctet {
  uint8_t present;
  uint8_t coding;
  uint8_t ctm;  // first entry only
  uint8_t speech_version;
};

// Octet 4 onward, shared by both elements. An "*_present" flag of a
// sub-octet comes from the previous octet's extension bit: it can be set
// while the sub-octet itself is missing (fields 0).
struct BearerTail {
  uint8_t octet4_present;
  uint8_t compression;
  uint8_t structure;
  uint8_t duplex_mode;
  uint8_t configuration;
  uint8_t nirr;
  uint8_t establishment;
  uint8_t octet5_present;
  uint8_t access_identity;
  uint8_t rate_adaption;
  uint8_t signalling_access_protocol;
  uint8_t octet5a_present;
  uint8_t other_itc;
  uint8_t other_rate_adaption;
  uint8_t octet5b_present;
  uint8_t rate_adaption_header;
  uint8_t multiple_frame_establishment;
  uint8_t mode_of_operation;
  uint8_t lli_negotiation;
  uint8_t assignor_assignee;
  uint8_t inband_negotiation;
  uint8_t octet6_present;
  uint8_t layer1_identity;
  uint8_t layer1_protocol;
  uint8_t synchronous;
  uint8_t octet6a_present;
  uint8_t stop_bits;
  uint8_t negotiation;
  uint8_t data_bits;
  uint8_t user_rate;
  uint8_t octet6b_present;
  uint8_t intermediate_rate;
  uint8_t nic_tx;
  uint8_t nic_rx;
  uint8_t parity;
  uint8_t octet6c_present;
  uint8_t connection_element;
  uint8_t modem_type;
  uint8_t octet6d_present;
  uint8_t other_modem_type;
  uint8_t fixed_network_user_rate;
  uint8_t octet6e_present;
  uint8_t acceptable_channel_codings;  // octet bits 7-4 as 0x8..0x1
  uint8_t max_traffic_channels;
  uint8_t octet6f_present;
  uint8_t uimi;
  uint8_t wanted_air_rate;
  uint8_t octet6g_present;
  uint8_t acceptable_codings_extended;  // octet bits 7-5 as 0x4..0x1
  uint8_t asymmetry;
  uint8_t octet7_present;
  uint8_t layer2_identity;
  uint8_t layer2_protocol;
};

struct BearerCapability {
  uint8_t direction;
  uint8_t octet3_present;
  uint8_t transfer_capability;
  uint8_t transfer_mode;
  uint8_t coding_standard;
  uint8_t radio_channel_requirement;
  uint8_t speech_count;  // octets 3a, 3b, ... stored, at most 12
  SpeechOctet speech[12];
  BearerTail tail;
};

struct BackupBearerCapability {
  uint8_t direction;
  uint8_t octet3_present;
  uint8_t transfer_capability;
  uint8_t transfer_mode;
  uint8_t coding_standard;
  uint8_t octet3_bits76;
  BearerTail tail;
};

// The buffer holds the length octet and the value octets.
void decode_bearer_capability(BearerCapability& bc, const BitBuffer& bits, uint8_t direction);
void decode_backup_bearer_capability(BackupBearerCapability& bc, const BitBuffer& bits, uint8_t direction);

// 1 after the closing tag; 0 when a value without text cut the element short.
int render_bearer_capability(const BearerCapability& bc, OutputText& out);
int render_backup_bearer_capability(const BackupBearerCapability& bc, OutputText& out);

}  // namespace l3
