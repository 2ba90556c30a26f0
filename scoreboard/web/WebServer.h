// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The web views' server: a small HTTP/1.1 server of our own on a QTcpServer, read-only by
// construction. It answers GET and HEAD on a fixed table of routes (the pages and their
// script and style compiled in, the state as JSON, the digits' shapes, the two pictures the
// board shows) and streams the board's changes to each page as server-sent events. Nothing
// a request says is ever read from disk or reaches the board.
//
// Every resource a client can hold is bounded: the connections, a request's head, the time a
// request may take to arrive and a connection may stay idle, and the output waiting for a
// client (a viewer that cannot keep up is dropped, never buffered without bound).

#include "scoreboard/state/BoardState.h"
#include "scoreboard/web/StateJson.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QTcpServer>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace tallyard {

class WebConnection;
class ControlAccess;
struct DoorDecision;

struct WebLimits {
    int maxConnections = 256;
    int maxConnectionsPerClient = 32;  // well below the total, so that one client cannot fill it
    qsizetype maxHeadBytes = 8 * 1024; // request line and headers
    int maxHeaderLines = 64;
    int requestTimeoutMs = 10'000;        // from a request's first byte to its last
    int idleTimeoutMs = 30'000;           // a kept-alive connection between requests
    qint64 maxPendingOutput = 256 * 1024; // unsent bytes before a viewer is dropped
    int heartbeatMs = 15'000;             // the server's time to each page, between changes
    qint64 maxPictureFileBytes = 32 * 1024 * 1024;
    int maxPictureSide = 1920; // pictures are sent as PNG at most this wide and tall
};

class WebServer : public QTcpServer {
    Q_OBJECT

public:
    explicit WebServer(const WebLimits &limits = {}, QObject *parent = nullptr);
    static constexpr int ListenBacklog = 1024;
    ~WebServer() override;
    // Opens the control door (POST /api/...), on this server's thread before it listens.
    void setControl(std::shared_ptr<ControlAccess> access);
    // Serves bytes at a fixed path of its own (an empty body is not served).
    void addResource(const QByteArray &path, const char *type, const QByteArray &body);

    const WebLimits &limits() const { return m_limits; }
    // Thread-safe counts: the operator hears of refused viewers; the tests read them all.
    int connectionCount() const { return m_connectionCount.load(); }
    int streamCount() const { return m_streamCount.load(); }
    quint64 droppedCount() const { return m_dropped.load(); }
    quint64 refusedCount() const { return m_refused.load(); }
    quint64 shedCount() const { return m_shed.load(); }

    // A test seam: the server's clock (civil local milliseconds, as the board's clocks count);
    // empty brings localMilliseconds back.
    void setNowOverride(std::function<int64_t()> now) { m_nowOverride = std::move(now); }

public slots:
    // A new state of the board: kept for new pages and sent to every page that follows.
    void publish(const tallyard::BoardState &state);

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    friend class WebConnection;
    struct Resource {
        QByteArray type;
        QByteArray body;
    };
    struct Picture {
        QString path;
        QDateTime modified;
        qint64 size = -1;
        QByteArray png; // empty: not a picture we can send
    };

    int64_t now() const;
    QByteArray message(const char *event, const QByteArray &data) const;
    QByteArray stateMessage() const;
    const Resource *resource(const QByteArray &path);
    QByteArray picture(bool home);
    void connectionGone(WebConnection *connection);
    void streamStarted(WebConnection *connection);
    void heartbeat();
    bool shedOne();
    int penaltyDelay(const QHostAddress &from);
    int penaltyRemaining(const QHostAddress &from) const;
    void runAtDoor(WebConnection *connection, const DoorDecision &decision, bool close);
    qint64 elapsedMs() const { return m_clock.elapsed(); }

    WebLimits m_limits;
    BoardState m_state;
    PictureRevisions m_pictures;
    QHash<QByteArray, Resource> m_resources;
    Picture m_picture[2];
    QSet<WebConnection *> m_connections;
    QSet<WebConnection *> m_streams;
    QSet<WebConnection *> m_turnedAway; // answered 503, closing
    QElapsedTimer m_clock;
    int64_t m_startedAt = 0; // epoch milliseconds
    std::shared_ptr<ControlAccess> m_control;
    QHash<QString, qint64> m_penaltyUntil; // by client address: when its next wrong try is answered
    // Answers to commands come back from the board's thread: to this server while it lives.
    struct Replies {
        std::mutex mutex;
        WebServer *server = nullptr;
    };
    std::shared_ptr<Replies> m_replies = std::make_shared<Replies>();
    quint64 m_nextConnection = 1;
    QTimer m_heartbeat;
    std::function<int64_t()> m_nowOverride;
    std::atomic<int> m_connectionCount{0};
    std::atomic<int> m_streamCount{0};
    std::atomic<quint64> m_dropped{0};
    std::atomic<quint64> m_refused{0};
    std::atomic<quint64> m_shed{0};
};

} // namespace tallyard
