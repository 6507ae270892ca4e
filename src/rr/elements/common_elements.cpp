#include "rr/elements/common_elements.h"

#include <iterator>

#include "core/output.h"

namespace l3 {

void decode_cell_description(CellDescription& d, const BitBuffer& b) {
  d.bcch_arfcn = static_cast<uint16_t>(read_bits16(0, 2, b) << 8 | read_bits16(8, 8, b));
  d.ncc = read_bits8(2, 3, b);
  d.bcc = read_bits8(5, 3, b);
}

void decode_request_reference(RequestReference& d, const BitBuffer& b) {
  d.ra = read_bits8(0, 8, b);
  d.t1 = read_bits8(8, 5, b);
  d.t3 = read_bits8(13, 6, b);
  d.t2 = read_bits8(19, 5, b);
}

void decode_starting_time(StartingTime& d, const BitBuffer& b) {
  d.t1 = read_bits8(0, 5, b);
  d.t3 = read_bits8(5, 6, b);
  d.t2 = read_bits8(11, 5, b);
}

void decode_power_command(PowerCommand& d, const BitBuffer& b) {
  d.fpc = read_bits8(2, 1, b);
  d.power_level = read_bits8(3, 5, b);
}

void decode_power_command_access_type(PowerCommandAccessType& d, const BitBuffer& b) {
  d.atc = read_bits8(0, 1, b);
  d.fpc = read_bits8(2, 1, b);
  d.power_level = read_bits8(3, 5, b);
}

void decode_mobile_observed_time_difference(MobileObservedTimeDifference& d, const BitBuffer& b) {
  d.length = read_bits8(0, 8, b);
  d.value = read_bits32(8, 21, b);
}

void decode_time_difference(TimeDifference& d, const BitBuffer& b) {
  d.length = read_bits8(0, 8, b);
  d.value = read_bits8(8, 8, b);
}

int render_cell_description(const CellDescription& d, OutputText& out) {
  out.append("<Cell_Description>\n");
  write_field_u16(L3_TAG("BCCH_ARFCN"), d.bcch_arfcn, out, 0);
  write_field_u8(L3_TAG("NCC"), d.ncc, out, 0);
  write_field_u8(L3_TAG("BCC"), d.bcc, out, 0);
  out.append("</Cell_Description>\n");
  return 1;
}

int render_request_reference(const RequestReference& d, OutputText& out) {
  out.append("<Request_Reference>\n");
  write_field_u8(L3_TAG("RA"), d.ra, out, 0);
  write_field_u8(L3_TAG("T1"), d.t1, out, 0);
  write_field_u8(L3_TAG("T2"), d.t2, out, 0);
  write_field_u8(L3_TAG("T3"), d.t3, out, 0);
  out.append("</Request_Reference>\n");
  return 1;
}

int render_starting_time(const StartingTime& d, OutputText& out) {
  out.append("<StartingTime>\n");
  write_field_u8(L3_TAG("T1"), d.t1, out, 0);
  write_field_u8(L3_TAG("T3"), d.t3, out, 0);
  write_field_u8(L3_TAG("T2"), d.t2, out, 0);
  out.append("</StartingTime>\n");
  return 1;
}

int render_timing_advance(uint8_t value, OutputText& out) {
  out.append("<Timing_Advance>\n");
  write_field_u8(L3_TAG("Timing_advance_value"), value, out, 0);
  out.append("</Timing_Advance>\n");
  return 1;
}

namespace {

constexpr ValueText kPageModeTexts[] = {
    {0, "Normal//paging"},
    {1, "Extended paging"},
    {2, "Paging reorganization"},
    {3, "reserved"},
};

static_assert(well_formed(kPageModeTexts));

constexpr ValueText kPageModeImmediateTexts[] = {
    {0, "Normal_paging"},
    {1, "Extended paging"},
    {2, "Paging reorganization"},
    {3, "reserved"},
};

static_assert(well_formed(kPageModeImmediateTexts));

int render_page_mode_with(uint8_t value, std::span<const ValueText> table, OutputText& out) {
  out.append("<Page_Mode>\n");
  append_value_text(text_or(table, value, "reserved"), out, value, 1);
  out.append("</Page_Mode>\n");
  return 1;
}

}  // namespace

int render_page_mode(uint8_t value, OutputText& out) { return render_page_mode_with(value, kPageModeTexts, out); }

int render_page_mode_immediate(uint8_t value, OutputText& out) {
  return render_page_mode_with(value, kPageModeImmediateTexts, out);
}

namespace {

constexpr ValueText kRrCauseTexts[] = {
    {0, "Normal event"},
    {1, "Abnormal release,unspecified"},
    {2, "Abnormal release,channel unacceptable"},
    {3, "Abnormal release,timer expired"},
    {4, "Abnormal release,no activity on the radio path"},
    {5, "Preemptive release"},
    {6, "UTRAN configuration unknown"},
    {8, "Handover impossible,timing advance out of range"},
    {9, "Channel mode unacceptable"},
    {10, "Frequency not implemented"},
    {11, "Originator or talker leaving group call area"},
    {12, "Lower layer failure"},
    {65, "Call already cleared"},
    {95, "Semantically incorrect message"},
    {96, "Invalid mandatory information"},
    {97, "Message type non-existent or not implemented"},
    {98, "Message type not compatible with protocol state"},
    {100, "Conditional IE error"},
    {101, "No cell allocation available"},
    {111, "Protocol error unspecified"},
};

static_assert(well_formed(kRrCauseTexts));

}  // namespace

int render_rr_cause_value(uint8_t value, OutputText& out) {
  out.append("<RR_Cause_value>\n");
  append_value_text(text_or(kRrCauseTexts, value, "Normal event"), out, value, 1);
  out.append("</RR_Cause_value>\n");
  return 1;
}

int render_time_difference(const TimeDifference& d, OutputText& out) {
  out.append("<Time_Difference>\n");
  write_field_u8(L3_TAG("Length_of_Time_Difference"), d.length, out, 0);
  write_field_u8(L3_TAG("Time_difference_value"), d.value, out, 0);
  out.append("</Time_Difference>\n");
  return 1;
}

void render_fpc(uint8_t fpc, OutputText& out) {
  render_flag(out, L3_FLAG("<FPC>\n", "</FPC>\n", "FPC not in use", "FPC in use"), fpc);
}

void render_power_command(uint8_t fpc, uint8_t level, OutputText& out) {
  out.append("<Power_Command>\n");
  render_fpc(fpc, out);
  write_field_u8(L3_TAG("POWER_LEVEL"), level, out, 0);
  out.append("</Power_Command>\n");
}

}  // namespace l3
