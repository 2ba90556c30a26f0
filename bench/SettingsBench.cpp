// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// Reading a settings file an operator has grown by hand to a megabyte (notes, copied blocks,
// keys of other programs) into the program's variables, before the splash: against reading
// the same bytes from disk and splitting them into lines, which any reader has to do.
#include "platform/system/SettingsStore.h"
#include "scoreboard/settings/Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace tallyard;

struct HandGrownFile {
    QTemporaryDir dir;
    HandGrownFile(qsizetype bytes)
    {
        QByteArray text = "; copied from the club laptop\n[ColorSettings]\nColor_Fall=12\n";
        for (int n = 0; text.size() < bytes; ++n)
            text += "; note " + QByteArray::number(n) + "\n[Other" + QByteArray::number(n % 50) + "]\nKey"
                + QByteArray::number(n) + " = \"some value, with a comma\"\n\n";
        text += "[KeySettings]\nKeyRoutine=84\n";
        QFile file(dir.filePath(QStringLiteral("Tallyard.ini")));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        SettingsStore::setFolderOverride(dir.path());
    }
    ~HandGrownFile() { SettingsStore::setFolderOverride({}); }
};

void BM_LoadSettings(benchmark::State &state)
{
    const HandGrownFile file(state.range(0));
    for (auto _ : state) {
        LoadSettings(SettingsStore(ApplicationName));
        benchmark::DoNotOptimize(KeyRoutine);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_ReadAndSplitLines(benchmark::State &state)
{
    const HandGrownFile file(state.range(0));
    for (auto _ : state) {
        QFile f(file.dir.filePath(QStringLiteral("Tallyard.ini")));
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        qsizetype lines = 0;
        for (qsizetype at = 0; (at = bytes.indexOf('\n', at)) >= 0; ++at)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_ReadAndSplitLines)->Arg(200 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSettings)->Arg(200 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
