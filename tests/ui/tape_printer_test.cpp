// Printing the tape to a PDF file, read back with pdftotext: the heading,
// every line in order, and page numbers once it runs over a page, in the
// program's font and in the system's; and a file that cannot be written
// whole is no print and leaves no partial file.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include <QDateTime>
#include <QDir>
#include <QFontInfo>
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
    // Not a skip: without it the printout would go unchecked.
    pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is needed to read the printout back";
    ASSERT_TRUE(dir.isValid());
  }

  // Prints the tape to a PDF and returns its text, pages split by form feeds.
  QString PrintAndRead(const std::string& tape, int* pages, const QFont& font = TapePrintFont()) {
    const QString file = dir.filePath(QStringLiteral("tape.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    *pages = PrintTapeOn(printer, tape, kPrintedAt, font);
    // Not a check: VARUNO_UI_PRINTOUT=<file.pdf> keeps a copy to look at.
    if (const QString keep = qEnvironmentVariable("VARUNO_UI_PRINTOUT"); !keep.isEmpty()) {
      QFile::remove(keep);
      QFile::copy(file, keep);
    }
    QProcess process;
    process.start(pdftotext, {file, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
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

// The system's NanumGothicCoding (the font of a build without bundled
// fonts) gives the blank the glyph of the control characters.
TEST_F(TapePrinterTest, EveryLineInOrderUnderTheHeadingWithPageNumbersOverPages) {
  QFont systemFont(QStringLiteral("NanumGothicCoding"));
  systemFont.setPointSizeF(TapePrintFont().pointSizeF());
  ASSERT_EQ(QFontInfo(systemFont).family(), QStringLiteral("NanumGothicCoding")) << "fonts-nanum-coding";
  struct Row {
    const char* name;
    QFont font;
  };
  const Row rows[] = {{"the program's tape font", TapePrintFont()}, {"the system's NanumGothicCoding", systemFont}};
  // Anything but the line and page breaks is a blank read back wrong.
  const QRegularExpression controls(QStringLiteral("[\\x{0}-\\x{9}\\x{b}\\x{d}-\\x{1f}]"));

  for (const Row& row : rows) {
    Calculator calc;
    int pages = 0;
    // One page: no page number.
    calc.Press("12+3=-1=*2=");
    EXPECT_FALSE(WithoutBlanks(PrintAndRead(calc.view.TapeText(), &pages, row.font)).contains(QStringLiteral("1/1")))
        << row.name;
    EXPECT_EQ(pages, 1) << row.name;

    std::string keys;
    for (int i = 1; i <= 150; ++i) {
      keys += std::to_string(i) + "+";
    }
    calc.Press(keys + "=8/0=5S=");
    const QString read = PrintAndRead(calc.view.TapeText(), &pages, row.font);
    EXPECT_FALSE(read.contains(controls)) << row.name << ": " << read.left(200).toStdString();
    // The blanks inside a line read back as blanks.
    EXPECT_TRUE(read.contains(QStringLiteral("0으로 나눌 수 없습니다"))) << row.name;
    const QString text = WithoutBlanks(read);
    ASSERT_GT(pages, 1) << row.name;
    const QStringList printed = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(printed.size(), pages) << row.name;
    for (int p = 0; p < pages; ++p) {
      EXPECT_TRUE(QString(printed[p]).remove(QLatin1Char('\n')).startsWith(kHeading)) << row.name << p;
      EXPECT_TRUE(printed[p].contains(QStringLiteral("%1/%2").arg(p + 1).arg(pages))) << row.name << p;
    }
    const QStringList lines = TapePrintLines(calc.view.TapeText());
    EXPECT_EQ(lines.first(), QStringLiteral("12"));
    EXPECT_EQ(lines.last(), QStringLiteral("-5"));
    EXPECT_TRUE(lines.contains(QStringLiteral("0으로 나눌 수 없습니다")));
    ExpectInOrder(text, lines.filter(QRegularExpression(QStringLiteral("."))));
  }
}

// Files above `bytes` cannot be written while it lives (0: no limit), as on
// a disk that fills up; the write fails instead of stopping the program.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (bytes > 0) {
      rlimit limit = m_saved;
      limit.rlim_cur = bytes;
      setrlimit(RLIMIT_FSIZE, &limit);
    }
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_oldHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit m_saved{};
  void (*m_oldHandler)(int);
};

// A print that cannot be written whole is no print (the window says so):
// no partial file is left, and a file printed before under the same name
// stays as it was.
TEST_F(TapePrinterTest, AFileThatCannotBeWrittenWholeIsNoPrintAndLeavesNoPartialFile) {
  Calculator calc;
  std::string keys;
  for (int i = 1; i <= 150; ++i) {
    keys += std::to_string(i) + "+";
  }
  calc.Press(keys + "=");
  const QByteArray earlier("an earlier printout");
  struct Row {
    const char* name;
    QString file;  // in a fresh folder, unless absolute
    rlim_t sizeLimit;
    bool printedBefore;
  };
  const Row rows[] = {
      {"a folder that does not exist", QStringLiteral("no-such-folder/tape.pdf"), 0, false},
      {"a full disk", QStringLiteral("/dev/full"), 0, false},
      {"a disk that fills up", QStringLiteral("tape.pdf"), 4096, false},
      {"a disk that fills up, over an earlier printout", QStringLiteral("tape.pdf"), 4096, true},
  };
  for (const Row& row : rows) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = QDir::isAbsolutePath(row.file) ? row.file : folder.filePath(row.file);
    if (row.printedBefore) {
      QFile before(file);
      ASSERT_TRUE(before.open(QIODevice::WriteOnly));
      before.write(earlier);
    }
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    int pages = -1;
    {
      const FileSizeLimit limit(row.sizeLimit);
      pages = PrintTapeOn(printer, calc.view.TapeText(), kPrintedAt);
    }
    EXPECT_EQ(pages, 0) << row.name;
    const QStringList left = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (row.printedBefore) {
      EXPECT_EQ(left, QStringList({QStringLiteral("tape.pdf")})) << row.name;
      QFile after(file);
      ASSERT_TRUE(after.open(QIODevice::ReadOnly));
      EXPECT_EQ(after.readAll(), earlier) << row.name;
    } else {
      EXPECT_TRUE(left.isEmpty()) << row.name << ": " << left.join(QLatin1Char(' ')).toStdString();
    }
  }
  // Without a limit the same print is written whole.
  QTemporaryDir folder;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder.filePath(QStringLiteral("tape.pdf")));
  EXPECT_GT(PrintTapeOn(printer, calc.view.TapeText(), kPrintedAt), 1);
  EXPECT_GT(QFileInfo(printer.outputFileName()).size(), 4096);
}

}  // namespace
}  // namespace varuno::test
