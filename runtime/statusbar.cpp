#include "statusbar.h"

#include "form.h"

#include <QLabel>
#include <QStatusBar>

namespace rt {

StatusBar::StatusBar(Form &form) : Control(form, new QStatusBar)
{
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setContentsMargins(0, 0, 0, 0);
    form.dockStatusBar(this);
}

QStatusBar *StatusBar::statusBar() const
{
    return static_cast<QStatusBar *>(widget());
}

void StatusBar::addPanel(const std::string &text, float widthTwips)
{
    auto *panel = new QLabel(QString::fromStdString(text));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setContentsMargins(1, 0, 1, 0);
    panel->setMinimumWidth(pixelsFromTwips(widthTwips));
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    // Earlier panels keep their width; the latest one takes the rest.
    for (QLabel *earlier : panels_) {
        statusBar()->removeWidget(earlier);
        statusBar()->addWidget(earlier, 0);
        earlier->show();
    }
    statusBar()->addWidget(panel, 1);
    panels_.push_back(panel);
}

std::string StatusBar::panelText(int panel) const
{
    if (panel < 1 || panel > static_cast<int>(panels_.size()))
        subscriptError();
    return panels_[panel - 1]->text().toStdString();
}

void StatusBar::setFont(const Font &font)
{
    statusBar()->setFont(toQFont(font));
}

void StatusBar::dock(int clientWidthPixels, int clientHeightPixels)
{
    const float height = Height();
    Move(0, (clientHeightPixels * 15) - height, clientWidthPixels * 15, height);
}

} // namespace rt
