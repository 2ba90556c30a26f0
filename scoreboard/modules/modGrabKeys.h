// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Holding the keyboard's NumLock in the state the operator chose.

namespace tallyard::modGrabKeys {

// Brings NumLock to the wanted state when it is not in it already. Where the state cannot
// be read or switched it stays as it is.
void SetNumLock(bool on);

} // namespace tallyard::modGrabKeys
