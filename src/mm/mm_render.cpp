#include "core/output.h"
#include "mm/mm_messages.h"
#include "mm/shared_elements.h"

namespace l3 {

namespace {

void render_cause_wrapped(uint8_t cause, OutputText& out) {
  wrap_element(out, L3_TAG_TEXT("<Reject cause>\n"), L3_TAG_TEXT("</Reject cause>\n"),
               [&] { render_reject_cause(cause, out); });
}

void render_mobile_identity_wrapped(const MobileIdentity& id, OutputText& out) {
  wrap_element(out, L3_TAG_TEXT("<Mobile Identity>\n"), L3_TAG_TEXT("</Mobile Identity>\n"),
               [&] { render_mobile_identity(id, out); });
}

void render_lai_wrapped(const LocationAreaId& lai, OutputText& out) {
  wrap_element(out, L3_TAG_TEXT("<Location area identification>\n"), L3_TAG_TEXT("</Location area identification>\n"),
               [&] { render_location_area_id(lai, out); });
}

// A message with nothing between its tags.
int render_bare(OutputText& out, const char* open, const char* close) {
  append_tag_text(out, open);
  append_tag_text(out, close);
  return 1;
}

constexpr ValueText kRejectCauseTexts[] = {
    {2, "IMSI unknown in HLR"},
    {3, "Illegal MS"},
    {4, "IMSI unknown in VLR"},
    {5, "IMEI not accepted"},
    {6, "Illegal ME"},
    {11, "PLMN not allowed"},
    {12, "Location Area not allowed"},
    {13, "Roaming not allowed in this location area"},
    {15, "No Suitable Cells In Location Area"},
    {17, "Network failure"},
    {20, "MAC failure"},
    {21, "Synch failure"},
    {22, "Congestion"},
    {23, "GSM authentication unacceptable"},
    {32, "Service option not supported"},
    {33, "Requested service option not subscribed"},
    {34, "Service option temporarily out of order"},
    {38, "Call cannot be identified"},
    {48, 63, "retry upon entry into a new cell"},
    {95, "Semantically incorrect message"},
    {96, "Invalid mandatory information"},
    {97, "Message type non-existent or not implemented"},
    {98, "Message type not compatible with the protocol state"},
    {99, "Information element non-existent or not implemented"},
    {100, "Conditional IE error "},  // trailing blank is part of the text
    {101, "Message not compatible with the protocol state"},
    {111, "Protocol error, unspecified"},
};
static_assert(well_formed(kRejectCauseTexts));

}  // namespace

int render_reject_cause(uint32_t cause, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Reject cause>\n"));
  append_value_note(static_cast<int32_t>(cause), out, 0);
  const char* text = find_text(kRejectCauseTexts, cause);
  if (text == nullptr) return 0;  // note without text or closing tag; callers go on
  out.append(text);
  append_tag_text(out, L3_TAG_TEXT("</Reject cause>\n"));
  return 1;
}

int render_imsi_detach_indication(const ImsiDetachIndication& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<IMSI Detach Indication>\n"));
  wrap_element(out, L3_TAG_TEXT("<Mobile Station Classmark>\n"), L3_TAG_TEXT("</Mobile Station Classmark>\n"),
               [&] { render_classmark1(r.classmark1, out); });
  render_mobile_identity_wrapped(r.mobile_identity, out);
  append_tag_text(out, L3_TAG_TEXT("</IMSI Detach Indication>\n"));
  return 1;
}

int render_location_updating_accept(const LocationUpdatingAccept& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Location Updating Accept>\n"));
  render_lai_wrapped(r.lai, out);
  if (r.mobile_identity.present) render_mobile_identity_wrapped(r.mobile_identity.value, out);
  if (r.follow_on_proceed) {
    append_tag_text(out, L3_TAG_TEXT("<Follow on proceed>\n"));
    out.append("no detail");
    append_tag_text(out, L3_TAG_TEXT("</Follow on proceed>\n"));
  }
  if (r.cts_permission) {
    append_tag_text(out, L3_TAG_TEXT("<CTS permission>\n"));
    out.append("no detail");
    append_tag_text(out, L3_TAG_TEXT("</CTS permission>\n"));
  }
  if (r.equivalent_plmns.present) {
    wrap_element(out, L3_TAG_TEXT("<Equivalent PLMNs>\n"), L3_TAG_TEXT("</Equivalent PLMNs>\n"),
                 [&] { render_plmn_list(r.equivalent_plmns.value, out); });
  }
  append_tag_text(out, L3_TAG_TEXT("</Location Updating Accept>\n"));
  return 1;
}

int render_location_updating_reject(const MmCause& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Location Updating Reject>\n"));
  render_cause_wrapped(r.cause, out);
  append_tag_text(out, L3_TAG_TEXT("</Location Updating Reject>\n"));
  return 1;
}

namespace {

constexpr ValueText kUpdatingTypeTexts[] = {
    {0, "Normal location updating"},
    {1, "Periodic updating"},
    {2, "IMSI attach"},
    {3, "Reserved"},
};
static_assert(well_formed(kUpdatingTypeTexts));

// Inner tags are plain appends, the outer ones tag text.
int render_location_updating_type(const LocationUpdatingRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Location updating type>\n"));
  out.append("<LUT>\n");
  append_value_note(r.updating_type, out, 0);
  const char* text = find_text(kUpdatingTypeTexts, r.updating_type);
  if (text == nullptr) return 0;
  out.append(text);
  out.append("</LUT>\n");
  out.append("<FOR>\n");
  append_value_note(r.follow_on_request, out, 0);
  out.append(r.follow_on_request == 1 ? CText("Follow-on request pending") : CText("No follow-on request pending"));
  out.append("</FOR>\n");
  append_tag_text(out, L3_TAG_TEXT("</Location updating type>\n"));
  return 1;
}

}  // namespace

namespace {

// CS fallback flags of location updating and MM connection establishment.
constexpr ValueText kCsmoTexts[] = {{0, "No additional information"}, {1, "CS fallback mobile originating call"}};
constexpr ValueText kCsmtTexts[] = {{0, "No additional information"}, {1, "CS fallback mobile terminating call"}};

void render_additional_update_parameters(uint8_t v, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Additional update parameters>\n"));
  render_value_block(out, L3_TAG("CSMO"), (v >> 1) & 1, kCsmoTexts);
  render_value_block(out, L3_TAG("CSMT"), v & 1, kCsmtTexts);
  append_tag_text(out, L3_TAG_TEXT("</Additional update parameters>\n"));
}

}  // namespace

int render_location_updating_request(const LocationUpdatingRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Location updating Request>\n"));
  render_location_updating_type(r, out);
  render_ciphering_key_sequence_number(r.cksn, out, r.direction);
  render_location_area_id(r.lai, out);
  wrap_element(out, L3_TAG_TEXT("<Mobile station classmark>\n"), L3_TAG_TEXT("</Mobile station classmark>\n"),
               [&] { render_classmark1(r.classmark1, out); });
  wrap_element(out, L3_TAG_TEXT("<Mobile identity>\n"), L3_TAG_TEXT("</Mobile identity>\n"),
               [&] { render_mobile_identity(r.mobile_identity, out); });
  if (r.classmark2.present) {
    wrap_element(out, L3_TAG_TEXT("<Mobile station classmark for UMTS>\n"),
                 L3_TAG_TEXT("</Mobile station classmark for UMTS>\n"),
                 [&] { render_classmark2(r.classmark2.value, out); });
  }
  if (r.additional_update.present) render_additional_update_parameters(r.additional_update.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Location updating Request>\n"));
  return 1;
}

int render_authentication_reject(const MmEmpty&, OutputText& out) {
  return render_bare(out, "<Authentication Reject>\n", "</Authentication Reject>\n");
}

int render_authentication_request(const AuthenticationRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Authentication Request>\n"));
  render_ciphering_key_sequence_number(r.cksn, out, r.direction);
  append_tag_text(out, L3_TAG_TEXT("<Authentication parameter RAND>\n"));
  for (int i = 1; i <= 16; ++i) write_field_u8(L3_TAG("RAND"), r.rand[i], out, 1);
  append_tag_text(out, L3_TAG_TEXT("</Authentication parameter RAND>\n"));
  if (r.autn.present) render_autn(r.autn.value, out);
  append_tag_text(out, L3_TAG_TEXT("</Authentication Request>\n"));
  return 1;
}

int render_authentication_response(const AuthenticationResponse& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Authentication Response>\n"));
  write_field_octets(L3_TAG("Authentication Response SRES"), r.sres, out, 4, 0);
  if (r.extension.present) {
    write_field_octets(L3_TAG("Authentication Response Extension"), r.extension.value.octets, out,
                       r.extension.value.count, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</Authentication Response>\n"));
  return 1;
}

namespace {

constexpr ValueText kIdentityTypeTexts[] = {
    {1, "IMSI"},
    {2, "IMEI"},
    {3, "IMEISV"},
    {4, "TMSI"},
};
static_assert(well_formed(kIdentityTypeTexts));

}  // namespace

int render_identity_request(const IdentityRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Identity Request>\n"));
  render_value_block(out, L3_TAG("Identity_Type"), r.identity_type, kIdentityTypeTexts, "reserved");
  append_tag_text(out, L3_TAG_TEXT("</Identity Request>\n"));
  return 1;
}

int render_identity_response(const IdentityResponse& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Identity Response>\n"));
  render_mobile_identity_wrapped(r.mobile_identity, out);
  append_tag_text(out, L3_TAG_TEXT("</Identity Response>\n"));
  return 1;
}

int render_tmsi_reallocation_command(const TmsiReallocationCommand& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<TMSI Reallocation Command>\n"));
  render_lai_wrapped(r.lai, out);
  render_mobile_identity_wrapped(r.mobile_identity, out);
  append_tag_text(out, L3_TAG_TEXT("</TMSI Reallocation Command>\n"));
  return 1;
}

int render_tmsi_reallocation_complete(const MmEmpty&, OutputText& out) {
  return render_bare(out, "<TMSI Reallocation Complete>\n", "</TMSI Reallocation Complete>\n");
}

int render_authentication_failure(const AuthenticationFailure& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Authentication Failure>\n"));
  render_cause_wrapped(r.cause, out);
  if (r.parameter.present) {
    write_field_octets(L3_TAG("Authentication Failure  Parameter"), r.parameter.value.octets, out,
                       r.parameter.value.count, 0);
  }
  append_tag_text(out, L3_TAG_TEXT("</Authentication Failure>\n"));
  return 1;
}

int render_cm_service_accept(const MmEmpty&, OutputText& out) {
  return render_bare(out, "<CM Service Accept>\n", "</CM Service Accept>\n");
}

int render_cm_service_reject(const MmCause& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<CM Service Reject>\n"));
  render_cause_wrapped(r.cause, out);
  append_tag_text(out, L3_TAG_TEXT("</CM Service Reject>\n"));
  return 1;
}

int render_cm_service_abort(const MmCause&, OutputText& out) {
  return render_bare(out, "<CM Service Abort>\n", "</CM Service Abort>\n");
}

namespace {

constexpr ValueText kCmServiceTypeTexts[] = {
    {1, "Mobile originating call establishment or packet mode connection establishment"},
    {2, "Emergency call establishment"},
    {4, "Short message service"},
    {8, "Supplementary service activation"},
    {9, "Voice group call establishment"},
    {10, "Voice broadcast call establishment"},
    {11, "Location Services"},
};
static_assert(well_formed(kCmServiceTypeTexts));

}  // namespace

int render_cm_service_request(const CmServiceRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<CM Service Request>\n"));
  render_value_block(out, L3_TAG("CM service type"), r.service_type, kCmServiceTypeTexts, "reserved");
  render_ciphering_key_sequence_number(r.cksn, out, r.direction);
  wrap_element(out, L3_TAG_TEXT("<Mobile station classmark>\n"), L3_TAG_TEXT("</Mobile station classmark>\n"),
               [&] { render_classmark2(r.classmark2, out); });
  wrap_element(out, L3_TAG_TEXT("<Mobile identity>\n"), L3_TAG_TEXT("</Mobile identity>\n"),
               [&] { render_mobile_identity(r.mobile_identity, out); });
  if (r.priority_present) render_value_block(out, L3_TAG("Priority Level"), r.priority_level, kCallPriorityTexts);
  if (r.additional_update.present) render_additional_update_parameters(r.additional_update.value, out);
  append_tag_text(out, L3_TAG_TEXT("</CM Service Request>\n"));
  return 1;
}

namespace {

constexpr ValueText kPromptPdTexts[] = {
    {0, "GCC"},      {1, "BCC"}, {2, "Reserced"}, {3, "CC"},  {4, "GTTP"},   {5, "MM"},   {6, "RR"},
    {7, "Reserced"}, {8, "SM"},  {9, "SMS"},      {10, "SS"}, {11, "NCRSS"}, {12, "LCS"}, {13, 15, "Reserced"},
};
static_assert(well_formed(kPromptPdTexts));

constexpr ValueText kPromptSapiTexts[] = {
    {0, "SAPI 0"},
    {1, 2, "Reserced"},
    {3, "SAPI 3"},
};
static_assert(well_formed(kPromptSapiTexts));

// Note, then the plain text, between plain tags; 0 for a value without text.
int render_plain_value(OutputText& out, const char* open, const char* close, uint8_t value,
                       std::span<const ValueText> table) {
  out.append(open);
  append_value_note(value, out, 0);
  const char* text = find_text(table, value);
  if (text == nullptr) return 0;
  out.append(text);
  out.append(close);
  return 1;
}

}  // namespace

int render_cm_service_prompt(const CmServicePrompt& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<CM Service Prompt>\n", "<PD and SAPI>\n"));
  if (render_plain_value(out, "<PD>\n", "</PD>\n", r.pd, kPromptPdTexts) == 0) return 0;
  if (render_plain_value(out, "<SAPI>\n", "</SAPI>\n", r.sapi, kPromptSapiTexts) == 0) return 0;
  append_tag_text(out, L3_TAG_TEXT("</PD and SAPI>\n", "</CM Service Prompt>\n"));
  return 1;
}

int render_notification_response(const NotificationResponse& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Notification Response>\n"));
  render_classmark2(r.classmark2, out);
  render_mobile_identity(r.mobile_identity, out);
  render_group_call_reference(r.group_call_reference, out);
  append_tag_text(out, L3_TAG_TEXT("</Notification Response>\n"));
  return 1;
}

int render_cm_reestablishment_request(const CmReestablishmentRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<CM Re_Establishment Request>\n"));
  render_ciphering_key_sequence_number(r.cksn, out, r.direction);
  wrap_element(out, L3_TAG_TEXT("<Mobile station classmark>\n"), L3_TAG_TEXT("</Mobile station classmark>\n"),
               [&] { render_classmark2(r.classmark2, out); });
  render_mobile_identity_wrapped(r.mobile_identity, out);
  if (r.lai.present) render_lai_wrapped(r.lai.value, out);
  append_tag_text(out, L3_TAG_TEXT("</CM Re_Establishment Request>\n"));
  return 1;
}

int render_mm_abort(const MmCause& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<MM Abort>\n"));
  render_cause_wrapped(r.cause, out);
  append_tag_text(out, L3_TAG_TEXT("</MM Abort>\n"));
  return 1;
}

int render_mm_null(const MmEmpty&, OutputText& out) { return render_bare(out, "<MM Null>\n", "</MM Null>\n"); }

int render_mm_status(const MmCause& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<MM Status>\n"));
  render_cause_wrapped(r.cause, out);
  append_tag_text(out, L3_TAG_TEXT("</MM Status>\n"));
  return 1;
}

namespace {

// The short name's own text for spare bits 0 carries a stray closing tag.
constexpr const char* kShortNameNoSpareInfo =
    "this field carries no information about the number of spare bits in the last octet </subdetail>\n";

// 0 when the message must stop here: a short name's coding scheme without
// text (a full name's prints "Reserved" instead).
int render_network_name(const NetworkName& n, OutputText& out, bool short_name) {
  append_tag_text(out, short_name ? "<Short name for network>\n" : "<Full name for network>\n");
  append_tag_text(out, L3_TAG_TEXT("<coding scheme>\n"));
  append_value_note(n.coding_scheme, out, 0);
  const char* coding = find_text(kNetworkNameCodingSchemeTexts, n.coding_scheme);
  if (coding == nullptr && short_name) return 0;
  out.append(coding != nullptr ? coding : "Reserved");
  append_tag_text(out, L3_TAG_TEXT("</coding scheme>\n"));
  out.append("<AddCI>\n");
  append_value_note(n.add_ci, out, 0);
  out.append(n.add_ci == 1
                 ? "The MS should add the letters for the Country's Initials and a separator to the text string"
                 : "The MS should not add the letters for the Country's Initials to the text string");
  out.append("</AddCI>\n");
  append_tag_text(out, L3_TAG_TEXT("<Number of spare bits in last octet>\n"));
  append_value_note(n.spare_bits, out, 0);
  const char* spare = find_text(kNetworkNameSpareBitsTexts, n.spare_bits);
  if (spare == nullptr) return 0;
  out.append(short_name && n.spare_bits == 0 ? kShortNameNoSpareInfo : spare);
  append_tag_text(out, L3_TAG_TEXT("</Number of spare bits in last octet>\n"));
  write_field_octets(L3_TAG("Text String"), n.text, out, network_name_text_count(n), 0);
  append_tag_text(out, short_name ? "</Short name for network>\n" : "</Full name for network>\n");
  return 1;
}

const char* const kTimeTags[][2] = {
    {"<Year>\n", "</Year>\n"}, {"<Month>\n", "</Month>\n"},   {"<Day>\n", "</Day>\n"},
    {"<Hour>\n", "</Hour>\n"}, {"<Minute>\n", "</Minute>\n"}, {"<Second>\n", "</Second>\n"},
};

void render_universal_time(const UniversalTime& t, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Local time zone>\n"));
  for (size_t i = 0; i < std::size(kTimeTags); ++i) {
    out.append(kTimeTags[i][0]);
    append_hex_2(out, t.octets[i]);
    out.append(kTimeTags[i][1]);
  }
  append_tag_text(out, L3_TAG_TEXT("<Time zone>\n"));
  out.append("0x");
  append_hex(out, t.octets[6]);
  append_tag_text(out, L3_TAG_TEXT("</Time zone>\n", "</Local time zone>\n"));
}

}  // namespace

int render_mm_information(const MmInformation& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<MM Information>\n"));
  if (r.full_name.present) render_network_name(r.full_name.value, out, false);
  // Hosts expect the whole message cut short here.
  if (r.short_name.present && render_network_name(r.short_name.value, out, true) == 0) return 0;
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
  append_tag_text(out, L3_TAG_TEXT("</MM Information>\n"));
  return 1;
}

}  // namespace l3
