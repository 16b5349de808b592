// Starts a program and watches its window from outside, on the display
// server: the time from starting the process to the first complete frame of
// its window (see framewatcher.h), and the peak resident memory until then,
// read from the process stopped at that moment. A bare window and a game are
// started in turn, each of them first in every other round, so that a
// changing load on the machine favours neither, and each figure is the
// median over the rounds of the game's run against the bare window's run of
// the same round. Every run starts on a settled display: the server goes on
// tearing down the last program's window for a while after it has ended, and
// a start that overlaps that work is slowed by it.
//
//   startup_probe NAME ROUNDS SERIES BARE [ARGS...] -- GAME [ARGS...]
//   startup_probe --check PROGRAM [ARGS...]
//   startup_probe --end-at-frame PROGRAM [ARGS...]
//
// The first form runs SERIES series of ROUNDS rounds each and prints each
// series' figures, and the spread of its ratios over the series. The second
// checks the frame the first one times: it grabs the window while the
// process is stopped at its first complete frame, lets the program run on
// until its window has been left alone for a while, grabs it again, and
// fails unless the two are the same. The third ends the program with SIGTERM
// at its first complete frame, for a profiler that runs it in its own
// process (valgrind).
// STARTUP_PROBE_TRACE=1 in the environment prints every event the last two
// see.
#include "framewatcher.h"
#include "monotonicclock.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr double timeTarget = 1.05;
constexpr double memoryTarget = 1.05;
constexpr int warmupRounds = 5;
constexpr useconds_t settleMicroseconds = 50000;
constexpr int frameTimeoutMs = 10000;

struct Run
{
    double mapMs = 0;
    double frameMs = 0;
    double peakKb = 0;
    double processorMs = 0;
    double pageFaults = 0;
};

struct Series
{
    std::vector<double> mapMs, frameMs, paintMs, peakKb, processorMs, pageFaults;
    void add(const Run &run)
    {
        processorMs.push_back(run.processorMs);
        pageFaults.push_back(run.pageFaults);
        mapMs.push_back(run.mapMs);
        frameMs.push_back(run.frameMs);
        paintMs.push_back(run.frameMs - run.mapMs);
        peakKb.push_back(run.peakKb);
    }
};

pid_t start(const std::vector<char *> &command)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, command[0], &actions, nullptr, command.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
}

// Stops the process and waits until it has stopped.
void stop(pid_t pid)
{
    kill(pid, SIGSTOP);
    int status = 0;
    waitpid(pid, &status, WUNTRACED);
}

// Ends the process; returns what it used of the machine.
rusage end(pid_t pid)
{
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return usage;
}

// The peak resident memory of a process, from the kernel's own count.
long peakKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + std::strlen("VmHWM:"));
    return 0;
}

// A program stopped at its first complete frame; whoever started it ends it.
struct Stopped
{
    pid_t pid = -1;
    long long startedAt = 0;
    FrameWatcher::Frame frame;
};

std::optional<Stopped> startUntilFirstFrame(FrameWatcher &watcher, const std::vector<char *> &command)
{
    usleep(settleMicroseconds);
    watcher.reset();
    Stopped stopped;
    stopped.startedAt = monotonicNanoseconds();
    stopped.pid = start(command);
    if (stopped.pid < 0)
        return std::nullopt;
    const auto seen = watcher.waitForFirstFrame(stopped.pid, frameTimeoutMs);
    if (!seen) {
        end(stopped.pid);
        return std::nullopt;
    }
    stop(stopped.pid);
    stopped.frame = *seen;
    return stopped;
}

