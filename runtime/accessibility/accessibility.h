#pragma once

#include <string>

class QAccessibleInterface;

namespace rt {

class FormWindow;
class GraphicControl;

// What screen readers are told of the runtime's controls, through Qt's
// accessibility, which hands it on over AT-SPI. Linked into a program, it
// follows the controls from the start (see ControlObserver); every change is
// told only while assistive software listens, and the accessible objects are
// made only when it asks for them.

// The accessible object of a graphic control, made on the first request; a
// control's object goes with the control.
QAccessibleInterface *accessibleControl(GraphicControl &control);
// What the window announces, and the accessible object that tells it.
const std::string &announcement(const FormWindow &window);
QAccessibleInterface *accessibleAnnouncement(FormWindow &window);

} // namespace rt
