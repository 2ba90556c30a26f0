// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The board's refresh while the web views serve 256 live viewers on loopback (from sixteen
// loopback addresses, as a hall's devices come from many), against the same refresh with nobody
// following, in the same run. Each tick shows a new second on three running clocks and a
// changed event name, so that every tick makes a state for the viewers. Two figures: the
// board's thread's CPU a tick (the time column), and the whole program's (the board's thread,
// the web views' thread, the state journal's writer; the viewers' own thread left out) a
// tick, `program_us_per_tick`. The wall time includes a pause a tick.
#include "platform/core/LocalTime.h"
#include "platform/intrinsics/TextBox.h"
#include "platform/intrinsics/TimerControl.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/web/WebServer.h"
#include "scoreboard/web/WebViews.h"
#include "bench/BenchBoard.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <ctime>
#include <chrono>
#include <thread>
#include <vector>

using namespace tallyard;

namespace {

using bench::fakeMs;

int64_t cpuNs(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}
int64_t threadCpuNs()
{
    return cpuNs(CLOCK_THREAD_CPUTIME_ID);
}
int64_t processCpuNs()
{
    return cpuNs(CLOCK_PROCESS_CPUTIME_ID);
}

// Each tick a new second and a changed event name, so that every tick makes a state.
struct Board : bench::Board {
    void tick()
    {
        fakeMs += 1000;
        board->txtEvent->setProperty("Text", (++ticks % 2) ? QStringLiteral("Vault") : QStringLiteral("Floor"));
        board->RefreshTime();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        // Ticks a few hundred times a second (the board refreshes twenty times), so that the
        // server keeps up; the pause costs the board's thread no CPU.
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    int ticks = 0;
};

// Viewers that read everything on a thread of their own, as browsers would.
struct Viewers {
    explicit Viewers(quint16 port, int count)
    {
        for (int i = 0; i < count; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in from{};
            from.sin_family = AF_INET;
            from.sin_addr.s_addr = htonl(INADDR_LOOPBACK + 1 + static_cast<uint32_t>(i % 16));
            if (::bind(fd, reinterpret_cast<sockaddr *>(&from), sizeof from) != 0)
                qWarning("a viewer could not take its address");
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_port = htons(port);
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
                ::close(fd);
                continue;
            }
            const char request[] = "GET /events HTTP/1.1\r\nHost: bench\r\n\r\n";
            if (::send(fd, request, sizeof request - 1, 0) < 0)
                qWarning("a viewer could not ask");
            fds.push_back({fd, POLLIN, 0});
        }
        reader = std::thread([this] {
            char buffer[65536];
            while (!stop) {
                if (::poll(fds.data(), fds.size(), 50) <= 0)
                    continue;
                for (pollfd &p : fds)
                    if (p.revents & POLLIN)
                        bytes += std::max<ssize_t>(0, ::recv(p.fd, buffer, sizeof buffer, 0));
                cpuNs = threadCpuNs();
            }
        });
    }
    ~Viewers()
    {
        stop = true;
        reader.join();
        for (const pollfd &p : fds)
            ::close(p.fd);
    }
    std::vector<pollfd> fds;
    std::thread reader;
    std::atomic<bool> stop{false};
    std::atomic<int64_t> bytes{0};
    std::atomic<int64_t> cpuNs{0}; // the viewers' own thread's CPU so far
};

void BM_RefreshAlone(benchmark::State &state)
{
    Board b;
    const int64_t before = processCpuNs();
    for (auto _ : state)
        b.tick();
    state.counters["program_us_per_tick"] = double(processCpuNs() - before) / 1000.0 / double(state.iterations());
}
BENCHMARK(BM_RefreshAlone);

void BM_RefreshWith256Viewers(benchmark::State &state)
{
    Board b;
    QString none;
    QTextStream out(&none);
    if (!WebViews::start(QStringLiteral("127.0.0.1:0"), out, out)) {
        state.SkipWithError("the web views could not serve");
        return;
    }
    {
        Viewers viewers(WebViews::port(), 256);
        QTest::qWait(500); // every viewer has its first state
        const int64_t before = viewers.bytes;
        const int64_t cpuBefore = processCpuNs() - viewers.cpuNs;
        for (auto _ : state)
            b.tick();
        QTest::qWait(200);
        state.counters["program_us_per_tick"]
            = double(processCpuNs() - viewers.cpuNs - cpuBefore) / 1000.0 / double(state.iterations());
        state.counters["viewers"] = double(viewers.fds.size());
        state.counters["bytes_per_tick_per_viewer"]
            = double(viewers.bytes - before) / double(state.iterations()) / double(viewers.fds.size());
    }
    WebViews::stop();
}
BENCHMARK(BM_RefreshWith256Viewers);

} // namespace
