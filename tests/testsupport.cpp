#include "testsupport.h"

#include "messagebox.h"

#include <QWindow>

#include <cstdlib>

namespace support {

float ScriptedRandom::next()
{
    if (next_ >= numbers_.size())
        qFatal("The scripted random source ran out after %zu numbers", numbers_.size());
    return numbers_[next_++];
}

ScriptedRandom &useScript(std::vector<float> numbers)
{
    auto source = std::make_unique<ScriptedRandom>(std::move(numbers));
    ScriptedRandom &script = *source;
    rt::setRandomSource(std::move(source));
    return script;
}

MessageRecorder::MessageRecorder()
{
    rt::setMessageBoxHandler([this](const std::string &text, const std::string &title) {
        shown.emplace_back(text, title);
    });
}

MessageRecorder::~MessageRecorder()
{
    rt::resetMessageBoxHandler();
}

void keyHeld(QWidget *window, Qt::Key key, int repeats)
{
    QWindow *handle = window->windowHandle();
    QTest::simulateEvent(handle, true, key, {}, QString(), false);
    for (int k = 0; k < repeats; ++k) {
        QTest::simulateEvent(handle, false, key, {}, QString(), true);
        QTest::simulateEvent(handle, true, key, {}, QString(), true);
    }
    QTest::simulateEvent(handle, false, key, {}, QString(), false);
}

void GridKeys::keys(Qt::Key key, int times, Qt::KeyboardModifiers modifiers)
{
    while (times-- > 0)
        keyClick(window_, key, modifiers);
}

// The first entry by an arrow, which does not move the cursor, later ones by Tab.
void GridKeys::moveTo(QPoint cell)
{
    if (!inGrid_)
        keys(entries_++ % 2 ? Qt::Key_Tab : Qt::Key_Down, 1);
    inGrid_ = true;
    const QPoint last(columns_ - 1, rows_ - 1);
    const int step = readingIndex(cell) - readingIndex(at_);
    const int cells = columns_ * rows_;
    if (cell == at_)
        return;
    if (cell == QPoint(0, 0) || cell == last) {
        keys(cell == last ? Qt::Key_End : Qt::Key_Home, 1, Qt::ControlModifier);
    } else if (tabWalks_ && (step + cells) % cells == 1) {
        keys(Qt::Key_Tab, 1);
    } else if (tabWalks_ && (step + cells) % cells == cells - 1) {
        keys(Qt::Key_Tab, 1, Qt::ShiftModifier);
    } else {
        if (cell.x() == 0)
            keys(Qt::Key_Home, 1);
        else if (cell.x() == last.x())
            keys(Qt::Key_Right, last.x() - at_.x() + 2);
        else
            keys(cell.x() > at_.x() ? Qt::Key_Right : Qt::Key_Left, std::abs(cell.x() - at_.x()));
        if (cell.y() == 0)
            keys(Qt::Key_Up, at_.y() + 2);
        else if (cell.y() == last.y())
            keys(Qt::Key_Down, last.y() - at_.y() + 2);
        else
            keys(cell.y() > at_.y() ? Qt::Key_Down : Qt::Key_Up, std::abs(cell.y() - at_.y()));
    }
    at_ = cell;
}

void GridKeys::leave()
{
    if (inGrid_)
        keys(Qt::Key_Tab, 1, Qt::ShiftModifier);
    inGrid_ = false;
}

} // namespace support
