// The help compiler on the largest project: "Fait RTF" and "Fait HPJ" write
// its 18 MB of RTF and its help project once, then each iteration compiles
// them into a help file, as veldor-hc does. The peak resident memory of the
// process is reported beside the time.
//
//   hc_bench [--benchmark_...]
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "helpbuild/build_commands.h"
#include "helpbuild/error_list.h"
#include "max_project.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "winhelp/hlp_compiler.h"

namespace {

struct Fixture {
  std::string directory;
  std::string work;

  static Fixture& Get() {
    static Fixture fixture;
    return fixture;
  }

 private:
  Fixture() {
    char pattern[] = "/tmp/veldor-hc-bench-XXXXXX";
    directory = mkdtemp(pattern);
    work = veldor::JoinPath(directory, "work");
    veldor::MakeDirectory(work);
    veldor::MakeDirectory(veldor::JoinPath(directory, "program"));
    setenv("VELDOR_PROGRAM_DIR", veldor::JoinPath(directory, "program").c_str(), 1);
    setenv("VELDOR_INI", veldor::JoinPath(directory, "none.ini").c_str(), 1);
    veldor::CVeldorDoc doc;
    veldor::bench::FillMaxProject(doc);
    doc.rootDir = work;
    doc.SetPathName(veldor::JoinPath(directory, "MAXPROJ.ehe"));
    veldor::CErrorList errors;
    veldor::CommandBuildRtf(doc, errors);
    veldor::CommandBuildHelpProject(doc);
  }
  ~Fixture() {
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
  }
};

void BM_CompileMaxProject(benchmark::State& state) {
  const Fixture& fixture = Fixture::Get();
  veldor::winhelp::CompileResult result;
  for (auto _ : state) {
    veldor::winhelp::CompileRequest request;
    request.projectPath = veldor::JoinPath(fixture.work, "MAXPROJ.HPJ");
    request.outputPath = veldor::JoinPath(fixture.work, "MAXPROJ.HLP");
    result = veldor::winhelp::CompileHelpProject(request);
    if (!result.written) {
      state.SkipWithError("no help file written");
      break;
    }
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["topics"] = result.stats.topics;
  state.counters["hlp_MB"] = static_cast<double>(result.stats.bytes) / (1024.0 * 1024.0);
  state.counters["rtf_MB"] = static_cast<double>(std::filesystem::file_size(
                                 veldor::JoinPath(fixture.work, "MAXPROJ.RTF"))) /
                             (1024.0 * 1024.0);
  state.counters["peak_RSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

BENCHMARK(BM_CompileMaxProject)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
