// Offscreen window tests of the tools, resource list and image directory
// dialogs, and the resource printout to a PDF file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>

#include "model/document.h"
#include "platform/files.h"
#include "platform/recording_messages.h"
#include "platform/settings_store.h"
#include "support/temp_directory.h"
#include "ui/dialogs/rules/resource_list.h"
#include "ui/dialogs/tools/image_directory_dialog.h"
#include "ui/dialogs/tools/resource_list_dialog.h"
#include "ui/dialogs/tools/tools_dialog.h"

namespace veldor {
namespace {

int CountPdfPages(const std::string& pdf) {
  int pages = 0;
  for (size_t at = pdf.find("/Type /Page"); at != std::string::npos;
       at = pdf.find("/Type /Page", at + 1)) {
    if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
  }
  return pages;
}

TEST(ToolDialogsTest, ResourceListPrintsToAPdfFileOnSeveralPages) {
  TempDirectory dir;
  std::vector<std::string> lines;
  for (int i = 0; i < 120; ++i) lines.push_back("Absent:IMAGE" + std::to_string(i) + ".BMP");
  QPrinter printer(QPrinter::ScreenResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(dir / "resources.pdf"));
  const int pages = PrintResourceList(printer, lines);
  const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
  const int expected = LayOutPrintedLines(121, pageHeight).back().page + 1;
  EXPECT_GT(expected, 1);
  EXPECT_EQ(pages, expected);
  EXPECT_EQ(printer.docName(), "Resource VEL");
  std::string pdf;
  ASSERT_TRUE(ReadFile(dir / "resources.pdf", pdf));
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  EXPECT_EQ(CountPdfPages(pdf), expected);
}

TEST(ToolDialogsTest, ResourceListCounterFollowsTheSelection) {
  CVeldorDoc doc;
  ResourceListDialog dialog(doc);
  ASSERT_EQ(dialog.list()->count(), 2);
  EXPECT_EQ(dialog.counter()->text(), "Ligne 1 / 2");
  dialog.list()->setCurrentRow(1);
  EXPECT_EQ(dialog.counter()->text(), "Ligne 2 / 2");
}

TEST(ToolDialogsTest, ToolsDialogValiderStoresTheCopy) {
  TempDirectory dir;
  SettingsStore store(dir / "VELDOR.INI");
  CAppSettings settings;
  settings.tools = CAppSettings::BuiltInTools();
  ToolsDialog dialog(settings, store);
  EXPECT_EQ(dialog.list()->count(), 2);
  dialog.list()->setCurrentRow(0);
  dialog.removeTool();
  EXPECT_EQ(dialog.list()->count(), 2);
  dialog.accept();
  EXPECT_EQ(store.GetString("Outils", "outil1"), "Editeur HotSpot");
}

TEST(ToolDialogsTest, ImageDirectoryDialogOffersTheNewestHistory) {
  TempDirectory dir;
  SettingsStore store(dir / "VELDOR.INI");
  CAppSettings::AddToHistory(store, "TransOldRep", "A:\\OLD");
  CAppSettings::AddToHistory(store, "TransOldRep", "B:\\OLD");
  CVeldorDoc doc;
  ImageDirectoryDialog dialog(doc, store);
  EXPECT_EQ(dialog.oldField()->currentText(), "B:\\OLD");
  EXPECT_EQ(dialog.newField()->currentText(), "");
  dialog.newField()->setEditText("C:\\NEW");
  dialog.accept();
  EXPECT_EQ(CAppSettings::LoadHistory(store, "TransNewRep"), (std::vector<std::string>{"C:\\NEW"}));
}

}  // namespace
}  // namespace veldor
