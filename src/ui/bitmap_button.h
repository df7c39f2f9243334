// A push button that is one picture: its up picture normally, its down
// picture while it is held down. It takes the size of its up picture, is not
// in the tab sequence but takes the focus when clicked, and reports a click
// once per press and release over it (QAbstractButton::clicked).
//
// Each picture is kept at 1x and, where the resources have it, at 2x; the
// button paints the one that fits the screen it is on, so it stays sharp at
// a device pixel ratio of 2 while keeping its logical size and position.
// Pictures from the resources are decoded when first needed: the up picture
// at once (it gives the size), the down picture on the first paint while held,
// the 2x pictures on the first paint on a dense screen.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace varuno {

class BitmapButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit BitmapButton(QWidget* parent = nullptr);

  // Loads the up and down pictures from the bitmap resources. Returns whether
  // the up picture was found; a button without one has no area.
  bool LoadBitmaps(int upResource, int downResource);
  // Sets the pictures directly; a null `up2x` or `down2x` leaves that scale
  // to the 1x picture.
  void SetPictures(const QPixmap& up, const QPixmap& down, const QPixmap& up2x = {},
                   const QPixmap& down2x = {});
  // Gives the button the logical size of its up picture; the position stays.
  void SizeToContent();

  QSize sizeHint() const override;

  // The picture painted now, at the given device pixel ratio.
  const QPixmap& CurrentPicture(qreal devicePixelRatio) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // One picture at both scales. With a resource id, each scale is decoded
  // on first use; set directly, both are there from the start.
  class Picture {
   public:
    Picture() = default;
    explicit Picture(int resource) : m_resource(resource), m_normalLoaded(false), m_denseLoaded(false) {}
    Picture(const QPixmap& normal, const QPixmap& dense);

    const QPixmap& Normal() const;
    // The 2x picture above ratio 1 where there is a matching one, else 1x.
    const QPixmap& At(qreal devicePixelRatio) const;

   private:
    // A 2x picture that does not match its 1x picture would change the
    // button's size on a dense screen; such a picture is not used.
    void DropMismatchedDense() const;

    int m_resource = 0;
    mutable QPixmap m_normal;  // 1x
    mutable QPixmap m_dense;   // 2x with devicePixelRatio 2, or null
    mutable bool m_normalLoaded = true;
    mutable bool m_denseLoaded = true;
  };

  Picture m_up;
  Picture m_down;
};

}  // namespace varuno
