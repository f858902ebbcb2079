// Hand-written project files, one per facility section and one with every optional section: each is read
// into the fields its lines stand for and written back byte for byte. To change one on purpose, edit the
// UTF-8 text, convert it with `sed 's/$/\r/' | iconv -f UTF-8 -t CP932`, review the diff and commit.
#include "docs/projectfile.h"

#include <QFile>
#include <clocale>
#include <functional>
#include <gtest/gtest.h>

using namespace niruka;

namespace {

QByteArray readGolden(const char *name)
{
    QFile f(QStringLiteral(NIRUKA_TEST_DATA "/docs/") + QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct GoldenCase {
    const char *file;
    int lines;
    bool intensity, runoff, velocity;
    std::function<void(const ProjectRecord &)> fields;
};

void PrintTo(const GoldenCase &c, std::ostream *os)
{
    *os << c.file;
}

class GoldenProject : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenProject, ReadIntoItsFieldsAndWrittenBackByteForByte)
{
    const GoldenCase &c = GetParam();
    const QByteArray bytes = readGolden(c.file);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_EQ(bytes.count("\r\n"), c.lines);

    ProjectRecord record;
    const ProjectReadResult read = decodeProject(bytes, record);
    EXPECT_EQ(read.status, ProjectReadStatus::Complete);
    EXPECT_EQ(read.linesRead, c.lines);
    EXPECT_EQ(read.intensityRead, c.intensity);
    EXPECT_EQ(read.runoffRead, c.runoff);
    EXPECT_EQ(read.velocityRead, c.velocity);
    c.fields(record);

    QString error;
    EXPECT_EQ(encodeProject(record, &error), bytes);
    EXPECT_TRUE(error.isEmpty());
}

const GoldenCase kGoldenCases[] = {
    {"pipe-utrough.nrk", 21, false, false, false,
     [](const ProjectRecord &r) {
         // The U-trough keeps the pipe screen's four lines.
         EXPECT_EQ(r.conditions.lst_s, 5);
         EXPECT_EQ(r.conditions.txt_i, QStringLiteral("75.5"));
         EXPECT_EQ(r.facility.pipe.lst_pu, 1);
         EXPECT_EQ(r.facility.pipe.txt1, QStringLiteral("3"));
         EXPECT_EQ(r.facility.pipe.txt2, QStringLiteral("0.013"));
         EXPECT_EQ(r.facility.pipe.cbo1, 0);
         EXPECT_TRUE(r.facility.ditch.txt_m.isEmpty());
         EXPECT_EQ(r.result.lbl3, QStringLiteral("0.0755"));
         EXPECT_EQ(r.result.lbl12, QStringLiteral("2216.87"));
     }},
    {"ditch.nrk", 25, false, false, false,
     [](const ProjectRecord &r) {
         EXPECT_EQ(r.conditions.lst_s, 6);
         EXPECT_FALSE(r.conditions.opt1);
         EXPECT_TRUE(r.conditions.opt2);
         EXPECT_TRUE(r.conditions.txt1.isEmpty());
         EXPECT_EQ(r.facility.ditch.txt_m, QStringLiteral("Ｕ型側溝３００"));
         EXPECT_EQ(r.facility.ditch.txt1, QStringLiteral("0.3"));
         EXPECT_EQ(r.facility.ditch.txt4, QStringLiteral("0"));
         EXPECT_EQ(r.facility.ditch.txt5, QStringLiteral("5"));
         EXPECT_EQ(r.facility.ditch.txt6, QStringLiteral("0.013"));
         EXPECT_EQ(r.facility.ditch.cbo1, 2);
         EXPECT_EQ(r.result.lbl9, QStringLiteral("1.1139"));
     }},
    {"polygon.nrk", 39, false, false, false,
     [](const ProjectRecord &r) {
         EXPECT_EQ(r.conditions.lst_s, 7);
         EXPECT_TRUE(r.conditions.opt8);
         EXPECT_FALSE(r.conditions.opt7);
         EXPECT_EQ(r.conditions.txt1, QStringLiteral("15"));
         EXPECT_EQ(r.facility.polygon.txt_m, QStringLiteral("素掘り側溝"));
         EXPECT_EQ(r.facility.polygon.txt3, QStringLiteral("0.5"));
         EXPECT_EQ(r.facility.polygon.txt5, QStringLiteral("0.030"));
         EXPECT_EQ(r.facility.polygon.txt_x[3], QStringLiteral("1.5"));
         EXPECT_TRUE(r.facility.polygon.txt_x[4].isEmpty());
         EXPECT_EQ(r.facility.polygon.txt_y[0], QStringLiteral("0.5"));
         EXPECT_EQ(r.facility.polygon.txt_y[1], QStringLiteral("0"));
         EXPECT_TRUE(r.facility.polygon.txt_y[7].isEmpty());
         EXPECT_EQ(r.result.lbl12, QStringLiteral("15133.86"));
     }},
    {"all-sections.nrk", 105, true, true, true,
     [](const ProjectRecord &r) {
         EXPECT_EQ(r.conditions.txt_a, QStringLiteral("300.00"));
         EXPECT_TRUE(r.conditions.opt4);
         EXPECT_TRUE(r.conditions.opt6);
         EXPECT_EQ(r.facility.pipe.lst_pu, 2);
         EXPECT_TRUE(r.intensity.opt1);
         EXPECT_FALSE(r.intensity.opt2);
         EXPECT_EQ(r.intensity.txt1, QStringLiteral("5000"));
         EXPECT_EQ(r.intensity.txt4, QStringLiteral("103.14"));
         EXPECT_TRUE(r.intensity.txt6.isEmpty());
         EXPECT_TRUE(r.intensity.Option1);
         EXPECT_FALSE(r.intensity.Option3);
         EXPECT_TRUE(r.intensity.Option4);
         EXPECT_TRUE(r.intensity.Option6);
         EXPECT_TRUE(r.intensity.Option8);
         EXPECT_EQ(r.intensity.chk1, 0);
         EXPECT_FALSE(r.river.opt1);
         EXPECT_EQ(r.kept.slopeLength, std::optional<double>(100.0));
         EXPECT_EQ(r.kept.slopeGradient, std::optional<double>(20.0));
         EXPECT_EQ(r.kept.retardance, std::optional<double>(0.4));
         EXPECT_EQ(r.inflow.txt3, QStringLiteral("0.40"));
         EXPECT_EQ(r.runoff.chk_k[0], 1);
         EXPECT_EQ(r.runoff.chk_u[3], 0);
         EXPECT_EQ(r.runoff.txt_t[0], QStringLiteral("屋　根"));
         EXPECT_EQ(r.runoff.txt_c[2], QStringLiteral("0.5"));
         EXPECT_EQ(r.runoff.txt_a[1], QStringLiteral("100"));
         EXPECT_TRUE(r.runoff.txt_a[3].isEmpty());
         // The velocity calculator's ditch, not the design's pipe.
         EXPECT_EQ(r.velocity.screenGroup, 2.0);
         EXPECT_TRUE(r.velocity.opt1);
         EXPECT_EQ(r.velocity.lst_s, 6);
         EXPECT_EQ(r.velocity.facility.ditch.txt_m, QStringLiteral("Ｕ型側溝"));
         EXPECT_EQ(r.velocity.facility.ditch.txt5, QStringLiteral("10"));
         EXPECT_EQ(r.velocity.facility.ditch.cbo1, 0);
         EXPECT_TRUE(r.velocity.facility.pipe.txt1.isEmpty());
     }},
};

INSTANTIATE_TEST_SUITE_P(Files, GoldenProject, ::testing::ValuesIn(kGoldenCases),
                         [](const ::testing::TestParamInfo<GoldenCase> &info) {
                             std::string name = info.param.file;
                             name = name.substr(0, name.find('.'));
                             for (char &ch : name)
                                 if (ch == '-')
                                     ch = '_';
                             return name;
                         });

} // namespace

// The velocity screen number of the last golden file replaced: only 0 to 4 name a screen.
TEST(ProjectFileScreenGroup, OnlyTheFourScreensAndNoneAreRead)
{
    const struct {
        const char *line;
        ProjectReadStatus status;
        double group;
    } cases[] = {
        {" 3", ProjectReadStatus::Complete, 3},      {" 0", ProjectReadStatus::Complete, 0},
        {" 3,0", ProjectReadStatus::Complete, 3},    {" 5", ProjectReadStatus::Damaged, -2},
        {"-1", ProjectReadStatus::Damaged, -2},      {" 1.5", ProjectReadStatus::Damaged, -2},
        {" 1E+308", ProjectReadStatus::Damaged, -2}, {"nan", ProjectReadStatus::Damaged, -2},
    };
    const QByteArray bytes = readGolden("all-sections.nrk");
    const QByteArray written = "\r\n 2\r\nTrue\r\nFalse\r\n 6\r\n";
    ASSERT_EQ(bytes.count(written), 1);
    for (const auto &c : cases) {
        QByteArray mutated = bytes;
        mutated.replace(written, "\r\n" + QByteArray(c.line) + "\r\nTrue\r\nFalse\r\n 6\r\n");
        ProjectRecord record;
        record.velocity.screenGroup = -2; // stands for the screen's default
        EXPECT_EQ(decodeProject(mutated, record).status, c.status) << c.line;
        EXPECT_EQ(record.velocity.screenGroup, c.group) << c.line;
    }
}

// A Qt application takes LC_NUMERIC from the environment; on a machine whose locale writes decimal commas
// the file must still hold points. Needs such a locale installed (or LOCPATH pointing at one).
TEST(ProjectFileLocale, NumbersKeepThePointUnderADecimalCommaLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char *found = nullptr;
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            found = name;
            break;
        }
    }
    if (!found)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(formatFileNumber(2.5), QStringLiteral(" 2.5"));
    EXPECT_EQ(formatFileNumber(0.4), QStringLiteral(" .4"));
    const QByteArray bytes = readGolden("all-sections.nrk");
    ProjectRecord record;
    EXPECT_EQ(decodeProject(bytes, record).status, ProjectReadStatus::Complete);
    QString error;
    EXPECT_EQ(encodeProject(record, &error), bytes);
    std::setlocale(LC_NUMERIC, previous.c_str());
}
