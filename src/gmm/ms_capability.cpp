#include "gmm/ms_capability.h"

#include <iterator>

#include "core/output.h"

namespace l3 {

void decode_ms_network_capability(MsNetworkCapability& c, const BitBuffer& b) {
  c.length = read_bits8(0, 8, b);
  c.gea1 = read_bits8(8, 1, b);
  c.sm_dedicated = read_bits8(9, 1, b);
  c.sm_gprs = read_bits8(10, 1, b);
  c.ucs2 = read_bits8(11, 1, b);
  c.ss_screening_indicator = read_bits8(12, 2, b);
  c.solsa = read_bits8(14, 1, b);
  c.revision_level = read_bits8(15, 1, b);
  c.pfc_feature_mode = read_bits8(16, 1, b);
  c.gea2 = read_bits8(17, 1, b);
  c.gea3 = read_bits8(18, 1, b);
  c.gea4 = read_bits8(19, 1, b);
  c.gea5 = read_bits8(20, 1, b);
  c.gea6 = read_bits8(21, 1, b);
  c.gea7 = read_bits8(22, 1, b);
  c.lcs_va = read_bits8(23, 1, b);
}

namespace {

// Reads that fail when the field runs past the buffer: the walk of an entry ends there and
// the entry is not counted.
struct NeedCursor {
  const BitBuffer& b;
  uint32_t pos;
  bool need(uint32_t w) const { return pos + w <= b.count; }
  bool take(uint32_t w, uint8_t& v) {
    if (!need(w)) return false;
    v = read_bits8(pos, w, b);
    pos += w;
    return true;
  }
};

// One entry's access capabilities up to the multislot SMS group; false when a field is missing.
bool decode_access_capabilities(RadioAccessEntry& e, NeedCursor& c) {
  uint8_t present = 0;
  if (!c.take(3, e.rf_power_capability) || !c.take(1, present)) return false;
  if (present) {
    // The seven bits have no need check of their own: bits past the buffer read 0.
    for (uint8_t& a5 : e.a5) a5 = read_bits8(c.pos++, 1, c.b);
    e.has_a5_bits = 1;
  }
  if (!c.take(1, e.es_ind) || !c.take(1, e.ps) || !c.take(1, e.vgcs) || !c.take(1, e.vbs)) return false;
  if (!c.take(1, present)) return false;
  if (!present) return true;
  e.has_multislot_capability = 1;
  if (!c.take(1, present)) return false;
  if (present) {
    if (!c.take(5, e.hscsd_multislot_class)) return false;
    e.has_hscsd_class = 1;
  }
  if (!c.take(1, present)) return false;
  if (present) {
    if (!c.take(5, e.gprs_multislot_class) || !c.take(1, e.gprs_extended_dynamic_allocation)) return false;
    e.has_gprs_class = 1;
  }
  if (!c.take(1, present)) return false;
  if (present) {
    if (!c.take(4, e.sms_value) || !c.take(4, e.sm_value)) return false;
    e.has_sms_values = 1;
  }
  return true;
}

// { 1 <type : 4> <GMSK power class : 3> <8PSK power class : 2> } ** 0 within
// the entry's length; spare bits may follow.
void decode_additional_access_technologies(RadioAccessEntry& e, NeedCursor c, uint32_t end) {
  uint8_t more = 0;
  while (e.additional_count < std::size(e.additional) && c.pos + 10 <= end && c.take(1, more) && more == 1) {
    AdditionalAccessTechnology& a = e.additional[e.additional_count];
    if (!c.take(4, a.access_technology_type) || !c.take(3, a.gmsk_power_class) || !c.take(2, a.psk8_power_class)) {
      return;
    }
    ++e.additional_count;
  }
}

}  // namespace

void decode_ms_radio_access_capability(MsRadioAccessCapability& c, const BitBuffer& b) {
  NeedCursor cur{b, 0};
  // { <entry> { 1 <entry> } ** 0 }, at most nine entries kept
  for (size_t k = 1; k < std::size(c.entries); ++k) {
    RadioAccessEntry& e = c.entries[k];
    uint8_t length = 0;
    if (!cur.take(4, e.access_technology_type) || !cur.take(7, length) || !cur.need(length)) return;
    uint32_t start = cur.pos;
    if (e.access_technology_type == 15) {
      decode_additional_access_technologies(e, NeedCursor{b, start}, start + length);
    } else {
      e.has_value_part = 1;
      if (!decode_access_capabilities(e, cur)) return;
    }
    c.count = static_cast<uint8_t>(k);
    cur.pos = start + length;  // the next field follows the whole entry
    uint8_t more = 0;
    if (!cur.take(1, more) || more == 0) return;
  }
}

namespace {

// Tags rewritten at compile time; the rows whose tags were once copied as
// they are hold no character the rewrite changes.
struct CapabilityFlag {
  uint8_t MsNetworkCapability::*field;
  ReadyFlag flag;
};

constexpr CapabilityFlag kNetworkCapabilityFlags[] = {
    {&MsNetworkCapability::gea1,
     L3_FLAG("<GPRS Encryption Algorithm GEA1>\n", "</GPRS Encryption Algorithm GEA1>\n",
             "encryption algorithm GEA/1 not available", "encryption algorithm GEA/1 available")},
    {&MsNetworkCapability::sm_dedicated,
     L3_FLAG("<SM capabilities via dedicated channels>\n", "</SM capabilities via dedicated channels>\n",
             "Mobile station does not support mobile terminated point to point SMS via "
             "dedicated signalling channels",
             "Mobile station supports mobile terminated point to point SMS via "
             "dedicated signalling channels")},
    {&MsNetworkCapability::sm_gprs,
     L3_FLAG("<SM capabilities via GPRS channels>\n", "</SM capabilities via GPRS channels>\n",
             "Mobile station does not support mobile terminated point to point SMS via "
             "GPRS packet data channels",
             "Mobile station supports mobile terminated point to point SMS via GPRS "
             "packet data channels")},
    {&MsNetworkCapability::ucs2,
     L3_FLAG("<UCS2 support>\n", "</UCS2 support>\n", "the ME has a preference for the default alphabet over UCS2",
             "the ME has no preference between the use of the default alphabet and the "
             "use of UCS2")},
    {&MsNetworkCapability::solsa, L3_FLAG("<SoLSA Capability>\n", "</SoLSA Capability>\n",
                                          "The ME does not support SoLSA", "The ME supports SoLSA")},
    {&MsNetworkCapability::revision_level,
     L3_FLAG("<Revision level indicator>\n", "</Revision level indicator>\n",
             "used by a mobile station not supporting R99 or later versions of the "
             "protocol",
             "used by a mobile station supporting R99 or later versions of the "
             "protocol")},
    {&MsNetworkCapability::pfc_feature_mode, L3_FLAG("<PFC Feature mode>\n", "</PFC Feature mode>\n",
                                                     "Mobile station does not support BSS packet flow procedures",
                                                     "Mobile station does support BSS packet flow procedures")},
    {&MsNetworkCapability::gea2, L3_FLAG("<GEA2>\n", "</GEA2>\n", "encryption algorithm GEA/2 not available",
                                         "encryption algorithm GEA/2 available")},
    {&MsNetworkCapability::gea3, L3_FLAG("<GEA3>\n", "</GEA3>\n", "encryption algorithm GEA/3 not available",
                                         "encryption algorithm GEA/3 available")},
    {&MsNetworkCapability::gea4, L3_FLAG("<GEA4>\n", "</GEA4>\n", "encryption algorithm GEA/4 not available",
                                         "encryption algorithm GEA/4 available")},
    {&MsNetworkCapability::gea5, L3_FLAG("<GEA5>\n", "</GEA5>\n", "encryption algorithm GEA/5 not available",
                                         "encryption algorithm GEA/5 available")},
    {&MsNetworkCapability::gea6, L3_FLAG("<GEA6>\n", "</GEA6>\n", "encryption algorithm GEA/6 not available",
                                         "encryption algorithm GEA/6 available")},
    {&MsNetworkCapability::gea7, L3_FLAG("<GEA7>\n", "</GEA7>\n", "encryption algorithm GEA/7 not available",
                                         "encryption algorithm GEA/7 available")},
};

constexpr ValueText kSsScreeningTexts[] = {
    {0, "0  see defined in 3GPP TS 24.080"},
    {1, "1  see defined in 3GPP TS 24.080"},
    {2, "2  see defined in 3GPP TS 24.080"},
    {3, "3  see defined in 3GPP TS 24.080"},
};
static_assert(well_formed(kSsScreeningTexts));

}  // namespace

int render_ms_network_capability(const MsNetworkCapability& c, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<MS Network Capability>"));
  for (const CapabilityFlag& f : kNetworkCapabilityFlags) {
    render_flag(out, f.flag, c.*f.field);
  }
  append_tag_text(out, L3_TAG_TEXT("<SS Screening Indicator>\n"));
  append_value_note(c.ss_screening_indicator, out, 0);
  // Two bits: every value has a row.
  out.append(text_or(kSsScreeningTexts, c.ss_screening_indicator, ""));
  append_tag_text(out, L3_TAG_TEXT("</SS Screening Indicator>\n"));
  render_flag(out,
              L3_FLAG("<LCS VA capability>\n", "</LCS VA capability>\n",
                      "LCS value added location request notification capability not supported",
                      "LCS value added location request notification capability supported"),
              c.lcs_va);
  append_tag_text(out, L3_TAG_TEXT("</MS Network Capability>"));
  return 1;
}

namespace {

constexpr ValueText kAccessTechnologyTexts[] = {
    {0, "GSM P"}, {1, "GSM E"}, {2, "GSM R"}, {3, "GSM 1800"}, {4, "GSM 1900"}, {15, "Additional access technologies"},
};
static_assert(well_formed(kAccessTechnologyTexts));

struct A5Tags {
  ReadyFlag flag;
};

constexpr A5Tags kA5Tags[] = {
    {L3_FLAG("<A5_1>", "</A5_1>", "Encryption algolithm A5/1 not available", "Encryption algolithm A5/1 available")},
    {L3_FLAG("<A5_2>", "</A5_2>", "Encryption algolithm A5/2 not available", "Encryption algolithm A5/2 available")},
    {L3_FLAG("<A5_3>", "</A5_3>", "Encryption algolithm A5/3 not available", "Encryption algolithm A5/3 available")},
    {L3_FLAG("<A5_4>", "</A5_4>", "Encryption algolithm A5/4 not available", "Encryption algolithm A5/4 available")},
    {L3_FLAG("<A5_5>", "</A5_5>", "Encryption algolithm A5/5 not available", "Encryption algolithm A5/5 available")},
    {L3_FLAG("<A5_6>", "</A5_6>", "Encryption algolithm A5/6 not available", "Encryption algolithm A5/6 available")},
    {L3_FLAG("<A5_7>", "</A5_7>", "Encryption algolithm A5/7 not available", "Encryption algolithm A5/7 available")},
};
static_assert(std::size(kA5Tags) == std::size(RadioAccessEntry{}.a5));

void render_value_part(const RadioAccessEntry& e, OutputText& out) {
  append_plain(out, "<MSRACapabilityValuePart>\n");
  write_field_u8(L3_TAG("RF Capability"), e.rf_power_capability, out, 0);
  if (e.has_a5_bits) {
    append_tag_text(out, L3_TAG_TEXT("<A5 bits>\n"));
    for (size_t i = 0; i < std::size(kA5Tags); ++i) {
      render_flag(out, kA5Tags[i].flag, e.a5[i]);
    }
    append_tag_text(out, L3_TAG_TEXT("</A5 bits>\n"));
  }
  render_flag(out,
              L3_FLAG("<ES IND>", "</ES IND>", "controlled early Classmark Sending option is not implemented",
                      "controlled early Classmark Sending option is implemented"),
              e.es_ind);
  render_flag(out, L3_FLAG("<PS>", "</PS>", "PS capability not present", "PS capability present"), e.ps);
  render_flag(out,
              L3_FLAG("<VGCS>", "</VGCS>", "no VGCS capability or no notifications wanted",
                      "VGCS capability and notifications wanted"),
              e.vgcs);
  render_flag(out,
              L3_FLAG("<VBS>", "</VBS>", "no VBS capability or no notifications wanted",
                      "VBS capability and notifications wanted"),
              e.vbs);
  if (e.has_multislot_capability) {
    append_tag_text(out, L3_TAG_TEXT("<Multislot capability>"));
    if (e.has_hscsd_class) write_field_u8(L3_TAG("HSCSD Multi Slot Class"), e.hscsd_multislot_class, out, 0);
    if (e.has_gprs_class) {
      write_field_u8(L3_TAG("GPRS Multi Slot Class"), e.gprs_multislot_class, out, 0);
      write_field_u8(L3_TAG("Ext Dynamic Alloc Capability"), e.gprs_extended_dynamic_allocation, out, 0);
    }
    if (e.has_sms_values) {
      write_field_u8(L3_TAG("SMS"), e.sms_value, out, 0);
      write_field_u8(L3_TAG("SM"), e.sm_value, out, 0);
    }
    append_tag_text(out, L3_TAG_TEXT("</Multislot capability>"));
  }
  append_plain(out, "</MSRACapabilityValuePart>\n");
}

}  // namespace

int render_ms_radio_access_capability(const MsRadioAccessCapability& c, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<MS Radio Access Capability>"));
  for (size_t k = 1; k <= c.count && k < std::size(c.entries); ++k) {
    const RadioAccessEntry& e = c.entries[k];
    append_plain(out, "<Index>");
    append_tag_text(out, L3_TAG_TEXT("<Access Tech Type>\n"));
    append_value_note(e.access_technology_type, out, 0);
    out.append(text_or(kAccessTechnologyTexts, e.access_technology_type, "Unknow"));
    append_tag_text(out, L3_TAG_TEXT("</Access Tech Type>\n"));
    if (e.has_value_part) render_value_part(e, out);
    for (size_t i = 0; i < e.additional_count && i < std::size(e.additional); ++i) {
      const AdditionalAccessTechnology& a = e.additional[i];
      append_tag_text(out, L3_TAG_TEXT("<Additional access technology>\n", "<Access Tech Type>\n"));
      append_value_note(a.access_technology_type, out, 0);
      out.append(text_or(kAccessTechnologyTexts, a.access_technology_type, "Unknow"));
      append_tag_text(out, L3_TAG_TEXT("</Access Tech Type>\n"));
      write_field_u8(L3_TAG("GMSK Power Class"), a.gmsk_power_class, out, 0);
      write_field_u8(L3_TAG("8PSK Power Class"), a.psk8_power_class, out, 0);
      append_tag_text(out, L3_TAG_TEXT("</Additional access technology>\n"));
    }
    append_plain(out, "</Index>\n");
  }
  append_tag_text(out, L3_TAG_TEXT("</MS Radio Access Capability>"));
  return 1;
}

}  // namespace l3
