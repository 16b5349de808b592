#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>

namespace rt {

class GraphicControl;

// A graphic control as a screen reader reads it: a label by its caption, an
// image by what its picture shows, or, where the image has a name of its own,
// as a button of that name that its picture describes and that can be pressed.
// Controls that say nothing (shapes, images of unspoken pictures) and hidden
// ones stay out of the window's accessible children.
class AccessibleControl : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    explicit AccessibleControl(GraphicControl *control) : control_(control) {}

    static bool speaks(const GraphicControl &control);

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
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

protected:
    GraphicControl *control() const { return control_; }

private:
    bool isButton() const;

    GraphicControl *control_;
};

} // namespace rt
