#pragma once

#include <string>
#include <utility>

namespace rt {

class FormWindow;
class GraphicControl;
class Image;
class KeyboardGrid;
class Label;
struct ObserverData;
struct Spoken;

// What the controls tell of what becomes of them to whatever follows them
// from outside, as a screen reader's code does, reading them as it needs:
// the functions they call. There is one at the most, set once; while there
// is none, the controls tell nobody.
struct ControlObserver
{
    static const ControlObserver *current() { return current_; }
    static void set(const ControlObserver *observer) { current_ = observer; }
    // Calls one of the observer's functions, if there is an observer.
    template <typename... Parameters, typename... Arguments>
    static void tell(void (*ControlObserver::*event)(Parameters...), Arguments &&...arguments)
    {
        if (current_)
            (current_->*event)(std::forward<Arguments>(arguments)...);
    }

    // A window's ObserverData is the observer's own: the window carries it
    // from windowMade to windowGone.
    void (*windowMade)(FormWindow &window);
    void (*windowGone)(FormWindow &window);
    void (*controlGone)(GraphicControl &control);
    // A name of its own, which makes an image a button named for what it does.
    void (*nameGiven)(GraphicControl &control, const std::string &name);

    // Told of a shown window only: before it is shown, it is being laid out.
    void (*pictureShown)(Image &image, const Spoken &previous);
    void (*captionChanged)(Label &label, const std::string &previous);
    // The keyboard's cursor came to another cell, or its grid took the keyboard.
    void (*cursorMoved)(KeyboardGrid &grid);

    // A key goes down: a key of a keyboard grid, a key with a text of its own
    // (a spoken key, a click of a check box that says what it does), or an
    // access key that presses a control. What its own events change belongs
    // to the key until its release, or the press itself for a key without a
    // release, is done; while it is held, other events (a clock's tick)
    // change things too.
    void (*keyPressed)(FormWindow &window, KeyboardGrid *grid, const std::string &text);
    void (*accessKeyPressed)(GraphicControl &control);
    void (*keyHeld)(FormWindow &window);
    void (*keyResumed)(FormWindow &window);
    void (*keyDone)(FormWindow &window);

private:
    static inline const ControlObserver *current_ = nullptr;
};

} // namespace rt
