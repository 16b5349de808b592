#include "statusbar.h"

#include "form.h"
#include "pixelfont.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QWidget>

#include <vector>

namespace rt {

namespace {

constexpr int panelGap = 2;

struct Panel
{
    QString text;
    int width; // pixels; the last panel takes the rest of the bar
};

} // namespace

class StatusBarWidget : public QWidget
{
public:
    StatusBarWidget()
    {
        // Whatever lies beneath the bar must not show through it.
        setAutoFillBackground(true);
    }

    std::vector<Panel> panels;

    std::pair<int, int> span(std::size_t panel) const
    {
        int left = 0;
        for (std::size_t i = 0; i < panel; ++i)
            left += panels[i].width + panelGap;
        const bool last = panel + 1 == panels.size();
        return {left, last ? width() - left : panels[panel].width};
    }

protected:
    void paintEvent(QPaintEvent *) override
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
};

// The bar as a screen reader reads it, named by the texts of its panels.
class AccessibleStatusBar : public QAccessibleWidget
{
public:
    explicit AccessibleStatusBar(StatusBarWidget *bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        QStringList texts;
        for (const Panel &panel : static_cast<StatusBarWidget *>(widget())->panels)
            if (!panel.text.isEmpty())
                texts << panel.text;
        return texts.join(", ");
    }
};

namespace {

QAccessibleInterface *accessibleStatusBar(const QString &, QObject *object)
{
    auto *bar = dynamic_cast<StatusBarWidget *>(object);
    return bar ? new AccessibleStatusBar(bar) : nullptr;
}

} // namespace

StatusBar::StatusBar(Form &form) : WindowedControl(form, new StatusBarWidget)
{
    static const bool readable = (QAccessible::installFactory(accessibleStatusBar), true);
    Q_UNUSED(readable);
    form.dock(this);
}

StatusBarWidget *StatusBar::bar() const
{
    return static_cast<StatusBarWidget *>(widget());
}

void StatusBar::addPanel(const std::string &text, float widthTwips)
{
    bar()->panels.push_back({QString::fromStdString(text), pixelsFromTwips(widthTwips)});
    bar()->update();
}

std::string StatusBar::panelText(int panel) const
{
    if (panel < 1 || panel > static_cast<int>(bar()->panels.size()))
        subscriptError();
    return bar()->panels[panel - 1].text.toStdString();
}

void StatusBar::clientResized(int clientWidthPixels, int clientHeightPixels)
{
    const float height = Height();
    Move(0, (clientHeightPixels * 15) - height, clientWidthPixels * 15, height);
}

} // namespace rt
