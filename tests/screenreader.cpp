#include "screenreader.h"

#include "image.h"
#include "imagearray.h"
#include "keyboardgrid.h"

#include <QAccessibleTableInterface>
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
    if (QAccessibleTableCellInterface *cell = about->tableCellInterface()) {
        heard.row = cell->rowIndex();
        heard.column = cell->columnIndex();
    }
    listening->heard.push_back(heard);
}

QString roleName(QAccessible::Role role)
{
    static const std::map<QAccessible::Role, QString> names = {
        {QAccessible::Window, "frame"}, {QAccessible::StaticText, "label"},
        {QAccessible::CheckBox, "check box"}, {QAccessible::Button, "push button"},
        {QAccessible::Table, "table"}, {QAccessible::Cell, "cell"},
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

QStringList ScreenReader::cellNames(QWidget *window)
{
    QAccessibleTableInterface *cells = table(window);
    QStringList names;
    for (int row = 0; row < cells->rowCount(); ++row)
        for (int column = 0; column < cells->columnCount(); ++column)
            names << cells->cellAt(row, column)->text(QAccessible::Name);
    return names;
}

QString ScreenReader::unheard(const rt::ImageArray &cells, const QStringList &before, std::size_t mark) const
{
    const rt::KeyboardGrid *grid = cells.keyboardGrid();
    const QStringList names = cellNames(grid->window());
    for (int n = 0; n < names.size(); ++n) {
        const QPoint cell(n % grid->columns(), n / grid->columns());
        const auto told = std::any_of(heard.begin() + long(mark), heard.end(), [&](const Heard &h) {
            return h.type == QAccessible::NameChanged && QPoint(h.column, h.row) == cell;
        });
        if (names[n].toStdString() != grid->imageAt(cell)->picture().spoken().name)
            return QString("cell %1,%2 reads %3").arg(cell.x()).arg(cell.y()).arg(names[n]);
        if (names[n] != before.value(n) && grid->window()->isVisible() && !told)
            return QString("not told that cell %1,%2 changed").arg(cell.x()).arg(cell.y());
    }
    const auto focus = std::find_if(heard.rbegin(), heard.rend(), [](auto &h) { return h.type == QAccessible::Focus; });
    if (grid->cursorShown() && (focus == heard.rend() || QPoint(focus->column, focus->row) != grid->cursor()))
        return "the focus is not on the cell under the cursor";
    return {};
}

QAccessibleInterface *ScreenReader::of(QWidget *window)
{
    return QAccessible::queryAccessibleInterface(window);
}

QAccessibleTableInterface *ScreenReader::table(QWidget *window)
{
    QAccessibleInterface *form = of(window);
    for (int k = 0; k < form->childCount(); ++k)
        if (QAccessibleTableInterface *table = form->child(k)->tableInterface())
            return table;
    return nullptr;
}

// A table by its shape, a button with its description.
QStringList ScreenReader::outline(QWidget *window)
{
    QAccessibleInterface *form = of(window);
    QStringList children{roleName(form->role()) + " '" + form->text(QAccessible::Name) + "'"};
    for (int k = 0; k < form->childCount(); ++k) {
        QAccessibleInterface *child = form->child(k);
        QString line = roleName(child->role()) + " '" + child->text(QAccessible::Name) + "'";
        if (QAccessibleTableInterface *table = child->tableInterface())
            line += QString(" %1 x %2").arg(table->rowCount()).arg(table->columnCount());
        if (const QString description = child->text(QAccessible::Description); !description.isEmpty())
            line += " (" + description + ")";
        children << line;
    }
    return children;
}

} // namespace support
