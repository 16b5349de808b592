#include "array.h"
#include "checkbox.h"
#include "checked.h"
#include "form.h"
#include "formwindow.h"
#include "imagearray.h"
#include "inputcodes.h"
#include "label.h"
#include "messagebox.h"
#include "picture.h"
#include "random.h"
#include "testsupport.h"
#include "timer.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Event
{
    int index;
    int button;
    int shift;
    bool operator==(const Event &) const = default;
};

// A small window with a control array of two images and a check box.
class TestForm : public rt::Form
{
public:
    TestForm()
    {
        setWidth(3090);
        setHeight(2175);
        rt::Image &first = Images.addDesignElement(0);
        first.setPicture(rt::LoadPicture(":/miny/covered.png"));
        first.Move(0, 0, 225, 225);
        Cover.Move(0, 1500, 600, 195);
        Check.Move(1500, 1500, 855, 255);
        Check.setTabStop(true);
        Images.onMouseDown([this](rt::Integer i, rt::Integer b, rt::Integer s, float, float) {
            downs.push_back({i.value(), b.value(), s.value()});
        });
        Images.onMouseUp([this](rt::Integer i, rt::Integer b, rt::Integer s, float, float) {
            ups.push_back({i.value(), b.value(), s.value()});
        });
        Images.onClick([this](rt::Integer i) { clicks.push_back(i.value()); });
        Check.onClick([this] { checkValues.push_back(Check.Value()); });
    }

    void Form_KeyDown(rt::Integer keyCode, rt::Integer shift) override
    {
        keys.push_back({keyCode.value(), shift.value()});
    }

    rt::ImageArray Images{*this};
    rt::Label Cover{*this};
    rt::CheckBox Check{*this};
    std::vector<Event> downs;
    std::vector<Event> ups;
    std::vector<int> clicks;
    std::vector<int> checkValues;
    std::vector<std::pair<int, int>> keys;
};

// Run in a child process: each fault must end the program with its message.
int runFault(const char *fault)
{
    rt::setMessageBoxHandler([](const std::string &text, const std::string &title) {
        std::printf("BOX[%s]%s\n", title.c_str(), text.c_str());
        std::fflush(stdout);
    });
    rt::setProgramTitle("Test");
    volatile int twenty = 20;
    if (!std::strcmp(fault, "byte")) {
        rt::Byte b = 255;
        b = b + 1;
    } else if (!std::strcmp(fault, "byte-negative")) {
        rt::Byte b = 0;
        b = b - 1;
    } else if (!std::strcmp(fault, "integer")) {
        rt::Integer i = 32767;
        i = i + 1;
    } else if (!std::strcmp(fault, "integer-product")) {
        rt::Integer i = 200;
        i = i * 200;
    } else if (!std::strcmp(fault, "single-to-byte")) {
        rt::Byte b = 256.0f;
        (void)b;
    } else if (!std::strcmp(fault, "array")) {
        rt::Array<int, 0, 19> a;
        a(twenty) = 1;
    } else if (!std::strcmp(fault, "array2")) {
        rt::Array2<int, 0, 19, 0, 19> a;
        a(0, -1) = 1;
    } else if (!std::strcmp(fault, "control")) {
        TestForm form;
        form.Images(3).setVisible(true);
    }
    std::printf("NO ERROR\n");
    return 0;
}

} // namespace

class RuntimeTest : public QObject
{
    Q_OBJECT

private slots:
    void checkedArithmetic();
    void runtimeErrors_data();
    void runtimeErrors();
    void randomNeverReachesOne();
    void seededRandomRepeats();
    void twipsToPixels_data();
    void twipsToPixels();
    void pictureIdentity();
    void loadCopiesElementZero();
    void mouseButtons_data();
    void mouseButtons();
    void releaseGoesToPressedImage();
    void doubleClickIsTwoPresses();
    void virtualKeyCodes_data();
    void virtualKeyCodes();
    void keysReachForm();
    void checkBoxClick();
    void messageBoxReplaced();
    void timerNotRephased();
};

