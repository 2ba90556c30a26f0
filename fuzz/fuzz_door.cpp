// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The control door fed any request: a head (up to the first blank line) and a body after it,
// the first byte saying whether the operator takes remote control. Whatever comes, a command
// runs only for a POST that shows the one good token and comes from no page or from the
// board's own origin, a pairing succeeds only with the code in force, and nothing is let in
// while the operator has stopped remote control.

#include "fuzz/FuzzSupport.h"
#include "scoreboard/web/ControlDoor.h"
#include "scoreboard/web/HttpRequest.h"

using namespace tallyard;
using tallyard::fuzz::check;

namespace {

const QByteArray GoodToken = "kX3vQ9w7Jt2mZp8rLd4sYb6nHc1fGa5eUo0iWq7xVy3";
const QByteArray GoodCode = "40417263";

class FakeAccess : public ControlAccess {
public:
    bool taking_ = true;
    bool paired = false;
    bool taking() const override { return taking_; }
    std::optional<QString> deviceOf(QByteArrayView token) const override
    {
        if (token == GoodToken)
            return QStringLiteral("phone");
        return std::nullopt;
    }
    std::optional<QByteArray> pair(QByteArrayView code, const QString &) override
    {
        check(taking_, "no pairing while remote control is stopped");
        if (code != GoodCode)
            return std::nullopt;
        paired = true;
        return GoodToken;
    }
    void wrongAttempt(const QHostAddress &) override { }
    void run(const QString &, const QString &, const QString &, Done) override
    {
        check(false, "the door itself never runs a command");
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size - 1));
    const qsizetype end = input.indexOf("\r\n\r\n");
    const QByteArray head = end < 0 ? input : input.left(end);
    const QByteArray body = end < 0 ? QByteArray() : input.mid(end + 4).left(MaxDoorBody);

    const HttpRequest request = parseHttpRequest(head, 64);
    if (request.status != 0)
        return 0;
    FakeAccess access;
    access.taking_ = (data[0] & 1) == 0;
    const DoorDecision decision = decideAtDoor(request, body, access);

    const bool sameOrigin = request.origin.isEmpty() || request.origin == "http://" + request.hostValue;
    if (decision.kind == DoorDecision::NotMine) {
        check(!request.path.startsWith("/api/"), "every /api/ path is the door's");
        return 0;
    }
    check(request.path.startsWith("/api/"), "the door keeps to /api/");
    if (decision.kind == DoorDecision::Run) {
        check(access.taking_, "nothing runs while remote control is stopped");
        check(request.method == "POST", "a command comes by POST only");
        check(sameOrigin, "no command from a page of another origin");
        check(request.authorization.startsWith("Bearer ") && request.authorization.mid(7).trimmed() == GoodToken,
              "a command needs the good token");
        check(decision.device == u"phone", "the command is the token's device's");
        check(decision.command.size() <= 40 && decision.value.size() <= 40, "names and values stay short");
        for (const QChar c : decision.command + decision.value)
            check(c.unicode() >= 0x20 && c.unicode() != 0x7f, "names and values are printable");
        return 0;
    }
    check(decision.status >= 200 && decision.status < 600, "an answer has a status");
    if (decision.status == 200) {
        check(access.paired && request.path == "/api/pair", "only a pairing answers 200 at the door");
        check(sameOrigin, "no pairing from a page of another origin");
        check(decision.body.contains(GoodToken), "a pairing answers with its token");
    } else {
        check(!decision.body.contains(GoodToken), "a refusal never shows a token");
    }
    return 0;
}
