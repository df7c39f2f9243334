// Control IDs of the main window. They tie the command table, the key table
// and the buttons together.
#pragma once

#include <cstdint>

namespace varuno {

using ControlId = std::uint16_t;

inline constexpr ControlId IDOK = 1;
inline constexpr ControlId IDCANCEL = 2;  // the close button
inline constexpr ControlId IDC_BTN_CE = 1001;
inline constexpr ControlId IDC_BTN_BACK = 1002;
inline constexpr ControlId IDC_BTN_SIGN = 1003;
inline constexpr ControlId IDC_BTN_C = 1004;
inline constexpr ControlId IDC_BTN_DIV = 1006;
inline constexpr ControlId IDC_BTN_MEM_DEL = 1007;
inline constexpr ControlId IDC_BTN_7 = 1008;
inline constexpr ControlId IDC_BTN_8 = 1009;
inline constexpr ControlId IDC_BTN_9 = 1010;
inline constexpr ControlId IDC_BTN_MUL = 1011;
inline constexpr ControlId IDC_BTN_MEM_CLEAR = 1012;
inline constexpr ControlId IDC_BTN_4 = 1013;
inline constexpr ControlId IDC_BTN_5 = 1014;
inline constexpr ControlId IDC_BTN_6 = 1015;
inline constexpr ControlId IDC_BTN_SUB = 1016;
inline constexpr ControlId IDC_TAPE = 1020;
inline constexpr ControlId IDC_DISPLAY = 1022;
inline constexpr ControlId IDC_BTN_1 = 1023;
inline constexpr ControlId IDC_BTN_2 = 1024;
inline constexpr ControlId IDC_BTN_3 = 1025;
inline constexpr ControlId IDC_BTN_ADD = 1026;
inline constexpr ControlId IDC_BTN_MEM_ADD = 1027;
inline constexpr ControlId IDC_BTN_0 = 1028;
inline constexpr ControlId IDC_BTN_00 = 1029;
inline constexpr ControlId IDC_BTN_POINT = 1030;
inline constexpr ControlId IDC_BTN_EQUALS = 1032;
inline constexpr ControlId IDC_BTN_MINIMIZE = 1033;
inline constexpr ControlId IDC_LOGO = 1034;
inline constexpr ControlId IDC_HOMEPAGE = 1035;
inline constexpr ControlId IDC_BTN_ABOUT = 1036;
inline constexpr ControlId IDC_MEMORY_LIST = 1038;

// Every control of the main window: the close button and 1001..1038 without
// the seven unused IDs.
inline constexpr ControlId kUnusedControlIds[] = {1005, 1017, 1018, 1019, 1021, 1031, 1037};

constexpr bool IsMainWindowControl(int id) {
  if (id == IDCANCEL) {
    return true;
  }
  if (id < 1001 || id > 1038) {
    return false;
  }
  for (const ControlId unused : kUnusedControlIds) {
    if (id == unused) {
      return false;
    }
  }
  return true;
}

// The window-menu command that opens the About box.
inline constexpr unsigned ABOUT_SYSCOMMAND = 0x0010;

}  // namespace varuno
