// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The door through which the board takes commands from the network (tallyard --serve ...
// --control): apart from the read-only views, opened only when asked for, and only to a
// device that shows a token it was given when it paired with a code from the operator's
// screen. No command comes from a page of another origin; no cookie is ever set or read, so
// another site's form cannot act for a device.
//
//   POST /api/pair            body code=CODE&device=NAME     -> {"token": "..."}
//   POST /api/command/NAME    Authorization: Bearer TOKEN, value in ?value= or the body
//                                                            -> the board's state after it

#include "scoreboard/state/BoardState.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>

#include <functional>
#include <optional>

namespace tallyard {

struct HttpRequest;

// The program's side of the door. Any thread may call it.
class ControlAccess {
public:
    virtual ~ControlAccess() = default;
    // Whether the operator lets remote control act now.
    virtual bool taking() const = 0;
    // The name of the device a token was given to; nothing for a token no device holds.
    virtual std::optional<QString> deviceOf(QByteArrayView token) const = 0;
    // A new token for a device that shows the pairing code in force; nothing otherwise.
    virtual std::optional<QByteArray> pair(QByteArrayView code, const QString &device) = 0;
    // A token or a code that was wrong, from that address: counted for the operator.
    virtual void wrongAttempt(const QHostAddress &from) = 0;
    // Runs a command on the board's thread; done is called there: 200 with the state after
    // it, or the status (400 a value it cannot take, 404 no such command) with why.
    using Done = std::function<void(int status, const QString &why, const BoardState &state)>;
    virtual void run(const QString &command, const QString &value, const QString &device, Done done) = 0;
};

// What the door makes of a request, before anything runs: a plain function of the request.
struct DoorDecision {
    enum Kind {
        NotMine, // no path of the door's
        Answer,  // answered at once: status and body
        Run,     // a command to run for a device that showed its token
    } kind
        = NotMine;
    int status = 0;
    QByteArray body;
    bool wrongCredential = false; // a token or code that was wrong: the answer is slowed
    QString command;
    QString value;
    QString device;
};
DoorDecision decideAtDoor(const HttpRequest &request, const QByteArray &body, ControlAccess &access);

// The bound of a command's or a pairing's body.
inline constexpr qsizetype MaxDoorBody = 1024;

} // namespace tallyard
