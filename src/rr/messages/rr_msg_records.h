// Records of the RR messages other than system information.
#pragma once

#include <cstdint>

#include "core/record.h"
#include "mm/shared_elements.h"
#include "rr/elements/frequency_list.h"
#include "rr/elements/rr_elements.h"
#include "rr/elements/rr_msg_elements.h"
#include "rr/rest_octets/gprs_rest_octets.h"
#include "rr/rest_octets/ia_rest_octets.h"

namespace l3 {

struct AdditionalAssignment : MessageRecord {
  ChannelDescription channel;
  Opt<MobileAllocation> mobile_allocation;
  Opt<StartingTime> starting_time;
};

struct RrInitialisationRequest : MessageRecord {
  uint8_t cksn;
  uint8_t channel_coding;
  uint8_t mac_mode;
  Classmark2 classmark2;
  uint32_t tlli;
  ChannelRequestDescription request_description;
  GprsMeasurementResults measurement_results;
};

struct ImmediateAssignment : MessageRecord {
  uint8_t page_mode;
  uint8_t td;
  uint8_t downlink;
  uint8_t tma;
  ChannelDescription channel;
  PacketChannelDescription packet_channel;
  RequestReference request_reference;
  uint8_t timing_advance;
  uint8_t mobile_allocation_taken;  // 0: the message ended before it, nothing later is shown
  MobileAllocation mobile_allocation;
  Opt<StartingTime> starting_time;
  IaRestOctets rest;
};

struct ImmediateAssignmentExtended : MessageRecord {
  uint8_t page_mode;
  ChannelDescription channel1;
  RequestReference request_reference1;
  uint8_t timing_advance1;
  ChannelDescription channel2;
  RequestReference request_reference2;
  uint8_t timing_advance2;
  MobileAllocation mobile_allocation;
  Opt<StartingTime> starting_time;
};

struct ImmediateAssignmentReject : MessageRecord {
  uint8_t page_mode;
  RequestReference request_reference[4];
  uint8_t wait_indication[4];
  IarRestOctets rest;
};

// One RR cause octet: the assignment and handover outcomes, RR status and the
// rest of that shape.
struct RrCauseMessage : MessageRecord {
  uint8_t cause;
};

struct HandoverComplete : MessageRecord {
  uint8_t cause;
  Opt<MobileObservedTimeDifference> time_difference;
};

// One octet used whole: DTM wait indication, timing advance, and the octet
// after the type of a channel request.
struct RrOneOctetMessage : MessageRecord {
  uint8_t value;
};

struct RrEmptyMessage : MessageRecord {};

struct CipheringModeCommand : MessageRecord {
  CipherModeSetting setting;
  uint8_t cipher_response;
};

struct CipheringModeComplete : MessageRecord {
  Opt<MobileIdentity> identity;
};

struct ConfigurationChangeCommand : MessageRecord {
  MultislotAllocation multislot;
  Opt<uint8_t> channel_set_mode[8];
};

// ASSIGNMENT COMMAND and HANDOVER COMMAND: the same elements, HANDOVER
// COMMAND with a few more.
struct AssignOrHandoverCommand : MessageRecord {
  CellDescription cell;
  ChannelDescription first_channel_after;
  uint8_t handover_reference;
  PowerCommandAccessType power;
  Opt<uint8_t> sync_indication;  // the IEI octet: NCI bit 4, ROT bit 3, SI bits 1..2
  Opt<FrequencyList> short_list_after;
  Opt<FrequencyList> list_after;
  Opt<FrequencyList> cell_channel;
  Opt<MultislotAllocation> multislot;
  Opt<uint8_t> channel_set_mode[8];  // [0] mode of the first channel
  Opt<ChannelDescription> second_channel_after;
  Opt<uint8_t> second_channel_mode;
  Opt<FrequencyChannelSequence> sequence_after;
  Opt<MobileAllocation> ma_after;
  Opt<StartingTime> starting_time;
  Opt<TimeDifference> real_time_difference;
  Opt<uint8_t> timing_advance;
  Opt<FrequencyList> short_list_before;
  Opt<FrequencyList> list_before;
  Opt<ChannelDescription> first_channel_before;
  Opt<ChannelDescription> second_channel_before;
  Opt<FrequencyChannelSequence> sequence_before;
  Opt<MobileAllocation> ma_before;
  Opt<CipherModeSetting> cipher_mode;
  Opt<VgcsTargetMode> vgcs_target_mode;
  Opt<MultiRateConfiguration> multirate;
  Opt<DynamicArfcnMappingElement> dynamic_arfcn_mapping;
};

struct GprsBroadcastInformation {
  uint8_t length;
  GprsCellOptions options;  // its extension fields are read again below, all of them
  // Extension information, up to the release 7 fields: each field that lies
  // inside the announced length, in order (kind from GprsExtensionField).
  uint8_t extension_count;
  uint8_t extension_kind[16];
  uint8_t extension_value[16];
  GprsPowerControl power_control;
};

enum GprsExtensionField : uint8_t {
  kExtEgprs,
  kExtEgprsPacketChannelRequest,
  kExtBepPeriod,
  kExtPfcFeatureMode,
  kExtDtmSupport,
  kExtBssPagingCoordination,
  kExtCcnActive,
  kExtNwExtUtbf,
  kExtMultipleTbfCapability,
  kExtExtUtbfNoData,
  kExtDtmEnhancementsCapability,
  kExtMbms,
  kExtDedicatedModeMbmsNotification,
  kExtMnciSupport,
  kExtReducedLatencyAccess,
};

struct DtmAssignmentCommand : MessageRecord {
  PowerCommand power;
  ChannelDescription channel;
  GprsBroadcastInformation broadcast;
  Opt<FrequencyList> cell_channel;
  Opt<uint8_t> channel_mode;
  Opt<FrequencyList> frequency_list;
  Opt<MobileAllocation> mobile_allocation;
  Opt<StartingTime> starting_time;
  Opt<RrPacketUplinkAssignment> uplink_assignment;
  Opt<RrPacketDownlinkAssignment> downlink_assignment;
  Opt<MultiRateConfiguration> multirate;
};

struct RrCellChangeOrder : MessageRecord {
  CellDescription cell;
  uint8_t nc_mode;
  Opt<Target3gCell> target_3g_cell;
};

struct PdchAssignmentCommand : MessageRecord {
  ChannelDescription channel;
  Opt<FrequencyList> cell_channel;
  Opt<FrequencyList> list_after;
  Opt<MobileAllocation> ma_after;
  Opt<StartingTime> starting_time;
  Opt<FrequencyList> list_before;
  Opt<ChannelDescription> channel_before;
  Opt<FrequencyChannelSequence> sequence_before;
  Opt<MobileAllocation> ma_before;
  Opt<RrPacketUplinkAssignment> uplink_assignment;
  Opt<RrPacketDownlinkAssignment> downlink_assignment;
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

// A group channel description inside paging and notification rest octets.
struct RestGroupChannel {
  uint8_t present;
  ChannelDescription channel;
  uint8_t ma_present;
  MobileAllocation mobile_allocation;
  uint8_t short_list_present;
  FrequencyList short_list;
};

struct P1RestOctets {
  uint8_t present;
  uint8_t nln_present;
  uint8_t nln;
  uint8_t nln_status;
  Opt<uint8_t> priority1;
  Opt<uint8_t> priority2;
  uint8_t group_call_present;
  RrGroupCallRef group_call;
  RestGroupChannel group_channel;
  uint8_t packet_page_indication1;
  uint8_t packet_page_indication2;
};

struct P2RestOctets {
  uint8_t present;
  Opt<uint8_t> cn3;
  uint8_t nln_present;
  uint8_t nln;
  uint8_t nln_status;
  Opt<uint8_t> priority[3];
  uint8_t packet_page_indication3;
};

struct P3RestOctets {
  uint8_t present;
  uint8_t cn_present;
  uint8_t cn3;
  uint8_t cn4;
  uint8_t nln_present;
  uint8_t nln;
  uint8_t nln_status;
  Opt<uint8_t> priority[4];
};

struct PagingRequest1 : MessageRecord {
  uint8_t page_mode;
  uint8_t channel_first;
  uint8_t channel_second;
  MobileIdentity identity1;
  Opt<MobileIdentity> identity2;
  P1RestOctets rest;
};

struct PagingRequest2 : MessageRecord {
  uint8_t page_mode;
  uint8_t channel_first;
  uint8_t channel_second;
  uint32_t tmsi1;
  uint32_t tmsi2;
  Opt<MobileIdentity> identity3;
  P2RestOctets rest;
};

struct PagingRequest3 : MessageRecord {
  uint8_t page_mode;
  uint8_t channel_first;
  uint8_t channel_second;
  uint32_t tmsi[4];
  P3RestOctets rest;
};

struct PagingResponse : MessageRecord {
  uint8_t cksn;
  Classmark2 classmark2;
  MobileIdentity identity;
};

struct NchGroupCall {
  RrGroupCallRef reference;
  RestGroupChannel group_channel;
};

struct NotificationNch : MessageRecord {
  uint8_t nln_present;
  uint8_t nln;
  uint8_t count;
  NchGroupCall calls[4];
};

struct RrNotificationResponse : MessageRecord {
  Classmark2 classmark2;
  MobileIdentity identity;
  RrGroupCallRef group_call;
};

struct PacketNotification : MessageRecord {
  Opt<uint32_t> ptmsi;
  Opt<MobileIdentity> identity;
};

struct ChannelModeModify : MessageRecord {
  ChannelDescription channel;
  uint8_t mode;
  Opt<VgcsTargetMode> vgcs_target_mode;
  Opt<MultiRateConfiguration> multirate;
};

struct FrequencyRedefinition : MessageRecord {
  ChannelDescription channel;
  MobileAllocation mobile_allocation;
  StartingTime starting_time;
  Opt<FrequencyList> cell_channel;
};

struct MeasurementReport : MessageRecord {
  MeasurementResults results;
};

struct ClassmarkChange : MessageRecord {
  Classmark2 classmark2;
  Classmark3 classmark3;  // its own presence flag first
};

struct ClassmarkEnquiry : MessageRecord {
  Opt<uint8_t> mask;
};

struct ExtendedMeasurementReport : MessageRecord {
  ExtendedMeasurementResults results;
};

struct ExtendedMeasurementOrder : MessageRecord {
  ExtendedMeasurementFrequencyList list;
};

struct GprsSuspensionRequest : MessageRecord {
  uint32_t tlli;
  RrRoutingArea routing_area;
  uint8_t cause;
};

struct DtmInformation : MessageRecord {
  RrRoutingArea routing_area;
  DtmInformationDetails details;
};

struct VgcsUplinkGrant : MessageRecord {
  RequestReference request_reference;
  uint8_t timing_advance;
};

struct TalkerIndication : MessageRecord {
  Classmark2 classmark2;
  MobileIdentity identity;
};

struct ApplicationInformation : MessageRecord {
  uint8_t apdu_id;
  uint8_t apdu_flags;
  OctetString<255> data;
};

}  // namespace l3
