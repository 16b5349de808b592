#include "formwindow.h"

#include "controlobserver.h"
#include "form.h"
#include "graphiccontrol.h"
#include "inputcodes.h"
#include "messagebox.h"
#include "mouse.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace rt {

FormWindow::FormWindow(Form &form) : form_(form)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    // A click on the window must not take the keyboard from the control that
    // holds it; a window without such a control gets the keys all the same.
    setFocusPolicy(Qt::NoFocus);
    ControlObserver::tell(&ControlObserver::windowMade, *this);
}

FormWindow::~FormWindow()
{
    ControlObserver::tell(&ControlObserver::windowGone, *this);
}

void FormWindow::addGraphic(GraphicControl *control)
{
    graphics_.push_back(control);
}

void FormWindow::removeGraphic(GraphicControl *control)
{
    graphics_.erase(std::remove(graphics_.begin(), graphics_.end(), control), graphics_.end());
    if (mouseOwner_ == control)
        mouseOwner_ = nullptr;
    std::erase_if(accessKeys_, [control](const auto &key) { return key.second == control; });
    heldAccessKeys_.forget(control);
}

void FormWindow::addAccessKey(int keyCode, GraphicControl *control)
{
    accessKeys_.emplace_back(keyCode, control);
}

void FormWindow::addSpokenKey(int keyCode, const std::string &text)
{
    spokenKeys_.emplace_back(keyCode, text);
}

void FormWindow::restack(GraphicControl *control, bool toFront)
{
    removeGraphic(control);
    graphics_.insert(toFront ? graphics_.end() : graphics_.begin(), control);
    requestPaint(control->pixelRect());
}

void FormWindow::stackAbove(GraphicControl *control, const GraphicControl *below)
{
    if (mouseOwner_ == control)
        mouseOwner_ = nullptr;
    // Every graphic control is in the list from its making to its end, and
    // one is usually moved from the top, where it was made: look for it
    // there, and move it with one rotation.
    const auto from = std::prev(std::find(graphics_.rbegin(), graphics_.rend(), control).base());
    const auto at = std::find(graphics_.begin(), graphics_.end(), below);
    if (at == graphics_.end())
        std::rotate(from, from + 1, graphics_.end());
    else if (at < from)
        std::rotate(at + 1, from, from + 1);
    else
        std::rotate(from, from + 1, at + 1);
    requestPaint(control->pixelRect());
}

int FormWindow::stackingIndex(const GraphicControl *control) const
{
    const auto at = std::find(graphics_.begin(), graphics_.end(), control);
    return at == graphics_.end() ? -1 : int(at - graphics_.begin());
}

void FormWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // Each picture pixel becomes a whole block of screen pixels: no smoothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect dirty = event->rect();
    for (const GraphicControl *control : graphics_)
        if (control->Visible() && control->pixelRect().intersects(dirty))
            control->paint(painter);
    // What only a later message box needs is prepared once the window is on
    // screen, never before its first frame.
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, &prepareMessageBoxes);
    }
}

GraphicControl *FormWindow::controlAt(const QPoint &position) const
{
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it)
        if ((*it)->Visible() && (*it)->takesMouse() && (*it)->pixelRect().contains(position))
            return *it;
    return nullptr;
}

void FormWindow::press(QMouseEvent *event)
{
    event->accept();
    const int button = buttonCode(event->button());
    if (button == 0)
        return;
    // The first button down picks the control; a release that a message box
    // swallowed leaves nothing behind.
    if (event->buttons() == event->button() || !mouseOwner_) {
        pressedButtons_ = {};
        mouseOwner_ = controlAt(event->position().toPoint());
    }
    pressedButtons_ |= event->button();
    if (!mouseOwner_)
        return;
    GraphicControl *owner = mouseOwner_;
    const QPointF at = event->position() - owner->pixelRect().topLeft();
    owner->mousePressed(button, shiftCode(event->modifiers()), float(at.x() * 15), float(at.y() * 15));
}

void FormWindow::mousePressEvent(QMouseEvent *event)
{
    press(event);
}

// The second press of a quick double click is a press like any other. Qt
// reports it as a double click, on some paths after a press of its own.
void FormWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (pressedButtons_ & event->button()) {
        event->accept();
        return;
    }
    press(event);
}

void FormWindow::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    pressedButtons_ &= ~event->button();
    GraphicControl *owner = mouseOwner_;
    if (!pressedButtons_)
        mouseOwner_ = nullptr;
    const int button = buttonCode(event->button());
    if (button == 0 || !owner)
        return;
    const QPoint position = event->position().toPoint();
    const bool inside = owner->Visible() && owner->pixelRect().contains(position);
    const QPointF at = event->position() - owner->pixelRect().topLeft();
    owner->mouseReleased(button, shiftCode(event->modifiers()), float(at.x() * 15), float(at.y() * 15), inside);
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    const int keyCode = virtualKeyCode(event->key());
    if (keyCode == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key held down acts once, however often the keyboard repeats it.
    if (event->isAutoRepeat())
        return;
    const auto access = std::find_if(accessKeys_.begin(), accessKeys_.end(),
                                     [keyCode](const auto &key) { return key.first == keyCode; });
    if (access != accessKeys_.end()) {
        heldAccessKeys_.press(keyCode, access->second);
        ControlObserver::tell(&ControlObserver::accessKeyPressed, *access->second);
        access->second->pressInMiddle(LeftButton, shiftCode(event->modifiers()));
        ControlObserver::tell(&ControlObserver::keyHeld, *this);
        return;
    }
    const auto spoken = std::find_if(spokenKeys_.begin(), spokenKeys_.end(),
                                     [keyCode](const auto &key) { return key.first == keyCode; });
    const ControlObserver *observer = spoken != spokenKeys_.end() ? ControlObserver::current() : nullptr;
    if (observer)
        observer->keyPressed(*this, nullptr, spoken->second);
    form_.Form_KeyDown(keyCode, shiftCode(event->modifiers()));
    if (observer)
        observer->keyDone(*this);
}

void FormWindow::keyReleaseEvent(QKeyEvent *event)
{
    const int keyCode = virtualKeyCode(event->key());
    if (!heldAccessKeys_.holds(keyCode) || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    ControlObserver::tell(&ControlObserver::keyResumed, *this);
    (*heldAccessKeys_.release(keyCode))->releaseInMiddle(LeftButton, shiftCode(event->modifiers()));
    ControlObserver::tell(&ControlObserver::keyDone, *this);
}

// A key released in another window, a message box say, leaves nothing behind.
void FormWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        heldAccessKeys_.clear();
        ControlObserver::tell(&ControlObserver::keyDone, *this);
    }
    QWidget::changeEvent(event);
}

} // namespace rt
