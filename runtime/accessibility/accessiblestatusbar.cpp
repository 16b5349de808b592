#include "accessiblestatusbar.h"

namespace rt {

QString AccessibleStatusBar::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    QString name;
    for (const StatusBarWidget::Panel &panel : static_cast<StatusBarWidget *>(widget())->panels) {
        if (panel.text.isEmpty())
            continue;
        if (!name.isEmpty())
            name += QLatin1StringView(", ");
        name += panel.text;
    }
    return name;
}

} // namespace rt
