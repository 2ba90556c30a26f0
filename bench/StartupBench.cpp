// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The program's start to its splash being shown, against a bare Qt program that shows one
// window. Both run as real processes (offscreen platform, a fresh settings folder) and quit
// once their first window is shown; beside the time, each reports its peak resident memory.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <string>
#include <vector>

extern char **environ;

namespace {

std::string binary(const char *name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(name)).toStdString();
}

// Spawned by hand rather than with QProcess: wait4 gives the child's own peak memory.
void runProcess(benchmark::State &state, const std::string &program, std::vector<std::string> arguments)
{
    QTemporaryDir config;
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("XDG_CONFIG_HOME=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("XDG_CONFIG_HOME=" + config.path().toStdString());
    arguments.insert(arguments.begin(), program);
    auto pointers = [](std::vector<std::string> &strings) {
        std::vector<char *> result;
        for (std::string &s : strings)
            result.push_back(s.data());
        result.push_back(nullptr);
        return result;
    };
    std::vector<char *> argv = pointers(arguments);
    std::vector<char *> envp = pointers(env);
    long peakKb = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        pid_t child = 0;
        int status = 0;
        rusage usage{};
        if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0
            || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program did not start and quit");
            return;
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        peakKb = std::max(peakKb, usage.ru_maxrss);
    }
    state.counters["peak_MB"] = peakKb / 1024.0;
}

void BM_BareQtWindow(benchmark::State &state)
{
    runProcess(state, binary("bare_window"), {});
}
BENCHMARK(BM_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_TallyardSplash(benchmark::State &state)
{
    runProcess(state, binary("tallyard"), {"--quit-when-shown"});
}
BENCHMARK(BM_TallyardSplash)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
