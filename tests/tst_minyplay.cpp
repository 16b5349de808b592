#include "miny/form1.h"
#include "messagebox.h"
#include "minyfield.h"
#include "minyplayer.h"
#include "testsupport.h"

#include <QTest>
#include <QTimer>
#include <QWidget>

#include <map>

using miny::Form1;
using support::Cell;

namespace {

// Picture elements of the cells and of the face.
enum { Covered = 8, Empty = 9, Flag = 10, Question = 11, Mine = 12, MineHit = 13, WrongFlag = 14 };
enum { Smile = 0, OpenMouth = 1, Dead = 2, Cool = 3, Sunken = 4 };

struct Snapshot
{
    std::vector<int> pictures;
    std::vector<int> states;
    int face;
    int minesleft;
    int seconds;
    std::string counter;
    std::string clock;
    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshot(Form1 &form)
{
    Snapshot s;
    for (int n = 1; n <= 400; ++n) {
        s.pictures.push_back(support::shownElement(form, n));
        s.states.push_back(form.state(form.colofimage(n), form.rowofimage(n)).value());
    }
    s.face = support::faceShown(form);
    s.minesleft = form.minesleft.value();
    s.seconds = form.seconds.value();
    s.counter = form.Label1.Caption();
    s.clock = form.Label2.Caption();
    return s;
}

// Mines on every in-field neighbour of a cell, padded far away.
std::vector<Cell> minesAround(const Cell &cell)
{
    std::vector<Cell> mines;
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
            const int c = cell.first + dc;
            const int r = cell.second + dr;
            if ((dc || dr) && c >= 0 && c < 20 && r >= 0 && r < 20)
                mines.push_back({c, r});
        }
    return mines;
}

Cell firstEmptyCell(Form1 &form)
{
    for (int row = 0; row < 20; ++row)
        for (int col = 0; col < 20; ++col)
            if (form.content(col, row) != "mina" && support::neighbouringMines(form, {col, row}) == 0)
                return {col, row};
    return {-1, -1};
}

enum Ending { Won, LostOnMine, LostOnTime };

} // namespace

class MinyPlayTest : public QObject
{
    Q_OBJECT

private slots:
    void openingMatchesFloodFill_data();
    void openingMatchesFloodFill();
    void neighboursAtEdges_data();
    void neighboursAtEdges();
    void openingStopsAtCornerNeighbours_data();
    void openingStopsAtCornerNeighbours();
    void flagStopsOpeningQuestionMarkDoesNot();
    void markCycle();
    void counterAtZeroRefusesFlag();
    void leftPressOnMarks();
    void winAtLastMineFreeCell_data();
    void winAtLastMineFreeCell();
    void winInsideOpening();
    void endingPictures_data();
    void endingPictures();
    void nothingChangesAfterEnding_data();
    void nothingChangesAfterEnding();
    void startingPressKeepsSmile_data();
    void startingPressKeepsSmile();
    void startingOpeningShowsOpenMouth();
    void laterPressesOpenMouth();
    void faceButton();
    void checkBoxDealsAndClearsFace_data();
    void checkBoxDealsAndClearsFace();
    void clockCountsOnlyRunningGame();
    void timeOut();
    void tickDuringTimeOutMessage();
    void timerNeverRephased();
    void realCellEvents_data();
    void realCellEvents();
    void realDoubleClickIsTwoPresses();
    void realFaceButtonReleaseOffButton();
    void realCheckBoxByMouseAndSpace();
    void randomPlay();
};

void MinyPlayTest::openingMatchesFloodFill_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<bool>("ticked");
    for (int seed = 1; seed <= 12; ++seed)
        QTest::newRow(qPrintable(QString("seed %1%2").arg(seed).arg(seed % 2 ? ", 54" : ", 27")))
            << seed << bool(seed % 2);
}

