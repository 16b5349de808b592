#pragma once

#include "control.h"
#include "style.h"

#include <string>
#include <vector>

class QHBoxLayout;
class QLabel;

namespace rt {

// The common-controls status bar: docked to the bottom of its window at the
// full width, opaque, with sunken text panels from left to right. Every panel
// but the last keeps its width; the last one takes the rest of the bar.
class StatusBar : public Control
{
public:
    explicit StatusBar(Form &form);

    void addPanel(const std::string &text, float widthTwips);
    std::string panelText(int panel) const;
    void setFont(const Font &font);

    // Called by the window when its client area changes size.
    void dock(int clientWidthPixels, int clientHeightPixels);

private:
    QHBoxLayout *panelRow_;
    std::vector<QLabel *> panels_;
};

} // namespace rt
