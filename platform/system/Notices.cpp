// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/Notices.h"

#include <QCoreApplication>

#include <cstdio>

namespace tallyard {

namespace {
// Passing notices kept for a view that opens late; older ones are of no use to it.
constexpr qsizetype KeptPassing = 20;
} // namespace

void reportToStandardError(const QString &line)
{
    std::fprintf(stderr, "tallyard: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

void NoticeBoard::post(Notice notice)
{
    notice.at = QDateTime::currentDateTime();
    reportToStandardError(notice.text);
    {
        std::lock_guard lock(m_mutex);
        if (notice.kind == Notice::Lasting) {
            m_lasting.removeIf([&](const Notice &kept) { return kept.key == notice.key; });
            m_lasting.append(notice);
        } else {
            if (notice.kind == Notice::Mended)
                m_lasting.removeIf([&](const Notice &kept) { return kept.key == notice.key; });
            m_passing.append(notice);
            if (m_passing.size() > KeptPassing)
                m_passing.removeFirst();
        }
    }
    // Views live on the main thread; the board does too.
    QMetaObject::invokeMethod(
        this, [this, notice] { deliver(notice); }, Qt::QueuedConnection);
}

void NoticeBoard::deliver(const Notice &notice)
{
    emit posted(notice);
}

QList<Notice> NoticeBoard::lasting() const
{
    std::lock_guard lock(m_mutex);
    return m_lasting;
}

QList<Notice> NoticeBoard::recent(int recentSeconds) const
{
    const QDateTime since = QDateTime::currentDateTime().addSecs(-recentSeconds);
    std::lock_guard lock(m_mutex);
    QList<Notice> out;
    for (const Notice &notice : m_passing)
        if (notice.at >= since)
            out.append(notice);
    return out;
}

void NoticeBoard::clear()
{
    std::lock_guard lock(m_mutex);
    m_lasting.clear();
    m_passing.clear();
}

NoticeBoard &notices()
{
    static NoticeBoard *board = [] {
        qRegisterMetaType<Notice>("tallyard::Notice");
        auto *created = new NoticeBoard;
        // Owned by the application where there is one, so that it goes with it on its thread.
        if (QCoreApplication *app = QCoreApplication::instance())
            created->moveToThread(app->thread());
        return created;
    }();
    return *board;
}

} // namespace tallyard
