#include "minyfield.h"

#include <QApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>
#include <tuple>

using miny::Form1;
using support::Cell;
using support::element;
using support::press;

namespace {

// Pads the mines to a total, filling from the bottom-right corner backwards.
std::vector<Cell> paddedTo(std::vector<Cell> mines, int total)
{
    for (int n = 399; n >= 0 && int(mines.size()) < total; --n)
        if (std::find(mines.begin(), mines.end(), Cell{n % 20, n / 20}) == mines.end())
            mines.push_back({n % 20, n / 20});
    return mines;
}

int faceShown(Form1 &form) { return support::showing(form.Image1, form.Image1(5), 4); }

int uncovered(Form1 &form)
{
    int cells = 0;
    for (int n = 0; n < 400; ++n)
        cells += form.state(n % 20, n / 20) == 0;
    return cells;
}

const QStringList pictureNames = {"1", "2", "3", "4", "5", "6", "7", "8", "Covered", "Empty",
                                  "Flag", "Question", "Mine", "MineHit", "WrongFlag"};
const QStringList faceNames = {"Smile", "OpenMouth", "Dead", "Cool", "Sunken"};

// The cell of "3,4", or of "3,4=Flag".
Cell cellAt(const QString &text)
{
    const QStringList at = text.split(QRegularExpression("[,=]"));
    return {at.value(0).toInt(), at.value(1).toInt()};
}

void tick(Form1 &form, int times)
{
    while (times-- > 0)
        form.Timer1_Timer();
}

enum Input { Procedures, Mouse, Keys };
const QStringList inputNames = {"", ", by the mouse", ", by keys"};

// Plays a script of events separated by spaces, through the procedures, by
// the mouse or by keys on the shown window. L, R or M and a cell ("L3,4")
// press and release it with the left, right or middle button; l, r or m only
// press it, u releases the left button on it; B clicks it with the back
// button, D double-clicks it with the right one (these two and the middle
// button by the mouse also where the other presses are keys). f presses the
// face button, g releases it, o releases it off the button (by keys: N, or F2
// where the release is o). C clicks the check box, S presses Space on it. T
// and a number ticks the clock. Q asks for the counter and the clock by the
// key S (nothing but by keys). By keys, the left button is Space or Return
// (by turns over the cells) and the right one F, on the cursor moved there by
// keys. No button or key stays held for the next row.
class Player
{
public:
    Player(Form1 &form, Input input) : form_(form), input_(input), grid_(form.window(), 20, 20, false) {}
    ~Player()
    {
        for (Qt::Key key : held_)
            QTest::keyRelease(window(), key);
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (QGuiApplication::mouseButtons() & button)
                QTest::mouseRelease(form_.window(), button);
    }
    void play(QString script);

private:
    QWindow *window() const { return form_.window()->windowHandle(); }
    void press(const Cell &cell, Qt::MouseButton button, bool down, bool up);

