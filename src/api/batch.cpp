// Many messages decoded per call into buffers the batch owns, so that a
// binding pays one foreign call for a few hundred documents.
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "tharvel.h"

struct tharvel_batch {
  // Grown by hand: a vector would zero-fill what the decoder overwrites anyway.
  std::unique_ptr<char[]> text;
  size_t text_capacity = 0;
  size_t text_used = 0;
  std::vector<uint8_t> octets;
  std::vector<tharvel_batch_entry> entries;
  std::string error;
  bool error_pending = false;  // the capture failed after this call's first message
};

namespace {

constexpr size_t kFirstCapacity = 1 << 16;
// Room left before each decode: most documents fit, so one call is enough.
constexpr size_t kHeadroom = 1 << 14;

void reserve_text(tharvel_batch& b, size_t more) {
  if (b.text_capacity - b.text_used >= more) return;
  size_t capacity = b.text_capacity == 0 ? kFirstCapacity : b.text_capacity;
  while (capacity - b.text_used < more) capacity *= 2;
  std::unique_ptr<char[]> grown(new char[capacity]);
  if (b.text_used > 0) std::memcpy(grown.get(), b.text.get(), b.text_used);
  b.text = std::move(grown);
  b.text_capacity = capacity;
}

void start_call(tharvel_batch& b) {
  b.text_used = 0;
  b.octets.clear();
  b.entries.clear();
}

// Decodes one message at the end of the text and fills the entry's decode fields.
void decode_into(tharvel_batch& b, const uint8_t* message, size_t length, const tharvel_options& options,
                 tharvel_batch_entry& e) {
  reserve_text(b, kHeadroom);
  tharvel_result r{};
  r.size = sizeof r;
  size_t room = b.text_capacity - b.text_used;
  tharvel_decode(message, length, &options, b.text.get() + b.text_used, room, &r);
  if (r.needed >= room) {
    reserve_text(b, r.needed + 1);
    room = b.text_capacity - b.text_used;
    r = tharvel_result{};
    r.size = sizeof r;
    tharvel_decode(message, length, &options, b.text.get() + b.text_used, room, &r);
  }
  // Terminated here too: a refused call (bad options) may leave the buffer as it was.
  if (r.needed >= room) r.needed = 0;
  b.text[b.text_used + r.needed] = '\0';
  e.status = r.status;
  e.text_offset = b.text_used;
  e.text_length = r.needed;
  e.protocol = r.protocol != nullptr ? r.protocol : "";
  e.name = r.name != nullptr ? r.name : "";
  e.key = r.key;
  e.pd = r.pd;
  e.direction = options.direction;
  b.text_used += r.needed + 1;
}

tharvel_options options_or_default(const tharvel_options* options) {
  tharvel_options o{};
  o.size = sizeof o;
  if (options != nullptr) std::memcpy(&o, options, std::min<size_t>(sizeof o, options->size));
  o.size = sizeof o;
  return o;
}

}  // namespace

