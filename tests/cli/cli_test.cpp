// niruka-cli as a user runs it: reports compared byte for byte with the hand-written expected reports,
// exit statuses, messages on standard error, and the PDF and PNG files it writes.
//
// The expected reports are shared with the report tests (tests/data/report) where a project file gives the
// same design; tests/data/cli/docs-*.txt are this program's reports of the project-file golden files
// (tests/data/docs), checked line by line against the layout and a hand computation. To change an expected
// report on purpose: run the command, diff, review, copy, commit.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

QString data(const char *relative)
{
    return QStringLiteral(NIRUKA_TEST_DATA "/") + QString::fromUtf8(relative);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

// Runs the program without QT_QPA_PLATFORM, so it has to choose the offscreen platform itself.
CliRun runCli(const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(NIRUKA_CLI), args);
    CliRun r;
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "niruka-cli did not finish: " << p.errorString().toStdString();
        return r;
    }
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// ---------------------------------------------------------------------------------------------------
// report: golden reports

struct ReportCase {
    const char *name;
    std::vector<const char *> files; // relative to tests/data
    bool cp932;
    std::vector<const char *> expected; // the expected reports, one after another
    int exitCode;
};

void PrintTo(const ReportCase &c, std::ostream *os)
{
    *os << c.name;
}

class ReportGolden : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ReportGolden, OutputIsTheExpectedReportByteForByte)
{
    const ReportCase &c = GetParam();
    QStringList args{QStringLiteral("report")};
    if (c.cp932)
        args << QStringLiteral("--cp932");
    for (const char *f : c.files)
        args << data(f);
    QByteArray expected;
    for (const char *e : c.expected)
        expected += fileBytes(data(e));

