// The application's connection to the X server, where there is one.
#pragma once

struct _XDisplay;

namespace varuno {

// The Xlib display of the running Qt application when its platform is xcb;
// null on every other platform (Wayland, offscreen) and before a
// QGuiApplication exists.
_XDisplay* ApplicationX11Display();

}  // namespace varuno
