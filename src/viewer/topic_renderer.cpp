#include "viewer/topic_renderer.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

#include "hlpfile/help_file.h"

namespace veldor::viewer {

namespace {

QColor Colour(uint32_t bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QTextCharFormat CharFormat(const hlp::HelpDocument& document, const hlp::HelpTopic& topic,
                           const hlp::HelpRun& run) {
  QTextCharFormat format;
  if (run.font >= 0 && run.font < static_cast<int>(document.fonts.size())) {
    const hlp::HelpFont& font = document.fonts[run.font];
    format.setFontFamilies({QString::fromStdString(font.face)});
    format.setFontPointSize(std::max(1, font.halfPoints) / 2.0);
    format.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.italic);
    format.setFontUnderline(font.underline || font.doubleUnderline);
    format.setFontStrikeOut(font.strikeOut);
    if (font.smallCaps) format.setFontCapitalization(QFont::SmallCaps);
    format.setForeground(Colour(font.colour));
  }
  if (run.link >= 0 && run.link < static_cast<int>(topic.links.size())) {
    const hlp::HelpLink& link = topic.links[run.link];
    format.setAnchor(true);
    format.setAnchorHref(QStringLiteral("link:%1").arg(run.link));
    if (!link.plain) {
      format.setForeground(QColor(0, 128, 0));
      format.setFontUnderline(true);
      format.setUnderlineStyle(link.kind == hlp::LinkKind::Popup
                                   ? QTextCharFormat::DotLine
                                   : QTextCharFormat::SingleUnderline);
    }
  }
  return format;
}

QTextBlockFormat BlockFormat(const hlp::HelpParagraph& p) {
  QTextBlockFormat format;
  format.setAlignment(p.align == hlp::ParagraphAlign::Center  ? Qt::AlignHCenter
                      : p.align == hlp::ParagraphAlign::Right ? Qt::AlignRight
                                                              : Qt::AlignLeft);
  format.setLeftMargin(HalfPointsToPixels(p.leftIndent));
  format.setRightMargin(HalfPointsToPixels(p.rightIndent));
  format.setTextIndent(HalfPointsToPixels(p.firstIndent));
  format.setTopMargin(HalfPointsToPixels(p.spaceBefore));
  format.setBottomMargin(HalfPointsToPixels(p.spaceAfter));
  if (p.lineSpacing > 0) {
    format.setLineHeight(HalfPointsToPixels(p.lineSpacing), QTextBlockFormat::MinimumHeight);
  }
  if (p.keepTogether) format.setNonBreakableLines(true);
  QList<QTextOption::Tab> tabs;
  for (const auto& tab : p.tabs) {
    tabs.append(
        QTextOption::Tab(HalfPointsToPixels(tab.position), tab.type == 1   ? QTextOption::RightTab
                                                           : tab.type == 2 ? QTextOption::CenterTab
                                                                           : QTextOption::LeftTab));
  }
  format.setTabPositions(tabs);
  return format;
}

class Writer {
 public:
  Writer(const hlp::HelpDocument& document, const hlp::HelpTopic& topic, QTextDocument& target)
      : document_(document), topic_(topic), target_(target), cursor_(&target) {}

  void Paragraph(const hlp::HelpParagraph& p) {
    const bool bordered = p.box || p.borderTop || p.borderBottom || p.borderLeft || p.borderRight;
    if (p.tableRow >= 0) {
      Cell(p);
      return;
    }
    table_ = nullptr;
    if (bordered) {
      QTextFrameFormat frame;
      frame.setBorder(p.borderThick ? 2 : 1);
      frame.setBorderStyle(p.borderDouble ? QTextFrameFormat::BorderStyle_Double
                                          : QTextFrameFormat::BorderStyle_Solid);
      frame.setPadding(2);
      frame.setLeftMargin(HalfPointsToPixels(p.leftIndent));
      NewBlock(BlockFormat(p));
      cursor_.insertFrame(frame);
      cursor_.setBlockFormat(BlockFormat(p));
      Runs(p);
      cursor_.movePosition(QTextCursor::End);
      first_ = false;
      return;
    }
    NewBlock(BlockFormat(p));
    Runs(p);
  }

 private:
  void NewBlock(const QTextBlockFormat& format) {
    if (first_) {
      cursor_.setBlockFormat(format);
      first_ = false;
    } else {
      cursor_.movePosition(QTextCursor::End);
      cursor_.insertBlock(format);
    }
  }

