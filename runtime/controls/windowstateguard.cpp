#include "windowstateguard.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace rt {

namespace {
constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
}

WindowStateGuard::WindowStateGuard(QWidget *window) : QObject(window), window_(window)
{
    window_->installEventFilter(this);
}

bool WindowStateGuard::eventFilter(QObject *watched, QEvent *event)
{
    // The platform window exists once the window is shown; the window
    // system's own changes of state arrive there.
    if (watched == window_ && event->type() == QEvent::Show) {
        window_->removeEventFilter(this);
        window_->windowHandle()->installEventFilter(this);
    } else if (watched != window_ && event->type() == QEvent::WindowStateChange && event->spontaneous()) {
        stateChanged(window_->windowHandle()->windowStates());
    }
    return false;
}

// Asking the window system to take the state back is enough on X11. On
// Wayland it is not, and this works around Qt 6.4's Wayland plugin: its own
// title bar has a maximize button whatever the window's flags say, and when
// the compositor configures the maximized state (for that button or of its
// own accord), the plugin acknowledges it while the window keeps its fixed
// size. xdg-shell requires a maximized window to take the configured size,
// and weston ends the connection at the window's next frame. Asking to leave
// the state is no way out: weston answers only once a frame has gone out in
// it. So no frame goes out: the window is taken off the screen and shown
// again, with a new surface in the normal state. Full screen, where the
// window may stay smaller, goes the same way, so that the game keeps its
// title bar. Should the compositor enlarge the new window again, it is left so.
void WindowStateGuard::stateChanged(Qt::WindowStates states)
{
    if (!(states & enlarged)) {
        reopened_ = false;
    } else if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        window_->windowHandle()->setWindowStates(states & ~enlarged);
    } else if (!reopened_) {
        reopened_ = true;
        window_->setUpdatesEnabled(false);
        QTimer::singleShot(0, this, &WindowStateGuard::reopen);
    }
}

void WindowStateGuard::reopen()
{
    window_->hide();
    window_->setWindowState(window_->windowState() & ~enlarged);
    window_->show();
    window_->setUpdatesEnabled(true);
}

} // namespace rt
