#pragma once

class QWidget;

// Ends the event loop as soon as the window's first paint has been done, and
// then prints the process's peak resident memory as "peak_rss_kb=N".
void quitAfterFirstPaint(QWidget *window);
void printPeakMemory();
