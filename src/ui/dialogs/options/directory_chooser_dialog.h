// The directory chooser ("Selection du chemin") and its "Créer un
// répertoire" question.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "ui/dialogs/rules/directory_browser.h"

class QLabel;
class QListWidget;

namespace veldor {

class DirectoryChooserDialog : public QDialog {
  Q_OBJECT

 public:
  DirectoryChooserDialog(const std::string& start, QWidget* parent = nullptr);

  const std::string& current() const { return browser_.current(); }
  QListWidget* list() const { return list_; }
  void openEntry(const QString& entry);
  void createDirectory();

 private:
  void refresh();

  DirectoryBrowser browser_;
  QListWidget* list_;
  QLabel* path_;
};

// The chosen directory (UTF-8), or none.
std::optional<std::string> ChooseDirectory(QWidget* parent, const std::string& start);

}  // namespace veldor
