// Small elements that many RR messages share: cell description, request
// reference, starting time, power command, timing advance, time differences,
// page mode and RR cause value.
// Decoders take the element's octets as a BitBuffer (from the length octet on
// for length-prefixed ones); renderers append one block each.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

struct CellDescription {
  uint16_t bcch_arfcn;
  uint8_t ncc;
  uint8_t bcc;
};

struct RequestReference {
  uint8_t ra;
  uint8_t t1;
  uint8_t t3;
  uint8_t t2;
};

struct StartingTime {
  uint8_t t1;
  uint8_t t3;
  uint8_t t2;
};

struct PowerCommand {
  uint8_t fpc;
  uint8_t power_level;
};

// HANDOVER COMMAND's form, with the access type bit.
struct PowerCommandAccessType {
  uint8_t atc;
  uint8_t fpc;
  uint8_t power_level;
};

struct MobileObservedTimeDifference {
  uint8_t length;
  uint32_t value;  // 21 bits
};

struct TimeDifference {
  uint8_t length;
  uint8_t value;
};

void decode_cell_description(CellDescription& d, const BitBuffer& b);

void decode_request_reference(RequestReference& d, const BitBuffer& b);

void decode_starting_time(StartingTime& d, const BitBuffer& b);

void decode_power_command(PowerCommand& d, const BitBuffer& b);

void decode_power_command_access_type(PowerCommandAccessType& d, const BitBuffer& b);

void decode_mobile_observed_time_difference(MobileObservedTimeDifference& d,
                                            const BitBuffer& b);  // length-led

void decode_time_difference(TimeDifference& d,
                            const BitBuffer& b);  // length-led

inline uint8_t page_mode_of(uint8_t octet) { return octet & 0x03; }

int render_cell_description(const CellDescription& d, OutputText& out);

int render_request_reference(const RequestReference& d, OutputText& out);

int render_starting_time(const StartingTime& d, OutputText& out);

int render_timing_advance(uint8_t value, OutputText& out);

int render_page_mode(uint8_t value, OutputText& out);

// IMMEDIATE ASSIGNMENT's form: "Normal_paging" for 0.
int render_page_mode_immediate(uint8_t value, OutputText& out);

int render_rr_cause_value(uint8_t value, OutputText& out);

int render_time_difference(const TimeDifference& d, OutputText& out);

// Power command without the access type bit, its FPC block, and the VGCS
// target mode indication.
void render_fpc(uint8_t fpc, OutputText& out);

void render_power_command(uint8_t fpc, uint8_t level, OutputText& out);

}  // namespace l3
