#include "api/decode.h"

#include <array>
#include <cstdlib>

#include "api/failure_dump.h"
#include "api/json.h"
#include "api/keys.h"
#include "api/registry.h"
#include "tharvel.h"

namespace l3 {

namespace {

// Octets a record can address: parsers take 16-bit lengths.
constexpr uint32_t kMaxDecoded = 0xFFFF;

// Everything before the message's own tags, for each direction and
// protocol discriminator, built once: the frame is one copy.
struct FrameHead {
  char text[88];
  uint32_t size;
};

constexpr auto kFrameHeads = [] {
  std::array<FrameHead, 32> heads{};
  for (int up = 0; up < 2; ++up) {
    for (int pd = 0; pd < 16; ++pd) {
      FrameHead& h = heads[static_cast<size_t>(16 * up + pd)];
      const char* parts[] = {"<L3Message>\n<dir>", up != 0 ? "UPLINK" : "DOWNLINK", "</dir>\n<channeltype>",
                             kPdNames[pd], "</channeltype>\n<message>\n"};
      for (const char* part : parts) {
        for (const char* c = part; *c != '\0'; ++c) h.text[h.size++] = *c;
      }
    }
  }
  return heads;
}();

// Protocols that reach the record stage never run past 16-bit lengths.
uint16_t decoded_length(uint32_t length) { return static_cast<uint16_t>(length > kMaxDecoded ? kMaxDecoded : length); }

}  // namespace

int decode_with(const DecodeSetup& setup, const uint8_t* msg, size_t length, OutputText& out,
                DecodeOutcome* outcome) noexcept {
  DecodeOutcome o;
  if (length < 2 || msg == nullptr) {
    out.append("<L3Message>\n");
    out.finish();
    o.status = THARVEL_STATUS_TOO_SHORT;
    if (outcome != nullptr) *outcome = o;
    return 0;
  }
  o.pd = msg[0] & 0x0F;
  o.key = message_key(msg);
  const FrameHead& head = kFrameHeads[(setup.frame_direction != 0 ? 16 : 0) + o.pd];
  out.append(head.text, head.size);
  if (!key_accepted(o.key)) {
    out.cut_to_empty();
    o.status = THARVEL_STATUS_NOT_DECODED;
    if (outcome != nullptr) *outcome = o;
    return 0;
  }
  const uint16_t len = decoded_length(length > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(length));
  DecodeProbe probe;
  probe.msg = msg;
  probe.real_direction = setup.real_direction;
  DecodeProbe* const saved = decode_probe;
  if (setup.probe) decode_probe = &probe;
  ParsedMessage parsed;
  int result = 1;
  bool failed = true;
  int rendered = 1;
  try {
    if (parsed.parse(msg, len, setup.parse_direction)) {
      rendered = parsed.render(out, setup.parse_direction);
      out.append("</message>\n</L3Message>\n");
      failed = false;
    }
  } catch (...) {
    // Falls through to the failure path: the document stays open.
  }
  decode_probe = saved;
  out.finish();
  if (failed) {
    o.status = THARVEL_STATUS_FAILED;
    if (setup.failure_dump) {
      write_failure_dump(msg, length > INT32_MAX ? INT32_MAX : static_cast<int32_t>(length));
    }
  } else if (length > kMaxDecoded) {
    o.status = THARVEL_STATUS_TOO_LONG;
  } else if (probe.ran_out || rendered == 0) {
    o.status = THARVEL_STATUS_TRUNCATED;
  } else if (o.pd != kPdRr && probe.furthest != 0 && probe.furthest < len) {
    // RR messages end in rest octets and padding that fill the block.
    o.status = THARVEL_STATUS_TRAILING;
  } else {
    o.status = THARVEL_STATUS_DECODED;
  }
  if (outcome != nullptr) *outcome = o;
  return result;
}

int decode_document(uint8_t direction, int32_t length, const uint8_t* msg, OutputText& out) noexcept {
  DecodeSetup setup;
  setup.frame_direction = direction;
  setup.parse_direction = direction;
  return decode_with(setup, msg, length < 0 ? 0 : static_cast<size_t>(length), out, nullptr);
}

const char* protocol_name(uint8_t pd) {
  switch (pd & 0x0F) {
    case kPdCc:
      return "CC";
    case kPdMm:
      return "MM";
    case kPdRr:
      return "RR";
    case kPdGmm:
      return "GMM";
    case kPdSms:
      return "SMS";
    case kPdSm:
      return "SM";
    default:
      return pd_name(pd);
  }
}

}  // namespace l3

