// The call control messages: one row each.
#pragma once

#include "cc/cc_messages.h"
#include "core/message_table.h"

namespace l3 {

// clang-format off
inline constexpr MessageRow kCcMessages[] = {
    message<CcAlerting, parse_cc_alerting, render_cc_alerting>(0x301, "Alerting", {"", "1Cl1-60 1El2-2 7El1-35 7Fl0-1", 0}),
    message<CcCallProceeding, parse_cc_call_proceeding, render_cc_call_proceeding>(0x302, "Call proceeding", {"", "D0h 04l1-15 1Cl1-60 1El2-2 80h 2Fl1-1", 0}),
    message<CcProgress, parse_cc_progress, render_cc_progress>(0x303, "Progress", {"l2-2", "7El1-35", 0}),
    message<CcEstablishment, parse_cc_establishment, render_cc_establishment>(0x304, "CC establishment", {"", "D0h 04l1-15 1Cl1-60 5Dl1-21 5El1-17 6Dl1-21 7Cl1-16 7Dl1-3 7El1-35 7Fl0-1 A1t A2t 15l2-2 1Dl1-60 " "1Bl1-60 2Dl1-1 40l3-15", 0}),
    message<CcSetup, parse_cc_setup, render_cc_setup>(0x305, "Setup", {"", "D0h 04l1-15 1Cl1-60 1El2-2 34v1 5Cl1-12 5Dl1-21 5El1-17 6Dl1-21 74l1-12 75l1-21 1Dl1-60 1Bl1-60 " "7Cl1-16 7Dl1-3 7El1-35 80h 19l1-1 2Fl1-1 3Al1-1 41l1-14 A1t A2t 7Fl0-1 15l2-2 2Dl1-1 40l3-15", 0}),
    message<CcEstablishmentConfirmed, parse_cc_establishment_confirmed, render_cc_establishment_confirmed>(0x306, "CC establishment confirmed", {"", "D0h 04l1-15 08l2-6 40l3-15", 0}),
    message<CcConnect, parse_cc_connect, render_cc_connect>(0x307, "Connect", {"", "1Cl1-60 1El2-2 4Cl1-12 4Dl1-21 7El1-35 7Fl0-1 2Dl1-1", 0}),
    message<CcCallConfirmed, parse_cc_call_confirmed, render_cc_call_confirmed>(0x308, "Call confirmed", {"", "D0h 04l1-15 08l2-6 15l2-2 2Dl1-1 40l3-15", 0}),
    message<CcStartCc, parse_cc_start_cc, render_cc_start_cc>(0x309, "Start CC", {"", "15l2-2", 0}),
    message<CcRecall, parse_cc_recall, render_cc_recall>(0x30B, "Recall", {"v1 l1-60", "", 0}),
    message<CcEmergencySetup, parse_cc_emergency_setup, render_cc_emergency_setup>(0x30E, "Emergency setup", {"", "04l1-15 2Dl1-1 40l3-15 2El1-1", 0}),
    message<CcHeaderOnly, parse_cc_header_only, render_cc_connect_acknowledge>(0x30F, "Connect acknowledge", {"", "", 0}),
    message<CcUserInformation, parse_cc_user_information, render_cc_user_information>(0x310, "User information", {"l1-35", "A0t", 0}),
    message<CcModifyReject, parse_cc_modify_reject, render_cc_modify_reject>(0x313, "Modify reject", {"l1-15 l2-6", "7Cl1-16 7Dl1-3", 0}),
    message<CcModify, parse_cc_modify, render_cc_modify>(0x317, "Modify", {"l1-15", "7Cl1-16 7Dl1-3 A3t A4t", 0}),
    message<CcHeaderOnly, parse_cc_header_only, render_cc_hold>(0x318, "Hold", {"", "", 0}),
    message<CcHeaderOnly, parse_cc_header_only, render_cc_hold_acknowledge>(0x319, "Hold acknowledge", {"", "", 0}),
    message<CcCauseOnly, parse_cc_cause_only, render_cc_hold_reject>(0x31A, "Hold reject", {"l2-6", "", 0}),
    message<CcHeaderOnly, parse_cc_header_only, render_cc_retrieve>(0x31C, "Retrieve", {"", "", 0}),
    message<CcHeaderOnly, parse_cc_header_only, render_cc_retrieve_acknowledge>(0x31D, "Retrieve acknowledge", {"", "", 0}),
    message<CcCauseOnly, parse_cc_cause_only, render_cc_retrieve_reject>(0x31E, "Retrieve reject", {"l2-6", "", 0}),
    message<CcModify, parse_cc_modify_complete, render_cc_modify_complete>(0x31F, "Modify complete", {"l1-15", "7Cl1-16 7Dl1-3 A3t", 0}),
    message<CcDisconnect, parse_cc_disconnect, render_cc_disconnect>(0x325, "Disconnect", {"l2-6", "1Cl1-60 1El2-2 7El1-35 7Fl0-1 7Bl1-1", 0}),
    message<CcReleaseComplete, parse_cc_release_complete, render_cc_release_complete>(0x32A, "Release complete", {"", "08l2-6 1Cl1-60 7El1-35 7Fl0-1", 0}),
    message<CcRelease, parse_cc_release, render_cc_release>(0x32D, "Release", {"", "08l2-6 1Cl1-60 7El1-35 7Fl0-1", 0}),
    message<CcHeaderOnly, parse_cc_header_only, render_cc_stop_dtmf>(0x331, "Stop DTMF", {"", "", 0}),
    message<CcHeaderOnly, parse_cc_header_only, render_cc_stop_dtmf_acknowledge>(0x332, "Stop DTMF acknowledge", {"", "", 0}),
    message<CcHeaderOnly, parse_cc_header_only, render_cc_status_enquiry>(0x334, "Status enquiry", {"", "", 0}),
    message<CcDtmf, parse_cc_dtmf, render_cc_start_dtmf>(0x335, "Start DTMF", {"", "2Cv1", 0}),
    message<CcDtmf, parse_cc_dtmf, render_cc_start_dtmf_acknowledge>(0x336, "Start DTMF acknowledge", {"", "2Cv1", 0}),
    message<CcCauseOnly, parse_cc_cause_only, render_cc_start_dtmf_reject>(0x337, "Start DTMF reject", {"l2-6", "", 0}),
    message<CcCongestionControl, parse_cc_congestion_control, render_cc_congestion_control>(0x339, "Congestion control", {"v1", "08l2-6", 0}),
    message<CcFacility, parse_cc_facility, render_cc_facility>(0x33A, "Facility", {"l1-60", "7Fl0-1", 0}),
    message<CcStatus, parse_cc_status, render_cc_status>(0x33D, "Status", {"l2-6 v1", "24l1-1", 0}),
    message<CcNotify, parse_cc_notify, render_cc_notify>(0x33E, "Notify", {"v1", "", 0}),
};
// clang-format on
static_assert(keys_unique(kCcMessages) && keys_of_pd(kCcMessages, kPdCc));

}  // namespace l3
