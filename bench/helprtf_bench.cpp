// Reading the RTF topic file of a project at every capacity of the model
// (about 18 MB, the file the help compiler reads for it) with the WinHelp
// RTF reader.
//
//   helprtf_bench [--benchmark_...]
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "helpbuild/build_commands.h"
#include "helpbuild/error_list.h"
#include "helprtf/help_rtf_reader.h"
#include "max_project.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

// The RTF file of the maximal project, built once.
struct Fixture {
  std::string rtf;

  static Fixture& Get() {
    static Fixture fixture;
    return fixture;
  }

 private:
  Fixture() {
    char pattern[] = "/tmp/veldor-helprtf-bench-XXXXXX";
    const std::string directory = mkdtemp(pattern);
    const std::string work = veldor::JoinPath(directory, "work");
    veldor::MakeDirectory(work);
    veldor::MakeDirectory(veldor::JoinPath(directory, "program"));
    setenv("VELDOR_PROGRAM_DIR", veldor::JoinPath(directory, "program").c_str(), 1);
    setenv("VELDOR_INI", veldor::JoinPath(directory, "none.ini").c_str(), 1);
    veldor::CVeldorDoc doc;
    veldor::bench::FillMaxProject(doc);
    doc.rootDir = work;
    doc.SetPathName(veldor::JoinPath(directory, "MAXPROJ.ehe"));
    veldor::CErrorList errors;
    if (veldor::CommandBuildRtf(doc, errors)) {
      veldor::ReadFile(veldor::JoinPath(work, "MAXPROJ.RTF"), rtf);
    }
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
  }
};

void BM_ReadMaxProjectRtf(benchmark::State& state) {
  const Fixture& fixture = Fixture::Get();
  if (fixture.rtf.empty()) {
    state.SkipWithError("the RTF build failed");
    return;
  }
  size_t topics = 0;
  for (auto _ : state) {
    const veldor::helprtf::HelpDocument doc = veldor::helprtf::ReadHelpRtf(fixture.rtf);
    topics = doc.topics.size();
    benchmark::DoNotOptimize(doc);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(fixture.rtf.size()));
  state.counters["rtf_MB"] = static_cast<double>(fixture.rtf.size()) / (1024.0 * 1024.0);
  state.counters["topics"] = static_cast<double>(topics);
}

BENCHMARK(BM_ReadMaxProjectRtf)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
