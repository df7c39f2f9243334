// The main window's window menu. The window has no caption, so the window
// system gives it no menu of its own; a right click on a bare point of the
// face, Alt+Space, the Menu key and Shift+F10 open this one: the window
// commands the platform offers, then, after a separator, undo and redo, after
// another, copying and printing the tape, after another copying the amount in
// words, and last, after
// another separator, the About item.
#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <array>

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
};

constexpr std::array<WindowMenuItem, 13> kWindowMenu{{
    {WindowMenuKind::Command, SC_MINIMIZE_COMMAND, "최소화(&N)", nullptr},
    {WindowMenuKind::Command, SC_CLOSE_COMMAND, "닫기(&C)", "Alt+F4"},
    {WindowMenuKind::Separator, 0, nullptr, nullptr},
    {WindowMenuKind::Command, UNDO_SYSCOMMAND, "실행 취소", "Ctrl+Z"},
    {WindowMenuKind::Command, REDO_SYSCOMMAND, "다시 실행", "Ctrl+Y"},
    {WindowMenuKind::Separator, 0, nullptr, nullptr},
    {WindowMenuKind::Command, COPY_TAPE_SYSCOMMAND, kCopyTapeText, nullptr},
    {WindowMenuKind::Command, PRINT_TAPE_SYSCOMMAND, kPrintTapeText, "Ctrl+P"},
    {WindowMenuKind::Separator, 0, nullptr, nullptr},
    {WindowMenuKind::Command, COPY_AMOUNT_WORDS_SYSCOMMAND, kCopyAmountWordsText, nullptr},
    {WindowMenuKind::Command, COPY_AMOUNT_DOCUMENT_SYSCOMMAND, kCopyAmountDocumentText, nullptr},
    {WindowMenuKind::Separator, 0, nullptr, nullptr},
    // The About item, string 101.
    {WindowMenuKind::Command, ABOUT_SYSCOMMAND, "VarunoCalc 정보(&A)...", nullptr},
}};

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
    if (item.shortcut != nullptr) {
      // Display only: the window manager owns Alt+F4, the key filter the others.
      action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
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
