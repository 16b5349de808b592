#pragma once

#include "random.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <QPoint>
#include <Qt>

class QWidget;
class QImage;

namespace rt {
class Control;
}

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
void useSeed(std::uint32_t seed);

// The draw that floor(r * n) turns into index.
float drawFor(int index, int n);

// Records the message boxes that would have been shown, for as long as it lives.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    std::vector<std::pair<std::string, std::string>> shown; // text, title
};

// Shows the window and waits until it is exposed.
bool showAndWait(QWidget *window);
QImage grab(QWidget *window);

// Real mouse events on a control of a shown window, delivered to its form's
// window at a point inside the control: its centre, or an offset from its
// top-left corner.
inline const QPoint centre{-1, -1};
void mousePress(const rt::Control &control, Qt::MouseButton button,
                Qt::KeyboardModifiers modifiers = {}, QPoint offset = centre);
void mouseRelease(const rt::Control &control, Qt::MouseButton button,
                  Qt::KeyboardModifiers modifiers = {}, QPoint offset = centre);
void mouseClick(const rt::Control &control, Qt::MouseButton button,
                Qt::KeyboardModifiers modifiers = {}, QPoint offset = centre);

} // namespace support
