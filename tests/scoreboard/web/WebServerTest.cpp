// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The web views' server as a browser, a stream viewer and a hostile client meet it, on
// loopback with small bounds so that every timeout is over in a fraction of a second.
#include "scoreboard/i18n/Language.h"
#include "scoreboard/web/StateJson.h"
#include "scoreboard/web/WebServer.h"
#include "scoreboard/web/WebViews.h"
#include "tests/support/TestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTextStream>
#include <QTest>

#include <gtest/gtest.h>

#include <ctime>
#include <memory>
#include <vector>

using namespace tallyard;

namespace {

WebLimits smallLimits()
{
    WebLimits limits;
    limits.maxConnections = 16;
    limits.maxConnectionsPerClient = 8;
    limits.maxHeadBytes = 1024;
    limits.requestTimeoutMs = 300;
    limits.idleTimeoutMs = 300;
    limits.maxPendingOutput = 16 * 1024;
    limits.heartbeatMs = 200;
    return limits;
}

class WebServerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0)); }

    // A client on loopback, from 127.0.0.1 unless another of loopback's addresses is given.
    std::unique_ptr<QTcpSocket> connectClient(const QHostAddress &from = {})
    {
        auto socket = std::make_unique<QTcpSocket>();
        if (!from.isNull())
            socket->bind(from);
        socket->connectToHost(QHostAddress::LocalHost, server.serverPort());
        EXPECT_TRUE(QTest::qWaitFor([&] { return socket->state() == QAbstractSocket::ConnectedState; }, 5000));
        return socket;
    }

    // Sends bytes and gathers the answer until the server closes (or 5 s pass).
    QByteArray exchange(const QByteArray &request, const QHostAddress &from = {})
    {
        auto socket = connectClient(from);
        socket->write(request);
        QByteArray answer;
        (void)QTest::qWaitFor(
            [&] {
                answer += socket->readAll();
                return socket->state() == QAbstractSocket::UnconnectedState;
            },
            5000);
        return answer + socket->readAll();
    }

    static int status(const QByteArray &answer) { return answer.mid(9, 3).toInt(); }
    static QByteArray body(const QByteArray &answer) { return answer.mid(answer.indexOf("\r\n\r\n") + 4); }

    WebServer server{smallLimits()};
};