bool runOnce(FrameWatcher &watcher, const std::vector<char *> &command, Run &run)
{
    const auto stopped = startUntilFirstFrame(watcher, command);
    if (!stopped)
        return false;
    run.peakKb = double(peakKilobytes(stopped->pid));
    const rusage usage = end(stopped->pid);
    run.processorMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    run.pageFaults = double(usage.ru_minflt + usage.ru_majflt);
    run.mapMs = double(stopped->frame.mappedAt - stopped->startedAt) / 1e6;
    run.frameMs = double(stopped->frame.completeAt - stopped->startedAt) / 1e6;
    return run.peakKb > 0;
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

// Prints the medians of both and the median of the rounds' ratios, and
// returns that ratio.
double printFigure(const char *what, const char *unit, const std::vector<double> &game,
                   const std::vector<double> &bare)
{
    const double ratio = medianRatio(game, bare);
    std::printf("  %-34s %8.1f %s against %8.1f %s: %.3f x", what, median(game), unit, median(bare), unit, ratio);
    return ratio;
}

double report(const char *what, const char *unit, const std::vector<double> &game, const std::vector<double> &bare,
              double target)
{
    const double ratio = printFigure(what, unit, game, bare);
    std::printf("  (target <= %.2f x) %s\n", target, ratio <= target ? "met" : "NOT MET");
    return ratio;
}

void reportForReference(const char *what, const char *unit, const std::vector<double> &game,
                        const std::vector<double> &bare)
{
    printFigure(what, unit, game, bare);
    std::printf("  (for reference)\n");
}

std::string load()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

struct Ratios
{
    double time = 0;
    double memory = 0;
};

bool runSeries(FrameWatcher &watcher, const char *name, int series, int rounds, const std::vector<char *> &bare,
               const std::vector<char *> &game, Ratios &ratios)
{
    const std::string loadBefore = load();
    Series bareSeries, gameSeries;
    for (int k = 0; k < warmupRounds + rounds; ++k) {
        Run bareRun, gameRun;
        const bool bareFirst = k % 2 == 0;
        if (!(bareFirst ? runOnce(watcher, bare, bareRun) && runOnce(watcher, game, gameRun)
                        : runOnce(watcher, game, gameRun) && runOnce(watcher, bare, bareRun))) {
            std::fprintf(stderr, "%s: a run showed no complete frame\n", name);
            return false;
        }
        if (k < warmupRounds)
            continue;
        bareSeries.add(bareRun);
        gameSeries.add(gameRun);
    }
    std::printf("%s, series %d: %d alternating rounds, load %s before and %s after; medians, and the median of "
                "the rounds' ratios\n",
                name, series, rounds, loadBefore.c_str(), load().c_str());
    ratios.time = report("start to the first complete frame", "ms", gameSeries.frameMs, bareSeries.frameMs,
                         timeTarget);
    ratios.memory = report("peak memory at that frame", "kB", gameSeries.peakKb, bareSeries.peakKb, memoryTarget);
    reportForReference("start to the window mapped", "ms", gameSeries.mapMs, bareSeries.mapMs);
    reportForReference("mapped to the complete frame", "ms", gameSeries.paintMs, bareSeries.paintMs);
    reportForReference("processor time until then", "ms", gameSeries.processorMs, bareSeries.processorMs);
    reportForReference("page faults until then", "", gameSeries.pageFaults, bareSeries.pageFaults);
    return true;
}

void reportSpread(const char *what, const std::vector<double> &ratios, double target)
{
    const auto [lowest, highest] = std::minmax_element(ratios.begin(), ratios.end());
    const auto missed = std::count_if(ratios.begin(), ratios.end(), [target](double ratio) { return ratio > target; });
    std::printf("  %-34s %.3f x, from %.3f to %.3f x  (target <= %.2f x) ", what, median(ratios), *lowest, *highest,
                target);
    if (missed == 0)
        std::printf("met in all %zu series\n", ratios.size());
    else
        std::printf("NOT MET in %td of %zu series\n", missed, ratios.size());
}

// The program of a command line alone, stopped at its first complete frame.
std::optional<Stopped> startAlone(FrameWatcher &watcher, int argc, char *argv[])
{
    watcher.setTracing(std::getenv("STARTUP_PROBE_TRACE") != nullptr);
    std::vector<char *> command(argv, argv + argc);
    command.push_back(nullptr);
    const auto stopped = startUntilFirstFrame(watcher, command);
    if (!stopped)
        std::printf("  %s: no complete frame\n", argv[0]);
    return stopped;
}

std::size_t differingPixels(const std::vector<std::uint8_t> &one, const std::vector<std::uint8_t> &other,
                            std::size_t bytesPerPixel)
{
    std::size_t differing = 0;
    for (std::size_t k = 0; k + bytesPerPixel <= std::min(one.size(), other.size()); k += bytesPerPixel)
        differing += std::memcmp(&one[k], &other[k], bytesPerPixel) != 0;
    return differing;
}

// Grabs the window at its first complete frame and again once the program
// has run on until its window has been left alone for half a second: the
// frame is complete if the two are the same.
int checkFrame(FrameWatcher &watcher, int argc, char *argv[])
{
    const auto stopped = startAlone(watcher, argc, argv);
    if (!stopped)
        return 1;
    const FrameWatcher::Frame &frame = stopped->frame;
    const std::vector<std::uint8_t> atFirstFrame = watcher.grab(frame);
    kill(stopped->pid, SIGCONT);
    watcher.waitUntilQuiet(frame, 500, 5000);
    const std::vector<std::uint8_t> settled = watcher.grab(frame);
    end(stopped->pid);
    const std::size_t bytesPerPixel = atFirstFrame.size() / std::size_t(std::max(frame.width * frame.height, 1));
    const std::size_t differing = differingPixels(atFirstFrame, settled, bytesPerPixel);
    const bool same = !atFirstFrame.empty() && atFirstFrame.size() == settled.size() && differing == 0;
    std::printf("  %s: %d x %d, complete %.1f ms after the start, %d drawing%s after the map; the window then "
                "and once settled: %s\n",
                argv[0], frame.width, frame.height, double(frame.completeAt - stopped->startedAt) / 1e6,
                frame.reports, frame.reports == 1 ? "" : "s",
                same ? "the same" : ("NOT THE SAME, " + std::to_string(differing) + " pixels differ").c_str());
    return same ? 0 : 1;
}

// Ends the program with SIGTERM at its first complete frame, so that a
// profiler it runs under writes out what it counted until then.
int endAtFirstFrame(FrameWatcher &watcher, int argc, char *argv[])
{
    const auto stopped = startAlone(watcher, argc, argv);
    if (!stopped)
        return 1;
    kill(stopped->pid, SIGTERM);
    kill(stopped->pid, SIGCONT);
    int status = 0;
    waitpid(stopped->pid, &status, 0);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    FrameWatcher watcher;
    if (watcher.problem()) {
        std::fprintf(stderr, "startup_probe: %s\n", watcher.problem());
        return 2;
    }
    if (argc >= 3 && std::strcmp(argv[1], "--check") == 0)
        return checkFrame(watcher, argc - 2, argv + 2);
    if (argc >= 3 && std::strcmp(argv[1], "--end-at-frame") == 0)
        return endAtFirstFrame(watcher, argc - 2, argv + 2);

    std::vector<char *> bare, game;
    int i = 4;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        bare.push_back(argv[i]);
    for (++i; i < argc; ++i)
        game.push_back(argv[i]);
    if (argc < 7 || bare.empty() || game.empty()) {
        std::fprintf(stderr, "usage: startup_probe NAME ROUNDS SERIES BARE [ARGS...] -- GAME [ARGS...]\n"
                             "       startup_probe --check PROGRAM [ARGS...]\n"
                             "       startup_probe --end-at-frame PROGRAM [ARGS...]\n");
        return 2;
    }
    bare.push_back(nullptr);
    game.push_back(nullptr);
    const char *name = argv[1];
    const int rounds = std::max(1, std::atoi(argv[2]));
    const int seriesCount = std::max(1, std::atoi(argv[3]));

    std::vector<double> timeRatios, memoryRatios;
    for (int k = 1; k <= seriesCount; ++k) {
        Ratios ratios;
        if (!runSeries(watcher, name, k, rounds, bare, game, ratios))
            return 1;
        timeRatios.push_back(ratios.time);
        memoryRatios.push_back(ratios.memory);
        std::fflush(stdout);
    }
    std::printf("%s over %d series: the median of the series' ratios, and their spread\n", name, seriesCount);
    reportSpread("start to the first complete frame", timeRatios, timeTarget);
    reportSpread("peak memory at that frame", memoryRatios, memoryTarget);
    return 0;
}
