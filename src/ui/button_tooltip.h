// The tooltip of a bitmap button: its accessible name, followed by the key
// that clicks it where the key table has one, as in "더하기 (+)".
#pragma once

#include <QString>

#include "layout/button_table.h"

namespace varuno {

QString ButtonToolTip(const ButtonRow& row);

}  // namespace varuno