void RuntimeTest::checkedArithmetic()
{
    rt::Byte b = 19;
    const auto sum = b + 1;
    static_assert(std::is_same_v<decltype(sum), const rt::Integer>);
    QCOMPARE(sum.value(), 20);
    rt::Byte zero = 0;
    QCOMPARE((zero - 1).value(), -1); // a 16-bit intermediate; storing it back would fail
    QCOMPARE(rt::Str(rt::Byte(3)), std::string(" 3"));
    QCOMPARE(rt::CStr(rt::Integer(125)), std::string("125"));
    QCOMPARE(rt::IntDiv(rt::Long(4590), 2).value(), 2295);
    QCOMPARE(rt::IntDiv(rt::Long(375), 2).value(), 187);
    QCOMPARE(rt::Byte(2.5f).value(), 2); // stored to the nearest, halves to even
    QCOMPARE(rt::Byte(3.5f).value(), 4);
    QVERIFY(rt::Integer(-1) == rt::True);
    QVERIFY(rt::Byte(5) > 0);
}

void RuntimeTest::runtimeErrors_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("byte overflow") << "byte" << 6 << "Přetečení";
    QTest::newRow("byte below zero") << "byte-negative" << 6 << "Přetečení";
    QTest::newRow("integer overflow") << "integer" << 6 << "Přetečení";
    QTest::newRow("integer product") << "integer-product" << 6 << "Přetečení";
    QTest::newRow("single into byte") << "single-to-byte" << 6 << "Přetečení";
    QTest::newRow("array index") << "array" << 9 << "Index mimo rozsah";
    QTest::newRow("two-dimensional index") << "array2" << 9 << "Index mimo rozsah";
    QTest::newRow("missing control") << "control" << 340 % 256 << "Prvek pole ovládacích prvků neexistuje";
}

void RuntimeTest::runtimeErrors()
{
    QFETCH(QString, fault);
    QFETCH(int, status);
    QFETCH(QString, message);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--fault", fault});
    QVERIFY(child.waitForFinished(20000));
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), status);
    QVERIFY2(out.contains("BOX[Test]Chyba za běhu"), qPrintable(out));
    QVERIFY2(out.contains(message), qPrintable(out));
    QVERIFY(!out.contains("NO ERROR"));
}

void RuntimeTest::randomNeverReachesOne()
{
    const float largest = rt::LcgRandom::fromRaw(rt::LcgRandom::rawMask);
    QVERIFY(largest < 1.0f);
    for (int n : {2, 20, 36, 400})
        QCOMPARE(int(std::floor(largest * float(n))), n - 1);
    QCOMPARE(rt::LcgRandom::fromRaw(0), 0.0f);

    rt::LcgRandom source(7);
    for (int i = 0; i < 1 << 20; ++i) {
        const float r = source.next();
        if (r < 0.0f || r >= 1.0f)
            QFAIL(qPrintable(QString("draw %1 gave %2").arg(i).arg(r)));
    }
}

void RuntimeTest::seededRandomRepeats()
{
    rt::LcgRandom a(99);
    rt::LcgRandom b(99);
    rt::LcgRandom c(100);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const float x = a.next();
        QCOMPARE(x, b.next());
        differs |= x != c.next();
    }
    QVERIFY(differs);
}

void RuntimeTest::twipsToPixels_data()
{
    QTest::addColumn<float>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0.f << 0;
    QTest::newRow("below half") << 7.f << 0;
    QTest::newRow("above half") << 8.f << 1;
    QTest::newRow("face left") << 2108.f << 141;
    QTest::newRow("field top") << 470.f << 31;
    QTest::newRow("cell") << 225.f << 15;
}

void RuntimeTest::twipsToPixels()
{
    QFETCH(float, twips);
    QFETCH(int, pixels);
    TestForm form;
    form.Cover.setLeft(twips);
    form.Cover.setTop(twips);
    QCOMPARE(form.Cover.Left(), twips);
    QCOMPARE(form.Cover.pixelRect().x(), pixels);
    QCOMPARE(form.Cover.pixelRect().y(), pixels);
}

