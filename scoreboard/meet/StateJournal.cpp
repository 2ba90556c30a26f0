// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/meet/StateJournal.h"

#include "platform/system/DurableFile.h"
#include "platform/system/WriteBehind.h"

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

QString &folderOverride()
{
    static QString folder;
    return folder;
}

// The ranges a stored value must lie in to be taken.
constexpr int64_t MaxNumber = 9999;
constexpr int64_t MaxScoreWhole = 19;
constexpr int64_t MaxCountDown = 5999; // 99:59, what a time entry can set
constexpr int64_t MaxCountUp = 359999; // a count-up may run on for days
constexpr int64_t MaxPreset = 5999;
constexpr int64_t MaxCivilMs = 253402300799999; // 9999-12-31 23:59:59.999

const std::array<const char *, 3> ClockKeys{"routine", "fall", "warmUp"};

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
            note(Text::tr("%1: %2 is outside %3..%4; ignored").arg(where).arg(number, 0, 'f', 0).arg(lowest).arg(highest));
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
    if (before->number != now.number || before->scoreWhole != now.scoreWhole
        || before->scoreThousandths != now.scoreThousandths)
        return true;
    for (size_t i = 0; i < now.clocks.size(); ++i)
        if (!before->clocks[i].sameAs(now.clocks[i]))
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
                m_report(Notice::lasting(key, Text::tr("The board's state cannot be kept in %1 (%2): after a crash the "
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
    QString folder = folderOverride();
    if (folder.isEmpty()) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
        // Qt 6.4 knows no state location: the XDG rule by hand (a relative path is ignored).
        folder = qEnvironmentVariable("XDG_STATE_HOME");
        if (!QDir::isAbsolutePath(folder))
            folder = QDir::homePath() + QStringLiteral("/.local/state");
        folder += QStringLiteral("/Tallyard");
#else
        folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
#endif
    }
    return folder + QStringLiteral("/board.json");
}

void StateJournal::setFolderOverride(const QString &folder)
{
    folderOverride() = folder;
}

QByteArray StateJournal::toJson(const BoardState &state, bool clean, int64_t writtenAt)
{
    QJsonObject clocks;
    for (size_t i = 0; i < state.clocks.size(); ++i) {
        const ClockState &clock = state.clocks[i];
        clocks.insert(QLatin1String(ClockKeys[i]), QJsonObject{
                                                       {QStringLiteral("seconds"), clock.seconds},
                                                       {QStringLiteral("takenAt"), static_cast<double>(clock.takenAtMs)},
                                                       {QStringLiteral("running"), clock.running},
                                                       {QStringLiteral("countsUp"), clock.countsUp},
                                                       {QStringLiteral("preset"), clock.preset},
                                                   });
    }
    const QJsonObject colors{
        {QStringLiteral("back"), state.backColor},
        {QStringLiteral("text"), state.textColor},
        {QStringLiteral("ledBack"), state.ledBackColor},
        {QStringLiteral("score"), state.scoreColor},
        {QStringLiteral("gymnast"), state.gymnastColor},
        {QStringLiteral("routine"), state.clockColors[0]},
        {QStringLiteral("fall"), state.clockColors[1]},
        {QStringLiteral("warmUp"), state.clockColors[2]},
    };
    const QJsonObject document{
        {QStringLiteral("format"), Format},
        {QStringLiteral("clean"), clean},
        {QStringLiteral("writtenAt"), static_cast<double>(writtenAt)},
        {QStringLiteral("event"), state.event},
        {QStringLiteral("name"), state.name},
        {QStringLiteral("team"), state.team},
        {QStringLiteral("number"), state.number},
        {QStringLiteral("score"), QJsonObject{{QStringLiteral("whole"), state.scoreWhole},
                                              {QStringLiteral("thousandths"), state.scoreThousandths}}},
        {QStringLiteral("clocks"), clocks},
        {QStringLiteral("colors"), colors},
        {QStringLiteral("digitStyle"), state.digitStyle},
        {QStringLiteral("pictures"), QJsonObject{{QStringLiteral("home"), state.homePicture},
                                                 {QStringLiteral("visitor"), state.visitorPicture}}},
    };
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
    BoardState &state = out.state;
    const auto mark = [&](bool taken, StoredBoard::Field field) {
        if (taken)
            out.fields |= field;
    };
    take(in.flag(root, QStringLiteral("clean"), QStringLiteral("clean")), out.clean);
    take(in.integer(root, QStringLiteral("writtenAt"), QStringLiteral("writtenAt"), 0, MaxCivilMs), out.writtenAt);
    for (const auto &[key, target, field] : {std::tuple{"event", &state.event, StoredBoard::Event},
                                             std::tuple{"name", &state.name, StoredBoard::Name},
                                             std::tuple{"team", &state.team, StoredBoard::Team}}) {
        const QString where = QLatin1String(key);
        mark(take(in.text(root, where, where, MaxTextLength), *target), field);
    }
    mark(take(in.integer(root, QStringLiteral("number"), QStringLiteral("number"), -1, MaxNumber), state.number),
         StoredBoard::Number);
    if (const auto score = in.object(root, QStringLiteral("score"), QStringLiteral("score"))) {
        const auto whole = in.integer(*score, QStringLiteral("whole"), QStringLiteral("score.whole"), -1, MaxScoreWhole);
        const auto thousandths
            = in.integer(*score, QStringLiteral("thousandths"), QStringLiteral("score.thousandths"), 0, 999);
        // Points without their thousandths would be another score: both or neither.
        if (whole && thousandths) {
            state.scoreWhole = static_cast<int>(*whole);
            state.scoreThousandths = static_cast<int>(*thousandths);
            out.fields |= StoredBoard::Score;
        }
    }
    if (const auto clocks = in.object(root, QStringLiteral("clocks"), QStringLiteral("clocks"))) {
        for (size_t i = 0; i < state.clocks.size(); ++i) {
            const QString name = QLatin1String(ClockKeys[i]);
            const QString where = QStringLiteral("clocks.") + name;
            const auto clockObject = in.object(*clocks, name, where);
            if (!clockObject)
                continue;
            ClockState &clock = state.clocks[i];
            const QString prefix = where + u'.';
            take(in.flag(*clockObject, QStringLiteral("countsUp"), prefix + QStringLiteral("countsUp")), clock.countsUp);
            take(in.flag(*clockObject, QStringLiteral("running"), prefix + QStringLiteral("running")), clock.running);
            take(in.integer(*clockObject, QStringLiteral("preset"), prefix + QStringLiteral("preset"), 0, MaxPreset),
                 clock.preset);
            take(in.integer(*clockObject, QStringLiteral("takenAt"), prefix + QStringLiteral("takenAt"), 0, MaxCivilMs),
                 clock.takenAtMs);
            mark(take(in.seconds(*clockObject, QStringLiteral("seconds"), prefix + QStringLiteral("seconds"),
                                 clock.countsUp ? MaxCountUp : MaxCountDown),
                      clock.seconds),
                 StoredBoard::clockField(i));
        }
    }
    if (const auto colors = in.object(root, QStringLiteral("colors"), QStringLiteral("colors"))) {
        constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
        constexpr int64_t highest = std::numeric_limits<int32_t>::max();
        for (const auto &[key, target, field] : {std::tuple{"back", &state.backColor, StoredBoard::BackColor},
                                                 std::tuple{"text", &state.textColor, StoredBoard::TextColor},
                                                 std::tuple{"ledBack", &state.ledBackColor, StoredBoard::LedBackColor},
                                                 std::tuple{"score", &state.scoreColor, StoredBoard::ScoreColor},
                                                 std::tuple{"gymnast", &state.gymnastColor, StoredBoard::GymnastColor},
                                                 std::tuple{"routine", &state.clockColors[0], StoredBoard::RoutineColor},
                                                 std::tuple{"fall", &state.clockColors[1], StoredBoard::FallColor},
                                                 std::tuple{"warmUp", &state.clockColors[2], StoredBoard::WarmUpColor}}) {
            const QString name = QLatin1String(key);
            mark(take(in.integer(*colors, name, QStringLiteral("colors.") + name, lowest, highest), *target), field);
        }
    }
    mark(take(in.integer(root, QStringLiteral("digitStyle"), QStringLiteral("digitStyle"),
                         std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()),
              state.digitStyle),
         StoredBoard::DigitStyle);
    if (const auto pictures = in.object(root, QStringLiteral("pictures"), QStringLiteral("pictures"))) {
        mark(take(in.text(*pictures, QStringLiteral("home"), QStringLiteral("pictures.home"), MaxPictureLength),
                  state.homePicture),
             StoredBoard::HomePicture);
        mark(take(in.text(*pictures, QStringLiteral("visitor"), QStringLiteral("pictures.visitor"), MaxPictureLength),
                  state.visitorPicture),
             StoredBoard::VisitorPicture);
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
