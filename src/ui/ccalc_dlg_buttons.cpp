// The main window's 27 bitmap buttons, created from the button table: the
// three title buttons before the display is set up, the keypad and the
// memory-list buttons after it.
#include <QString>

#include <cstddef>

#include "bitmap_button.h"
#include "button_table.h"
#include "ccalc_dlg.h"
#include "control_id_property.h"

namespace varuno {

namespace {

void CreateButtons(CCalcDlg& dialog, std::size_t first, std::size_t end) {
  for (std::size_t i = first; i < end; ++i) {
    const ButtonRow& row = ButtonTable()[i];
    auto* button = new BitmapButton(&dialog);
    button->setObjectName(QString::fromLatin1(row.objectName));
    button->setAccessibleName(QString::fromUtf8(row.accessibleName));
    button->setToolTip(QString::fromUtf8(row.toolTip));
    SetControlId(button, row.controlId);
    // The button stands at its corner with no area until it has its picture.
    button->setGeometry(row.x, row.y, 0, 0);
    button->LoadBitmaps(row.upPicture, row.downPicture);
    button->SizeToContent();
    const ControlId id = row.controlId;
    QObject::connect(button, &QAbstractButton::clicked, &dialog,
                     [&dialog, id] { dialog.OnCommand(BN_CLICKED, id); });
    button->show();
    dialog.m_btnKeys[static_cast<std::size_t>(row.element)] = button;
  }
}

}  // namespace

void CCalcDlg::CreateTitleButtons() { CreateButtons(*this, 0, kTitleButtonCount); }

void CCalcDlg::CreateKeypadButtons() { CreateButtons(*this, kTitleButtonCount, kButtonCount); }

}  // namespace varuno
