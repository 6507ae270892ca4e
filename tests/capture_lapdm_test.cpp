// LAPDm as a passive observer sees it, on captures built frame by frame:
// chains per logical link across hopping, N(S) order, retransmissions,
// contention-resolution echoes, fill blocks and bounded state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture_builders.h"

namespace {

using namespace capture_test;

Channel dcch(bool uplink, uint16_t arfcn = 123, uint8_t sub_slot = 2) {
  Channel c{1, 8, uplink};  // SDCCH/8
  c.arfcn = arfcn;
  c.timeslot = 1;
  c.sub_slot = sub_slot;
  return c;
}
Channel ccch(uint8_t sub_type) { return {1, sub_type, false}; }

// Address octets: SAPI 0, EA 1; C/R does not matter to the observer.
constexpr uint8_t kSapi0 = 0x01;
constexpr uint8_t kSapi0Command = 0x03;
constexpr uint8_t kSabmP = 0x3F;
constexpr uint8_t kUaF = 0x73;
constexpr uint8_t kDiscP = 0x53;

const Bytes kPagingResponse = {0x06, 0x27, 0x07, 0x03, 0x50, 0x18, 0xA6, 0x05, 0xF4, 0x1A, 0x2B, 0x3C, 0x4D};
// AUTHENTICATION REQUEST cut in two: 2 + 17 octets over two I-frames.
const Bytes kAuthFirst = {0x05, 0x12, 0x01, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16,
                          0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F, 0x20};
const Bytes kAuthSecond = {0x21, 0x20, 0x10, 0xAA, 0xBB};

Bytes joined(const Bytes& a, const Bytes& b) {
  Bytes r = a;
  append(r, b);
  return r;
}

struct Expected {
  Bytes octets;
  uint8_t direction;
  uint8_t flags = 0;
};

struct Counts {
  uint64_t duplicates = 0, gaps = 0, dropped_at_gap = 0, too_long = 0, released = 0, unfinished = 0, echoes = 0,
           fill_blocks = 0, ciphered = 0;
};

struct Scenario {
  const char* name;
  std::vector<Bytes> packets;
  std::vector<Expected> messages;
  Counts counts;
};

Bytes on(const Channel& c, const Bytes& frame) { return gsmtap(c, frame); }

std::vector<Scenario> scenarios() {
  // CP-DATA in two segments each; `middle` cannot begin a message.
  Bytes sms_a(20, 0x11), sms_b(20, 0x22), sms_tail_a = {0x09, 0x01}, sms_tail_b = {0x09, 0x04}, middle(20, 0x44);
  sms_a[0] = sms_b[0] = 0x09;
  sms_a[1] = sms_b[1] = 0x01;
  return {
      {"segments on three ARFCNs join; the link next to it keeps its own",
       {on(dcch(false, 10), i_frame(0, 0, kAuthFirst, true)),
        on(dcch(false, 20, 3), i_frame(0, 0, sms_a, true)),
        on(dcch(false, 30), i_frame(1, 0, kAuthSecond, false)),
        on(dcch(false, 40, 3), i_frame(1, 0, sms_tail_a, false))},
       {{joined(kAuthFirst, kAuthSecond), 0}, {joined(sms_a, sms_tail_a), 0}},
       {}},
      {"uplink and downlink number their I-frames apart",
       {on(dcch(false), i_frame(0, 0, sms_a, true)), on(dcch(true), i_frame(0, 1, sms_b, true)),
        on(dcch(false), i_frame(1, 1, sms_tail_a, false)), on(dcch(true), i_frame(1, 2, sms_tail_b, false))},
       {{joined(sms_a, sms_tail_a), 0}, {joined(sms_b, sms_tail_b), 1}},
       {}},
      {"a segment sent again with the P bit is taken once",
       {on(dcch(false), i_frame(0, 0, kAuthFirst, true)), on(dcch(false), i_frame(0, 0, kAuthFirst, true, true)),
        on(dcch(false), i_frame(1, 0, kAuthSecond, false))},
       {{joined(kAuthFirst, kAuthSecond), 0}},
       {.duplicates = 1}},
      {"a whole message sent again is reported once, the next one still is",
       {on(dcch(true), i_frame(3, 1, {0x05, 0x14}, false)), on(dcch(true), i_frame(3, 2, {0x05, 0x14}, false, true)),
        on(dcch(true), i_frame(4, 2, {0x05, 0x14}, false))},
       {{{0x05, 0x14}, 1}, {{0x05, 0x14}, 1}},
       {.duplicates = 1}},
      {"a gap inside a chain drops it and the rest of it, not what follows",
       {on(dcch(false), i_frame(2, 0, sms_a, true)),  // N(S) 3 lost
        on(dcch(false), i_frame(4, 0, middle, true)), on(dcch(false), i_frame(5, 0, sms_tail_b, false)),
        on(dcch(false), i_frame(6, 0, {0x05, 0x02}, false))},
       {{{0x05, 0x02}, 0}},
       {.gaps = 1, .dropped_at_gap = 3}},
      {"after a gap inside a chain, a frame that begins a message is one",
       {on(dcch(false), i_frame(2, 0, sms_a, true)),  // N(S) 3, the last segment, lost
        on(dcch(false), i_frame(4, 0, sms_b, true)), on(dcch(false), i_frame(5, 0, sms_tail_b, false))},
       {{joined(sms_b, sms_tail_b), 0}},
       {.gaps = 1, .dropped_at_gap = 1}},
      {"after a gap between messages, the rest of a chain whose start was lost is no message",
       {on(dcch(true), i_frame(0, 0, {0x05, 0x14}, false)),  // N(S) 1, a first segment, lost
        on(dcch(true), i_frame(2, 0, middle, true)), on(dcch(true), i_frame(3, 0, {0x20}, false)),
        on(dcch(true), i_frame(4, 0, {0x05, 0x14}, false))},
       {{{0x05, 0x14}, 1}, {{0x05, 0x14}, 1}},
       {.gaps = 1, .dropped_at_gap = 2}},
      {"a link first seen in the middle of a chain",
       {on(dcch(true), i_frame(6, 0, {0x7F, 0x20}, false)), on(dcch(true), i_frame(7, 0, {0x05, 0x14}, false))},
       {{{0x05, 0x14}, 1}},
       {.dropped_at_gap = 1}},
      {"after a SABM the first I-frame begins a message whatever it holds",
       {on(dcch(true), lapdm(kSapi0, kSabmP, {})), on(dcch(true), i_frame(0, 0, {0x7F, 0x20}, false))},
       {{{0x7F, 0x20}, 1}},
       {}},
      {"a gap after a whole message starts afresh",
       {on(dcch(false), i_frame(0, 0, {0x06, 0x35, 0x01}, false)), on(dcch(false), i_frame(2, 0, {0x05, 0x02}, false))},
       {{{0x06, 0x35, 0x01}, 0}, {{0x05, 0x02}, 0}},
       {.gaps = 1}},
      {"the UA echo of a SABM seen is no second message",
       {on(dcch(true), lapdm(kSapi0, kSabmP, kPagingResponse)), on(dcch(false), lapdm(kSapi0, kUaF, kPagingResponse))},
       {{kPagingResponse, 1}},
       {}},
      {"the UA echo of a SABM not seen stands for it, once",
       {on(dcch(false), lapdm(kSapi0, kUaF, kPagingResponse)), on(dcch(false), lapdm(kSapi0, kUaF, kPagingResponse)),
        on(dcch(false), i_frame(0, 1, {0x06, 0x35, 0x01}, false))},
       {{kPagingResponse, 1, THARVEL_FRAME_ECHO}, {{0x06, 0x35, 0x01}, 0}},
       {.duplicates = 1, .echoes = 1}},
      {"SABM again after the link carried data is a new connection",
       {on(dcch(true), lapdm(kSapi0, kSabmP, kPagingResponse)), on(dcch(true), i_frame(0, 0, {0x05, 0x14}, false)),
        on(dcch(true), lapdm(kSapi0, kSabmP, kPagingResponse)), on(dcch(true), i_frame(0, 0, {0x05, 0x14}, false))},
       {{kPagingResponse, 1}, {{0x05, 0x14}, 1}, {kPagingResponse, 1}, {{0x05, 0x14}, 1}},
       {}},
      {"DISC ends the link: its chain is dropped, numbering starts again",
       {on(dcch(false), i_frame(5, 0, sms_a, true)), on(dcch(false), lapdm(kSapi0Command, kDiscP, {})),
        on(dcch(false), i_frame(0, 0, {0x05, 0x02}, false))},
       {{{0x05, 0x02}, 0}},
       {.released = 1}},
      {"fill blocks on AGCH, PCH and SDCCH go; SI 13, 2ter and 2quater stay",
       {on(ccch(4), Bytes{0x01, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B,
                          0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B}),
        on(ccch(1), Bytes{0x01, 0x06, 0x00, 0x90, 0x00, 0x18, 0x5A, 0x6F, 0xC9, 0xE0, 0x84, 0x10, 0xAB,
                          0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B}),
        on(ccch(5), Bytes(23, 0x2B)), on(ccch(1), Bytes{0x01, 0x06, 0x03, 0x80, 0x00, 0x2B, 0x2B}),
        on(ccch(1), Bytes{0x01, 0x06, 0x07, 0x50, 0x40, 0x2B}), on(dcch(false), lapdm(kSapi0Command, 0x03, {}))},
       {{{0x06, 0x00, 0x90, 0x00, 0x18, 0x5A, 0x6F, 0xC9, 0xE0, 0x84, 0x10, 0xAB, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B,
          0x2B, 0x2B, 0x2B, 0x2B},
         0},
        {{0x06, 0x03, 0x80, 0x00, 0x2B, 0x2B}, 0},
        {{0x06, 0x07, 0x50, 0x40, 0x2B}, 0}},
       {.fill_blocks = 3}},
      {"frames whose header cannot be LAPDm are counted, not read",
       {on(dcch(false), Bytes{0x01, 0x00, 0x50, 0x05}),   // EL bit 0
        on(dcch(false), Bytes{0x01, 0x00, 0x55, 0x05}),   // length 21 past N201
        on(dcch(false), Bytes{0x41, 0x00, 0x09, 0x05}),   // LPD 2
        on(dcch(false), Bytes{0x15, 0x00, 0x09, 0x05}),   // SAPI 5
        on(dcch(false), Bytes{0x01, 0x0D, 0x01, 0x2B}),   // S-frame of type 3
        on(dcch(false), Bytes{0x01, 0x8F, 0x01, 0x2B})},  // unknown U-frame
       {},
       {.ciphered = 6}},
      {"a first segment alone stays unfinished",
       {on(dcch(true), i_frame(0, 0, kAuthFirst, true))},
       {},
       {.unfinished = 1}},
  };
}

void check(const Scenario& s, const Read& r, const char* how) {
  SCOPED_TRACE(std::string(s.name) + " (" + how + ")");
  ASSERT_EQ(r.messages.size(), s.messages.size());
  for (size_t i = 0; i < s.messages.size(); ++i) {
    EXPECT_EQ(r.messages[i].octets, s.messages[i].octets) << "message " << i;
    EXPECT_EQ(r.messages[i].frame.direction, s.messages[i].direction) << "message " << i;
    EXPECT_EQ(r.messages[i].frame.flags, s.messages[i].flags) << "message " << i;
  }
  const Counts& want = s.counts;
  const struct tharvel_capture_counters& got = r.counters;
  EXPECT_EQ(got.duplicates, want.duplicates);
  EXPECT_EQ(got.gaps, want.gaps);
  EXPECT_EQ(got.dropped_at_gap, want.dropped_at_gap);
  EXPECT_EQ(got.too_long, want.too_long);
  EXPECT_EQ(got.released, want.released);
  EXPECT_EQ(got.unfinished, want.unfinished);
  EXPECT_EQ(got.echoes, want.echoes);
  EXPECT_EQ(got.fill_blocks, want.fill_blocks);
  EXPECT_EQ(got.ciphered, want.ciphered);
  EXPECT_EQ(got.messages, s.messages.size());
}

TEST(CaptureLapdm, Scenarios) {
  for (const Scenario& s : scenarios()) {
    check(s, read_memory(pcap_of(s.packets)), "pcap");
    check(s, read_live(s.packets), "live");
  }
}

TEST(CaptureLapdm, EchoCarriesTheLinkOfItsFrame) {
  Read r = read_memory(pcap_of({on(dcch(false), lapdm(0x0D, kUaF, kPagingResponse))}));  // SAPI 3
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].frame.sapi, 3);
  EXPECT_EQ(r.messages[0].frame.timeslot, 1);
  EXPECT_EQ(r.messages[0].frame.sub_slot, 2);
  EXPECT_EQ(r.messages[0].frame.channel, 8);
}

