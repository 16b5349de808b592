#pragma once

#include <QAccessibleInterface>

namespace rt {

// An accessible object of the runtime's own, without a QObject and without
// children, whose text is only read.
class AccessibleLeaf : public QAccessibleInterface
{
public:
    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
};

} // namespace rt
