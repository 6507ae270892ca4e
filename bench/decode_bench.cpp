// Decode throughput over the real corpus per family, a synthetic mix, the
// largest documents, the memcpy floor, and allocations per message.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
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

void run_set(benchmark::State& state, const std::vector<Msg>& set) {
  if (set.empty()) {
    state.SkipWithError("no messages");
    return;
  }
  size_t bytes = 0;
  uint64_t allocs_before = allocation_count();
  for (auto _ : state) {
    for (const Msg& m : set) bytes += decode_one(m);
    benchmark::ClobberMemory();
  }
  uint64_t allocs = allocation_count() - allocs_before;
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * set.size()));
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
  state.counters["allocs_per_msg"] =
      static_cast<double>(allocs) / static_cast<double>(state.iterations() * set.size());
  state.counters["doc_bytes_per_msg"] = static_cast<double>(bytes) / static_cast<double>(state.iterations() * set.size());
}

std::vector<Msg> of_pd(int pd) {
  std::vector<Msg> v;
  for (const Msg& m : corpus()) {
    if (pd < 0 || (m.octets[0] & 0x0F) == pd) v.push_back(m);
  }
  return v;
}

void BM_Corpus(benchmark::State& state) { run_set(state, of_pd(static_cast<int>(state.range(0)))); }
BENCHMARK(BM_Corpus)->Arg(-1)->Arg(3)->Arg(5)->Arg(6)->Arg(8)->Arg(9)->Arg(10)->ArgName("pd");

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
// SI 2quater and the like).
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

// The floor: copying the same document bytes the corpus decode writes.
void BM_MemcpyFloor(benchmark::State& state) {
  std::vector<std::string> docs;
  for (const Msg& m : corpus()) {
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
BENCHMARK(BM_MemcpyFloor);

// Text already in the caller's buffer costs one scan for its end, not a
// scan per append: compare 0 and 256 KiB of earlier text.
void BM_EarlierText(benchmark::State& state) {
  const std::vector<Msg>& set = largest();
  std::vector<char> buf(1 << 20);
  size_t prior = static_cast<size_t>(state.range(0));
  std::memset(buf.data(), 'x', prior);
  for (auto _ : state) {
    for (const Msg& m : set) {
      buf[prior] = '\0';
      tharvel(m.direction, static_cast<int32_t>(m.octets.size()), m.octets.data(), buf.data());
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * set.size()));
}
BENCHMARK(BM_EarlierText)->Arg(0)->Arg(1 << 18)->ArgName("prior_bytes");

}  // namespace

BENCHMARK_MAIN();
