// The application's cold start to a visible main window against a bare QMainWindow program, offscreen,
// as a ratio of their median run times (ratio), and against a main window with one menu and a status text
// (ratio_menu: the font database and the menu bar's icons are the toolkit's cost of any such window). A probe
// loaded with LD_PRELOAD ends each program as its first main window is exposed. The application is looked up
// beside this benchmark's build (src/app/niruka) unless NIRUKA_APP names it; NIRUKA_APP_BASELINE adds an
// earlier build, measured in the same run.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <vector>

namespace {

constexpr int kRuns = 15;

QString besideBuild(const char *relative)
{
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    return QDir(QString::fromStdString(self.parent_path().string()))
        .absoluteFilePath(QString::fromUtf8(relative));
}

QString appPath()
{
    const QString env = qEnvironmentVariable("NIRUKA_APP");
    return env.isEmpty() ? besideBuild("../src/app/niruka") : env;
}

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_startup";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// One start of `program` to its first visible main window, in milliseconds; negative when it failed.
double startOnce(const QString &program, const QString &folder, const QStringList &args = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LD_PRELOAD"), besideBuild("startup/libstartup_probe.so"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The runs of the application and of the bare program alternate, so a busy moment of the machine
// falls on both.
void startupRatio(benchmark::State &state, const QString &app)
{
    ensureApplication();
    const QString bare = besideBuild("startup/startup_bare");
    if (!QFileInfo(app).isExecutable() || !QFileInfo(bare).isExecutable()) {
        state.SkipWithError("the application or the bare program is not built");
        return;
    }
    QTemporaryDir folder;
    std::vector<double> appTimes, bareTimes, menuTimes;
    for (auto _ : state) {
        for (int i = 0; i < kRuns; ++i) {
            const double a = startOnce(app, folder.path());
            const double b = startOnce(bare, folder.path());
            const double m = startOnce(bare, folder.path(), {QStringLiteral("--menu")});
            if (a < 0 || b < 0 || m < 0) {
                state.SkipWithError("a program did not reach its main window");
                return;
            }
            appTimes.push_back(a);
            bareTimes.push_back(b);
            menuTimes.push_back(m);
        }
    }
    state.counters["app_ms"] = median(appTimes);
    state.counters["bare_ms"] = median(bareTimes);
    state.counters["ratio"] = median(appTimes) / median(bareTimes);
    // Against a main window with a menu and a status text: what the application adds of its own.
    state.counters["menu_ms"] = median(menuTimes);
    state.counters["ratio_menu"] = median(appTimes) / median(menuTimes);
}

void BM_StartupToMainWindow(benchmark::State &state)
{
    startupRatio(state, appPath());
}
BENCHMARK(BM_StartupToMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

const bool baselineRegistered = [] {
    const QString baseline = qEnvironmentVariable("NIRUKA_APP_BASELINE");
    if (!baseline.isEmpty())
        benchmark::RegisterBenchmark("BM_StartupToMainWindow/baseline",
                                     [baseline](benchmark::State &state) { startupRatio(state, baseline); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1);
    return true;
}();

} // namespace
