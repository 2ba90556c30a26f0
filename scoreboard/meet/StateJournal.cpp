// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/meet/StateJournal.h"

#include "platform/system/DurableFile.h"
#include "platform/system/FolderOverride.h"
#include "platform/system/ProgramInfo.h"
#include "platform/system/WriteBehind.h"
#include "scoreboard/state/BoardSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStandardPaths>

#include <algorithm>
#include <map>
#include <type_traits>
#include <variant>
#include <array>
#include <cmath>
#include <limits>
#include <tuple>

namespace tallyard {

namespace {

// The context the texts below are translated under.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(StateJournal)
};

FolderOverride stateFolderSeam;

// The ranges of a stored clock; the other fields' are the schema's.
constexpr int64_t MaxCountDown = 5999; // 99:59, what a time entry can set
constexpr int64_t MaxCountUp = 359999; // a count-up may run on for days
constexpr int64_t MaxPreset = 5999;
constexpr int64_t MaxCivilMs = 253402300799999; // 9999-12-31 23:59:59.999

// Reads one stored document, noting what it ignores.
class Reader {
public:
    explicit Reader(QStringList *problems) : m_problems(problems) { }

    void note(const QString &line)
    {
        if (m_problems)
            m_problems->append(line);
    }

    std::optional<int64_t> integer(const QJsonObject &object, const QString &key, const QString &where, int64_t lowest,
                                   int64_t highest)
    {
        const QJsonValue value = object.value(key);
        if (!present(value, where))
            return std::nullopt;
        const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!value.isDouble() || !std::isfinite(number) || number != std::floor(number)) {
            note(Text::tr("%1: not a whole number; ignored").arg(where));
            return std::nullopt;
        }
        if (number < static_cast<double>(lowest) || number > static_cast<double>(highest)) {
            note(Text::tr("%1: %2 is outside %3..%4; ignored")
                     .arg(where)
                     .arg(number, 0, 'f', 0)
                     .arg(lowest)
                     .arg(highest));
            return std::nullopt;
        }
        return static_cast<int64_t>(number);
    }

    std::optional<double> seconds(const QJsonObject &object, const QString &key, const QString &where, int64_t highest)
    {
        const QJsonValue value = object.value(key);
        if (!present(value, where))
            return std::nullopt;
        const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!value.isDouble() || !std::isfinite(number)) {
            note(Text::tr("%1: not a number; ignored").arg(where));
            return std::nullopt;
        }
        if (number < 0 || number > static_cast<double>(highest)) {
            note(Text::tr("%1: %2 is outside 0..%3; ignored").arg(where).arg(number).arg(highest));
            return std::nullopt;
        }
        return number;
    }

    std::optional<bool> flag(const QJsonObject &object, const QString &key, const QString &where)
    {
        const QJsonValue value = object.value(key);
        if (!present(value, where))
            return std::nullopt;
        if (!value.isBool()) {
            note(Text::tr("%1: not true or false; ignored").arg(where));
            return std::nullopt;
        }
        return value.toBool();
    }

    std::optional<QString> text(const QJsonObject &object, const QString &key, const QString &where, int longest)
    {
        const QJsonValue value = object.value(key);
        if (!present(value, where))
            return std::nullopt;
        if (!value.isString()) {
            note(Text::tr("%1: not a text; ignored").arg(where));
            return std::nullopt;
        }
        QString result = value.toString();
        if (result.size() > longest) {
            note(Text::tr("%1: longer than %2 characters; ignored").arg(where).arg(longest));
            return std::nullopt;
        }
        // A lone surrogate from a \u escape is no text the board could show or write back.
        if (!result.isValidUtf16()) {
            note(Text::tr("%1: not valid text; ignored").arg(where));
            return std::nullopt;
        }
        return result;
    }

    std::optional<QJsonObject> object(const QJsonObject &parent, const QString &key, const QString &where)
    {
        const QJsonValue value = parent.value(key);
        if (!present(value, where))
            return std::nullopt;
        if (!value.isObject()) {
            note(Text::tr("%1: not an object; ignored").arg(where));
            return std::nullopt;
        }
        return value.toObject();
    }

private:
    bool present(const QJsonValue &value, const QString &where)
    {
        if (!value.isUndefined())
            return true;
        note(Text::tr("%1: missing").arg(where));
        return false;
    }

    QStringList *m_problems;
};

template <typename T, typename U>
bool take(const std::optional<U> &value, T &target)
{
    if (!value)
        return false;
    target = static_cast<T>(*value);
    return true;
}

} // namespace

