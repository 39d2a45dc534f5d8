// veldor: the help-project editor.
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/messages.h"
#include "ui/app/message_boxes.h"
#include "ui/app/startup.h"
#include "ui/shell/editor_wiring.h"
#include "ui/shell/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Veldor");
  // Qt's own texts (Oui/Non/Annuler, file dialogs) in French.
  QTranslator qtFrench;
  if (qtFrench.load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      qtFrench.load("/usr/share/qt6/translations/qtbase_fr.qm")) {
    QApplication::installTranslator(&qtFrench);
  }
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

  veldor::ui::MessageBoxes messages;
  veldor::SetMessages(&messages);

  veldor::ui::WireEditorHooks();
  veldor::ui::MainWindow window(veldor::ui::StartEditor());
  window.show();
  // A file named on the command line is opened; anything else is ignored.
  const QStringList args = QApplication::arguments();
  if (args.size() > 1 && QFileInfo(args[1]).isFile()) window.OpenProject(args[1]);
  const int status = app.exec();
  veldor::SetMessages(nullptr);
  return status;
}
