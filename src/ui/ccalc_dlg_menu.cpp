// The main window's window menu. The window has no caption, so the window
// system gives it no menu of its own; a right click on a bare point of the
// face, Alt+Space, the Menu key and Shift+F10 open this one: the window
// commands the platform offers, then, after a separator, undo and redo, after
// another, copying and printing the tape, after another copying the amount in
// words, and last, after
// another separator, the About item.
#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenu>

#include <array>

#include "dispatch/button_keys.h"
#include "ui/amount_readings.h"
#include "ui/ccalc_dlg.h"
#include "ui/clipboard_actions.h"

namespace varuno {

namespace {

enum class WindowMenuKind { Command, Separator };

struct WindowMenuItem {
  WindowMenuKind kind;
  unsigned command;
  const char* text;      // UTF-8, with & before the mnemonic
  const char* shortcut;  // shown beside the text only; nullptr for none
  ControlId button;      // the button doing the same, whose key is shown first; 0 for none
};

constexpr std::array<WindowMenuItem, 13> kWindowMenu{{
    {WindowMenuKind::Command, SC_MINIMIZE_COMMAND, "최소화(&N)", nullptr, IDC_BTN_MINIMIZE},
    {WindowMenuKind::Command, SC_CLOSE_COMMAND, "닫기(&C)", "Alt+F4", IDCANCEL},
    {WindowMenuKind::Separator, 0, nullptr, nullptr, 0},
    {WindowMenuKind::Command, UNDO_SYSCOMMAND, "실행 취소", "Ctrl+Z", 0},
    {WindowMenuKind::Command, REDO_SYSCOMMAND, "다시 실행", "Ctrl+Y", 0},
    {WindowMenuKind::Separator, 0, nullptr, nullptr, 0},
    {WindowMenuKind::Command, COPY_TAPE_SYSCOMMAND, kCopyTapeText, nullptr, 0},
    {WindowMenuKind::Command, PRINT_TAPE_SYSCOMMAND, kPrintTapeText, "Ctrl+P", 0},
    {WindowMenuKind::Separator, 0, nullptr, nullptr, 0},
    {WindowMenuKind::Command, COPY_AMOUNT_WORDS_SYSCOMMAND, kCopyAmountWordsText, nullptr, 0},
    {WindowMenuKind::Command, COPY_AMOUNT_DOCUMENT_SYSCOMMAND, kCopyAmountDocumentText, nullptr, 0},
    {WindowMenuKind::Separator, 0, nullptr, nullptr, 0},
    // The About item, string 101.
    {WindowMenuKind::Command, ABOUT_SYSCOMMAND, "VarunoCalc 정보(&A)...", nullptr, IDC_BTN_ABOUT},
}};

// The keys shown beside an item: its button's key, then its own shortcut.
QList<QKeySequence> ItemKeys(const WindowMenuItem& item) {
  QList<QKeySequence> keys;
  if (const ButtonKey* key = ButtonKeyFor(item.button); key != nullptr) {
    keys.append(QKeySequence(QString::fromLatin1(key->label)));
  }
  if (item.shortcut != nullptr) {
    keys.append(QKeySequence(QString::fromLatin1(item.shortcut)));
  }
  return keys;
}

// The About item comes last, after a separator.
static_assert(kWindowMenu.back().command == ABOUT_SYSCOMMAND &&
              kWindowMenu[kWindowMenu.size() - 2].kind == WindowMenuKind::Separator);

// The command values the menu's actions carry.
constexpr const char kCommandProperty[] = "varunoSysCommand";

}  // namespace

void CCalcDlg::ShowWindowMenu(const QPoint& globalPos) {
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("windowMenu"));
  for (const WindowMenuItem& item : kWindowMenu) {
    if (item.kind == WindowMenuKind::Separator) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromUtf8(item.text));
    action->setProperty(kCommandProperty, item.command);
    if (const QList<QKeySequence> keys = ItemKeys(item); !keys.isEmpty()) {
      // Display only (the menu shows the first): the window manager owns
      // Alt+F4, the key filter the others.
      action->setShortcuts(keys);
      action->setShortcutContext(Qt::WidgetShortcut);
    }
    if (item.command == UNDO_SYSCOMMAND) {
      action->setEnabled(CanUndo());
    } else if (item.command == REDO_SYSCOMMAND) {
      action->setEnabled(CanRedo());
    }
  }

  // The command runs after the menu has closed, so the About box does not
  // open inside the menu's own event loop.
  const QAction* chosen = menu.exec(globalPos);
  if (chosen == nullptr) {
    return;
  }
  OnSysCommand(chosen->property(kCommandProperty).toUInt());
}

}  // namespace varuno
