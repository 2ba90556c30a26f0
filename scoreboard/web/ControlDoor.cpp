// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/web/ControlDoor.h"

#include "scoreboard/web/HttpRequest.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace tallyard {

namespace {

DoorDecision answer(int status, const QByteArray &text, bool wrong = false)
{
    DoorDecision d;
    d.kind = DoorDecision::Answer;
    d.status = status;
    d.body = QJsonDocument(QJsonObject{{"error", QString::fromUtf8(text)}}).toJson(QJsonDocument::Compact);
    d.wrongCredential = wrong;
    return d;
}

// A name, a value: printable and short, whatever was sent.
QString cleaned(const QByteArray &bytes, int longest)
{
    QString text = QString::fromUtf8(bytes).left(longest);
    for (QChar &c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u' ';
    return text.trimmed();
}

} // namespace

DoorDecision decideAtDoor(const HttpRequest &request, const QByteArray &body, ControlAccess &access)
{
    if (!request.path.startsWith("/api/"))
        return {};
    if (request.method != "POST")
        return answer(405, "the door takes POST only");
    // A page of another origin never acts; a tool that sends no Origin (a script, Companion) may.
    if (!request.origin.isEmpty() && request.origin != "http://" + request.hostValue)
        return answer(403, "not from a page of another origin");
    if (!access.taking())
        return answer(403, "the operator has stopped remote control");
    if (request.path == "/api/pair") {
        const QByteArray code = formValue(body, "code");
        const QString device = cleaned(formValue(body, "device"), 60);
        const std::optional<QByteArray> token = code.isEmpty() ? std::nullopt : access.pair(code, device);
        if (!token)
            return answer(401, "that pairing code is wrong or has expired", true);
        DoorDecision d;
        d.kind = DoorDecision::Answer;
        d.status = 200;
        d.body = QJsonDocument(QJsonObject{{"token", QString::fromLatin1(*token)}}).toJson(QJsonDocument::Compact);
        return d;
    }
    const QByteArray prefix = "/api/command/";
    if (!request.path.startsWith(prefix) || request.path.size() == prefix.size())
        return answer(404, "no such path");
    const QByteArray bearer = "Bearer ";
    const QByteArray token
        = request.authorization.startsWith(bearer) ? request.authorization.mid(bearer.size()).trimmed() : QByteArray();
    const std::optional<QString> device = token.isEmpty() ? std::nullopt : access.deviceOf(token);
    if (!device)
        return answer(401, "a paired device's token is needed", true);
    DoorDecision d;
    d.kind = DoorDecision::Run;
    d.command = cleaned(request.path.mid(prefix.size()), 40);
    // The value in the query, or the body: a form's value=..., or the body itself (a tool's
    // plain text).
    QByteArray value = formValue(request.query, "value");
    if (value.isEmpty())
        value = body.contains("value=") ? formValue(body, "value") : body;
    d.value = cleaned(value, 40);
    d.device = *device;
    return d;
}

} // namespace tallyard
