// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/ProcessExit.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
#define TALLYARD_LEAK_CHECK 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TALLYARD_LEAK_CHECK 1
#endif

#ifdef TALLYARD_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace tallyard {

void endProcess(int status)
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
#ifdef TALLYARD_LEAK_CHECK
    // Ends the process itself when it finds a leak and leak detection is on.
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}

} // namespace tallyard