void MinyPlayTest::openingMatchesFloodFill()
{
    QFETCH(int, seed);
    QFETCH(bool, ticked);
    auto form = support::seededMineGame(seed, ticked);
    const Cell start = firstEmptyCell(*form);
    QVERIFY(start.first >= 0);
    const std::set<Cell> expected = support::expectedOpening(*form, start);
    support::press(*form, start);
    std::set<Cell> opened;
    for (int row = 0; row < 20; ++row)
        for (int col = 0; col < 20; ++col)
            if (form->state(col, row) == 0)
                opened.insert({col, row});
    QCOMPARE(opened, expected);
    QCOMPARE(support::brokenInvariant(*form), QString());
}

void MinyPlayTest::neighboursAtEdges_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("mines");
    QTest::newRow("top-left corner") << 0 << 0 << 3;
    QTest::newRow("top-right corner") << 19 << 0 << 3;
    QTest::newRow("bottom-left corner") << 0 << 19 << 3;
    QTest::newRow("bottom-right corner") << 19 << 19 << 3;
    QTest::newRow("top edge") << 7 << 0 << 5;
    QTest::newRow("left edge") << 0 << 7 << 5;
    QTest::newRow("right edge") << 19 << 7 << 5;
    QTest::newRow("bottom edge") << 7 << 19 << 5;
    QTest::newRow("inside") << 7 << 7 << 8;
}

// Every neighbour inside the field holds a mine: the count is exactly the
// number of neighbours the cell has, none wrapped or missed.
void MinyPlayTest::neighboursAtEdges()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, mines);
    std::vector<Cell> around = minesAround({col, row});
    QCOMPARE(int(around.size()), mines);
    // Padding must stay off this cell and its neighbourhood.
    for (int n = 0; int(around.size()) < 27; ++n) {
        const Cell far{(col + 10 + n % 5) % 20, (row + 10 + n / 5) % 20};
        if (std::find(around.begin(), around.end(), far) == around.end())
            around.push_back(far);
    }
    auto form = support::mineGame(around);
    support::press(*form, {col, row});
    QCOMPARE(form->content(col, row), " " + std::to_string(mines));
    QCOMPARE(support::shownElement(*form, support::element({col, row})), mines - 1);
    QCOMPARE(support::uncoveredCount(*form), 1);
}

void MinyPlayTest::openingStopsAtCornerNeighbours_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("opened");
    QTest::newRow("corner") << 0 << 0 << 4;
    QTest::newRow("edge") << 5 << 0 << 6;
    QTest::newRow("inside") << 5 << 5 << 9;
}

// A ring of mines two cells out: the press opens the cell and exactly its
// neighbours, each of which borders the ring.
void MinyPlayTest::openingStopsAtCornerNeighbours()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, opened);
    std::vector<Cell> ring;
    for (int dr = -2; dr <= 2; ++dr)
        for (int dc = -2; dc <= 2; ++dc)
            if ((std::abs(dc) == 2 || std::abs(dr) == 2) && col + dc >= 0 && row + dr >= 0)
                ring.push_back({col + dc, row + dr});
    auto form = support::mineGame(support::paddedTo(ring, 27));
    support::press(*form, {col, row});
    QCOMPARE(support::uncoveredCount(*form), opened);
    QCOMPARE(support::shownElement(*form, support::element({col, row})), int(Empty));
    QCOMPARE(support::brokenInvariant(*form), QString());
}

void MinyPlayTest::flagStopsOpeningQuestionMarkDoesNot()
{
    // Mines fill the bottom row and the right of the row above; the rest is
    // one empty area. A wall of flags down column 10 (on mine-free cells)
    // keeps the right part shut, and a question mark on the left is opened.
    auto form = support::mineGame(support::paddedTo({}, 27));
    for (int row = 0; row < 19; ++row)
        support::press(*form, {10, row}, 2);
    support::press(*form, {3, 3}, 2);
    support::press(*form, {3, 3}, 2);
    QCOMPARE(support::shownElement(*form, support::element({3, 3})), int(Question));
    const std::set<Cell> expected = support::expectedOpening(*form, {0, 0});
    support::press(*form, {0, 0});
    QCOMPARE(int(expected.size()), support::uncoveredCount(*form));
    for (int row = 0; row < 19; ++row) {
        QCOMPARE(form->state(10, row).value(), -1);
        QCOMPARE(support::shownElement(*form, support::element({10, row})), int(Flag));
        if (row < 17)
            QCOMPARE(form->state(15, row).value(), -1);
    }
    QCOMPARE(form->state(3, 3).value(), 0);
    QCOMPARE(support::shownElement(*form, support::element({3, 3})), int(Empty));
    QCOMPARE(support::brokenInvariant(*form), QString());

    // Once the flags are gone, a press opens the rest.
    for (int row = 0; row < 19; ++row) {
        support::press(*form, {10, row}, 2);
        support::press(*form, {10, row}, 2);
    }
    support::press(*form, {10, 0});
    QCOMPARE(form->state(15, 0).value(), 0);
}

