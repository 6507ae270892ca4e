#pragma once

#include <cstddef>
#include <cstdint>

#include "core/output.h"

namespace l3 {

// How one decode runs: the byte the <dir> line shows, the byte the parsers
// and renderers read (0 the mobile side), and what the status entry point adds.
struct DecodeSetup {
  uint8_t frame_direction = 0;
  uint8_t parse_direction = 0;
  bool real_direction = false;  // parse_direction came from the frame's real direction
  bool probe = false;           // watch the readers for the status
  bool failure_dump = true;
};

struct DecodeOutcome {
  int status = 0;  // a tharvel_status
  uint16_t key = 0;
  uint8_t pd = 0;
};

// The whole decode of one message into `out`: frame, key check, guarded
// parse and render. Lengths above 65,535 decode the first 65,535 octets.
// Result as tharvel's.
int decode_with(const DecodeSetup& setup, const uint8_t* msg, size_t length, OutputText& out,
                DecodeOutcome* outcome) noexcept;

// tharvel's decode: one direction byte for frame and parsers, failure dump on.
int decode_document(uint8_t direction, int32_t length, const uint8_t* msg, OutputText& out) noexcept;

// "RR", "MM", "CC", "GMM", "SM", "SMS", or the <channeltype> text of another PD.
const char* protocol_name(uint8_t pd);

}  // namespace l3
