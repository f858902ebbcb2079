// The application's cold start to a visible main window against a bare QMainWindow program, offscreen,
// as a ratio of their median run times (ratio), and against a main window with one menu and a status text
// (ratio_menu: the font database and the menu bar's icons are the toolkit's cost of any such window). The
// fairer yardstick is the application's own first frame built plainly, in the same font set-up (ratio_chrome,
// startup/chrome.cpp): what the application takes beyond it is its own. The same ratio of the median
// processor times (user and system) is less shaken by other work on the machine than the run times
// (cpu_ratio_chrome). A probe loaded with LD_PRELOAD ends each program as its first main window is exposed.
// The application is looked up beside this benchmark's build (src/app/niruka) unless NIRUKA_APP names it;
// NIRUKA_APP_BASELINE adds an earlier build, measured in the same run.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <sys/resource.h>
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

double childProcessorMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

struct Start {
    double ms = -1;    // run time; negative when the program did not reach its main window
    double cpuMs = -1; // processor time of the program, user and system
};

// One start of `program` to its first visible main window.
Start startOnce(const QString &program, const QString &folder, const QStringList &args = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LD_PRELOAD"), besideBuild("startup/libstartup_probe.so"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    const double cpuBefore = childProcessorMs();
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    const double ms = timer.nsecsElapsed() / 1e6;
    return {ms, childProcessorMs() - cpuBefore};
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
    const QString chrome = besideBuild("startup/startup_chrome");
    if (!QFileInfo(app).isExecutable() || !QFileInfo(bare).isExecutable() ||
        !QFileInfo(chrome).isExecutable()) {
        state.SkipWithError("the application or a yardstick program is not built");
        return;
    }
    QTemporaryDir folder;
    std::vector<double> appTimes, bareTimes, menuTimes, chromeTimes, appCpu, chromeCpu;
    for (auto _ : state) {
        for (int i = 0; i < kRuns; ++i) {
            const Start a = startOnce(app, folder.path());
            const Start b = startOnce(bare, folder.path());
            const Start m = startOnce(bare, folder.path(), {QStringLiteral("--menu")});
            const Start c = startOnce(chrome, folder.path());
            if (a.ms < 0 || b.ms < 0 || m.ms < 0 || c.ms < 0) {
                state.SkipWithError("a program did not reach its main window");
                return;
            }
            appTimes.push_back(a.ms);
            bareTimes.push_back(b.ms);
            menuTimes.push_back(m.ms);
            chromeTimes.push_back(c.ms);
            appCpu.push_back(a.cpuMs);
            chromeCpu.push_back(c.cpuMs);
        }
    }
    state.counters["app_ms"] = median(appTimes);
    state.counters["bare_ms"] = median(bareTimes);
    state.counters["ratio"] = median(appTimes) / median(bareTimes);
    // Against a main window with a menu and a status text: what the application adds of its own.
    state.counters["menu_ms"] = median(menuTimes);
    state.counters["ratio_menu"] = median(appTimes) / median(menuTimes);
    // Against the same first frame built plainly in the same fonts.
    state.counters["chrome_ms"] = median(chromeTimes);
    state.counters["ratio_chrome"] = median(appTimes) / median(chromeTimes);
    state.counters["cpu_ratio_chrome"] = median(appCpu) / median(chromeCpu);
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