namespace {

struct Buffer {
  char* data = nullptr;
  ~Buffer() { std::free(data); }
};

// The text document into a heap buffer of its whole size: a first try in a
// fixed buffer, a second in one of the size the first reported.
bool render_text(const l3::DecodeSetup& setup, const uint8_t* message, size_t length, Buffer& text, size_t& size,
                 l3::DecodeOutcome& outcome) {
  size_t capacity = 16384;
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::free(text.data);
    text.data = static_cast<char*>(std::malloc(capacity));
    if (text.data == nullptr) return false;
    text.data[0] = '\0';
    l3::OutputText out(text.data, capacity);
    l3::decode_with(setup, message, length, out, &outcome);
    size = out.length();
    if (size < capacity) return true;
    capacity = size + 1;
  }
  return false;
}

}  // namespace

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

THARVEL_API const char* tharvel_version(void) {
#define THARVEL_STR2(x) #x
#define THARVEL_STR(x) THARVEL_STR2(x)
  return THARVEL_STR(THARVEL_VERSION_MAJOR) "." THARVEL_STR(THARVEL_VERSION_MINOR) "." THARVEL_STR(
      THARVEL_VERSION_PATCH);
#undef THARVEL_STR
#undef THARVEL_STR2
}

THARVEL_API int tharvel_decode(const uint8_t* message, size_t length, const tharvel_options* options, char* output,
                               size_t capacity, tharvel_result* result) {
  tharvel_options opt{sizeof(tharvel_options), 0, THARVEL_FORMAT_TEXT, 0, 0};
  bool valid = true;
  if (options != nullptr) {
    // Fields past the caller's size keep their defaults.
    if (options->size < offsetof(tharvel_options, direction) + 1) valid = false;
    if (valid && options->size >= offsetof(tharvel_options, direction) + 1) opt.direction = options->direction;
    if (valid && options->size >= offsetof(tharvel_options, format) + 1) opt.format = options->format;
    if (valid && options->size >= offsetof(tharvel_options, failure_dump) + 1) opt.failure_dump = options->failure_dump;
  }
  if (opt.direction > 1 || opt.format > THARVEL_FORMAT_JSON) valid = false;
  if (output == nullptr && capacity > 0) valid = false;
  if (result != nullptr && result->size < offsetof(tharvel_result, name) + sizeof(const char*)) valid = false;
  if (output != nullptr && capacity > 0) output[0] = '\0';

  l3::DecodeOutcome outcome;
  size_t needed = 0;
  if (valid) {
    l3::DecodeSetup setup;
    setup.frame_direction = opt.direction;
    // The parsers read direction byte 0 as the mobile side.
    setup.parse_direction = opt.direction == 1 ? 0 : 1;
    setup.real_direction = true;
    setup.probe = true;
    setup.failure_dump = opt.failure_dump != 0;
    if (opt.format == THARVEL_FORMAT_TEXT) {
      l3::OutputText out(output, capacity);
      l3::decode_with(setup, message, length, out, &outcome);
      needed = out.length();
    } else {
      Buffer text;
      size_t size = 0;
      if (render_text(setup, message, length, text, size, outcome)) {
        l3::OutputText out(output, capacity);
        if (!l3::text_to_json(text.data, size, out)) {
          out.cut_to_empty();
          outcome.status = THARVEL_STATUS_FAILED;
        }
        out.finish();
        needed = out.length();
      } else {
        outcome.status = THARVEL_STATUS_FAILED;
      }
    }
  } else {
    outcome.status = THARVEL_STATUS_INVALID;
  }
  if (result != nullptr) {
    result->status = outcome.status;
    result->needed = needed;
    result->key = outcome.key;
    result->pd = outcome.pd;
    result->reserved = 0;
    const bool have_pd = message != nullptr && length >= 2 && valid;
    result->protocol = have_pd ? l3::protocol_name(outcome.pd) : "";
    const char* name = have_pd ? l3::message_name(outcome.key) : nullptr;
    result->name = name != nullptr ? name : "";
  }
  return outcome.status;
}

}  // extern "C"
