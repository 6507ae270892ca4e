// Rest octets of the paging requests and of NOTIFICATION/NCH.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/frequency_list.h"
#include "rr/elements/value_elements.h"

namespace l3 {

struct NotificationNch;

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

struct NchGroupCall {
  RrGroupCallRef reference;
  RestGroupChannel group_channel;
};

void decode_p1_rest_octets(P1RestOctets& r, const BitBuffer& b);
void render_p1_rest_octets(const P1RestOctets& r, OutputText& out);
void decode_p2_rest_octets(P2RestOctets& r, const BitBuffer& b);
void render_p2_rest_octets(const P2RestOctets& r, OutputText& out);
void decode_p3_rest_octets(P3RestOctets& r, const BitBuffer& b);
void render_p3_rest_octets(const P3RestOctets& r, OutputText& out);
// The 20 NT/N rest octets into the message record.
void decode_nt_n_rest_octets(NotificationNch& r, const BitBuffer& b);
void render_nt_n_rest_octets(const NotificationNch& r, OutputText& out);

}  // namespace l3
