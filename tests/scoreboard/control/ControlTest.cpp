// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// Control from anywhere, as the operator, a second official's phone, a Stream Deck and a
// gamepad meet it: every command gives the same board through every input, the door lets in
// only a paired device from the board's own origin, and the bindings travel whole or not at all.

#include "tests/scoreboard/BoardFixture.h"

#include "scoreboard/Meet.h"
#include "scoreboard/control/Bindings.h"
#include "scoreboard/control/Gamepads.h"
#include "scoreboard/control/Inputs.h"
#include "scoreboard/control/RemoteControl.h"
#include "scoreboard/hall/RemoteWindow.h"
#include "scoreboard/meet/ResultsRecord.h"
#include "scoreboard/meet/StateJournal.h"
#include "scoreboard/state/BoardState.h"
#include "scoreboard/web/ControlDoor.h"
#include "scoreboard/web/HttpRequest.h"
#include "scoreboard/web/WebViews.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTextStream>

#include <SDL.h>

#include <memory>
#include <vector>

using namespace tallyard;
using tallyard::test::BoardTest;

namespace {

class ControlTest : public BoardTest {
protected:
    void prepare() override
    {
        StateJournal::setFolderOverride(store.filePath(QStringLiteral("state")));
        ResultsRecord::setFolderOverride(store.filePath(QStringLiteral("results")));
        RemoteControl::setRemembered(true);
    }
    void TearDown() override
    {
        WebViews::stop();
        WebViews::setControl({});
        remote.reset();
        inputs.reset();
        meet.reset();
        StateJournal::setFolderOverride({});
        ResultsRecord::setFolderOverride({});
        BoardTest::TearDown();
    }
    void startInputs(bool gamepads)
    {
        meet = std::make_unique<Meet>(MeetOptions{.noResults = true}, [](const Notice &) {});
        meet->attach(board);
        inputs = std::make_unique<Inputs>(Inputs::Options{.gamepads = gamepads, .logFolder = store.path()}, meet.get());
        inputs->attach(board);
    }
    void serveControl()
    {
        remote = std::make_shared<RemoteControl>(&inputs->runner());
        WebViews::setControl(remote);
        QString out;
        QTextStream stream(&out);
        ASSERT_TRUE(WebViews::start(QStringLiteral("127.0.0.1:0"), stream, stream));
    }
    // An HTTP exchange with the served door; the answer whole.
    QByteArray post(const QByteArray &path, const QByteArray &body, const QByteArray &headers = {})
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, WebViews::port());
        EXPECT_TRUE(socket.waitForConnected(3000));
        socket.write("POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\nContent-Length: "
                     + QByteArray::number(body.size()) + "\r\n" + headers + "\r\n" + body);
        QByteArray answer;
        waitUntil(
            [&] {
                answer += socket.readAll();
                return socket.state() == QAbstractSocket::UnconnectedState;
            },
            8000);
        return answer + socket.readAll();
    }
    QByteArray pairedToken()
    {
        const QString code = remote->newPairingCode();
        const QByteArray answer = post("/api/pair", "code=" + code.toLatin1() + "&device=phone");
        return QJsonDocument::fromJson(answer.mid(answer.indexOf("\r\n\r\n") + 4))
            .object()
            .value("token")
            .toString()
            .toLatin1();
    }

    std::unique_ptr<Meet> meet;
    std::unique_ptr<Inputs> inputs;
    std::shared_ptr<RemoteControl> remote;
};

int status(const QByteArray &answer)
{
    return answer.mid(9, 3).toInt();
}

// A gamepad SDL makes up, whose buttons the test presses.
struct VirtualPad {
    VirtualPad()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
        desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
        desc.name = "Test pad";
        index = SDL_JoystickAttachVirtualEx(&desc);
        joystick = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    }
    ~VirtualPad()
    {
        if (joystick)
            SDL_JoystickClose(joystick);
        if (index >= 0)
            SDL_JoystickDetachVirtual(index);
    }
    void press(SDL_GameControllerButton button)
    {
        SDL_JoystickSetVirtualButton(joystick, button, 1);
        SDL_JoystickUpdate();
        QTest::qWait(3 * Gamepads::PollMs);
        SDL_JoystickSetVirtualButton(joystick, button, 0);
        SDL_JoystickUpdate();
        QTest::qWait(3 * Gamepads::PollMs);
    }
    int index = -1;
    SDL_Joystick *joystick = nullptr;
};

