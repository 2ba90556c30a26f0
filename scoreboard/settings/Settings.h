// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The program-wide settings variables, the clock presets, and the one table that ties
// each setting to its section, key, type and default. The store is read once at start
// (LoadSettings) and written only by the Options dialog's OK (SaveSettings).

#include <QString>

#include <cstdint>
#include <span>
#include <type_traits>
#include <variant>

namespace tallyard {

class SettingsStore;

inline const QString ApplicationName = QStringLiteral("Tallyard");

// Every setting once: section, key, variable, type, default, and its place in the start-up
// read and in the save (the two orders differ only for Color_Routine). Colours are
// 0x00BBGGRR, keys Windows virtual-key codes. BuzzerFile's default, nullptr here, is the
// program's own sound, formed when the settings are read.
#define TALLYARD_SETTINGS(X)                                                                                           \
    X(ColorSettings, Color_FormBack, ColorFormBack, int32_t, 0x404040, 1, 1)                                           \
    X(ColorSettings, Color_Routine, ColorRoutine, int32_t, 0x00C000, 7, 2)                                             \
    X(ColorSettings, Color_ScoreLED, ColorScoreLED, int32_t, 0x0080FF, 2, 3)                                           \
    X(ColorSettings, Color_GymnastLED, ColorGymnastLED, int32_t, 0x00C000, 3, 4)                                       \
    X(ColorSettings, Color_LEDBack, ColorLEDBack, int32_t, 0x000000, 4, 5)                                             \
    X(ColorSettings, Color_LEDSelected, ColorLEDSelected, int32_t, 0x404040, 5, 6)                                     \
    X(ColorSettings, Color_Border, ColorBorder, int32_t, 0xFFFFFF, 6, 7)                                               \
    X(ColorSettings, Color_Fall, ColorFall, int32_t, 0x0000FF, 8, 8)                                                   \
    X(ColorSettings, Color_WarmUp, ColorWarmUp, int32_t, 0x00FFFF, 9, 9)                                               \
    X(ColorSettings, LEDSelectedWidth, LEDSelectedWidth, int16_t, 0, 10, 10)                                           \
    X(KeySettings, KeyRoutine, KeyRoutine, int16_t, 82, 11, 11)                                                        \
    X(KeySettings, KeyFall, KeyFall, int16_t, 70, 12, 12)                                                              \
    X(KeySettings, KeyWarmUp, KeyWarmUp, int16_t, 87, 13, 13)                                                          \
    X(KeySettings, KeyReset, KeyReset, int16_t, 71, 14, 14)                                                            \
    X(KeySettings, KeyClear, KeyClear, int16_t, 46, 15, 15)                                                            \
    X(KeySettings, KeyChime, KeyChime, int16_t, 67, 16, 16)                                                            \
    X(KeySettings, BuzzerFile, BuzzerFile, QString, nullptr, 17, 17)                                                   \
    X(KeySettings, NumLockForce, NumLockForce, int32_t, 0, 18, 18)                                                     \
    X(PicSettings, HomePic, HomePic, QString, "", 19, 19)                                                              \
    X(PicSettings, VisitorPic, VisitorPic, QString, "", 20, 20)                                                        \
    X(PicSettings, LEDType, DigitLEDType, int16_t, 0, 21, 21)

// A variable's start value from its default in the table.
template <typename T, typename V>
T settingDefault(V value)
{
    if constexpr (std::is_same_v<T, QString>) {
        if constexpr (std::is_null_pointer_v<V>)
            return QString();
        else
            return QString::fromUtf8(value);
    } else {
        return static_cast<T>(value);
    }
}

#define TALLYARD_SETTING_VARIABLE(section, key, variable, type, initial, load, save)                                   \
    inline type variable = settingDefault<type>(initial);
TALLYARD_SETTINGS(TALLYARD_SETTING_VARIABLE)
#undef TALLYARD_SETTING_VARIABLE

// What the reset key sets the clocks back to, in seconds; set by the board's load and by
// time entry. Not stored.
inline constexpr int16_t RoutineStart = 1800;
inline constexpr int16_t FallStart = 30;
inline constexpr int16_t WarmUpStart = 1800;
inline int16_t RoutinePreset = RoutineStart;
inline int16_t FallPreset = FallStart;
inline int16_t WarmUpPreset = WarmUpStart;

struct SettingDefinition {
    const char *section;
    const char *key;
    std::variant<int32_t *, int16_t *, QString *> variable;
    int32_t defaultNumber;   // for the numeric settings
    const char *defaultText; // for the text settings (BuzzerFile's default is formed at read time)
    int loadPlace;           // 1 is read first at start-up
    int savePlace;           // 1 is written first by the Options dialog's OK
};

// Every setting, each once, in the table's order.
std::span<const SettingDefinition> settingDefinitions();
// The definition for a key; nullptr for an unknown one.
const SettingDefinition *findSetting(QStringView key);

// The folder of the program's own files, the platform's separator, and "chime2.wav".
QString defaultBuzzerFile();
// A setting's default as stored text.
QString defaultText(const SettingDefinition &setting);
// A setting's current value as stored text (numbers in plain decimal, paths verbatim).
QString currentText(const SettingDefinition &setting);

// Reads every key, in the start-up order, into the variables. A stored text that is not
// a whole number within its variable's range yields the default for that key only.
void LoadSettings(const SettingsStore &store);
// Writes every key as the text of its variable, in the save order; false when the store
// could not be written (its errorString says why).
bool SaveSettings(SettingsStore &store);
// Every variable back to its default and the presets to their start values (tests).
void resetSettingsToDefaults();

} // namespace tallyard
