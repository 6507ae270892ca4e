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
inline void render_bit(const ReadyFlag& f, uint8_t value, OutputText& out) { render_flag(out, f, value); }

constexpr ReadyFlag kEsInd1 = L3_FLAG("<ESIND>\n", "</ESIND>\n", "Controlled Early Classmark Sending not implemented",
                                      "Controlled Early Classmark Sending implemented ");
constexpr ReadyFlag kEsInd2 = L3_FLAG("<ESIND>\n", "</ESIND>\n", "Controlled Early Classmark Sending not implemented",
                                      "Controlled Early Classmark Sending implemented");
constexpr ReadyFlag kA51 = L3_FLAG("<A5_1>\n", "</A5_1>\n", "available", "not available");
constexpr ReadyFlag kPsCapability = L3_FLAG("<PS capability>\n", "</PS capability>\n", "not present", "present");
constexpr ReadyFlag kSmCapability = L3_FLAG("<SM capability>\n", "</SM capability>\n",
                                            "Mobile station does not support mobile terminated point to point SMS",
                                            "Mobile station supports mobile terminated point to point SMS");
constexpr ReadyFlag kVbs =
    L3_FLAG("<VBS notification reception>\n", "</VBS notification reception>\n",
            "no VBS capability or no notifications wanted", "VBS capability and notifications wanted");
constexpr ReadyFlag kVgcs =
    L3_FLAG("<VGCS notification reception>\n", "</VGCS notification reception>\n",
            "no VGCS capability or no notifications wanted", "VGCS capability and notifications wanted");
constexpr ReadyFlag kCm3 =
    L3_FLAG("<CM3>\n", "</CM3>\n", "The MS does not support any options that are indicated in CM3",
            "The MS supports options that are indicated in classmark 3 IE");
constexpr ReadyFlag kLcsVa = L3_FLAG("<LCS VA capability>\n", "</LCS VA capability>\n",
                                     "LCS value added location request notification capability not supported",
                                     "LCS value added location request notification capability supported");
constexpr ReadyFlag kUcs2 =
    L3_FLAG("<UCS2 treatment  reception>\n", "</UCS2 treatment  reception>\n",
            "the ME has a preference for the default alphabet over UCS2.",
            "the ME has no preference between the use of the default alphabet and the use of UCS2.");
constexpr ReadyFlag kSolsa =
    L3_FLAG("<SoLSA>\n", "</SoLSA>\n", "The ME does not support SoLSA", "The ME supports SoLSA");
constexpr ReadyFlag kCmsp =
    L3_FLAG("<CMSP>\n", "</CMSP>\n", "Network initiated MO CM connection request not supported.",
            "Network initiated MO CM connection request supported for at least one CM protocol.");
constexpr ReadyFlag kA53 =
    L3_FLAG("<A5_3>\n", "</A5_3>\n", "encryption algorithm A5/3 not available", "encryption algorithm A5/3 available");
constexpr ReadyFlag kA52 =
    L3_FLAG("<A5_2>\n", "</A5_2>\n", "encryption algorithm A5/2 not available", "encryption algorithm A5/2 available");

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
