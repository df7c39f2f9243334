// The tape: a read-only, unwrapped multi-line view of the committed tape and
// the pending line. Updates are applied incrementally, so a key costs the
// same on a short tape as on a long one; the view always ends scrolled to
// its last line. Its context menu is the standard one followed by the
// actions added to the view.
#pragma once

#include <QPlainTextEdit>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_view.h"

namespace varuno {

class TapeView : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TapeView(QWidget* parent = nullptr);

  // Shows committed + pendingLine: keeps the first `keep` bytes of the
  // committed text shown before (a line start), replaces the rest and the
  // pending line, then scrolls to the end.
  void ApplyUpdate(const TapeUpdate& update);
  // Empties the view.
  void Clear();
  // Empties the view and hands over its document as it stands, without
  // copying the text; Give shows it again.
  std::unique_ptr<KeptTape> Take();
  void Give(std::unique_ptr<KeptTape> kept);

  // The whole text with CR LF between lines, as the engine wrote it.
  std::string TapeText() const;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void ReplaceFrom(int blockNumber, std::string_view text);
  void ScrollToEnd();

  // Byte offset just past each line break of the committed text shown.
  std::vector<std::size_t> m_lineEnds;
  // Bytes of committed text shown.
  std::size_t m_committedShown = 0;
};

}  // namespace varuno
