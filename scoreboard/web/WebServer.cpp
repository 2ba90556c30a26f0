// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/web/WebServer.h"

#include "scoreboard/web/ControlDoor.h"
#include "scoreboard/web/HttpRequest.h"
#include "scoreboard/web/SegmentsJson.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTcpSocket>

#include <algorithm>
#include <optional>
#include <utility>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

// Compiled into a static library: the resources are registered by hand.
static void initWebResources()
{
    Q_INIT_RESOURCE(web);
}

namespace tallyard {

namespace {

// What every answer carries: pages may run only their own script and style, talk only to
// their own origin, and nothing is taken for another type than it says it is.
constexpr const char *CommonHeaders = "X-Content-Type-Options: nosniff\r\n"
                                      "Content-Security-Policy: default-src 'self'; script-src 'self'; "
                                      "style-src 'self'; img-src 'self'; connect-src 'self'; object-src 'none'; "
                                      "base-uri 'none'; form-action 'none'\r\n"
                                      "Referrer-Policy: no-referrer\r\n";

// The fixed routes to what is compiled in.
struct PageRoute {
    const char *path;
    const char *resource;
    const char *type;
};
constexpr PageRoute PageRoutes[] = {
    {"/", ":/web/board.html", "text/html; charset=utf-8"},
    {"/overlay", ":/web/overlay.html", "text/html; charset=utf-8"},
    {"/clock", ":/web/clock.html", "text/html; charset=utf-8"},
    {"/tallyard.js", ":/web/tallyard.js", "text/javascript; charset=utf-8"},
    {"/tallyard.css", ":/web/tallyard.css", "text/css; charset=utf-8"},
    {"/stream.js", ":/web/stream.js", "text/javascript; charset=utf-8"},
};

const char *reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 414:
        return "URI Too Long";
    case 431:
        return "Request Header Fields Too Large";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 413:
        return "Content Too Large";
    case 503:
        return "Service Unavailable";
    default:
        return "Error";
    }
}

// The moment as HTTP writes it: "Wed, 09 Dec 2026 17:50:00 GMT".
QByteArray httpDate()
{
    return QLocale::c()
        .toString(QDateTime::currentDateTimeUtc(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
        .toLatin1();
}

} // namespace

// One client: reads requests one after another (pipelined ones too), answers each at once,
// or turns into a stream of the board's changes. It ends cleanly: the answer goes out whole,
// the sending side is shut, and what the client still sends is read and dropped until it
// closes too, so that no unread byte turns the close into a reset that loses the answer.
class WebConnection : public QObject {
public:
    enum class Phase {
        Waiting,   // for the first request, or between requests (idle)
        Reading,   // a request head has begun
        Streaming, // a page following the board
        Closing,   // the last answer is on its way
    };

    WebConnection(WebServer &server, QTcpSocket *socket)
        : QObject(&server), m_server(server), m_socket(socket), m_peer(socket->peerAddress()),
          m_id(server.m_nextConnection++), m_since(server.elapsedMs())
    {
        socket->setParent(this);
        // A change is a small message that must leave at once, not wait for the last one's ack.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        // The system keeps little for a client that does not read: what stays unsent then
        // shows in Qt's buffer, which the bound on pending output watches.
        socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, SendBufferBytes);
        // Qt keeps no more of a client's bytes than one request head may hold.
        socket->setReadBufferSize(server.limits().maxHeadBytes + 1);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] { timedOut(); });
        connect(socket, &QTcpSocket::readyRead, this, [this] { readRequests(); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this] {
            m_wroteSinceBeat = true;
            shutWhenSent();
        });
        connect(socket, &QTcpSocket::disconnected, this, [this] { gone(); });
        connect(socket, &QTcpSocket::errorOccurred, this, [this] {
            if (m_socket->state() != QAbstractSocket::ConnectedState)
                gone();
        });
        // The first request has this long from the connection, however slowly it trickles in.
        m_timer.start(server.limits().requestTimeoutMs);
    }

    static constexpr int SendBufferBytes = 64 * 1024;

    bool streaming() const { return m_phase == Phase::Streaming; }
    Phase phase() const { return m_phase; }
    // The answer to a command the board has run (the server hands it over).
    void commandDone(int status, const QByteArray &body, bool close) { finishDoor(status, body, close); }
    const QHostAddress &peer() const { return m_peer; }
    quint64 id() const { return m_id; }
    // Since when it is in its phase (the server's elapsed milliseconds).
    qint64 since() const { return m_since; }

    // Sends bytes unless the client has left too much unread: then it is dropped.
    bool send(const QByteArray &bytes)
    {
        if (m_gone || (m_phase == Phase::Closing && m_shut))
            return false;
        if (m_socket->bytesToWrite() + bytes.size() > m_server.limits().maxPendingOutput
            && m_socket->bytesToWrite() > 0) {
            ++m_server.m_dropped;
            drop();
            return false;
        }
        m_socket->write(bytes);
        // Into the system's buffer at once: what stays in Qt's is what the client has not taken,
        // never a burst of changes that came faster than the event loop came round.
        m_socket->flush();
        return true;
    }

    // Between two heartbeats a stream must have moved some bytes, or it has stalled.
    void beat(const QByteArray &bytes)
    {
        if (m_socket->bytesToWrite() > 0 && !m_wroteSinceBeat) {
            ++m_server.m_dropped;
            drop();
            return;
        }
        m_wroteSinceBeat = false;
        send(bytes);
    }

    // Turned away at the door: the whole answer, then the end.
    void turnAway()
    {
        refuse(503);
        if (m_phase == Phase::Closing)
            m_timer.start(TurnAwayLingerMs); // a short time to take it
    }
    static constexpr int TurnAwayLingerMs = 2000;

    void drop()
    {
        if (m_gone)
            return;
        m_socket->abort();
        gone();
    }

