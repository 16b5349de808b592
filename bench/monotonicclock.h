#pragma once

#include <ctime>

// Nanoseconds on the monotonic clock, which a parent process and its
// children share.
inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}
