// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up benchmark: starts each program in turn on the X display, times it
// from fork until its first top-level window is mapped, lets it settle, ends
// it and reads its peak resident memory. Prints medians and their ratio.
//
//   startup_probe RUNS PROGRAM FLOOR
#include <X11/Xlib.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds;
    double mebibytes;
    double cpuMilliseconds; // user and system time of the whole run, which scheduling disturbs less
};

// Waits for a MapNotify of a child of the root window, at most 10 s.
bool WaitForMap(Display* display, Window root) {
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    const int fd = ConnectionNumber(display);
    while (Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root &&
                !event.xmap.override_redirect)
                return true;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval timeout{0, 100000};
        select(fd + 1, &fds, nullptr, nullptr, &timeout);
    }
    return false;
}

Sample Measure(Display* display, Window root, const char* program) {
    XSync(display, True); // drop events of earlier runs
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        std::perror(program);
        _exit(127);
    }
    const bool mapped = WaitForMap(display, root);
    const auto mappedAt = Clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // first paint and idle
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!mapped) {
        std::fprintf(stderr, "%s: no window within 10 s\n", program);
        std::exit(1);
    }
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {std::chrono::duration<double, std::milli>(mappedAt - start).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0, ms(usage.ru_utime) + ms(usage.ru_stime)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM FLOOR\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::array<const char*, 2> programs{argv[2], argv[3]};
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display (run under xvfb-run)\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);

    std::array<std::vector<double>, 2> times;
    std::array<std::vector<double>, 2> memory;
    std::array<std::vector<double>, 2> cpu;
    Measure(display, root, programs[0]); // warm the page cache for both
    Measure(display, root, programs[1]);
    for (int run = 0; run < runs; ++run) {
        // Alternate, and swap who goes first, so neither gains from order.
        for (int k = 0; k < 2; ++k) {
            const int which = (run + k) % 2;
            const Sample sample = Measure(display, root, programs[which]);
            times[which].push_back(sample.milliseconds);
            memory[which].push_back(sample.mebibytes);
            cpu[which].push_back(sample.cpuMilliseconds);
        }
    }
    XCloseDisplay(display);

    const double time[2] = {Median(times[0]), Median(times[1])};
    const double mem[2] = {Median(memory[0]), Median(memory[1])};
    const double cpuTime[2] = {Median(cpu[0]), Median(cpu[1])};
    std::printf("%-28s %12s %12s %12s\n", "median of runs", "to map (ms)", "peak (MiB)",
                "CPU (ms)");
    for (int i = 0; i < 2; ++i) {
        const std::string name = programs[i];
        std::printf("%-28s %12.1f %12.1f %12.1f\n", name.substr(name.find_last_of('/') + 1).c_str(),
                    time[i], mem[i], cpuTime[i]);
    }
    std::printf("%-28s %12.2f %12.2f %12.2f\n", "ratio", time[0] / time[1], mem[0] / mem[1],
                cpuTime[0] / cpuTime[1]);
    std::printf("runs: %d each, alternated\n", runs);
    return 0;
}
