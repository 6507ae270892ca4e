#include "mm/identity.h"

#include "core/output.h"

namespace l3 {

namespace {

constexpr char kDigitChars[] = "0123456789ABCDEF";

constexpr ValueText kIdentityTypeTexts[] = {
    {kNoIdentity, "No Identity"}, {kImsi, "IMSI"}, {kImei, "IMEI"}, {kImeisv, "IMEISV"}, {kTmsi, "TMSI/P-TMSI"},
};
static_assert(well_formed(kIdentityTypeTexts));

// Digits beyond the tenth value octet are not read.
constexpr uint32_t kMaxIdentityOctets = 10;

// MCC and MNC of one three-octet PLMN identity starting at bit p; the third
// MNC digit is not kept.
Plmn read_plmn(uint32_t p, const BitBuffer& b) {
  Plmn e;
  e.mcc = 100 * read_bits8(p + 4, 4, b) + 10 * read_bits8(p, 4, b) + read_bits8(p + 12, 4, b);
  e.mnc = static_cast<uint8_t>(10 * read_bits8(p + 20, 4, b) + read_bits8(p + 16, 4, b));
  return e;
}

}  // namespace

void decode_mobile_identity(MobileIdentity& id, const BitBuffer& b) {
  id = MobileIdentity{};  // a repeated element replaces every digit of the earlier one
  uint32_t length = read_bits8(0, 8, b);
  id.digits[1] = read_bits8(8, 4, b);
  id.odd_even = read_bits8(12, 1, b);
  id.type = read_bits8(13, 3, b);
  // An empty element holds no digit position (2L - 1 would wrap to 255).
  id.digit_count = length == 0 ? 0 : static_cast<uint8_t>(2 * length - 1);
  uint32_t octets = length;
  if (length > kMaxIdentityOctets) {
    id.digit_count = 19;
    octets = kMaxIdentityOctets;
  }
  // Two digits per octet, low nibble first; octets past the buffer read 0
  // (the buffer holds whole octets).
  const uint32_t held = b.count / 8 < octets + 1 ? b.count / 8 : octets + 1;
  for (uint32_t j = 2; j < held; ++j) {
    id.digits[2 * j - 2] = b.octets[j] & 0x0F;
    id.digits[2 * j - 1] = b.octets[j] >> 4;
  }

  uint32_t first = 1;
  uint32_t last = id.digit_count;
  switch (id.type) {
    case kImsi:
    case kImei:
    case kImeisv:
      if (id.odd_even == 0 && last > 0) --last;  // the filler position
      break;
    case kTmsi:
      if (id.odd_even == 0) first = 2;
      break;
    default:
      last = 0;
  }
  size_t n = 0;
  for (uint32_t i = first; i <= last && n + 1 < std::size(id.text); ++i) id.text[n++] = kDigitChars[id.digits[i]];
  id.text[n] = '\0';
}

int render_mobile_identity(const MobileIdentity& id, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Mobile Identity>", "<Type of identity>\n"));
  append_value_note(id.type, out, 0);
  const char* type_text = find_text(kIdentityTypeTexts, id.type);
  if (type_text == nullptr) return 0;
  out.append(type_text);
  append_tag_text(out, L3_TAG_TEXT("</Type of identity>\n", "<odd even indication>\n"));
  append_value_note(id.odd_even, out, 0);
  out.append(id.odd_even == 0 ? CText("even") : CText("odd"));
  append_tag_text(out, L3_TAG_TEXT("</odd even indication>\n", "<Identity Digits>\n"));
  if (id.text[0] != '\0') out.append("0x");
  out.append(id.text, strnlen(id.text, sizeof id.text));
  append_tag_text(out, L3_TAG_TEXT("</Identity Digits>\n", "</Mobile Identity>"));
  return 1;
}

void decode_location_area_id(LocationAreaId& lai, const BitBuffer& b) {
  Plmn plmn = read_plmn(0, b);
  lai.mcc = plmn.mcc;
  lai.mnc = plmn.mnc;
  lai.lac = read_bits16(24, 16, b);
}

void decode_routing_area_identification(RoutingAreaId& rai, const BitBuffer& b) {
  decode_location_area_id(rai, b);
  rai.rac = read_bits8(40, 8, b);
}

int render_location_area_id(const LocationAreaId& lai, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Location area identification>\n"));
  write_field_int(L3_TAG("MCC"), lai.mcc, out, 0);
  write_field_u8(L3_TAG("MNC"), lai.mnc, out, 0);
  write_field_u16(L3_TAG("LAC"), lai.lac, out, 0);
  append_tag_text(out, L3_TAG_TEXT("</Location area identification>\n"));
  return 1;
}

uint8_t decode_plmn_entries(std::span<Plmn> entries, const BitBuffer& b) {
  uint32_t count = read_bits8(0, 8, b) / 3;
  // Entry 0 is unused; entries past the part are dropped.
  if (count + 1 > entries.size()) count = entries.empty() ? 0 : static_cast<uint32_t>(entries.size() - 1);
  for (uint32_t k = 1; k <= count; ++k) entries[k] = read_plmn(8 + 24 * (k - 1), b);
  return static_cast<uint8_t>(count);
}

int render_plmn_entries(std::span<const Plmn> entries, uint8_t count, OutputText& out) {
  out.append("<PLMNList>\n");
  for (size_t k = 1; k <= count && k < entries.size(); ++k) {
    out.append("<PLMN>\n");
    write_field_int(L3_TAG("MCC"), entries[k].mcc, out, 0);
    write_field_u8(L3_TAG("MNC"), entries[k].mnc, out, 0);
    out.append("</PLMN>\n");
  }
  out.append("</PLMNList>\n");
  return 1;
}

int render_ciphering_key_sequence_number(uint8_t value, OutputText& out, uint8_t direction) {
  append_tag_text(out, L3_TAG_TEXT("<ciphering key sequence number>\n"));
  append_value_note(value, out, 0);
  if (value > 7) return 0;
  if (value < 7) {
    out.push(kDigitChars[value]);
  } else {
    out.append(direction == 0 ? CText("No key is available") : CText("Reserved"));
  }
  append_tag_text(out, L3_TAG_TEXT("</ciphering key sequence number>\n"));
  return 1;
}

int render_autn(const Autn& autn, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Authentication AUTN parameter>\n"));
  out.append("<submsg>\n");
  for (size_t i = 1; i <= autn.count && i < std::size(autn.octets); ++i) {
    write_field_u8(L3_TAG("AuthenticationAUTN"), autn.octets[i], out, 1);
  }
  out.append("</submsg>\n");
  append_tag_text(out, L3_TAG_TEXT("</Authentication AUTN parameter>\n"));
  return 1;
}

void decode_network_name(NetworkName& n, const BitBuffer& b) {
  n.coding_scheme = read_bits8(1, 3, b);
  n.add_ci = read_bits8(4, 1, b);
  n.spare_bits = read_bits8(5, 3, b);
  if (b.count < 8) return;
  uint32_t m = b.count / 8 - 1;
  if (m >= std::size(n.text)) return;
  for (uint32_t i = 1; i <= m; ++i) n.text[i] = read_bits8(8 * i, 8, b);
}

int network_name_text_count(const NetworkName& n) {
  // A text too long for the part was not stored: dump none of it.
  if (n.length == 0 || n.length > std::size(n.text)) return 0;
  return n.length - 1;
}

void decode_group_call_reference(GroupCallReference& g, const BitBuffer& b) {
  for (uint32_t i = 0; i < 27; ++i) g.binary[i] = read_bits8(i, 1, b) != 0 ? '1' : '0';
  g.binary[27] = '\0';
  g.call_reference = read_bits32(0, 27, b);
  g.service_flag = read_bits8(27, 1, b);
  g.acknowledgement_flag = read_bits8(28, 1, b);
  g.call_priority = read_bits8(29, 3, b);
  g.ciphering_information = read_bits8(32, 4, b);
}

namespace {

constexpr ValueText kCallPriorityTexts[] = {
    {0, "Not Priority applied"},  {1, "Call Prierity Level 4"}, {2, "Call Prierity Level 3"},
    {3, "Call Prierity Level 2"}, {4, "Call Prierity Level 1"}, {5, "Call Prierity Level 0"},
    {6, "Call Prierity Level B"}, {7, "Call Prierity Level A"},
};
static_assert(well_formed(kCallPriorityTexts));

}  // namespace

int render_group_call_reference(const GroupCallReference& g, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Call Reference>\n"));
  // The 27 reference bits read as one binary number, shown in hexadecimal.
  write_field_int(L3_TAG("Binary Code for Call Reference"), static_cast<int32_t>(g.call_reference), out, 1);
  append_tag_text(out, L3_TAG_TEXT("<Service Flag>\n"));
  append_value_note(g.service_flag, out, 0);
  out.append(g.service_flag == 1 ? CText("VGCS") : CText("VBS"));
  append_tag_text(out, L3_TAG_TEXT("</Service Flag>\n", "<Acknowledgement Flag>\n"));
  append_value_note(g.acknowledgement_flag, out, 0);
  out.append(g.acknowledgement_flag == 1 ? CText("Required") : CText("Not Required"));
  append_tag_text(out, L3_TAG_TEXT("</Acknowledgement Flag>\n"));
  if (render_value_block(out, L3_TAG("Call Priority"), g.call_priority, kCallPriorityTexts) == 0) return 0;
  append_tag_text(out, L3_TAG_TEXT("<Ciphering Information>\n"));
  append_value_note(g.ciphering_information, out, 0);
  if (g.ciphering_information > 15) return 0;
  if (g.ciphering_information == 0) {
    out.append("No Ciphering");
  } else {
    out.append("Ciphering with Cipher key Number ");
    out.push(kDigitChars[g.ciphering_information]);
  }
  append_tag_text(out, L3_TAG_TEXT("</Ciphering Information>\n", "</Call Reference>\n"));
  return 1;
}

}  // namespace l3
