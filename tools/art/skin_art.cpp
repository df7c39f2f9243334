// Draws the skin (bitmap 137): the light-blue face of the main window with
// its grey rim, the logo, the notice line with the homepage address, and the
// three framed panels of the tape, the memory list and the keypad.
//
// The window places its controls over this picture at the places of the
// layout catalogue, and every element here is placed from those same
// rectangles: the panels stand around the controls they hold, the display
// box frames the display, and the logo and the address lie under their hot
// spots.
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <array>

#include "art_picture.h"
#include "layout/button_table.h"
#include "layout/picture_catalogue.h"
#include "layout/window_layout.h"
#include "logo_painter.h"

namespace varuno::art {

namespace {

constexpr int kWidth = kWindowWidth;
constexpr int kHeight = kWindowHeight;
static_assert(kPictures[PictureIndex(kSkinPictureId)].width == kWidth &&
                  kPictures[PictureIndex(kSkinPictureId)].height == kHeight,
              "the skin is not the size of the window");

const QColor kFaceTop(0xD6, 0xE7, 0xF8);
const QColor kFaceBottom(0xBC, 0xD4, 0xEE);
const QColor kRim(0x80, 0x8C, 0x98);
const QColor kPanel(0xEC, 0xF4, 0xFC);
const QColor kPanelFrame(0x93, 0xAE, 0xCB);
const QColor kHeading(0x1E, 0x4B, 0x7A);
const QColor kNotice(0x3A, 0x4E, 0x66);
const QColor kLink(0x15, 0x4F, 0xC0);
const QColor kDisplayFrame = QColor::fromRgb(kDisplayFrameRgb);

QRectF Rect(const PixelRect& r) { return QRectF(r.x, r.y, r.width, r.height); }

// The smallest rectangle around the buttons of one kind.
QRectF ButtonsOfKind(ButtonKind kind) {
  QRectF around;
  for (const ButtonRow& row : ButtonTable()) {
    if (row.kind == kind) {
      const Picture* up = FindPicture(row.upPicture);
      around |= QRectF(row.x, row.y, up->width, up->height);
    }
  }
  return around;
}

struct Panel {
  QRectF frame;
  qreal contentTop;  // where the panel's first control starts, below its heading
  const char* title;
};

// The three panels, each around the controls it holds, with room for a
// heading above them.
std::array<Panel, 3> Panels() {
  const QRectF tape = Rect(TemplatePlace(IDC_TAPE));
  const QRectF memory = Rect(TemplatePlace(IDC_MEMORY_LIST)) | ButtonsOfKind(ButtonKind::List);
  const QRectF keypad = Rect(kDisplayBox) | ButtonsOfKind(ButtonKind::Key);
  return {{
      {tape.adjusted(-4, -24, 6, 9), tape.top(), "계산 기록"},
      {memory.adjusted(-4, -28, 6, 11), memory.top(), "메모리"},
      {keypad.adjusted(-9, -30, 8, 11), keypad.top(), "계산기"},
  }};
}

const QRectF kLogoArea = Rect(TemplatePlace(IDC_LOGO));
const QRectF kAddressArea = Rect(TemplatePlace(IDC_HOMEPAGE));
// The notice ends just before the address.
const QRectF kNoticeArea(16, kAddressArea.top(), kAddressArea.left() - 19, kAddressArea.height());

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
  for (const Panel& panel : Panels()) {
    p.setPen(QPen(kPanelFrame, 1.0));
    p.setBrush(kPanel);
    p.drawRoundedRect(panel.frame.adjusted(0.5, 0.5, -0.5, -0.5), 5.0, 5.0);

    // A small square bullet in front of the heading.
    const QString title = QString::fromUtf8(panel.title);
    const QRectF heading(panel.frame.left() + 8, panel.frame.top() + 3, panel.frame.width() - 16,
                         panel.contentTop - panel.frame.top() - 5);
    const QRectF bullet(heading.left(), heading.center().y() - 3, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(kHeading);
    p.drawRect(bullet);
    p.setPen(kHeading);
    p.setFont(Font(12, true));
    p.drawText(heading.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
  }
  // The white box the display's text stands in: a one-pixel frame just
  // outside the display on every side, filled so its corners are whole.
  const QRectF box = Rect(kDisplayBox);
  p.fillRect(box, kDisplayFrame);
  p.fillRect(box.adjusted(1, 1, -1, -1), Qt::white);
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
  out.push_back({kSkinPictureId, image.convertToFormat(QImage::Format_RGB888)});
}

}  // namespace varuno::art