void MinyPlayTest::markCycle()
{
    auto form = support::mineGame(support::paddedTo({}, 54));
    const Cell cell{4, 4};
    const int n = support::element(cell);
    const std::vector<std::pair<int, std::string>> steps = {
        {Flag, "53 miny"}, {Question, "54 miny"}, {Covered, "54 miny"}, {Flag, "53 miny"}};
    for (const auto &[picture, caption] : steps) {
        support::press(*form, cell, 2);
        QCOMPARE(support::shownElement(*form, n), picture);
        QCOMPARE(form->Label1.Caption(), caption);
    }
    // An uncovered cell takes no mark, and the counter is not rewritten.
    support::press(*form, {0, 0});
    form->Label1.setCaption("untouched");
    support::press(*form, {0, 0}, 2);
    QCOMPARE(form->Label1.Caption(), std::string("untouched"));
    QCOMPARE(support::shownElement(*form, 1), int(Empty));
}

void MinyPlayTest::counterAtZeroRefusesFlag()
{
    auto form = support::mineGame(support::paddedTo({}, 27));
    for (int k = 0; k < 27; ++k)
        support::press(*form, {k % 20, k / 20}, 2);
    QCOMPARE(form->minesleft.value(), 0);
    QCOMPARE(form->Label1.Caption(), std::string("0 min"));
    support::press(*form, {5, 5}, 2);
    QCOMPARE(support::shownElement(*form, support::element({5, 5})), int(Covered));
    QCOMPARE(form->minesleft.value(), 0);
    support::press(*form, {0, 0}, 2);
    QCOMPARE(support::shownElement(*form, 1), int(Question));
    QCOMPARE(form->Label1.Caption(), std::string("1 mina"));
    QCOMPARE(support::brokenInvariant(*form), QString());
}

void MinyPlayTest::leftPressOnMarks()
{
    auto form = support::mineGame(support::paddedTo({{5, 5}}, 27));
    support::press(*form, {5, 5}, 2); // flag on a mine
    support::press(*form, {5, 5});
    QCOMPARE(form->finished.value(), 0);
    QCOMPARE(support::shownElement(*form, support::element({5, 5})), int(Flag));

    support::press(*form, {6, 6}, 2);
    support::press(*form, {6, 6});
    QCOMPARE(form->state(6, 6).value(), -1); // a flag on a mine-free cell holds too

    support::press(*form, {6, 6}, 2); // question mark on a mine-free cell: uncovered
    support::press(*form, {6, 6});
    QCOMPARE(form->state(6, 6).value(), 0);
    QCOMPARE(support::shownElement(*form, support::element({6, 6})), 0);

    support::press(*form, {5, 5}, 2); // question mark on a mine: lost
    support::press(*form, {5, 5});
    QCOMPARE(form->finished.value(), -1);
    QCOMPARE(support::shownElement(*form, support::element({5, 5})), int(MineHit));
}

void MinyPlayTest::winAtLastMineFreeCell_data()
{
    QTest::addColumn<int>("mines");
    QTest::newRow("27 mines") << 27;
    QTest::newRow("54 mines") << 54;
}

