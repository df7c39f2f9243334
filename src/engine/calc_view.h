// The surfaces the engine and the memory list write to: the one-line display,
// the tape view and the memory list. The main window implements them on its
// widgets; tests and the replay tool implement them in memory.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace varuno {

// An unsorted single-selection list of text rows.
class ListSurface {
 public:
  virtual ~ListSurface() = default;
  virtual int RowCount() const = 0;
  virtual std::string RowText(int row) const = 0;      // "" for an index that names no row
  virtual void AppendRow(const std::string& text) = 0;  // always after the last row
  virtual void DeleteRow(int row) = 0;                  // an index that names no row removes nothing
  virtual void RemoveAllRows() = 0;                     // leaves no selection
  virtual int SelectedRow() const = 0;                  // -1 when no row is selected
  virtual void SelectRow(int row) = 0;                  // selects and scrolls into view
};

// What changed on the tape since the view was last told.
// The view shows `committed` followed by `pendingLine`. Of the committed text
// it showed before, the first `keep` bytes are still valid (always the start
// of a line); everything after them is replaced by committed.substr(keep).
struct TapeUpdate {
  std::string_view committed;
  std::size_t keep = 0;
  std::string_view pendingLine;
};

// What a tape view showed when TakeTape emptied it, kept so that the same
// view can show it again at once. Only the view that made it reads it.
class KeptTape {
 public:
  virtual ~KeptTape() = default;
};

class CalcView {
 public:
  virtual ~CalcView() = default;

  virtual void SetDisplayText(const std::string& text) = 0;
  virtual std::string DisplayText() const = 0;

  // Shows the tape, then puts the caret at its end and scrolls it into view.
  virtual void UpdateTape(const TapeUpdate& update) = 0;
  // Empties the tape view; no pending line is shown.
  virtual void ClearTape() = 0;
  // Empties the tape view as ClearTape does and hands over what it showed,
  // without copying it, so that GiveTape can bring it back.
  virtual std::unique_ptr<KeptTape> TakeTape() = 0;
  // Shows again what TakeTape handed over, in place of what the view shows
  // now. Something another view kept shows nothing.
  virtual void GiveTape(std::unique_ptr<KeptTape> kept) = 0;

  virtual ListSurface& MemoryList() = 0;
};

}  // namespace varuno
