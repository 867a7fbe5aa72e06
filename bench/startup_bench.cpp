// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of programs against a yardstick program, all started in turn so
// that they see the same machine load: from exec to the top-level window
// mapped, from exec to its first paint (the first damage to the window after
// it is mapped, reported by the X server: nothing polls the server), and the
// peak memory once settled. Run on an X display (make bench starts Xvfb):
//   startup_bench YARDSTICK PROGRAM...   (RUNS in the environment, 21 by default)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace {

struct Run {
    double mapped;      // milliseconds
    double firstPaint;  // milliseconds
    double peakKilobytes;
};

using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

class Display {
public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Listens for new top-level windows; false without a display or XDAMAGE.
    bool Listen()
    {
        if (xcb_connection_has_error(connection_)) return false;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (damage == nullptr || !damage->present) return false;
        damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1), nullptr));
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
        return true;
    }

    // Starts `program` and waits (at most 20 s) for its first window to be
    // mapped and painted, lets it settle for 300 ms, ends it and reads its
    // peak memory.
    std::optional<Run> Measure(const char* program)
    {
        const auto start = std::chrono::steady_clock::now();
        const auto since = [start] {
            return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        };
        const pid_t pid = fork();
        if (pid == 0) {
            std::freopen("/dev/null", "w", stderr);  // Qt's start-up chatter
            execl(program, program, static_cast<char*>(nullptr));
            _exit(127);
        }
        std::vector<xcb_damage_damage_t> damages;
        xcb_window_t window = XCB_NONE;
        std::optional<double> mapped, painted;
        while (!painted && since() < 20'000) {
            const Event event(xcb_poll_for_event(connection_), &std::free);
            if (!event) {
                usleep(100);
                continue;
            }
            const int type = event->response_type & 0x7F;
            if (type == XCB_CREATE_NOTIFY) {
                // Watched from its creation, so that no paint can slip by.
                damages.push_back(xcb_generate_id(connection_));
                xcb_damage_create(connection_, damages.back(),
                                  reinterpret_cast<xcb_create_notify_event_t*>(event.get())->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection_);
            } else if (type == XCB_MAP_NOTIFY && !mapped) {
                mapped = since();
                window = reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window;
            } else if (type == damageNotify_ && mapped &&
                       reinterpret_cast<xcb_damage_notify_event_t*>(event.get())->drawable == window) {
                painted = since();
            }
        }
        usleep(300'000);
        kill(pid, SIGTERM);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        for (const xcb_damage_damage_t damage : damages) xcb_damage_destroy(connection_, damage);
        xcb_flush(connection_);
        while (const Event rest{xcb_poll_for_event(connection_), &std::free}) {
        }  // errors of windows gone meanwhile
        if (!painted) return std::nullopt;
        return Run{*mapped, *painted, static_cast<double>(usage.ru_maxrss)};
    }

private:
    xcb_connection_t* connection_;
    int damageNotify_ = -1;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s YARDSTICK PROGRAM...\n", argv[0]);
        return 2;
    }
    const char* runsText = std::getenv("RUNS");
    const int runs = runsText != nullptr ? std::atoi(runsText) : 21;
    Display display;
    if (!display.Listen()) {
        std::fprintf(stderr, "startup_bench: no X display with the DAMAGE extension\n");
        return 1;
    }
    const int programs = argc - 1;  // the yardstick first
    std::vector<std::vector<Run>> measured(programs);
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < programs; ++p) {
            const auto run = display.Measure(argv[p + 1]);
            if (!run) {
                std::fprintf(stderr, "startup_bench: %s painted no window\n", argv[p + 1]);
                return 1;
            }
            measured[p].push_back(*run);
        }
    }
    const auto median = [&](int p, double Run::*field) {
        std::vector<double> values;
        for (const Run& run : measured[p]) values.push_back(run.*field);
        return Median(values);
    };
    std::printf("start-up, median of %d runs taken in turn:   mapped  first paint  peak memory\n", runs);
    for (int p = 0; p < programs; ++p) {
        std::printf("  %-40s %7.1f ms %7.1f ms %8.0f KiB\n", argv[p + 1], median(p, &Run::mapped),
                    median(p, &Run::firstPaint), median(p, &Run::peakKilobytes));
        if (p > 0) {
            std::printf("    against the yardstick: first paint %.2f (goal <= 1.10), memory %.2f (goal <= 1.05)\n",
                        median(p, &Run::firstPaint) / median(0, &Run::firstPaint),
                        median(p, &Run::peakKilobytes) / median(0, &Run::peakKilobytes));
        }
    }
    return 0;
}
