// The window on a real X server without a window manager (the Xvfb display
// that the test command starts): it must come up, keep its shape and follow
// a drag by itself, since no window manager offers a move of its own. The
// window tests run again in a child process on the xcb platform.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace {

TEST(X11WindowTest, WindowTestsPassOnXcbWithoutAWindowManager) {
  const QString display = qEnvironmentVariable("VARUNO_TEST_X11_DISPLAY");
  if (display.isEmpty()) {
    GTEST_SKIP() << "VARUNO_TEST_X11_DISPLAY is not set";
  }
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  env.insert(QStringLiteral("DISPLAY"), display);
  env.remove(QStringLiteral("VARUNO_TEST_X11_DISPLAY"));
  QProcess child;
  child.setProcessEnvironment(env);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=WindowTest.DragsByTheBareFace*:WindowTest.HasItsFixedSize*:"
                              "WindowTest.PlacesTheLayoutControls*:WindowTest.TapeFollows*")});
  ASSERT_TRUE(child.waitForFinished(60000));
  const QByteArray output = child.readAll();
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.exitCode(), 0) << output.constData();
  EXPECT_TRUE(output.contains("[  PASSED  ] 4 tests")) << output.constData();
}

}  // namespace
