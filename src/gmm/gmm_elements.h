// Elements that only GMM carries, and the GMM element renderers (the routing
// area identification is decoded with the location area in mm/identity.h).
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"
#include "gmm/gprs_timer.h"
#include "gmm/ms_capability.h"
#include "mm/identity.h"

namespace l3 {

struct DrxParameter {
  uint8_t split_pg_cycle_code;
  uint8_t split_on_ccch;
  uint8_t non_drx_timer;
};

struct ReceiveNpduNumber {
  uint8_t nsapi;
  uint8_t receive_npdu_number;
};

struct ReceiveNpduNumberList {
  uint8_t count;
  ReceiveNpduNumber pairs[50];  // 1 to 49; slot 0 unused
};

// The length octet and the NSAPI bitmap, bit n for NSAPI n.
struct PdpContextStatus {
  uint8_t length;
  uint32_t nsapis;
};

// The length octet and the first value octet of a two-octet element.
struct TwoOctetCopy {
  uint8_t length;
  uint8_t value;
};

// Buffers: the 6 octets, the 2 octets, and the value octets of the list.
void decode_drx_parameter(DrxParameter& d, const BitBuffer& b);
void decode_receive_npdu_number_list(ReceiveNpduNumberList& l, const BitBuffer& b);

int render_attach_type(uint8_t v, OutputText& out);
int render_attach_result(uint8_t v, OutputText& out);
int render_force_to_standby(uint8_t v, OutputText& out);
int render_drx_parameter(const DrxParameter& d, OutputText& out);
int render_routing_area_identification(const RoutingAreaId& r, OutputText& out);
int render_ptmsi_signature(uint32_t signature, OutputText& out);
int render_ptmsi_signature2(uint8_t v, OutputText& out);
int render_tmsi_status(uint8_t v, OutputText& out);
int render_ps_lcs_capability(uint8_t v, OutputText& out);
int render_radio_priority(uint8_t v, OutputText& out);
int render_radio_priority2(uint8_t v, OutputText& out);
int render_gmm_cause(uint8_t v, OutputText& out);
int render_network_feature_support(uint8_t v, OutputText& out);
int render_ac_reference_number(uint8_t v, OutputText& out);
int render_pdp_context_status(const PdpContextStatus& s, OutputText& out);

}  // namespace l3
