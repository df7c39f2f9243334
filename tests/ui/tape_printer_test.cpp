// Printing the tape to a PDF file, read back with pdftotext: the heading,
// every line in order, and page numbers once it runs over a page.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <string>

#include "key_script.h"
#include "ui/tape_printer.h"

namespace varuno::test {
namespace {

const QDateTime kPrintedAt(QDate(2026, 12, 9), QTime(5, 30));
// Texts are compared without blanks: text extraction guesses the spaces of
// the padded columns (and may break the heading's gap into lines) by its own
// layout analysis.
const QString kHeading = QStringLiteral("바루노계산기2026-12-0905:30");

QString WithoutBlanks(QString text) { return text.remove(QLatin1Char(' ')); }

class TapePrinterTest : public testing::Test {
 protected:
  void SetUp() override {
    pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
      GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    ASSERT_TRUE(dir.isValid());
  }

  // Prints the tape to a PDF and returns its text without blanks, pages
  // split by form feeds.
  QString PrintAndRead(const std::string& tape, int* pages) {
    const QString file = dir.filePath(QStringLiteral("tape.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    *pages = PrintTapeOn(printer, tape, kPrintedAt);
    // Not a check: VARUNO_UI_PRINTOUT=<file.pdf> keeps a copy to look at.
    if (const QString keep = qEnvironmentVariable("VARUNO_UI_PRINTOUT"); !keep.isEmpty()) {
      QFile::remove(keep);
      QFile::copy(file, keep);
    }
    QProcess process;
    process.start(pdftotext, {file, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return WithoutBlanks(QString::fromUtf8(process.readAllStandardOutput()));
  }

  // Expects every line in `text`, in order.
  static void ExpectInOrder(const QString& text, const QStringList& lines) {
    qsizetype at = 0;
    for (const QString& line : lines) {
      const QString bare = WithoutBlanks(line);
      const qsizetype found = text.indexOf(bare, at);
      ASSERT_GE(found, 0) << "missing or out of order: " << line.toStdString();
      at = found + bare.size();
    }
  }

  QString pdftotext;
  QTemporaryDir dir;
};

TEST_F(TapePrinterTest, EveryLineInOrderUnderTheHeadingWithPageNumbersOverPages) {
  Calculator calc;
  int pages = 0;
  // One page: no page number.
  calc.Press("12+3=-1=*2=");
  EXPECT_FALSE(PrintAndRead(calc.view.TapeText(), &pages).contains(QStringLiteral("1/1")));
  EXPECT_EQ(pages, 1);

  std::string keys;
  for (int i = 1; i <= 150; ++i) {
    keys += std::to_string(i) + "+";
  }
  calc.Press(keys + "=8/0=5S=");
  const QString text = PrintAndRead(calc.view.TapeText(), &pages);
  ASSERT_GT(pages, 1);
  const QStringList printed = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
  ASSERT_EQ(printed.size(), pages);
  for (int p = 0; p < pages; ++p) {
    EXPECT_TRUE(QString(printed[p]).remove(QLatin1Char('\n')).startsWith(kHeading)) << p;
    EXPECT_TRUE(printed[p].contains(QStringLiteral("%1/%2").arg(p + 1).arg(pages))) << p;
  }
  const QStringList lines = TapePrintLines(calc.view.TapeText());
  EXPECT_EQ(lines.first(), QStringLiteral("12"));
  EXPECT_EQ(lines.last(), QStringLiteral("-5"));
  EXPECT_TRUE(lines.contains(QStringLiteral("0으로 나눌 수 없습니다")));
  ExpectInOrder(text, lines.filter(QRegularExpression(QStringLiteral("."))));

  // A file that cannot be written prints nothing, and says so.
  QPrinter unwritable(QPrinter::HighResolution);
  unwritable.setOutputFormat(QPrinter::PdfFormat);
  unwritable.setOutputFileName(dir.filePath(QStringLiteral("no-such-folder/tape.pdf")));
  EXPECT_EQ(PrintTapeOn(unwritable, calc.view.TapeText(), kPrintedAt), 0);
}

}  // namespace
}  // namespace varuno::test
