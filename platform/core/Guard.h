// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The boundary of an event: a handler or timer tick runs so that a failure inside it never
// escapes into the event loop. The operator never sees a crash; the board keeps running.

#include "tallyard_core_export.h"

#include <functional>

namespace tallyard {

// Runs handler; a failure is logged with where and otherwise ignored.
TALLYARD_CORE_EXPORT void runGuarded(const char *where, const std::function<void()> &handler);

} // namespace tallyard
