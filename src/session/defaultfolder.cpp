#include "session/defaultfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace niruka {

QString defaultFileFolder(const QString &applicationDir, const QString &name)
{
    const QString beside = QDir(applicationDir).filePath(name);
    const QFileInfo info(beside);
    if (info.isDir() && info.isWritable())
        return beside;
    return userFileFolder();
}

QString userFileFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace niruka
