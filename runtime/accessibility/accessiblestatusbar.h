#pragma once

#include "statusbarwidget.h"

#include <QAccessibleWidget>

namespace rt {

// A status bar as a screen reader reads it, named by the texts of its panels.
class AccessibleStatusBar : public QAccessibleWidget
{
public:
    explicit AccessibleStatusBar(StatusBarWidget *bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override;
};

} // namespace rt
