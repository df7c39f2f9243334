#include "ui/tape_printer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cmath>

#include "engine/clipboard_text.h"
#include "engine/number_format.h"
#include "ui/ui_fonts.h"

namespace varuno {

namespace {

// The tape's font at its size on screen (9 pt at 96 dpi).
constexpr qreal kPrintPointSize = 9.0;
constexpr char kHeadingName[] = "바루노 계산기";
constexpr char kPrintFailedTitle[] = "계산 기록 인쇄";
constexpr char kPrintFailedText[] = "계산 기록을 인쇄하지 못했습니다.";

}  // namespace

QStringList TapePrintLines(std::string_view tapeText) {
  QStringList lines;
  for (const std::string_view line : PlainTapeLines(tapeText)) {
    lines.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  }
  return lines;
}

namespace {

// Draws `text` in the row at `y`, starting at `left`. Blanks are left as
// gaps, not drawn: a font may give the blank the glyph it shares with the
// control characters (the system's NanumGothicCoding does), and a PDF's text
// would then read back those characters where the blanks were. Readers turn
// the gaps back into blanks.
void DrawWithGaps(QPainter& painter, const QFontMetricsF& metrics, qreal left, qreal y, qreal height,
                  const QString& text) {
  qsizetype start = 0;
  while (start < text.size()) {
    if (text[start] == QLatin1Char(' ')) {
      ++start;
      continue;
    }
    qsizetype end = text.indexOf(QLatin1Char(' '), start);
    if (end < 0) {
      end = text.size();
    }
    const QString run = text.mid(start, end - start);
    const qreal x = left + metrics.horizontalAdvance(text.left(start));
    painter.drawText(QRectF(x, y, metrics.horizontalAdvance(run), height), Qt::AlignLeft | Qt::AlignVCenter, run);
    start = end;
  }
}

// Paints the tape onto the pages of `device`; returns the number of pages, 0
// when the device could not be opened.
int PaintTape(QPagedPaintDevice& device, std::string_view tapeText, const QDateTime& printedAt, const QFont& font) {
  const QStringList lines = TapePrintLines(tapeText);
  QPainter painter;
  if (!painter.begin(&device)) {
    return 0;
  }
  painter.setFont(font);
  const QFontMetricsF metrics(font, &device);
  const qreal lineHeight = metrics.lineSpacing();
  const QRectF page(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());

  // One column as wide as the tape, or as its widest line.
  qreal column = metrics.horizontalAdvance(QString(kTapeWidth, QLatin1Char('0')));
  for (const QString& line : lines) {
    column = std::max(column, metrics.horizontalAdvance(line));
  }
  column = std::min(column, page.width());
  // Right-aligned in the column.
  const auto drawRight = [&](qreal y, const QString& text) {
    DrawWithGaps(painter, metrics, column - metrics.horizontalAdvance(text), y, lineHeight, text);
  };

  // Heading and a blank line above the tape, a blank line and the page
  // number below it.
  const qreal body = page.height() - 4 * lineHeight;
  const int perPage = std::max(1, static_cast<int>(std::floor(body / lineHeight)));
  const int pages = std::max<int>(1, static_cast<int>((lines.size() + perPage - 1) / perPage));
  const QString heading = QString::fromUtf8(kHeadingName) + QStringLiteral("  ") +
                          printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));

  for (int p = 0; p < pages; ++p) {
    if (p > 0) {
      device.newPage();
    }
    DrawWithGaps(painter, metrics, 0, 0, lineHeight, heading);
    const qsizetype first = static_cast<qsizetype>(p) * perPage;
    const qsizetype end = std::min<qsizetype>(lines.size(), first + perPage);
    for (qsizetype i = first; i < end; ++i) {
      drawRight((2 + static_cast<qreal>(i - first)) * lineHeight, lines[i]);
    }
    if (pages > 1) {
      drawRight(page.height() - lineHeight, QStringLiteral("%1 / %2").arg(p + 1).arg(pages));
    }
  }
  painter.end();
  return pages;
}

// Paints the tape as a PDF into `out`, on the printer's pages.
int PaintTapeAsPdf(const QPrinter& printer, QIODevice& out, std::string_view tapeText, const QDateTime& printedAt,
                   const QFont& font) {
  QPdfWriter writer(&out);
  writer.setPageLayout(printer.pageLayout());
  writer.setResolution(printer.resolution());
  writer.setPdfVersion(printer.pdfVersion());
  writer.setTitle(printer.docName());
  writer.setCreator(printer.creator());
  return PaintTape(writer, tapeText, printedAt, font);
}

// Prints to the printer's output file. A file is written beside it and
// moved into place only once it is whole, so a print that fails (a full
// disk) leaves no partial file and an earlier file of that name intact. A
// device or a pipe is written straight, and a failed write is a failed print.
int PrintTapeToFile(const QPrinter& printer, std::string_view tapeText, const QDateTime& printedAt,
                    const QFont& font) {
  const QString target = printer.outputFileName();
  const QFileInfo info(target);
  if (info.exists() && !info.isFile()) {
    QFile device(target);
    if (!device.open(QIODevice::WriteOnly)) {
      return 0;
    }
    const int pages = PaintTapeAsPdf(printer, device, tapeText, printedAt, font);
    return device.flush() && device.error() == QFileDevice::NoError ? pages : 0;
  }
  QSaveFile file(target);
  if (!file.open(QIODevice::WriteOnly)) {
    return 0;
  }
  const int pages = PaintTapeAsPdf(printer, file, tapeText, printedAt, font);
  // The file is put in place only when every write succeeded. QSaveFile
  // remembers a failed write, but not a failure of the last one, made when
  // it writes out its buffer on closing: the buffer is written out here.
  if (pages == 0 || !file.flush()) {
    file.cancelWriting();
  }
  return file.commit() ? pages : 0;
}

}  // namespace

QFont TapePrintFont() {
  QFont font = TemplateFont();
  font.setPointSizeF(kPrintPointSize);
  return font;
}

int PrintTapeOn(QPrinter& printer, std::string_view tapeText, const QDateTime& printedAt, const QFont& font) {
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    return PrintTapeToFile(printer, tapeText, printedAt, font);
  }
  return PaintTape(printer, tapeText, printedAt, font);
}

void PreparePrinter(QPrinter& printer) {
  printer.setDocName(QString::fromUtf8("계산 기록"));
  printer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
}

void PrintTapeWithDialog(QWidget* parent, std::string_view tapeText) {
  QPrinter printer(QPrinter::HighResolution);
  PreparePrinter(printer);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  if (PrintTapeOn(printer, tapeText, QDateTime::currentDateTime()) == 0) {
    // The printer went away, or the chosen file cannot be written whole.
    QMessageBox::warning(parent, QString::fromUtf8(kPrintFailedTitle), QString::fromUtf8(kPrintFailedText));
  }
}

}  // namespace varuno