    Form1 &form_;
    Input input_;
    support::GridKeys grid_;
    std::vector<Qt::Key> held_;
};

void Player::play(QString script)
{
    if (input_ == Procedures) // a double click is two clicks, a key on the check box a click
        script.replace(QRegularExpression("D(\\S+)"), "R\\1 R\\1").replace('S', 'C').replace('o', 'g');
    const QStringList events = script.split(' ', Qt::SkipEmptyParts);
    for (auto event = events.begin(); event != events.end(); ++event) {
        const char kind = event->at(0).toLatin1();
        const Cell cell = cellAt(event->mid(1));
        const int n = QString("LRMlrmuBD").contains(kind) ? element(cell) : 1;
        const auto button = Qt::MouseButton(1 << std::max(0, int(QString("LRM").indexOf(QChar(kind).toUpper()))));
        const bool down = QString("LRMlrm").contains(kind), up = QString("LRMu").contains(kind);
        if (kind == 'T') {
            tick(form_, event->mid(1).toInt());
        } else if (input_ == Procedures) {
            if (down)
                form_.Image3_MouseDown(n, int(button), 0, 0, 0);
            if (up)
                form_.Image3_MouseUp(n, int(button), 0, 0, 0);
            if (kind == 'f')
                form_.Image1_MouseDown(5, 1, 0, 0, 0);
            if (kind == 'g')
                form_.Image1_MouseUp(5, 1, 0, 0, 0);
            if (kind == 'C') {
                form_.Check1.setValue(1 - form_.Check1.Value());
                form_.Check1_Click();
            }
        } else if (down || up) {
            press(cell, button, down, up);
        } else if (kind == 'B') {
            support::mouseClick(form_.Image3(n), Qt::BackButton);
        } else if (kind == 'D') {
            QTest::mouseDClick(window(), Qt::RightButton, {}, form_.Image3(n).pixelRect().center());
            grid_.mousePressed({cell.first, cell.second});
        } else if (QString("fgo").contains(kind) && input_ == Keys) {
            const auto release = std::find_if(event, events.end(), [](auto &e) { return e == "g" || e == "o"; });
            const Qt::Key key = release != events.end() && *release == "o" ? Qt::Key_F2 : Qt::Key_N;
            if (kind == 'f')
                QTest::keyPress(window(), key);
            else
                QTest::keyRelease(window(), key);
        } else if (kind == 'f') {
            support::mousePress(form_.Image1(5), Qt::LeftButton);
        } else if (kind == 'g' || kind == 'o') {
            support::mouseRelease(form_.Image1(5), Qt::LeftButton, kind == 'o' ? QPoint(-100, 200) : support::centre);
        } else if (kind == 'C' && input_ == Mouse) {
            QTest::mouseClick(form_.Check1.widget(), Qt::LeftButton, {}, QPoint(7, 8));
        } else if (kind == 'C' || kind == 'S') { // Space: by keys, Shift+Tab from the field first
            if (input_ == Keys)
                grid_.leave();
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form_.window(), Qt::Key_Space);
        } else if (kind == 'Q' && input_ == Keys) {
            QTest::keyClick(window(), Qt::Key_S);
        }
    }
}

void Player::press(const Cell &cell, Qt::MouseButton button, bool down, bool up)
{
    const QPoint at(cell.first, cell.second);
    if (input_ == Keys && button != Qt::MiddleButton) {
        const bool right = button == Qt::RightButton;
        const Qt::Key key = right ? Qt::Key_F : (cell.first + cell.second) % 2 ? Qt::Key_Return : Qt::Key_Space;
        if (down) {
            grid_.moveTo(at);
            QTest::keyPress(window(), key);
            held_.push_back(key);
        }
        const auto held = std::ranges::find_if(held_, [&](Qt::Key k) { return (k == Qt::Key_F) == right; });
        if (up && held != held_.end()) {
            QTest::keyRelease(window(), *held);
            held_.erase(held);
        }
        return;
    }
    if (down) { // at the cell's corner pixels, to catch a misplaced hit area
        support::mousePress(form_.Image3(element(cell)), button, QPoint(0, 0));
        grid_.mousePressed(at);
    }
    if (up)
        support::mouseRelease(form_.Image3(element(cell)), button, QPoint(14, 14));
}

QString status(Form1 &form, qsizetype messages)
{
    const QString phase = form.finished == rt::True ? "over" : form.playing == rt::True ? "playing" : "new";
    return QString("%1, %2, %3, %4, %5 open%6")
        .arg(faceNames.value(faceShown(form)), QString::fromStdString(form.Label1.Caption()),
             QString::fromStdString(form.Label2.Caption()), phase)
        .arg(uncovered(form))
        .arg(messages ? QString(", %1 messages").arg(messages) : "");
}

// The pictures the cells of a list like "0,0=Flag 3,4=1" show, in its form.
QString picturesAt(Form1 &form, const QString &cells)
{
    QStringList shown;
    for (const QString &item : cells.split(' ', Qt::SkipEmptyParts))
        shown << item.section('=', 0, 0) + "=" + pictureNames.value(support::shownElement(form, element(cellAt(item))));
    return shown.join(' ');
}

// What a screen reader reads after a row's events, and what it was told on
// the way: the field as it shows, the counter by its caption, told when it
// changed, and the end of a game announced while the face shows it.
QString unheard(Form1 &form, const support::ScreenReader &reader, const QStringList &cellsBefore,
                const std::string &counterBefore)
{
    const QString counter = QString::fromStdString(form.Label1.Caption());
    const bool visible = form.window()->isVisible(); // a window not shown tells nothing
    if (!support::ScreenReader::outline(form.window()).contains("label '" + counter + "'")
        || (visible && counter.toStdString() != counterBefore
            && !reader.names(QAccessible::NameChanged, QAccessible::StaticText).contains(counter)))
        return "the counter is not read as " + counter;
    const QStringList announced = reader.announced();
    const QString face = faceNames.value(faceShown(form)), ending = face == "Dead" ? "prohra" : "výhra";
    if (visible && (face == "Dead" || face == "Cool") && (announced.isEmpty() || !announced.back().endsWith(ending)))
        return "the end of the game is not announced: " + announced.join(", ");
    return reader.unheard(form.Image3, cellsBefore, 0);
}

