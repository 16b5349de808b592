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

namespace {

// Kept beside the controls and the windows, so that those that are never
// read cost nothing.
std::unordered_map<const GraphicControl *, QAccessible::Id> readable;
struct Reading
{
    std::string announcement;
    QAccessible::Id announcementId = 0;
    // What the key that is down has done so far, if a screen reader listens.
    std::unique_ptr<KeyReport> keyReport;
};
std::unordered_map<const FormWindow *, Reading> reading;

KeyReport *recording(FormWindow &window)
{
    const auto known = reading.find(&window);
    if (known == reading.end())
        return nullptr;
    const std::unique_ptr<KeyReport> &report = known->second.keyReport;
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
    reading[&window].announcement = text;
    if (QAccessible::isActive())
        tell(accessibleAnnouncement(window), text.empty() ? QAccessible::ObjectHide : QAccessible::ObjectShow);
}

// Follows the controls for as long as the program runs.
class ScreenReaderObserver : public ControlObserver
{
public:
    ScreenReaderObserver() { ControlObserver::set(this); }
    // What is left of the program's windows as it ends tells nobody.
    ~ScreenReaderObserver() { ControlObserver::set(nullptr); }

    // Lets Qt make the accessible objects of the runtime's windows, once.
    void windowMade(FormWindow &) override
    {
        static const bool installed = (QAccessible::installFactory(makeAccessible), true);
        Q_UNUSED(installed);
    }

    void windowGone(FormWindow &window) override
    {
        const auto known = reading.find(&window);
        if (known == reading.end())
            return;
        if (known->second.announcementId)
            QAccessible::deleteAccessibleInterface(known->second.announcementId);
        reading.erase(known);
    }

    void controlGone(GraphicControl &control) override
    {
        const auto known = readable.find(&control);
        if (known == readable.end())
            return;
        QAccessible::deleteAccessibleInterface(known->second);
        readable.erase(known);
    }

    // A cell or an image is named anew, a button described anew, and an
    // announced picture announced.
    void pictureShown(Image &image, const Spoken &before) override
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
            reading[image.formWindow()].announcement = std::string(spoken.name);
        } else if (spoken.announced || before.announced) {
            announce(*image.formWindow(), spoken.announced ? std::string(spoken.name) : std::string());
        }
        if (QAccessible::isActive() && (image.keyboardGrid() || AccessibleControl::speaks(image)))
            tell(accessibleControl(image),
                 image.accessibleName().empty() ? QAccessible::NameChanged : QAccessible::DescriptionChanged);
    }

    void captionChanged(Label &label, const std::string &previous) override
    {
        if (KeyReport *key = recording(*label.formWindow()))
            key->captionChanged(label, previous);
        if (QAccessible::isActive() && AccessibleControl::speaks(label))
            tell(accessibleControl(label), QAccessible::NameChanged);
    }

    void cursorMoved(KeyboardGrid &grid) override
    {
        if (!QAccessible::isActive() || !grid.cursorShown())
            return;
        if (Image *image = grid.imageAt(grid.cursor()))
            tell(accessibleControl(*image), QAccessible::Focus);
    }

    // What a key did (see KeyReport), announced by the window once the key
    // is done. A key of a keyboard grid reports on the cell under the cursor;
    // a key with a text of its own, that text and the window's labels.
    void keyPressed(FormWindow &window, KeyboardGrid *grid, const std::string &text) override
    {
        keyDone(window);
        if (QAccessible::isActive())
            reading[&window].keyReport = std::make_unique<KeyReport>(window, grid, text);
    }

    void keyHeld(FormWindow &window) override { setRecording(window, false); }
    void keyResumed(FormWindow &window) override { setRecording(window, true); }

    // As the window's announcement, which a screen reader says wherever its
    // focus is, each time it shows anew.
    void keyDone(FormWindow &window) override
    {
        const auto known = reading.find(&window);
        if (known == reading.end() || !known->second.keyReport)
            return;
        const std::unique_ptr<KeyReport> report = std::move(known->second.keyReport);
        if (!known->second.announcement.empty())
            announce(window, {});
        announce(window, report->text());
    }

private:
    static void setRecording(FormWindow &window, bool recording)
    {
        const auto known = reading.find(&window);
        if (known != reading.end() && known->second.keyReport)
            known->second.keyReport->setRecording(recording);
    }
};

ScreenReaderObserver observer;

} // namespace

QAccessibleInterface *accessibleControl(GraphicControl &control)
{
    QAccessible::Id &id = readable[&control];
    if (id)
        return QAccessible::accessibleInterface(id);
    auto *image = dynamic_cast<Image *>(&control);
    QAccessibleInterface *interface = image && image->keyboardGrid() ? new AccessibleCell(image)
                                                                     : new AccessibleControl(&control);
    id = QAccessible::registerAccessibleInterface(interface);
    return interface;
}

const std::string &announcement(const FormWindow &window)
{
    static const std::string none;
    const auto known = reading.find(&window);
    return known == reading.end() ? none : known->second.announcement;
}

QAccessibleInterface *accessibleAnnouncement(FormWindow &window)
{
    QAccessible::Id &id = reading[&window].announcementId;
    if (!id)
        id = QAccessible::registerAccessibleInterface(new AccessibleAnnouncement(&window));
    return QAccessible::accessibleInterface(id);
}

} // namespace rt
