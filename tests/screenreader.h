#pragma once

#include <QAccessible>
#include <QString>

#include <vector>

class QAccessibleTableInterface;
class QWidget;

namespace support {

// Listens as a screen reader does, for as long as it lives: the toolkit's
// accessibility switched on, as the AT-SPI bridge switches it on when a
// reader starts, and every event raised recorded with what it was about.
class ScreenReader
{
public:
    struct Heard
    {
        QAccessible::Event type;
        QAccessible::Role role;
        QString name;
        int row = -1; // of a table's cell
        int column = -1;
    };

    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader &) = delete;
    ScreenReader &operator=(const ScreenReader &) = delete;

    std::vector<Heard> heard;
    // The names of the events of a type about objects of a role, in order.
    QStringList names(QAccessible::Event type, QAccessible::Role role) const;

    // The accessible object of a window, and of its table.
    static QAccessibleInterface *of(QWidget *window);
    static QAccessibleTableInterface *table(QWidget *window);
    // A window's children as a screen reader lists them, one "role 'name'" each.
    static QStringList outline(QWidget *window);
};

} // namespace support