// What the player sees, with the state behind it.
std::pair<std::vector<int>, QString> snapshot(Form1 &form)
{
    std::vector<int> s{form.minesleft.value(), form.seconds.value()};
    for (int n = 0; n < 400; ++n)
        s.insert(s.end(), {support::shownElement(form, n + 1), form.state(n % 20, n / 20).value()});
    return {s, status(form, 0)};
}

// Mines on every neighbour of the cell, padded to 27 with cells far from it.
std::vector<Cell> minesAround(const Cell &cell)
{
    std::vector<Cell> mines;
    for (int n = 0; n < 400; ++n)
        if (std::max(std::abs(n % 20 - cell.first), std::abs(n / 20 - cell.second)) == 1)
            mines.push_back({n % 20, n / 20});
    for (int n = 0; mines.size() < 27; ++n)
        mines.push_back({(cell.first + 10 + n % 5) % 20, (cell.second + 10 + n / 5) % 20});
    return mines;
}

std::vector<Cell> field(const QString &name)
{
    std::vector<Cell> wall; // down column 10: no opening on one side wins
    for (int row = 0; row < 20; ++row)
        wall.push_back({10, row});
    const int total = name.right(2).toInt();
    return name == "wall" ? paddedTo(wall, 54)
        : name.startsWith("top") ? support::packedTopLeft(total)
        : name.startsWith("mine") ? paddedTo({cellAt(name.mid(4))}, 27)
        : name.startsWith("around") ? minesAround(cellAt(name.mid(6)))
                                  : paddedTo({}, total);
}

} // namespace

