// Renderers of the CP messages.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "sms/sms_records.h"

namespace l3 {

// Reads the direction from its argument, not the record: the RP message type
// text and the TPDU layout depend on it.
int render_cp_data(const CpDataRecord& r, OutputText& out, uint8_t direction);
int render_cp_ack(const CpAckRecord& r, OutputText& out);
int render_cp_error(const CpErrorRecord& r, OutputText& out);

}  // namespace l3
