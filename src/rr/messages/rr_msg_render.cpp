#include <iterator>

#include "rr/messages/rr_msg.h"
#include "rr/messages/rr_msg_records.h"
#include "rr/rest_octets/paging_rest_octets.h"
#include "rr/si/si_elements.h"

namespace l3 {

void render_rr_cause_element(uint8_t cause, OutputText& out) {
  out.append("<RR_Cause>\n");
  render_rr_cause_value(cause, out);
  out.append("</RR_Cause>\n");
}

namespace {

void render_fpc(uint8_t fpc, OutputText& out) { render_boolean_field(out, "FPC", fpc, "FPC not in use", "FPC in use"); }

void render_power_command(uint8_t fpc, uint8_t level, OutputText& out) {
  out.append("<Power_Command>\n");
  render_fpc(fpc, out);
  write_field_u8("POWER_LEVEL", level, out, 0);
  out.append("</Power_Command>\n");
}

void render_packet_channel_description(const PacketChannelDescription& d, OutputText& out) {
  out.append("<Packet_Channel_Description>\n");
  write_field_u8("Channel_type", d.chan_type, out, 0);
  write_field_u8("TN", d.tn, out, 0);
  write_field_u8("TSC", d.tsc, out, 0);
  if (d.hopping) {
    write_field_u8("MAIO", d.maio, out, 0);
    write_field_u8("HSN ", d.hsn, out, 0);
  } else if (!d.indirect) {
    write_field_u16("ARFCN", d.arfcn, out, 0);
  } else {
    write_field_u8("MAIO", d.maio, out, 0);
    out.append("<MA_NUMBER_IND>\n");
    append_value_text(d.ma_number_ind == 1 ? "MA_NUMBER equel 15" : "MA_NUMBER equel 14", out, d.ma_number_ind, 1);
    out.append("</MA_NUMBER_IND>\n");
    write_field_u8("CHANGE_MARK_1", d.change_mark_1, out, 0);
  }
  out.append("</Packet_Channel_Description>\n");
}

void render_vgcs_target_mode(const VgcsTargetMode& v, OutputText& out) {
  out.append("<VGCS_target_mode_Indication>\n");
  write_field_u8("Length_of_VGCS_target_mode_Indic.", v.length, out, 0);
  out.append("<Target_mode>\n");
  const char* text = v.target_mode == 0   ? "dedicated mode"
                     : v.target_mode == 1 ? "group transmit mode"
                                          : "reserved_for_future_use.";
  append_value_text(text, out, v.target_mode, 1);
  out.append("</Target_mode>\n");
  render_group_cipher_key_number(v.key_number, out);
  out.append("</VGCS_target_mode_Indication>\n");
}

void render_mobile_time_difference(const MobileObservedTimeDifference& m, OutputText& out) {
  out.append("<Mobile_Observed_Time_Difference>\n");
  write_field_u8("lenth", m.length, out, 0);
  write_field_int("value", static_cast<int32_t>(m.value), out, 0);
  out.append("</Mobile_Observed_Time_Difference>\n");
}

}  // namespace

int render_additional_assignment(const AdditionalAssignment& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_channel_description(r.channel, out);
  if (r.mobile_allocation.present) render_mobile_allocation(r.mobile_allocation.value, out);
  if (r.starting_time.present) render_starting_time(r.starting_time.value, out);
  return close_message_frame(out, tag);
}

int render_rr_initialisation_request(const RrInitialisationRequest& r, OutputText& out, const char* tag) {
  constexpr ValueText kCs[] = {{0, "CS1"}, {1, "CS2"}, {2, "CS3"}, {3, "CS4"}};
  constexpr ValueText kMacMode[] = {
      {0, "Dynamic Allocation"},
      {1, "Extended Dynamic Allocation"},
      {2, "Fixed Allocation, not half duplex mode"},
      {3, "Fixed Allocation, half duplex mode"},
  };
  open_message_frame(out, tag);
  render_rr_cksn(r.cksn, out);
  out.append("<Channel_Coding_Requested>\n");
  out.append("<CS>\n");
  append_value_text(text_or(kCs, r.channel_coding, ""), out, r.channel_coding, 1);
  out.append("</CS>\n");
  out.append("<MAC_MODE>\n");
  append_value_text(text_or(kMacMode, r.mac_mode, ""), out, r.mac_mode, 1);
  out.append("</MAC_MODE>\n");
  out.append("</Channel_Coding_Requested>\n");
  render_classmark2(r.classmark2, out);
  render_rr_tlli(r.tlli, out);
  render_channel_request_description(r.request_description, out);
  render_gprs_measurement_results(r.measurement_results, out);
  return close_message_frame(out, tag);
}

int render_immediate_assignment(const ImmediateAssignment& r, OutputText& out, const char* tag) {
  const bool dedicated = !r.td && !r.downlink && !r.tma;
  const bool tbf = r.td && !r.tma;
  const char* text;
  if (!r.td) {
    text = dedicated ? "assigns a dedicated mode resource" : "Not used";
  } else if (!r.tma) {
    text = r.downlink ? "assigns a downlink TBF to the mobile station identified in the IA Rest Octets IE"
                      : "assigns an uplink TBF or is the second message of two in a two message assignment of an "
                        "uplink or downlink TBF";
  } else {
    text = r.downlink ? "the first message of two in a two-message assignment of a downlink TBF to the mobile station "
                        "identified in the IA Rest Octets IE"
                      : "the first message of two in a two-message assignment of an uplink TBF";
  }
  open_message_frame(out, tag);
  render_page_mode_immediate(r.page_mode, out);
  out.append("<Dedicated_mode_or_TBF>\n");
  write_field_u8("TMA", r.tma, out, 0);
  write_field_u8("downlink ", r.downlink, out, 0);
  write_field_u8("T_D", r.td, out, 0);
  out.append(text);
  out.append("</Dedicated_mode_or_TBF>\n");
  if (dedicated) render_channel_description(r.channel, out);
  if (tbf) render_packet_channel_description(r.packet_channel, out);
  render_request_reference(r.request_reference, out);
  render_timing_advance(r.timing_advance, out);
  if (r.mobile_allocation_taken) render_mobile_allocation(r.mobile_allocation, out);
  if (r.starting_time.present) render_starting_time(r.starting_time.value, out);
  if (r.rest.present) render_ia_rest_octets(r.rest, out);
  return close_message_frame(out, tag);
}

int render_immediate_assignment_extended(const ImmediateAssignmentExtended& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_page_mode_immediate(r.page_mode, out);
  render_channel_description(r.channel1, out);
  render_request_reference(r.request_reference1, out);
  render_timing_advance(r.timing_advance1, out);
  render_channel_description(r.channel2, out);
  render_request_reference(r.request_reference2, out);
  render_timing_advance(r.timing_advance2, out);
  render_mobile_allocation(r.mobile_allocation, out);
  if (r.starting_time.present) render_starting_time(r.starting_time.value, out);
  return close_message_frame(out, tag);
}

int render_immediate_assignment_reject(const ImmediateAssignmentReject& r, OutputText& out, const char* tag) {
  constexpr const char* kWait[] = {"Wait_Indication1", "Wait_Indication2", "Wait_Indication3", "Wait_Indication4"};
  open_message_frame(out, tag);
  render_page_mode(r.page_mode, out);
  for (uint32_t i = 0; i < 4; ++i) {
    render_request_reference(r.request_reference[i], out);
    write_field_u8(kWait[i], r.wait_indication[i], out, 0);
  }
  if (r.rest.present) render_iar_rest_octets(r.rest, out);
  return close_message_frame(out, tag);
}

int render_rr_cause_message(const RrCauseMessage& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_rr_cause_element(rec.cause, out);
  return close_message_frame(out, tag);
}

int render_rr_cause_only(const RrCauseMessage& rec, OutputText& out, const char*) {
  render_rr_cause_element(rec.cause, out);
  return 1;
}

int render_dtm_reject(const RrOneOctetMessage& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  write_field_u8("DTM wait indication", rec.value, out, 0);
  return close_message_frame(out, tag);
}

int render_physical_information(const RrOneOctetMessage& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  out.append("<Timing_Advance>\n");
  write_field_u8("value", rec.value, out, 0);
  out.append("</Timing_Advance>\n");
  return close_message_frame(out, tag);
}

int render_channel_request(const RrOneOctetMessage& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  out.append("<AccordingtoEstablishmentcause>\n");
  append_value_note(rec.value, out, 0);
  out.append("</AccordingtoEstablishmentcause>\n");
  return close_message_frame(out, tag);
}

int render_rr_empty_message(const RrEmptyMessage&, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  return close_message_frame(out, tag);
}

int render_handover_complete(const HandoverComplete& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_rr_cause_element(r.cause, out);
  if (r.time_difference.present) render_mobile_time_difference(r.time_difference.value, out);
  return close_message_frame(out, tag);
}

int render_ciphering_mode_command(const CipheringModeCommand& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_cipher_mode_setting(r.setting, out);
  out.append("<Cipher_Response>\n");
  append_value_text(r.cipher_response == 1 ? "IMEISV shall be included" : "IMEISV shall not be included", out,
                    r.cipher_response, 1);
  out.append("</Cipher_Response>\n");
  return close_message_frame(out, tag);
}

int render_ciphering_mode_complete(const CipheringModeComplete& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  if (r.identity.present) render_mobile_identity(r.identity.value, out);
  return close_message_frame(out, tag);
}

int render_configuration_change_command(const ConfigurationChangeCommand& r, OutputText& out, const char* tag) {
  constexpr const char* kSets[] = {"Mode_of_Channel_Set1", "Mode_of_Channel_Set2", "Mode_of_Channel_Set3",
                                   "Mode_of_Channel_Set4", "Mode_of_Channel_Set5", "Mode_of_Channel_Set6",
                                   "Mode_of_Channel_Set7", "Mode_of_Channel_Set8"};
  open_message_frame(out, tag);
  render_multislot_allocation(r.multislot, out);
  for (uint32_t i = 0; i < std::size(kSets); ++i) {
    if (!r.channel_set_mode[i].present) continue;
    open_tag_named(out, kSets[i]);
    render_channel_mode(r.channel_set_mode[i].value, out);
    close_tag_named(out, kSets[i]);
  }
  return close_message_frame(out, tag);
}

namespace {

constexpr ValueText kSiTexts[] = {
    {0, "Non-synchronized"}, {1, "Synchronized"}, {2, "Pre-synchronised"}, {3, "Pseudo-synchronised"}};

void render_sync_indication(uint8_t v, OutputText& out) {
  const uint8_t nci = (v >> 3) & 1;
  const uint8_t rot = (v >> 2) & 1;
  const uint8_t si = v & 3;
  out.append("<Synchronization_Indication>\n");
  out.append("<ROT>\n");
  append_value_text(rot == 1 ? "Mobile_Time_Difference_IE_shall_be_included..in_the_HANDOVER_COMPLETE_message"
                             : "Mobile_Time_Difference_IE_shall_not_be_included..in_the_HANDOVER_COMPLETE_message",
                    out, rot, 1);
  out.append("</ROT>\n");
  out.append("<SI>\n");
  append_value_text(text_or(kSiTexts, si, ""), out, si, 1);
  out.append("</SI>\n");
  out.append("<NCI>\n");
  append_value_text(nci == 1 ? "Out_of_range_timing_advance_shall_trigger_a_handover_failure_procedure"
                             : "Out_of_range_timing_advance_is_ignored",
                    out, nci, 1);
  out.append("</NCI>\n");
  out.append("</Synchronization_Indication>\n");
}

// The channel set modes: set 1 is the mode of the first channel; sets 2 and 3
// close normally, sets 4 to 8 repeat their open tag as the closing line.
void render_channel_set_modes(const Opt<uint8_t> (&modes)[8], OutputText& out) {
  constexpr const char* kOpen[] = {"<Mode_of_the_First_Channe>\n", "<Mode_of_Channel_Set_2>\n",
                                   "<Mode_of_Channel_Set_3>\n",    "<Mode_of_Channel_Set_4>\n",
                                   "<Mode_of_Channel_Set_5>\n",    "<Mode_of_Channel_Set_6>\n",
                                   "<Mode_of_Channel_Set_7>\n",    "<Mode_of_Channel_Set_8>\n"};
  constexpr const char* kClose[] = {"</Mode_of_the_First_Channe>\n", "</Mode_of_Channel_Set_2>\n",
                                    "</Mode_of_Channel_Set_3>\n"};
  for (uint32_t i = 0; i < std::size(kOpen); ++i) {
    if (!modes[i].present) continue;
    append_tag_text(out, kOpen[i]);
    render_channel_mode(modes[i].value, out);
    append_tag_text(out, i < std::size(kClose) ? kClose[i] : kOpen[i]);
  }
}

int render_assign_or_handover(const AssignOrHandoverCommand& r, OutputText& out, const char* tag, bool handover) {
  open_message_frame(out, tag);
  if (handover) render_cell_description(r.cell, out);
  open_tag_named(out, "Description of the first channel, after time");
  render_channel_description2(r.first_channel_after, out);
  close_tag_named(out, "Description of the first channel, after time");
  if (!handover) {
    render_power_command(r.power.fpc, r.power.power_level, out);
  } else {
    write_field_u8("Handover_Reference", r.handover_reference, out, 0);
    out.append("<Power_Command_and_access_type>\n");
    out.append("<ATC>\n");
    append_value_text(
        r.power.atc == 1 ? "Sending_of_Handover_access_is_optional" : "Sending_of_Handover_access_is_mandatory", out,
        r.power.atc, 1);
    out.append("</ATC>\n");
    render_fpc(r.power.fpc, out);
    write_field_u8("POWER_LEVEL", r.power.power_level, out, 0);
    out.append("</Power_Command_and_access_type>\n");
    if (r.sync_indication.present) render_sync_indication(r.sync_indication.value, out);
    if (r.short_list_after.present) render_frequency_short_list(r.short_list_after.value, out);
  }
  if (r.list_after.present) render_frequency_list_after_time(r.list_after.value, out);
  if (r.cell_channel.present) render_cell_channel_description(r.cell_channel.value, out);
  if (r.multislot.present) render_multislot_allocation(r.multislot.value, out);
  render_channel_set_modes(r.channel_set_mode, out);
  if (r.second_channel_after.present) {
    open_tag_named(out, "Description of the Second Channel, after time");
    render_channel_description(r.second_channel_after.value, out);
    close_tag_named(out, "Description of the Second Channel, after time");
  }
  if (r.second_channel_mode.present) {
    open_tag_named(out, "Mode of the Second Channel");
    render_channel_mode2(r.second_channel_mode.value, out);
    close_tag_named(out, "Mode of the Second Channel");
  }
  if (handover && r.sequence_after.present) {
    open_tag_named(out, "Frequency Channel Sequence, after time");
    render_frequency_channel_sequence(r.sequence_after.value, out);
    close_tag_named(out, "Frequency Channel Sequence, after time");
  }
  if (r.ma_after.present) {
    open_tag_named(out, "Mobile Allocation, after time");
    render_mobile_allocation(r.ma_after.value, out);
    close_tag_named(out, "Mobile Allocation, after time");
  }
  if (r.starting_time.present) render_starting_time(r.starting_time.value, out);
  if (handover) {
    if (r.real_time_difference.present) render_time_difference(r.real_time_difference.value, out);
    if (r.timing_advance.present) render_timing_advance(r.timing_advance.value, out);
    if (r.short_list_before.present) {
      // The before-time short list shows its wrapper only.
      open_tag_named(out, "Frequency Short List, before time");
      close_tag_named(out, "Frequency Short List, before time");
    }
  }
  if (r.list_before.present) {
    open_tag_named(out, "Frequency List, before time");
    render_frequency_list_after_time(r.list_before.value, out);
    close_tag_named(out, "Frequency List, before time");
  }
  if (r.first_channel_before.present) {
    open_tag_named(out, "Description of the First Channel, before time");
    render_channel_description2(r.first_channel_before.value, out);
    close_tag_named(out, "Description of the First Channel, before time");
  }
  if (r.second_channel_before.present) {
    open_tag_named(out, "Description of the Second Channel, before time");
    render_channel_description(r.second_channel_before.value, out);
    close_tag_named(out, "Description of the Second Channel, before time");
  }
  if (r.sequence_before.present) {
    open_tag_named(out, "Frequency channel sequence before time");
    render_frequency_channel_sequence(r.sequence_before.value, out);
    close_tag_named(out, "Frequency channel sequence before time");
  }
  if (r.ma_before.present) {
    open_tag_named(out, "Mobile Allocation, before time");
    render_mobile_allocation(r.ma_before.value, out);
    close_tag_named(out, "Mobile Allocation, before time");
  }
  if (r.cipher_mode.present) render_cipher_mode_setting(r.cipher_mode.value, out);
  if (r.vgcs_target_mode.present) render_vgcs_target_mode(r.vgcs_target_mode.value, out);
  if (r.multirate.present) render_multirate_configuration(r.multirate.value, out);
  if (handover && r.dynamic_arfcn_mapping.present)
    render_dynamic_arfcn_mapping_element(r.dynamic_arfcn_mapping.value, out);
  return close_message_frame(out, tag);
}

}  // namespace

int render_assignment_command(const AssignOrHandoverCommand& rec, OutputText& out, const char* tag) {
  return render_assign_or_handover(rec, out, tag, false);
}

int render_handover_command(const AssignOrHandoverCommand& rec, OutputText& out, const char* tag) {
  return render_assign_or_handover(rec, out, tag, true);
}

namespace {

void render_gprs_broadcast_information(const GprsBroadcastInformation& g, OutputText& out) {
  out.append("<GSM_GPRS_Broadcast_Information>\n");
  write_field_u8("Length", g.length, out, 0);
  out.append("<GPRS_Cell_Options>\n");
  write_field_u8("NMO", g.options.nmo, out, 0);
  write_field_u8("T3168", g.options.t3168, out, 0);
  render_t3192(g.options.t3192, out);
  write_field_u8("DRX_TIMER_MAX", g.options.drx_timer_max, out, 0);
  write_field_u8("ACCESS_BURST_TYPE", g.options.access_burst_type, out, 0);
  write_field_u8("CONTROL_ACK_TYPE", g.options.control_ack_type, out, 0);
  write_field_u8("BS_CV_MAX", g.options.bs_cv_max, out, 0);
  if (g.options.pan_present) {
    write_field_u8("PAN_DEC", g.options.pan_dec, out, 0);
    write_field_u8("PAN_INC", g.options.pan_inc, out, 0);
    write_field_u8("PAN_MAX", g.options.pan_max, out, 0);
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
    write_field_u8("Length", g.options.extension_length, out, 0);
    for (uint32_t i = 0; i < g.extension_count && i < std::size(g.extension_kind); ++i) {
      if (g.extension_kind[i] < std::size(kNames))
        write_field_u8(kNames[g.extension_kind[i]], g.extension_value[i], out, 0);
    }
    out.append("</Extension_Information>\n");
  }
  out.append("</GPRS_Cell_Options>\n");
  out.append("<GPRS_Power_Control>\n");
  render_rr_alpha(g.power_control.alpha, out);
  write_field_u8("T_AVG_W", g.power_control.t_avg_w, out, 0);
  write_field_u8("T_AVG_T", g.power_control.t_avg_t, out, 0);
  write_field_u8("PC_MEAS_CHAN", g.power_control.pc_meas_chan, out, 0);
  write_field_u8("N_AVG_I", g.power_control.n_avg_i, out, 0);
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

int render_rr_cell_change_order(const RrCellChangeOrder& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_cell_description(r.cell, out);
  out.append("<NC_mode>\n");
  if (r.nc_mode == 3) {
    append_value_text("information on NC mode to be gathered from the target cell", out, 3, 1);
  } else {
    write_field_u8("NC", r.nc_mode, out, 0);
  }
  out.append("</NC_mode>\n");
  if (r.target_3g_cell.present) render_3g_target_cell(r.target_3g_cell.value, out);
  return close_message_frame(out, tag);
}

int render_pdch_assignment_command(const PdchAssignmentCommand& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  out.append("<Description_of_the_Channel_after_time>\n");
  render_channel_description(r.channel, out);
  out.append("</Description_of_the_Channel_after_time>\n");
  if (r.cell_channel.present) render_cell_channel_description(r.cell_channel.value, out);
  if (r.list_after.present) {
    out.append("<Frequency_List_after_time>\n");
    render_frequency_list_after_time(r.list_after.value, out);
    out.append("</Frequency_List_after_time>\n");
  }
  if (r.ma_after.present) {
    out.append("<Mobile_Allocation_after_time>\n");
    render_mobile_allocation(r.ma_after.value, out);
    out.append("</Mobile_Allocation_after_time>\n");
  }
  if (r.starting_time.present) render_starting_time(r.starting_time.value, out);
  if (r.list_before.present) {
    out.append("<Frequency_List_before_time>\n");
    render_frequency_list_after_time(r.list_before.value, out);
    out.append("</Frequency_List_before_time>\n");
  }
  if (r.channel_before.present) {
    out.append("<Description_of_the_Channel_before_time>\n");
    render_channel_description(r.channel_before.value, out);
    out.append("</Description_of_the_Channel_before_time>\n");
  }
  if (r.sequence_before.present) {
    out.append("<Frequency_channel_sequence_before_time>\n");
    render_frequency_channel_sequence(r.sequence_before.value, out);
    out.append("<Frequency_channel_sequence_before_time>\n");  // hosts expect the open tag again here
  }
  if (r.ma_before.present) {
    out.append("<Mobile_Allocation_before_time>\n");
    render_mobile_allocation(r.ma_before.value, out);
    out.append("</Mobile_Allocation_before_time>\n");
  }
  // The wrapper tags stand twice; the decoded element sits between them when it holds any octet.
  if (r.uplink_assignment.present) {
    out.append("<Uplink_Assignment>\n");
    if (r.uplink_assignment.value.length > 0) render_rr_packet_uplink_assignment(r.uplink_assignment.value, out);
    out.append("<Uplink_Assignment>\n");
  }
  if (r.downlink_assignment.present) {
    out.append("<Downlink_Assignment>\n");
    if (r.downlink_assignment.value.length > 0) {
      render_rr_packet_downlink_assignment(r.downlink_assignment.value, out);
    }
    out.append("<Downlink_Assignment>\n");
  }
  out.append("</PDCH_ASSIGNMENT_COMMAND>/n");  // hosts match this closing line as it stands
  return 1;
}

namespace {

void render_group_channel_description(const GroupChannelDescription& g, OutputText& out) {
  out.append("<Group_Channel_Description>\n");
  write_field_u8("Length", g.length, out, 0);
  render_channel_description(g.channel, out);
  if (g.ma.length > 0) render_mobile_allocation(g.ma, out);
  out.append("</Group_Channel_Description>\n");
}

}  // namespace

int render_channel_release(const ChannelRelease& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_rr_cause_element(r.cause, out);
  if (r.ba_range.present) render_ba_range(r.ba_range.value, out);
  if (r.group_channel.present) render_group_channel_description(r.group_channel.value, out);
  if (r.group_cipher_key_number.present) render_group_cipher_key_number(r.group_cipher_key_number.value, out);
  if (r.gprs_resumption.present) {
    const uint8_t ack = r.gprs_resumption.value;
    out.append("<GPRS_Resumption>\n");
    out.append("<ACK>\n");
    append_value_text(ack == 1 ? "resumption of GPRS services successfully acknowledged"
                               : "resumption of GPRS services not successfully acknowledged",
                      out, ack, 1);
    out.append("</ACK>\n");
    out.append("</GPRS_Resumption>\n");
  }
  if (r.ba_list_pref.present) render_ba_list_pref(r.ba_list_pref.value, out);
  if (r.utran_freq_list.present) render_utran_freq_list(r.utran_freq_list.value, out);
  if (r.cell_channel.present) render_cell_channel_description(r.cell_channel.value, out);
  return close_message_frame(out, tag);
}

int render_partial_release(const RrChannelOnlyMessage& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_channel_description(rec.channel, out);
  return close_message_frame(out, tag);
}

namespace {

template <class R>
void render_paging_head(const R& r, OutputText& out) {
  render_page_mode(r.page_mode, out);
  out.append("<Channels_Needed_for_Mobiles1_and_2>\n");
  write_field_u8("CHANNEL_first", r.channel_first, out, 0);
  write_field_u8("CHANNEL_second", r.channel_second, out, 0);
  out.append("</Channels_Needed_for_Mobiles1_and_2>\n");
}

void render_numbered_tmsi(uint32_t i, uint32_t tmsi, OutputText& out) {
  constexpr const char* kOpen[] = {"<MobileIdentity1>\n", "<MobileIdentity2>\n", "<MobileIdentity3>\n",
                                   "<MobileIdentity4>\n"};
  constexpr const char* kClose[] = {"</MobileIdentity1>\n", "</MobileIdentity2>\n", "</MobileIdentity3>\n",
                                    "</MobileIdentity4>\n"};
  if (i >= std::size(kOpen)) return;
  out.append(kOpen[i]);
  render_rr_tmsi(tmsi, out);
  out.append(kClose[i]);
}

}  // namespace

int render_paging_request1(const PagingRequest1& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_paging_head(r, out);
  render_mobile_identity(r.identity1, out);
  if (r.identity2.present) render_mobile_identity(r.identity2.value, out);
  if (r.rest.present) render_p1_rest_octets(r.rest, out);
  return close_message_frame(out, tag);
}

int render_paging_request2(const PagingRequest2& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_paging_head(r, out);
  render_numbered_tmsi(0, r.tmsi1, out);
  render_numbered_tmsi(1, r.tmsi2, out);
  if (r.identity3.present) render_mobile_identity(r.identity3.value, out);
  if (r.rest.present) render_p2_rest_octets(r.rest, out);
  return close_message_frame(out, tag);
}

int render_paging_request3(const PagingRequest3& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_paging_head(r, out);
  for (uint32_t i = 0; i < std::size(r.tmsi); ++i) render_numbered_tmsi(i, r.tmsi[i], out);
  if (r.rest.present) render_p3_rest_octets(r.rest, out);
  return close_message_frame(out, tag);
}

int render_paging_response(const PagingResponse& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_rr_cksn(r.cksn, out);
  render_classmark2(r.classmark2, out);
  render_mobile_identity(r.identity, out);
  return close_message_frame(out, tag);
}

int render_notification_nch(const NotificationNch& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_nt_n_rest_octets(rec, out);
  return close_message_frame(out, tag);
}

int render_rr_notification_response(const RrNotificationResponse& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_classmark2(r.classmark2, out);
  render_mobile_identity(r.identity, out);
  render_rr_group_call_ref(r.group_call, out);
  return close_message_frame(out, tag);
}

int render_packet_notification(const PacketNotification& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  if (r.identity.present) render_mobile_identity(r.identity.value, out);
  if (r.ptmsi.present) render_rr_tmsi(r.ptmsi.value, out);
  return close_message_frame(out, tag);
}

int render_channel_mode_modify(const ChannelModeModify& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_channel_description2(r.channel, out);
  render_channel_mode(r.mode, out);
  if (r.vgcs_target_mode.present) render_vgcs_target_mode(r.vgcs_target_mode.value, out);
  if (r.multirate.present) render_multirate_configuration(r.multirate.value, out);
  return close_message_frame(out, tag);
}

int render_channel_mode_modify_ack(const ChannelModeModify& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_channel_description2(r.channel, out);
  render_channel_mode(r.mode, out);
  return close_message_frame(out, tag);
}

int render_frequency_redefinition(const FrequencyRedefinition& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_channel_description2(r.channel, out);
  render_mobile_allocation(r.mobile_allocation, out);
  render_starting_time(r.starting_time, out);
  if (r.cell_channel.present) render_cell_channel_description(r.cell_channel.value, out);
  return close_message_frame(out, tag);
}

int render_measurement_report(const MeasurementReport& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_measurement_results(rec.results, out);
  return close_message_frame(out, tag);
}

int render_classmark_change(const ClassmarkChange& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_classmark2(r.classmark2, out);
  if (r.classmark3.present) render_classmark3(r.classmark3, out);
  return close_message_frame(out, tag);
}

int render_classmark_enquiry(const ClassmarkEnquiry& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  if (r.mask.present) {
    const uint8_t utran = (r.mask.value >> 4) & 0x07;
    out.append("<Classmark_Enquiry_Mask>\n");
    write_field_u8("CLASSMARK_CHANGE", r.mask.value >> 7, out, 0);
    out.append("<UTRAN_CLASSMARK_CHANGE>\n");
    const char* text = utran == 0   ? "UTRAN CLASSMARK CHANGE message is requested"
                       : utran == 7 ? "UTRAN CLASSMARK CHANGE message is not requested"
                                    : "Not be sent";
    append_value_text(text, out, utran, 1);
    out.append("</UTRAN_CLASSMARK_CHANGE>\n");
    out.append("</Classmark_Enquiry_Mask>\n");
  }
  return close_message_frame(out, tag);
}

int render_extended_measurement_report(const ExtendedMeasurementReport& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_extended_measurement_results(rec.results, out);
  return close_message_frame(out, tag);
}

int render_extended_measurement_order(const ExtendedMeasurementOrder& rec, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_extended_measurement_frequency_list(rec.list, out);
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

int render_vgcs_uplink_grant(const VgcsUplinkGrant& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_request_reference(r.request_reference, out);
  render_timing_advance(r.timing_advance, out);
  return close_message_frame(out, tag);
}

int render_talker_indication(const TalkerIndication& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_classmark2(r.classmark2, out);
  render_mobile_identity(r.identity, out);
  return close_message_frame(out, tag);
}

int render_application_information(const ApplicationInformation& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  out.append("<APDU_ID>\n");
  out.append("<Protocol_identifier>\n");
  append_value_text(r.apdu_id == 0 ? "RRLP" : "reserved", out, r.apdu_id, 1);
  out.append("</Protocol_identifier>\n");
  out.append("</APDU_ID>\n");
  out.append("<APDU_Flags>\n");
  // Flag bits: C/R 3, first segment 2, last segment 1.
  render_boolean_field(out, "Last Segment", r.apdu_flags & 1, "Last or only segment", "Not last or only segment");
  render_boolean_field(out, "First Segment", (r.apdu_flags >> 1) & 1, "First or only segment",
                       "Not first or only segment");
  render_boolean_field(out, "C_R", (r.apdu_flags >> 2) & 1, "Command or Final Response",
                       "Not Command or Final Response");
  out.append("<C_R>\n");
  out.append("spare");
  out.append("</C_R>\n");
  out.append("</APDU_Flags>\n");
  out.append("<APDU_Data>\n");
  write_field_u8("length", r.data.count, out, 0);
  for (uint32_t i = 1; i <= r.data.count && i < std::size(r.data.octets); ++i) {
    write_field_u8("APDUInformation", r.data.octets[i], out, 0);
  }
  out.append("</APDU_Data>\n");
  return close_message_frame(out, tag);
}

}  // namespace l3
