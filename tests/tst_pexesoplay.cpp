#include "messagebox.h"
#include "pexesoplayer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <memory>

using pexeso::Form1;
using support::shownSource;
using support::snapshot;

namespace {

// Games are played in order of value: the pair of 19 is the last one.
constexpr int lastValue = 19;

// The states of a game; all but the first have the pair of 2 off the table,
// so that an empty place is there to click.
enum Setup { Fresh, NoCardUp, OneCardUp, TwoUpPair, TwoUpDifferent, LastCardUp, WinShown, AllCleared };
const QStringList setupNames = {"fresh", "no card up", "one card up", "two up, a pair", "two up, different",
                                "the last pair's first card up", "win shown", "all cleared"};

enum Idle { EmptyPlace, FirstCardAgain, OtherKeys };
const QStringList idleNames = {"empty place", "first card again", "other keys"};

} // namespace

class PexesoPlayTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;
    std::unique_ptr<support::MessageRecorder> messages;

    void click(int n) { support::mouseClick(form->Image3(n), Qt::LeftButton); }
    std::vector<int> placesOf(int value) { return support::placesOf(*form, value); }
    void takePair(int value)
    {
        for (int n : {placesOf(value)[0], placesOf(value)[1], placesOf(value)[0]})
            click(n);
    }

    void reach(int setup)
    {
        if (setup == Fresh)
            return;
        takePair(2);
        if (setup >= OneCardUp && setup <= TwoUpDifferent)
            click(placesOf(3)[0]);
        if (setup == TwoUpPair || setup == TwoUpDifferent)
            click(placesOf(setup == TwoUpPair ? 3 : 4)[1]);
        for (int value = 3; value < lastValue && setup >= LastCardUp; ++value)
            takePair(value);
        for (int step = 0; step <= setup - LastCardUp; ++step)
            click(placesOf(lastValue)[step % 2]);
    }

    void verifyInvariants()
    {
        const QString broken = support::brokenInvariant(*form);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

private slots:
    void init()
    {
        support::useSeed(20240611);
        messages = std::make_unique<support::MessageRecorder>();
        form = std::make_unique<Form1>();
        form->Load();
        QVERIFY(support::showAndWait(form->window()));
    }
    void cleanup()
    {
        form.reset();
        messages.reset();
    }

    // Clicks on an empty place or on the one card up and keys other than N
    // change nothing.
    void eventsThatChangeNothing_data()
    {
        QTest::addColumn<int>("setup");
        QTest::addColumn<int>("idle");
        for (int setup = Fresh; setup <= AllCleared; ++setup) {
            for (int idle = EmptyPlace; idle <= OtherKeys; ++idle) {
                const bool oneUp = setup == OneCardUp || setup == LastCardUp;
                if ((idle == EmptyPlace && setup != Fresh) || (idle == FirstCardAgain && oneUp)
                    || (idle == OtherKeys && setup <= TwoUpDifferent))
                    QTest::newRow(qPrintable(setupNames[setup] + ", " + idleNames[idle])) << setup << idle;
            }
        }
    }
    void eventsThatChangeNothing()
    {
        QFETCH(int, setup);
        QFETCH(int, idle);
        reach(setup);
        const support::PexesoSnapshot before = snapshot(*form);
        const std::size_t shown = messages->shown.size();
        switch (idle) {
        case EmptyPlace:
            for (int n = 0; n <= 35; ++n)
                if (form->removed(n) == rt::True)
                    click(n);
            break;
        case FirstCardAgain:
            click(form->firstcard.value());
            click(form->firstcard.value());
            break;
        case OtherKeys:
            for (Qt::Key key : {Qt::Key_M, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_F2, Qt::Key_Ntilde}) {
                QTest::keyClick(form->window(), key);
                QTest::keyClick(form->window(), key, Qt::ControlModifier);
            }
            break;
        }
        QVERIFY(snapshot(*form) == before);
        QCOMPARE(messages->shown.size(), shown);
    }

    // A turn: the first click turns a card, the second another; the next
    // click, wherever it lands, only resolves the turn: a pair leaves the
    // table, two different cards turn face down and keep their values.
    void turn_data()
    {
        QTest::addColumn<bool>("pair");
        QTest::addColumn<int>("clicked"); // 0: the first card, 1: the second, 2: a face-down card
        const QStringList names = {"first", "second", "face down"};
        for (bool pair : {true, false})
            for (int clicked : {0, 1, 2})
                QTest::newRow(qPrintable((pair ? "pair, " : "different, ") + names[clicked])) << pair << clicked;
    }
    void turn()
    {
        QFETCH(bool, pair);
        QFETCH(int, clicked);
        const std::vector<int> cards = {placesOf(5)[1], pair ? placesOf(5)[0] : placesOf(6)[0], placesOf(7)[0]};
        const std::vector<int> values = snapshot(*form).cardof;
        click(cards[0]);
        click(cards[1]);
        QCOMPARE(snapshot(*form).counters, std::vector<int>({18, 2, cards[0], cards[1]}));
        verifyInvariants();
        click(cards[clicked]);
        QCOMPARE(snapshot(*form).counters, std::vector<int>({pair ? 17 : 18, 0, cards[0], cards[1]}));
        QCOMPARE(form->removed(cards[1]).value(), pair ? -1 : 0);
        QVERIFY(snapshot(*form).cardof == values);
        verifyInvariants();
    }

    void winMessage_data()
    {
        QTest::addColumn<bool>("withMisses");
        QTest::addColumn<int>("resolvingCard");
        for (bool withMisses : {false, true})
            for (int card : {0, 1})
                QTest::newRow(qPrintable(QString(withMisses ? "with misses, card %1" : "straight, card %1").arg(card)))
                    << withMisses << card;
    }
    // Shown once, when the last pair's second card is up; not before, not after.
    void winMessage()
    {
        QFETCH(bool, withMisses);
        QFETCH(int, resolvingCard);
        std::vector<std::vector<int>> seen; // turned, pairs left and the two faces as the box opens
        rt::setMessageBoxHandler([&](const std::string &text, const std::string &title) {
            QVERIFY(text == "Blahopřeji k výhře!" && title == "Pexeso");
            seen.push_back({form->turned.value(), form->pairsleft.value(), shownSource(*form, form->firstcard.value()),
                            shownSource(*form, form->secondcard.value())});
        });
        for (int value = 2; value < lastValue; ++value) {
            if (withMisses)
                for (int n : {placesOf(value)[0], placesOf(lastValue)[0], placesOf(lastValue)[0]})
                    click(n);
            takePair(value);
            QVERIFY2(seen.empty(), qPrintable(QString("shown with %1 pairs left").arg(form->pairsleft.value())));
        }
        const std::vector<int> last = placesOf(lastValue);
        click(last[1]);
        QVERIFY(seen.empty());
        click(last[0]);
        QCOMPARE(seen, std::vector<std::vector<int>>({{2, 1, lastValue, lastValue}}));
        verifyInvariants();

        click(last[resolvingCard]);
        QCOMPARE(form->pairsleft.value(), 0);
        for (int n = 0; n <= 35; ++n)
            click(n);
        QCOMPARE(seen.size(), std::size_t(1));
        verifyInvariants();
    }

    // N deals afresh in every state, with any modifier and on auto-repeat.
    void newGameKey_data()
    {
        QTest::addColumn<int>("setup");
        QTest::addColumn<int>("modifiers"); // -1: no modifier, auto-repeated
        const QStringList names = {"", ", Shift", ", Ctrl", ", Alt", ", auto-repeat"};
        const int modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier, -1};
        for (int setup = Fresh; setup <= AllCleared; ++setup)
            for (int m = 0; m < 5; ++m)
                QTest::newRow(qPrintable(setupNames[setup] + names[m])) << setup << modifiers[m];
    }
    void newGameKey()
    {
        QFETCH(int, setup);
        QFETCH(int, modifiers);
        reach(setup);
        const std::size_t shown = messages->shown.size();
        const std::vector<int> layoutBefore = snapshot(*form).cardof;
        QKeyEvent repeated(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier, "n", true);
        if (modifiers < 0)
            QApplication::sendEvent(form->window(), &repeated);
        else
            QTest::keyClick(form->window(), Qt::Key_N, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(messages->shown.size(), shown);
        QVERIFY(snapshot(*form).cardof != layoutBefore);
        QCOMPARE(snapshot(*form).counters, std::vector<int>({18, 0, 0, 0}));
        verifyInvariants();
    }

    // Random clicks and keys, mostly through the procedures and some through
    // real events, with every rule checked after every event.
    void randomPlay()
    {
        for (unsigned seed : {1u, 7u, 1234u}) {
            support::PexesoPlayer player(*form, *messages, true);
            const support::PlayReport report = support::playRandomly(player, 30000, seed);
            QCOMPARE(report.firstViolation, QString());
            QCOMPARE(report.events, 30000L);
            QVERIFY2(player.wins() >= 3, qPrintable(QString("only %1 wins with seed %2").arg(player.wins()).arg(seed)));
        }
    }
};

QTEST_MAIN(PexesoPlayTest)
#include "tst_pexesoplay.moc"