extern "C" {

THARVEL_API tharvel_batch* tharvel_batch_new(void) { return new (std::nothrow) tharvel_batch; }

THARVEL_API void tharvel_batch_free(tharvel_batch* batch) { delete batch; }

THARVEL_API size_t tharvel_batch_entry_size(void) { return sizeof(tharvel_batch_entry); }

THARVEL_API ptrdiff_t tharvel_batch_decode(tharvel_batch* batch, const uint8_t* octets, const size_t* starts,
                                           const uint8_t* directions, size_t count, const tharvel_options* options) {
  if (batch == nullptr || starts == nullptr || (octets == nullptr && count > 0 && starts[count] > starts[0])) {
    return -1;
  }
  for (size_t i = 0; i < count; ++i) {
    if (starts[i + 1] < starts[i]) return -1;
  }
  tharvel_batch& b = *batch;
  try {
    start_call(b);
    b.entries.resize(count);
    tharvel_options o = options_or_default(options);
    for (size_t i = 0; i < count; ++i) {
      tharvel_batch_entry& e = b.entries[i];
      e = tharvel_batch_entry{};
      e.frame = i;
      e.channel_name = "";
      e.source = 0xff;
      if (directions != nullptr) o.direction = directions[i];
      const uint8_t* m = octets == nullptr ? nullptr : octets + starts[i];
      size_t n = starts[i + 1] - starts[i];
      decode_into(b, m, n, o, e);
      e.octets_offset = starts[i] - starts[0];
      e.octets_length = n;
    }
    if (count > 0 && octets != nullptr) b.octets.assign(octets + starts[0], octets + starts[count]);
  } catch (const std::bad_alloc&) {
    start_call(b);
    return -1;
  }
  return static_cast<ptrdiff_t>(count);
}

THARVEL_API ptrdiff_t tharvel_batch_read_capture(tharvel_batch* batch, tharvel_capture* capture,
                                                 size_t max_messages, const tharvel_options* options) {
  if (batch == nullptr) return -1;
  tharvel_batch& b = *batch;
  start_call(b);
  if (capture == nullptr) {
    b.error = "no capture";
    return -1;
  }
  if (b.error_pending) {
    b.error_pending = false;
    return -1;
  }
  b.error.clear();
  tharvel_options o = options_or_default(options);
  try {
    while (b.entries.size() < max_messages) {
      tharvel_frame f{};
      f.size = sizeof f;
      int got = tharvel_capture_next(capture, &f);
      if (got == 0) break;
      if (got < 0) {
        const char* why = tharvel_capture_error(capture);
        b.error = why != nullptr ? why : "capture error";
        if (b.entries.empty()) return -1;
        b.error_pending = true;
        break;
      }
      tharvel_batch_entry& e = b.entries.emplace_back();
      e.frame = f.frame;
      e.time_sec = f.time_sec;
      e.time_nsec = f.time_nsec;
      e.channel_name = tharvel_capture_channel_name(&f);
      if (e.channel_name == nullptr) e.channel_name = "";
      e.arfcn = f.arfcn;
      e.timeslot = f.timeslot;
      e.sub_slot = f.sub_slot;
      e.channel = f.channel;
      e.sapi = f.sapi;
      e.pcs_band = f.pcs_band;
      e.has_signal = f.has_signal;
      e.signal_dbm = f.signal_dbm;
      e.source = f.source;
      e.flags = f.flags;
      e.gsmtap_type = f.gsmtap_type;
      o.direction = f.direction;
      decode_into(b, f.octets, f.length, o, e);
      e.octets_offset = b.octets.size();
      e.octets_length = f.length;
      if (f.length > 0) b.octets.insert(b.octets.end(), f.octets, f.octets + f.length);
    }
  } catch (const std::bad_alloc&) {
    start_call(b);
    b.error = "out of memory";
    return -1;
  }
  return static_cast<ptrdiff_t>(b.entries.size());
}

THARVEL_API const char* tharvel_batch_error(const tharvel_batch* batch) {
  return batch == nullptr ? "" : batch->error.c_str();
}

THARVEL_API const char* tharvel_batch_text(const tharvel_batch* batch, size_t* size) {
  if (size != nullptr) *size = batch == nullptr ? 0 : batch->text_used;
  return batch == nullptr || batch->text_used == 0 ? "" : batch->text.get();
}

THARVEL_API const uint8_t* tharvel_batch_octets(const tharvel_batch* batch, size_t* size) {
  if (size != nullptr) *size = batch == nullptr ? 0 : batch->octets.size();
  return batch == nullptr ? nullptr : batch->octets.data();
}

THARVEL_API const tharvel_batch_entry* tharvel_batch_entries(const tharvel_batch* batch, size_t* count) {
  if (count != nullptr) *count = batch == nullptr ? 0 : batch->entries.size();
  return batch == nullptr ? nullptr : batch->entries.data();
}

}  // extern "C"
