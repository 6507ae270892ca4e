#include <array>
#include <iterator>

#include "rr/messages/rr_msg.h"
#include "rr/messages/rr_msg_records.h"
#include "rr/rest_octets/paging_rest_octets.h"

namespace l3 {

namespace {

template <class R, class T, Opt<T> R::*M, void (*D)(T&, const BitBuffer&)>
constexpr auto kLed = decode_length_led<R, T, M, D>;
template <class R, class T, Opt<T> R::*M, void (*D)(T&, const BitBuffer&)>
constexpr auto kValue = decode_value<R, T, M, D>;

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

// Mobile station classmark 2 in its fixed form: length octet skipped, three
// value octets decoded.
bool take_classmark2_fixed(MessageReader& in, Classmark2& c, uint8_t dir) {
  BitBuffer b;
  if (!in.has(4)) return false;
  in.skip(1);
  in.take_v(3, b);
  decode_classmark2(c, b, dir);
  return true;
}

bool take_classmark2_lv(MessageReader& in, Classmark2& c, uint8_t dir) {
  BitBuffer b;
  if (!in.take_lv_value(b)) return false;
  decode_classmark2(c, b, dir);
  return true;
}

uint32_t be32(const uint8_t* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
         (static_cast<uint32_t>(p[2]) << 8) | p[3];
}

bool take_u32(MessageReader& in, uint32_t& v) {
  const uint8_t* p;
  if (!in.take_v(4, p)) return false;
  v = be32(p);
  return true;
}

template <class T>
bool take_fixed(MessageReader& in, uint32_t n, T& part, void (*decode)(T&, const BitBuffer&)) {
  BitBuffer b;
  if (!in.take_v(n, b)) return false;
  decode(part, b);
  return true;
}

// A single optional element looked for at one fixed place (no free walk).
bool at_iei(const MessageReader& in, uint8_t iei) { return in.has(1) && in.peek() == iei; }

// Starting time after IEI 0x7C, taken only when both octets are there.
template <class R>
void take_trailing_starting_time(R& r, MessageReader& in) {
  if (!at_iei(in, 0x7C) || !in.has(3)) return;
  in.skip(1);
  r.starting_time.present = 1;
  take_fixed(in, 2, r.starting_time.value, decode_starting_time);
}

}  // namespace

void parse_additional_assignment(AdditionalAssignment& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = AdditionalAssignment;
  static constexpr OptionalIe<R> kIes[] = {
      {0x72, IeForm::tlv, 0, kLed<R, MobileAllocation, &R::mobile_allocation, decode_mobile_allocation>},
      {0x7C, IeForm::tv, 2, kValue<R, StartingTime, &R::starting_time, decode_starting_time>},
  };
  static_assert(ieis_unique<R>(kIes));
  MessageReader in(msg, len);
  if (!take_fixed(in, 3, r.channel, decode_channel_description)) return;
  walk_optional<R>(r, in, kIes);
}

void parse_rr_initialisation_request(RrInitialisationRequest& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.cksn = o & 0x07;
  r.mac_mode = (o >> 6) & 0x03;
  r.channel_coding = (o >> 4) & 0x03;
  if (!take_classmark2_fixed(in, r.classmark2, dir)) return;
  if (!take_u32(in, r.tlli)) return;
  if (!take_fixed(in, 5, r.request_description, decode_channel_request_description)) return;
  take_fixed(in, 2, r.measurement_results, decode_gprs_measurement_results);
}

// The layout depends on the message's own T/D, downlink and TMA bits; the
// starting time is looked for only right after the mobile allocation.
void parse_immediate_assignment(ImmediateAssignment& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.page_mode = page_mode_of(o);
  r.td = (o >> 4) & 1;
  r.downlink = (o >> 5) & 1;
  r.tma = (o >> 6) & 1;
  if (!r.td && !r.downlink && !r.tma) {
    if (!take_fixed(in, 3, r.channel, decode_channel_description)) return;
  } else if (r.td && !r.tma) {
    if (!take_fixed(in, 3, r.packet_channel, decode_packet_channel_description)) return;
  }
  if (!take_fixed(in, 3, r.request_reference, decode_request_reference)) return;
  if (!in.take_octet(r.timing_advance)) return;
  if (!take_length_led(in, r.mobile_allocation, decode_mobile_allocation)) return;
  r.mobile_allocation_taken = 1;
  if (at_iei(in, 0x7C)) {
    in.skip(1);
    r.starting_time.present = 1;
    if (!take_fixed(in, 2, r.starting_time.value, decode_starting_time)) return;
  }
  decode_ia_rest_octets(r.rest, bits_of(in.here(), in.left()));
}

void parse_immediate_assignment_extended(ImmediateAssignmentExtended& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.page_mode = page_mode_of(o);
  if (!take_fixed(in, 3, r.channel1, decode_channel_description)) return;
  if (!take_fixed(in, 3, r.request_reference1, decode_request_reference)) return;
  if (!in.take_octet(r.timing_advance1)) return;
  if (!take_fixed(in, 3, r.channel2, decode_channel_description)) return;
  if (!take_fixed(in, 3, r.request_reference2, decode_request_reference)) return;
  if (!in.take_octet(r.timing_advance2)) return;
  if (!take_length_led(in, r.mobile_allocation, decode_mobile_allocation)) return;
  take_trailing_starting_time(r, in);
}

void parse_immediate_assignment_reject(ImmediateAssignmentReject& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.page_mode = page_mode_of(o);
  for (uint32_t i = 0; i < 4; ++i) {
    if (!take_fixed(in, 3, r.request_reference[i], decode_request_reference)) return;
    if (!in.take_octet(r.wait_indication[i])) return;
  }
  take_fixed(in, 3, r.rest, decode_iar_rest_octets);
}

void parse_rr_cause_message(RrCauseMessage& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  in.take_octet(r.cause);
}

void parse_rr_one_octet_message(RrOneOctetMessage& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  in.take_octet(r.value);
}

void parse_rr_empty_message(RrEmptyMessage&, const uint8_t*, uint16_t, uint8_t) {}

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

void parse_ciphering_mode_command(CipheringModeCommand& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.setting = cipher_mode_setting_of(o);
  r.cipher_response = (o >> 4) & 1;
}

void parse_ciphering_mode_complete(CipheringModeComplete& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = CipheringModeComplete;
  static constexpr OptionalIe<R> kIes[] = {
      {0x17, IeForm::tlv, 0, kLed<R, MobileIdentity, &R::identity, decode_mobile_identity>},
  };
  MessageReader in(msg, len);
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

// Length-led elements of CHANNEL RELEASE are taken only with a minimum size;
// the type 1 ranges have gaps (0x8D, 0xCD), so the walk is written out.
void parse_channel_release(ChannelRelease& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!in.take_octet(r.cause)) return;
  while (in.has(1)) {
    const uint8_t iei = in.peek();
    if (iei >= 0x80 && iei <= 0x8F && iei != 0x8D) {
      in.skip(1);
      r.group_cipher_key_number = {1, static_cast<uint8_t>(iei & 0x0F)};
      continue;
    }
    if (iei >= 0xC0 && iei <= 0xCF && iei != 0xCD) {
      in.skip(1);
      r.gprs_resumption = {1, static_cast<uint8_t>(iei & 0x01)};
      continue;
    }
    if (iei == 0x62) {
      // A fixed 16-octet list: the first list octet is not a length.
      IeView ie;
      if (!take_ie(in, IeForm::tv, 16, ie)) return;
      r.cell_channel.present = 1;
      decode_cell_channel_description(r.cell_channel.value, ie.value_bits());
      continue;
    }
    uint32_t min = 0;
    switch (iei) {
      case 0x73:
        min = 5;
        break;
      case 0x74:
      case 0x75:
        min = 3;
        break;
      case 0x76:
        min = 2;
        break;
      default:
        return;
    }
    IeView ie;
    if (!in.has(1u + min) || !take_ie(in, IeForm::tlv, 0, ie)) return;
    const BitBuffer b = ie.length_led_bits();
    switch (iei) {
      case 0x73:
        r.ba_range.present = 1;
        decode_ba_range(r.ba_range.value, b);
        break;
      case 0x74:
        r.group_channel.present = 1;
        decode_group_channel_description(r.group_channel.value, b);
        break;
      case 0x75:
        r.ba_list_pref.present = 1;
        decode_ba_list_pref(r.ba_list_pref.value, b);
        break;
      default:
        r.utran_freq_list.present = 1;
        decode_utran_freq_list(r.utran_freq_list.value, b);
        break;
    }
  }
}

void parse_rr_channel_only_message(RrChannelOnlyMessage& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  take_fixed(in, 3, r.channel, decode_channel_description);
}

namespace {

template <class R>
bool take_paging_octet(R& r, MessageReader& in) {
  uint8_t o;
  if (!in.take_octet(o)) return false;
  r.page_mode = page_mode_of(o);
  r.channel_first = (o >> 4) & 0x03;
  r.channel_second = (o >> 6) & 0x03;
  return true;
}

// Mobile identity IEI 0x17 at this one place; false when it does not fit.
bool take_trailing_identity(Opt<MobileIdentity>& id, MessageReader& in) {
  if (!at_iei(in, 0x17)) return true;
  IeView ie;
  if (!take_ie(in, IeForm::tlv, 0, ie)) return false;
  id.present = 1;
  decode_mobile_identity(id.value, ie.length_led_bits());
  return true;
}

template <class Rest>
void take_padded_rest(Rest& rest, MessageReader& in, void (*decode)(Rest&, const BitBuffer&)) {
  if (in.left() == 0 || rest_octets_all_padding(in.here(), in.left())) return;
  decode(rest, bits_of(in.here(), in.left()));
}

}  // namespace

void parse_paging_request1(PagingRequest1& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_paging_octet(r, in)) return;
  if (!take_length_led(in, r.identity1, decode_mobile_identity)) return;
  if (!take_trailing_identity(r.identity2, in)) return;
  take_padded_rest(r.rest, in, decode_p1_rest_octets);
}

