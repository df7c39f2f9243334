// The 27 bitmap buttons of the main window as data: where each stands, which
// pictures it shows, which element of the window's button array holds it,
// and the names it carries. The window creates its buttons from this table;
// the art generator draws the panels around them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "dispatch/control_ids.h"

namespace varuno {

enum class ButtonKind : std::uint8_t {
  Title,  // close, About and minimise at the top right corner
  Key,    // the keypad
  List,   // the memory-list buttons
};

struct ButtonRow {
  ButtonKind kind;
  ControlId controlId;
  int element;  // index in CCalcDlg::m_btnKeys
  int x;        // top left corner in window pixels
  int y;
  int upPicture;  // bitmap resource IDs
  int downPicture;
  const char* objectName;
  const char* accessibleName;  // UTF-8; the tooltip adds the key that clicks the button
};

inline constexpr std::size_t kButtonCount = 27;
// The first rows of the table are the title buttons, which the window creates
// before it sets up the display; the keypad and list buttons follow.
inline constexpr std::size_t kTitleButtonCount = 3;

// Every button, in the order the window creates them.
const std::array<ButtonRow, kButtonCount>& ButtonTable();

// The row of a control, or nullptr when it is not a bitmap button.
const ButtonRow* FindButtonRow(int controlId);

}  // namespace varuno
