#pragma once

#include "control.h"
#include "form.h"
#include "messagebox.h"
#include "random.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <QAccessible>
#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QRandomGenerator>
#include <QString>
#include <QTest>
#include <QWidget>

namespace rt {
class Image;
class ImageArray;
}

namespace support {

// Hands out exactly the numbers it was given; running out is a test bug and
// ends the test loudly instead of spinning in a retry loop.
class ScriptedRandom : public rt::RandomSource
{
public:
    explicit ScriptedRandom(std::vector<float> numbers) : numbers_(std::move(numbers)) {}
    void randomize() override {}
    float next() override
    {
        if (next_ >= numbers_.size())
            qFatal("The scripted random source ran out after %zu numbers", numbers_.size());
        return numbers_[next_++];
    }
    std::size_t used() const { return next_; }

private:
    std::vector<float> numbers_;
    std::size_t next_ = 0;
};

// The program's generator with a fixed seed: seeding from the clock is only counted.
class SeededRandom : public rt::LcgRandom
{
public:
    explicit SeededRandom(std::uint32_t seed, int *seedings = nullptr) : rt::LcgRandom(seed), seedings_(seedings) {}
    void randomize() override { if (seedings_) ++*seedings_; }

private:
    int *seedings_;
};

inline ScriptedRandom &useScript(std::vector<float> numbers)
{
    auto *script = new ScriptedRandom(std::move(numbers));
    rt::setRandomSource(std::unique_ptr<rt::RandomSource>(script));
    return *script;
}
inline void useSeed(std::uint32_t seed) { rt::setRandomSource(std::make_unique<SeededRandom>(seed)); }

// The draw that floor(r * n) turns into index.
inline float drawFor(int index, int n) { return (float(index) + 0.5f) / float(n); }

// The element of sources, up to last, whose picture an image shows, or -1.
int showing(rt::ImageArray &sources, const rt::Image &image, int last);

// Records the message boxes that would have been shown, for as long as it lives.
class MessageRecorder
{
public:
    MessageRecorder() { rt::setMessageBoxHandler([this](auto &...box) { shown.emplace_back(box...); }); }
    ~MessageRecorder() { rt::resetMessageBoxHandler(); }
    std::vector<std::pair<std::string, std::string>> shown; // text, title
};

// Shows the window and waits until it is exposed; a form as the program
// shows it, until it is active.
inline bool showAndWait(QWidget *window) { return window->show(), QTest::qWaitForWindowExposed(window); }
inline bool showAndWait(rt::Form &form) { return form.Show(), QTest::qWaitForWindowActive(form.window()); }
inline QImage grab(QWidget *window) { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Real mouse events on a control of a shown window, delivered as the window
// system delivers them, to whatever lies at a point inside the control: its
// centre, or an offset from its top-left corner.
inline const QPoint centre{-1, -1};
inline void mouse(QTest::MouseAction action, const rt::Control &control, Qt::MouseButton button, QPoint offset,
                  Qt::KeyboardModifiers modifiers = {})
{
    const QRect area = control.pixelRect();
    QTest::mouseEvent(action, control.form().window()->windowHandle(), button, modifiers,
                      offset == centre ? area.center() : area.topLeft() + offset);
}
using Button = Qt::MouseButton;
using Modifiers = Qt::KeyboardModifiers;
inline void mousePress(const rt::Control &c, Button b, QPoint at = centre) { mouse(QTest::MousePress, c, b, at); }
inline void mouseRelease(const rt::Control &c, Button b, QPoint at = centre) { mouse(QTest::MouseRelease, c, b, at); }
inline void mouseClick(const rt::Control &c, Button b, Modifiers m = {}) { mouse(QTest::MouseClick, c, b, centre, m); }

// Keys as the window system sends them to a shown window: to whatever holds its keyboard.
inline void keyClick(QWidget *w, Qt::Key key, Modifiers m = {}) { QTest::keyClick(w->windowHandle(), key, m); }
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

    QWidget *window_;
    int columns_, rows_;
    bool tabWalks_;
    QPoint at_{0, 0};
    bool inGrid_ = false;
    int entries_ = 0;
};

// Listens as a screen reader does, for as long as it lives: the toolkit's
// accessibility switched on, as the AT-SPI bridge switches it on when a
// reader starts, and every event raised recorded with what it was about.
class ScreenReader
{
public:
    // An event, and the name of the object it was about; a grid's cell by its place in reading order.
    struct Heard { QAccessible::Event type; QAccessible::Role role; QString name; int cell = -1; };

    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader &) = delete;
    ScreenReader &operator=(const ScreenReader &) = delete;

    std::vector<Heard> heard;
    // The names of the events of a type about objects of a role since the
    // record stood at mark, in order; what the window announced.
    QStringList names(QAccessible::Event type, QAccessible::Role role, std::size_t mark = 0) const;
    QStringList announced(std::size_t mark = 0) const
    {
        return names(QAccessible::ObjectShow, QAccessible::Notification, mark);
    }
    // What the reader does not read or was not told of a window's keyboard
    // grid, or an empty text: each cell must read as the picture it shows,
    // each cell that reads otherwise than before must have been told of since
    // the record stood at mark, and while the cursor shows, the last focus
    // must be on the cell under it.
    QString unheard(const rt::ImageArray &cells, const QStringList &before, std::size_t mark) const;
    // The cells of a window's grid as they read, row by row.
    static QStringList cellNames(QWidget *window);

    // The accessible object of a window, and of its grid of cells.
    static QAccessibleInterface *of(QWidget *window) { return QAccessible::queryAccessibleInterface(window); }
    static QAccessibleInterface *grid(QWidget *window);
    // A window's children as a screen reader lists them, one "role 'name'" each.
    static QStringList outline(QWidget *window);
};

struct PlayReport { long events = 0, violations = 0; double seconds = 0; QString firstViolation; };

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
