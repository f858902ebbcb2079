// The project file through the design session alone: a file restored and saved again gives its own lines,
// a file read in part gives no result, and the save dialogs' questions decide what the name becomes.
#include "docs/projectfile.h"
#include "session/calculatorsessions.h"
#include "session/projectsession.h"
#include "sessionlog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace niruka;
using namespace niruka::test;

namespace {

QStringList goldenFiles()
{
    QStringList files;
    for (const char *folder : {"docs", "cli"}) {
        const QDir dir(QStringLiteral(NIRUKA_TEST_DATA "/") + QString::fromLatin1(folder));
        for (const QString &name : dir.entryList({QStringLiteral("*.nrk")}, QDir::Files, QDir::Name))
            files << dir.filePath(name);
    }
    return files;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A complete file written by the program comes back line for line: every field the screens show is
// restored, and nothing is invented.
TEST(ProjectSession, AGoldenFileSavesBackToItsOwnLines)
{
    ScriptedServices services;
    DesignSession session(services);
    int compared = 0;
    for (const QString &path : goldenFiles()) {
        SCOPED_TRACE(path.toStdString());
        const ProjectReadResult read = session.project().openFile(path);
        if (read.status != ProjectReadStatus::Complete)
            continue;
        ProjectRecord fileRecord;
        readProjectLines(splitProjectBytes(bytesOf(path)), fileRecord);
        // A check that is refused shows no result, so its texts are not saved again.
        if (session.project().lastRefusal())
            fileRecord.result = {};
        // A velocity kind outside the calculator's list chooses none, and no facility screen keeps fields.
        if (fileRecord.velocity.lst_s >= 8)
            continue;
        const ProjectRecord saved = session.project().collect();
        EXPECT_EQ(projectLines(saved).join(u'|').toStdString(),
                  projectLines(fileRecord).join(u'|').toStdString());
        EXPECT_EQ(session.window().fileName, path);
        EXPECT_EQ(session.looks().conditionsTitle, QDir::toNativeSeparators(path));
        // A result only with a check that passes, and then its commands.
        EXPECT_EQ(session.isOpen(ScreenId::Result), !session.project().lastRefusal().has_value());
        EXPECT_EQ(session.window().commands, fileCommandsOnMenuOpen(session.isOpen(ScreenId::Result), true));
        EXPECT_TRUE(session.window().toolbarVisible && session.window().statusBarVisible);
        EXPECT_FALSE(session.calculators().intensity().visible());
        ++compared;
    }
    EXPECT_GE(compared, 10);
}

TEST(ProjectSession, AFileThatCannotBeReadLeavesTheDesignAsItWas)
{
    ScriptedServices services;
    DesignSession session(services);
    const QString golden = QStringLiteral(NIRUKA_TEST_DATA "/docs/all-sections.nrk");
    session.project().openFile(golden);
    const QStringList before = projectLines(session.project().collect());
    QTemporaryDir dir;
    const QString large = dir.filePath(QStringLiteral("large.nrk"));
    QFile f(large);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(int(kMaxProjectFileSize) + 1, 'x'));
    f.close();
    for (const QString &path : {large, dir.filePath(QStringLiteral("missing.nrk"))}) {
        const ProjectReadResult read = session.project().openFile(path);
        EXPECT_NE(read.status, ProjectReadStatus::Complete);
        EXPECT_EQ(projectLines(session.project().collect()), before);
        EXPECT_EQ(session.window().fileName, golden);
    }
    session.project().openPath(large);
    ASSERT_FALSE(services.messages.isEmpty());
    EXPECT_TRUE(services.messages.last().text.startsWith(
        QStringLiteral("ニルカ(雨水編)のファイルとしては大きすぎる")));
}

TEST(ProjectSession, AFileCutShortRestoresWhatItHoldsWithoutAResult)
{
    ScriptedServices services;
    DesignSession session(services);
    const QByteArray bytes = bytesOf(QStringLiteral(NIRUKA_TEST_DATA "/docs/all-sections.nrk"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cut.nrk"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.left(bytes.size() / 2));
    f.close();
    const ProjectReadResult read = session.project().openFile(path);
    EXPECT_EQ(read.status, ProjectReadStatus::Incomplete);
    EXPECT_FALSE(session.isOpen(ScreenId::Result));
    EXPECT_EQ(session.window().commands, fileCommandsAllOff());
    EXPECT_TRUE(session.isOpen(ScreenId::Conditions));
}

// 名前をつけて保存: a cancelled dialog and a declined overwrite both leave no name to overwrite later.
TEST(ProjectSession, SaveAsAsksBeforeReplacingAFile)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("kept.nrk"));
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep");
    }
    struct Row {
        const char *name;
        QString chosen;
        std::optional<MsgAnswer> answer;
        QString fileName; // afterwards
        bool written;
    };
    const QString fresh = dir.filePath(QStringLiteral("new.nrk"));
    const Row rows[] = {
        {"cancelled", QString(), std::nullopt, QString(), false},
        {"declined", existing, MsgAnswer::No, QString(), false},
        {"replaced", existing, MsgAnswer::Yes, existing, true},
        {"a new name", fresh, std::nullopt, fresh, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        {
            QFile f(existing);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("keep");
        }
        QFile::remove(fresh);
        ScriptedServices services;
        DesignSession session(services);
        session.fileNew();
        session.setFileName(QStringLiteral("/before.nrk"));
        if (!row.chosen.isEmpty())
            services.files.push_back(row.chosen);
        if (row.answer)
            services.answers.push_back(*row.answer);
        session.project().saveAs();
        EXPECT_EQ(session.window().fileName, row.fileName);
        const QString target = row.chosen.isEmpty() ? existing : row.chosen;
        EXPECT_EQ(bytesOf(target) != "keep" && !bytesOf(target).isEmpty(), row.written);
        EXPECT_EQ(services.messages.size(), row.answer ? 1 : 0);
        if (row.written) {
            EXPECT_TRUE(session.window().commands.toolbarOverwrite);
            EXPECT_EQ(session.looks().conditionsTitle, QDir::toNativeSeparators(row.chosen));
        }
    }
}

TEST(ProjectSession, OverwriteAsksAndWithoutANameAsksForOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.nrk"));
    ScriptedServices services;
    DesignSession session(services);
    session.fileNew();
    session.project().fileUpdate(); // no name: the save dialog, cancelled
    EXPECT_TRUE(services.messages.isEmpty());
    session.setFileName(path);
    services.answers = {MsgAnswer::Cancel};
    session.project().fileUpdate();
    EXPECT_FALSE(QFile::exists(path));
    services.answers = {MsgAnswer::Ok};
    session.project().fileUpdate();
    EXPECT_TRUE(QFile::exists(path));
    ASSERT_EQ(services.messages.size(), 2);
    EXPECT_EQ(services.messages[0].text, QStringLiteral("上書き保存してもよろしいですか？"));
}

} // namespace
