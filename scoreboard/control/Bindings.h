// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// What reaches each command from beyond the Options dialog's command keys: more keys (what a
// presentation remote sends: Page Down, Page Up, F5, B) and a gamepad's buttons and triggers.
// Kept per user beside the settings, and carried between a meet's laptops in one file with the
// command keys: a file that is wrong anywhere is refused whole, with its line.

#include "scoreboard/control/Commands.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <optional>

namespace tallyard {

class SettingsStore;

// A gamepad's buttons and triggers, as SDL's game-controller interface names them.
inline constexpr std::array<const char *, 17> PadControls = {"a",
                                                             "b",
                                                             "x",
                                                             "y",
                                                             "back",
                                                             "guide",
                                                             "start",
                                                             "leftstick",
                                                             "rightstick",
                                                             "leftshoulder",
                                                             "rightshoulder",
                                                             "dpup",
                                                             "dpdown",
                                                             "dpleft",
                                                             "dpright",
                                                             "lefttrigger",
                                                             "righttrigger"};

struct Bindings {
    std::map<Command, QList<qint16>> keys; // virtual-key codes, beyond the command keys
    std::map<Command, QStringList> pad;    // PadControls names

    // What works with no setup: a presentation remote's keys and a gamepad's face buttons.
    static Bindings defaults();
    // From the settings; what is not stored there is as defaults() has it.
    static Bindings load(const SettingsStore &store);
    // Into the settings (the caller flushes the store).
    void save(SettingsStore &store) const;

    std::optional<Command> commandForKey(qint16 code) const;
    std::optional<Command> commandForPad(const QString &control) const;
};

// The six command keys of the Options dialog, as the file carries them.
struct CommandKeys {
    qint16 routine, fall, warmUp, reset, chime, clear;
    static CommandKeys current(); // the program's variables
    void apply() const;           // into them
};

// The file: a line a command, "routine = key R, key F5, pad a"; "clear = key Delete" for the
// clear key. The first key of routine, fall, warmup, reset and chime is its command key.
QByteArray bindingsFile(const CommandKeys &commandKeys, const Bindings &bindings);
struct ReadBindings {
    CommandKeys commandKeys;
    Bindings bindings;
};
// Everything the file says, or nothing with a line for each fault ("line 3: ...").
std::optional<ReadBindings> readBindingsFile(QByteArrayView bytes, QStringList *problems);

// A key's name in the file ("F5", "PgDown", "B"), and the key of a name (0 for none).
QString keyName(qint16 code);
qint16 keyOfName(const QString &name);

} // namespace tallyard
