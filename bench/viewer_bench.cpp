// The viewer on a help file of 4096 topics: opening it and showing its
// contents topic, following a jump, filling the keyword index. Runs on
// Qt's offscreen platform.
//
//   viewer_bench [--benchmark_...]
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "large_help_file.h"
#include "platform/files.h"
#include "viewer/index_dialog.h"
#include "viewer/viewer_window.h"

namespace {

std::string LargeFilePath() {
  static const std::string path = [] {
    const std::string p = (std::filesystem::temp_directory_path() /
                           ("veldor-bench-" + std::to_string(getpid()) + ".hlp"))
                              .string();
    veldor::WriteFile(p, veldor::bench::LargeHelpFile());
    return p;
  }();
  return path;
}

void BM_OpenAndShowContents(benchmark::State& state) {
  const QString path = QString::fromStdString(LargeFilePath());
  for (auto _ : state) {
    veldor::viewer::ViewerWindow window;
    window.messageSink = [&](const QString& m) { state.SkipWithError(m.toStdString().c_str()); };
    if (!window.OpenFile(path)) break;
    window.ShowTopic(window.session().ContentsTopic());
  }
}
BENCHMARK(BM_OpenAndShowContents)->Unit(benchmark::kMillisecond);

void BM_FollowJump(benchmark::State& state) {
  veldor::viewer::ViewerWindow window;
  window.OpenFile(QString::fromStdString(LargeFilePath()));
  window.ShowTopic(window.session().ContentsTopic());
  for (auto _ : state) {
    window.ActivateLink(QStringLiteral("link:0"), window.session().current());
  }
  if (window.session().current() <= 0) state.SkipWithError("the jump was not followed");
}
BENCHMARK(BM_FollowJump)->Unit(benchmark::kMillisecond);

void BM_FillKeywordIndex(benchmark::State& state) {
  veldor::viewer::ViewerWindow window;
  window.OpenFile(QString::fromStdString(LargeFilePath()));
  for (auto _ : state) {
    veldor::viewer::IndexDialog dialog(window.session(), &window);
    benchmark::DoNotOptimize(&dialog);
  }
  state.counters["keywords"] = static_cast<double>(window.session().document()->keywords.size());
}
BENCHMARK(BM_FillKeywordIndex)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(LargeFilePath());
  return 0;
}