    const CliRun r = runCli(args);
    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_EQ(r.err, QString()) << "nothing on standard error";
    EXPECT_EQ(r.out.toStdString(), expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ReportGolden,
    ::testing::Values(
        ReportCase{"vp_pipe_no", {"docs/pipe-vp.nrk"}, false, {"report/vp_manning_direct_no.txt"}, 1},
        ReportCase{"vp_pipe_no_cp932", {"docs/pipe-vp.nrk"}, true, {"report/vp_manning_direct_no.cp932"}, 1},
        ReportCase{"hume_allowance_ok",
                   {"cli/hume-kutter-allowance.nrk"},
                   false,
                   {"report/hume_kutter_allowance_ok.txt"},
                   0},
        ReportCase{"hume_allowance_ok_cp932",
                   {"cli/hume-kutter-allowance.nrk"},
                   true,
                   {"report/hume_kutter_allowance_ok.cp932"},
                   0},
        ReportCase{"circular_weighted_c_formula1",
                   {"cli/circular-weighted-formula1.nrk"},
                   false,
                   {"report/circular_weighted2_formula1_tdirect.txt"},
                   0},
        ReportCase{"vu_split_velocity_calculator",
                   {"cli/vu-split-velocity.nrk"},
                   false,
                   {"report/vu_split_velocity_pipe_manning.txt"},
                   1},
        ReportCase{
            "circular_kutter_allowance_no", {"docs/circular.nrk"}, false, {"cli/docs-circular.txt"}, 1},
        ReportCase{"utrough_no", {"docs/pipe-utrough.nrk"}, false, {"cli/docs-pipe-utrough.txt"}, 1},
        ReportCase{"u_ditch_kutter_ok", {"docs/ditch.nrk"}, false, {"cli/docs-ditch.txt"}, 0},
        ReportCase{"polygon_allowance_ok", {"docs/polygon.nrk"}, false, {"cli/docs-polygon.txt"}, 0},
        ReportCase{
            "every_optional_section_ok", {"docs/all-sections.nrk"}, false, {"cli/docs-all-sections.txt"}, 0},
        ReportCase{"ok_then_no_appended_worst_status",
                   {"cli/hume-kutter-allowance.nrk", "docs/pipe-vp.nrk"},
                   false,
                   {"report/hume_kutter_allowance_ok.txt", "report/vp_manning_direct_no.txt"},
                   1},
        ReportCase{"no_then_ok_cp932_appended",
                   {"docs/pipe-vp.nrk", "cli/hume-kutter-allowance.nrk"},
                   true,
                   {"report/vp_manning_direct_no.cp932", "report/hume_kutter_allowance_ok.cp932"},
                   1}),
    [](const ::testing::TestParamInfo<ReportCase> &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------
// report: designs that cannot be read or checked

struct RefusalCase {
    const char *name;
    const char *file; // relative to tests/data; a missing file when it does not exist
    const char *message;
};

void PrintTo(const RefusalCase &c, std::ostream *os)
{
    *os << c.name;
}

class ReportRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ReportRefusal, ExitsTwoWithTheMessageAndPrintsNothing)
{
    const RefusalCase &c = GetParam();
    const QString path = data(c.file);
    const CliRun r = runCli({QStringLiteral("report"), path});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_EQ(r.err, path + QStringLiteral(": ") + QString::fromUtf8(c.message) + u'\n');
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ReportRefusal,
    ::testing::Values(
        // The facility screen's own first refusal, in its order.
        RefusalCase{"runoff_coefficient_missing", "cli/no-runoff-coefficient.nrk",
                    "流出係数を入力又は計算してください。"},
        RefusalCase{"no_facility_kind", "cli/no-facility.nrk", "施設の種類を選択してください。"},
        // A design read only in part is not reported: its verdict would not be the file's.
        RefusalCase{"truncated_file", "cli/truncated.nrk",
                    "ファイルが途中で終わっています。読み込めた部分だけを復元しました。"},
        RefusalCase{"missing_file", "cli/does-not-exist.nrk", "no such file"},
        // A calculator section without a defined value: that calculator's own message.
        RefusalCase{"intensity_undefined", "cli/intensity-undefined.nrk",
                    "降雨強度式の分母が０になります。定数ｂ及び到達時間を確認してください。"},
        RefusalCase{"runoff_without_area", "cli/runoff-no-area.nrk", "流域面積を入力してください。"},
        RefusalCase{"velocity_roughness_zero", "cli/velocity-roughness-zero.nrk",
                    "粗度係数を入力してください。"},
        RefusalCase{"velocity_gradient_zero", "cli/velocity-gradient-zero.nrk",
                    "施設の勾配を入力してください。"},
        RefusalCase{"velocity_no_depth", "cli/velocity-depth-none.nrk",
                    "施設有効水深の割合を入力してください。"},
        RefusalCase{"velocity_depth_separator", "cli/velocity-depth-separator.nrk",
                    "施設有効水深の割合を入力してください。"},
        RefusalCase{"velocity_kind_13", "cli/velocity-kind-13.nrk", "施設の勾配を入力してください。"},
        RefusalCase{"velocity_polygon_two_vertices", "cli/velocity-polygon-two-vertices.nrk",
                    "頂点のＸ2座標を入力してください。"},
        RefusalCase{"a_folder", "cli", "not a file"}),
    [](const ::testing::TestParamInfo<RefusalCase> &info) { return std::string(info.param.name); });

TEST(CliReport, AFailingFileAmongOthersIsSkippedAndTheWorstStatusCounts)
{
    const QString missing = data("cli/does-not-exist.nrk");
    const CliRun r = runCli(
        {QStringLiteral("report"), data("cli/hume-kutter-allowance.nrk"), missing, data("docs/pipe-vp.nrk")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, fileBytes(data("report/hume_kutter_allowance_ok.txt")) +
                         fileBytes(data("report/vp_manning_direct_no.txt")));
    EXPECT_EQ(r.err, missing + QStringLiteral(": no such file\n"));
}

TEST(CliReport, AReportThatCannotBeWrittenIsNotASuccess)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    QProcess p;
    p.setStandardOutputFile(QStringLiteral("/dev/full"));
    p.start(QStringLiteral(NIRUKA_CLI), {QStringLiteral("report"), data("cli/hume-kutter-allowance.nrk")});
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("standard output")));
}

