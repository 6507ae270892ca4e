#include "cc/bearer_capability.h"

#include <iterator>

#include "cc/cc_text.h"
#include "core/output.h"

namespace l3 {

namespace {

// Positions are bit positions in a length-led buffer: octet 3 starts at 8.
bool holds(const BitBuffer& b, uint32_t pos) { return pos + 8 <= b.count; }
bool extends(const BitBuffer& b, uint32_t pos) { return read_bits8(pos, 1, b) == 0; }

// A sub-octet announced by the previous extension bit keeps its flag even
// when the element ends before it; true when it is there to read.
bool announced(bool more, uint8_t& present, const BitBuffer& b, uint32_t pos) {
  if (!more) return false;
  present = 1;
  return holds(b, pos);
}

// Octet 4 onward; pos is where octet 4 would start.
void decode_tail(BearerTail& t, const BitBuffer& b, uint32_t pos) {
  if (!holds(b, pos)) return;
  t.octet4_present = 1;
  t.compression = read_bits8(pos + 1, 1, b);
  t.structure = read_bits8(pos + 2, 2, b);
  t.duplex_mode = read_bits8(pos + 4, 1, b);
  t.configuration = read_bits8(pos + 5, 1, b);
  t.nirr = read_bits8(pos + 6, 1, b);
  t.establishment = read_bits8(pos + 7, 1, b);
  pos += 8;

  if (!holds(b, pos)) return;
  t.octet5_present = 1;
  t.access_identity = read_bits8(pos + 1, 2, b);
  t.rate_adaption = read_bits8(pos + 3, 2, b);
  t.signalling_access_protocol = read_bits8(pos + 5, 3, b);
  bool more = extends(b, pos);
  pos += 8;
  if (announced(more, t.octet5a_present, b, pos)) {
    t.other_itc = read_bits8(pos + 1, 2, b);
    t.other_rate_adaption = read_bits8(pos + 3, 2, b);
    more = extends(b, pos);
    pos += 8;
    if (announced(more, t.octet5b_present, b, pos)) {
      t.rate_adaption_header = read_bits8(pos + 1, 1, b);
      t.multiple_frame_establishment = read_bits8(pos + 2, 1, b);
      t.mode_of_operation = read_bits8(pos + 3, 1, b);
      t.lli_negotiation = read_bits8(pos + 4, 1, b);
      t.assignor_assignee = read_bits8(pos + 5, 1, b);
      t.inband_negotiation = read_bits8(pos + 6, 1, b);
      pos += 8;
    }
  }

  if (!holds(b, pos)) return;
  t.octet6_present = 1;
  t.layer1_identity = read_bits8(pos + 1, 2, b);
  t.layer1_protocol = read_bits8(pos + 3, 4, b);
  t.synchronous = read_bits8(pos + 7, 1, b);
  more = extends(b, pos);
  pos += 8;
  // Octets 6a to 6g: each announced by the one before it.
  if (announced(more, t.octet6a_present, b, pos)) {
    t.stop_bits = read_bits8(pos + 1, 1, b);
    t.negotiation = read_bits8(pos + 2, 1, b);
    t.data_bits = read_bits8(pos + 3, 1, b);
    t.user_rate = read_bits8(pos + 4, 4, b);
    more = extends(b, pos);
    pos += 8;
  } else {
    more = false;
  }
  if (announced(more, t.octet6b_present, b, pos)) {
    t.intermediate_rate = read_bits8(pos + 1, 2, b);
    t.nic_tx = read_bits8(pos + 3, 1, b);
    t.nic_rx = read_bits8(pos + 4, 1, b);
    t.parity = read_bits8(pos + 5, 3, b);
    more = extends(b, pos);
    pos += 8;
  } else {
    more = false;
  }
  if (announced(more, t.octet6c_present, b, pos)) {
    t.connection_element = read_bits8(pos + 1, 2, b);
    t.modem_type = read_bits8(pos + 3, 5, b);
    more = extends(b, pos);
    pos += 8;
  } else {
    more = false;
  }
  if (announced(more, t.octet6d_present, b, pos)) {
    t.other_modem_type = read_bits8(pos + 1, 2, b);
    t.fixed_network_user_rate = read_bits8(pos + 3, 5, b);
    more = extends(b, pos);
    pos += 8;
  } else {
    more = false;
  }
  if (announced(more, t.octet6e_present, b, pos)) {
    t.acceptable_channel_codings = read_bits8(pos + 1, 4, b);
    t.max_traffic_channels = read_bits8(pos + 5, 3, b);
    more = extends(b, pos);
    pos += 8;
  } else {
    more = false;
  }
  if (announced(more, t.octet6f_present, b, pos)) {
    t.uimi = read_bits8(pos + 1, 3, b);
    t.wanted_air_rate = read_bits8(pos + 4, 4, b);
    more = extends(b, pos);
    pos += 8;
  } else {
    more = false;
  }
  if (announced(more, t.octet6g_present, b, pos)) {
    t.acceptable_codings_extended = read_bits8(pos + 1, 3, b);
    t.asymmetry = read_bits8(pos + 4, 2, b);
    pos += 8;
  }

  // An announced sub-octet that is missing leaves pos at the element's end.
  if (!holds(b, pos)) return;
  t.octet7_present = 1;
  t.layer2_identity = read_bits8(pos + 1, 2, b);
  t.layer2_protocol = read_bits8(pos + 3, 5, b);
}

// Tags and texts where the backup element differs from the bearer capability.
struct TailStyle {
  bool access_subtitle;
  bool boolean_coding_bits;
  CText rate_adaption_header;
  CText multiple_frame;
  CText mode_of_operation;
  CText lli_negotiation;
  CText assignor;
  CText inband;
  CText layer1_protocol;
  CText stop_bits;
  CText data_bits;
  CText user_rate;
  CText intermediate_rate;
  CText modem_type;
  CText other_modem_type;
  CText fixed_rate;
  CText max_traffic_channels;
  CText uimi;
  CText wanted_rate;
  std::span<const ValueText> negotiation_texts;
  std::span<const ValueText> data_bits_texts;
  std::span<const ValueText> layer2_protocol_texts;
  std::span<const ValueText> asymmetry_texts;
};

constexpr ValueText kStructureTexts[] = {{0, "service data unit integrity"}, {3, "unstructured"}};
constexpr ValueText kDuplexTexts[] = {{0, "half duplex"}, {1, "full duplex"}};
constexpr ValueText kConfigurationTexts[] = {{0, "point-to-point"}, {1, "reserved"}};
constexpr ValueText kNirrTexts[] = {
    {0, "No meaning is associated with this value"},
    {1, "Data up to and including 4.8 kb/s, full rate, non-transparent, 6 kb/s radio \tinterface rate is requested"},
};
constexpr ValueText kEstablishmentTexts[] = {{0, "demand"}, {1, "reserved"}};
constexpr ValueText kCompressUplinkTexts[] = {{0, "data compression not allowed"}, {1, "data compression allowed"}};
constexpr ValueText kCompressDownlinkTexts[] = {{0, "data compression not possible"}, {1, "data compression possible"}};
constexpr ValueText kAccessIdentityTexts[] = {{0, "octet identifier"}};
constexpr ValueText kRateAdaptionTexts[] = {
    {0, "no rate adaption"},
    {1, "V.110, I.460/X.30 rate adaptation"},
    {2, "ITU-T X.31 flag stuffing"},
    {3, "Other rate adaption"},
};
constexpr ValueText kSignallingAccessTexts[] = {
    {1, "I.440/450"},
    {2, 6, "reserved: was allocated in earlier phases of the protocol"},
};
constexpr ValueText kOtherItcTexts[] = {{0, "restricted digital information"}};
constexpr ValueText kOtherRateAdaptionTexts[] = {{0, "V.120"}, {1, "H.223 & H.245"}, {2, "PIAFS"}, {3, "reserved"}};
constexpr ValueText kRaHeaderTexts[] = {{0, "Rate adaption header not included"}, {1, "Rate adaption header included"}};
constexpr ValueText kMultipleFrameTexts[] = {
    {0, "Multiple frame establishment not supported, only UI frames allowed"},
    {1, "Multiple frame establishment supported"},
};
constexpr ValueText kModeOfOperationTexts[] = {{0, "Bit transparent mode of operation"},
                                               {1, "Protocol sensitive mode of operation"}};
constexpr ValueText kLliTexts[] = {{0, "Default, LLI=256 only"}, {1, "Full protocol negotiation"}};
constexpr ValueText kAssignorTexts[] = {{0, "Message originator is default assignee"},
                                        {1, "Message originator is assignor only"}};
constexpr ValueText kInbandTexts[] = {
    {0, "Negotiation is done with USER INFORMATION messages on a temporary\tsignalling connection"},
    {1, "Negotiation is done in-band using logical link zero"},
};
constexpr ValueText kLayer1IdentityTexts[] = {{1, "octet identifier"}};
constexpr ValueText kLayer1ProtocolTexts[] = {{0, "default layer 1 protocol"}};
constexpr ValueText kSynchronousTexts[] = {{0, "synchronous"}, {1, "asynchronous"}};
constexpr ValueText kStopBitsTexts[] = {{0, "1 bit"}, {1, "2 bit"}};
constexpr ValueText kNegotiationTexts[] = {{0, 1, "n-band negotiation not possible"}};
constexpr ValueText kBackupNegotiationTexts[] = {{0, "n-band negotiation not possible"}, {1, "reserved"}};
constexpr ValueText kDataBitsTexts[] = {{0, "7 bi"}, {1, "8 bi"}};
constexpr ValueText kBackupDataBitsTexts[] = {{0, "7 bit"}, {1, "8 bit"}};
constexpr ValueText kUserRateTexts[] = {
    {1, "0.3 kbit/s Recommendation X.1 and V.110"},
    {2, "1.2 kbit/s Recommendation X.1 and V.110"},
    {3, "2.4 kbit/s Recommendation X.1 and V.110"},
    {4, "4.8 kbit/s Recommendation X.1 and V.110"},
    {5, "9.6 kbit/s Recommendation X.1 and V.110"},
    {6, "12.0 kbit/s transparent"},
    {7, "reserved: was allocated in earlier phases of the protocol"},
};
constexpr ValueText kIntermediateRateTexts[] = {{0, 1, "reserved"}, {2, "8 kbit/s"}, {3, "16 kbit/s"}};
constexpr ValueText kNicTxTexts[] = {{0, "does not require to send data with network independent clock"},
                                     {1, "requires to send data with network independent clock"}};
constexpr ValueText kNicRxTexts[] = {{0, "cannot accept data with network independent clock"},
                                     {1, "can accept data with network independent clock"}};
constexpr ValueText kParityTexts[] = {{0, "odd"}, {2, "even"}, {3, "1none"}, {4, "forced to 0"}, {5, "forced to 1"}};
constexpr ValueText kConnectionElementTexts[] = {
    {0, "transparent"},
    {1, "non transparent"},
    {2, "both, transparent preferred"},
    {3, "both, non transparent preferred"},
};
constexpr ValueText kModemTypeTexts[] = {
    {0, "none"},
    {1, "V.21"},
    {2, "V.22"},
    {3, "V.22 bis"},
    {4, "reserved: was allocated in earlier phases of the protocol"},
    {5, "V.26 ter"},
    {6, "V.32"},
    {7, "modem for undefined interface"},
    {8, "autobauding type 1"},
};
constexpr ValueText kOtherModemTypeTexts[] = {{0, "no other modem type specified in this field"}, {2, "V.34"}};
constexpr ValueText kFixedRateTexts[] = {
    {0, "Fixed network user rate not applicable/No meaning is associated with this value."},
    {1, "9.6 kbit/s Recommendation X.1 and V.110"},
    {2, "14.4 kbit/s Recommendation X.1 and V.110"},
    {3, "19.2 kbit/s Recommendation X.1 and V.110"},
    {4, "28.8 kbit/s Recommendation X.1 and V.110"},
    {5, "38.4 kbit/s Recommendation X.1 and V.110"},
    {6, "48.0 kbit/s Recommendation X.1 and V.110(synch)"},
    {7, "56.0 kbit/s Recommendation X.1 and V.110"},
    {8, "64.0 kbit/s bit transparent"},
    {9, "33.6 kbit/s bit transparent"},
    {10, "32.0 kbit/s Recommendation I.460 0"},
    {11, "31.2 kbit/s Recommendation V.34 1"},
};
constexpr ValueText kMaxTrafficChannelsTexts[] = {
    {0, "1 TCH"}, {1, "2 TCH"}, {2, "3 TCH"}, {3, "4 TCH"}, {4, "5 TCH"}, {5, "6 TCH"}, {6, "7 TCH"}, {7, "8 TCH"},
};
constexpr ValueText kUimiTexts[] = {
    {0, "User initiated modification not allowed/required/applicable"},
    {1, "User initiated modification up to 1 TCH/F allowed/may be requested"},
    {2, "User initiated modification up to 2 TCH/F allowed/may be requested"},
    {3, "User initiated modification up to 3 TCH/F allowed/may be requested"},
    {4, 7, "User initiated modification up to 4 TCH/F allowed/may be requested"},
};
constexpr ValueText kWantedRateTexts[] = {
    {0, "Air interface user rate not applicable/No meaning associated with this value"},
    {1, "9.6 kbit/s"},
    {2, "14.4 kbit/s"},
    {3, "19.2 kbit/s"},
    {4, "28.8 kbit/s"},
    {6, "38.4 kbit/s"},
    {7, "43.2 kbit/s"},
    {8, "57.6 kbit/s"},
    {9, "interpreted by the network as 38.4 kbit/s in this version of the protocol"},
    {10, "interpreted by the network as 38.4 kbit/s in this version of the protocol 0"},
    {11, "interpreted by the network as 38.4 kbit/s in this version of the protocol 1"},
    {12, "interpreted by the network as 38.4 kbit/s in this version of the protocol 2"},
};
constexpr ValueText kAsymmetryTexts[] = {
    {0, "Channel coding symmetry preferred"},
    {1, "Downlink biased channel coding asymmetry is preferred"},
    {2, "Uplink biased channel coding asymmetry is preferred"},
    {3, "Unused, if received it shall be interpreted as \"Channel coding symmetry preferred"},
};
constexpr ValueText kBackupAsymmetryTexts[] = {
    {0, "Channel coding symmetry preferred"},
    {1, "Downlink biased channel coding asymmetry is preferred"},
    {2, "Uplink biased channel coding asymmetry is preferred"},
    {3, "Unused, if received it shall be interpreted as Channel coding symmetry preferre"},
};
constexpr ValueText kLayer2IdentityTexts[] = {{2, "octet identifier"}};
constexpr ValueText kLayer2ProtocolTexts[] = {
    {6, "reserved: was allocated in earlier phases of the protocol"},
    {8, "ISO 6429, codeset 0"},
    {9, "reserved: was allocated but never used in earlier phases of the protocol"},
    {10, "videotex profile 10"},
    {12, "Character oriented Protocol with no Flow Control mechanism 2"},
    {13, "reserved: was allocated in earlier phases of the protocol 3"},
};
constexpr ValueText kBackupLayer2ProtocolTexts[] = {
    {6, "reserved: was allocated in earlier phases of the protocol"},
    {8, "ISO 6429, codeset 0 (DC1/DC3)"},
    {9, "reserved: was allocated but never used in earlier phases of the protocol"},
    {10, "videotex profile 10"},
    {12, "Character oriented Protocol with no Flow Control mechanism 2"},
    {13, "reserved: was allocated in earlier phases of the protocol 3"},
};
static_assert(well_formed(kParityTexts) && well_formed(kModemTypeTexts) && well_formed(kFixedRateTexts));
static_assert(well_formed(kUimiTexts) && well_formed(kWantedRateTexts) && well_formed(kLayer2ProtocolTexts));
static_assert(well_formed(kBackupLayer2ProtocolTexts) && well_formed(kIntermediateRateTexts));
static_assert(well_formed(kSignallingAccessTexts) && well_formed(kUserRateTexts));

constexpr TailStyle kBearerStyle = {
    .access_subtitle = true,
    .boolean_coding_bits = false,
    .rate_adaption_header = "Rate adaption header or no header",
    .multiple_frame = "Multiple frame establishment support in data link",
    .mode_of_operation = "Mode of operation",
    .lli_negotiation = "Logical link identifier negotiation",
    .assignor = "Assign or Assignee",
    .inband = "In band Out of band negotiation",
    .layer1_protocol = "User information layer 1 protocol",
    .stop_bits = "Number of Stop Bits",
    .data_bits = "Number of data bits excluding parity bit if present",
    .user_rate = "User rate",
    .intermediate_rate = "Intermediate rate",
    .modem_type = "Modem type",
    .other_modem_type = "Other modem type",
    .fixed_rate = "Fixed network user rate",
    .max_traffic_channels = "Maximum number of traffic channels",
    .uimi = "UIMI User initiated modification indication",
    .wanted_rate = "Wanted air interface user rate",
    .negotiation_texts = kNegotiationTexts,
    .data_bits_texts = kDataBitsTexts,
    .layer2_protocol_texts = kLayer2ProtocolTexts,
    .asymmetry_texts = kAsymmetryTexts,
};

constexpr TailStyle kBackupStyle = {
    .access_subtitle = false,
    .boolean_coding_bits = true,
    .rate_adaption_header = "RateAdaptionHeaderIncluded",
    .multiple_frame = "MultipleFrameEstablishmentSupported",
    .mode_of_operation = "ModeOfOperation",
    .lli_negotiation = "LogicalLinkIdentifierNegotiation",
    .assignor = "AssignorOrAssignee",
    .inband = "InOrOutOfBandNegotiation",
    .layer1_protocol = "UserInformationLayer1Protocol",
    .stop_bits = "NumberOfStopBits",
    .data_bits = "NumberOfDataBitsExcludingParityBit",
    .user_rate = "UserRate",
    .intermediate_rate = "IntermediateRate",
    .modem_type = "ModemType",
    .other_modem_type = "OtherModemType",
    .fixed_rate = "FixedNetworkUserRate",
    .max_traffic_channels = "MaximumNumberOfTrafficChannels",
    .uimi = "UIMI",
    .wanted_rate = "WantedAirInterface",
    .negotiation_texts = kBackupNegotiationTexts,
    .data_bits_texts = kBackupDataBitsTexts,
    .layer2_protocol_texts = kBackupLayer2ProtocolTexts,
    .asymmetry_texts = kBackupAsymmetryTexts,
};

// One acceptable channel coding bit: the masked bit (or 0/1) as its number.
void coding_bit(OutputText& out, const char* name, uint8_t bit, const TailStyle& s, const char* yes, const char* no) {
  open_tag_named(out, name);
  append_value_note(bit, out, s.boolean_coding_bits ? 1 : 0);
  out.append(bit != 0 ? yes : no);
  close_tag_named(out, name);
}

// Octets 4 to 7; 0 when a value without text cut the element short.
int render_tail(const BearerTail& t, uint8_t direction, const TailStyle& s, OutputText& out) {
  if (t.octet4_present) {
    if (!render_value_block(out, L3_TAG("compress"), t.compression,
                            direction == 0 ? kCompressUplinkTexts : kCompressDownlinkTexts))
      return 0;
    if (!render_value_block(out, L3_TAG("Structure"), t.structure, kStructureTexts, "reserved")) return 0;
    if (!render_value_block(out, L3_TAG("DuplexMode"), t.duplex_mode, kDuplexTexts)) return 0;
    if (!render_value_block(out, L3_TAG("Configuration"), t.configuration, kConfigurationTexts)) return 0;
    if (!render_value_block(out, L3_TAG("NIRR"), t.nirr, kNirrTexts)) return 0;
    if (!render_value_block(out, L3_TAG("Establishment"), t.establishment, kEstablishmentTexts)) return 0;
  }
  if (t.octet5_present) {
    open_tag_named(out, "Access identity");
    if (s.access_subtitle) out.append("<subtitle>Access identity</subtitle>\n");
    append_value_text(text_or(kAccessIdentityTexts, t.access_identity, "reserved"), out, t.access_identity, 1);
    close_tag_named(out, "Access identity");
    render_value_block(out, L3_TAG("Rate adaption"), t.rate_adaption, kRateAdaptionTexts);
    render_value_block(out, L3_TAG("Signalling access protocol"), t.signalling_access_protocol, kSignallingAccessTexts,
                       "reserved");
  }
  if (t.octet5a_present) {
    render_value_block(out, L3_TAG("Other ITC"), t.other_itc, kOtherItcTexts, "reserved");
    if (t.rate_adaption == 3)
      render_value_block(out, L3_TAG("Other rate adaption"), t.other_rate_adaption, kOtherRateAdaptionTexts);
  }
  if (t.octet5b_present) {
    if (!render_value_block(out, s.rate_adaption_header, t.rate_adaption_header, kRaHeaderTexts)) return 0;
    if (!render_value_block(out, s.multiple_frame, t.multiple_frame_establishment, kMultipleFrameTexts)) return 0;
    if (!render_value_block(out, s.mode_of_operation, t.mode_of_operation, kModeOfOperationTexts)) return 0;
    if (!render_value_block(out, s.lli_negotiation, t.lli_negotiation, kLliTexts)) return 0;
    if (!render_value_block(out, s.assignor, t.assignor_assignee, kAssignorTexts)) return 0;
    if (!render_value_block(out, s.inband, t.inband_negotiation, kInbandTexts)) return 0;
  }
  if (t.octet6_present) {
    render_value_block(out, L3_TAG("Layer 1 identity"), t.layer1_identity, kLayer1IdentityTexts, "reserved");
    render_value_block(out, s.layer1_protocol, t.layer1_protocol, kLayer1ProtocolTexts, "reserved");
    if (!render_value_block(out, L3_TAG("Synchronous_asynchronous"), t.synchronous, kSynchronousTexts)) return 0;
  }
  if (t.octet6a_present) {
    if (!render_value_block(out, s.stop_bits, t.stop_bits, kStopBitsTexts)) return 0;
    if (!render_value_block(out, L3_TAG("Negotiation"), t.negotiation, s.negotiation_texts)) return 0;
    if (!render_value_block(out, s.data_bits, t.data_bits, s.data_bits_texts)) return 0;
    render_value_block(out, s.user_rate, t.user_rate, kUserRateTexts, "Reserved");
  }
  if (t.octet6b_present) {
    if (!render_value_block(out, s.intermediate_rate, t.intermediate_rate, kIntermediateRateTexts)) return 0;
    if (!render_value_block(out, L3_TAG("NIC on TX"), t.nic_tx, kNicTxTexts)) return 0;
    if (!render_value_block(out, L3_TAG("NIC on RX"), t.nic_rx, kNicRxTexts)) return 0;
    render_value_block(out, L3_TAG("Parity information"), t.parity, kParityTexts, "Reserved");
  }
  if (t.octet6c_present) {
    render_value_block(out, L3_TAG("Connection element"), t.connection_element, kConnectionElementTexts);
    if (!render_value_block(out, s.modem_type, t.modem_type, kModemTypeTexts)) {
      out.append("Reserved");
      return 0;  // hosts expect the element cut short after an unknown modem type
    }
  }
  if (t.octet6d_present) {
    render_value_block(out, s.other_modem_type, t.other_modem_type, kOtherModemTypeTexts, "Reserved");
    render_value_block(out, s.fixed_rate, t.fixed_network_user_rate, kFixedRateTexts, "Reserved");
  }
  // Channel codings and the wanted rate are what the mobile asks for: only its side shows them.
  if (direction == 0 && t.octet6e_present) {
    const uint8_t codings = t.acceptable_channel_codings;
    open_tag_named(out, "Acceptable channel codings");
    coding_bit(out, "Acceptable channel codings bit 7", codings & 0x8, s, "TCH/F14.4 acceptable",
               "TCH/F14.4 not acceptable");
    coding_bit(out, "Acceptable channel codings bit 5", codings & 0x2, s, "TCH/F9.6 acceptable",
               "TCH/F9.6 not acceptable");
    coding_bit(out, "Acceptable channel codings bit 4", codings & 0x1, s, "TCH/F4.8 acceptable",
               "TCH/F4.8 not acceptable");
    close_tag_named(out, "Acceptable channel codings");
    render_value_block(out, s.max_traffic_channels, t.max_traffic_channels, kMaxTrafficChannelsTexts);
  }
  if (t.octet6f_present) {
    render_value_block(out, s.uimi, t.uimi, kUimiTexts);
    if (direction == 0) render_value_block(out, s.wanted_rate, t.wanted_air_rate, kWantedRateTexts, "reserved");
  }
  if (direction == 0 && t.octet6g_present) {
    const uint8_t codings = t.acceptable_codings_extended;
    open_tag_named(out, "Acceptable Channel Codings extended");
    coding_bit(out, "bit 7", codings & 0x4, s, "TCH/F28.8 acceptable", "TCH/F28.8 not acceptable");
    coding_bit(out, "bit 6", codings & 0x2, s, "TCH/F32.0 acceptable", "TCH/F32.0 not acceptable");
    coding_bit(out, "bit 5", codings & 0x1, s, "TCH/F43.2 acceptable", "TCH/F43.2 not acceptable");
    close_tag_named(out, "Acceptable Channel Codings extended");
    render_value_block(out, L3_TAG("Channel Coding Asymmetry Indication"), t.asymmetry, s.asymmetry_texts);
  }
  if (t.octet7_present) {
    render_value_block(out, L3_TAG("Layer 2 identity"), t.layer2_identity, kLayer2IdentityTexts, "Reserved");
    render_value_block(out, L3_TAG("User information layer 2 protocol"), t.layer2_protocol, s.layer2_protocol_texts,
                       "Reserved");
  }
  return 1;
}

constexpr ValueText kCodingStandardTexts[] = {{0, "GSM standardized coding"}, {1, "reserved"}};
constexpr ValueText kTransferModeTexts[] = {{0, "circuit mode"}, {1, "packet mode"}};
constexpr ValueText kTransferCapabilityTexts[] = {
    {0, "speech"},
    {1, "unrestricted digital information"},
    {2, "3.1 kHz audio, ex PLMN"},
    {3, "facsimile group 3"},
    {5, "Other ITC"},
    {7, "reserved, to be used in the network"},
};
constexpr ValueText kSpeechCodingTexts[] = {
    {0, "octet used for extension of information transfer capability"},
    {1, "octet used for other extension of octet 3"},
};
constexpr ValueText kCtmTexts[] = {{0, "CTM text telephony is not supported"}, {1, "CTM text telephony is supported"}};
constexpr ValueText kSpeechVersionTexts[] = {
    {0, "GSM full rate speech version 1"}, {1, "GSM half rate speech version 1"},
    {2, "GSM full rate speech version 2"}, {4, "GSM full rate speech version 3"},
    {5, "GSM half rate speech version 3"}, {15, "no speech version supported for GSM radio access"},
};
// Radio channel requirement, by what octet 3 and 3a say about the call.
constexpr ValueText kRadioDataTexts[] = {
    {0, "reserved"},
    {1, "full rate support only MS"},
    {2, "dual rate support MS/half rate preferred"},
    {3, "dual rate support MS/full rate preferred"},
};
constexpr ValueText kRadioSpeechVersionTexts[] = {
    {0, "reserved"},
    {1,
     "the mobile station supports at least full rate speech version 1 but does not support half rate speech "
     "version 1"},
    {2,
     "The mobile station supports at least full rate speech version 1 and half rate speech version 1. The mobile "
     "station has a greater preference for half rate speech version 1 than for full rate speech version 1"},
    {3,
     "The mobile station supports at least full rate speech version 1 and half rate speech version 1. The mobile "
     "station has a greater preference for full rate speech version 1 than for half rate speech version 1"},
};
constexpr ValueText kRadioSpeechTexts[] = {
    {0, "reserved"},
    {1, "full rate support only MS/fullrate speech version 1 supported"},
    {2, "dual rate support MS/half rate speech version 1 preferred, full rate speech version 1 also supported"},
    {3, "dual rate support MS/full rate speech version 1 preferred, half rate speech version 1 also supported"},
};
static_assert(well_formed(kTransferCapabilityTexts) && well_formed(kSpeechVersionTexts));

int render_octet3(const BearerCapability& bc, OutputText& out) {
  if (bc.direction != 0) {
    write_field_u8(L3_TAG("Radiochannel Requirement"), bc.radio_channel_requirement, out, 0);
  } else {
    std::span<const ValueText> texts = bc.transfer_capability != 0 ? std::span<const ValueText>(kRadioDataTexts)
                                       : bc.speech_count != 0 ? std::span<const ValueText>(kRadioSpeechVersionTexts)
                                                              : std::span<const ValueText>(kRadioSpeechTexts);
    if (!render_value_block(out, L3_TAG("Radiochannel Requirement"), bc.radio_channel_requirement, texts)) return 0;
  }
  if (!render_value_block(out, L3_TAG("Coding standard"), bc.coding_standard, kCodingStandardTexts)) return 0;
  if (!render_value_block(out, L3_TAG("Transfer mode"), bc.transfer_mode, kTransferModeTexts)) return 0;
  render_value_block(out, L3_TAG("Information transfer capability"), bc.transfer_capability, kTransferCapabilityTexts,
                     "reserved");
  return 1;
}

}  // namespace

void decode_bearer_capability(BearerCapability& bc, const BitBuffer& b, uint8_t direction) {
  bc.direction = direction;
  uint32_t pos = 8;
  if (!holds(b, pos)) return;
  bc.octet3_present = 1;
  bc.radio_channel_requirement = read_bits8(pos + 1, 2, b);
  bc.coding_standard = read_bits8(pos + 3, 1, b);
  bc.transfer_mode = read_bits8(pos + 4, 1, b);
  bc.transfer_capability = read_bits8(pos + 5, 3, b);
  bool more = extends(b, pos);
  pos += 8;
  // Octets 3a, 3b, ...: a chain longer than the record is walked but not stored.
  for (uint32_t n = 0; more; ++n) {
    if (!holds(b, pos)) return;
    if (bc.speech_count < std::size(bc.speech)) {
      SpeechOctet& s = bc.speech[bc.speech_count++];
      s.present = 1;
      s.coding = read_bits8(pos + 1, 1, b);
      if (n == 0) s.ctm = read_bits8(pos + 2, 1, b);
      s.speech_version = read_bits8(pos + 4, 4, b);
    }
    more = extends(b, pos);
    pos += 8;
  }
  decode_tail(bc.tail, b, pos);
}

void decode_backup_bearer_capability(BackupBearerCapability& bc, const BitBuffer& b, uint8_t direction) {
  bc.direction = direction;
  if (!holds(b, 8)) return;
  bc.octet3_present = 1;
  bc.octet3_bits76 = read_bits8(9, 2, b);
  bc.coding_standard = read_bits8(11, 1, b);
  bc.transfer_mode = read_bits8(12, 1, b);
  bc.transfer_capability = read_bits8(13, 3, b);
  decode_tail(bc.tail, b, 16);
}

int render_bearer_capability(const BearerCapability& bc, OutputText& out) {
  out.append("<GSM_Bearer_Capability>\n");
  if (bc.octet3_present && !render_octet3(bc, out)) return 0;
  for (uint32_t i = 0; i < bc.speech_count && i < std::size(bc.speech); ++i) {
    const SpeechOctet& s = bc.speech[i];
    if (!render_value_block(out, L3_TAG("Coding"), s.coding, kSpeechCodingTexts)) return 0;
    if (i == 0 && !render_value_block(out, L3_TAG("CTM text telephony indication"), s.ctm, kCtmTexts)) return 0;
    render_value_block(out, L3_TAG("Speech version indication"), s.speech_version, kSpeechVersionTexts,
                       "speech version tbd");
  }
  if (!render_tail(bc.tail, bc.direction, kBearerStyle, out)) return 0;
  out.append("</GSM_Bearer_Capability>\n");
  return 1;
}

int render_backup_bearer_capability(const BackupBearerCapability& bc, OutputText& out) {
  out.append("<Backup_Bearer_Capability>\n");
  if (!render_tail(bc.tail, bc.direction, kBackupStyle, out)) return 0;
  out.append("</Backup_Bearer_Capability>\n");
  return 1;
}

}  // namespace l3