TEST_F(WebServerTest, AnswersOnlyGetAndHeadOnTheFixedRoutesWithAPolicyAgainstOutsideScripts)
{
    struct Case {
        QByteArray method;
        QByteArray path;
        int status;
        QByteArray bodyHas; // empty: no body at all
    };
    const Case cases[] = {
        {"GET", "/", 200, "<html"},
        {"GET", "/overlay", 200, "<html"},
        {"GET", "/clock?clock=fall", 200, "<html"},
        {"GET", "/tallyard.js", 200, "EventSource"},
        {"GET", "/state", 200, "\"version\""},
        {"HEAD", "/", 200, ""},
        {"HEAD", "/state", 200, ""},
        {"POST", "/", 405, "Not Allowed"},
        {"PUT", "/state", 405, "Not Allowed"},
        {"DELETE", "/overlay", 405, "Not Allowed"},
        {"GET", "/../etc/passwd", 404, "Not Found"},
        {"GET", "/web/board.html", 404, "Not Found"},
        {"GET", "/%2e%2e/%2e%2e/etc/passwd", 404, "Not Found"},
        {"GET", "/state/../state", 404, "Not Found"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE((c.method + ' ' + c.path).constData());
        const QByteArray answer
            = exchange(c.method + ' ' + c.path + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
        EXPECT_EQ(status(answer), c.status);
        EXPECT_TRUE(answer.contains("\r\nContent-Security-Policy: default-src 'self'; script-src 'self';"));
        if (c.bodyHas.isEmpty())
            EXPECT_TRUE(body(answer).isEmpty());
        else
            EXPECT_TRUE(body(answer).contains(c.bodyHas)) << body(answer).left(200).constData();
    }
    const QJsonObject state = QJsonDocument::fromJson(body(exchange("GET /state HTTP/1.0\r\n\r\n"))).object();
    EXPECT_EQ(state.value("format").toString(), QString::fromLatin1(StateFormat));
    EXPECT_TRUE(state.contains("version") && state.contains("clocks") && state.contains("score"));
}

// What HTTP asks of a server beyond the routes: a Host in every 1.1 request, the absolute form
// a proxy sends, the date on every answer, and an answer that reaches the client whole even
// when it closes on a request it refused mid-way.
TEST_F(WebServerTest, SpeaksHttpAsClientsAndProxiesExpect)
{
    const struct {
        const char *what;
        QByteArray request;
        int status;
    } cases[] = {
        {"1.1 without Host", "GET /state HTTP/1.1\r\nConnection: close\r\n\r\n", 400},
        {"1.0 needs none", "GET /state HTTP/1.0\r\n\r\n", 200},
        {"absolute form", "GET http://hall:8080/state HTTP/1.1\r\nHost: hall\r\nConnection: close\r\n\r\n", 200},
        {"absolute form, no path", "GET http://hall HTTP/1.1\r\nHost: hall\r\nConnection: close\r\n\r\n", 200},
        {"a head too long, and more after it",
         "GET /" + QByteArray(2000, 'a') + " HTTP/1.1\r\n" + QByteArray(60000, 'x'), 414},
        {"too many header lines, and more after them",
         [] {
             QByteArray head = "GET / HTTP/1.1\r\nHost: x\r\n";
             for (int i = 0; i < 100; ++i)
                 head += "X-" + QByteArray::number(i) + ": 1234567890\r\n";
             return head + "\r\n" + QByteArray(60000, 'y');
         }(),
         431},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray answer = exchange(c.request);
        EXPECT_EQ(status(answer), c.status) << answer.left(120).constData();
        EXPECT_TRUE(answer.contains("\r\nDate: ") && answer.contains(" GMT\r\n"));
        EXPECT_TRUE(answer.contains("Content-Length: " + QByteArray::number(body(answer).size()) + "\r\n"))
            << "the answer arrived whole";
    }
}

// A page in the hall reads like the board: English, or the board's language when chosen.
TEST(StateJson, CarriesTheBoardsCaptionsInTheBoardsLanguage)
{
    const auto captions = [] {
        return QJsonDocument::fromJson(stateJson(BoardState{}, 0, PictureRevisions{}))
            .object()
            .value("captions")
            .toObject();
    };
    const struct {
        const char *language;
        std::vector<std::pair<const char *, const char *>> captions;
    } languages[] = {
        {"en", {{"routine", "Routine"}, {"fall", "Fall"}, {"warmup", "Warm-Up"}, {"score", "Score"}}},
        {"de", {{"routine", "Übung"}, {"fall", "Sturz"}, {"warmup", "Einturnen"}, {"score", "Note"}}},
    };
    for (const auto &l : languages) {
        SCOPED_TRACE(l.language);
        ASSERT_TRUE(language::setBoardLanguage(QString::fromLatin1(l.language)));
        const QJsonObject shown = captions();
        EXPECT_EQ(shown.size(), qsizetype(l.captions.size()));
        for (const auto &[key, text] : l.captions)
            EXPECT_EQ(shown.value(QLatin1String(key)).toString(), QString::fromUtf8(text)) << key;
    }
    language::setBoardLanguage(QStringLiteral("en"));
}

// /state's moments are true milliseconds since 1970 with the zone's offset beside them, so a
// page or another tool counts a running clock right across a change of the clocks: two civil
// seconds apart over the spring change of Central European time are two seconds, not an hour.
TEST(StateJson, MomentsAreTrueMillisecondsAcrossAClockChange)
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    tzset();
    BoardState state;
    state.clocks[BoardState::Routine] = {90, test::civilMs(2026, 3, 29, 1, 59, 59, 0), true, false, 90};
    const QJsonObject json
        = QJsonDocument::fromJson(stateJson(state, test::civilMs(2026, 3, 29, 3, 0, 1, 0), PictureRevisions{}, 7))
              .object();
    const double takenAt = json.value("clocks").toObject().value("routine").toObject().value("takenAt").toDouble();
    EXPECT_EQ(json.value("now").toDouble() - takenAt, 2000);
    EXPECT_EQ(json.value("now").toDouble(), 1774746001000.0) << "2026-03-29T01:00:01Z";
    EXPECT_EQ(json.value("zoneOffset").toInt(), 120);
    EXPECT_EQ(json.value("startedAt").toDouble(), 7);
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
}

// --serve's address as the web views take it: served where it is one, said why where not.
TEST(WebViews, ServeWhereTheAddressIsOneAndSayWhyNot)
{
    const struct {
        const char *endpoint;
        bool serves;
        const char *why;
    } cases[] = {
        {"127.0.0.1:0", true, nullptr},
        {"localhost:0", true, nullptr},
        {"*:0", true, nullptr},
        {"0", true, nullptr},
        {"[nothost]:0", false, "not an IP address"},
        {"hall-laptop:0", false, "not an IP address"},
        {"::1:0", false, "IPv6"},
        {"70000", false, "port"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.endpoint);
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        EXPECT_EQ(WebViews::start(QString::fromLatin1(c.endpoint), outStream, errStream), c.serves)
            << err.toStdString();
        if (c.serves) {
            EXPECT_NE(WebViews::port(), 0);
            WebViews::stop();
        } else {
            EXPECT_TRUE(err.contains(QLatin1String(c.why))) << err.toStdString();
        }
    }
}

TEST_F(WebServerTest, RefusesOversizedHeadsAndClosesSlowWritersAndConnectionsBeyondTheBound)
{
    // A request that never ends is closed after its time, with nothing more sent.
    auto slow = connectClient();
    slow->write("GET / HTTP/1.1\r\nHost:");
    EXPECT_TRUE(QTest::qWaitFor([&] { return slow->state() == QAbstractSocket::UnconnectedState; }, 3000));
    EXPECT_FALSE(slow->readAll().contains("200 OK"));

    // Half-sent requests from several clients fill the server: the oldest goes for a newcomer.
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < server.limits().maxConnections; ++i) {
        idle.push_back(connectClient(QHostAddress(QStringLiteral("127.0.0.%1").arg(2 + i % 4))));
        idle.back()->write("G"); // started, so that each is held for its request's time
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.connectionCount() == server.limits().maxConnections; }, 3000));
    const quint64 shed = server.shedCount();
    EXPECT_EQ(status(exchange("GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")), 200);
    EXPECT_EQ(server.shedCount(), shed + 1);
    idle.clear();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.connectionCount() == 0; }, 3000));
}

