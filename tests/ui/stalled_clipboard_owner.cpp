#include "stalled_clipboard_owner.h"

#include <X11/Xlib.h>

namespace varuno::test {

struct StalledClipboardOwner::Connection {
  Display* display = nullptr;
  Window window = 0;
  Atom clipboard = 0;
  int requests = 0;
};

StalledClipboardOwner::StalledClipboardOwner(const char* display) : m_connection(std::make_unique<Connection>()) {
  Connection& c = *m_connection;
  c.display = XOpenDisplay(display);
  if (c.display == nullptr) {
    return;
  }
  c.window = XCreateSimpleWindow(c.display, DefaultRootWindow(c.display), 0, 0, 1, 1, 0, 0, 0);
  c.clipboard = XInternAtom(c.display, "CLIPBOARD", False);
  XSetSelectionOwner(c.display, c.clipboard, c.window, CurrentTime);
  XSync(c.display, False);
}

StalledClipboardOwner::~StalledClipboardOwner() {
  if (m_connection->display != nullptr) {
    XCloseDisplay(m_connection->display);
  }
}

bool StalledClipboardOwner::Owns() const {
  const Connection& c = *m_connection;
  return c.display != nullptr && XGetSelectionOwner(c.display, c.clipboard) == c.window;
}

int StalledClipboardOwner::Requests() {
  Connection& c = *m_connection;
  if (c.display == nullptr) {
    return 0;
  }
  XSync(c.display, False);
  while (XPending(c.display) > 0) {
    XEvent event;
    XNextEvent(c.display, &event);
    if (event.type == SelectionRequest && event.xselectionrequest.selection == c.clipboard) {
      ++c.requests;
    }
  }
  return c.requests;
}

}  // namespace varuno::test
