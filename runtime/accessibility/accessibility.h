#pragma once

#include <string>

class QAccessibleInterface;

namespace rt {

class FormWindow;
class GraphicControl;
class Image;
class KeyboardGrid;
class Label;
struct Spoken;

// What screen readers are told of the runtime's controls, through Qt's
// accessibility, which hands it on over AT-SPI. Linked into a program, it
// follows the controls from the start, as their ControlObserver. Every change
// is told only while assistive software listens, and the accessible objects
// are made only when it asks for them.

// Lets Qt make the accessible objects of the runtime's windows, once, and
// keeps what a window announces from its making to its end.
void installAccessibility(FormWindow &window);
void forgetWindow(FormWindow &window);

// The accessible object of a graphic control, made on the first request; a
// control's object, and the name of its own, go with the control.
QAccessibleInterface *accessibleControl(GraphicControl &control);
void forgetAccessible(GraphicControl &control);
void setAccessibleName(GraphicControl &control, const std::string &name);
const std::string &accessibleName(const GraphicControl &control);
// What the window announces, and the accessible object that tells it.
const std::string &announcement(const FormWindow &window);
QAccessibleInterface *accessibleAnnouncement(FormWindow &window);

// An image of a shown window shows another picture: a cell or an image is
// named anew, a button described anew, and an announced picture announced.
void pictureShown(Image &image, const Spoken &previous);
void captionChanged(Label &label, const std::string &previous); // of a shown window
// The keyboard's cursor came to another cell, or its grid took the keyboard.
void cursorMoved(KeyboardGrid &grid);

// What a key did (see KeyReport), announced by the window once the key is done: the key's press starts the
// report, which keeps what changes while the key's own events run, and
// its release, or the press itself for a key without a release, tells it.
// A key of a keyboard grid reports on the cell under the cursor; a key with
// a text of its own, that text and the window's labels; an access key, the
// name of the control it presses.
void startReport(FormWindow &window, KeyboardGrid *grid, const std::string &lead);
void startAccessKeyReport(GraphicControl &control);
void holdReport(FormWindow &window); // while the key is down
void resumeReport(FormWindow &window);
void finishReport(FormWindow &window);

} // namespace rt
