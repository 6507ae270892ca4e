// Captures built octet by octet: GSMTAP packets, LAPDm frames, and the pcap
// and pcapng files around them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tharvel.h"

namespace capture_test {

using Bytes = std::vector<uint8_t>;

// Octet by octet: GCC 12's bounds analysis misreads vector::insert at -O3.
inline void append(Bytes& to, const Bytes& from) {
  for (uint8_t b : from) to.push_back(b);
}

struct Channel {
  uint8_t type = 1;  // Um
  uint8_t sub_type = 8;
  bool uplink = false;
  uint8_t timeslot = 0;
  uint8_t sub_slot = 0;
  uint16_t arfcn = 123;
  int8_t signal = -70;
};

inline Bytes gsmtap(const Channel& c, const Bytes& payload) {
  uint16_t arfcn = static_cast<uint16_t>(c.arfcn | (c.uplink ? 0x4000 : 0));
  Bytes p = {2, 4, c.type, c.timeslot, static_cast<uint8_t>(arfcn >> 8), static_cast<uint8_t>(arfcn),
             static_cast<uint8_t>(c.signal), 0, 0, 0, 0x12, 0x34, c.sub_type, 0, c.sub_slot, 0};
  append(p, payload);
  return p;
}

// A LAPDm frame of 23 octets: address, control, length indicator, information, 0x2B fill.
inline Bytes lapdm(uint8_t address, uint8_t control, const Bytes& info, bool more = false) {
  Bytes f = {address, control, static_cast<uint8_t>(info.size() << 2 | (more ? 2 : 0) | 1)};
  append(f, info);
  while (f.size() < 23) f.push_back(0x2B);
  return f;
}
// I-frame on SAPI 0 (command from the network, response from the mobile: C/R left 0).
inline Bytes i_frame(uint8_t ns, uint8_t nr, const Bytes& info, bool more, bool poll = false, uint8_t sapi = 0) {
  return lapdm(static_cast<uint8_t>(sapi << 2 | 1), static_cast<uint8_t>(nr << 5 | (poll ? 0x10 : 0) | ns << 1),
               info, more);
}

// Ethernet, IPv4 and UDP around a payload.
inline Bytes udp_frame(const Bytes& payload, uint16_t port = 4729) {
  Bytes f = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x08, 0x00};
  uint16_t ip_len = static_cast<uint16_t>(20 + 8 + payload.size());
  Bytes ip = {0x45, 0, static_cast<uint8_t>(ip_len >> 8), static_cast<uint8_t>(ip_len), 0, 0, 0x40, 0, 64, 17, 0, 0,
              127, 0, 0, 1, 127, 0, 0, 1};
  uint16_t udp_len = static_cast<uint16_t>(8 + payload.size());
  Bytes udp = {0x30, 0x39, static_cast<uint8_t>(port >> 8), static_cast<uint8_t>(port),
               static_cast<uint8_t>(udp_len >> 8), static_cast<uint8_t>(udp_len), 0, 0};
  append(f, ip);
  append(f, udp);
  append(f, payload);
  return f;
}

inline void put32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void put16(Bytes& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}

inline Bytes pcap_file(const std::vector<Bytes>& frames, uint32_t linktype = 1 /* Ethernet */) {
  Bytes b;
  put32(b, 0xA1B2C3D4);
  put16(b, 2);
  put16(b, 4);
  put32(b, 0);
  put32(b, 0);
  put32(b, 65535);
  put32(b, linktype);
  uint32_t t = 1700000000;
  for (const Bytes& f : frames) {
    put32(b, t++);
    put32(b, 250000);
    put32(b, static_cast<uint32_t>(f.size()));
    put32(b, static_cast<uint32_t>(f.size()));
    append(b, f);
  }
  return b;
}

// GSMTAP packets, each in Ethernet, IPv4 and UDP, in a pcap file.
inline Bytes pcap_of(const std::vector<Bytes>& packets) {
  std::vector<Bytes> frames;
  for (const Bytes& p : packets) frames.push_back(udp_frame(p));
  return pcap_file(frames);
}

inline Bytes pcapng_file(const std::vector<Bytes>& frames) {
  Bytes b;
  put32(b, 0x0A0D0D0A);
  put32(b, 28);
  put32(b, 0x1A2B3C4D);
  put16(b, 1);
  put16(b, 0);
  put32(b, 0xFFFFFFFF);
  put32(b, 0xFFFFFFFF);
  put32(b, 28);
  put32(b, 1);  // interface description
  put32(b, 20);
  put16(b, 1);
  put16(b, 0);
  put32(b, 65535);
  put32(b, 20);
  uint64_t usec = 1700000000ull * 1000000 + 250000;  // the default resolution: microseconds
  for (const Bytes& f : frames) {
    uint32_t padded = static_cast<uint32_t>((f.size() + 3) & ~size_t{3});
    uint32_t total = 32 + padded;
    put32(b, 6);
    put32(b, total);
    put32(b, 0);
    put32(b, static_cast<uint32_t>(usec >> 32));
    put32(b, static_cast<uint32_t>(usec));
    usec += 1000000;
    put32(b, static_cast<uint32_t>(f.size()));
    put32(b, static_cast<uint32_t>(f.size()));
    append(b, f);
    for (size_t pad = f.size(); pad < padded; ++pad) b.push_back(0);
    put32(b, total);
  }
  return b;
}

struct Message {
  tharvel_frame frame;
  Bytes octets;
};

struct Read {
  bool opened = false;
  std::string error;  // of the open, then of the first -1
  int errors = 0;
  struct tharvel_capture_counters counters{};
  std::vector<Message> messages;
};

// Every message of an open reader, then its counters; closes it.
inline void drain(tharvel_capture* cap, Read& r) {
  tharvel_frame f{};
  f.size = sizeof f;
  int rc;
  while ((rc = tharvel_capture_next(cap, &f)) != 0) {
    if (rc < 0) {
      if (r.errors++ == 0) r.error = tharvel_capture_error(cap);
      continue;
    }
    r.messages.push_back({f, Bytes(f.octets, f.octets + f.length)});
  }
  r.counters.size = sizeof r.counters;
  tharvel_capture_counters(cap, &r.counters);
  tharvel_capture_close(cap);
}

inline Read read_memory(const Bytes& file) {
  Read r;
  char error[256] = "";
  tharvel_capture* cap = tharvel_capture_open_memory(file.data(), file.size(), error, sizeof error);
  r.error = error;
  if (cap == nullptr) return r;
  r.opened = true;
  drain(cap, r);
  return r;
}

// Bare GSMTAP packets through a live reader.
inline Read read_live(const std::vector<Bytes>& packets) {
  Read r;
  tharvel_capture* cap = tharvel_capture_open_live();
  r.opened = cap != nullptr;
  tharvel_frame f{};
  f.size = sizeof f;
  for (const Bytes& p : packets) {
    if (tharvel_capture_feed_gsmtap(cap, p.data(), p.size(), 1, 2) == 1) {
      while (tharvel_capture_next(cap, &f) == 1) r.messages.push_back({f, Bytes(f.octets, f.octets + f.length)});
    }
  }
  drain(cap, r);
  return r;
}

}  // namespace capture_test
