#include "ui/button_tooltip.h"

#include "dispatch/button_keys.h"
#include "dispatch/key_table.h"
#include "dispatch/virtual_keys.h"

namespace varuno {

namespace {

// How a key is written on the keyboard; empty for a key of no button.
QString KeyName(VirtualKey key) {
  if (key >= VK_0 && key <= VK_0 + 9) {
    return QString::number(key - VK_0);
  }
  switch (key) {
    case VK_BACK: return QStringLiteral("Backspace");
    case VK_RETURN: return QStringLiteral("Enter");
    case VK_ESCAPE: return QStringLiteral("Esc");
    case VK_DELETE: return QStringLiteral("Delete");
    case VK_NUMLOCK: return QStringLiteral("Num Lock");
    case VK_ADD: return QStringLiteral("+");
    case VK_SUBTRACT: return QStringLiteral("-");
    case VK_MULTIPLY: return QStringLiteral("*");
    case VK_DIVIDE: return QStringLiteral("/");
    case VK_DECIMAL: return QStringLiteral(".");
    default: return {};
  }
}

}  // namespace

QString ButtonToolTip(const ButtonRow& row) {
  const QString name = QString::fromUtf8(row.accessibleName);
  // A key of its own first: it works wherever the focus is (the key table's
  // Delete clicks 삭제 only in the memory list).
  if (const ButtonKey* key = ButtonKeyFor(row.controlId)) {
    return name + QStringLiteral(" (") + QLatin1String(key->label) + QLatin1Char(')');
  }
  // The first key of the table that clicks the button, and that has a name.
  for (const KeyBinding& binding : KeyTable()) {
    if (binding.button == row.controlId) {
      if (const QString key = KeyName(binding.key); !key.isEmpty()) {
        return name + QStringLiteral(" (") + key + QLatin1Char(')');
      }
    }
  }
  return name;
}

}  // namespace varuno