// Twelve segments of 20 octets, one of 10 and a last one of 1 make the
// longest message, 251 octets; one octet more drops the chain and its rest,
// not the message after it.
TEST(CaptureLapdm, LongestMessageAndOneOctetMore) {
  for (size_t last : {size_t{10}, size_t{11}}) {
    std::vector<Bytes> packets;
    Bytes whole;
    for (uint8_t i = 0; i < 12; ++i) {
      Bytes seg(20, i);
      if (i == 0) seg = kAuthFirst;
      append(whole, seg);
      packets.push_back(on(dcch(false), i_frame(i & 7, 0, seg, true)));
    }
    Bytes tail(last, 0xEE);
    append(whole, tail);
    packets.push_back(on(dcch(false), i_frame(12 & 7, 0, tail, true)));  // M still set: one more follows
    packets.push_back(on(dcch(false), i_frame(13 & 7, 0, {0x77}, false)));
    append(whole, {0x77});
    packets.push_back(on(dcch(false), i_frame(14 & 7, 0, {0x05, 0x02}, false)));
    Read r = read_memory(pcap_of(packets));
    SCOPED_TRACE(last);
    if (whole.size() <= 251) {
      ASSERT_EQ(r.messages.size(), 2u);
      EXPECT_EQ(r.messages[0].octets, whole);
      EXPECT_EQ(r.counters.too_long, 0u);
    } else {
      ASSERT_EQ(r.messages.size(), 1u);
      EXPECT_EQ(r.messages[0].octets, (Bytes{0x05, 0x02}));
      EXPECT_EQ(r.counters.too_long, 1u);
    }
  }
}