// One client cannot lock out the hall: past its share it is turned away, whole answer and
// all, while another client is served; viewers that follow the board are never shed.
TEST_F(WebServerTest, OneClientGetsItsShareAndNoMore)
{
    const int share = server.limits().maxConnectionsPerClient;
    std::vector<std::unique_ptr<QTcpSocket>> greedy;
    for (int i = 0; i < share; ++i) {
        greedy.push_back(connectClient(QHostAddress(QStringLiteral("127.0.0.2"))));
        greedy.back()->write("GET /events HTTP/1.1\r\nHost: x\r\n\r\n");
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.streamCount() == share; }, 3000));
    const quint64 refused = server.refusedCount();
    const QByteArray turnedAway
        = exchange("GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n", QHostAddress(QStringLiteral("127.0.0.2")));
    EXPECT_EQ(status(turnedAway), 503);
    EXPECT_TRUE(turnedAway.endsWith("\r\n\r\n") || turnedAway.contains("Unavailable")) << "the whole answer";
    EXPECT_EQ(server.refusedCount(), refused + 1);
    EXPECT_EQ(status(exchange("GET /state HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")), 200)
        << "another client is served";
    EXPECT_EQ(server.streamCount(), share) << "no viewer was shed";
}

TEST_F(WebServerTest, AStreamGetsTheStateThenEachChangeAndAViewerThatStopsReadingIsDropped)
{
    BoardState state;
    state.version = 1;
    state.name = QStringLiteral("Ada Lovelace");
    server.publish(state);

    auto viewer = connectClient();
    viewer->write("GET /events HTTP/1.1\r\nHost: x\r\nAccept: text/event-stream\r\n\r\n");
    QByteArray seen;
    const auto sees = [&](const QByteArray &text) {
        return QTest::qWaitFor(
            [&] {
                seen += viewer->readAll();
                return seen.contains(text);
            },
            3000);
    };
    EXPECT_TRUE(sees("Content-Type: text/event-stream"));
    EXPECT_TRUE(sees("event: state\ndata: {") && seen.contains("Ada Lovelace"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.streamCount() == 1; }, 3000));
    // Each change once, in the order it was made, though they come faster than a page reads.
    const char *names[] = {"Bea Brown", "Cleo Chen", "Dana Diaz"};
    for (const char *name : names) {
        state.version++;
        state.name = QString::fromLatin1(name);
        server.publish(state);
    }
    EXPECT_TRUE(sees(names[2]));
    qsizetype at = seen.indexOf("Ada Lovelace");
    for (const char *name : names) {
        const qsizetype next = seen.indexOf(name);
        EXPECT_GT(next, at) << name << " came out of order";
        EXPECT_EQ(seen.count(name), 1) << name;
        at = next;
    }

    // A viewer that takes no more bytes: the server's output for it stays bounded, and it goes.
    auto stalled = connectClient();
    stalled->setReadBufferSize(1);
    stalled->write("GET /events HTTP/1.1\r\nHost: x\r\n\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.streamCount() == 2; }, 3000));
    state.event = QString(8000, u'x');
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            state.version++;
            server.publish(state);
            viewer->readAll();
            return server.droppedCount() == 1;
        },
        20000));
    EXPECT_EQ(server.streamCount(), 1);
    // The one that stays is the viewer that reads: it gets the next change.
    state.version++;
    state.name = QStringLiteral("Eve Evans");
    server.publish(state);
    EXPECT_TRUE(sees("Eve Evans"));
}

