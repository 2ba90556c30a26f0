// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/control/Bindings.h"

#include "platform/forms/VirtualKeys.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/settings/Settings.h"

#include <QCoreApplication>
#include <QKeySequence>

#include <algorithm>
#include <set>
#include <vector>

namespace tallyard {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Bindings)
};

const QString Section = QStringLiteral("ControlSettings");

// Keys that are the board's own: the help and the Options dialog, the move between displays,
// and the keys of a time, a score or a number being typed.
bool isReserved(qint16 code)
{
    return code == vk::F1 || code == vk::F2 || code == vk::Tab || code == vk::Return || code == vk::Space
        || (code >= vk::Digit0 && code <= vk::Digit9) || (code >= vk::Numpad0 && code <= vk::Numpad9) || code == vk::Add
        || code == vk::Subtract || code == vk::Decimal || code == vk::OemPlus || code == vk::OemMinus
        || code == vk::OemPeriod;
}

bool isPadControl(const QString &name)
{
    return std::any_of(PadControls.begin(), PadControls.end(), [&](const char *c) { return name == QLatin1String(c); });
}

QString joinKeys(const QList<qint16> &codes)
{
    QStringList numbers;
    for (const qint16 code : codes)
        numbers << QString::number(code);
    return numbers.join(u',');
}

QList<qint16> splitKeys(const QString &text)
{
    QList<qint16> codes;
    for (const QString &part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int code = part.trimmed().toInt(&ok);
        if (ok && code > 0 && code < 256 && !isReserved(static_cast<qint16>(code)))
            codes << static_cast<qint16>(code);
    }
    return codes;
}

} // namespace

Bindings Bindings::defaults()
{
    Bindings b;
    // A presentation remote's Page Down and Page Up step through the start list. Its other
    // buttons (F5, B) do nothing on a board set up as it comes, as any unassigned key; the
    // operator gives them commands in Options or by a bindings file.
    b.keys[Command::Next] = {vk::Next};
    b.keys[Command::Previous] = {vk::Prior};
    b.pad[Command::Routine] = {QStringLiteral("a")};
    b.pad[Command::Fall] = {QStringLiteral("b")};
    b.pad[Command::WarmUp] = {QStringLiteral("x")};
    b.pad[Command::Chime] = {QStringLiteral("y")};
    b.pad[Command::Reset] = {QStringLiteral("back")};
    b.pad[Command::Next] = {QStringLiteral("dpright")};
    b.pad[Command::Previous] = {QStringLiteral("dpleft")};
    return b;
}

Bindings Bindings::load(const SettingsStore &store)
{
    Bindings b = defaults();
    for (const CommandEntry &entry : CommandTable) {
        const QString name = QLatin1String(entry.name);
        if (store.contains(Section, QStringLiteral("Keys_") + name))
            b.keys[entry.command] = splitKeys(store.GetSetting(Section, QStringLiteral("Keys_") + name, {}));
        if (store.contains(Section, QStringLiteral("Pad_") + name)) {
            QStringList controls;
            for (const QString &c :
                 store.GetSetting(Section, QStringLiteral("Pad_") + name, {}).split(u',', Qt::SkipEmptyParts))
                if (isPadControl(c.trimmed()))
                    controls << c.trimmed();
            b.pad[entry.command] = controls;
        }
    }
    return b;
}

void Bindings::save(SettingsStore &store) const
{
    for (const CommandEntry &entry : CommandTable) {
        const QString name = QLatin1String(entry.name);
        const auto k = keys.find(entry.command);
        const auto p = pad.find(entry.command);
        store.SaveSetting(Section, QStringLiteral("Keys_") + name, k == keys.end() ? QString() : joinKeys(k->second));
        store.SaveSetting(Section, QStringLiteral("Pad_") + name, p == pad.end() ? QString() : p->second.join(u','));
    }
}

std::optional<Command> Bindings::commandForKey(qint16 code) const
{
    for (const auto &[command, codes] : keys)
        if (codes.contains(code))
            return command;
    return std::nullopt;
}

std::optional<Command> Bindings::commandForPad(const QString &control) const
{
    for (const auto &[command, controls] : pad)
        if (controls.contains(control))
            return command;
    return std::nullopt;
}

CommandKeys CommandKeys::current()
{
    return {KeyRoutine, KeyFall, KeyWarmUp, KeyReset, KeyChime, KeyClear};
}

void CommandKeys::apply() const
{
    KeyRoutine = routine;
    KeyFall = fall;
    KeyWarmUp = warmUp;
    KeyReset = reset;
    KeyChime = chime;
    KeyClear = clear;
}

QString keyName(qint16 code)
{
    const QtKey key = qtKeyForVirtualKey(code);
    if (key.key == Qt::Key_unknown)
        return QStringLiteral("%1").arg(code);
    return QKeySequence(QKeyCombination(key.modifiers, static_cast<Qt::Key>(key.key)))
        .toString(QKeySequence::PortableText);
}

qint16 keyOfName(const QString &name)
{
    bool number = false;
    const int code = name.toInt(&number);
    if (number)
        return code > 0 && code < 256 ? static_cast<qint16>(code) : 0;
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (sequence.count() != 1)
        return 0;
    const QKeyCombination combination = sequence[0];
    return virtualKeyCode(combination.key(), combination.keyboardModifiers());
}