void parse_paging_request2(PagingRequest2& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_paging_octet(r, in)) return;
  if (!take_u32(in, r.tmsi1) || !take_u32(in, r.tmsi2)) return;
  if (!take_trailing_identity(r.identity3, in)) return;
  take_padded_rest(r.rest, in, decode_p2_rest_octets);
}

void parse_paging_request3(PagingRequest3& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_paging_octet(r, in)) return;
  for (uint32_t& t : r.tmsi) {
    if (!take_u32(in, t)) return;
  }
  take_fixed(in, 3, r.rest, decode_p3_rest_octets);
}

void parse_paging_response(PagingResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.cksn = o & 0x07;
  if (!take_classmark2_lv(in, r.classmark2, dir)) return;
  take_length_led(in, r.identity, decode_mobile_identity);
}

void parse_notification_nch(NotificationNch& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  // The NT/N rest octets fill the block; a shorter message gives what it holds.
  decode_nt_n_rest_octets(r, bits_of(in.here(), in.left() < 20 ? in.left() : 20));
}

void parse_rr_notification_response(RrNotificationResponse& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  if (!take_classmark2_lv(in, r.classmark2, dir)) return;
  if (!take_length_led(in, r.identity, decode_mobile_identity)) return;
  BitBuffer b;
  if (!in.take_v(5, b)) return;
  BitCursor c(b);
  decode_rr_group_call_ref(r.group_call, c);
}

