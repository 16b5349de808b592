#include "statusbar.h"

#include "form.h"
#include "statusbarwidget.h"

namespace rt {

StatusBar::StatusBar(Form &form) : WindowedControl(form, new StatusBarWidget)
{
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
