#include "accessibility.h"

#include "accessibleannouncement.h"
#include "accessiblecell.h"
#include "accessiblecontrol.h"
#include "accessibleform.h"
#include "accessiblegrid.h"
#include "formwindow.h"
#include "image.h"
#include "keyboardgrid.h"
#include "label.h"
#include "picture.h"

#include <QAccessible>

#include <unordered_map>

namespace rt {

namespace {

// Kept beside the controls, so that controls that are never read cost nothing.
struct Readable
{
    QAccessible::Id id = 0;
    std::string name; // of its own
};
std::unordered_map<const GraphicControl *, Readable> readable;

QAccessibleInterface *makeAccessible(const QString &, QObject *object)
{
    if (auto *window = dynamic_cast<FormWindow *>(object))
        return new AccessibleForm(window);
    if (auto *grid = dynamic_cast<KeyboardGrid *>(object))
        return new AccessibleGrid(grid);
    return nullptr;
}

void tell(QAccessibleInterface *interface, QAccessible::Event type)
{
    QAccessibleEvent event(interface, type);
    QAccessible::updateAccessibility(&event);
}

void announce(FormWindow &window, const std::string &text)
{
    window.setAnnouncement(text);
    if (QAccessible::isActive())
        tell(accessibleAnnouncement(window), text.empty() ? QAccessible::ObjectHide : QAccessible::ObjectShow);
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(makeAccessible), true);
    Q_UNUSED(installed);
}

QAccessibleInterface *accessibleControl(GraphicControl &control)
{
    QAccessible::Id &id = readable[&control].id;
    if (id)
        return QAccessible::accessibleInterface(id);
    auto *image = dynamic_cast<Image *>(&control);
    QAccessibleInterface *interface = image && image->keyboardGrid() ? new AccessibleCell(image)
                                                                     : new AccessibleControl(&control);
    id = QAccessible::registerAccessibleInterface(interface);
    return interface;
}

void forgetAccessible(GraphicControl &control)
{
    const auto known = readable.find(&control);
    if (known == readable.end())
        return;
    if (known->second.id)
        QAccessible::deleteAccessibleInterface(known->second.id);
    readable.erase(known);
}

void setAccessibleName(GraphicControl &control, const std::string &name)
{
    readable[&control].name = name;
}

const std::string &accessibleName(const GraphicControl &control)
{
    static const std::string none;
    const auto known = readable.find(&control);
    return known == readable.end() ? none : known->second.name;
}

QAccessibleInterface *accessibleAnnouncement(FormWindow &window)
{
    if (!window.announcementId())
        window.setAnnouncementId(QAccessible::registerAccessibleInterface(new AccessibleAnnouncement(&window)));
    return QAccessible::accessibleInterface(window.announcementId());
}

void pictureShown(Image &image, const Spoken &before)
{
    const Spoken &spoken = image.picture().spoken();
    if (spoken.name == before.name)
        return;
    if (spoken.announced || before.announced)
        announce(*image.formWindow(), spoken.announced ? std::string(spoken.name) : std::string());
    if (QAccessible::isActive() && (image.keyboardGrid() || AccessibleControl::speaks(image)))
        tell(accessibleControl(image),
             image.accessibleName().empty() ? QAccessible::NameChanged : QAccessible::DescriptionChanged);
}

void captionChanged(Label &label)
{
    if (QAccessible::isActive() && AccessibleControl::speaks(label))
        tell(accessibleControl(label), QAccessible::NameChanged);
}

void cursorMoved(KeyboardGrid &grid)
{
    if (!QAccessible::isActive() || !grid.cursorShown())
        return;
    if (Image *image = grid.imageAt(grid.cursor()))
        tell(accessibleControl(*image), QAccessible::Focus);
}

} // namespace rt
