// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The live web views of the board (tallyard --serve [ADDRESS:]PORT): the board as the
// audience sees it at /, a lower third for streams at /overlay, one large clock at /clock and
// the state as JSON at /state, served read-only from a thread of their own. The board's
// thread only hands each new state over (a queued signal); it never waits on a socket.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QTextStream;

namespace tallyard {

struct WebLimits;
class ControlAccess;

namespace WebViews {

// Starts serving the board's states (boardStates()) on "PORT" (every interface) or
// "ADDRESS:PORT" ("[v6]:PORT" for an IPv6 address); port 0 takes a free one. Lists the
// address of each view on out; on a bad address or one that cannot be bound, says why on
// err and returns false. Needs the application object; stops by itself when it quits.
bool start(const QString &addressAndPort, QTextStream &out, QTextStream &err);
// The same with other bounds (the tests').
bool start(const QString &addressAndPort, const WebLimits &limits, QTextStream &out, QTextStream &err);
// The board's face the pages draw (hall::boardDesignJson()), served at /design by the next
// start: the pages take the board's geometry from the program, never from a copy of their own.
void setBoardDesign(const QByteArray &json);
// Opens the control door with the next start (tallyard --control): the API at /api/ and the
// control page at /control, for paired devices only.
void setControl(std::shared_ptr<ControlAccess> access);
// The addresses to open a path at, one for each of the machine's addresses; none when not serving.
QStringList urls(const char *path);
// Stops serving and closes every connection; nothing when not serving.
void stop();
// The port served on, 0 when not serving.
quint16 port();

} // namespace WebViews

} // namespace tallyard
