#pragma once

// Runs the registered benchmarks inside a Qt application on the offscreen
// platform, unless another platform is asked for.
int runBenchmarks(int argc, char *argv[]);
