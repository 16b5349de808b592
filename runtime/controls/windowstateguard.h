#pragma once

#include <QObject>

class QWidget;

namespace rt {

// Keeps a window of fixed size in its normal state. Whatever asks to
// maximize the window or to make it full screen (a title-bar button, a
// double click, a key of the desktop, a tiling layout), the window goes on
// at its own size, its contents untouched.
class WindowStateGuard : public QObject
{
public:
    // Watches the window from its first showing on; the window owns the guard.
    explicit WindowStateGuard(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stateChanged(Qt::WindowStates states);
    void reopen();

    QWidget *window_;
    bool reopened_ = false;
};

} // namespace rt
