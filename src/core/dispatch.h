// Parse dispatch by protocol discriminator, and the per-family entry points
// that each family folder provides.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/message_table.h"
#include "core/record.h"

namespace l3 {


// Record of one message, or nullptr (allocation failure, or no parser for the
// type). length is the caller's count cut to 16 bits; the message holds at
// least 2 octets.
MessageRecord* parse_message(const uint8_t* msg, uint16_t length, uint8_t direction);

// Family dispatch: a switch on the message type, nullptr for every type the
// family does not decode.
MessageRecord* parse_cc_message(const uint8_t* msg, uint16_t length, uint8_t direction);
MessageRecord* parse_rr_message(const uint8_t* msg, uint16_t length, uint8_t direction);
MessageRecord* parse_gmm_message(const uint8_t* msg, uint16_t length, uint8_t direction);
MessageRecord* parse_sm_message(const uint8_t* msg, uint16_t length, uint8_t direction);

// Family renderers: write the message's own tags for a record made by the
// family's parser, chosen by the record's key. direction is the caller's byte
// (only CP-DATA reads it). Result 1, or 0 when a renderer stopped early.
int render_cc_message(const MessageRecord& r, OutputText& out, uint8_t direction);
int render_rr_message(const MessageRecord& r, OutputText& out, uint8_t direction);
int render_gmm_message(const MessageRecord& r, OutputText& out, uint8_t direction);
int render_sm_message(const MessageRecord& r, OutputText& out, uint8_t direction);

// The renderer of the record's family.
int render_message(const MessageRecord& r, OutputText& out, uint8_t direction);

}  // namespace l3