// With a flag holding back one cell, the far corner's press opens all but it;
// uncovering that last mine-free cell wins.
void MinyPlayTest::winAtLastMineFreeCell()
{
    QFETCH(int, mines);
    auto form = support::mineGame(support::packedTopLeft(mines));
    const Cell last{15, 15};
    support::press(*form, last, 2);
    support::press(*form, {19, 19});
    QCOMPARE(support::uncoveredCount(*form), 400 - mines - 1);
    QCOMPARE(form->playing.value(), -1);
    QCOMPARE(form->finished.value(), 0);
    support::press(*form, last, 2); // flag to question mark
    form->Image3_MouseDown(support::element(last), 1, 0, 0, 0);
    QCOMPARE(support::uncoveredCount(*form), 400 - mines);
    QCOMPARE(form->playing.value(), 0);
    QCOMPARE(form->finished.value(), -1);
    QCOMPARE(support::faceShown(*form), int(Cool));
    form->Image3_MouseUp(support::element(last), 1, 0, 0, 0);
    QCOMPARE(support::faceShown(*form), int(Cool));
    QCOMPARE(form->Label1.Caption(), std::to_string(mines) + (mines == 54 ? " miny" : " min"));
}

void MinyPlayTest::winInsideOpening()
{
    auto form = support::mineGame(support::packedTopLeft(27));
    support::press(*form, {19, 19});
    QCOMPARE(support::uncoveredCount(*form), 373);
    QCOMPARE(form->finished.value(), -1);
    QCOMPARE(support::faceShown(*form), int(Cool));
    for (int k = 0; k < 27; ++k)
        QCOMPARE(support::shownElement(*form, k + 1), int(Mine));
}

void MinyPlayTest::endingPictures_data()
{
    QTest::addColumn<int>("ending");
    QTest::newRow("won") << int(Won);
    QTest::newRow("lost on a mine") << int(LostOnMine);
    QTest::newRow("lost on time") << int(LostOnTime);
}

void MinyPlayTest::endingPictures()
{
    QFETCH(int, ending);
    support::MessageRecorder messages;
    // Mines in the top two rows' left part; (0,0) flagged, (1,0) question-marked.
    auto form = support::mineGame(support::packedTopLeft(27));
    support::press(*form, {0, 0}, 2);
    support::press(*form, {1, 0}, 2);
    support::press(*form, {1, 0}, 2);
    const Cell wrongFlag{10, 10};
    const Cell doubtful{12, 12};
    const Cell hit{5, 0};
    if (ending != Won) {
        support::press(*form, wrongFlag, 2);
        support::press(*form, doubtful, 2);
        support::press(*form, doubtful, 2);
    }
    const int faceBefore = support::faceShown(*form);
    if (ending == Won) {
        support::press(*form, {19, 19});
    } else if (ending == LostOnMine) {
        support::press(*form, hit);
    } else {
        for (int tick = 0; tick < 1000; ++tick)
            form->Timer1_Timer();
    }
    QCOMPARE(form->finished.value(), -1);
    QCOMPARE(support::shownElement(*form, 1), int(Flag));    // flagged mine
    QCOMPARE(support::shownElement(*form, 2), int(Mine));    // question mark on a mine
    QCOMPARE(support::shownElement(*form, support::element(hit)), ending == LostOnMine ? int(MineHit) : int(Mine));
    if (ending != Won) {
        QCOMPARE(support::shownElement(*form, support::element(wrongFlag)), int(WrongFlag));
        QCOMPARE(support::shownElement(*form, support::element(doubtful)), int(Question));
        QCOMPARE(support::shownElement(*form, support::element({19, 19})), int(Covered));
    }
    const int expectedFace = ending == Won ? Cool : ending == LostOnMine ? Dead : faceBefore;
    QCOMPARE(support::faceShown(*form), expectedFace);
    QCOMPARE(messages.shown.size(), std::size_t(ending == LostOnTime ? 1 : 0));
    QCOMPARE(form->minesleft.value(), ending == Won ? 26 : 25);
}

void MinyPlayTest::nothingChangesAfterEnding_data()
{
    endingPictures_data();
}

