#pragma once
// The keyboard's NumLock toggle.

namespace tallyard {

enum class NumLockState { Off, On, Unknown };

// Unknown where the platform does not tell.
NumLockState readNumLock();
// Synthesises one press and release of the NumLock key; false where that is not possible.
bool toggleNumLock();

// Tests stand in for the keyboard.
struct NumLockBackend {
    NumLockState (*read)() = nullptr;
    bool (*toggle)() = nullptr;
};
void setNumLockBackend(NumLockBackend backend);

} // namespace tallyard