// Every command, through the keys, a gamepad's button and the network, leaves the same board.
TEST_F(ControlTest, EveryCommandGivesTheSameBoardThroughEveryInput)
{
    startInputs(true);
    ASSERT_TRUE(inputs->gamepads() && inputs->gamepads()->available()) << inputs->gamepads()->error().toStdString();
    VirtualPad pad;
    ASSERT_NE(pad.joystick, nullptr) << SDL_GetError();
    ASSERT_TRUE(waitUntil([&] { return inputs->gamepads()->connected().contains(QStringLiteral("Test pad")); }));
    serveControl();
    const QByteArray token = pairedToken();
    ASSERT_FALSE(token.isEmpty());

    const BoardState start = board->State();
    const struct {
        const char *command;
        const char *value;
        std::function<void()> byKey; // the operator's way
        int padButton;               // -1: no default button
    } cases[] = {
        {"routine", "",
         [this] {
             focus(board->tledWarmUp);
             press(Qt::Key_R);
         },
         SDL_CONTROLLER_BUTTON_A},
        {"warmup", "",
         [this] {
             focus(board->tledWarmUp);
             press(Qt::Key_W);
         },
         SDL_CONTROLLER_BUTTON_X},
        {"score", "9.85",
         [this] {
             focus(board->nledScoreLeft);
             type("9.85\n");
         },
         -1},
        {"number", "12",
         [this] {
             focus(board->nledGymnastNum);
             type("12\n");
         },
         -1},
        {"reset", "",
         [this] {
             focus(board->tledWarmUp);
             press(Qt::Key_G);
         },
         SDL_CONTROLLER_BUTTON_BACK},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        // The board as it starts, with something on it for the reset to clear.
        const auto fresh = [&] {
            board->RestoreState(start, localMilliseconds());
            board->CommitGymnastNumber(5);
            QCoreApplication::processEvents();
        };
        fresh();
        c.byKey();
        const BoardState byKey = board->State();

        fresh();
        const QByteArray answer
            = post("/api/command/" + QByteArray(c.command), c.value, "Authorization: Bearer " + token + "\r\n");
        ASSERT_EQ(status(answer), 200) << answer.constData();
        EXPECT_TRUE(board->State().sameAs(byKey)) << "the network's " << c.command;
        const QJsonObject json = QJsonDocument::fromJson(answer.mid(answer.indexOf("\r\n\r\n") + 4)).object();
        EXPECT_EQ(json.value("number").toInt(-2), byKey.number) << "the answer is the state after it";

        if (c.padButton >= 0) {
            fresh();
            pad.press(static_cast<SDL_GameControllerButton>(c.padButton));
            // The pad is polled: on a loaded machine its press may come a little later.
            EXPECT_TRUE(waitUntil([&] { return board->State().sameAs(byKey); }, 2000)) << "the gamepad's " << c.command;
        }
    }
    // Each command from outside the keyboard is a line of the log beside the record.
    QFile log(inputs->logFile());
    ASSERT_TRUE(waitUntil([&] { return log.exists() && log.size() > 0; }));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray lines = log.readAll();
    EXPECT_TRUE(lines.startsWith("time,command,value,device\r\n"));
    EXPECT_TRUE(lines.contains(",score,9.85,network: phone\r\n")) << lines.constData();
    EXPECT_TRUE(lines.contains(",routine,,gamepad Test pad\r\n")) << lines.constData();
}

