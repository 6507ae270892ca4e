// The capture reader's sources and formats: pcap, pcapng and text, from a
// path, a descriptor, a pipe, a FIFO and memory.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "capture_builders.h"

namespace {

using namespace capture_test;

const Bytes kSi3 = {0x49, 0x06, 0x1B, 0x00, 0x01, 0x62, 0xF2, 0x20};  // pseudo length first

Channel bcch() { return {1, 1, false}; }
Channel sdcch8(bool uplink) { return {1, 8, uplink}; }

std::vector<Bytes> mixed_frames() {
  Channel sacch{1, 8 | 0x80, false};
  return {
      udp_frame(gsmtap(bcch(), kSi3)),
      // An SDCCH I-frame in two segments: the first with the M bit.
      udp_frame(gsmtap(sdcch8(true), {0x01, 0x00, 0x0B, 0x05, 0x08})),
      udp_frame(gsmtap(sdcch8(true), {0x01, 0x02, 0x09, 0x70, 0x62})),
      // SACCH: L1 header, then a UI frame.
      udp_frame(gsmtap(sacch, {0x05, 0x01, 0x03, 0x03, 0x0D, 0x06, 0x1D, 0x01})),
      udp_frame({1, 2, 3, 4}, 5000),                              // not GSMTAP
      udp_frame(gsmtap({3, 0, false}, {0x00})),                   // burst type: skipped
      udp_frame({2, 4, 1, 0, 0}),                                 // shorter than its header
      udp_frame(gsmtap({1, 6, false}, {0x01, 0x73, 0x01})),       // UA without information
      udp_frame(gsmtap({2, 0, false}, {0x05, 0x18, 0x01})),       // bare layer 3
  };
}

void check_mixed(const Read& r, uint8_t source) {
  ASSERT_TRUE(r.opened) << r.error;
  EXPECT_EQ(r.errors, 0) << r.error;
  ASSERT_EQ(r.messages.size(), 4u);
  EXPECT_EQ(r.messages[0].octets, Bytes(kSi3.begin() + 1, kSi3.end()));
  EXPECT_EQ(r.messages[0].frame.direction, 0);
  EXPECT_STREQ(tharvel_capture_channel_name(&r.messages[0].frame), "BCCH");
  EXPECT_EQ(r.messages[0].frame.frame, 1u);
  EXPECT_EQ(r.messages[0].frame.time_sec, 1700000000);
  EXPECT_EQ(r.messages[0].frame.time_nsec, 250000000);
  EXPECT_EQ(r.messages[0].frame.arfcn, 123);
  EXPECT_EQ(r.messages[0].frame.has_signal, 1);
  EXPECT_EQ(r.messages[0].frame.signal_dbm, -70);
  EXPECT_EQ(r.messages[0].frame.gsm_frame_number, 0x1234u);
  EXPECT_EQ(r.messages[0].frame.source, source);
  EXPECT_EQ(r.messages[1].octets, (Bytes{0x05, 0x08, 0x70, 0x62}));
  EXPECT_EQ(r.messages[1].frame.direction, 1);
  EXPECT_EQ(r.messages[1].frame.frame, 3u);
  EXPECT_EQ(r.messages[1].frame.channel, 8);
  EXPECT_EQ(r.messages[2].octets, (Bytes{0x06, 0x1D, 0x01}));
  EXPECT_STREQ(tharvel_capture_channel_name(&r.messages[2].frame), "SACCH/SDCCH8");
  EXPECT_EQ(r.messages[3].octets, (Bytes{0x05, 0x18, 0x01}));
  EXPECT_STREQ(tharvel_capture_channel_name(&r.messages[3].frame), "L3");
  EXPECT_EQ(r.counters.packets, 9u);
  EXPECT_EQ(r.counters.messages, 4u);
  EXPECT_EQ(r.counters.not_gsmtap, 1u);
  EXPECT_EQ(r.counters.other_types, 1u);
  EXPECT_EQ(r.counters.malformed, 1u);
  EXPECT_EQ(r.counters.control_frames, 1u);
  EXPECT_EQ(r.counters.unfinished, 0u);
}

TEST(CaptureReader, PcapEveryChannelKind) { check_mixed(read_memory(pcap_file(mixed_frames())), THARVEL_SOURCE_PCAP); }

TEST(CaptureReader, PcapngSameMessages) {
  check_mixed(read_memory(pcapng_file(mixed_frames())), THARVEL_SOURCE_PCAPNG);
}

// Link types other than Ethernet: the same GSMTAP packets inside each.
TEST(CaptureReader, LinkTypes) {
  Bytes si3 = gsmtap(bcch(), kSi3);
  Bytes udp = udp_frame(si3);
  Bytes ip(udp.begin() + 14, udp.end());
  Bytes sll = {0, 0, 0, 1, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0x08, 0x00};
  append(sll, ip);
  Bytes null_header = {2, 0, 0, 0};
  append(null_header, ip);
  Bytes vlan = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x81, 0x00, 0x00, 0x05, 0x08, 0x00};
  append(vlan, ip);
  struct Case {
    uint32_t linktype;
    Bytes frame;
  };
  for (const Case& c : {Case{1, vlan}, Case{113, sll}, Case{0, null_header}, Case{101, ip}, Case{228, ip},
                        Case{217, si3}}) {
    Read r = read_memory(pcap_file({c.frame}, c.linktype));
    SCOPED_TRACE(c.linktype);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].octets, Bytes(kSi3.begin() + 1, kSi3.end()));
  }
  Read other = read_memory(pcap_file({ip}, 105));  // 802.11: not read
  EXPECT_TRUE(other.messages.empty());
  EXPECT_EQ(other.counters.not_gsmtap, 1u);
}

