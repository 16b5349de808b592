#include "style.h"

#include <QColor>
#include <QFont>

namespace rt {

QColor toQColor(Color color)
{
    return QColor(color.red, color.green, color.blue);
}

QFont toQFont(const Font &font)
{
    QFont result(QString::fromStdString(font.family));
    result.setPixelSize(font.pixelSize);
    result.setBold(font.bold);
    result.setStyleHint(QFont::SansSerif);
    return result;
}

} // namespace rt
