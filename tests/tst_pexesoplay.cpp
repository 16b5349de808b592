#include "pexesoplayer.h"

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
const QStringList resolvingClicks = {"the first card", "the second card", "a card face down"};

} // namespace

class PexesoPlayTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;
    std::unique_ptr<support::MessageRecorder> messages;
    std::unique_ptr<support::GridKeys> keys; // clicks by keys where it is set
    std::unique_ptr<support::ScreenReader> reader;
    std::vector<std::vector<int>> won; // turned, pairs left and the two faces up as each box opened

    // By the mouse, or by keys on the cursor moved there by keys: Space or
    // Return, by turns over the places.
    void click(int n)
    {
        if (!keys)
            return support::mouseClick(form->Image3(n), Qt::LeftButton);
        keys->moveTo({n / 6, n % 6});
        support::keyClick(form->window(), n % 2 ? Qt::Key_Return : Qt::Key_Space);
    }
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

private slots:
    void init()
    {
        support::useSeed(20240611);
        reader = std::make_unique<support::ScreenReader>();
        messages = std::make_unique<support::MessageRecorder>();
        won.clear();
        rt::setMessageBoxHandler([this](const std::string &text, const std::string &title) {
            messages->shown.emplace_back(text, title);
            won.push_back({form->turned.value(), form->pairsleft.value(), shownSource(*form, form->firstcard.value()),
                           shownSource(*form, form->secondcard.value())});
        });
        form = std::make_unique<Form1>();
        form->Load();
        QVERIFY(support::showAndWait(*form));
    }
    void cleanup()
    {
        keys.reset();
        form.reset();
        messages.reset();
        reader.reset();
    }

    // In every state, N deals afresh with any modifier, once while it is
    // held; a click on an empty place or on the one card up and other keys
    // change nothing. With two cards up the next click, wherever it lands,
    // only resolves the turn: a pair leaves the table, two different cards
    // turn face down and keep their values. No message in any of these: the
    // win is told once, as the last pair's second card turns up, and only
    // then. Every row is played by the mouse and by keys; by keys, a screen
    // reader is told what the last card turned shows and makes with the
    // other, and what each key did.
    void eventInEveryState_data()
    {
        QTest::addColumn<bool>("byKeys");
        QTest::addColumn<int>("setup");
        QTest::addColumn<QString>("event");
        for (int setup = Fresh; setup <= AllCleared; ++setup) {
            QStringList events = {"N", "Shift+N", "Ctrl+N", "Alt+N", "held N"};
            if (setup != Fresh)
                events << "empty place";
            if (setup == OneCardUp || setup == LastCardUp)
                events << "first card again";
            if (setup <= TwoUpDifferent)
                events << "other keys";
            if (setup == TwoUpPair || setup == TwoUpDifferent || setup == WinShown)
                events << resolvingClicks.mid(0, setup == WinShown ? 2 : 3);
            for (const QString &event : events)
                for (bool byKeys : {false, true})
                    QTest::newRow(qPrintable(setupNames[setup] + ", " + event + (byKeys ? ", by keys" : "")))
                        << byKeys << setup << event;
        }
    }
    void eventInEveryState()
    {
        QFETCH(bool, byKeys);
        QFETCH(int, setup);
        QFETCH(QString, event);
        if (byKeys)
            keys = std::make_unique<support::GridKeys>(form->window(), 6, 6, true);
        reach(setup);
        const bool over = setup >= WinShown;
        QCOMPARE(won, std::vector<std::vector<int>>(over, {2, 1, lastValue, lastValue}));
        QVERIFY(messages->shown == decltype(messages->shown)(over, {"Blahopřeji k výhře!", "Pexeso"}));
        const QStringList turnSaid = {{}, {}, "sladkosti 2", "sladkosti 2, pár", "medvídek 3, není pár"};
        if (byKeys && setup <= TwoUpDifferent && setup >= OneCardUp)
            QCOMPARE(reader->announced().value(reader->announced().size() - 1), turnSaid[setup]);
        const support::PexesoSnapshot before = snapshot(*form);
        const std::size_t shown = messages->shown.size();
        const std::size_t mark = reader->heard.size();
        const QStringList namesBefore = support::ScreenReader::cellNames(form->window());
        const int resolving = resolvingClicks.indexOf(event);
        if (event == "held N") { // a second deal would run out of draws
            std::vector<float> oneDeal;
            for (int n = 0; n < 36; ++n)
                oneDeal.push_back(support::drawFor(n, 36));
            support::useScript(oneDeal);
            support::keyHeld(form->window(), Qt::Key_N, 3);
        } else if (event.endsWith('N')) {
            const QKeyCombination key = QKeySequence(event)[0];
            support::keyClick(form->window(), key.key(), key.keyboardModifiers());
        } else if (event == "empty place") {
            for (int n = 0; n <= 35; ++n)
                if (form->removed(n) == rt::True)
                    click(n);
        } else if (event == "first card again") {
            click(form->firstcard.value());
            click(form->firstcard.value());
        } else if (event == "other keys") { // before the cursor shows, Space and Return too
            const std::vector<Qt::Key> others = {Qt::Key_M, Qt::Key_Escape, Qt::Key_F2, Qt::Key_Ntilde, Qt::Key_F,
                                                 byKeys ? Qt::Key_Left : Qt::Key_Space, byKeys ? Qt::Key_Up : Qt::Key_Return};
            for (Qt::Key key : others) {
                support::keyClick(form->window(), key);
                support::keyClick(form->window(), key, Qt::ControlModifier);
            }
        } else {
            click(std::vector<int>{form->firstcard.value(), form->secondcard.value(), placesOf(7)[0]}[resolving]);
        }
        QCOMPARE(messages->shown.size(), shown);
        const bool pair = setup == TwoUpPair || setup == WinShown;
        if (resolving >= 0) {
            QCOMPARE(snapshot(*form).counters,
                     std::vector<int>({before.counters[0] - pair, 0, before.counters[2], before.counters[3]}));
            QCOMPARE(form->removed(before.counters[3]).value(), pair ? rt::True : 0);
            QVERIFY(snapshot(*form).cardof == before.cardof);
        } else if (!event.endsWith('N')) {
            QVERIFY(snapshot(*form) == before);
        } else {
            QVERIFY(snapshot(*form).cardof != before.cardof);
            QCOMPARE(snapshot(*form).counters, std::vector<int>({18, 0, 0, 0}));
        }
        QCOMPARE(reader->unheard(form->Image3, namesBefore, mark), QString());
        const QString said = event.endsWith('N') ? "Nová hra"
            : !byKeys || event == "other keys"  ? ""
            : resolving >= 0                    ? (pair ? "pár odebrán ze stolu" : "karty otočeny zpět")
                                                : "beze změny";
        QStringList heard = reader->announced(mark);
        heard.removeDuplicates(); // a click on each empty place
        QCOMPARE(heard.join(" | "), said);
        QCOMPARE(support::brokenInvariant(*form), QString());
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
