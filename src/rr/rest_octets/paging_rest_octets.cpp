// P1, P2 and P3 rest octets of the paging requests and the NT/N rest octets
// of NOTIFICATION/NCH. The paging blocks flag their groups with L/H bits (the
// filler reads as absent); the NT/N block and the group call parts use plain
// bits.
#include "rr/rest_octets/paging_rest_octets.h"

#include <iterator>

#include "core/output.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/value_elements.h"
#include "rr/messages/paging.h"
#include "rr/rest_octets/fill_bits.h"

namespace l3 {

namespace {

uint8_t take8(BitCursor& c, uint32_t w) { return static_cast<uint8_t>(c.bits(w)); }

// { L | H < priority 3 > }
void take_priority(Opt<uint8_t>& p, BitCursor& c) {
  p.present = rest_high_bit(c);
  if (p.present) p.value = take8(c, 3);
}

// < Channel Description 24 > { 0 | 1 { 0 < Mobile Allocation : LV > | 1 < Frequency Short List 64 > } }
void decode_rest_group_channel(RestGroupChannel& g, BitCursor& c) {
  g.present = 1;
  uint8_t octets[3] = {take8(c, 8), take8(c, 8), take8(c, 8)};
  decode_channel_description(g.channel, bits_of(octets, 3));
  if (!c.bit()) return;
  if (!c.bit()) {
    g.ma_present = 1;
    uint8_t length = take8(c, 8);
    decode_mobile_allocation_bits(g.mobile_allocation, c.buf, c.pos, length);
    c.skip(8u * length);
  } else {
    g.short_list_present = 1;
    decode_frequency_short_list_at(g.short_list, c.buf, c.pos, 64);
    c.skip(64);
  }
}

void render_rest_group_channel(const RestGroupChannel& g, OutputText& out) {
  append_plain(out, "<Group Channel Description>\n");
  render_channel_description(g.channel, out);
  if (g.ma_present) render_mobile_allocation(g.mobile_allocation, out);
  if (g.short_list_present) render_frequency_short_list(g.short_list, out);
}

}  // namespace

void decode_p1_rest_octets(P1RestOctets& r, const BitBuffer& b) {
  r.present = 1;
  BitCursor c(b);
  r.nln_present = rest_high_bit(c);
  if (r.nln_present) {
    r.nln = take8(c, 2);
    r.nln_status = take8(c, 1);
  }
  take_priority(r.priority1, c);
  take_priority(r.priority2, c);
  r.group_call_present = rest_high_bit(c);
  if (r.group_call_present) {
    decode_rr_group_call_ref(r.group_call, c);
    if (c.bit()) decode_rest_group_channel(r.group_channel, c);
  }
  r.packet_page_indication1 = rest_high_bit(c);
  r.packet_page_indication2 = rest_high_bit(c);
}

void render_p1_rest_octets(const P1RestOctets& r, OutputText& out) {
  append_plain(out, "<P1_Rest_Octets>\n");
  if (r.nln_present) {
    write_field_u8(L3_TAG("NLN_PCH"), r.nln, out, 0);
    write_field_u8(L3_TAG("NLN_status"), r.nln_status, out, 0);
  }
  if (r.priority1.present) render_call_priority(r.priority1.value, out);
  if (r.priority2.present) render_call_priority(r.priority2.value, out);
  if (r.group_call_present) {
    append_plain(out, "<Group_Call_information>\n");
    render_rr_group_call_ref(r.group_call, out);
    if (r.group_channel.present) {
      render_rest_group_channel(r.group_channel, out);
      append_plain(out, "</Group Channel Description>\n");
    }
    append_plain(out, "</Group_Call_information>\n");
  }
  append_plain(out, "<Packet_Page_Indication1>\n");
  render_rr_packet_page_indication(r.packet_page_indication1, out);
  append_plain(out, "</Packet_Page_Indication1>\n");
  append_plain(out, "<Packet_Page_Indication2>\n");
  render_rr_packet_page_indication(r.packet_page_indication2, out);
  append_plain(out, "</Packet_Page_Indication2>\n");
  append_plain(out, "</P1_Rest_Octets>\n");
}

void decode_p2_rest_octets(P2RestOctets& r, const BitBuffer& b) {
  r.present = 1;
  BitCursor c(b);
  r.cn3.present = rest_high_bit(c);
  if (r.cn3.present) r.cn3.value = take8(c, 2);
  r.nln_present = rest_high_bit(c);
  if (r.nln_present) {
    r.nln = take8(c, 2);
    r.nln_status = take8(c, 1);
  }
  for (Opt<uint8_t>& p : r.priority) take_priority(p, c);
  // Only Mobile Identity 3 has a packet page indication here.
  r.packet_page_indication3 = rest_high_bit(c);
}

namespace {

constexpr CText kPriorityOpen[] = {"<Priority1>\n", "<Priority2>\n", "<Priority3>\n", "<Priority4>\n"};
constexpr CText kPriorityClose[] = {"</Priority1>\n", "</Priority2>\n", "</Priority3>\n", "</Priority4>\n"};

void render_numbered_priorities(const Opt<uint8_t>* p, uint32_t n, OutputText& out) {
  for (uint32_t i = 0; i < n && i < std::size(kPriorityOpen); ++i) {
    if (!p[i].present) continue;
    append_plain(out, kPriorityOpen[i]);
    render_call_priority(p[i].value, out);
    append_plain(out, kPriorityClose[i]);
  }
}

}  // namespace

void render_p2_rest_octets(const P2RestOctets& r, OutputText& out) {
  append_plain(out, "<P2_Rest_Octets>\n");
  if (r.cn3.present) write_field_u8(L3_TAG("CN3"), r.cn3.value, out, 0);
  if (r.nln_present) {
    write_field_u8(L3_TAG("NLN"), r.nln, out, 0);
    write_field_u8(L3_TAG("NLN status"), r.nln_status, out, 0);
  }
  render_numbered_priorities(r.priority, std::size(r.priority), out);
  render_rr_packet_page_indication(r.packet_page_indication3, out);
  append_plain(out, "</P2_Rest_Octets>\n");
}

void decode_p3_rest_octets(P3RestOctets& r, const BitBuffer& b) {
  r.present = 1;
  BitCursor c(b);
  r.cn_present = rest_high_bit(c);
  if (r.cn_present) {
    r.cn3 = take8(c, 2);
    r.cn4 = take8(c, 2);
  }
  r.nln_present = rest_high_bit(c);
  if (r.nln_present) {
    r.nln = take8(c, 2);
    r.nln_status = take8(c, 1);
  }
  for (Opt<uint8_t>& p : r.priority) take_priority(p, c);
}

void render_p3_rest_octets(const P3RestOctets& r, OutputText& out) {
  append_plain(out, "<P3_Rest_Octets>\n");
  if (r.cn_present) {
    write_field_u8(L3_TAG("CN3"), r.cn3, out, 0);
    write_field_u8(L3_TAG("CN4"), r.cn4, out, 0);
  }
  if (r.nln_present) {
    write_field_u8(L3_TAG("NLN"), r.nln, out, 0);
    write_field_u8(L3_TAG("NLN status"), r.nln_status, out, 0);
  }
  render_numbered_priorities(r.priority, std::size(r.priority), out);
  append_plain(out, "</P3_Rest_Octets>\n");
}

void decode_nt_n_rest_octets(NotificationNch& r, const BitBuffer& b) {
  BitCursor c(b);
  r.nln_present = c.bit();
  if (r.nln_present) r.nln = take8(c, 2);
  // { 1 < Group Call information > } ** 0
  while (r.count < std::size(r.calls) && !c.at_end() && c.bit()) {
    NchGroupCall& call = r.calls[r.count++];
    decode_rr_group_call_ref(call.reference, c);
    if (c.bit()) decode_rest_group_channel(call.group_channel, c);
  }
}

void render_nt_n_rest_octets(const NotificationNch& r, OutputText& out) {
  if (r.nln_present) write_field_u8(L3_TAG("NLN_PCH"), r.nln, out, 0);
  for (uint32_t i = 0; i < r.count && i < std::size(r.calls); ++i) {
    const NchGroupCall& call = r.calls[i];
    append_plain(out, "<List_of_Group_Call_NCH_information>\n");
    append_plain(out, "<Group_Call_information>\n");
    render_rr_group_call_ref(call.reference, out);
    if (call.group_channel.present) {
      render_rest_group_channel(call.group_channel, out);
      append_plain(out, "<Group Channel Description>\n");  // hosts expect the open tag again here
    }
    append_plain(out, "</Group_Call_information>\n");
    append_plain(out, "</List of_Group_Call_NCH_information>\n");
  }
}

}  // namespace l3