// Every byte prefix of every golden project file, in one call: the program never crashes or hangs, and
// each file gives either a complete report or a message naming it.
TEST(CliReport, EveryPrefixOfEveryGoldenFileIsReportedOrRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList files;
    for (const char *folder : {"docs", "cli"}) {
        const QDir source(data(folder));
        for (const QString &name : source.entryList({QStringLiteral("*.nrk")}, QDir::Files)) {
            const QByteArray bytes = fileBytes(source.filePath(name));
            for (qsizetype n = 0; n < bytes.size(); ++n) {
                const QString path = dir.filePath(QStringLiteral("%1-%2.nrk").arg(name).arg(n));
                QFile f(path);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write(bytes.left(n));
                files << path;
            }
        }
    }
    ASSERT_GT(files.size(), 1000);
    const CliRun r = runCli(QStringList{QStringLiteral("report")} + files);
    EXPECT_EQ(r.exitCode, 2) << "the empty prefixes cannot be read";
    const qsizetype reports = QString::fromUtf8(r.out).count(QStringLiteral("☆ ニルカ書（雨水排水施設）"));
    const qsizetype verdicts = QString::fromUtf8(r.out).count(QStringLiteral("∴ "));
    EXPECT_EQ(reports, verdicts) << "every report is complete";
    qsizetype named = 0;
    for (const QString &path : files)
        named += r.err.contains(path + QStringLiteral(": ")) ? 1 : 0;
    EXPECT_GE(reports + named, files.size());
}

// ---------------------------------------------------------------------------------------------------
// Command line

struct UsageCase {
    const char *name;
    QStringList args;
};

void PrintTo(const UsageCase &c, std::ostream *os)
{
    *os << c.name;
}

class Usage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(Usage, WrongCommandLinesExitTwoWithAHintOnStandardError)
{
    const CliRun r = runCli(GetParam().args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("niruka-cli: "))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("--help"))) << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Usage,
    ::testing::Values(
        UsageCase{"nothing", {}}, UsageCase{"unknown_command", {QStringLiteral("show")}},
        UsageCase{"report_without_files", {QStringLiteral("report"), QStringLiteral("--cp932")}},
        UsageCase{"report_unknown_option",
                  {QStringLiteral("report"), QStringLiteral("--utf16"), QStringLiteral("a.nrk")}},
        UsageCase{"print_without_output", {QStringLiteral("print"), QStringLiteral("a.nrk")}},
        UsageCase{"print_o_without_name",
                  {QStringLiteral("print"), QStringLiteral("a.nrk"), QStringLiteral("-o")}},
        UsageCase{"diagram_other_format",
                  {QStringLiteral("diagram"), QStringLiteral("a.gra"), QStringLiteral("-o"),
                   QStringLiteral("a.svg")}},
        UsageCase{"diagram_takes_no_amax",
                  {QStringLiteral("diagram"), QStringLiteral("a.gra"), QStringLiteral("-o"),
                   QStringLiteral("a.pdf"), QStringLiteral("--amax")}}),
    [](const ::testing::TestParamInfo<UsageCase> &info) { return std::string(info.param.name); });

