// Call-control message records: one plain record per message, element parts
// in the order the message defines them. Octet arrays are indexed from 1.
//
// Fields read by value extraction (no renderer involved):
//   DISCONNECT (CcDisconnect::cause, mandatory, no presence flag):
//     cause.cause_value_present, cause.cause_value
//   RELEASE (CcRelease::cause1, CcRelease::cause2, optional):
//     causeN.present, causeN.value.cause_value_present, causeN.value.cause_value
#pragma once

#include <cstdint>
#include <type_traits>

#include "cc/bearer_capability.h"
#include "core/record.h"

namespace l3 {

// Length-led octet string. length is the stored count: the element's length
// octet cut to the capacity N.
template <uint32_t N>
struct CcOctets {
  uint16_t length;
  uint8_t octets[N + 1];
};

struct UserUserInfo {
  uint8_t protocol_discriminator;
  uint16_t count;  // user-information octets stored (length octet minus one, cut to 999)
  uint8_t octets[999 + 1];
};

struct ProgressInfo {
  uint8_t location;
  uint8_t coding_standard;
  uint8_t description;
};

struct HighLayerInfo {
  uint8_t coding_standard;
  uint8_t interpretation;
  uint8_t characteristics;
  uint8_t presentation_method;
  uint8_t extended_characteristics;
  uint8_t reverse_call_setup_direction;  // set by MODIFY and MODIFY COMPLETE
  uint8_t immediate_modification;        // set by MODIFY
};

struct CauseInfo {
  uint8_t coding_standard;
  uint8_t location;
  uint8_t recommendation_present;
  uint8_t recommendation;
  uint8_t cause_value_present;
  uint8_t cause_value;
  uint8_t diagnostics_present;
  uint8_t diagnostic_count;  // stored octets, at most 31
  uint8_t diagnostics[31 + 1];
};

struct BcdNumber {
  static constexpr uint32_t kMaxDigits = 98;
  uint8_t type_of_number;
  uint8_t numbering_plan;
  uint8_t presentation;
  uint8_t screening;
  uint8_t digit_count;  // twice the stored digit octets
  uint8_t digit_count_copy;
  uint8_t digits[kMaxDigits + 1];  // nibbles, low nibble of each octet first
  char text[kMaxDigits + 1];       // NUL-terminated; an end mark 0xF in the last octet is dropped
};

struct SubaddressInfo {
  uint8_t type;
  uint8_t odd_even;
  uint8_t count;
  uint8_t octets[99 + 1];
};

struct CcCapabilitiesInfo {
  uint8_t length;
  uint8_t max_bearers;
  uint8_t pcp;
  uint8_t dtmf;
  uint8_t max_speech_bearers;
};

struct CodecEntry {
  uint8_t system_id;
  uint8_t bitmap_length;  // stored bitmap octets, at most 2
  uint8_t bitmap[2 + 1];
};

struct CodecList {
  uint8_t count;
  CodecEntry entries[100];
};

// A one-octet TLV value. Both fields stay 0 for a length octet of 0.
struct ShortElement {
  uint8_t length;
  uint8_t value;
};

using Facility = CcOctets<999>;
using SsVersion = CcOctets<199>;
using LowLayerCompat = CcOctets<16>;

struct CcHeaderOnly : MessageRecord {};

struct CcAlerting : MessageRecord {
  Opt<Facility> facility;
  Opt<ProgressInfo> progress;
  Opt<UserUserInfo> user_user;
  Opt<SsVersion> ss_version;
};

struct CcCallProceeding : MessageRecord {
  Opt<uint8_t> repeat;
  Opt<BearerCapability> bc1;
  Opt<BearerCapability> bc2;
  Opt<Facility> facility;
  Opt<ProgressInfo> progress;
  Opt<uint8_t> priority;
  Opt<ShortElement> network_cc_capabilities;
};

struct CcProgress : MessageRecord {
  ProgressInfo progress;
  Opt<UserUserInfo> user_user;
};

struct CcEstablishment : MessageRecord {
  Opt<uint8_t> repeat1;  // before the bearer capabilities
  Opt<BearerCapability> bc1;
  Opt<BearerCapability> bc2;
  Opt<Facility> facility;
  Opt<SubaddressInfo> calling_subaddress;
  Opt<BcdNumber> called_number;
  Opt<SubaddressInfo> called_subaddress;
  Opt<uint8_t> repeat2;  // before LLC I
  Opt<LowLayerCompat> llc1;
  Opt<LowLayerCompat> llc2;
  Opt<uint8_t> repeat3;  // before HLC I
  Opt<HighLayerInfo> hlc1;
  Opt<HighLayerInfo> hlc2;
  Opt<UserUserInfo> user_user;
  Opt<SsVersion> ss_version;
  Opt<uint8_t> clir_suppression;
  Opt<uint8_t> clir_invocation;
  Opt<CcCapabilitiesInfo> cc_capabilities;
  Opt<Facility> facility_advanced_recall;
  Opt<Facility> facility_recall_not_essential;
  Opt<ShortElement> stream_identifier;
  Opt<CodecList> supported_codecs;
};

struct CcSetup : MessageRecord {
  Opt<uint8_t> repeat1;
  Opt<uint8_t> repeat2;
  Opt<uint8_t> repeat3;
  Opt<BearerCapability> bc1;
  Opt<BearerCapability> bc2;
  Opt<Facility> facility;
  Opt<ProgressInfo> progress;
  Opt<uint8_t> signal;
  Opt<BcdNumber> calling_number;
  Opt<SubaddressInfo> calling_subaddress;
  Opt<BcdNumber> called_number;
  Opt<SubaddressInfo> called_subaddress;
  Opt<BcdNumber> redirecting_number;
  Opt<SubaddressInfo> redirecting_subaddress;
  Opt<Facility> facility_advanced_recall;
  Opt<Facility> facility_recall_not_essential;
  Opt<LowLayerCompat> llc1;
  Opt<LowLayerCompat> llc2;
  Opt<HighLayerInfo> hlc1;
  Opt<HighLayerInfo> hlc2;
  Opt<UserUserInfo> user_user;
  Opt<uint8_t> priority;
  Opt<ShortElement> alert;
  Opt<ShortElement> network_cc_capabilities;
  Opt<ShortElement> cause_of_no_cli;
  Opt<BackupBearerCapability> backup_bc;
  Opt<uint8_t> clir_suppression;
  Opt<uint8_t> clir_invocation;
  Opt<SsVersion> ss_version;
  Opt<CcCapabilitiesInfo> cc_capabilities;
  Opt<ShortElement> stream_identifier;
  Opt<CodecList> supported_codecs;
};

struct CcEstablishmentConfirmed : MessageRecord {
  Opt<uint8_t> repeat;
  Opt<BearerCapability> bc1;
  Opt<BearerCapability> bc2;
  Opt<CauseInfo> cause;
  Opt<CodecList> supported_codecs;
};

struct CcConnect : MessageRecord {
  Opt<Facility> facility;
  Opt<ProgressInfo> progress;
  Opt<BcdNumber> connected_number;
  Opt<SubaddressInfo> connected_subaddress;
  Opt<UserUserInfo> user_user;
  Opt<SsVersion> ss_version;
  Opt<ShortElement> stream_identifier;
};

struct CcCallConfirmed : MessageRecord {
  Opt<uint8_t> repeat;
  Opt<BearerCapability> bc1;
  Opt<BearerCapability> bc2;
  Opt<CauseInfo> cause;
  Opt<CcCapabilitiesInfo> cc_capabilities;
  Opt<ShortElement> stream_identifier;
  Opt<CodecList> supported_codecs;
};

struct CcStartCc : MessageRecord {
  Opt<CcCapabilitiesInfo> cc_capabilities;
};

struct CcRecall : MessageRecord {
  uint8_t recall_type;
  Facility facility;
};

struct CcEmergencySetup : MessageRecord {
  Opt<BearerCapability> bc;
  Opt<ShortElement> stream_identifier;
  Opt<CodecList> supported_codecs;
  Opt<ShortElement> emergency_category;
};

struct CcUserInformation : MessageRecord {
  UserUserInfo user_user;
  Opt<uint8_t> more_data;
};

struct CcModifyReject : MessageRecord {
  BearerCapability bc;
  CauseInfo cause;
  Opt<LowLayerCompat> llc;
  Opt<HighLayerInfo> hlc;
};

// MODIFY and MODIFY COMPLETE; the two flags live in hlc.value, whether or not
// the high layer compatibility itself is present.
struct CcModify : MessageRecord {
  BearerCapability bc;
  Opt<LowLayerCompat> llc;
  Opt<HighLayerInfo> hlc;
};

struct CcCauseOnly : MessageRecord {
  CauseInfo cause;
};

struct CcDisconnect : MessageRecord {
  CauseInfo cause;
  Opt<Facility> facility;
  Opt<ProgressInfo> progress;
  Opt<UserUserInfo> user_user;
  Opt<SsVersion> ss_version;
  Opt<ShortElement> allowed_actions;
};

struct CcReleaseComplete : MessageRecord {
  Opt<CauseInfo> cause;
  Opt<Facility> facility;
  Opt<UserUserInfo> user_user;
  Opt<SsVersion> ss_version;
};

struct CcRelease : MessageRecord {
  Opt<CauseInfo> cause1;
  Opt<CauseInfo> cause2;
  Opt<Facility> facility;
  Opt<UserUserInfo> user_user;
  Opt<SsVersion> ss_version;
};

struct CcDtmf : MessageRecord {
  Opt<uint8_t> keypad;
};

struct CcCongestionControl : MessageRecord {
  uint8_t congestion_level;
  Opt<CauseInfo> cause;
};

struct CcFacility : MessageRecord {
  Facility facility;
  Opt<SsVersion> ss_version;
};

struct AuxiliaryStates {
  uint8_t hold;
  uint8_t multi_party;
};

struct CcStatus : MessageRecord {
  CauseInfo cause;
  uint8_t call_state_coding;
  uint8_t call_state_value;
  Opt<AuxiliaryStates> auxiliary_states;
};

struct CcNotify : MessageRecord {
  uint8_t notification_indicator;
};

}  // namespace l3
