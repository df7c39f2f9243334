// The main window's 27 bitmap buttons, created from the button table: the
// three title buttons before the display is set up, the keypad and the
// memory-list buttons after it.
#include <QString>

#include <cstddef>

#include "layout/button_table.h"
#include "ui/bitmap_button.h"
#include "ui/button_tooltip.h"
#include "ui/ccalc_dlg.h"

namespace varuno {

void CCalcDlg::CreateButtons(std::size_t first, std::size_t end) {
  for (std::size_t i = first; i < end; ++i) {
    const ButtonRow& row = ButtonTable()[i];
    auto* button = new BitmapButton(this);
    button->setObjectName(QString::fromLatin1(row.objectName));
    button->setAccessibleName(QString::fromUtf8(row.accessibleName));
    button->setToolTip(ButtonToolTip(row));
    // The button stands at its corner with no area until it has its picture.
    button->setGeometry(row.x, row.y, 0, 0);
    button->LoadBitmaps(row.upPicture, row.downPicture);
    button->SizeToContent();
    const ControlId id = row.controlId;
    connect(button, &QAbstractButton::clicked, this, [this, id, button] { OnButtonClicked(id, button); });
    button->show();
    AddControl(id, button);
    m_btnKeys[static_cast<std::size_t>(row.element)] = button;
  }
}

void CCalcDlg::CreateTitleButtons() { CreateButtons(0, kTitleButtonCount); }

void CCalcDlg::CreateKeypadButtons() { CreateButtons(kTitleButtonCount, kButtonCount); }

}  // namespace varuno
