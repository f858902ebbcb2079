// The project file on disk: hand-written golden files, atomic saves, damaged and hostile input.
#include "docs/projectfile.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

using namespace niruka;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString golden(const char *name)
{
    return QStringLiteral(NIRUKA_TEST_DATA "/docs/") + QString::fromLatin1(name);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

TEST(ProjectFileIo, GoldenFilesAreReadIntoTheirFieldsAndWrittenBackByteForByte)
{
    ProjectRecord pipe;
    ASSERT_EQ(loadProjectFile(golden("pipe-vp.nrk"), pipe).status, ProjectReadStatus::Complete);
    EXPECT_EQ(pipe.conditions.txt_c, QStringLiteral("0.5"));
    EXPECT_EQ(pipe.conditions.lst_s, 0);
    EXPECT_TRUE(pipe.conditions.opt1);
    EXPECT_EQ(pipe.facility.pipe.lst_pu, 2);
    EXPECT_EQ(pipe.facility.pipe.txt2, QStringLiteral("0.010"));
    EXPECT_EQ(pipe.facility.pipe.cbo1, 0);
    EXPECT_EQ(pipe.result.lbl12, QStringLiteral("493.77"));

    ProjectRecord circular;
    ASSERT_EQ(loadProjectFile(golden("circular.nrk"), circular).status, ProjectReadStatus::Complete);
    EXPECT_EQ(circular.facility.circular.txt_m, QStringLiteral("ヒューム管～特注"));
    EXPECT_TRUE(circular.conditions.opt8);
    EXPECT_EQ(circular.conditions.txt1, QStringLiteral("10"));
    EXPECT_EQ(circular.facility.circular.cbo1, 5);

    for (const char *name : {"pipe-vp.nrk", "circular.nrk"}) {
        ProjectRecord r;
        loadProjectFile(golden(name), r);
        QString error;
        EXPECT_EQ(encodeProject(r, &error), readAll(golden(name))) << name;
        EXPECT_TRUE(error.isEmpty());
    }
}

TEST(ProjectFileIo, FileNeverDependsOnTheLocale)
{
    // A kept number written with a comma by some other machine still reads.
    ProjectRecord r;
    r.conditions.opt3 = false;
    r.conditions.opt4 = true;
    r.kept.slopeGradient = 2.5;
    QStringList lines = projectLines(r);
    const int kept = 13 + 4 + 29 + 1;
    ASSERT_EQ(lines.at(kept), QStringLiteral(" 2.5"));
    lines[kept] = QStringLiteral(" 2,5");
    ProjectRecord back;
    EXPECT_EQ(readProjectLines(lines, back).status, ProjectReadStatus::Complete);
    EXPECT_EQ(back.kept.slopeGradient, 2.5);
}

TEST(ProjectFileIo, FailedSaveLeavesThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("design.nrk"));
    ASSERT_TRUE(writeFile(path, "previous\r\n"));

    ProjectRecord unstorable;
    unstorable.conditions.txt_c = QStringLiteral("0.5 ¥"); // the code page has no yen sign of its own
    EXPECT_FALSE(saveProjectFile(path, unstorable).isEmpty());
    EXPECT_EQ(readAll(path), QByteArray("previous\r\n"));

    if (::geteuid() != 0) { // root writes into read-only folders anyway
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(saveProjectFile(path, ProjectRecord{}).isEmpty());
        QFile::setPermissions(dir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(readAll(path), QByteArray("previous\r\n"));
    }
    EXPECT_FALSE(
        saveProjectFile(dir.filePath(QStringLiteral("missing/folder/x.nrk")), ProjectRecord{}).isEmpty());

    EXPECT_TRUE(saveProjectFile(path, ProjectRecord{}).isEmpty());
    EXPECT_TRUE(readAll(path).endsWith("\r\n"));
}

TEST(ProjectFileIo, RefusesWhatCannotBeAProject)
{
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.nrk"));
    ASSERT_TRUE(writeFile(big, QByteArray(kMaxProjectFileSize + 1, 'x')));
    ProjectRecord r;
    EXPECT_EQ(loadProjectFile(big, r).status, ProjectReadStatus::TooLarge);
    EXPECT_EQ(loadProjectFile(dir.filePath(QStringLiteral("none.nrk")), r).status,
              ProjectReadStatus::CannotOpen);
    EXPECT_EQ(loadProjectFile(dir.path(), r).status, ProjectReadStatus::CannotOpen);

    // Bytes that are not CP932 spoil only their own line.
    QByteArray bytes = readAll(golden("pipe-vp.nrk"));
    bytes.replace("0.5\r\n", "\x81\xff\r\n");
    ProjectRecord damaged;
    damaged.conditions.txt_c = QStringLiteral("default");
    const ProjectReadResult result = decodeProject(bytes, damaged);
    EXPECT_EQ(result.status, ProjectReadStatus::Damaged);
    EXPECT_EQ(damaged.conditions.txt_c, QStringLiteral("default"));
    EXPECT_EQ(damaged.conditions.txt_a, QStringLiteral("10000"));
}

TEST(ProjectFileIo, LoneLineFeedsRead)
{
    QByteArray bytes = readAll(golden("pipe-vp.nrk"));
    bytes.replace("\r\n", "\n");
    ProjectRecord r;
    EXPECT_EQ(decodeProject(bytes, r).status, ProjectReadStatus::Complete);
    EXPECT_EQ(r.result.lbl9, QStringLiteral("0.8595"));
}

// Every prefix and suffix of every golden file, and thousands of mutated copies, read without a fault
// or a hang; the reader consumes no more lines than the file has.
TEST(ProjectFileIo, SurvivesTruncatedAndMutatedFiles)
{
    std::mt19937 random(20261208);
    for (const char *name : {"pipe-vp.nrk", "circular.nrk", "pipe-utrough.nrk", "ditch.nrk", "polygon.nrk",
                             "all-sections.nrk"}) {
        const QByteArray original = readAll(golden(name));
        for (qsizetype i = 0; i <= original.size(); ++i) {
            ProjectRecord a, b;
            decodeProject(original.left(i), a);
            decodeProject(original.mid(i), b);
        }
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = original;
            const int edits = 1 + static_cast<int>(random() % 8);
            for (int e = 0; e < edits; ++e) {
                const auto at = static_cast<qsizetype>(random() % (bytes.size() + 1));
                switch (random() % 4) {
                case 0: // flip a byte
                    if (at < bytes.size())
                        bytes[at] = static_cast<char>(random());
                    break;
                case 1: // insert a line break
                    bytes.insert(at, (random() % 2) ? "\r\n" : "\n");
                    break;
                case 2: // delete a stretch
                    bytes.remove(at, static_cast<qsizetype>(random() % 6));
                    break;
                default: // a flag or number where the record does not expect it
                    bytes.insert(at, (random() % 2) ? " 7\r\n" : "True\r\n");
                    break;
                }
            }
            ProjectRecord r;
            const ProjectReadResult result = decodeProject(bytes, r);
            EXPECT_LE(result.linesRead, bytes.count('\n') + bytes.count('\r') + 1);
        }
    }
}
