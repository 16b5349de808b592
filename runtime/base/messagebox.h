#pragma once

#include <functional>
#include <string>

namespace rt {

// A modal message box with a text, a title and a single OK button; it
// returns when the user dismisses it.
void MsgBox(const std::string &prompt, const std::string &title);

// Loads, off the GUI thread, the system fonts and the plugins a message box
// needs, so that the first box opens at once. A window calls it once it is
// on screen; the loading begins a quarter of a second later.
void prepareMessageBoxes();

// Tests replace the box with a function that records what it would show.
using MessageBoxHandler = std::function<void(const std::string &prompt, const std::string &title)>;
void setMessageBoxHandler(MessageBoxHandler handler);
void resetMessageBoxHandler();

// The title a run-time error's box carries: the caption of the program's window.
const std::string &programTitle();
void setProgramTitle(const std::string &title);

} // namespace rt
