#include "benchmain.h"
#include "messagebox.h"
#include "miny/form1.h"
#include "minyfield.h"

#include <QRandomGenerator>
#include <QTest>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

// The largest single opening: 27 mines packed into the top-left corner and a
// press on the far corner, which uncovers the other 373 cells.
const std::vector<support::Cell> packedCorner = support::packedTopLeft(27);

void dealPackedCorner(miny::Form1 &form)
{
    support::dealMines(form, packedCorner);
}

std::unique_ptr<miny::Form1> packedCornerGame()
{
    return support::seededMineGame(1);
}

void pressFarCorner(miny::Form1 &form)
{
    form.Image3_MouseDown(400, 1, 0, 0, 0);
    form.Image3_MouseUp(400, 1, 0, 0, 0);
}

void BM_LargestOpening_Logic(benchmark::State &state)
{
    auto form = packedCornerGame();
    for (auto _ : state) {
        state.PauseTiming();
        dealPackedCorner(*form);
        state.ResumeTiming();
        pressFarCorner(*form);
    }
    if (form->finished != -1)
        state.SkipWithError("the opening did not win");
}
BENCHMARK(BM_LargestOpening_Logic)->Unit(benchmark::kMicrosecond);

void BM_LargestOpening_WithRepaint(benchmark::State &state)
{
    auto form = packedCornerGame();
    form->Show();
    if (!QTest::qWaitForWindowExposed(form->window()))
        state.SkipWithError("window not exposed");
    for (auto _ : state) {
        state.PauseTiming();
        dealPackedCorner(*form);
        form->window()->repaint();
        state.ResumeTiming();
        pressFarCorner(*form);
        form->window()->repaint();
    }
}
BENCHMARK(BM_LargestOpening_WithRepaint)->Unit(benchmark::kMicrosecond);

// A random player over many games of 54 mines: presses, face button, ticks.
void BM_RandomPlayer(benchmark::State &state)
{
    rt::setMessageBoxHandler([](const std::string &, const std::string &) {});
    auto form = support::seededMineGame(1);
    support::MinyPlayer player(*form);
    QRandomGenerator chance(7);
    for (auto _ : state)
        player.playOneEvent(chance);
    state.counters["events/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomPlayer)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    return runBenchmarks(argc, argv);
}
