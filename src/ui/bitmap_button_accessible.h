// A bitmap button as a screen reader sees it: a push button named by its
// accessible name. Its tooltip (the name and the key) is for the eye only;
// Qt would otherwise offer it as the description, and a screen reader would
// read the name a second time.
#pragma once

class QAccessibleInterface;
class QObject;

namespace varuno {

// The accessible object of a BitmapButton; nullptr for any other object.
QAccessibleInterface* CreateBitmapButtonAccessible(QObject* object);

}  // namespace varuno
