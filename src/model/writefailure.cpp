#include "model/writefailure.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>

namespace niruka {

PathFacts pathFacts(const QString &path)
{
    PathFacts f;
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    f.folderExists = folder.exists() && folder.isDir();
    f.folderWritable = f.folderExists && folder.isWritable();
    f.targetExists = target.exists();
    f.targetIsFolder = target.isDir();
    f.targetWritable = !f.targetExists || target.isWritable();
    if (f.folderExists) {
        const QStorageInfo storage(folder.absoluteFilePath());
        if (storage.isValid())
            f.bytesAvailable = storage.bytesAvailable();
    }
    return f;
}

WriteFailure diagnoseWriteFailure(const PathFacts &f, int systemError, WriteKind kind, qint64 bytesNeeded)
{
    if (!f.folderExists)
        return WriteFailure::FolderMissing;
    if (f.targetIsFolder)
        return WriteFailure::FolderInTheWay;
    bool diskFull = systemError == ENOSPC;
#ifdef EDQUOT
    diskFull = diskFull || systemError == EDQUOT;
#endif
    if (diskFull)
        return WriteFailure::DiskFull;
    if (systemError == EROFS)
        return WriteFailure::ReadOnlyDrive;
    if (f.targetExists && !f.targetWritable)
        return WriteFailure::ReadOnlyFile;
    if ((kind == WriteKind::Replace || !f.targetExists) && !f.folderWritable)
        return WriteFailure::NoPermission;
    if (systemError == EACCES || systemError == EPERM)
        return WriteFailure::NoPermission;
    if (f.bytesAvailable >= 0 && f.bytesAvailable < bytesNeeded)
        return WriteFailure::DiskFull;
    return WriteFailure::Other;
}

QString writeFailureReason(WriteFailure failure)
{
    switch (failure) {
    case WriteFailure::FolderMissing:
        return QStringLiteral("保存先のフォルダーがありません。");
    case WriteFailure::FolderInTheWay:
        return QStringLiteral("同じ名前のフォルダーがあります。");
    case WriteFailure::ReadOnlyFile:
        return QStringLiteral("ファイルが読み取り専用です。");
    case WriteFailure::NoPermission:
        return QStringLiteral("このフォルダーに書き込む権限がありません。");
    case WriteFailure::ReadOnlyDrive:
        return QStringLiteral("ドライブが読み取り専用です。");
    case WriteFailure::DiskFull:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case WriteFailure::Other:
        break;
    }
    return QStringLiteral("書き込み中にエラーが発生しました。");
}

QString writeFailureMessage(const QString &heading, const QString &path, WriteFailure failure)
{
    return heading + QLatin1Char('\n') + QDir::toNativeSeparators(path) + QLatin1Char('\n') +
           writeFailureReason(failure);
}

QString writeFailureMessage(const QString &heading, const QString &path, int systemError, WriteKind kind,
                            qint64 bytesNeeded)
{
    return writeFailureMessage(heading, path,
                               diagnoseWriteFailure(pathFacts(path), systemError, kind, bytesNeeded));
}

QString saveFileAtomically(const QString &path, const QByteArray &bytes, const QString &heading)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return writeFailureMessage(heading, path, errno, WriteKind::Replace, bytes.size());
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        return writeFailureMessage(heading, path, error, WriteKind::Replace, bytes.size());
    }
    errno = 0;
    if (!file.commit())
        return writeFailureMessage(heading, path, errno, WriteKind::Replace, bytes.size());
    return {};
}

} // namespace niruka
