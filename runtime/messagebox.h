#pragma once

#include <functional>
#include <string>

namespace rt {

// A modal message box with a text, a title and a single OK button; it
// returns when the user dismisses it.
void MsgBox(const std::string &prompt, const std::string &title);

// Tests replace the box with a function that records what it would show.
using MessageBoxHandler = std::function<void(const std::string &prompt, const std::string &title)>;
void setMessageBoxHandler(MessageBoxHandler handler);
void resetMessageBoxHandler();

// The title a run-time error's box carries: the caption of the program's window.
const std::string &programTitle();
void setProgramTitle(const std::string &title);

} // namespace rt
