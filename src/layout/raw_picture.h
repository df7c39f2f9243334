// The file format of the compiled pictures, written by the art generator and
// read by the window: a header, then the pixel rows exactly as a QImage of
// 32-bit pixels (0xAARRGGBB in the machine's byte order; opaque, or with
// premultiplied alpha) holds them in memory, so loading a picture decodes
// nothing.
#pragma once

#include <cstdint>

namespace varuno {

struct RawPictureHeader {
  char magic[4];  // "VRAW"
  std::uint32_t width;
  std::uint32_t height;
  std::uint32_t alpha;  // kRawPictureOpaque or kRawPicturePremultiplied
};
static_assert(sizeof(RawPictureHeader) == 16, "the pixel rows start 16-byte aligned");

inline constexpr char kRawPictureMagic[4] = {'V', 'R', 'A', 'W'};
inline constexpr std::uint32_t kRawPictureBytesPerPixel = 4;
// Every alpha is 0xff (QImage::Format_RGB32).
inline constexpr std::uint32_t kRawPictureOpaque = 0;
// The colours are premultiplied by alpha (QImage::Format_ARGB32_Premultiplied).
inline constexpr std::uint32_t kRawPicturePremultiplied = 1;

}  // namespace varuno