private:
    void setPhase(Phase phase)
    {
        m_phase = phase;
        m_since = m_server.elapsedMs();
    }

    void timedOut()
    {
        switch (m_phase) {
        case Phase::Reading:
            refuse(408); // a head that trickles in ends at its deadline
            return;
        case Phase::Waiting:
            if (m_answered == 0) {
                refuse(408);
                return;
            }
            finish(); // idle long enough
            return;
        case Phase::Streaming:
            return;
        case Phase::Closing:
            drop(); // the client did not take the answer, or did not close, in time
            return;
        }
    }

    void gone()
    {
        if (m_gone)
            return;
        m_gone = true;
        m_timer.stop();
        m_server.connectionGone(this);
        deleteLater();
    }

    // The answer sent is the last: once it is out, the sending side is shut.
    void finish()
    {
        if (m_phase == Phase::Closing)
            return;
        setPhase(Phase::Closing);
        m_buffer.clear();
        m_timer.start(m_server.limits().requestTimeoutMs);
        shutWhenSent();
    }

    void shutWhenSent()
    {
        if (m_phase != Phase::Closing || m_shut || m_socket->bytesToWrite() > 0)
            return;
        m_shut = true;
        const qintptr fd = m_socket->socketDescriptor();
        if (fd >= 0) {
#ifdef _WIN32
            ::shutdown(static_cast<SOCKET>(fd), SD_SEND);
#else
            ::shutdown(static_cast<int>(fd), SHUT_WR);
#endif
        }
    }

    void readRequests()
    {
        const WebLimits &limits = m_server.limits();
        // A stream's client has nothing more to say, and a closing one is not listened to.
        if (m_phase == Phase::Streaming || m_phase == Phase::Closing) {
            m_socket->skip(m_socket->bytesAvailable());
            return;
        }
        if (m_door) {
            takeDoorBody();
            return;
        }
        if (m_busy)
            return; // a command runs: the next request is read once it is answered
        m_buffer += m_socket->read(limits.maxHeadBytes + 1 - m_buffer.size());
        if (m_phase == Phase::Waiting && !m_buffer.isEmpty() && m_answered > 0) {
            setPhase(Phase::Reading);
            m_timer.start(limits.requestTimeoutMs); // a further request has that long to arrive whole
        } else if (m_phase == Phase::Waiting && !m_buffer.isEmpty()) {
            setPhase(Phase::Reading); // the first keeps the deadline it had from the connection
        }
        while (m_phase == Phase::Reading) {
            qsizetype end = m_buffer.indexOf("\r\n\r\n");
            qsizetype skip = 4;
            const qsizetype bare = m_buffer.indexOf("\n\n");
            if (bare >= 0 && (end < 0 || bare < end)) {
                end = bare;
                skip = 2;
            }
            if (end < 0 || end + skip > limits.maxHeadBytes) {
                if (m_buffer.size() > limits.maxHeadBytes)
                    refuse(m_buffer.indexOf('\n') < 0 ? 414 : 431);
                return;
            }
            const QByteArray head = m_buffer.left(end);
            m_buffer.remove(0, end + skip);
            ++m_answered;
            answer(head);
            if (m_phase != Phase::Reading || m_door || m_busy)
                return;
            if (m_buffer.size() <= limits.maxHeadBytes)
                m_buffer += m_socket->read(limits.maxHeadBytes + 1 - m_buffer.size());
            if (m_buffer.isEmpty()) {
                // Answered, nothing more asked: the connection may stay idle this long.
                setPhase(Phase::Waiting);
                m_timer.start(limits.idleTimeoutMs);
                return;
            }
            m_timer.start(limits.requestTimeoutMs); // the next request, pipelined
        }
    }

    void refuse(int status)
    {
        respond(status, "text/plain; charset=utf-8", QByteArray(reason(status)) + '\n', false, true);
    }

    void respond(int status, const QByteArray &type, const QByteArray &body, bool headOnly, bool close,
                 const char *extraHeaders = "")
    {
        QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
        response += "Content-Type: " + type + "\r\n";
        response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        response += "Cache-Control: no-cache\r\n";
        response += "Date: " + httpDate() + "\r\n";
        response += CommonHeaders;
        response += extraHeaders;
        response += close ? "Connection: close\r\n\r\n" : "Connection: keep-alive\r\n\r\n";
        if (!headOnly)
            response += body;
        if (!send(response))
            return;
        if (close)
            finish();
    }

    void answer(const QByteArray &head)
    {
        const HttpRequest request = parseHttpRequest(head, m_server.limits().maxHeaderLines);
        if (request.status != 0) {
            refuse(request.status);
            return;
        }
        // The control door's requests carry a short body; it is read before they are answered.
        if (m_server.m_control && request.path.startsWith("/api/") && request.method == "POST") {
            if (request.chunked || request.contentLength < 0 || request.contentLength > MaxDoorBody) {
                refuse(request.contentLength > MaxDoorBody ? 413 : 400);
                return;
            }
            m_door = request;
            takeDoorBody();
            return;
        }
        const QByteArray &method = request.method;
        const bool close = request.close;
        if (method != "GET" && method != "HEAD") {
            // Whatever body may follow is never read: the connection ends with the answer.
            respond(405, "text/plain; charset=utf-8", "Method Not Allowed\n", false, true, "Allow: GET, HEAD\r\n");
            return;
        }
        if (request.chunked || request.contentLength != 0) {
            refuse(400);
            return;
        }
        const bool headOnly = method == "HEAD";
        const QByteArray &path = request.path;

        if (path == "/events") {
            startStream(headOnly);
            return;
        }
        if (path == "/state") {
            respond(200, "application/json",
                    tallyard::stateJson(m_server.m_state, m_server.now(), m_server.m_pictures, m_server.m_startedAt),
                    headOnly, close, "Access-Control-Allow-Origin: *\r\n");
            return;
        }
        if (path == "/picture/home" || path == "/picture/visitor") {
            const QByteArray png = m_server.picture(path == "/picture/home");
            if (png.isEmpty())
                respond(404, "text/plain; charset=utf-8", "Not Found\n", headOnly, close);
            else
                respond(200, "image/png", png, headOnly, close);
            return;
        }
        if (const WebServer::Resource *page = m_server.resource(path)) {
            respond(200, page->type, page->body, headOnly, close);
            return;
        }
        respond(404, "text/plain; charset=utf-8", "Not Found\n", headOnly, close);
    }

    // The door's request once its body is here; called again as more bytes come.
    void takeDoorBody()
    {
        if (!m_door)
            return;
        const qsizetype length = m_door->contentLength;
        if (m_buffer.size() < length) {
            m_buffer += m_socket->read(length - m_buffer.size());
            if (m_buffer.size() < length)
                return; // more to come, within the request's deadline
        }
        const QByteArray body = m_buffer.left(length);
        m_buffer.remove(0, length);
        const HttpRequest request = *std::exchange(m_door, std::nullopt);
        m_busy = true;
        decideWhenDue(request, body);
    }

    // An address that gave a wrong token or code is not heard again until its penalty is over,
    // however many connections it holds: a guess a second at most, answered a second late.
    void decideWhenDue(const HttpRequest &request, const QByteArray &body)
    {
        if (const int wait = m_server.penaltyRemaining(m_peer); wait > 0) {
            QTimer::singleShot(wait, this, [this, request, body] { decideWhenDue(request, body); });
            return;
        }
        const DoorDecision decision = decideAtDoor(request, body, *m_server.m_control);
        const bool close = request.close;
        if (decision.kind == DoorDecision::Answer) {
            if (decision.wrongCredential) {
                m_server.m_control->wrongAttempt(m_peer);
                QTimer::singleShot(m_server.penaltyDelay(m_peer), this,
                                   [this, decision, close] { finishDoor(decision.status, decision.body, close); });
                return;
            }
            finishDoor(decision.status, decision.body, close);
            return;
        }
        m_server.runAtDoor(this, decision, close);
    }

    // The door's answer, then the connection goes on as after any request.
    void finishDoor(int status, const QByteArray &body, bool close)
    {
        m_busy = false;
        respond(status, "application/json", body, false, close, "Cache-Control: no-store\r\n");
        if (m_phase == Phase::Reading || m_phase == Phase::Waiting) {
            if (m_buffer.isEmpty()) {
                setPhase(Phase::Waiting);
                m_timer.start(m_server.limits().idleTimeoutMs);
            } else {
                readRequests();
            }
        }
    }

    void startStream(bool headOnly)
    {
        QByteArray response = "HTTP/1.1 200 OK\r\n"
                              "Content-Type: text/event-stream\r\n"
                              "Cache-Control: no-store\r\n";
        response += CommonHeaders;
        response += "Date: " + httpDate() + "\r\n";
        if (headOnly) {
            send(response + "Content-Length: 0\r\nConnection: close\r\n\r\n");
            finish();
            return;
        }
        // A page that loses the stream comes back after a second, as EventSource does.
        response += "Connection: keep-alive\r\n\r\nretry: 1000\n\n";
        setPhase(Phase::Streaming);
        m_timer.stop();
        m_buffer.clear();
        if (send(response + m_server.stateMessage()))
            m_server.streamStarted(this);
    }

    WebServer &m_server;
    QTcpSocket *m_socket;
    const QHostAddress m_peer;
    const quint64 m_id;
    QByteArray m_buffer;
    QTimer m_timer;
    Phase m_phase = Phase::Waiting;
    std::optional<HttpRequest> m_door; // a door's request waiting for its body
    bool m_busy = false;               // a door's request being answered
    qint64 m_since = 0;
    int m_answered = 0; // requests answered
    bool m_shut = false;
    bool m_gone = false;
    bool m_wroteSinceBeat = false;
};

