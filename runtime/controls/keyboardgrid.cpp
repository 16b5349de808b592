#include "keyboardgrid.h"

#include "controlobserver.h"
#include "formwindow.h"
#include "imagearray.h"
#include "inputcodes.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace rt {

namespace {

// Black and yellow, so that the frame stands out on every picture: the
// yellow on the dark ones, the black on the light ones.
void drawCursorFrame(QPainter &painter, const QRect &cell)
{
    const int band = std::max(1, cell.width() / 30);
    QRect ring = cell;
    const auto frame = [&](int width, const QColor &color) {
        for (int k = 0; k < width; ++k, ring.adjust(1, 1, -1, -1)) {
            painter.fillRect(ring.left(), ring.top(), ring.width(), 1, color);
            painter.fillRect(ring.left(), ring.bottom(), ring.width(), 1, color);
            painter.fillRect(ring.left(), ring.top(), 1, ring.height(), color);
            painter.fillRect(ring.right(), ring.top(), 1, ring.height(), color);
        }
    };
    frame(1, Qt::black);
    frame(band, QColor(255, 255, 0));
    if (band > 1)
        frame(1, Qt::black);
}

bool isTab(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

KeyboardGrid::KeyboardGrid(const QString &name, ImageArray &images, int columns, int rows,
                           const ElementAt &elementAt, std::vector<KeyPress> keys, QWidget *window)
    : QWidget(window), name_(name), images_(images), columns_(columns), rows_(rows), keys_(std::move(keys))
{
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            elements_.push_back(elementAt(column, row));
    // The mouse goes to the window beneath, and a click takes no focus.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setGeometry(0, 0, 0, 0);
}

int KeyboardGrid::elementAt(QPoint cell) const
{
    if (cell.x() < 0 || cell.x() >= columns_ || cell.y() < 0 || cell.y() >= rows_)
        return -1;
    return elements_[std::size_t(cell.y() * columns_ + cell.x())];
}

Image *KeyboardGrid::imageAt(QPoint cell) const
{
    const int index = elementAt(cell);
    return images_.exists(index) ? &images_(index) : nullptr;
}

QPoint KeyboardGrid::cellOf(int index) const
{
    const auto at = std::find(elements_.begin(), elements_.end(), index);
    const int n = int(at - elements_.begin());
    return at == elements_.end() ? QPoint(-1, -1) : QPoint(n % columns_, n / columns_);
}

QRect KeyboardGrid::cellRect(QPoint cell) const
{
    const Image *image = imageAt(cell);
    return image ? image->pixelRect().translated(-pos()) : QRect();
}

void KeyboardGrid::moveCursor(QPoint cell)
{
    if (cell == cursor_)
        return;
    update(cellRect(cursor_));
    cursor_ = cell;
    update(cellRect(cursor_));
    tellCursorMoved();
}

void KeyboardGrid::showCursor()
{
    keyboardCame_ = true;
    update(cellRect(cursor_));
    tellCursorMoved();
}

void KeyboardGrid::tellCursorMoved()
{
    ControlObserver::tell(&ControlObserver::cursorMoved, *this);
}

void KeyboardGrid::pressed(int index)
{
    const QPoint cell = cellOf(index);
    if (cell.x() >= 0)
        moveCursor(cell);
}

// The arrows move the cursor one cell and stop at the edges; Home and End go
// to the ends of its row, with Ctrl to the first and the last cell.
bool KeyboardGrid::move(int keyCode, bool ctrl)
{
    const bool arrow = keyCode >= KeyLeft && keyCode <= KeyDown;
    if (!keyboardCame_) { // an arrow key shows where the cursor is
        if (arrow)
            showCursor();
        return arrow;
    }
    QPoint to = cursor_;
    switch (keyCode) {
    case KeyLeft: to.rx() -= 1; break;
    case KeyRight: to.rx() += 1; break;
    case KeyUp: to.ry() -= 1; break;
    case KeyDown: to.ry() += 1; break;
    case KeyHome: to = QPoint(0, ctrl ? 0 : to.y()); break;
    case KeyEnd: to = QPoint(columns_ - 1, ctrl ? rows_ - 1 : to.y()); break;
    default: return false;
    }
    moveCursor(QPoint(std::clamp(to.x(), 0, columns_ - 1), std::clamp(to.y(), 0, rows_ - 1)));
    return true;
}

void KeyboardGrid::walk(int step)
{
    const int cells = columns_ * rows_;
    const int n = ((cursor_.y() * columns_ + cursor_.x() + step) % cells + cells) % cells;
    moveCursor(QPoint(n % columns_, n / columns_));
}

bool KeyboardGrid::otherControlTakesTab() const
{
    for (const QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (!w->isWindow() && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            return true;
    return false;
}

const KeyPress *KeyboardGrid::keyPress(int keyCode) const
{
    const auto at = std::find_if(keys_.begin(), keys_.end(), [&](const KeyPress &k) { return k.keyCode == keyCode; });
    return at == keys_.end() ? nullptr : &*at;
}

bool KeyboardGrid::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isTab(static_cast<QKeyEvent *>(event)) && !otherControlTakesTab()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        if (!keyboardCame_)
            showCursor();
        else
            walk(back ? -1 : 1);
        return true;
    }
    return QWidget::event(event);
}

void KeyboardGrid::keyPressEvent(QKeyEvent *event)
{
    const int keyCode = virtualKeyCode(event->key());
    if (move(keyCode, event->modifiers() & Qt::ControlModifier))
        return;
    const KeyPress *key = keyPress(keyCode);
    if (!key || !keyboardCame_) {
        event->ignore();
        return;
    }
    // A key held down presses once, however often the keyboard repeats it.
    if (event->isAutoRepeat())
        return;
    Image *image = imageAt(cursor_);
    if (!image)
        return;
    held_.press(keyCode, elementAt(cursor_));
    FormWindow &form = *image->formWindow();
    ControlObserver::tell(&ControlObserver::keyPressed, form, this, std::string());
    image->pressInMiddle(key->button, shiftCode(event->modifiers()));
    ControlObserver::tell(&ControlObserver::keyHeld, form);
}

// The release goes to the element the key pressed, wherever the cursor is now.
void KeyboardGrid::keyReleaseEvent(QKeyEvent *event)
{
    const int keyCode = virtualKeyCode(event->key());
    if (!held_.holds(keyCode)) {
        event->ignore();
        return;
    }
    if (event->isAutoRepeat())
        return;
    const int index = *held_.release(keyCode);
    FormWindow &form = *static_cast<FormWindow *>(window());
    ControlObserver::tell(&ControlObserver::keyResumed, form);
    if (images_.exists(index))
        images_(index).releaseInMiddle(keyPress(keyCode)->button, shiftCode(event->modifiers()));
    ControlObserver::tell(&ControlObserver::keyDone, form);
}

void KeyboardGrid::focusInEvent(QFocusEvent *event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        keyboardCame_ = true;
    update(cellRect(cursor_));
    // After the toolkit has told screen readers that the grid has the focus.
    QTimer::singleShot(0, this, [this] { tellCursorMoved(); });
}

// A key released elsewhere, in a message box say, leaves nothing behind.
void KeyboardGrid::focusOutEvent(QFocusEvent *)
{
    held_.clear();
    ControlObserver::tell(&ControlObserver::keyDone, *static_cast<FormWindow *>(window()));
    update(cellRect(cursor_));
}

// The elements are in their places once the window has loaded.
void KeyboardGrid::showEvent(QShowEvent *)
{
    QRect area;
    for (int index : elements_)
        if (images_.exists(index))
            area |= images_(index).pixelRect();
    setGeometry(area);
}

void KeyboardGrid::paintEvent(QPaintEvent *)
{
    if (!cursorShown())
        return;
    QPainter painter(this);
    drawCursorFrame(painter, cellRect(cursor_));
}

} // namespace rt
