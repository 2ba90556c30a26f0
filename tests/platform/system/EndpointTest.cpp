// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// Where the web views listen, as an operator writes it on the command line.

#include "platform/system/Endpoint.h"

#include <gtest/gtest.h>

namespace tallyard {
namespace {

TEST(Endpoint, ReadsEachWayOfWritingAnAddressAndAPort)
{
    const struct {
        const char *text;
        bool taken;
        const char *host;
        quint16 port;
        const char *why; // a word of the reason, when refused
    } cases[] = {
        {"8080", true, "", 8080, nullptr},
        {" 8080 ", true, "", 8080, nullptr},
        {"0", true, "", 0, nullptr},
        {"65535", true, "", 65535, nullptr},
        {"127.0.0.1:8080", true, "127.0.0.1", 8080, nullptr},
        {"localhost:8080", true, "localhost", 8080, nullptr},
        {"*:8080", true, "*", 8080, nullptr},
        {"[::1]:8080", true, "::1", 8080, nullptr},
        {"[fe80::1%eth0]:80", true, "fe80::1%eth0", 80, nullptr},
        {"hall-laptop:8080", true, "hall-laptop", 8080, nullptr}, // the server says it is no address
        {"::1:8080", false, "", 0, "IPv6"},
        {"[::1]8080", false, "", 0, "IPv6"},
        {"65536", false, "", 0, "port"},
        {"99999", false, "", 0, "port"},
        {"-1", false, "", 0, "port"},
        {"http", false, "", 0, "port"},
        {"host:", false, "", 0, "port"},
        {"\u0668\u0660\u0668\u0660", false, "", 0, "port"}, // Arabic-Indic digits
        {"123456", false, "", 0, "port"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        QString why;
        const auto endpoint = splitEndpoint(QString::fromUtf8(c.text), &why);
        ASSERT_EQ(endpoint.has_value(), c.taken) << why.toStdString();
        if (endpoint) {
            EXPECT_EQ(endpoint->host, QString::fromLatin1(c.host));
            EXPECT_EQ(endpoint->port, c.port);
        } else {
            EXPECT_TRUE(why.contains(QLatin1String(c.why))) << why.toStdString();
        }
    }
}

} // namespace
} // namespace tallyard