WebServer::WebServer(const WebLimits &limits, QObject *parent) : QTcpServer(parent), m_limits(limits)
{
    m_clock.start();
    m_replies->server = this;
    m_startedAt = epochMilliseconds(now());
    // A hall's worth of browsers may knock at once: they wait in the system's queue, not refused.
    setListenBacklogSize(ListenBacklog);
    initWebResources();
    for (const PageRoute &route : PageRoutes) {
        QFile file(QString::fromLatin1(route.resource));
        if (file.open(QIODevice::ReadOnly))
            m_resources.insert(route.path, Resource{route.type, file.readAll()});
    }
    m_resources.insert("/segments", Resource{"application/json", segmentsJson()});
    m_heartbeat.setInterval(m_limits.heartbeatMs);
    connect(&m_heartbeat, &QTimer::timeout, this, [this] { heartbeat(); });
    m_heartbeat.start();
}

void WebServer::setControl(std::shared_ptr<ControlAccess> access)
{
    m_control = std::move(access);
}

int WebServer::penaltyRemaining(const QHostAddress &from) const
{
    const qint64 left = m_penaltyUntil.value(from.toString()) - elapsedMs();
    return left > 0 ? static_cast<int>(left) : 0;
}

int WebServer::penaltyDelay(const QHostAddress &from)
{
    constexpr qint64 Step = 1000;
    constexpr qint64 Longest = 60'000;
    const qint64 now = elapsedMs();
    qint64 &until = m_penaltyUntil[from.toString()];
    until = std::min(std::max(until, now) + Step, now + Longest);
    // Addresses that have stopped trying are forgotten now and then.
    if (m_penaltyUntil.size() > 4096)
        m_penaltyUntil.removeIf([now](const auto &entry) { return entry.value() < now; });
    return static_cast<int>(until - now);
}

