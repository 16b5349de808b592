#include "framewatcher.h"

#include "monotonicclock.h"

#include <poll.h>
#include <sys/wait.h>
#include <xcb/damage.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

// A top-level window: where it lies on the screen, and which of its pixels
// have been drawn since it was mapped.
struct FrameWatcher::Watched
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool mapped = false;
    long long mappedAt = 0;
    std::vector<std::uint8_t> drawn; // one byte a pixel
    long covered = 0;
    int reports = 0;

    void startOver()
    {
        drawn.assign(std::size_t(width) * std::size_t(height), 0);
        covered = 0;
        reports = 0;
    }

    // A drawing at a place on the screen; true if it reached the window.
    bool markDrawn(int screenX, int screenY, int w, int h)
    {
        const int left = std::max(screenX - x, 0);
        const int top = std::max(screenY - y, 0);
        const int right = std::min(screenX - x + w, width);
        const int bottom = std::min(screenY - y + h, height);
        if (left >= right || top >= bottom)
            return false;
        ++reports;
        for (int row = top; row < bottom; ++row) {
            std::uint8_t *from = &drawn[std::size_t(row) * std::size_t(width) + std::size_t(left)];
            covered += std::count(from, from + (right - left), 0);
            std::fill(from, from + (right - left), 1);
        }
        return true;
    }

    bool whole() const { return covered == long(width) * long(height); }
};

FrameWatcher::FrameWatcher()
{
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        problem_ = "cannot connect to the display";
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int k = 0; k < screenNumber; ++k)
        xcb_screen_next(&screens);
    root_ = screens.data->root;

    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present) {
        problem_ = "the display has no damage extension";
        return;
    }
    damageEvent_ = damage->first_event;
    free(xcb_damage_query_version_reply(
        connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    // Every drawing on the screen, each reported as it is made.
    xcb_damage_create(connection_, xcb_generate_id(connection_), root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);

    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
    xcb_flush(connection_);
}

FrameWatcher::~FrameWatcher()
{
    xcb_disconnect(connection_);
}

void FrameWatcher::reset()
{
    windows_.clear();
    complete_.reset();
    tracingFrom_ = monotonicNanoseconds();
}

bool FrameWatcher::handle(xcb_generic_event_t *event)
{
    const long long now = monotonicNanoseconds();
    const double at = double(now - tracingFrom_) / 1e6;
    const std::uint8_t type = event->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
        auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
        if (tracing_)
            std::fprintf(stderr, "%8.2f ms  created %#x %dx%d+%d+%d%s\n", at, created->window, created->width,
                         created->height, created->x, created->y,
                         created->override_redirect ? " override-redirect" : "");
        if (created->parent != root_ || created->override_redirect)
            return false;
        auto watched = std::make_unique<Watched>();
        watched->x = created->x;
        watched->y = created->y;
        watched->width = created->width;
        watched->height = created->height;
        windows_[created->window] = std::move(watched);
        return false;
    }
    if (type == XCB_CONFIGURE_NOTIFY) {
        auto *configured = reinterpret_cast<xcb_configure_notify_event_t *>(event);
        if (tracing_)
            std::fprintf(stderr, "%8.2f ms  configured %#x %dx%d+%d+%d\n", at, configured->window,
                         configured->width, configured->height, configured->x, configured->y);
        const auto found = windows_.find(configured->window);
        if (found == windows_.end())
            return false;
        Watched &watched = *found->second;
        if (watched.x == configured->x && watched.y == configured->y && watched.width == configured->width
            && watched.height == configured->height)
            return false;
        watched.x = configured->x;
        watched.y = configured->y;
        watched.width = configured->width;
        watched.height = configured->height;
        watched.startOver();
        return false;
    }
    if (type == XCB_MAP_NOTIFY) {
        auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(event);
        if (tracing_)
            std::fprintf(stderr, "%8.2f ms  mapped %#x\n", at, mapped->window);
        const auto found = windows_.find(mapped->window);
        if (found == windows_.end())
            return false;
        found->second->mapped = true;
        found->second->mappedAt = now;
        found->second->startOver();
        return false;
    }
    if (type == XCB_UNMAP_NOTIFY) {
        const auto found = windows_.find(reinterpret_cast<xcb_unmap_notify_event_t *>(event)->window);
        if (found != windows_.end())
            found->second->mapped = false;
        return false;
    }
    if (type == XCB_DESTROY_NOTIFY) {
        windows_.erase(reinterpret_cast<xcb_destroy_notify_event_t *>(event)->window);
        return false;
    }
    if (type == damageEvent_ + XCB_DAMAGE_NOTIFY) {
        const xcb_rectangle_t area = reinterpret_cast<xcb_damage_notify_event_t *>(event)->area;
        if (tracing_)
            std::fprintf(stderr, "%8.2f ms  drawn %dx%d+%d+%d\n", at, area.width, area.height, area.x, area.y);
        for (auto &[window, watched] : windows_) {
            if (!watched->mapped || watched->whole() || !watched->markDrawn(area.x, area.y, area.width, area.height)
                || !watched->whole() || complete_)
                continue;
            complete_ = Frame{watched->mappedAt, now, window, watched->x, watched->y, watched->width, watched->height,
                              watched->reports};
        }
        return bool(complete_);
    }
    if (tracing_ && type == 0)
        std::fprintf(stderr, "%8.2f ms  error %d\n", at, reinterpret_cast<xcb_generic_error_t *>(event)->error_code);
    return false;
}

