// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The settings load on any stored file: every numeric variable ends up as the whole number the
// file holds for it, when that is within the variable's range, or else as its default; text
// variables take the stored text as it stands. Saving into that same file then reads back
// every value saved, and any text survives its own escaping.

#include "fuzz/FuzzSupport.h"
#include "platform/system/IniDocument.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <charconv>
#include <limits>
#include <optional>
#include <string>

using namespace tallyard;
using tallyard::fuzz::check;

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir; // removed at exit
    return dir;
}

// A whole number in plain decimal with an optional sign, blanks around it allowed.
std::optional<int64_t> wholeNumber(const QString &text)
{
    std::string digits = text.trimmed().toStdString();
    if (!digits.empty() && digits.front() == '+')
        digits.erase(0, 1);
    if (digits.empty() || digits.front() == '+' || (text.trimmed().startsWith(u'+') && digits.front() == '-'))
        return std::nullopt;
    int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

template <typename Int>
void checkNumber(Int value, const QString &stored, int32_t fallback)
{
    const std::optional<int64_t> number = wholeNumber(stored);
    const bool inRange
        = number && *number >= std::numeric_limits<Int>::min() && *number <= std::numeric_limits<Int>::max();
    // A text longer than any plain number in range needs (zeros in front) may be refused too.
    if (inRange && stored.trimmed().size() > 20)
        check(value == *number || value == fallback, "a long stored number is taken or refused");
    else if (inRange)
        check(value == *number, "a stored whole number within range is taken");
    else
        check(value == fallback, "anything else gives the default");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    tallyard::fuzz::ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A folder per input: the settings backend caches files by name.
    static int count = 0;
    const QString where = folder().filePath(QString::number(++count));
    QDir().mkpath(where);
    {
        QFile file(where + QStringLiteral("/Tallyard.ini"));
        check(file.open(QIODevice::WriteOnly), "the settings file opens");
        check(file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) == static_cast<qint64>(size),
              "the settings file is written");
    }
    SettingsStore::setFolderOverride(where);
    resetSettingsToDefaults();
    {
        const SettingsStore store(ApplicationName);
        LoadSettings(store);
        for (const SettingDefinition &setting : settingDefinitions()) {
            const QString fallback = defaultText(setting);
            const QString stored
                = store.GetSetting(QString::fromLatin1(setting.section), QString::fromLatin1(setting.key), fallback);
            std::visit(
                [&](auto *variable) {
                    if constexpr (std::is_same_v<decltype(variable), QString *>)
                        check(*variable == stored, "a text setting is the stored text");
                    else
                        checkNumber(*variable, stored, setting.defaultNumber);
                },
                setting.variable);
        }
    }
    SettingsStore::setFolderOverride(QString());
    QDir(where).removeRecursively();

    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = QString::fromUtf8(bytes);
    check(IniDocument::unescapedValue(QString::fromUtf8(IniDocument::escapedValue(text))) == text,
          "a text reads back from its own escaping");
    IniDocument doc = IniDocument::parse(bytes);
    for (const SettingDefinition &setting : settingDefinitions())
        doc.setValue(QString::fromLatin1(setting.section), QString::fromLatin1(setting.key), text);
    const IniDocument again = IniDocument::parse(doc.toBytes());
    for (const SettingDefinition &setting : settingDefinitions())
        check(again.value(QString::fromLatin1(setting.section), QString::fromLatin1(setting.key)) == text,
              "a saved value reads back whatever else the file holds");
    return 0;
}
