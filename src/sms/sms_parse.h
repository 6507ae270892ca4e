// Parsers of the CP messages.
#pragma once

#include <cstdint>

#include "sms/sms_records.h"

namespace l3 {

CpDataRecord* parse_cp_data(const uint8_t* msg, uint16_t len, uint8_t dir);
CpAckRecord* parse_cp_ack(const uint8_t* msg, uint16_t len, uint8_t dir);
CpErrorRecord* parse_cp_error(const uint8_t* msg, uint16_t len, uint8_t dir);

}  // namespace l3
