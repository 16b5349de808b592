#pragma once

#include <QAccessibleActionInterface>
#include "accessibleleaf.h"

namespace rt {

class GraphicControl;

// A graphic control as a screen reader reads it: a label by its caption, an
// image by what its picture shows, or, where the image has a name of its own,
// as a button of that name that its picture describes and that can be pressed.
// Controls that say nothing (shapes, images of unspoken pictures) and hidden
// ones stay out of the window's accessible children.
class AccessibleControl : public AccessibleLeaf, public QAccessibleActionInterface
{
public:
    explicit AccessibleControl(GraphicControl *control) : control_(control) {}

    static bool speaks(const GraphicControl &control);

    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
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
