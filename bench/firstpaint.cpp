#include "firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>

namespace {

class FirstPaintWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Quit once this paint, and the flush that follows it, are done,
            // before anything the program does after its first frame.
            QTimer::singleShot(0, qApp, [] {
                std::printf("first_frame_ns=%lld\n", monotonicNanoseconds());
                printPeakMemory();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

void quitAfterFirstPaint(QWidget *window)
{
    window->installEventFilter(new FirstPaintWatcher(window));
}

void printPeakMemory()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_kb=%ld\n", usage.ru_maxrss);
}