// A chain of 400,000 segments never grows past 251 octets.
TEST(CaptureLapdm, EndlessChainStaysBounded) {
  tharvel_capture* cap = tharvel_capture_open_live();
  for (uint32_t i = 0; i < 400000; ++i) {
    Bytes p = on(dcch(true), i_frame(i & 7, 0, i == 0 ? kAuthFirst : Bytes(20, 0x42), true));
    ASSERT_EQ(tharvel_capture_feed_gsmtap(cap, p.data(), p.size(), 0, 0), 0);
  }
  Bytes end = on(dcch(true), i_frame(400000 & 7, 0, {0x05}, false));
  EXPECT_EQ(tharvel_capture_feed_gsmtap(cap, end.data(), end.size(), 0, 0), 0);
  Read r;
  drain(cap, r);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(r.counters.too_long, 400001u - 12u);  // the chain, then every segment after it
  EXPECT_EQ(r.counters.unfinished, 0u);
}

// 10^5 links each left with a first segment: the oldest are dropped, and at
// no time are more than a bounded number kept.
TEST(CaptureLapdm, HundredThousandUnfinishedChains) {
  tharvel_capture* cap = tharvel_capture_open_live();
  Bytes seg = i_frame(0, 0, kAuthFirst, true);
  uint32_t fed = 0;
  for (uint8_t sub_type : {uint8_t{7}, uint8_t{8}}) {
    for (int ts = 0; ts < 256 && fed < 100000; ++ts) {
      for (int sub = 0; sub < 256 && fed < 100000; ++sub, ++fed) {
        Channel c{1, sub_type, true};
        c.timeslot = static_cast<uint8_t>(ts);
        c.sub_slot = static_cast<uint8_t>(sub);
        Bytes p = on(c, seg);
        ASSERT_EQ(tharvel_capture_feed_gsmtap(cap, p.data(), p.size(), 0, 0), 0);
      }
    }
  }
  Read r;
  drain(cap, r);
  EXPECT_EQ(fed, 100000u);
  EXPECT_EQ(r.counters.unfinished, 4096u);
  EXPECT_EQ(r.counters.evicted + r.counters.unfinished, 100000u);
}

}  // namespace
