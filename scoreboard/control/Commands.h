// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Every action an operator takes on the board, named once. The keys, a gamepad, the network
// and the control page all run these, so that no input can do a thing differently: the key
// path itself runs the board's procedures that the commands run.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringView>

#include <functional>
#include <span>

namespace tallyard {

class frmScoreboard;
class Meet;

enum class Command {
    Routine,     // the Routine clock started or stopped; the Fall clock back to its preset
    Fall,        // the Routine and the Fall clock swapped while one of them runs
    WarmUp,      // the Warm-Up clock started or stopped
    Reset,       // the next gymnast: the clocks to their presets, number, name, team, score cleared
    Chime,       // the buzzer
    Score,       // a score committed (value: 9.850)
    ClearScore,  // the score cleared
    Number,      // a gymnast number committed (value: 12); the start list fills in the rest
    ClearNumber, // no gymnast number
    Next,        // the next gymnast of the start list
    Previous,    // the one before
};

struct CommandEntry {
    Command command;
    const char *name; // as the network and the bindings file name it
    bool takesValue;
};

inline constexpr CommandEntry CommandTable[] = {
    {Command::Routine, "routine", false},
    {Command::Fall, "fall", false},
    {Command::WarmUp, "warmup", false},
    {Command::Reset, "reset", false},
    {Command::Chime, "chime", false},
    {Command::Score, "score", true},
    {Command::ClearScore, "clear-score", false},
    {Command::Number, "number", true},
    {Command::ClearNumber, "clear-number", false},
    {Command::Next, "next", false},
    {Command::Previous, "previous", false},
};

// The command of that name; nullptr for none.
const CommandEntry *findCommand(QStringView name);
const CommandEntry &specOf(Command command);

// Where a command came from, for the log of commands taken from outside the keyboard.
struct CommandSource {
    enum Kind { Keyboard, Gamepad, Network } kind = Keyboard;
    QString device; // the pad's or the paired device's name
};

// Runs commands on the board (and the start list's steps on the meet), on the board's thread.
class CommandRunner : public QObject {
    Q_OBJECT

public:
    // Lines for the log of commands from outside the keyboard: time, command, value, device.
    using Log = std::function<void(const CommandEntry &entry, const QString &value, const CommandSource &source)>;

    CommandRunner(frmScoreboard *board, Meet *meet, Log log = {});

    // Runs the command; false, with why (in the operator's language), for a value it cannot
    // take (a score above 19.999, a number that is none) or when there is no board.
    bool run(Command command, const QString &value, const CommandSource &source, QString *why = nullptr);
    frmScoreboard *board() const;
    void setBoard(frmScoreboard *board);

private:
    QPointer<frmScoreboard> m_board;
    QPointer<Meet> m_meet;
    Log m_log;
};

} // namespace tallyard
