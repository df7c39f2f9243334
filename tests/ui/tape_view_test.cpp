// The tape view: it shows exactly the engine's tape and pending line after
// every key, ends scrolled to its last line, changes only what a key changed,
// and is emptied by C.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <string>
#include <vector>

#include "key_script.h"
#include "ui/tape_view.h"
#include "window_fixture.h"

namespace varuno::test {
namespace {

bool ScrolledToEnd(const TapeView& tape) {
  const QScrollBar* bar = tape.verticalScrollBar();
  return bar->value() == bar->maximum() && tape.textCursor().atEnd();
}

TEST_F(WindowTest, TapeFollowsTheEngineKeyByKey) {
  const char* const scripts[] = {
      "12+34=",           // a sum and its result
      "5*3-2=7+1=",       // a chain, then a new calculation with its banner
      "1/0=",             // division by zero
      "100+50-25+==",     // folded additions and repeated equals
      "9.5S*2BB4E3=",     // sign, backspace and clear entry in a line
      "1+2+3+C4+5=",      // clear all in the middle
  };
  for (const char* script : scripts) {
    Press("C");
    Calculator reference;
    for (const char* key = script; *key != '\0'; ++key) {
      Press(std::string_view(key, 1));
      reference.Press(std::string_view(key, 1));
      ASSERT_EQ(window->Tape().TapeText(), reference.view.TapeText()) << script << " at " << key;
    }
    EXPECT_TRUE(ScrolledToEnd(window->Tape())) << script;
  }
}

TEST_F(WindowTest, ClearAllEmptiesTheTape) {
  Press("12+34=5");
  ASSERT_FALSE(window->Tape().TapeText().empty());
  Press("C");
  EXPECT_EQ(window->Tape().TapeText(), "");
  EXPECT_EQ(window->Tape().document()->blockCount(), 1);
}

TEST_F(WindowTest, TapeIsReadOnlyAndUnwrapped) {
  const TapeView& tape = window->Tape();
  EXPECT_TRUE(tape.isReadOnly());
  EXPECT_EQ(tape.lineWrapMode(), QPlainTextEdit::NoWrap);
  // One 22-column line fits without scrolling sideways.
  const int lineWidth = tape.fontMetrics().horizontalAdvance(QString(22, QLatin1Char('0')));
  EXPECT_LE(lineWidth, tape.viewport()->width());
}

// Where each change to the document starts, and how much it removed.
struct Change {
  int position, removed;
};

TEST_F(WindowTest, AKeyChangesOnlyThePendingLineAndWhatWasCommitted) {
  // A tape of some length, ending in a pending entry.
  for (int i = 0; i < 50; ++i) {
    Press("1+");
  }
  Press("2");
  QTextDocument* doc = window->Tape().document();
  std::vector<Change> changes;
  QObject::connect(doc, &QTextDocument::contentsChange, window.get(),
                   [&changes](int position, int removed, int) { changes.push_back({position, removed}); });

  const int pendingStart = doc->lastBlock().previous().position();
  Press("3");  // only the pending line changes
  ASSERT_FALSE(changes.empty());
  for (const Change& change : changes) {
    EXPECT_GE(change.position, pendingStart);
  }

  changes.clear();
  const int tapeLength = doc->characterCount();
  Press("+");  // commits the operand line and folds the run: a few lines near the end
  ASSERT_FALSE(changes.empty());
  for (const Change& change : changes) {
    EXPECT_GT(change.position, tapeLength * 3 / 4);
    EXPECT_LT(change.removed, tapeLength / 4);
  }
}

// The view applied to a run of updates shows what an in-memory view shows,
// including updates that keep more than was shown or cut back into the tape.
TEST(TapeViewTest, AppliesUpdatesLikeTheTextView) {
  struct Step {
    std::string committed;
    std::size_t keep;
    std::string pending;
  };
  const std::string a = "a\r\n", b = "bb\r\n", c = "ccc\r\n";
  const std::vector<Step> steps = {
      {"", 0, "p\r\n"},
      {a, 0, "q\r\n"},
      {a + b, 3, ""},             // append a line, no pending line
      {a + b + c, 7, "r\r\n"},     // append again
      {a + c, 3, "s\r\n"},         // cut back to the first line and replace
      {a + c, 9, "t\r\n"},         // keep all, pending line only
      {a + c, 100, "u\r\n"},       // keep beyond what was shown: clamped
      {b, 0, ""},                  // replace everything
      {b + a, 2, "v"},             // keep inside a line: rounds back to its start
  };
  QWidget parent;
  TapeView tape(&parent);
  TextView reference;
  for (const Step& step : steps) {
    const TapeUpdate update{step.committed, step.keep, step.pending};
    tape.ApplyUpdate(update);
    // The in-memory view trusts `keep`; give it what the window may rely on.
    reference.ClearTape();
    reference.UpdateTape(TapeUpdate{step.committed, 0, step.pending});
    EXPECT_EQ(tape.TapeText(), reference.TapeText()) << step.committed << "|" << step.pending;
  }
  tape.Clear();
  EXPECT_EQ(tape.TapeText(), "");
}

}  // namespace
}  // namespace varuno::test
