// The report text file: appended, CP932 with CR LF, never truncated, failures reported.
// The expected bytes (*.cp932) were converted from the hand-written texts with iconv (UTF-8 → CP932,
// LF → CR LF), independently of the program's own codec.

#include "report/reportfile.h"
#include "reportdesigns.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace niruka::test {
namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray expectedBytes(const char *name)
{
    return readAll(QStringLiteral(NIRUKA_TEST_DATA "/report/") + QString::fromLatin1(name) +
                   QStringLiteral(".cp932"));
}

TEST(Kakikomi, TwoWritesAppendTwoCompleteReports)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Niruka.txt"));
    const QByteArray first = expectedBytes("vp_manning_direct_no");
    const QByteArray second = expectedBytes("hume_kutter_allowance_ok");
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());

    const ReportWriteResult a = Kakikomi(vpManningDirectNo(), path);
    EXPECT_TRUE(a.ok()) << a.error.toStdString();
    EXPECT_TRUE(a.verdictNo);
    EXPECT_EQ(readAll(path), first);

    const ReportWriteResult b = Kakikomi(humeKutterAllowanceOk(), path);
    EXPECT_TRUE(b.ok()) << b.error.toStdString();
    EXPECT_FALSE(b.verdictNo);
    EXPECT_EQ(readAll(path), first + second);
    // Each report starts with its blank line.
    EXPECT_TRUE(first.startsWith("\r\n"));
    EXPECT_TRUE(second.startsWith("\r\n"));
}

TEST(Kakikomi, ExistingContentIsKept)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Niruka.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("earlier\r\n");
    f.close();
    ASSERT_TRUE(Kakikomi(vpManningDirectNo(), path).ok());
    EXPECT_EQ(readAll(path), QByteArray("earlier\r\n") + expectedBytes("vp_manning_direct_no"));
}

// The file name is used without a path: it lies in the working directory.
TEST(Kakikomi, DefaultFileLiesInTheWorkingDirectory)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const ReportWriteResult r = Kakikomi(vpManningDirectNo());
    QDir::setCurrent(previous);
    EXPECT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("Niruka.txt"))), expectedBytes("vp_manning_direct_no"));
}

struct FailingTarget {
    const char *what;
    std::function<QString(const QTemporaryDir &)> path;
    const char *reason; // the last line of the message
};

class KakikomiFailure : public ::testing::TestWithParam<FailingTarget> {};

TEST_P(KakikomiFailure, IsReportedAndChangesNothing)
{
    QTemporaryDir dir;
    const QString path = GetParam().path(dir);
    const bool existed = QFileInfo::exists(path);
    const ReportWriteResult r = Kakikomi(vpManningDirectNo(), path);
    EXPECT_FALSE(r.ok()) << GetParam().what;
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("計算書ファイルに書き込めませんでした。\n") +
                                   QDir::toNativeSeparators(path) + QLatin1Char('\n')))
        << r.error.toStdString();
    EXPECT_TRUE(r.error.endsWith(QString::fromUtf8(GetParam().reason))) << r.error.toStdString();
    EXPECT_EQ(QFileInfo::exists(path), existed) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Report, KakikomiFailure,
    ::testing::Values(
        FailingTarget{"a folder in the way", [](const QTemporaryDir &d) { return d.path(); },
                      "同じ名前のフォルダーがあります。"},
        FailingTarget{"a missing folder",
                      [](const QTemporaryDir &d) { return d.filePath(QStringLiteral("no/Niruka.txt")); },
                      "保存先のフォルダーがありません。"},
        FailingTarget{"a full disk", [](const QTemporaryDir &) { return QStringLiteral("/dev/full"); },
                      "ディスクの空き容量が足りません。"}),
    [](const ::testing::TestParamInfo<FailingTarget> &info) { return std::to_string(info.index); });

// A name typed with a character the code page lacks is refused as a whole, not written half.
TEST(Kakikomi, UnencodableTextWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Niruka.txt"));
    DesignCase d = vpManningDirectNo();
    d.nameSlot(FacilityNameSlot::Catalogue) = QStringLiteral("管\U0001F600");
    const ReportWriteResult r = Kakikomi(d, path);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(QStringLiteral("\U0001F600"))) << r.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
}

} // namespace
} // namespace niruka::test
