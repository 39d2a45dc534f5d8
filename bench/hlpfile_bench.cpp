// Reading a help file of 4096 topics (compressed blocks, phrase table).
//
//   hlpfile_bench [--benchmark_...]
#include <benchmark/benchmark.h>

#include "hlpfile/help_file.h"
#include "large_help_file.h"

namespace {

void BM_ReadLargeHelpFile(benchmark::State& state) {
  const std::string& bytes = veldor::bench::LargeHelpFile();
  for (auto _ : state) {
    auto result = veldor::hlp::ReadHelpFile(bytes);
    if (!result.document) state.SkipWithError(result.error.c_str());
    benchmark::DoNotOptimize(result);
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ReadLargeHelpFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
