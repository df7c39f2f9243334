#include "ui/tape_printer.h"

#include <QFontMetricsF>
#include <QMessageBox>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
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

QFont PrintFont() {
  QFont font = TemplateFont();
  font.setPointSizeF(kPrintPointSize);
  return font;
}

}  // namespace

QStringList TapePrintLines(std::string_view tapeText) {
  QStringList lines;
  for (const std::string_view line : PlainTapeLines(tapeText)) {
    lines.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  }
  return lines;
}

int PrintTapeOn(QPrinter& printer, std::string_view tapeText, const QDateTime& printedAt) {
  const QStringList lines = TapePrintLines(tapeText);
  QPainter painter;
  if (!painter.begin(&printer)) {
    return 0;
  }
  const QFont font = PrintFont();
  painter.setFont(font);
  const QFontMetricsF metrics(font, &printer);
  const qreal lineHeight = metrics.lineSpacing();
  const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());

  // One column as wide as the tape, or as its widest line.
  qreal column = metrics.horizontalAdvance(QString(kTapeWidth, QLatin1Char('0')));
  for (const QString& line : lines) {
    column = std::max(column, metrics.horizontalAdvance(line));
  }
  column = std::min(column, page.width());

  // Heading and a blank line above the tape, a blank line and the page
  // number below it.
  const qreal body = page.height() - 4 * lineHeight;
  const int perPage = std::max(1, static_cast<int>(std::floor(body / lineHeight)));
  const int pages = std::max<int>(1, static_cast<int>((lines.size() + perPage - 1) / perPage));
  const QString heading = QString::fromUtf8(kHeadingName) + QStringLiteral("  ") +
                          printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));

  for (int p = 0; p < pages; ++p) {
    if (p > 0) {
      printer.newPage();
    }
    painter.drawText(QRectF(0, 0, page.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter, heading);
    const qsizetype first = static_cast<qsizetype>(p) * perPage;
    const qsizetype end = std::min<qsizetype>(lines.size(), first + perPage);
    for (qsizetype i = first; i < end; ++i) {
      const qreal y = (2 + static_cast<qreal>(i - first)) * lineHeight;
      painter.drawText(QRectF(0, y, column, lineHeight), Qt::AlignRight | Qt::AlignVCenter, lines[i]);
    }
    if (pages > 1) {
      painter.drawText(QRectF(0, page.height() - lineHeight, column, lineHeight),
                       Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 / %2").arg(p + 1).arg(pages));
    }
  }
  painter.end();
  return pages;
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
    // The printer went away, or the chosen file cannot be written.
    QMessageBox::warning(parent, QString::fromUtf8(kPrintFailedTitle), QString::fromUtf8(kPrintFailedText));
  }
}

}  // namespace varuno
