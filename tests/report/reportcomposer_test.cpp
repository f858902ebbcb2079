// The composed report against expected texts written by hand from the layout tables.
// To change an expected report on purpose: edit tests/data/report/<name>.txt by hand (UTF-8, LF),
// review the diff line by line, and commit it together with the change of the composer.

#include "model/cp932codec.h"
#include "report/reportcomposer.h"
#include "reportdesigns.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace niruka::test {
namespace {

QStringList expectedLines(const char *name)
{
    QFile file(QStringLiteral(NIRUKA_TEST_DATA "/report/") + QString::fromLatin1(name) +
               QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

void expectSameLines(const QStringList &actual, const QStringList &expected, const char *name)
{
    const qsizetype n = std::max(actual.size(), expected.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QString a = i < actual.size() ? actual[i] : QStringLiteral("<missing>");
        const QString e = i < expected.size() ? expected[i] : QStringLiteral("<missing>");
        EXPECT_EQ(a.toStdString(), e.toStdString()) << name << " line " << (i + 1);
    }
}

class GoldenReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(GoldenReport, LinesEqualTheHandWrittenText)
{
    const ReportCase &c = GetParam();
    const QStringList expected = expectedLines(c.name);
    ASSERT_FALSE(expected.isEmpty()) << "no expected text for " << c.name;
    expectSameLines(composeReport(c.make()).texts(), expected, c.name);
}

TEST_P(GoldenReport, Cp932BytesEqualTheHandWrittenText)
{
    const ReportCase &c = GetParam();
    const Cp932Encoded actual = encodeCp932Lines(composeReport(c.make()).texts());
    ASSERT_TRUE(actual.ok()) << c.name << ": " << actual.unencodable.toStdString();
    const Cp932Encoded expected = encodeCp932Lines(expectedLines(c.name));
    ASSERT_TRUE(expected.ok());
    EXPECT_EQ(actual.bytes, expected.bytes) << c.name;
    EXPECT_TRUE(actual.bytes.endsWith("\r\n")) << c.name;
}

// Report part 1 runs to the blank lines after Q1, part 2 from the facility heading to the dashes, part 3 is
// the largest catchment area; only the NO line carries the failing mark.
TEST_P(GoldenReport, PartsAndVerdictMark)
{
    const ReportCase &c = GetParam();
    const DesignCase design = c.make();
    const ComposedReport report = composeReport(design);
    const QStringList part2 = report.partTexts(2);
    ASSERT_FALSE(part2.isEmpty());
    EXPECT_EQ(part2.first().trimmed(), QStringLiteral("◎ 排水施設の検討")) << c.name;
    EXPECT_TRUE(part2.last().trimmed().startsWith(QStringLiteral("――"))) << c.name;
    const QStringList part1 = report.partTexts(1);
    EXPECT_TRUE(part1.last().isEmpty() && part1[part1.size() - 2].isEmpty()) << c.name;
    const QStringList part3 = report.partTexts(3);
    ASSERT_EQ(part3.size(), 4) << c.name;
    EXPECT_EQ(part3[1].trimmed(), QStringLiteral("◇ 最大流域面積"));

    int marked = 0;
    for (const ReportLine &l : report.lines) {
        if (l.failingVerdict) {
            ++marked;
            EXPECT_EQ(l.part, 2);
            EXPECT_TRUE(l.text.endsWith(QStringLiteral("∴ NO"))) << c.name;
        }
    }
    EXPECT_EQ(marked, report.verdictNo ? 1 : 0) << c.name;
    EXPECT_EQ(report.split, design.intensity.flowVelocityMode == VelocityMode::Computed) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Report, GoldenReport, ::testing::ValuesIn(reportCases()),
                         [](const ::testing::TestParamInfo<ReportCase> &info) {
                             return std::string(info.param.name);
                         });

class GoldenVelocityBlock : public ::testing::TestWithParam<ReportCase> {};

// The block from "・流下時間 t2=L/60V(min)" down to the blank line after "t2=L/60V=".
TEST_P(GoldenVelocityBlock, LinesEqualTheHandWrittenText)
{
    const ReportCase &c = GetParam();
    const QStringList expected = expectedLines(c.name);
    ASSERT_FALSE(expected.isEmpty()) << "no expected text for " << c.name;
    const QStringList all = composeReport(c.make()).texts();
    qsizetype first = 0;
    while (first < all.size() && !all[first].contains(QStringLiteral("・流下時間 t2=L/60V(min)")))
        ++first;
    qsizetype last = first;
    while (last < all.size() && !all[last].trimmed().startsWith(QStringLiteral("t2=L/60V=")))
        ++last;
    expectSameLines(all.mid(first, last + 2 - first), expected, c.name);
}

INSTANTIATE_TEST_SUITE_P(Report, GoldenVelocityBlock, ::testing::ValuesIn(velocityBlockCases()),
                         [](const ::testing::TestParamInfo<ReportCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(ReportComposer, VerdictFlagFollowsTheComparison)
{
    EXPECT_TRUE(composeReport(vpManningDirectNo()).verdictNo);
    EXPECT_FALSE(composeReport(humeKutterAllowanceOk()).verdictNo);
}

// Q1 equal to Q2 to the last bit is sufficient and printed with "<".
TEST(ReportComposer, EqualFlowsAreOk)
{
    DesignCase d = vpManningDirectNo();
    d.result.designFlow = d.result.capacity;
    const ComposedReport r = composeReport(d);
    EXPECT_FALSE(r.verdictNo);
    EXPECT_EQ(r.lines[r.lines.size() - 6].text,
              QString(19, u' ') + QStringLiteral("Q1=0.0069m3/sec  <  Q2=0.0069m3/sec  　∴ O.K"));
}

// The allowance compares k·Q1 with Q2: a design that passes without allowance can fail with it.
TEST(ReportComposer, AllowanceCanTurnTheVerdict)
{
    DesignCase d = vpManningDirectNo();
    d.result.designFlow = d.result.capacity / 1.1; // passes without allowance
    EXPECT_FALSE(composeReport(d).verdictNo);
    d.allowanceChoice = AllowanceChoice::With;
    d.allowanceRate = 20;
    const ComposedReport r = composeReport(d);
    EXPECT_TRUE(r.verdictNo);
    const QStringList part2 = r.partTexts(2);
    EXPECT_TRUE(
        part2[part2.size() - 2].contains(QStringLiteral("1.2×Q1=0.0075m3/sec  >  Q2=0.0069m3/sec    ∴ NO")))
        << part2[part2.size() - 2].toStdString();
    EXPECT_EQ(part2.last(), QString(18, u' ') + QString(27, QChar(0x2015)));
}

// On a page the first Kutter formula line of the facility check is indented like the calculator's.
TEST(ReportComposer, PageOutputDiffersOnlyInTheKutterNumerator)
{
    const DesignCase d = humeKutterAllowanceOk();
    const QStringList file = composeReport(d, ReportOutput::TextFile).texts();
    const QStringList page = composeReport(d, ReportOutput::Page).texts();
    ASSERT_EQ(file.size(), page.size());
    int differing = 0;
    for (qsizetype i = 0; i < file.size(); ++i) {
        if (file[i] == page[i])
            continue;
        ++differing;
        EXPECT_EQ(file[i], QString(29, u' ') + QStringLiteral("23＋(1/0.013)＋(0.00155/0.0050)"));
        EXPECT_EQ(page[i], QString(28, u' ') + QChar(0x3000) + QString(3, u' ') +
                               QStringLiteral("23＋(1/0.013)＋(0.00155/0.0050)"));
    }
    EXPECT_EQ(differing, 1);
    // A Manning report is the same on both outputs.
    EXPECT_EQ(composeReport(vpManningDirectNo(), ReportOutput::Page).texts(),
              composeReport(vpManningDirectNo()).texts());
}

} // namespace
} // namespace niruka::test

namespace niruka::test {
namespace {

using namespace Qt::StringLiterals;

struct FillRow {
    double code;
    const char *manning;
    const char *kutter;
    const char *area;      // cA
    const char *perimeter; // cP
};

// The effective-depth headings and circular coefficients, typed from the layout tables.
const FillRow kFillRows[] = {
    {10, "（満流、マニング公式による）", "（満流、クッター公式による）", "0.7853", "3.1415"},
    {9.5, "（水深９.５割、マニング公式による）", "（水深９.５割、クッター公式による）", "0.7707", "2.6905"},
    {9, "（水深９割、マニング公式による）", "（水深９割、クッター公式による）", "0.7445", "2.4980"},
    {8.5, "（水深８.５割、マニング公式による）", "（水深８.５割、クッター公式による）", "0.7115", "2.3461"},
    {8, "（水深８割、マニング公式による）", "（水深８割、クッター公式による）", "0.6735", "2.2142"},
    {7.5, "（水深７.５割、マニング公式による）", "（水深７.５割、クッター公式による）", "0.6318", "2.0943"},
    {7, "（水深７割、マニング公式による）", "（水深７割、クッター公式による）", "0.5872", "1.9823"},
    {95, "（水量９５％、マニング公式による）", "（水量９５％、クッター公式による）", "0.7461", "2.4980"},
    {90, "（水量９０％、マニング公式による）", "（水量９０％、クッター公式による）", "0.7068", "2.3282"},
    {85, "（水量８５％、マニング公式による）", "（水量８５％、クッター公式による）", "0.6675", "2.1958"},
    {80, "（水量８０％、マニング公式による）", "（水量８０％、クッター公式による）", "0.6283", "2.0858"},
    {75, "（水量７５％、マニング公式による）", "（水量７５％、クッター公式による）", "0.5890", "1.9866"},
    {70, "（水量７０％、マニング公式による）", "（水量７０％、クッター公式による）", "0.5497", "1.8962"},
};

class FillHeading : public ::testing::TestWithParam<FillRow> {};

TEST_P(FillHeading, HeadingAndCircularCoefficients)
{
    const FillRow &row = GetParam();
    for (VelocityFormula formula : {VelocityFormula::Manning, VelocityFormula::Kutter}) {
        DesignCase d = vpManningDirectNo();
        d.fillOption = row.code;
        d.velocityFormula = formula;
        const QStringList part2 = composeReport(d).partTexts(2);
        const QString heading =
            QString(18, u' ') +
            QString::fromUtf8(formula == VelocityFormula::Manning ? row.manning : row.kutter);
        EXPECT_EQ(part2[4].toStdString(), heading.toStdString()) << "code " << row.code;
        const QString cA = QString::fromLatin1(row.area);
        const QString cP = QString::fromLatin1(row.perimeter);
        EXPECT_TRUE(part2.contains(QString(20, u' ') + u"・流水の断面積 A="_s + cA + u"･D^2="_s + cA +
                                   u"×0.1008^2=0.0080m2"_s))
            << "code " << row.code;
        EXPECT_TRUE(part2.contains(QString(20, u' ') + u"・流水の潤辺長 P="_s + cP + u"･D="_s + cP +
                                   u"×0.1008=0.3167m"_s))
            << "code " << row.code;
    }
}

INSTANTIATE_TEST_SUITE_P(Report, FillHeading, ::testing::ValuesIn(kFillRows),
                         [](const ::testing::TestParamInfo<FillRow> &info) {
                             return "code_" + std::to_string(static_cast<int>(info.param.code * 10));
                         });

// A computed intensity restored without a chosen formula prints the intensity the design holds, not the
// constant a where I belongs.
TEST(ReportComposer, IntensityWithoutFormulaShowsTheIntensity)
{
    DesignCase d = circularWeighted2Formula1(); // a = 5000, I = 100
    d.intensity.intensityFormula = 0;
    const QStringList part1 = composeReport(d).partTexts(1);
    const QString expected = QString(19, u' ') + QStringLiteral("・降雨強度 I=100.0mm/hr");
    EXPECT_TRUE(part1.contains(expected));
    for (const QString &line : part1)
        EXPECT_FALSE(line.contains(QStringLiteral("I=5000"))) << line.toStdString();
}

// A code outside the list names no depth: the heading line is left out.
TEST(ReportComposer, UnknownFillCodeHasNoHeading)
{
    DesignCase d = vpManningDirectNo();
    d.fillOption = 6;
    const QStringList part2 = composeReport(d).partTexts(2);
    for (const QString &line : part2)
        EXPECT_FALSE(line.contains(QStringLiteral("公式による"))) << line.toStdString();
}

struct RunoffRows {
    const char *what;
    std::vector<LandUseRow> rows;
    double coeff;
    std::vector<const char *> formula; // the lines after "・平均流出係数(C)", without indentation
};

class WeightedFormula : public ::testing::TestWithParam<RunoffRows> {};

TEST_P(WeightedFormula, Lines)
{
    const RunoffRows &c = GetParam();
    DesignCase d = vpManningDirectNo();
    d.runoffMode = RunoffMode::WeightedAverage;
    double total = 0;
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
        d.landUseRows[i] = c.rows[i];
        total += c.rows[i].area;
    }
    d.catchmentArea = total;
    d.runoffCoeff = c.coeff;
    const QStringList lines = composeReport(d).partTexts(1);
    const qsizetype heading =
        lines.indexOf(QString(7, u' ') + QString(5, QChar(0x3000)) + u"  ・平均流出係数(C)"_s);
    ASSERT_GE(heading, 0) << c.what;
    QStringList formula;
    for (qsizetype i = heading + 1; i < lines.size() && !lines[i].isEmpty(); ++i)
        formula << lines[i].trimmed();
    QStringList expected;
    for (const char *l : c.formula)
        expected << QString::fromUtf8(l);
    EXPECT_EQ(formula, expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Report, WeightedFormula,
    ::testing::Values(
        RunoffRows{
            "one row keeps two decimals", {{u"宅地"_s, 0.65, 100}}, 0.65, {"C=(0.65×100.00)/100.00=0.65"}},
        RunoffRows{"three rows show three decimals",
                   {{u"a"_s, 0.9, 100}, {u"b"_s, 0.3, 100}, {u"c"_s, 0.5, 100}},
                   0.567,
                   {"C={(0.9×100.00)＋(0.3×100.00)＋(0.5×100.00)}/300.00=0.567"}},
        RunoffRows{"three rows, 0.65 as 0.650",
                   {{u"a"_s, 0.65, 100}, {u"b"_s, 0.65, 100}, {u"c"_s, 0.65, 100}},
                   0.65,
                   {"C={(0.65×100.00)＋(0.65×100.00)＋(0.65×100.00)}/300.00=0.650"}},
        RunoffRows{"gap after row 1", {{u"a"_s, 0.9, 100}, {u"b"_s, 0.3, 0}, {u"c"_s, 0.5, 100}}, 0.7, {}},
        RunoffRows{"no row filled", {}, 0.7, {}}),
    [](const ::testing::TestParamInfo<RunoffRows> &info) { return std::to_string(info.index); });

} // namespace
} // namespace niruka::test
