// Open and save of a project at every capacity of the model, and the memory
// the open project takes.
//
//   model_bench [--benchmark_...]
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "max_project.h"
#include "model/document.h"
#include "model/project_json.h"
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

// Runs veldor-cli (beside this program) with `args` under GNU time and
// returns the peak resident memory of that process, in bytes; `status` gets
// its exit status. (A child started directly by this large process would be
// charged this process's memory as its own peak.)
double PeakMemoryOfCli(const std::vector<std::string>& args, const std::string& scratch,
                       int& status) {
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return 0;
  self[length] = '\0';
  const std::string cli = veldor::JoinPath(veldor::DirectoryPart(self), "veldor-cli");
  const std::string report = veldor::JoinPath(scratch, "peak.txt");
  std::vector<std::string> words{"/usr/bin/time", "-f", "%M", "-o", report, cli};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return 0;
  int wait = 0;
  waitpid(pid, &wait, 0);
  status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  std::string kilobytes;
  veldor::ReadFile(report, kilobytes);
  veldor::DeleteFile(report);
  // "Command exited with non-zero status 1" may come first; the figure ends it.
  const auto last = kilobytes.find_last_of("\n", kilobytes.size() >= 2 ? kilobytes.size() - 2 : 0);
  return std::atof(kilobytes.c_str() + (last == std::string::npos ? 0 : last + 1)) * 1024.0;
}

// Every input is held in at most four times its size plus 50 MB, whatever
// its shape: veldor-cli opens (info) or loads (load) files of the largest
// project and files made to take as much memory as possible for their size
// (millions of empty strings, a million default subjects), and the peak
// memory of the whole process is compared with the limit.
void ReportInputShapes() {
  const Fixture& fixture = Fixture::Get();
  ::setenv("VELDOR_INI", veldor::JoinPath(fixture.directory, "none.ini").c_str(), 1);
  struct Shape {
    const char* what;
    std::string file;
    std::vector<std::string> args;
  };
  std::vector<Shape> shapes;
  shapes.push_back({"largest project (.ehe)", fixture.path, {"info", fixture.path}});

  const std::string json = veldor::JoinPath(fixture.directory, "max.json");
  const std::string out = veldor::JoinPath(fixture.directory, "out.ehe");
  veldor::WriteFile(json, veldor::ProjectToJsonText(*fixture.doc));
  shapes.push_back({"largest project (JSON)", json, {"load", json, out}});

  // 40 MB of empty strings in one list of the file: the list of one string
  // "MARKER" is turned into one of 40 million empty ones.
  constexpr uint32_t kEmpties = 40'000'000;
  veldor::CVeldorDoc marked;
  marked.reservedList1 = {"MARKER"};
  std::string bytes = marked.SaveToBytes();
  const std::string list("\x01\x00\x06MARKER", 9);
  const uint8_t count[6] = {
      0xFF, 0xFF, kEmpties & 0xFF, (kEmpties >> 8) & 0xFF, (kEmpties >> 16) & 0xFF, kEmpties >> 24};
  bytes.replace(bytes.find(list), list.size(),
                std::string(reinterpret_cast<const char*>(count), 6) + std::string(kEmpties, '\0'));
  const std::string empties = veldor::JoinPath(fixture.directory, "empties.ehe");
  veldor::WriteFile(empties, bytes);
  bytes.clear();
  bytes.shrink_to_fit();
  shapes.push_back({"40 M empty strings (.ehe)", empties, {"info", empties}});

  std::string text = "{\"reservedList1\": [\"\"";
  text.reserve(3u * 13'000'000 + 32);
  for (int i = 1; i < 13'000'000; ++i) text += ",\"\"";
  text += "]}\n";
  const std::string emptiesJson = veldor::JoinPath(fixture.directory, "empties.json");
  veldor::WriteFile(emptiesJson, text);
  shapes.push_back({"13 M empty strings (JSON)", emptiesJson, {"load", emptiesJson, out}});

  text = "{\"topics\": [";
  for (int t = 0; t < veldor::CVeldorDoc::kMaxTopics; ++t) {
    text += t == 0 ? "{\"subjects\": [" : ", {\"subjects\": [";
    for (int s = 0; s < veldor::CTopic::kMaxSubjects; ++s)
      text += s == 0 ? "{\"typeCode\": 3}" : ",{\"typeCode\": 3}";
    text += "]}";
  }
  text += "]}\n";
  const std::string subjects = veldor::JoinPath(fixture.directory, "subjects.json");
  veldor::WriteFile(subjects, text);
  text.clear();
  text.shrink_to_fit();
  shapes.push_back({"1 M default subjects (JSON)", subjects, {"load", subjects, out}});

  std::printf("%-28s %9s %10s %10s  %s\n", "Input", "File", "Peak RSS", "Limit", "Result");
  for (const Shape& shape : shapes) {
    struct stat info {};
    stat(shape.file.c_str(), &info);
    const double size = static_cast<double>(info.st_size);
    int status = -1;
    const double peak = PeakMemoryOfCli(shape.args, fixture.directory, status);
    const double limit = 4 * size + 50.0 * 1024 * 1024;
    std::printf("%-28s %6.1f MB %7.1f MB %7.1f MB  %s, %s\n", shape.what, Megabytes(size),
                Megabytes(peak), Megabytes(limit), status == 0 ? "read" : "refused",
                peak <= limit ? "within" : "EXCEEDED");
    std::fflush(stdout);
    if (shape.file != fixture.path) veldor::DeleteFile(shape.file);
  }
  veldor::DeleteFile(out);
  veldor::DeleteFile(veldor::ReplaceExtension(out, "ehb"));
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ReportMemory();
  ReportInputShapes();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
