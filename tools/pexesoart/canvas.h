#pragma once

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>

#include <functional>
#include <vector>

namespace pexesoart {

// A set of pixels on a fixed grid. Shapes are collected here first, so that a
// whole shape can be filled in one colour and then outlined in another.
class Mask
{
public:
    Mask(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const;
    bool isEmpty() const;

    Mask &add(int x, int y);
    Mask &addRect(const QRect &rect);
    Mask &addEllipse(const QRect &bounds);
    // Corners are pixel positions; the edges between them are part of the shape.
    Mask &addPolygon(const QPolygon &corners);
    Mask &addLine(QPoint from, QPoint to, int thickness = 1);
    Mask &add(const Mask &other);
    Mask &subtract(const Mask &other);
    Mask &intersect(const Mask &other);
    Mask &keepOnly(const QRect &area);

    Mask outline() const;
    Mask grown() const;
    Mask mirroredLeftRight() const;

    void forEachPixel(const std::function<void(int x, int y)> &visit) const;

private:
    int m_width;
    int m_height;
    std::vector<bool> m_pixels;
};

// A picture drawn pixel by pixel; anything outside the picture is ignored.
class Canvas
{
public:
    Canvas(int width, int height, QRgb background);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    Mask mask() const { return Mask(width(), height()); }

    QRgb pixel(int x, int y) const;
    void setPixel(int x, int y, QRgb colour);
    void fill(const Mask &shape, QRgb colour);
    void fill(const Mask &shape, const std::function<QRgb(int x, int y)> &colourAt);
    void paint(const Mask &shape, QRgb fillColour, QRgb outlineColour);

    void fillRect(const QRect &rect, QRgb colour);
    void line(QPoint from, QPoint to, QRgb colour, int thickness = 1);
    void ellipse(const QRect &bounds, QRgb fillColour, QRgb outlineColour);
    void polygon(const QPolygon &corners, QRgb fillColour, QRgb outlineColour);

    const QImage &image() const { return m_image; }

private:
    QImage m_image;
};

} // namespace pexesoart
