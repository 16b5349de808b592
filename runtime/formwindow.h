#pragma once

#include "keys.h"

#include <QWidget>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace rt {

class Form;
class GraphicControl;
class KeyReport;

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

    // What the window announces to screen readers now, and its accessible object.
    const std::string &announcement() const { return announcement_; }
    void setAnnouncement(const std::string &text) { announcement_ = text; }
    unsigned announcementId() const { return announcementId_; }
    void setAnnouncementId(unsigned id) { announcementId_ = id; }
    // What the key that is down has done so far, if a screen reader listens.
    std::unique_ptr<KeyReport> &keyReport() { return keyReport_; }
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
    std::string announcement_;
    unsigned announcementId_ = 0;
    std::unique_ptr<KeyReport> keyReport_;
    bool painted_ = false;
};

} // namespace rt
