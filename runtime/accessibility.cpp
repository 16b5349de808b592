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

namespace rt {

namespace {

QAccessibleInterface *makeAccessible(const QString &, QObject *object)
{
    if (auto *window = dynamic_cast<FormWindow *>(object))
        return new AccessibleForm(window);
    if (auto *grid = dynamic_cast<KeyboardGrid *>(object))
        return new AccessibleGrid(grid);
    return accessibleStatusBar(object);
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
    if (control.accessibleId())
        return QAccessible::accessibleInterface(control.accessibleId());
    auto *image = dynamic_cast<Image *>(&control);
    QAccessibleInterface *interface = image && image->keyboardGrid() ? new AccessibleCell(image)
                                                                     : new AccessibleControl(&control);
    control.setAccessibleId(QAccessible::registerAccessibleInterface(interface));
    return interface;
}

void forgetAccessible(GraphicControl &control)
{
    QAccessible::deleteAccessibleInterface(control.accessibleId());
    control.setAccessibleId(0);
}

QAccessibleInterface *accessibleAnnouncement(FormWindow &window)
{
    if (!window.announcementId())
        window.setAnnouncementId(QAccessible::registerAccessibleInterface(new AccessibleAnnouncement(&window)));
    return QAccessible::accessibleInterface(window.announcementId());
}

// A window tells nothing before it is shown: it is being laid out.
void pictureShown(Image &image, const Picture &previous)
{
    const Spoken &spoken = image.picture().spoken();
    const Spoken &before = previous.spoken();
    if (!image.formWindow()->isVisible() || spoken.name == before.name)
        return;
    if (spoken.announced || before.announced)
        announce(*image.formWindow(), spoken.announced ? spoken.name : std::string());
    if (QAccessible::isActive() && (image.keyboardGrid() || AccessibleControl::speaks(image)))
        tell(accessibleControl(image),
             image.accessibleName().empty() ? QAccessible::NameChanged : QAccessible::DescriptionChanged);
}

void captionChanged(Label &label)
{
    if (label.formWindow()->isVisible() && QAccessible::isActive() && AccessibleControl::speaks(label))
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
