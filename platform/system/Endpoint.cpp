// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/Endpoint.h"

#include <QCoreApplication>

#include <algorithm>

namespace tallyard {

std::optional<EndpointText> splitEndpoint(const QString &text, QString *why)
{
    const QString trimmed = text.trimmed();
    QString host;
    QString port = trimmed;
    const auto fail = [why](const char *reason) -> std::optional<EndpointText> {
        *why = QCoreApplication::translate("Endpoint", reason);
        return std::nullopt;
    };
    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(QLatin1String("]:"));
        if (close < 0)
            return fail(QT_TRANSLATE_NOOP("Endpoint", "an IPv6 address is written [ADDRESS]:PORT"));
        host = trimmed.mid(1, close - 1);
        port = trimmed.mid(close + 2);
    } else if (const qsizetype colon = trimmed.lastIndexOf(u':'); colon >= 0) {
        host = trimmed.left(colon);
        port = trimmed.mid(colon + 1);
        if (host.contains(u':'))
            return fail(QT_TRANSLATE_NOOP("Endpoint", "an IPv6 address is written [ADDRESS]:PORT"));
    }
    // ASCII digits only: other scripts' digits are no port a browser could be given.
    const bool digits = !port.isEmpty() && port.size() <= 5
        && std::all_of(port.begin(), port.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits || port.toUInt() > 65535)
        return fail(QT_TRANSLATE_NOOP("Endpoint", "the port is a number from 0 to 65535"));
    return EndpointText{host, static_cast<quint16>(port.toUInt())};
}

} // namespace tallyard
