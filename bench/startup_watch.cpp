// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the X display of $DISPLAY and reports when its first top-level window maps, when
// that window first receives drawing, and the program's resident memory a while after the start:
//
//   startup_watch [--rss-after MS] PROGRAM [ARGUMENTS...]
//   -> map_ms=183.4 paint_ms=190.2 rss_kib=38812 windows=3
//
// The root window's SubstructureNotify events arrive as the server maps a window, so the map time carries
// no polling delay; the first drawing is the first DAMAGE report on the mapped window. Meant for a server
// without a window manager, where top-level windows are children of the root. The clock starts just
// before the fork that execs the program; the program is ended with SIGTERM after the memory reading.
// `windows` counts the top-level windows mapped at the memory reading, which tells what was on the screen.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

class Watch {
public:
    explicit Watch(xcb_connection_t* connection) : m_x(connection) {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(m_x, &xcb_damage_id);
        m_damageEvent = damage && damage->present ? damage->first_event + XCB_DAMAGE_NOTIFY : 0;
        if (m_damageEvent)
            std::unique_ptr<xcb_damage_query_version_reply_t, FreeDeleter>(xcb_damage_query_version_reply(
                m_x, xcb_damage_query_version(m_x, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
                nullptr));
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_x, m_root, XCB_CW_EVENT_MASK, &mask);
        // A round trip: the selection is in force before the program starts.
        std::free(xcb_get_input_focus_reply(m_x, xcb_get_input_focus(m_x), nullptr));
    }

    bool damageAvailable() const { return m_damageEvent != 0; }

    // Handles the events queued now, stamping them with the time since start.
    void take(Clock::time_point start) {
        while (auto* raw = xcb_poll_for_event(m_x)) {
            std::unique_ptr<xcb_generic_event_t, FreeDeleter> event(raw);
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY) {
                const auto* mapped = reinterpret_cast<const xcb_map_notify_event_t*>(raw);
                if (mapped->event != m_root || mapped->override_redirect)
                    continue;
                shown.insert(mapped->window);
                if (map)
                    continue;
                map = millisecondsSince(start);
                watchDrawing(mapped->window);
            } else if (type == XCB_UNMAP_NOTIFY) {
                shown.erase(reinterpret_cast<const xcb_unmap_notify_event_t*>(raw)->window);
            } else if (type == XCB_DESTROY_NOTIFY) {
                shown.erase(reinterpret_cast<const xcb_destroy_notify_event_t*>(raw)->window);
            } else if (m_damageEvent && type == m_damageEvent && !paint && event->sequence != m_created) {
                paint = millisecondsSince(start);
            }
        }
    }

    int fd() const { return xcb_get_file_descriptor(m_x); }

    std::optional<double> map;
    std::optional<double> paint;
    // The top-level windows mapped now.
    std::set<xcb_window_t> shown;

private:
    void watchDrawing(xcb_window_t window) {
        if (!m_damageEvent)
            return;
        // The server reports a new damage object's window as damaged at once; that report is not drawing,
        // so it is told by its sequence number and cleared at once.
        const xcb_damage_damage_t damage = xcb_generate_id(m_x);
        m_created = static_cast<uint16_t>(
            xcb_damage_create(m_x, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY).sequence);
        xcb_damage_subtract(m_x, damage, XCB_NONE, XCB_NONE);
        xcb_flush(m_x);
    }

    xcb_connection_t* m_x;
    xcb_window_t m_root = 0;
    uint8_t m_damageEvent = 0;
    uint16_t m_created = 0;
};

int usage() {
    std::fprintf(stderr, "usage: startup_watch [--rss-after MS] PROGRAM [ARGUMENTS...]\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    int first = 1;
    int rssAfter = 3000;
    if (argc > 2 && std::strcmp(argv[1], "--rss-after") == 0) {
        rssAfter = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc || rssAfter <= 0)
        return usage();
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startup_watch: cannot open the display\n");
        return 1;
    }
    Watch watch(connection);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("startup_watch: fork");
        return 1;
    }
    if (pid == 0) {
        close(xcb_get_file_descriptor(connection));
        execvp(argv[first], argv + first);
        std::perror("startup_watch: exec");
        _exit(127);
    }

    bool exited = false;
    int status = 0;
    while (millisecondsSince(start) < rssAfter) {
        pollfd ready{watch.fd(), POLLIN, 0};
        const int wait = std::max(1, static_cast<int>(rssAfter - millisecondsSince(start)));
        if (poll(&ready, 1, std::min(wait, 50)) < 0 && errno != EINTR)
            break;
        watch.take(start);
        if (waitpid(pid, &status, WNOHANG) == pid) {
            exited = true;
            break;
        }
    }
    watch.take(start);
    const long rss = exited ? -1 : residentKiB(pid);
    const size_t windows = watch.shown.size();
    if (!exited) {
        kill(pid, SIGTERM);
        waitpid(pid, &status, 0);
    }
    xcb_disconnect(connection);

    if (!watch.map || exited) {
        std::fprintf(stderr, "startup_watch: %s\n",
                     exited ? "the program ended before the memory reading" : "no window mapped");
        return 1;
    }
    char paint[32] = "none";
    if (watch.paint)
        std::snprintf(paint, sizeof paint, "%.1f", *watch.paint);
    std::printf("map_ms=%.1f paint_ms=%s rss_kib=%ld windows=%zu\n", *watch.map, paint, rss, windows);
    return 0;
}
