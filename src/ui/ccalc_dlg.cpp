#include "ui/ccalc_dlg.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QShortcut>
#include <QString>

#include <cstdint>

#include "ui/amount_readings.h"
#include "ui/art_resources.h"
#include "ui/clipboard_actions.h"
#include "ui/display_view.h"
#include "ui/hot_spot.h"
#include "ui/memory_list_view.h"
#include "ui/shell_services.h"
#include "ui/speech_announcer.h"
#include "ui/platform/keyboard_state.h"
#include "ui/tape_view.h"
#include "ui/ui_fonts.h"
#include "ui/window_drag.h"
#include "ui/window_placement.h"
#include "ui/window_shape.h"

namespace varuno {

namespace {

// Tape, display and list are drawn black on white whatever the desktop's
// colour scheme, as the skin around them is light.
void PaintWhite(QWidget* widget) {
  QPalette palette = widget->palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, Qt::white);
    palette.setColor(group, QPalette::Window, Qt::white);
    palette.setColor(group, QPalette::Text, Qt::black);
    palette.setColor(group, QPalette::WindowText, Qt::black);
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

CCalcDlg::CCalcDlg(ShellServices& shell, KeyboardState& keyboard, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      m_shell(shell),
      m_keyboard(keyboard),
      m_calculator(*this, *this),
      m_drag(std::make_unique<WindowDrag>(*this)) {
  setFixedSize(kWindowWidth, kWindowHeight);
  // Before the first control exists, so that each gets its accessible
  // object from the program's factory.
  InstallAccessibleFactory();
  // Decoded first: the bundled fonts may still be loading on a worker, and
  // the controls below wait for them.
  m_skinBitmap = LoadArtPixmap(kSkinBitmapId, 1.0);
  CreateTemplateControls();
  OnInitDialog();
  PlaceOnWorkArea();
}

CCalcDlg::~CCalcDlg() {
  // Hiding moves the focus away, and the display reports that; let it do so
  // while the engine still exists, then take the controls down before the
  // members they report to.
  hide();
  m_ctlDisplay->disconnect(this);
  const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  m_controls.clear();
  qDeleteAll(controls);
}

void CCalcDlg::CreateTemplateControls() {
  const QFont templateFont = TemplateFont();
  QWidget* previous = nullptr;
  for (const TemplateControl& row : kTemplateControls) {
    QWidget* control = nullptr;
    switch (row.kind) {
      case TemplateKind::MemoryList:
        m_ctlMemoryList = new MemoryListView(this);
        control = m_ctlMemoryList;
        break;
      case TemplateKind::Tape:
        m_ctlTape = new TapeView(this);
        control = m_ctlTape;
        break;
      case TemplateKind::Display:
        m_ctlDisplay = new DisplayView(this);
        control = m_ctlDisplay;
        connect(m_ctlDisplay, &DisplayView::focusEntered, this, [this] {
          OnCommand(EN_SETFOCUS, IDC_DISPLAY);
          // With the caret at the end, Qt 6.4 hands a screen reader the
          // line without its last character ("50" for 500).
          m_ctlDisplay->home(false);
        });
        connect(m_ctlDisplay, &DisplayView::focusLeft, this,
                [this] { OnCommand(EN_KILLFOCUS, IDC_DISPLAY); });
        break;
      case TemplateKind::HotSpot: {
        auto* spot = new HotSpot(this);
        (row.id == IDC_LOGO ? m_ctlLogo : m_ctlHomepage) = spot;
        const ControlId id = row.id;
        connect(spot, &QAbstractButton::clicked, this, [this, id] { OnCommand(BN_CLICKED, id); });
        control = spot;
        break;
      }
    }
    AddControl(row.id, control);
    control->setGeometry(row.place.x, row.place.y, row.place.width, row.place.height);
    control->setAccessibleName(QString::fromUtf8(row.accessibleName));
    if (row.kind != TemplateKind::HotSpot) {
      control->setFont(templateFont);
      PaintWhite(control);
    }
    if (previous != nullptr) {
      setTabOrder(previous, control);
    }
    previous = control;
  }
  m_ctlMemoryList->setFrameStyle(QFrame::Box | QFrame::Plain);
  m_ctlTape->setFrameStyle(QFrame::Box | QFrame::Plain);
}

void CCalcDlg::OnInitDialog() {
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  setMask(RoundedWindowRegion(kWindowWidth, kWindowHeight, kCornerEllipse));

  CreateTitleButtons();

  m_ctlDisplay->setFont(DisplayFont());
  m_ctlDisplay->setText(QStringLiteral("0"));

  CreateKeypadButtons();

  setWindowIcon(ApplicationIcon());

  // The window menu from the keyboard: as a title bar would offer it, and
  // with the menu keys (the window manager may keep Alt+Space for its own).
  for (const QKeySequence& keys : {QKeySequence(Qt::ALT | Qt::Key_Space), QKeySequence(Qt::Key_Menu),
                                   QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
    auto* menuKey = new QShortcut(keys, this);
    connect(menuKey, &QShortcut::activated, this, [this] { ShowWindowMenu(mapToGlobal(QPoint(0, 0))); });
  }

  InstallSpeech();
  InstallClipboard();
  InstallAmountReadings();
  InstallKeyboardHook();

  // The first control of the tab order starts with the focus.
  m_ctlMemoryList->setFocus(Qt::OtherFocusReason);
}

void CCalcDlg::PlaceOnWorkArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    return;
  }
  move(OpeningPosition(screen->availableGeometry(), size()));
}

void CCalcDlg::AddControl(ControlId id, QWidget* control) { m_controls[id] = control; }

QWidget* CCalcDlg::Control(ControlId id) const {
  const auto found = m_controls.find(id);
  return found != m_controls.end() ? found->second : nullptr;
}

QAbstractButton* CCalcDlg::Button(ControlId id) const { return qobject_cast<QAbstractButton*>(Control(id)); }

void CCalcDlg::OnCommand(Notification notification, ControlId id) {
  if (m_calculator.Dispatch(notification, id)) {
    SpeakResult(notification);
    return;
  }
  // The close button has no entry: it ends the dialog and with it the program.
  if (notification == BN_CLICKED && id == IDCANCEL) {
    reject();
  }
}

void CCalcDlg::OnSysCommand(unsigned command) {
  switch (command & 0xFFF0U) {
    case ABOUT_SYSCOMMAND:
      m_shell.ShowAbout(this);
      break;
    case SC_MINIMIZE_COMMAND:
      OnMinimize();
      break;
    case SC_RESTORE_COMMAND:
      showNormal();
      break;
    case SC_CLOSE_COMMAND:
      reject();
      break;
    case COPY_TAPE_SYSCOMMAND:
      m_clipboard->CopyTape();
      break;
    case PRINT_TAPE_SYSCOMMAND:
      m_clipboard->PrintTape();
      break;
    case COPY_AMOUNT_WORDS_SYSCOMMAND:
      m_amounts->CopyAmount(AmountForm::Words);
      break;
    case COPY_AMOUNT_DOCUMENT_SYSCOMMAND:
      m_amounts->CopyAmount(AmountForm::Document);
      break;
    case UNDO_SYSCOMMAND:
      OnUndo();
      break;
    case REDO_SYSCOMMAND:
      OnRedo();
      break;
    default:
      break;
  }
}

void CCalcDlg::SetDisplayText(const std::string& text) { m_ctlDisplay->setText(QString::fromStdString(text)); }

std::string CCalcDlg::DisplayText() const { return m_ctlDisplay->text().toStdString(); }

void CCalcDlg::UpdateTape(const TapeUpdate& update) { m_ctlTape->ApplyUpdate(update); }

void CCalcDlg::ClearTape() { m_ctlTape->Clear(); }

std::unique_ptr<KeptTape> CCalcDlg::TakeTape() { return m_ctlTape->Take(); }

void CCalcDlg::GiveTape(std::unique_ptr<KeptTape> kept) { m_ctlTape->Give(std::move(kept)); }

void CCalcDlg::OnUndo() {
  if (m_calculator.Undo()) {
    SpeakResult(BN_CLICKED);
  }
}

void CCalcDlg::OnRedo() {
  if (m_calculator.Redo()) {
    SpeakResult(BN_CLICKED);
  }
}

ListSurface& CCalcDlg::MemoryList() { return *m_ctlMemoryList; }

void CCalcDlg::OnMinimize() { showMinimized(); }

void CCalcDlg::OnHomepageLogo() { m_shell.OpenHomepage(m_shell.HomepageAddress()); }

void CCalcDlg::OnHomepageLink() { m_shell.OpenHomepage(m_shell.HomepageAddress()); }

void CCalcDlg::OnAboutButton() { m_shell.ShowAbout(this); }

const QPixmap& CCalcDlg::Skin() const {
  if (devicePixelRatioF() > 1.0) {
    if (m_skinSharp.isNull()) {
      m_skinSharp = LoadArtPixmap(kSkinBitmapId, devicePixelRatioF());
    }
    if (!m_skinSharp.isNull()) {
      return m_skinSharp;
    }
  }
  return m_skinBitmap;
}

void CCalcDlg::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QPixmap& skin = Skin();
  if (skin.isNull()) {
    // Without its skin the face falls back to white.
    painter.fillRect(event->rect(), Qt::white);
    return;
  }
  painter.drawPixmap(0, 0, skin);
}

void CCalcDlg::mousePressEvent(QMouseEvent* event) {
  // Only a bare point of the face drags: presses that a control passed on
  // to its parent do not.
  if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) {
    m_drag->Begin(event->globalPosition());
    event->accept();
    return;
  }
  QDialog::mousePressEvent(event);
}

void CCalcDlg::mouseMoveEvent(QMouseEvent* event) {
  if ((event->buttons() & Qt::LeftButton) && m_drag->Follow(event->globalPosition())) {
    event->accept();
    return;
  }
  QDialog::mouseMoveEvent(event);
}

void CCalcDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_drag->Manual()) {
    m_drag->End();
    event->accept();
    return;
  }
  QDialog::mouseReleaseEvent(event);
}

void CCalcDlg::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() == QContextMenuEvent::Mouse && childAt(event->pos()) == nullptr) {
    ShowWindowMenu(event->globalPos());
    event->accept();
    return;
  }
  QDialog::contextMenuEvent(event);
}

}  // namespace varuno
