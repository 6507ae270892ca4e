#include "gmm/gmm_elements.h"

#include <iterator>

#include "core/output.h"

namespace l3 {

void decode_drx_parameter(DrxParameter& d, const BitBuffer& b) {
  d.split_pg_cycle_code = read_bits8(0, 8, b);
  d.split_on_ccch = read_bits8(12, 1, b);
  d.non_drx_timer = read_bits8(13, 3, b);
}

void decode_receive_npdu_number_list(ReceiveNpduNumberList& l, const BitBuffer& b) {
  uint32_t p = 0;
  // Pairs past the 49th are not kept.
  for (size_t k = 1; k < std::size(l.pairs) && p + 4 <= b.count; ++k) {
    l.pairs[k].nsapi = read_bits8(p, 4, b);
    p += 4;
    if (p + 8 > b.count) return;  // the NSAPI stays, uncounted
    l.pairs[k].receive_npdu_number = read_bits8(p, 8, b);
    p += 8;
    l.count = static_cast<uint8_t>(k);
  }
}

namespace {

// <open>(value)text<close> with both tags through append_tag_text; a value without text and
// fallback stops after the note.
int render_inline_value(OutputText& out, ReadyTagText open, ReadyTagText close, uint8_t v,
                        std::span<const ValueText> table, const char* fallback) {
  append_tag_text(out, open);
  append_value_note(v, out, 0);
  const char* text = find_text(table, v);
  if (text == nullptr) text = fallback;
  if (text == nullptr) return 0;
  out.append(text);
  append_tag_text(out, close);
  return 1;
}

constexpr ValueText kAttachTypeTexts[] = {
    {1, "GPRS attach"},
    {2, "GPRS attach while IMSI attached"},
    {3, "Combined GPRS/IMSI attach"},
};
static_assert(well_formed(kAttachTypeTexts));

constexpr ValueText kAttachResultTexts[] = {
    {1, "GPRS only attached"},
    {3, "Combined GPRS/IMSI attached"},
};
static_assert(well_formed(kAttachResultTexts));

constexpr ValueText kForceToStandbyTexts[] = {
    {1, "Force to standby indicated"},
};

constexpr ValueText kSplitOnCcchTexts[] = {
    {0, "Split pg cycle on CCCH is not supported by the mobile station"},
    {1, "Split pg cycle on CCCH is supported by the mobile station"},
};
static_assert(well_formed(kSplitOnCcchTexts));

constexpr ValueText kNonDrxTimerTexts[] = {
    {0, "no non-DRX mode after transfer state"},          {1, "max.  1 sec non-DRX mode after transfer state"},
    {2, "max.  2 sec non-DRX mode after transfer state"}, {3, "max.  4 sec non-DRX mode after transfer state"},
    {4, "max.  8 sec non-DRX mode after transfer state"}, {5, "max. 16 sec non-DRX mode after transfer state"},
    {6, "max. 32 sec non-DRX mode after transfer state"}, {7, "max. 64 sec non-DRX mode after transfer state"},
};
static_assert(well_formed(kNonDrxTimerTexts));

constexpr ValueText kTmsiStatusTexts[] = {
    {0, "no valid TMSI available"},
    {1, "valid TMSI available"},
};
static_assert(well_formed(kTmsiStatusTexts));

constexpr ValueText kRadioPriorityTexts[] = {
    {0, "priority level 1"},
    {1, "priority level 2"},
    {2, "priority level 3"},
};
static_assert(well_formed(kRadioPriorityTexts));

constexpr ValueText kGmmCauseTexts[] = {
    {2, "IMSI unknown in HLR"},
    {3, "Illegal MS"},
    {6, "Illegal ME"},
    {7, "GPRS services not allowed"},
    {8, "GPRS services and non-GPRS services not allowed"},
    {9, "MS identity cannot be derived by the network"},
    {10, "Implicitly detached"},
    {11, "PLMN not allowed"},
    {12, "Location Area not allowed"},
    {13, "Roaming not allowed in this location area"},
    {14, "GPRS services not allowed in this PLMN"},
    {15, "No Suitable Cells In Location Area"},
    {16, "MSC temporarily not reachable"},
    {17, "Network failure"},
    {20, "MAC failure"},
    {21, "Synch failure"},
    {22, "Congestion"},
    {23, "GSM authentication unacceptable"},
    {40, "No PDP context activated"},
    {48, 63, "retry upon entry into a new cell"},
    {95, "Semantically incorrect message"},
    {96, "Invalid mandatory information"},
    {97, "Message type non-existent or not implemented"},
    {98, "Message type not compatible with the protocol state"},
    {99, "Information element non-existent or not implemented"},
    {100, "Conditional IE error"},
    {101, "Message not compatible with the protocol state"},
};
static_assert(well_formed(kGmmCauseTexts));

constexpr ValueText kNetworkFeatureSupportTexts[] = {
    {0, "LCS-MOLR via PS domain not supported"},
    {1, "LCS-MOLR via PS domain supported"},
};
static_assert(well_formed(kNetworkFeatureSupportTexts));

struct LcsFlag {
  CText open;
  uint8_t mask;
  CText text0;
  CText text1;
  CText close;
};

constexpr LcsFlag kPsLcsFlags[] = {
    {"<OTD_A>\n", 0x10, "MS assisted E-OTD not supported", "MS assisted E-OTD supported", "</OTD_A>\n"},
    {"<OTD_B>\n", 0x08, "MS based E-OTD not supported", "MS based E-OTD supported", "</OTD_B>\n"},
    {"<GPS_A>\n", 0x04, "MS assisted GPS not supported", "MS assisted GPS supported", "</GPS_A>\n"},
    {"<GPS_B>\n", 0x02, "MS based GPS not supported", "MS based GPS supported", "</GPS_B>\n"},
    {"<GPS_C>\n", 0x01, "Conventional GPS not supported", "Conventional GPS supported", "</GPS_C>\n"},
};

struct NsapiTags {
  CText open;
  CText close;
};

constexpr NsapiTags kNsapiTags[] = {
    {"<NSAPI5>\n", "</NSAPI5>\n"},   {"<NSAPI6>\n", "</NSAPI6>\n"},   {"<NSAPI7>\n", "</NSAPI7>\n"},
    {"<NSAPI8>\n", "</NSAPI8>\n"},   {"<NSAPI9>\n", "</NSAPI9>\n"},   {"<NSAPI10>\n", "</NSAPI10>\n"},
    {"<NSAPI11>\n", "</NSAPI11>\n"}, {"<NSAPI12>\n", "</NSAPI12>\n"}, {"<NSAPI13>\n", "</NSAPI13>\n"},
    {"<NSAPI14>\n", "</NSAPI14>\n"}, {"<NSAPI15>\n", "</NSAPI15>\n"},
};
constexpr uint32_t kFirstNsapi = 5;

}  // namespace

int render_attach_type(uint8_t v, OutputText& out) {
  return render_value_block(out, L3_TAG("Attach Type"), v, kAttachTypeTexts, "GPRS attach");
}

int render_attach_result(uint8_t v, OutputText& out) {
  return render_inline_value(out, L3_TAG_TEXT("<Attach Result>"), L3_TAG_TEXT("</Attach Result>"), v,
                             kAttachResultTexts, "Reserved");
}

int render_force_to_standby(uint8_t v, OutputText& out) {
  return render_inline_value(out, L3_TAG_TEXT("<Force To Standby>"), L3_TAG_TEXT("</Force To Standby>"), v,
                             kForceToStandbyTexts, "Force to standby not indicated");
}

int render_drx_parameter(const DrxParameter& d, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<DRX Parameter>"));
  write_field_u8(L3_TAG("SPLIT PG CYCLE CODE"), d.split_pg_cycle_code, out, 0);
  if (render_value_block(out, L3_TAG("SPLIT on CCCH"), d.split_on_ccch, kSplitOnCcchTexts) == 0) return 0;
  render_value_block(out, L3_TAG("non DRX timer"), d.non_drx_timer, kNonDrxTimerTexts);
  append_tag_text(out, L3_TAG_TEXT("</DRX Parameter>"));
  return 1;
}

int render_routing_area_identification(const RoutingAreaId& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Routing area identification>"));
  write_field_int(L3_TAG("MCC"), r.mcc, out, 0);
  write_field_u8(L3_TAG("MNC"), r.mnc, out, 0);
  write_field_u16(L3_TAG("LAC"), r.lac, out, 0);
  write_field_u8(L3_TAG("RAC"), r.rac, out, 0);
  append_tag_text(out, L3_TAG_TEXT("</Routing area identification>"));
  return 1;
}

int render_ptmsi_signature(uint32_t signature, OutputText& out) {
  return write_field_u8(L3_TAG("P TMSI signature"), signature & 0xFF, out, 0);
}

int render_ptmsi_signature2(uint8_t v, OutputText& out) {
  return write_field_u8(L3_TAG("P TMSI signature 2"), v, out, 0);
}

int render_tmsi_status(uint8_t v, OutputText& out) {
  // Closed here so that the elements after it do not nest inside it.
  return render_inline_value(out, L3_TAG_TEXT("<TMSI status>"), L3_TAG_TEXT("</TMSI status>"), v, kTmsiStatusTexts,
                             nullptr);
}

int render_ps_lcs_capability(uint8_t v, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<PS LCS Capability>"));
  for (const LcsFlag& f : kPsLcsFlags) {
    int32_t bit = v & f.mask;
    append_plain(out, f.open);
    append_value_note(bit, out, 1);
    out.append(bit != 0 ? f.text1 : f.text0);
    append_plain(out, f.close);
  }
  append_tag_text(out, L3_TAG_TEXT("</PS LCS Capability>"));
  return 1;
}

int render_radio_priority(uint8_t v, OutputText& out) {
  return render_inline_value(out, L3_TAG_TEXT("<Radio Priority>"), L3_TAG_TEXT("</Radio Priority>"), v,
                             kRadioPriorityTexts, "priority level 4");
}

int render_radio_priority2(uint8_t v, OutputText& out) {
  return render_inline_value(out, L3_TAG_TEXT("<Radio Priority 2>"), L3_TAG_TEXT("</Radio Priority 2>"), v,
                             kRadioPriorityTexts, "priority level 4");
}

int render_gmm_cause(uint8_t v, OutputText& out) {
  append_plain(out, "<Cause>");
  append_value_note(v, out, 0);
  out.append(text_or(kGmmCauseTexts, v, "Protocol error, unspecified"));
  append_plain(out, "</Cause>");
  return 1;
}

int render_network_feature_support(uint8_t v, OutputText& out) {
  return render_value_block(out, L3_TAG("Network Feature support"), v, kNetworkFeatureSupportTexts, "Reserved");
}

int render_ac_reference_number(uint8_t v, OutputText& out) {
  return write_field_u8(L3_TAG("A_C reference number"), v, out, 0);
}

int render_pdp_context_status(const PdpContextStatus& s, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<PDP Context Status>"));
  for (size_t i = 0; i < std::size(kNsapiTags); ++i) {
    int32_t bit = static_cast<int32_t>((s.nsapis >> (kFirstNsapi + i)) & 1u);
    append_plain(out, kNsapiTags[i].open);
    append_value_note(bit, out, 1);
    out.append(bit != 0 ? CText("PDP context is not PDP-INACTIVE") : CText("PDP context is PDP-INACTIVE"));
    append_plain(out, kNsapiTags[i].close);
  }
  append_tag_text(out, L3_TAG_TEXT("</PDP Context Status>"));
  return 1;
}

}  // namespace l3
