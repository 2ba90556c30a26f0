// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A request head as the web views read it: what HTTP/1.0 and 1.1 clients send, read strictly,
// nothing from it trusted. Plain functions of their bytes, so that a fuzz target can throw
// anything at them.

#include <QByteArray>
#include <QByteArrayView>

namespace tallyard {

struct HttpRequest {
    int status = 0; // 0: well formed; else the answer to give (400, 431)
    QByteArray method;
    QByteArray path;  // without its query; the absolute form's host taken off
    QByteArray query; // after '?', as sent
    bool http10 = false;
    bool close = false; // the client asks to close after the answer
    bool host = false;  // a Host header came
    bool chunked = false;
    qsizetype contentLength = 0; // -1: not a number
    QByteArray origin;           // the Origin header, as sent
    QByteArray hostValue;        // the Host header, as sent
    QByteArray authorization;    // the Authorization header, as sent
};

// The head without its closing blank line; maxHeaderLines: the most header lines taken.
HttpRequest parseHttpRequest(QByteArrayView head, int maxHeaderLines);

// A query's or a form body's value of name ("value=9.85&x=1"), percent and plus decoded.
QByteArray formValue(QByteArrayView form, QByteArrayView name);

} // namespace tallyard
