// Call-control message parsers and renderers, paired by message type in
// cc_table.h.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "cc/cc_records.h"

namespace l3 {

void parse_cc_alerting(CcAlerting& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_call_proceeding(CcCallProceeding& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_progress(CcProgress& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_establishment(CcEstablishment& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_setup(CcSetup& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_establishment_confirmed(CcEstablishmentConfirmed& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_connect(CcConnect& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_call_confirmed(CcCallConfirmed& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_start_cc(CcStartCc& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_recall(CcRecall& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_emergency_setup(CcEmergencySetup& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_header_only(CcHeaderOnly& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_user_information(CcUserInformation& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_modify_reject(CcModifyReject& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_modify(CcModify& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_cause_only(CcCauseOnly& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_modify_complete(CcModify& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_disconnect(CcDisconnect& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_release_complete(CcReleaseComplete& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_release(CcRelease& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_dtmf(CcDtmf& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_congestion_control(CcCongestionControl& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_facility(CcFacility& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_status(CcStatus& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cc_notify(CcNotify& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// Each takes the record its row's parser made; 1, or 0 when STATUS stopped early.
int render_cc_alerting(const CcAlerting& r, OutputText& out);
int render_cc_call_proceeding(const CcCallProceeding& r, OutputText& out);
int render_cc_progress(const CcProgress& r, OutputText& out);
int render_cc_establishment(const CcEstablishment& r, OutputText& out);
int render_cc_setup(const CcSetup& r, OutputText& out);
int render_cc_establishment_confirmed(const CcEstablishmentConfirmed& r, OutputText& out);
int render_cc_connect(const CcConnect& r, OutputText& out);
int render_cc_call_confirmed(const CcCallConfirmed& r, OutputText& out);
int render_cc_start_cc(const CcStartCc& r, OutputText& out);
int render_cc_recall(const CcRecall& r, OutputText& out);
int render_cc_emergency_setup(const CcEmergencySetup& r, OutputText& out);
int render_cc_connect_acknowledge(const CcHeaderOnly& r, OutputText& out);
int render_cc_user_information(const CcUserInformation& r, OutputText& out);
int render_cc_modify_reject(const CcModifyReject& r, OutputText& out);
int render_cc_modify(const CcModify& r, OutputText& out);
int render_cc_hold(const CcHeaderOnly& r, OutputText& out);
int render_cc_hold_acknowledge(const CcHeaderOnly& r, OutputText& out);
int render_cc_hold_reject(const CcCauseOnly& r, OutputText& out);
int render_cc_retrieve(const CcHeaderOnly& r, OutputText& out);
int render_cc_retrieve_acknowledge(const CcHeaderOnly& r, OutputText& out);
int render_cc_retrieve_reject(const CcCauseOnly& r, OutputText& out);
int render_cc_modify_complete(const CcModify& r, OutputText& out);
int render_cc_disconnect(const CcDisconnect& r, OutputText& out);
int render_cc_release_complete(const CcReleaseComplete& r, OutputText& out);
int render_cc_release(const CcRelease& r, OutputText& out);
int render_cc_stop_dtmf(const CcHeaderOnly& r, OutputText& out);
int render_cc_stop_dtmf_acknowledge(const CcHeaderOnly& r, OutputText& out);
int render_cc_status_enquiry(const CcHeaderOnly& r, OutputText& out);
int render_cc_start_dtmf(const CcDtmf& r, OutputText& out);
int render_cc_start_dtmf_acknowledge(const CcDtmf& r, OutputText& out);
int render_cc_start_dtmf_reject(const CcCauseOnly& r, OutputText& out);
int render_cc_congestion_control(const CcCongestionControl& r, OutputText& out);
int render_cc_facility(const CcFacility& r, OutputText& out);
int render_cc_status(const CcStatus& r, OutputText& out);
int render_cc_notify(const CcNotify& r, OutputText& out);

}  // namespace l3