void WebServer::runAtDoor(WebConnection *connection, const DoorDecision &decision, bool close)
{
    const quint64 id = connection->id();
    const std::shared_ptr<Replies> replies = m_replies;
    m_control->run(decision.command, decision.value, decision.device,
                   [replies, id, close](int status, const QString &why, const BoardState &state) {
                       std::lock_guard lock(replies->mutex);
                       WebServer *server = replies->server;
                       if (!server)
                           return;
                       QMetaObject::invokeMethod(
                           server,
                           [server, id, close, status, why, state] {
                               for (WebConnection *c : std::as_const(server->m_connections)) {
                                   if (c->id() != id)
                                       continue;
                                   const QByteArray body = status == 200
                                       ? stateJson(state, server->now(), server->m_pictures, server->m_startedAt)
                                       : QJsonDocument(QJsonObject{{"error", why}}).toJson(QJsonDocument::Compact);
                                   c->commandDone(status, body, close);
                                   return;
                               }
                           },
                           Qt::QueuedConnection);
                   });
}

void WebServer::addResource(const QByteArray &path, const char *type, const QByteArray &body)
{
    if (!body.isEmpty())
        m_resources.insert(path, Resource{type, body});
}

WebServer::~WebServer()
{
    {
        // From now on an answer from the board's thread finds nobody to hand it to.
        std::lock_guard lock(m_replies->mutex);
        m_replies->server = nullptr;
    }
    // The connections are children; they must not call back into a half-destroyed server.
    const QSet<WebConnection *> connections = m_connections + m_turnedAway;
    m_connections.clear();
    m_turnedAway.clear();
    m_streams.clear();
    for (WebConnection *connection : connections)
        delete connection;
}

