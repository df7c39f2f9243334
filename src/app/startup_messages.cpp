#include "app/startup_messages.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace varuno {

namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

// Qt's message handler is a plain function, so what it needs lives here, for
// the time of one StartupMessages object.
struct Held {
  QtMessageHandler previous = nullptr;
  std::vector<HeldMessage> messages;
};
Held* g_held = nullptr;

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", NoDisplayMessage());
    std::fflush(stderr);
    std::_Exit(1);
  }
  g_held->messages.push_back({type, QByteArray(context.category), text});
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
  qInstallMessageHandler(g_held->previous);
  Held* held = g_held;
  g_held = nullptr;
  for (const HeldMessage& message : held->messages) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  delete held;
}

}  // namespace varuno