TEST(CliHelp, NamesEveryCommandOnStandardOutput)
{
    const CliRun r = runCli({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.isEmpty());
    const QString help = QString::fromUtf8(r.out);
    for (const char *s : {"report [--cp932] FILE.nrk...", "print FILE.nrk -o OUT.pdf [--amax]",
                          "diagram FILE.gra -o OUT.pdf|OUT.png", "Exit status"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(s))) << s;
}

// ---------------------------------------------------------------------------------------------------
// print and diagram

QString pdfTool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

int pdfPages(const QString &pdf)
{
    QProcess p;
    p.start(pdfTool("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(pdfTool("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct PrintCase {
    const char *name;
    const char *file;
    bool amax;
    int pages;
};

void PrintTo(const PrintCase &c, std::ostream *os)
{
    *os << c.name;
}

class Print : public ::testing::TestWithParam<PrintCase> {};

TEST_P(Print, WritesThePrintedPages)
{
    const PrintCase &c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    QStringList args{QStringLiteral("print"), data(c.file), QStringLiteral("-o"), pdf};
    if (c.amax)
        args << QStringLiteral("--amax");
    const CliRun r = runCli(args);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_TRUE(fileBytes(pdf).startsWith("%PDF-"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("report.pdf")})
        << "no part file left behind";

    if (pdfTool("pdfinfo").isEmpty() || pdfTool("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils missing: page count and text not checked";
    EXPECT_EQ(pdfPages(pdf), c.pages);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("ニルカ書（雨水排水施設）")));
    EXPECT_TRUE(text.contains(QStringLiteral("排水施設の検討")));
    EXPECT_EQ(text.contains(QStringLiteral("最大流域面積")), c.amax);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Print,
    ::testing::Values(PrintCase{"one_page", "docs/pipe-vp.nrk", false, 1},
                      PrintCase{"one_page_with_amax", "docs/pipe-vp.nrk", true, 1},
                      PrintCase{"split_two_pages", "cli/vu-split-velocity.nrk", false, 2},
                      PrintCase{"split_with_amax", "cli/vu-split-velocity.nrk", true, 2}),
    [](const ::testing::TestParamInfo<PrintCase> &info) { return std::string(info.param.name); });

TEST(CliPrint, ADesignThatCannotBeCheckedWritesNothing)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const QString nrk = data("cli/no-runoff-coefficient.nrk");
    const CliRun r = runCli({QStringLiteral("print"), nrk, QStringLiteral("-o"), pdf});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, nrk + QStringLiteral(": 流出係数を入力又は計算してください。\n"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(CliPrint, AnUnwritableOutputIsReported)
{
    const CliRun r = runCli({QStringLiteral("print"), data("docs/pipe-vp.nrk"), QStringLiteral("-o"),
                             QStringLiteral("/nonexistent-folder/report.pdf")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("/nonexistent-folder/report.pdf"))) << r.err.toStdString();
}

TEST(CliDiagram, WritesThePrintedDiagramAsPdfAndPng)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("diagram.pdf"));
    const QString png = dir.filePath(QStringLiteral("diagram.png"));
    const QString gra = data("diagram/vu2-kutter.gra");
    CliRun r = runCli({QStringLiteral("diagram"), gra, QStringLiteral("-o"), pdf});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_TRUE(fileBytes(pdf).startsWith("%PDF-"));

    r = runCli({QStringLiteral("diagram"), gra, QStringLiteral("-o"), png});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    // The printable area of an A4 page at 300 dpi, upright, whatever printer the machine has.
    EXPECT_GT(image.width(), 2300);
    EXPECT_GT(image.height(), image.width());
    // Something is drawn, and not everything: count non-white pixels on a coarse grid.
    int inked = 0, samples = 0;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7, ++samples)
            inked += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(inked, samples / 200);
    EXPECT_LT(inked, samples / 2);

    if (pdfTool("pdfinfo").isEmpty() || pdfTool("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils missing: page count and text not checked";
    EXPECT_EQ(pdfPages(pdf), 1);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("クッター公式"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("水量90％"))) << text.toStdString();
}

// ---------------------------------------------------------------------------------------------------
// The page layouts, pinned: the paper, the page count and where the first words stand on each page
// (pdftotext's word boxes, in points) of the printed report and diagram, and the size of the picture.
// PDF bytes carry their creation time and are not compared. To change a pin on purpose: run with
// NIRUKA_RECORD_PINS=1, diff, review, commit.

QString pdfPin(const QString &pdf)
{
    QProcess info;
    info.start(pdfTool("pdfinfo"), {pdf});
    info.waitForFinished(30000);
    QString pin;
    for (const QString &line : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(QStringLiteral("Page size:")) || line.startsWith(QStringLiteral("Pages:")))
            pin += line.simplified() + u'\n';
    QProcess boxes;
    boxes.start(pdfTool("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    boxes.waitForFinished(30000);
    const QString html = QString::fromUtf8(boxes.readAllStandardOutput());
    // The first 24 words of every page.
    const QRegularExpression pageRe(QStringLiteral("<page[^>]*>"));
    const QRegularExpression wordRe(QStringLiteral(
        "<word xMin=\"([^\"]+)\" yMin=\"([^\"]+)\" xMax=\"([^\"]+)\" yMax=\"([^\"]+)\">([^<]*)</word>"));
    const QStringList pages = html.split(pageRe);
    for (qsizetype p = 1; p < pages.size(); ++p) {
        pin += QStringLiteral("page %1\n").arg(p);
        auto words = wordRe.globalMatch(pages[p]);
        for (int n = 0; n < 24 && words.hasNext(); ++n) {
            const QRegularExpressionMatch m = words.next();
            pin += QStringLiteral("%1 %2 %3 %4 %5\n")
                       .arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5));
        }
    }
    return pin;
}

void expectPin(const QString &actual, const char *name)
{
    const QString path = data("cli/pins/") + QString::fromUtf8(name);
    if (qEnvironmentVariableIsSet("NIRUKA_RECORD_PINS")) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        f.write(actual.toUtf8());
        return;
    }
    EXPECT_EQ(actual.toStdString(), QString::fromUtf8(fileBytes(path)).toStdString()) << name;
}

struct PinCase {
    const char *pin;
    QStringList args; // after the input; the output is added
    const char *input;
    const char *output;
};

void PrintTo(const PinCase &c, std::ostream *os)
{
    *os << c.pin;
}

class PagePin : public ::testing::TestWithParam<PinCase> {};

TEST_P(PagePin, PaperPagesAndWordBoxesAreAsPinned)
{
    const PinCase &c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath(QString::fromUtf8(c.output));
    const CliRun r =
        runCli(QStringList{c.args.first(), data(c.input), QStringLiteral("-o"), out} + c.args.mid(1));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    if (out.endsWith(QStringLiteral(".png"))) {
        const QImage image(out);
        ASSERT_FALSE(image.isNull());
        expectPin(QStringLiteral("%1x%2 px, %3 x %4 dots per metre\n")
                      .arg(image.width())
                      .arg(image.height())
                      .arg(image.dotsPerMeterX())
                      .arg(image.dotsPerMeterY()),
                  c.pin);
        return;
    }
    if (pdfTool("pdfinfo").isEmpty() || pdfTool("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    expectPin(pdfPin(out), c.pin);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, PagePin,
    ::testing::Values(
        PinCase{"print-pipe-vp.txt", {QStringLiteral("print")}, "docs/pipe-vp.nrk", "r.pdf"},
        PinCase{"print-pipe-vp-amax.txt",
                {QStringLiteral("print"), QStringLiteral("--amax")},
                "docs/pipe-vp.nrk",
                "r.pdf"},
        PinCase{"print-vu-split.txt", {QStringLiteral("print")}, "cli/vu-split-velocity.nrk", "r.pdf"},
        PinCase{"diagram-vu2-kutter-pdf.txt", {QStringLiteral("diagram")}, "diagram/vu2-kutter.gra", "d.pdf"},
        PinCase{
            "diagram-vu2-kutter-png.txt", {QStringLiteral("diagram")}, "diagram/vu2-kutter.gra", "d.png"}),
    [](const ::testing::TestParamInfo<PinCase> &info) {
        std::string name = info.param.pin;
        name = name.substr(0, name.find('.'));
        for (char &ch : name)
            if (ch == '-')
                ch = '_';
        return name;
    });

TEST(CliDiagram, SettingsThatFailTheDrawChecksExitTwo)
{
    QTemporaryDir dir;
    const QString gra = data("diagram/separators-no-formula.gra");
    const CliRun r =
        runCli({QStringLiteral("diagram"), gra, QStringLiteral("-o"), dir.filePath(QStringLiteral("d.png"))});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, gra + QStringLiteral(": 施設の種類を選択してください。\n"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(CliDiagram, AMissingSettingsFileExitsTwo)
{
    QTemporaryDir dir;
    const QString gra = data("cli/does-not-exist.gra");
    const CliRun r =
        runCli({QStringLiteral("diagram"), gra, QStringLiteral("-o"), dir.filePath(QStringLiteral("d.pdf"))});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, gra + QStringLiteral(": no such file\n"));
}

} // namespace
