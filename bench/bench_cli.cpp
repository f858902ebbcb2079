// niruka-cli on a folder of designs: the report of one project file (the start-up), and the reports of
// 1,000 files in one call against one file: the difference divided by 999 is the cost of one design
// (per_design_us). The program is looked up beside this benchmark's build (src/app/niruka-cli) unless
// NIRUKA_CLI names it; NIRUKA_CLI_BASELINE adds an earlier build, measured in the same run.
#include "docs/projectfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace niruka;

constexpr int kFiles = 1000;

QString cliPath()
{
    if (const QString env = qEnvironmentVariable("NIRUKA_CLI"); !env.isEmpty())
        return env;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    return QDir(QString::fromStdString(self.parent_path().string()))
        .absoluteFilePath(QStringLiteral("../src/app/niruka-cli"));
}

// A catalogue pipe design with everything entered directly; `i` varies the area, the size and the gradient so
// that no two files are alike and both verdicts occur.
ProjectRecord pipeDesign(int i)
{
    ProjectRecord r;
    r.conditions.txt_c = QStringLiteral("0.5");
    r.conditions.txt_a = QString::number(2000 + 37 * i);
    r.conditions.txt_i = QStringLiteral("100");
    r.conditions.lst_s = i % 4; // VP, VU, FRPM, Hume
    r.conditions.opt1 = i % 3 != 0;
    r.conditions.opt2 = !r.conditions.opt1;
    r.facility.pipe.lst_pu = 2 + i % 5;
    r.facility.pipe.txt1 = QString::number(1 + i % 20);
    r.facility.pipe.txt2 = QStringLiteral("0.013");
    r.facility.pipe.cbo1 = i % 15 == 1 || i % 15 == 8 ? 0 : i % 15; // not a separator line
    return r;
}

struct Folder {
    QTemporaryDir dir;
    QStringList files;
    Folder()
    {
        for (int i = 0; i < kFiles; ++i) {
            const QString path = dir.filePath(QStringLiteral("design%1.nrk").arg(i, 4, 10, QLatin1Char('0')));
            if (!saveProjectFile(path, pipeDesign(i)).isEmpty())
                throw std::runtime_error("cannot write the project files");
            files << path;
        }
    }
};

Folder &folder()
{
    static Folder f;
    return f;
}

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_cli";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// One call of `cli report` on `files`, in milliseconds; negative when it failed.
double reportOnce(const QString &cli, const QStringList &files, qint64 *bytes)
{
    QProcess p;
    QElapsedTimer timer;
    timer.start();
    p.start(cli, QStringList{QStringLiteral("report")} + files);
    if (!p.waitForFinished(600000) || p.exitCode() == 2)
        return -1;
    const double ms = timer.nsecsElapsed() / 1e6;
    *bytes = p.readAllStandardOutput().size();
    return ms;
}

void startup(benchmark::State &state, const QString &cli)
{
    ensureApplication();
    if (!QFileInfo(cli).isExecutable()) {
        state.SkipWithError("niruka-cli not built");
        return;
    }
    const QStringList one = folder().files.mid(0, 1);
    qint64 bytes = 0;
    for (auto _ : state) {
        if (reportOnce(cli, one, &bytes) < 0) {
            state.SkipWithError("niruka-cli failed");
            return;
        }
    }
    state.counters["report_bytes"] = static_cast<double>(bytes);
}

// Each iteration: one file, then all of them.
void perDesign(benchmark::State &state, const QString &cli)
{
    ensureApplication();
    if (!QFileInfo(cli).isExecutable()) {
        state.SkipWithError("niruka-cli not built");
        return;
    }
    double oneMs = 0, allMs = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        const double one = reportOnce(cli, folder().files.mid(0, 1), &bytes);
        const double all = reportOnce(cli, folder().files, &bytes);
        if (one < 0 || all < 0) {
            state.SkipWithError("niruka-cli failed");
            return;
        }
        oneMs += one;
        allMs += all;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["files"] = kFiles;
    state.counters["report_bytes"] = static_cast<double>(bytes);
    state.counters["one_file_ms"] = oneMs / n;
    state.counters["per_design_us"] = (allMs - oneMs) / n / (kFiles - 1) * 1000.0;
}

void BM_CliReportOneFile(benchmark::State &state)
{
    startup(state, cliPath());
}
BENCHMARK(BM_CliReportOneFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_CliReportThousandFiles(benchmark::State &state)
{
    perDesign(state, cliPath());
}
BENCHMARK(BM_CliReportThousandFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

const bool baselineRegistered = [] {
    const QString baseline = qEnvironmentVariable("NIRUKA_CLI_BASELINE");
    if (!baseline.isEmpty()) {
        benchmark::RegisterBenchmark("BM_CliReportOneFile/baseline",
                                     [baseline](benchmark::State &state) { startup(state, baseline); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(20);
        benchmark::RegisterBenchmark("BM_CliReportThousandFiles/baseline",
                                     [baseline](benchmark::State &state) { perDesign(state, baseline); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(3);
    }
    return true;
}();

} // namespace
