#include "array.h"
#include "checkbox.h"
#include "checked.h"
#include "formwindow.h"
#include "imagearray.h"
#include "label.h"
#include "shape.h"
#include "testsupport.h"
#include "timer.h"

#include <QAccessibleActionInterface>
#include <QApplication>
#include <QKeySequence>
#include <QProcess>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <optional>

namespace {

// A small window with a control array of one image, a label and a check box,
// recording the events its controls raise as text. A click, once boxOnClick is
// set, opens a message box.
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
        Images.onClick([this](rt::Integer i) {
            events += QString("click %1;").arg(i.value());
            if (std::exchange(boxOnClick, false)) {
                rt::MsgBox("Zpráva", "Test");
                boxShown = true;
            }
        });
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
    bool boxOnClick = false, boxShown = false;
};

// A test form whose images 1 to 6 lie as a grid of 3 columns and 2 rows,
// numbered down the columns, that Space and Return press with the left button
// and F with the right; N and F2 press image 0. The check box takes the
// keyboard first, where it takes the keyboard at all.
class GridForm : public TestForm
{
public:
    GridForm()
    {
        for (int n = 1; n <= 6; ++n) {
            Images.addDesignElement(n).setPicture(Images(0).picture());
            Images(n).Move(450 + (n - 1) / 2 * 225, (n - 1) % 2 * 225, 225, 225);
        }
        Images.playByKeyboard("Mřížka", 3, 2, [](int col, int row) { return col * 2 + row + 1; },
                              {{rt::KeySpace, rt::LeftButton}, {rt::KeyReturn, rt::LeftButton}, {rt::KeyF, rt::RightButton}});
        Images(0).setAccessKeys({rt::KeyN, rt::KeyF2});
    }
};

// Each fault, run in a child process, must end it with its error number and message.
struct Fault { int number; const char *message; void (*run)(); };
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

