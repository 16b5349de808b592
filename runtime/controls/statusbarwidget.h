#pragma once

#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

namespace rt {

// The window of a status bar: its panels side by side, each a sunken frame
// with its text in the pixel font. Its virtual functions are defined here:
// code that asks of any widget whether it is a status bar then does not link
// the bar into a program that has none.
class StatusBarWidget : public QWidget
{
public:
    struct Panel
    {
        QString text;
        int width; // pixels; the last panel takes the rest of the bar
    };

    StatusBarWidget();

    std::vector<Panel> panels;

protected:
    void paintEvent(QPaintEvent *) override { paintPanels(); }

private:
    void paintPanels();
    // The left edge and the width of a panel.
    std::pair<int, int> span(std::size_t panel) const;
};

} // namespace rt
