#include "core/dispatch.h"

namespace l3 {

MessageRecord* parse_message(const uint8_t* msg, uint16_t length, uint8_t direction) {
  if (msg == nullptr || length < 2) return nullptr;
  switch (msg[0] & 0x0F) {
    case kPdSms:
      return parse_sms_message(msg, length, direction);
    default:
      return nullptr;
  }
}

int render_message(const MessageRecord& r, OutputText& out, uint8_t direction) {
  switch ((r.key >> 8) & 0x0F) {
    case kPdSms:
      return render_sms_message(r, out, direction);
    default:
      return 0;
  }
}

}  // namespace l3
