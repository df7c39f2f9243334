#include "dispatch/command_table.h"

namespace varuno {

namespace {

constexpr bool NoPairTwice() {
  for (std::size_t i = 0; i < kCommandTable.size(); ++i) {
    for (std::size_t j = i + 1; j < kCommandTable.size(); ++j) {
      if (kCommandTable[i].notification == kCommandTable[j].notification &&
          kCommandTable[i].controlId == kCommandTable[j].controlId) {
        return false;
      }
    }
  }
  return true;
}
static_assert(NoPairTwice(), "a (notification, control) pair is listed twice");

constexpr bool EveryControlKnown() {
  for (const CommandEntry& entry : kCommandTable) {
    if (!IsMainWindowControl(entry.controlId) || entry.controlId == IDCANCEL) {
      return false;
    }
  }
  return true;
}
static_assert(EveryControlKnown(), "the table names a control the window does not have");

}  // namespace

const std::array<CommandEntry, 30>& CommandTable() { return kCommandTable; }

}  // namespace varuno
