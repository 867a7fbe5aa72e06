// Start-up time (from exec to the top-level window mapped on the X server)
// and peak memory of programs, against a yardstick program, all started in
// turn so that they see the same machine load. Run on an X display (make
// bench starts Xvfb):
//   startup_bench YARDSTICK PROGRAM... (RUNS in the environment, 15 by default)
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
        std::fprintf(stderr, "usage: %s YARDSTICK PROGRAM...\n", argv[0]);
        return 2;
    }
    const char* runsText = std::getenv("RUNS");
    const int runs = runsText != nullptr ? std::atoi(runsText) : 15;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startup_bench: cannot connect to the X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const int programs = argc - 1;  // the yardstick first
    std::vector<std::vector<double>> times(programs), memory(programs);
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < programs; ++p) {
            const auto run = Measure(connection, argv[p + 1]);
            if (!run) {
                std::fprintf(stderr, "startup_bench: %s mapped no window\n", argv[p + 1]);
                return 1;
            }
            times[p].push_back(run->milliseconds);
            memory[p].push_back(static_cast<double>(run->peakKilobytes));
        }
    }
    std::printf("start to window mapped and peak memory, median of %d runs:\n", runs);
    for (int p = 0; p < programs; ++p) {
        const double time = Median(times[p]), kilobytes = Median(memory[p]);
        std::printf("  %-44s %7.1f ms %8.0f KiB", argv[p + 1], time, kilobytes);
        if (p > 0) std::printf("   ratio: time %.2f (goal <= 1.10), memory %.2f (goal <= 1.15)",
                               time / Median(times[0]), kilobytes / Median(memory[0]));
        std::printf("\n");
    }
    xcb_disconnect(connection);
    return 0;
}
