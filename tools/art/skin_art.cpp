// Draws the skin (bitmap 137): the light-blue face of the main window with
// its grey rim, the logo, the notice line with the homepage address, and the
// three framed panels of the tape, the memory list and the keypad.
//
// The window places its controls over this picture at fixed pixel positions,
// so every element here is placed to leave those controls' areas clear (or,
// for the display, to frame it): the tape 15,134 162x137, the memory list
// 15,345 162x114, the display 221,143 173x20, the list buttons at y 318-339,
// the keypad grid x 206-409 y 190-459, the title buttons x 372-413 y 10-23,
// and the two hot spots over the logo (143,11 150x63) and over the address
// (269,87 86x15).
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include "art_picture.h"
#include "logo_painter.h"

namespace varuno::art {

namespace {

constexpr int kSkinId = 137;
constexpr int kWidth = 429;
constexpr int kHeight = 491;

const QColor kFaceTop(0xD6, 0xE7, 0xF8);
const QColor kFaceBottom(0xBC, 0xD4, 0xEE);
const QColor kRim(0x80, 0x8C, 0x98);
const QColor kPanel(0xEC, 0xF4, 0xFC);
const QColor kPanelFrame(0x93, 0xAE, 0xCB);
const QColor kHeading(0x1E, 0x4B, 0x7A);
const QColor kNotice(0x3A, 0x4E, 0x66);
const QColor kLink(0x15, 0x4F, 0xC0);
const QColor kDisplayFrame(0x7F, 0x98, 0xB4);

struct Panel {
  QRectF frame;
  QRectF heading;
  const char* title;
};

// Panels and their headings; the headings sit above the controls.
const Panel kPanels[] = {
    {QRectF(11, 110, 172, 170), QRectF(19, 113, 156, 19), "계산 기록"},
    {QRectF(11, 290, 172, 180), QRectF(19, 294, 156, 20), "메모리"},
    {QRectF(197, 110, 220, 360), QRectF(207, 113, 200, 24), "계산기"},
};

const QRectF kLogoArea(143, 11, 150, 63);
const QRectF kAddressArea(269, 87, 86, 15);
const QRectF kNoticeArea(16, 87, 250, 15);  // ends just before the address
const QRectF kDisplayBox(207, 140, 200, 23);

QFont Font(int pixelSize, bool bold) {
  QFont font(QStringLiteral("NanumGothic"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// The largest font up to `pixelSize` in which `text` fits `width`.
QFont FittingFont(const QString& text, qreal width, int pixelSize, bool bold) {
  QFont font = Font(pixelSize, bold);
  while (pixelSize > 6 && QFontMetricsF(font).horizontalAdvance(text) > width) {
    font = Font(--pixelSize, bold);
  }
  return font;
}

void PaintFace(QPainter& p) {
  QLinearGradient face(0, 0, 0, kHeight);
  face.setColorAt(0.0, kFaceTop);
  face.setColorAt(1.0, kFaceBottom);
  p.fillRect(QRectF(0, 0, kWidth, kHeight), face);
  // The window is cut to a round rectangle with a 15-pixel corner ellipse;
  // the rim follows that outline just inside it.
  p.setPen(QPen(kRim, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1.0, kHeight - 1.0), 7.0, 7.0);
}

void PaintLogoArea(QPainter& p) {
  const QRectF mark(kLogoArea.left() + 4, kLogoArea.top() + 5, 53, 53);
  PaintLogo(p, mark);
  const QString title = QStringLiteral("바루노 계산기");
  const QString subtitle = QStringLiteral("VarunoCalc 1.0");
  const qreal textLeft = mark.right() + 6;
  const qreal textWidth = kLogoArea.right() - textLeft - 2;
  p.setPen(kHeading);
  p.setFont(FittingFont(title, textWidth, 16, true));
  p.drawText(QRectF(textLeft, kLogoArea.top() + 12, textWidth, 22), Qt::AlignLeft | Qt::AlignVCenter, title);
  p.setPen(kNotice);
  p.setFont(FittingFont(subtitle, textWidth, 11, false));
  p.drawText(QRectF(textLeft, kLogoArea.top() + 36, textWidth, 15), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
}

void PaintNotice(QPainter& p, const QString& host) {
  const QString notice = QStringLiteral("계산 기록을 남기는 무료 계산기 · 홈페이지");
  p.setPen(kNotice);
  p.setFont(FittingFont(notice, kNoticeArea.width(), 11, false));
  p.drawText(kNoticeArea, Qt::AlignRight | Qt::AlignVCenter, notice);

  QFont link = FittingFont(host, kAddressArea.width() - 2, 11, true);
  link.setUnderline(true);
  p.setPen(kLink);
  p.setFont(link);
  p.drawText(kAddressArea, Qt::AlignCenter, host);
}

void PaintPanels(QPainter& p) {
  for (const Panel& panel : kPanels) {
    p.setPen(QPen(kPanelFrame, 1.0));
    p.setBrush(kPanel);
    p.drawRoundedRect(panel.frame.adjusted(0.5, 0.5, -0.5, -0.5), 5.0, 5.0);

    // A small square bullet in front of the heading.
    const QString title = QString::fromUtf8(panel.title);
    const QRectF bullet(panel.heading.left(), panel.heading.center().y() - 3, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(kHeading);
    p.drawRect(bullet);
    p.setPen(kHeading);
    p.setFont(Font(12, true));
    p.drawText(panel.heading.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
  }
  // The white box the display's text stands in.
  p.setPen(QPen(kDisplayFrame, 1.0));
  p.setBrush(Qt::white);
  p.drawRect(kDisplayBox.adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace

void DrawSkinArt(ArtList& out, qreal scale, const QString& homepageHost) {
  QImage image(qRound(kWidth * scale), qRound(kHeight * scale), QImage::Format_RGB32);
  image.fill(kFaceTop);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    PaintFace(p);
    PaintLogoArea(p);
    PaintNotice(p, homepageHost);
    PaintPanels(p);
  }
  out.push_back({kSkinId, image.convertToFormat(QImage::Format_RGB888)});
}

}  // namespace varuno::art
