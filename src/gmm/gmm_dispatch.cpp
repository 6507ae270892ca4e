#include "core/dispatch.h"

namespace l3 {

// No message of this family is decoded yet: every key takes the failure path.
MessageRecord *parse_gmm_message(const uint8_t *, uint16_t, uint8_t) {
  return nullptr;
}

int render_gmm_message(const MessageRecord &, OutputText &, uint8_t) {
  return 0;
}

} // namespace l3
