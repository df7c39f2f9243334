// Drives modal windows and popup menus from inside their own event loops:
// waits for one to become active, then acts on it. A failing test must not
// hang in exec(), so after a time-out every popup and modal window is closed.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace varuno::testing_support {

inline constexpr int kPollMs = 10;
inline constexpr int kGiveUpMs = 5000;

// Closes every popup and modal window, innermost first.
inline void CloseEverything() {
  for (int guard = 0; guard < 10; ++guard) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
    } else if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      modal->reject();
    } else {
      return;
    }
  }
}

// Once find() returns a widget, runs act() on it. Gives up (and closes
// everything) after kGiveUpMs; *found then stays false.
inline void WhenActive(std::function<QWidget*()> find, std::function<void(QWidget&)> act, bool* found,
                       int waitedMs = 0) {
  if (QWidget* widget = find()) {
    *found = true;
    act(*widget);
    return;
  }
  if (waitedMs >= kGiveUpMs) {
    CloseEverything();
    return;
  }
  QTimer::singleShot(kPollMs, qApp, [find, act, found, waitedMs] {
    WhenActive(find, act, found, waitedMs + kPollMs);
  });
}

inline QMenu* ActiveMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

}  // namespace varuno::testing_support