namespace {

// Whether a change is one the operator made (a number, a score, a clock started, stopped,
// reset or set), which the file must hold before anything that follows from it (the score's
// row in the record); text being typed and the pictures and colours may wait their second.
bool committedChange(const std::optional<BoardState> &before, const BoardState &now)
{
    if (!before)
        return true;
    for (const FieldEntry &entry : BoardSchema)
        if (entry.committed && !sameField(*before, now, entry))
            return true;
    return false;
}

} // namespace

StateJournal::StateJournal(const QString &file, Reporter report, std::chrono::milliseconds interval,
                           std::shared_ptr<WriteBehind> writer)
    : m_path(file.isEmpty() ? defaultFile() : file),
      m_report(report ? std::move(report) : Reporter([](const Notice &notice) { notices().post(notice); })),
      m_writer(writer ? std::move(writer) : std::make_shared<WriteBehind>())
{
    WriteBehind::LaneOptions options;
    options.keep = WriteBehind::Keep::Latest;
    options.delay = interval;
    m_lane = m_writer->open(
        options, [this](const QByteArray &bytes, QString *error) { return writeFileAtomically(m_path, bytes, error); },
        [this](const WriteBehind::Event &event) {
            const QString key = QStringLiteral("state:") + m_path;
            const QString path = QDir::toNativeSeparators(m_path);
            if (event.kind == WriteBehind::Event::Failed)
                m_report(Notice::lasting(key,
                                         Text::tr("The board's state cannot be kept in %1 (%2): after a crash the "
                                                  "board would not come back as it was.")
                                             .arg(path, event.error)));
            else if (event.kind == WriteBehind::Event::Recovered)
                m_report(Notice::mended(key, Text::tr("The board's state is kept in %1 again.").arg(path)));
        });
}

StateJournal::~StateJournal()
{
    m_writer->close(m_lane);
}

// The moment is taken here, on the caller's thread, where the local-time source lives.
void StateJournal::offer(const BoardState &state)
{
    const bool urgent = committedChange(m_offered, state);
    m_offered = state;
    m_writer->put(m_lane, toJson(state, false, localMilliseconds()), urgent);
}

bool StateJournal::markClean()
{
    if (!m_offered)
        return false;
    m_writer->put(m_lane, toJson(*m_offered, true, localMilliseconds()));
    return m_writer->flush(m_lane);
}

bool StateJournal::flush()
{
    return m_writer->flush(m_lane);
}

QString StateJournal::fileName() const
{
    return m_path;
}

int StateJournal::writes() const
{
    return static_cast<int>(m_writer->writes(m_lane));
}

QString StateJournal::defaultFile()
{
    return stateFolderSeam.orElse(userStateFolder()) + QStringLiteral("/board.json");
}

void StateJournal::setFolderOverride(const QString &folder)
{
    stateFolderSeam.set(folder);
}

namespace {

QJsonValue fileValue(const BoardState &state, const FieldEntry &entry)
{
    return std::visit(
        [](auto value) -> QJsonValue {
            using T = decltype(value);
            if constexpr (std::is_same_v<T, ScoreRef>)
                return QJsonObject{{QStringLiteral("whole"), *value.whole},
                                   {QStringLiteral("thousandths"), *value.thousandths}};
            else if constexpr (std::is_same_v<T, ClockState *>)
                return QJsonObject{
                    {QStringLiteral("seconds"), value->seconds},
                    {QStringLiteral("takenAt"), static_cast<double>(value->takenAtMs)},
                    {QStringLiteral("running"), value->running},
                    {QStringLiteral("countsUp"), value->countsUp},
                    {QStringLiteral("preset"), value->preset},
                };
            else
                return QJsonValue(*value);
        },
        fieldOf(state, entry));
}

// Reads one field of the schema from its object into the state; true when it was valid.
bool readField(Reader &in, const QJsonObject &object, const FieldEntry &entry, const QString &where, BoardState &state)
{
    const QString key = QLatin1String(entry.fileKey);
    return std::visit(
        [&](auto target) {
            using T = decltype(target);
            if constexpr (std::is_same_v<T, QString *>) {
                return take(in.text(object, key, where, static_cast<int>(entry.highest)), *target);
            } else if constexpr (std::is_same_v<T, int *>) {
                return take(in.integer(object, key, where, entry.lowest, entry.highest), *target);
            } else if constexpr (std::is_same_v<T, ScoreRef>) {
                const auto score = in.object(object, key, where);
                if (!score)
                    return false;
                const auto whole = in.integer(*score, QStringLiteral("whole"), where + QStringLiteral(".whole"),
                                              entry.lowest, entry.highest);
                const auto thousandths
                    = in.integer(*score, QStringLiteral("thousandths"), where + QStringLiteral(".thousandths"), 0, 999);
                // Points without their thousandths would be another score: both or neither.
                if (!whole || !thousandths)
                    return false;
                *target.whole = static_cast<int>(*whole);
                *target.thousandths = static_cast<int>(*thousandths);
                return true;
            } else {
                const auto clock = in.object(object, key, where);
                if (!clock)
                    return false;
                // A clock counts as read when its value was valid; its other fields each alone.
                const QString prefix = where + u'.';
                take(in.flag(*clock, QStringLiteral("countsUp"), prefix + QStringLiteral("countsUp")),
                     target->countsUp);
                take(in.flag(*clock, QStringLiteral("running"), prefix + QStringLiteral("running")), target->running);
                take(in.integer(*clock, QStringLiteral("preset"), prefix + QStringLiteral("preset"), 0, MaxPreset),
                     target->preset);
                take(in.integer(*clock, QStringLiteral("takenAt"), prefix + QStringLiteral("takenAt"), 0, MaxCivilMs),
                     target->takenAtMs);
                return take(in.seconds(*clock, QStringLiteral("seconds"), prefix + QStringLiteral("seconds"),
                                       target->countsUp ? MaxCountUp : MaxCountDown),
                            target->seconds);
            }
        },
        entry.ref(state));
}

} // namespace

