// Quality of service element: the GPRS classes of its first three value
// octets and the UMTS attributes that follow.
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

// One decoded QoS element. All fields are the coded values; 0 means
// "subscribed". Fields beyond a short element read as 0.
struct QualityOfService {
  uint8_t direction;  // caller's byte where the parser copies it (0 otherwise); chooses texts
  uint8_t reliability_class;
  uint8_t delay_class;
  uint8_t precedence_class;
  uint8_t peak_throughput;
  uint8_t mean_throughput;
  uint8_t delivery_of_erroneous_sdus;
  uint8_t delivery_order;
  uint8_t traffic_class;
  uint8_t maximum_sdu_size;
  uint8_t maximum_bit_rate_uplink;
  uint8_t maximum_bit_rate_downlink;
  uint8_t sdu_error_ratio;
  uint8_t residual_ber;
  uint8_t traffic_handling_priority;
  uint8_t transfer_delay;
  uint8_t guaranteed_bit_rate_uplink;
  uint8_t guaranteed_bit_rate_downlink;
  uint8_t source_statistics_descriptor;
  uint8_t from_mobile;  // 1 when the message came from the mobile; read with the frame's real direction only
  // Extended bit-rate octets (value octets 13 to 20); 0 when absent, and 0
  // means the shorter coding holds the rate.
  uint8_t maximum_bit_rate_downlink_ext;
  uint8_t guaranteed_bit_rate_downlink_ext;
  uint8_t maximum_bit_rate_uplink_ext;
  uint8_t guaranteed_bit_rate_uplink_ext;
  uint8_t maximum_bit_rate_downlink_ext2;
  uint8_t guaranteed_bit_rate_downlink_ext2;
  uint8_t maximum_bit_rate_uplink_ext2;
  uint8_t guaranteed_bit_rate_uplink_ext2;
};
static_assert(std::is_trivially_copyable_v<QualityOfService>);

// From the value octets alone (no length octet). Leaves direction untouched.
void decode_quality_of_service(QualityOfService& q, const BitBuffer& b);

// The <Quality of service> block. 0 when a field holds a value without text
// (the block is then left open).
int render_quality_of_service(const QualityOfService& q, OutputText& out);

}  // namespace l3
