#pragma once
// Why a file could not be written, said in Japanese with the path: every save (project file, diagram settings
// file, report text file) reports its failure through here, instead of the system's English text.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace niruka {

enum class WriteFailure {
    FolderMissing,  // the folder of the path does not exist (or is a file)
    FolderInTheWay, // the path itself is a folder
    ReadOnlyFile,   // the file exists and may not be written
    NoPermission,   // the folder may not be written
    ReadOnlyDrive,  // the file system is mounted read-only
    DiskFull,       // no space left (or the quota is used up)
    Other,
};

// A save replaces the file through a temporary file beside it (so it needs the folder); an append writes
// into the file itself.
enum class WriteKind { Replace, Append };

// The state of a path that decides the reason; read from the file system by `pathFacts`.
struct PathFacts {
    bool folderExists = true;
    bool folderWritable = true;
    bool targetExists = false;
    bool targetIsFolder = false;
    bool targetWritable = true;
    qint64 bytesAvailable = -1; // on the folder's file system; -1 when unknown
};

PathFacts pathFacts(const QString &path);

// The reason, from the path's state and the system error number (errno) of the call that failed; the path's
// state comes first, because Qt may report a refusal of its own without a system error.
WriteFailure diagnoseWriteFailure(const PathFacts &facts, int systemError, WriteKind kind,
                                  qint64 bytesNeeded);

// One line in Japanese for the reason.
QString writeFailureReason(WriteFailure failure);

// "<heading>\n<native path>\n<reason>", the message of a failed write.
QString writeFailureMessage(const QString &heading, const QString &path, WriteFailure failure);
// The same, diagnosed from the path and the system error number.
QString writeFailureMessage(const QString &heading, const QString &path, int systemError, WriteKind kind,
                            qint64 bytesNeeded);

// Writes `bytes` to `path` through QSaveFile, so a failure never harms the previous file. Empty on success,
// else the message with `heading` as its first line.
QString saveFileAtomically(const QString &path, const QByteArray &bytes, const QString &heading);

} // namespace niruka
