// Small RR value blocks and identities: priorities, P0, alpha, CKSN, TLLI,
// TMSI, group call reference, group cipher key number, the RR cause element.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

// Group call reference as RR renders it (value octets, 36 bits used).
struct RrGroupCallRef {
  uint32_t binary_code;  // 27 bits
  uint8_t sf;
  uint8_t af;
  uint8_t call_priority;
  uint8_t ciphering_info;
};

void decode_rr_group_call_ref(RrGroupCallRef& g, BitCursor& c);

void render_rr_group_call_ref(const RrGroupCallRef& g, OutputText& out);

// Shared small blocks.
int render_call_priority(uint8_t v, OutputText& out);

void render_rr_packet_page_indication(uint8_t value, OutputText& out);

void render_rr_p0(uint8_t value, OutputText& out);

int render_alpha(uint8_t v, OutputText& out);

void render_rr_cksn(uint8_t cksn, OutputText& out);

void render_rr_tlli(uint32_t tlli, OutputText& out);

void render_rr_tmsi(uint32_t tmsi, OutputText& out);

void render_rr_max_lapdm(uint8_t value, OutputText& out);

void render_rr_cause_element(uint8_t cause, OutputText& out);

int render_group_cipher_key_number(uint8_t value, OutputText& out);

// "%f" of a value (six decimals, no exponent), for the few computed numbers
// the blocks print that way.
void append_fixed6(OutputText& out, double v);

}  // namespace l3
