// veldor-view: the help viewer. See command_line.h for its arguments.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "viewer/command_line.h"
#include "viewer/viewer_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  veldor::viewer::ViewerOptions options;
  std::string error;
  if (!veldor::viewer::ParseViewerArguments(args, options, error)) {
    std::fprintf(stderr, "%s\n%s\n", error.c_str(), veldor::viewer::kViewerUsage);
    return 2;
  }
  veldor::viewer::ViewerWindow window;
  window.show();
  if (options.file.empty()) return app.exec();
  if (!window.OpenFile(QString::fromStdString(options.file))) return 1;
  auto& session = window.session();
  int topic = session.ContentsTopic();
  if (!options.context.empty()) topic = session.TopicOfContext(options.context);
  if (options.number) topic = session.TopicOfNumber(*options.number);
  if (!options.keyword.empty()) {
    const auto topics = session.TopicsOfKeyword(session.FirstKeyword(options.keyword));
    topic = topics.empty() ? -1 : topics.front();
  }
  if (topic < 0) {
    window.Error("La rubrique demandée n'existe pas dans ce fichier d'aide.");
    topic = session.ContentsTopic();
  }
  const int windowIndex =
      options.window.empty() ? -1 : veldor::hlp::WindowIndex(*session.document(), options.window);
  if (windowIndex >= 0) {
    window.ShowInWindow(topic, windowIndex);
  } else {
    window.ShowTopic(topic);
  }
  return app.exec();
}
