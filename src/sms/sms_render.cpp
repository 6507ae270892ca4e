#include "sms/sms_render.h"

#include "core/output.h"
#include "sms/sms_address.h"
#include "sms/tpdu.h"

namespace l3 {

namespace {

// RP message types of the mobile station's side (direction byte 0) and of the network's;
// every other value reads "Reserved".
constexpr ValueText kRpTypeFromMsTexts[] = {
    {0, "RP DATA"},
    {2, "RP ACK"},
    {4, "RP ERROR"},
    {6, "RP SMMA"},
};
static_assert(well_formed(kRpTypeFromMsTexts));

constexpr ValueText kRpTypeFromNetworkTexts[] = {
    {1, "RP DATA"},
    {3, "RP ACK"},
    {5, "RP ERROR"},
};
static_assert(well_formed(kRpTypeFromNetworkTexts));

constexpr ValueText kCpCauseTexts[] = {
    {17, "Network failure"},
    {22, "Congestion"},
    {81, "Invalid Transaction Identifier value"},
    {95, "Semantically incorrect message"},
    {96, "Invalid mandatory information"},
    {97, "Message type non existent or not implemented"},
    {98, "Message not compatible with the short message protocol state"},
    {99, "Information element non existent or not implemented"},
};
static_assert(well_formed(kCpCauseTexts));

constexpr ValueText kRpCauseTexts[] = {
    {1, "Unassigned (unallocated) number"},
    {8, "Operator determined barring"},
    {10, "Call barred"},
    {21, "Short message transfer rejected"},
    {22, "Memory capacity exceeded"},
    {27, "Destination out of order"},
    {28, "Unidentified subscriber"},
    {29, "Facility rejected"},
    {30, "Unknown subscriber"},
    {38, "Network out of order"},
    {41, "Temporary failure"},
    {42, "Congestion"},
    {47, "Resources unavailable, unspecified"},
    {50, "Requested facility not subscribed"},
    {69, "Requested facility not implemented"},
    {81, "Invalid short message transfer reference value"},
    {95, "Semantically incorrect message"},
    {96, "Invalid mandatory information"},
    {97, "Message type non-existent or not implemented"},
    {98, "Message not compatible with short message protocol state"},
    {99, "Information element non-existent or not implemented"},
    {111, "Protocol error, unspecified"},
    {127, "Interworking, unspecified"},
};
static_assert(well_formed(kRpCauseTexts));

}  // namespace

int render_cp_data(const CpDataRecord& r, OutputText& out, uint8_t direction) {
  open_tag_named(out, "CP Data");
  write_field_u8(L3_TAG("RPDU Length"), r.cp_user_data_length, out, 0);
  render_value_block(out, L3_TAG("Message type indicator"), r.rp_message_type,
                     direction == 0 ? std::span<const ValueText>(kRpTypeFromMsTexts) : kRpTypeFromNetworkTexts,
                     "Reserved");
  write_field_u8(L3_TAG("Message Reference"), r.rp_message_reference, out, 0);
  if (r.rp_originator.present) {
    write_field_u8(L3_TAG("Originator Address Length"), r.rp_originator.digit_count, out, 0);
    render_address_fields(r.rp_originator, out);
  }
  if (r.rp_destination.present) {
    write_field_u8(L3_TAG("Destination Address Length"), r.rp_destination.digit_count, out, 0);
    render_address_fields(r.rp_destination, out);
  }
  if (r.rp_cause.present) {
    open_tag_named(out, "RP Cause");
    render_value_block(out, L3_TAG("Cause value"), r.rp_cause.value, kRpCauseTexts, "unspecified");
    if (r.rp_diagnostic_present) write_field_u8(L3_TAG("Diagnostic"), r.rp_diagnostic, out, 0);
    close_tag_named(out, "RP Cause");
  }
  if (r.tpdu.present && render_tpdu(r.tpdu, out, direction) == 0) return 1;
  close_tag_named(out, "CP Data");
  return 1;
}

int render_cp_ack(const CpAckRecord&, OutputText& out) {
  open_tag_named(out, "CP ACK");
  close_tag_named(out, "CP ACK");
  return 1;
}

int render_cp_error(const CpErrorRecord& r, OutputText& out) {
  open_tag_named(out, "CP Error");
  render_value_block(out, L3_TAG("CP Cause"), r.cp_cause.value, kCpCauseTexts, "Protocol error, unspecified");
  close_tag_named(out, "CP Error");
  return 1;
}

}  // namespace l3
