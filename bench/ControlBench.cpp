// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// From an input to the board's change, for each way a command comes: the operator's key (the
// baseline, the board's own key path), a paired device's POST /api/command/routine over
// loopback, and a gamepad's button (SDL's virtual joystick, read by the 10 ms poll). Each
// iteration starts or stops the Routine clock once and is timed from the input to the clock's
// Running having changed; p50_ms and p99_ms are over all iterations of a run.
#include "bench/BenchBoard.h"
#include "scoreboard/control/Gamepads.h"
#include "scoreboard/control/Inputs.h"
#include "scoreboard/control/RemoteControl.h"
#include "scoreboard/web/WebViews.h"

#include "platform/core/Values.h"
#include "platform/core/Properties.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTextStream>

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

using namespace tallyard;

namespace {

using Clock = std::chrono::steady_clock;

struct Rig : bench::Board {
    Rig()
    {
        for (Control *clock : {board->tkRoutine, board->tkFall, board->tkWarmUp})
            clock->setProperty("Running", false);
        inputs = std::make_unique<Inputs>(Inputs::Options{.gamepads = true, .logFolder = store.path()}, nullptr);
        inputs->attach(board);
        remote = std::make_shared<RemoteControl>(&inputs->runner());
        WebViews::setControl(remote);
        QString said;
        QTextStream out(&said);
        if (!WebViews::start(QStringLiteral("127.0.0.1:0"), out, out))
            qFatal("the web views did not start: %s", qPrintable(said));
        const QString code = remote->newPairingCode();
        const QByteArray answer = exchange("/api/pair", "code=" + code.toLatin1() + "&device=bench", {});
        token = QJsonDocument::fromJson(answer.mid(answer.indexOf("\r\n\r\n") + 4))
                    .object()
                    .value("token")
                    .toString()
                    .toLatin1();
        if (token.isEmpty())
            qFatal("the bench did not pair: %s", answer.constData());
    }
    ~Rig()
    {
        WebViews::stop();
        WebViews::setControl({});
    }
    bool running() const { return variantToBool(getPropertyByName(board->tkRoutine, u"Running")); }
    // Waits for the Routine clock to flip, running the event loop as the program's does.
    void untilFlipped(bool was) const
    {
        while (running() == was)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    QByteArray exchange(const QByteArray &path, const QByteArray &body, const QByteArray &headers)
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, WebViews::port());
        socket.waitForConnected(3000);
        socket.write("POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\nContent-Length: "
                     + QByteArray::number(body.size()) + "\r\n" + headers + "\r\n" + body);
        QByteArray answer;
        while (socket.state() != QAbstractSocket::UnconnectedState) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            answer += socket.readAll();
        }
        return answer + socket.readAll();
    }
    std::unique_ptr<Inputs> inputs;
    std::shared_ptr<RemoteControl> remote;
    QByteArray token;
};

Rig &rig()
{
    static Rig *r = new Rig; // lives to the end: the board is a top-level window
    return *r;
}

// Times each iteration's input to change, and reports the median and the 99th percentile.
// between runs untimed before each input.
template <typename Input, typename Between>
void measure(benchmark::State &state, Input input, Between between)
{
    Rig &r = rig();
    std::vector<double> ms;
    for (auto _ : state) {
        state.PauseTiming();
        between();
        state.ResumeTiming();
        const bool was = r.running();
        const Clock::time_point start = Clock::now();
        input(r);
        r.untilFlipped(was);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        ms.push_back(seconds * 1000);
    }
    std::sort(ms.begin(), ms.end());
    state.counters["p50_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
}

void BM_KeyToBoard(benchmark::State &state)
{
    measure(
        state,
        [](Rig &r) {
            r.board->tledWarmUp->SetFocus();
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : r.board, Qt::Key_R);
        },
        [] {});
}

// The request's exchange runs on: the time is to the board's change, not to the answer.
void BM_ApiToBoard(benchmark::State &state)
{
    std::unique_ptr<QTcpSocket> socket;
    measure(
        state,
        [&socket](Rig &r) {
            socket = std::make_unique<QTcpSocket>();
            socket->connectToHost(QHostAddress::LocalHost, WebViews::port());
            socket->waitForConnected(3000);
            socket->write("POST /api/command/routine HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n"
                          "Content-Length: 0\r\nAuthorization: Bearer "
                          + r.token + "\r\n\r\n");
            socket->flush();
        },
        [] {});
}

void BM_PadToBoard(benchmark::State &state)
{
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Bench pad";
    Rig &r = rig();
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    SDL_Joystick *pad = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    if (!pad) {
        state.SkipWithError("SDL made no virtual pad");
        return;
    }
    while (!r.inputs->gamepads()->connected().contains(QStringLiteral("Bench pad")))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    // Each press follows a release the pad's poll has seen, untimed.
    measure(
        state, [pad](Rig &) { SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1); },
        [pad] {
            SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
            // At a random moment of the pad's poll, as a thumb presses.
            QTest::qWait(3 * Gamepads::PollMs);
            QTest::qWait(static_cast<int>(QRandomGenerator::global()->bounded(Gamepads::PollMs)));
        });
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(index);
}

} // namespace

BENCHMARK(BM_KeyToBoard)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(300);
BENCHMARK(BM_ApiToBoard)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(300);
BENCHMARK(BM_PadToBoard)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(300);