TEST_F(WebServerTest, AStormOfGarbageLeavesAWellFormedClientServed)
{
    QRandomGenerator random(20261209);
    std::vector<std::unique_ptr<QTcpSocket>> storm;
    const QByteArray kinds[] = {
        "",                          // random bytes
        "GET / HTTP/1.1\r\nHost: x", // truncated
        "BREW /pot HTTP/1.1\r\n\r\n",
        "GET " + QByteArray(5000, '/') + " HTTP/1.1\r\n\r\n",
        "GET / HTTP/1.1\r\n" + QByteArray(5000, 'h') + "\r\n\r\n",
        "GET /../../etc/passwd HTTP/1.1\r\n\r\n",
        "GET / HTTP/1.1\r\nContent-Length: 99999999\r\n\r\n",
        "\r\n\r\n\r\n",
    };
    for (int round = 0; round < 300; ++round) { // 2,400 connections
        for (const QByteArray &kind : kinds) {
            auto socket = std::make_unique<QTcpSocket>();
            socket->connectToHost(QHostAddress::LocalHost, server.serverPort());
            QByteArray bytes = kind;
            if (bytes.isEmpty()) {
                bytes.resize(1 + random.bounded(3000));
                for (char &b : bytes)
                    b = static_cast<char>(random.bounded(256));
            }
            socket->write(bytes);
            storm.push_back(std::move(socket));
        }
        QTest::qWait(1); // the server takes its connections as they come
        if (storm.size() > 64)
            storm.erase(storm.begin(), storm.begin() + 32);
    }
    // The storm came from one client, which has used its share; another is served at once.
    const QByteArray answer = exchange("GET /state HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n",
                                       QHostAddress(QStringLiteral("127.0.0.2")));
    EXPECT_EQ(status(answer), 200);
    EXPECT_TRUE(body(answer).contains("\"version\""));
    storm.clear();
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.connectionCount() == 0; }, 5000));
}

} // namespace