  void Cell(const hlp::HelpParagraph& p) {
    if (!table_ || tableRow_ != p.tableRow) {
      int columns = 1;
      for (const auto& other : topic_.paragraphs) {
        if (other.tableRow == p.tableRow) columns = std::max(columns, other.tableColumn + 1);
      }
      NewBlock(QTextBlockFormat());
      QTextTableFormat format;
      format.setBorder(0);
      format.setCellPadding(2);
      table_ = cursor_.insertTable(1, columns, format);
      tableRow_ = p.tableRow;
      lastColumn_ = -1;
    }
    QTextCursor cell = table_->cellAt(0, std::max(0, p.tableColumn)).lastCursorPosition();
    if (lastColumn_ == p.tableColumn) {
      cell.insertBlock(BlockFormat(p));
    } else {
      cell.setBlockFormat(BlockFormat(p));
    }
    lastColumn_ = p.tableColumn;
    std::swap(cursor_, cell);
    Runs(p);
    std::swap(cursor_, cell);
    cursor_.movePosition(QTextCursor::End);
  }

  void Runs(const hlp::HelpParagraph& p) {
    for (const hlp::HelpRun& run : p.runs) {
      const QTextCharFormat format = CharFormat(document_, topic_, run);
      switch (run.kind) {
        case hlp::HelpRun::Kind::Text:
          cursor_.insertText(QString::fromStdString(run.text), format);
          break;
        case hlp::HelpRun::Kind::LineBreak:
          cursor_.insertText(QString(QChar::LineSeparator), format);
          break;
        case hlp::HelpRun::Kind::Tab:
          cursor_.insertText(QStringLiteral("\t"), format);
          break;
        case hlp::HelpRun::Kind::Picture:
          Picture(run, format);
          break;
      }
    }
  }

  void Picture(const hlp::HelpRun& run, const QTextCharFormat& around) {
    hlp::HelpPicture picture;
    std::string error;
    const QString name = run.embedded >= 0 ? QStringLiteral("em:%1").arg(run.embedded)
                                           : QStringLiteral("bm:%1").arg(run.picture);
    if (!hlp::LoadRunPicture(document_, run, picture, error) || picture.pixels.empty()) {
      cursor_.insertText(QStringLiteral("[image]"), around);
      return;
    }
    QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                 picture.height, picture.width * 4, QImage::Format_ARGB32);
    target_.addResource(QTextDocument::ImageResource, QUrl(name), image.copy());
    QTextImageFormat format;
    format.merge(around);
    format.setName(name);
    format.setWidth(picture.width);
    format.setHeight(picture.height);
    if (!picture.hotspots.empty() && !format.isAnchor()) {
      format.setAnchor(true);
      format.setAnchorHref(run.embedded >= 0 ? QStringLiteral("hotem:%1:0").arg(run.embedded)
                                             : QStringLiteral("hot:%1:0").arg(run.picture));
    }
    const QTextFrameFormat::Position position =
        run.align == hlp::PictureAlign::Left    ? QTextFrameFormat::FloatLeft
        : run.align == hlp::PictureAlign::Right ? QTextFrameFormat::FloatRight
                                                : QTextFrameFormat::InFlow;
    cursor_.insertImage(format, position);
  }

  const hlp::HelpDocument& document_;
  const hlp::HelpTopic& topic_;
  QTextDocument& target_;
  QTextCursor cursor_;
  QTextTable* table_ = nullptr;
  int tableRow_ = -1;
  int lastColumn_ = -1;
  bool first_ = true;
};

}  // namespace

int HalfPointsToPixels(int halfPoints) {
  return halfPoints * 2 / 3;
}

void RenderTopic(const hlp::HelpDocument& document, int topic, QTextDocument& nonScrolling,
                 QTextDocument& scrolling) {
  nonScrolling.clear();
  scrolling.clear();
  if (topic < 0 || topic >= static_cast<int>(document.topics.size())) return;
  const hlp::HelpTopic& t = document.topics[topic];
  Writer top(document, t, nonScrolling);
  Writer main(document, t, scrolling);
  for (const hlp::HelpParagraph& p : t.paragraphs) (p.nonScrolling ? top : main).Paragraph(p);
}

}  // namespace veldor::viewer
