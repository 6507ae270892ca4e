// tharvel-decode over a large input with 1, 2 and 4 worker threads in each
// output form: the speed-up of -j and the tool's messages per second, in wall
// time of the whole process. Compare within one run: the machine's speed
// drifts between runs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kCopies = 200;

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

// The corpus 200 times over (about 91,000 messages).
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

// Arguments: workers, and the output (0 documents, 1 --summary, 2 --json).
void BM_DecoderJobs(benchmark::State& state) {
  static const char* const kFormats[] = {"", " -s", " --json"};
  std::string command = std::string("'") + THARVEL_DECODE + "' -q -j " + std::to_string(state.range(0)) +
                        kFormats[state.range(1)] + " '" + large_input() + "' >/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("tharvel-decode failed");
  }
  state.SetItemsProcessed(state.iterations() * kCopies * corpus_messages());
  state.SetLabel(std::string("-j ") + std::to_string(state.range(0)) + kFormats[state.range(1)]);
}
BENCHMARK(BM_DecoderJobs)
    ->ArgsProduct({{1, 2, 4}, {0, 1, 2}})
    ->ArgNames({"j", "format"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
