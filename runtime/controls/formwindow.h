#pragma once

#include "keys.h"

#include <QWidget>

#include <string>
#include <utility>
#include <vector>

namespace rt {

class Form;
class GraphicControl;
struct ObserverData;

// The top-level widget of a Form: its client area. It paints the form's
// graphic controls in their stacking order, hands each mouse event to the
// topmost control under the pointer (the release to the control that took
// the press), and passes the keys that no control uses to the form as
// virtual-key codes, but for access keys, which press their control.
class FormWindow : public QWidget
{
public:
    explicit FormWindow(Form &form);
    ~FormWindow() override;

    void addGraphic(GraphicControl *control);
    void removeGraphic(GraphicControl *control);
    // To the front or the back of the graphic controls.
    void restack(GraphicControl *control, bool toFront);
    // Directly above another graphic control, as a member of its family.
    void stackAbove(GraphicControl *control, const GraphicControl *below);
    int stackingIndex(const GraphicControl *control) const;
    void addAccessKey(int keyCode, GraphicControl *control);
    void addSpokenKey(int keyCode, const std::string &text);
    const std::vector<GraphicControl *> &graphics() const { return graphics_; }

    // What the control observer keeps of the window (see ControlObserver).
    ObserverData *observerData() const { return observerData_; }
    void setObserverData(ObserverData *data) { observerData_ = data; }

    // Asks for an area to be painted again; before the window is first shown
    // there is nothing to repaint, and the first paint covers everything.
    void requestPaint(const QRect &area)
    {
        if (isVisible())
            update(area);
    }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    GraphicControl *controlAt(const QPoint &position) const;
    void press(QMouseEvent *event);

    Form &form_;
    std::vector<GraphicControl *> graphics_;
    GraphicControl *mouseOwner_ = nullptr;
    Qt::MouseButtons pressedButtons_;
    std::vector<std::pair<int, GraphicControl *>> accessKeys_; // keys and the controls they press
    HeldKeys<GraphicControl *> heldAccessKeys_;
    std::vector<std::pair<int, std::string>> spokenKeys_; // keys told to screen readers, with their texts
    ObserverData *observerData_ = nullptr;
    bool painted_ = false;
};

} // namespace rt
