#pragma once

#include <QAccessibleInterface>

namespace rt {

class FormWindow;

// What a window announces, as a notification that shows while it holds: a
// screen reader reads a notification as it appears, wherever its focus is.
class AccessibleAnnouncement : public QAccessibleInterface
{
public:
    explicit AccessibleAnnouncement(FormWindow *window) : window_(window) {}

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

private:
    FormWindow *window_;
};

} // namespace rt