QByteArray StateJournal::toJson(const BoardState &state, bool clean, int64_t writtenAt)
{
    QJsonObject document{
        {QStringLiteral("format"), Format},
        {QStringLiteral("clean"), clean},
        {QStringLiteral("writtenAt"), static_cast<double>(writtenAt)},
    };
    for (const FieldEntry &entry : BoardSchema) {
        const QString key = QLatin1String(entry.fileKey);
        if (!entry.group) {
            document.insert(key, fileValue(state, entry));
            continue;
        }
        const QString group = QLatin1String(entry.group);
        QJsonObject members = document.value(group).toObject();
        members.insert(key, fileValue(state, entry));
        document.insert(group, members);
    }
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

std::optional<StoredBoard> StateJournal::read(QByteArrayView bytes, QStringList *problems)
{
    Reader in(problems);
    if (bytes.size() > MaxFileBytes) {
        in.note(Text::tr("larger than %1 bytes; nothing read").arg(MaxFileBytes));
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        in.note(error.error != QJsonParseError::NoError
                    ? Text::tr("damaged JSON (%1 at byte %2); nothing read").arg(error.errorString()).arg(error.offset)
                    : Text::tr("not a JSON object; nothing read"));
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    const QJsonValue format = root.value(QStringLiteral("format"));
    if (!format.isDouble() || format.toDouble() != Format) {
        in.note(Text::tr("format %1, not %2; nothing read")
                    .arg(format.isDouble() ? QString::number(format.toDouble()) : Text::tr("missing"))
                    .arg(Format));
        return std::nullopt;
    }

    StoredBoard out;
    take(in.flag(root, QStringLiteral("clean"), QStringLiteral("clean")), out.clean);
    take(in.integer(root, QStringLiteral("writtenAt"), QStringLiteral("writtenAt"), 0, MaxCivilMs), out.writtenAt);
    // The groups are looked up once, so that a missing one is said once.
    std::map<QString, std::optional<QJsonObject>> groups;
    for (const FieldEntry &entry : BoardSchema) {
        // The look is the operator's settings', kept by themselves: not brought back from here.
        if (!entry.restored)
            continue;
        const QJsonObject *container = &root;
        QString where = QLatin1String(entry.fileKey);
        if (entry.group) {
            const QString group = QLatin1String(entry.group);
            auto found = groups.find(group);
            if (found == groups.end())
                found = groups.emplace(group, in.object(root, group, group)).first;
            if (!found->second)
                continue;
            container = &*found->second;
            where = group + u'.' + where;
        }
        if (readField(in, *container, entry, where, out.state))
            out.fields.set(static_cast<size_t>(entry.field));
    }
    return out;
}

std::optional<StoredBoard> StateJournal::readFile(const QString &path, QStringList *problems)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) {
        if (problems)
            problems->append(Text::tr("cannot read %1 (%2)").arg(path, file.errorString()));
        return std::nullopt;
    }
    // One byte more than allowed tells a file that is too large without reading it whole.
    return read(file.read(MaxFileBytes + 1), problems);
}

} // namespace tallyard
