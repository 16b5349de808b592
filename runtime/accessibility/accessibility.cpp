#include "accessibility.h"

#include "accessibleannouncement.h"
#include "accessiblecell.h"
#include "accessiblecontrol.h"
#include "accessibleform.h"
#include "accessiblegrid.h"
#include "accessiblestatusbar.h"
#include "controlobserver.h"
#include "formwindow.h"
#include "image.h"
#include "keyboardgrid.h"
#include "keyreport.h"
#include "label.h"
#include "picture.h"
#include "statusbarwidget.h"

#include <QAccessible>

#include <memory>
#include <unordered_map>

namespace rt {

// What a window announces, and what the key that is down has done so far,
// if a screen reader listens.
struct ObserverData
{
    std::string announcement;
    QAccessible::Id announcementId = 0;
    std::unique_ptr<KeyReport> keyReport;
};

namespace {

// Kept beside the controls, so that controls that are never read cost nothing.
struct Readable
{
    QAccessible::Id id = 0;
    std::string name; // of its own
};
std::unordered_map<const GraphicControl *, Readable> readable;

ObserverData &reading(const FormWindow &window)
{
    return *window.observerData();
}

KeyReport *recording(FormWindow &window)
{
    const std::unique_ptr<KeyReport> &report = reading(window).keyReport;
    return report && report->recording() ? report.get() : nullptr;
}

QAccessibleInterface *makeAccessible(const QString &, QObject *object)
{
    if (auto *window = dynamic_cast<FormWindow *>(object))
        return new AccessibleForm(window);
    if (auto *grid = dynamic_cast<KeyboardGrid *>(object))
        return new AccessibleGrid(grid);
    if (auto *bar = dynamic_cast<StatusBarWidget *>(object))
        return new AccessibleStatusBar(bar);
    return nullptr;
}

void tell(QAccessibleInterface *interface, QAccessible::Event type)
{
    QAccessibleEvent event(interface, type);
    QAccessible::updateAccessibility(&event);
}

void announce(FormWindow &window, const std::string &text)
{
    reading(window).announcement = text;
    if (QAccessible::isActive())
        tell(accessibleAnnouncement(window), text.empty() ? QAccessible::ObjectHide : QAccessible::ObjectShow);
}

// Linked into a program, this code follows its controls from the start.
const ControlObserver screenReader = {
    .windowMade = installAccessibility,
    .windowGone = forgetWindow,
    .controlGone = forgetAccessible,
    .nameGiven = setAccessibleName,
    .pictureShown = pictureShown,
    .captionChanged = captionChanged,
    .cursorMoved = cursorMoved,
    .keyPressed = startReport,
    .accessKeyPressed = startAccessKeyReport,
    .keyHeld = holdReport,
    .keyResumed = resumeReport,
    .keyDone = finishReport,
};
const bool following = (ControlObserver::set(&screenReader), true);

} // namespace

void installAccessibility(FormWindow &window)
{
    static const bool installed = (QAccessible::installFactory(makeAccessible), true);
    Q_UNUSED(installed);
    window.setObserverData(new ObserverData);
}

void forgetWindow(FormWindow &window)
{
    ObserverData *data = window.observerData();
    if (data->announcementId)
        QAccessible::deleteAccessibleInterface(data->announcementId);
    delete data;
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

const std::string &announcement(const FormWindow &window)
{
    return reading(window).announcement;
}

QAccessibleInterface *accessibleAnnouncement(FormWindow &window)
{
    QAccessible::Id &id = reading(window).announcementId;
    if (!id)
        id = QAccessible::registerAccessibleInterface(new AccessibleAnnouncement(&window));
    return QAccessible::accessibleInterface(id);
}

void pictureShown(Image &image, const Spoken &before)
{
    const Spoken &spoken = image.picture().spoken();
    if (spoken.name == before.name)
        return;
    KeyReport *key = recording(*image.formWindow());
    if (key)
        key->pictureShown(image, before);
    if (key && spoken.announced) {
        // Said with the rest of what the key did.
        key->announced(spoken.name);
        reading(*image.formWindow()).announcement = std::string(spoken.name);
    } else if (spoken.announced || before.announced) {
        announce(*image.formWindow(), spoken.announced ? std::string(spoken.name) : std::string());
    }
    if (QAccessible::isActive() && (image.keyboardGrid() || AccessibleControl::speaks(image)))
        tell(accessibleControl(image),
             accessibleName(image).empty() ? QAccessible::NameChanged : QAccessible::DescriptionChanged);
}

void captionChanged(Label &label, const std::string &previous)
{
    if (KeyReport *key = recording(*label.formWindow()))
        key->captionChanged(label, previous);
    if (QAccessible::isActive() && AccessibleControl::speaks(label))
        tell(accessibleControl(label), QAccessible::NameChanged);
}

void startReport(FormWindow &window, KeyboardGrid *grid, const std::string &lead)
{
    finishReport(window);
    if (QAccessible::isActive())
        reading(window).keyReport = std::make_unique<KeyReport>(window, grid, lead);
}

void startAccessKeyReport(GraphicControl &control)
{
    startReport(*control.formWindow(), nullptr, accessibleName(control));
}

void holdReport(FormWindow &window)
{
    if (KeyReport *report = reading(window).keyReport.get())
        report->setRecording(false);
}

void resumeReport(FormWindow &window)
{
    if (KeyReport *report = reading(window).keyReport.get())
        report->setRecording(true);
}

// As the window's announcement, which a screen reader says wherever its
// focus is, each time it shows anew.
void finishReport(FormWindow &window)
{
    const std::unique_ptr<KeyReport> report = std::move(reading(window).keyReport);
    if (!report)
        return;
    if (!announcement(window).empty())
        announce(window, {});
    announce(window, report->text());
}

void cursorMoved(KeyboardGrid &grid)
{
    if (!QAccessible::isActive() || !grid.cursorShown())
        return;
    if (Image *image = grid.imageAt(grid.cursor()))
        tell(accessibleControl(*image), QAccessible::Focus);
}

} // namespace rt
