// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Ending the process once main is done with it.

#include "tallyard_system_export.h"

namespace tallyard {

// Ends the process with the status, after the application object is gone, without running the
// libraries' static destructors. Qt Multimedia's PulseAudio engine tears its connection down
// there while its own thread may still be reading from the sound server (an abort inside
// libpulse, seen whenever another client keeps the server busy). Output is flushed first, and
// a leak check that the sanitizers would have run at exit runs here.
[[noreturn]] TALLYARD_SYSTEM_EXPORT void endProcess(int status);

} // namespace tallyard
