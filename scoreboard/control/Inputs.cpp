// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/control/Inputs.h"

#include "platform/core/LocalTime.h"
#include "platform/system/DurableFile.h"
#include "platform/system/Notices.h"
#include "platform/system/SettingsStore.h"
#include "platform/system/WriteBehind.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/meet/ResultsRecord.h"
#include "scoreboard/settings/Settings.h"
#include "scoreboard/state/BoardState.h"
#ifdef TALLYARD_GAMEPADS
#include "scoreboard/control/Gamepads.h"
#endif

#include <QCoreApplication>
#include <QDir>

namespace tallyard {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Inputs)
};
} // namespace

Inputs::Inputs(const Options &options, Meet *meet)
    : m_bindings(Bindings::load(SettingsStore(ApplicationName))),
      m_runner(nullptr, meet,
               [this](const CommandEntry &entry, const QString &value, const CommandSource &source) {
                   log(entry, value, source);
               }),
      m_logPath(QDir(options.logFolder).filePath(QLatin1String(LogFileName)))
{
    m_logFile = std::make_unique<AppendOnlyFile>(m_logPath, QByteArrayLiteral("time,command,value,device\r\n"));
    m_writer = std::make_shared<WriteBehind>();
    m_lane = m_writer->open(
        {},
        [this](const QByteArray &row, QString *error) {
            const AppendOnlyFile::Outcome outcome = m_logFile->append(row);
            *error = outcome.error;
            return outcome.written;
        },
        [this](const WriteBehind::Event &event) {
            const QString key = QStringLiteral("commands:") + m_logPath;
            if (event.kind == WriteBehind::Event::Failed)
                notices().post(Notice::lasting(key,
                                               Text::tr("The log of remote commands %1 cannot be written (%2).")
                                                   .arg(QDir::toNativeSeparators(m_logPath), event.error)));
            else if (event.kind == WriteBehind::Event::Recovered)
                notices().post(Notice::mended(key,
                                              Text::tr("The log of remote commands %1 is written again.")
                                                  .arg(QDir::toNativeSeparators(m_logPath))));
        });
    if (options.gamepads) {
#ifdef TALLYARD_GAMEPADS
        m_gamepads = std::make_unique<Gamepads>();
        if (!m_gamepads->available()) {
            notices().post(Notice::passing(Text::tr("Gamepads cannot be used here (%1).").arg(m_gamepads->error())));
        } else {
            connect(m_gamepads.get(), &Gamepads::pressed, this, [this](const QString &control, const QString &pad) {
                if (!m_padsTaking)
                    return;
                if (const std::optional<Command> command = m_bindings.commandForPad(control))
                    m_runner.run(*command, {}, {CommandSource::Gamepad, pad});
            });
            connect(m_gamepads.get(), &Gamepads::padsChanged, this, [this] {
                const QStringList pads = m_gamepads->connected();
                notices().post(Notice::passing(pads.isEmpty()
                                                   ? Text::tr("No gamepad is connected.")
                                                   : Text::tr("Gamepads: %1.").arg(pads.join(QStringLiteral(", ")))));
            });
        }
#else
        notices().post(Notice::passing(Text::tr("This build has no gamepads (SDL2 was missing).")));
#endif
    }
}

Inputs::~Inputs()
{
    m_writer->close(m_lane);
}

void Inputs::attach(frmScoreboard *board)
{
    m_runner.setBoard(board);
    connect(board, &frmScoreboard::OtherKey, this, [this](qint16 code) {
        if (const std::optional<Command> command = m_bindings.commandForKey(code))
            m_runner.run(*command, {}, {CommandSource::Keyboard, {}});
        else
            emit otherKey(code);
    });
}

void Inputs::log(const CommandEntry &entry, const QString &value, const CommandSource &source)
{
    const QString device = source.kind == CommandSource::Gamepad ? Text::tr("gamepad %1").arg(source.device)
                                                                 : Text::tr("network: %1").arg(source.device);
    m_writer->put(m_lane,
                  ResultsRecord::timeField(localMilliseconds()) + ',' + QByteArray(entry.name) + ','
                      + ResultsRecord::textField(value) + ',' + ResultsRecord::textField(device) + "\r\n");
}

} // namespace tallyard
