// The capture reader's C entry points.
#include <fcntl.h>
#include <pcap/pcap.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <memory>
#include <new>
#include <string>

#include "capture/gsmtap.h"
#include "capture/hex_input.h"
#include "capture/link_layer.h"
#include "capture/source.h"
#include "tharvel.h"

namespace {

constexpr size_t kMaxWaiting = 256;  // live messages not yet taken

struct Found {
  capture::GsmtapHeader header;
  capture::LinkMessage message;
  uint64_t frame = 0;
  int64_t time_sec = 0;
  int32_t time_nsec = 0;
};

void set_error(char* error, size_t capacity, const std::string& text) {
  if (error == nullptr || capacity == 0) return;
  size_t n = std::min(text.size(), capacity - 1);
  std::memcpy(error, text.data(), n);
  error[n] = '\0';
}

bool is_capture_magic(const uint8_t* m) {
  uint32_t magic = static_cast<uint32_t>(m[0]) << 24 | static_cast<uint32_t>(m[1]) << 16 |
                   static_cast<uint32_t>(m[2]) << 8 | m[3];
  return magic == 0xA1B2C3D4 || magic == 0xD4C3B2A1 || magic == 0xA1B23C4D || magic == 0x4D3CB2A1 ||
         magic == 0x0A0D0D0A;
}

}  // namespace

struct tharvel_capture {
  uint8_t source = THARVEL_SOURCE_LIVE;
  struct tharvel_capture_counters counters{};
  capture::LinkLayer link{counters};
  capture::ByteSource bytes;
  std::unique_ptr<capture::LineReader> lines;
  pcap_t* pcap = nullptr;
  int linktype = 0;
  bool done = false;
  std::string error;
  std::string line;
  capture::MessageLine text;
  std::deque<Found> waiting;
  Found current;

  ~tharvel_capture() {
    if (pcap != nullptr) pcap_close(pcap);
  }

  // One GSMTAP packet; true when it completed a message, left in `found`.
  bool feed(const uint8_t* p, size_t n, Found& found) {
    if (!capture::parse_gsmtap_header(p, n, found.header)) {
      ++counters.malformed;
      return false;
    }
    size_t h = found.header.header_length;
    if (!link.feed(found.header, p + h, n - h, found.message)) return false;
    ++counters.messages;
    return true;
  }

  bool start(char* error_out, size_t capacity) {
    uint8_t magic[4];
    long got = bytes.peek(magic, 4);
    if (got < 0) {
      set_error(error_out, capacity, std::string("cannot read: ") + std::strerror(errno));
      return false;
    }
    if (got < 4 || !is_capture_magic(magic)) {
      source = THARVEL_SOURCE_TEXT;
      lines = std::make_unique<capture::LineReader>(bytes);
      return true;
    }
    source = magic[0] == 0x0A ? THARVEL_SOURCE_PCAPNG : THARVEL_SOURCE_PCAP;
    FILE* f = bytes.stream();
    if (f == nullptr) {
      set_error(error_out, capacity, "out of memory");
      return false;
    }
    char errbuf[PCAP_ERRBUF_SIZE] = "";
    pcap = pcap_fopen_offline_with_tstamp_precision(f, PCAP_TSTAMP_PRECISION_NANO, errbuf);
    if (pcap == nullptr) {
      std::fclose(f);
      set_error(error_out, capacity, std::string("not a readable pcap or pcapng capture: ") + errbuf);
      return false;
    }
    linktype = pcap_datalink(pcap);
    return true;
  }

  int next_packet() {
    pcap_pkthdr* hdr = nullptr;
    const u_char* data = nullptr;
    for (;;) {
      int rc = pcap_next_ex(pcap, &hdr, &data);
      if (rc == PCAP_ERROR_BREAK) {
        done = true;
        return 0;
      }
      if (rc != 1) {
        done = true;
        error = "capture ends inside packet " + std::to_string(counters.packets + 1) + ": " + pcap_geterr(pcap);
        return -1;
      }
      ++counters.packets;
      const uint8_t* payload = nullptr;
      size_t len = 0;
      if (!capture::find_gsmtap(linktype, data, hdr->caplen, payload, len)) {
        ++counters.not_gsmtap;
        continue;
      }
      if (feed(payload, len, current)) {
        current.frame = counters.packets;
        current.time_sec = hdr->ts.tv_sec;
        current.time_nsec = static_cast<int32_t>(hdr->ts.tv_usec);
        return 1;
      }
    }
  }

  int next_line(tharvel_frame& frame) {
    for (;;) {
      capture::LineReader::Result r = lines->next(line);
      if (r == capture::LineReader::Result::end) {
        done = true;
        return 0;
      }
      if (r == capture::LineReader::Result::error) {
        done = true;
        error = std::string("read error after line ") + std::to_string(counters.packets) + ": " +
                std::strerror(errno);
        return -1;
      }
      uint64_t number = ++counters.packets;
      if (r == capture::LineReader::Result::too_long) {
        ++counters.malformed;
        frame.frame = number;
        error = "line longer than " + std::to_string(capture::LineReader::kMaxLine) + " characters";
        return -1;
      }
      switch (capture::parse_message_line(line, text, error)) {
        case capture::LineKind::blank:
          continue;
        case capture::LineKind::error:
          ++counters.malformed;
          frame.frame = number;
          return -1;
        case capture::LineKind::message:
          ++counters.messages;
          current = Found{};
          current.frame = number;
          current.message.direction = text.direction;
          current.message.octets.swap(text.octets);
          return 1;
      }
    }
  }

