// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/web/HttpRequest.h"

#include <QList>
#include <QUrl>

#include <algorithm>
#include <string_view>

namespace tallyard {

namespace {

bool isTokenChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
        || std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool isToken(QByteArrayView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isTokenChar);
}

} // namespace

HttpRequest parseHttpRequest(QByteArrayView head, int maxHeaderLines)
{
    HttpRequest r;
    const QList<QByteArray> lines = head.toByteArray().split('\n');
    QList<QByteArray> request = lines.value(0).trimmed().split(' ');
    // The absolute form a proxy would send names the path after the host.
    if (request.size() == 3) {
        const QByteArray lower = request[1].toLower();
        if (lower.startsWith("http://") || lower.startsWith("https://")) {
            const qsizetype slash = request[1].indexOf('/', request[1].indexOf("//") + 2);
            request[1] = slash < 0 ? QByteArray("/") : request[1].mid(slash);
        }
    }
    if (request.size() != 3 || !isToken(request[0]) || !request[1].startsWith('/')
        || !request[2].startsWith("HTTP/1.")) {
        r.status = 400;
        return r;
    }
    if (lines.size() - 1 > maxHeaderLines) {
        r.status = 431;
        return r;
    }
    r.method = request[0];
    r.path = request[1];
    if (const qsizetype query = r.path.indexOf('?'); query >= 0) {
        r.query = r.path.mid(query + 1);
        r.path.truncate(query);
    }
    r.http10 = request[2] == "HTTP/1.0";
    r.close = r.http10;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(QByteArrayView(line).first(colon))) {
            r.status = 400;
            return r;
        }
        const QByteArray name = line.left(colon).toLower();
        const QByteArray raw = line.mid(colon + 1).trimmed();
        const QByteArray value = raw.toLower();
        if (name == "host") {
            r.host = true;
            r.hostValue = raw;
        } else if (name == "connection") {
            r.close = value.contains("close") || (r.http10 && !value.contains("keep-alive"));
        } else if (name == "transfer-encoding") {
            r.chunked = true;
        } else if (name == "content-length") {
            bool ok = false;
            const qlonglong length = raw.toLongLong(&ok);
            r.contentLength = ok && length >= 0 ? static_cast<qsizetype>(length) : -1;
        } else if (name == "origin") {
            r.origin = raw;
        } else if (name == "authorization") {
            r.authorization = raw;
        }
    }
    // HTTP/1.1 asks every request to name its host.
    if (!r.http10 && !r.host)
        r.status = 400;
    return r;
}

QByteArray formValue(QByteArrayView form, QByteArrayView name)
{
    for (const QByteArray &pair : form.toByteArray().split('&')) {
        const qsizetype equals = pair.indexOf('=');
        const QByteArray key = equals < 0 ? pair : pair.left(equals);
        if (key == name) {
            QByteArray value = equals < 0 ? QByteArray() : pair.mid(equals + 1);
            value.replace('+', ' ');
            return QByteArray::fromPercentEncoding(value);
        }
    }
    return {};
}

} // namespace tallyard
