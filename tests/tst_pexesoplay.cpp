#include "pexeso/form1.h"
#include "messagebox.h"
#include "pexesoplayer.h"
#include "testsupport.h"

#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <map>
#include <memory>
#include <vector>

using pexeso::Form1;

namespace {

const QString winText = QString::fromUtf8("Blahopřeji k výhře!");

using support::brokenInvariant;
using support::shownSource;
using support::snapshot;
using Snapshot = support::PexesoSnapshot;

// Games are played in order of value: the pair of 19 is the last one.
constexpr int lastValue = 19;

enum class Setup { NoCardUp, OneCardUp, TwoUpPair, TwoUpDifferent, WinShown, AllCleared };

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)
Q_DECLARE_METATYPE(Qt::MouseButton)

class PexesoPlayTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;
    std::unique_ptr<support::MessageRecorder> messages;

    QPoint centreOf(int n) { return form->Image3(n).pixelRect().center(); }
    void click(int n) { support::mouseClick(form->Image3(n), Qt::LeftButton); }

    std::vector<int> placesOf(int value)
    {
        std::vector<int> places;
        for (int n = 0; n <= 35; ++n)
            if (form->cardof(n) == value)
                places.push_back(n);
        return places;
    }

    // The other place holding the card of place n.
    int partnerOf(int n)
    {
        const std::vector<int> pair = placesOf(form->cardof(n).value());
        return pair[0] == n ? pair[1] : pair[0];
    }

    // Takes the pair of value v off the table with three clicks.
    void takePair(int value)
    {
        const std::vector<int> pair = placesOf(value);
        click(pair[0]);
        click(pair[1]);
        click(pair[0]);
    }

    // Every state starts with the pair of value 2 off the table, so that an
    // empty place is there to click.
    void reach(Setup setup)
    {
        takePair(2);
        switch (setup) {
        case Setup::NoCardUp:
            break;
        case Setup::OneCardUp:
            click(placesOf(3)[0]);
            break;
        case Setup::TwoUpPair:
            click(placesOf(3)[0]);
            click(placesOf(3)[1]);
            break;
        case Setup::TwoUpDifferent:
            click(placesOf(3)[0]);
            click(placesOf(4)[1]);
            break;
        case Setup::WinShown:
        case Setup::AllCleared:
            for (int value = 3; value < lastValue; ++value)
                takePair(value);
            click(placesOf(lastValue)[0]);
            click(placesOf(lastValue)[1]);
            if (setup == Setup::AllCleared)
                click(placesOf(lastValue)[0]);
            break;
        }
    }

    static void addSetupRows(const char *suffix = "")
    {
        const std::vector<std::pair<const char *, Setup>> setups = {
            {"no card up", Setup::NoCardUp},           {"one card up", Setup::OneCardUp},
            {"two up, a pair", Setup::TwoUpPair},      {"two up, different", Setup::TwoUpDifferent},
            {"win shown", Setup::WinShown},            {"all cleared", Setup::AllCleared},
        };
        for (const auto &[name, setup] : setups)
            QTest::newRow(qPrintable(QString(name) + suffix)) << setup;
    }

    void verifyDealtAfresh()
    {
        QCOMPARE(form->pairsleft.value(), 18);
        QCOMPARE(form->turned.value(), 0);
        for (int n = 0; n <= 35; ++n) {
            QCOMPARE(form->removed(n).value(), 0);
            QCOMPARE(shownSource(*form, n), 1);
        }
        const QString broken = brokenInvariant(*form);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

private slots:
    void init();
    void cleanup();

    void emptyPlaceChangesNothing_data();
    void emptyPlaceChangesNothing();
    void firstCardAgainChangesNothing_data();
    void firstCardAgainChangesNothing();
    void clickWithTwoUpOnlyResolves_data();
    void clickWithTwoUpOnlyResolves();
    void unmatchedCardsKeepTheirValues();
    void winMessage_data();
    void winMessage();
    void winMessageOncePerGame();
    void newGameKey_data();
    void newGameKey();
    void heldNewGameKeyDealsAgain();
    void otherKeysDoNothing_data();
    void otherKeysDoNothing();
    void otherButtonsDoNothing_data();
    void otherButtonsDoNothing();
    void doubleClickIsTwoClicks_data();
    void doubleClickIsTwoClicks();
    void pressAndReleaseApartIsNoClick_data();
    void pressAndReleaseApartIsNoClick();
    void randomPlay_data();
    void randomPlay();
};

