// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The board's inputs beyond its command keys, joined to the commands: the keys bound to
// commands (a presentation remote's), the gamepads when asked for, and the log of every
// command taken from outside the keyboard (time, command, value, device), kept beside the
// results record.

#include "scoreboard/control/Bindings.h"
#include "scoreboard/control/Commands.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace tallyard {

class AppendOnlyFile;
class Gamepads;
class WriteBehind;

class Inputs : public QObject {
    Q_OBJECT

public:
    struct Options {
        bool gamepads = false;
        QString logFolder{}; // the folder of the results record: the log goes beside it
    };
    Inputs(const Options &options, Meet *meet);
    ~Inputs() override;

    // A new board: its other keys run the commands bound to them.
    void attach(frmScoreboard *board);

    CommandRunner &runner() { return m_runner; }
    Gamepads *gamepads() const { return m_gamepads.get(); }
    const Bindings &bindings() const { return m_bindings; }
    // Stops (or takes up again) the gamepads' commands; the network's are RemoteControl's.
    void setPadsTaking(bool taking) { m_padsTaking = taking; }
    bool padsTaking() const { return m_padsTaking; }
    QString logFile() const { return m_logPath; }

    // The command log's file name in its folder.
    static constexpr const char *LogFileName = "commands.csv";

signals:
    // A key the board has no use for and no binding takes (F3 opens the remote window).
    void otherKey(qint16 code);

private:
    void log(const CommandEntry &entry, const QString &value, const CommandSource &source);

    Bindings m_bindings;
    CommandRunner m_runner;
    std::unique_ptr<Gamepads> m_gamepads;
    bool m_padsTaking = true;
    QString m_logPath;
    std::unique_ptr<AppendOnlyFile> m_logFile;
    std::shared_ptr<WriteBehind> m_writer;
    int m_lane = 0;
};

} // namespace tallyard
