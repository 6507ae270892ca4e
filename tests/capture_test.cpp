#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "capture.h"
#include "gsmtap.h"

namespace {

using tharvel_tools::CaptureMessage;
using tharvel_tools::CaptureStats;
using Bytes = std::vector<uint8_t>;

// Octet by octet: GCC 12's bounds analysis misreads vector::insert at -O3.
void append(Bytes& to, const Bytes& from) {
  for (uint8_t b : from) to.push_back(b);
}

Bytes gsmtap(uint8_t type, uint8_t sub_type, bool uplink, const Bytes& payload, uint8_t timeslot = 0) {
  uint16_t arfcn = 123 | (uplink ? 0x4000 : 0);
  Bytes p = {2, 4, type, timeslot, static_cast<uint8_t>(arfcn >> 8), static_cast<uint8_t>(arfcn), 0xC4, 0,
             0, 0, 0x12, 0x34, sub_type, 0, 0, 0};
  append(p, payload);
  return p;
}

// Ethernet, IPv4 and UDP around a payload.
Bytes udp_frame(const Bytes& payload, uint16_t port = 4729) {
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

void put32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void put16(Bytes& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}

Bytes pcap_file(const std::vector<Bytes>& frames) {
  Bytes b;
  put32(b, 0xA1B2C3D4);
  put16(b, 2);
  put16(b, 4);
  put32(b, 0);
  put32(b, 0);
  put32(b, 65535);
  put32(b, 1);  // Ethernet
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

Bytes pcapng_file(const std::vector<Bytes>& frames) {
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
  for (const Bytes& f : frames) {
    uint32_t padded = static_cast<uint32_t>((f.size() + 3) & ~size_t{3});
    uint32_t total = 32 + padded;
    put32(b, 6);
    put32(b, total);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, static_cast<uint32_t>(f.size()));
    put32(b, static_cast<uint32_t>(f.size()));
    append(b, f);
    for (size_t pad = f.size(); pad < padded; ++pad) b.push_back(0);
    put32(b, total);
  }
  return b;
}

struct Read {
  bool whole;
  std::string error;
  CaptureStats stats;
  std::vector<CaptureMessage> messages;
};

Read read_bytes(const Bytes& file) {
  std::string path = (std::filesystem::temp_directory_path() /
                      (std::string("cap_") + testing::UnitTest::GetInstance()->current_test_info()->name()))
                         .string();
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                              static_cast<std::streamsize>(file.size()));
  Read r;
  r.whole = tharvel_tools::read_capture(
      path, [&](const CaptureMessage& m) { r.messages.push_back(m); }, r.stats, r.error);
  std::filesystem::remove(path);
  return r;
}

const Bytes kSi3 = {0x49, 0x06, 0x1B, 0x00, 0x01, 0x62, 0xF2, 0x20};  // pseudo length first

std::vector<Bytes> mixed_frames() {
  return {
      udp_frame(gsmtap(1, tharvel_tools::kChanBcch, false, kSi3)),
      // An SDCCH I-frame in two segments: the first with the M bit.
      udp_frame(gsmtap(1, tharvel_tools::kChanSdcch8, true, {0x01, 0x00, 0x0B, 0x05, 0x08})),
      udp_frame(gsmtap(1, tharvel_tools::kChanSdcch8, true, {0x01, 0x22, 0x09, 0x70, 0x62})),
      // SACCH: L1 header, then a UI frame.
      udp_frame(gsmtap(1, tharvel_tools::kChanSdcch8 | tharvel_tools::kAcchFlag, false,
                       {0x05, 0x01, 0x03, 0x03, 0x0D, 0x06, 0x1D, 0x01})),
      udp_frame({1, 2, 3, 4}, 5000),                                   // not GSMTAP
      udp_frame(gsmtap(3, 0, false, {0x00})),                          // burst type: skipped
      udp_frame({2, 4, 1, 0, 0}),                                      // shorter than its header
      udp_frame(gsmtap(1, tharvel_tools::kChanSdcch, false, {0x01, 0x73, 0x01})),  // UA: no message
      udp_frame(gsmtap(2, 0, false, {0x05, 0x18, 0x01})),             // bare layer 3
  };
}

void check_mixed(const Read& r) {
  ASSERT_TRUE(r.whole) << r.error;
  ASSERT_EQ(r.messages.size(), 4u);
  EXPECT_EQ(r.messages[0].message.octets, Bytes(kSi3.begin() + 1, kSi3.end()));
  EXPECT_EQ(r.messages[0].message.direction, 0);
  EXPECT_EQ(r.messages[0].message.channel, "BCCH");
  EXPECT_EQ(r.messages[0].frame, 1u);
  EXPECT_EQ(r.messages[1].message.octets, (Bytes{0x05, 0x08, 0x70, 0x62}));
  EXPECT_EQ(r.messages[1].message.direction, 1);
  EXPECT_EQ(r.messages[1].frame, 3u);
  EXPECT_EQ(r.messages[2].message.octets, (Bytes{0x06, 0x1D, 0x01}));
  EXPECT_EQ(r.messages[2].message.channel, "SACCH/SDCCH8");
  EXPECT_EQ(r.messages[3].message.octets, (Bytes{0x05, 0x18, 0x01}));
  EXPECT_EQ(r.stats.packets, 9u);
  EXPECT_EQ(r.stats.not_gsmtap, 1u);
  EXPECT_EQ(r.stats.skipped_types, 1u);
  EXPECT_EQ(r.stats.malformed, 1u);
  EXPECT_EQ(r.stats.skipped_frames, 1u);
  EXPECT_EQ(r.stats.pending_segments, 0u);
}

TEST(Capture, PcapEveryChannelKind) { check_mixed(read_bytes(pcap_file(mixed_frames()))); }

TEST(Capture, PcapngSameMessages) { check_mixed(read_bytes(pcapng_file(mixed_frames()))); }

TEST(Capture, TruncatedFileKeepsWholePackets) {
  Bytes file = pcap_file(mixed_frames());
  file.erase(file.end() - 3, file.end());
  Read r = read_bytes(file);
  EXPECT_FALSE(r.whole);
  EXPECT_NE(r.error.find("packet 9"), std::string::npos) << r.error;
  EXPECT_EQ(r.messages.size(), 3u);
}

TEST(Capture, NotACapture) {
  Read r = read_bytes({'U', 'L', ' ', '0', '5', '\n'});
  EXPECT_FALSE(r.whole);
  EXPECT_NE(r.error.find("not a readable"), std::string::npos);
  EXPECT_TRUE(r.messages.empty());
}

TEST(Capture, UnfinishedSegmentsAreCountedNotDelivered) {
  Read r = read_bytes(pcap_file({udp_frame(gsmtap(1, tharvel_tools::kChanSdcch, true, {0x01, 0x00, 0x0B, 0x05, 0x08}))}));
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(r.stats.pending_segments, 1u);
}

TEST(Gsmtap, LapdmLengthBeyondFrameIsMalformed) {
  tharvel_tools::GsmtapDecoder d;
  tharvel_tools::L3Message m;
  Bytes p = gsmtap(1, tharvel_tools::kChanSdcch, false, {0x01, 0x00, 0x41, 0x05});  // says 16 octets
  EXPECT_EQ(d.feed(p.data(), p.size(), m), tharvel_tools::GsmtapDecoder::Outcome::malformed);
  Bytes shorter(p.begin(), p.begin() + 10);
  EXPECT_EQ(d.feed(shorter.data(), shorter.size(), m), tharvel_tools::GsmtapDecoder::Outcome::malformed);
}

TEST(Gsmtap, SegmentsOfTwoLinksDoNotMix) {
  tharvel_tools::GsmtapDecoder d;
  tharvel_tools::L3Message m;
  using O = tharvel_tools::GsmtapDecoder::Outcome;
  Bytes a1 = gsmtap(1, 8, true, {0x01, 0x00, 0x0B, 0x05, 0x08}, 1);
  Bytes b1 = gsmtap(1, 8, true, {0x01, 0x00, 0x0B, 0x05, 0x24}, 2);
  Bytes a2 = gsmtap(1, 8, true, {0x01, 0x22, 0x05, 0xAA}, 1);
  Bytes b2 = gsmtap(1, 8, true, {0x01, 0x22, 0x05, 0xBB}, 2);
  EXPECT_EQ(d.feed(a1.data(), a1.size(), m), O::pending);
  EXPECT_EQ(d.feed(b1.data(), b1.size(), m), O::pending);
  ASSERT_EQ(d.feed(a2.data(), a2.size(), m), O::message);
  EXPECT_EQ(m.octets, (Bytes{0x05, 0x08, 0xAA}));
  ASSERT_EQ(d.feed(b2.data(), b2.size(), m), O::message);
  EXPECT_EQ(m.octets, (Bytes{0x05, 0x24, 0xBB}));
}

}  // namespace
