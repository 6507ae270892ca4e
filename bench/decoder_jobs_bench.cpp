// tharvel-decode over a large input with 1, 2 and 4 worker threads: the
// speed-up of -j, measured in wall time of the whole process. Run all in one
// go and compare within the run: the machine's speed drifts between runs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kCopies = 100;

// The corpus 100 times over (about 46,000 messages).
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
  state.SetLabel(std::string("-j ") + std::to_string(state.range(0)) + kFormats[state.range(1)]);
}
BENCHMARK(BM_DecoderJobs)
    ->ArgsProduct({{1, 2, 4}, {0, 1, 2}})
    ->ArgNames({"j", "format"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
