#pragma once

#include <QAccessibleWidget>

namespace rt {

class StatusBarWidget;

// A status bar as a screen reader reads it, named by the texts of its panels.
class AccessibleStatusBar : public QAccessibleWidget
{
public:
    explicit AccessibleStatusBar(StatusBarWidget *bar);

    QString text(QAccessible::Text t) const override;
};

} // namespace rt
