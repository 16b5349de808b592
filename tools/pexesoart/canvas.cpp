#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pexesoart {

Mask::Mask(int width, int height)
    : m_width(width), m_height(height), m_pixels(std::size_t(width) * std::size_t(height), false)
{
}

bool Mask::contains(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    return m_pixels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)];
}

bool Mask::isEmpty() const
{
    return std::none_of(m_pixels.begin(), m_pixels.end(), [](bool set) { return set; });
}

Mask &Mask::add(int x, int y)
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_pixels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)] = true;
    return *this;
}

Mask &Mask::addRect(const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            add(x, y);
    }
    return *this;
}

Mask &Mask::addEllipse(const QRect &bounds)
{
    // Work in doubled coordinates so that ellipses of even size stay symmetric.
    const qint64 diameterX = bounds.width();
    const qint64 diameterY = bounds.height();
    const qint64 centreX = 2 * qint64(bounds.left()) + diameterX;
    const qint64 centreY = 2 * qint64(bounds.top()) + diameterY;
    const qint64 limit = diameterX * diameterX * diameterY * diameterY;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        const qint64 dy = 2 * qint64(y) + 1 - centreY;
        for (int x = bounds.left(); x <= bounds.right(); ++x) {
            const qint64 dx = 2 * qint64(x) + 1 - centreX;
            if (dx * dx * diameterY * diameterY + dy * dy * diameterX * diameterX <= limit)
                add(x, y);
        }
    }
    return *this;
}

Mask &Mask::addPolygon(const QPolygon &corners)
{
    const QRect bounds = corners.boundingRect();
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        std::vector<double> crossings;
        for (qsizetype i = 0; i < corners.size(); ++i) {
            const QPoint a = corners[i];
            const QPoint b = corners[(i + 1) % corners.size()];
            if (a.y() == b.y() || y < std::min(a.y(), b.y()) || y >= std::max(a.y(), b.y()))
                continue;
            crossings.push_back(a.x() + double(y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int first = int(std::ceil(crossings[i]));
            const int last = int(std::floor(crossings[i + 1]));
            for (int x = first; x <= last; ++x)
                add(x, y);
        }
    }
    for (qsizetype i = 0; i < corners.size(); ++i)
        addLine(corners[i], corners[(i + 1) % corners.size()]);
    return *this;
}

Mask &Mask::addLine(QPoint from, QPoint to, int thickness)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    const int before = (thickness - 1) / 2;
    const int after = thickness / 2;
    int x = from.x();
    int y = from.y();
    int error = dx + dy;
    for (;;) {
        addRect(QRect(QPoint(x - before, y - before), QPoint(x + after, y + after)));
        if (x == to.x() && y == to.y())
            break;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
    return *this;
}

Mask &Mask::add(const Mask &other)
{
    for (std::size_t i = 0; i < m_pixels.size() && i < other.m_pixels.size(); ++i)
        m_pixels[i] = m_pixels[i] || other.m_pixels[i];
    return *this;
}

Mask &Mask::subtract(const Mask &other)
{
    for (std::size_t i = 0; i < m_pixels.size() && i < other.m_pixels.size(); ++i)
        m_pixels[i] = m_pixels[i] && !other.m_pixels[i];
    return *this;
}

Mask &Mask::intersect(const Mask &other)
{
    for (std::size_t i = 0; i < m_pixels.size(); ++i)
        m_pixels[i] = m_pixels[i] && i < other.m_pixels.size() && other.m_pixels[i];
    return *this;
}

Mask &Mask::keepOnly(const QRect &area)
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (!area.contains(x, y))
                m_pixels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)] = false;
        }
    }
    return *this;
}

Mask Mask::outline() const
{
    Mask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (contains(x, y)
                && (!contains(x - 1, y) || !contains(x + 1, y) || !contains(x, y - 1)
                    || !contains(x, y + 1))) {
                result.add(x, y);
            }
        }
    }
    return result;
}

Mask Mask::grown() const
{
    Mask result(m_width, m_height);
    forEachPixel([&](int x, int y) { result.addRect(QRect(x - 1, y - 1, 3, 3)); });
    return result;
}

Mask Mask::mirroredLeftRight() const
{
    Mask result(m_width, m_height);
    forEachPixel([&](int x, int y) { result.add(m_width - 1 - x, y); });
    return result;
}

void Mask::forEachPixel(const std::function<void(int, int)> &visit) const
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (contains(x, y))
                visit(x, y);
        }
    }
}

Canvas::Canvas(int width, int height, QRgb background)
    : m_image(width, height, QImage::Format_ARGB32)
{
    m_image.fill(background);
}

QRgb Canvas::pixel(int x, int y) const
{
    return m_image.pixel(x, y);
}

void Canvas::setPixel(int x, int y, QRgb colour)
{
    if (m_image.rect().contains(x, y))
        m_image.setPixel(x, y, colour);
}

void Canvas::fill(const Mask &shape, QRgb colour)
{
    fill(shape, [colour](int, int) { return colour; });
}

void Canvas::fill(const Mask &shape, const std::function<QRgb(int, int)> &colourAt)
{
    shape.forEachPixel([&](int x, int y) { setPixel(x, y, colourAt(x, y)); });
}

void Canvas::paint(const Mask &shape, QRgb fillColour, QRgb outlineColour)
{
    fill(shape, fillColour);
    fill(shape.outline(), outlineColour);
}

void Canvas::fillRect(const QRect &rect, QRgb colour)
{
    fill(mask().addRect(rect), colour);
}

void Canvas::line(QPoint from, QPoint to, QRgb colour, int thickness)
{
    fill(mask().addLine(from, to, thickness), colour);
}

void Canvas::ellipse(const QRect &bounds, QRgb fillColour, QRgb outlineColour)
{
    paint(mask().addEllipse(bounds), fillColour, outlineColour);
}

void Canvas::polygon(const QPolygon &corners, QRgb fillColour, QRgb outlineColour)
{
    paint(mask().addPolygon(corners), fillColour, outlineColour);
}

} // namespace pexesoart
