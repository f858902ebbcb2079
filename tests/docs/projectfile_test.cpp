#include "docs/projectfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace niruka;

namespace {

ProjectRecord pipeDesign()
{
    ProjectRecord r;
    r.conditions.txt_c = QStringLiteral("0.5");
    r.conditions.txt_a = QStringLiteral("10000");
    r.conditions.txt_i = QStringLiteral("100");
    r.conditions.lst_s = 0;
    r.conditions.opt1 = true;
    r.facility.pipe = {2, QStringLiteral("10"), QStringLiteral("0.010"), 0};
    r.result = {QStringLiteral("0.1389"), QStringLiteral("0.0069"), QStringLiteral("0.8595"),
                QStringLiteral("493.77")};
    return r;
}

// A design with every optional section: intensity, runoff and a calculated velocity (polygon ditch).
ProjectRecord fullDesign()
{
    ProjectRecord r = pipeDesign();
    r.conditions.lst_s = 7;
    r.conditions.opt3 = false;
    r.conditions.opt4 = true;
    r.conditions.opt5 = false;
    r.conditions.opt6 = true;
    r.conditions.opt7 = false;
    r.conditions.opt8 = true;
    r.conditions.txt1 = QStringLiteral("25");
    r.facility.polygon.txt_m = QStringLiteral("自由形状溝～①");
    for (int i = 0; i < 4; ++i) {
        r.facility.polygon.txt_x[i] = QString::number(i * 0.25);
        r.facility.polygon.txt_y[i] = QString::number(i % 2 ? 0.3 : 0.0);
    }
    r.intensity.opt1 = true;
    r.intensity.txt1 = QStringLiteral("5000");
    r.intensity.txt2 = QStringLiteral("40");
    r.intensity.Option2 = true;
    r.intensity.Option4 = true;
    r.intensity.Option6 = true;
    r.intensity.Option8 = true;
    r.intensity.chk1 = 1;
    r.intensity.lbl1 = QStringLiteral("（茨城県　河川課）");
    r.river.opt2 = true;
    r.kept.slopeLength = 120;
    r.kept.slopeGradient = 0.5;
    r.kept.retardance = 0.02;
    r.runoff.chk_k[0] = 1;
    r.runoff.txt_t[0] = QStringLiteral("屋　根");
    r.runoff.txt_c[0] = QStringLiteral("0.9");
    r.runoff.txt_a[0] = QStringLiteral("1200");
    r.velocity.screenGroup = 2;
    r.velocity.opt2 = true;
    r.velocity.lst_s = 6;
    r.velocity.facility.ditch.txt_m = QStringLiteral("Ｕ型側溝");
    r.velocity.facility.ditch.cbo1 = 4;
    return r;
}

} // namespace

TEST(ProjectFile, LineCountsFollowTheSections)
{
    struct Case {
        const char *name;
        ProjectRecord record;
        int lines;
    };
    ProjectRecord withIntensity = pipeDesign();
    withIntensity.conditions.opt3 = false;
    withIntensity.conditions.opt4 = true;
    ProjectRecord noKind = pipeDesign();
    noKind.conditions.lst_s = -1;
    ProjectRecord trough = pipeDesign();
    trough.conditions.lst_s = 5;
    ProjectRecord velocityOnly = pipeDesign(); // option on, intensity section absent: still written
    velocityOnly.intensity.Option8 = true;
    velocityOnly.velocity.lst_s = 4;
    const Case cases[] = {
        {"pipe, C and I direct", pipeDesign(), 21},
        {"pipe, I from the intensity screen", withIntensity, 56},
        {"no facility kind", noKind, 17},
        {"U-trough uses the pipe fields", trough, 21},
        {"velocity section without intensity", velocityOnly, 21 + 4 + 5},
        {"every section, polygon + ditch velocity", fullDesign(), 13 + 22 + 4 + 35 + 37 + 4 + 8},
    };
    for (const Case &c : cases)
        EXPECT_EQ(projectLines(c.record).size(), c.lines) << c.name;
}

