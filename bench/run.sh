#!/usr/bin/env bash
# Runs every benchmark against a build folder and prints the figures the
# README's Performance section quotes, each with its target where it has one.
# Needs a display without a window manager: run it under xvfb-run.
#   bench/run.sh [BUILD [IDLE_SECONDS]]
# STARTUP_ROUNDS (80), STARTUP_SERIES (3) and BOX_RUNS (7) in the environment.
set -euo pipefail
build=${1:-build-release}
idle_seconds=${2:-60}
startup_rounds=${STARTUP_ROUNDS:-80}
startup_series=${STARTUP_SERIES:-3}
box_runs=${BOX_RUNS:-7}
b="$build/bench"

echo "== Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1); load: $(cut -d' ' -f1-3 /proc/loadavg)"

echo
echo "== In-process figures (Google Benchmark, offscreen)"
QT_QPA_PLATFORM=offscreen "$b/bench_miny"

echo
echo "== Start-up of the programs as shipped, seen on the display server: from starting the process to its"
echo "   window's first complete frame, and the peak resident memory then, against a bare window of the same"
echo "   client size; $startup_series series of $startup_rounds rounds"
"$b/startup_probe" miny "$startup_rounds" "$startup_series" "$b/startup_bare" 300 331 -- "$build/miny/miny"
"$b/startup_probe" pexeso "$startup_rounds" "$startup_series" "$b/startup_bare" 434 452 -- "$build/pexeso/pexeso"
echo "  The first complete frame is the whole frame: the window then, with the program stopped, and once it has"
echo "  been left alone for half a second"
checked=0
for program in "$build/miny/miny" "$build/pexeso/pexeso" "$b/startup_bare 300 331" "$b/startup_bare 434 452"; do
    # shellcheck disable=SC2086 # the bare window's size comes with it
    "$b/startup_probe" --check $program || checked=1
done

echo
echo "== The first message box of a run: from the event that opens it to the box mapped on screen"
# Each run is a new program, so each box is the first of its run.
box() { # game
    local times=() line
    for _ in $(seq "$box_runs"); do
        line=$("$b/messagebox_$1" 2>/dev/null)
        times+=("$(sed -n 's/^box_mapped_ms=//p' <<<"$line")")
    done
    sed -n 1p <<<"$line"
    printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$box_runs" '
        { t[NR] = $1 }
        END { median = t[int((NR + 1) / 2)]; worst = t[NR]
              printf "  %d runs: median %.1f ms, slowest %.1f ms  (target < 50 ms) %s\n",
                     runs, median, worst, worst < 50 ? "met" : "NOT MET" }'
}
box miny
box pexeso
echo "  for reference, a box opened at once, before the program has loaded the fonts:"
for game in miny pexeso; do
    printf '  %-7s %s ms\n' "$game" "$("$b/messagebox_$game" 0 2>/dev/null | sed -n 's/^box_mapped_ms=//p')"
done

echo
echo "== Idle: a running game of miny left alone"
"$b/idle_miny" "$idle_seconds" 2>/dev/null
echo
echo "== Load at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
exit "$checked"