void MinyPlayTest::nothingChangesAfterEnding()
{
    QFETCH(int, ending);
    support::MessageRecorder messages;
    auto form = support::mineGame(support::packedTopLeft(27));
    support::press(*form, {15, 0}, 2);
    if (ending == Won)
        support::press(*form, {19, 19});
    else if (ending == LostOnMine)
        support::press(*form, {3, 1});
    else
        for (int tick = 0; tick < 1000; ++tick)
            form->Timer1_Timer();
    const Snapshot before = snapshot(*form);
    for (int n = 1; n <= 400; ++n) {
        for (int button : {1, 2, 4}) {
            form->Image3_MouseDown(n, button, 0, 0, 0);
            form->Image3_MouseUp(n, button, 0, 0, 0);
        }
    }
    form->Timer1_Timer();
    QVERIFY(snapshot(*form) == before);
    QCOMPARE(messages.shown.size(), std::size_t(ending == LostOnTime ? 1 : 0));
}

void MinyPlayTest::startingPressKeepsSmile_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left on a numbered cell") << 1;
    QTest::newRow("right") << 2;
    QTest::newRow("middle") << 4;
}

void MinyPlayTest::startingPressKeepsSmile()
{
    QFETCH(int, button);
    auto form = support::mineGame(support::paddedTo({{0, 0}}, 27));
    const int n = support::element({1, 1}); // one mine around it
    form->Image3_MouseDown(n, button, 0, 0, 0);
    QCOMPARE(form->playing.value(), -1);
    QCOMPARE(support::faceShown(*form), int(Smile));
    form->Image3_MouseUp(n, button, 0, 0, 0);
    QCOMPARE(support::faceShown(*form), int(Smile));
    QCOMPARE(form->minesleft.value(), button == 2 ? 26 : 27);
    QCOMPARE(form->state(1, 1).value(), button == 1 ? 0 : -1);
}

// The starting press itself keeps the smile, but the presses nested in its
// opening find the game running and open the mouth, until the release.
void MinyPlayTest::startingOpeningShowsOpenMouth()
{
    // A wall of mines down column 10 keeps the opening from winning.
    std::vector<Cell> wall;
    for (int row = 0; row < 20; ++row)
        wall.push_back({10, row});
    auto form = support::mineGame(support::paddedTo(wall, 54));
    const int start = support::element({0, 0});
    form->Image3_MouseDown(start, 1, 0, 0, 0);
    QVERIFY(support::uncoveredCount(*form) > 100);
    QCOMPARE(form->finished.value(), 0);
    QCOMPARE(support::faceShown(*form), int(OpenMouth));
    form->Image3_MouseUp(start, 1, 0, 0, 0);
    QCOMPARE(support::faceShown(*form), int(Smile));
}

void MinyPlayTest::laterPressesOpenMouth()
{
    auto form = support::mineGame(support::paddedTo({{0, 0}}, 27));
    support::press(*form, {1, 1});
    for (int button : {1, 2, 4}) {
        form->Image3_MouseDown(support::element({1, 1}), button, 0, 0, 0);
        QCOMPARE(support::faceShown(*form), int(OpenMouth));
        form->Image3_MouseUp(support::element({1, 1}), button, 0, 0, 0);
        QCOMPARE(support::faceShown(*form), int(Smile));
    }
}

void MinyPlayTest::faceButton()
{
    auto form = support::mineGame(support::paddedTo({{0, 0}}, 27));
    support::useSeed(9);
    support::press(*form, {1, 1});
    form->Timer1_Timer();
    for (int button : {1, 2, 4}) {
        form->Image1_MouseDown(5, button, 0, 0, 0);
        QCOMPARE(support::faceShown(*form), int(Sunken));
        QCOMPARE(form->playing.value(), button == 1 ? -1 : 0);
        form->Timer1_Timer(); // holding the button does not stop the clock
        QCOMPARE(form->seconds.value(), button == 1 ? 2 : 0);
        form->Image1_MouseUp(5, button, 0, 0, 0);
        QCOMPARE(support::faceShown(*form), int(Smile));
        QCOMPARE(form->playing.value(), 0);
        QCOMPARE(form->seconds.value(), 0);
        QCOMPARE(form->Label2.Caption(), std::string("0s"));
        QCOMPARE(support::uncoveredCount(*form), 0);
    }
}

void MinyPlayTest::checkBoxDealsAndClearsFace_data()
{
    QTest::addColumn<bool>("won");
    QTest::newRow("after a win") << true;
    QTest::newRow("after a loss") << false;
}

