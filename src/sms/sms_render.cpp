#include "sms/sms_render.h"

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

}  // namespace

int render_cp_data(const CpDataRecord& r, OutputText& out, uint8_t direction) {
  append_tag_text(out, "<CP Data>\n");
  write_field_u8("RPDU Length", r.cp_user_data_length, out, 0);
  render_value_block(out, "Message type indicator", r.rp_message_type,
                     direction == 0 ? std::span<const ValueText>(kRpTypeFromMsTexts) : kRpTypeFromNetworkTexts,
                     "Reserved");
  write_field_u8("Message Reference", r.rp_message_reference, out, 0);
  if (r.rp_originator.present) {
    write_field_u8("Originator Address Length", r.rp_originator.digit_count, out, 0);
    render_address_fields(r.rp_originator, out);
  }
  if (r.rp_destination.present) {
    write_field_u8("Destination Address Length", r.rp_destination.digit_count, out, 0);
    render_address_fields(r.rp_destination, out);
  }
  if (r.tpdu.present && render_tpdu(r.tpdu, out, direction) == 0) return 1;
  append_tag_text(out, "</CP Data>\n");
  return 1;
}

int render_cp_ack(const CpAckRecord&, OutputText& out) {
  append_tag_text(out, "<CP ACK>\n");
  append_tag_text(out, "</CP ACK>\n");
  return 1;
}

int render_cp_error(const CpErrorRecord& r, OutputText& out) {
  append_tag_text(out, "<CP Error>\n");
  render_value_block(out, "CP Cause", r.cp_cause.value, kCpCauseTexts, "Protocol error, unspecified");
  append_tag_text(out, "</CP Error>\n");
  return 1;
}

}  // namespace l3