QByteArray bindingsFile(const CommandKeys &commandKeys, const Bindings &bindings)
{
    QByteArray out = "# Tallyard's bindings: the keys and the gamepad's buttons of each command.\n"
                     "# The first key of routine, fall, warmup, reset and chime, and the clear key, are\n"
                     "# the command keys of the Options dialog.\n";
    const std::map<Command, qint16> first = {{Command::Routine, commandKeys.routine},
                                             {Command::Fall, commandKeys.fall},
                                             {Command::WarmUp, commandKeys.warmUp},
                                             {Command::Reset, commandKeys.reset},
                                             {Command::Chime, commandKeys.chime}};
    for (const CommandEntry &entry : CommandTable) {
        QStringList items;
        if (const auto f = first.find(entry.command); f != first.end())
            items << QStringLiteral("key ") + keyName(f->second);
        if (const auto k = bindings.keys.find(entry.command); k != bindings.keys.end())
            for (const qint16 code : k->second)
                items << QStringLiteral("key ") + keyName(code);
        if (const auto p = bindings.pad.find(entry.command); p != bindings.pad.end())
            for (const QString &control : p->second)
                items << QStringLiteral("pad ") + control;
        out += QByteArray(entry.name) + " = " + items.join(QStringLiteral(", ")).toUtf8() + '\n';
    }
    out += "clear = key " + keyName(commandKeys.clear).toUtf8() + '\n';
    return out;
}

std::optional<ReadBindings> readBindingsFile(QByteArrayView bytes, QStringList *problems)
{
    QStringList faults;
    const auto fault = [&](int line, const QString &why) { faults << Text::tr("line %1: %2").arg(line).arg(why); };
    if (bytes.size() > 64 * 1024) {
        if (problems)
            *problems << Text::tr("the file is larger than 64 KB, more than any bindings need");
        return std::nullopt;
    }
    const QString text = QString::fromUtf8(bytes);
    ReadBindings read{CommandKeys::current(), {}};
    // In the file's order, so that a key given twice is blamed on its later line.
    struct Line {
        QString name;
        int number;
        QStringList items;
    };
    std::vector<Line> lines;
    std::map<QString, int> lineOf; // command -> its line
    int number = 0;
    for (QString line : text.split(u'\n')) {
        ++number;
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0) {
            fault(number, Text::tr("a line is \"command = key NAME, pad NAME\""));
            continue;
        }
        const QString name = line.left(equals).trimmed();
        if (!findCommand(name) && name != u"clear") {
            fault(number, Text::tr("there is no command \"%1\"").arg(name.left(40)));
            continue;
        }
        if (lineOf.count(name)) {
            fault(number, Text::tr("\"%1\" is already on line %2").arg(name).arg(lineOf[name]));
            continue;
        }
        QStringList items;
        for (const QString &item : line.mid(equals + 1).split(u',', Qt::SkipEmptyParts))
            items << item.trimmed();
        lineOf[name] = number;
        lines.push_back({name, number, items});
    }
    // Each key and each pad control does one thing.
    std::map<qint16, QString> keyOwner;
    std::map<QString, QString> padOwner;
    const auto commandKey = [&](const QString &name) -> qint16 * {
        if (name == u"routine")
            return &read.commandKeys.routine;
        if (name == u"fall")
            return &read.commandKeys.fall;
        if (name == u"warmup")
            return &read.commandKeys.warmUp;
        if (name == u"reset")
            return &read.commandKeys.reset;
        if (name == u"chime")
            return &read.commandKeys.chime;
        if (name == u"clear")
            return &read.commandKeys.clear;
        return nullptr;
    };
    for (const auto &[name, line, items] : lines) {
        qint16 *first = commandKey(name);
        bool firstTaken = false;
        for (const QString &item : items) {
            const qsizetype space = item.indexOf(u' ');
            const QString kind = item.left(space).toLower();
            const QString what = space < 0 ? QString() : item.mid(space + 1).trimmed();
            if (kind == u"key") {
                const qint16 code = keyOfName(what);
                if (code == 0) {
                    fault(line, Text::tr("there is no key \"%1\"").arg(what.left(40)));
                    continue;
                }
                if (isReserved(code)) {
                    fault(line, Text::tr("the key %1 is the board's own").arg(what));
                    continue;
                }
                if (keyOwner.count(code)) {
                    // The same key again on its own command's line ("key b, key B") is one key.
                    if (keyOwner[code] != name)
                        fault(line, Text::tr("the key %1 is %2's already").arg(what, keyOwner[code]));
                    continue;
                }
                keyOwner[code] = name;
                if (first && !firstTaken) {
                    *first = code;
                    firstTaken = true;
                } else if (name == u"clear") {
                    fault(line, Text::tr("the clear key is one key"));
                } else {
                    read.bindings.keys[findCommand(name)->command] << code;
                }
            } else if (kind == u"pad") {
                if (!isPadControl(what)) {
                    fault(line,
                          Text::tr("a gamepad has no \"%1\" (%2)")
                              .arg(what.left(40), QStringList(PadControls.begin(), PadControls.end()).join(u' ')));
                    continue;
                }
                if (name == u"clear") {
                    fault(line, Text::tr("the clear key is a key"));
                    continue;
                }
                if (padOwner.count(what)) {
                    if (padOwner[what] != name)
                        fault(line, Text::tr("the pad's %1 is %2's already").arg(what, padOwner[what]));
                    continue;
                }
                padOwner[what] = name;
                read.bindings.pad[findCommand(name)->command] << what;
            } else {
                fault(line, Text::tr("\"%1\" is neither \"key NAME\" nor \"pad NAME\"").arg(item.left(40)));
            }
        }
        if (first && !firstTaken)
            fault(line, Text::tr("%1 needs its command key first").arg(name));
    }
    for (const char *name : {"routine", "fall", "warmup", "reset", "chime", "clear"})
        if (!lineOf.count(QLatin1String(name)))
            faults << Text::tr("the file names no key for %1").arg(QLatin1String(name));
    if (!faults.isEmpty()) {
        if (problems)
            *problems << faults;
        return std::nullopt;
    }
    return read;
}

} // namespace tallyard