void MinyPlayTest::checkBoxDealsAndClearsFace()
{
    QFETCH(bool, won);
    auto form = support::mineGame(support::packedTopLeft(27));
    support::press(*form, won ? Cell{19, 19} : Cell{0, 0});
    QCOMPARE(support::faceShown(*form), won ? int(Cool) : int(Dead));
    support::useSeed(77);
    form->Check1.setValue(1);
    form->Check1_Click();
    QCOMPARE(support::faceShown(*form), int(Smile));
    QCOMPARE(form->minetotal.value(), 54);
    QCOMPARE(form->finished.value(), 0);
    QCOMPARE(form->Label1.Caption(), std::string("54 miny"));
    QCOMPARE(support::brokenInvariant(*form), QString());
}

void MinyPlayTest::clockCountsOnlyRunningGame()
{
    auto form = support::mineGame(support::packedTopLeft(27));
    form->Label2.setCaption("0s");
    for (int tick = 0; tick < 5; ++tick)
        form->Timer1_Timer();
    QCOMPARE(form->seconds.value(), 0);
    support::press(*form, {10, 10}, 4);
    for (int tick = 0; tick < 3; ++tick)
        form->Timer1_Timer();
    QCOMPARE(form->Label2.Caption(), std::string("3s"));
    support::press(*form, {0, 0}); // lost
    form->Label2.setCaption("kept");
    form->Timer1_Timer();
    QCOMPARE(form->Label2.Caption(), std::string("kept"));
    QCOMPARE(form->seconds.value(), 3);
}

void MinyPlayTest::timeOut()
{
    support::MessageRecorder messages;
    auto form = support::mineGame(support::packedTopLeft(27));
    support::press(*form, {10, 10}, 4);
    for (int tick = 0; tick < 999; ++tick)
        form->Timer1_Timer();
    QCOMPARE(form->Label2.Caption(), std::string("999s"));
    QCOMPARE(form->playing.value(), -1);
    QVERIFY(messages.shown.empty());
    form->Image3_MouseDown(support::element({19, 19}), 2, 0, 0, 0); // held while time runs out
    QCOMPARE(support::faceShown(*form), int(OpenMouth));
    form->Timer1_Timer();
    QCOMPARE(form->Label2.Caption(), std::string("1000s"));
    QCOMPARE(form->finished.value(), -1);
    QCOMPARE(messages.shown.size(), std::size_t(1));
    QCOMPARE(messages.shown[0].first, std::string("Prohrál jsi, vypršel ti čas!"));
    QCOMPARE(messages.shown[0].second, std::string("Miny"));
    QCOMPARE(support::faceShown(*form), int(OpenMouth)); // the face stays as it was
    QCOMPARE(support::shownElement(*form, 1), int(Mine));
    for (int tick = 0; tick < 5; ++tick)
        form->Timer1_Timer();
    QCOMPARE(form->Label2.Caption(), std::string("1000s"));
    QCOMPARE(messages.shown.size(), std::size_t(1));
}

void MinyPlayTest::tickDuringTimeOutMessage()
{
    auto form = support::mineGame(support::packedTopLeft(27));
    support::press(*form, {10, 10}, 4);
    for (int tick = 0; tick < 999; ++tick)
        form->Timer1_Timer();
    int boxes = 0;
    bool unchanged = false;
    rt::setMessageBoxHandler([&](const std::string &, const std::string &) {
        ++boxes;
        const Snapshot during = snapshot(*form);
        form->Timer1_Timer(); // a tick while the box is open
        unchanged = snapshot(*form) == during;
    });
    form->Timer1_Timer();
    rt::resetMessageBoxHandler();
    QCOMPARE(boxes, 1);
    QVERIFY(unchanged);
}

void MinyPlayTest::timerNeverRephased()
{
    support::useSeed(3);
    Form1 form;
    form.Load();
    auto *timer = form.window()->findChild<QTimer *>();
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    const int id = timer->timerId();
    QTest::qWait(100);
    const int remaining = timer->remainingTime();
    support::press(form, {10, 10}, 4);
    form.Image1_MouseUp(5, 1, 0, 0, 0);
    form.Check1_Click();
    QCOMPARE(timer->timerId(), id);
    QVERIFY(timer->isActive());
    QVERIFY(timer->remainingTime() <= remaining);
}

