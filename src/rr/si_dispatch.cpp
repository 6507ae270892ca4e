#include "rr/rr_dispatch.h"

namespace l3 {

// No system information message is decoded yet.
MessageRecord* parse_system_information(const uint8_t*, uint16_t, uint8_t) { return nullptr; }

int render_system_information(const MessageRecord&, OutputText&, uint8_t) { return 0; }

}  // namespace l3
