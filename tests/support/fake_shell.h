// A ShellServices for window tests: records what the window asked for
// instead of opening a dialog or a browser.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/shell_services.h"

namespace varuno::test {

class FakeShell final : public ShellServices {
 public:
  void ShowAbout(QWidget* calculator) override {
    static_cast<void>(calculator);
    ++aboutShown;
  }
  void OpenHomepage(const QString& address) override { opened << address; }
  QString HomepageAddress() const override { return QStringLiteral("https://www.example.kr"); }

  int aboutShown = 0;
  QStringList opened;
};

}  // namespace varuno::test
