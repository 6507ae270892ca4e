#include "rr/messages/assignment_handover.h"

#include <array>
#include <iterator>

#include "core/output.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/common_elements.h"
#include "rr/elements/measurement_elements.h"
#include "rr/elements/packet_elements.h"
#include "rr/elements/value_elements.h"
#include "rr/messages/message_parts.h"

namespace l3 {

using namespace rr_parts;

namespace {

template <class R, size_t I>
void take_set_mode(R& r, const IeView& ie) {
  r.channel_set_mode[I].present = 1;
  r.channel_set_mode[I].value = ie.length > 0 ? ie.value[0] : 0;
}

template <class R>
void take_cipher_mode(R& r, const IeView& ie) {
  r.cipher_mode.present = 1;
  r.cipher_mode.value = cipher_mode_setting_of(ie.iei_octet);
}

}  // namespace

void parse_handover_complete(HandoverComplete& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = HandoverComplete;
  static constexpr OptionalIe<R> kIes[] = {
      {0x77, IeForm::tlv, 0,
       kLed<R, MobileObservedTimeDifference, &R::time_difference, decode_mobile_observed_time_difference>},
  };
  MessageReader in(msg, len);
  if (!in.take_octet(r.cause)) return;
  walk_optional<R>(r, in, kIes);
}

void parse_configuration_change_command(ConfigurationChangeCommand& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = ConfigurationChangeCommand;
  static constexpr OptionalIe<R> kIes[] = {
      {0x63, IeForm::tv, 1, take_set_mode<R, 0>}, {0x11, IeForm::tv, 1, take_set_mode<R, 1>},
      {0x13, IeForm::tv, 1, take_set_mode<R, 2>}, {0x14, IeForm::tv, 1, take_set_mode<R, 3>},
      {0x15, IeForm::tv, 1, take_set_mode<R, 4>}, {0x16, IeForm::tv, 1, take_set_mode<R, 5>},
      {0x17, IeForm::tv, 1, take_set_mode<R, 6>}, {0x18, IeForm::tv, 1, take_set_mode<R, 7>},
  };
  static_assert(ieis_unique<R>(kIes));
  MessageReader in(msg, len);
  if (!take_length_led(in, r.multislot, decode_multislot_allocation)) return;
  walk_optional<R>(r, in, kIes);
}

namespace {

using Aho = AssignOrHandoverCommand;

void take_sync_indication(Aho& r, const IeView& ie) {
  r.sync_indication.present = 1;
  r.sync_indication.value = ie.iei_octet & 0x0F;
}

void take_short_list_after(Aho& r, const IeView& ie) {
  r.short_list_after.present = 1;
  decode_frequency_short_list(r.short_list_after.value, ie.value_bits());
}

void take_short_list_before(Aho& r, const IeView& ie) {
  r.short_list_before.present = 1;
  decode_frequency_short_list(r.short_list_before.value, ie.value_bits());
}

// The elements HANDOVER COMMAND knows; ASSIGNMENT COMMAND knows the same set
// without the handover-only rows below, so its walk stops at those IEIs.
constexpr OptionalIe<Aho> kHandoverCommandIes[] = {
    {0x01, IeForm::tlv, 0, kLed<Aho, VgcsTargetMode, &Aho::vgcs_target_mode, decode_vgcs_target_mode>},
    {0x02, IeForm::tv, 9, take_short_list_after},
    {0x03, IeForm::tlv, 0, kLed<Aho, MultiRateConfiguration, &Aho::multirate, decode_multirate_configuration>},
    {0x05, IeForm::tlv, 0, kLed<Aho, FrequencyList, &Aho::list_after, decode_frequency_list>},
    {0x10, IeForm::tlv, 0, kLed<Aho, MultislotAllocation, &Aho::multislot, decode_multislot_allocation>},
    {0x11, IeForm::tv, 1, take_set_mode<Aho, 1>},
    {0x12, IeForm::tv, 9, take_short_list_before},
    {0x13, IeForm::tv, 1, take_set_mode<Aho, 2>},
    {0x14, IeForm::tv, 1, take_set_mode<Aho, 3>},
    {0x15, IeForm::tv, 1, take_set_mode<Aho, 4>},
    {0x16, IeForm::tv, 1, take_set_mode<Aho, 5>},
    {0x17, IeForm::tv, 1, take_set_mode<Aho, 6>},
    {0x18, IeForm::tv, 1, take_set_mode<Aho, 7>},
    {0x19, IeForm::tlv, 0, kLed<Aho, FrequencyList, &Aho::list_before, decode_frequency_list>},
    {0x1C, IeForm::tv, 3, kValue<Aho, ChannelDescription, &Aho::first_channel_before, decode_channel_description>},
    {0x1D, IeForm::tv, 3, kValue<Aho, ChannelDescription, &Aho::second_channel_before, decode_channel_description>},
    {0x1E, IeForm::tv, 9,
     kValue<Aho, FrequencyChannelSequence, &Aho::sequence_before, decode_frequency_channel_sequence>},
    {0x21, IeForm::tlv, 0, kLed<Aho, MobileAllocation, &Aho::ma_before, decode_mobile_allocation>},
    {0x62, IeForm::tv, 16, kValue<Aho, FrequencyList, &Aho::cell_channel, decode_cell_channel_description>},
    {0x63, IeForm::tv, 1, take_set_mode<Aho, 0>},
    {0x64, IeForm::tv, 3, kValue<Aho, ChannelDescription, &Aho::second_channel_after, decode_channel_description>},
    {0x66, IeForm::tv, 1, store_octet<Aho, &Aho::second_channel_mode>},
    {0x69, IeForm::tv, 9,
     kValue<Aho, FrequencyChannelSequence, &Aho::sequence_after, decode_frequency_channel_sequence>},
    {0x72, IeForm::tlv, 0, kLed<Aho, MobileAllocation, &Aho::ma_after, decode_mobile_allocation>},
    {0x76, IeForm::tlv, 0,
     kLed<Aho, DynamicArfcnMappingElement, &Aho::dynamic_arfcn_mapping, decode_dynamic_arfcn_mapping_element>},
    {0x7B, IeForm::tlv, 0, kLed<Aho, TimeDifference, &Aho::real_time_difference, decode_time_difference>},
    {0x7C, IeForm::tv, 2, kValue<Aho, StartingTime, &Aho::starting_time, decode_starting_time>},
    {0x7D, IeForm::tv, 1, store_octet<Aho, &Aho::timing_advance>},
    {0x90, IeForm::half, 0, take_cipher_mode<Aho>},
    {0xD0, IeForm::half, 0, take_sync_indication},
};

static_assert(ieis_unique<Aho>(kHandoverCommandIes));

constexpr uint8_t kHandoverOnlyIeis[] = {0x02, 0x12, 0x69, 0x76, 0x7B, 0x7D, 0xD0};

constexpr bool handover_only(uint8_t iei) {
  for (uint8_t h : kHandoverOnlyIeis) {
    if (h == iei) return true;
  }
  return false;
}

constexpr auto kAssignmentCommandIes = [] {
  std::array<OptionalIe<Aho>, std::size(kHandoverCommandIes) - std::size(kHandoverOnlyIeis)> rows{};
  size_t n = 0;
  for (const OptionalIe<Aho>& row : kHandoverCommandIes) {
    if (!handover_only(row.iei)) rows[n++] = row;
  }
  return rows;
}();

constexpr size_t handover_only_rows() {
  size_t n = 0;
  for (const OptionalIe<Aho>& row : kHandoverCommandIes) n += handover_only(row.iei) ? 1 : 0;
  return n;
}

static_assert(handover_only_rows() == std::size(kHandoverOnlyIeis));  // no empty row left in the filtered table

}  // namespace

void parse_assignment_command(AssignOrHandoverCommand& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_fixed(in, 3, r.first_channel_after, decode_channel_description)) return;
  if (!take_fixed(in, 1, r.power, decode_power_command_access_type)) return;
  walk_optional<Aho>(r, in, kAssignmentCommandIes);
}

