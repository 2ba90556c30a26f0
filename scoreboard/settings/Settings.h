#pragma once
// The program-wide settings variables, the clock presets, and the one table that ties
// each setting to its section, key, type and default. The store is read once at start
// (LoadSettings) and written only by the Options dialog's OK (SaveSettings).

#include <QString>

#include <cstdint>
#include <span>
#include <variant>

namespace tallyard {

class SettingsStore;

inline const QString ApplicationName = QStringLiteral("Tallyard");

// Colours are 0x00BBGGRR.
inline int32_t ColorFormBack = 4210752;
inline int32_t ColorRoutine = 49152;
inline int32_t ColorScoreLED = 33023;
inline int32_t ColorGymnastLED = 49152;
inline int32_t ColorLEDBack = 0;
inline int32_t ColorLEDSelected = 4210752;
inline int32_t ColorBorder = 16777215;
inline int32_t ColorFall = 255;
inline int32_t ColorWarmUp = 65535;
inline int16_t LEDSelectedWidth = 0;
// Windows virtual-key codes.
inline int16_t KeyRoutine = 82;
inline int16_t KeyFall = 70;
inline int16_t KeyWarmUp = 87;
inline int16_t KeyReset = 71;
inline int16_t KeyClear = 46;
inline int16_t KeyChime = 67;
inline QString BuzzerFile;
inline int32_t NumLockForce = 0;
inline QString HomePic;
inline QString VisitorPic;
inline int16_t DigitLEDType = 0;

// What the reset key sets the clocks back to, in seconds; set by the board's load and by
// time entry. Not stored.
inline int16_t RoutinePreset = 1800;
inline int16_t FallPreset = 30;
inline int16_t WarmUpPreset = 1800;

struct SettingDefinition {
    const char *section;
    const char *key;
    std::variant<int32_t *, int16_t *, QString *> variable;
    int32_t defaultNumber; // for the numeric settings
    const char *defaultText; // for the text settings (BuzzerFile's default is formed at read time)
};

// All 21 settings, each once.
std::span<const SettingDefinition> settingDefinitions();
// The definition for a key; nullptr for an unknown one.
const SettingDefinition *findSetting(QStringView key);

// The program's own folder, the platform's separator, and "chime2.wav".
QString defaultBuzzerFile();
// A setting's default as stored text.
QString defaultText(const SettingDefinition &setting);
// A setting's current value as stored text (numbers in plain decimal, paths verbatim).
QString currentText(const SettingDefinition &setting);

// Reads all 21 keys, in the start-up order, into the variables. A stored text that is not
// a whole number within its variable's range yields the default for that key only.
void LoadSettings(const SettingsStore &store);
// Writes every key as the text of its variable, in the save order.
void SaveSettings(SettingsStore &store);
// Every variable back to its default and the presets to their start values (tests).
void resetSettingsToDefaults();

} // namespace tallyard
