#include <iterator>

#include "core/output.h"
#include "gmm/gmm_messages.h"

namespace l3 {

namespace {
void render_timer(OutputText& out, const char* open, uint8_t timer, const char* close) {
  append_tag_text(out, open);
  render_gprs_timer(timer, out);
  append_tag_text(out, close);
}

void render_cell_notification(OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Cell Notification>\n"));
  append_value_text("no detail", out, 0, 0);
  append_tag_text(out, L3_TAG_TEXT("</Cell Notification>\n"));
}

void render_equivalent_plmns(OutputText& out, const GmmPlmnList& list) {
  append_tag_text(out, L3_TAG_TEXT("<Equivalent PLMNs>\n"));
  render_plmn_list(list, out);
  append_tag_text(out, L3_TAG_TEXT("</Equivalent PLMNs>\n"));
}

void render_plain_wrapped_identity(OutputText& out, const char* open, const MobileIdentity& id, const char* close) {
  append_plain(out, open);
  render_mobile_identity(id, out);
  append_plain(out, close);
}
}  // namespace

int render_gmm_attach_request(const GmmAttachRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Attach Request>\n"));
  render_ms_network_capability(r.network_capability, out);
  render_attach_type(r.attach_type, out);
  render_ciphering_key_sequence_number(r.cksn, out, r.direction);
  render_drx_parameter(r.drx, out);
  wrap_element(out, L3_TAG_TEXT("<P_TMSI or IMSI>\n"), L3_TAG_TEXT("</P_TMSI or IMSI>\n"), r.identity,
               render_mobile_identity);
  append_plain(out, "<Old>\n");
  render_routing_area_identification(r.old_rai, out);
  append_plain(out, "</Old>\n");
  render_ms_radio_access_capability(r.radio_access_capability, out);
  if (r.old_ptmsi_signature.present) {
    append_tag_text(out, L3_TAG_TEXT("<Old P_TMSI signature>\n"));
    render_ptmsi_signature(r.old_ptmsi_signature.value, out);
    append_tag_text(out, L3_TAG_TEXT("</Old P_TMSI signature>\n"));
  }
  if (r.requested_ready_timer.present) {
    render_timer(out, "<Requested READY timervalue>\n", r.requested_ready_timer.value,
                 "</Requested READY timervalue>\n");
  }
  if (r.tmsi_status.present) render_tmsi_status(r.tmsi_status.value, out);
  if (r.ps_lcs_capability.present) render_ps_lcs_capability(r.ps_lcs_capability.value.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Attach Request>\n"));
  return 1;
}

int render_gmm_attach_accept(const GmmAttachAccept& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Attach Accept>\n"));
  render_attach_result(r.attach_result, out);
  render_force_to_standby(r.force_to_standby, out);
  render_timer(out, "<Periodic RA update timer>\n", r.periodic_ra_update_timer, "</Periodic RA update timer>\n");
  append_tag_text(out, L3_TAG_TEXT("<Radio priority for SMS>\n"));
  render_radio_priority(r.radio_priority_sms, out);
  append_tag_text(out, L3_TAG_TEXT("</Radio priority for SMS>\n", "<Radio priority for TOM8>\n"));
  render_radio_priority2(r.radio_priority_tom8, out);
  append_tag_text(out, L3_TAG_TEXT("</Radio priority for TOM8>\n"));
  render_routing_area_identification(r.rai, out);
  if (r.ptmsi_signature.present) render_ptmsi_signature(r.ptmsi_signature.value, out);
  if (r.negotiated_ready_timer.present) {
    render_timer(out, "<Negotiated READY timervalue>\n", r.negotiated_ready_timer.value,
                 "</Negotiated READY timervalue>\n");
  }
  if (r.allocated_ptmsi.present) {
    wrap_element(out, L3_TAG_TEXT("<Allocated P_TMSI>\n"), L3_TAG_TEXT("</Allocated P_TMSI>\n"),
                 r.allocated_ptmsi.value, render_mobile_identity);
  }
  if (r.ms_identity.present) {
    wrap_element(out, L3_TAG_TEXT("<MS identity>\n"), L3_TAG_TEXT("</MS identity>\n"), r.ms_identity.value,
                 render_mobile_identity);
  }
  if (r.cause.present) render_gmm_cause(r.cause.value, out);
  if (r.t3302.present) render_t3302_value(r.t3302.value.value, out);
  if (r.cell_notification.present) render_cell_notification(out);
  if (r.equivalent_plmns.present) render_equivalent_plmns(out, r.equivalent_plmns.value);
  if (r.network_feature_support.present) {
    // The element's own block sits inside a second one of the same name.
    append_tag_text(out, L3_TAG_TEXT("<Network Feature support>\n"));
    render_network_feature_support(r.network_feature_support.value, out);
    append_tag_text(out, L3_TAG_TEXT("</Network Feature support>\n"));
  }
  append_tag_text(out, L3_TAG_TEXT("</Attach Accept>\n"));
  return 1;
}

int render_gmm_attach_reject(const GmmAttachReject& r, OutputText& out) {
  append_plain(out, "<Attach_Reject>\n");
  render_gmm_cause(r.cause, out);
  if (r.t3302.present) render_t3302_value(r.t3302.value.value, out);
  append_plain(out, "</Attach_Reject>\n");
  return 1;
}

namespace {
constexpr ValueText kDetachTypeTexts[] = {
    {1, "GPRS only attached"},
    {3, "Combined GPRS/IMSI attached"},
};
static_assert(well_formed(kDetachTypeTexts));
}  // namespace

int render_gmm_detach_request(const GmmDetachRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Detach Request>\n"));
  if (render_value_block(out, L3_TAG("Detach type"), r.detach_type, kDetachTypeTexts) == 0) return 0;
  if (r.force_to_standby.present) render_force_to_standby(r.force_to_standby.value, out);
  if (r.cause.present) render_gmm_cause(r.cause.value, out);
  if (r.ptmsi.present) render_plain_wrapped_identity(out, "<P_TMSI>\n", r.ptmsi.value, "</P_TMSI>\n");
  if (r.ptmsi_signature.present) render_ptmsi_signature2(r.ptmsi_signature.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Detach Request>\n"));
  return 1;
}

int render_gmm_detach_accept(const GmmDetachAccept& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Detach Accept>\n"));
  if (r.force_to_standby.present) render_force_to_standby(r.force_to_standby.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Detach Accept>\n"));
  return 1;
}

namespace {
constexpr ValueText kUpdateTypeTexts[] = {
    {0, "RA updating"},
    {1, "combined RA/LA updating"},
    {2, "combined RA/LA updating with IMSI attach"},
    {3, "Periodic updating"},
};
static_assert(well_formed(kUpdateTypeTexts));
}  // namespace

int render_gmm_routing_area_update_request(const GmmRoutingAreaUpdateRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Routing Area Update Request>\n"));
  if (render_value_block(out, L3_TAG("Update type"), r.update_type, kUpdateTypeTexts) == 0) return 0;
  render_ciphering_key_sequence_number(r.cksn, out, r.direction);
  append_plain(out, "<Old>\n");
  render_routing_area_identification(r.old_rai, out);
  append_plain(out, "</Old>\n");
  render_ms_radio_access_capability(r.radio_access_capability, out);
  if (r.old_ptmsi_signature.present) {
    append_tag_text(out, L3_TAG_TEXT("<Old P_TMSI signature>\n"));
    render_ptmsi_signature(r.old_ptmsi_signature.value, out);
    append_tag_text(out, L3_TAG_TEXT("</Old P_TMSI signature>\n"));
  }
  if (r.requested_ready_timer.present) {
    render_timer(out, "<Requested READY timer value>\n", r.requested_ready_timer.value,
                 "</Requested READY timer value>\n");
  }
  if (r.drx.present) render_drx_parameter(r.drx.value, out);
  if (r.tmsi_status.present) render_tmsi_status(r.tmsi_status.value, out);
  if (r.ptmsi.present) render_plain_wrapped_identity(out, "<P_TMSI>\n", r.ptmsi.value, "</P_TMSI>\n");
  if (r.network_capability.present) render_ms_network_capability(r.network_capability.value, out);
  if (r.pdp_context_status.present) render_pdp_context_status(r.pdp_context_status.value, out);
  if (r.ps_lcs_capability.present) render_ps_lcs_capability(r.ps_lcs_capability.value.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Routing Area Update Request>\n"));
  return 1;
}

namespace {
constexpr ValueText kUpdateResultTexts[] = {
    {0, "RA updated"},
    {1, "combined RA/LA updated"},
};
static_assert(well_formed(kUpdateResultTexts));
}  // namespace

int render_gmm_routing_area_update_accept(const GmmRoutingAreaUpdateAccept& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Routing Area Update Accept>\n"));
  render_force_to_standby(r.force_to_standby, out);
  if (render_value_block(out, L3_TAG("Update result"), r.update_result, kUpdateResultTexts) == 0) return 0;
  render_timer(out, "<Periodic RA update timer>\n", r.periodic_ra_update_timer, "</Periodic RA update timer>\n");
  render_routing_area_identification(r.rai, out);
  if (r.ptmsi_signature.present) render_ptmsi_signature(r.ptmsi_signature.value, out);
  if (r.allocated_ptmsi.present) {
    wrap_element(out, L3_TAG_TEXT("<Allocated P-TMSI>\n"), L3_TAG_TEXT("</Allocated P-TMSI>\n"),
                 r.allocated_ptmsi.value, render_mobile_identity);
  }
  if (r.ms_identity.present) {
    wrap_element(out, L3_TAG_TEXT("<MS identity>\n"), L3_TAG_TEXT("</MS identity>\n"), r.ms_identity.value,
                 render_mobile_identity);
  }
  if (r.receive_npdu_numbers.present) {
    // The list's entries are not written, only its element.
    append_tag_text(out, L3_TAG_TEXT("<List of Receive N-PDU Numbers>\n", "</List of Receive N-PDU Numbers>\n"));
  }
  if (r.negotiated_ready_timer.present) {
    render_timer(out, "<Negotiated READY timer value>\n", r.negotiated_ready_timer.value,
                 "</Negotiated READY timer value>\n");
  }
  if (r.cause.present) {
    append_tag_text(out, L3_TAG_TEXT("<GMM cause>\n"));
    render_gmm_cause(r.cause.value, out);
    append_tag_text(out, L3_TAG_TEXT("</GMM cause>\n"));
  }
  if (r.t3302.present) render_t3302_value(r.t3302.value.value, out);
  if (r.cell_notification.present) render_cell_notification(out);
  if (r.equivalent_plmns.present) render_equivalent_plmns(out, r.equivalent_plmns.value);
  if (r.pdp_context_status.present) render_pdp_context_status(r.pdp_context_status.value, out);
  if (r.network_feature_support.present) render_network_feature_support(r.network_feature_support.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Routing Area Update Accept>\n"));
  return 1;
}

int render_gmm_routing_area_update_complete(const GmmRoutingAreaUpdateComplete& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Routing Area Update Complete>\n"));
  if (r.receive_npdu_numbers.present) {
    append_plain(out, "<List of Receive N_PDU Numbers>\n");
    append_plain(out, "</List of Receive N_PDU Numbers>\n");
  }
  append_tag_text(out, L3_TAG_TEXT("</Routing Area Update Complete>\n"));
  return 1;
}

int render_gmm_routing_area_update_reject(const GmmRoutingAreaUpdateReject& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Routing Area Update Reject>\n"));
  render_gmm_cause(r.cause, out);
  render_force_to_standby(r.force_to_standby, out);
  if (r.t3302.present) render_t3302_value(r.t3302.value.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Routing Area Update Reject>\n"));
  return 1;
}

namespace {
constexpr ValueText kServiceTypeTexts[] = {
    {0, "Signalling"},
    {1, "Data"},
    {2, "Paging Response"},
};
static_assert(well_formed(kServiceTypeTexts));
}  // namespace

int render_gmm_service_request(const GmmServiceRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<GMM Service Request>\n"));
  render_ciphering_key_sequence_number(r.cksn, out, r.direction);
  if (render_value_block(out, L3_TAG("Service type"), r.service_type, kServiceTypeTexts) == 0) return 0;
  render_plain_wrapped_identity(out, "<P_TMSI>\n", r.ptmsi, "</P_TMSI>\n");
  if (r.pdp_context_status.present) render_pdp_context_status(r.pdp_context_status.value, out);
  append_tag_text(out, L3_TAG_TEXT("</GMM Service Request>\n"));
  return 1;
}

int render_gmm_service_accept(const GmmServiceAccept& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Service Accept>\n"));
  if (r.pdp_context_status.present) render_pdp_context_status(r.pdp_context_status.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Service Accept>\n"));
  return 1;
}

namespace {
// Service reject and GMM status.
int render_gmm_cause_message(const GmmCauseOnly& r, OutputText& out, const char* open, const char* close) {
  append_tag_text(out, open);
  render_gmm_cause(r.cause, out);
  append_tag_text(out, close);
  return 1;
}
}  // namespace

int render_gmm_ptmsi_reallocation_command(const GmmPtmsiReallocationCommand& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<P_TMSI Reallocation Command>\n"));
  wrap_element(out, L3_TAG_TEXT("<Allocated P TMSI>\n"), L3_TAG_TEXT("</Allocated P TMSI>\n"), r.allocated_ptmsi,
               render_mobile_identity);
  render_routing_area_identification(r.rai, out);
  render_force_to_standby(r.force_to_standby, out);
  if (r.ptmsi_signature.present) render_ptmsi_signature(r.ptmsi_signature.value, out);
  append_tag_text(out, L3_TAG_TEXT("</P_TMSI Reallocation Command>\n"));
  return 1;
}

namespace {
// Messages that are their tags alone.
int render_gmm_tags_only(OutputText& out, const char* open, const char* close) {
  append_tag_text(out, open);
  append_tag_text(out, close);
  return 1;
}

constexpr ValueText kCipheringAlgorithmTexts[] = {
    {0, "ciphering not used"},
    {1, "GPRS Encryption Algorithm GEA/1"},
    {2, "GPRS Encryption Algorithm GEA/2"},
    {3, "GPRS Encryption Algorithm GEA/3"},
    {4, "GPRS Encryption Algorithm GEA/4"},
    {5, "GPRS Encryption Algorithm GEA/5"},
    {6, "GPRS Encryption Algorithm GEA/6"},
    {7, "GPRS Encryption Algorithm GEA/7"},
};
static_assert(well_formed(kCipheringAlgorithmTexts));

constexpr ValueText kImeisvRequestTexts[] = {
    {1, "IMEISV requested"},
};
}  // namespace

int render_gmm_authentication_ciphering_request(const GmmAuthenticationCipheringRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Authentication Ciphering Request>\n"));
  if (render_value_block(out, L3_TAG("Ciphering algorithm"), r.ciphering_algorithm, kCipheringAlgorithmTexts) == 0)
    return 0;
  render_value_block(out, L3_TAG("IMEISV request"), r.imeisv_request, kImeisvRequestTexts, "IMEISV not requested");
  render_force_to_standby(r.force_to_standby, out);
  render_ac_reference_number(r.ac_reference_number, out);
  if (r.rand.present) {
    append_tag_text(out, L3_TAG_TEXT("<Authentication parameter RAND>\n"));
    for (int i = 1; i <= r.rand.value.count; ++i) write_field_u8(L3_TAG("RAND"), r.rand.value.octets[i], out, 1);
    append_tag_text(out, L3_TAG_TEXT("</Authentication parameter RAND>\n"));
  }
  if (r.cksn.present) render_ciphering_key_sequence_number(r.cksn.value, out, r.direction);
  if (r.autn.present) render_autn(r.autn.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Authentication Ciphering Request>\n"));
  return 1;
}

int render_gmm_authentication_ciphering_response(const GmmAuthenticationCipheringResponse& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Authentication Ciphering Response>\n"));
  render_ac_reference_number(r.ac_reference_number, out);
  if (r.sres.present) {
    write_field_octets(L3_TAG("Authentication parameter Response"), r.sres.value.octets, out, r.sres.value.count, 0);
  }
  if (r.imeisv.present) render_plain_wrapped_identity(out, "<IMEISV>\n", r.imeisv.value, "</IMEISV>\n");
  if (r.res_extension.present) {
    write_field_ints(L3_TAG("AuthenticationParameterEXTParameter"), r.res_extension.value.values, out,
                     r.res_extension.value.count, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</Authentication Ciphering Response>\n"));
  return 1;
}

namespace {
constexpr ValueText kIdentityTypeTexts[] = {
    {0, "IMSI"},
    {1, "IMEI"},
    {2, "IMEISV"},
    {3, "TMSI"},
};
static_assert(well_formed(kIdentityTypeTexts));
}  // namespace

int render_gmm_identity_request(const GmmIdentityRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Identity Request>\n"));
  render_value_block(out, L3_TAG("Identity_type"), r.identity_type, kIdentityTypeTexts, "IMSI");
  render_force_to_standby(r.force_to_standby, out);
  append_tag_text(out, L3_TAG_TEXT("</Identity Request>\n"));
  return 1;
}

int render_gmm_identity_response(const GmmIdentityResponse& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Identity Response>\n"));
  render_mobile_identity(r.identity, out);
  append_tag_text(out, L3_TAG_TEXT("</Identity Response>\n"));
  return 1;
}

int render_gmm_authentication_ciphering_failure(const GmmAuthenticationCipheringFailure& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Authentication_Ciphering_failure>\n", "<GMM cause>\n"));
  render_gmm_cause(r.cause, out);
  append_tag_text(out, L3_TAG_TEXT("</GMM cause>\n"));
  if (r.auts.present) {
    write_field_octets(L3_TAG("Authentication Failure parameter"), r.auts.value.octets, out, r.auts.value.count, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</Authentication_Ciphering_failure>\n"));
  return 1;
}

namespace {
constexpr ValueText kAddCiTexts[] = {
    {0,
     "The MS should not add the letters for the Country's Initials to the "
     "text string"},
    {1,
     "The MS should add the letters for the Country's Initials and a "
     "separator to the text string"},
};
static_assert(well_formed(kAddCiTexts));

// The short name's text for 2 differs from the full name's by its quote.
constexpr ValueText kShortNameSpareBitsTexts[] = {
    {0,
     "this field carries no information about the number of spare bits in "
     "the last octet"},
    {1, "bit 8 is spare and set to 0 in the last octet"},
    {2, "bits 7 and 8 are spare and set to 0\"n the last octet"},
    {3, "bits 6 to 8(inclusive) are spare and set to 0 in the last octet"},
    {4, "bits 5 to 8(inclusive) are spare and set to 0 in the last octet"},
    {5, "bits 4 to 8(inclusive) are spare and set to 0 in the last octet"},
    {6, "bits 3 to 8(inclusive) are spare and set to 0 in the last octet"},
    {7, "bits 2 to 8(inclusive) are spare and set to 0 in the last octet"},
};
static_assert(well_formed(kShortNameSpareBitsTexts));

// 0 when the coding scheme has no text: the whole message stops there.
int render_network_name_body(const NetworkName& n, OutputText& out, std::span<const ValueText> spare_bits_texts) {
  if (render_value_block(out, L3_TAG("coding scheme"), n.coding_scheme, kNetworkNameCodingSchemeTexts) == 0) return 0;
  append_plain(out, "<AddCI>\n");
  append_value_note(n.add_ci, out, 0);
  const char* add_ci = find_text(kAddCiTexts, n.add_ci);
  if (add_ci == nullptr) return 0;
  out.append(add_ci);
  append_plain(out, "</AddCI>\n");
  if (render_value_block(out, L3_TAG("Number of spare bits in last octet"), n.spare_bits, spare_bits_texts) == 0)
    return 0;
  write_field_octets(L3_TAG("Text String"), n.text, out, network_name_text_count(n), 0);
  return 1;
}

constexpr CText kTimeTags[][2] = {
    {"<Year>\n", "</Year>\n"}, {"<Month>\n", "</Month>\n"},   {"<Day>\n", "</Day>\n"},
    {"<Hour>\n", "</Hour>\n"}, {"<Minute>\n", "</Minute>\n"}, {"<Second>\n", "</Second>\n"},
};

void render_universal_time(const UniversalTime& t, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<time and local time zone>\n"));
  for (size_t i = 0; i < std::size(kTimeTags); ++i) {
    append_plain(out, kTimeTags[i][0]);
    append_hex_2(out, t.octets[i]);
    out.push('\n');
    append_plain(out, kTimeTags[i][1]);
  }
  write_field_u8(L3_TAG("Time zone"), t.octets[6], out, 1);
  append_tag_text(out, L3_TAG_TEXT("</time and local time zone>\n"));
}
}  // namespace

int render_gmm_information(const GmmInformation& r, OutputText& out) {
  append_plain(out, "<GMMInformation>\n");
  if (r.full_name.present) {
    append_tag_text(out, L3_TAG_TEXT("<Full name for network>\n"));
    if (render_network_name_body(r.full_name.value, out, kNetworkNameSpareBitsTexts) == 0) return 0;
    append_tag_text(out, L3_TAG_TEXT("</Full name for network>\n"));
  }
  if (r.short_name.present) {
    append_tag_text(out, L3_TAG_TEXT("<Short name for network>\n"));
    if (render_network_name_body(r.short_name.value, out, kShortNameSpareBitsTexts) == 0) return 0;
    append_tag_text(out, L3_TAG_TEXT("</Short name for network>\n"));
  }
  if (r.local_time_zone.present) write_field_u8(L3_TAG("Local time zone"), r.local_time_zone.value, out, 1);
  if (r.universal_time.present) render_universal_time(r.universal_time.value, out);
  if (r.lsa_identity.present) {
    write_field_octets(L3_TAG("LSA Identity"), r.lsa_identity.value.octets, out, r.lsa_identity.value.count, 0);
  }
  if (r.daylight_saving_time.present && r.daylight_saving_time.value.length != 0) {
    if (render_value_block(out, L3_TAG("Network Daylight Saving Time"), r.daylight_saving_time.value.value,
                           kDaylightSavingTexts) == 0) {
      return 0;
    }
  }
  append_plain(out, "</GMMInformation>\n");
  return 1;
}

int render_attach_complete(const GmmKeyOnly&, OutputText& out) {
  return render_gmm_tags_only(out, "<Attach Complete>\n", "</Attach Complete>\n");
}

int render_service_reject(const GmmCauseOnly& r, OutputText& out) {
  return render_gmm_cause_message(r, out, "<Service Reject>\n", "</Service Reject>\n");
}

int render_ptmsi_reallocation_complete(const GmmKeyOnly&, OutputText& out) {
  return render_gmm_tags_only(out, "<P_TMSI Reallocation Complete>\n", "</P_TMSI Reallocation Complete>\n");
}

int render_authentication_ciphering_reject(const GmmKeyOnly&, OutputText& out) {
  return render_gmm_tags_only(out, "<Authentication_Ciphering_Reject>\n", "</Authentication_Ciphering_Reject>\n");
}

int render_gmm_status(const GmmCauseOnly& r, OutputText& out) {
  return render_gmm_cause_message(r, out, "<GMM Status>\n", "</GMM Status>\n");
}

}  // namespace l3
