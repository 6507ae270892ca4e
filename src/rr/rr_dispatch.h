// RR message dispatch. System information messages and the other RR messages
// are parsed and rendered by their own groups; these are the group entry
// points, with the signatures of the family entry points.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"

namespace l3 {

// True for the message types of the system information group.
bool is_system_information_type(uint8_t type);
// True for every other RR message type that has a parser or a renderer.
bool is_rr_other_type(uint8_t type);

// System information: 0x00-0x07, 0x18-0x1F, 0x3D, 0x3E, 0x40-0x42, 0x44.
MessageRecord* parse_system_information(const uint8_t* msg, uint16_t length, uint8_t direction);
int render_system_information(const MessageRecord& r, OutputText& out, uint8_t direction);

// Every other RR message, channel request included.
MessageRecord* parse_rr_other(const uint8_t* msg, uint16_t length, uint8_t direction);
int render_rr_other(const MessageRecord& r, OutputText& out, uint8_t direction);

}  // namespace l3
