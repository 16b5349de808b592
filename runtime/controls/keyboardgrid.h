#pragma once

#include "keys.h"

#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

namespace rt {

class Image;
class ImageArray;

// Elements of an image control array that lie as a grid of columns and rows,
// played from the keyboard. A cursor, a frame drawn over one element, shows
// while the grid has the keyboard focus, once the keyboard has come to it by
// Tab or an arrow key (which a check box, as any button, passes on like Tab).
// The arrow keys, Home and End move it; keys that stand for a mouse button
// press the element under it when they go down and release it when they come
// up, through the element's own events. A mouse press on an element brings
// the cursor there.
//
// Tab leaves the grid for the window's next control that takes the focus;
// where there is none, Tab walks the grid in reading order, wrapping round.
class KeyboardGrid : public QWidget
{
public:
    // The element that lies in a column and a row, both counted from 0.
    using ElementAt = std::function<int(int column, int row)>;

    KeyboardGrid(const QString &name, ImageArray &images, int columns, int rows, const ElementAt &elementAt,
                 std::vector<KeyPress> keys, QWidget *window);

    // What a screen reader calls the grid.
    const QString &name() const { return name_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    // The element in a cell, if the cell and the element exist; the cell of
    // an element, or (-1, -1).
    Image *imageAt(QPoint cell) const;
    QPoint cellOf(int index) const;

    QPoint cursor() const { return cursor_; }
    bool cursorShown() const { return keyboardCame_ && hasFocus(); }
    // A press of an element of the grid, by the mouse or a key.
    void pressed(int index);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int elementAt(QPoint cell) const; // -1 outside the grid
    QRect cellRect(QPoint cell) const;
    void moveCursor(QPoint cell);
    void showCursor();
    void tellCursorMoved();
    bool move(int keyCode, bool ctrl);
    void walk(int step);
    bool otherControlTakesTab() const;
    const KeyPress *keyPress(int keyCode) const;

    const QString name_;
    ImageArray &images_;
    const int columns_;
    const int rows_;
    std::vector<int> elements_; // the element in each cell, in reading order
    std::vector<KeyPress> keys_;
    HeldKeys<int> held_; // the elements the keys that are down pressed
    QPoint cursor_{0, 0};
    bool keyboardCame_ = false;
};

} // namespace rt
