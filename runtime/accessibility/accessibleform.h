#pragma once

#include <QAccessibleWidget>

#include <vector>

namespace rt {

class FormWindow;

// A form's window as a frame named by its caption. Its children are the
// controls a screen reader reads, in the order in which they lie on screen
// (top to bottom, then left to right): windowed controls and graphic controls
// alike, and last the window's announcement.
class AccessibleForm : public QAccessibleWidget
{
public:
    explicit AccessibleForm(FormWindow *window);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    FormWindow *formWindow() const;
    std::vector<QAccessibleInterface *> children() const;
};

} // namespace rt
