#pragma once

#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

namespace rt {

// The window of a status bar: its panels side by side, each a sunken frame
// with its text in the pixel font.
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
    void paintEvent(QPaintEvent *event) override;

private:
    // The left edge and the width of a panel.
    std::pair<int, int> span(std::size_t panel) const;
};

} // namespace rt
