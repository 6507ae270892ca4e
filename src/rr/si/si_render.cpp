#include "core/output.h"
#include "rr/elements/channel_elements.h"
#include "rr/si/si_messages.h"

namespace l3 {

int render_si1(const Si1& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  if (r.fields > 0) render_cell_channel_description(r.cell_channels, out);
  if (r.fields > 1) render_rach_control(r.rach, out);
  if (r.rest_present) render_si1_rest_octets(r.rest, out);
  return close_message_frame(out, name);
}

int render_si2(const Si2& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  if (r.fields > 0) render_neighbour_cell_description(r.neighbours, out);
  if (r.fields > 1) write_field_int(L3_TAG("NCC_permitted"), r.ncc_permitted, out, 0);
  if (r.fields > 2) render_rach_control(r.rach, out);
  return close_message_frame(out, name);
}

int render_si2bis(const Si2bis& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  if (r.fields > 0) render_neighbour_cell_description(r.neighbours, out);
  if (r.fields > 1) render_rach_control(r.rach, out);
  return close_message_frame(out, name);
}

int render_si2ter(const Si2ter& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  if (r.fields > 0) render_neighbour_cell_description2(r.neighbours, out);
  render_si2ter_rest_octets(r.rest, out);
  return close_message_frame(out, name);
}

int render_si2quater(const Si2quater& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  render_si2quater_rest_octets(r.rest, out);
  return close_message_frame(out, name);
}

int render_si3(const Si3& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  if (r.fields > 0) render_cell_identity(r.cell_identity, out);
  if (r.fields > 1) render_location_area_id(r.lai, out);
  if (r.fields > 2) render_control_channel_description(r.control_channel, out);
  if (r.fields > 3) render_cell_options_bcch(r.cell_options, out);
  if (r.fields > 4) render_cell_selection_parameters(r.cell_selection, out);
  if (r.fields > 5) render_rach_control(r.rach, out);
  if (r.rest_present) render_si3_rest_octets(r.rest, out);
  return close_message_frame(out, name);
}

int render_si4(const Si4& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  if (r.fields > 0) render_location_area_id(r.lai, out);
  if (r.fields > 1) render_cell_selection_parameters(r.cell_selection, out);
  if (r.fields > 2) render_rach_control(r.rach, out);
  if (r.cbch.present) render_channel_description(r.cbch.value, out);
  if (r.cbch_mobile_allocation.present) render_mobile_allocation(r.cbch_mobile_allocation.value, out);
  if (r.rest_present) render_si4_rest_octets(r.rest, out);
  return close_message_frame(out, name);
}

int render_si5(const Si5& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  if (r.fields > 0) render_neighbour_cell_description(r.neighbours, out);
  return close_message_frame(out, name);
}

int render_si5ter(const Si5ter& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  if (r.fields > 0) render_neighbour_cell_description2(r.neighbours, out);
  return close_message_frame(out, name);
}

int render_si6(const Si6& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  if (r.fields > 0) render_cell_identity(r.cell_identity, out);
  if (r.fields > 1) render_location_area_id(r.lai, out);
  if (r.fields > 2) render_cell_options_sacch(r.cell_options, out);
  if (r.fields > 3) write_field_int(L3_TAG("NCC_permitted"), r.ncc_permitted, out, 0);
  if (r.rest_present) render_si6_rest_octets(r.rest, out);
  return close_message_frame(out, name);
}

int render_si7(const Si7& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  if (r.rest_present) {
    // SI 7 and 8 carry the S part alone; the O block stays empty.
    render_si4_rest_octets_o(Si4RestOctets{}, out);
    render_si4_rest_octets_s(r.rest, out);
  }
  return close_message_frame(out, name);
}

int render_si9(const Si9& r, OutputText& out, const char* name) {
  open_message_frame(out, name);
  if (r.fields > 0) render_rach_control(r.rach, out);
  if (r.rest_present) render_si9_rest_octets(r.rest, out);
  return close_message_frame(out, name);
}

int render_si13(const Si13& m, OutputText& out, const char* name) {
  open_message_frame(out, name);
  render_si13_rest_octets(m.rest, out);
  return close_message_frame(out, name);
}

int render_si14(const Si14& m, OutputText& out, const char* name) {
  open_message_frame(out, name);
  render_si14_rest_octets(m.rest, out);
  return close_message_frame(out, name);
}

int render_si16(const Si16& m, OutputText& out, const char* name) {
  open_message_frame(out, name);
  render_si16_rest_octets(m.rest, out);
  return close_message_frame(out, name);
}

int render_si18(const Si18& m, OutputText& out, const char* name) {
  open_message_frame(out, name);
  render_si18_rest_octets(m.rest, out);
  return close_message_frame(out, name);
}

int render_si19(const Si19& m, OutputText& out, const char* name) {
  open_message_frame(out, name);
  render_si19_rest_octets(m.rest, out);
  return close_message_frame(out, name);
}

}  // namespace l3