void MinyPlayTest::realCellEvents_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("picture");
    QTest::newRow("left") << Qt::LeftButton << 0; // the digit 1
    QTest::newRow("right") << Qt::RightButton << int(Flag);
    QTest::newRow("middle") << Qt::MiddleButton << int(Covered);
    QTest::newRow("back button") << Qt::BackButton << int(Covered);
}

void MinyPlayTest::realCellEvents()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, picture);
    auto form = support::mineGame(support::paddedTo({{3, 3}}, 27));
    QVERIFY(support::showAndWait(form->window()));
    const Cell cell{2, 3};
    const rt::Image &image = form->Image3(support::element(cell));
    support::mousePress(image, button);
    QCOMPARE(form->playing.value(), button == Qt::BackButton ? 0 : -1);
    support::mouseRelease(image, button);
    QCOMPARE(support::shownElement(*form, support::element(cell)), picture);
    QCOMPARE(support::faceShown(*form), int(Smile));
    // A later press shows the open mouth until it is released.
    if (button != Qt::BackButton) {
        const rt::Image &other = form->Image3(support::element({19, 19}));
        support::mousePress(other, Qt::MiddleButton, {}, QPoint(0, 0));
        QCOMPARE(support::faceShown(*form), int(OpenMouth));
        support::mouseRelease(other, Qt::MiddleButton, {}, QPoint(0, 0));
        QCOMPARE(support::faceShown(*form), int(Smile));
    }
}

void MinyPlayTest::realDoubleClickIsTwoPresses()
{
    auto form = support::mineGame(support::paddedTo({}, 27));
    QVERIFY(support::showAndWait(form->window()));
    const Cell cell{19, 0};
    const QPoint at = form->Image3(support::element(cell)).pixelRect().center();
    QTest::mouseDClick(form->window()->windowHandle(), Qt::RightButton, {}, at);
    QCOMPARE(support::shownElement(*form, support::element(cell)), int(Question));
    QCOMPARE(form->minesleft.value(), 27);
}

void MinyPlayTest::realFaceButtonReleaseOffButton()
{
    auto form = support::mineGame(support::paddedTo({{0, 0}}, 27));
    QVERIFY(support::showAndWait(form->window()));
    support::useSeed(9);
    support::press(*form, {1, 1});
    const rt::Image &face = form->Image1(5);
    support::mousePress(face, Qt::RightButton);
    QCOMPARE(support::faceShown(*form), int(Sunken));
    support::mouseRelease(face, Qt::RightButton, {}, QPoint(-100, 200)); // dragged off the button
    QCOMPARE(support::faceShown(*form), int(Smile));
    QCOMPARE(support::uncoveredCount(*form), 0);
    QCOMPARE(form->playing.value(), 0);
}

void MinyPlayTest::realCheckBoxByMouseAndSpace()
{
    support::useSeed(5);
    Form1 form;
    form.Load();
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    QWidget *box = form.Check1.widget();
    QVERIFY(box->hasFocus());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(7, 8));
    QCOMPARE(form.minetotal.value(), 27);
    QCOMPARE(form.Label1.Caption(), std::string("27 min"));
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(form.minetotal.value(), 54);
    QCOMPARE(form.Label1.Caption(), std::string("54 miny"));
    QCOMPARE(support::brokenInvariant(form), QString());
}

// Random presses with any button, face button, check box and ticks, over many
// games, with every rule checked after every event.
void MinyPlayTest::randomPlay()
{
    support::MessageRecorder messages;
    auto form = support::seededMineGame(2024);
    support::MinyPlayer player(*form);
    const support::PlayReport report = support::playRandomly(player, 30000, 99);
    QCOMPARE(report.firstViolation, QString());
    QCOMPARE(report.events, 30000L);
    QVERIFY(player.timeOuts() > 0);
    QCOMPARE(messages.shown.size(), std::size_t(player.timeOuts()));
}

QTEST_MAIN(MinyPlayTest)
#include "tst_minyplay.moc"
