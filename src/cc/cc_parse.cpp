#include <iterator>
#include <span>

#include "cc/cc_elements.h"
#include "cc/cc_messages.h"
#include "cc/cc_records.h"

namespace l3 {

namespace {

// Row actions. A repeated element replaces its slot whole: nothing of the
// earlier occurrence survives in it.
template <class R, class T, Opt<T> R::*M, void (*D)(T&, const BitBuffer&)>
void take_led(R& r, const IeView& ie) {
  Opt<T>& slot = r.*M;
  slot = {};
  slot.present = 1;
  D(slot.value, ie.length_led_bits());
}

template <class R, Opt<ProgressInfo> R::*M>
void take_progress(R& r, const IeView& ie) {
  Opt<ProgressInfo>& slot = r.*M;
  slot = {};
  slot.present = 1;
  decode_progress_indicator(slot.value, ie.value_bits());
}

// High layer compatibility keeps the two MODIFY flags that share its record.
void decode_hlc_into(Opt<HighLayerInfo>& slot, const IeView& ie) {
  const uint8_t reverse = slot.value.reverse_call_setup_direction;
  const uint8_t immediate = slot.value.immediate_modification;
  slot = {};
  slot.present = 1;
  decode_high_layer_compatibility(slot.value, ie.value_bits());
  slot.value.reverse_call_setup_direction = reverse;
  slot.value.immediate_modification = immediate;
}

template <class R, Opt<HighLayerInfo> R::*M>
void take_hlc(R& r, const IeView& ie) {
  decode_hlc_into(r.*M, ie);
}

// LLC and HLC: the first fills slot I, the second slot II, later ones are passed over.
template <class R, Opt<LowLayerCompat> R::*I, Opt<LowLayerCompat> R::*II>
void take_llc_pair(R& r, const IeView& ie) {
  if (!(r.*I).present) return take_led<R, LowLayerCompat, I, decode_low_layer_compatibility>(r, ie);
  if (!(r.*II).present) take_led<R, LowLayerCompat, II, decode_low_layer_compatibility>(r, ie);
}

template <class R, Opt<HighLayerInfo> R::*I, Opt<HighLayerInfo> R::*II>
void take_hlc_pair(R& r, const IeView& ie) {
  if (!(r.*I).present) return decode_hlc_into(r.*I, ie);
  if (!(r.*II).present) decode_hlc_into(r.*II, ie);
}

// Bearer capability: the first fills slot 1, every later one slot 2, unless
// the message keeps the first two only.
template <class R, Opt<BearerCapability> R::*First, Opt<BearerCapability> R::*Second, bool kFirstTwoOnly = false>
void take_bc_pair(R& r, const IeView& ie) {
  Opt<BearerCapability>& slot = !(r.*First).present ? r.*First : r.*Second;
  if (kFirstTwoOnly && &slot == &(r.*Second) && slot.present) return;
  slot = {};
  slot.present = 1;
  decode_bearer_capability(slot.value, ie.length_led_bits(), r.direction);
}

template <class R, Opt<BearerCapability> R::*M>
void take_bc(R& r, const IeView& ie) {
  Opt<BearerCapability>& slot = r.*M;
  slot = {};
  slot.present = 1;
  decode_bearer_capability(slot.value, ie.length_led_bits(), r.direction);
}

template <class R, Opt<BackupBearerCapability> R::*M>
void take_backup_bc(R& r, const IeView& ie) {
  Opt<BackupBearerCapability>& slot = r.*M;
  slot = {};
  slot.present = 1;
  decode_backup_bearer_capability(slot.value, ie.length_led_bits(), r.direction);
}

// Repeat indicators fill their slots in order of appearance; later ones are passed over.
template <class R, Opt<uint8_t> R::*S1, Opt<uint8_t> R::*S2, Opt<uint8_t> R::*S3>
void take_repeat3(R& r, const IeView& ie) {
  for (Opt<uint8_t>* slot : {&(r.*S1), &(r.*S2), &(r.*S3)}) {
    if (!slot->present) {
      slot->present = 1;
      slot->value = ie.low_nibble();
      return;
    }
  }
}

template <class R, Opt<uint8_t> R::*M>
void take_priority(R& r, const IeView& ie) {
  (r.*M).present = 1;
  (r.*M).value = ie.iei_octet & 0x07;
}

// One-octet TLV value, masked after the shift.
template <class R, Opt<ShortElement> R::*M, uint8_t kMask, uint8_t kShift = 0>
void take_short(R& r, const IeView& ie) {
  Opt<ShortElement>& slot = r.*M;
  slot = {};
  slot.present = 1;
  if (ie.length == 0) return;
  slot.value.length = static_cast<uint8_t>(ie.length);
  slot.value.value = static_cast<uint8_t>((ie.value[0] >> kShift) & kMask);
}

// One element at the position, if its IEI has a row and it fits.
template <class R>
bool take_one(R& r, MessageReader& in, std::span<const OptionalIe<R>> table) {
  return OptionalWalk<R>(table).step(r, in);
}

// The walk of messages that take nothing after their last element.
template <class R>
void walk_until(R& r, MessageReader& in, std::span<const OptionalIe<R>> table, uint8_t last_iei) {
  OptionalWalk<R> walk(table);
  while (in.has(1)) {
    const bool last = in.peek() == last_iei;
    if (!walk.step(r, in) || last) return;
  }
}

template <class R>
void parse_walk(R& r, const uint8_t* msg, uint16_t len, std::span<const OptionalIe<R>> table) {
  MessageReader in(msg, len);
  walk_optional(r, in, table);
}

using Alerting = CcAlerting;
constexpr OptionalIe<Alerting> kAlertingIes[] = {
    {0x1C, IeForm::tlv, 0, take_led<Alerting, Facility, &Alerting::facility, decode_facility>},
    {0x1E, IeForm::tlv, 0, take_progress<Alerting, &Alerting::progress>},
    {0x7E, IeForm::tlv, 0, take_led<Alerting, UserUserInfo, &Alerting::user_user, decode_user_user>},
    {0x7F, IeForm::tlv, 0, take_led<Alerting, SsVersion, &Alerting::ss_version, decode_ss_version>},
};
static_assert(ieis_unique<Alerting>(kAlertingIes));

using Proceeding = CcCallProceeding;
constexpr OptionalIe<Proceeding> kCallProceedingIes[] = {
    {0xD0, IeForm::half, 0, store_nibble<Proceeding, &Proceeding::repeat>},
    {0x04, IeForm::tlv, 0, take_bc_pair<Proceeding, &Proceeding::bc1, &Proceeding::bc2, true>, true},
    {0x1C, IeForm::tlv, 0, take_led<Proceeding, Facility, &Proceeding::facility, decode_facility>},
    {0x1E, IeForm::tlv, 0, take_progress<Proceeding, &Proceeding::progress>},
    {0x80, IeForm::half, 0, take_priority<Proceeding, &Proceeding::priority>},
    {0x2F, IeForm::tlv, 0, take_short<Proceeding, &Proceeding::network_cc_capabilities, 0x01>},
};
static_assert(ieis_unique<Proceeding>(kCallProceedingIes));

using Establishment = CcEstablishment;
constexpr OptionalIe<Establishment> kEstablishmentIes[] = {
    {0xD0, IeForm::half, 0,
     take_repeat3<Establishment, &Establishment::repeat1, &Establishment::repeat2, &Establishment::repeat3>, true},
    {0x04, IeForm::tlv, 0, take_bc_pair<Establishment, &Establishment::bc1, &Establishment::bc2>, true},
    {0x1C, IeForm::tlv, 0, take_led<Establishment, Facility, &Establishment::facility, decode_facility>},
    {0x5D, IeForm::tlv, 0,
     take_led<Establishment, SubaddressInfo, &Establishment::calling_subaddress, decode_subaddress>},
    {0x5E, IeForm::tlv, 0,
     take_led<Establishment, BcdNumber, &Establishment::called_number, decode_called_party_number>},
    {0x6D, IeForm::tlv, 0,
     take_led<Establishment, SubaddressInfo, &Establishment::called_subaddress, decode_subaddress>},
    {0x7C, IeForm::tlv, 0, take_llc_pair<Establishment, &Establishment::llc1, &Establishment::llc2>, true},
    {0x7D, IeForm::tlv, 0, take_hlc_pair<Establishment, &Establishment::hlc1, &Establishment::hlc2>, true},
    {0x7E, IeForm::tlv, 0, take_led<Establishment, UserUserInfo, &Establishment::user_user, decode_user_user>},
    {0x7F, IeForm::tlv, 0, take_led<Establishment, SsVersion, &Establishment::ss_version, decode_ss_version>},
    {0xA1, IeForm::tag_only, 0, set_flag<Establishment, &Establishment::clir_suppression>},
    {0xA2, IeForm::tag_only, 0, set_flag<Establishment, &Establishment::clir_invocation>},
    {0x15, IeForm::tlv, 0,
     take_led<Establishment, CcCapabilitiesInfo, &Establishment::cc_capabilities, decode_cc_capabilities>},
    {0x1D, IeForm::tlv, 0,
     take_led<Establishment, Facility, &Establishment::facility_advanced_recall, decode_facility>},
    {0x1B, IeForm::tlv, 0,
     take_led<Establishment, Facility, &Establishment::facility_recall_not_essential, decode_facility>},
    {0x2D, IeForm::tlv, 0, take_short<Establishment, &Establishment::stream_identifier, 0xFF>},
    {0x40, IeForm::tlv, 0,
     take_led<Establishment, CodecList, &Establishment::supported_codecs, decode_supported_codecs>},
};
static_assert(ieis_unique<Establishment>(kEstablishmentIes));

// Both directions' elements; only the bearer capabilities read the direction.
constexpr OptionalIe<CcSetup> kSetupIes[] = {
    {0xD0, IeForm::half, 0, take_repeat3<CcSetup, &CcSetup::repeat1, &CcSetup::repeat2, &CcSetup::repeat3>, true},
    {0x04, IeForm::tlv, 0, take_bc_pair<CcSetup, &CcSetup::bc1, &CcSetup::bc2>, true},
    {0x1C, IeForm::tlv, 0, take_led<CcSetup, Facility, &CcSetup::facility, decode_facility>},
    {0x1E, IeForm::tlv, 0, take_progress<CcSetup, &CcSetup::progress>},
    {0x34, IeForm::tv, 1, store_octet<CcSetup, &CcSetup::signal>},
    {0x5C, IeForm::tlv, 0, take_led<CcSetup, BcdNumber, &CcSetup::calling_number, decode_calling_party_number>},
    {0x5D, IeForm::tlv, 0, take_led<CcSetup, SubaddressInfo, &CcSetup::calling_subaddress, decode_subaddress>},
    {0x5E, IeForm::tlv, 0, take_led<CcSetup, BcdNumber, &CcSetup::called_number, decode_called_party_number>},
    {0x6D, IeForm::tlv, 0, take_led<CcSetup, SubaddressInfo, &CcSetup::called_subaddress, decode_subaddress>},
    {0x74, IeForm::tlv, 0, take_led<CcSetup, BcdNumber, &CcSetup::redirecting_number, decode_redirecting_party_number>},
    {0x75, IeForm::tlv, 0, take_led<CcSetup, SubaddressInfo, &CcSetup::redirecting_subaddress, decode_subaddress>},
    {0x1D, IeForm::tlv, 0, take_led<CcSetup, Facility, &CcSetup::facility_advanced_recall, decode_facility>},
    {0x1B, IeForm::tlv, 0, take_led<CcSetup, Facility, &CcSetup::facility_recall_not_essential, decode_facility>},
    {0x7C, IeForm::tlv, 0, take_llc_pair<CcSetup, &CcSetup::llc1, &CcSetup::llc2>, true},
    {0x7D, IeForm::tlv, 0, take_hlc_pair<CcSetup, &CcSetup::hlc1, &CcSetup::hlc2>, true},
    {0x7E, IeForm::tlv, 0, take_led<CcSetup, UserUserInfo, &CcSetup::user_user, decode_user_user>},
    {0x80, IeForm::half, 0, take_priority<CcSetup, &CcSetup::priority>},
    {0x19, IeForm::tlv, 0, take_short<CcSetup, &CcSetup::alert, 0x0F>},
    {0x2F, IeForm::tlv, 0, take_short<CcSetup, &CcSetup::network_cc_capabilities, 0x01>},
    {0x3A, IeForm::tlv, 0, take_short<CcSetup, &CcSetup::cause_of_no_cli, 0xFF>},
    {0x41, IeForm::tlv, 0, take_backup_bc<CcSetup, &CcSetup::backup_bc>},
    {0xA1, IeForm::tag_only, 0, set_flag<CcSetup, &CcSetup::clir_suppression>},
    {0xA2, IeForm::tag_only, 0, set_flag<CcSetup, &CcSetup::clir_invocation>},
    {0x7F, IeForm::tlv, 0, take_led<CcSetup, SsVersion, &CcSetup::ss_version, decode_ss_version>},
    {0x15, IeForm::tlv, 0, take_led<CcSetup, CcCapabilitiesInfo, &CcSetup::cc_capabilities, decode_cc_capabilities>},
    {0x2D, IeForm::tlv, 0, take_short<CcSetup, &CcSetup::stream_identifier, 0xFF>},
    {0x40, IeForm::tlv, 0, take_led<CcSetup, CodecList, &CcSetup::supported_codecs, decode_supported_codecs>},
};
static_assert(ieis_unique<CcSetup>(kSetupIes));

using EstConfirmed = CcEstablishmentConfirmed;
constexpr OptionalIe<EstConfirmed> kEstablishmentConfirmedIes[] = {
    {0xD0, IeForm::half, 0, store_nibble<EstConfirmed, &EstConfirmed::repeat>},
    {0x04, IeForm::tlv, 0, take_bc_pair<EstConfirmed, &EstConfirmed::bc1, &EstConfirmed::bc2>, true},
    {0x08, IeForm::tlv, 0, take_led<EstConfirmed, CauseInfo, &EstConfirmed::cause, decode_cause>},
    {0x40, IeForm::tlv, 0, take_led<EstConfirmed, CodecList, &EstConfirmed::supported_codecs, decode_supported_codecs>},
};
static_assert(ieis_unique<EstConfirmed>(kEstablishmentConfirmedIes));

constexpr OptionalIe<CcConnect> kConnectIes[] = {
    {0x1C, IeForm::tlv, 0, take_led<CcConnect, Facility, &CcConnect::facility, decode_facility>},
    {0x1E, IeForm::tlv, 0, take_progress<CcConnect, &CcConnect::progress>},
    {0x4C, IeForm::tlv, 0, take_led<CcConnect, BcdNumber, &CcConnect::connected_number, decode_connected_number>},
    {0x4D, IeForm::tlv, 0, take_led<CcConnect, SubaddressInfo, &CcConnect::connected_subaddress, decode_subaddress>},
    {0x7E, IeForm::tlv, 0, take_led<CcConnect, UserUserInfo, &CcConnect::user_user, decode_user_user>},
    {0x7F, IeForm::tlv, 0, take_led<CcConnect, SsVersion, &CcConnect::ss_version, decode_ss_version>},
    {0x2D, IeForm::tlv, 0, take_short<CcConnect, &CcConnect::stream_identifier, 0xFF>},
};
static_assert(ieis_unique<CcConnect>(kConnectIes));

using Confirmed = CcCallConfirmed;
constexpr OptionalIe<Confirmed> kCallConfirmedIes[] = {
    {0xD0, IeForm::half, 0, store_nibble<Confirmed, &Confirmed::repeat>},
    {0x04, IeForm::tlv, 0, take_bc_pair<Confirmed, &Confirmed::bc1, &Confirmed::bc2>, true},
    {0x08, IeForm::tlv, 0, take_led<Confirmed, CauseInfo, &Confirmed::cause, decode_cause>},
    {0x15, IeForm::tlv, 0,
     take_led<Confirmed, CcCapabilitiesInfo, &Confirmed::cc_capabilities, decode_cc_capabilities>},
    {0x2D, IeForm::tlv, 0, take_short<Confirmed, &Confirmed::stream_identifier, 0xFF>},
    {0x40, IeForm::tlv, 0, take_led<Confirmed, CodecList, &Confirmed::supported_codecs, decode_supported_codecs>},
};
static_assert(ieis_unique<Confirmed>(kCallConfirmedIes));

constexpr OptionalIe<CcStartCc> kStartCcIes[] = {
    {0x15, IeForm::tlv, 0,
     take_led<CcStartCc, CcCapabilitiesInfo, &CcStartCc::cc_capabilities, decode_cc_capabilities>},
};

using Emergency = CcEmergencySetup;
constexpr OptionalIe<Emergency> kEmergencySetupIes[] = {
    {0x04, IeForm::tlv, 0, take_bc<Emergency, &Emergency::bc>},
    {0x2D, IeForm::tlv, 0, take_short<Emergency, &Emergency::stream_identifier, 0xFF>},
    {0x40, IeForm::tlv, 0, take_led<Emergency, CodecList, &Emergency::supported_codecs, decode_supported_codecs>},
    {0x2E, IeForm::tlv, 0, take_short<Emergency, &Emergency::emergency_category, 0x1F>},
};
static_assert(ieis_unique<Emergency>(kEmergencySetupIes));

constexpr OptionalIe<CcUserInformation> kUserInformationIes[] = {
    {0xA0, IeForm::tag_only, 0, set_flag<CcUserInformation, &CcUserInformation::more_data>},
};

template <class R>
void set_reverse_direction(R& r, const IeView&) {
  r.hlc.value.reverse_call_setup_direction = 1;
}

template <class R>
void set_immediate_modification(R& r, const IeView&) {
  r.hlc.value.immediate_modification = 1;
}

constexpr OptionalIe<CcModify> kModifyIes[] = {
    {0x7C, IeForm::tlv, 0, take_led<CcModify, LowLayerCompat, &CcModify::llc, decode_low_layer_compatibility>},
    {0x7D, IeForm::tlv, 0, take_hlc<CcModify, &CcModify::hlc>},
    {0xA3, IeForm::tag_only, 0, set_reverse_direction<CcModify>},
    {0xA4, IeForm::tag_only, 0, set_immediate_modification<CcModify>},
};
static_assert(ieis_unique<CcModify>(kModifyIes));

constexpr OptionalIe<CcModify> kModifyCompleteIes[] = {
    {0x7C, IeForm::tlv, 0, take_led<CcModify, LowLayerCompat, &CcModify::llc, decode_low_layer_compatibility>},
    {0x7D, IeForm::tlv, 0, take_hlc<CcModify, &CcModify::hlc>},
    {0xA3, IeForm::tag_only, 0, set_reverse_direction<CcModify>},
};
static_assert(ieis_unique<CcModify>(kModifyCompleteIes));

using ModifyReject = CcModifyReject;
constexpr OptionalIe<ModifyReject> kModifyRejectIes[] = {
    {0x7C, IeForm::tlv, 0, take_led<ModifyReject, LowLayerCompat, &ModifyReject::llc, decode_low_layer_compatibility>},
    {0x7D, IeForm::tlv, 0, take_hlc<ModifyReject, &ModifyReject::hlc>},
};
static_assert(ieis_unique<ModifyReject>(kModifyRejectIes));

using Disconnect = CcDisconnect;
constexpr OptionalIe<Disconnect> kDisconnectIes[] = {
    {0x1C, IeForm::tlv, 0, take_led<Disconnect, Facility, &Disconnect::facility, decode_facility>},
    {0x1E, IeForm::tlv, 0, take_progress<Disconnect, &Disconnect::progress>},
    {0x7E, IeForm::tlv, 0, take_led<Disconnect, UserUserInfo, &Disconnect::user_user, decode_user_user>},
    {0x7F, IeForm::tlv, 0, take_led<Disconnect, SsVersion, &Disconnect::ss_version, decode_ss_version>},
    {0x7B, IeForm::tlv, 0, take_short<Disconnect, &Disconnect::allowed_actions, 0x01, 7>},
};
static_assert(ieis_unique<Disconnect>(kDisconnectIes));

using ReleaseComplete = CcReleaseComplete;
constexpr OptionalIe<ReleaseComplete> kReleaseCompleteIes[] = {
    {0x08, IeForm::tlv, 0, take_led<ReleaseComplete, CauseInfo, &ReleaseComplete::cause, decode_cause>},
    {0x1C, IeForm::tlv, 0, take_led<ReleaseComplete, Facility, &ReleaseComplete::facility, decode_facility>},
    {0x7E, IeForm::tlv, 0, take_led<ReleaseComplete, UserUserInfo, &ReleaseComplete::user_user, decode_user_user>},
    {0x7F, IeForm::tlv, 0, take_led<ReleaseComplete, SsVersion, &ReleaseComplete::ss_version, decode_ss_version>},
};
static_assert(ieis_unique<ReleaseComplete>(kReleaseCompleteIes));

// The first cause fills slot 1, every later one slot 2.
void take_release_cause(CcRelease& r, const IeView& ie) {
  if (!r.cause1.present) return take_led<CcRelease, CauseInfo, &CcRelease::cause1, decode_cause>(r, ie);
  take_led<CcRelease, CauseInfo, &CcRelease::cause2, decode_cause>(r, ie);
}

constexpr OptionalIe<CcRelease> kReleaseIes[] = {
    {0x08, IeForm::tlv, 0, take_release_cause, true},
    {0x1C, IeForm::tlv, 0, take_led<CcRelease, Facility, &CcRelease::facility, decode_facility>},
    {0x7E, IeForm::tlv, 0, take_led<CcRelease, UserUserInfo, &CcRelease::user_user, decode_user_user>},
    {0x7F, IeForm::tlv, 0, take_led<CcRelease, SsVersion, &CcRelease::ss_version, decode_ss_version>},
};
static_assert(ieis_unique<CcRelease>(kReleaseIes));

using Congestion = CcCongestionControl;
constexpr OptionalIe<Congestion> kCongestionControlIes[] = {
    {0x08, IeForm::tlv, 0, take_led<Congestion, CauseInfo, &Congestion::cause, decode_cause>},
};

constexpr OptionalIe<CcFacility> kFacilityIes[] = {
    {0x7F, IeForm::tlv, 0, take_led<CcFacility, SsVersion, &CcFacility::ss_version, decode_ss_version>},
};

}  // namespace

void parse_cc_header_only(CcHeaderOnly&, const uint8_t*, uint16_t, uint8_t) {}

// PROGRESS looks for the user-user once, right after the progress indicator.
void parse_cc_progress(CcProgress& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  if (!in.take_lv_value(bits)) return;
  decode_progress_indicator(r.progress, bits);
  constexpr OptionalIe<CcProgress> kUserUser[] = {
      {0x7E, IeForm::tlv, 0, take_led<CcProgress, UserUserInfo, &CcProgress::user_user, decode_user_user>},
  };
  take_one<CcProgress>(r, in, kUserUser);
}

// START CC: one element at octet 2, no loop.
void parse_cc_start_cc(CcStartCc& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  take_one<CcStartCc>(r, in, kStartCcIes);
}

void parse_cc_recall(CcRecall& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.recall_type = octet & 0x07;
  BitBuffer bits;
  if (in.take_lv_led(bits)) decode_facility(r.facility, bits);
}

// USER INFORMATION looks for "more data" once, after the user-user.
void parse_cc_user_information(CcUserInformation& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return;
  decode_user_user(r.user_user, bits);
  take_one<CcUserInformation>(r, in, kUserInformationIes);
}

void parse_cc_modify_reject(CcModifyReject& r, const uint8_t* msg, uint16_t len, uint8_t dir) {
  MessageReader in(msg, len);
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return;
  decode_bearer_capability(r.bc, bits, dir);
  if (!in.take_lv_led(bits)) return;
  decode_cause(r.cause, bits);
  walk_optional<CcModifyReject>(r, in, kModifyRejectIes);
}

namespace {

// MODIFY and MODIFY COMPLETE differ only in the IEIs they accept.
void parse_cc_modify_with(CcModify& r, const uint8_t* msg, uint16_t len, std::span<const OptionalIe<CcModify>> table) {
  MessageReader in(msg, len);
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return;
  decode_bearer_capability(r.bc, bits, r.direction);
  walk_optional(r, in, table);
}

}  // namespace

void parse_cc_cause_only(CcCauseOnly& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  if (in.take_lv_led(bits)) decode_cause(r.cause, bits);
}

void parse_cc_disconnect(CcDisconnect& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return;
  decode_cause(r.cause, bits);
  walk_optional<CcDisconnect>(r, in, kDisconnectIes);
}

namespace {

template <class R>
void parse_until_ss_version(R& r, const uint8_t* msg, uint16_t len, std::span<const OptionalIe<R>> table) {
  MessageReader in(msg, len);
  walk_until(r, in, table, 0x7F);
}

}  // namespace

// Keypad facility: only as the first octet after the message type.
void parse_cc_dtmf(CcDtmf& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len >= 4 && msg[2] == 0x2C) {
    r.keypad.present = 1;
    r.keypad.value = msg[3] & 0x7F;
  }
}

