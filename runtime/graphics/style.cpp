#include "style.h"

#include <QColor>

namespace rt {

QColor toQColor(Color color)
{
    return QColor(color.red, color.green, color.blue);
}

} // namespace rt
