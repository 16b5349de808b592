#include "minyfield.h"

#include "testsupport.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <array>
#include <deque>

namespace support {

void stopClock(miny::Form1 &form)
{
    if (auto *timer = form.window()->findChild<QTimer *>())
        timer->stop();
}

std::unique_ptr<miny::Form1> seededMineGame(std::uint32_t seed, bool ticked)
{
    useSeed(seed);
    auto form = std::make_unique<miny::Form1>();
    form->Load();
    stopClock(*form);
    if (!ticked) {
        form->Check1.setValue(0);
        form->novahra();
    }
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

std::unique_ptr<miny::Form1> mineGame(const std::vector<Cell> &mines)
{
    auto form = seededMineGame(1);
    dealMines(*form, mines);
    return form;
}

std::vector<Cell> paddedTo(std::vector<Cell> mines, int total)
{
    for (int n = 399; n >= 0 && int(mines.size()) < total; --n) {
        const Cell cell{n % 20, n / 20};
        if (std::find(mines.begin(), mines.end(), cell) == mines.end())
            mines.push_back(cell);
    }
    return mines;
}

std::vector<Cell> packedTopLeft(int total)
{
    std::vector<Cell> mines;
    for (int n = 0; n < total; ++n)
        mines.push_back({n % 20, n / 20});
    return mines;
}

int element(const Cell &cell)
{
    return cell.second * 20 + cell.first + 1;
}

// The pictures of Image2(0) to Image2(14), by handle.
static std::array<long, 15> cellPictures(miny::Form1 &form)
{
    std::array<long, 15> handles{};
    for (int k = 0; k <= 14; ++k)
        handles[k] = form.Image2(k).picture().Handle();
    return handles;
}

static int elementShowing(const std::array<long, 15> &cellPictures, miny::Form1 &form, int n)
{
    const auto at = std::find(cellPictures.begin(), cellPictures.end(), form.Image3(n).picture().Handle());
    return at == cellPictures.end() ? -1 : int(at - cellPictures.begin());
}

int shownElement(miny::Form1 &form, int n)
{
    return elementShowing(cellPictures(form), form, n);
}

int faceShown(miny::Form1 &form)
{
    for (int k = 0; k <= 4; ++k)
        if (form.Image1(5).picture().Handle() == form.Image1(k).picture().Handle())
            return k;
    return -1;
}

static bool inField(int col, int row)
{
    return col >= 0 && col < 20 && row >= 0 && row < 20;
}

int neighbouringMines(miny::Form1 &form, const Cell &cell)
{
    int mines = 0;
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc)
            if ((dc || dr) && inField(cell.first + dc, cell.second + dr))
                mines += form.content(cell.first + dc, cell.second + dr) == "mina";
    return mines;
}

int uncoveredCount(miny::Form1 &form)
{
    int uncovered = 0;
    for (int row = 0; row < 20; ++row)
        for (int col = 0; col < 20; ++col)
            uncovered += form.state(col, row) == 0;
    return uncovered;
}

void press(miny::Form1 &form, const Cell &cell, int button)
{
    form.Image3_MouseDown(element(cell), button, 0, 0, 0);
    form.Image3_MouseUp(element(cell), button, 0, 0, 0);
}

std::set<Cell> expectedOpening(miny::Form1 &form, const Cell &start)
{
    std::set<Cell> opened;
    std::deque<Cell> queue{start};
    while (!queue.empty()) {
        const Cell cell = queue.front();
        queue.pop_front();
        const int n = element(cell);
        if (opened.count(cell) || form.state(cell.first, cell.second) == 0 || form.cellshows(n, 10))
            continue;
        opened.insert(cell);
        if (neighbouringMines(form, cell) > 0)
            continue;
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc)
                if ((dc || dr) && inField(cell.first + dc, cell.second + dr))
                    queue.push_back({cell.first + dc, cell.second + dr});
    }
    return opened;
}

QString brokenInvariant(miny::Form1 &form)
{
    const std::array<long, 15> pictures = cellPictures(form);

    const int playing = form.playing.value();
    const int finished = form.finished.value();
    if ((playing != 0 && playing != -1) || (finished != 0 && finished != -1) || (playing && finished))
        return QString("phase %1, %2").arg(playing).arg(finished);
    const int total = form.minetotal.value();
    if (total != 27 && total != 54)
        return QString("minetotal %1").arg(total);
    if (form.minesleft.value() > total)
        return QString("minesleft %1 above %2").arg(form.minesleft.value()).arg(total);
    int mines = 0;
    int flags = 0;
    for (int row = 0; row < 20; ++row) {
        for (int col = 0; col < 20; ++col) {
            const int n = element({col, row});
            const bool mine = form.content(col, row) == "mina";
            const int state = form.state(col, row).value();
            const int shown = elementShowing(pictures, form, n);
            mines += mine;
            flags += shown == 10;
            auto at = [&] { return QString(" at %1,%2").arg(col).arg(row); };
            if (state != 0 && state != -1)
                return "state " + QString::number(state) + at();
            if (state == 0 && mine)
                return "uncovered mine" + at();
            if (state == 0) {
                const int count = neighbouringMines(form, {col, row});
                if (shown != (count == 0 ? 9 : count - 1))
                    return QString("uncovered cell shows %1 with %2 mines around").arg(shown).arg(count) + at();
                const std::string text = count == 0 ? "nic" : " " + std::to_string(count);
                if (form.content(col, row) != text)
                    return "content " + QString::fromStdString(form.content(col, row)) + at();
            } else if (finished == 0 && shown != 8 && shown != 10 && shown != 11) {
                return "covered cell shows " + QString::number(shown) + at();
            } else if (!mine && form.content(col, row) != "nic") {
                return "covered content " + QString::fromStdString(form.content(col, row)) + at();
            }
        }
    }
    if (mines != total)
        return QString("%1 mines, %2 dealt").arg(mines).arg(total);
    if (finished == 0 && form.minesleft.value() + flags != total)
        return QString("counter %1 with %2 flags").arg(form.minesleft.value()).arg(flags);
    return {};
}

} // namespace support
