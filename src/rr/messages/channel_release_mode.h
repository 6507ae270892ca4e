// Channel release, partial release, channel mode modify and ciphering mode.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"
#include "mm/shared_elements.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/frequency_list.h"
#include "rr/elements/measurement_elements.h"

namespace l3 {

struct CipheringModeCommand : MessageRecord {
  CipherModeSetting setting;
  uint8_t cipher_response;
};

struct CipheringModeComplete : MessageRecord {
  Opt<MobileIdentity> identity;
};

struct ChannelRelease : MessageRecord {
  uint8_t cause;
  Opt<BaRange> ba_range;
  Opt<GroupChannelDescription> group_channel;
  Opt<uint8_t> group_cipher_key_number;
  Opt<uint8_t> gprs_resumption;
  Opt<BaListPref> ba_list_pref;
  Opt<UtranFreqList> utran_freq_list;
  Opt<FrequencyList> cell_channel;
};

struct RrChannelOnlyMessage : MessageRecord {
  ChannelDescription channel;
};

struct ChannelModeModify : MessageRecord {
  ChannelDescription channel;
  uint8_t mode;
  Opt<VgcsTargetMode> vgcs_target_mode;
  Opt<MultiRateConfiguration> multirate;
};

// Parsers: fill the zeroed record the message table built.
void parse_ciphering_mode_command(CipheringModeCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_ciphering_mode_complete(CipheringModeComplete& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_channel_release(ChannelRelease& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_channel_only_message(RrChannelOnlyMessage& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_channel_mode_modify(ChannelModeModify& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_channel_mode_modify_ack(ChannelModeModify& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// Renderers: tag is the message's open tag name from its table row.
int render_ciphering_mode_command(const CipheringModeCommand& r, OutputText& out, const char* tag);
int render_ciphering_mode_complete(const CipheringModeComplete& r, OutputText& out, const char* tag);
int render_channel_release(const ChannelRelease& r, OutputText& out, const char* tag);
int render_partial_release(const RrChannelOnlyMessage& r, OutputText& out, const char* tag);
int render_channel_mode_modify(const ChannelModeModify& r, OutputText& out, const char* tag);
int render_channel_mode_modify_ack(const ChannelModeModify& r, OutputText& out, const char* tag);

}  // namespace l3
