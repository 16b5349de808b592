#include "testsupport.h"

#include "image.h"
#include "imagearray.h"
#include "keyboardgrid.h"

#include <QWindow>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace support {

int showing(rt::ImageArray &sources, const rt::Image &image, int last)
{
    for (int k = 0; k <= last; ++k)
        if (sources(k).picture().Handle() == image.picture().Handle())
            return k;
    return -1;
}

void keyHeld(QWidget *window, Qt::Key key, int repeats)
{
    QWindow *handle = window->windowHandle();
    QTest::simulateEvent(handle, true, key, {}, QString(), false);
    for (int k = 0; k < 2 * repeats; ++k) // a release and a press, each a repeat
        QTest::simulateEvent(handle, k % 2, key, {}, QString(), true);
    QTest::simulateEvent(handle, false, key, {}, QString(), false);
}

void GridKeys::keys(Qt::Key key, int times, Qt::KeyboardModifiers modifiers)
{
    while (times-- > 0)
        keyClick(window_, key, modifiers);
}

// The first entry by an arrow, which does not move the cursor, later ones by Tab.
void GridKeys::moveTo(QPoint cell)
{
    if (!inGrid_)
        keys(entries_++ % 2 ? Qt::Key_Tab : Qt::Key_Down, 1);
    inGrid_ = true;
    const QPoint last(columns_ - 1, rows_ - 1);
    const int cells = columns_ * rows_;
    const int step = ((cell.y() - at_.y()) * columns_ + cell.x() - at_.x() + cells) % cells;
    if (cell == at_)
        return;
    if (cell == QPoint(0, 0) || cell == last) {
        keys(cell == last ? Qt::Key_End : Qt::Key_Home, 1, Qt::ControlModifier);
    } else if (tabWalks_ && (step == 1 || step == cells - 1)) {
        keys(Qt::Key_Tab, 1, step == 1 ? Qt::NoModifier : Qt::ShiftModifier);
    } else {
        if (cell.x() == 0)
            keys(Qt::Key_Home, 1);
        else if (cell.x() == last.x())
            keys(Qt::Key_Right, last.x() - at_.x() + 2);
        else
            keys(cell.x() > at_.x() ? Qt::Key_Right : Qt::Key_Left, std::abs(cell.x() - at_.x()));
        if (cell.y() == 0)
            keys(Qt::Key_Up, at_.y() + 2);
        else if (cell.y() == last.y())
            keys(Qt::Key_Down, last.y() - at_.y() + 2);
        else
            keys(cell.y() > at_.y() ? Qt::Key_Down : Qt::Key_Up, std::abs(cell.y() - at_.y()));
    }
    at_ = cell;
}

void GridKeys::leave()
{
    if (inGrid_)
        keys(Qt::Key_Tab, 1, Qt::ShiftModifier);
    inGrid_ = false;
}

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

// An object as a screen reader lists it: its role and name, a grid by its
// cells, a button with its description.
QString described(QAccessibleInterface *object)
{
    static const std::map<QAccessible::Role, QString> names = {
        {QAccessible::Window, "frame"}, {QAccessible::StaticText, "label"},
        {QAccessible::CheckBox, "check box"}, {QAccessible::Button, "push button"},
        {QAccessible::Grouping, "grouping"}, {QAccessible::Cell, "cell"},
        {QAccessible::StatusBar, "status bar"}, {QAccessible::Notification, "notification"},
    };
    const auto name = names.find(object->role());
    QString line = (name == names.end() ? QString("role %1").arg(object->role()) : name->second) + " '"
        + object->text(QAccessible::Name) + "'";
    if (object->role() == QAccessible::Grouping)
        line += QString(" of %1 cells").arg(object->childCount());
    if (const QString description = object->text(QAccessible::Description); !description.isEmpty())
        line += " (" + description + ")";
    return line;
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

QStringList ScreenReader::names(QAccessible::Event type, QAccessible::Role role, std::size_t mark) const
{
    QStringList names;
    for (auto event = heard.begin() + long(mark); event < heard.end(); ++event)
        if (event->type == type && event->role == role)
            names << event->name;
    return names;
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

QAccessibleInterface *ScreenReader::grid(QWidget *window)
{
    QAccessibleInterface *form = of(window);
    for (int k = 0; k < form->childCount(); ++k)
        if (form->child(k)->role() == QAccessible::Grouping)
            return form->child(k);
    return nullptr;
}

QStringList ScreenReader::outline(QWidget *window)
{
    QAccessibleInterface *form = of(window);
    QStringList children{described(form)};
    for (int k = 0; k < form->childCount(); ++k)
        children << described(form->child(k));
    return children;
}

} // namespace support
