#include "messagebox.h"

#include <QApplication>
#include <QBuffer>
#include <QFontDatabase>
#include <QImageReader>
#include <QMessageBox>
#include <QThreadPool>
#include <QTimer>

namespace rt {

namespace {

// Once the box is closed, the keyboard goes back to the window that opened
// it, also where no window manager hands it back.
void showModalBox(const std::string &prompt, const std::string &title)
{
    QWidget *owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(prompt), QMessageBox::Ok, owner);
    box.exec();
    if (owner)
        owner->activateWindow();
}

MessageBoxHandler &handler()
{
    static MessageBoxHandler current = showModalBox;
    return current;
}

std::string &title()
{
    static std::string current;
    return current;
}

// The system fonts, and the image-format plugins through which the box
// reads its button's icon: a picture read with QImageReader loads them.
void loadWhatBoxesNeed()
{
    QFontDatabase::families();
    static const char onePixelPng[] = "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNkYPhf"
                                      "DwAChwGA60e6kgAAAABJRU5ErkJggg==";
    QByteArray picture = QByteArray::fromBase64(onePixelPng);
    QBuffer device(&picture);
    QImageReader(&device).size();
}

void waitForPreparation()
{
    QThreadPool::globalInstance()->waitForDone();
}

// Long before a player can bring up the first box, and late enough that the
// loading neither competes with the display server while it puts the
// window's first frame on the screen nor adds to the memory the program
// holds then.
constexpr int preparationDelayMs = 250;

} // namespace

// Everything else the programs draw is in their own pixel font and their own
// pictures: the box is the only user of the system's font database and of
// the image-format plugins, and loading them takes longer than making and
// showing the box. QFontDatabase is thread-safe and loads under its own lock,
// a box opened before it is done waits for it; QImageReader is reentrant and
// plugins load under the plugin loader's lock.
// (The OK button's icon is looked up in the icon theme when the box opens:
// icons belong to the GUI thread, and looking it up ahead would hold up
// whatever input arrives meanwhile.)
void prepareMessageBoxes()
{
    static bool started = false;
    if (started || !qApp)
        return;
    started = true;
    // The loading must be over before the application object is gone.
    qAddPostRoutine(waitForPreparation);
    QTimer::singleShot(preparationDelayMs, qApp, [] { QThreadPool::globalInstance()->start(loadWhatBoxesNeed); });
}

void MsgBox(const std::string &prompt, const std::string &title)
{
    handler()(prompt, title);
}

void setMessageBoxHandler(MessageBoxHandler newHandler)
{
    handler() = std::move(newHandler);
}

void resetMessageBoxHandler()
{
    handler() = showModalBox;
}

const std::string &programTitle() { return title(); }
void setProgramTitle(const std::string &newTitle) { title() = newTitle; }

} // namespace rt
