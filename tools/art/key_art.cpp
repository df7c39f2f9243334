// Draws the key, list-button and title-button pictures and the small logo.
//
// Every key is a rounded, glossy tile with a one-pixel darker rim and a white
// legend; its down picture is the same tile lighter and washed out, with the
// legend one pixel lower. Pictures are drawn in logical pixels on a painter
// scaled by `scale`, so the 2x set has the same design at twice the detail.
#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>

#include <cstdint>

#include "art_picture.h"
#include "layout/picture_catalogue.h"
#include "logo_painter.h"

namespace varuno::art {

namespace {

using KeyPicture = Picture;

// What lies around a picture on the skin: it shows in the rounded-off corners,
// which a 24-bit picture cannot leave transparent.
constexpr QRgb kKeypadPanel = 0xECF4FC;
constexpr QRgb kListPanel = 0xECF4FC;
constexpr QRgb kFace = 0xD5E6F7;

constexpr const char* kKoreanFontFile = "/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf";

QString LegendFamily() {
  const QString family = QStringLiteral("NanumGothic");
  if (!QFontDatabase::families().contains(family)) {
    QFontDatabase::addApplicationFont(QString::fromLatin1(kKoreanFontFile));
  }
  return family;
}

QFont LegendFont(qreal pixelSize) {
  QFont font(LegendFamily());
  font.setPixelSize(qRound(pixelSize));
  font.setBold(true);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QColor BaseColor(Face face) {
  switch (face) {
    case Face::Orange: return {0xF0, 0x8C, 0x1E};
    case Face::Blue: return {0x2F, 0x74, 0xD0};
    case Face::Magenta: return {0xC8, 0x3C, 0xA8};
    case Face::Red: return {0xDC, 0x3A, 0x32};
    case Face::Green: return {0x3C, 0xA8, 0x46};
    case Face::List:
    case Face::Title:
    case Face::Logo:
    case Face::Skin: return {0xFF, 0xFF, 0xFF};
  }
  return {0xFF, 0xFF, 0xFF};
}

// The pressed shade: lighter, with less colour.
QColor Washed(const QColor& color) {
  const QColor mixed = QColor::fromRgbF(color.redF() * 0.55f + 0.45f, color.greenF() * 0.55f + 0.45f,
                                        color.blueF() * 0.55f + 0.45f);
  QColor hsv = mixed.toHsv();
  hsv.setHsv(hsv.hue(), hsv.saturation() * 3 / 4, hsv.value());
  return hsv.toRgb();
}

// A rounded glossy tile over the whole picture.
void PaintTile(QPainter& p, const QSizeF& size, const QColor& base) {
  const QRectF outer(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
  const qreal radius = 6.0;

  QLinearGradient body(0, 0, 0, size.height());
  body.setColorAt(0.0, base.lighter(122));
  body.setColorAt(0.5, base);
  body.setColorAt(1.0, base.darker(112));
  p.setPen(QPen(base.darker(150), 1.0));
  p.setBrush(body);
  p.drawRoundedRect(outer, radius, radius);

  // Gloss: a soft white band over the upper part, inside the rim.
  const QRectF gloss(2.0, 1.5, size.width() - 4.0, qMin(size.height() * 0.46, 20.0));
  QLinearGradient shine(0, gloss.top(), 0, gloss.bottom());
  shine.setColorAt(0.0, QColor(255, 255, 255, 150));
  shine.setColorAt(1.0, QColor(255, 255, 255, 25));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawRoundedRect(gloss, radius - 1.5, radius - 1.5);
}

// Fills `path` in white over a shadow one pixel lower in the tile's dark
// shade. `embolden` widens thin font strokes by outlining them.
void PaintWhiteShape(QPainter& p, const QPainterPath& path, const QColor& shade, qreal embolden) {
  QColor shadow = shade.darker(170);
  shadow.setAlpha(170);
  const QPen outline = embolden > 0.0 ? QPen(shadow, embolden) : QPen(Qt::NoPen);
  p.setPen(outline);
  p.setBrush(shadow);
  p.drawPath(path.translated(0.0, 1.0));
  p.setPen(embolden > 0.0 ? QPen(Qt::white, embolden) : QPen(Qt::NoPen));
  p.setBrush(Qt::white);
  p.drawPath(path);
}

QPainterPath TextPath(const QString& text, const QFont& font, const QPointF& center) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF box = path.boundingRect();
  return path.translated(center - box.center());
}

QPainterPath BarPath(const QPointF& center, qreal length, qreal thickness) {
  QPainterPath path;
  path.addRoundedRect(QRectF(center.x() - length / 2, center.y() - thickness / 2, length, thickness),
                      thickness / 3, thickness / 3);
  return path;
}

QPainterPath DotPath(const QPointF& center, qreal radius) {
  QPainterPath path;
  path.addEllipse(center, radius, radius);
  return path;
}

QPainterPath KeyGlyph(const KeyPicture& key, const QPointF& c) {
  const qreal bar = 3.2;
  switch (key.glyph) {
    case Glyph::Text: {
      const QString text = QString::fromUtf8(key.text);
      const qreal size = text.size() >= 4 ? 12.5 : (text.size() == 2 ? 18.0 : 20.0);
      return TextPath(text, LegendFont(size), c);
    }
    case Glyph::Backspace: {
      QPainterPath path;
      path.moveTo(c.x() - 10, c.y());
      path.lineTo(c.x() - 2, c.y() - 7);
      path.lineTo(c.x() - 2, c.y() - 2.2);
      path.lineTo(c.x() + 10, c.y() - 2.2);
      path.lineTo(c.x() + 10, c.y() + 2.2);
      path.lineTo(c.x() - 2, c.y() + 2.2);
      path.lineTo(c.x() - 2, c.y() + 7);
      path.closeSubpath();
      return path;
    }
    case Glyph::Divide: {
      QPainterPath path = BarPath(c, 16, bar);
      path.addPath(DotPath(c + QPointF(0, -6), 2.2));
      path.addPath(DotPath(c + QPointF(0, 6), 2.2));
      return path;
    }
    case Glyph::Multiply: {
      const QPainterPath cross = BarPath(c, 17, bar).united(BarPath(c, bar, 17));
      QTransform turn;
      turn.translate(c.x(), c.y());
      turn.rotate(45);
      turn.translate(-c.x(), -c.y());
      return turn.map(cross);
    }
    case Glyph::Minus: return BarPath(c, 16, bar);
    case Glyph::Plus: {
      return BarPath(c, 20, 3.6).united(BarPath(c, 3.6, 20));
    }
    case Glyph::Equals: {
      QPainterPath path = BarPath(c + QPointF(0, -4), 20, 3.6);
      path.addPath(BarPath(c + QPointF(0, 4), 20, 3.6));
      return path;
    }
    case Glyph::Point: return DotPath(c + QPointF(0, 4), 3.0);
    default: return {};
  }
}

void PaintKey(QPainter& p, const KeyPicture& key) {
  const QSizeF size(key.width, key.height);
  const QColor base = key.down ? Washed(BaseColor(key.face)) : BaseColor(key.face);
  PaintTile(p, size, base);
  QPointF center(size.width() / 2.0, size.height() / 2.0);
  if (key.down) {
    center += QPointF(0.0, 1.0);
  }
  const qreal embolden = key.glyph == Glyph::Text ? 0.7 : 0.0;
  PaintWhiteShape(p, KeyGlyph(key, center), key.down ? BaseColor(key.face) : base, embolden);
}

// A white button with a thin grey frame, a coloured symbol and dark text.
void PaintListButton(QPainter& p, const KeyPicture& key) {
  const QSizeF size(key.width, key.height);
  const QRectF frame(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
  QLinearGradient body(0, 0, 0, size.height());
  if (key.down) {
    body.setColorAt(0.0, QColor(0xDD, 0xE6, 0xEE));
    body.setColorAt(1.0, QColor(0xEE, 0xF3, 0xF7));
  } else {
    body.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    body.setColorAt(1.0, QColor(0xE8, 0xEC, 0xF0));
  }
  p.setPen(QPen(QColor(0x9A, 0xA4, 0xAE), 1.0));
  p.setBrush(body);
  p.drawRoundedRect(frame, 3.0, 3.0);

  const qreal shift = key.down ? 1.0 : 0.0;
  const QFont font = LegendFont(key.glyph == Glyph::ListClear ? 11.0 : 12.0);
  QPainterPath text;
  text.addText(0, 0, font, QString::fromUtf8(key.text));
  const qreal symbolWidth = key.glyph == Glyph::ListClear ? 0.0 : 9.0;
  const qreal gap = key.glyph == Glyph::ListClear ? 0.0 : 3.0;
  const qreal total = symbolWidth + gap + text.boundingRect().width();
  const qreal left = (size.width() - total) / 2.0 + shift;
  const qreal midY = size.height() / 2.0 + shift;

  p.setPen(Qt::NoPen);
  if (key.glyph == Glyph::ListAdd) {
    // A green arrow pointing right, towards the text.
    QPainterPath arrow;
    arrow.moveTo(left, midY - 1.6);
    arrow.lineTo(left + 4.5, midY - 1.6);
    arrow.lineTo(left + 4.5, midY - 4.5);
    arrow.lineTo(left + 9.0, midY);
    arrow.lineTo(left + 4.5, midY + 4.5);
    arrow.lineTo(left + 4.5, midY + 1.6);
    arrow.lineTo(left, midY + 1.6);
    arrow.closeSubpath();
    p.setBrush(QColor(0x2E, 0xA0, 0x3A));
    p.drawPath(arrow);
  } else if (key.glyph == Glyph::ListDelete) {
    p.setPen(QPen(QColor(0xD8, 0x2C, 0x24), 2.2, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(left + 4.5, midY);
    p.drawLine(c + QPointF(-3.3, -3.3), c + QPointF(3.3, 3.3));
    p.drawLine(c + QPointF(-3.3, 3.3), c + QPointF(3.3, -3.3));
    p.setPen(Qt::NoPen);
  }
  const QRectF box = text.boundingRect();
  const QPointF textCenter(left + symbolWidth + gap + box.width() / 2.0, midY);
  p.setBrush(QColor(0x33, 0x3A, 0x44));
  p.drawPath(text.translated(textCenter - box.center()));
}

// A small white square with a dark frame and a dark glyph.
void PaintTitleButton(QPainter& p, const KeyPicture& key) {
  const QColor dark(0x3A, 0x44, 0x52);
  p.setPen(QPen(dark, 1.0));
  p.setBrush(key.down ? QColor(0xC8, 0xD4, 0xE0) : QColor(0xFF, 0xFF, 0xFF));
  p.drawRect(QRectF(0.5, 0.5, key.width - 1.0, key.height - 1.0));
  p.setPen(QPen(dark, 1.6, Qt::SolidLine, Qt::FlatCap));
  const qreal o = key.down ? 0.5 : 0.0;
  switch (key.glyph) {
    case Glyph::Close:
      p.drawLine(QPointF(3.5 + o, 3.5 + o), QPointF(9.5 + o, 9.5 + o));
      p.drawLine(QPointF(3.5 + o, 9.5 + o), QPointF(9.5 + o, 3.5 + o));
      break;
    case Glyph::Minimize:
      p.setPen(Qt::NoPen);
      p.setBrush(dark);
      p.drawRect(QRectF(3.0 + o, 8.0 + o, 7.0, 2.0));
      break;
    case Glyph::About:
      p.setPen(Qt::NoPen);
      p.setBrush(dark);
      p.drawRect(QRectF(5.5 + o, 2.5 + o, 2.0, 2.0));
      p.drawRect(QRectF(5.5 + o, 5.5 + o, 2.0, 5.0));
      break;
    default: break;
  }
}

QRgb Surround(Face face) {
  switch (face) {
    case Face::List: return kListPanel;
    case Face::Title: return kFace;
    case Face::Logo: return 0xFFFFFF;
    default: return kKeypadPanel;
  }
}

QImage DrawPicture(const KeyPicture& key, qreal scale) {
  QImage canvas(qRound(key.width * scale), qRound(key.height * scale),
                QImage::Format_ARGB32_Premultiplied);
  canvas.fill(QColor::fromRgb(Surround(key.face)));
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  switch (key.face) {
    case Face::List: PaintListButton(p, key); break;
    case Face::Title: PaintTitleButton(p, key); break;
    case Face::Logo: PaintLogo(p, QRectF(0, 0, key.width, key.height)); break;
    default: PaintKey(p, key); break;
  }
  p.end();
  return canvas.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

void DrawKeyArt(ArtList& out, qreal scale) {
  for (const KeyPicture& key : kPictures) {
    if (key.face == Face::Skin) {
      continue;  // drawn by DrawSkinArt
    }
    out.push_back({key.resourceId, DrawPicture(key, scale)});
  }
}

}  // namespace varuno::art
