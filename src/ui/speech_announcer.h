// Speaks a text through the screen reader without moving the focus: the
// result of a sum, a memory total, what a control holds as it takes the
// focus.
//
// With a Qt that has announcement events (6.8 and later) the window sends
// one. Older Qt has none, and Orca listens for none; what both understand is
// a notification that appears: a hidden accessible object with the
// notification role, renamed to the text and then shown.
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

class QWidget;

namespace varuno {

// The notification that shows each text: a child of the announcer.
class SpeechNotification final : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
};

class SpeechAnnouncer final : public QObject {
  Q_OBJECT

 public:
  // A child of `window`, whose accessible object it reports as its parent.
  // Installs the accessible objects of this program; the application
  // object must exist.
  explicit SpeechAnnouncer(QWidget* window);

  // Speaks `text` once; an empty text says nothing.
  void Announce(const QString& text);

  // The last text announced, and whether the notification is shown now.
  const QString& Text() const { return m_text; }
  bool Shown() const { return m_shown; }
  QWidget* Window() const { return m_window; }

 private:
  QWidget* m_window;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  // Older Qt only: 6.8 and later announce with an event.
  SpeechNotification* m_notification = nullptr;
#endif
  QString m_text;
  bool m_shown = false;
};

// Makes Qt use this program's accessible objects (the announcer's
// notification, the bitmap buttons without their tooltip as description).
// Idempotent; needs the application object: a factory installed before it
// is overridden by Qt's own.
void InstallAccessibleFactory();

}  // namespace varuno
