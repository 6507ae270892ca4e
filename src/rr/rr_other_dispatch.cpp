#include "rr/rr_dispatch.h"

namespace l3 {

// No other RR message is decoded yet.
MessageRecord* parse_rr_other(const uint8_t*, uint16_t, uint8_t) { return nullptr; }

int render_rr_other(const MessageRecord&, OutputText&, uint8_t) { return 0; }

}  // namespace l3