void parse_handover_command(AssignOrHandoverCommand& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_fixed(in, 2, r.cell, decode_cell_description)) return;
  if (!take_fixed(in, 3, r.first_channel_after, decode_channel_description)) return;
  if (!in.take_octet(r.handover_reference)) return;
  if (!take_fixed(in, 1, r.power, decode_power_command_access_type)) return;
  walk_optional<Aho>(r, in, kHandoverCommandIes);
}

void parse_rr_cell_change_order(RrCellChangeOrder& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_fixed(in, 2, r.cell, decode_cell_description)) return;
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.nc_mode = o & 0x03;
  if (!at_iei(in, 0x19)) return;
  in.skip(1);
  BitBuffer b;
  if (!in.take_lv_led(b)) return;
  r.target_3g_cell.present = 1;
  decode_3g_target_cell(r.target_3g_cell.value, b);
}

void parse_pdch_assignment_command(PdchAssignmentCommand& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = PdchAssignmentCommand;
  static constexpr OptionalIe<R> kIes[] = {
      {0x05, IeForm::tlv, 0, kLed<R, FrequencyList, &R::list_after, decode_frequency_list>},
      {0x19, IeForm::tlv, 0, kLed<R, FrequencyList, &R::list_before, decode_frequency_list>},
      {0x1C, IeForm::tv, 3, kValue<R, ChannelDescription, &R::channel_before, decode_channel_description>},
      {0x1E, IeForm::tv, 9,
       kValue<R, FrequencyChannelSequence, &R::sequence_before, decode_frequency_channel_sequence>},
      {0x21, IeForm::tlv, 0, kLed<R, MobileAllocation, &R::ma_before, decode_mobile_allocation>},
      {0x22, IeForm::tlv, 0,
       kLed<R, RrPacketUplinkAssignment, &R::uplink_assignment, decode_rr_packet_uplink_assignment>},
      {0x23, IeForm::tlv, 0,
       kLed<R, RrPacketDownlinkAssignment, &R::downlink_assignment, decode_rr_packet_downlink_assignment>},
      {0x62, IeForm::tv, 16, kValue<R, FrequencyList, &R::cell_channel, decode_cell_channel_description>},
      {0x72, IeForm::tlv, 0, kLed<R, MobileAllocation, &R::ma_after, decode_mobile_allocation>},
      {0x7C, IeForm::tv, 2, kValue<R, StartingTime, &R::starting_time, decode_starting_time>},
  };
  static_assert(ieis_unique<R>(kIes));
  MessageReader in(msg, len);
  if (!take_fixed(in, 3, r.channel, decode_channel_description)) return;
  walk_optional<R>(r, in, kIes);
}

