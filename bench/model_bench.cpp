// Open and save of a project at every capacity of the model, and the memory
// the open project takes.
//
//   model_bench [--benchmark_...]
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "max_project.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

using veldor::CVeldorDoc;

// The project and its file, made once.
struct Fixture {
  std::string bytes;
  std::string directory;
  std::string path;
  std::unique_ptr<CVeldorDoc> doc;

  static Fixture& Get() {
    static Fixture fixture;
    return fixture;
  }

 private:
  Fixture() {
    doc = std::make_unique<CVeldorDoc>();
    veldor::bench::FillMaxProject(*doc);
    bytes = doc->SaveToBytes();
    char pattern[] = "/tmp/veldor-bench-XXXXXX";
    directory = mkdtemp(pattern);
    path = veldor::JoinPath(directory, "MAXPROJ.ehe");
    veldor::WriteFile(path, bytes);
  }
  ~Fixture() {
    veldor::DeleteFile(path);
    veldor::DeleteFile(veldor::ReplaceExtension(path, "ehb"));
    rmdir(directory.c_str());
  }
};

double Megabytes(double bytes) {
  return bytes / (1024.0 * 1024.0);
}

void BM_LoadFromBytes(benchmark::State& state) {
  const Fixture& fixture = Fixture::Get();
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<CVeldorDoc>();
    state.ResumeTiming();
    if (!doc->LoadFromBytes(fixture.bytes)) state.SkipWithError("LoadFromBytes failed");
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fixture.bytes.size()));
}

void BM_OpenFile(benchmark::State& state) {
  const Fixture& fixture = Fixture::Get();
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<CVeldorDoc>();
    state.ResumeTiming();
    if (!doc->Open(fixture.path)) state.SkipWithError("Open failed");
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fixture.bytes.size()));
}

void BM_SaveToBytes(benchmark::State& state) {
  const Fixture& fixture = Fixture::Get();
  for (auto _ : state) {
    std::string bytes = fixture.doc->SaveToBytes();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fixture.bytes.size()));
}

// With the backup rotation and the flush to disk of a real save.
void BM_SaveFile(benchmark::State& state) {
  Fixture& fixture = Fixture::Get();
  for (auto _ : state) {
    if (!fixture.doc->Save(fixture.path)) state.SkipWithError("Save failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fixture.bytes.size()));
}

BENCHMARK(BM_LoadFromBytes)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SaveToBytes)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Resident set size of this process, from /proc/self/status.
double ResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) * 1024.0;
  }
  return 0;
}

// Bytes handed out by malloc (small blocks and mapped large ones).
double HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

// Opens the file into a fresh document and reports what it costs in memory,
// against the limit of four times the file size plus 50 MB.
void ReportMemory() {
  const Fixture& fixture = Fixture::Get();
  malloc_trim(0);
  const double heapBefore = HeapInUse();
  const double rssBefore = ResidentBytes();
  auto doc = std::make_unique<CVeldorDoc>();
  if (!doc->Open(fixture.path)) {
    std::fprintf(stderr, "cannot open %s\n", fixture.path.c_str());
    return;
  }
  const double heap = HeapInUse() - heapBefore;
  const double rss = ResidentBytes() - rssBefore;
  const double fileSize = static_cast<double>(fixture.bytes.size());
  const double limit = 4 * fileSize + 50.0 * 1024 * 1024;
  std::printf("Maximal project: %d topics, %d subjects, %d global strings, %d windows\n",
              doc->topicCount(), doc->topicCount() * veldor::bench::kMaxProjectSubjectsPerTopic,
              doc->globals.count(), doc->windows.count());
  std::printf("File size:               %8.1f MB\n", Megabytes(fileSize));
  std::printf("Heap in use while open:  %8.1f MB (%.2f x file size)\n", Megabytes(heap),
              heap / fileSize);
  std::printf("RSS growth while open:   %8.1f MB (%.2f x file size)\n", Megabytes(rss),
              rss / fileSize);
  std::printf("Limit (4 x file + 50 MB): %7.1f MB -> %s\n\n", Megabytes(limit),
              heap <= limit && rss <= limit ? "within" : "EXCEEDED");
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ReportMemory();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
