#include "timer.h"

#include "form.h"

#include <QTimer>
#include <QWidget>

namespace rt {

Timer::Timer(Form &form) : timer_(new QTimer(form.window()))
{
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, [this] {
        if (tick_)
            tick_();
    });
}

Timer::~Timer()
{
    delete timer_;
}

int Timer::Interval() const { return timer_->interval(); }
void Timer::setInterval(int milliseconds) { timer_->setInterval(milliseconds); }
bool Timer::Enabled() const { return timer_->isActive(); }

void Timer::setEnabled(bool enabled)
{
    // Enabling a running timer must not re-phase it.
    if (enabled && !timer_->isActive())
        timer_->start();
    else if (!enabled)
        timer_->stop();
}

void Timer::onTimer(std::function<void()> handler)
{
    tick_ = std::move(handler);
}

} // namespace rt
