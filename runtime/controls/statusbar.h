#pragma once

#include "windowedcontrol.h"

#include <string>

namespace rt {

class StatusBarWidget;

// The common-controls status bar: docked to the bottom of its window at the
// full width, opaque, with sunken text panels from left to right. Every panel
// but the last keeps its width; the last one takes the rest of the bar.
class StatusBar : public WindowedControl
{
public:
    explicit StatusBar(Form &form);

    void addPanel(const std::string &text, float widthTwips);
    std::string panelText(int panel) const;

    void clientResized(int clientWidthPixels, int clientHeightPixels) override;

private:
    StatusBarWidget *bar() const;
};

} // namespace rt
