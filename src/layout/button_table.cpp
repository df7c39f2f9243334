#include "layout/button_table.h"

#include "dispatch/command_table.h"
#include "dispatch/key_table.h"
#include "layout/picture_catalogue.h"

namespace varuno {

namespace {

using enum ButtonKind;

constexpr std::array<ButtonRow, kButtonCount> kTable = {{
    {Title, IDCANCEL, 24, 400, 10, 188, 189, "IDCANCEL", "닫기"},
    {Title, IDC_BTN_ABOUT, 25, 386, 10, 192, 193, "IDC_BTN_ABOUT", "정보"},
    {Title, IDC_BTN_MINIMIZE, 26, 372, 10, 190, 191, "IDC_BTN_MINIMIZE", "최소화"},
    {Key, IDC_BTN_C, 20, 206, 190, 138, 185, "IDC_BTN_C", "모두 지우기"},
    {Key, IDC_BTN_CE, 18, 312, 190, 139, 180, "IDC_BTN_CE", "입력 지우기"},
    {Key, IDC_BTN_BACK, 19, 365, 190, 140, 179, "IDC_BTN_BACK", "한 자리 지우기"},
    {Key, IDC_BTN_SIGN, 17, 206, 236, 141, 186, "IDC_BTN_SIGN", "부호 바꾸기"},
    {Key, IDC_BTN_DIV, 15, 259, 236, 142, 181, "IDC_BTN_DIV", "나누기"},
    {Key, IDC_BTN_MUL, 14, 312, 236, 143, 184, "IDC_BTN_MUL", "곱하기"},
    {Key, IDC_BTN_SUB, 13, 365, 236, 144, 187, "IDC_BTN_SUB", "빼기"},
    {Key, IDC_BTN_7, 7, 206, 282, 157, 175, "IDC_BTN_7", "7"},
    {Key, IDC_BTN_8, 8, 259, 282, 158, 176, "IDC_BTN_8", "8"},
    {Key, IDC_BTN_9, 9, 312, 282, 160, 177, "IDC_BTN_9", "9"},
    {Key, IDC_BTN_ADD, 12, 365, 282, 145, 178, "IDC_BTN_ADD", "더하기"},
    {Key, IDC_BTN_4, 4, 206, 328, 154, 172, "IDC_BTN_4", "4"},
    {Key, IDC_BTN_5, 5, 259, 328, 155, 173, "IDC_BTN_5", "5"},
    {Key, IDC_BTN_6, 6, 312, 328, 156, 174, "IDC_BTN_6", "6"},
    {Key, IDC_BTN_1, 1, 206, 374, 151, 169, "IDC_BTN_1", "1"},
    {Key, IDC_BTN_2, 2, 259, 374, 152, 170, "IDC_BTN_2", "2"},
    {Key, IDC_BTN_3, 3, 312, 374, 153, 171, "IDC_BTN_3", "3"},
    {Key, IDC_BTN_EQUALS, 16, 365, 374, 147, 183, "IDC_BTN_EQUALS", "같음"},
    {Key, IDC_BTN_0, 0, 206, 420, 150, 168, "IDC_BTN_0", "0"},
    {Key, IDC_BTN_00, 10, 259, 420, 149, 167, "IDC_BTN_00", "00"},
    {Key, IDC_BTN_POINT, 11, 312, 420, 148, 182, "IDC_BTN_POINT", "소수점"},
    {List, IDC_BTN_MEM_ADD, 21, 16, 318, 161, 162, "IDC_BTN_MEM_ADD", "메모리에 추가"},
    {List, IDC_BTN_MEM_DEL, 22, 71, 318, 163, 164, "IDC_BTN_MEM_DEL", "메모리에서 삭제"},
    {List, IDC_BTN_MEM_CLEAR, 23, 121, 318, 165, 166, "IDC_BTN_MEM_CLEAR", "메모리 전체 삭제"},
}};

// Each element of the button array is filled by exactly one row, the title
// buttons come first, and no control or picture is used twice.
constexpr bool TableIsComplete() {
  std::array<int, kButtonCount> elementUses{};
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    const ButtonRow& row = kTable[i];
    if (row.element < 0 || row.element >= static_cast<int>(kButtonCount)) {
      return false;
    }
    ++elementUses[static_cast<std::size_t>(row.element)];
    if ((i < kTitleButtonCount) != (row.kind == Title)) {
      return false;
    }
    if (!IsMainWindowControl(row.controlId)) {
      return false;
    }
    for (std::size_t j = i + 1; j < kTable.size(); ++j) {
      const ButtonRow& other = kTable[j];
      if (row.controlId == other.controlId) {
        return false;
      }
      for (const int picture : {row.upPicture, row.downPicture}) {
        if (picture == other.upPicture || picture == other.downPicture) {
          return false;
        }
      }
    }
    if (row.upPicture == row.downPicture) {
      return false;
    }
  }
  for (const int uses : elementUses) {
    if (uses != 1) {
      return false;
    }
  }
  return true;
}
static_assert(TableIsComplete(), "the button table misses an element or uses a control twice");

// Every picture a button names is in the catalogue, is not the skin, has the
// size of its partner, and is drawn as the up or down picture it serves as.
constexpr bool PicturesAreCatalogued() {
  for (const ButtonRow& row : kTable) {
    const int upIndex = PictureIndex(row.upPicture);
    const int downIndex = PictureIndex(row.downPicture);
    if (upIndex < 0 || downIndex < 0) {
      return false;
    }
    const Picture& up = kPictures[static_cast<std::size_t>(upIndex)];
    const Picture& down = kPictures[static_cast<std::size_t>(downIndex)];
    if (up.face == Face::Skin || up.down || !down.down || up.width != down.width ||
        up.height != down.height) {
      return false;
    }
  }
  return true;
}
static_assert(PicturesAreCatalogued(), "a button names a picture the catalogue does not have");

constexpr bool IsBitmapButton(int controlId) {
  for (const ButtonRow& row : kTable) {
    if (row.controlId == controlId) {
      return true;
    }
  }
  return false;
}

// A key clicks a button of the window; a key row that names the tape, the
// display or an unused ID would compile and then silently do nothing.
constexpr bool EveryKeyClicksABitmapButton() {
  for (const KeyBinding& binding : kKeyTable) {
    if (!IsBitmapButton(binding.button)) {
      return false;
    }
  }
  return true;
}
static_assert(EveryKeyClicksABitmapButton(), "a key row names a control that is not a bitmap button");

// Every bitmap button runs a command, but the close button, which ends the
// window by its default.
constexpr bool EveryButtonHasACommand() {
  for (const ButtonRow& row : kTable) {
    bool hasCommand = false;
    for (const CommandEntry& entry : kCommandTable) {
      hasCommand = hasCommand || (entry.notification == BN_CLICKED && entry.controlId == row.controlId);
    }
    if (hasCommand == (row.controlId == IDCANCEL)) {
      return false;
    }
  }
  return true;
}
static_assert(EveryButtonHasACommand(), "a bitmap button has no command (or the close button has one)");

}  // namespace

const std::array<ButtonRow, kButtonCount>& ButtonTable() { return kTable; }

const ButtonRow* FindButtonRow(int controlId) {
  for (const ButtonRow& row : kTable) {
    if (row.controlId == controlId) {
      return &row;
    }
  }
  return nullptr;
}

}  // namespace varuno
