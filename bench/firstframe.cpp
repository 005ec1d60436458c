#include "bench/firstframe.h"

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

namespace {

long StatusKb(const char* key) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long kb = -1;
    const std::size_t length = std::strlen(key);
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, key, length) == 0) {
            kb = std::strtol(line + length, nullptr, 10);
            break;
        }
    std::fclose(status);
    return kb;
}

// Sees the window's first paint event. The report is queued: it runs once the repaint that
// delivered the event has painted every child and flushed the frame to the platform.
class FirstFrame final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(this, &FirstFrame::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        std::printf("hwm_kb=%ld rss_kb=%ld\n", PeakResidentKb(), ResidentKb());
        std::fflush(stdout);
        std::_Exit(0);
    }

    bool seen_ = false;
};

} // namespace

long PeakResidentKb() {
    return StatusKb("VmHWM:");
}
long ResidentKb() {
    return StatusKb("VmRSS:");
}

void QuitOnFirstFrame(QWidget& window) {
    window.installEventFilter(new FirstFrame(&window));
}

} // namespace bench
