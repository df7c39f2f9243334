// The calculator's main window: a borderless, round-cornered dialog painted
// with the skin, holding the display, the tape, the memory list, two
// invisible hot spots and the 27 bitmap buttons. It owns the calculator and
// is its CalcView; every control reports to the calculator through OnCommand.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <array>
#include <map>
#include <memory>
#include <string>

#include "dispatch/calculator.h"
#include "dispatch/control_ids.h"
#include "dispatch/shortcut_keys.h"
#include "layout/window_layout.h"

class QAbstractButton;
class QMouseEvent;
class QPaintEvent;
class QContextMenuEvent;

namespace varuno {

class AmountReadings;
class BitmapButton;
class ClipboardActions;
class DisplayView;
class HotSpot;
class KeyboardState;
class MemoryListView;
class ShellServices;
class SpeechAnnouncer;
class TapeView;
class WindowDrag;

inline constexpr char kWindowTitle[] = "바루노 계산기";

// Window-menu commands besides ABOUT_SYSCOMMAND that OnSysCommand carries
// out (compared with the low four bits masked off).
inline constexpr unsigned SC_MINIMIZE_COMMAND = 0xF020;
inline constexpr unsigned SC_CLOSE_COMMAND = 0xF060;
inline constexpr unsigned SC_RESTORE_COMMAND = 0xF120;
// The window menu's tape items.
inline constexpr unsigned COPY_TAPE_SYSCOMMAND = 0x0110;
inline constexpr unsigned PRINT_TAPE_SYSCOMMAND = 0x0120;
// The window menu's amount items: the amount in words, and in the form of
// official documents.
inline constexpr unsigned COPY_AMOUNT_WORDS_SYSCOMMAND = 0x0130;
inline constexpr unsigned COPY_AMOUNT_DOCUMENT_SYSCOMMAND = 0x0140;
// The window menu's undo and redo items.
inline constexpr unsigned UNDO_SYSCOMMAND = 0x0150;
inline constexpr unsigned REDO_SYSCOMMAND = 0x0160;

class CCalcDlg : public QDialog, public CalcView, public WindowCommands {
  Q_OBJECT

 public:
  CCalcDlg(ShellServices& shell, KeyboardState& keyboard, QWidget* parent = nullptr);
  ~CCalcDlg() override;

  CCalcDlg(const CCalcDlg&) = delete;
  CCalcDlg& operator=(const CCalcDlg&) = delete;

  // Any control by ID (2, 1001..1038): the template controls and the bitmap
  // buttons; nullptr if none.
  QWidget* Control(ControlId id) const;
  // A bitmap button or hot spot by ID, nullptr if none.
  QAbstractButton* Button(ControlId id) const;

  // A control reports a notification. The calculator runs the command
  // table's entry; an unhandled IDCANCEL ends the dialog (and with it the program), anything
  // else unhandled is dropped.
  void OnCommand(Notification notification, ControlId id);
  // A window-menu command: (command & 0xFFF0) == ABOUT_SYSCOMMAND opens the About box.
  void OnSysCommand(unsigned command);

  // CalcView
  void SetDisplayText(const std::string& text) override;
  std::string DisplayText() const override;
  void UpdateTape(const TapeUpdate& update) override;
  void ClearTape() override;
  std::unique_ptr<KeptTape> TakeTape() override;
  void GiveTape(std::unique_ptr<KeptTape> kept) override;
  ListSurface& MemoryList() override;

  // Takes back the last action, or does again the last one taken back;
  // nothing happens when there is none.
  void OnUndo();
  void OnRedo();
  bool CanUndo() const { return m_calculator.CanUndo(); }
  bool CanRedo() const { return m_calculator.CanRedo(); }

  // WindowCommands
  void OnMinimize() override;
  void OnHomepageLogo() override;
  void OnHomepageLink() override;
  void OnAboutButton() override;

  const CalcEngine& Engine() const { return m_calculator.Engine(); }
  TapeView& Tape() const { return *m_ctlTape; }
  ClipboardActions& Clipboard() const { return *m_clipboard; }
  AmountReadings& Amounts() const { return *m_amounts; }
  SpeechAnnouncer& Announcer() const { return *m_announcer; }

  // The keypad, memory-list and title buttons, by element (digit k at k,
  // then 00, point, + - * /, =, sign, CE, backspace, C, list add, delete,
  // clear, close, About, minimise). Filled by CreateTitleButtons and
  // CreateKeypadButtons; each button connects its clicked signal to
  // OnButtonClicked, which runs OnCommand(BN_CLICKED, id).
  std::array<BitmapButton*, 27> m_btnKeys{};

 protected:
  // Builds the window: title, rounded mask, skin, title buttons, display
  // font and text "0", keypad buttons, clipboard actions, keyboard hook.
  // Called by the constructor.
  void OnInitDialog();
  void CreateTitleButtons();   // ccalc_dlg_buttons.cpp
  void CreateKeypadButtons();  // ccalc_dlg_buttons.cpp
  void InstallClipboard();     // ccalc_dlg_clipboard.cpp
  void InstallAmountReadings();  // ccalc_dlg_amounts.cpp
  void InstallKeyboardHook();  // ccalc_dlg_keys.cpp
  // A shortcut typed at `target`; returns whether it took the key.
  bool OnShortcut(ShortcutAction action, QWidget* target);  // ccalc_dlg_keys.cpp
  // The screen reader's side: the announcer, and the tape and the memory
  // list describing what they hold as they take the focus; the focus ring.
  void InstallSpeech();                             // ccalc_dlg_speech.cpp
  // Speaks what the command just dispatched produced, if anything.
  // `notification` tells the display taking the focus from the rest.
  void SpeakResult(Notification notification);      // ccalc_dlg_speech.cpp
  bool eventFilter(QObject* watched, QEvent* event) override;  // ccalc_dlg_speech.cpp
  // A bitmap button's click: its command, then its name spoken when the
  // click moved no focus and the command spoke nothing (a repeated digit).
  void OnButtonClicked(ControlId id, QAbstractButton* button);  // ccalc_dlg_speech.cpp
  // The window menu (minimise, close, undo, redo, copy and print the tape,
  // copy the amount in words, About), each item with its key, at a
  // global position.
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
  // Creates the rows [first, end) of the button table.
  void CreateButtons(std::size_t first, std::size_t end);  // ccalc_dlg_buttons.cpp
  // Makes a new control known to Control().
  void AddControl(ControlId id, QWidget* control);
  void PlaceOnWorkArea();
  const QPixmap& Skin() const;

  Calculator m_calculator;
  // Every control by ID, filled as the controls are made.
  std::map<ControlId, QWidget*> m_controls;

  MemoryListView* m_ctlMemoryList = nullptr;
  TapeView* m_ctlTape = nullptr;
  DisplayView* m_ctlDisplay = nullptr;
  HotSpot* m_ctlLogo = nullptr;
  HotSpot* m_ctlHomepage = nullptr;
  ClipboardActions* m_clipboard = nullptr;
  AmountReadings* m_amounts = nullptr;
  SpeechAnnouncer* m_announcer = nullptr;
  // Whether the focus has moved since the last bitmap button's click: a
  // screen reader speaks a focus change, so such a click was heard.
  bool m_focusMoved = true;
  std::unique_ptr<WindowDrag> m_drag;
  // The skin at 1x and, loaded when first painted on a dense screen, at 2x.
  QPixmap m_skinBitmap;
  mutable QPixmap m_skinSharp;
};

}  // namespace varuno
