#include "array.h"
#include "checkbox.h"
#include "checked.h"
#include "form.h"
#include "formwindow.h"
#include "imagearray.h"
#include "keyboardgrid.h"
#include "keys.h"
#include "label.h"
#include "messagebox.h"
#include "picture.h"
#include "screenreader.h"
#include "shape.h"
#include "testsupport.h"
#include "timer.h"

#include <QAccessibleActionInterface>
#include <QApplication>
#include <QKeySequence>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>

namespace {

// A small window with a control array of one image, a label and a check box,
// recording the events its controls raise as text.
class TestForm : public rt::Form
{
public:
    TestForm()
    {
        setWidth(3090);
        setHeight(2175);
        Images.addDesignElement(0).setPicture(rt::LoadPicture(":/miny/covered.png"));
        Images(0).Move(0, 0, 225, 225);
        Cover.Move(0, 1500, 600, 195);
        Check.Move(1500, 1500, 855, 255);
        Check.setTabStop(true);
        auto record = [this](const char *what) {
            return [this, what](rt::Integer i, rt::Integer b, rt::Integer s, float, float) {
                events += QString("%1 %2 %3 %4;").arg(what).arg(i.value()).arg(b.value()).arg(s.value());
            };
        };
        Images.onMouseDown(record("down"));
        Images.onMouseUp(record("up"));
        Images.onClick([this](rt::Integer i) { events += QString("click %1;").arg(i.value()); });
        Check.onClick([this] { events += QString("check %1;").arg(Check.Value()); });
    }

    void Form_KeyDown(rt::Integer keyCode, rt::Integer shift) override
    {
        events += QString("key %1 %2;").arg(keyCode.value()).arg(shift.value());
    }

    rt::ImageArray Images{*this};
    rt::Label Cover{*this};
    rt::CheckBox Check{*this};
    QString events;
};

// A test form whose images 1 to 6 lie as a grid of 3 columns and 2 rows,
// numbered down the columns, that Space and Return press with the left button
// and F with the right; N and F2 press image 0. The check box takes the
// keyboard first, where it takes the keyboard at all.
class GridForm : public TestForm
{
public:
    explicit GridForm(bool checkBox)
    {
        Check.setTabStop(checkBox);
        for (int n = 1; n <= 6; ++n) {
            Images.addDesignElement(n).setPicture(Images(0).picture());
            Images(n).Move(450 + (n - 1) / 2 * 225, (n - 1) % 2 * 225, 225, 225);
        }
        Images.playByKeyboard("Mřížka", 3, 2, [](int col, int row) { return col * 2 + row + 1; },
                              {{rt::KeySpace, rt::LeftButton}, {rt::KeyReturn, rt::LeftButton}, {rt::KeyF, rt::RightButton}});
        Images(0).setAccessKeys({rt::KeyN, rt::KeyF2});
        Images.onClick([this](rt::Integer i) {
            events += QString("click %1;").arg(i.value());
            if (std::exchange(boxOnClick, false)) {
                rt::MsgBox("Zpráva", "Test");
                boxShown = true;
            }
        });
    }
    bool boxOnClick = false;
    bool boxShown = false;
};

// Each fault, run in a child process, must end it with its error number and message.
struct Fault
{
    int number;
    const char *message;
    void (*run)();
};
const std::map<std::string, Fault> faults = {
    {"byte", {6, "Přetečení", [] { rt::Byte b = 255; b = b + 1; }}},
    {"byte below zero", {6, "Přetečení", [] { rt::Byte b = 0; b = b - 1; }}},
    {"integer", {6, "Přetečení", [] { rt::Integer i = 32767; i = i + 1; }}},
    {"integer product", {6, "Přetečení", [] { rt::Integer i = 200; i = i * 200; }}},
    {"single to byte", {6, "Přetečení", [] { rt::Byte b = 256.0f; (void)b; }}},
    {"division by zero", {11, "Dělení nulou", [] { volatile int zero = 0; (void)rt::IntDiv(rt::Integer(7), int(zero)); }}},
    {"array", {9, "Index mimo rozsah", [] { volatile int i = 20; rt::Array<int, 0, 19> a; a(i) = 1; }}},
    {"array2", {9, "Index mimo rozsah", [] { rt::Array2<int, 0, 19, 0, 19> a; a(0, -1) = 1; }}},
    {"control", {340, "Prvek pole ovládacích prvků neexistuje", [] { TestForm().Images(3).setLeft(0); }}},
    {"control loaded twice", {360, "Objekt je už načten", [] { TestForm form; form.Images.Load(1); form.Images.Load(1); }}},
};

int runFault(const char *fault)
{
    rt::setMessageBoxHandler([](const std::string &text, const std::string &title) {
        std::printf("BOX[%s]%s\n", title.c_str(), text.c_str());
    });
    rt::setProgramTitle("Test");
    faults.at(fault).run();
    std::printf("NO ERROR\n");
    return 0;
}

} // namespace

