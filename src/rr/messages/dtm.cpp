#include "rr/messages/dtm.h"

#include <iterator>

#include "core/output.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/common_elements.h"
#include "rr/elements/packet_elements.h"
#include "rr/elements/value_elements.h"
#include "rr/messages/message_parts.h"
#include "rr/si/si_elements.h"

namespace l3 {

using namespace rr_parts;

namespace {

// Extension information of the GPRS cell options: R99, release 4, 6 and 7
// fields, each kept only when it lies before the end.
void decode_gprs_extension(GprsBroadcastInformation& g, const BitBuffer& b, uint32_t pos, uint32_t end) {
  BitCursor c(b, pos);
  auto take = [&](GprsExtensionField kind, uint32_t width) {
    if (c.pos + width > end || g.extension_count >= std::size(g.extension_kind)) return false;
    g.extension_kind[g.extension_count] = kind;
    g.extension_value[g.extension_count++] = static_cast<uint8_t>(c.bits(width));
    return true;
  };
  if (!take(kExtEgprs, 1)) return;
  if (g.extension_value[g.extension_count - 1] != 0) {
    if (!take(kExtEgprsPacketChannelRequest, 1) || !take(kExtBepPeriod, 4)) return;
  }
  constexpr GprsExtensionField kFlags[] = {
      kExtPfcFeatureMode,        kExtDtmSupport,    kExtBssPagingCoordination,     kExtCcnActive, kExtNwExtUtbf,
      kExtMultipleTbfCapability, kExtExtUtbfNoData, kExtDtmEnhancementsCapability, kExtMbms};
  for (GprsExtensionField f : kFlags) {
    if (!take(f, 1)) return;
  }
  if (g.extension_value[g.extension_count - 1] != 0) {
    if (!take(kExtDedicatedModeMbmsNotification, 1) || !take(kExtMnciSupport, 1)) return;
  }
  take(kExtReducedLatencyAccess, 1);
}

// GPRS cell options then GPRS power control parameters, length-led.
void decode_gprs_broadcast_information(GprsBroadcastInformation& g, const BitBuffer& b) {
  g.length = read_bits8(0, 8, b);
  const uint32_t end = decode_gprs_cell_options(g.options, b, 8);
  if (g.options.extension_present) {
    decode_gprs_extension(g, b, end - g.options.extension_length - 1u, end < b.count ? end : b.count);
  }
  decode_gprs_power_control(g.power_control, b, end);
}

}  // namespace

void parse_dtm_assignment_command(DtmAssignmentCommand& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = DtmAssignmentCommand;
  static constexpr OptionalIe<R> kIes[] = {
      {0x10, IeForm::tv, 16, kValue<R, FrequencyList, &R::cell_channel, decode_cell_channel_description>},
      {0x11, IeForm::tv, 1, store_octet<R, &R::channel_mode>},
      {0x12, IeForm::tlv, 0, kLed<R, FrequencyList, &R::frequency_list, decode_frequency_list>},
      {0x13, IeForm::tlv, 0, kLed<R, MobileAllocation, &R::mobile_allocation, decode_mobile_allocation>},
      {0x14, IeForm::tv, 2, kValue<R, StartingTime, &R::starting_time, decode_starting_time>},
      {0x15, IeForm::tlv, 0,
       kLed<R, RrPacketUplinkAssignment, &R::uplink_assignment, decode_rr_packet_uplink_assignment>},
      {0x16, IeForm::tlv, 0,
       kLed<R, RrPacketDownlinkAssignment, &R::downlink_assignment, decode_rr_packet_downlink_assignment>},
      {0x17, IeForm::tlv, 0, kLed<R, MultiRateConfiguration, &R::multirate, decode_multirate_configuration>},
  };
  static_assert(ieis_unique<R>(kIes));
  MessageReader in(msg, len);
  if (!take_fixed(in, 1, r.power, decode_power_command)) return;
  if (!take_fixed(in, 3, r.channel, decode_channel_description)) return;
  if (!take_length_led(in, r.broadcast, decode_gprs_broadcast_information)) return;
  walk_optional<R>(r, in, kIes);
}

void parse_gprs_suspension_request(GprsSuspensionRequest& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_u32(in, r.tlli)) return;
  if (!take_fixed(in, 6, r.routing_area, decode_rr_routing_area)) return;
  in.take_octet(r.cause);
}

void parse_dtm_information(DtmInformation& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_fixed(in, 6, r.routing_area, decode_rr_routing_area)) return;
  BitBuffer b;
  if (!in.take_lv_led(b)) return;
  decode_dtm_information_details(r.details, b);
}

