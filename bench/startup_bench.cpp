// Start-up time (from exec to the top-level window mapped on the X server)
// and peak memory of a program, against a yardstick program. Run on an X
// display (make bench starts Xvfb):
//   startup_bench PROGRAM YARDSTICK [RUNS]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    long peakKilobytes;
};

// Starts `program`, waits for the first top-level window it maps (at most
// 20 s), lets it settle for 300 ms, ends it and reads its peak memory.
std::optional<Run> Measure(xcb_connection_t* connection, const char* program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stderr);  // Qt's start-up chatter
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    std::optional<double> mapped;
    while (!mapped) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (event == nullptr) {
            if (std::chrono::steady_clock::now() - start > std::chrono::seconds(20)) break;
            usleep(200);
            continue;
        }
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            mapped = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        }
        std::free(event);
    }
    usleep(300'000);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!mapped) return std::nullopt;
    return Run{*mapped, usage.ru_maxrss};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM YARDSTICK [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startup_bench: cannot connect to the X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::vector<double> times[2];
    std::vector<double> memory[2];
    const char* programs[2] = {argv[1], argv[2]};
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {  // alternate, so both see the same machine load
            const auto run = Measure(connection, programs[p]);
            if (!run) {
                std::fprintf(stderr, "startup_bench: %s mapped no window\n", programs[p]);
                return 1;
            }
            times[p].push_back(run->milliseconds);
            memory[p].push_back(static_cast<double>(run->peakKilobytes));
        }
    }
    const double time0 = Median(times[0]), time1 = Median(times[1]);
    const double memory0 = Median(memory[0]), memory1 = Median(memory[1]);
    std::printf("start to window mapped, median of %d runs:\n", runs);
    std::printf("  %-40s %8.1f ms  peak %8.0f KiB\n", programs[0], time0, memory0);
    std::printf("  %-40s %8.1f ms  peak %8.0f KiB\n", programs[1], time1, memory1);
    std::printf("  ratio: time %.2f (goal <= 1.25), memory %.2f (goal <= 1.20)\n", time0 / time1, memory0 / memory1);
    xcb_disconnect(connection);
    return 0;
}
