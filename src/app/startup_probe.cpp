#include "app/startup_probe.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <charconv>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <utility>

namespace varuno {

namespace {

// Lives as a child of the watched widget; deletes itself after firing.
class FirstPaintWatcher : public QObject {
 public:
  FirstPaintWatcher(QWidget& widget, std::function<void()> then)
      : QObject(&widget), m_widget(widget), m_then(std::move(then)) {
    widget.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &m_widget && event->type() == QEvent::Paint && !m_fired) {
      m_fired = true;
      m_widget.removeEventFilter(this);
      // The paint event is handled before the backing store is flushed;
      // one more turn of the event loop puts the picture on the screen.
      QTimer::singleShot(0, this, [this] {
        std::function<void()> then = std::move(m_then);
        deleteLater();
        then();
      });
    }
    return false;
  }

 private:
  QWidget& m_widget;
  std::function<void()> m_then;
  bool m_fired = false;
};

}  // namespace

void WhenFirstPainted(QWidget& widget, std::function<void()> then) {
  new FirstPaintWatcher(widget, std::move(then));
}

long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) != 0) {
      continue;
    }
    const std::size_t first = line.find_first_of("0123456789");
    if (first == std::string::npos) {
      return -1;
    }
    long value = -1;
    std::from_chars(line.data() + first, line.data() + line.size(), value);
    return value;
  }
  return -1;
}

void PrintStartupReport() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
  std::printf("startup paint_realtime_ns=%lld vmhwm_kib=%ld\n", ns, PeakResidentKiB());
  std::fflush(stdout);
}

}  // namespace varuno
