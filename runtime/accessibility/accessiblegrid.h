#pragma once

#include <QAccessibleWidget>

namespace rt {

class KeyboardGrid;

// A keyboard grid as a group of its cells, in reading order. It is no table
// for screen readers, which read a table's whole row on every move to
// another row; each cell tells where it lies instead.
class AccessibleGrid : public QAccessibleWidget
{
public:
    explicit AccessibleGrid(KeyboardGrid *grid);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    KeyboardGrid *grid() const;
    QAccessibleInterface *cellAt(int row, int column) const;
};

} // namespace rt
