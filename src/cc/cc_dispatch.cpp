#include <iterator>

#include "cc/cc_messages.h"
#include "core/dispatch.h"

namespace l3 {

namespace {

struct CcMessage {
  uint8_t type;  // octet 1, low six bits
  MessageRecord* (*parse)(const uint8_t* msg, uint16_t len, uint8_t dir);
  int (*render)(const MessageRecord& r, OutputText& out);
};

constexpr CcMessage kCcMessages[] = {
    {0x01, parse_cc_alerting, render_cc_alerting},
    {0x02, parse_cc_call_proceeding, render_cc_call_proceeding},
    {0x03, parse_cc_progress, render_cc_progress},
    {0x04, parse_cc_establishment, render_cc_establishment},
    {0x05, parse_cc_setup, render_cc_setup},
    {0x06, parse_cc_establishment_confirmed, render_cc_establishment_confirmed},
    {0x07, parse_cc_connect, render_cc_connect},
    {0x08, parse_cc_call_confirmed, render_cc_call_confirmed},
    {0x09, parse_cc_start_cc, render_cc_start_cc},
    {0x0B, parse_cc_recall, render_cc_recall},
    {0x0E, parse_cc_emergency_setup, render_cc_emergency_setup},
    {0x0F, parse_cc_header_only, render_cc_connect_acknowledge},
    {0x10, parse_cc_user_information, render_cc_user_information},
    {0x13, parse_cc_modify_reject, render_cc_modify_reject},
    {0x17, parse_cc_modify, render_cc_modify},
    {0x18, parse_cc_header_only, render_cc_hold},
    {0x19, parse_cc_header_only, render_cc_hold_acknowledge},
    {0x1A, parse_cc_cause_only, render_cc_hold_reject},
    {0x1C, parse_cc_header_only, render_cc_retrieve},
    {0x1D, parse_cc_header_only, render_cc_retrieve_acknowledge},
    {0x1E, parse_cc_cause_only, render_cc_retrieve_reject},
    {0x1F, parse_cc_modify_complete, render_cc_modify_complete},
    {0x25, parse_cc_disconnect, render_cc_disconnect},
    {0x2A, parse_cc_release_complete, render_cc_release_complete},
    {0x2D, parse_cc_release, render_cc_release},
    {0x31, parse_cc_header_only, render_cc_stop_dtmf},
    {0x32, parse_cc_header_only, render_cc_stop_dtmf_acknowledge},
    {0x34, parse_cc_header_only, render_cc_status_enquiry},
    {0x35, parse_cc_dtmf, render_cc_start_dtmf},
    {0x36, parse_cc_dtmf, render_cc_start_dtmf_acknowledge},
    {0x37, parse_cc_cause_only, render_cc_start_dtmf_reject},
    {0x39, parse_cc_congestion_control, render_cc_congestion_control},
    {0x3A, parse_cc_facility, render_cc_facility},
    {0x3D, parse_cc_status, render_cc_status},
    {0x3E, parse_cc_notify, render_cc_notify},
};

const CcMessage* find_cc_message(uint8_t type) {
  for (const CcMessage& m : kCcMessages) {
    if (m.type == type) return &m;
  }
  return nullptr;
}

}  // namespace

// Send-sequence bits (the top two of octet 1) do not choose the message.
MessageRecord* parse_cc_message(const uint8_t* msg, uint16_t len, uint8_t dir) {
  const CcMessage* m = find_cc_message(msg[1] & 0x3F);
  return m != nullptr ? m->parse(msg, len, dir) : nullptr;
}

int render_cc_message(const MessageRecord& r, OutputText& out, uint8_t) {
  const CcMessage* m = find_cc_message(r.key & 0x3F);
  return m != nullptr ? m->render(r, out) : 0;
}

}  // namespace l3
