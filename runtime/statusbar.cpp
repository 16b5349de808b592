#include "statusbar.h"

#include "form.h"

#include <QHBoxLayout>
#include <QLabel>

namespace rt {

namespace {

constexpr int panelGap = 2;

} // namespace

StatusBar::StatusBar(Form &form) : Control(form, new QWidget)
{
    // Whatever lies beneath the bar must not show through it.
    widget()->setAutoFillBackground(true);
    panelRow_ = new QHBoxLayout(widget());
    panelRow_->setContentsMargins(0, 0, 0, 0);
    panelRow_->setSpacing(panelGap);
    form.dockStatusBar(this);
}

void StatusBar::addPanel(const std::string &text, float widthTwips)
{
    const int width = pixelsFromTwips(widthTwips);
    auto *panel = new QLabel(QString::fromStdString(text));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setContentsMargins(1, 0, 1, 0);
    panel->setMinimumWidth(width);
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    if (!panels_.empty()) {
        QLabel *previous = panels_.back();
        previous->setFixedWidth(previous->minimumWidth());
        panelRow_->setStretchFactor(previous, 0);
    }
    panelRow_->addWidget(panel, 1);
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
    widget()->setFont(toQFont(font));
}

void StatusBar::dock(int clientWidthPixels, int clientHeightPixels)
{
    const float height = Height();
    Move(0, (clientHeightPixels * 15) - height, clientWidthPixels * 15, height);
}

} // namespace rt
