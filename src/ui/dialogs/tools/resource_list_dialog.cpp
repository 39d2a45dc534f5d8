#include "ui/dialogs/tools/resource_list_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/qt_text.h"
#include "ui/dialogs/rules/resource_list.h"

namespace veldor {

ResourceListDialog::ResourceListDialog(const CVeldorDoc& doc, QWidget* parent)
    : QDialog(parent), lines_(BuildResourceList(doc)) {
  setWindowTitle(QStringLiteral("Liste des resources"));
  list_ = Named(new QListWidget(this), QStringLiteral("Liste des resources"));
  FillList(list_, lines_);
  counter_ = new QLabel(this);
  counter_->setAccessibleName(QStringLiteral("Resource(s)"));
  auto* quit = MakeButton(QStringLiteral("Quitter"), this);
  auto* print = MakeButton(QStringLiteral("Imprimer"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(new QLabel(QStringLiteral("Resource(s)"), this));
  buttons->addWidget(counter_);
  buttons->addStretch();
  buttons->addWidget(print);
  buttons->addWidget(quit);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    counter_->setText(QString::fromStdString(ResourceLineLabel(row, list_->count())));
  });
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
  connect(print, &QPushButton::clicked, this, &ResourceListDialog::print);
  list_->setCurrentRow(0);
}

QPrinter& ProgramPrinter() {
  static QPrinter printer;
  return printer;
}

void ResourceListDialog::print() {
  QPrinter& printer = ProgramPrinter();
  QPrintDialog dialog(&printer, this);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() == QDialog::Accepted) PrintResourceList(printer, lines_);
}

int PrintResourceList(QPrinter& printer, const std::vector<std::string>& lines) {
  printer.setDocName(QString::fromLatin1(kResourcePrintJob));
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(kResourcePrintFontHeight);
  painter.setFont(font);
  const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
  std::vector<QString> texts = {QString::fromLatin1(kResourcePrintHeading)};
  for (const std::string& line : lines) texts.push_back(FromModel(line));
  const std::vector<PrintedLine> layout =
      LayOutPrintedLines(static_cast<int>(texts.size()), pageHeight);
  int page = 0;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (layout[i].page != page) {
      printer.newPage();
      page = layout[i].page;
    }
    painter.drawText(QRect(kResourcePrintX, layout[i].y, 100000, kResourcePrintFontHeight + 5),
                     Qt::AlignLeft | Qt::AlignTop, texts[i]);
  }
  painter.end();
  return page + 1;
}

}  // namespace veldor
