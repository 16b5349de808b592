#pragma once

#include "accessiblecontrol.h"

#include <QAccessibleTableCellInterface>

namespace rt {

class Image;
class KeyboardGrid;

// An image of a keyboard grid as a cell of the grid's table, named by what its
// picture shows; the cell under the keyboard's cursor has the focus.
class AccessibleCell : public AccessibleControl, public QAccessibleTableCellInterface
{
public:
    explicit AccessibleCell(Image *image);

    QAccessibleInterface *parent() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    int columnIndex() const override { return cell().x(); }
    int rowIndex() const override { return cell().y(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    bool isSelected() const override { return false; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    KeyboardGrid *grid() const;
    QPoint cell() const;

    int index_;
};

} // namespace rt
