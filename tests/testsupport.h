#pragma once

#include "control.h"
#include "form.h"
#include "random.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QRandomGenerator>
#include <QString>
#include <QTest>
#include <QWidget>

namespace support {

// Hands out exactly the numbers it was given; running out is a test bug and
// ends the test loudly instead of spinning in a retry loop.
class ScriptedRandom : public rt::RandomSource
{
public:
    explicit ScriptedRandom(std::vector<float> numbers) : numbers_(std::move(numbers)) {}
    void randomize() override {}
    float next() override;
    std::size_t used() const { return next_; }

private:
    std::vector<float> numbers_;
    std::size_t next_ = 0;
};

// The program's generator with a fixed seed: seeding from the clock is ignored.
class SeededRandom : public rt::LcgRandom
{
public:
    explicit SeededRandom(std::uint32_t seed) : rt::LcgRandom(seed) {}
    void randomize() override {}
};

ScriptedRandom &useScript(std::vector<float> numbers);
inline void useSeed(std::uint32_t seed) { rt::setRandomSource(std::make_unique<SeededRandom>(seed)); }

// The draw that floor(r * n) turns into index.
inline float drawFor(int index, int n) { return (float(index) + 0.5f) / float(n); }

// Records the message boxes that would have been shown, for as long as it lives.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    std::vector<std::pair<std::string, std::string>> shown; // text, title
};

// Shows the window and waits until it is exposed.
inline bool showAndWait(QWidget *window)
{
    window->show();
    return QTest::qWaitForWindowExposed(window);
}
inline QImage grab(QWidget *window) { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Real mouse events on a control of a shown window, delivered as the window
// system delivers them, to whatever lies at a point inside the control: its
// centre, or an offset from its top-left corner.
inline const QPoint centre{-1, -1};
inline QPoint pointIn(const rt::Control &control, QPoint offset)
{
    return offset == centre ? control.pixelRect().center() : control.pixelRect().topLeft() + offset;
}
inline void mousePress(const rt::Control &control, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {},
                       QPoint offset = centre)
{
    QTest::mousePress(control.form().window()->windowHandle(), button, modifiers, pointIn(control, offset));
}
inline void mouseRelease(const rt::Control &control, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {},
                         QPoint offset = centre)
{
    QTest::mouseRelease(control.form().window()->windowHandle(), button, modifiers, pointIn(control, offset));
}
inline void mouseClick(const rt::Control &control, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {},
                       QPoint offset = centre)
{
    QTest::mouseClick(control.form().window()->windowHandle(), button, modifiers, pointIn(control, offset));
}

// Keys as the window system sends them to a shown window: to whatever holds
// its keyboard.
inline void keyClick(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(window->windowHandle(), key, modifiers);
}
// A key held down while the keyboard repeats it, then released.
void keyHeld(QWidget *window, Qt::Key key, int repeats);

// Moves the cursor of a window's keyboard grid by keys, keeping its own
// account of where the cursor is, so that a cursor gone astray shows as a
// press on the wrong cell. The first cell of a row is reached by Home, the
// last one and the top and bottom rows by arrows pressed past the edge, the
// corners by Ctrl+Home and Ctrl+End, and, where Tab walks the grid, the next
// cell in reading order by Tab and the one before by Shift+Tab.
class GridKeys
{
public:
    GridKeys(QWidget *window, int columns, int rows, bool tabWalks)
        : window_(window), columns_(columns), rows_(rows), tabWalks_(tabWalks) {}
    void moveTo(QPoint cell);
    // A mouse press moves the cursor too.
    void mousePressed(QPoint cell) { at_ = cell; }
    // Shift+Tab takes the keyboard to the window's other control.
    void leave();

private:
    void keys(Qt::Key key, int times, Qt::KeyboardModifiers modifiers = {});
    int readingIndex(QPoint cell) const { return cell.y() * columns_ + cell.x(); }

    QWidget *window_;
    int columns_;
    int rows_;
    bool tabWalks_;
    QPoint at_{0, 0};
    bool inGrid_ = false;
    int entries_ = 0;
};

struct PlayReport
{
    long events = 0;
    long violations = 0;
    double seconds = 0;
    QString firstViolation;
};

// Plays a game with a player's random events and checks the game's rules
// after each: the player's brokenInvariant() is empty while they all hold.
template <typename Player>
PlayReport playRandomly(Player &player, long events, quint32 seed, bool stopAtFirstViolation = true)
{
    QRandomGenerator chance(seed);
    PlayReport report;
    QElapsedTimer clock;
    clock.start();
    for (; report.events < events && !(stopAtFirstViolation && report.violations); ++report.events) {
        player.playOneEvent(chance);
        const QString broken = player.brokenInvariant();
        if (!broken.isEmpty() && ++report.violations == 1)
            report.firstViolation = QString("event %1: %2").arg(report.events).arg(broken);
    }
    report.seconds = clock.nsecsElapsed() / 1e9;
    return report;
}

} // namespace support
