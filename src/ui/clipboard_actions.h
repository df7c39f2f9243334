// The main window's clipboard and printer: copying the number shown, a
// memory row or the whole tape, pasting a number into the entry, and
// printing the tape. A paste becomes the clicks that would type the number,
// run through the same command path as the buttons.
#pragma once

#include <QClipboard>
#include <QObject>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

#include "dispatch/control_ids.h"
#include "dispatch/shortcut_keys.h"

class QAction;
class QWidget;

namespace varuno {

class DisplayView;
class MemoryListView;
class TapeView;

// The tape's items in the window menu and the tape's context menu.
inline constexpr char kCopyTapeText[] = "계산 기록 복사";
inline constexpr char kPrintTapeText[] = "계산 기록 인쇄...";

struct ClipboardControls {
  DisplayView* display;
  TapeView* tape;
  MemoryListView* memoryList;
  // Runs the commands of buttons in turn, as their clicks would, as one
  // action for undo.
  std::function<void(const std::vector<ControlId>&)> clicks;
};

class ClipboardActions final : public QObject {
  Q_OBJECT

 public:
  // A child of `window`. Puts the tape's copy and print items into the
  // tape's context menu and answers a middle click on the display.
  ClipboardActions(QWidget* window, ClipboardControls controls);

  // A shortcut typed at `target`, the window or one of its controls.
  // Returns false, leaving the key to the control, only for a copy where
  // the tape or the display has a selection: that copies itself.
  bool OnShortcut(ShortcutAction action, QWidget* target);

  // The number the display shows, as a plain number.
  void CopyDisplayNumber();
  // The selected memory row's number; the display's number when no row is selected.
  void CopyMemoryRow();
  // The whole tape as plain lines.
  void CopyTape();
  // A number from the clipboard (or the X11 primary selection) into the entry.
  void Paste(QClipboard::Mode mode = QClipboard::Clipboard);
  // The tape through the platform's print dialog.
  void PrintTape();

  QAction* CopyTapeAction() const { return m_copyTape; }
  QAction* PrintTapeAction() const { return m_printTape; }

 Q_SIGNALS:
  // A copy or paste found nothing it could use and changed nothing.
  void refused();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PutText(const std::string& text);
  void Refuse();

  QPointer<QWidget> m_window;
  ClipboardControls m_controls;
  QAction* m_copyTape = nullptr;
  QAction* m_printTape = nullptr;
};

}  // namespace varuno
