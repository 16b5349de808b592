#include "screenreader.h"

#include "image.h"
#include "imagearray.h"
#include "keyboardgrid.h"

#include <QWidget>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>
#include <map>

namespace support {

namespace {

ScreenReader *listening = nullptr;

void record(QAccessibleEvent *event)
{
    QAccessibleInterface *about = event->accessibleInterface();
    if (!listening || !about)
        return;
    ScreenReader::Heard heard{event->type(), about->role(), about->text(QAccessible::Name)};
    if (about->role() == QAccessible::Cell)
        heard.cell = about->parent()->indexOfChild(about);
    listening->heard.push_back(heard);
}

QString roleName(QAccessible::Role role)
{
    static const std::map<QAccessible::Role, QString> names = {
        {QAccessible::Window, "frame"}, {QAccessible::StaticText, "label"},
        {QAccessible::CheckBox, "check box"}, {QAccessible::Button, "push button"},
        {QAccessible::Grouping, "grouping"}, {QAccessible::Cell, "cell"},
        {QAccessible::StatusBar, "status bar"}, {QAccessible::Notification, "notification"},
    };
    const auto name = names.find(role);
    return name == names.end() ? QString("role %1").arg(role) : name->second;
}

} // namespace

ScreenReader::ScreenReader()
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    listening = this;
    QAccessible::installUpdateHandler(record);
}

ScreenReader::~ScreenReader()
{
    QAccessible::installUpdateHandler(nullptr);
    listening = nullptr;
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
}

QStringList ScreenReader::names(QAccessible::Event type, QAccessible::Role role) const
{
    QStringList names;
    for (const Heard &event : heard)
        if (event.type == type && event.role == role)
            names << event.name;
    return names;
}

QStringList ScreenReader::announced(std::size_t mark) const
{
    QStringList texts;
    for (auto event = heard.begin() + long(mark); event < heard.end(); ++event)
        if (event->type == QAccessible::ObjectShow && event->role == QAccessible::Notification)
            texts << event->name;
    return texts;
}

QStringList ScreenReader::cellNames(QWidget *window)
{
    QAccessibleInterface *cells = grid(window);
    QStringList names;
    for (int k = 0; k < cells->childCount(); ++k)
        names << cells->child(k)->text(QAccessible::Name);
    return names;
}

QString ScreenReader::unheard(const rt::ImageArray &cells, const QStringList &before, std::size_t mark) const
{
    const rt::KeyboardGrid *grid = cells.keyboardGrid();
    const QStringList names = cellNames(grid->window());
    for (int n = 0; n < names.size(); ++n) {
        const QPoint cell(n % grid->columns(), n / grid->columns());
        const auto told = std::any_of(heard.begin() + long(mark), heard.end(), [&](const Heard &h) {
            return h.type == QAccessible::NameChanged && h.cell == n;
        });
        if (names[n].toStdString() != grid->imageAt(cell)->picture().spoken().name)
            return QString("cell %1,%2 reads %3").arg(cell.x()).arg(cell.y()).arg(names[n]);
        if (names[n] != before.value(n) && grid->window()->isVisible() && !told)
            return QString("not told that cell %1,%2 changed").arg(cell.x()).arg(cell.y());
    }
    const auto focus = std::find_if(heard.rbegin(), heard.rend(), [](auto &h) { return h.type == QAccessible::Focus; });
    const int cursor = grid->cursor().y() * grid->columns() + grid->cursor().x();
    if (grid->cursorShown() && (focus == heard.rend() || focus->cell != cursor))
        return "the focus is not on the cell under the cursor";
    return {};
}

QAccessibleInterface *ScreenReader::of(QWidget *window)
{
    return QAccessible::queryAccessibleInterface(window);
}

QAccessibleInterface *ScreenReader::grid(QWidget *window)
{
    QAccessibleInterface *form = of(window);
    for (int k = 0; k < form->childCount(); ++k)
        if (form->child(k)->role() == QAccessible::Grouping)
            return form->child(k);
    return nullptr;
}

// A grid by its cells, a button with its description.
QStringList ScreenReader::outline(QWidget *window)
{
    QAccessibleInterface *form = of(window);
    QStringList children{roleName(form->role()) + " '" + form->text(QAccessible::Name) + "'"};
    for (int k = 0; k < form->childCount(); ++k) {
        QAccessibleInterface *child = form->child(k);
        QString line = roleName(child->role()) + " '" + child->text(QAccessible::Name) + "'";
        if (child->role() == QAccessible::Grouping)
            line += QString(" of %1 cells").arg(child->childCount());
        if (const QString description = child->text(QAccessible::Description); !description.isEmpty())
            line += " (" + description + ")";
        children << line;
    }
    return children;
}

} // namespace support
