#include "sm/qos.h"

#include <iterator>
#include <span>

#include "core/output.h"
#include "core/record.h"

namespace l3 {

void decode_quality_of_service(QualityOfService& q, const BitBuffer& b) {
  q.delay_class = read_bits8(2, 3, b);
  q.reliability_class = read_bits8(5, 3, b);
  q.peak_throughput = read_bits8(8, 4, b);
  q.precedence_class = read_bits8(13, 3, b);
  q.mean_throughput = read_bits8(19, 5, b);
  q.traffic_class = read_bits8(24, 3, b);
  q.delivery_order = read_bits8(27, 2, b);
  q.delivery_of_erroneous_sdus = read_bits8(29, 3, b);
  q.maximum_sdu_size = read_bits8(32, 8, b);
  q.maximum_bit_rate_uplink = read_bits8(40, 8, b);
  q.maximum_bit_rate_downlink = read_bits8(48, 8, b);
  q.residual_ber = read_bits8(56, 4, b);
  q.sdu_error_ratio = read_bits8(60, 4, b);
  q.transfer_delay = read_bits8(64, 6, b);
  q.traffic_handling_priority = read_bits8(70, 2, b);
  q.guaranteed_bit_rate_uplink = read_bits8(72, 8, b);
  q.guaranteed_bit_rate_downlink = read_bits8(80, 8, b);
  q.source_statistics_descriptor = read_bits8(92, 4, b);
  q.maximum_bit_rate_downlink_ext = read_bits8(96, 8, b);
  q.guaranteed_bit_rate_downlink_ext = read_bits8(104, 8, b);
  q.maximum_bit_rate_uplink_ext = read_bits8(112, 8, b);
  q.guaranteed_bit_rate_uplink_ext = read_bits8(120, 8, b);
  q.maximum_bit_rate_downlink_ext2 = read_bits8(128, 8, b);
  q.guaranteed_bit_rate_downlink_ext2 = read_bits8(136, 8, b);
  q.maximum_bit_rate_uplink_ext2 = read_bits8(144, 8, b);
  q.guaranteed_bit_rate_uplink_ext2 = read_bits8(152, 8, b);
}

namespace {

// Row markers resolved when rendering: the number comes from the field's rule,
// or the text depends on the direction.
constexpr char kByRule[] = "<by rule>";
constexpr char kReservedOrNegotiated[] = "<reserved or negotiated>";

void append_sdu_size(OutputText& out, uint8_t v) {
  append_dec(out, v * 10);
  out.append(" octets\n");
}

void append_bit_rate(OutputText& out, uint8_t v) {
  int32_t kbps = v < 64 ? v : v < 128 ? 64 + (v - 64) * 8 : 576 + (v - 128) * 64;
  append_dec(out, kbps);
  out.append(" kbps\n");
}

// A non-zero extended octet replaces the shorter coding's rate; values past
// the last defined one count as the highest rate.
void append_extended_bit_rate(OutputText& out, uint8_t ext, uint8_t ext2) {
  int32_t mbps = 0;
  if (ext2 != 0) {
    const int32_t v = ext2 > 246 ? 246 : ext2;
    mbps = v <= 61 ? 256 + v * 4 : v <= 161 ? 500 + (v - 61) * 10 : 1500 + (v - 161) * 100;
  } else if (ext <= 74) {
    append_dec(out, 8600 + ext * 100);
    out.append(" kbps\n");
    return;
  } else {
    const int32_t v = ext > 250 ? 250 : ext;
    mbps = v <= 186 ? 16 + (v - 74) : 128 + (v - 186) * 2;
  }
  append_dec(out, mbps);
  out.append(" Mbps\n");
}

void append_transfer_delay(OutputText& out, uint8_t v) {
  int32_t ms = v < 16 ? v * 10 : v < 32 ? 200 + (v - 16) * 50 : 1000 + (v - 32) * 100;
  append_dec(out, ms);
  out.append("  ms\n");
}

constexpr ValueText kReliabilityClassTexts[] = {
    {1, "Acknowledged GTP LLC and RLC Protected data"},
    {2, "Unacknowledged GTP Acknowledged LLC and RLC Protected data"},
    {3, "Unacknowledged GTP and LLC Acknowledged RLC Protected data"},
    {4, "Unacknowledged GTP LLC and RLC Protected data"},
    {5, "Unacknowledged GTP LLC and RLC Unprotected data"},
    {6, "Unacknowledged GTP and LLC Acknowledged RLC Protected data"},
    {7, "Reserved"},
};
static_assert(well_formed(kReliabilityClassTexts));

constexpr ValueText kDelayClassTexts[] = {
    {1, "Delay class 1"}, {2, "Delay class 2"}, {3, "Delay class 3"}, {4, 6, "Delay class 4"}, {7, "Reserved"},
};
static_assert(well_formed(kDelayClassTexts));

constexpr ValueText kPrecedenceClassTexts[] = {
    {1, "High priority"}, {2, "Normal priority"}, {3, "Low priority"}, {4, 6, "Normal priority"}, {7, "Reserved"},
};
static_assert(well_formed(kPrecedenceClassTexts));

constexpr ValueText kPeakThroughputTexts[] = {
    {1, "Up to 1 000 octet per s"},      {2, "Up to 2 000 octet per s"},
    {3, "Up to 4 000 octet  per s"},  // two blanks: hosts match on it
    {4, "Up to 8 000 octet per s"},      {5, "Up to 16 000 octet per s"},
    {6, "Up to 32 000 octet per s"},     {7, "Up to 64 000 octet per s"},
    {8, "Up to 128 000 octet per s"},    {9, "Up to 256 000 octet per s"},
    {10, 14, "Up to 1 000 octet per s"}, {15, "Reserved"},
};
static_assert(well_formed(kPeakThroughputTexts));

constexpr ValueText kMeanThroughputTexts[] = {
    {1, "100 octet per h"},
    {2, "200 octet per h"},
    {3, "500 octet per h"},
    {4, "1 000 octet per h"},
    {5, "2 000 octet per h"},
    {6, "5 000 octet per h"},
    {7, "10 000 octet per h"},
    {8, "20 000 octet per h"},
    {9, "50 000 octet per h"},
    {10, "100 000 octet per h"},
    {11, "200 000 octet per h"},
    {12, "500 000 octet per h"},
    {13, "1 000 000 octet per h"},
    {14, "2 000 000 octet per h"},
    {15, "5 000 000 octet per h"},
    {16, "10 000 000 octet per h"},
    {17, "20 000 000 octet per h"},
    {18, "50 000 000 octet per h"},
    {19, 29, "Best effort "},  // trailing blank only on the unassigned values
    {30, "Reserved"},
    {31, "Best effort"},
};
static_assert(well_formed(kMeanThroughputTexts));

constexpr ValueText kErroneousSduTexts[] = {
    {1, "No detect"},
    {2, "Erroneous SDUs are delivered "},
    {3, "Erroneous SDUs are not delivered"},
    {4, 6, kReservedOrNegotiated},
    {7, "Reserved"},
};
static_assert(well_formed(kErroneousSduTexts));

// Two bits; a wider value has no text and ends the block.
constexpr ValueText kDeliveryOrderTexts[] = {
    {1, "With delivery order"},
    {2, "Without delivery order"},
    {3, "Reserved"},
};
static_assert(well_formed(kDeliveryOrderTexts));

constexpr ValueText kTrafficClassTexts[] = {
    {1, "Conversational class"}, {2, "Streaming class"},        {3, "Interactive class"},
    {4, "Background class"},     {5, 6, kReservedOrNegotiated}, {7, "Reserved"},
};
static_assert(well_formed(kTrafficClassTexts));

constexpr ValueText kMaximumSduSizeTexts[] = {
    {1, "Reserved"},      {2, 150, kByRule},    {151, "1502 octets"},
    {152, "1510 octets"}, {153, "1520 octets"}, {154, 254, kReservedOrNegotiated},
    {255, "Reserved"},
};
static_assert(well_formed(kMaximumSduSizeTexts));

constexpr ValueText kBitRateTexts[] = {
    {1, 254, kByRule},
    {255, "0kbps"},
};
static_assert(well_formed(kBitRateTexts));

constexpr ValueText kResidualBerTexts[] = {
    {1, "5*10-2"},    {2, "1*10-2"}, {3, "5*10-3"}, {4, "4*10-3"}, {5, "1*10-3"},
    {6, "1*10-4"},    {7, "1*10-5"}, {8, "1*10-6"}, {9, "6*10-8"}, {10, 14, kReservedOrNegotiated},
    {15, "Reserved"},
};
static_assert(well_formed(kResidualBerTexts));

constexpr ValueText kSduErrorRatioTexts[] = {
    {1, "1*10-2"},    {2, "7*10-3"}, {3, "1*10-3"}, {4, "1*10-4"},
    {5, "1*10-5"},    {6, "1*10-6"}, {7, "1*10-1"}, {8, 14, kReservedOrNegotiated},
    {15, "Reserved"},
};
static_assert(well_formed(kSduErrorRatioTexts));

// Two bits; a wider value has no text and ends the block.
constexpr ValueText kTrafficHandlingPriorityTexts[] = {
    {1, "Priority level 1"},
    {2, "Priority level 2"},
    {3, "Priority level 3"},
};
static_assert(well_formed(kTrafficHandlingPriorityTexts));

constexpr ValueText kTransferDelayTexts[] = {
    {1, 254, kByRule},
    {255, "Reserved"},
};
static_assert(well_formed(kTransferDelayTexts));

constexpr ValueText kSourceStatisticsTexts[] = {
    {1, "speech"},
};

struct QosField {
  TagText name;
  uint8_t QualityOfService::*value;
  CText subscribed;  // text of value 0 towards the network side (direction 0)
  std::span<const ValueText> texts;
  void (*rule)(OutputText&, uint8_t);        // number for kByRule rows
  uint8_t QualityOfService::*ext = nullptr;  // bit rates: the extended octets
  uint8_t QualityOfService::*ext2 = nullptr;
};

using Q = QualityOfService;
// In the order of the document, not of the octets.
constexpr QosField kQosFields[] = {
    {L3_TAG("Reliability class"), &Q::reliability_class, "Subscribed reliability class", kReliabilityClassTexts,
     nullptr},
    {L3_TAG("Delay class"), &Q::delay_class, "Subscribed delay class", kDelayClassTexts, nullptr},
    {L3_TAG("Precedence class"), &Q::precedence_class, "Subscribed precedence", kPrecedenceClassTexts, nullptr},
    {L3_TAG("Peak throughput"), &Q::peak_throughput, "Subscribed peak throughput", kPeakThroughputTexts, nullptr},
    {L3_TAG("Mean throughput"), &Q::mean_throughput, "Subscribed mean throughput", kMeanThroughputTexts, nullptr},
    {L3_TAG("Delivery of erroneous SDUs"), &Q::delivery_of_erroneous_sdus, "Subscribed delivery of erroneous SDUs",
     kErroneousSduTexts, nullptr},
    {L3_TAG("Delivery order"), &Q::delivery_order, "Subscribed delivery order", kDeliveryOrderTexts, nullptr},
    {L3_TAG("Traffic class"), &Q::traffic_class, "Subscribed traffic class", kTrafficClassTexts, nullptr},
    {L3_TAG("Maximum SDU size"), &Q::maximum_sdu_size, "Subscribed maximum SDU size", kMaximumSduSizeTexts,
     append_sdu_size},
    {L3_TAG("Maximum bit rate for uplink"), &Q::maximum_bit_rate_uplink, "Subscribed maximum bit rate for uplink",
     kBitRateTexts, append_bit_rate, &Q::maximum_bit_rate_uplink_ext, &Q::maximum_bit_rate_uplink_ext2},
    {L3_TAG("Maximum bit rate for downlink"), &Q::maximum_bit_rate_downlink, "Subscribed maximum bit rate for Downlink",
     kBitRateTexts, append_bit_rate, &Q::maximum_bit_rate_downlink_ext, &Q::maximum_bit_rate_downlink_ext2},
    {L3_TAG("Residual Bit Error Rate"), &Q::residual_ber, "Subscribed residual BER", kResidualBerTexts, nullptr},
    {L3_TAG("SDU error ratio"), &Q::sdu_error_ratio, "Subscribed SDU error ratio", kSduErrorRatioTexts, nullptr},
    {L3_TAG("Traffic handling priority"), &Q::traffic_handling_priority, "Subscribed traffic handling priority",
     kTrafficHandlingPriorityTexts, nullptr},
    {L3_TAG("Transfer delay"), &Q::transfer_delay, "Subscribed transfer delay", kTransferDelayTexts,
     append_transfer_delay},
    {L3_TAG("Guaranteed bit rate for uplink"), &Q::guaranteed_bit_rate_uplink,
     "Subscribed Guaranteed bit rate for uplink", kBitRateTexts, append_bit_rate, &Q::guaranteed_bit_rate_uplink_ext,
     &Q::guaranteed_bit_rate_uplink_ext2},
    // The downlink field shows the uplink text: hosts match on it.
    {L3_TAG("Guaranteed bit rate for downlink"), &Q::guaranteed_bit_rate_downlink,
     "Subscribed Guaranteed bit rate for uplink", kBitRateTexts, append_bit_rate, &Q::guaranteed_bit_rate_downlink_ext,
     &Q::guaranteed_bit_rate_downlink_ext2},
};

int render_qos_field(OutputText& out, const QosField& f, const QualityOfService& q) {
  const uint8_t v = q.*f.value;
  const uint8_t direction = q.direction;
  out.append(f.name.open, f.name.open_len + 1);
  append_value_note(v, out, 0);
  if (f.ext != nullptr && (q.*f.ext != 0 || q.*f.ext2 != 0)) {
    append_extended_bit_rate(out, q.*f.ext, q.*f.ext2);
    out.append(f.name.close, f.name.close_len);
    return 1;
  }
  const char* text = nullptr;
  if (v == 0) {
    text = direction == 0 ? f.subscribed : "Reserved";
  } else {
    text = find_text(f.texts, v);
    if (text == nullptr) return 0;
  }
  if (text == kByRule) {
    f.rule(out, v);
  } else if (text == kReservedOrNegotiated) {
    out.append(direction != 0 ? CText("reserved") : CText("return a negotiated"));
  } else {
    out.append(text);
  }
  out.append(f.name.close, f.name.close_len);
  return 1;
}

}  // namespace

int render_quality_of_service(const QualityOfService& q, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Quality of service>\n"));
  for (const QosField& f : kQosFields) {
    if (render_qos_field(out, f, q) == 0) return 0;
  }
  // The descriptor means something from the mobile only (24.008 10.5.6.5: spare
  // towards it); the frame's real direction says who sent it, else the caller's byte.
  const bool from_mobile = real_direction() ? q.from_mobile != 0 : q.direction == 0;
  if (from_mobile) {
    render_value_block(out, L3_TAG("Source Statistics Descriptor"), q.source_statistics_descriptor,
                       kSourceStatisticsTexts, "unknown");
  }
  append_tag_text(out, L3_TAG_TEXT("</Quality of service>\n"));
  return 1;
}

}  // namespace l3