void parse_frequency_redefinition(FrequencyRedefinition& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = FrequencyRedefinition;
  static constexpr OptionalIe<R> kIes[] = {
      {0x62, IeForm::tv, 16, kValue<R, FrequencyList, &R::cell_channel, decode_cell_channel_description>},
  };
  MessageReader in(msg, len);
  if (!take_fixed(in, 3, r.channel, decode_channel_description)) return;
  if (!take_length_led(in, r.mobile_allocation, decode_mobile_allocation)) return;
  if (!take_fixed(in, 2, r.starting_time, decode_starting_time)) return;
  walk_optional<R>(r, in, kIes);
}

namespace {

void render_mobile_time_difference(const MobileObservedTimeDifference& m, OutputText& out) {
  out.append("<Mobile_Observed_Time_Difference>\n");
  write_field_u8(L3_TAG("lenth"), m.length, out, 0);
  write_field_int(L3_TAG("value"), static_cast<int32_t>(m.value), out, 0);
  out.append("</Mobile_Observed_Time_Difference>\n");
}

}  // namespace

int render_handover_complete(const HandoverComplete& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_rr_cause_element(r.cause, out);
  if (r.time_difference.present) render_mobile_time_difference(r.time_difference.value, out);
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
    write_field_u8(L3_TAG("Handover_Reference"), r.handover_reference, out, 0);
    out.append("<Power_Command_and_access_type>\n");
    out.append("<ATC>\n");
    append_value_text(
        r.power.atc == 1 ? "Sending_of_Handover_access_is_optional" : "Sending_of_Handover_access_is_mandatory", out,
        r.power.atc, 1);
    out.append("</ATC>\n");
    render_fpc(r.power.fpc, out);
    write_field_u8(L3_TAG("POWER_LEVEL"), r.power.power_level, out, 0);
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

int render_rr_cell_change_order(const RrCellChangeOrder& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_cell_description(r.cell, out);
  out.append("<NC_mode>\n");
  if (r.nc_mode == 3) {
    append_value_text("information on NC mode to be gathered from the target cell", out, 3, 1);
  } else {
    write_field_u8(L3_TAG("NC"), r.nc_mode, out, 0);
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

int render_frequency_redefinition(const FrequencyRedefinition& r, OutputText& out, const char* tag) {
  open_message_frame(out, tag);
  render_channel_description2(r.channel, out);
  render_mobile_allocation(r.mobile_allocation, out);
  render_starting_time(r.starting_time, out);
  if (r.cell_channel.present) render_cell_channel_description(r.cell_channel.value, out);
  return close_message_frame(out, tag);
}

}  // namespace l3
