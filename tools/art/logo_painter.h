// The program's logo: a blue calculator tile with a paper tape and an orange
// key. Shared by the application icon and the small logo picture.
#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace varuno::art {

// Paints the logo into `box` (square or not; it is drawn in the largest
// centred square). The painter should have antialiasing on.
inline void PaintLogo(QPainter& p, const QRectF& box) {
  const qreal side = qMin(box.width(), box.height());
  p.save();
  p.translate(box.center().x() - side / 2.0, box.center().y() - side / 2.0);
  p.scale(side / 100.0, side / 100.0);

  // Body.
  QLinearGradient body(0, 0, 0, 100);
  body.setColorAt(0.0, QColor(0x4A, 0x9A, 0xEA));
  body.setColorAt(1.0, QColor(0x1C, 0x58, 0xA8));
  p.setPen(QPen(QColor(0x14, 0x44, 0x86), 3.0));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(3, 3, 94, 94), 20, 20);

  // Paper tape with printed lines.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xFF, 0xFF));
  QPainterPath tape;
  tape.moveTo(16, 12);
  tape.lineTo(58, 12);
  tape.lineTo(58, 80);
  tape.lineTo(51, 86);
  tape.lineTo(44, 80);
  tape.lineTo(37, 86);
  tape.lineTo(30, 80);
  tape.lineTo(23, 86);
  tape.lineTo(16, 80);
  tape.closeSubpath();
  p.drawPath(tape);
  p.setBrush(QColor(0x6A, 0x7A, 0x8C));
  p.drawRect(QRectF(30, 24, 22, 7));
  p.drawRect(QRectF(36, 40, 16, 7));
  p.setBrush(QColor(0xE0, 0x3A, 0x30));
  p.drawRect(QRectF(22, 56, 30, 7));

  // An orange key with a white plus.
  p.setPen(QPen(QColor(0xB8, 0x62, 0x0C), 2.5));
  p.setBrush(QColor(0xF5, 0x92, 0x22));
  p.drawEllipse(QRectF(60, 56, 32, 32));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(68, 69.5, 16, 5));
  p.drawRect(QRectF(73.5, 64, 5, 16));
  p.restore();
}

}  // namespace varuno::art
