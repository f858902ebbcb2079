// The Japanese reason of a failed write: the decision table, and real failures on the file system.
#include "model/writefailure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace niruka;

namespace {

struct Case {
    const char *what;
    PathFacts facts;
    int systemError;
    WriteKind kind;
    WriteFailure expected;
};

PathFacts facts(bool folderExists, bool folderWritable, bool targetExists, bool targetIsFolder,
                bool targetWritable, qint64 available = -1)
{
    return PathFacts{folderExists, folderWritable, targetExists, targetIsFolder, targetWritable, available};
}

class Diagnose : public ::testing::TestWithParam<Case> {};

TEST_P(Diagnose, NamesTheReason)
{
    const Case &c = GetParam();
    EXPECT_EQ(diagnoseWriteFailure(c.facts, c.systemError, c.kind, 100), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    WriteFailure, Diagnose,
    ::testing::Values(Case{"no folder", facts(false, false, false, false, true), ENOENT, WriteKind::Replace,
                           WriteFailure::FolderMissing},
                      Case{"no folder, Qt's own refusal", facts(false, false, false, false, true), 0,
                           WriteKind::Append, WriteFailure::FolderMissing},
                      Case{"a folder in the way", facts(true, true, true, true, true), EISDIR,
                           WriteKind::Replace, WriteFailure::FolderInTheWay},
                      Case{"read-only file, Qt's own refusal", facts(true, true, true, false, false), 0,
                           WriteKind::Replace, WriteFailure::ReadOnlyFile},
                      Case{"read-only file, appending", facts(true, true, true, false, false), EACCES,
                           WriteKind::Append, WriteFailure::ReadOnlyFile},
                      Case{"folder without write permission", facts(true, false, false, false, true), EACCES,
                           WriteKind::Replace, WriteFailure::NoPermission},
                      Case{"replacing needs the folder too", facts(true, false, true, false, true), EACCES,
                           WriteKind::Replace, WriteFailure::NoPermission},
                      Case{"appending to a writable file in a locked folder is no folder matter",
                           facts(true, false, true, false, true), ENOSPC, WriteKind::Append,
                           WriteFailure::DiskFull},
                      Case{"operation not permitted", facts(true, true, false, false, true), EPERM,
                           WriteKind::Replace, WriteFailure::NoPermission},
                      Case{"disk full", facts(true, true, true, false, true), ENOSPC, WriteKind::Replace,
                           WriteFailure::DiskFull},
                      Case{"quota used up", facts(true, true, true, false, true), EDQUOT, WriteKind::Replace,
                           WriteFailure::DiskFull},
                      Case{"no space left, seen by the free bytes", facts(true, true, false, false, true, 10),
                           0, WriteKind::Replace, WriteFailure::DiskFull},
                      Case{"read-only drive", facts(true, true, true, false, false), EROFS,
                           WriteKind::Replace, WriteFailure::ReadOnlyDrive},
                      Case{"anything else", facts(true, true, true, false, true, 1 << 20), EIO,
                           WriteKind::Replace, WriteFailure::Other}));

TEST(WriteFailure, EveryReasonIsJapaneseAndDistinct)
{
    QStringList seen;
    for (WriteFailure f : {WriteFailure::FolderMissing, WriteFailure::FolderInTheWay,
                           WriteFailure::ReadOnlyFile, WriteFailure::NoPermission,
                           WriteFailure::ReadOnlyDrive, WriteFailure::DiskFull, WriteFailure::Other}) {
        const QString reason = writeFailureReason(f);
        EXPECT_TRUE(reason.endsWith(QChar(0x3002))) << reason.toStdString(); // "。"
        EXPECT_FALSE(seen.contains(reason)) << reason.toStdString();
        seen << reason;
    }
}

TEST(WriteFailure, MessageHasTheHeadingThePathAndTheReason)
{
    EXPECT_EQ(writeFailureMessage(QStringLiteral("ファイルを書き込めません。"), QStringLiteral("/no/x.nrk"),
                                  WriteFailure::FolderMissing),
              QStringLiteral("ファイルを書き込めません。\n") +
                  QDir::toNativeSeparators(QStringLiteral("/no/x.nrk")) +
                  QStringLiteral("\n保存先のフォルダーがありません。"));
}

struct Target {
    const char *what;
    const char *relative; // inside the test folder
    WriteFailure expected;
};

class AtomicSave : public ::testing::TestWithParam<Target> {};

TEST_P(AtomicSave, FailsWithTheReasonAndLeavesTheFolderAlone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QString path = dir.filePath(QString::fromLatin1(GetParam().relative));
    const QString error = saveFileAtomically(path, "x\r\n", QStringLiteral("ファイルを書き込めません。"));
    EXPECT_EQ(error,
              writeFailureMessage(QStringLiteral("ファイルを書き込めません。"), path, GetParam().expected))
        << GetParam().what;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

INSTANTIATE_TEST_SUITE_P(
    WriteFailure, AtomicSave,
    ::testing::Values(Target{"missing folder", "no/x.nrk", WriteFailure::FolderMissing},
                      Target{"a file as the folder", "plain/x.nrk", WriteFailure::FolderMissing},
                      Target{"a folder as the file", "folder", WriteFailure::FolderInTheWay}));

TEST(WriteFailure, ReadOnlyFileAndLockedFolder)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: permissions do not stop a write";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kept.nrk"));
    ASSERT_TRUE(saveFileAtomically(file, "old\r\n", QString()).isEmpty());
    QFile::setPermissions(file, QFile::ReadOwner);
    EXPECT_TRUE(saveFileAtomically(file, "new\r\n", QString())
                    .endsWith(writeFailureReason(WriteFailure::ReadOnlyFile)));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_TRUE(saveFileAtomically(file, "new\r\n", QString())
                    .endsWith(writeFailureReason(WriteFailure::NoPermission)));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), QByteArray("old\r\n"));
}

} // namespace