  void fill(tharvel_frame& frame) const {
    const capture::GsmtapHeader& h = current.header;
    bool text_line = source == THARVEL_SOURCE_TEXT;
    frame.frame = current.frame;
    frame.time_sec = current.time_sec;
    frame.time_nsec = current.time_nsec;
    frame.arfcn = text_line ? 0 : h.arfcn;
    frame.pcs_band = text_line ? 0 : h.pcs;
    frame.timeslot = text_line ? 0 : h.timeslot;
    frame.sub_slot = text_line ? 0 : h.sub_slot;
    frame.channel = text_line ? 0 : h.sub_type;
    frame.sapi = current.message.sapi;
    frame.direction = current.message.direction;
    frame.has_signal = !text_line && h.version == 2 && h.signal_dbm != 0;
    frame.signal_dbm = frame.has_signal ? h.signal_dbm : 0;
    frame.source = source;
    frame.flags = current.message.flags;
    frame.gsmtap_type = text_line ? 0 : h.type;
    std::fill(std::begin(frame.reserved), std::end(frame.reserved), 0);
    frame.gsm_frame_number = text_line ? 0 : h.frame_number;
    frame.octets = current.message.octets.data();
    frame.length = current.message.octets.size();
  }
};

namespace {

tharvel_capture* open_source(tharvel_capture* c, char* error, size_t capacity) {
  if (c == nullptr) {
    set_error(error, capacity, "out of memory");
    return nullptr;
  }
  if (!c->start(error, capacity)) {
    delete c;
    return nullptr;
  }
  set_error(error, capacity, "");
  return c;
}

}  // namespace

extern "C" {

THARVEL_API tharvel_capture* tharvel_capture_open_path(const char* path, char* error, size_t error_capacity) {
  if (path == nullptr) {
    set_error(error, error_capacity, "no path");
    return nullptr;
  }
  int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    set_error(error, error_capacity, std::string("cannot open ") + path + ": " + std::strerror(errno));
    return nullptr;
  }
  auto* c = new (std::nothrow) tharvel_capture;
  if (c == nullptr) {
    ::close(fd);
  } else {
    c->bytes.use_fd(fd, true);
  }
  return open_source(c, error, error_capacity);
}

THARVEL_API tharvel_capture* tharvel_capture_open_fd(int fd, char* error, size_t error_capacity) {
  if (fd < 0) {
    set_error(error, error_capacity, "bad file descriptor");
    return nullptr;
  }
  auto* c = new (std::nothrow) tharvel_capture;
  if (c != nullptr) c->bytes.use_fd(fd, false);
  return open_source(c, error, error_capacity);
}

THARVEL_API tharvel_capture* tharvel_capture_open_memory(const uint8_t* data, size_t size, char* error,
                                                         size_t error_capacity) {
  if (data == nullptr && size > 0) {
    set_error(error, error_capacity, "no data");
    return nullptr;
  }
  auto* c = new (std::nothrow) tharvel_capture;
  if (c != nullptr) c->bytes.use_memory(data, size);
  return open_source(c, error, error_capacity);
}

THARVEL_API tharvel_capture* tharvel_capture_open_live(void) { return new (std::nothrow) tharvel_capture; }

THARVEL_API int tharvel_capture_feed_gsmtap(tharvel_capture* c, const uint8_t* udp_payload, size_t length,
                                            int64_t time_sec, int32_t time_nsec) {
  if (c == nullptr || c->source != THARVEL_SOURCE_LIVE || (udp_payload == nullptr && length > 0)) return -1;
  if (c->waiting.size() >= kMaxWaiting) return -1;
  ++c->counters.packets;
  Found found;
  if (!c->feed(udp_payload, length, found)) return 0;
  found.frame = c->counters.packets;
  found.time_sec = time_sec;
  found.time_nsec = time_nsec;
  c->waiting.push_back(std::move(found));
  return 1;
}

THARVEL_API int tharvel_capture_next(tharvel_capture* c, tharvel_frame* frame) {
  if (c == nullptr) return -1;
  c->error.clear();
  if (frame == nullptr || frame->size < sizeof(tharvel_frame)) {
    c->error = "frame is null or its size is not set";
    return -1;
  }
  frame->source = c->source;
  int rc = 0;
  if (c->source == THARVEL_SOURCE_LIVE) {
    if (c->waiting.empty()) return 0;
    c->current = std::move(c->waiting.front());
    c->waiting.pop_front();
    rc = 1;
  } else if (c->done) {
    return 0;
  } else if (c->source == THARVEL_SOURCE_TEXT) {
    rc = c->next_line(*frame);
  } else {
    rc = c->next_packet();
  }
  if (rc == 1) c->fill(*frame);
  return rc;
}

THARVEL_API const char* tharvel_capture_error(const tharvel_capture* c) {
  return c == nullptr ? "" : c->error.c_str();
}

THARVEL_API void tharvel_capture_counters(const tharvel_capture* c, struct tharvel_capture_counters* counters) {
  if (c == nullptr || counters == nullptr || counters->size < sizeof(uint32_t)) return;
  struct tharvel_capture_counters all = c->counters;
  all.unfinished = c->link.pending();
  all.size = counters->size;
  std::memcpy(counters, &all, std::min<size_t>(counters->size, sizeof all));
}

THARVEL_API const char* tharvel_capture_channel_name(const tharvel_frame* frame) {
  if (frame == nullptr || frame->gsmtap_type == 0) return "-";
  const char* name = capture::channel_name(frame->gsmtap_type, frame->channel);
  return name != nullptr ? name : "?";
}

THARVEL_API void tharvel_capture_close(tharvel_capture* c) { delete c; }

}  // extern "C"