class MinyPlayTest : public QObject
{
    Q_OBJECT

private slots:
    // Every row runs through the procedures and through real events. Fields:
    // "top27"/"top54" pack the mines into the top rows, "bottom27"/"bottom54"
    // into the bottom rows; "mine5,5" has one mine there among 27, "around5,5"
    // one on every neighbour of that cell; "wall" fills column 10 and pads to
    // 54 from the bottom.
    void scenario_data()
    {
        QTest::addColumn<int>("input");
        for (const char *column : {"field", "script", "expected", "pictures", "said"})
            QTest::addColumn<QString>(column);
        auto add = [](const QString &name, const char *field, const QString &script, const char *expected,
                      const QString &pictures = "", const QString &said = "") {
            for (int input : {Procedures, Mouse, Keys})
                QTest::newRow(qPrintable(name + inputNames[input]))
                    << input << QString(field) << script << QString(expected) << pictures << said;
        };
        // Every neighbour inside the field holds a mine: none is wrapped or missed.
        for (auto [col, r, count] : {std::tuple{0, 0, 3}, {19, 0, 3}, {0, 19, 3}, {19, 19, 3}, {7, 0, 5},
                                     {0, 7, 5}, {19, 7, 5}, {7, 19, 5}, {7, 7, 8}}) {
            const QString cell = QString("%1,%2").arg(col).arg(r);
            add(cell + " has " + QString::number(count) + " neighbours", qPrintable("around" + cell), "L" + cell,
                "Smile, 27 min, 0s, playing, 1 open", cell + "=" + pictureNames[count - 1], QString::number(count));
        }
        // A wall of flags keeps the right part of an empty area shut; a
        // question mark in it is opened.
        QString wall = "R3,3 R3,3";
        for (int row = 0; row < 19; ++row)
            wall += QString(" R10,%1").arg(row);
        add("flag wall", "bottom27", wall + " L0,0", "Smile, 8 min, 0s, playing, 190 open",
            "3,3=Empty 10,5=Flag 11,0=Covered", "prázdné, odkrytých polí: 190");
        add("flag", "bottom54", "R4,4", "Smile, 53 miny, 0s, playing, 0 open", "4,4=Flag", "vlajka, 53 miny");
        add("question mark", "bottom54", "R4,4 R4,4", "Smile, 54 miny, 0s, playing, 0 open", "4,4=Question", "otazník, 54 miny");
        add("unmarked", "bottom54", "R4,4 R4,4 R4,4", "Smile, 54 miny, 0s, playing, 0 open", "4,4=Covered", "zakryté");
        add("no mark on an uncovered cell", "bottom54", "R4,4 L0,0 R0,0", "Smile, 53 miny, 0s, playing, 345 open",
            "0,0=Empty 4,4=Flag", "beze změny");
        add("double click is two presses", "bottom54", "D4,4", "Smile, 54 miny, 0s, playing, 0 open", "4,4=Question");
        add("back button does nothing", "bottom54", "B4,4", "Smile, 54 miny, 0s, new, 0 open", "4,4=Covered");
        QString flags;
        for (int n = 0; n < 28; ++n)
            flags += QString(" R%1,%2").arg(n % 20).arg(n / 20);
        add("counter at zero refuses a flag", "bottom27", flags, "Smile, 0 min, 0s, playing, 0 open",
            "0,0=Flag 7,1=Covered", "beze změny");
        add("question mark after zero", "bottom27", flags + " R0,0", "Smile, 1 mina, 0s, playing, 0 open", "", "otazník, 1 mina");
        add("flag on a mine holds", "mine5,5", "R5,5 L5,5", "Smile, 26 min, 0s, playing, 0 open", "5,5=Flag", "beze změny");
        add("flag on a free cell holds", "mine5,5", "R6,6 L6,6", "Smile, 26 min, 0s, playing, 0 open", "6,6=Flag");
        add("question mark on a free cell opens", "mine5,5", "R6,6 R6,6 L6,6", "Smile, 27 min, 0s, playing, 1 open",
            "6,6=1", "1");
        add("question mark on a mine loses", "mine5,5", "R5,5 R5,5 L5,5", "Dead, 27 min, 0s, over, 0 open",
            "5,5=MineHit", "zasažená mina, prohra");
        add("all but the last cell", "top27", "R15,15 L19,19", "Smile, 26 min, 0s, playing, 372 open", "", "prázdné, odkrytých polí: 372");
        add("win at the 373rd cell", "top27", "R15,15 L19,19 R15,15 L15,15", "Cool, 27 min, 0s, over, 373 open",
            "0,0=Mine 6,1=Mine 15,15=Empty", "prázdné, výhra");
        add("all but the last cell of 54", "top54", "R15,15 L19,19", "Smile, 53 miny, 0s, playing, 345 open");
        add("win at the 346th cell", "top54", "R15,15 L19,19 R15,15 L15,15", "Cool, 54 miny, 0s, over, 346 open");
        const QString marks = "R0,0 R1,0 R1,0 ";
        const QString wrong = marks + "R10,10 R12,12 R12,12 ";
        const QString lost = "0,0=Flag 1,0=Mine 10,10=WrongFlag 12,12=Question 19,19=Covered";
        add("won", "top27", marks + "L19,19", "Cool, 26 min, 0s, over, 373 open",
            "0,0=Flag 1,0=Mine 5,0=Mine 19,19=Empty");
        add("lost on a mine", "top27", wrong + "L5,0", "Dead, 25 min, 0s, over, 0 open", lost + " 5,0=MineHit", "zasažená mina, prohra");
        add("lost on time", "top27", wrong + "T1000", "Smile, 25 min, 1000s, over, 0 open, 1 messages",
            lost + " 5,0=Mine");
        add("check box after a win", "top27", "L19,19 C", "Smile, 54 miny, 0s, new, 0 open");
        add("check box after a loss", "top54", "L0,0 C", "Smile, 27 min, 0s, new, 0 open", "", "Nová hra, 27 min, 0s");
        add("check box by Space", "top54", "S", "Smile, 27 min, 0s, new, 0 open");
        add("Space after a press on a cell", "wall", "L9,5 f g S", "Smile, 27 min, 0s, new, 0 open");
        add("starting press keeps the smile", "wall", "l9,5", "Smile, 54 miny, 0s, playing, 1 open");
        add("starting right press", "wall", "r9,5", "Smile, 53 miny, 0s, playing, 0 open");
        add("starting middle press", "wall", "m9,5", "Smile, 54 miny, 0s, playing, 0 open");
        add("starting opening opens the mouth", "wall", "l0,0", "OpenMouth, 54 miny, 0s, playing, 184 open");
        add("later press opens the mouth", "wall", "M19,0 r9,5", "OpenMouth, 53 miny, 0s, playing, 0 open");
        add("release smiles again", "wall", "M19,0 l9,5 u9,5", "Smile, 54 miny, 0s, playing, 1 open");
        add("face button held", "wall", "L9,5 T1 f T1", "Sunken, 54 miny, 2s, playing, 1 open");
        add("face button released: new game", "wall", "L9,5 T1 f g", "Smile, 54 miny, 0s, new, 0 open", "",
            "Nová hra, 54 miny, 0s");
        add("the counter and the clock asked for", "wall", "L9,5 T2 Q", "Smile, 54 miny, 2s, playing, 1 open", "",
            "54 miny, 2s");
        add("face button released off it", "wall", "L9,5 f o", "Smile, 54 miny, 0s, new, 0 open");
        add("no ticks before the game", "top27", "T5", "Smile, 27 min, 0s, new, 0 open");
        add("ticks while playing", "top27", "M10,10 T3", "Smile, 27 min, 3s, playing, 0 open");
        add("no ticks after a loss", "top27", "M10,10 T2 L0,0 T1", "Dead, 27 min, 2s, over, 0 open");
        add("one tick before the time-out", "top27", "M10,10 T999", "Smile, 27 min, 999s, playing, 0 open");
        add("time-out with a press held", "top27", "M10,10 T999 r19,19 T1",
            "OpenMouth, 26 min, 1000s, over, 0 open, 1 messages", "0,0=Mine 19,19=WrongFlag");
        add("time-out at 1000", "top27", "M10,10 T1005", "Smile, 27 min, 1000s, over, 0 open, 1 messages");
    }

