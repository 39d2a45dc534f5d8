// The editor on the largest project, offscreen: opening it up to the first
// painted topic, switching topics, and scrolling the subject list.
//
//   QT_QPA_PLATFORM=offscreen editor_speed [--benchmark_...]
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <memory>
#include <string>

#include "max_project.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "ui/app/startup.h"
#include "ui/shell/main_window.h"
#include "ui/shell/project_window.h"
#include "ui/topics/subject_list.h"
#include "ui/topics/topic_editor_view.h"

namespace {

using veldor::ui::MainWindow;
using veldor::ui::ProjectWindow;

struct Fixture {
  std::string directory;
  std::string path;

  static Fixture& Get() {
    static Fixture fixture;
    return fixture;
  }

 private:
  Fixture() {
    veldor::CVeldorDoc doc;
    veldor::bench::FillMaxProject(doc);
    char pattern[] = "/tmp/veldor-editor-bench-XXXXXX";
    directory = mkdtemp(pattern);
    path = veldor::JoinPath(directory, "MAXPROJ.ehe");
    veldor::WriteFile(path, doc.SaveToBytes());
  }
};

// Paints the whole project window as the screen would.
void Paint(QWidget& widget) {
  QImage canvas(widget.size(), QImage::Format_RGB32);
  QPainter painter(&canvas);
  widget.render(&painter);
}

void BM_OpenToFirstPaintedTopic(benchmark::State& state) {
  const Fixture& fixture = Fixture::Get();
  for (auto _ : state) {
    auto window = std::make_unique<MainWindow>(veldor::ui::StartupState{});
    window->resize(1000, 720);
    window->show();
    ProjectWindow* project = window->OpenProject(QString::fromStdString(fixture.path));
    if (project == nullptr) {
      state.SkipWithError("open failed");
      break;
    }
    QCoreApplication::processEvents();
    Paint(*project);
    state.PauseTiming();
    project->document().SetModifiedFlag(false);
    window.reset();
    state.ResumeTiming();
  }
}

struct OpenEditor {
  std::unique_ptr<MainWindow> window;
  ProjectWindow* project = nullptr;
  OpenEditor() {
    window = std::make_unique<MainWindow>(veldor::ui::StartupState{});
    window->resize(1000, 720);
    window->show();
    project = window->OpenProject(QString::fromStdString(Fixture::Get().path));
    QCoreApplication::processEvents();
  }
};

void BM_SwitchTopic(benchmark::State& state) {
  OpenEditor editor;
  QComboBox& topics = editor.project->editor().topicSelector();
  int index = 0;
  for (auto _ : state) {
    index = (index + 97) % topics.count();
    topics.setCurrentIndex(index);
    QCoreApplication::processEvents();
    Paint(editor.project->editor());
  }
}

void BM_ScrollSubjectList(benchmark::State& state) {
  OpenEditor editor;
  veldor::ui::SubjectList& list = editor.project->editor().subjectList();
  QScrollBar* bar = list.verticalScrollBar();
  int step = 0;
  for (auto _ : state) {
    bar->setValue((step += 40) % (bar->maximum() + 1));
    QCoreApplication::processEvents();
    Paint(*list.viewport());
  }
}

BENCHMARK(BM_OpenToFirstPaintedTopic)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SwitchTopic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollSubjectList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
