// RR messages of one shape shared by several types: one cause octet, one
// octet used whole, nothing after the type.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"

namespace l3 {

// One RR cause octet: the assignment and handover outcomes, RR status and the
// rest of that shape.
struct RrCauseMessage : MessageRecord {
  uint8_t cause;
};

// One octet used whole: DTM wait indication, timing advance, and the octet
// after the type of a channel request.
struct RrOneOctetMessage : MessageRecord {
  uint8_t value;
};

struct RrEmptyMessage : MessageRecord {};

// Parsers: fill the zeroed record the message table built.
void parse_rr_cause_message(RrCauseMessage& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_one_octet_message(RrOneOctetMessage& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_rr_empty_message(RrEmptyMessage& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// Renderers: tag is the message's open tag name from its table row.
int render_rr_cause_message(const RrCauseMessage& r, OutputText& out,
                            const char* tag);  // the RR cause block inside the message tags
int render_rr_cause_only(const RrCauseMessage& r, OutputText& out,
                         const char* tag);  // type 0x48: the RR cause block alone
int render_dtm_reject(const RrOneOctetMessage& r, OutputText& out, const char* tag);
int render_physical_information(const RrOneOctetMessage& r, OutputText& out, const char* tag);
int render_rr_empty_message(const RrEmptyMessage& r, OutputText& out, const char* tag);
int render_channel_request(const RrOneOctetMessage& r, OutputText& out, const char* tag);

}  // namespace l3
