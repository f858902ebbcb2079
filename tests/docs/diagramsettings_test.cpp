// The diagram settings file: hand-written golden files byte for byte, the separator and no-formula
// cases, and readers that survive every prefix, mutated bytes and oversized files.
#include "docs/diagramsettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace niruka {
namespace {

QByteArray golden(const char *name)
{
    QFile f(QStringLiteral(NIRUKA_TEST_DATA "/diagram/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

DiagramSettingsRecord vu2Kutter()
{
    DiagramSettingsRecord r;
    r.familyPosition = 3;
    r.depthPosition = 10;
    r.manning = false;
    r.kutter = true;
    r.roughnessText = QStringLiteral("0.011");
    r.runoffText = QStringLiteral("0.5（仮）");
    r.intensityText = QStringLiteral("75");
    return r;
}

void expectSame(const DiagramSettingsRecord &a, const DiagramSettingsRecord &b)
{
    EXPECT_EQ(a.familyPosition, b.familyPosition);
    EXPECT_EQ(a.depthPosition, b.depthPosition);
    EXPECT_EQ(a.manning, b.manning);
    EXPECT_EQ(a.kutter, b.kutter);
    EXPECT_EQ(a.roughnessText, b.roughnessText);
    EXPECT_EQ(a.runoffText, b.runoffText);
    EXPECT_EQ(a.intensityText, b.intensityText);
}

struct GoldenCase {
    const char *file;
    DiagramSettingsRecord record;
};

class DiagramSettingsGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(DiagramSettingsGolden, WritesAndReadsTheFileByteForByte)
{
    const QByteArray bytes = golden(GetParam().file);
    ASSERT_FALSE(bytes.isEmpty()) << GetParam().file;
    QString error;
    EXPECT_EQ(encodeDiagramSettings(GetParam().record, &error), bytes) << GetParam().file;
    EXPECT_TRUE(error.isEmpty());
    const DiagramReadResult read = decodeDiagramSettings(bytes);
    EXPECT_EQ(read.status, DiagramReadStatus::Complete);
    for (bool r : read.read)
        EXPECT_TRUE(r);
    expectSame(read.record, GetParam().record);
}

DiagramSettingsRecord separatorsNoFormula()
{
    DiagramSettingsRecord r;
    r.familyPosition = 8;
    r.depthPosition = 1;
    return r;
}

// VU φ65-250, 水深８割, Manning, n 0.013, C 0.9, I 100, and the same with I or C tiny.
DiagramSettingsRecord vu1Manning(const char *runoff, const char *intensity)
{
    DiagramSettingsRecord r;
    r.familyPosition = 2;
    r.depthPosition = 5;
    r.manning = true;
    r.roughnessText = QStringLiteral("0.013");
    r.runoffText = QString::fromLatin1(runoff);
    r.intensityText = QString::fromLatin1(intensity);
    return r;
}

INSTANTIATE_TEST_SUITE_P(Files, DiagramSettingsGolden,
                         ::testing::Values(GoldenCase{"vu2-kutter.gra", vu2Kutter()},
                                           GoldenCase{"separators-no-formula.gra", separatorsNoFormula()},
                                           GoldenCase{"vu1-manning.gra", vu1Manning("0.9", "100")},
                                           GoldenCase{"vu1-manning-tiny-intensity.gra",
                                                      vu1Manning("0.9", "0.0001")},
                                           GoldenCase{"vu1-manning-tiny-runoff.gra",
                                                      vu1Manning("0.00000000000000000001", "100")}));

TEST(DiagramSettingsFile, RoundTripThroughTheDisk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("設定.gra"));
    DiagramSettingsRecord r = vu2Kutter();
    r.familyPosition = -1;
    r.manning = true;
    r.kutter = false;
    ASSERT_EQ(saveDiagramSettingsFile(path, r), QString());
    const DiagramReadResult read = loadDiagramSettingsFile(path);
    EXPECT_EQ(read.status, DiagramReadStatus::Complete);
    expectSame(read.record, r);
    EXPECT_EQ(diagramSettingsLines(r).first(), QStringLiteral("-1"));
}

TEST(DiagramSettingsFile, EveryPrefixReadsWhatItHolds)
{
    const QByteArray bytes = golden("vu2-kutter.gra");
    ASSERT_FALSE(bytes.isEmpty());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const QByteArray prefix = bytes.left(i);
        const DiagramReadResult read = decodeDiagramSettings(prefix);
        // A last line without its line end still counts: only a missing line makes the file incomplete.
        const int wholeLines = static_cast<int>(prefix.count('\n'));
        const int lines = wholeLines + (prefix.isEmpty() || prefix.endsWith('\n') ? 0 : 1);
        EXPECT_EQ(read.status == DiagramReadStatus::Complete, lines >= kDiagramSettingsLines)
            << "prefix " << i;
        if (wholeLines >= 1) {
            EXPECT_TRUE(read.read[0]) << "prefix " << i;
            EXPECT_EQ(read.record.familyPosition, 3) << "prefix " << i;
        }
        if (wholeLines >= 6) {
            EXPECT_EQ(read.record.runoffText, QStringLiteral("0.5（仮）")) << "prefix " << i;
        }
    }
    for (qsizetype i = 1; i < bytes.size(); ++i)
        decodeDiagramSettings(bytes.mid(i)); // suffixes: must not crash or hang
}

TEST(DiagramSettingsFile, MutatedBytesNeverCrash)
{
    const QByteArray bytes = golden("vu2-kutter.gra");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        for (char c : {'\0', '\r', '\n', '\x81', '\xff', '9', '-'}) {
            QByteArray m = bytes;
            m[i] = c;
            const DiagramReadResult read = decodeDiagramSettings(m);
            EXPECT_GE(read.record.familyPosition, -1);
            EXPECT_LE(read.record.familyPosition, 12);
            EXPECT_GE(read.record.depthPosition, -1);
            EXPECT_LE(read.record.depthPosition, 14);
        }
    }
}

struct DamagedCase {
    const char *name;
    QByteArray bytes;
    DiagramReadStatus status;
    int unreadLine; // 0-based line that is not read, -1 none
};

class DamagedFile : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFile, IsReportedAndTheBadLineSkipped)
{
    const DiagramReadResult read = decodeDiagramSettings(GetParam().bytes);
    EXPECT_EQ(read.status, GetParam().status) << GetParam().name;
    if (GetParam().unreadLine >= 0) {
        EXPECT_FALSE(read.read[static_cast<std::size_t>(GetParam().unreadLine)]) << GetParam().name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(
        DamagedCase{"empty", QByteArray(), DiagramReadStatus::Incomplete, 0},
        DamagedCase{"family not a number", "x\r\n 2\r\nTrue\r\nFalse\r\n1\r\n1\r\n1\r\n",
                    DiagramReadStatus::Damaged, 0},
        DamagedCase{"family beyond the list", " 13\r\n 2\r\nTrue\r\nFalse\r\n1\r\n1\r\n1\r\n",
                    DiagramReadStatus::Damaged, 0},
        DamagedCase{"depth below none", " 0\r\n-2\r\nTrue\r\nFalse\r\n1\r\n1\r\n1\r\n",
                    DiagramReadStatus::Damaged, 1},
        DamagedCase{"flag not a flag", " 0\r\n 2\r\nyes\r\nFalse\r\n1\r\n1\r\n1\r\n",
                    DiagramReadStatus::Damaged, 2},
        DamagedCase{"bytes outside the code page", " 0\r\n 2\r\nTrue\r\nFalse\r\n\x85\x40\r\n1\r\n1\r\n",
                    DiagramReadStatus::Damaged, -1},
        DamagedCase{"bare LF lines", " 0\n 2\nTrue\nFalse\n1\n1\n1\n", DiagramReadStatus::Complete, -1},
        DamagedCase{"too large", QByteArray(kMaxDiagramSettingsFileSize + 1, ' '),
                    DiagramReadStatus::TooLarge, 0}),
    [](const auto &info) {
        std::string n = info.param.name;
        std::replace(n.begin(), n.end(), ' ', '_');
        return n;
    });

// Bytes outside the code page spoil only their own line, which is not read: no text comes back holding
// replacement characters, so whatever was restored can be saved again.
TEST(DiagramSettingsFile, BytesOutsideTheCodePageLeaveTheirLineUnread)
{
    for (int line = 0; line < kDiagramSettingsLines; ++line) {
        QList<QByteArray> lines = golden("vu2-kutter.gra").split('\n');
        lines[line].insert(0, "\x85\x40"); // no character of code page 932
        const DiagramReadResult read = decodeDiagramSettings(lines.join('\n'));
        EXPECT_EQ(read.status, DiagramReadStatus::Damaged) << line;
        for (int i = 0; i < kDiagramSettingsLines; ++i)
            EXPECT_EQ(read.read[static_cast<std::size_t>(i)], i != line)
                << "line " << line << ", field " << i;
        QString error;
        const DiagramReadResult again = decodeDiagramSettings(encodeDiagramSettings(read.record, &error));
        EXPECT_TRUE(error.isEmpty()) << line << ": " << error.toStdString();
        EXPECT_EQ(again.record, read.record) << line;
    }
}

TEST(DiagramSettingsFile, UnwritableTextLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("g.gra"));
    ASSERT_EQ(saveDiagramSettingsFile(path, vu2Kutter()), QString());
    DiagramSettingsRecord r = vu2Kutter();
    r.intensityText = QStringLiteral("75😀");
    const QString error = saveDiagramSettingsFile(path, r);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(loadDiagramSettingsFile(path).record.intensityText, QStringLiteral("75"));
}

TEST(DiagramSettingsFile, LineBreakInATextDoesNotShiftTheRecord)
{
    DiagramSettingsRecord r = vu2Kutter();
    r.roughnessText = QStringLiteral("0.0\r\n1");
    const DiagramReadResult read = decodeDiagramSettings(encodeDiagramSettings(r, nullptr));
    EXPECT_EQ(read.status, DiagramReadStatus::Complete);
    EXPECT_EQ(read.record.runoffText, r.runoffText);
}

TEST(DiagramSettingsFile, FailuresAreReported)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/such/g.gra"));
    EXPECT_TRUE(saveDiagramSettingsFile(missing, vu2Kutter()).contains(QDir::toNativeSeparators(missing)));
    EXPECT_EQ(loadDiagramSettingsFile(missing).status, DiagramReadStatus::CannotOpen);
    const QString big = dir.filePath(QStringLiteral("big.gra"));
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(1 << 20, 'x'));
    f.close();
    EXPECT_EQ(loadDiagramSettingsFile(big).status, DiagramReadStatus::TooLarge);
}

} // namespace
} // namespace niruka
