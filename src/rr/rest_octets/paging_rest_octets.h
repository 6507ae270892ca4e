// Rest octets of the paging requests and of NOTIFICATION/NCH.
#pragma once

#include <cstdint>

#include "rr/messages/rr_msg_records.h"

namespace l3 {

// True when every octet is the 0x2B filler: such a block is not decoded.
bool rest_octets_all_padding(const uint8_t* octets, uint32_t n);

void decode_p1_rest_octets(P1RestOctets& r, const BitBuffer& b);
void render_p1_rest_octets(const P1RestOctets& r, OutputText& out);
void decode_p2_rest_octets(P2RestOctets& r, const BitBuffer& b);
void render_p2_rest_octets(const P2RestOctets& r, OutputText& out);
void decode_p3_rest_octets(P3RestOctets& r, const BitBuffer& b);
void render_p3_rest_octets(const P3RestOctets& r, OutputText& out);
// The 20 NT/N rest octets into the message record.
void decode_nt_n_rest_octets(NotificationNch& r, const BitBuffer& b);
void render_nt_n_rest_octets(const NotificationNch& r, OutputText& out);

}  // namespace l3
