// The calculator's main window: a borderless, round-cornered dialog painted
// with the skin, holding the display, the tape, the memory list, two
// invisible hot spots and the 27 bitmap buttons. It owns the engine and the
// memory list and is their CalcView; every control reports to the command
// table through OnCommand.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <array>
#include <memory>
#include <string>

#include "calc_engine.h"
#include "calc_view.h"
#include "command_table.h"
#include "control_ids.h"
#include "memory_list.h"

class QAbstractButton;
class QMouseEvent;
class QPaintEvent;
class QContextMenuEvent;

namespace varuno {

class BitmapButton;
class ClipboardActions;
class DisplayView;
class HotSpot;
class KeyboardState;
class MemoryListView;
class ShellServices;
class TapeView;
class WindowDrag;

// The window's size in pixels at 96 dpi; the skin has the same size.
inline constexpr int kWindowWidth = 429;
inline constexpr int kWindowHeight = 491;
// The corner ellipse of the rounded outline.
inline constexpr int kCornerEllipse = 15;
inline constexpr char kWindowTitle[] = "바루노 계산기";

// Window-menu commands besides ABOUT_SYSCOMMAND that OnSysCommand carries
// out (compared with the low four bits masked off).
inline constexpr unsigned SC_MINIMIZE_COMMAND = 0xF020;
inline constexpr unsigned SC_CLOSE_COMMAND = 0xF060;
inline constexpr unsigned SC_RESTORE_COMMAND = 0xF120;
// The window menu's tape items.
inline constexpr unsigned COPY_TAPE_SYSCOMMAND = 0x0110;
inline constexpr unsigned PRINT_TAPE_SYSCOMMAND = 0x0120;

class CCalcDlg : public QDialog, public CalcView, public WindowCommands {
  Q_OBJECT

 public:
  CCalcDlg(ShellServices& shell, KeyboardState& keyboard, QWidget* parent = nullptr);
  ~CCalcDlg() override;

  CCalcDlg(const CCalcDlg&) = delete;
  CCalcDlg& operator=(const CCalcDlg&) = delete;

  // Any control by ID (2, 1001..1038): the template controls and every child
  // that carries the ID property (control_id_property.h); nullptr if none.
  QWidget* Control(ControlId id) const;
  // A bitmap button or hot spot by ID, nullptr if none.
  QAbstractButton* Button(ControlId id) const;

  // A control reports a notification. Runs the command table's entry; an
  // unhandled IDCANCEL ends the dialog (and with it the program), anything
  // else unhandled is dropped.
  void OnCommand(Notification notification, ControlId id);
  // A window-menu command: (command & 0xFFF0) == ABOUT_SYSCOMMAND opens the About box.
  void OnSysCommand(unsigned command);

  // CalcView
  void SetDisplayText(const std::string& text) override;
  std::string DisplayText() const override;
  void UpdateTape(const TapeUpdate& update) override;
  void ClearTape() override;
  ListSurface& MemoryList() override;

  // WindowCommands
  void OnMinimize() override;
  void OnHomepageLogo() override;
  void OnHomepageLink() override;
  void OnAboutButton() override;

  const CalcEngine& Engine() const { return m_engine; }
  TapeView& Tape() const { return *m_ctlTape; }
  ClipboardActions& Clipboard() const { return *m_clipboard; }

  // The NumLock byte when the window was constructed.
  int m_nNumLockAtStart;
  // The keypad, memory-list and title buttons, by element (digit k at k,
  // then 00, point, + - * /, =, sign, CE, backspace, C, list add, delete,
  // clear, close, About, minimise). Filled by CreateTitleButtons and
  // CreateKeypadButtons; each button carries its control ID property and
  // connects its clicked signal to OnCommand(BN_CLICKED, id).
  std::array<BitmapButton*, 27> m_btnKeys{};

 protected:
  // Builds the window: title, rounded mask, skin, title buttons, display
  // font and text "0", keypad buttons, keyboard hook. Called by the constructor.
  void OnInitDialog();
  void CreateTitleButtons();             // ccalc_dlg_buttons.cpp
  void CreateKeypadButtons();            // ccalc_dlg_buttons.cpp
  void InstallClipboard();               // ccalc_dlg_clipboard.cpp
  void InstallKeyboardHook();            // ccalc_dlg_keys.cpp
  void ReassertNumLock(int startState);  // ccalc_dlg_keys.cpp
  // The window menu (minimise, close, About) at a global position.
  void ShowWindowMenu(const QPoint& globalPos);  // ccalc_dlg_menu.cpp

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

  ShellServices& m_shell;
  KeyboardState& m_keyboard;

 private:
  void CreateTemplateControls();
  void CenterOnWorkArea();
  const QPixmap& Skin() const;

  CalcEngine m_engine;
  varuno::MemoryList m_memory;

  MemoryListView* m_ctlMemoryList = nullptr;
  TapeView* m_ctlTape = nullptr;
  DisplayView* m_ctlDisplay = nullptr;
  HotSpot* m_ctlLogo = nullptr;
  HotSpot* m_ctlHomepage = nullptr;
  ClipboardActions* m_clipboard = nullptr;
  std::unique_ptr<WindowDrag> m_drag;
  // The skin at 1x and, loaded when first painted on a dense screen, at 2x.
  QPixmap m_skinBitmap;
  mutable QPixmap m_skinSharp;
};

}  // namespace varuno
