#include "cc/cc_elements.h"

#include <iterator>

#include "cc/cc_text.h"
#include "core/output.h"
#include "mm/shared_elements.h"

namespace l3 {

namespace {

// Length-led buffers: the length octet is octet 0, octet 3 of the element is 1.
uint8_t length_of(const BitBuffer& b) { return read_bits8(0, 8, b); }
uint8_t octet_at(const BitBuffer& b, uint32_t i) { return read_bits8(8 * i, 8, b); }

// Copies value octets first..first+n-1 into out[1..], at most cap of them.
template <class Count>
void copy_value_octets(const BitBuffer& b, uint32_t first, uint32_t n, uint32_t cap, Count& count, uint8_t* out) {
  if (n > cap) n = cap;
  for (uint32_t i = 0; i < n; ++i) out[i + 1] = octet_at(b, first + i);
  count = static_cast<Count>(n);
}

template <uint32_t N>
void decode_octets(CcOctets<N>& s, const BitBuffer& b) {
  copy_value_octets(b, 1, length_of(b), N, s.length, s.octets);
}

constexpr char bcd_digit_chars[] = "0123456789ABC*EF";

// n digit octets from value octet `first` on, low nibble first.
void decode_digits(BcdNumber& num, const BitBuffer& b, uint32_t first, uint32_t n) {
  constexpr uint32_t kMaxOctets = BcdNumber::kMaxDigits / 2;
  if (n > kMaxOctets) n = kMaxOctets;
  uint8_t high = 0;
  for (uint32_t i = 0; i < n; ++i) {
    const uint8_t o = octet_at(b, first + i);
    const uint8_t low = o & 0x0F;
    high = o >> 4;
    num.digits[2 * i + 1] = low;
    num.digits[2 * i + 2] = high;
    num.text[2 * i] = bcd_digit_chars[low];
    num.text[2 * i + 1] = bcd_digit_chars[high];
  }
  num.digit_count = static_cast<uint8_t>(2 * n);
  num.digit_count_copy = num.digit_count;
  num.text[2 * n] = '\0';
  if (n > 0 && high == 0x0F) num.text[2 * n - 1] = '\0';  // end mark of an odd count
}

// Numbers with octet 3a (presentation and screening).
void decode_number_with_3a(BcdNumber& num, const BitBuffer& b) {
  const uint8_t len = length_of(b);
  if (len == 0 || len == 2) return;
  num.type_of_number = read_bits8(9, 3, b);
  num.numbering_plan = read_bits8(12, 4, b);
  if (len < 3) return;
  num.presentation = read_bits8(17, 2, b);
  num.screening = read_bits8(22, 2, b);
  decode_digits(num, b, 3, len - 2u);
}

}  // namespace

void decode_facility(Facility& f, const BitBuffer& b) { decode_octets(f, b); }
void decode_low_layer_compatibility(LowLayerCompat& llc, const BitBuffer& b) { decode_octets(llc, b); }
void decode_ss_version(SsVersion& v, const BitBuffer& b) { decode_octets(v, b); }

void decode_user_user(UserUserInfo& uu, const BitBuffer& b) {
  const uint8_t len = length_of(b);
  if (len == 0) return;  // no protocol discriminator: nothing to count
  uu.protocol_discriminator = octet_at(b, 1);
  copy_value_octets(b, 2, len - 1u, 999, uu.count, uu.octets);
}

void decode_progress_indicator(ProgressInfo& p, const BitBuffer& b) {
  p.coding_standard = read_bits8(1, 2, b);
  p.location = read_bits8(4, 4, b);
  p.description = read_bits8(9, 7, b);
}

void decode_high_layer_compatibility(HighLayerInfo& h, const BitBuffer& b) {
  h.coding_standard = read_bits8(1, 2, b);
  h.interpretation = read_bits8(3, 3, b);
  h.presentation_method = read_bits8(6, 2, b);
  h.characteristics = read_bits8(9, 7, b);
  h.extended_characteristics = read_bits8(17, 7, b);
}

void decode_cc_capabilities(CcCapabilitiesInfo& c, const BitBuffer& b) {
  c.length = length_of(b);
  if (c.length < 2) return;
  c.max_bearers = read_bits8(8, 4, b);
  c.pcp = read_bits8(14, 1, b);
  c.dtmf = read_bits8(15, 1, b);
  c.max_speech_bearers = read_bits8(20, 4, b);
}

void decode_cause(CauseInfo& c, const BitBuffer& b) {
  const uint8_t len = length_of(b);
  c.coding_standard = read_bits8(9, 2, b);
  c.location = read_bits8(12, 4, b);
  // The coding standard, not the extension bit, decides whether octet 3a is there.
  uint32_t cause_octet = 2;
  uint32_t header = 2;  // value octets up to and including the cause value octet
  if (c.coding_standard != 3) {
    c.recommendation_present = 1;
    c.recommendation = read_bits8(17, 7, b);
    cause_octet = 3;
    header = 3;
  }
  if (c.coding_standard == 3 || len > 2) {
    c.cause_value_present = 1;
    c.cause_value = read_bits8(8 * cause_octet + 1, 7, b);
  }
  if (len > header) {
    c.diagnostics_present = 1;
    copy_value_octets(b, header + 1, len - header, std::size(c.diagnostics) - 1, c.diagnostic_count, c.diagnostics);
  }
}

void decode_calling_party_number(BcdNumber& n, const BitBuffer& b) { decode_number_with_3a(n, b); }
void decode_redirecting_party_number(BcdNumber& n, const BitBuffer& b) { decode_number_with_3a(n, b); }
void decode_connected_number(BcdNumber& n, const BitBuffer& b) { decode_number_with_3a(n, b); }

void decode_called_party_number(BcdNumber& n, const BitBuffer& b) {
  const uint8_t len = length_of(b);
  if (len == 0) return;
  n.type_of_number = read_bits8(9, 3, b);
  n.numbering_plan = read_bits8(12, 4, b);
  if (len >= 2) decode_digits(n, b, 2, len - 1u);
}

void decode_subaddress(SubaddressInfo& s, const BitBuffer& b) {
  const uint8_t len = length_of(b);
  if (len == 0) return;
  s.type = read_bits8(9, 3, b);
  s.odd_even = read_bits8(12, 1, b);
  if (len >= 2) copy_value_octets(b, 2, len - 1u, std::size(s.octets) - 1, s.count, s.octets);
}

void decode_supported_codecs(CodecList& c, const BitBuffer& b) {
  const uint32_t len = length_of(b);
  uint32_t i = 1;  // next value octet
  while (i <= len) {
    const uint8_t system_id = octet_at(b, i++);
    if (i > len) return;
    const uint8_t bitmap_length = octet_at(b, i++);
    if (i + bitmap_length - 1 > len) return;  // entry incomplete
    if (c.count < std::size(c.entries)) {
      CodecEntry& e = c.entries[c.count++];
      e.system_id = system_id;
      copy_value_octets(b, i, bitmap_length, std::size(e.bitmap) - 1, e.bitmap_length, e.bitmap);
    }
    i += bitmap_length;
  }
}

namespace {

constexpr ValueText kCauseCodingTexts[] = {
    {0, "Coding as specified in ITU-T Rec. Q.931"},
    {1, "Reserved for other international standards"},
    {2, "National standard"},
    {3, "Standard defined for the GSM PLMNS"},
};
constexpr ValueText kCauseLocationTexts[] = {
    {0, "user"},
    {1, "private network serving the local user"},
    {2, "public network serving the local user"},
    {3, "transit network"},
    {4, "public network serving the remote user"},
    {5, "private network serving the remote user"},
    {7, "international network"},
    {10, "network beyond interworking point"},
};
constexpr const char* kNormal = "Normal, unspecified";
constexpr const char* kResources = "Resources unavailable, unspecified";
constexpr const char* kNotAvailable = "Service or option not available, unspecified";
constexpr const char* kNotImplemented = "Service or option not implemented, unspecified";
constexpr const char* kSemantic = "Semantically incorrect message";
constexpr ValueText kCauseValueTexts[] = {
    {0, kNormal},
    {1, "Unassigned number"},
    {2, kNormal},
    {3, "No route to destination"},
    {4, 5, kNormal},
    {6, "Channel unacceptable"},
    {7, kNormal},
    {8, "Operator determined barring"},
    {9, 15, kNormal},
    {16, "Normal call clearing"},
    {17, "User busy"},
    {18, "No user responding"},
    {19, "User alerting, no answer"},
    {20, kNormal},
    {21, "Call rejected"},
    {22, "Number changed"},
    {23, 24, kNormal},
    {25, "Pre-emption"},
    {26, "Non selected user clearing"},
    {27, "Destination out of order"},
    {28, "Invalid number format"},
    {29, "Facility rejected"},
    {30, "Response to STATUS ENQUIRY"},
    {31, kNormal},
    {32, 33, kResources},
    {34, "No circuit/channel available"},
    {35, 37, kResources},
    {38, "Network out of order"},
    {39, 40, kResources},
    {41, "Temporary failure"},
    {42, "Switching equipment congestion"},
    {43, "Access information discarded"},
    {44, "requested circuit/channel not available"},
    {45, 47, kResources},
    {48, kNotAvailable},
    {49, "Quality of service unavailable"},
    {50, "Requested facility not subscribed"},
    {51, 54, kNotAvailable},
    {55, "Incoming calls barred within the CUG"},
    {56, kNotAvailable},
    {57, "Bearer capability not authorized"},
    {58, "Bearer capability not presently available"},
    {59, 63, kNotAvailable},
    {64, kNotImplemented},
    {65, "Bearer service not implemented"},
    {66, 67, kNotImplemented},
    {68, "ACM equal to or greater than ACMmax"},
    {69, "Requested facility not implemented"},
    {70, "Only restricted digital information bearer capability is available"},
    {71, 79, kNotImplemented},
    {80, kSemantic},
    {81, "Invalid transaction identifier value"},
    {82, 86, kSemantic},
    {87, "User not member of CUG"},
    {88, "Incompatible destination"},
    {89, 90, kSemantic},
    {91, "Invalid transit network selection"},
    {92, 95, kSemantic},
    {96, "Invalid mandatory information"},
    {97, "Message type non-existent or not implemented"},
    {98, "Message type not compatible with protocol state"},
    {99, "Information element non-existent or not implemented"},
    {100, "Conditional IE error"},
    {101, "Message not compatible with protocol state"},
    {102, "Recovery on timer expiry"},
    {103, 111, "Protocol error, unspecified"},
    {112, 127, "Interworking, unspecified"},
};
static_assert(well_formed(kCauseValueTexts) && well_formed(kCauseLocationTexts));

constexpr bool covers(std::span<const ValueText> table, uint32_t first, uint32_t last) {
  for (uint32_t v = first; v <= last; ++v) {
    if (find_text(table, v) == nullptr) return false;
  }
  return true;
}
static_assert(covers(kCauseValueTexts, 0, 127));  // every 7-bit cause has a text

}  // namespace

int render_cause(const CauseInfo& c, OutputText& out) {
  append_plain(out, "<Cause>\n");
  render_value_block(out, L3_TAG("CodingStandard"), c.coding_standard, kCauseCodingTexts);
  if (!render_value_block(out, L3_TAG("Location"), c.location, kCauseLocationTexts)) return 0;
  if (c.recommendation_present) write_field_u8(L3_TAG("Recommendation"), c.recommendation, out, 0);
  if (c.cause_value_present) render_value_block(out, L3_TAG("Cause value"), c.cause_value, kCauseValueTexts);
  if (c.diagnostics_present) write_field_octets(L3_TAG("Diagnostic"), c.diagnostics, out, c.diagnostic_count, 0);
  append_plain(out, "</Cause>\n");
  return 1;
}

namespace {

constexpr ValueText kProgressCodingTexts[] = {
    {0, "Standardized coding, as described in ITU-T Rec. Q.931"},
    {1, "Reserved for other international standards"},
    {2, "National standard"},
    {3, "Standard defined for the GSM PLMNS"},
};
constexpr ValueText kProgressLocationTexts[] = {
    {0, "User"},
    {1, "Private network serving the local user"},
    {2, "Public network serving the local user"},
    {4, "Public network serving the remote user"},
    {5, "Private network serving the remote user"},
    {10, "Network beyond interworking point"},
};
constexpr ValueText kProgressDescriptionTexts[] = {
    {1, "Call is not end-to-end PLMN/ISDN, further call progress information may be available in-band"},
    {2, "Destination address in non-PLMN/ISDN"},
    {3, "Origination address in non-PLMN/ISDN"},
    {4, "Call has returned to the PLMN/ISDN"},
    {8, "In-band information or appropriate pattern now available"},
    {32, "Call is end-to-end PLMN/ISDNn"},
    {64, "Queueing"},
};

}  // namespace

int render_progress_indicator(const ProgressInfo& p, OutputText& out) {
  append_plain(out, "<Progress_Indicator>\n");
  render_value_block(out, L3_TAG("coding_standard"), p.coding_standard, kProgressCodingTexts);
  render_value_block(out, L3_TAG("location"), p.location, kProgressLocationTexts, "reserved");
  render_value_block(out, L3_TAG("Progress_description"), p.description, kProgressDescriptionTexts, "Unspecific");
  append_plain(out, "</Progress_Indicator>\n");
  return 1;
}

int render_facility(const Facility& f, OutputText& out) {
  append_plain(out, "<GSM_Facility>\n");
  write_field_octets(L3_TAG("Facility"), f.octets, out, f.length, 0);
  append_plain(out, "</GSM_Facility>\n");
  return 1;
}

int render_ss_version(const SsVersion& v, OutputText& out) {
  append_plain(out, "<SS_version>\n");
  write_field_octets(L3_TAG("SsVersion"), v.octets, out, v.length, 0);
  append_plain(out, "</SS_version>\n");
  return 1;
}

int render_low_layer_compatibility(const LowLayerCompat& llc, OutputText& out) {
  return write_field_octets(L3_TAG("Low layer compatibility"), llc.octets, out, llc.length, 0);
}

namespace {

constexpr const char* kOtherLayer3 = "Reserved for other network layer or layer 3 protocols";
constexpr ValueText kUserUserPdTexts[] = {
    {0, "User specific protocol\n"},
    {1, "OSI high layer protocols"},
    {2, "X.244"},
    {3, "Reserved for system management convergence function"},
    {4, "IA5 characters"},
    {5, 6, "Reserved"},
    {7, "Rec.V.120 rate adaption"},
    {8, "Q.931 (I.451) user-network call control messages"},
    {9, 15, "Reserved"},
    {16, 63, kOtherLayer3},
    {64, 207, "National use"},
    {208, 254, kOtherLayer3},
    {255, "Reserved"},
};
static_assert(well_formed(kUserUserPdTexts) && covers(kUserUserPdTexts, 0, 255));

}  // namespace

int render_user_user(const UserUserInfo& uu, OutputText& out) {
  append_plain(out, "<User_user>\n");
  open_tag_named(out, "User_user_protocol_discriminator");
  append_value_text(text_or(kUserUserPdTexts, uu.protocol_discriminator, ""), out, uu.protocol_discriminator, 1);
  if (uu.protocol_discriminator == 3) return 0;  // hosts expect the element cut short after this text
  close_tag_named(out, "User_user_protocol_discriminator");
  append_plain(out, "<User_user_information>\n");
  write_field_octets(L3_TAG("Information"), uu.octets, out, uu.count, 0);
  append_plain(out, "</User_user_information>\n");
  append_plain(out, "</User_user>\n");
  return 1;
}

namespace {

constexpr ValueText kNumberingPlanTexts[] = {
    {0, "unknown"},
    {1, "ISDN/telephony numbering plan"},
    {3, "data numbering plan"},
    {4, "telex numbering plan"},
    {8, "national numbering plan"},
    {9, "private numbering plan"},
    {11, "eserved for CTS"},
    {15, "reserved for extension"},
};
constexpr ValueText kTypeOfNumberTexts[] = {
    {0, "unknown"},
    {1, "international number"},
    {2, "national number"},
    {3, "network specific numbe"},
    {4, "dedicated access, short code"},
    {5, 6, "reserved"},
    {7, "reserved for extension"},
};
constexpr ValueText kScreeningTexts[] = {
    {0, "User-provided, not screened"},
    {1, "User-provided, verified and passed"},
    {2, "User-provided, verified and failed"},
    {3, "Network provided"},
};
constexpr ValueText kPresentationTexts[] = {
    {0, "Presentation allowed"},
    {1, "Presentation restricted"},
    {2, "Number not available due to interworking"},
    {3, "Reserved"},
};

void render_number_digits(const BcdNumber& n, OutputText& out) {
  open_tag_named(out, "Number digit");
  out.append(n.text);
  close_tag_named(out, "Number digit");
}

// Type of number, screening and presentation, shared by three numbers.
void render_number_fields(const BcdNumber& n, OutputText& out) {
  render_value_block(out, L3_TAG("Type of number"), n.type_of_number, kTypeOfNumberTexts);
  render_value_block(out, L3_TAG("Screeningindicator"), n.screening, kScreeningTexts);
  render_value_block(out, L3_TAG("Presentationindicator"), n.presentation, kPresentationTexts);
}

}  // namespace

int render_called_party_number(const BcdNumber& n, OutputText& out) {
  append_plain(out, "<CalledPartyBCDNum>\n");
  render_value_block(out, L3_TAG("Number Planidentification"), n.numbering_plan, kNumberingPlanTexts, "Reserved");
  render_value_block(out, L3_TAG("Type of number"), n.type_of_number, kTypeOfNumberTexts);
  render_number_digits(n, out);
  append_plain(out, "</CalledPartyBCDNum>\n");
  return 1;
}

int render_calling_party_number(const BcdNumber& n, OutputText& out) {
  append_plain(out, "<CallingPartyBCDNum>\n");
  render_value_block(out, L3_TAG("Number_planidentification"), n.numbering_plan, kNumberingPlanTexts, "Reserved");
  render_number_fields(n, out);
  render_number_digits(n, out);
  append_plain(out, "</CallingPartyBCDNum>\n");
  return 1;
}

int render_connected_number(const BcdNumber& n, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Connected number>\n"));
  render_value_block(out, L3_TAG("Number planidentification"), n.numbering_plan, kNumberingPlanTexts, "Reserved");
  render_number_fields(n, out);
  text_field(out, "Number digit", n.text);
  append_tag_text(out, L3_TAG_TEXT("</Connected number>\n"));
  return 1;
}

int render_redirecting_party_number(const BcdNumber& n, OutputText& out) {
  append_plain(out, "<Redirecting_Party_BCD_Num>\n");
  render_value_block(out, L3_TAG("Number planidentification"), n.numbering_plan, kNumberingPlanTexts, "Reserved");
  render_number_fields(n, out);
  text_field(out, "BCDSTR", n.text);
  append_plain(out, "</Redirecting_Party_BCD_Num>\n");
  return 1;
}

namespace {

constexpr ValueText kSubaddressTypeTexts[] = {{0, "NSAP"}, {2, "User specified"}};
constexpr ValueText kOddEvenTexts[] = {{0, "even number of address signals"}, {1, "odd number of address signals"}};

// Called and redirecting party subaddresses share their fields.
void render_subaddress_fields(const SubaddressInfo& s, OutputText& out) {
  render_value_block(out, L3_TAG("Type of subaddress"), s.type, kSubaddressTypeTexts, "reserved");
  render_value_block(out, L3_TAG("odd_even_indicator"), s.odd_even, kOddEvenTexts);
  append_tag_text(out, L3_TAG_TEXT("<Subaddress information>\n"));
  write_field_octets(L3_TAG("Subaddress"), s.octets, out, s.count, 0);
  append_tag_text(out, L3_TAG_TEXT("</Subaddress information>\n"));
}

}  // namespace

int render_connected_subaddress(const SubaddressInfo& s, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Connected subaddress>\n"));
  render_value_block(out, L3_TAG("Type of subaddress"), s.type, kSubaddressTypeTexts, "reserved");
  text_block(out, "odd even indicator", text_or(kOddEvenTexts, s.odd_even, ""));
  append_tag_text(out, L3_TAG_TEXT("<Subaddress information>\n"));
  write_field_octets(L3_TAG("Subaddress"), s.octets, out, s.count, 0);
  append_tag_text(out, L3_TAG_TEXT("</Subaddress information>\n", "</Connected subaddress>\n"));
  return 1;
}

int render_calling_party_subaddress(const SubaddressInfo& s, OutputText& out) {
  append_plain(out, "<CallingPartySubaddress>\n");
  render_value_block(out, L3_TAG("Type of subaddress"), s.type, kSubaddressTypeTexts, "reserved");
  render_value_block(out, L3_TAG("odd even indicator"), s.odd_even, kOddEvenTexts);
  write_field_octets(L3_TAG("Subaddress information"), s.octets, out, s.count, 0);
  append_plain(out, "</CallingPartySubaddress>\n");
  return 1;
}

int render_called_party_subaddress(const SubaddressInfo& s, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<CalledPartySubaddress>\n"));
  render_subaddress_fields(s, out);
  append_tag_text(out, L3_TAG_TEXT("</CalledPartySubaddress>\n"));
  return 1;
}

int render_redirecting_party_subaddress(const SubaddressInfo& s, OutputText& out) {
  append_plain(out, "<RedirectingPartySubaddress>\n");
  render_subaddress_fields(s, out);
  append_plain(out, "</RedirectingPartySubaddress>\n");
  return 1;
}

int render_high_layer_compatibility(const HighLayerInfo& h, OutputText& out) {
  append_plain(out, "<High_Layer_Comp>\n");
  write_field_u8(L3_TAG("CodingStandard"), h.coding_standard, out, 0);
  write_field_u8(L3_TAG("Interpretation"), h.interpretation, out, 0);
  write_field_u8(L3_TAG("presentat method of protocolprofile"), h.presentation_method, out, 0);
  write_field_u8(L3_TAG("High layer characteristics"), h.characteristics, out, 0);
  write_field_u8(L3_TAG("Extended high layer characteristics identification"), h.extended_characteristics, out, 0);
  append_plain(out, "</High_Layer_Comp>\n");
  return 1;
}

namespace {

constexpr const char* kRepeatFallbackText =
    "Support of fallback - mode 1 preferred, mode 2 selected if setup of mode 1 fails";
constexpr const char* kRepeatChangeText = "Service change and fallback - mode 1 alternate mode 2, mode 1 preferred";
constexpr ValueText kBcRepeatTexts[] = {
    {1, "Circular for successive selection mode 1 alternate mode 2"},
    {2, kRepeatFallbackText},
    {3, "reserved: was allocated in earlier phases of the protocol"},
    {4, kRepeatChangeText},
};
constexpr ValueText kLlcRepeatTexts[] = {
    {1, "Circular for successive selection\"mode 1 alternate mode 2"},
    {2, kRepeatFallbackText},
    {3, "reserved: was allocated in earlier phases of the protocol"},
    {4, kRepeatChangeText},
};
constexpr ValueText kHlcRepeatTexts[] = {
    {1, "Circular for successive selection mode 1 alternate mode 2"},
    {2, kRepeatFallbackText},
    {3, "reserved: was allocated in earlier phases of the protocoln"},
    {4, kRepeatChangeText},
};

}  // namespace

int render_bc_repeat_indicator(uint8_t value, OutputText& out) {
  return render_value_block(out, L3_TAG("RepeatIndicator"), value, kBcRepeatTexts, "reserved");
}

int render_llc_repeat_indicator(uint8_t value, OutputText& out) {
  append_plain(out, "<CCLLCRepeatIndicator>\n");
  render_value_block(out, L3_TAG("Repeat_Indicator"), value, kLlcRepeatTexts, "reserved");
  append_plain(out, "</CCLLCRepeatIndicator>\n");
  return 1;
}

int render_hlc_repeat_indicator(uint8_t value, OutputText& out) {
  append_plain(out, "<CCHLCRepeatIndicator>\n");
  render_value_block(out, L3_TAG("HLC Repeat Indicator"), value, kHlcRepeatTexts, "reserved");
  append_plain(out, "</CCHLCRepeatIndicator>\n");
  return 1;
}

namespace {

constexpr ValueText kNetworkCcCapabilityTexts[] = {
    {0, "<the network does not support the multicall."},
    {1, "the network supports the multicall."},
};
constexpr ValueText kDtmfTexts[] = {
    {0, "This value is reserved for earlier versions of the protocol."},
    {1, "the mobile station supports DTMF"},
};
constexpr ValueText kPcpTexts[] = {
    {0, "the mobile station does not support the Prolonged Clearing Procedure"},
    {1, "the mobile station supports the Prolonged Clearing Procedure."},
};
constexpr ValueText kAllowedActionsTexts[] = {
    {0, "Activation of CCBS not possible"},
    {1, "Activation of CCBS possible"},
};

}  // namespace

int render_priority(uint8_t value, OutputText& out) {
  return render_value_block(out, L3_TAG("Priority Granted"), value, kCallPriorityTexts);
}

int render_network_cc_capabilities(const ShortElement& e, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Network Call Control Capabilities>\n"));
  if (!render_value_block(out, L3_TAG("NetworkCCCapabilities"), e.value, kNetworkCcCapabilityTexts)) return 0;
  append_tag_text(out, L3_TAG_TEXT("</Network Call Control Capabilities>\n"));
  return 1;
}

int render_cc_capabilities(const CcCapabilitiesInfo& c, OutputText& out) {
  append_plain(out, "<Call_Control_Capabilities>\n");
  if (!render_value_block(out, L3_TAG("DTMF"), c.dtmf, kDtmfTexts)) return 0;
  if (!render_value_block(out, L3_TAG("PCP"), c.pcp, kPcpTexts)) return 0;
  append_tag_text(out, L3_TAG_TEXT("<Maximum number of supported bearers>\n"));
  append_value_note(c.max_bearers, out, 0);
  if (c.max_bearers != 0) {
    write_field_u8(L3_TAG("MaximumNumberOfSupportedBearers"), c.max_bearers, out, 0);
  } else {
    out.append("1");
  }
  append_tag_text(out, L3_TAG_TEXT("</Maximum number of supported bearers>\n"));
  write_field_u8(L3_TAG("Maximum number of speech bearers"), c.max_speech_bearers, out, 0);
  append_plain(out, "</Call_Control_Capabilities>\n");
  return 1;
}

int render_allowed_actions(const ShortElement& e, OutputText& out) {
  return render_value_block(out, L3_TAG("Allowed actions CCBS"), e.value, kAllowedActionsTexts);
}

int render_stream_identifier(const ShortElement& e, OutputText& out) {
  if (e.length != 0) write_field_u8(L3_TAG("StreamIdentifier"), e.value, out, 0);
  return 1;
}

int render_supported_codecs(const CodecList& c, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<SupportedCodecList>\n"));
  for (uint32_t i = 0; i < c.count && i < std::size(c.entries); ++i) {
    const CodecEntry& e = c.entries[i];
    append_plain(out, "<System_Identification>\n");
    write_field_u8(L3_TAG("SysID"), e.system_id, out, 0);
    append_tag_text(out, L3_TAG_TEXT("<Codec Bitmap List>\n"));
    write_field_octets(L3_TAG("Bitmap"), e.bitmap, out, e.bitmap_length, 0);
    append_tag_text(out, L3_TAG_TEXT("</Codec Bitmap List>\n"));
    append_plain(out, "</System_Identification>\n");
  }
  append_tag_text(out, L3_TAG_TEXT("</SupportedCodecList>\n"));
  return 1;
}

}  // namespace l3
