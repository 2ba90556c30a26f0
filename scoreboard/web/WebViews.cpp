// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/web/WebViews.h"

#include "platform/system/Endpoint.h"
#include "platform/system/Notices.h"

#include "scoreboard/state/BoardState.h"
#include "scoreboard/web/ControlDoor.h"
#include "scoreboard/web/WebServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <memory>
#include <optional>

namespace tallyard::WebViews {

namespace {

struct Serving {
    QThread thread;
    QTimer watch; // the board's thread: tells the operator of viewers turned away
    QHostAddress bound;
    quint64 refusedTold = 0;
    WebServer *server = nullptr; // lives in thread
    QMetaObject::Connection feed;
    QMetaObject::Connection quit;
    quint16 port = 0;
};

// A program that ends without quitting its event loop still stops the thread first.
struct Holder {
    std::unique_ptr<Serving> current;
    ~Holder() { stop(); }
};

std::unique_ptr<Serving> &serving()
{
    static Holder holder;
    return holder.current;
}

std::shared_ptr<ControlAccess> &controlAccess()
{
    static std::shared_ptr<ControlAccess> access;
    return access;
}

QByteArray &boardDesign()
{
    static QByteArray design;
    return design;
}

struct Endpoint {
    QHostAddress address;
    quint16 port = 0;
};

std::optional<Endpoint> parseEndpoint(const QString &text, QString &why)
{
    const std::optional<EndpointText> split = splitEndpoint(text, &why);
    if (!split)
        return std::nullopt;
    Endpoint endpoint{QHostAddress::Any, split->port};
    if (split->host.compare(u"localhost", Qt::CaseInsensitive) == 0)
        endpoint.address = QHostAddress::LocalHost;
    else if (!split->host.isEmpty() && split->host != u"*" && !endpoint.address.setAddress(split->host)) {
        why = QCoreApplication::translate("WebViews", "\"%1\" is not an IP address").arg(split->host);
        return std::nullopt;
    }
    return endpoint;
}

// The addresses a browser on this machine or the hall's network opens.
QList<QHostAddress> addressesToOpen(const QHostAddress &bound)
{
    const bool any = bound == QHostAddress::Any || bound == QHostAddress::AnyIPv4 || bound == QHostAddress::AnyIPv6;
    if (!any)
        return {bound};
    QList<QHostAddress> outside;
    QList<QHostAddress> loopback;
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        const bool v4 = address.protocol() == QAbstractSocket::IPv4Protocol;
        if (bound == QHostAddress::AnyIPv6 && v4)
            continue;
        if (bound == QHostAddress::AnyIPv4 && !v4)
            continue;
        // Link-local IPv6 addresses need a zone that no one types into a browser.
        if (!v4 && (address.isLinkLocal() || !address.scopeId().isEmpty()))
            continue;
        (address.isLoopback() ? loopback : outside).append(address);
    }
    return outside + loopback;
}

QString url(const QHostAddress &address, quint16 port, const char *path)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
        ? QStringLiteral("[%1]").arg(address.toString())
        : address.toString();
    return QStringLiteral("http://%1:%2%3").arg(host).arg(port).arg(QLatin1String(path));
}

} // namespace

bool start(const QString &addressAndPort, QTextStream &out, QTextStream &err)
{
    return start(addressAndPort, WebLimits{}, out, err);
}

