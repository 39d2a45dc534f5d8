// The project tree of the largest project: every topic reached from the
// contents topic, each linking to four others.
//
//   tree_bench [--benchmark_...]
#include <benchmark/benchmark.h>

#include <memory>

#include "max_project.h"
#include "model/document.h"
#include "ui/tree/project_tree.h"
#include "ui/tree/topic_tree_builder.h"

namespace {

const veldor::CVeldorDoc& MaxProject() {
  static const std::unique_ptr<veldor::CVeldorDoc> doc = [] {
    auto d = std::make_unique<veldor::CVeldorDoc>();
    veldor::bench::FillMaxProject(*d);
    return d;
  }();
  return *doc;
}

void BM_BuildTopicTree(benchmark::State& state) {
  const veldor::CVeldorDoc& doc = MaxProject();
  int64_t elements = 0;
  for (auto _ : state) {
    veldor::ProjectTree tree;
    veldor::BuildTopicTree(doc, tree);
    elements = tree.RowCount();
    benchmark::DoNotOptimize(elements);
  }
  state.counters["elements"] = static_cast<double>(elements);
}
BENCHMARK(BM_BuildTopicTree)->Unit(benchmark::kMillisecond);

// One screen of rows laid out after scrolling to the middle of the tree.
void BM_LayoutVisibleRows(benchmark::State& state) {
  veldor::ProjectTree tree;
  veldor::BuildTopicTree(MaxProject(), tree);
  tree.SetClientSize(400, 400);
  tree.SetFirstRow(tree.RowCount() / 2);
  tree.SetHorizontalLevel(tree.Rows()[static_cast<size_t>(tree.FirstRow())]->Level() - 2);
  veldor::TreeTextMetrics metrics;
  metrics.width = [](const std::string& label) { return 7 * static_cast<int>(label.size()); };
  for (auto _ : state) benchmark::DoNotOptimize(tree.LayoutVisibleRows(metrics));
}
BENCHMARK(BM_LayoutVisibleRows)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