TEST(ProjectFile, FormsOfTheLines)
{
    const QStringList lines = projectLines(fullDesign());
    EXPECT_EQ(lines.at(3), QStringLiteral(" 7"));   // Integer with its blank
    EXPECT_EQ(lines.at(4), QStringLiteral("True")); // Flag
    EXPECT_EQ(lines.at(5), QStringLiteral("False"));
    ProjectRecord none = pipeDesign();
    none.conditions.lst_s = -1;
    EXPECT_EQ(projectLines(none).at(3), QStringLiteral("-1"));
    // Kept inflow numbers: Number form, empty when never computed.
    const int kept = 13 + 22 + 4 + 29;
    EXPECT_EQ(lines.at(kept), QStringLiteral(" 120"));
    EXPECT_EQ(lines.at(kept + 1), QStringLiteral(" .5"));
    EXPECT_EQ(lines.at(kept + 2), QStringLiteral(" .02"));
    ProjectRecord unused = fullDesign();
    unused.kept = {};
    EXPECT_EQ(projectLines(unused).at(kept), QString());
    // screenGroup is a Number.
    EXPECT_EQ(lines.at(13 + 22 + 4 + 35 + 37), QStringLiteral(" 2"));
}

TEST(ProjectFile, NumbersAreWrittenLikeAGeneralConversion)
{
    const std::pair<double, const char *> cases[] = {
        {0, " 0"},
        {0.5, " .5"},
        {-0.5, "-.5"},
        {1.5, " 1.5"},
        {120, " 120"},
        {-3, "-3"},
        {0.0001, " .0001"},
        {0.00001, " 1E-05"},
        {1e15, " 1E+15"},
        {123456789012345.0, " 123456789012345"},
        {1.0 / 3, " .333333333333333"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(formatFileNumber(value), QString::fromLatin1(text)) << value;
}

TEST(ProjectFile, NumbersAreReadWithEitherSeparator)
{
    const std::pair<const char *, double> good[] = {{" .5", 0.5}, {"0,5", 0.5},     {" 3 ", 3},
                                                    {"-1", -1},   {" 1E-05", 1e-5}, {"2,25", 2.25}};
    for (const auto &[text, value] : good) {
        const auto parsed = parseFileNumber(QString::fromLatin1(text));
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_DOUBLE_EQ(*parsed, value) << text;
    }
    for (const char *bad : {"", "  ", "abc", "1.2.3", "1,2,3", "inf", "nan", "1e999"})
        EXPECT_FALSE(parseFileNumber(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(ProjectFile, RoundTripOfEverySection)
{
    for (const ProjectRecord &original : {pipeDesign(), fullDesign()}) {
        const QStringList lines = projectLines(original);
        ProjectRecord restored;
        const ProjectReadResult result = readProjectLines(lines, restored);
        EXPECT_EQ(result.status, ProjectReadStatus::Complete);
        EXPECT_EQ(result.linesRead, lines.size());
        EXPECT_EQ(projectLines(restored), lines);
    }
}

TEST(ProjectFile, VelocitySectionIsReadOnlyAfterTheIntensitySection)
{
    ProjectRecord r = pipeDesign();
    r.intensity.Option8 = true;
    r.velocity.lst_s = 0;
    r.velocity.screenGroup = 1;
    const QStringList lines = projectLines(r);
    ProjectRecord restored;
    const ProjectReadResult result = readProjectLines(lines, restored);
    EXPECT_FALSE(result.velocityRead);
    EXPECT_EQ(result.linesRead, 21); // the trailing velocity section stays unread and disturbs nothing
    EXPECT_EQ(result.status, ProjectReadStatus::Complete);
    EXPECT_EQ(restored.velocity.screenGroup, 0);
}

TEST(ProjectFile, DamagedValuesKeepTheDefaults)
{
    QStringList lines = projectLines(pipeDesign());
    lines[3] = QStringLiteral("x");   // facility kind
    lines[4] = QStringLiteral("Yes"); // flag
    ProjectRecord restored;
    restored.conditions.lst_s = 0;
    const ProjectReadResult result = readProjectLines(lines, restored);
    EXPECT_EQ(result.status, ProjectReadStatus::Damaged);
    EXPECT_EQ(restored.conditions.lst_s, 0);
    EXPECT_FALSE(restored.conditions.opt1);
    EXPECT_EQ(restored.conditions.txt_c, QStringLiteral("0.5"));
}

TEST(ProjectFile, EveryPrefixReadsWithoutFault)
{
    const QStringList lines = projectLines(fullDesign());
    for (qsizetype n = 0; n < lines.size(); ++n) {
        ProjectRecord restored;
        const ProjectReadResult result = readProjectLines(lines.first(n), restored);
        EXPECT_EQ(result.status, ProjectReadStatus::Incomplete) << n;
        EXPECT_LE(result.linesRead, n);
    }
}