namespace {

void render_gprs_broadcast_information(const GprsBroadcastInformation& g, OutputText& out) {
  out.append("<GSM_GPRS_Broadcast_Information>\n");
  write_field_u8(L3_TAG("Length"), g.length, out, 0);
  out.append("<GPRS_Cell_Options>\n");
  write_field_u8(L3_TAG("NMO"), g.options.nmo, out, 0);
  write_field_u8(L3_TAG("T3168"), g.options.t3168, out, 0);
  render_t3192(g.options.t3192, out);
  write_field_u8(L3_TAG("DRX_TIMER_MAX"), g.options.drx_timer_max, out, 0);
  write_field_u8(L3_TAG("ACCESS_BURST_TYPE"), g.options.access_burst_type, out, 0);
  write_field_u8(L3_TAG("CONTROL_ACK_TYPE"), g.options.control_ack_type, out, 0);
  write_field_u8(L3_TAG("BS_CV_MAX"), g.options.bs_cv_max, out, 0);
  if (g.options.pan_present) {
    write_field_u8(L3_TAG("PAN_DEC"), g.options.pan_dec, out, 0);
    write_field_u8(L3_TAG("PAN_INC"), g.options.pan_inc, out, 0);
    write_field_u8(L3_TAG("PAN_MAX"), g.options.pan_max, out, 0);
  }
  if (g.options.extension_present) {
    constexpr const char* kNames[] = {
        "EGPRS",
        "EGPRS_PACKET_CHANNEL_REQUEST",
        "BEP_PERIOD",
        "PFC_FEATURE_MODE",
        "DTM_SUPPORT",
        "BSS_PAGING_COORDINATION",
        "CCN_ACTIVE",
        "NW_EXT_UTBF",
        "MULTIPLE_TBF_CAPABILITY",
        "EXT_UTBF_NO_DATA",
        "DTM_ENHANCEMENTS_CAPABILITY",
        "MBMS",
        "DEDICATED_MODE_MBMS_NOTIFICATION_SUPPORT",
        "MNCI_SUPPORT",
        "REDUCED_LATENCY_ACCESS",
    };
    out.append("<Extension_Information>\n");
    write_field_u8(L3_TAG("Length"), g.options.extension_length, out, 0);
    for (uint32_t i = 0; i < g.extension_count && i < std::size(g.extension_kind); ++i) {
      if (g.extension_kind[i] < std::size(kNames))
        write_field_u8(kNames[g.extension_kind[i]], g.extension_value[i], out, 0);
    }
    out.append("</Extension_Information>\n");
  }
  out.append("</GPRS_Cell_Options>\n");
  out.append("<GPRS_Power_Control>\n");
  render_alpha(g.power_control.alpha, out);
  write_field_u8(L3_TAG("T_AVG_W"), g.power_control.t_avg_w, out, 0);
  write_field_u8(L3_TAG("T_AVG_T"), g.power_control.t_avg_t, out, 0);
  write_field_u8(L3_TAG("PC_MEAS_CHAN"), g.power_control.pc_meas_chan, out, 0);
  write_field_u8(L3_TAG("N_AVG_I"), g.power_control.n_avg_i, out, 0);
  out.append("</GPRS_Power_Control>\n");
  out.append("</GSM_GPRS_Broadcast_Information>\n");
}

}  // namespace

int render_dtm_assignment_command(const DtmAssignmentCommand& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_power_command(r.power.fpc, r.power.power_level, out);
  render_channel_description(r.channel, out);
  render_gprs_broadcast_information(r.broadcast, out);
  if (r.cell_channel.present) render_cell_channel_description(r.cell_channel.value, out);
  if (r.channel_mode.present) render_channel_mode(r.channel_mode.value, out);
  if (r.frequency_list.present) render_frequency_list_after_time(r.frequency_list.value, out);
  if (r.mobile_allocation.present) render_mobile_allocation(r.mobile_allocation.value, out);
  if (r.starting_time.present) render_starting_time(r.starting_time.value, out);
  if (r.uplink_assignment.present) render_rr_packet_uplink_assignment(r.uplink_assignment.value, out);
  if (r.downlink_assignment.present) render_rr_packet_downlink_assignment(r.downlink_assignment.value, out);
  if (r.multirate.present) render_multirate_configuration(r.multirate.value, out);
  return close_message_frame(out, tag);
}

int render_gprs_suspension_request(const GprsSuspensionRequest& r, OutputText& out, const char* tag) {
  constexpr ValueText kCauses[] = {
      {0, "Emergency call"},
      {1, "Location Area Update"},
      {2, "MO Short message service"},
      {3, "Other procedure which can be completed with anSDCCH"},
      {4, "MO Voice broadcast or group call"},
      {5, "Mobile terminating CS connection"},
      {6, "DTM not supported in the cell"},
  };
  static_assert(well_formed(kCauses));
  open_message_frame(out, tag);
  render_rr_tlli(r.tlli, out);
  render_rr_routing_area(r.routing_area, out);
  out.append("<Suspension_Cause>\n");
  out.append("<Suspension_cause_value>\n");
  append_value_text(text_or(kCauses, r.cause, "Emergency call"), out, r.cause, 1);
  out.append("</Suspension_cause_value>\n");
  out.append("</Suspension_Cause>\n");
  return close_message_frame(out, tag);
}

int render_dtm_information(const DtmInformation& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_rr_routing_area(r.routing_area, out);
  render_dtm_information_details(r.details, out);
  return close_message_frame(out, tag);
}

}  // namespace l3