void RuntimeTest::pictureIdentity()
{
    const rt::Picture a = rt::LoadPicture(":/miny/flag.png");
    const rt::Picture b = rt::LoadPicture(":/miny/flag.png");
    const rt::Picture copy = a;
    QVERIFY(a.Handle() != 0);
    QCOMPARE(copy.Handle(), a.Handle());
    QVERIFY(a.Handle() != b.Handle()); // same pixels, different pictures
    QCOMPARE(rt::Picture().Handle(), 0L);
}

void RuntimeTest::loadCopiesElementZero()
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
    QCOMPARE(loaded.Left(), 450.f);
    QCOMPARE(loaded.Top(), 300.f);
    QCOMPARE(loaded.Width(), 225.f);
    QCOMPARE(form.Images.upperBound(), 1);

    // The loaded element stays in element 0's layer: beneath controls made later.
    loaded.setLeft(600);
    loaded.setVisible(true);
    QVERIFY(support::showAndWait(form.window()));
    const QImage shot = support::grab(form.window());
    const QImage flag = QImage(":/miny/flag.png").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.copy(later(0).pixelRect()), flag);
    QCOMPARE(form.formWindow()->stackingIndex(&loaded), form.formWindow()->stackingIndex(&form.Images(0)) + 1);
}

void RuntimeTest::mouseButtons_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("shift");
    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers() << 1 << 0;
    QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers() << 2 << 0;
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers() << 4 << 0;
    QTest::newRow("back button") << Qt::BackButton << Qt::KeyboardModifiers() << 0 << 0;
    QTest::newRow("forward button") << Qt::ForwardButton << Qt::KeyboardModifiers() << 0 << 0;
    QTest::newRow("shift") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1 << 1;
    QTest::newRow("ctrl") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier) << 1 << 2;
    QTest::newRow("alt") << Qt::RightButton << Qt::KeyboardModifiers(Qt::AltModifier) << 2 << 4;
    QTest::newRow("all three") << Qt::MiddleButton
                               << (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 4 << 7;
}

void RuntimeTest::mouseButtons()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, code);
    QFETCH(int, shift);
    TestForm form;
    QVERIFY(support::showAndWait(form.window()));
    support::mouseClick(form.Images(0), button, modifiers);
    if (code == 0) {
        QVERIFY(form.downs.empty());
        QVERIFY(form.ups.empty());
        QVERIFY(form.clicks.empty());
        return;
    }
    QCOMPARE(form.downs, std::vector<Event>({{0, code, shift}}));
    QCOMPARE(form.ups, std::vector<Event>({{0, code, shift}}));
    QCOMPARE(form.clicks, code == 1 ? std::vector<int>{0} : std::vector<int>{});
}

void RuntimeTest::releaseGoesToPressedImage()
{
    TestForm form;
    QVERIFY(support::showAndWait(form.window()));
    support::mousePress(form.Images(0), Qt::LeftButton);
    support::mouseRelease(form.Images(0), Qt::LeftButton, {}, QPoint(100, 100)); // dragged off
    QCOMPARE(form.ups.size(), std::size_t(1));
    QVERIFY(form.clicks.empty()); // released away from the image: no click

    // A release lost to a modal box leaves nothing behind: the next press
    // goes where it lands.
    form.Images.Load(1);
    form.Images(1).setLeft(600);
    form.Images(1).setVisible(true);
    support::mousePress(form.Images(0), Qt::LeftButton);
    support::mousePress(form.Images(1), Qt::LeftButton);
    support::mouseRelease(form.Images(1), Qt::LeftButton);
    QCOMPARE(form.downs, std::vector<Event>({{0, 1, 0}, {0, 1, 0}, {1, 1, 0}}));
    QCOMPARE(form.clicks, std::vector<int>({1}));
}