void PexesoPlayTest::init()
{
    form.reset();
    messages.reset();
    support::useSeed(20240611);
    messages = std::make_unique<support::MessageRecorder>();
    form = std::make_unique<Form1>();
    form->Load();
    QVERIFY(support::showAndWait(form->window()));
}

void PexesoPlayTest::cleanup()
{
    form.reset();
    messages.reset();
}

void PexesoPlayTest::emptyPlaceChangesNothing_data()
{
    QTest::addColumn<Setup>("setup");
    addSetupRows();
}

void PexesoPlayTest::emptyPlaceChangesNothing()
{
    QFETCH(Setup, setup);
    reach(setup);
    const Snapshot before = snapshot(*form);
    const std::size_t shown = messages->shown.size();
    for (int n = 0; n <= 35; ++n) {
        if (form->removed(n) == rt::True) {
            click(n);
            QVERIFY(snapshot(*form) == before);
        }
    }
    QCOMPARE(messages->shown.size(), shown);
}

void PexesoPlayTest::firstCardAgainChangesNothing_data()
{
    QTest::addColumn<bool>("lastPair");
    QTest::newRow("pairs left") << false;
    QTest::newRow("the last pair") << true;
}

void PexesoPlayTest::firstCardAgainChangesNothing()
{
    QFETCH(bool, lastPair);
    if (lastPair)
        for (int value = 2; value < lastValue; ++value)
            takePair(value);
    const int card = placesOf(lastValue)[1];
    click(card);
    const Snapshot before = snapshot(*form);
    QCOMPARE(before.turned, 1);
    click(card);
    click(card);
    QVERIFY(snapshot(*form) == before);
    QCOMPARE(shownSource(*form, card), lastValue);
    QVERIFY(messages->shown.empty());
}

void PexesoPlayTest::clickWithTwoUpOnlyResolves_data()
{
    QTest::addColumn<bool>("pair");
    QTest::addColumn<QString>("clicked");
    for (bool pair : {true, false})
        for (const char *clicked : {"first", "second", "face down"})
            QTest::newRow(qPrintable(QString(pair ? "pair, " : "different, ") + clicked)) << pair << QString(clicked);
}

