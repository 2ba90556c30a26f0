// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Makes every control the program's forms use creatable by its ProgID.

namespace tallyard {

// Safe to call more than once.
void registerProgramControls();

} // namespace tallyard
