// The file format of the compiled bitmaps, written by the art generator and
// read by the window: a header, then the pixel rows exactly as a QImage of
// 32-bit opaque pixels (0xffRRGGBB in the machine's byte order) holds them in
// memory, so loading a picture is a copy from the resources with no decoding.
#pragma once

#include <cstdint>

namespace varuno {

struct RawPictureHeader {
  char magic[4];  // "VRAW"
  std::uint32_t width;
  std::uint32_t height;
  std::uint32_t reserved;  // 0
};
static_assert(sizeof(RawPictureHeader) == 16, "the pixel rows start 16-byte aligned");

inline constexpr char kRawPictureMagic[4] = {'V', 'R', 'A', 'W'};
inline constexpr std::uint32_t kRawPictureBytesPerPixel = 4;

}  // namespace varuno