bool FrameWatcher::waitForEvent(int timeoutMs)
{
    pollfd descriptor{xcb_get_file_descriptor(connection_), POLLIN, 0};
    return poll(&descriptor, 1, timeoutMs) > 0;
}

std::optional<FrameWatcher::Frame> FrameWatcher::waitForFirstFrame(pid_t pid, int timeoutMs)
{
    const long long deadline = monotonicNanoseconds() + timeoutMs * 1000000LL;
    while (!complete_) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
            handle(event);
            free(event);
        }
        if (complete_ || xcb_connection_has_error(connection_))
            break;
        siginfo_t ended{};
        if (waitid(P_PID, id_t(pid), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 && ended.si_pid == pid)
            return std::nullopt;
        const long long left = deadline - monotonicNanoseconds();
        if (left <= 0)
            return std::nullopt;
        waitForEvent(int(std::min(left / 1000000 + 1, 20LL)));
    }
    return complete_;
}

void FrameWatcher::waitUntilQuiet(const Frame &frame, int quietMs, int timeoutMs)
{
    const long long deadline = monotonicNanoseconds() + timeoutMs * 1000000LL;
    long long quietFrom = monotonicNanoseconds();
    while (monotonicNanoseconds() - quietFrom < quietMs * 1000000LL && monotonicNanoseconds() < deadline) {
        waitForEvent(quietMs);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
            if ((event->response_type & 0x7f) == damageEvent_ + XCB_DAMAGE_NOTIFY) {
                const xcb_rectangle_t area = reinterpret_cast<xcb_damage_notify_event_t *>(event)->area;
                if (area.x < frame.x + frame.width && area.x + area.width > frame.x
                    && area.y < frame.y + frame.height && area.y + area.height > frame.y)
                    quietFrom = monotonicNanoseconds();
            }
            handle(event);
            free(event);
        }
    }
}

std::vector<std::uint8_t> FrameWatcher::grab(const Frame &frame)
{
    xcb_get_image_reply_t *image = xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, frame.window, 0, 0, std::uint16_t(frame.width),
                      std::uint16_t(frame.height), ~0u),
        nullptr);
    if (!image)
        return {};
    const std::uint8_t *data = xcb_get_image_data(image);
    std::vector<std::uint8_t> pixels(data, data + xcb_get_image_data_length(image));
    free(image);
    return pixels;
}
