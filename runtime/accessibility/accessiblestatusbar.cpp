#include "accessiblestatusbar.h"

#include "statusbarwidget.h"

namespace rt {

AccessibleStatusBar::AccessibleStatusBar(StatusBarWidget *bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}

QString AccessibleStatusBar::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    QStringList texts;
    for (const StatusBarWidget::Panel &panel : static_cast<StatusBarWidget *>(widget())->panels)
        if (!panel.text.isEmpty())
            texts << panel.text;
    return texts.join(", ");
}

} // namespace rt
