#pragma once

#include "picture.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rt {

class FormWindow;
class Image;
class KeyboardGrid;
class Label;

// What one key did, said briefly once the key's press and release are done:
// the changes that the key's own events made, and only those (not a clock's
// tick while the key is held). A key of a keyboard grid tells what became of
// the cell under the cursor, how many cells it uncovered and what its cards
// make together; a key that has a text of its own (a key that deals) tells
// that text and the window's labels as they then read. A press that changes
// nothing says so.
class KeyReport
{
public:
    KeyReport(FormWindow &window, KeyboardGrid *grid, std::string lead);

    FormWindow &window() const { return window_; }
    bool recording() const { return recording_; }
    void setRecording(bool recording) { recording_ = recording; }

    void pictureShown(const Image &image, const Spoken &before);
    void captionChanged(const Label &label, const std::string &before);
    void announced(std::string_view name) { announced_.push_back(name); }

    std::string text() const;

private:
    void sayCells(std::vector<std::string> &parts) const;
    void sayPair(std::vector<std::string> &parts, const Image &turned) const;
    void sayLabels(std::vector<std::string> &parts, bool all) const;

    FormWindow &window_;
    KeyboardGrid *grid_;
    std::string lead_;
    bool recording_ = true;
    std::vector<std::pair<const Image *, Spoken>> cells_; // each with what it showed before the key
    std::vector<std::pair<const Label *, std::string>> labels_;
    std::vector<std::string_view> announced_;
};

} // namespace rt
