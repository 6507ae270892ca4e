// Immediate assignment and its extended, reject and additional forms.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/common_elements.h"
#include "rr/rest_octets/ia_rest_octets.h"

namespace l3 {

struct AdditionalAssignment : MessageRecord {
  ChannelDescription channel;
  Opt<MobileAllocation> mobile_allocation;
  Opt<StartingTime> starting_time;
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

// Parsers: fill the zeroed record the message table built.
void parse_additional_assignment(AdditionalAssignment& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_immediate_assignment(ImmediateAssignment& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_immediate_assignment_extended(ImmediateAssignmentExtended& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_immediate_assignment_reject(ImmediateAssignmentReject& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// Renderers: tag is the message's open tag name from its table row.
int render_additional_assignment(const AdditionalAssignment& r, OutputText& out, const char* tag);
int render_immediate_assignment(const ImmediateAssignment& r, OutputText& out, const char* tag);
int render_immediate_assignment_extended(const ImmediateAssignmentExtended& r, OutputText& out, const char* tag);
int render_immediate_assignment_reject(const ImmediateAssignmentReject& r, OutputText& out, const char* tag);

}  // namespace l3
