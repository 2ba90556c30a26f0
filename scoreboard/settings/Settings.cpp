// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/settings/Settings.h"

#include "platform/system/ProgramInfo.h"
#include "platform/system/SettingsStore.h"

#include <QDir>

#include <algorithm>
#include <limits>
#include <vector>

namespace tallyard {

namespace {

int32_t numberDefault(int32_t value)
{
    return value;
}
int32_t numberDefault(const char *)
{
    return 0;
}
const char *textDefault(int32_t)
{
    return nullptr;
}
const char *textDefault(const char *text)
{
    return text;
}

#define TALLYARD_SETTING_ROW(section, key, variable, type, initial, load, save)                                        \
    SettingDefinition{#section, #key, &variable, numberDefault(initial), textDefault(initial), load, save},
const SettingDefinition definitions[] = {TALLYARD_SETTINGS(TALLYARD_SETTING_ROW)};
#undef TALLYARD_SETTING_ROW

// The settings in the order of one of their places.
std::vector<const SettingDefinition *> inOrder(int SettingDefinition::*place)
{
    std::vector<const SettingDefinition *> order;
    for (const SettingDefinition &d : definitions)
        order.push_back(&d);
    std::sort(order.begin(), order.end(), [place](auto *a, auto *b) { return a->*place < b->*place; });
    return order;
}

// A whole number in plain decimal (blanks around it allowed) within [low, high].
bool parseWhole(const QString &text, int64_t low, int64_t high, int64_t &value)
{
    const QString t = text.trimmed();
    // toLongLong stops at a NUL and still reports success: "12<NUL>junk" would read as 12.
    if (t.isEmpty() || t.size() > 20 || t.contains(QChar(0)))
        return false;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
    if (!ok || v < low || v > high)
        return false;
    value = v;
    return true;
}

template <typename Int>
void loadWhole(Int *variable, const QString &text, int32_t fallback)
{
    int64_t value = 0;
    if (parseWhole(text, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max(), value))
        *variable = static_cast<Int>(value);
    else
        *variable = static_cast<Int>(fallback);
}

} // namespace

std::span<const SettingDefinition> settingDefinitions()
{
    return definitions;
}

const SettingDefinition *findSetting(QStringView key)
{
    for (const SettingDefinition &d : definitions)
        if (key.compare(QLatin1StringView(d.key), Qt::CaseInsensitive) == 0)
            return &d;
    return nullptr;
}

QString defaultBuzzerFile()
{
    return QDir::toNativeSeparators(programDataFolder() + QStringLiteral("/chime2.wav"));
}

QString defaultText(const SettingDefinition &setting)
{
    if (std::holds_alternative<QString *>(setting.variable))
        return setting.defaultText ? QString::fromUtf8(setting.defaultText) : defaultBuzzerFile();
    return QString::number(setting.defaultNumber);
}

QString currentText(const SettingDefinition &setting)
{
    return std::visit(
        [](auto *variable) -> QString {
            if constexpr (std::is_same_v<decltype(variable), QString *>)
                return *variable;
            else
                return QString::number(*variable);
        },
        setting.variable);
}

void LoadSettings(const SettingsStore &store)
{
    static const auto order = inOrder(&SettingDefinition::loadPlace);
    for (const SettingDefinition *setting : order) {
        const SettingDefinition &d = *setting;
        const QString fallback = defaultText(d);
        const QString text = store.GetSetting(QString::fromLatin1(d.section), QString::fromLatin1(d.key), fallback);
        std::visit(
            [&](auto *variable) {
                if constexpr (std::is_same_v<decltype(variable), QString *>)
                    *variable = text;
                else
                    loadWhole(variable, text, d.defaultNumber);
            },
            d.variable);
    }
}

bool SaveSettings(SettingsStore &store)
{
    static const auto order = inOrder(&SettingDefinition::savePlace);
    for (const SettingDefinition *d : order)
        store.SaveSetting(QString::fromLatin1(d->section), QString::fromLatin1(d->key), currentText(*d));
    return store.flush();
}

void resetSettingsToDefaults()
{
    for (const SettingDefinition &d : definitions) {
        std::visit(
            [&](auto *variable) {
                if constexpr (std::is_same_v<decltype(variable), QString *>)
                    *variable = defaultText(d);
                else
                    *variable = static_cast<std::remove_pointer_t<decltype(variable)>>(d.defaultNumber);
            },
            d.variable);
    }
    RoutinePreset = RoutineStart;
    FallPreset = FallStart;
    WarmUpPreset = WarmUpStart;
}

} // namespace tallyard
