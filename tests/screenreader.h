#pragma once

#include <QAccessible>
#include <QString>

#include <vector>

class QWidget;

namespace rt {
class ImageArray;
}

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
        int cell = -1; // a grid's cell, in reading order
    };

    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader &) = delete;
    ScreenReader &operator=(const ScreenReader &) = delete;

    std::vector<Heard> heard;
    // The names of the events of a type about objects of a role, in order.
    QStringList names(QAccessible::Event type, QAccessible::Role role) const;
    // What the window announced since the record stood at mark.
    QStringList announced(std::size_t mark = 0) const;
    // What the reader does not read or was not told of a window's keyboard
    // grid, or an empty text: each cell must read as the picture it shows,
    // each cell that reads otherwise than before must have been told of since
    // the record stood at mark, and while the cursor shows, the last focus
    // must be on the cell under it.
    QString unheard(const rt::ImageArray &cells, const QStringList &before, std::size_t mark) const;
    // The cells of a window's grid as they read, row by row.
    static QStringList cellNames(QWidget *window);

    // The accessible object of a window, and of its grid of cells.
    static QAccessibleInterface *of(QWidget *window);
    static QAccessibleInterface *grid(QWidget *window);
    // A window's children as a screen reader lists them, one "role 'name'" each.
    static QStringList outline(QWidget *window);
};

} // namespace support
