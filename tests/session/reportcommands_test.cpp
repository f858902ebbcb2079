// The report commands without the main window: 印刷's question, 書き込み's beep and box, 起動.

#include "../report/reportdesigns.h"
#include "fakesessionservices.h"
#include "report/reportfile.h"
#include "session/reportcommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace niruka;
using niruka::test::FakeSessionServices;

namespace {

TEST(ReportCommands, TheMaxAreaQuestionDefaultsToNoAndCancelStopsThePrinting)
{
    const struct {
        std::optional<MsgAnswer> answer;
        std::optional<bool> expected;
    } rows[] = {{std::nullopt, false},
                {MsgAnswer::Yes, true},
                {MsgAnswer::No, false},
                {MsgAnswer::Cancel, std::nullopt}};
    for (const auto &row : rows) {
        FakeSessionServices fake;
        if (row.answer)
            fake.answers = {*row.answer};
        EXPECT_EQ(askMaxArea(fake), row.expected);
        ASSERT_EQ(fake.messages.size(), 1);
        EXPECT_EQ(fake.messages[0].title, QStringLiteral("確認"));
        EXPECT_EQ(fake.messages[0].text, QStringLiteral("最大流域面積を印刷しますか？"));
        EXPECT_EQ(fake.messages[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(fake.messages[0].defaultButton, MsgAnswer::No);
    }
}

TEST(ReportCommands, WritingBeepsForANoVerdictAndShowsAFailedWrite)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    FakeSessionServices fake;
    writeReportFile(fake, niruka::test::vpManningDirectNo());
    writeReportFile(fake, niruka::test::humeKutterAllowanceOk());
    EXPECT_EQ(fake.beeps, 1);
    EXPECT_TRUE(fake.messages.isEmpty());
    EXPECT_GT(QFileInfo(QString::fromLatin1(kReportFileName)).size(), 0);

    // A folder in the file's place cannot be appended to.
    QFile::remove(QString::fromLatin1(kReportFileName));
    QDir().mkdir(QString::fromLatin1(kReportFileName));
    writeReportFile(fake, niruka::test::humeKutterAllowanceOk());
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].title, QStringLiteral("エラーメッセージ"));

    openReportInEditor(fake);
    EXPECT_EQ(fake.editorLaunches, QStringList{QStringLiteral("Niruka.txt")});
    QDir::setCurrent(previous);
}

} // namespace
