#include "statusbarwidget.h"

#include "pixelfont.h"

#include <QPainter>

namespace rt {

namespace {

constexpr int panelGap = 2;

} // namespace

StatusBarWidget::StatusBarWidget()
{
    // Whatever lies beneath the bar must not show through it.
    setAutoFillBackground(true);
}

std::pair<int, int> StatusBarWidget::span(std::size_t panel) const
{
    int left = 0;
    for (std::size_t i = 0; i < panel; ++i)
        left += panels[i].width + panelGap;
    const bool last = panel + 1 == panels.size();
    return {left, last ? width() - left : panels[panel].width};
}

void StatusBarWidget::paintPanels()
{
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const PixelFont &font = PixelFont::standard();
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const auto [left, panelWidth] = span(i);
        const QRect r(left, 0, panelWidth, height());
        painter.fillRect(r.left(), r.top(), r.width(), 1, shadow);
        painter.fillRect(r.left(), r.top(), 1, r.height(), shadow);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, light);
        painter.fillRect(r.right(), r.top(), 1, r.height(), light);
        painter.setClipRect(r.adjusted(1, 1, -1, -1));
        font.draw(painter, QPoint(left + 3, (height() - font.height()) / 2 + 1), panels[i].text,
                  palette().color(QPalette::WindowText));
        painter.setClipping(false);
    }
}

} // namespace rt
