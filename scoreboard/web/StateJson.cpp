// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/web/StateJson.h"

#include "components/LEDStyle.h"
#include "scoreboard/i18n/Language.h"
#include "scoreboard/state/BoardSchema.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace tallyard {

namespace {

double rounded(double value, double unit)
{
    return std::round(value / unit) * unit;
}

QJsonValue clockJson(const ClockState &clock)
{
    return QJsonObject{
        {"seconds", rounded(clock.seconds, 0.001)},
        {"takenAt", static_cast<double>(epochMilliseconds(clock.takenAtMs))},
        {"running", clock.running},
        {"countsUp", clock.countsUp},
        {"preset", clock.preset},
    };
}

} // namespace

void PictureRevisions::follow(const BoardState &state)
{
    const QString paths[2] = {state.homePicture, state.visitorPicture};
    for (int i = 0; i < 2; ++i) {
        if (paths[i] != m_paths[i]) {
            m_paths[i] = paths[i];
            m_revisions[i] = m_next++;
        }
    }
}

QString PictureRevisions::address(bool home) const
{
    const int i = home ? 0 : 1;
    if (m_paths[i].isEmpty())
        return {};
    return QStringLiteral("/picture/%1?v=%2").arg(home ? u"home" : u"visitor").arg(m_revisions[i]);
}

QString cssColor(int32_t color)
{
    const auto c = static_cast<uint32_t>(color);
    return QStringLiteral("#%1%2%3")
        .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

namespace {

QJsonValue stateValue(const BoardState &state, const FieldEntry &entry, const PictureRevisions &pictures)
{
    const FieldRef value = fieldOf(state, entry);
    switch (entry.kind) {
    case FieldKind::Text:
        return *std::get<QString *>(value);
    case FieldKind::Number: {
        const int number = *std::get<int *>(value);
        return number >= 0 ? QJsonValue(number) : QJsonValue(QJsonValue::Null);
    }
    case FieldKind::Score: {
        const ScoreRef score = std::get<ScoreRef>(value);
        if (*score.whole < 0)
            return QJsonValue::Null;
        const int thousandths = std::max(0, *score.thousandths);
        return QJsonObject{
            {"whole", *score.whole},
            {"thousandths", thousandths},
            {"text", QStringLiteral("%1.%2").arg(*score.whole).arg(thousandths, 3, 10, QLatin1Char('0'))},
        };
    }
    case FieldKind::Clock:
        return clockJson(*std::get<ClockState *>(value));
    case FieldKind::Color:
        return cssColor(*std::get<int *>(value));
    case FieldKind::DigitStyle:
        return *std::get<int *>(value) == led::CircleLED ? "dots" : "lines";
    case FieldKind::Picture: {
        const QString address = pictures.address(entry.field == BoardField::HomePicture);
        return address.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(address);
    }
    }
    return QJsonValue::Null;
}

} // namespace

QByteArray stateJson(const BoardState &state, int64_t nowMs, const PictureRevisions &pictures, int64_t startedAt)
{
    QJsonObject root{
        {"format", QLatin1String(StateFormat)},
        {"version", static_cast<double>(state.version)},
        {"startedAt", static_cast<double>(startedAt)},
        {"now", static_cast<double>(epochMilliseconds(nowMs))},
        {"zoneOffset", zoneOffsetMinutes(nowMs)},
        // The board's captions in its language, so that a page in the hall reads like the board.
        {"captions",
         QJsonObject{
             {"routine", language::boardText("Routine")},
             {"fall", language::boardText("Fall")},
             {"warmup", language::boardText("Warm-Up")},
             {"score", language::boardText("Score")},
         }},
    };
    for (const FieldEntry &entry : BoardSchema) {
        const QString key = QLatin1String(entry.stateKey);
        if (!entry.group) {
            root.insert(key, stateValue(state, entry, pictures));
            continue;
        }
        const QString group = QLatin1String(entry.group);
        QJsonObject members = root.value(group).toObject();
        members.insert(key, stateValue(state, entry, pictures));
        root.insert(group, members);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace tallyard
