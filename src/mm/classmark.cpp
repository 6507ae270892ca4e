#include "mm/classmark.h"

#include "core/output.h"
#include "core/record.h"

namespace l3 {

namespace {

constexpr ValueText kRevisionLevelTexts[] = {
    {0, "Reserved for GSM phase 1"},
    {1, "Used by GSM phase 2 mobile stations"},
    {2, "Used by mobile stations supporting R99 or later versions of the protocol"},
    {3, "Reserved for future use"},
};
static_assert(well_formed(kRevisionLevelTexts));

int render_revision_level(uint8_t value, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Revision level>\n"));
  append_value_note(value, out, 0);
  const CText text = find_text(kRevisionLevelTexts, value);
  if (text.text == nullptr) return 0;
  out.append(text);
  append_tag_text(out, L3_TAG_TEXT("</Revision level>\n"));
  return 1;
}

// One classmark bit: note, then text_1 for 1 or text_0 otherwise.
struct BitField {
  TagText name;
  CText text_1;
  CText text_0;
};

inline void render_bit(const BitField& f, uint8_t value, OutputText& out) {
  render_boolean_field(out, f.name, value, f.text_0, f.text_1);
}

constexpr BitField kEsInd1 = {L3_TAG("ESIND"), "Controlled Early Classmark Sending implemented ",
                              "Controlled Early Classmark Sending not implemented"};
constexpr BitField kEsInd2 = {L3_TAG("ESIND"), "Controlled Early Classmark Sending implemented",
                              "Controlled Early Classmark Sending not implemented"};
constexpr BitField kA51 = {L3_TAG("A5_1"), "not available", "available"};
constexpr BitField kPsCapability = {L3_TAG("PS capability"), "present", "not present"};
constexpr BitField kSmCapability = {L3_TAG("SM capability"),
                                    "Mobile station supports mobile terminated point to point SMS",
                                    "Mobile station does not support mobile terminated point to point SMS"};
constexpr BitField kVbs = {L3_TAG("VBS notification reception"), "VBS capability and notifications wanted",
                           "no VBS capability or no notifications wanted"};
constexpr BitField kVgcs = {L3_TAG("VGCS notification reception"), "VGCS capability and notifications wanted",
                            "no VGCS capability or no notifications wanted"};
constexpr BitField kCm3 = {L3_TAG("CM3"), "The MS supports options that are indicated in classmark 3 IE",
                           "The MS does not support any options that are indicated in CM3"};
constexpr BitField kLcsVa = {L3_TAG("LCS VA capability"),
                             "LCS value added location request notification capability supported",
                             "LCS value added location request notification capability not supported"};
constexpr BitField kUcs2 = {L3_TAG("UCS2 treatment  reception"),
                            "the ME has no preference between the use of the default alphabet and the use of UCS2.",
                            "the ME has a preference for the default alphabet over UCS2."};
constexpr BitField kSolsa = {L3_TAG("SoLSA"), "The ME supports SoLSA", "The ME does not support SoLSA"};
constexpr BitField kCmsp = {L3_TAG("CMSP"),
                            "Network initiated MO CM connection request supported for at least one CM protocol.",
                            "Network initiated MO CM connection request not supported."};
constexpr BitField kA53 = {L3_TAG("A5_3"), "encryption algorithm A5/3 available",
                           "encryption algorithm A5/3 not available"};
constexpr BitField kA52 = {L3_TAG("A5_2"), "encryption algorithm A5/2 available",
                           "encryption algorithm A5/2 not available"};

}  // namespace

void decode_classmark1(Classmark1& c, const BitBuffer& b) {
  c.revision_level = read_bits8(1, 2, b);
  c.es_ind = read_bits8(3, 1, b);
  c.a5_1 = read_bits8(4, 1, b);
  c.rf_power_capability = read_bits8(5, 3, b);
}

int render_classmark1(const Classmark1& c, OutputText& out) {
  out.append("<MobileStationClassmark1>\n");
  if (render_revision_level(c.revision_level, out) == 0) return 0;
  render_bit(kEsInd1, c.es_ind, out);
  render_bit(kA51, c.a5_1, out);
  write_field_u8(L3_TAG("RF Power Capability"), c.rf_power_capability, out, 0);
  out.append("</MobileStationClassmark1>\n");
  return 1;
}

void decode_classmark2(Classmark2& c, const BitBuffer& b, uint8_t direction) {
  // LCS VA and UCS2 are read in every direction once the caller gave the real one.
  c.extended = (direction & 0xC0) == 0x40 || real_direction() ? 1 : 0;
  c.revision_level = read_bits8(1, 2, b);
  c.es_ind = read_bits8(3, 1, b);
  c.a5_1 = read_bits8(4, 1, b);
  c.rf_power_capability = read_bits8(5, 3, b);
  c.ps_capability = read_bits8(9, 1, b);
  c.ss_screening_indicator = read_bits8(10, 2, b);
  c.sm_capability = read_bits8(12, 1, b);
  c.vbs_notification = read_bits8(13, 1, b);
  c.vgcs_notification = read_bits8(14, 1, b);
  c.fc_frequency_capability = read_bits8(15, 1, b);
  c.cm3 = read_bits8(16, 1, b);
  if (c.extended == 1) {
    c.lcs_va_capability = read_bits8(18, 1, b);
    c.ucs2_treatment = read_bits8(19, 1, b);
  }
  c.solsa = read_bits8(20, 1, b);
  c.cmsp = read_bits8(21, 1, b);
  c.a5_3 = read_bits8(22, 1, b);
  c.a5_2 = read_bits8(23, 1, b);
}

int render_classmark2(const Classmark2& c, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Mobile Station Classmark 2>\n"));
  if (render_revision_level(c.revision_level, out) == 0) return 0;
  render_bit(kEsInd2, c.es_ind, out);
  render_bit(kA51, c.a5_1, out);
  write_field_u8(L3_TAG("RF Power Capability"), c.rf_power_capability, out, 0);
  render_bit(kPsCapability, c.ps_capability, out);
  write_field_u8(L3_TAG("SS Screening Indicator"), c.ss_screening_indicator, out, 0);
  render_bit(kSmCapability, c.sm_capability, out);
  render_bit(kVbs, c.vbs_notification, out);
  render_bit(kVgcs, c.vgcs_notification, out);
  write_field_u8(L3_TAG("FC Frequency Capability reception"), c.fc_frequency_capability, out, 0);
  render_bit(kCm3, c.cm3, out);
  if (c.extended == 1) {
    render_bit(kLcsVa, c.lcs_va_capability, out);
    render_bit(kUcs2, c.ucs2_treatment, out);
  }
  render_bit(kSolsa, c.solsa, out);
  render_bit(kCmsp, c.cmsp, out);
  render_bit(kA53, c.a5_3, out);
  render_bit(kA52, c.a5_2, out);
  append_tag_text(out, L3_TAG_TEXT("</Mobile Station Classmark 2>\n"));
  return 1;
}

}  // namespace l3
