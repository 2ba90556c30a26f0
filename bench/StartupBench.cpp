// The program's start to its splash being shown, against a bare Qt program that shows one
// window. Both run as real processes (offscreen platform, a fresh settings folder) and quit
// once their first window is shown.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString binary(const char *name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(name));
}

void runProcess(benchmark::State &state, const QString &program, const QStringList &arguments)
{
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not start and quit");
            return;
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}

void BM_BareQtWindow(benchmark::State &state)
{
    runProcess(state, binary("bare_window"), {});
}
BENCHMARK(BM_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_TallyardSplash(benchmark::State &state)
{
    runProcess(state, binary("tallyard"), {QStringLiteral("--quit-when-shown")});
}
BENCHMARK(BM_TallyardSplash)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