enum Layout { Plain, Grid, CheckBoxFirst };

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

    // Events as the window system sends them, to whatever holds the keyboard or
    // lies under the pointer, on a plain form whose check box does not take the
    // keyboard, or on a grid form. A key in QKeySequence's words (a space as
    // "_") is clicked, "+K" only pressed, "-K" only released, and "K*" held while
    // the keyboard repeats it. "click:L4" clicks image 4 with the left button (R,
    // M and B the right, middle and back ones), after modifiers as a key's
    // ("Shift+click:L0"), "press:" and "release:" only press or release it, at
    // "@x,y" from its corner. "check" clicks the check box, "check=1" sets it by
    // code; "reader:0" names image 0, which a screen reader then finds as a
    // button and presses. "box:K" makes the next click open a message box,
    // which K closes, K's release then coming to the window. On a grid form the
    // events of the modifier keys themselves are left out.
    void events_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("events");
        auto row = [](const char *name, int layout, const char *script, const QString &events) {
            QTest::newRow(name) << layout << QString(script) << events;
        };
        auto pressed = [](int n, int button = 1, int shift = 0) {
            const QString codes = QString("%1 %2 %3;").arg(n).arg(button).arg(shift);
            return "down " + codes + "up " + codes + (button == 1 ? QString("click %1;").arg(n) : "");
        };
        row("left", Plain, "click:L0", pressed(0));
        row("right", Plain, "click:R0", pressed(0, 2));
        row("middle", Plain, "click:M0", pressed(0, 4));
        row("back button", Plain, "click:B0", "");
        row("shift", Plain, "Shift+click:L0", pressed(0, 1, 1));
        row("ctrl", Plain, "Ctrl+click:L0", pressed(0, 1, 2));
        row("alt", Plain, "Alt+click:R0", pressed(0, 2, 4));
        row("all three", Plain, "Shift+Ctrl+Alt+click:M0", pressed(0, 4, 7));
        row("N", Plain, "N", "key 78 0;");
        row("shift N", Plain, "Shift+N", "key 16 1;key 78 1;"); // the modifier keys come as keys too
        row("ctrl alt N", Plain, "Ctrl+Alt+N", "key 17 2;key 18 6;key 78 6;");
        row("media key", Plain, "Media_Play", "");
        row("letters, digits, Space, Escape, F1, Left", Plain, "A Z 0 Space Esc F1 Left É",
            "key 65 0;key 90 0;key 48 0;key 32 0;key 27 0;key 112 0;key 37 0;");
        // The release and a second button go to the pressed image, a click only where it was pressed.
        row("a press released off its image", Grid,
            "press:L0 release:L0@100,100 press:L0 click:L1 press:L0 click:R1 release:L1",
            "down 0 1 0;up 0 1 0;down 0 1 0;down 1 1 0;up 1 1 0;click 1;down 0 1 0;down 0 2 0;up 0 2 0;up 0 1 0;");
        row("the check box clicked, not set by code", CheckBoxFirst, "check=1 check Space", "check 0;check 1;");
        row("an image with a name of its own pressed by a screen reader", Plain, "reader:0", pressed(0));
        row("keys pass on until the cursor shows", Grid, "Space Return Home F", "key 32 0;key 13 0;key 36 0;key 70 0;");
        row("the first arrow shows the cursor where it is", Grid, "Down Space", pressed(1));
        row("the first Tab too", Grid, "Tab Return", pressed(1));
        row("arrows stop at the right and bottom edges", Grid, "Up Right Right Right Down Down F", pressed(6, 2));
        row("and at the left and top edges", Grid, "Up Ctrl+End Left Left Left Up Up Space", pressed(1));
        row("End and Home keep the row", Grid, "Up Down End Space Home Space", pressed(6) + pressed(2));
        row("Ctrl+End and Ctrl+Home", Grid, "Up Ctrl+End F Ctrl+Home F", pressed(6, 2) + pressed(1, 2));
        row("Tab walks in reading order, wrapping", Grid, "Tab Tab Space Tab Tab Tab Tab Tab Space",
            pressed(3) + pressed(1));
        row("Shift+Tab walks back", Grid, "Tab Shift+Tab Space", pressed(6));
        row("a key's release goes to the image it pressed", Grid, "Up +Space Right -Space Space",
            pressed(1) + pressed(3));
        row("a held key presses once", Grid, "Up Space* F*", pressed(1) + pressed(1, 2));
        row("with the modifiers held", Grid, "Up Shift+Space Ctrl+F", pressed(1, 1, 1) + pressed(1, 2, 2));
        row("a mouse press moves the cursor", Grid, "Up click:L4 Space", pressed(4) + pressed(4));
        row("and sets where it first shows", Grid, "click:L6 Left Space", pressed(6) + pressed(6));
        row("N and F2 press their image from the grid", Grid, "Up N F2* +N -N", pressed(0) + pressed(0) + pressed(0));
        row("Space toggles the check box", CheckBoxFirst, "Space Return", "check 1;key 13 0;");
        row("Tab goes to the grid and back", CheckBoxFirst, "Tab Space Tab Space Shift+Tab Right Space",
            pressed(1) + "check 1;" + pressed(3));
        row("an arrow brings the keyboard to the grid", CheckBoxFirst, "Left Space Right Space",
            pressed(1) + pressed(3));
        row("a mouse press leaves the keyboard where it is", CheckBoxFirst, "click:L4 Space", pressed(4) + "check 1;");
        row("N and F2 press their image from the check box", CheckBoxFirst, "N F2", pressed(0) + pressed(0));
        row("the keyboard on the grid after a box closed by Escape", CheckBoxFirst, "Tab box:Escape Space Space",
            pressed(1) + pressed(1));
        row("and on the check box after Return", CheckBoxFirst, "box:Return N Space", pressed(0) + "check 1;");
    }

    void events()
    {
        QFETCH(int, layout);
        QFETCH(QString, script);
        QFETCH(QString, events);
        std::optional<support::ScreenReader> reader;
        if (script.contains("reader:"))
            reader.emplace();
        const auto form = layout == Plain ? std::make_unique<TestForm>() : std::unique_ptr<TestForm>(new GridForm);
        form->Check.setTabStop(layout == CheckBoxFirst);
        QVERIFY(support::showAndWait(*form));
        QWindow *window = form->window()->windowHandle();
        Qt::Key closing = Qt::Key_unknown;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget *box = QApplication::activeModalWidget())
                QTest::keyPress(box->windowHandle(), closing);
        });
        closer.start(10);
        const QRegularExpression mouseEvent("^(.*\\+)?(click|press|release):([LRMB])(\\d)(@(\\d+),(\\d+))?$");
        for (const QString &token : script.split(' ')) {
            const QRegularExpressionMatch mouse = mouseEvent.match(token);
            const QKeyCombination k =
                QKeySequence(QString(token).replace('_', ' ').remove(QRegularExpression("^([-+]|box:)|\\*$")))[0];
            if (mouse.hasMatch()) {
                const QString action = mouse.captured(2);
                support::mouse(action == "click" ? QTest::MouseClick : action == "press" ? QTest::MousePress
                                                                                          : QTest::MouseRelease,
                               form->Images(mouse.captured(4).toInt()),
                               Qt::MouseButton(1 << QString("LRMB").indexOf(mouse.captured(3))),
                               mouse.hasCaptured(5) ? QPoint(mouse.captured(6).toInt(), mouse.captured(7).toInt())
                                                    : support::centre,
                               QKeySequence(mouse.captured(1) + "A")[0].keyboardModifiers());
            } else if (token.startsWith("check")) {
                if (token == "check=1")
                    form->Check.setValue(1);
                else
                    QTest::mouseClick(form->Check.widget(), Qt::LeftButton, {}, QPoint(7, 8));
            } else if (token.startsWith("reader:")) {
                form->Images(0).setAccessibleName("Tlačítko");
                QAccessibleInterface *button = support::ScreenReader::of(form->window())->child(0);
                QCOMPARE(button->role(), QAccessible::Button);
                QCOMPARE(button->text(QAccessible::Name), QString("Tlačítko"));
                button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            } else if (token.startsWith("box:")) {
                form->boxOnClick = true, closing = k.key();
            } else if (token.endsWith('*')) {
                support::keyHeld(form->window(), k.key(), 3);
            } else {
                QVERIFY2(k.key() && k.key() != Qt::Key_unknown, qPrintable(token));
                const auto action = token[0] == '+' ? QTest::Press : token[0] == '-' ? QTest::Release : QTest::Click;
                QTest::keyEvent(action, window, k.key(), k.keyboardModifiers());
            }
            if (std::exchange(form->boxShown, false)) {
                QTRY_VERIFY(form->window()->isActiveWindow()); // the keyboard back with the window
                QTest::keyRelease(window, closing);
            }
        }
        if (layout != Plain)
            form->events.remove(QRegularExpression("key 1[678] \\d;"));
        QCOMPARE(form->events, events);
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