void PexesoPlayTest::clickWithTwoUpOnlyResolves()
{
    QFETCH(bool, pair);
    QFETCH(QString, clicked);
    const int first = placesOf(5)[1];
    const int second = pair ? placesOf(5)[0] : placesOf(6)[0];
    const int faceDown = placesOf(7)[0];
    click(first);
    click(second);
    QCOMPARE(form->turned.value(), 2);
    QCOMPARE(shownSource(*form, first), 5);
    QCOMPARE(shownSource(*form, second), pair ? 5 : 6);
    const std::vector<int> values = snapshot(*form).cardof;

    click(clicked == "first" ? first : clicked == "second" ? second : faceDown);
    QCOMPARE(form->turned.value(), 0);
    QCOMPARE(form->pairsleft.value(), pair ? 17 : 18);
    QCOMPARE(form->removed(first).value(), pair ? -1 : 0);
    QCOMPARE(form->removed(second).value(), pair ? -1 : 0);
    QCOMPARE(shownSource(*form, first), pair ? 0 : 1);
    QCOMPARE(shownSource(*form, second), pair ? 0 : 1);
    QCOMPARE(shownSource(*form, faceDown), 1);
    QVERIFY(snapshot(*form).cardof == values);
    const QString broken = brokenInvariant(*form);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

// Turned back, two different cards show the same faces when turned again,
// on screen too.
void PexesoPlayTest::unmatchedCardsKeepTheirValues()
{
    const int first = placesOf(8)[0];
    const int second = placesOf(9)[1];
    auto faceOnScreen = [this](int n) {
        return support::grab(form->window()).copy(form->Image3(n).pixelRect());
    };
    const QImage back = QImage(":/pexeso/back.png").convertToFormat(QImage::Format_RGB32);
    const QImage face8 = QImage(":/pexeso/face07.png").convertToFormat(QImage::Format_RGB32);
    const QImage face9 = QImage(":/pexeso/face08.png").convertToFormat(QImage::Format_RGB32);

    click(first);
    click(second);
    QCOMPARE(faceOnScreen(first), face8);
    QCOMPARE(faceOnScreen(second), face9);
    click(second);
    QCOMPARE(faceOnScreen(first), back);
    QCOMPARE(faceOnScreen(second), back);
    QCOMPARE(form->cardof(first).value(), 8);
    QCOMPARE(form->cardof(second).value(), 9);

    click(second);
    click(first);
    QCOMPARE(faceOnScreen(first), face8);
    QCOMPARE(faceOnScreen(second), face9);
    QCOMPARE(form->firstcard.value(), second);
    QCOMPARE(form->secondcard.value(), first);
}

void PexesoPlayTest::winMessage_data()
{
    QTest::addColumn<bool>("withMisses");
    QTest::addColumn<bool>("resolveOnSecond");
    QTest::newRow("straight, resolved on the first card") << false << false;
    QTest::newRow("straight, resolved on the second card") << false << true;
    QTest::newRow("with misses, resolved on the first card") << true << false;
    QTest::newRow("with misses, resolved on the second card") << true << true;
}

void PexesoPlayTest::winMessage()
{
    QFETCH(bool, withMisses);
    QFETCH(bool, resolveOnSecond);
    // At the moment the box opens, the last pair lies face up.
    struct Seen { QString text; QString title; int turned; int pairsleft; int first; int second; };
    std::vector<Seen> seen;
    rt::setMessageBoxHandler([&](const std::string &text, const std::string &title) {
        seen.push_back({QString::fromStdString(text), QString::fromStdString(title), form->turned.value(),
                        form->pairsleft.value(), shownSource(*form, form->firstcard.value()),
                        shownSource(*form, form->secondcard.value())});
    });

    for (int value = 2; value < lastValue; ++value) {
        if (withMisses) {
            click(placesOf(value)[0]);
            click(placesOf(lastValue)[0]);
            click(placesOf(lastValue)[0]);
        }
        const std::vector<int> pair = placesOf(value);
        click(pair[0]);
        click(pair[1]);
        QVERIFY2(seen.empty(), qPrintable(QString("shown with %1 pairs left").arg(form->pairsleft.value())));
        click(pair[0]);
    }
    QCOMPARE(form->pairsleft.value(), 1);
    const std::vector<int> last = placesOf(lastValue);
    click(last[1]);
    QVERIFY(seen.empty());
    click(last[0]);
    QCOMPARE(seen.size(), std::size_t(1));
    QCOMPARE(seen[0].text, winText);
    QCOMPARE(seen[0].title, QString("Pexeso"));
    QCOMPARE(seen[0].turned, 2);
    QCOMPARE(seen[0].pairsleft, 1);
    QCOMPARE(seen[0].first, lastValue);
    QCOMPARE(seen[0].second, lastValue);
    // After the box the game still has two cards up.
    QCOMPARE(form->turned.value(), 2);
    QCOMPARE(shownSource(*form, last[0]), lastValue);
    QCOMPARE(shownSource(*form, last[1]), lastValue);

    click(resolveOnSecond ? last[0] : last[1]);
    QCOMPARE(form->pairsleft.value(), 0);
    QCOMPARE(form->turned.value(), 0);
    for (int n = 0; n <= 35; ++n)
        QCOMPARE(shownSource(*form, n), 0);
    const Snapshot cleared = snapshot(*form);
    for (int n = 0; n <= 35; ++n)
        click(n);
    QVERIFY(snapshot(*form) == cleared);
    QCOMPARE(seen.size(), std::size_t(1));
}

void PexesoPlayTest::winMessageOncePerGame()
{
    for (int game = 1; game <= 3; ++game) {
        for (int value = 2; value <= lastValue; ++value)
            takePair(value);
        for (int n = 0; n <= 35; ++n)
            click(n);
        QCOMPARE(messages->shown.size(), std::size_t(game));
        QCOMPARE(QString::fromStdString(messages->shown.back().first), winText);
        QCOMPARE(messages->shown.back().second, std::string("Pexeso"));
        QTest::keyClick(form->window(), Qt::Key_N);
    }
}

void PexesoPlayTest::newGameKey_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    const std::vector<std::pair<const char *, Qt::KeyboardModifiers>> modifiers = {
        {"", Qt::NoModifier},
        {", Shift", Qt::ShiftModifier},
        {", Ctrl", Qt::ControlModifier},
        {", Alt", Qt::AltModifier},
    };
    const std::vector<std::pair<const char *, Setup>> setups = {
        {"no card up", Setup::NoCardUp},           {"one card up", Setup::OneCardUp},
        {"two up, a pair", Setup::TwoUpPair},      {"two up, different", Setup::TwoUpDifferent},
        {"win shown", Setup::WinShown},            {"all cleared", Setup::AllCleared},
    };
    for (const auto &[setupName, setup] : setups)
        for (const auto &[modifierName, modifier] : modifiers)
            QTest::newRow(qPrintable(QString(setupName) + modifierName)) << setup << modifier;
}

