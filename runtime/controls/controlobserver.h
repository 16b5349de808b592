#pragma once

#include <string>

namespace rt {

class FormWindow;
class GraphicControl;
class Image;
class KeyboardGrid;
class Label;
struct Spoken;

// Whatever follows the windows and their controls from outside, as a screen
// reader's code does: the controls tell it what becomes of them and it reads
// them as it needs. There is one at the most, set once; while there is none,
// the controls tell nobody.
class ControlObserver
{
public:
    static ControlObserver *current() { return current_; }
    static void set(ControlObserver *observer) { current_ = observer; }

    virtual void windowMade(FormWindow &window) = 0;
    virtual void windowGone(FormWindow &window) = 0;
    virtual void controlGone(GraphicControl &control) = 0;

    // Told of a shown window only: before it is shown, it is being laid out.
    virtual void pictureShown(Image &image, const Spoken &previous) = 0;
    virtual void captionChanged(Label &label, const std::string &previous) = 0;
    // The keyboard's cursor came to another cell, or its grid took the keyboard.
    virtual void cursorMoved(KeyboardGrid &grid) = 0;

    // A key goes down: a key of a keyboard grid, or a key with a text of its
    // own (an access key, a spoken key, a click of a check box that says what
    // it does). What its own events change belongs to the key until its
    // release, or the press itself for a key without a release, is done;
    // while it is held, other events (a clock's tick) change things too.
    virtual void keyPressed(FormWindow &window, KeyboardGrid *grid, const std::string &text) = 0;
    virtual void keyHeld(FormWindow &window) = 0;
    virtual void keyResumed(FormWindow &window) = 0;
    virtual void keyDone(FormWindow &window) = 0;

protected:
    ~ControlObserver() = default;

private:
    static inline ControlObserver *current_ = nullptr;
};

} // namespace rt
