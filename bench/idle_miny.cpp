// A running game of miny left alone for a while: the processor time it takes,
// and what the window repaints meanwhile (only the clock label, once a tick).
#include "miny/form1.h"
#include "toolkit.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

class RepaintCounter : public QObject
{
public:
    explicit RepaintCounter(const QRect &clock) : clock_(clock) {}
    int repaints = 0;
    int elsewhere = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++repaints;
            if (static_cast<QPaintEvent *>(event)->region() != QRegion(clock_))
                ++elsewhere;
        }
        return false;
    }

private:
    QRect clock_;
};

} // namespace

int main(int argc, char *argv[])
{
    rt::Application app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    miny::Form1 form;
    form.Load();
    form.Show();
    // A middle-button press starts the clock without touching the field.
    form.Image3_MouseDown(1, 4, 0, 0, 0);
    form.Image3_MouseUp(1, 4, 0, 0, 0);
    RepaintCounter counter(form.Label2.pixelRect());
    // Counting starts once the first frame is out of the way.
    QTimer::singleShot(500, [&] { form.window()->installEventFilter(&counter); });
    QTimer::singleShot(seconds * 1000 + 500, [] { QCoreApplication::quit(); });
    app.exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6
                     + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
    std::printf("idle %d s, clock at %s: %.3f s of processor time\n", seconds,
                form.Label2.Caption().c_str(), cpu);
    const bool met = counter.elsewhere == 0 && std::abs(counter.repaints - seconds) <= 1;
    std::printf("repaints: %d in %d s, %d of them beyond the clock label "
                "(target: one a second, the clock label only): %s\n",
                counter.repaints, seconds, counter.elsewhere, met ? "met" : "NOT MET");
    return 0;
}
