// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/core/LocalTime.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <ctime>
#endif

namespace tallyard {

namespace {

LocalTimeSource &installedSource()
{
    static LocalTimeSource source;
    return source;
}

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's algorithm).
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace

SYSTEMTIME systemLocalTime()
{
    SYSTEMTIME t;
#ifdef _WIN32
    ::SYSTEMTIME native;
    ::GetLocalTime(&native);
    t = {static_cast<int16_t>(native.wYear),      static_cast<int16_t>(native.wMonth),
         static_cast<int16_t>(native.wDayOfWeek), static_cast<int16_t>(native.wDay),
         static_cast<int16_t>(native.wHour),      static_cast<int16_t>(native.wMinute),
         static_cast<int16_t>(native.wSecond),    static_cast<int16_t>(native.wMilliseconds)};
#else
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    t.wYear = static_cast<int16_t>(local.tm_year + 1900);
    t.wMonth = static_cast<int16_t>(local.tm_mon + 1);
    t.wDayOfWeek = static_cast<int16_t>(local.tm_wday);
    t.wDay = static_cast<int16_t>(local.tm_mday);
    t.wHour = static_cast<int16_t>(local.tm_hour);
    t.wMinute = static_cast<int16_t>(local.tm_min);
    // A leap second reads as the last ordinary second.
    t.wSecond = static_cast<int16_t>(local.tm_sec > 59 ? 59 : local.tm_sec);
    t.wMilliseconds = static_cast<int16_t>(now.tv_nsec / 1000000);
#endif
    return t;
}

SYSTEMTIME GetLocalTime()
{
    const LocalTimeSource &source = installedSource();
    return source ? source() : systemLocalTime();
}

void setLocalTimeOverride(LocalTimeSource source)
{
    installedSource() = std::move(source);
}

int64_t civilSeconds(const SYSTEMTIME &t)
{
    return daysFromCivil(t.wYear, t.wMonth, t.wDay) * 86400 + int64_t{t.wHour} * 3600 + int64_t{t.wMinute} * 60
        + t.wSecond;
}

SYSTEMTIME fromCivilSeconds(int64_t seconds, int milliseconds)
{
    int64_t days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    int64_t rest = seconds - days * 86400;
    // civil_from_days
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const int64_t y = yoe + era * 400 + (m <= 2);
    SYSTEMTIME t;
    t.wYear = static_cast<int16_t>(y);
    t.wMonth = static_cast<int16_t>(m);
    t.wDay = static_cast<int16_t>(d);
    t.wDayOfWeek = static_cast<int16_t>(((days % 7) + 11) % 7); // 1970-01-01 was a Thursday
    t.wHour = static_cast<int16_t>(rest / 3600);
    t.wMinute = static_cast<int16_t>(rest / 60 % 60);
    t.wSecond = static_cast<int16_t>(rest % 60);
    t.wMilliseconds = static_cast<int16_t>(milliseconds);
    return t;
}

} // namespace tallyard
