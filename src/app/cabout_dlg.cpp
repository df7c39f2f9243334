#include "app/cabout_dlg.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QStringList>
#include <QPushButton>

#include <algorithm>

#include "app/dialog_units.h"
#include "ui/keyboard/input_method_guard.h"
#include "ui/ui_fonts.h"

namespace varuno {

namespace {

constexpr int kIconSize = 32;
// The box's narrowest margin: the icon's distance from the left edge.
constexpr int kMarginUnits = 13;

// Every control lies inside the box, and exactly one is the OK button (ID 1).
constexpr bool TemplateIsSound() {
  int okButtons = 0;
  for (const AboutControl& control : kAboutControls) {
    if (control.x < 0 || control.y < 0 || control.x + control.cx > kAboutWidthUnits ||
        control.y + control.cy > kAboutHeightUnits) {
      return false;
    }
    if (control.kind == AboutControlKind::OkButton) {
      okButtons += control.id == 1 ? 1 : 2;
    }
  }
  return okButtons == 1;
}
static_assert(TemplateIsSound());

QRect UnitRect(const AboutControl& control) { return QRect(control.x, control.y, control.cx, control.cy); }

// A text line keeps its place and height. Where the text (a long host name)
// is wider than its template box, the box grows to the right up to the
// dialog's margin, and a text that still does not fit is elided in the
// middle with the whole text as its tool tip, rather than cut off.
void PlaceText(QLabel& label, const QString& text, QRect pixels, int widest) {
  const QFontMetrics metrics(label.font());
  const int needed = metrics.horizontalAdvance(text);
  QString shown = text;
  if (needed > pixels.width()) {
    widest = std::max(widest, pixels.width());
    pixels.setWidth(std::min(needed, widest));
    if (needed > widest) {
      shown = metrics.elidedText(text, Qt::ElideMiddle, widest);
      label.setToolTip(text);
    }
  }
  label.setText(shown);
  label.setGeometry(pixels);
}

}  // namespace

QFont CAboutDlg::DialogFont() {
  EnsureBundledFonts();
  QFont font(QString::fromLatin1(kDisplayFontFamily));
  font.setPixelSize(12);
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

CAboutDlg::CAboutDlg(const QString& homepageHost, QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(QString::fromUtf8(kAboutTitle));
  setFont(DialogFont());
  setSizeGripEnabled(false);
  new InputMethodGuard(this);  // as in the calculator: keys are never held by an input method

  const DialogBaseUnits base = BaseUnitsOf(font());
  const QRect box = UnitsToPixels(QRect(0, 0, kAboutWidthUnits, kAboutHeightUnits), base);
  setFixedSize(box.size());

  QStringList lines;
  for (const AboutControl& control : kAboutControls) {
    const QRect pixels = UnitsToPixels(UnitRect(control), base);
    switch (control.kind) {
      case AboutControlKind::Text:
      case AboutControlKind::HomepageText: {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QString text = QString::fromUtf8(control.text);
        if (control.kind == AboutControlKind::HomepageText) {
          text += homepageHost;
        }
        PlaceText(*label, text, pixels, box.width() - pixels.x() - MulDiv(kMarginUnits, base.cx, 4));
        label->setAccessibleName(text);  // whole, also where the label shows it elided
        lines.append(text);
        break;
      }
      case AboutControlKind::Icon: {
        auto* icon = new QLabel(this);
        // An icon control takes the icon's own size at its template place.
        icon->setGeometry(pixels.x(), pixels.y(), kIconSize, kIconSize);
        icon->setPixmap(windowIcon().pixmap(kIconSize, kIconSize));
        break;
      }
      case AboutControlKind::OkButton: {
        auto* ok = new QPushButton(QString::fromUtf8(control.text), this);
        ok->setGeometry(pixels);
        ok->setDefault(true);
        ok->setAutoDefault(true);
        ok->setFocus(Qt::OtherFocusReason);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        break;
      }
    }
  }
  // As the box opens, a screen reader reads its first line with its name and
  // then its description; the lines after the first are read only from
  // there (the focus is on 확인).
  setAccessibleDescription(lines.mid(1).join(QStringLiteral(". ")));
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace varuno
