#include "sms/tpdu.h"

#include <iterator>

#include "core/output.h"
#include "sms/sms_address.h"

namespace l3 {

namespace {

// Octets of the validity period by TP-VPF: none, enhanced, relative, absolute.
constexpr uint8_t kValidityPeriodOctets[] = {0, 7, 1, 7};

void decode_dcs(TpduRecord& t, uint8_t dcs) {
  t.coding_group = dcs >> 6;
  switch (dcs >> 4) {
    case 0x0:
    case 0x1:
    case 0x2:
    case 0x3:
    case 0x4:
    case 0x5:
    case 0x6:
    case 0x7:  // general data coding, and the same with automatic deletion
      t.compressed = test_bit(dcs, 5);
      t.class_present = test_bit(dcs, 4);
      if (t.class_present) t.message_class = dcs & 0x03;
      t.alphabet = (dcs >> 2) & 0x03;
      break;
    case 0xE:  // message waiting indication, store message, UCS2
      t.alphabet = 2;
      break;
    case 0xF:  // data coding and message class
      t.class_present = 1;
      t.message_class = dcs & 0x03;
      t.alphabet = test_bit(dcs, 2);
      break;
    default:  // message waiting with the default alphabet; reserved groups are read as the default alphabet too
      t.alphabet = 0;
      break;
  }
}

struct HeaderElement {
  uint8_t iei;
  uint8_t size;  // value octets the element needs; a shorter one is passed over
  void (*take)(TpduRecord& t, const BitBuffer& b, uint32_t at);
};

uint16_t octets16_at(const BitBuffer& b, uint32_t at) {
  return static_cast<uint16_t>(octet_at(b, at) << 8 | octet_at(b, at + 1));
}

constexpr HeaderElement kHeaderElements[] = {
    {0x00, 3,
     [](TpduRecord& t, const BitBuffer& b, uint32_t at) {
       t.concat8.present = 1;
       t.concat8.value = {octet_at(b, at), octet_at(b, at + 1), octet_at(b, at + 2)};
     }},
    {0x05, 4,
     [](TpduRecord& t, const BitBuffer& b, uint32_t at) {
       t.app_port.present = 1;
       t.app_port.value = {octets16_at(b, at), octets16_at(b, at + 2)};
     }},
    {0x08, 4,
     [](TpduRecord& t, const BitBuffer& b, uint32_t at) {
       t.concat16.present = 1;
       t.concat16.value = {octets16_at(b, at), octet_at(b, at + 2), octet_at(b, at + 3)};
     }},
};

// The header's elements from octet `at`, `length` octets (TP-UDHL). Every
// element is passed over by its own length; one that runs past the header ends the walk.
void decode_user_data_header(TpduRecord& t, const BitBuffer& b, uint32_t at, uint32_t length) {
  uint32_t done = 0;
  while (done + 1 < length) {
    uint8_t iei = octet_at(b, at + done);
    uint32_t size = octet_at(b, at + done + 1);
    if (done + 2 + size > length) return;
    for (const HeaderElement& e : kHeaderElements) {
      if (e.iei == iei && size >= e.size) e.take(t, b, at + done + 2);
    }
    done += 2 + size;
  }
}

uint16_t copy_user_octets(const uint8_t* octets, uint8_t* text, uint32_t n) {
  for (uint32_t i = 0; i < n; ++i) text[i] = octets[i];
  return static_cast<uint16_t>(n);
}

uint32_t utf8_encode(uint32_t cp, uint8_t (&bytes)[4]) {
  if (cp < 0x80) {
    bytes[0] = static_cast<uint8_t>(cp);
    return 1;
  }
  if (cp < 0x800) {
    bytes[0] = static_cast<uint8_t>(0xC0 | cp >> 6);
    bytes[1] = static_cast<uint8_t>(0x80 | (cp & 0x3F));
    return 2;
  }
  if (cp < 0x10000) {
    bytes[0] = static_cast<uint8_t>(0xE0 | cp >> 12);
    bytes[1] = static_cast<uint8_t>(0x80 | (cp >> 6 & 0x3F));
    bytes[2] = static_cast<uint8_t>(0x80 | (cp & 0x3F));
    return 3;
  }
  bytes[0] = static_cast<uint8_t>(0xF0 | cp >> 18);
  bytes[1] = static_cast<uint8_t>(0x80 | (cp >> 12 & 0x3F));
  bytes[2] = static_cast<uint8_t>(0x80 | (cp >> 6 & 0x3F));
  bytes[3] = static_cast<uint8_t>(0x80 | (cp & 0x3F));
  return 4;
}

bool is_high_surrogate(uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool is_low_surrogate(uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// TP-UDL at octet `at`, then the header (when TP-UDHI) and the text.
void decode_user_data(TpduRecord& t, const BitBuffer& b, uint32_t at) {
  uint32_t udl = octet_at(b, at);
  uint32_t start = at + 1;  // first octet of the user data, header included
  uint32_t header_octets = 0;
  if (t.udhi) {
    t.header_length = octet_at(b, start);
    header_octets = 1u + t.header_length;
    decode_user_data_header(t, b, start + 1, t.header_length);
  }
  // Octets the TPDU announces but does not hold read as 0.
  uint8_t octets[BitBuffer::kMaxOctets] = {};
  for (uint32_t i = 0; i < std::size(octets); ++i) octets[i] = octet_at(b, start + i);

  constexpr uint32_t kRoom = TpduRecord::kTextBytes;
  static_assert(kRoom + 2 <= std::size(TpduRecord{}.text));
  static_assert(kRoom < std::size(octets));
  uint8_t* text = t.text + 1;
  uint32_t count = 0;
  switch (t.alphabet) {
    case 0: {
      // TP-UDL counts septets, the header's and its fill bits included.
      uint32_t skip = (header_octets * 8 + 6) / 7;
      count = udl > skip ? udl - skip : 0;  // skip + count <= 255: within octets and text
      count = unpack_septets(octets, skip, count, text);
      break;
    }
    case 1:
    case 2: {
      uint32_t n = udl > header_octets ? udl - header_octets : 0;  // header_octets + n <= 255
      count = t.alphabet == 1 ? copy_user_octets(octets + header_octets, text, n)
                              : ucs2_to_text(octets + header_octets, text, n);
      break;
    }
    default:
      break;
  }
  t.char_count = static_cast<uint16_t>(count);
  t.text[count + 1] = 0;
}

// The first octet of each TPDU type.
void decode_submit_flags(TpduRecord& t, uint8_t first) {
  t.reply_path = test_bit(first, 7);
  t.udhi = test_bit(first, 6);
  t.srr = test_bit(first, 5);
  t.vpf = (first >> 3) & 0x03;
  t.validity_period_present = 1;
  t.rd = test_bit(first, 2);
}

void decode_deliver_flags(TpduRecord& t, uint8_t first) {
  t.reply_path = test_bit(first, 7);
  t.udhi = test_bit(first, 6);
  t.sri = test_bit(first, 5);
  t.mms = test_bit(first, 2);
}

void decode_status_report_flags(TpduRecord& t, uint8_t first) {
  t.status_report_bit8 = test_bit(first, 7);
  t.udhi = test_bit(first, 6);
  t.mms = test_bit(first, 2);
}

}  // namespace

uint32_t decode_scts(uint8_t (&scts)[7], const BitBuffer& b, uint32_t at) {
  for (uint32_t i = 0; i < std::size(scts); ++i) {
    uint8_t o = octet_at(b, at + i);
    scts[i] = static_cast<uint8_t>(o << 4 | o >> 4);
  }
  return at + static_cast<uint32_t>(std::size(scts));
}

uint16_t unpack_septets(const uint8_t* octets, uint32_t skip, uint32_t count, uint8_t* text) {
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t bit = (skip + i) * 7;  // septets are packed from the least significant bit up
    uint32_t q = bit / 8, s = bit % 8;
    text[i] = static_cast<uint8_t>(((octets[q] >> s) | (octets[q + 1] << (8 - s))) & 0x7F);
  }
  return static_cast<uint16_t>(count);
}

uint16_t ucs2_to_text(const uint8_t* octets, uint8_t* text, uint32_t n) {
  uint32_t units = n / 2;
  uint32_t written = 0;
  for (uint32_t i = 0; i < units; ++i) {
    uint32_t cp = static_cast<uint32_t>(octets[2 * i] << 8 | octets[2 * i + 1]);
    if (is_high_surrogate(cp) && i + 1 < units) {
      uint32_t low = static_cast<uint32_t>(octets[2 * i + 2] << 8 | octets[2 * i + 3]);
      if (is_low_surrogate(low)) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (is_high_surrogate(cp) || is_low_surrogate(cp)) cp = 0xFFFD;
    uint8_t bytes[4];
    uint32_t k = utf8_encode(cp, bytes);
    if (written + k > TpduRecord::kUcs2TextBytes) break;  // never half a character
    for (uint32_t j = 0; j < k; ++j) text[written++] = bytes[j];
  }
  text[written] = 0;
  return static_cast<uint16_t>(written);
}

uint16_t decode_tpdu(TpduRecord& t, const BitBuffer& b, uint8_t direction) {
  uint8_t length = octet_at(b, 0);
  t.present = length != 0;
  if (length == 0) return 0;
  t.length = length;
  uint8_t first = octet_at(b, 1);
  t.mti = first & 0x03;
  if (t.mti == 3) return 0;

  uint32_t at = 2;  // octet 1 is the TPDU's first octet
  if (direction == 0 && t.mti == 1) {
    decode_submit_flags(t, first);
    t.mr.present = 1;
    t.mr.value = octet_at(b, 2);
    at = decode_tp_address(t.da, b, 3);
    t.pid = octet_at(b, at++);
    decode_dcs(t, octet_at(b, at++));
    at += kValidityPeriodOctets[t.vpf];
  } else if (direction != 0 && t.mti == 0) {
    decode_deliver_flags(t, first);
    at = decode_tp_address(t.oa, b, 2);
    t.pid = octet_at(b, at++);
    decode_dcs(t, octet_at(b, at++));
    t.scts_present = 1;
    at = decode_scts(t.scts, b, at);
  } else if (direction != 0 && t.mti == 2) {
    decode_status_report_flags(t, first);
    t.mr.present = 1;
    t.mr.value = octet_at(b, 2);
    at = decode_tp_address(t.ra, b, 3);
    t.scts_present = 1;
    at = decode_scts(t.scts, b, at);
    uint32_t end = 1u + length;   // octet position after the TPDU
    if (end <= at + 8) return 0;  // no parameter indicator after TP-DT and TP-ST
    at += 8;
    uint8_t pi = octet_at(b, at++);
    for (uint8_t more = pi; (more & 0x80) != 0 && at < end;) more = octet_at(b, at++);
    if (pi & 0x01) t.pid = octet_at(b, at++);
    if (pi & 0x02) decode_dcs(t, octet_at(b, at++));
    if ((pi & 0x04) == 0) return 0;
  }
  // Any other pairing of TP-MTI and direction: no header fields, TP-UDL in octet 2.
  decode_user_data(t, b, at);
  return t.char_count;
}

void decode_report_tpdu(TpduRecord& t, const BitBuffer& b, bool submit_report, bool error) {
  const uint8_t length = octet_at(b, 0);
  t.present = length != 0;
  if (length == 0) return;
  t.length = length;
  t.report = submit_report ? 2 : 1;
  const uint8_t first = octet_at(b, 1);
  t.mti = first & 0x03;
  t.udhi = test_bit(first, 6);
  const uint32_t end = 1u + length;  // octet position after the TPDU
  uint32_t at = 2;
  if (error) {
    t.fcs.present = 1;
    t.fcs.value = octet_at(b, at++);
  }
  if (at >= end) return;
  const uint8_t pi = octet_at(b, at++);
  t.parameter_indicator = pi;
  for (uint8_t more = pi; (more & 0x80) != 0 && at < end;) more = octet_at(b, at++);
  if (submit_report) {
    t.scts_present = 1;
    at = decode_scts(t.scts, b, at);
  }
  // A parameter announced past the TPDU's end is not there.
  if ((pi & 0x01) && at < end) {
    t.pid = octet_at(b, at++);
    t.parameters_read |= 0x01;
  }
  if ((pi & 0x02) && at < end) {
    decode_dcs(t, octet_at(b, at++));
    t.parameters_read |= 0x02;
  }
  if ((pi & 0x04) && at < end) {
    decode_user_data(t, b, at);
    t.parameters_read |= 0x04;
  }
}

namespace {

constexpr ValueText kMtiTexts[] = {
    {0, "0"},
    {1, "1"},
    {2, "2"},
    {3, "3"},
};
static_assert(well_formed(kMtiTexts));

constexpr ValueText kClassTexts[] = {
    {0, "Class 0"},
    {1, "Class 1"},
    {2, "Class 2"},
    {3, "Class 3"},
};
static_assert(well_formed(kClassTexts));

constexpr ValueText kAlphabetTexts[] = {
    {0, "Default Alphabet(7bit)"},
    {1, "8bit"},
    {2, "UCS2(16bit)"},
    {3, "Reserved"},
};
static_assert(well_formed(kAlphabetTexts));

int render_dcs(const TpduRecord& t, OutputText& out) {
  open_tag_named(out, "TP_DSC");
  if (t.coding_group == 0) {
    open_tag_named(out, "Coding Indicator");
    append_value_note(static_cast<uint8_t>(0), out, 0);
    out.append("General Coding Indicator");
    close_tag_named(out, "Coding Indicator");
  }
  write_field_u8(L3_TAG("Data Compressed"), t.compressed, out, 0);
  if (t.class_present) render_value_block(out, L3_TAG("Class"), t.message_class, kClassTexts);
  render_value_block(out, L3_TAG("Alphabet Used"), t.alphabet, kAlphabetTexts);
  close_tag_named(out, "TP_DSC");
  return 1;
}

// Three swapped octets as "%2x-%2x-%2x".
void append_scts_triple(OutputText& out, const uint8_t* o) {
  append_hex_2(out, o[0]);
  out.push('-');
  append_hex_2(out, o[1]);
  out.push('-');
  append_hex_2(out, o[2]);
}

int render_scts(const TpduRecord& t, OutputText& out) {
  open_tag_named(out, "TP_SCTS");
  open_tag_named(out, "Date yy mm dd");
  append_scts_triple(out, t.scts);
  close_tag_named(out, "Date yy mm dd");
  open_tag_named(out, "Time  hh mm ss ");
  append_scts_triple(out, t.scts + 3);
  close_tag_named(out, "Time  hh mm ss ");
  write_field_u8(L3_TAG("Time Zone"), t.scts[6], out, 0);
  close_tag_named(out, "TP_SCTS");
  return 1;
}

int render_validity_period(OutputText& out) {
  open_tag_named(out, "TP SCTS");
  write_field_int(L3_TAG("dummy"), 0, out, 0);
  close_tag_named(out, "TP SCTS");
  return 1;
}

int render_user_data_header(const TpduRecord& t, OutputText& out) {
  open_tag_named(out, "User Data Header");
  write_field_u8(L3_TAG("Header Length"), t.header_length, out, 0);
  if (t.app_port.present) {
    open_tag_named(out, "Application Port 16Bit");
    write_field_u16(L3_TAG("DestinationPort"), t.app_port.value.destination, out, 0);
    write_field_u16(L3_TAG("OriginatorPort"), t.app_port.value.originator, out, 0);
    close_tag_named(out, "Application Port 16Bit");
  }
  if (t.concat8.present) {
    open_tag_named(out, "Concatenation Short Message Info 8Bit");
    write_field_u8(L3_TAG("ReferenceNumber"), t.concat8.value.reference, out, 0);
    write_field_u8(L3_TAG("Total Number"), t.concat8.value.total, out, 0);
    write_field_u8(L3_TAG("Curr Index"), t.concat8.value.index, out, 0);
    close_tag_named(out, "Concatenation Short Message Info 8Bit");
  }
  if (t.concat16.present) {
    open_tag_named(out, "Concatenation Short Message Info 16Bit");
    write_field_u16(L3_TAG("ReferenceNumber"), t.concat16.value.reference, out, 0);
    write_field_u16(L3_TAG("Total Number"), t.concat16.value.total, out, 0);
    write_field_u16(L3_TAG("Curr Index"), t.concat16.value.index, out, 0);
    close_tag_named(out, "Concatenation Short Message Info 16Bit");
  }
  close_tag_named(out, "User Data Header");
  return 1;
}

int render_user_data(const TpduRecord& t, OutputText& out) {
  open_tag_named(out, "TPDU SMS");
  write_field_u8(L3_TAG("TPDU UserData Length"), t.char_count, out, 0);
  open_tag_named(out, "TPDU UserData Content");
  for (uint32_t i = 1; i <= t.char_count && i < std::size(t.text); ++i) {
    uint8_t c = t.text[i];
    out.push(c >= 0x21 && c <= 0x7E ? static_cast<char>(c) : '_');
  }
  close_tag_named(out, "TPDU UserData Content");
  close_tag_named(out, "TPDU SMS");
  return 1;
}

int render_address(OutputText& out, const char* length_name, const RpAddress& a) {
  write_field_u8(length_name, a.digit_count, out, 0);
  return render_address_fields(a, out);
}

void render_submit(const TpduRecord& t, OutputText& out) {
  render_flag(out, L3_FLAG("<TP Reply Path  TP RP >\n", "</TP Reply Path  TP RP >\n", "0", "1"), t.reply_path);
  if (t.udhi) render_user_data_header(t, out);
  render_flag(out, L3_FLAG("<TP_SRR>\n", "</TP_SRR>\n", "0", "1"), t.srr);
  render_validity_period(out);
  render_flag(out, L3_FLAG("<TP RD>\n", "</TP RD>\n", "0", "1"), t.rd);
  if (t.mr.present) write_field_u8(L3_TAG("TP MR"), t.mr.value, out, 0);
  if (t.da.present) render_address(out, "Destination Address Length", t.da);
  write_field_u8(L3_TAG("TP PID"), t.pid, out, 0);
  render_dcs(t, out);
  render_user_data(t, out);
}

void render_deliver(const TpduRecord& t, OutputText& out) {
  render_flag(out, L3_FLAG("<TP MMS>\n", "</TP MMS>\n", "0", "1"), t.mms);
  render_flag(out, L3_FLAG("<TP SRI>\n", "</TP SRI>\n", "0", "1"), t.sri);
  render_flag(out, L3_FLAG("<TP Reply Path  TP RP >\n", "</TP Reply Path  TP RP >\n", "0", "1"), t.reply_path);
  if (t.oa.present) render_address(out, "Originator Address Length", t.oa);
  write_field_u8(L3_TAG("TP PID"), t.pid, out, 0);
  render_dcs(t, out);
  if (t.scts_present) render_scts(t, out);
  if (t.udhi) render_user_data_header(t, out);
  render_user_data(t, out);
}

void render_status_report(const TpduRecord& t, OutputText& out) {
  if (t.udhi) render_user_data_header(t, out);
  render_flag(out, L3_FLAG("<TP MMS>\n", "</TP MMS>\n", "0", "1"), t.mms);
  if (t.mr.present) write_field_u8(L3_TAG("TP MR"), t.mr.value, out, 0);
  if (t.ra.present) render_address(out, "Destination Address Length", t.ra);
  if (t.scts_present) render_scts(t, out);
  write_field_u8(L3_TAG("TP PID"), t.pid, out, 0);
  render_dcs(t, out);
  render_user_data(t, out);
}

// Parameters the indicator does not announce are not shown.
void render_report(const TpduRecord& t, OutputText& out) {
  render_flag(out, L3_FLAG("<TP UDHI>\n", "</TP UDHI>\n", "0", "1"), t.udhi);
  if (t.fcs.present) write_field_u8(L3_TAG("TP FCS"), t.fcs.value, out, 0);
  write_field_u8(L3_TAG("TP PI"), t.parameter_indicator, out, 0);
  if (t.scts_present) render_scts(t, out);
  if (t.parameters_read & 0x01) write_field_u8(L3_TAG("TP PID"), t.pid, out, 0);
  if (t.parameters_read & 0x02) render_dcs(t, out);
  if (t.parameters_read & 0x04) {
    if (t.udhi) render_user_data_header(t, out);
    render_user_data(t, out);
  }
}

}  // namespace

int render_tpdu(const TpduRecord& t, OutputText& out, uint8_t direction) {
  write_field_u8(L3_TAG("TPDU Length"), t.length, out, 0);
  if (t.report != 0) {
    append_tag_text(out, t.report == 1 ? "<SMS DELIVER REPORT>\n" : "<SMS SUBMIT REPORT>\n");
    render_value_block(out, L3_TAG("TP MTI"), t.mti, kMtiTexts);
    render_report(t, out);
    append_tag_text(out, t.report == 1 ? "</SMS DELIVER REPORT>\n" : "</SMS SUBMIT REPORT>\n");
    return 1;
  }
  render_value_block(out, L3_TAG("TP MTI"), t.mti, kMtiTexts);
  if (t.mti == 3) return 0;  // hosts expect the CP-DATA block left open here
  if (direction == 0) {
    if (t.mti == 1) render_submit(t, out);
  } else if (t.mti == 0) {
    render_deliver(t, out);
  } else if (t.mti == 2) {
    render_status_report(t, out);
  }
  return 1;
}

}  // namespace l3
