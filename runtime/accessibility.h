#pragma once

#include <string>

class QAccessibleInterface;
class QObject;

namespace rt {

class FormWindow;
class GraphicControl;
class Image;
class KeyboardGrid;
class Label;
class Picture;

// What screen readers are told of the runtime's controls, through Qt's
// accessibility, which hands it on over AT-SPI. Every change is told only
// while assistive software listens, and the accessible objects are made only
// when it asks for them.

// Lets Qt make the accessible objects of the runtime's windows, once.
void installAccessibility();

// The accessible object of a graphic control, made on the first request; a
// control's object goes with the control.
QAccessibleInterface *accessibleControl(GraphicControl &control);
void forgetAccessible(GraphicControl &control);
// What the window announces; and the status bar, from the status bar's own file.
QAccessibleInterface *accessibleAnnouncement(FormWindow &window);
QAccessibleInterface *accessibleStatusBar(QObject *object);

// An image shows another picture: a cell or an image is named anew, a button
// described anew, and an announced picture announced in its window.
void pictureShown(Image &image, const Picture &previous);
void captionChanged(Label &label);
// The keyboard's cursor came to another cell, or its grid took the keyboard.
void cursorMoved(KeyboardGrid &grid);

} // namespace rt