TEST(CaptureReader, TruncatedFileKeepsWholePackets) {
  Bytes file = pcap_file(mixed_frames());
  file.erase(file.end() - 3, file.end());
  Read r = read_memory(file);
  EXPECT_EQ(r.errors, 1);
  EXPECT_NE(r.error.find("packet 9"), std::string::npos) << r.error;
  EXPECT_EQ(r.messages.size(), 3u);
}

TEST(CaptureReader, BrokenCaptureHeaderFailsToOpen) {
  Bytes file = {0xD4, 0xC3, 0xB2, 0xA1, 2, 0};  // pcap magic, header cut short
  Read r = read_memory(file);
  EXPECT_FALSE(r.opened);
  EXPECT_NE(r.error.find("not a readable"), std::string::npos) << r.error;
}

TEST(CaptureReader, TextLines) {
  std::string text = "# corpus\nUL 05 08 # comment\n\nDL 0605\nXX 05\nDL 0\nDL 06 1D\n";
  Read r = read_memory(Bytes(text.begin(), text.end()));
  ASSERT_TRUE(r.opened) << r.error;
  ASSERT_EQ(r.messages.size(), 3u);
  EXPECT_EQ(r.messages[0].octets, (Bytes{0x05, 0x08}));
  EXPECT_EQ(r.messages[0].frame.direction, 1);
  EXPECT_EQ(r.messages[0].frame.frame, 2u);
  EXPECT_EQ(r.messages[0].frame.source, THARVEL_SOURCE_TEXT);
  EXPECT_STREQ(tharvel_capture_channel_name(&r.messages[0].frame), "-");
  EXPECT_EQ(r.messages[1].frame.frame, 4u);
  EXPECT_EQ(r.messages[2].frame.frame, 7u);
  EXPECT_EQ(r.errors, 2);  // XX and the odd digit; reading goes on after each
  EXPECT_EQ(r.counters.malformed, 2u);
  EXPECT_EQ(r.counters.packets, 7u);
}