// Nothing changes the board through the door without a paired device's token from the board's
// own origin; a wrong one is answered a second later than the one before it from that address.
TEST_F(ControlTest, OnlyAPairedDeviceOfTheBoardsOwnOriginIsLetIn)
{
    startInputs(false);
    serveControl();
    const QByteArray token = pairedToken();
    const BoardState before = board->State();
    const struct {
        const char *what;
        QByteArray path, body, headers;
        int status;
    } refused[] = {
        {"no token", "/api/command/routine", "", "", 401},
        {"a wrong token", "/api/command/routine", "", "Authorization: Bearer 0123456789\r\n", 401},
        {"another origin", "/api/command/routine", "",
         "Authorization: Bearer " + token + "\r\nOrigin: http://evil.example\r\n", 403},
        {"a wrong pairing code", "/api/pair", "code=00000000", "", 401},
        {"a body too large", "/api/command/score", QByteArray(5000, '9'), "Authorization: Bearer " + token + "\r\n",
         413},
    };
    for (const auto &r : refused) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(status(post(r.path, r.body, r.headers)), r.status);
        EXPECT_TRUE(board->State().sameAs(before));
    }
    // Guesses sent at once on connections of their own are heard a second apart: three wrong
    // codes, then the right one, which waits its turn (a second at least) behind them.
    QElapsedTimer timer;
    timer.start();
    const QString code = remote->newPairingCode();
    std::vector<std::unique_ptr<QTcpSocket>> guesses;
    for (const QByteArray &guess :
         {QByteArray("11111111"), QByteArray("22222222"), QByteArray("33333333"), code.toLatin1()}) {
        auto &socket = guesses.emplace_back(std::make_unique<QTcpSocket>());
        socket->connectToHost(QHostAddress::LocalHost, WebViews::port());
        ASSERT_TRUE(socket->waitForConnected(3000));
        const QByteArray body = "code=" + guess;
        socket->write("POST /api/pair HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: " + QByteArray::number(body.size())
                      + "\r\n\r\n" + body);
        socket->flush();
        QTest::qWait(100);
    }
    QByteArray right;
    waitUntil([&] { return (right += guesses.back()->readAll()).contains("token"); }, 8000);
    EXPECT_GE(timer.elapsed(), 900) << "the right code was heard beside the wrong ones";
    EXPECT_EQ(status(right), 200);
    EXPECT_GE(remote->wrongAttempts().value(QStringLiteral("127.0.0.1")), 5);
    // The operator unpairs every device: the token works no more; a read-only view answers as before.
    remote->unpairAll();
    EXPECT_EQ(status(post("/api/command/routine", "", "Authorization: Bearer " + token + "\r\n")), 401);
    // And the stopped door takes no command even from a new pairing.
    const QByteArray again = pairedToken();
    remote->setTaking(false);
    EXPECT_EQ(status(post("/api/command/routine", "", "Authorization: Bearer " + again + "\r\n")), 403);
    EXPECT_TRUE(board->State().sameAs(before));
}

TEST_F(ControlTest, TokensAreKeptHashedAndAnExpiredCodePairsNothing)
{
    startInputs(false);
    RemoteControl control(&inputs->runner());
    const QString code = control.newPairingCode();
    EXPECT_FALSE(control.pair("12345678", {}).has_value());
    const auto token = control.pair(code.toLatin1(), QStringLiteral("tablet"));
    ASSERT_TRUE(token.has_value());
    EXPECT_GE(token->size(), 43) << "32 random bytes";
    EXPECT_EQ(control.deviceOf(*token), QStringLiteral("tablet"));
    QCoreApplication::processEvents(); // kept
    QFile settings(store.filePath(QStringLiteral("Tallyard.ini")));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray kept = settings.readAll();
    EXPECT_FALSE(kept.contains(*token)) << "only the token's hash is kept";
    EXPECT_TRUE(kept.contains("tablet"));
    // A new run remembers the device; an expired code pairs nothing.
    RemoteControl later(&inputs->runner());
    EXPECT_EQ(later.deviceOf(*token), QStringLiteral("tablet"));
    later.expirePairingCode();
    EXPECT_FALSE(later.pair(code.toLatin1(), {}).has_value());
}