void RuntimeTest::doubleClickIsTwoPresses()
{
    TestForm form;
    QVERIFY(support::showAndWait(form.window()));
    // Through the window system, as a real double click arrives.
    QTest::mouseDClick(form.window()->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(form.downs.size(), std::size_t(2));
    QCOMPARE(form.ups.size(), std::size_t(2));
    QCOMPARE(form.clicks.size(), std::size_t(2));
}

void RuntimeTest::virtualKeyCodes_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("code");
    QTest::newRow("N") << int(Qt::Key_N) << 78;
    QTest::newRow("A") << int(Qt::Key_A) << 65;
    QTest::newRow("Z") << int(Qt::Key_Z) << 90;
    QTest::newRow("0") << int(Qt::Key_0) << 48;
    QTest::newRow("space") << int(Qt::Key_Space) << 32;
    QTest::newRow("escape") << int(Qt::Key_Escape) << 27;
    QTest::newRow("F1") << int(Qt::Key_F1) << 112;
    QTest::newRow("left arrow") << int(Qt::Key_Left) << 37;
    QTest::newRow("shift") << int(Qt::Key_Shift) << 16;
    QTest::newRow("media play") << int(Qt::Key_MediaPlay) << 0;
    QTest::newRow("e acute") << int(Qt::Key_Eacute) << 0;
    QTest::newRow("unknown") << int(Qt::Key_unknown) << 0;
}

void RuntimeTest::virtualKeyCodes()
{
    QFETCH(int, qtKey);
    QFETCH(int, code);
    QCOMPARE(rt::virtualKeyCode(qtKey), code);
}

void RuntimeTest::keysReachForm()
{
    TestForm form;
    form.Check.setTabStop(false);
    QVERIFY(support::showAndWait(form.window()));
    form.Show();
    QTest::keyClick(form.window(), Qt::Key_N);
    QTest::keyClick(form.window(), Qt::Key_N, Qt::ShiftModifier);
    QTest::keyClick(form.window(), Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(form.window(), Qt::Key_MediaPlay);
    // The modifier keys arrive too, as keys of their own.
    const std::vector<std::pair<int, int>> expected = {{78, 0}, {16, 1}, {78, 1},
                                                       {17, 2}, {18, 6}, {78, 6}};
    QCOMPARE(form.keys, expected);
}

void RuntimeTest::checkBoxClick()
{
    TestForm form;
    form.Check.setValue(1);
    QVERIFY(form.checkValues.empty()); // set by code: no Click
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    QVERIFY(form.Check.widget()->hasFocus());
    QTest::mouseClick(form.Check.widget(), Qt::LeftButton, {}, QPoint(7, 8));
    QTest::keyClick(form.Check.widget(), Qt::Key_Space);
    QCOMPARE(form.checkValues, std::vector<int>({0, 1}));
}

void RuntimeTest::messageBoxReplaced()
{
    support::MessageRecorder recorder;
    rt::MsgBox("Text", "Title");
    QCOMPARE(recorder.shown.size(), std::size_t(1));
    QCOMPARE(recorder.shown[0].first, std::string("Text"));
    QCOMPARE(recorder.shown[0].second, std::string("Title"));
}

void RuntimeTest::timerNotRephased()
{
    TestForm form;
    rt::Timer timer(form);
    timer.setInterval(1000);
    timer.setEnabled(true);
    auto *qtimer = form.window()->findChild<QTimer *>();
    QVERIFY(qtimer);
    const int id = qtimer->timerId();
    QTest::qWait(50);
    timer.setEnabled(true);
    QCOMPARE(qtimer->timerId(), id);
    QVERIFY(qtimer->remainingTime() < 980);
}

int main(int argc, char *argv[])
{
    if (argc == 3 && !std::strcmp(argv[1], "--fault")) {
        QApplication app(argc, argv);
        return runFault(argv[2]);
    }
    QApplication app(argc, argv);
    RuntimeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_runtime.moc"
