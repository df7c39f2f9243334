#include "app/startup_messages.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace varuno {

namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

// Qt's message handler is a plain function, so what it needs lives here, for
// the time of one StartupMessages object. Qt may report from its own threads
// (the X11 event reader) while the application object is made.
struct Held {
  QtMessageHandler previous = nullptr;
  std::vector<HeldMessage> messages;
};
Held* g_held = nullptr;

std::mutex& HeldLock() {
  static std::mutex lock;
  return lock;
}

// What the platform plugins say when they cannot reach their display server
// (xcb: "could not connect to display"; wayland: "Failed to create
// wl_display"), as against a plugin that is missing or broken.
bool IsNoDisplay(const HeldMessage& message) {
  return message.text.contains(QLatin1String("could not connect to display"), Qt::CaseInsensitive) ||
         message.text.contains(QLatin1String("wl_display"));
}

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const std::lock_guard<std::mutex> guard(HeldLock());
  if (g_held == nullptr) {
    return;  // a message that raced the end of start-up
  }
  if (type != QtFatalMsg) {
    g_held->messages.push_back({type, QByteArray(context.category), text});
    return;
  }
  bool noDisplay = false;
  for (const HeldMessage& message : g_held->messages) {
    noDisplay = noDisplay || IsNoDisplay(message);
  }
  if (noDisplay) {
    std::fprintf(stderr, "%s\n", NoDisplayMessage());
  } else {
    // Any other failure (a platform plugin missing or broken) is Qt's own
    // to tell: its words name the plugin and what is installed.
    for (const HeldMessage& message : g_held->messages) {
      std::fprintf(stderr, "%s\n", message.text.toLocal8Bit().constData());
    }
    std::fprintf(stderr, "varunocalc: cannot start: %s\n", text.toLocal8Bit().constData());
  }
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

const char* NoDisplayMessage() {
  return "varunocalc: cannot open a window: no X11 or Wayland display can be reached "
         "(start it in an X or Wayland session; to get a picture without one, run "
         "'varunocalc --screenshot FILE' under Xvfb)";
}

StartupMessages::StartupMessages() {
  g_held = new Held;
  g_held->previous = qInstallMessageHandler(&HoldOrFail);
}

StartupMessages::~StartupMessages() {
  Held* held = nullptr;
  {
    const std::lock_guard<std::mutex> guard(HeldLock());
    qInstallMessageHandler(g_held->previous);
    held = g_held;
    g_held = nullptr;
  }
  for (const HeldMessage& message : held->messages) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  delete held;
}

}  // namespace varuno
