// The tooltip of a bitmap button: its accessible name, followed by the key
// that clicks it, as in "더하기 (+)" or "추가 (Ctrl+M)".
#pragma once

#include <QString>

#include "layout/button_table.h"

namespace varuno {

QString ButtonToolTip(const ButtonRow& row);

}  // namespace varuno
