// Decode throughput over the real corpus per family, a synthetic mix, the
// largest documents, the memcpy floor, linear cost in the document's size,
// the cost of earlier text in the caller's buffer, and allocations per
// message. Every decode benchmark reports messages and output bytes per
// second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "alloc_counter.h"
#include "api/keys.h"
#include "hex_input.h"
#include "tharvel.h"

namespace {

struct Msg {
  uint8_t direction;
  std::vector<uint8_t> octets;
};

const std::vector<Msg>& corpus() {
  static const std::vector<Msg> all = [] {
    std::vector<Msg> v;
    std::ifstream in(THARVEL_CORPUS);
    std::string line, error;
    tharvel_tools::MessageLine m;
    while (std::getline(in, line)) {
      if (tharvel_tools::parse_message_line(line, m, error) == tharvel_tools::LineKind::message) {
        v.push_back({m.direction, m.octets});
      }
    }
    return v;
  }();
  return all;
}

std::vector<char>& out_buffer() {
  static std::vector<char> buf(1 << 20);
  return buf;
}

size_t decode_one(const Msg& m) {
  std::vector<char>& buf = out_buffer();
  buf[0] = '\0';
  size_t needed = 0;
  tharvel_n(m.direction, static_cast<int32_t>(m.octets.size()), m.octets.data(), buf.data(), buf.size(), &needed);
  return needed;
}

// A complete document: the decode did not take the failure path.
bool closes(const Msg& m) {
  size_t n = decode_one(m);
  static constexpr char kEnd[] = "</L3Message>\n";
  return n >= sizeof kEnd - 1 && std::strcmp(out_buffer().data() + n - (sizeof kEnd - 1), kEnd) == 0;
}

// Allocations of one pass over the set, outside the timed loop: a closed
// document must cost none (the record lives in the call's storage); the failure
// path may cost more.
void count_allocations(benchmark::State& state, const std::vector<Msg>& set) {
  uint64_t closed = 0, closed_allocs = 0, failed = 0, failed_allocs = 0, worst = 0;
  for (const Msg& m : set) {
    uint64_t before = allocation_count();
    bool whole = closes(m);
    uint64_t n = allocation_count() - before;
    (whole ? closed : failed) += 1;
    (whole ? closed_allocs : failed_allocs) += n;
    if (whole) worst = std::max(worst, n);
  }
  if (closed > 0) state.counters["allocs_per_msg"] = static_cast<double>(closed_allocs) / static_cast<double>(closed);
  if (failed > 0) {
    state.counters["failure_path_msgs"] = static_cast<double>(failed);
    state.counters["allocs_per_failed_msg"] = static_cast<double>(failed_allocs) / static_cast<double>(failed);
  }
  if (worst > 0) state.SkipWithError("a decoded message allocated");
}

void run_set(benchmark::State& state, const std::vector<Msg>& set) {
  if (set.empty()) {
    state.SkipWithError("no messages");
    return;
  }
  size_t bytes = 0;
  for (auto _ : state) {
    for (const Msg& m : set) bytes += decode_one(m);
    benchmark::ClobberMemory();
  }
  const auto msgs = static_cast<int64_t>(state.iterations() * set.size());
  state.SetItemsProcessed(msgs);
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
  state.counters["doc_bytes_per_msg"] = static_cast<double>(bytes) / static_cast<double>(msgs);
  count_allocations(state, set);
}

std::vector<Msg> of_pd(int pd, bool closed_only) {
  std::vector<Msg> v;
  for (const Msg& m : corpus()) {
    if ((pd < 0 || (m.octets[0] & 0x0F) == pd) && (!closed_only || closes(m))) v.push_back(m);
  }
  return v;
}

// Every corpus message of the family; RR messages that the library cannot
// decode yet take the failure path (a file append each).
void BM_Corpus(benchmark::State& state) { run_set(state, of_pd(static_cast<int>(state.range(0)), false)); }
BENCHMARK(BM_Corpus)->Arg(-1)->Arg(3)->Arg(5)->Arg(6)->Arg(8)->Arg(9)->Arg(10)->ArgName("pd");

// The corpus messages whose documents close: the decoder's own speed.
void BM_CorpusDecoded(benchmark::State& state) { run_set(state, of_pd(-1, true)); }
BENCHMARK(BM_CorpusDecoded);

// tharvel_decode over the whole corpus by its real direction, text against
// JSON: the JSON's cost is a second render into a scratch buffer and the
// one-pass conversion.
void BM_DecodeFormat(benchmark::State& state) {
  const std::vector<Msg>& set = corpus();
  std::vector<char>& buf = out_buffer();
  const auto format = static_cast<uint8_t>(state.range(0));
  size_t bytes = 0;
  for (auto _ : state) {
    for (const Msg& m : set) {
      tharvel_options opt{sizeof opt, static_cast<uint8_t>(m.direction != 0), format, 0, 0};
      tharvel_result res{};
      res.size = sizeof res;
      tharvel_decode(m.octets.data(), m.octets.size(), &opt, buf.data(), buf.size(), &res);
      bytes += res.needed;
    }
    benchmark::DoNotOptimize(buf.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * set.size()));
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_DecodeFormat)->Arg(THARVEL_FORMAT_TEXT)->Arg(THARVEL_FORMAT_JSON)->ArgName("json");

// Every accepted key with random bodies of 2 to 40 octets: reaches the
// decoders' early stops and rarely-seen elements.
void BM_SyntheticMix(benchmark::State& state) {
  static const std::vector<Msg> mix = [] {
    std::mt19937 rng(7);
    std::vector<Msg> v;
    for (int key = 0; key < 0x1000; ++key) {
      if (!l3::key_accepted(static_cast<uint16_t>(key))) continue;
      for (int i = 0; i < 4; ++i) {
        Msg m{static_cast<uint8_t>(i & 1), {static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(key)}};
        size_t n = rng() % 39;
        for (size_t j = 0; j < n; ++j) m.octets.push_back(static_cast<uint8_t>(rng()));
        v.push_back(m);
      }
    }
    return v;
  }();
  run_set(state, mix);
}
BENCHMARK(BM_SyntheticMix);

// The 16 corpus messages with the largest documents (long frequency lists,
// SI 2quater and the like, once they decode).
const std::vector<Msg>& largest() {
  static const std::vector<Msg> v = [] {
    std::vector<std::pair<size_t, Msg>> sized;
    for (const Msg& m : corpus()) sized.push_back({decode_one(m), m});
    std::sort(sized.begin(), sized.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<Msg> out;
    for (size_t i = 0; i < sized.size() && i < 16; ++i) out.push_back(sized[i].second);
    return out;
  }();
  return v;
}

void BM_LargestDocuments(benchmark::State& state) { run_set(state, largest()); }
BENCHMARK(BM_LargestDocuments);

// The floor: copying the same document bytes the decode of the set writes.
void memcpy_floor(benchmark::State& state, const std::vector<Msg>& set) {
  std::vector<std::string> docs;
  for (const Msg& m : set) {
    decode_one(m);
    docs.emplace_back(out_buffer().data());
  }
  std::vector<char>& buf = out_buffer();
  size_t bytes = 0;
  for (auto _ : state) {
    for (const std::string& d : docs) {
      std::memcpy(buf.data(), d.data(), d.size() + 1);
      bytes += d.size();
      benchmark::DoNotOptimize(buf.data());
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * docs.size()));
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

void BM_MemcpyFloor(benchmark::State& state) { memcpy_floor(state, corpus()); }
BENCHMARK(BM_MemcpyFloor);
void BM_MemcpyFloorDecoded(benchmark::State& state) { memcpy_floor(state, of_pd(-1, true)); }
BENCHMARK(BM_MemcpyFloorDecoded);

// Linear cost: a call control SETUP (network to mobile) whose supported codec
// list holds n entries of four octets; each entry adds about 130 bytes of
// document, so 7 to 63 entries give documents of about 1 to 8 KB.
Msg codec_setup(size_t entries) {
  Msg m{0, {0x03, 0x05, 0x40, static_cast<uint8_t>(4 * entries)}};
  for (size_t i = 0; i < entries; ++i) {
    for (uint8_t o : {uint8_t{0x04}, uint8_t{0x02}, static_cast<uint8_t>(0x5F + i), uint8_t{0x03}}) {
      m.octets.push_back(o);
    }
  }
  return m;
}

// Documents of about `kb` KB. Up to 8 KB the document is one message's; past
// that no single message's document grows further (element parts have fixed
// capacities), so the document is several 8 KB ones appended in one buffer,
// each call handed the end of the text so far, as a caller that keeps its
// own length would.
void BM_LinearCost(benchmark::State& state) {
  const size_t kb = static_cast<size_t>(state.range(0));
  std::vector<Msg> parts;
  if (kb <= 8) {
    parts.push_back(codec_setup(kb == 8 ? 63 : kb * 8 - 1));
  } else {
    parts.assign(kb / 8, codec_setup(63));
  }
  std::vector<char> buf(1 << 20);
  size_t doc = 0;
  for (auto _ : state) {
    char* at = buf.data();
    *at = '\0';
    for (const Msg& m : parts) {
      size_t needed = 0;
      tharvel_n(m.direction, static_cast<int32_t>(m.octets.size()), m.octets.data(), at,
                buf.size() - static_cast<size_t>(at - buf.data()), &needed);
      at += needed;
    }
    doc = static_cast<size_t>(at - buf.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc));
  state.counters["doc_bytes"] = static_cast<double>(doc);
  // Seconds per KB of document: flat across the sizes when the cost is linear.
  state.counters["time_per_doc_kb"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(doc) / 1024.0,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LinearCost)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Arg(16)->Arg(32)->Arg(64)->ArgName("kb");

// Text already in the caller's buffer costs one scan for its end, not a
// scan per append: the extra time over prior_bytes:0 should match
// BM_ScanFloor of the same size.
void BM_EarlierText(benchmark::State& state) {
  const std::vector<Msg>& set = largest();
  std::vector<char> buf(1 << 20);
  size_t prior = static_cast<size_t>(state.range(0));
  std::memset(buf.data(), 'x', prior);
  size_t bytes = 0;
  for (auto _ : state) {
    for (const Msg& m : set) {
      buf[prior] = '\0';
      tharvel(m.direction, static_cast<int32_t>(m.octets.size()), m.octets.data(), buf.data());
      bytes += std::strlen(buf.data() + prior);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * set.size()));
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_EarlierText)->Arg(0)->Arg(1 << 16)->Arg(1 << 18)->ArgName("prior_bytes");

// One strlen of the earlier text per message: what BM_EarlierText may add.
void BM_ScanFloor(benchmark::State& state) {
  const size_t n = largest().size();
  std::vector<char> buf(1 << 20);
  size_t prior = static_cast<size_t>(state.range(0));
  std::memset(buf.data(), 'x', prior);
  buf[prior] = '\0';
  for (auto _ : state) {
    for (size_t i = 0; i < n; ++i) {
      benchmark::DoNotOptimize(buf.data());
      benchmark::DoNotOptimize(std::strlen(buf.data()));
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
}
BENCHMARK(BM_ScanFloor)->Arg(1 << 16)->Arg(1 << 18)->ArgName("prior_bytes");

// The failure path appends to a dump file in the temporary directory: keep it
// in a directory of our own, removed at exit, so runs don't fill /tmp.
struct PrivateDumpDir {
  std::string dir;
  PrivateDumpDir() {
    char tmpl[] = "/tmp/tharvel-bench-XXXXXX";
    if (mkdtemp(tmpl) != nullptr) {
      dir = tmpl;
      setenv("TMPDIR", tmpl, 1);
    }
  }
  ~PrivateDumpDir() {
    std::error_code ec;
    if (!dir.empty()) std::filesystem::remove_all(dir, ec);
  }
};

}  // namespace

int main(int argc, char** argv) {
  PrivateDumpDir dump_dir;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
