// tharvel-decode over a large input with 1, 2 and 4 worker threads: the
// speed-up of -j, measured in wall time of the whole process.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The corpus 50 times over (about 23,000 messages).
const std::string& large_input() {
  static const std::string path = [] {
    std::string p = (std::filesystem::temp_directory_path() / "tharvel_jobs_bench.txt").string();
    std::ifstream in(THARVEL_CORPUS);
    std::string corpus((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream out(p);
    for (int i = 0; i < 50; ++i) out << corpus;
    return p;
  }();
  return path;
}

void BM_DecoderJobs(benchmark::State& state) {
  std::string command = std::string("'") + THARVEL_DECODE + "' -q -j " + std::to_string(state.range(0)) + " '" +
                        large_input() + "' >/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("tharvel-decode failed");
  }
}
BENCHMARK(BM_DecoderJobs)->Arg(1)->Arg(2)->Arg(4)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
