#include "core/dispatch.h"

namespace l3 {

MessageRecord* parse_message(const uint8_t* msg, uint16_t length, uint8_t direction) {
  if (msg == nullptr || length < 2) return nullptr;
  switch (msg[0] & 0x0F) {
    case kPdCc:
      return parse_cc_message(msg, length, direction);
    case kPdRr:
      return parse_rr_message(msg, length, direction);
    case kPdGmm:
      return parse_gmm_message(msg, length, direction);
    case kPdSm:
      return parse_sm_message(msg, length, direction);
    default:
      return nullptr;
  }
}

int render_message(const MessageRecord& r, OutputText& out, uint8_t direction) {
  switch ((r.key >> 8) & 0x0F) {
    case kPdCc:
      return render_cc_message(r, out, direction);
    case kPdRr:
      return render_rr_message(r, out, direction);
    case kPdGmm:
      return render_gmm_message(r, out, direction);
    case kPdSm:
      return render_sm_message(r, out, direction);
    default:
      return 0;
  }
}

}  // namespace l3
