// Dual transfer mode: DTM assignment, DTM information and GPRS suspension.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/common_elements.h"
#include "rr/elements/frequency_list.h"
#include "rr/elements/packet_elements.h"
#include "rr/rest_octets/gprs_rest_octets.h"

namespace l3 {

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

struct GprsSuspensionRequest : MessageRecord {
  uint32_t tlli;
  RrRoutingArea routing_area;
  uint8_t cause;
};

struct DtmInformation : MessageRecord {
  RrRoutingArea routing_area;
  DtmInformationDetails details;
};

// Parsers: fill the zeroed record the message table built.
void parse_dtm_assignment_command(DtmAssignmentCommand& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_gprs_suspension_request(GprsSuspensionRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_dtm_information(DtmInformation& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// Renderers: tag is the message's open tag name from its table row.
int render_dtm_assignment_command(const DtmAssignmentCommand& r, OutputText& out, const char* tag);
int render_gprs_suspension_request(const GprsSuspensionRequest& r, OutputText& out, const char* tag);
int render_dtm_information(const DtmInformation& r, OutputText& out, const char* tag);

}  // namespace l3
