#include "cc/cc_elements.h"
#include "cc/cc_messages.h"
#include "cc/cc_records.h"
#include "cc/cc_text.h"
#include "core/output.h"

namespace l3 {

namespace {

// CC-ESTABLISHMENT's sub-message frame: <submsg>, a subtitle line, the element.
template <class T>
void submsg(OutputText& out, const char* subtitle_line, const Opt<T>& e, int (*render)(const T&, OutputText&)) {
  if (!e.present) return;
  append_plain(out, "<submsg>\n");
  append_plain(out, subtitle_line);
  render(e.value, out);
  append_plain(out, "</submsg>\n");
}

void no_detail_block(OutputText& out, const Opt<uint8_t>& flag, const char* name) {
  if (flag.present) text_block(out, name, "no detail");
}

constexpr ValueText kSignalTexts[] = {
    {0, "dial tone on"},
    {1, "ring back tone on"},
    {2, "intercept tone on"},
    {3, "network congestion tone on"},
    {4, "busy tone on"},
    {5, "confirm tone on"},
    {6, "answer tone on"},
    {7, "call waiting tone on"},
    {8, "off_hook warning tone on"},
    {63, "tones off"},
    {79, "alerting off"},
};
constexpr ValueText kAlertTexts[] = {
    {0, "alerting pattern1"}, {1, "alerting pattern2"}, {2, "alerting pattern3"},
    {3, "alerting pattern4"}, {4, "alerting pattern5"}, {5, "alerting pattern6"},
    {6, "alerting pattern7"}, {7, "alerting pattern8"}, {8, "alerting pattern9"},
};
constexpr ValueText kCauseOfNoCliTexts[] = {
    {0, "Unavailable"},
    {1, "Reject by user"},
    {2, "Interaction with other service"},
    {3, "Coin line/payphone"},
};
static_assert(well_formed(kSignalTexts) && well_formed(kAlertTexts));

}  // namespace

int render_cc_alerting(const CcAlerting& r, OutputText& out) {
  append_plain(out, "<Alerting>\n");
  if (r.facility.present) render_facility(r.facility.value, out);
  if (r.progress.present && r.direction != 0) render_progress_indicator(r.progress.value, out);
  if (r.user_user.present) render_user_user(r.user_user.value, out);
  if (r.ss_version.present && r.direction == 0) render_ss_version(r.ss_version.value, out);
  append_plain(out, "</Alerting>\n");
  return 1;
}

int render_cc_call_proceeding(const CcCallProceeding& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Call Proceeding>\n"));
  if (r.repeat.present) render_bc_repeat_indicator(r.repeat.value, out);
  wrap_element(out, L3_TAG_TEXT("<Bearer capability 1>\n"), L3_TAG_TEXT("</Bearer capability 1>\n"), r.bc1,
               render_bearer_capability);
  wrap_element(out, L3_TAG_TEXT("<Bearer capability 2>\n"), L3_TAG_TEXT("</Bearer capability 2>\n"), r.bc2,
               render_bearer_capability);
  if (r.facility.present) render_facility(r.facility.value, out);
  if (r.progress.present && r.direction != 0) render_progress_indicator(r.progress.value, out);
  if (r.priority.present) render_priority(r.priority.value, out);
  if (r.network_cc_capabilities.present) render_network_cc_capabilities(r.network_cc_capabilities.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Call Proceeding>\n"));
  return 1;
}

int render_cc_progress(const CcProgress& r, OutputText& out) {
  append_plain(out, "<Progress>\n");
  render_progress_indicator(r.progress, out);
  if (r.user_user.present) render_user_user(r.user_user.value, out);
  append_plain(out, "</Progress>\n");
  return 1;
}

int render_cc_establishment(const CcEstablishment& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<CC Establishment>\n"));
  if (r.repeat1.present) render_bc_repeat_indicator(r.repeat1.value, out);
  wrap_element(out, L3_TAG_TEXT("<Bearer capability 1>\n"), L3_TAG_TEXT("</Bearer capability 1>\n"), r.bc1,
               render_bearer_capability);
  wrap_element(out, L3_TAG_TEXT("<Bearer capability 2>\n"), L3_TAG_TEXT("</Bearer capability 2>\n"), r.bc2,
               render_bearer_capability);
  if (r.facility.present) render_facility(r.facility.value, out);
  if (r.calling_subaddress.present) render_calling_party_subaddress(r.calling_subaddress.value, out);
  if (r.called_number.present) render_called_party_number(r.called_number.value, out);
  if (r.called_subaddress.present) render_called_party_subaddress(r.called_subaddress.value, out);
  if (r.repeat2.present) render_llc_repeat_indicator(r.repeat2.value, out);
  submsg(out, "<subtitle>Low layer compatibility I </subtitle>\n", r.llc1, render_low_layer_compatibility);
  submsg(out, "<subtitle>Low layer compatibility II </subtitle>\n", r.llc2, render_low_layer_compatibility);
  if (r.repeat3.present) render_hlc_repeat_indicator(r.repeat3.value, out);
  submsg(out, "<subtitle>High layer compatibility I</subtitle>\n", r.hlc1, render_high_layer_compatibility);
  submsg(out, "<subtitle>High layer compatibility II</subtitle>\n", r.hlc2, render_high_layer_compatibility);
  if (r.user_user.present) render_user_user(r.user_user.value, out);
  if (r.ss_version.present) render_ss_version(r.ss_version.value, out);
  no_detail_block(out, r.clir_suppression, "CLIR suppression");
  no_detail_block(out, r.clir_invocation, "CLIR Invocation");
  if (r.cc_capabilities.present) render_cc_capabilities(r.cc_capabilities.value, out);
  wrap_element(out, L3_TAG_TEXT("<Facility advanced recall alignment>\n"),
               L3_TAG_TEXT("</Facility advanced recall alignment>\n"), r.facility_advanced_recall, render_facility);
  submsg(out, "<subtitle>Facility recall alignment Not essential</subtitle>\n", r.facility_recall_not_essential,
         render_facility);
  if (r.stream_identifier.present) render_stream_identifier(r.stream_identifier.value, out);
  if (r.supported_codecs.present) render_supported_codecs(r.supported_codecs.value, out);
  append_tag_text(out, L3_TAG_TEXT("</CC Establishment>\n"));
  return 1;
}

int render_cc_setup(const CcSetup& r, OutputText& out) {
  const bool mobile_side = r.direction == 0;
  append_plain(out, "<Setup>\n");
  if (r.repeat1.present) render_bc_repeat_indicator(r.repeat1.value, out);
  if (r.repeat2.present) render_llc_repeat_indicator(r.repeat2.value, out);
  if (r.repeat3.present) render_hlc_repeat_indicator(r.repeat3.value, out);
  if (r.facility.present) render_facility(r.facility.value, out);
  wrap_element(out, L3_TAG_TEXT("<Bearer capability1>\n"), L3_TAG_TEXT("</Bearer capability1>\n"), r.bc1,
               render_bearer_capability);
  wrap_element(out, L3_TAG_TEXT("<Bearer capability2>\n"), L3_TAG_TEXT("</Bearer capability2>\n"), r.bc2,
               render_bearer_capability);
  wrap_element(out, L3_TAG_TEXT("<Low layer compatibility I>\n"), L3_TAG_TEXT("</Low layer compatibility I>\n"), r.llc1,
               render_low_layer_compatibility);
  wrap_element(out, L3_TAG_TEXT("<Low layer compatibility II>\n"), L3_TAG_TEXT("</Low layer compatibility II>\n"),
               r.llc2, render_low_layer_compatibility);
  wrap_element(out, L3_TAG_TEXT("<High layer compatibility I>\n"), L3_TAG_TEXT("</High layer compatibility I>\n"),
               r.hlc1, render_high_layer_compatibility);
  wrap_element(out, L3_TAG_TEXT("<High layer compatibility II>\n"), L3_TAG_TEXT("</High layer compatibility II>\n"),
               r.hlc2, render_high_layer_compatibility);
  if (r.user_user.present) render_user_user(r.user_user.value, out);
  if (r.ss_version.present && mobile_side) render_ss_version(r.ss_version.value, out);
  if (r.calling_subaddress.present) render_calling_party_subaddress(r.calling_subaddress.value, out);
  if (r.called_subaddress.present) render_called_party_subaddress(r.called_subaddress.value, out);
  if (r.called_number.present) render_called_party_number(r.called_number.value, out);
  if (mobile_side) {
    wrap_element(out, L3_TAG_TEXT("<Facility advanced recall alignment>\n"),
                 L3_TAG_TEXT("</Facility advanced recall alignment>\n"), r.facility_advanced_recall, render_facility);
    wrap_element(out, L3_TAG_TEXT("<Facility recall alignment Not essential>\n"),
                 L3_TAG_TEXT("</Facility recall alignment Not essential>\n"), r.facility_recall_not_essential,
                 render_facility);
  }
  if (r.cc_capabilities.present && !mobile_side) render_cc_capabilities(r.cc_capabilities.value, out);
  if (mobile_side) {
    if (r.stream_identifier.present) render_stream_identifier(r.stream_identifier.value, out);
    if (r.supported_codecs.present) render_supported_codecs(r.supported_codecs.value, out);
    no_detail_block(out, r.clir_suppression, "CLIR_suppression");
    no_detail_block(out, r.clir_invocation, "CLIR_Invocation");
  } else {
    if (r.progress.present) render_progress_indicator(r.progress.value, out);
    if (r.signal.present) render_value_block(out, L3_TAG("Signal"), r.signal.value, kSignalTexts, "reserved");
    if (r.priority.present) render_priority(r.priority.value, out);
    if (r.alert.present) render_value_block(out, L3_TAG("Alert"), r.alert.value.value, kAlertTexts, "reserved");
    if (r.network_cc_capabilities.present) render_network_cc_capabilities(r.network_cc_capabilities.value, out);
    if (r.cause_of_no_cli.present) {
      render_value_block(out, L3_TAG("Cause_of_No_CLI"), r.cause_of_no_cli.value.value, kCauseOfNoCliTexts, "reserved");
    }
    if (r.backup_bc.present) render_backup_bearer_capability(r.backup_bc.value, out);
  }
  if (r.calling_number.present && mobile_side) render_calling_party_number(r.calling_number.value, out);
  if (!mobile_side) {
    if (r.redirecting_number.present) render_redirecting_party_number(r.redirecting_number.value, out);
    if (r.redirecting_subaddress.present) render_redirecting_party_subaddress(r.redirecting_subaddress.value, out);
  }
  append_plain(out, "</Setup>\n");
  return 1;
}

int render_cc_establishment_confirmed(const CcEstablishmentConfirmed& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<CC Establishment Confirmed>\n"));
  if (r.repeat.present) render_bc_repeat_indicator(r.repeat.value, out);
  wrap_element(out, L3_TAG_TEXT("<Bearer capability 1>\n"), L3_TAG_TEXT("</Bearer capability 1>\n"), r.bc1,
               render_bearer_capability);
  wrap_element(out, L3_TAG_TEXT("<Bearer capability 2>\n"), L3_TAG_TEXT("</Bearer capability 2>\n"), r.bc2,
               render_bearer_capability);
  if (r.cause.present) render_cause(r.cause.value, out);
  if (r.supported_codecs.present) render_supported_codecs(r.supported_codecs.value, out);
  append_tag_text(out, L3_TAG_TEXT("</CC Establishment Confirmed>\n"));
  return 1;
}

int render_cc_connect(const CcConnect& r, OutputText& out) {
  const bool mobile_side = r.direction == 0;
  append_plain(out, "<Connect>\n");
  if (r.facility.present) render_facility(r.facility.value, out);
  if (r.user_user.present) render_user_user(r.user_user.value, out);
  if (r.connected_subaddress.present) render_connected_subaddress(r.connected_subaddress.value, out);
  if (r.ss_version.present && mobile_side) render_ss_version(r.ss_version.value, out);
  if (r.stream_identifier.present && mobile_side) render_stream_identifier(r.stream_identifier.value, out);
  if (r.progress.present && !mobile_side) render_progress_indicator(r.progress.value, out);
  if (r.connected_number.present && !mobile_side) render_connected_number(r.connected_number.value, out);
  append_plain(out, "</Connect>\n");
  return 1;
}

int render_cc_call_confirmed(const CcCallConfirmed& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Call Confirm>\n"));
  if (r.repeat.present) render_bc_repeat_indicator(r.repeat.value, out);
  wrap_element(out, L3_TAG_TEXT("<Bearer capability 1>\n"), L3_TAG_TEXT("</Bearer capability 1>\n"), r.bc1,
               render_bearer_capability);
  wrap_element(out, L3_TAG_TEXT("<Bearer capability 2>\n"), L3_TAG_TEXT("</Bearer capability 2>\n"), r.bc2,
               render_bearer_capability);
  if (r.cause.present) render_cause(r.cause.value, out);
  if (r.cc_capabilities.present) render_cc_capabilities(r.cc_capabilities.value, out);
  if (r.stream_identifier.present) render_stream_identifier(r.stream_identifier.value, out);
  if (r.supported_codecs.present) render_supported_codecs(r.supported_codecs.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Call Confirm>\n"));
  return 1;
}

int render_cc_start_cc(const CcStartCc& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Start CC>\n"));
  if (r.cc_capabilities.present) render_cc_capabilities(r.cc_capabilities.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Start CC>\n"));
  return 1;
}

namespace {
constexpr ValueText kRecallTypeTexts[] = {{0, 6, "CCBS"}, {7, "reserved"}};
}  // namespace

int render_cc_recall(const CcRecall& r, OutputText& out) {
  append_plain(out, "<Recall>\n");
  render_value_block(out, L3_TAG("Recall Type"), r.recall_type, kRecallTypeTexts);
  render_facility(r.facility, out);
  append_plain(out, "</Recall>\n");
  return 1;
}

int render_cc_emergency_setup(const CcEmergencySetup& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Emergency Setup>\n"));
  wrap_element(out, L3_TAG_TEXT("<Bearer capability>\n"), L3_TAG_TEXT("</Bearer capability>\n"), r.bc,
               render_bearer_capability);
  if (r.stream_identifier.present) render_stream_identifier(r.stream_identifier.value, out);
  if (r.supported_codecs.present) render_supported_codecs(r.supported_codecs.value, out);
  if (r.emergency_category.present)
    write_field_u8(L3_TAG("Emergency category"), r.emergency_category.value.value, out, 0);
  append_tag_text(out, L3_TAG_TEXT("</Emergency Setup>\n"));
  return 1;
}

int render_cc_connect_acknowledge(const CcHeaderOnly&, OutputText& out) {
  append_plain(out, "<msgtype>Connect Acknowledge</msgtype>\n");
  return 1;
}

int render_cc_user_information(const CcUserInformation& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<CC User Information>\n"));
  render_user_user(r.user_user, out);
  if (r.more_data.present) text_block(out, "More data", "User Information will followed");
  append_tag_text(out, L3_TAG_TEXT("</CC User Information>\n"));
  return 1;
}

int render_cc_modify_reject(const CcModifyReject& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Modify Reject>\n"));
  wrap_element(out, L3_TAG_TEXT("<Bearer capability>\n"), L3_TAG_TEXT("</Bearer capability>\n"), r.bc,
               render_bearer_capability);
  render_cause(r.cause, out);
  if (r.llc.present) render_low_layer_compatibility(r.llc.value, out);
  if (r.hlc.present) render_high_layer_compatibility(r.hlc.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Modify Reject>\n"));
  return 1;
}

namespace {

// MODIFY and MODIFY COMPLETE; only MODIFY can carry the immediate modification flag.
void render_modify_body(const CcModify& r, OutputText& out) {
  wrap_element(out, L3_TAG_TEXT("<Bearer capability>\n"), L3_TAG_TEXT("</Bearer capability>\n"), r.bc,
               render_bearer_capability);
  if (r.llc.present) render_low_layer_compatibility(r.llc.value, out);
  if (r.hlc.present) render_high_layer_compatibility(r.hlc.value, out);
  if (r.hlc.value.reverse_call_setup_direction) text_block(out, "Reverse call setup direction", "no detail");
}

}  // namespace

int render_cc_modify(const CcModify& r, OutputText& out) {
  append_plain(out, "<Modify>\n");
  render_modify_body(r, out);
  if (r.hlc.value.immediate_modification) text_block(out, "Immediate modification indicator", "no detail");
  append_plain(out, "</Modify>\n");
  return 1;
}

int render_cc_modify_complete(const CcModify& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Modify Complete>\n"));
  render_modify_body(r, out);
  append_tag_text(out, L3_TAG_TEXT("</Modify Complete>\n"));
  return 1;
}

namespace {

int outer_only(OutputText& out, const char* name) {
  open_tag_named(out, name);
  close_tag_named(out, name);
  return 1;
}

int cause_message(const CcCauseOnly& r, OutputText& out, const char* name) {
  open_tag_named(out, name);
  render_cause(r.cause, out);
  close_tag_named(out, name);
  return 1;
}

}  // namespace

int render_cc_hold(const CcHeaderOnly&, OutputText& out) { return outer_only(out, "Hold"); }
int render_cc_hold_acknowledge(const CcHeaderOnly&, OutputText& out) { return outer_only(out, "Hold Acknowledge"); }
int render_cc_hold_reject(const CcCauseOnly& r, OutputText& out) { return cause_message(r, out, "Hold Reject"); }
int render_cc_retrieve(const CcHeaderOnly&, OutputText& out) { return outer_only(out, "Retrieve"); }
int render_cc_retrieve_acknowledge(const CcHeaderOnly&, OutputText& out) {
  return outer_only(out, "Retrieve Acknowledge");
}
int render_cc_retrieve_reject(const CcCauseOnly& r, OutputText& out) {
  return cause_message(r, out, "Retrieve Reject");
}
int render_cc_stop_dtmf(const CcHeaderOnly&, OutputText& out) { return outer_only(out, "Stop DTMF"); }
int render_cc_stop_dtmf_acknowledge(const CcHeaderOnly&, OutputText& out) {
  return outer_only(out, "Stop DTMF Acknowledge");
}
int render_cc_status_enquiry(const CcHeaderOnly&, OutputText& out) { return outer_only(out, "Status Enquiry"); }
int render_cc_start_dtmf_reject(const CcCauseOnly& r, OutputText& out) {
  return cause_message(r, out, "Start DTMF Reject");
}

int render_cc_disconnect(const CcDisconnect& r, OutputText& out) {
  append_plain(out, "<Disconnect>\n");
  render_cause(r.cause, out);
  if (r.facility.present) render_facility(r.facility.value, out);
  if (r.progress.present && r.direction != 0) render_progress_indicator(r.progress.value, out);
  if (r.user_user.present) render_user_user(r.user_user.value, out);
  if (r.allowed_actions.present && r.direction != 0) render_allowed_actions(r.allowed_actions.value, out);
  if (r.ss_version.present && r.direction == 0) render_ss_version(r.ss_version.value, out);
  append_plain(out, "</Disconnect>\n");
  return 1;
}

int render_cc_release_complete(const CcReleaseComplete& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Release Complete>\n"));
  if (r.cause.present) render_cause(r.cause.value, out);
  if (r.facility.present) render_facility(r.facility.value, out);
  if (r.user_user.present) render_user_user(r.user_user.value, out);
  if (r.ss_version.present && r.direction == 0) render_ss_version(r.ss_version.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Release Complete>\n"));
  return 1;
}

int render_cc_release(const CcRelease& r, OutputText& out) {
  append_plain(out, "<Release>\n");
  if (r.cause1.present) render_cause(r.cause1.value, out);
  if (r.cause2.present) render_cause(r.cause2.value, out);
  if (r.facility.present) render_facility(r.facility.value, out);
  if (r.user_user.present) render_user_user(r.user_user.value, out);
  if (r.ss_version.present && r.direction == 0) render_ss_version(r.ss_version.value, out);
  append_plain(out, "</Release>\n");
  return 1;
}

namespace {

int dtmf_message(const CcDtmf& r, OutputText& out, const char* name) {
  open_tag_named(out, name);
  if (r.keypad.present) write_field_u8(L3_TAG("Keypad facility"), r.keypad.value, out, 1);
  close_tag_named(out, name);
  return 1;
}

constexpr ValueText kCongestionLevelTexts[] = {{0, "receiver ready"}, {15, "receiver not ready"}};

}  // namespace

int render_cc_start_dtmf(const CcDtmf& r, OutputText& out) { return dtmf_message(r, out, "Start DTMF"); }
int render_cc_start_dtmf_acknowledge(const CcDtmf& r, OutputText& out) {
  return dtmf_message(r, out, "Start DTMF Acknowledge");
}

int render_cc_congestion_control(const CcCongestionControl& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<CC Congestion Control>\n"));
  render_value_block(out, L3_TAG("Congestion level"), r.congestion_level, kCongestionLevelTexts, "reserved");
  if (r.cause.present) render_cause(r.cause.value, out);
  append_tag_text(out, L3_TAG_TEXT("</CC Congestion Control>\n"));
  return 1;
}

int render_cc_facility(const CcFacility& r, OutputText& out) {
  append_plain(out, "<Facility>\n");
  write_field_octets(L3_TAG("Facility"), r.facility.octets, out, r.facility.length, 0);
  if (r.ss_version.present && r.direction == 0) render_ss_version(r.ss_version.value, out);
  append_plain(out, "</Facility>\n");
  return 1;
}

namespace {

constexpr ValueText kCallStateCodingTexts[] = {
    {0, "standardized coding as described in ITU-T Rec. Q.931"},
    {1, "reserved for other international standards"},
    {2, "national standard<"},
    {3, "standard defined for the GSM PLMNS as described below"},
};
constexpr ValueText kCallStateTexts[] = {
    {0, "UO - null"},
    {1, "U1 - call initiated"},
    {2, "U0.1- MM connection pending"},
    {3, "U3 - mobile originating call proceeding"},
    {4, "U4 - call delivered"},
    {6, "U6 - call present"},
    {7, "U7 - call received"},
    {8, "U8 - connect request"},
    {9, "U9 - mobile terminating call confirmed"},
    {10, "U10- active"},
    {11, "U11- disconnect request"},
    {12, "U12- disconnect indication"},
    {19, "U19- release request"},
    {26, "U26- mobile originating modify"},
    {27, "U27- mobile terminating modify"},
    {28, "N28- connect indication"},
    {34, "U0.2- CC prompt present"},
    {35, "U0.3- Wait for network information"},
    {36, "U0.4- CC-Establishment present"},
    {37, "U0.5- CC-Establishment confirmed"},
    {38, "U0.6- Recall present"},
};
static_assert(well_formed(kCallStateTexts));
constexpr ValueText kHoldStateTexts[] = {{0, "idle"}, {1, "hold request"}, {2, "call held"}, {3, "retrieve request"}};
constexpr ValueText kMultiPartyStateTexts[] = {
    {0, "idle"}, {1, "MPTY request"}, {2, "call in MPTY"}, {3, "split request"}};

}  // namespace

int render_cc_status(const CcStatus& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<CC Status>\n"));
  render_cause(r.cause, out);
  open_tag_named(out, "Call state");
  render_value_block(out, L3_TAG("CodingStandard"), r.call_state_coding, kCallStateCodingTexts);
  // A call state without a text ends the whole message here; hosts expect it.
  if (!render_value_block(out, L3_TAG("call state value"), r.call_state_value, kCallStateTexts)) return 0;
  close_tag_named(out, "Call state");
  if (r.auxiliary_states.present) {
    open_tag_named(out, "Auxiliary states");
    render_value_block(out, L3_TAG("Hold auxiliary state"), r.auxiliary_states.value.hold, kHoldStateTexts);
    render_value_block(out, L3_TAG("Multi party auxiliary state"), r.auxiliary_states.value.multi_party,
                       kMultiPartyStateTexts);
    close_tag_named(out, "Auxiliary states");
  }
  append_tag_text(out, L3_TAG_TEXT("</CC Status>\n"));
  return 1;
}

namespace {
constexpr ValueText kNotificationTexts[] = {{0, "User suspended"}, {1, "User resumed"}, {2, "Bearer change"}};
}  // namespace

int render_cc_notify(const CcNotify& r, OutputText& out) {
  append_plain(out, "<Notify>\n");
  render_value_block(out, L3_TAG("Notification indicator"), r.notification_indicator, kNotificationTexts, "Reserved");
  append_plain(out, "</Notify>\n");
  return 1;
}

}  // namespace l3
