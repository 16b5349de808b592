#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// Watches, from its own connection to the X server, the top-level windows
// that programs create, and tells when one of them has shown its first
// complete frame: when every pixel of the mapped window has been reported
// drawn. Without a window manager a top-level window is a child of the root
// window, so watching the root sees each one being made, moved and mapped.
// A damage object on the root window, made before any program starts,
// reports every drawing on the screen, whichever window it went into, so no
// drawing can be missed however soon a window is mapped and drawn. The
// server carries out one request at a time and reports a drawing while it
// carries it out, so a request sent after the last report (a grab, say)
// sees the frame whole.
class FrameWatcher
{
public:
    struct Frame
    {
        long long mappedAt = 0;   // on the monotonic clock
        long long completeAt = 0; // the report that covered the last pixel
        xcb_window_t window = 0;
        int x = 0;                // on the screen
        int y = 0;
        int width = 0;
        int height = 0;
        int reports = 0;          // drawings reported from the map to the whole frame
    };

    // Connects to $DISPLAY.
    FrameWatcher();
    ~FrameWatcher();
    FrameWatcher(const FrameWatcher &) = delete;
    FrameWatcher &operator=(const FrameWatcher &) = delete;

    // Empty if there is no display or it lacks the damage extension.
    const char *problem() const { return problem_; }

    // Waits for the first complete frame of a window that process pid maps
    // from now on; empty if the process ends or the time runs out first.
    std::optional<Frame> waitForFirstFrame(pid_t pid, int timeoutMs);

    // Waits until the window has gone quietMs without a drawing.
    void waitUntilQuiet(const Frame &frame, int quietMs, int timeoutMs);

    // The window's pixels as the server holds them, row by row.
    std::vector<std::uint8_t> grab(const Frame &frame);

    // Forgets the windows seen so far.
    void reset();

    // Prints every event it handles to stderr.
    void setTracing(bool on) { tracing_ = on; }

private:
    struct Watched;

    // Handles one event; true when it completed a frame.
    bool handle(xcb_generic_event_t *event);
    bool waitForEvent(int timeoutMs);

    xcb_connection_t *connection_ = nullptr;
    xcb_window_t root_ = 0;
    std::uint8_t damageEvent_ = 0;
    const char *problem_ = nullptr;
    bool tracing_ = false;
    long long tracingFrom_ = 0;
    std::map<xcb_window_t, std::unique_ptr<Watched>> windows_;
    std::optional<Frame> complete_;
};
