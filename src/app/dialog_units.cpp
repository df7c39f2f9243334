#include "app/dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <cstdlib>

namespace varuno {

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return DialogBaseUnits{(letters / 26 + 1) / 2, metrics.height()};
}

int MulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
  return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

QRect UnitsToPixels(const QRect& units, DialogBaseUnits base) {
  return QRect(MulDiv(units.x(), base.cx, 4), MulDiv(units.y(), base.cy, 8),
               MulDiv(units.width(), base.cx, 4), MulDiv(units.height(), base.cy, 8));
}

}  // namespace varuno
