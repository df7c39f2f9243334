#include "ui/amount_readings.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolTip>

#include <memory>

#include "engine/amount_words.h"
#include "engine/clipboard_text.h"
#include "engine/man_reading.h"
#include "memory/memory_row_number.h"
#include "ui/display_view.h"
#include "ui/memory_list_view.h"
#include "ui/tape_view.h"

namespace varuno {

namespace {

constexpr int kRefusalTipDelayMs = 200;

QString ReadingText(const std::optional<std::string>& number) {
  const std::optional<std::string> reading = number ? ManReading(*number) : std::nullopt;
  return reading ? QString::fromStdString(*reading) : QString();
}

// Shows a tooltip for a help event, or hides any when the text is empty.
void ShowToolTip(const QHelpEvent& event, const QString& text, QWidget* widget) {
  if (text.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(event.globalPos(), text, widget);
  }
}

bool IsWithin(const QWidget* widget, const QWidget* control) {
  return widget != nullptr && (widget == control || control->isAncestorOf(widget));
}

}  // namespace

AmountReadings::AmountReadings(QWidget* window, AmountControls controls)
    : QObject(window), m_controls(controls) {
  connect(this, &AmountReadings::refused, this, [] { QApplication::beep(); });
  connect(m_controls.display, &QLineEdit::textChanged, this, [this] { ShowDisplayReading(); });
  ShowDisplayReading();
  m_controls.display->installEventFilter(this);
  m_controls.tape->viewport()->installEventFilter(this);
  m_controls.memoryList->installEventFilter(this);
  m_controls.memoryList->viewport()->installEventFilter(this);
}

void AmountReadings::ShowDisplayReading() {
  DisplayView* display = m_controls.display;
  const QString reading = ReadingText(display->text().toStdString());
  display->setToolTip(reading);
  display->setAccessibleDescription(reading);
}

void AmountReadings::CopyAmount(AmountForm form) {
  if (IsWithin(QApplication::focusWidget(), m_controls.memoryList)) {
    CopyAmountOf(MemoryNumber(m_controls.memoryList->SelectedRow()), form);
  } else {
    CopyAmountOf(m_controls.display->text().toStdString(), form);
  }
}

void AmountReadings::CopyAmountOf(const std::optional<std::string>& number, AmountForm form) {
  std::optional<std::string> text;
  if (number) {
    text = form == AmountForm::Words ? AmountInWords(*number) : AmountDocumentText(*number);
  }
  if (!text) {
    // A tooltip goes as soon as a window is activated or a control takes
    // the focus, which is what happens when the menu that asked closes: say
    // why a moment later.
    QTimer::singleShot(kRefusalTipDelayMs, this, [this, display = QPointer<DisplayView>(m_controls.display)] {
      if (display.isNull()) {
        return;
      }
      const QString reason =
          QString::fromUtf8(kAmountWordsRefusal.data(), static_cast<qsizetype>(kAmountWordsRefusal.size()));
      QToolTip::showText(display->mapToGlobal(QPoint(0, display->height())), reason, display);
      Q_EMIT refusalShown(reason);
    });
    Q_EMIT refused();
    return;
  }
  QGuiApplication::clipboard()->setText(QString::fromStdString(*text), QClipboard::Clipboard);
}

std::optional<std::string> AmountReadings::MemoryNumber(int row) const {
  if (row < 0 || row >= m_controls.memoryList->RowCount()) {
    return m_controls.display->text().toStdString();
  }
  return MemoryRowNumber(m_controls.memoryList->RowText(row));
}

void AmountReadings::AddCopyItems(QMenu& menu, const std::optional<std::string>& number) {
  menu.addAction(QString::fromUtf8(kCopyAmountWordsText), this,
                 [this, number] { CopyAmountOf(number, AmountForm::Words); });
  menu.addAction(QString::fromUtf8(kCopyAmountDocumentText), this,
                 [this, number] { CopyAmountOf(number, AmountForm::Document); });
}

bool AmountReadings::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ToolTip && type != QEvent::ContextMenu) {
    return QObject::eventFilter(watched, event);
  }
  DisplayView* display = m_controls.display;
  TapeView* tape = m_controls.tape;
  MemoryListView* list = m_controls.memoryList;

  if (watched == display && type == QEvent::ContextMenu) {
    const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    const std::unique_ptr<QMenu> menu(display->createStandardContextMenu());
    menu->setObjectName(QStringLiteral("displayMenu"));
    menu->addSeparator();
    AddCopyItems(*menu, display->text().toStdString());
    menu->exec(menuEvent->globalPos());
    return true;
  }
  if (watched == list->viewport() || (watched == list && type == QEvent::ContextMenu)) {
    // A menu opened from the keyboard comes to the list itself, and is about
    // the selected row.
    const QPoint pos = type == QEvent::ToolTip ? static_cast<QHelpEvent*>(event)->pos()
                                                : static_cast<QContextMenuEvent*>(event)->pos();
    const QListWidgetItem* item = watched == list ? nullptr : list->itemAt(pos);
    const int row = item == nullptr ? -1 : list->row(item);
    if (type == QEvent::ToolTip) {
      ShowToolTip(*static_cast<QHelpEvent*>(event),
                  row < 0 ? QString() : ReadingText(MemoryNumber(row)), list->viewport());
      return true;
    }
    // The row under the pointer; elsewhere in the list what a copy there takes.
    QMenu menu(list);
    menu.setObjectName(QStringLiteral("memoryListMenu"));
    AddCopyItems(menu, MemoryNumber(row >= 0 ? row : list->SelectedRow()));
    menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  if (watched == tape->viewport() && type == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QTextCursor cursor = tape->cursorForPosition(help->pos());
    const QRect line = tape->cursorRect(cursor);
    // Below the last line the nearest line is not under the pointer.
    const bool onLine = help->pos().y() >= line.top() && help->pos().y() <= line.bottom();
    const std::string text = cursor.block().text().toStdString();
    ShowToolTip(*help, onLine ? ReadingText(std::string(SplitTapeLine(text).rest)) : QString(),
                tape->viewport());
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace varuno
