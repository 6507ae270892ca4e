// Records of the session management messages (protocol discriminator 10).
//
// Every record starts with the key. `direction` holds the caller's byte only
// in the records that keep it (those with an SM cause, and the AA deactivation
// pair); all others leave it 0. Records that show direction-dependent texts
// copy the byte into their QoS or PDP address part instead.
//
// Fields read by the value extraction:
//   ActivatePdpContextRequest::requested_nsapi
//   ActivatePdpContextAccept::negotiated_llc_sapi
//   ActivatePdpContextAccept::radio_priority
//   ActivatePdpContextAccept::negotiated_qos.{delay_class, reliability_class, peak_throughput,
//                                            precedence_class, mean_throughput}
//   ActivatePdpContextAccept::pdp_address.present, .value.address_length, .value.address[1..]
//     (address_length is the element's count; an IPv4 address has 4 octets)
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/record.h"
#include "mm/shared_elements.h"
#include "sm/qos.h"
#include "sm/sm_elements.h"

namespace l3 {

using Pco = ProtocolConfigurationOptions;

// 0x41
struct ActivatePdpContextRequest : MessageRecord {
  uint8_t requested_nsapi;           // low nibble of octet 2
  uint8_t requested_llc_sapi;        // low nibble of octet 3
  QualityOfService requested_qos;    // direction copied
  PdpAddress requested_pdp_address;  // direction copied
  Opt<AccessPointName> access_point_name;
  Opt<Pco> pco;
};

// 0x42
struct ActivatePdpContextAccept : MessageRecord {
  uint8_t negotiated_llc_sapi;
  QualityOfService negotiated_qos;
  uint8_t radio_priority;  // low three bits
  Opt<PdpAddress> pdp_address;
  Opt<Pco> pco;
  Opt<PacketFlowIdentifier> packet_flow_identifier;
};

// 0x43, 0x45, 0x4C, 0x4F and 0x52: a cause and options; direction kept.
struct SmReject : MessageRecord {
  uint8_t sm_cause;
  Opt<Pco> pco;
};
using ActivatePdpContextReject = SmReject;
using RequestPdpContextActivationReject = SmReject;
using ModifyPdpContextReject = SmReject;
using ActivateSecondaryPdpContextReject = SmReject;
using ActivateAaPdpContextReject = SmReject;

// 0x44
struct RequestPdpContextActivation : MessageRecord {
  PdpAddress offered_pdp_address;
  Opt<AccessPointName> access_point_name;
  Opt<Pco> pco;
};

// 0x46; direction kept.
struct DeactivatePdpContextRequest : MessageRecord {
  uint8_t sm_cause;
  Opt<uint8_t> tear_down_indicator;
  Opt<Pco> pco;
};

// 0x47 and 0x49: options alone.
struct SmPcoOnly : MessageRecord {
  Opt<Pco> pco;
};
using DeactivatePdpContextAccept = SmPcoOnly;
using ModifyPdpContextAcceptMs = SmPcoOnly;

// 0x48
struct ModifyPdpContextRequestNetwork : MessageRecord {
  uint8_t radio_priority;
  uint8_t requested_llc_sapi;
  QualityOfService new_qos;
  Opt<PdpAddress> pdp_address;
  Opt<Pco> pco;
  Opt<PacketFlowIdentifier> packet_flow_identifier;
};

// 0x4A
struct ModifyPdpContextRequestMs : MessageRecord {
  Opt<uint8_t> requested_llc_sapi;
  Opt<QualityOfService> requested_new_qos;
  Opt<TrafficFlowTemplate> new_tft;
  Opt<Pco> pco;
};

// 0x4B
struct ModifyPdpContextAcceptNetwork : MessageRecord {
  Opt<uint8_t> negotiated_llc_sapi;
  Opt<QualityOfService> negotiated_qos;
  Opt<uint8_t> new_radio_priority;
  Opt<PacketFlowIdentifier> packet_flow_identifier;
  Opt<Pco> pco;
};

// 0x4D
struct ActivateSecondaryPdpContextRequest : MessageRecord {
  uint8_t requested_nsapi;
  uint8_t requested_llc_sapi;
  QualityOfService requested_qos;
  LinkedTi linked_ti;
  Opt<TrafficFlowTemplate> tft;
  Opt<Pco> pco;
};

// 0x4E
struct ActivateSecondaryPdpContextAccept : MessageRecord {
  uint8_t negotiated_llc_sapi;
  QualityOfService negotiated_qos;
  uint8_t radio_priority;
  Opt<PacketFlowIdentifier> packet_flow_identifier;
  Opt<Pco> pco;
};

// 0x50
struct ActivateAaPdpContextRequest : MessageRecord {
  uint8_t requested_nsapi;
  uint8_t requested_llc_sapi;
  QualityOfService requested_qos;
  PdpAddress requested_pdp_address;  // direction copied
  Opt<AccessPointName> access_point_name;
  Opt<Pco> pco;
  Opt<uint8_t> requested_aa_ready_timer;  // GPRS timer octet
};

// 0x51
struct ActivateAaPdpContextAccept : MessageRecord {
  uint8_t negotiated_llc_sapi;
  QualityOfService negotiated_qos;
  MobileIdentity allocated_ptmsi;
  PdpAddress pdp_address;  // direction copied
  uint8_t radio_priority;
  Opt<Pco> pco;
  Opt<uint8_t> negotiated_aa_ready_timer;  // GPRS timer octet
};

// 0x53; direction kept.
struct DeactivateAaPdpContextRequest : MessageRecord {
  uint8_t aa_deactivation_cause;
};

// 0x54; direction kept.
struct DeactivateAaPdpContextAccept : MessageRecord {};

// 0x55; direction kept.
struct SmStatus : MessageRecord {
  uint8_t sm_cause;
};

static_assert(std::is_trivially_copyable_v<ActivatePdpContextRequest>);
static_assert(std::is_trivially_copyable_v<ActivatePdpContextAccept>);
static_assert(std::is_trivially_copyable_v<SmReject>);
static_assert(std::is_trivially_copyable_v<RequestPdpContextActivation>);
static_assert(std::is_trivially_copyable_v<DeactivatePdpContextRequest>);
static_assert(std::is_trivially_copyable_v<SmPcoOnly>);
static_assert(std::is_trivially_copyable_v<ModifyPdpContextRequestNetwork>);
static_assert(std::is_trivially_copyable_v<ModifyPdpContextRequestMs>);
static_assert(std::is_trivially_copyable_v<ModifyPdpContextAcceptNetwork>);
static_assert(std::is_trivially_copyable_v<ActivateSecondaryPdpContextRequest>);
static_assert(std::is_trivially_copyable_v<ActivateSecondaryPdpContextAccept>);
static_assert(std::is_trivially_copyable_v<ActivateAaPdpContextRequest>);
static_assert(std::is_trivially_copyable_v<ActivateAaPdpContextAccept>);
static_assert(std::is_trivially_copyable_v<DeactivateAaPdpContextRequest>);
static_assert(std::is_trivially_copyable_v<DeactivateAaPdpContextAccept>);
static_assert(std::is_trivially_copyable_v<SmStatus>);

}  // namespace l3
