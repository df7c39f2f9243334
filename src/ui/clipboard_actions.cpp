#include "ui/clipboard_actions.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QMimeData>
#include <QMouseEvent>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "engine/clipboard_text.h"
#include "ui/display_view.h"
#include "ui/memory_list_view.h"
#include "memory/memory_row_number.h"
#include "dispatch/paste_clicks.h"
#include "ui/tape_printer.h"
#include "ui/tape_view.h"

namespace varuno {

namespace {

bool IsWithin(const QWidget* target, const QWidget* control) {
  return control != nullptr && target != nullptr && (target == control || control->isAncestorOf(target));
}

}  // namespace

ClipboardActions::ClipboardActions(QWidget* window, ClipboardControls controls)
    : QObject(window), m_window(window), m_controls(std::move(controls)) {
  connect(this, &ClipboardActions::refused, this, [] { QApplication::beep(); });

  m_copyTape = new QAction(QString::fromUtf8(kCopyTapeText), this);
  connect(m_copyTape, &QAction::triggered, this, [this] { CopyTape(); });
  m_printTape = new QAction(QString::fromUtf8(kPrintTapeText), this);
  connect(m_printTape, &QAction::triggered, this, [this] { PrintTape(); });
  m_controls.tape->addAction(m_copyTape);
  m_controls.tape->addAction(m_printTape);

  m_controls.display->installEventFilter(this);
}

bool ClipboardActions::OnShortcut(ShortcutAction action, QWidget* target) {
  // Whether the key is taken is decided now; what it does is queued behind
  // the button clicks of the keys typed before it, which are queued too, so
  // that "1 2 Ctrl+C" copies 12 however fast the keys come.
  std::function<void()> run;
  switch (action) {
    case ShortcutAction::Copy:
      if (IsWithin(target, m_controls.tape) && m_controls.tape->textCursor().hasSelection()) {
        return false;
      }
      if (IsWithin(target, m_controls.display) && m_controls.display->hasSelectedText()) {
        return false;
      }
      if (IsWithin(target, m_controls.memoryList)) {
        run = [this] { CopyMemoryRow(); };
      } else {
        run = [this] { CopyDisplayNumber(); };
      }
      break;
    case ShortcutAction::Paste:
      run = [this] { Paste(QClipboard::Clipboard); };
      break;
    case ShortcutAction::Print:
      run = [this] { PrintTape(); };
      break;
    case ShortcutAction::Undo:
    case ShortcutAction::Redo:
      break;  // the window's own
  }
  if (!run) {
    return false;
  }
  QMetaObject::invokeMethod(this, std::move(run), Qt::QueuedConnection);
  return true;
}

void ClipboardActions::CopyDisplayNumber() {
  const std::optional<std::string> number = PlainNumber(m_controls.display->text().toStdString());
  if (!number) {
    Refuse();
    return;
  }
  PutText(*number);
}

void ClipboardActions::CopyMemoryRow() {
  const int row = m_controls.memoryList->SelectedRow();
  if (row < 0) {
    CopyDisplayNumber();
    return;
  }
  const std::optional<std::string> number = MemoryRowNumber(m_controls.memoryList->RowText(row));
  if (!number) {
    Refuse();
    return;
  }
  PutText(*number);
}

void ClipboardActions::CopyTape() {
  const std::string text = TapeCopyText(m_controls.tape->TapeText());
  if (text.empty()) {
    // An empty tape leaves what the clipboard holds alone.
    Refuse();
    return;
  }
  PutText(text);
}

void ClipboardActions::Paste(QClipboard::Mode mode) {
  // On X11 every question goes to the program that owns the clipboard and
  // waits up to 5 s for its answer. So the owner is asked for its formats
  // once (QMimeData keeps the answer, but not an empty one, and hasText()
  // would ask twice), and only an owner that answered with text is asked for
  // that text: an owner that has stopped answering costs one wait, not one
  // per question.
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
  const QStringList formats = data != nullptr ? data->formats() : QStringList();
  const QString format = formats.contains(QStringLiteral("text/plain")) ? QStringLiteral("text/plain")
                         : formats.contains(QStringLiteral("text/plain;charset=utf-8"))
                             ? QStringLiteral("text/plain;charset=utf-8")
                             : QString();
  if (format.isEmpty()) {
    Refuse();
    return;
  }
  const QString text = QString::fromUtf8(data->data(format));
  // Each UTF-16 unit is at least one UTF-8 byte: a longer text is refused
  // without converting it whole first.
  const std::optional<std::vector<ControlId>> clicks =
      text.size() > static_cast<qsizetype>(kPasteMaxBytes) ? std::nullopt : PasteClicks(text.toStdString());
  if (!clicks) {
    Refuse();
    return;
  }
  m_controls.clicks(*clicks);
}

void ClipboardActions::PrintTape() { PrintTapeWithDialog(m_window, m_controls.tape->TapeText()); }

bool ClipboardActions::eventFilter(QObject* watched, QEvent* event) {
  // A middle click on the display pastes the primary selection, where the
  // platform has one (X11).
  const QEvent::Type type = event->type();
  if (watched == m_controls.display &&
      (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
      static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton &&
      QGuiApplication::clipboard()->supportsSelection()) {
    if (type == QEvent::MouseButtonRelease) {
      Paste(QClipboard::Selection);
    }
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void ClipboardActions::PutText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text), QClipboard::Clipboard);
}

void ClipboardActions::Refuse() { Q_EMIT refused(); }

}  // namespace varuno
