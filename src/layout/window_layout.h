// The main window's layout as data: its size and outline, and the controls
// of its template (memory list, tape, display and the two hot spots) in tab
// order, with their places in pixels at 96 dpi. The bitmap buttons are in
// button_table.h.
#pragma once

#include <array>
#include <cstdint>

#include "dispatch/control_ids.h"

namespace varuno {

// The window's size in pixels at 96 dpi; the skin has the same size.
inline constexpr int kWindowWidth = 429;
inline constexpr int kWindowHeight = 491;
// The corner ellipse of the rounded outline.
inline constexpr int kCornerEllipse = 15;

// A rectangle in window pixels: left, top, width and height.
struct PixelRect {
  int x, y, width, height;

  constexpr int Right() const { return x + width - 1; }  // last column, inclusive
  constexpr int Bottom() const { return y + height - 1; }  // last row, inclusive
  // Grown by the given margins on each side.
  constexpr PixelRect Grown(int left, int top, int right, int bottom) const {
    return {x - left, y - top, width + left + right, height + top + bottom};
  }
};

enum class TemplateKind : std::uint8_t { MemoryList, Tape, Display, HotSpot };

struct TemplateControl {
  TemplateKind kind;
  ControlId id;
  PixelRect place;
  const char* accessibleName;  // UTF-8
};

inline constexpr std::array<TemplateControl, 5> kTemplateControls{{
    {TemplateKind::MemoryList, IDC_MEMORY_LIST, {15, 345, 162, 114}, "메모리 목록"},
    {TemplateKind::Tape, IDC_TAPE, {15, 134, 162, 137}, "계산 기록"},
    {TemplateKind::Display, IDC_DISPLAY, {221, 143, 173, 20}, "표시창"},
    {TemplateKind::HotSpot, IDC_LOGO, {143, 11, 150, 63}, "홈페이지 (로고)"},
    {TemplateKind::HotSpot, IDC_HOMEPAGE, {269, 87, 86, 15}, "홈페이지"},
}};

// The place of a template control; an empty rectangle for any other ID.
constexpr PixelRect TemplatePlace(ControlId id) {
  for (const TemplateControl& control : kTemplateControls) {
    if (control.id == id) {
      return control.place;
    }
  }
  return {0, 0, 0, 0};
}

// The display has no border of its own: the skin frames it with a white box
// whose one-pixel frame stands just outside the control on every side, so
// the opaque control never covers it.
inline constexpr PixelRect kDisplayBox = TemplatePlace(IDC_DISPLAY).Grown(14, 3, 14, 1);
inline constexpr std::uint32_t kDisplayFrameRgb = 0x7F98B4;

}  // namespace varuno
