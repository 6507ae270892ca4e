#include "core/dispatch.h"
#include "sms/sms_parse.h"
#include "sms/sms_render.h"

namespace l3 {

namespace {

enum SmsType : uint8_t { kCpData = 0x01, kCpAck = 0x04, kCpError = 0x10 };

}  // namespace

MessageRecord* parse_sms_message(const uint8_t* msg, uint16_t length, uint8_t direction) {
  switch (msg[1]) {
    case kCpData:
      return parse_cp_data(msg, length, direction);
    case kCpAck:
      return parse_cp_ack(msg, length, direction);
    case kCpError:
      return parse_cp_error(msg, length, direction);
    default:
      return nullptr;
  }
}

int render_sms_message(const MessageRecord& r, OutputText& out, uint8_t direction) {
  switch (r.key & 0xFF) {
    case kCpData:
      return render_cp_data(static_cast<const CpDataRecord&>(r), out, direction);
    case kCpAck:
      return render_cp_ack(static_cast<const CpAckRecord&>(r), out);
    case kCpError:
      return render_cp_error(static_cast<const CpErrorRecord&>(r), out);
    default:
      return 0;
  }
}

}  // namespace l3
