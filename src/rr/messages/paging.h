// Paging requests and response, notifications.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"
#include "mm/shared_elements.h"
#include "rr/elements/value_elements.h"
#include "rr/rest_octets/paging_rest_octets.h"

namespace l3 {

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

// Parsers: fill the zeroed record the message table built.
void parse_paging_request1(PagingRequest1& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_paging_request2(PagingRequest2& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_paging_request3(PagingRequest3& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_paging_response(PagingResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_notification_nch(NotificationNch& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_notification_response(RrNotificationResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_packet_notification(PacketNotification& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// Renderers: tag is the message's open tag name from its table row.
int render_paging_request1(const PagingRequest1& r, OutputText& out, const char* tag);
int render_paging_request2(const PagingRequest2& r, OutputText& out, const char* tag);
int render_paging_request3(const PagingRequest3& r, OutputText& out, const char* tag);
int render_paging_response(const PagingResponse& r, OutputText& out, const char* tag);
int render_notification_nch(const NotificationNch& r, OutputText& out, const char* tag);
int render_rr_notification_response(const RrNotificationResponse& r, OutputText& out, const char* tag);
int render_packet_notification(const PacketNotification& r, OutputText& out, const char* tag);

}  // namespace l3
