// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Where a server of the program listens, as the operator writes it: "PORT", "ADDRESS:PORT",
// "[IPv6]:PORT". One reading for the command line and the server, so that what one takes the
// other does too.

#include <QString>

#include <optional>

namespace tallyard {

struct EndpointText {
    QString host; // empty for every interface; "localhost", "*" or an address as written
    quint16 port = 0;
};

// The host and port of text; nothing, with why (in the operator's language), when the port is
// no number from 0 to 65535 in ASCII digits or an IPv6 address lacks its brackets. The host is
// not looked at further: whether it is an address is the server's to say.
std::optional<EndpointText> splitEndpoint(const QString &text, QString *why);

} // namespace tallyard