bool start(const QString &addressAndPort, const WebLimits &limits, QTextStream &out, QTextStream &err)
{
    if (serving()) {
        err << QCoreApplication::translate("WebViews", "--serve: the web views are served already") << '\n';
        return false;
    }
    QString why;
    const std::optional<Endpoint> endpoint = parseEndpoint(addressAndPort.trimmed(), why);
    if (!endpoint) {
        err << QStringLiteral("--serve %1: %2").arg(addressAndPort, why) << '\n';
        err.flush();
        return false;
    }
    qRegisterMetaType<tallyard::BoardState>("tallyard::BoardState");

    auto current = std::make_unique<Serving>();
    current->thread.setObjectName(QStringLiteral("web views"));
    current->thread.start();
    // The server is made, bound and later destroyed in its own thread.
    QObject context;
    context.moveToThread(&current->thread);
    QString error;
    Serving *s = current.get();
    QMetaObject::invokeMethod(
        &context,
        [&] {
            auto *server = new WebServer(limits);
            server->addResource("/design", "application/json", boardDesign());
            if (controlAccess()) {
                server->setControl(controlAccess());
                QFile page(QStringLiteral(":/web/control.html"));
                if (page.open(QIODevice::ReadOnly))
                    server->addResource("/control", "text/html; charset=utf-8", page.readAll());
            }
            if (server->listen(endpoint->address, endpoint->port)) {
                s->server = server;
                s->port = server->serverPort();
            } else {
                error = server->errorString();
                delete server;
            }
            context.moveToThread(nullptr);
        },
        Qt::BlockingQueuedConnection);
    if (!s->server) {
        current->thread.quit();
        current->thread.wait();
        err << QCoreApplication::translate("WebViews", "--serve %1: the web views cannot be served there (%2)")
                   .arg(addressAndPort, error)
            << '\n';
        err.flush();
        return false;
    }

    WebServer *server = s->server;
    const BoardState first = boardStates().current();
    QMetaObject::invokeMethod(
        server, [server, first] { server->publish(first); }, Qt::QueuedConnection);
    s->feed = QObject::connect(&boardStates(), &BoardStatePublisher::changed, server, &WebServer::publish,
                               Qt::QueuedConnection);
    if (QCoreApplication *app = QCoreApplication::instance())
        s->quit = QObject::connect(app, &QCoreApplication::aboutToQuit, [] { stop(); });
    // The counts are atomic: read from here while the server's thread counts.
    s->watch.setInterval(5000);
    QObject::connect(&s->watch, &QTimer::timeout, [s, limits] {
        const quint64 refused = s->server->refusedCount();
        if (refused == s->refusedTold)
            return;
        notices().post(
            Notice::passing(QCoreApplication::translate("WebViews",
                                                        "The web views have turned connections away (%1 in "
                                                        "all): they serve %2 at a time, %3 from one address.")
                                .arg(refused)
                                .arg(limits.maxConnections)
                                .arg(limits.maxConnectionsPerClient)));
        s->refusedTold = refused;
    });
    s->watch.start();

    const char *views[][2] = {
        {"/", "the board"},
        {"/overlay", "a lower third for a stream"},
        {"/clock", "one large clock"},
        {"/state", "the state as JSON"},
    };
    s->bound = endpoint->address;
    for (const QHostAddress &address : addressesToOpen(endpoint->address))
        for (const auto &[path, what] : views)
            out << url(address, s->port, path) << "  " << what << "\n";
    if (controlAccess())
        for (const QHostAddress &address : addressesToOpen(endpoint->address))
            out << url(address, s->port, "/control") << "  "
                << QCoreApplication::translate("WebViews", "the control page (paired devices only)") << "\n";
    out.flush();
    serving() = std::move(current);
    return true;
}

void setBoardDesign(const QByteArray &json)
{
    boardDesign() = json;
}

void setControl(std::shared_ptr<ControlAccess> access)
{
    controlAccess() = std::move(access);
}

QStringList urls(const char *path)
{
    QStringList out;
    if (!serving())
        return out;
    for (const QHostAddress &address : addressesToOpen(serving()->bound))
        out << url(address, serving()->port, path);
    return out;
}

void stop()
{
    std::unique_ptr<Serving> current = std::move(serving());
    if (!current)
        return;
    current->watch.stop();
    QObject::disconnect(current->feed);
    QObject::disconnect(current->quit);
    WebServer *server = current->server;
    QMetaObject::invokeMethod(
        server, [server] { delete server; }, Qt::BlockingQueuedConnection);
    current->thread.quit();
    current->thread.wait();
}

quint16 port()
{
    return serving() ? serving()->port : 0;
}

} // namespace tallyard::WebViews
