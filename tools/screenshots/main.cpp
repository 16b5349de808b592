// Takes the README's screenshots of both games: at start, in the middle of a
// game and at each ending, from fixed deals, into the folder given.
#include "miny/form1.h"
#include "pexeso/form1.h"

#include "testsupport.h"
#include "toolkit.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QTextStream>
#include <QWidget>

namespace {

QDir target;

void shoot(QWidget *window, const QString &name)
{
    QTest::qWait(20);
    const QString file = target.filePath(name + ".png");
    window->grab().toImage().save(file);
    QTextStream(stdout) << file << "\n";
}

void press(miny::Form1 &form, int col, int row, int button = 1)
{
    const int n = row * 20 + col + 1;
    form.Image3_MouseDown(n, button, 0, 0, 0);
    form.Image3_MouseUp(n, button, 0, 0, 0);
}

bool isMine(miny::Form1 &form, int col, int row)
{
    return form.content(col, row) == "mina";
}

void mineGame(std::uint32_t seed, void (*play)(miny::Form1 &), const QString &name)
{
    support::useSeed(seed);
    miny::Form1 form;
    form.Load();
    form.Show();
    if (!support::showAndWait(form.window()))
        QTextStream(stderr) << "the window was not shown\n";
    play(form);
    shoot(form.window(), name);
}

// Uncovers the mine-free cells of the top rows and flags the mines there.
void playTopRows(miny::Form1 &form, int rows)
{
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < 20; ++col)
            if (isMine(form, col, row))
                press(form, col, row, 2);
            else if (form.state(col, row) != 0)
                press(form, col, row);
    for (int tick = 0; tick < 95; ++tick)
        form.Timer1_Timer();
}

// A flag in the wrong place: on the last covered cell without a mine.
void flagWrongly(miny::Form1 &form)
{
    for (int row = 19; row >= 0; --row)
        for (int col = 19; col >= 0; --col)
            if (!isMine(form, col, row) && form.state(col, row) != 0) {
                press(form, col, row, 2);
                return;
            }
}

// The keyboard's cursor where the first arrow key shows it.
void showCursor(QWidget *window)
{
    window->activateWindow(); // where no window manager gives it the keyboard
    if (!QTest::qWaitForWindowActive(window))
        QTextStream(stderr) << "the window was not activated\n";
    support::keyClick(window, Qt::Key_Down);
}

void mineStart(miny::Form1 &) {}
void mineKeyboard(miny::Form1 &form) { showCursor(form.window()); }
void mineMiddle(miny::Form1 &form) { playTopRows(form, 9); }
void mineWon(miny::Form1 &form) { playTopRows(form, 20); }
void mineLost(miny::Form1 &form)
{
    playTopRows(form, 7);
    flagWrongly(form);
    for (int row = 19; row >= 0; --row)
        for (int col = 0; col < 20; ++col)
            if (isMine(form, col, row) && form.finished == 0)
                press(form, col, row);
}
void mineTimeOut(miny::Form1 &form)
{
    playTopRows(form, 5);
    flagWrongly(form);
    for (int tick = 0; tick < 1000; ++tick)
        form.Timer1_Timer();
}

void clickPair(pexeso::Form1 &form, int value)
{
    for (int n = 0; n <= 35; ++n)
        if (form.cardof(n) == value && form.removed(n) == 0)
            form.Image3_Click(n);
}

void cardGame(void (*play)(pexeso::Form1 &), const QString &name)
{
    support::useSeed(7);
    pexeso::Form1 form;
    form.Load();
    form.Show();
    if (!support::showAndWait(form.window()))
        QTextStream(stderr) << "the window was not shown\n";
    play(form);
    shoot(form.window(), name);
}

void cardsStart(pexeso::Form1 &) {}
void cardsKeyboard(pexeso::Form1 &form) { showCursor(form.window()); }
void cardsMiddle(pexeso::Form1 &form)
{
    for (int value = 2; value <= 8; ++value) {
        clickPair(form, value);
        form.Image3_Click(form.firstcard.value()); // resolves the turn
    }
    // A turn of two different cards, still face up.
    int first = -1;
    for (int n = 0; n <= 35 && first < 0; ++n)
        if (form.removed(n) == 0)
            first = n;
    form.Image3_Click(first);
    for (int n = 35; n >= 0; --n)
        if (form.removed(n) == 0 && form.cardof(n) != form.cardof(first)) {
            form.Image3_Click(n);
            break;
        }
}
void cardsWon(pexeso::Form1 &form)
{
    for (int value = 2; value <= 19; ++value) {
        clickPair(form, value);
        if (value < 19)
            form.Image3_Click(form.firstcard.value());
    }
}
void cardsCleared(pexeso::Form1 &form)
{
    cardsWon(form);
    form.Image3_Click(form.firstcard.value());
}

} // namespace

int main(int argc, char *argv[])
{
    rt::roundDisplayScale();
    QApplication app(argc, argv);
    target = QDir(argc > 1 ? argv[1] : ".");
    target.mkpath(".");
    support::MessageRecorder messages; // the endings' message boxes are not shown

    mineGame(21, mineStart, "miny-start");
    mineGame(21, mineKeyboard, "miny-keyboard");
    mineGame(21, mineMiddle, "miny-middle");
    mineGame(21, mineWon, "miny-won");
    mineGame(21, mineLost, "miny-lost");
    mineGame(21, mineTimeOut, "miny-timeout");
    cardGame(cardsStart, "pexeso-start");
    cardGame(cardsKeyboard, "pexeso-keyboard");
    cardGame(cardsMiddle, "pexeso-middle");
    cardGame(cardsWon, "pexeso-won");
    cardGame(cardsCleared, "pexeso-cleared");
    return 0;
}