void PexesoPlayTest::newGameKey()
{
    QFETCH(Setup, setup);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    reach(setup);
    const std::size_t shown = messages->shown.size();
    QTest::keyClick(form->window(), Qt::Key_N, modifiers);
    verifyDealtAfresh();
    QCOMPARE(messages->shown.size(), shown);

    // The next click starts a fresh turn.
    const int card = placesOf(10)[0];
    click(card);
    QCOMPARE(form->turned.value(), 1);
    QCOMPARE(form->firstcard.value(), card);
    QCOMPARE(shownSource(*form, card), 10);
}

// Auto-repeat sends the key again and again; each one deals.
void PexesoPlayTest::heldNewGameKeyDealsAgain()
{
    for (int repeat = 0; repeat < 3; ++repeat) {
        click(placesOf(11)[0]);
        QCOMPARE(form->turned.value(), 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier, "n", repeat > 0);
        QApplication::sendEvent(form->window(), &press);
        verifyDealtAfresh();
    }
}

void PexesoPlayTest::otherKeysDoNothing_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("M") << Qt::Key_M << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("Ctrl+M") << Qt::Key_M << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("O") << Qt::Key_O << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("Space") << Qt::Key_Space << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("Escape") << Qt::Key_Escape << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("F2") << Qt::Key_F2 << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("7") << Qt::Key_7 << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("Left") << Qt::Key_Left << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("Shift") << Qt::Key_Shift << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("Ñ") << Qt::Key_Ntilde << Qt::KeyboardModifiers(Qt::NoModifier);
}

void PexesoPlayTest::otherKeysDoNothing()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    for (Setup setup : {Setup::OneCardUp, Setup::TwoUpDifferent}) {
        init();
        reach(setup);
        const Snapshot before = snapshot(*form);
        QTest::keyClick(form->window(), key, modifiers);
        QVERIFY(snapshot(*form) == before);
    }
}

void PexesoPlayTest::otherButtonsDoNothing_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void PexesoPlayTest::otherButtonsDoNothing()
{
    QFETCH(Qt::MouseButton, button);
    for (Setup setup : {Setup::NoCardUp, Setup::OneCardUp, Setup::TwoUpDifferent}) {
        init();
        reach(setup);
        const Snapshot before = snapshot(*form);
        for (int n = 0; n <= 35; ++n) {
            QTest::mouseClick(form->window(), button, {}, centreOf(n));
            QTest::mouseDClick(form->window(), button, {}, centreOf(n));
            QTest::mouseRelease(form->window(), button, {}, centreOf(n));
        }
        QVERIFY(snapshot(*form) == before);
    }
}

