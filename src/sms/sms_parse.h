// Parsers of the CP messages.
#pragma once

#include <cstdint>

#include "sms/sms_records.h"

namespace l3 {

void parse_cp_data(CpDataRecord& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cp_ack(CpAckRecord& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_cp_error(CpErrorRecord& r, const uint8_t* msg, uint16_t len, uint8_t dir);

}  // namespace l3