TEST(CaptureReader, TextErrorCarriesLineNumber) {
  std::string text = "UL 05 08\nDL zz\n";
  char error[64];
  tharvel_capture* cap = tharvel_capture_open_memory(reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                                                     error, sizeof error);
  ASSERT_NE(cap, nullptr);
  tharvel_frame f{};
  f.size = sizeof f;
  EXPECT_EQ(tharvel_capture_next(cap, &f), 1);
  EXPECT_EQ(tharvel_capture_next(cap, &f), -1);
  EXPECT_EQ(f.frame, 2u);
  EXPECT_NE(std::string(tharvel_capture_error(cap)).find("hexadecimal"), std::string::npos);
  EXPECT_EQ(tharvel_capture_next(cap, &f), 0);
  tharvel_capture_close(cap);
}

TEST(CaptureReader, OverlongTextLineIsSkippedNotKept) {
  std::string text = "UL " + std::string((1 << 20) + 10, '0') + "\nUL 0508\n";
  Read r = read_memory(Bytes(text.begin(), text.end()));
  EXPECT_EQ(r.errors, 1);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].frame.frame, 2u);
}

TEST(CaptureReader, BadArguments) {
  char error[64] = "x";
  EXPECT_EQ(tharvel_capture_open_path(nullptr, error, sizeof error), nullptr);
  EXPECT_EQ(tharvel_capture_open_path("/nonexistent/capture.pcap", error, sizeof error), nullptr);
  EXPECT_NE(std::string(error).find("cannot open"), std::string::npos);
  EXPECT_EQ(tharvel_capture_open_fd(-1, nullptr, 0), nullptr);
  EXPECT_EQ(tharvel_capture_open_memory(nullptr, 4, error, sizeof error), nullptr);
  tharvel_capture* cap = tharvel_capture_open_memory(nullptr, 0, error, 1);  // empty: text without lines
  ASSERT_NE(cap, nullptr);
  tharvel_frame f{};
  EXPECT_EQ(tharvel_capture_next(cap, &f), -1);  // size not set
  f.size = sizeof f;
  EXPECT_EQ(tharvel_capture_next(cap, &f), 0);
  EXPECT_EQ(tharvel_capture_feed_gsmtap(cap, f.octets, 0, 0, 0), -1);  // not live
  tharvel_capture_close(cap);
  EXPECT_EQ(tharvel_capture_next(nullptr, &f), -1);
  tharvel_capture_close(nullptr);
}

std::string temp_path(const std::string& tag) {
  return (std::filesystem::temp_directory_path() /
          (tag + "_" + testing::UnitTest::GetInstance()->current_test_info()->name()))
      .string();
}

// Writes the octets from another thread, as a producer on a pipe would.
void write_all(int fd, const Bytes& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t k = ::write(fd, data.data() + done, data.size() - done);
    if (k <= 0) break;
    done += static_cast<size_t>(k);
  }
  ::close(fd);
}

TEST(CaptureReader, PathAndDescriptor) {
  Bytes file = pcap_file(mixed_frames());
  std::string path = temp_path("cap");
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  Read by_path;
  char error[256];
  tharvel_capture* cap = tharvel_capture_open_path(path.c_str(), error, sizeof error);
  ASSERT_NE(cap, nullptr) << error;
  by_path.opened = true;
  drain(cap, by_path);
  check_mixed(by_path, THARVEL_SOURCE_PCAP);

  int fd = ::open(path.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  Read by_fd;
  cap = tharvel_capture_open_fd(fd, error, sizeof error);
  ASSERT_NE(cap, nullptr) << error;
  by_fd.opened = true;
  drain(cap, by_fd);
  check_mixed(by_fd, THARVEL_SOURCE_PCAP);
  EXPECT_EQ(::close(fd), 0);  // still open: the reader does not own it
  std::filesystem::remove(path);
}

// Pipes and FIFOs cannot be read twice: the octets read to tell the input's
// kind must reach the parser. A capture larger than a pipe's buffer checks
// that nothing at the start is lost.
TEST(CaptureReader, PipeCarriesCaptureAndText) {
  std::vector<Bytes> frames = mixed_frames();
  for (int i = 0; i < 2000; ++i) frames.push_back(udp_frame(gsmtap(bcch(), kSi3)));
  Bytes file = pcapng_file(frames);
  std::string text = "DL 0605\nUL 0508\n";
  for (const Bytes& input : {file, Bytes(text.begin(), text.end())}) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    std::thread producer(write_all, fds[1], input);
    char error[256];
    tharvel_capture* cap = tharvel_capture_open_fd(fds[0], error, sizeof error);
    ASSERT_NE(cap, nullptr) << error;
    Read r;
    drain(cap, r);
    producer.join();
    ::close(fds[0]);
    EXPECT_EQ(r.errors, 0) << r.error;
    if (input.size() == text.size()) {
      ASSERT_EQ(r.messages.size(), 2u);
      EXPECT_EQ(r.messages[0].octets, (Bytes{0x06, 0x05}));
    } else {
      EXPECT_EQ(r.messages.size(), 2004u);
      EXPECT_EQ(r.counters.packets, 2009u);
    }
  }
}

