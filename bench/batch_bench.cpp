// Batch decoding against one tharvel_decode call per message over the corpus:
// what a binding saves by crossing into the library once per few hundred
// messages, and what the batch's own copying costs.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "hex_input.h"
#include "tharvel.h"

namespace {

struct Packed {
  std::vector<uint8_t> octets;
  std::vector<size_t> starts{0};
  std::vector<uint8_t> directions;
};

const Packed& packed_corpus() {
  static const Packed p = [] {
    Packed p;
    std::ifstream in(THARVEL_CORPUS);
    std::string line, error;
    tharvel_tools::MessageLine m;
    while (std::getline(in, line)) {
      if (tharvel_tools::parse_message_line(line, m, error) != tharvel_tools::LineKind::message) continue;
      p.octets.insert(p.octets.end(), m.octets.begin(), m.octets.end());
      p.starts.push_back(p.octets.size());
      p.directions.push_back(m.direction);
    }
    return p;
  }();
  return p;
}

void BM_DecodeEach(benchmark::State& state) {
  const Packed& p = packed_corpus();
  std::vector<char> out(1 << 20);
  tharvel_options o{};
  o.size = sizeof o;
  size_t n = p.directions.size();
  for (auto _ : state) {
    for (size_t i = 0; i < n; ++i) {
      o.direction = p.directions[i];
      tharvel_result r{};
      r.size = sizeof r;
      tharvel_decode(p.octets.data() + p.starts[i], p.starts[i + 1] - p.starts[i], &o, out.data(), out.size(), &r);
      benchmark::DoNotOptimize(r.needed);
    }
  }
  state.counters["msgs_per_s"] = benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DecodeEach);

void BM_BatchDecode(benchmark::State& state) {
  const Packed& p = packed_corpus();
  tharvel_batch* b = tharvel_batch_new();
  size_t n = p.directions.size();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        tharvel_batch_decode(b, p.octets.data(), p.starts.data(), p.directions.data(), n, nullptr));
  }
  tharvel_batch_free(b);
  state.counters["msgs_per_s"] = benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BatchDecode);

}  // namespace
