// The short message service's CP messages: one row each.
#pragma once

#include "core/message_table.h"
#include "sms/sms_parse.h"
#include "sms/sms_render.h"

namespace l3 {

// clang-format off
inline constexpr MessageRow kSmsMessages[] = {
    message<CpDataRecord, parse_cp_data, render_cp_data>(0x901, "CP-DATA", {"v1 v1 v1 l0-11 l0-11 l2-164", "", 0}),
    message<CpAckRecord, parse_cp_ack, render_cp_ack>(0x904, "CP-ACK", {"", "", 0}),
    message<CpErrorRecord, parse_cp_error, render_cp_error>(0x910, "CP-ERROR", {"v1", "", 0}),
};
// clang-format on
static_assert(keys_unique(kSmsMessages) && keys_of_pd(kSmsMessages, kPdSms));

}  // namespace l3