void PexesoPlayTest::doubleClickIsTwoClicks_data()
{
    QTest::addColumn<bool>("throughWindow");
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<int>("turnedAfter");
    for (bool throughWindow : {false, true}) {
        const QString path = throughWindow ? " (window)" : " (direct)";
        // One card up, a double click on another turns it and resolves the turn.
        QTest::newRow(qPrintable("one card up" + path)) << throughWindow << Setup::OneCardUp << 0;
        // Two up, a double click on a face-down card resolves and turns it.
        QTest::newRow(qPrintable("two up" + path)) << throughWindow << Setup::TwoUpDifferent << 1;
        QTest::newRow(qPrintable("no card up" + path)) << throughWindow << Setup::NoCardUp << 1;
    }
}

void PexesoPlayTest::doubleClickIsTwoClicks()
{
    QFETCH(bool, throughWindow);
    QFETCH(Setup, setup);
    QFETCH(int, turnedAfter);
    reach(setup);
    const int card = placesOf(12)[0];
    if (throughWindow) {
        QWindow *window = form->window()->windowHandle();
        QTest::mouseDClick(window, Qt::LeftButton, {}, centreOf(card));
    } else {
        // As the window system reports it: press, release, double click, release.
        QTest::mouseClick(form->window(), Qt::LeftButton, {}, centreOf(card));
        QTest::mouseDClick(form->window(), Qt::LeftButton, {}, centreOf(card));
        QTest::mouseRelease(form->window(), Qt::LeftButton, {}, centreOf(card));
    }
    QCOMPARE(form->turned.value(), turnedAfter);
    if (turnedAfter == 1) {
        QCOMPARE(form->firstcard.value(), card);
        QCOMPARE(shownSource(*form, card), 12);
    } else {
        QCOMPARE(shownSource(*form, card), 1);
    }
    const QString broken = brokenInvariant(*form);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

void PexesoPlayTest::pressAndReleaseApartIsNoClick_data()
{
    QTest::addColumn<bool>("throughWindow");
    QTest::addColumn<bool>("pressFirst");
    QTest::newRow("pressed on one card, released over another (window)") << true << true;
    QTest::newRow("pressed on one card, released outside it (direct)") << false << true;
    QTest::newRow("released without a press (direct)") << false << false;
}

void PexesoPlayTest::pressAndReleaseApartIsNoClick()
{
    QFETCH(bool, throughWindow);
    QFETCH(bool, pressFirst);
    reach(Setup::OneCardUp);
    const Snapshot before = snapshot(*form);
    const int pressed = placesOf(13)[0];
    const int released = placesOf(14)[0];
    if (throughWindow) {
        QWindow *window = form->window()->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, centreOf(pressed));
        QTest::mouseRelease(window, Qt::LeftButton, {}, centreOf(released));
    } else {
        if (pressFirst)
            QTest::mousePress(form->window(), Qt::LeftButton, {}, centreOf(pressed));
        QTest::mouseRelease(form->window(), Qt::LeftButton, {}, pressFirst ? centreOf(released) : centreOf(pressed));
    }
    QVERIFY(snapshot(*form) == before);
}

void PexesoPlayTest::randomPlay_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 7u, 1234u})
        QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
}

// Random clicks and keys, mostly through the procedures and some through real
// events, with every rule checked after every event.
void PexesoPlayTest::randomPlay()
{
    QFETCH(unsigned, seed);
    support::useSeed(seed);
    form.reset();
    form = std::make_unique<Form1>();
    form->Load();
    QVERIFY(support::showAndWait(form->window()));
    support::PexesoPlayer player(*form, *messages, true);
    const support::PlayReport report = support::playRandomly(player, 30000, seed);
    QCOMPARE(report.firstViolation, QString());
    QCOMPARE(report.events, 30000L);
    QVERIFY2(player.wins() >= 3, qPrintable(QString("only %1 wins").arg(player.wins())));
}

QTEST_MAIN(PexesoPlayTest)
#include "tst_pexesoplay.moc"
