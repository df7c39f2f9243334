// The view is told only what changed; whatever the keys, what it shows must
// equal the committed tape followed by the pending line.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "key_script.h"

namespace varuno::test {
namespace {

// Records every update so that the test can check the offsets it was given.
class CheckingView final : public CalcView {
 public:
  void SetDisplayText(const std::string& text) override { inner.SetDisplayText(text); }
  std::string DisplayText() const override { return inner.DisplayText(); }
  void UpdateTape(const TapeUpdate& update) override {
    EXPECT_LE(update.keep, inner.CommittedTape().size());
    EXPECT_EQ(inner.CommittedTape().substr(0, update.keep), update.committed.substr(0, update.keep));
    EXPECT_TRUE(update.keep == 0 || update.committed[update.keep - 1] == '\n');
    lastKeep = update.keep;
    inner.UpdateTape(update);
  }
  void ClearTape() override { inner.ClearTape(); }
  std::unique_ptr<KeptTape> TakeTape() override { return inner.TakeTape(); }
  void GiveTape(std::unique_ptr<KeptTape> kept) override { inner.GiveTape(std::move(kept)); }
  ListSurface& MemoryList() override { return inner.MemoryList(); }

  TextView inner;
  std::size_t lastKeep = 0;
};

TEST(TapeUpdateTest, RandomKeysKeepTheViewEqualToTheTape) {
  CheckingView view;
  varuno::Calculator calculator(view);
  const CalcEngine& engine = calculator.Engine();
  std::mt19937 random(20261208);
  const std::string keys = "0123456789Z.BS+-*/=EMD";
  for (int i = 0; i < 20000; ++i) {
    const char key = random() % 500 == 0 ? 'C' : keys[random() % keys.size()];
    PressOn(calculator, std::string_view(&key, 1));
    if (view.inner.TapeText().empty()) {
      continue;  // right after C nothing is shown
    }
    ASSERT_EQ(view.inner.TapeText(), engine.State().m_strTape + engine.PendingLine()) << i;
  }
}

TEST(TapeUpdateTest, DigitsOnALongTapeKeepEveryCommittedByte) {
  CheckingView view;
  varuno::Calculator calculator(view);
  PressOn(calculator, "1+2+3+4*5=");
  const std::size_t committed = calculator.Engine().State().m_strTape.size();
  PressOn(calculator, "*7");
  EXPECT_EQ(view.lastKeep, committed);
}

TEST(TapeUpdateTest, FoldingKeepsOnlyTheLinesBeforeTheRule) {
  CheckingView view;
  varuno::Calculator calculator(view);
  PressOn(calculator, "12+3+");
  // 12, ＋3, rule, 15: the fold takes back the rule and the total.
  PressOn(calculator, "4+");
  EXPECT_EQ(view.lastKeep, 2 * (22 + 2) + 1);  // "12" and "＋3" lines (＋ is 3 bytes)
}

}  // namespace
}  // namespace varuno::test
