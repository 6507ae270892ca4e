#include "core/output.h"
#include "gmm/gprs_timer.h"
#include "sm/sm_messages.h"

namespace l3 {

namespace {
void render_pco_if_present(const Opt<Pco>& pco, OutputText& out) {
  if (pco.present) render_protocol_configuration_options(pco.value, out);
}

bool packet_flow_identifier_given(const Opt<PacketFlowIdentifier>& p) { return p.present && p.value.length != 0; }

// The request of a primary context and of an AA context share their head.
template <class R>
void render_context_request_head(const R& r, OutputText& out) {
  wrap_element(out, L3_TAG_TEXT("<Requested NSAPI>\n"), L3_TAG_TEXT("</Requested NSAPI>\n"),
               [&] { render_nsapi(r.requested_nsapi, out); });
  wrap_element(out, L3_TAG_TEXT("<Requested LLC SAPI>\n"), L3_TAG_TEXT("</Requested LLC SAPI>\n"),
               [&] { render_llc_sapi(r.requested_llc_sapi, out); });
  wrap_element(out, L3_TAG_TEXT("<Requested QoS>\n"), L3_TAG_TEXT("</Requested QoS>\n"),
               [&] { render_quality_of_service(r.requested_qos, out); });
  wrap_element(out, L3_TAG_TEXT("<Requested PDP address>\n"), L3_TAG_TEXT("</Requested PDP address>\n"),
               [&] { render_pdp_address(r.requested_pdp_address, out); });
  if (r.access_point_name.present) render_access_point_name(r.access_point_name.value, out);
  render_pco_if_present(r.pco, out);
}
}  // namespace

int render_sm_activate_pdp_context_request(const ActivatePdpContextRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Activate PDP Context Request>\n"));
  render_context_request_head(r, out);
  append_tag_text(out, L3_TAG_TEXT("</Activate PDP Context Request>\n"));
  return 1;
}

int render_sm_activate_pdp_context_accept(const ActivatePdpContextAccept& r, OutputText& out) {
  out.append("<Activate_PDP_Context_Accept>\n");
  wrap_element(out, L3_TAG_TEXT("<Negotiated LLC SAPI>\n"), L3_TAG_TEXT("</Negotiated LLC SAPI>\n"),
               [&] { render_llc_sapi(r.negotiated_llc_sapi, out); });
  wrap_element(out, L3_TAG_TEXT("<Negotiated QoS>\n"), L3_TAG_TEXT("</Negotiated QoS>\n"),
               [&] { render_quality_of_service(r.negotiated_qos, out); });
  render_sm_radio_priority(r.radio_priority, out);
  if (r.pdp_address.present) render_pdp_address(r.pdp_address.value, out);
  render_pco_if_present(r.pco, out);
  if (packet_flow_identifier_given(r.packet_flow_identifier)) {
    render_packet_flow_identifier(r.packet_flow_identifier.value.value, out);
  }
  out.append("</Activate_PDP_Context_Accept>\n");
  return 1;
}

namespace {
// Cause and options, the shape of most rejects.
int render_sm_cause_and_pco(const SmReject& r, OutputText& out, const char* open, const char* close) {
  append_tag_text(out, open);
  render_sm_cause(r.sm_cause, out, r.direction);
  render_pco_if_present(r.pco, out);
  append_tag_text(out, close);
  return 1;
}
}  // namespace

int render_sm_activate_pdp_context_reject(const SmReject& r, OutputText& out) {
  return render_sm_cause_and_pco(r, out, "<Activate PDP Context Reject>\n", "</Activate PDP Context Reject>\n");
}

int render_sm_request_pdp_context_activation(const RequestPdpContextActivation& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Request PDP Context Activation>\n"));
  wrap_element(out, L3_TAG_TEXT("<Offered PDP address>\n"), L3_TAG_TEXT("</Offered PDP address>\n"),
               [&] { render_pdp_address(r.offered_pdp_address, out); });
  if (r.access_point_name.present) render_access_point_name(r.access_point_name.value, out);
  render_pco_if_present(r.pco, out);
  append_tag_text(out, L3_TAG_TEXT("</Request PDP Context Activation>\n"));
  return 1;
}

int render_sm_request_pdp_context_activation_reject(const SmReject& r, OutputText& out) {
  return render_sm_cause_and_pco(r, out, "<Request PDP Context Activation Reject>\n",
                                 "</Request PDP Context Activation Reject>\n");
}

int render_sm_deactivate_pdp_context_request(const DeactivatePdpContextRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Deactivate PDP Context Request>\n"));
  render_sm_cause(r.sm_cause, out, r.direction);
  if (r.tear_down_indicator.present) render_tear_down_indicator(r.tear_down_indicator.value, out);
  render_pco_if_present(r.pco, out);
  append_tag_text(out, L3_TAG_TEXT("</Deactivate PDP Context Request>\n"));
  return 1;
}

namespace {
int render_sm_pco_only(const SmPcoOnly& r, OutputText& out, const char* open, const char* close) {
  append_tag_text(out, open);
  render_pco_if_present(r.pco, out);
  append_tag_text(out, close);
  return 1;
}
}  // namespace

int render_sm_deactivate_pdp_context_accept(const SmPcoOnly& r, OutputText& out) {
  return render_sm_pco_only(r, out, "<Deactivate PDP Context Accept>\n", "</Deactivate PDP Context Accept>\n");
}

int render_sm_modify_pdp_context_request_network(const ModifyPdpContextRequestNetwork& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Modify PDP Context Request DL>\n"));
  render_sm_radio_priority(r.radio_priority, out);
  wrap_element(out, L3_TAG_TEXT("<Requested LLC SAPI>\n"), L3_TAG_TEXT("</Requested LLC SAPI>\n"),
               [&] { render_llc_sapi(r.requested_llc_sapi, out); });
  wrap_element(out, L3_TAG_TEXT("<New QoS>\n"), L3_TAG_TEXT("</New QoS>\n"),
               [&] { render_quality_of_service(r.new_qos, out); });
  if (r.pdp_address.present) render_pdp_address(r.pdp_address.value, out);
  if (packet_flow_identifier_given(r.packet_flow_identifier)) {
    render_packet_flow_identifier(r.packet_flow_identifier.value.value, out);
  }
  render_pco_if_present(r.pco, out);
  append_tag_text(out, L3_TAG_TEXT("</Modify PDP Context Request DL>\n"));
  return 1;
}

int render_sm_modify_pdp_context_accept_ms(const SmPcoOnly& r, OutputText& out) {
  return render_sm_pco_only(r, out, "<Modify PDP Context Accept UL>\n", "</Modify PDP Context Accept UL>\n");
}

int render_sm_modify_pdp_context_request_ms(const ModifyPdpContextRequestMs& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Modify PDP Context Request UL>\n"));
  if (r.requested_llc_sapi.present) {
    wrap_element(out, L3_TAG_TEXT("<Requested LLC SAPI>\n"), L3_TAG_TEXT("</Requested LLC SAPI>\n"),
                 [&] { render_llc_sapi(r.requested_llc_sapi.value, out); });
  }
  if (r.requested_new_qos.present) {
    wrap_element(out, L3_TAG_TEXT("<Requested new QoS>\n"), L3_TAG_TEXT("</Requested new QoS>\n"),
                 [&] { render_quality_of_service(r.requested_new_qos.value, out); });
  }
  if (r.new_tft.present) {
    wrap_element(out, L3_TAG_TEXT("<New TFT>\n"), L3_TAG_TEXT("</New TFT>\n"),
                 [&] { render_traffic_flow_template(r.new_tft.value, out); });
  }
  render_pco_if_present(r.pco, out);
  append_tag_text(out, L3_TAG_TEXT("</Modify PDP Context Request UL>\n"));
  return 1;
}

int render_sm_modify_pdp_context_accept_network(const ModifyPdpContextAcceptNetwork& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Modify PDP Context Accept DL>\n"));
  if (r.negotiated_qos.present) {
    // Hosts know the negotiated QoS of this message under the request's name.
    wrap_element(out, L3_TAG_TEXT("<Requested new QoS>\n"), L3_TAG_TEXT("</Requested new QoS>\n"),
                 [&] { render_quality_of_service(r.negotiated_qos.value, out); });
  }
  if (r.negotiated_llc_sapi.present) {
    wrap_element(out, L3_TAG_TEXT("<Negotiated LLC SAPI>\n"), L3_TAG_TEXT("</Negotiated LLC SAPI>\n"),
                 [&] { render_llc_sapi(r.negotiated_llc_sapi.value, out); });
  }
  if (r.new_radio_priority.present) {
    wrap_element(out, L3_TAG_TEXT("<New radio priority>\n"), L3_TAG_TEXT("</New radio priority>\n"),
                 [&] { render_sm_radio_priority(r.new_radio_priority.value, out); });
  }
  if (packet_flow_identifier_given(r.packet_flow_identifier)) {
    render_packet_flow_identifier(r.packet_flow_identifier.value.value, out);
  }
  render_pco_if_present(r.pco, out);
  append_tag_text(out, L3_TAG_TEXT("</Modify PDP Context Accept DL>\n"));
  return 1;
}

int render_sm_modify_pdp_context_reject(const SmReject& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Modify_PDP_Context_Reject>\n"));
  wrap_element(out, L3_TAG_TEXT("<SM cause>\n"), L3_TAG_TEXT("</SM cause>\n"),
               [&] { render_sm_cause(r.sm_cause, out, r.direction); });
  if (r.pco.present) {
    wrap_element(out, L3_TAG_TEXT("<Protocol configuration options>\n"),
                 L3_TAG_TEXT("</Protocol configuration options>\n"),
                 [&] { render_protocol_configuration_options(r.pco.value, out); });
  }
  append_tag_text(out, L3_TAG_TEXT("</Modify_PDP_Context_Reject>\n"));
  return 1;
}

int render_sm_activate_secondary_pdp_context_request(const ActivateSecondaryPdpContextRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Activate AA PDP Context Request>\n"));
  wrap_element(out, L3_TAG_TEXT("<Requested NSAPI>\n"), L3_TAG_TEXT("</Requested NSAPI>\n"),
               [&] { render_nsapi(r.requested_nsapi, out); });
  wrap_element(out, L3_TAG_TEXT("<Requested LLC SAPI>\n"), L3_TAG_TEXT("</Requested LLC SAPI>\n"),
               [&] { render_llc_sapi(r.requested_llc_sapi, out); });
  wrap_element(out, L3_TAG_TEXT("<Requested QoS>\n"), L3_TAG_TEXT("</Requested QoS>\n"),
               [&] { render_quality_of_service(r.requested_qos, out); });
  wrap_element(out, L3_TAG_TEXT("<Linked TI>\n"), L3_TAG_TEXT("</Linked TI>\n"), [&] { render_not_implemented(out); });
  if (r.tft.present) render_traffic_flow_template(r.tft.value, out);
  render_pco_if_present(r.pco, out);
  append_tag_text(out, L3_TAG_TEXT("</Activate AA PDP Context Request>\n"));
  return 1;
}

int render_sm_activate_secondary_pdp_context_accept(const ActivateSecondaryPdpContextAccept& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Activate AA PDP Context Accept>\n"));
  wrap_element(out, L3_TAG_TEXT("<Negotiated LLC SAPI>\n"), L3_TAG_TEXT("</Negotiated LLC SAPI>\n"),
               [&] { render_llc_sapi(r.negotiated_llc_sapi, out); });
  wrap_element(out, L3_TAG_TEXT("<Negotiated QoS>\n"), L3_TAG_TEXT("</Negotiated QoS>\n"),
               [&] { render_quality_of_service(r.negotiated_qos, out); });
  wrap_element(out, L3_TAG_TEXT("<Radio priority>\n"), L3_TAG_TEXT("</Radio priority>\n"),
               [&] { render_sm_radio_priority(r.radio_priority, out); });
  if (packet_flow_identifier_given(r.packet_flow_identifier)) {
    wrap_element(out, L3_TAG_TEXT("<Packet Flow Identifier>\n"), L3_TAG_TEXT("</Packet Flow Identifier>\n"),
                 [&] { render_packet_flow_identifier(r.packet_flow_identifier.value.value, out); });
  }
  if (r.pco.present) {
    wrap_element(out, L3_TAG_TEXT("<Protocol configuration options>\n"),
                 L3_TAG_TEXT("</Protocol configuration options>\n"),
                 [&] { render_protocol_configuration_options(r.pco.value, out); });
  }
  append_tag_text(out, L3_TAG_TEXT("</Activate AA PDP Context Accept>\n"));
  return 1;
}

int render_sm_activate_secondary_pdp_context_reject(const SmReject& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Activate AA PDP Context Reject>\n"));
  render_sm_cause(r.sm_cause, out, r.direction);
  if (r.pco.present) {
    wrap_element(out, L3_TAG_TEXT("<Protocol configuration options>\n"),
                 L3_TAG_TEXT("</Protocol configuration options>\n"),
                 [&] { render_protocol_configuration_options(r.pco.value, out); });
  }
  append_tag_text(out, L3_TAG_TEXT("</Activate AA PDP Context Reject>\n"));
  return 1;
}

int render_sm_activate_aa_pdp_context_request(const ActivateAaPdpContextRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Activate GSM AA PDP Context Request>\n"));
  render_context_request_head(r, out);
  if (r.requested_aa_ready_timer.present) {
    wrap_element(out, L3_TAG_TEXT("<AA READY timer value>\n"), L3_TAG_TEXT("</AA READY timer value>\n"),
                 [&] { render_gprs_timer(r.requested_aa_ready_timer.value, out); });
  }
  append_tag_text(out, L3_TAG_TEXT("</Activate GSM AA PDP Context Request>\n"));
  return 1;
}

int render_sm_activate_aa_pdp_context_accept(const ActivateAaPdpContextAccept& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Activate GSM AA PDP Context Accept>\n"));
  wrap_element(out, L3_TAG_TEXT("<Negotiated LLC SAPI>\n"), L3_TAG_TEXT("</Negotiated LLC SAPI>\n"),
               [&] { render_llc_sapi(r.negotiated_llc_sapi, out); });
  wrap_element(out, L3_TAG_TEXT("<Negotiated QoS>\n"), L3_TAG_TEXT("</Negotiated QoS>\n"),
               [&] { render_quality_of_service(r.negotiated_qos, out); });
  wrap_element(out, L3_TAG_TEXT("<Allocated P TMSI>\n"), L3_TAG_TEXT("</Allocated P TMSI>\n"),
               [&] { render_mobile_identity(r.allocated_ptmsi, out); });
  render_pdp_address(r.pdp_address, out);
  render_sm_radio_priority(r.radio_priority, out);
  render_pco_if_present(r.pco, out);
  if (r.negotiated_aa_ready_timer.present) {
    wrap_element(out, L3_TAG_TEXT("<Negotiated AA READY timer value>\n"),
                 L3_TAG_TEXT("</Negotiated AA READY timer value>\n"),
                 [&] { render_gprs_timer(r.negotiated_aa_ready_timer.value, out); });
  }
  append_tag_text(out, L3_TAG_TEXT("</Activate GSM AA PDP Context Accept>\n"));
  return 1;
}

int render_sm_activate_aa_pdp_context_reject(const SmReject& r, OutputText& out) {
  return render_sm_cause_and_pco(r, out, "<Activate GSM AA PDP Context Reject>\n",
                                 "</Activate GSM AA PDP Context Reject>\n");
}

namespace {
constexpr ValueText kAaDeactivationCauseTexts[] = {
    {1, "Server Address Voilation"},
    {2, "NetWork Overload"},
    {3, "NetWork Not Reachable"},
};
static_assert(well_formed(kAaDeactivationCauseTexts));
}  // namespace

int render_sm_deactivate_aa_pdp_context_request(const DeactivateAaPdpContextRequest& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Deactivate GSM PDP Context Request>\n"));
  render_value_block(out, L3_TAG("AA Deactivation Cause"), r.aa_deactivation_cause, kAaDeactivationCauseTexts,
                     "Normal Unspecified");
  append_tag_text(out, L3_TAG_TEXT("</Deactivate GSM PDP Context Request>\n"));
  return 1;
}

int render_sm_deactivate_aa_pdp_context_accept(const DeactivateAaPdpContextAccept&, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Deactivate GSM PDP Context Accept>\n", "</Deactivate GSM PDP Context Accept>\n"));
  return 1;
}

int render_sm_status(const SmStatus& r, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<SM Status>\n"));
  render_sm_cause(r.sm_cause, out, r.direction);
  append_tag_text(out, L3_TAG_TEXT("</SM Status>\n"));
  return 1;
}

}  // namespace l3
