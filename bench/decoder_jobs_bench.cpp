// tharvel-decode over a large input with 1, 2 and 4 worker threads: the
// speed-up of -j, and the tool's messages per second in text and in JSON,
// measured in wall time of the whole process.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kCopies = 50;

// Message lines of the corpus (comments and blank lines are not messages).
int64_t corpus_messages() {
  static const int64_t n = [] {
    std::ifstream in(THARVEL_CORPUS);
    std::string line;
    int64_t k = 0;
    while (std::getline(in, line)) k += line.rfind("UL ", 0) == 0 || line.rfind("DL ", 0) == 0;
    return k;
  }();
  return n;
}

// The corpus 50 times over (about 23,000 messages).
const std::string& large_input() {
  static const std::string path = [] {
    std::string p = (std::filesystem::temp_directory_path() / "tharvel_jobs_bench.txt").string();
    std::ifstream in(THARVEL_CORPUS);
    std::string corpus((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream out(p);
    for (int i = 0; i < kCopies; ++i) out << corpus;
    return p;
  }();
  return path;
}

void run_decoder(benchmark::State& state, const std::string& options) {
  std::string command = std::string("'") + THARVEL_DECODE + "' -q " + options + " '" + large_input() + "' >/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("tharvel-decode failed");
  }
  state.SetItemsProcessed(state.iterations() * kCopies * corpus_messages());
}

void BM_DecoderJobs(benchmark::State& state) { run_decoder(state, "-j " + std::to_string(state.range(0))); }
BENCHMARK(BM_DecoderJobs)->Arg(1)->Arg(2)->Arg(4)->UseRealTime()->Unit(benchmark::kMillisecond);

// One worker, documents against JSON: the tool's own cost per message.
void BM_DecoderJson(benchmark::State& state) { run_decoder(state, state.range(0) != 0 ? "-j 1 --json" : "-j 1"); }
BENCHMARK(BM_DecoderJson)->Arg(0)->Arg(1)->ArgName("json")->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
