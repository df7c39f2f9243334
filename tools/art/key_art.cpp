// Draws the key, list-button and title-button pictures and the small logo.
#include "art_picture.h"

#include <QPainter>

namespace varuno::art {

namespace {

struct KeyPicture {
  int resourceId;
  int width;
  int height;
};

// Every picture with its logical size.
constexpr KeyPicture kKeyPictures[] = {
    {138, 67, 38}, {185, 67, 38},
    {139, 42, 38}, {140, 42, 38}, {141, 42, 38}, {142, 42, 38}, {143, 42, 38}, {144, 42, 38},
    {148, 42, 38}, {149, 42, 38}, {150, 42, 38}, {151, 42, 38}, {152, 42, 38}, {153, 42, 38},
    {154, 42, 38}, {155, 42, 38}, {156, 42, 38}, {157, 42, 38}, {158, 42, 38}, {160, 42, 38},
    {167, 42, 38}, {168, 42, 38}, {169, 42, 38}, {170, 42, 38}, {171, 42, 38}, {172, 42, 38},
    {173, 42, 38}, {174, 42, 38}, {175, 42, 38}, {176, 42, 38}, {177, 42, 38}, {179, 42, 38},
    {180, 42, 38}, {181, 42, 38}, {182, 42, 38}, {184, 42, 38}, {186, 42, 38}, {187, 42, 38},
    {145, 44, 85}, {147, 44, 85}, {178, 44, 85}, {183, 44, 85},
    {161, 52, 21}, {162, 52, 21}, {163, 47, 21}, {164, 47, 21}, {165, 55, 21}, {166, 55, 21},
    {188, 13, 13}, {189, 13, 13}, {190, 13, 13}, {191, 13, 13}, {192, 13, 13}, {193, 13, 13},
    {194, 37, 37},
};

}  // namespace

void DrawKeyArt(ArtList& out, qreal scale) {
  for (const KeyPicture& picture : kKeyPictures) {
    QImage image(qRound(picture.width * scale), qRound(picture.height * scale),
                 QImage::Format_RGB888);
    image.fill(QColor(240, 150, 40));
    out.push_back({picture.resourceId, image});
  }
}

}  // namespace varuno::art
