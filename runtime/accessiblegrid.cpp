#include "accessiblegrid.h"

#include "accessibility.h"
#include "image.h"
#include "keyboardgrid.h"

namespace rt {

AccessibleGrid::AccessibleGrid(KeyboardGrid *grid) : QAccessibleWidget(grid, QAccessible::Table) {}

KeyboardGrid *AccessibleGrid::grid() const
{
    return static_cast<KeyboardGrid *>(widget());
}

QString AccessibleGrid::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? grid()->name() : QAccessibleWidget::text(t);
}

int AccessibleGrid::columnCount() const
{
    return grid()->columns();
}

int AccessibleGrid::rowCount() const
{
    return grid()->rows();
}

int AccessibleGrid::childCount() const
{
    return rowCount() * columnCount();
}

// The cells in reading order: row by row, each from the left.
QAccessibleInterface *AccessibleGrid::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columnCount(), index % columnCount());
}

QAccessibleInterface *AccessibleGrid::cellAt(int row, int column) const
{
    Image *image = grid()->imageAt(QPoint(column, row));
    return image ? accessibleControl(*image) : nullptr;
}

int AccessibleGrid::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessibleTableCellInterface *cell =
        child ? const_cast<QAccessibleInterface *>(child)->tableCellInterface() : nullptr;
    return cell && cell->table() == this ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QAccessibleInterface *AccessibleGrid::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index)
        if (QAccessibleInterface *cell = child(index); cell && cell->rect().contains(x, y))
            return cell;
    return nullptr;
}

QAccessibleInterface *AccessibleGrid::focusChild() const
{
    const QPoint cursor = grid()->cursor();
    return grid()->cursorShown() ? cellAt(cursor.y(), cursor.x()) : nullptr;
}

void *AccessibleGrid::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this)
                                               : QAccessibleWidget::interface_cast(type);
}

} // namespace rt
