// Starts a bare window and a game in turn, many times, and compares their
// start-up: the time from starting the process to its first painted frame
// and the peak resident memory until then (both reported by the program, see
// firstpaint.h); for reference also the time until the process has ended and
// its peak memory over the whole run, the ending included. Alternating the
// two keeps a changing load on the machine from favouring either, and each
// figure is the median over the rounds of the game's run against the bare
// window's run of the same round. Every run starts on a settled machine: the
// display server is still tearing down the last program's window for a while
// after it has ended, and a start that overlaps that work is slowed by it.
//
//   startup_runner NAME RUNS BARE [ARGS...] -- GAME [ARGS...]
#include "monotonicclock.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr double timeTarget = 1.05;
constexpr double memoryTarget = 1.05;
constexpr int warmupRuns = 5;
constexpr useconds_t settleMicroseconds = 50000;

struct Run
{
    double firstFrameMs = 0;
    double totalMs = 0;
    long peakKb = 0;
    long wholeRunPeakKb = 0;
};

struct Series
{
    std::vector<double> firstFrameMs, totalMs, peakKb, wholeRunPeakKb;
    void add(const Run &run)
    {
        firstFrameMs.push_back(run.firstFrameMs);
        totalMs.push_back(run.totalMs);
        peakKb.push_back(double(run.peakKb));
        wholeRunPeakKb.push_back(double(run.wholeRunPeakKb));
    }
};

bool runOnce(const std::vector<char *> &command, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    usleep(settleMicroseconds);
    pid_t pid = 0;
    const long long start = monotonicNanoseconds();
    const int spawned = posix_spawn(&pid, command[0], &actions, nullptr, command.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const long long end = monotonicNanoseconds();

    const auto frame = text.find("first_frame_ns=");
    const auto peak = text.find("peak_rss_kb=");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || frame == std::string::npos || peak == std::string::npos)
        return false;
    const long long firstFrame = std::atoll(text.c_str() + frame + std::strlen("first_frame_ns="));
    run.firstFrameMs = double(firstFrame - start) / 1e6;
    run.totalMs = double(end - start) / 1e6;
    run.peakKb = std::atol(text.c_str() + peak + std::strlen("peak_rss_kb="));
    run.wholeRunPeakKb = usage.ru_maxrss;
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double medianRatio(const std::vector<double> &game, const std::vector<double> &bare)
{
    std::vector<double> ratios;
    for (std::size_t k = 0; k < game.size(); ++k)
        ratios.push_back(game[k] / bare[k]);
    return median(ratios);
}

// Prints the medians of both, then the median of the rounds' ratios, and
// returns that ratio.
double printFigure(const char *what, const char *unit, const std::vector<double> &game,
                   const std::vector<double> &bare)
{
    const double ratio = medianRatio(game, bare);
    std::printf("  %-30s %8.1f %s against %8.1f %s: %.3f x", what, median(game), unit, median(bare), unit,
                ratio);
    return ratio;
}

void report(const char *what, const char *unit, const std::vector<double> &game,
            const std::vector<double> &bare, double target)
{
    const double ratio = printFigure(what, unit, game, bare);
    std::printf("  (target <= %.2f x) %s\n", target, ratio <= target ? "met" : "NOT MET");
}

void reportForReference(const char *what, const char *unit, const std::vector<double> &game,
                        const std::vector<double> &bare)
{
    printFigure(what, unit, game, bare);
    std::printf("  (for reference)\n");
}

} // namespace

int main(int argc, char *argv[])
{
    std::vector<char *> bare, game;
    int i = 3;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        bare.push_back(argv[i]);
    for (++i; i < argc; ++i)
        game.push_back(argv[i]);
    if (argc < 5 || bare.empty() || game.empty()) {
        std::fprintf(stderr, "usage: startup_runner NAME RUNS BARE [ARGS...] -- GAME [ARGS...]\n");
        return 2;
    }
    bare.push_back(nullptr);
    game.push_back(nullptr);
    const char *name = argv[1];
    const int runs = std::max(1, std::atoi(argv[2]));

    Series bareSeries, gameSeries;
    for (int k = 0; k < warmupRuns + runs; ++k) {
        Run bareRun, gameRun;
        // Each starts first in every other round, so that neither always
        // follows the other.
        const bool bareFirst = k % 2 == 0;
        if (!(bareFirst ? runOnce(bare, bareRun) && runOnce(game, gameRun)
                        : runOnce(game, gameRun) && runOnce(bare, bareRun))) {
            std::fprintf(stderr, "%s: a run failed\n", name);
            return 1;
        }
        if (k < warmupRuns)
            continue;
        bareSeries.add(bareRun);
        gameSeries.add(gameRun);
    }

    std::printf("%s, %d alternating rounds: medians, and the median of the rounds' ratios\n", name, runs);
    report("start-up to the first frame", "ms", gameSeries.firstFrameMs, bareSeries.firstFrameMs, timeTarget);
    report("peak memory to first frame", "kB", gameSeries.peakKb, bareSeries.peakKb, memoryTarget);
    reportForReference("start to exit", "ms", gameSeries.totalMs, bareSeries.totalMs);
    reportForReference("peak memory, whole run", "kB", gameSeries.wholeRunPeakKb, bareSeries.wholeRunPeakKb);
    return 0;
}
