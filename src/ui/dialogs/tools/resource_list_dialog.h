// The resource list dialog ("Liste des resources") and its printout.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPrinter;

namespace veldor {

class CVeldorDoc;

class ResourceListDialog : public QDialog {
  Q_OBJECT

 public:
  ResourceListDialog(const CVeldorDoc& doc, QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }
  QLabel* counter() const { return counter_; }
  void print();

 private:
  std::vector<std::string> lines_;
  QListWidget* list_;
  QLabel* counter_;
};

// The printer every printout of the program uses, and that the printer
// set-up changes.
QPrinter& ProgramPrinter();

// Prints the lines (Windows-1252) on `printer`: the job "Resource VEL", the
// heading "Resources VELDOR", Arial 40 device units high. Returns the
// number of pages, 0 when the printer could not start.
int PrintResourceList(QPrinter& printer, const std::vector<std::string>& lines);

}  // namespace veldor
