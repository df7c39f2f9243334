// The pictures the art generator draws: every bitmap resource of the program
// (the skin and the key pictures) and the application icon.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace varuno::art {

struct ArtPicture {
  int resourceId;  // bitmap resource ID (137..194), or the icon's size in pixels for icons
  QImage image;    // drawn at `scale` times its logical size, 24-bit RGB
};

using ArtList = std::vector<ArtPicture>;

// The skin (137), drawn at `scale` (1 or 2). The notice line shows `homepageHost`.
void DrawSkinArt(ArtList& out, qreal scale, const QString& homepageHost);
// The key, list-button and title-button pictures and the small logo (138..194).
void DrawKeyArt(ArtList& out, qreal scale);
// The sizes of the icon's pictures: those of the hicolor icon theme's
// application icons (the program itself uses 16, 32 and 48).
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The sizes the program compiles in for its window icon.
inline constexpr int kProgramIconSizes[] = {16, 32, 48};
// The application icon at each of kIconSizes (resourceId = size).
void DrawIconArt(ArtList& out);

}  // namespace varuno::art
