#include "scoreboard/settings/Settings.h"

#include "platform/ProgramInfo.h"
#include "platform/SettingsStore.h"

#include <QDir>

#include <array>
#include <limits>

namespace tallyard {

namespace {

constexpr const char *Color = "ColorSettings";
constexpr const char *Keys = "KeySettings";
constexpr const char *Pics = "PicSettings";

const std::array<SettingDefinition, 21> definitions{{
    {Color, "Color_FormBack", &ColorFormBack, 4210752, nullptr},
    {Color, "Color_Routine", &ColorRoutine, 49152, nullptr},
    {Color, "Color_ScoreLED", &ColorScoreLED, 33023, nullptr},
    {Color, "Color_GymnastLED", &ColorGymnastLED, 49152, nullptr},
    {Color, "Color_LEDBack", &ColorLEDBack, 0, nullptr},
    {Color, "Color_LEDSelected", &ColorLEDSelected, 4210752, nullptr},
    {Color, "Color_Border", &ColorBorder, 16777215, nullptr},
    {Color, "Color_Fall", &ColorFall, 255, nullptr},
    {Color, "Color_WarmUp", &ColorWarmUp, 65535, nullptr},
    {Color, "LEDSelectedWidth", &LEDSelectedWidth, 0, nullptr},
    {Keys, "KeyRoutine", &KeyRoutine, 82, nullptr},
    {Keys, "KeyFall", &KeyFall, 70, nullptr},
    {Keys, "KeyWarmUp", &KeyWarmUp, 87, nullptr},
    {Keys, "KeyReset", &KeyReset, 71, nullptr},
    {Keys, "KeyClear", &KeyClear, 46, nullptr},
    {Keys, "KeyChime", &KeyChime, 67, nullptr},
    {Keys, "BuzzerFile", &BuzzerFile, 0, nullptr},
    {Keys, "NumLockForce", &NumLockForce, 0, nullptr},
    {Pics, "HomePic", &HomePic, 0, ""},
    {Pics, "VisitorPic", &VisitorPic, 0, ""},
    {Pics, "LEDType", &DigitLEDType, 0, nullptr},
}};

constexpr std::array<const char *, 21> loadOrder{
    "Color_FormBack", "Color_ScoreLED", "Color_GymnastLED", "Color_LEDBack", "Color_LEDSelected", "Color_Border",
    "Color_Routine",  "Color_Fall",     "Color_WarmUp",     "LEDSelectedWidth", "KeyRoutine",     "KeyFall",
    "KeyWarmUp",      "KeyReset",       "KeyClear",         "KeyChime",         "BuzzerFile",     "NumLockForce",
    "HomePic",        "VisitorPic",     "LEDType"};

constexpr std::array<const char *, 21> saveOrder{
    "Color_FormBack", "Color_Routine", "Color_ScoreLED", "Color_GymnastLED", "Color_LEDBack", "Color_LEDSelected",
    "Color_Border",   "Color_Fall",    "Color_WarmUp",   "LEDSelectedWidth", "KeyRoutine",    "KeyFall",
    "KeyWarmUp",      "KeyReset",      "KeyClear",       "KeyChime",         "BuzzerFile",    "NumLockForce",
    "HomePic",        "VisitorPic",    "LEDType"};

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
    return QDir::toNativeSeparators(programFolder() + QStringLiteral("/chime2.wav"));
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
    for (const char *key : loadOrder) {
        const SettingDefinition &d = *findSetting(QString::fromLatin1(key));
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

void SaveSettings(SettingsStore &store)
{
    for (const char *key : saveOrder) {
        const SettingDefinition &d = *findSetting(QString::fromLatin1(key));
        store.SaveSetting(QString::fromLatin1(d.section), QString::fromLatin1(d.key), currentText(d));
    }
    store.flush();
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
    RoutinePreset = 1800;
    FallPreset = 30;
    WarmUpPreset = 1800;
}

} // namespace tallyard
