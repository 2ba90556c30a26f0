// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/control/Commands.h"

#include "platform/core/Values.h"
#include "scoreboard/Meet.h"
#include "scoreboard/forms/frmScoreboard.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tallyard {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

} // namespace

const CommandEntry *findCommand(QStringView name)
{
    for (const CommandEntry &entry : CommandTable)
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

const CommandEntry &specOf(Command command)
{
    for (const CommandEntry &entry : CommandTable)
        if (entry.command == command)
            return entry;
    return CommandTable[0];
}

CommandRunner::CommandRunner(frmScoreboard *board, Meet *meet, Log log)
    : m_board(board), m_meet(meet), m_log(std::move(log))
{
}

frmScoreboard *CommandRunner::board() const
{
    return m_board;
}

void CommandRunner::setBoard(frmScoreboard *board)
{
    m_board = board;
}

bool CommandRunner::run(Command command, const QString &value, const CommandSource &source, QString *why)
{
    const auto refuse = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (!m_board)
        return refuse(Text::tr("there is no board"));
    const QString text = value.trimmed();
    switch (command) {
    case Command::Routine:
        m_board->RoutineStartStop();
        break;
    case Command::Fall:
        m_board->FallSwap();
        break;
    case Command::WarmUp:
        m_board->WarmUpStartStop();
        break;
    case Command::Reset:
        m_board->NextGymnastReset();
        break;
    case Command::Chime:
        m_board->Buzzer();
        break;
    case Command::Score: {
        // What the score's entry takes: points and up to three decimals, a point between.
        static const QRegularExpression form(QStringLiteral("^\\d{1,2}(\\.\\d{0,3})?$"));
        const Currency score = Currency::fromDouble(numericValue(text));
        if (!form.match(text).hasMatch() || score > frmScoreboard::ScoreMaximum())
            return refuse(Text::tr("a score is written 9.850, from 0 to 19.999: \"%1\"").arg(text.left(40)));
        m_board->CommitScore(score);
        break;
    }
    case Command::ClearScore:
        m_board->ClearScore();
        break;
    case Command::Number: {
        static const QRegularExpression form(QStringLiteral("^\\d{1,4}$"));
        if (!form.match(text).hasMatch())
            return refuse(Text::tr("a gymnast number is a whole number from 0 to %1: \"%2\"")
                              .arg(frmScoreboard::GymnastNumberHighest)
                              .arg(text.left(40)));
        m_board->CommitGymnastNumber(static_cast<qint16>(text.toInt()));
        break;
    }
    case Command::ClearNumber:
        m_board->ClearGymnastNumber();
        break;
    case Command::Next:
    case Command::Previous:
        if (!m_meet)
            return refuse(Text::tr("there is no start list"));
        m_meet->step(command == Command::Next);
        break;
    }
    if (source.kind != CommandSource::Keyboard && m_log)
        m_log(specOf(command), text, source);
    return true;
}

} // namespace tallyard
