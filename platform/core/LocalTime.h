// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The local date and time with milliseconds, from a source that tests can replace.

#include "tallyard_core_export.h"

#include <cstdint>
#include <functional>

namespace tallyard {

// Field layout of the operating system's local-time record.
struct TALLYARD_CORE_EXPORT SYSTEMTIME {
    int16_t wYear = 0;
    int16_t wMonth = 0;
    int16_t wDayOfWeek = 0;
    int16_t wDay = 0;
    int16_t wHour = 0;
    int16_t wMinute = 0;
    int16_t wSecond = 0;
    int16_t wMilliseconds = 0;
};

using LocalTimeSource = std::function<SYSTEMTIME()>;

// The current local time from the installed source.
TALLYARD_CORE_EXPORT SYSTEMTIME GetLocalTime();
// The operating system's local date and time: the default source.
TALLYARD_CORE_EXPORT SYSTEMTIME systemLocalTime();
// A test seam: another clock; an empty one brings the operating system's clock back.
TALLYARD_CORE_EXPORT void setLocalTimeOverride(LocalTimeSource source);

// Seconds since 1 January 1970 of the civil date and time in t, ignoring zones: the
// difference of two of these is the difference of two local date-times.
TALLYARD_CORE_EXPORT int64_t civilSeconds(const SYSTEMTIME &t);
// The record for a civil second count and milliseconds (day of week filled in).
TALLYARD_CORE_EXPORT SYSTEMTIME fromCivilSeconds(int64_t seconds, int milliseconds = 0);

} // namespace tallyard