int64_t WebServer::now() const
{
    return m_nowOverride ? m_nowOverride() : localMilliseconds();
}

QByteArray WebServer::message(const char *event, const QByteArray &data) const
{
    return QByteArray("event: ") + event + "\ndata: " + data + "\n\n";
}

QByteArray WebServer::stateMessage() const
{
    return message("state", tallyard::stateJson(m_state, now(), m_pictures, m_startedAt));
}

void WebServer::publish(const BoardState &state)
{
    m_state = state;
    m_pictures.follow(state);
    if (m_streams.isEmpty())
        return;
    const QByteArray bytes = stateMessage();
    // A copy: a client that cannot keep up leaves the set while it is walked.
    const QSet<WebConnection *> streams = m_streams;
    for (WebConnection *stream : streams)
        if (m_streams.contains(stream))
            stream->send(bytes);
}

void WebServer::heartbeat()
{
    if (m_streams.isEmpty())
        return;
    const QByteArray bytes
        = message("time",
                  "{\"now\":" + QByteArray::number(static_cast<qlonglong>(epochMilliseconds(now())))
                      + ",\"version\":" + QByteArray::number(static_cast<qulonglong>(m_state.version)) + "}");
    const QSet<WebConnection *> streams = m_streams;
    for (WebConnection *stream : streams)
        if (m_streams.contains(stream))
            stream->beat(bytes);
}

