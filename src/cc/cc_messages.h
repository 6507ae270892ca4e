// Call-control message parsers and renderers, paired by message type in the
// family dispatch.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"

namespace l3 {

MessageRecord* parse_cc_alerting(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_call_proceeding(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_progress(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_establishment(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_setup(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_establishment_confirmed(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_connect(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_call_confirmed(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_start_cc(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_recall(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_emergency_setup(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_header_only(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_user_information(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_modify_reject(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_modify(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_cause_only(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_modify_complete(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_disconnect(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_release_complete(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_release(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_dtmf(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_congestion_control(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_facility(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_status(const uint8_t* msg, uint16_t len, uint8_t dir);
MessageRecord* parse_cc_notify(const uint8_t* msg, uint16_t len, uint8_t dir);

// Each takes the record its row's parser made; 1, or 0 when STATUS stopped early.
int render_cc_alerting(const MessageRecord& r, OutputText& out);
int render_cc_call_proceeding(const MessageRecord& r, OutputText& out);
int render_cc_progress(const MessageRecord& r, OutputText& out);
int render_cc_establishment(const MessageRecord& r, OutputText& out);
int render_cc_setup(const MessageRecord& r, OutputText& out);
int render_cc_establishment_confirmed(const MessageRecord& r, OutputText& out);
int render_cc_connect(const MessageRecord& r, OutputText& out);
int render_cc_call_confirmed(const MessageRecord& r, OutputText& out);
int render_cc_start_cc(const MessageRecord& r, OutputText& out);
int render_cc_recall(const MessageRecord& r, OutputText& out);
int render_cc_emergency_setup(const MessageRecord& r, OutputText& out);
int render_cc_connect_acknowledge(const MessageRecord& r, OutputText& out);
int render_cc_user_information(const MessageRecord& r, OutputText& out);
int render_cc_modify_reject(const MessageRecord& r, OutputText& out);
int render_cc_modify(const MessageRecord& r, OutputText& out);
int render_cc_hold(const MessageRecord& r, OutputText& out);
int render_cc_hold_acknowledge(const MessageRecord& r, OutputText& out);
int render_cc_hold_reject(const MessageRecord& r, OutputText& out);
int render_cc_retrieve(const MessageRecord& r, OutputText& out);
int render_cc_retrieve_acknowledge(const MessageRecord& r, OutputText& out);
int render_cc_retrieve_reject(const MessageRecord& r, OutputText& out);
int render_cc_modify_complete(const MessageRecord& r, OutputText& out);
int render_cc_disconnect(const MessageRecord& r, OutputText& out);
int render_cc_release_complete(const MessageRecord& r, OutputText& out);
int render_cc_release(const MessageRecord& r, OutputText& out);
int render_cc_stop_dtmf(const MessageRecord& r, OutputText& out);
int render_cc_stop_dtmf_acknowledge(const MessageRecord& r, OutputText& out);
int render_cc_status_enquiry(const MessageRecord& r, OutputText& out);
int render_cc_start_dtmf(const MessageRecord& r, OutputText& out);
int render_cc_start_dtmf_acknowledge(const MessageRecord& r, OutputText& out);
int render_cc_start_dtmf_reject(const MessageRecord& r, OutputText& out);
int render_cc_congestion_control(const MessageRecord& r, OutputText& out);
int render_cc_facility(const MessageRecord& r, OutputText& out);
int render_cc_status(const MessageRecord& r, OutputText& out);
int render_cc_notify(const MessageRecord& r, OutputText& out);

}  // namespace l3
