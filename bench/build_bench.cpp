// "Fait RTF" plus "Fait HPJ" on a project at every capacity of the model
// (4096 topics of 16 subjects, 512 global strings that occur often), and
// the substitution of global strings alone, with the automaton of the
// build and with the plain procedure that searches every global string
// again after each link.
//
//   build_bench [--benchmark_...]
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "../tests/helpbuild/literal_substitute_globals.h"
#include "helpbuild/build_commands.h"
#include "helpbuild/error_list.h"
#include "helpbuild/global_links.h"
#include "helpbuild/rtf_escape.h"
#include "max_project.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

using veldor::CVeldorDoc;

// A work directory, a program directory and the escaped texts in which a
// build substitutes global strings.
struct Fixture {
  std::string directory;
  std::vector<std::string> escapedTexts;
  size_t textBytes = 0;

  static Fixture& Get() {
    static Fixture fixture;
    return fixture;
  }

  std::unique_ptr<CVeldorDoc> NewProject() const {
    auto doc = std::make_unique<CVeldorDoc>();
    veldor::bench::FillMaxProject(*doc);
    doc->rootDir = veldor::JoinPath(directory, "work");
    doc->SetPathName(veldor::JoinPath(directory, "MAXPROJ.ehe"));
    return doc;
  }

 private:
  Fixture() {
    char pattern[] = "/tmp/veldor-build-bench-XXXXXX";
    directory = mkdtemp(pattern);
    veldor::MakeDirectory(veldor::JoinPath(directory, "work"));
    veldor::MakeDirectory(veldor::JoinPath(directory, "program"));
    setenv("VELDOR_PROGRAM_DIR", veldor::JoinPath(directory, "program").c_str(), 1);
    setenv("VELDOR_INI", veldor::JoinPath(directory, "none.ini").c_str(), 1);
    const auto doc = NewProject();
    for (int t = 0; t < doc->topicCount(); ++t) {
      const veldor::CTopic& topic = *doc->GetTopic(t);
      for (int s = 0; s < topic.subjectCount(); ++s) {
        const veldor::CTypeEdit& subject = *topic.GetSubject(s);
        if (subject.typeCode == veldor::kTypeTexte || subject.typeCode == veldor::kTypeIndent) {
          escapedTexts.push_back(veldor::RtfEscape(subject.GetText()));
          textBytes += escapedTexts.back().size();
        }
      }
    }
  }
  ~Fixture() {
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
  }
};

void BM_FaitRtfAndFaitHpj(benchmark::State& state) {
  const Fixture& fixture = Fixture::Get();
  size_t rtfBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = fixture.NewProject();  // unsorted, as a project is opened
    veldor::CErrorList errors;
    state.ResumeTiming();
    if (!veldor::CommandBuildRtf(*doc, errors) || !veldor::CommandBuildHelpProject(*doc)) {
      state.SkipWithError("the build failed");
      break;
    }
    state.PauseTiming();
    rtfBytes = static_cast<size_t>(std::filesystem::file_size(
        veldor::JoinPath(veldor::JoinPath(fixture.directory, "work"), "MAXPROJ.RTF")));
    doc.reset();
    state.ResumeTiming();
  }
  state.counters["rtf_MB"] = static_cast<double>(rtfBytes) / (1024.0 * 1024.0);
}

void BM_SubstituteGlobals(benchmark::State& state) {
  const Fixture& fixture = Fixture::Get();
  const auto doc = fixture.NewProject();
  size_t outBytes = 0;
  for (auto _ : state) {
    const veldor::GlobalLinker linker(doc->globals, doc->help32 != 0);
    std::string out;
    for (const std::string& text : fixture.escapedTexts) {
      out.clear();
      linker.Substitute(text, out);
      outBytes += out.size();
    }
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(fixture.textBytes));
  state.counters["texts"] = static_cast<double>(fixture.escapedTexts.size());
  state.counters["growth"] =
      static_cast<double>(outBytes) / static_cast<double>(state.iterations() * fixture.textBytes);
}

void BM_SubstituteGlobalsPlainProcedure(benchmark::State& state) {
  const Fixture& fixture = Fixture::Get();
  const auto doc = fixture.NewProject();
  for (auto _ : state) {
    for (const std::string& text : fixture.escapedTexts) {
      benchmark::DoNotOptimize(veldor::reference::LiteralSubstituteGlobals(text, *doc, false));
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(fixture.textBytes));
}

BENCHMARK(BM_FaitRtfAndFaitHpj)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SubstituteGlobals)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SubstituteGlobalsPlainProcedure)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
