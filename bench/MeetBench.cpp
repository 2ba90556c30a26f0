// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The record of the meet, against what any program doing the same must pay:
// - loading a start list of 10,000 gymnasts, against reading the file and splitting it into
//   lines;
// - a committed score as the board's thread pays for it (handing the row over), against one
//   bare unsynced write to a file: the 50 ms refresh never waits for the disk;
// - the whole of a row's way to the disk (written and synced), against a bare write of the
//   same bytes with its fsync.
#include "platform/system/DurableFile.h"
#include "scoreboard/meet/ResultsRecord.h"
#include "scoreboard/meet/StartList.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace tallyard;

struct ListFile {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("list.csv"));
    explicit ListFile(int rows)
    {
        QByteArray text = "\xEF\xBB\xBFnumber;name;team;event\r\n";
        for (int n = 0; n < rows; ++n)
            text += QByteArray::number(n) + ";\"Gymnast " + QByteArray::number(n) + ", Jr.\";TSV Nord "
                + QByteArray::number(n % 40) + ";Floor\r\n";
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
};

void BM_LoadStartList(benchmark::State &state)
{
    const ListFile list(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const StartList loaded = loadStartList(list.path, nullptr);
        benchmark::DoNotOptimize(loaded.size());
    }
}

void BM_ReadAndSplitLines(benchmark::State &state)
{
    const ListFile list(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QFile f(list.path);
        f.open(QIODevice::ReadOnly);
        const QList<QByteArray> lines = f.readAll().split('\n');
        benchmark::DoNotOptimize(lines.size());
    }
}

ResultRow row(int n)
{
    ResultRow r;
    r.event = QStringLiteral("Floor");
    r.number = n % 10000;
    r.name = QStringLiteral("Gymnast, Jr.");
    r.team = QStringLiteral("TSV Nord");
    r.scoreWhole = 9;
    r.scoreThousandths = n % 1000;
    return r;
}

// What the board's thread pays for a committed score; the rows are synced between the
// timed calls, as the operator's pace leaves the writer time to.
void BM_RecordAppendOnTheBoardThread(benchmark::State &state)
{
    QTemporaryDir dir;
    ResultsRecord record(dir.filePath(QStringLiteral("record.csv")), [](const Notice &) {});
    int n = 0;
    for (auto _ : state) {
        record.append(row(++n));
        state.PauseTiming();
        record.flush();
        state.ResumeTiming();
    }
}

// A bare file, each row written and flushed, with an fsync when Synced.
template <bool Synced>
void BM_BareAppend(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("bare.csv")));
    file.open(QIODevice::WriteOnly | QIODevice::Append);
    int n = 0;
    for (auto _ : state) {
        file.write(ResultsRecord::formatRow(row(++n)));
        if constexpr (Synced)
            syncToDisk(file);
        else
            file.flush();
    }
}

void BM_RecordAppendSynced(benchmark::State &state)
{
    QTemporaryDir dir;
    ResultsRecord record(dir.filePath(QStringLiteral("record.csv")), [](const Notice &) {});
    int n = 0;
    for (auto _ : state) {
        record.append(row(++n));
        record.flush();
    }
}

} // namespace

BENCHMARK(BM_ReadAndSplitLines)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadStartList)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareAppend<false>)->Name("BM_BareAppend")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecordAppendOnTheBoardThread)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareAppend<true>)->Name("BM_BareAppendSynced")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecordAppendSynced)->Unit(benchmark::kMicrosecond);
