#!/usr/bin/env bash
# Runs every benchmark against a build folder and prints the figures the
# README's Performance section quotes. Needs a display: run it under xvfb-run.
set -euo pipefail
build=${1:-build}
idle_seconds=${2:-60}
b="$build/bench"

echo "== In-process figures (Google Benchmark, offscreen)"
QT_QPA_PLATFORM=offscreen "$b/bench_miny"

echo
echo "== Start-up to the first painted frame, against a bare window of the same client size"
hyperfine -N --warmup 5 --runs 60 \
    "$b/startup_bare 300 331" "$b/startup_miny" \
    "$b/startup_bare 434 452" "$b/startup_pexeso"

echo
echo "== Peak resident memory (median of 9 runs, kB)"
peak() {
    for _ in 1 2 3 4 5 6 7 8 9; do "$@" 2>/dev/null | sed -n 's/^peak_rss_kb=//p'; done | sort -n | sed -n 5p
}
bare_miny=$(peak "$b/startup_bare" 300 331)
miny=$(peak "$b/startup_miny")
bare_pexeso=$(peak "$b/startup_bare" 434 452)
pexeso=$(peak "$b/startup_pexeso")
awk -v a="$miny" -v b="$bare_miny" 'BEGIN { printf "miny    %6d kB, bare window %6d kB: %.2f x\n", a, b, a / b }'
awk -v a="$pexeso" -v b="$bare_pexeso" 'BEGIN { printf "pexeso  %6d kB, bare window %6d kB: %.2f x\n", a, b, a / b }'

echo
echo "== Idle: a running game of miny left alone"
"$b/idle_miny" "$idle_seconds" 2>/dev/null
