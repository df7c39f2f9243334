// Undo and redo in the main window: keys, clicks, pastes, Esc and the
// memory clear on a long tape, each undone with Ctrl+Z back to the state
// recorded before it, then redone with Ctrl+Y and Ctrl+Shift+Z; and the
// window menu's items.
#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ui/memory_list_view.h"
#include "ui/tape_view.h"
#include "window_fixture.h"

namespace varuno::test {
namespace {

struct WindowState {
  std::string display;
  std::string tape;
  std::vector<std::string> rows;
  int selected = -1;
  CalcState state;

  bool operator==(const WindowState& o) const {
    return display == o.display && tape == o.tape && rows == o.rows && selected == o.selected &&
           state.m_strTape == o.state.m_strTape && SameFields(state, o.state);
  }
};

void PrintTo(const WindowState& s, std::ostream* out) {
  *out << "display \"" << s.display << "\", " << s.rows.size() << " rows, selected " << s.selected
       << ", tape view of " << s.tape.size() << " bytes, tape of " << s.state.m_strTape.size();
}

class UndoWindowTest : public WindowTest {
 protected:
  MemoryListView& List() const { return static_cast<MemoryListView&>(*window->Control(IDC_MEMORY_LIST)); }

  WindowState State() const {
    WindowState s{window->DisplayText(), window->Tape().TapeText(), {}, List().SelectedRow(),
                  window->Engine().State()};
    for (int row = 0; row < List().RowCount(); ++row) {
      s.rows.push_back(List().RowText(row));
    }
    return s;
  }

  // A key typed where the focus is, as the user types it, and handled.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window.get();
    QTest::keyClick(target, key, modifiers);
    // The key's click or command is queued; so may be what that queues.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  void Focus(ControlId id) {
    window->Control(id)->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
  }
};

TEST_F(UndoWindowTest, KeysClicksPastesEscAndMemoryClearUndoAndRedoOnALongTape) {
  // A long tape: an adding run of 1,500 lines, and values in the memory list.
  for (int line = 0; line < 1500; ++line) {
    Press("7+");
  }
  Press("M4M");

  // Each action: what it does, run in the window.
  const std::vector<std::function<void()>> kinds = {
      [this] { Key(Qt::Key_5); },
      [this] { Key(Qt::Key_8); },
      [this] { Key(Qt::Key_Plus, Qt::KeypadModifier); },
      [this] { Key(Qt::Key_Asterisk, Qt::KeypadModifier); },
      [this] { Key(Qt::Key_Return); },
      [this] { Key(Qt::Key_Backspace); },
      [this] { Key(Qt::Key_Period); },
      [this] { Key(Qt::Key_Escape); },
      [this] { window->Button(IDC_BTN_MEM_ADD)->click(); },
      [this] { window->Button(IDC_BTN_MEM_CLEAR)->click(); },
      [this] {
        Focus(IDC_MEMORY_LIST);
        Key(Qt::Key_Delete);
      },
      [this] {
        QGuiApplication::clipboard()->setText(QStringLiteral("-1,234.5"));
        Key(Qt::Key_V, Qt::ControlModifier);
      },
      [this] { Focus(IDC_DISPLAY); },
      [this] { Focus(IDC_TAPE); },
  };

  std::mt19937 random(18);
  std::vector<WindowState> befores;
  std::vector<WindowState> afters;
  const auto record = [&](const std::function<void()>& action) {
    WindowState before = State();
    action();
    WindowState after = State();
    if (!(after == before)) {
      befores.push_back(std::move(before));
      afters.push_back(std::move(after));
    }
  };
  const auto leaveDisplay = [&] {
    // The display regroups as the focus leaves it: an action of its own.
    if (window->Control(IDC_DISPLAY)->hasFocus()) {
      record([this] { Focus(IDC_TAPE); });
    }
  };
  // Esc and the memory clear come early and again later, whatever the draw.
  const std::vector<std::size_t> forced = {7, 9, 0, 8, 7, 9};
  for (std::size_t i = 0; i < 120; ++i) {
    leaveDisplay();
    if (random() % 3 == 0 && List().RowCount() > 0) {
      List().SelectRow(static_cast<int>(random() % static_cast<unsigned>(List().RowCount())));
    }
    record(kinds[i < forced.size() ? forced[i] : random() % kinds.size()]);
  }
  leaveDisplay();
  ASSERT_GT(befores.size(), 60U);

  // The keys are typed at the tape, where they change nothing themselves.
  Focus(IDC_TAPE);
  for (std::size_t i = befores.size(); i > 0; --i) {
    Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(State(), befores[i - 1]) << "undo of action " << i - 1;
  }
  // The first action, Esc, took the whole long tape, and its undo gave it back.
  EXPECT_GT(State().tape.size(), 1500U * 22);
  for (std::size_t i = 0; i < afters.size(); ++i) {
    if (i % 2 == 0) {
      Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
      Key(Qt::Key_Y, Qt::ControlModifier);
    }
    ASSERT_EQ(State(), afters[i]) << "redo of action " << i;
  }
  EXPECT_FALSE(window->CanRedo());
}

// The window menu's undo and redo items, enabled as there is something to
// undo or redo, and what choosing them does.
TEST_F(UndoWindowTest, TheWindowMenuUndoesAndRedoes) {
  struct MenuItems {
    bool undo = false;
    bool redo = false;
  };
  // Opens the menu with Alt+Space, reads its two items and chooses `text`
  // (empty: chooses nothing).
  const auto openMenu = [this](const QString& choose) {
    MenuItems items;
    QTimer::singleShot(20, window.get(), [&items, choose] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      for (QAction* action : menu->actions()) {
        if (action->text() == QStringLiteral("실행 취소")) {
          items.undo = action->isEnabled();
        } else if (action->text() == QStringLiteral("다시 실행")) {
          items.redo = action->isEnabled();
        }
      }
      for (QAction* action : menu->actions()) {
        if (!choose.isEmpty() && action->text() == choose) {
          menu->setActiveAction(action);
          QTest::keyClick(menu, Qt::Key_Return);
          return;
        }
      }
      menu->close();
    });
    QTest::keyClick(window->windowHandle(), Qt::Key_Space, Qt::AltModifier);
    QTest::qWait(50);
    window->activateWindow();
    return items;
  };

  MenuItems items = openMenu({});
  EXPECT_FALSE(items.undo);
  EXPECT_FALSE(items.redo);
  Press("12+");
  items = openMenu(QStringLiteral("실행 취소"));
  EXPECT_TRUE(items.undo);
  EXPECT_FALSE(items.redo);
  EXPECT_EQ(window->DisplayText(), "12");
  EXPECT_EQ(window->Engine().State().m_nPhase, PHASE_FIRST);
  items = openMenu(QStringLiteral("다시 실행"));
  EXPECT_TRUE(items.redo);
  EXPECT_EQ(window->Engine().State().m_nPhase, PHASE_SECOND);
  items = openMenu({});
  EXPECT_FALSE(items.redo);
}

}  // namespace
}  // namespace varuno::test
