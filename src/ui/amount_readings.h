// Amounts the Korean way in the main window: the 만 reading of the number
// on the display (its tooltip and accessible description, kept current) and
// of the tape line or memory row under the pointer (their tooltips), and
// copying an amount in words, from the window menu and the display's and
// the memory list's context menus. An amount that cannot be written in
// words copies nothing: the window beeps and says why in a tooltip.
#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <string>

class QMenu;
class QWidget;

namespace varuno {

class DisplayView;
class MemoryListView;
class TapeView;

inline constexpr char kCopyAmountWordsText[] = "금액을 한글로 복사";
inline constexpr char kCopyAmountDocumentText[] = "금액을 문서 형식으로 복사";

enum class AmountForm {
  Words,     // 일금 일백이십오만원정
  Document,  // 금1,250,000원(금일백이십오만원)
};

struct AmountControls {
  DisplayView* display;
  TapeView* tape;
  MemoryListView* memoryList;
};

class AmountReadings final : public QObject {
  Q_OBJECT

 public:
  // A child of `window`; watches the three controls.
  AmountReadings(QWidget* window, AmountControls controls);

  // Copies the amount the way a copy shortcut picks its number: the
  // selected memory row (the display's number when none is selected) where
  // the memory list has the focus, else the display's number.
  void CopyAmount(AmountForm form);

 Q_SIGNALS:
  // An amount could not be written in words; nothing was copied.
  void refused();
  // Why, once the menu that asked has closed and the reason is shown.
  void refusalShown(const QString& reason);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowDisplayReading();
  // Copies the amount of a number text (as shown, or plain).
  void CopyAmountOf(const std::optional<std::string>& number, AmountForm form);
  // The number of a memory row; the display's when `row` is no row.
  std::optional<std::string> MemoryNumber(int row) const;
  // Adds the two copy items, copying `number`, to a context menu.
  void AddCopyItems(QMenu& menu, const std::optional<std::string>& number);

  AmountControls m_controls;
};

}  // namespace varuno
