// niruka-cli on a folder of designs: the reports of 1,000 project files in one call, against one file (the
// start-up alone). The difference divided by 999 is the cost of one design. The program is looked up beside
// this benchmark's build (src/app/niruka-cli) unless NIRUKA_CLI names it.
#include "docs/projectfile.h"

#include <QCoreApplication>
#include <QDir>
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

void runReports(benchmark::State &state, const QStringList &files)
{
    ensureApplication();
    const QString cli = cliPath();
    if (!QFileInfo(cli).isExecutable()) {
        state.SkipWithError("niruka-cli not built");
        return;
    }
    qint64 bytes = 0;
    for (auto _ : state) {
        QProcess p;
        p.start(cli, QStringList{QStringLiteral("report")} + files);
        if (!p.waitForFinished(600000) || p.exitCode() == 2) {
            state.SkipWithError("niruka-cli failed");
            return;
        }
        bytes = p.readAllStandardOutput().size();
    }
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["report_bytes"] = static_cast<double>(bytes);
    state.counters["per_file"] =
        benchmark::Counter(static_cast<double>(files.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CliReportOneFile(benchmark::State &state)
{
    runReports(state, folder().files.mid(0, 1));
}
BENCHMARK(BM_CliReportOneFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_CliReportThousandFiles(benchmark::State &state)
{
    runReports(state, folder().files);
}
BENCHMARK(BM_CliReportThousandFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
