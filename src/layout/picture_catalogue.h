// Every bitmap of the program as data: its resource ID, its size in logical
// pixels, its face, what is drawn on it, and whether it is a button's down
// picture. The art generator draws from this catalogue; the window and the
// tests check the compiled pictures against it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace varuno {

enum class Face : std::uint8_t {
  Orange,   // digits, 00 and point
  Blue,     // Reset
  Magenta,  // C/CE and backspace
  Red,      // sign and the operators ÷ × −
  Green,    // + and =
  List,     // the memory-list buttons
  Title,    // the small title buttons
  Logo,     // the small logo picture
  Skin,     // the skin of the whole window
};

enum class Glyph : std::uint8_t {
  Text,       // the row's text
  Backspace,  // a left arrow
  Divide,
  Multiply,
  Minus,
  Plus,
  Equals,
  Point,
  ListAdd,     // green arrow, then the text
  ListDelete,  // red cross, then the text
  ListClear,   // the text alone
  Close,       // small cross
  About,       // small i
  Minimize,    // small bar
  Logo,
  None,        // the skin: drawn by its own painter
};

struct Picture {
  int resourceId;
  int width;  // logical size in pixels
  int height;
  Face face;
  Glyph glyph;
  bool down;
  const char* text;  // UTF-8 legend for Text and the list glyphs
};

// Bitmap resources 137..194 without 146 and 159.
inline constexpr std::size_t kPictureCount = 56;
inline constexpr int kSkinPictureId = 137;

inline constexpr std::array<Picture, kPictureCount> kPictures = {{
    {137, 429, 491, Face::Skin, Glyph::None, false, ""},
    {138, 67, 38, Face::Blue, Glyph::Text, false, "Reset"},
    {185, 67, 38, Face::Blue, Glyph::Text, true, "Reset"},
    {139, 42, 38, Face::Magenta, Glyph::Text, false, "C/CE"},
    {180, 42, 38, Face::Magenta, Glyph::Text, true, "C/CE"},
    {140, 42, 38, Face::Magenta, Glyph::Backspace, false, ""},
    {179, 42, 38, Face::Magenta, Glyph::Backspace, true, ""},
    {141, 42, 38, Face::Red, Glyph::Text, false, "+/\u2212"},
    {186, 42, 38, Face::Red, Glyph::Text, true, "+/\u2212"},
    {142, 42, 38, Face::Red, Glyph::Divide, false, ""},
    {181, 42, 38, Face::Red, Glyph::Divide, true, ""},
    {143, 42, 38, Face::Red, Glyph::Multiply, false, ""},
    {184, 42, 38, Face::Red, Glyph::Multiply, true, ""},
    {144, 42, 38, Face::Red, Glyph::Minus, false, ""},
    {187, 42, 38, Face::Red, Glyph::Minus, true, ""},
    {150, 42, 38, Face::Orange, Glyph::Text, false, "0"},
    {168, 42, 38, Face::Orange, Glyph::Text, true, "0"},
    {151, 42, 38, Face::Orange, Glyph::Text, false, "1"},
    {169, 42, 38, Face::Orange, Glyph::Text, true, "1"},
    {152, 42, 38, Face::Orange, Glyph::Text, false, "2"},
    {170, 42, 38, Face::Orange, Glyph::Text, true, "2"},
    {153, 42, 38, Face::Orange, Glyph::Text, false, "3"},
    {171, 42, 38, Face::Orange, Glyph::Text, true, "3"},
    {154, 42, 38, Face::Orange, Glyph::Text, false, "4"},
    {172, 42, 38, Face::Orange, Glyph::Text, true, "4"},
    {155, 42, 38, Face::Orange, Glyph::Text, false, "5"},
    {173, 42, 38, Face::Orange, Glyph::Text, true, "5"},
    {156, 42, 38, Face::Orange, Glyph::Text, false, "6"},
    {174, 42, 38, Face::Orange, Glyph::Text, true, "6"},
    {157, 42, 38, Face::Orange, Glyph::Text, false, "7"},
    {175, 42, 38, Face::Orange, Glyph::Text, true, "7"},
    {158, 42, 38, Face::Orange, Glyph::Text, false, "8"},
    {176, 42, 38, Face::Orange, Glyph::Text, true, "8"},
    {160, 42, 38, Face::Orange, Glyph::Text, false, "9"},
    {177, 42, 38, Face::Orange, Glyph::Text, true, "9"},
    {149, 42, 38, Face::Orange, Glyph::Text, false, "00"},
    {167, 42, 38, Face::Orange, Glyph::Text, true, "00"},
    {148, 42, 38, Face::Orange, Glyph::Point, false, ""},
    {182, 42, 38, Face::Orange, Glyph::Point, true, ""},
    {145, 44, 85, Face::Green, Glyph::Plus, false, ""},
    {178, 44, 85, Face::Green, Glyph::Plus, true, ""},
    {147, 44, 85, Face::Green, Glyph::Equals, false, ""},
    {183, 44, 85, Face::Green, Glyph::Equals, true, ""},
    {161, 52, 21, Face::List, Glyph::ListAdd, false, "추가"},
    {162, 52, 21, Face::List, Glyph::ListAdd, true, "추가"},
    {163, 47, 21, Face::List, Glyph::ListDelete, false, "삭제"},
    {164, 47, 21, Face::List, Glyph::ListDelete, true, "삭제"},
    {165, 55, 21, Face::List, Glyph::ListClear, false, "전체삭제"},
    {166, 55, 21, Face::List, Glyph::ListClear, true, "전체삭제"},
    {188, 13, 13, Face::Title, Glyph::Close, false, ""},
    {189, 13, 13, Face::Title, Glyph::Close, true, ""},
    {190, 13, 13, Face::Title, Glyph::Minimize, false, ""},
    {191, 13, 13, Face::Title, Glyph::Minimize, true, ""},
    {192, 13, 13, Face::Title, Glyph::About, false, ""},
    {193, 13, 13, Face::Title, Glyph::About, true, ""},
    {194, 37, 37, Face::Logo, Glyph::Logo, false, ""},
}};


// The index of the picture with a resource ID in the catalogue, or -1.
// (Compile-time checks use the index: comparing element addresses with null
// is not a constant expression under the sanitizers.)
constexpr int PictureIndex(int resourceId) {
  for (std::size_t i = 0; i < kPictures.size(); ++i) {
    if (kPictures[i].resourceId == resourceId) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// The catalogue's picture with a resource ID, or nullptr.
inline const Picture* FindPicture(int resourceId) {
  const int index = PictureIndex(resourceId);
  return index < 0 ? nullptr : &kPictures[static_cast<std::size_t>(index)];
}

}  // namespace varuno