void parse_packet_notification(PacketNotification& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = PacketNotification;
  static constexpr OptionalIe<R> kIes[] = {
      {0x10, IeForm::tv, 4,
       [](R& r, const IeView& ie) {
         r.ptmsi.present = 1;
         r.ptmsi.value = be32(ie.value);
       }},
      {0x11, IeForm::tlv, 0, kLed<R, MobileIdentity, &R::identity, decode_mobile_identity>},
  };
  MessageReader in(msg, len);
  walk_optional<R>(r, in, kIes);
}

// Its optional elements come in a fixed order, each looked for once.
void parse_channel_mode_modify(ChannelModeModify& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_fixed(in, 3, r.channel, decode_channel_description)) return;
  if (!in.take_octet(r.mode)) return;
  BitBuffer b;
  if (at_iei(in, 0x01)) {
    in.skip(1);
    if (!in.take_lv_led(b)) return;
    r.vgcs_target_mode.present = 1;
    decode_vgcs_target_mode(r.vgcs_target_mode.value, b);
  }
  if (at_iei(in, 0x03)) {
    in.skip(1);
    if (!in.take_lv_led(b)) return;
    r.multirate.present = 1;
    decode_multirate_configuration(r.multirate.value, b);
  }
}

void parse_channel_mode_modify_ack(ChannelModeModify& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_fixed(in, 3, r.channel, decode_channel_description)) return;
  in.take_octet(r.mode);
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

void parse_measurement_report(MeasurementReport& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  take_fixed(in, 16, r.results, decode_measurement_results);
}

void parse_classmark_change(ClassmarkChange& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  if (!take_classmark2_fixed(in, r.classmark2, dir)) return;
  // Classmark 3 (IEI 0x20) needs at least one value octet.
  if (!at_iei(in, 0x20) || !in.has(3)) return;
  in.skip(1);
  BitBuffer b;
  if (in.take_lv_led(b)) decode_classmark3(r.classmark3, b);
}

void parse_classmark_enquiry(ClassmarkEnquiry& r, const uint8_t* msg, uint16_t len, uint8_t) {
  using R = ClassmarkEnquiry;
  static constexpr OptionalIe<R> kIes[] = {{0x10, IeForm::tlv, 0, store_octet<R, &R::mask>}};
  MessageReader in(msg, len);
  walk_optional<R>(r, in, kIes);
}

void parse_extended_measurement_report(ExtendedMeasurementReport& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  take_fixed(in, 16, r.results, decode_extended_measurement_results);
}

void parse_extended_measurement_order(ExtendedMeasurementOrder& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  take_fixed(in, 16, r.list, decode_extended_measurement_frequency_list);
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

void parse_vgcs_uplink_grant(VgcsUplinkGrant& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  if (!take_fixed(in, 3, r.request_reference, decode_request_reference)) return;
  in.take_octet(r.timing_advance);
}

void parse_talker_indication(TalkerIndication& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  if (!take_classmark2_fixed(in, r.classmark2, dir)) return;
  take_length_led(in, r.identity, decode_mobile_identity);
}

void parse_application_information(ApplicationInformation& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t o;
  if (!in.take_octet(o)) return;
  r.apdu_id = o & 0x0F;
  r.apdu_flags = (o >> 4) & 0x0F;
  const uint8_t* data;
  uint32_t n;
  if (in.take_lv(data, n)) copy_octets(r.data, data, n);
}

}  // namespace l3
