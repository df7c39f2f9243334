// Every control of the main window carries its control ID as a dynamic
// property, so the window can find any of them by ID (CCalcDlg::Control)
// whoever created it.
#pragma once

#include <QVariant>
#include <QWidget>

#include "control_ids.h"

namespace varuno {

inline constexpr char kControlIdProperty[] = "varunoControlId";

inline void SetControlId(QWidget* widget, ControlId id) {
  widget->setProperty(kControlIdProperty, QVariant::fromValue<int>(id));
}

// The control ID of a widget, or -1 when it carries none.
inline int ControlIdOf(const QWidget* widget) {
  const QVariant value = widget->property(kControlIdProperty);
  return value.isValid() ? value.toInt() : -1;
}

}  // namespace varuno
