#include "sm/sm_elements.h"

#include <iterator>

#include "core/output.h"

namespace l3 {

namespace {

// Sequential octet reads inside one element; a read that does not fit fails
// and leaves the position alone.
struct OctetWalk {
  const BitBuffer& b;
  uint32_t pos;

  bool take(uint8_t& v) {
    if (pos + 8 > b.count) return false;
    v = read_bits8(pos, 8, b);
    pos += 8;
    return true;
  }
  bool fits(uint32_t bits) const { return pos + bits <= b.count; }
};

// Reads n octets, keeping those that fit in slots 1..cap; false when the
// element ends first.
bool take_contents(OctetWalk& w, uint32_t n, uint8_t* slots, uint32_t cap) {
  for (uint32_t j = 1; j <= n; ++j) {
    uint8_t v;
    if (!w.take(v)) return false;
    if (j <= cap) slots[j] = v;
  }
  return true;
}

uint32_t stored(uint32_t n, uint32_t cap) { return n < cap ? n : cap; }

}  // namespace

// Each decoder clears its part first, so nothing of an earlier use of the
// part survives.
void decode_pdp_address(PdpAddress& a, const BitBuffer& b) {
  uint8_t direction = a.direction;
  a = {};
  a.direction = direction;
  uint8_t length = read_bits8(0, 8, b);
  a.pdp_type_organisation = read_bits8(12, 4, b);
  a.pdp_type_number = read_bits8(16, 8, b);
  if (length <= 2 || a.pdp_type_organisation == 15) return;
  a.address_length = static_cast<uint8_t>(length - 2);
  for (uint32_t i = 1; i <= stored(a.address_length, kPdpAddressOctets); ++i) {
    a.address[i] = read_bits8(24 + 8 * (i - 1), 8, b);
  }
}

void decode_access_point_name(AccessPointName& a, const BitBuffer& b) {
  a = {};
  uint32_t n = stored(b.count / 8, 255);
  a.count = static_cast<uint8_t>(n);
  for (uint32_t i = 1; i <= stored(n, kApnOctets); ++i) a.octets[i] = read_bits8(8 * (i - 1), 8, b);
}

void decode_protocol_configuration_options(ProtocolConfigurationOptions& p, const BitBuffer& b) {
  // Entries past count are never read: clearing the counters is enough.
  p.configuration_protocol = 0;
  p.count = 0;
  if (read_bits8(0, 8, b) == 0) return;
  p.configuration_protocol = read_bits8(13, 3, b);
  OctetWalk w{b, 16};
  uint32_t used = 0;  // pool octets taken by earlier entries
  while (w.fits(16) && p.count < kPcoEntries) {
    PcoEntry& e = p.entries[p.count + 1];
    e.protocol_id = read_bits16(w.pos, 16, b);
    w.pos += 16;
    if (!w.take(e.length)) return;
    e.first = static_cast<uint16_t>(used);
    const uint32_t cap = stored(kPcoContentOctets, static_cast<uint32_t>(std::size(p.pool)) - 1 - used);
    if (!take_contents(w, e.length, p.pool + used, cap)) return;  // an incomplete entry is not counted
    used += stored(e.length, cap);
    ++p.count;
  }
}

void decode_traffic_flow_template(TrafficFlowTemplate& t, const BitBuffer& b) {
  t = {};
  if (read_bits8(0, 8, b) == 0) return;
  t.tft_operation_code = read_bits8(8, 3, b);
  t.e_bit = read_bits8(11, 1, b);
  t.number_of_packet_filters = read_bits8(12, 4, b);
  OctetWalk w{b, 16};
  for (uint32_t i = 1; i <= t.number_of_packet_filters; ++i) {
    // Filters past the capacity are still walked so that the parameters are found.
    PacketFilter beyond{};
    PacketFilter& f = i <= kPacketFilters ? t.filters[i] : beyond;
    if (!w.take(f.identifier) || !w.take(f.evaluation_precedence) || !w.take(f.length)) return;
    if (!take_contents(w, f.length, f.contents, kTftContentOctets)) return;
  }
  if (t.e_bit != 1) return;
  while (w.fits(8) && t.parameter_count < kTftParameters) {
    TftParameter& q = t.parameters[t.parameter_count + 1];
    if (!w.take(q.identifier) || !w.take(q.length)) return;
    if (!take_contents(w, q.length, q.contents, kTftContentOctets)) return;
    ++t.parameter_count;
  }
}

void decode_linked_ti(LinkedTi& t, const BitBuffer& b) {
  t = {};
  t.length = read_bits8(0, 8, b);
  if (t.length == 0) return;
  t.ti_value = read_bits8(9, 3, b);
  if (read_bits8(8, 1, b) == 1) t.ti_extension = read_bits8(17, 7, b);
}

void decode_packet_flow_identifier(PacketFlowIdentifier& p, const BitBuffer& b) {
  p = {};
  p.length = read_bits8(0, 8, b);
  if (p.length != 0) p.value = read_bits8(8, 8, b);
}

namespace {

constexpr ValueText kPdpTypeOrganisationTexts[] = {
    {0, "ETSI allocated address"},
    {1, "IETF allocated address"},
};
static_assert(well_formed(kPdpTypeOrganisationTexts));

constexpr ValueText kPdpTypeNumberTexts[] = {
    {0x21, "IPv4 address"},
    {0x57, "IPv6 address"},
};
static_assert(well_formed(kPdpTypeNumberTexts));

}  // namespace

int render_pdp_address(const PdpAddress& a, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Packet data protocol address>\n", "<PDP type>\n"));
  append_value_note(a.pdp_type_organisation, out, 0);
  if (a.pdp_type_organisation == 15 && a.direction == 0) {
    out.append("Empty PDP type");
  } else {
    out.append(text_or(kPdpTypeOrganisationTexts, a.pdp_type_organisation, "reserved"));
  }
  append_tag_text(out, L3_TAG_TEXT("</PDP type>\n", "<PDP type number value>\n"));
  append_value_note(a.pdp_type_number, out, 0);
  out.append(text_or(kPdpTypeNumberTexts, a.pdp_type_number, "reserved"));
  append_tag_text(out, L3_TAG_TEXT("</PDP type number value>\n"));
  if (a.address_length > 2) {
    append_tag_text(out, L3_TAG_TEXT("<Address information>\n"));
    write_field_u8(L3_TAG("Address Length"), a.address_length, out, 0);
    out.append("<Address>\n");
    for (uint32_t i = 1; i <= stored(a.address_length, kPdpAddressOctets); ++i) {
      append_dec(out, a.address[i]);
      out.push('.');  // an IPv4 address ends with a dot too: hosts expect it
    }
    out.append("</Address>\n");
    append_tag_text(out, L3_TAG_TEXT("</Address information>\n"));
  }
  append_tag_text(out, L3_TAG_TEXT("</Packet data protocol address>\n"));
  return 1;
}

int render_access_point_name(const AccessPointName& a, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Access Point Name>\n"));
  for (uint32_t i = 1; i <= stored(a.count, kApnOctets); ++i) {
    uint8_t c = a.octets[i];
    // Label lengths, blanks, controls and every octet from 128 up show as "_".
    out.push(c == 127 || static_cast<int8_t>(c) <= 32 ? '_' : static_cast<char>(c));
  }
  append_tag_text(out, L3_TAG_TEXT("</Access Point Name>\n"));
  return 1;
}

int render_protocol_configuration_options(const ProtocolConfigurationOptions& p, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Protocol Configuration Options>\n"));
  out.append("<Configurationprotocol>\n");
  append_value_note(p.configuration_protocol, out, 0);
  out.append(p.configuration_protocol == 0 ? CText("PPP for use with IP PDP type") : CText("PPP\n"));
  out.append("</Configurationprotocol>");  // no line feed: hosts expect the next tag on this line
  if (p.count != 0) {
    out.append("<protocols>\n");
    for (uint32_t i = 1; i <= stored(p.count, kPcoEntries); ++i) {
      const PcoEntry& e = p.entries[i];
      write_field_u16(L3_TAG("Protocol ID"), e.protocol_id, out, 1);
      write_field_octets(L3_TAG("Protocol contents"), p.contents(e), out,
                         static_cast<int>(stored(e.length, kPcoContentOctets)), 0);
    }
    out.append("</protocols>\n");
  }
  append_tag_text(out, L3_TAG_TEXT("</Protocol Configuration Options>\n"));
  return 1;
}

namespace {

constexpr ValueText kTftOperationCodeTexts[] = {
    {1, "Create new TFT"},
    {2, "Delete existing TFT"},
    {3, "Add packet filters to existing TFT"},
    {4, "Replace packet filters in existing TFT"},
    {5, "Delete packet filters from existing TFT"},
    {6, "No TFT operation"},
    {7, " Reserved"},  // leading blank: hosts match on it
};
static_assert(well_formed(kTftOperationCodeTexts));

}  // namespace

int render_traffic_flow_template(const TrafficFlowTemplate& t, OutputText& out) {
  out.append("<TrafficFlowTemplate>\n");
  if (render_value_block(out, L3_TAG("TFT operation code"), t.tft_operation_code, kTftOperationCodeTexts) == 0)
    return 0;
  if (t.number_of_packet_filters != 0) {
    append_tag_text(out, L3_TAG_TEXT("<Packet filter>\n"));
    for (uint32_t i = 1; i <= stored(t.number_of_packet_filters, kPacketFilters); ++i) {
      const PacketFilter& f = t.filters[i];
      write_field_u8(L3_TAG("Packet filter identifier"), f.identifier, out, 1);
      write_field_u8(L3_TAG("Packet filter evaluation precedence"), f.evaluation_precedence, out, 1);
      write_field_octets(L3_TAG("Packet filter contents"), f.contents, out,
                         static_cast<int>(stored(f.length, kTftContentOctets)), 0);
    }
    append_tag_text(out, L3_TAG_TEXT("</Packet filter>\n"));
  }
  append_tag_text(out, L3_TAG_TEXT("<E bit>\n"));
  append_value_note(t.e_bit, out, 0);
  out.append(t.e_bit == 0 ? CText("parameters list is not included") : CText("parameters list is included"));
  append_tag_text(out, L3_TAG_TEXT("</E bit>\n"));
  if (t.e_bit == 1 && t.parameter_count != 0) {
    out.append("<Parameters>\n");
    for (uint32_t i = 1; i <= stored(t.parameter_count, kTftParameters); ++i) {
      const TftParameter& q = t.parameters[i];
      write_field_u8(L3_TAG("Parameter identifier"), q.identifier, out, 1);
      write_field_octets(L3_TAG("Parameter contents"), q.contents, out,
                         static_cast<int>(stored(q.length, kTftContentOctets)), 0);
    }
    out.append("</Parameters>\n");
  }
  out.append("</TrafficFlowTemplate>\n");
  return 1;
}

namespace {

// Every listed text ends with a blank: hosts match on it.
constexpr ValueText kSmCauseTexts[] = {
    {8, "Operator Determined Barring "},
    {25, "LLC or SNDCP failure(GSM only) "},
    {26, "Insufficient resources "},
    {27, "Missing or unknown APN "},
    {28, "Unknown PDP address or PDP type "},
    {29, "User Aauthentication failed "},
    {30, "Activation rejected by GGSN "},
    {31, "Activation rejected, unspecified "},
    {32, "Service option not supported "},
    {33, "Requested service option not subscribed "},
    {34, "Service option temporarily out of order "},
    {35, "NSAPI already used (not sent) "},
    {36, "Regular deactivation "},
    {37, "QoS not accepted "},
    {38, "Network failure "},
    {39, "Reactivation required "},
    {40, "Feature not supported "},
    {41, "Semantic error in the TFT operation "},
    {42, "Syntactical error in the TFT operation "},
    {43, "Unknown PDP context "},
    {44, "Semantic errors in packet filter(s) "},
    {45, "Syntactical errors in packet filter(s) "},
    {46, "PDP context without TFT already activated "},
    {81, "Invalid transaction identifier value "},
    {95, "Semantically incorrect message "},
    {96, "Invalid mandatory information "},
    {97, "Message type non-existent or not implemented "},
    {98, "Message type not compatible with the protocol state "},
    {99, "Information element non-existent or not implemented "},
    {100, "Conditional IE error "},
    {101, "Message not compatible with the protocol state "},
    {111, "Protocol error, unspecified "},
};
static_assert(well_formed(kSmCauseTexts));

constexpr ValueText kPacketFlowIdentifierTexts[] = {
    {0, "Best Effort"}, {1, "Signaling"}, {2, "SMS"}, {3, "TOM8"}, {4, 7, "reserved"},
};
static_assert(well_formed(kPacketFlowIdentifierTexts));

constexpr ValueText kTearDownIndicatorTexts[] = {
    {0, "tear down not requested"},
    {1, "tear down requested"},
};
static_assert(well_formed(kTearDownIndicatorTexts));

constexpr ValueText kSmRadioPriorityTexts[] = {
    {1, "priority level 1"},
    {2, "priority level 2"},
    {3, "priority level 3"},
};
static_assert(well_formed(kSmRadioPriorityTexts));

constexpr ValueText kNsapiTexts[] = {
    {5, "NSAPI 5"},   {6, "NSAPI 6"},   {7, "NSAPI 7"},   {8, "NSAPI 8"},   {9, "NSAPI 9"},   {10, "NSAPI 10"},
    {11, "NSAPI 11"}, {12, "NSAPI 12"}, {13, "NSAPI 13"}, {14, "NSAPI 14"}, {15, "NSAPI 15"},
};
static_assert(well_formed(kNsapiTexts));

constexpr ValueText kLlcSapiTexts[] = {
    {0, "LLC SAPI not assigned"}, {3, "SAPI 3"}, {5, "SAPI 5"}, {9, "SAPI 9"}, {11, "SAPI 11"},
};
static_assert(well_formed(kLlcSapiTexts));

}  // namespace

int render_sm_cause(uint32_t cause, OutputText& out, uint8_t direction) {
  out.append("<Cause>\n");
  append_value_note(static_cast<int32_t>(cause), out, 0);
  const char* fallback = direction != 0 ? "Service option temporarily out of order" : "Protocol error, unspecified";
  out.append(text_or(kSmCauseTexts, cause, fallback));
  out.append("</Cause>\n");
  return 1;
}

int render_packet_flow_identifier(uint32_t value, OutputText& out) {
  return render_value_block(out, L3_TAG("Packet Flow Identifier"), value, kPacketFlowIdentifierTexts,
                            "dynamically assigned");
}

int render_tear_down_indicator(uint32_t value, OutputText& out) {
  return render_value_block(out, L3_TAG("Tear Down Indicator"), value, kTearDownIndicatorTexts);
}

int render_sm_radio_priority(uint32_t value, OutputText& out) {
  return render_value_block(out, L3_TAG("Radio priority"), value, kSmRadioPriorityTexts, "priority level 4");
}

int render_nsapi(uint32_t value, OutputText& out) {
  return render_value_block(out, L3_TAG("Network service access point identifier"), value, kNsapiTexts);
}

int render_llc_sapi(uint32_t value, OutputText& out) {
  return render_value_block(out, L3_TAG("LLC service access point identifier"), value, kLlcSapiTexts);
}

int render_not_implemented(OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<NOT IMPLEMENTED>\n", "</NOT IMPLEMENTED>\n"));
  return 1;
}

}  // namespace l3
