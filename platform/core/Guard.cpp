// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/core/Guard.h"

#include <QtGlobal>

#include <exception>

namespace tallyard {

void runGuarded(const char *where, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        qWarning("%s: %s (ignored)", where, error.what());
    } catch (...) {
        qWarning("%s: unknown failure (ignored)", where);
    }
}

} // namespace tallyard