void WebServer::incomingConnection(qintptr socketDescriptor)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(socketDescriptor)) {
        delete socket;
        return;
    }
    const QHostAddress peer = socket->peerAddress();
    const auto fromPeer = [&peer](const QSet<WebConnection *> &set) {
        return std::count_if(set.cbegin(), set.cend(), [&](const WebConnection *c) { return c->peer() == peer; });
    };
    // Being turned away is bounded too, for each client and in all: a client that keeps its
    // refused connections open, or a storm of them, gets no more answers, only a cut.
    if (fromPeer(m_turnedAway) >= m_limits.maxConnectionsPerClient || m_turnedAway.size() >= m_limits.maxConnections) {
        ++m_refused;
        socket->abort();
        delete socket;
        return;
    }
    auto *connection = new WebConnection(*this, socket);
    bool admitted = fromPeer(m_connections) < m_limits.maxConnectionsPerClient;
    if (admitted && m_connections.size() >= m_limits.maxConnections)
        admitted = shedOne();
    if (!admitted) {
        ++m_refused;
        m_turnedAway.insert(connection);
        connection->turnAway();
        return;
    }
    m_connections.insert(connection);
    m_connectionCount = static_cast<int>(m_connections.size());
}

bool WebServer::shedOne()
{
    // A viewer that follows the board is never shed for a newcomer; of the others, the one
    // that has waited longest (idle between requests, or a head still coming in).
    WebConnection *oldest = nullptr;
    for (WebConnection *connection : std::as_const(m_connections)) {
        const auto phase = connection->phase();
        if (phase == WebConnection::Phase::Streaming)
            continue;
        if (!oldest || connection->since() < oldest->since())
            oldest = connection;
    }
    if (!oldest)
        return false;
    ++m_shed;
    oldest->drop();
    return true;
}

void WebServer::connectionGone(WebConnection *connection)
{
    m_turnedAway.remove(connection);
    m_connections.remove(connection);
    m_streams.remove(connection);
    m_connectionCount = static_cast<int>(m_connections.size());
    m_streamCount = static_cast<int>(m_streams.size());
}

void WebServer::streamStarted(WebConnection *connection)
{
    if (m_connections.contains(connection))
        m_streams.insert(connection);
    m_streamCount = static_cast<int>(m_streams.size());
}

const WebServer::Resource *WebServer::resource(const QByteArray &path)
{
    const auto it = m_resources.constFind(path);
    return it == m_resources.constEnd() ? nullptr : &it.value();
}

QByteArray WebServer::picture(bool home)
{
    // Only the file the board shows, never a path from the request.
    const QString path = home ? m_state.homePicture : m_state.visitorPicture;
    Picture &cached = m_picture[home ? 0 : 1];
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable() || info.size() > m_limits.maxPictureFileBytes)
        return {};
    if (cached.path == path && cached.modified == info.lastModified() && cached.size == info.size())
        return cached.png;
    cached = Picture{path, info.lastModified(), info.size(), {}};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image;
    const QSize size = reader.size();
    // A large picture is decoded straight to a size worth sending.
    if (size.isValid() && (size.width() > m_limits.maxPictureSide || size.height() > m_limits.maxPictureSide))
        reader.setScaledSize(size.scaled(m_limits.maxPictureSide, m_limits.maxPictureSide, Qt::KeepAspectRatio));
    if (!reader.read(&image) || image.isNull())
        return {};
    if (image.width() > m_limits.maxPictureSide || image.height() > m_limits.maxPictureSide)
        image = image.scaled(m_limits.maxPictureSide, m_limits.maxPictureSide, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    QBuffer buffer(&cached.png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        cached.png.clear();
    return cached.png;
}

} // namespace tallyard
