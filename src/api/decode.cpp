#include "api/decode.h"

#include "api/failure_dump.h"
#include "api/keys.h"
#include "core/dispatch.h"
#include "tharvel.h"

namespace l3 {

namespace {

void append_frame_head(uint8_t direction, uint8_t pd, OutputText& out) {
  out.append("<dir>");
  out.append(direction == 0 ? "DOWNLINK" : "UPLINK");
  out.append("</dir>\n<channeltype>");
  out.append(pd_name(pd));
  out.append("</channeltype>\n");
}

}  // namespace

int decode_document(uint8_t direction, int32_t length, const uint8_t* msg, OutputText& out) noexcept {
  out.append("<L3Message>\n");
  if (length < 2 || msg == nullptr) {
    out.finish();
    return 0;
  }
  append_frame_head(direction, msg[0], out);
  uint16_t key = message_key(msg);
  out.append("<message>\n");
  if (!key_accepted(key)) {
    out.cut_to_empty();
    return 0;
  }
  MessageRecord* record = nullptr;
  try {
    record = parse_message(msg, static_cast<uint16_t>(length), direction);
    if (record != nullptr) {
      render_message(*record, out, direction);
      free_record(record);
      out.append("</message>\n</L3Message>\n");
      out.finish();
      return 1;
    }
  } catch (...) {
    // Falls through to the failure path: the document stays open.
  }
  free_record(record);
  out.finish();
  write_failure_dump(msg, length);
  return 1;
}

}  // namespace l3

extern "C" {

THARVEL_API int tharvel(uint8_t direction, int32_t length, const uint8_t* message, char* output) {
  if (output == nullptr) return 0;
  l3::OutputText out(output);
  return l3::decode_document(direction, length, message, out);
}

THARVEL_API int tharvel_n(uint8_t direction, int32_t length, const uint8_t* message, char* output, size_t capacity,
                          size_t* needed) {
  if (output == nullptr) capacity = 0;
  l3::OutputText out(output, capacity);
  int result = output == nullptr ? 0 : l3::decode_document(direction, length, message, out);
  if (needed != nullptr) *needed = out.length();
  return result;
}

}  // extern "C"
