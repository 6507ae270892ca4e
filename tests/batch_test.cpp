// Batch decoding: every document and entry as one decode call gives it, the
// buffers growing without losing earlier documents, bad arguments refused, and
// capture reading that stops at an error and reports it on the next call.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "test_util.h"
#include "tharvel.h"

namespace {

struct BatchDeleter {
  void operator()(tharvel_batch* b) const { tharvel_batch_free(b); }
};
using Batch = std::unique_ptr<tharvel_batch, BatchDeleter>;

struct Single {
  std::string text;
  tharvel_result result;
};

Single decode_one(const std::vector<uint8_t>& m, uint8_t direction, uint8_t format = THARVEL_FORMAT_TEXT) {
  tharvel_options o{};
  o.size = sizeof o;
  o.direction = direction;
  o.format = format;
  Single s{};
  s.result.size = sizeof s.result;
  std::vector<char> out(1 << 20);
  tharvel_decode(m.data(), m.size(), &o, out.data(), out.size(), &s.result);
  s.text.assign(out.data(), s.result.needed);
  return s;
}

// The messages packed as the batch takes them.
struct Packed {
  std::vector<uint8_t> octets;
  std::vector<size_t> starts{0};
  std::vector<uint8_t> directions;
  void add(const std::vector<uint8_t>& m, uint8_t d) {
    octets.insert(octets.end(), m.begin(), m.end());
    starts.push_back(octets.size());
    directions.push_back(d);
  }
  size_t count() const { return directions.size(); }
};

std::string text_of(const tharvel_batch* b, const tharvel_batch_entry& e) {
  size_t size = 0;
  const char* text = tharvel_batch_text(b, &size);
  EXPECT_LE(e.text_offset + e.text_length, size);
  EXPECT_EQ(text[e.text_offset + e.text_length], '\0');
  return std::string(text + e.text_offset, e.text_length);
}

void expect_same_as_single(const tharvel_batch* b, const Packed& p, uint8_t format) {
  size_t count = 0, octets_size = 0;
  const tharvel_batch_entry* e = tharvel_batch_entries(b, &count);
  const uint8_t* octets = tharvel_batch_octets(b, &octets_size);
  ASSERT_EQ(count, p.count());
  ASSERT_EQ(octets_size, p.octets.size());
  for (size_t i = 0; i < count; ++i) {
    std::vector<uint8_t> m(p.octets.begin() + p.starts[i], p.octets.begin() + p.starts[i + 1]);
    Single s = decode_one(m, p.directions[i], format);
    SCOPED_TRACE(i);
    EXPECT_EQ(text_of(b, e[i]), s.text);
    EXPECT_EQ(e[i].status, s.result.status);
    EXPECT_EQ(e[i].key, s.result.key);
    EXPECT_EQ(e[i].pd, s.result.pd);
    EXPECT_STREQ(e[i].protocol, s.result.protocol);
    EXPECT_STREQ(e[i].name, s.result.name);
    EXPECT_EQ(e[i].direction, p.directions[i]);
    EXPECT_EQ(e[i].frame, i);
    ASSERT_EQ(e[i].octets_length, m.size());
    if (!m.empty()) {
      EXPECT_EQ(std::memcmp(octets + e[i].octets_offset, m.data(), m.size()), 0);
    }
  }
}

TEST(Batch, CorpusDocumentsAndEntriesAsSingleCallsGive) {
  Packed p;
  for (const auto& m : tharvel_test::corpus()) p.add(m.octets, m.direction);
  p.add({}, 0);      // too short
  p.add({0x05}, 1);  // too short
  Batch b(tharvel_batch_new());
  for (uint8_t format : {THARVEL_FORMAT_TEXT, THARVEL_FORMAT_JSON}) {
    SCOPED_TRACE(static_cast<int>(format));
    tharvel_options o{};
    o.size = sizeof o;
    o.format = format;
    ASSERT_EQ(tharvel_batch_decode(b.get(), p.octets.data(), p.starts.data(), p.directions.data(), p.count(), &o),
              static_cast<ptrdiff_t>(p.count()));
    expect_same_as_single(b.get(), p, format);
  }
}

TEST(Batch, GrowsPastItsFirstBufferKeepingEarlierDocuments) {
  // The corpus's longest documents, repeated until they fill several megabytes.
  std::vector<std::pair<size_t, const tharvel_test::CorpusMessage*>> sizes;
  for (const auto& m : tharvel_test::corpus()) sizes.push_back({decode_one(m.octets, m.direction).text.size(), &m});
  std::sort(sizes.begin(), sizes.end(), [](auto& a, auto& b) { return a.first > b.first; });
  Packed p;
  size_t total = 0;
  for (size_t i = 0; total < (4u << 20); ++i) {
    const auto& [size, m] = sizes[i % 5];
    p.add(m->octets, m->direction);
    total += size;
  }
  Batch b(tharvel_batch_new());
  ASSERT_EQ(tharvel_batch_decode(b.get(), p.octets.data(), p.starts.data(), p.directions.data(), p.count(), nullptr),
            static_cast<ptrdiff_t>(p.count()));
  expect_same_as_single(b.get(), p, THARVEL_FORMAT_TEXT);
  // A smaller call afterwards holds only its own messages.
  Packed one;
  one.add(tharvel_test::octets("051801"), 0);
  ASSERT_EQ(tharvel_batch_decode(b.get(), one.octets.data(), one.starts.data(), nullptr, 1, nullptr), 1);
  expect_same_as_single(b.get(), one, THARVEL_FORMAT_TEXT);
}

TEST(Batch, DirectionsFromOptionsWhenNotGiven) {
  Packed p;
  p.add(tharvel_test::octets("051801"), 1);
  p.add(tharvel_test::octets("051801"), 1);
  tharvel_options o{};
  o.size = sizeof o;
  o.direction = 1;
  Batch b(tharvel_batch_new());
  ASSERT_EQ(tharvel_batch_decode(b.get(), p.octets.data(), p.starts.data(), nullptr, 2, &o), 2);
  expect_same_as_single(b.get(), p, THARVEL_FORMAT_TEXT);
  size_t n = 0;
  EXPECT_NE(text_of(b.get(), tharvel_batch_entries(b.get(), &n)[1]).find("<dir>UPLINK</dir>"), std::string::npos);
}

TEST(Batch, RefusedOptionsGiveInvalidEntriesWithEmptyDocuments) {
  Packed p;
  p.add(tharvel_test::octets("051801"), 0);
  p.add(tharvel_test::octets("051801"), 0);
  const uint8_t directions[] = {5, 0};  // 5 is no direction
  Batch b(tharvel_batch_new());
  ASSERT_EQ(tharvel_batch_decode(b.get(), p.octets.data(), p.starts.data(), directions, 2, nullptr), 2);
  size_t n = 0;
  const tharvel_batch_entry* e = tharvel_batch_entries(b.get(), &n);
  EXPECT_EQ(e[0].status, THARVEL_STATUS_INVALID);
  EXPECT_EQ(text_of(b.get(), e[0]), "");
  EXPECT_EQ(e[1].status, THARVEL_STATUS_DECODED);
  EXPECT_EQ(text_of(b.get(), e[1]), decode_one(p.octets, 0).text);
}

TEST(Batch, BadArgumentsRefused) {
  Batch b(tharvel_batch_new());
  const uint8_t m[] = {0x05, 0x18, 0x01};
  const size_t good[] = {0, 3};
  const size_t backwards[] = {0, 3, 2};
  struct Case {
    tharvel_batch* batch;
    const uint8_t* octets;
    const size_t* starts;
    size_t count;
    ptrdiff_t expected;
  } cases[] = {
      {nullptr, m, good, 1, -1},   {b.get(), m, nullptr, 1, -1}, {b.get(), nullptr, good, 1, -1},
      {b.get(), m, backwards, 2, -1}, {b.get(), m, good, 0, 0},  {b.get(), nullptr, good, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tharvel_batch_decode(c.batch, c.octets, c.starts, nullptr, c.count, nullptr), c.expected);
  }
  size_t n = 99, size = 99;
  tharvel_batch_entries(b.get(), &n);
  EXPECT_EQ(n, 0u);
  EXPECT_STREQ(tharvel_batch_text(b.get(), &size), "");
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(tharvel_batch_read_capture(b.get(), nullptr, 10, nullptr), -1);
  EXPECT_EQ(tharvel_batch_read_capture(nullptr, nullptr, 10, nullptr), -1);
  EXPECT_STREQ(tharvel_batch_error(nullptr), "");
}

struct CaptureCloser {
  void operator()(tharvel_capture* c) const { tharvel_capture_close(c); }
};

TEST(Batch, CaptureReadingStopsAtAnErrorAndReportsItNext) {
  const std::string text = "DL 051801\nUL 0518\nXX zz\nUL 051801\nDL 0518 01\nDL 051801\n";
  std::unique_ptr<tharvel_capture, CaptureCloser> c(tharvel_capture_open_memory(
      reinterpret_cast<const uint8_t*>(text.data()), text.size(), nullptr, 0));
  ASSERT_NE(c, nullptr);
  Batch b(tharvel_batch_new());
  // (max_messages, expected return, frames of the entries)
  struct Step {
    size_t max;
    ptrdiff_t got;
    std::vector<uint64_t> frames;
  } steps[] = {{10, 2, {1, 2}}, {10, -1, {}}, {2, 2, {4, 5}}, {2, 1, {6}}, {2, 0, {}}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.frames.size());
    ASSERT_EQ(tharvel_batch_read_capture(b.get(), c.get(), s.max, nullptr), s.got);
    size_t n = 0;
    const tharvel_batch_entry* e = tharvel_batch_entries(b.get(), &n);
    ASSERT_EQ(n, s.frames.size());
    for (size_t i = 0; i < n; ++i) {
      EXPECT_EQ(e[i].frame, s.frames[i]);
      EXPECT_EQ(e[i].source, THARVEL_SOURCE_TEXT);
      EXPECT_EQ(e[i].direction, s.frames[i] == 2 || s.frames[i] == 4 ? 1 : 0);
      EXPECT_NE(text_of(b.get(), e[i]).find(e[i].direction ? "UPLINK" : "DOWNLINK"), std::string::npos);
    }
    if (s.got < 0) {
      EXPECT_STRNE(tharvel_batch_error(b.get()), "");
    }
  }
}

}  // namespace
