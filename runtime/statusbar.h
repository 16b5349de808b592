#pragma once

#include "control.h"
#include "style.h"

#include <string>
#include <vector>

class QLabel;
class QStatusBar;

namespace rt {

// The common-controls status bar: docked to the bottom of its window at the
// full width, with text panels from left to right. The last panel takes the
// rest of the bar's width.
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
    QStatusBar *statusBar() const;

    std::vector<QLabel *> panels_;
};

} // namespace rt
