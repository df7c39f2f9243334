// The program's logo: a blue calculator tile with a paper tape and an orange
// key. Shared by the application icon (its pictures and its scalable
// drawing) and the small logo picture. The logo is one list of shapes in a
// 100 x 100 box, painted with QPainter or written out as SVG, so every form
// of the icon is the same drawing.
#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

namespace varuno::art {

struct LogoShape {
  enum class Kind { RoundedRect, Rect, Ellipse, Polygon };
  Kind kind;
  QPolygonF points;  // the corners of a polygon; else the box's top-left and bottom-right
  QColor fill;
  QColor fillBottom;     // when valid: a top-to-bottom gradient of the whole box, fill to fillBottom
  QColor pen;            // no outline when invalid
  qreal penWidth = 0.0;
  qreal radius = 0.0;    // the corner radius of a rounded rectangle
};

inline std::vector<LogoShape> LogoShapes() {
  using K = LogoShape::Kind;
  const QColor noPen;
  const QColor grey(0x6A, 0x7A, 0x8C);
  return {
      // Body.
      {K::RoundedRect, QPolygonF({{3, 3}, {97, 97}}), QColor(0x4A, 0x9A, 0xEA), QColor(0x1C, 0x58, 0xA8),
       QColor(0x14, 0x44, 0x86), 3.0, 20.0},
      // Paper tape with printed lines.
      {K::Polygon,
       QPolygonF({{16, 12}, {58, 12}, {58, 80}, {51, 86}, {44, 80}, {37, 86}, {30, 80}, {23, 86}, {16, 80}}),
       QColor(0xFF, 0xFF, 0xFF), {}, noPen},
      {K::Rect, QPolygonF({{30, 24}, {52, 31}}), grey, {}, noPen},
      {K::Rect, QPolygonF({{36, 40}, {52, 47}}), grey, {}, noPen},
      {K::Rect, QPolygonF({{22, 56}, {52, 63}}), QColor(0xE0, 0x3A, 0x30), {}, noPen},
      // An orange key with a white plus.
      {K::Ellipse, QPolygonF({{60, 56}, {92, 88}}), QColor(0xF5, 0x92, 0x22), {}, QColor(0xB8, 0x62, 0x0C), 2.5},
      {K::Rect, QPolygonF({{68, 69.5}, {84, 74.5}}), Qt::white, {}, noPen},
      {K::Rect, QPolygonF({{73.5, 64}, {78.5, 80}}), Qt::white, {}, noPen},
  };
}

// Paints the logo into `box` (square or not; it is drawn in the largest
// centred square). The painter should have antialiasing on.
inline void PaintLogo(QPainter& p, const QRectF& box) {
  const qreal side = qMin(box.width(), box.height());
  p.save();
  p.translate(box.center().x() - side / 2.0, box.center().y() - side / 2.0);
  p.scale(side / 100.0, side / 100.0);
  for (const LogoShape& shape : LogoShapes()) {
    if (shape.fillBottom.isValid()) {
      QLinearGradient gradient(0, 0, 0, 100);
      gradient.setColorAt(0.0, shape.fill);
      gradient.setColorAt(1.0, shape.fillBottom);
      p.setBrush(gradient);
    } else {
      p.setBrush(shape.fill);
    }
    p.setPen(shape.pen.isValid() ? QPen(shape.pen, shape.penWidth) : QPen(Qt::NoPen));
    const QRectF rect(shape.points.value(0), shape.points.value(1));
    switch (shape.kind) {
      case LogoShape::Kind::RoundedRect: p.drawRoundedRect(rect, shape.radius, shape.radius); break;
      case LogoShape::Kind::Rect: p.drawRect(rect); break;
      case LogoShape::Kind::Ellipse: p.drawEllipse(rect); break;
      case LogoShape::Kind::Polygon: p.drawPolygon(shape.points); break;
    }
  }
  p.restore();
}

// The logo as an SVG document of `side` x `side` pixels.
inline QString LogoSvg(int side) {
  const auto number = [](qreal value) { return QString::number(value, 'g', 6); };
  QString defs;
  QString body;
  int gradients = 0;
  for (const LogoShape& shape : LogoShapes()) {
    QString fill = shape.fill.name();
    if (shape.fillBottom.isValid()) {
      const QString id = QStringLiteral("g%1").arg(++gradients);
      defs += QStringLiteral(
                  "<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"100\">"
                  "<stop offset=\"0\" stop-color=\"%2\"/><stop offset=\"1\" stop-color=\"%3\"/></linearGradient>")
                  .arg(id, shape.fill.name(), shape.fillBottom.name());
      fill = QStringLiteral("url(#%1)").arg(id);
    }
    QString paint = QStringLiteral(" fill=\"%1\"").arg(fill);
    if (shape.pen.isValid()) {
      paint += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"").arg(shape.pen.name(), number(shape.penWidth));
    }
    const QRectF rect(shape.points.value(0), shape.points.value(1));
    switch (shape.kind) {
      case LogoShape::Kind::RoundedRect:
      case LogoShape::Kind::Rect:
        body += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
                    .arg(number(rect.x()), number(rect.y()), number(rect.width()), number(rect.height()));
        if (shape.kind == LogoShape::Kind::RoundedRect) {
          body += QStringLiteral(" rx=\"%1\" ry=\"%1\"").arg(number(shape.radius));
        }
        break;
      case LogoShape::Kind::Ellipse:
        body += QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"")
                    .arg(number(rect.center().x()), number(rect.center().y()), number(rect.width() / 2),
                         number(rect.height() / 2));
        break;
      case LogoShape::Kind::Polygon: {
        QStringList corners;
        for (const QPointF& point : shape.points) {
          corners << number(point.x()) + QLatin1Char(',') + number(point.y());
        }
        body += QStringLiteral("<polygon points=\"%1\"").arg(corners.join(QLatin1Char(' ')));
        break;
      }
    }
    body += paint + QStringLiteral("/>\n");
  }
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 100 100\">\n"
             "<defs>%2</defs>\n%3</svg>\n")
      .arg(QString::number(side), defs, body);
}

}  // namespace varuno::art
