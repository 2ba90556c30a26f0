// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// What the program has to tell its operator: a problem, or news such as a file loaded. Any
// thread may post a notice; it is written to standard error at once, for whoever started the
// program from a terminal, and handed to the main thread, where whatever shows notices to the
// operator follows the board of them. A lasting notice (a file that cannot be written) stays
// until a notice with its key says the matter is mended; a passing one is shown for a while.

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <mutex>

namespace tallyard {

struct Notice {
    enum Kind {
        Passing, // news, or a problem that is over: shown for a while
        Lasting, // a problem that goes on until a Mended notice with the same key
        Mended,  // the Lasting notice with this key is over; its text is said as Passing
    };
    Kind kind = Passing;
    QString key;  // what a Lasting notice is about (a file's path with a prefix); empty for Passing
    QString text; // in the operator's language, whole: the file and the line a person needs
    QDateTime at; // when it was posted (set by the board)

    static Notice passing(QString text) { return {Passing, {}, std::move(text), {}}; }
    static Notice lasting(QString key, QString text) { return {Lasting, std::move(key), std::move(text), {}}; }
    static Notice mended(QString key, QString text) { return {Mended, std::move(key), std::move(text), {}}; }
};

class NoticeBoard : public QObject {
    Q_OBJECT

public:
    // Thread-safe; returns at once.
    void post(Notice notice);
    // The lasting notices in force, oldest first, and the passing ones of the last
    // recentSeconds: what a view opened late shows.
    QList<Notice> lasting() const;
    QList<Notice> recent(int recentSeconds) const;
    // Forgets everything (tests).
    void clear();

signals:
    // On the main thread, in the order posted.
    void posted(const tallyard::Notice &notice);

private:
    void deliver(const Notice &notice);

    mutable std::mutex m_mutex;
    QList<Notice> m_lasting;
    QList<Notice> m_passing;
};

// The program's one board of notices.
NoticeBoard &notices();

// One line on standard error, "tallyard: " first, in the locale's encoding.
void reportToStandardError(const QString &line);

} // namespace tallyard

Q_DECLARE_METATYPE(tallyard::Notice)
