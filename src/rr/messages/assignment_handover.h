// Assignment and handover: the commands, their completion, PDCH assignment,
// cell change order, frequency redefinition and configuration change.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/common_elements.h"
#include "rr/elements/frequency_list.h"
#include "rr/elements/measurement_elements.h"
#include "rr/elements/packet_elements.h"

namespace l3 {

struct HandoverComplete : MessageRecord {
  uint8_t cause;
  Opt<MobileObservedTimeDifference> time_difference;
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

struct FrequencyRedefinition : MessageRecord {
  ChannelDescription channel;
  MobileAllocation mobile_allocation;
  StartingTime starting_time;
  Opt<FrequencyList> cell_channel;
};

// Parsers: fill the zeroed record the message table built.
void parse_handover_complete(HandoverComplete& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_configuration_change_command(ConfigurationChangeCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_assignment_command(AssignOrHandoverCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_handover_command(AssignOrHandoverCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_cell_change_order(RrCellChangeOrder& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_pdch_assignment_command(PdchAssignmentCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_frequency_redefinition(FrequencyRedefinition& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// Renderers: tag is the message's open tag name from its table row.
int render_handover_complete(const HandoverComplete& r, OutputText& out, const char* tag);
int render_configuration_change_command(const ConfigurationChangeCommand& r, OutputText& out, const char* tag);
int render_assignment_command(const AssignOrHandoverCommand& r, OutputText& out, const char* tag);
int render_handover_command(const AssignOrHandoverCommand& r, OutputText& out, const char* tag);
int render_rr_cell_change_order(const RrCellChangeOrder& r, OutputText& out, const char* tag);
int render_pdch_assignment_command(const PdchAssignmentCommand& r, OutputText& out, const char* tag);
int render_frequency_redefinition(const FrequencyRedefinition& r, OutputText& out, const char* tag);

}  // namespace l3