class RuntimeTest : public QObject
{
    Q_OBJECT

private slots:
    void checkedArithmetic()
    {
        rt::Byte b = 19;
        const auto sum = b + 1;
        static_assert(std::is_same_v<decltype(sum), const rt::Integer>);
        QCOMPARE(sum.value(), 20);
        QCOMPARE((rt::Byte(0) - 1).value(), -1); // a 16-bit intermediate; storing it back would fail
        QCOMPARE(rt::Str(rt::Byte(3)), std::string(" 3"));
        QCOMPARE(rt::CStr(rt::Integer(125)), std::string("125"));
        QCOMPARE(rt::IntDiv(rt::Long(375), 2).value(), 187);
        QCOMPARE(rt::Byte(2.5f).value(), 2); // stored to the nearest, halves to even
        QCOMPARE(rt::Byte(3.5f).value(), 4);
        QVERIFY(rt::Integer(-1) == rt::True);
    }

    void runtimeErrors_data()
    {
        QTest::addColumn<QString>("fault");
        for (const auto &[name, fault] : faults)
            QTest::newRow(name.c_str()) << QString::fromStdString(name);
    }

    void runtimeErrors()
    {
        QFETCH(QString, fault);
        const Fault &expected = faults.at(fault.toStdString());
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--fault", fault});
        QVERIFY(child.waitForFinished(20000));
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), expected.number % 256);
        QCOMPARE(out, QString("BOX[Test]Chyba za běhu %1:\n\n%2\n").arg(expected.number).arg(expected.message));
    }

    // Draws stay below 1; seeding from the clock gives a new sequence.
    void randomSource()
    {
        rt::LcgRandom first(1), second(1);
        first.randomize();
        QTest::qWait(2);
        second.randomize();
        QVERIFY(first.next() != second.next());
        const float largest = rt::LcgRandom::fromRaw(rt::LcgRandom::rawMask);
        for (int n : {2, 20, 36, 400})
            QCOMPARE(int(std::floor(largest * float(n))), n - 1);
        QCOMPARE(rt::LcgRandom::fromRaw(0), 0.0f);
        rt::LcgRandom source(7);
        for (int i = 0; i < 1 << 20; ++i)
            if (const float r = source.next(); r < 0.0f || r >= 1.0f)
                QFAIL(qPrintable(QString("draw %1 gave %2").arg(i).arg(r)));
    }

    // Load copies element 0 hidden, with its picture, place and layer:
    // directly above it, beneath controls made later.
    void loadCopiesElementZero()
    {
        TestForm form;
        form.Images(0).Move(450, 300, 225, 225);
        rt::ImageArray later(form);
        later.addDesignElement(0).setPicture(rt::LoadPicture(":/miny/flag.png"));
        later(0).Move(600, 300, 225, 225);
        form.Images.Load(1);
        rt::Image &loaded = form.Images(1);
        QVERIFY(!loaded.Visible());
        QCOMPARE(loaded.picture().Handle(), form.Images(0).picture().Handle());
        QCOMPARE(QRectF(loaded.Left(), loaded.Top(), loaded.Width(), loaded.Height()), QRectF(450, 300, 225, 225));
        QCOMPARE(form.Images.upperBound(), 1);
        QCOMPARE(form.formWindow()->stackingIndex(&loaded), form.formWindow()->stackingIndex(&form.Images(0)) + 1);
        loaded.setLeft(600);
        loaded.setVisible(true);
        QVERIFY(support::showAndWait(form.window()));
        QCOMPARE(support::grab(form.window()).copy(later(0).pixelRect()),
                 QImage(":/miny/flag.png").convertToFormat(QImage::Format_RGB32));
    }

    // Mouse buttons and keys with their modifiers, as the window system sends them.
    void input_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("events");
        const int shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
        auto click = [](const char *name, Qt::MouseButton button, int modifiers, const char *events) {
            QTest::newRow(name) << int(button) << 0 << modifiers << QString(events);
        };
        auto key = [](const char *name, int key, int modifiers, const QString &events) {
            QTest::newRow(name) << 0 << key << modifiers << events;
        };
        click("left", Qt::LeftButton, 0, "down 0 1 0;up 0 1 0;click 0;");
        click("right", Qt::RightButton, 0, "down 0 2 0;up 0 2 0;");
        click("middle", Qt::MiddleButton, 0, "down 0 4 0;up 0 4 0;");
        click("back button", Qt::BackButton, 0, "");
        click("shift", Qt::LeftButton, shift, "down 0 1 1;up 0 1 1;click 0;");
        click("ctrl", Qt::LeftButton, ctrl, "down 0 1 2;up 0 1 2;click 0;");
        click("alt", Qt::RightButton, alt, "down 0 2 4;up 0 2 4;");
        click("all three", Qt::MiddleButton, shift | ctrl | alt, "down 0 4 7;up 0 4 7;");
        key("N", Qt::Key_N, 0, "key 78 0;");
        key("shift N", Qt::Key_N, shift, "key 16 1;key 78 1;"); // the modifier keys come as keys too
        key("ctrl alt N", Qt::Key_N, ctrl | alt, "key 17 2;key 18 6;key 78 6;");
        key("media key", Qt::Key_MediaPlay, 0, "");
        for (auto [k, code] : {std::pair{Qt::Key_A, 65}, {Qt::Key_Z, 90}, {Qt::Key_0, 48}, {Qt::Key_Space, 32},
                               {Qt::Key_Escape, 27}, {Qt::Key_F1, 112}, {Qt::Key_Left, 37}, {Qt::Key_Eacute, 0}})
            key(qPrintable(QKeySequence(k).toString()), k, 0, code ? QString("key %1 0;").arg(code) : "");
    }

    void input()
    {
        QFETCH(int, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, events);
        TestForm form;
        form.Check.setTabStop(false);
        QVERIFY(support::showAndWait(form.window()));
        if (button)
            support::mouseClick(form.Images(0), Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers));
        else
            QTest::keyClick(form.window(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(form.events, events);
    }

    // The release and a second button go to the pressed image, a click only
    // where it was pressed; a release lost to a modal box leaves nothing behind.
    void releaseGoesToPressedImage()
    {
        TestForm form;
        form.Images.Load(1);
        form.Images(1).setLeft(600);
        form.Images(1).setVisible(true);
        QVERIFY(support::showAndWait(form.window()));
        support::mousePress(form.Images(0), Qt::LeftButton);
        support::mouseRelease(form.Images(0), Qt::LeftButton, {}, QPoint(100, 100));
        support::mousePress(form.Images(0), Qt::LeftButton);
        support::mouseClick(form.Images(1), Qt::LeftButton);
        support::mousePress(form.Images(0), Qt::LeftButton);
        support::mouseClick(form.Images(1), Qt::RightButton);
        support::mouseRelease(form.Images(1), Qt::LeftButton);
        QCOMPARE(form.events, QString("down 0 1 0;up 0 1 0;down 0 1 0;down 1 1 0;up 1 1 0;click 1;"
                                      "down 0 1 0;down 0 2 0;up 0 2 0;up 0 1 0;"));
    }

    // Each change to a shown window reaches the screen: once the repaints it
    // asked for are done, the screen shows what a fresh rendering draws.
    void changesReachTheScreen()
    {
        TestForm form;
        QVERIFY(support::showAndWait(form.window()));
        const std::function<void()> changes[] = {
            [&] { form.Images(0).setPicture(rt::LoadPicture(":/miny/flag.png")); },
            [&] { form.Images(0).Move(450, 300, 225, 225); },
            [&] { form.Images.Load(1), form.Images(1).setLeft(600), form.Images(1).setVisible(true); },
            [&] { form.Images(0).setVisible(false); },
            [&] { form.Cover.setCaption("Nový popisek"); },
        };
        for (const auto &change : changes) {
            change();
            QTRY_COMPARE_WITH_TIMEOUT(
                form.window()->screen()->grabWindow(form.window()->winId()).toImage().convertToFormat(QImage::Format_RGB32),
                support::grab(form.window()), 2000);
        }
    }

    // A shape is a frame one pixel wide just inside its rectangle.
    void shapeFrame()
    {
        TestForm form;
        rt::Shape frame(form);
        frame.Move(1500, 300, 150, 90);
        const QImage shot = support::grab(form.window()).copy(100, 20, 10, 6);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 10; ++x)
                QCOMPARE(shot.pixel(x, y) == qRgb(0, 0, 0), x == 0 || x == 9 || y == 0 || y == 5);
    }

    void checkBoxClick()
    {
        TestForm form;
        form.Check.setValue(1); // set by code: no Click
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.window()));
        QVERIFY(form.Check.widget()->hasFocus());
        QTest::mouseClick(form.Check.widget(), Qt::LeftButton, {}, QPoint(7, 8));
        QTest::keyClick(form.Check.widget(), Qt::Key_Space);
        QCOMPARE(form.events, QString("check 0;check 1;"));
    }

    // Keys as the window system sends them to whatever holds the keyboard:
    // "+K" only presses K, "-K" only releases it, "K*" holds it while the
    // keyboard repeats it; "mouseN" clicks image N; "box:K" makes the next
    // click open a message box, which K closes, K's release then coming to
    // the window. The events of the modifier keys themselves are left out.
    void keyboard_data()
    {
        QTest::addColumn<bool>("checkBox");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("events");
        auto row = [](const char *name, bool checkBox, const char *keys, const QString &events) {
            QTest::newRow(name) << checkBox << QString(keys) << events;
        };
        auto pressed = [](int n, int button = 1, int shift = 0) {
            const QString codes = QString("%1 %2 %3;").arg(n).arg(button).arg(shift);
            return "down " + codes + "up " + codes + (button == 1 ? QString("click %1;").arg(n) : "");
        };
        row("keys pass on until the cursor shows", false, "Space Return Home F", "key 32 0;key 13 0;key 36 0;key 70 0;");
        row("the first arrow shows the cursor where it is", false, "Down Space", pressed(1));
        row("the first Tab too", false, "Tab Return", pressed(1));
        row("arrows stop at the right and bottom edges", false, "Up Right Right Right Down Down F", pressed(6, 2));
        row("and at the left and top edges", false, "Up Ctrl+End Left Left Left Up Up Space", pressed(1));
        row("End and Home keep the row", false, "Up Down End Space Home Space", pressed(6) + pressed(2));
        row("Ctrl+End and Ctrl+Home", false, "Up Ctrl+End F Ctrl+Home F", pressed(6, 2) + pressed(1, 2));
        row("Tab walks in reading order, wrapping", false, "Tab Tab Space Tab Tab Tab Tab Tab Space",
            pressed(3) + pressed(1));
        row("Shift+Tab walks back", false, "Tab Shift+Tab Space", pressed(6));
        row("a key's release goes to the image it pressed", false, "Up +Space Right -Space Space",
            pressed(1) + pressed(3));
        row("a held key presses once", false, "Up Space* F*", pressed(1) + pressed(1, 2));
        row("with the modifiers held", false, "Up Shift+Space Ctrl+F", pressed(1, 1, 1) + pressed(1, 2, 2));
        row("a mouse press moves the cursor", false, "Up mouse4 Space", pressed(4) + pressed(4));
        row("and sets where it first shows", false, "mouse6 Left Space", pressed(6) + pressed(6));
        row("N and F2 press their image from the grid", false, "Up N F2* +N -N", pressed(0) + pressed(0) + pressed(0));
        row("Space toggles the check box", true, "Space Return", "check 1;key 13 0;");
        row("Tab goes to the grid and back", true, "Tab Space Tab Space Shift+Tab Right Space",
            pressed(1) + "check 1;" + pressed(3));
        row("an arrow brings the keyboard to the grid", true, "Left Space Right Space", pressed(1) + pressed(3));
        row("a mouse press leaves the keyboard where it is", true, "mouse4 Space", pressed(4) + "check 1;");
        row("N and F2 press their image from the check box", true, "N F2", pressed(0) + pressed(0));
        row("the keyboard on the grid after a box closed by Escape", true, "Tab box:Escape Space Space",
            pressed(1) + pressed(1));
        row("and on the check box after Return", true, "box:Return N Space", pressed(0) + "check 1;");
    }

    void keyboard()
    {
        QFETCH(bool, checkBox);
        QFETCH(QString, keys);
        QFETCH(QString, events);
        GridForm form(checkBox);
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(form.window()));
        QWindow *window = form.window()->windowHandle();
        Qt::Key closing = Qt::Key_unknown;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget *box = QApplication::activeModalWidget())
                QTest::keyPress(box->windowHandle(), closing);
        });
        closer.start(10);
        for (const QString &key : keys.split(' ')) {
            if (key.startsWith("mouse") || key.startsWith("box:")) {
                if (key.startsWith("mouse"))
                    support::mouseClick(form.Images(key.mid(5).toInt()), Qt::LeftButton);
                else
                    closing = QKeySequence(key.mid(4))[0].key();
                form.boxOnClick = key.startsWith("box:");
                continue;
            }
            const QChar action = key.startsWith('+') || key.startsWith('-') ? key[0] : key.endsWith('*') ? '*' : ' ';
            const QKeyCombination k = QKeySequence(action == ' ' ? key : action == '*' ? key.chopped(1) : key.mid(1))[0];
            if (action == '*')
                support::keyHeld(form.window(), k.key(), 3);
            else if (action == '+')
                QTest::keyPress(window, k.key(), k.keyboardModifiers());
            else if (action == '-')
                QTest::keyRelease(window, k.key(), k.keyboardModifiers());
            else
                QTest::keyClick(window, k.key(), k.keyboardModifiers());
            if (std::exchange(form.boxShown, false)) {
                QTRY_VERIFY(form.window()->isActiveWindow()); // the keyboard back with the window
                QTest::keyRelease(window, closing);
            }
        }
        QCOMPARE(form.events.remove(QRegularExpression("key 1[678] \\d;")), events);
    }

    // An image with a name of its own is a button that a screen reader can press.
    void accessibleButton()
    {
        support::ScreenReader reader;
        TestForm form;
        form.Images(0).setAccessibleName("Tlačítko");
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.window()));
        QAccessibleInterface *button = support::ScreenReader::of(form.window())->child(0);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QString("Tlačítko"));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(form.events, QString("down 0 1 0;up 0 1 0;click 0;"));
    }

    // Enabling a running timer again keeps its phase; disabling stops it.
    void timerNotRephased()
    {
        TestForm form;
        rt::Timer timer(form);
        timer.setInterval(1000);
        timer.setEnabled(true);
        auto *qtimer = form.window()->findChild<QTimer *>();
        const int id = qtimer->timerId();
        QTest::qWait(50);
        timer.setEnabled(true);
        QCOMPARE(qtimer->timerId(), id);
        QVERIFY(qtimer->remainingTime() < 980);
        timer.setEnabled(false);
        QVERIFY(!timer.Enabled());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && !std::strcmp(argv[1], "--fault"))
        return runFault(argv[2]);
    RuntimeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_runtime.moc"
