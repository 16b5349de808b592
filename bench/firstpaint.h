#pragma once

#include "monotonicclock.h"

class QWidget;

// Ends the event loop as soon as the window's first paint has been done and
// flushed, printing the moment as "first_frame_ns=N" on the monotonic clock
// and the peak memory until then.
void quitAfterFirstPaint(QWidget *window);
// Prints the process's peak resident memory as "peak_rss_kb=N".
void printPeakMemory();
