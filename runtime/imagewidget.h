#pragma once

#include <QWidget>

namespace rt {

class Image;

// The on-screen side of an Image: paints the picture pixel for pixel and
// turns Qt's mouse events into the games' presses, releases and clicks.
class ImageWidget : public QWidget
{
public:
    explicit ImageWidget(Image &image);

    void setPixmap(const QPixmap *pixmap);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Image &image_;
    const QPixmap *pixmap_ = nullptr;
    bool clickPending_ = false;
    Qt::MouseButtons pressedButtons_;
};

} // namespace rt