    // After an ending, no press of any button on any cell and no tick changes
    // anything; a tick while the time-out message is open changes nothing.
    void scenario()
    {
        QFETCH(int, input);
        QFETCH(QString, field);
        QFETCH(QString, script);
        QFETCH(QString, expected);
        QFETCH(QString, pictures);
        QFETCH(QString, said);
        QStringList messages;
        auto form = support::seededMineGame(1);
        rt::setMessageBoxHandler([&](const std::string &text, const std::string &title) {
            const auto before = snapshot(*form);
            tick(*form, 1);
            messages << QString::fromStdString(title + ": " + text) + (snapshot(*form) == before ? "" : " ticked");
        });
        support::dealMines(*form, ::field(field));
        QVERIFY(input == Procedures || support::showAndWait(*form));
        Player player(*form, Input(input));
        const QStringList cellsBefore = support::ScreenReader::cellNames(form->window());
        const std::string counterBefore = form->Label1.Caption();
        support::ScreenReader reader;
        support::useSeed(9);
        player.play(script);
        QCOMPARE(status(*form, messages.size()), expected);
        QCOMPARE(picturesAt(*form, pictures), pictures);
        QCOMPARE(unheard(*form, reader, cellsBefore, counterBefore), QString());
        if (input == Keys && !said.isEmpty())
            QCOMPARE(reader.announced().value(reader.announced().size() - 1), said);
        if (form->finished == rt::True) {
            const auto before = snapshot(*form);
            for (int n = 0; n < 400 * 3; ++n)
                press(*form, {n % 20, n / 20 % 20}, 1 << n / 400);
            tick(*form, 1);
            QVERIFY(snapshot(*form) == before);
        }
        rt::resetMessageBoxHandler();
        QCOMPARE(messages, QStringList(messages.size(), "Miny: Prohrál jsi, vypršel ti čas!"));
        QCOMPARE(support::brokenInvariant(*form), QString());
    }

    // Random presses with any button, face button, check box and ticks, over
    // many games, with every rule checked after every event.
    void randomPlay()
    {
        support::MessageRecorder messages;
        auto form = support::seededMineGame(2024);
        support::MinyPlayer player(*form);
        const support::PlayReport report = support::playRandomly(player, 30000, 99);
        QCOMPARE(report.firstViolation, QString());
        QVERIFY(player.timeOuts() > 0);
        QCOMPARE(messages.shown.size(), std::size_t(player.timeOuts()));
    }
};

QTEST_MAIN(MinyPlayTest)
#include "tst_minyplay.moc"
