#include "minyfield.h"

#include <QTimer>

#include <algorithm>
#include <array>

namespace support {

std::unique_ptr<miny::Form1> seededMineGame(std::uint32_t seed)
{
    useSeed(seed);
    auto form = std::make_unique<miny::Form1>();
    form->Load();
    if (auto *timer = form->window()->findChild<QTimer *>())
        timer->stop();
    return form;
}

void dealMines(miny::Form1 &form, const std::vector<Cell> &mines)
{
    form.Check1.setValue(mines.size() == 54 ? 1 : 0);
    std::vector<float> script;
    for (const auto &[col, row] : mines) {
        script.push_back(drawFor(col, 20));
        script.push_back(drawFor(row, 20));
    }
    useScript(script);
    form.novahra();
}

std::vector<Cell> packedTopLeft(int total)
{
    std::vector<Cell> mines;
    for (int n = 0; n < total; ++n)
        mines.push_back({n % 20, n / 20});
    return mines;
}

template <typename Visit>
static void forEachNeighbour(const Cell &cell, Visit visit)
{
    for (int d = 0; d < 9; ++d) {
        const Cell next{cell.first + d % 3 - 1, cell.second + d / 3 - 1};
        if (d != 4 && next.first >= 0 && next.first < 20 && next.second >= 0 && next.second < 20)
            visit(next);
    }
}

int neighbouringMines(miny::Form1 &form, const Cell &cell)
{
    int mines = 0;
    forEachNeighbour(cell, [&](const Cell &c) { mines += form.content(c.first, c.second) == "mina"; });
    return mines;
}

// A cell is uncovered (state 0, no mine, the picture of its count) or covered
// (state -1, content "nic" unless a mine, and while the game lasts a covered,
// flagged or question-marked picture).
QString brokenInvariant(miny::Form1 &form)
{
    std::array<long, 15> pictures; // Image2's by handle, 15 for none: every cell is looked up in them
    for (int k = 0; k <= 14; ++k)
        pictures[k] = form.Image2(k).picture().Handle();
    const int playing = form.playing.value(), finished = form.finished.value(), total = form.minetotal.value();
    if ((playing != 0 && playing != rt::True) || (finished != 0 && finished != rt::True) || (playing && finished))
        return QString("phase %1, %2").arg(playing).arg(finished);
    if ((total != 27 && total != 54) || form.minesleft.value() > total)
        return QString("%1 mines left of %2").arg(form.minesleft.value()).arg(total);
    int mines = 0, flags = 0;
    for (int n = 0; n < 400; ++n) {
        const std::string &content = form.content(n % 20, n / 20);
        const int state = form.state(n % 20, n / 20).value();
        const int shown = int(std::ranges::find(pictures, form.Image3(n + 1).picture().Handle()) - pictures.begin());
        const int count = state == 0 ? neighbouringMines(form, {n % 20, n / 20}) : 0;
        mines += content == "mina";
        flags += shown == 10;
        const bool fine = state == 0
            ? content == (count ? std::string(" ").append(std::to_string(count)) : "nic") && shown == (count ? count - 1 : 9)
            : state == -1 && (content == "mina" || content == "nic")
                && (finished || shown == 8 || shown == 10 || shown == 11);
        if (!fine)
            return QString("cell %1,%2: state %3, content '%4', picture %5")
                .arg(n % 20).arg(n / 20).arg(state).arg(QString::fromStdString(content)).arg(shown);
    }
    if (mines != total || (!finished && form.minesleft.value() + flags != total))
        return QString("%1 mines of %2, %3 flags, %4 left")
            .arg(mines).arg(total).arg(flags).arg(form.minesleft.value());
    return {};
}

void MinyPlayer::playOneEvent(QRandomGenerator &chance)
{
    const int kind = chance.bounded(1000);
    if (kind < 800) {
        const int n = chance.bounded(400);
        press(form_, {n % 20, n / 20}, std::array{1, 1, 1, 2, 2, 4}[chance.bounded(6)]);
    } else if (kind < 820) {
        form_.Image1_MouseDown(5, 1 << chance.bounded(3), 0, 0, 0);
        form_.Image1_MouseUp(5, 1, 0, 0, 0);
    } else if (kind < 830) {
        form_.Check1.setValue(1 - form_.Check1.Value());
        form_.Check1_Click();
    } else if (kind < 831) {
        const bool running = form_.playing == rt::True;
        for (int tick = 0; tick < 1000; ++tick)
            form_.Timer1_Timer();
        timeOuts_ += running && form_.finished == rt::True && form_.seconds > 999;
    } else {
        for (int ticks = chance.bounded(20); ticks > 0; --ticks)
            form_.Timer1_Timer();
    }
}

} // namespace support
