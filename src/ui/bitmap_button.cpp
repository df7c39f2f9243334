#include "bitmap_button.h"

#include <QPainter>
#include <QPaintEvent>

#include "art_resources.h"

namespace varuno {

BitmapButton::BitmapButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::PointingHandCursor);
}

bool BitmapButton::LoadBitmaps(int upResource, int downResource) {
  const auto load = [](int resource, int scale) {
    QPixmap pixmap(ArtResourcePath(resource, scale));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  };
  SetPictures(load(upResource, 1), load(downResource, 1), load(upResource, 2),
              load(downResource, 2));
  return !m_up.normal.isNull();
}

void BitmapButton::SetPictures(const QPixmap& up, const QPixmap& down, const QPixmap& up2x,
                               const QPixmap& down2x) {
  m_up = Picture{up, up2x};
  m_down = Picture{down, down2x};
  // A 2x picture that does not match its 1x picture would change the
  // button's size on a dense screen; such a picture is not used.
  for (Picture* picture : {&m_up, &m_down}) {
    if (!picture->dense.isNull() &&
        picture->dense.deviceIndependentSize() != QSizeF(picture->normal.size())) {
      picture->dense = QPixmap();
    }
  }
  update();
}

void BitmapButton::SizeToContent() { resize(sizeHint()); }

QSize BitmapButton::sizeHint() const { return m_up.normal.size(); }

const QPixmap& BitmapButton::Picture::At(qreal devicePixelRatio) const {
  return devicePixelRatio > 1.0 && !dense.isNull() ? dense : normal;
}

const QPixmap& BitmapButton::CurrentPicture(qreal devicePixelRatio) const {
  // The down picture while held; a button without one stays on its up picture.
  const Picture& picture = isDown() && !m_down.normal.isNull() ? m_down : m_up;
  return picture.At(devicePixelRatio);
}

void BitmapButton::paintEvent(QPaintEvent* event) {
  static_cast<void>(event);
  QPainter painter(this);
  const QPixmap& picture = CurrentPicture(devicePixelRatioF());
  if (picture.isNull()) {
    return;
  }
  // Exact pixels at 1x and 2x; at a fractional ratio the nearer picture is
  // scaled smoothly.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(QRectF(rect()), picture, QRectF(picture.rect()));
}

}  // namespace varuno
