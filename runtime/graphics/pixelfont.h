#pragma once

#include <QString>

class QPainter;
class QColor;
class QPoint;

namespace rt {

// The programs' own proportional pixel font: text drawn pixel for pixel,
// without the system's font database.
class PixelFont
{
public:
    static const PixelFont &standard();

    int height() const;      // line height in pixels (12)
    int ascent() const;      // pixels from the top of the line to the baseline
    int textWidth(const QString &text) const;       // advance of the whole text, no trailing gap
    void draw(QPainter &painter, const QPoint &topLeft, const QString &text, const QColor &color) const;
    bool hasGlyph(QChar c) const;

private:
    PixelFont() = default;
};

} // namespace rt