// The door's decisions as plain data: what it lets through to run, and what it answers at once.
TEST(ControlDoor, DecidesEachRequestBeforeAnythingRuns)
{
    struct Access : ControlAccess {
        bool taking() const override { return true; }
        std::optional<QString> deviceOf(QByteArrayView token) const override
        {
            return token == "good" ? std::optional<QString>(QStringLiteral("deck")) : std::nullopt;
        }
        std::optional<QByteArray> pair(QByteArrayView code, const QString &) override
        {
            return code == "1234" ? std::optional<QByteArray>("new") : std::nullopt;
        }
        void wrongAttempt(const QHostAddress &) override { }
        void run(const QString &, const QString &, const QString &, Done) override { }
    } access;
    const struct {
        QByteArray head, body;
        DoorDecision::Kind kind;
        int status;
        const char *value;
    } cases[] = {
        {"GET /state HTTP/1.1\r\nHost: h", "", DoorDecision::NotMine, 0, ""},
        {"GET /api/command/routine HTTP/1.1\r\nHost: h", "", DoorDecision::Answer, 405, ""},
        {"POST /api/command/score?value=9.5 HTTP/1.1\r\nHost: h\r\nAuthorization: Bearer good", "", DoorDecision::Run,
         0, "9.5"},
        {"POST /api/command/score HTTP/1.1\r\nHost: h\r\nAuthorization: Bearer good", "9.75", DoorDecision::Run, 0,
         "9.75"},
        {"POST /api/command/score HTTP/1.1\r\nHost: h\r\nAuthorization: Bearer good", "value=8%2E5", DoorDecision::Run,
         0, "8.5"},
        {"POST /api/command/routine HTTP/1.1\r\nHost: h\r\nOrigin: http://h\r\nAuthorization: Bearer good", "",
         DoorDecision::Run, 0, ""},
        {"POST /api/command/routine HTTP/1.1\r\nHost: h\r\nOrigin: http://x\r\nAuthorization: Bearer good", "",
         DoorDecision::Answer, 403, ""},
        {"POST /api/command/routine HTTP/1.1\r\nHost: h\r\nAuthorization: Basic good", "", DoorDecision::Answer, 401,
         ""},
        {"POST /api/command/ HTTP/1.1\r\nHost: h\r\nAuthorization: Bearer good", "", DoorDecision::Answer, 404, ""},
        {"POST /api/pair HTTP/1.1\r\nHost: h", "code=1234&device=a", DoorDecision::Answer, 200, ""},
        {"POST /api/pair HTTP/1.1\r\nHost: h", "code=9999", DoorDecision::Answer, 401, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.head.constData());
        const DoorDecision d = decideAtDoor(parseHttpRequest(c.head, 64), c.body, access);
        EXPECT_EQ(d.kind, c.kind);
        EXPECT_EQ(d.status, c.status);
        if (d.kind == DoorDecision::Run) {
            EXPECT_EQ(d.value, QString::fromLatin1(c.value));
            EXPECT_EQ(d.device, QStringLiteral("deck"));
        }
    }
}

// The bindings of one laptop taken by another: what was exported comes back whole; a file
// wrong anywhere is refused with its lines, and nothing of it is taken.
TEST(BindingsFile, TravelsWholeOrNotAtAll)
{
    Bindings bindings = Bindings::defaults();
    bindings.pad[Command::Score] = {QStringLiteral("righttrigger")};
    bindings.keys[Command::Routine] = {116}; // a presentation remote's F5 and B
    bindings.keys[Command::Fall] = {66};
    const CommandKeys keys{82, 70, 87, 71, 67, 46};
    const QByteArray file = bindingsFile(keys, bindings);
    QStringList problems;
    const auto read = readBindingsFile(file, &problems);
    ASSERT_TRUE(read.has_value()) << problems.join(u'\n').toStdString();
    EXPECT_EQ(read->commandKeys.routine, 82);
    EXPECT_EQ(read->commandKeys.clear, 46);
    EXPECT_EQ(read->bindings.commandForKey(116), Command::Routine) << "F5";
    EXPECT_EQ(read->bindings.commandForKey(34), Command::Next) << "Page Down";
    EXPECT_EQ(read->bindings.commandForPad(QStringLiteral("righttrigger")), Command::Score);
    EXPECT_EQ(bindingsFile(read->commandKeys, read->bindings), file) << "the same file again";

    const struct {
        const char *what;
        QByteArray edit, with;
        const char *said;
    } damaged[] = {
        {"an unknown command", "chime = ", "chimes = ", "no command \"chimes\""},
        {"an unknown key", "key F5", "key F55", "no key \"F55\""},
        {"a key of the board's own", "key F5", "key F1", "board's own"},
        {"a key twice", "key B", "key R", "R is routine's already"},
        {"an unknown pad control", "pad a", "pad z", "no \"z\""},
        {"no command key", "routine = key R, key F5, ", "routine = ", "routine needs its command key"},
        {"a line without =", "clear = key Del", "clear key Del", "is \"command = key NAME"},
    };
    for (const auto &d : damaged) {
        SCOPED_TRACE(d.what);
        QByteArray bad = file;
        ASSERT_GE(bad.indexOf(d.edit), 0);
        bad.replace(bad.indexOf(d.edit), d.edit.size(), d.with);
        problems.clear();
        EXPECT_FALSE(readBindingsFile(bad, &problems).has_value());
        EXPECT_TRUE(problems.join(u'\n').contains(QString::fromUtf8(d.said))) << problems.join(u'\n').toStdString();
        EXPECT_TRUE(problems.join(u'\n').startsWith(QStringLiteral("line "))
                    || QString::fromUtf8(d.said).contains(u"needs"))
            << "said with its line";
    }
}

} // namespace
