#include "ui/bitmap_button.h"

#include <QPainter>
#include <QPaintEvent>

#include "ui/art_resources.h"

namespace varuno {

BitmapButton::BitmapButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::PointingHandCursor);
}

bool BitmapButton::LoadBitmaps(int upResource, int downResource) {
  m_up = Picture(upResource);
  m_down = Picture(downResource);
  update();
  return !m_up.Normal().isNull();
}

void BitmapButton::SetPictures(const QPixmap& up, const QPixmap& down, const QPixmap& up2x,
                               const QPixmap& down2x) {
  m_up = Picture(up, up2x);
  m_down = Picture(down, down2x);
  update();
}

void BitmapButton::SizeToContent() { resize(sizeHint()); }

QSize BitmapButton::sizeHint() const { return m_up.Normal().size(); }

BitmapButton::Picture::Picture(const QPixmap& normal, const QPixmap& dense) : m_normal(normal), m_dense(dense) {
  DropMismatchedDense();
}

const QPixmap& BitmapButton::Picture::Normal() const {
  if (!m_normalLoaded) {
    m_normalLoaded = true;
    m_normal = LoadArtPicture(m_resource, 1);
  }
  return m_normal;
}

const QPixmap& BitmapButton::Picture::At(qreal devicePixelRatio) const {
  const QPixmap& normal = Normal();
  if (devicePixelRatio <= 1.0) {
    return normal;
  }
  if (!m_denseLoaded) {
    m_denseLoaded = true;
    m_dense = LoadArtPicture(m_resource, 2);
    DropMismatchedDense();
  }
  return m_dense.isNull() ? normal : m_dense;
}

void BitmapButton::Picture::DropMismatchedDense() const {
  if (!m_dense.isNull() && m_dense.deviceIndependentSize() != QSizeF(m_normal.size())) {
    m_dense = QPixmap();
  }
}

const QPixmap& BitmapButton::CurrentPicture(qreal devicePixelRatio) const {
  // The down picture while held; a button without one stays on its up picture.
  const Picture& picture = isDown() && !m_down.Normal().isNull() ? m_down : m_up;
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