void parse_cc_congestion_control(CcCongestionControl& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.congestion_level = octet & 0x0F;
  walk_optional<CcCongestionControl>(r, in, kCongestionControlIes);
}

void parse_cc_facility(CcFacility& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return;
  decode_facility(r.facility, bits);
  walk_optional<CcFacility>(r, in, kFacilityIes);
}

// Auxiliary states are looked for once, after the call state.
void parse_cc_status(CcStatus& r, const uint8_t* msg, uint16_t len, uint8_t) {
  MessageReader in(msg, len);
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return;
  decode_cause(r.cause, bits);
  uint8_t octet = 0;
  if (!in.take_octet(octet)) return;
  r.call_state_coding = octet >> 6;
  r.call_state_value = octet & 0x3F;
  if (in.has(3) && in.peek() == 0x24) {
    const uint8_t aux = in.peek(2);
    r.auxiliary_states.present = 1;
    r.auxiliary_states.value.hold = (aux >> 2) & 0x03;
    r.auxiliary_states.value.multi_party = aux & 0x03;
  }
}

void parse_cc_notify(CcNotify& r, const uint8_t* msg, uint16_t len, uint8_t) {
  if (len > 2) r.notification_indicator = msg[2] & 0x7F;
}

void parse_cc_alerting(CcAlerting& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_walk<CcAlerting>(r, msg, len, kAlertingIes);
}
void parse_cc_call_proceeding(CcCallProceeding& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_walk<CcCallProceeding>(r, msg, len, kCallProceedingIes);
}
void parse_cc_establishment(CcEstablishment& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_walk<CcEstablishment>(r, msg, len, kEstablishmentIes);
}
void parse_cc_setup(CcSetup& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_walk<CcSetup>(r, msg, len, kSetupIes);
}
void parse_cc_establishment_confirmed(CcEstablishmentConfirmed& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_walk<CcEstablishmentConfirmed>(r, msg, len, kEstablishmentConfirmedIes);
}
void parse_cc_connect(CcConnect& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_walk<CcConnect>(r, msg, len, kConnectIes);
}
void parse_cc_call_confirmed(CcCallConfirmed& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_walk<CcCallConfirmed>(r, msg, len, kCallConfirmedIes);
}
void parse_cc_emergency_setup(CcEmergencySetup& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_walk<CcEmergencySetup>(r, msg, len, kEmergencySetupIes);
}
void parse_cc_modify(CcModify& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_cc_modify_with(r, msg, len, kModifyIes);
}
void parse_cc_modify_complete(CcModify& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_cc_modify_with(r, msg, len, kModifyCompleteIes);
}
void parse_cc_release_complete(CcReleaseComplete& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_until_ss_version<CcReleaseComplete>(r, msg, len, kReleaseCompleteIes);
}
void parse_cc_release(CcRelease& r, const uint8_t* msg, uint16_t len, uint8_t) {
  parse_until_ss_version<CcRelease>(r, msg, len, kReleaseIes);
}

}  // namespace l3
