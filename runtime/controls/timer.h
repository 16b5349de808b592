#pragma once

#include <functional>

class QTimer;

namespace rt {

class Form;

// An invisible control that raises Timer every Interval milliseconds while
// it is enabled.
class Timer
{
public:
    explicit Timer(Form &form);
    ~Timer();
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    int Interval() const;
    void setInterval(int milliseconds);
    bool Enabled() const;
    void setEnabled(bool enabled);

    void onTimer(std::function<void()> handler);

private:
    QTimer *timer_;
    std::function<void()> tick_;
};

} // namespace rt
