#include "ui/speech_announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QCoreApplication>
#include <QVariant>
#include <QWidget>
#include <QtGlobal>

#include "ui/bitmap_button_accessible.h"

namespace varuno {

namespace {

// An accessible object that is never on screen and has no children.
class HiddenAccessible : public QAccessibleObject {
 public:
  using QAccessibleObject::QAccessibleObject;

  int childCount() const override { return 0; }
  QAccessibleInterface* child(int index) const override {
    static_cast<void>(index);
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    static_cast<void>(child);
    return -1;
  }
};

// The announcer as a screen reader sees it: a notification named by the
// text, invisible until it is shown. Its parent is a status bar outside the
// window: a screen reader then reads neither the word "notification" nor the
// window's name before each text.
class NotificationAccessible final : public HiddenAccessible {
 public:
  explicit NotificationAccessible(SpeechNotification* notification) : HiddenAccessible(notification) {}

  QAccessible::Role role() const override { return QAccessible::Notification; }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name ? Announcer()->Text() : QString();
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = !Announcer()->Shown();
    return state;
  }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Announcer()); }

 private:
  SpeechAnnouncer* Announcer() const { return static_cast<SpeechAnnouncer*>(object()->parent()); }
};

class StatusBarAccessible final : public HiddenAccessible {
 public:
  explicit StatusBarAccessible(SpeechAnnouncer* announcer) : HiddenAccessible(announcer) {}

  QAccessible::Role role() const override { return QAccessible::StatusBar; }
  QString text(QAccessible::Text kind) const override {
    static_cast<void>(kind);
    return {};
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = true;
    return state;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
  }
};

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
  static_cast<void>(className);
  if (auto* notification = qobject_cast<SpeechNotification*>(object)) {
    return new NotificationAccessible(notification);
  }
  if (auto* announcer = qobject_cast<SpeechAnnouncer*>(object)) {
    return new StatusBarAccessible(announcer);
  }
  return CreateBitmapButtonAccessible(object);
}

constexpr char kFactoryInstalled[] = "varunoAccessibleFactory";

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
void Notify(QObject* object, QAccessible::Event kind) {
  QAccessibleEvent event(object, kind);
  QAccessible::updateAccessibility(&event);
}
#endif

}  // namespace

void InstallAccessibleFactory() {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr || application->property(kFactoryInstalled).toBool()) {
    return;
  }
  application->setProperty(kFactoryInstalled, true);
  QAccessible::installFactory(CreateAccessible);
}

SpeechAnnouncer::SpeechAnnouncer(QWidget* window) : QObject(window), m_window(window) {
  setObjectName(QStringLiteral("speechAnnouncer"));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  m_notification = new SpeechNotification(this);
#endif
  InstallAccessibleFactory();
}

void SpeechAnnouncer::Announce(const QString& text) {
  if (text.isEmpty()) {
    return;
  }
  m_text = text;
  if (!QAccessible::isActive()) {
    return;
  }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent event(m_window, text);
  QAccessible::updateAccessibility(&event);
#else
  // Hidden, renamed, shown: each appearance is one notification, also when
  // the text is the same as the last one.
  if (m_shown) {
    m_shown = false;
    Notify(m_notification, QAccessible::ObjectHide);
  }
  Notify(m_notification, QAccessible::NameChanged);
  m_shown = true;
  Notify(m_notification, QAccessible::ObjectShow);
#endif
}

}  // namespace varuno