TEST(CaptureReader, FifoByPath) {
  std::string path = temp_path("fifo");
  std::filesystem::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  Bytes file = pcap_file(mixed_frames());
  std::thread producer([&] { write_all(::open(path.c_str(), O_WRONLY), file); });
  char error[256];
  tharvel_capture* cap = tharvel_capture_open_path(path.c_str(), error, sizeof error);
  ASSERT_NE(cap, nullptr) << error;
  Read r;
  r.opened = true;
  drain(cap, r);
  producer.join();
  std::filesystem::remove(path);
  check_mixed(r, THARVEL_SOURCE_PCAP);
}

TEST(CaptureReader, LiveFeedKeepsOrderAndBoundsTheQueue) {
  tharvel_capture* cap = tharvel_capture_open_live();
  ASSERT_NE(cap, nullptr);
  Bytes p = gsmtap(bcch(), kSi3);
  int taken = 0;
  while (tharvel_capture_feed_gsmtap(cap, p.data(), p.size(), 5, 6) == 1) ++taken;
  EXPECT_EQ(taken, 256);  // the rest waits for next()
  tharvel_frame f{};
  f.size = sizeof f;
  ASSERT_EQ(tharvel_capture_next(cap, &f), 1);
  EXPECT_EQ(f.source, THARVEL_SOURCE_LIVE);
  EXPECT_EQ(f.time_sec, 5);
  EXPECT_EQ(f.time_nsec, 6);
  EXPECT_EQ(f.frame, 1u);
  EXPECT_EQ(tharvel_capture_feed_gsmtap(cap, p.data(), p.size(), 5, 6), 1);
  Bytes short_packet = {2, 4};
  EXPECT_EQ(tharvel_capture_feed_gsmtap(cap, nullptr, 1, 0, 0), -1);
  struct tharvel_capture_counters c{};
  c.size = sizeof c;
  tharvel_capture_counters(cap, &c);
  EXPECT_EQ(c.messages, 257u);
  tharvel_capture_close(cap);
  (void)short_packet;
}

// A caller built against a shorter counters struct gets only its part.
TEST(CaptureReader, CountersRespectTheCallersSize) {
  Bytes file = pcap_file(mixed_frames());
  char error[64];
  tharvel_capture* cap = tharvel_capture_open_memory(file.data(), file.size(), error, sizeof error);
  ASSERT_NE(cap, nullptr);
  Read r;
  drain(cap, r);  // closes
  cap = tharvel_capture_open_memory(file.data(), file.size(), error, sizeof error);
  tharvel_frame f{};
  f.size = sizeof f;
  while (tharvel_capture_next(cap, &f) != 0) {
  }
  struct {
    struct tharvel_capture_counters head;
    uint64_t guard;
  } small{};
  small.head.size = offsetof(struct tharvel_capture_counters, messages);
  small.head.messages = 77;
  small.guard = 99;
  tharvel_capture_counters(cap, &small.head);
  EXPECT_EQ(small.head.packets, 9u);
  EXPECT_EQ(small.head.messages, 77u);
  EXPECT_EQ(small.guard, 99u);
  tharvel_capture_close(cap);
}

}  // namespace
