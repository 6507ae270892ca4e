// Voice group calls: uplink grant, talker indication and RR initialisation
// request.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"
#include "mm/shared_elements.h"
#include "rr/elements/common_elements.h"
#include "rr/elements/measurement_elements.h"
#include "rr/elements/packet_elements.h"

namespace l3 {

struct RrInitialisationRequest : MessageRecord {
  uint8_t cksn;
  uint8_t channel_coding;
  uint8_t mac_mode;
  Classmark2 classmark2;
  uint32_t tlli;
  ChannelRequestDescription request_description;
  GprsMeasurementResults measurement_results;
};

struct VgcsUplinkGrant : MessageRecord {
  RequestReference request_reference;
  uint8_t timing_advance;
};

struct TalkerIndication : MessageRecord {
  Classmark2 classmark2;
  MobileIdentity identity;
};

// Parsers: fill the zeroed record the message table built.
void parse_rr_initialisation_request(RrInitialisationRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_vgcs_uplink_grant(VgcsUplinkGrant& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_talker_indication(TalkerIndication& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// Renderers: tag is the message's open tag name from its table row.
int render_rr_initialisation_request(const RrInitialisationRequest& r, OutputText& out, const char* tag);
int render_vgcs_uplink_grant(const VgcsUplinkGrant& r, OutputText& out, const char* tag);
int render_talker_indication(const TalkerIndication& r, OutputText& out, const char* tag);

}  // namespace l3
