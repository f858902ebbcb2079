#include "report/reportfile.h"

#include "model/cp932codec.h"
#include "model/writefailure.h"
#include "report/reportcomposer.h"

#include <QDir>
#include <QFile>
#include <cerrno>

namespace niruka {

using namespace Qt::StringLiterals;

namespace {

const QString &heading()
{
    static const QString text = u"計算書ファイルに書き込めませんでした。"_s;
    return text;
}

QString failure(const QString &path, const QString &reason)
{
    return heading() + u"\n"_s + QDir::toNativeSeparators(path) + u"\n"_s + reason;
}

QString failure(const QString &path, int systemError, qint64 bytes)
{
    return writeFailureMessage(heading(), path, systemError, WriteKind::Append, bytes);
}

} // namespace

ReportWriteResult Kakikomi(const DesignCase &design, const QString &path)
{
    ReportWriteResult result;
    const ComposedReport report = composeReport(design, ReportOutput::TextFile);
    result.verdictNo = report.verdictNo;

    const Cp932Encoded encoded = encodeCp932Lines(report.texts());
    if (!encoded.ok()) {
        // A name typed with a character the code page lacks: write nothing rather than a garbled report.
        result.error = failure(path, u"次の文字は保存できません："_s + encoded.unencodable);
        return result;
    }

    const qint64 bytes = encoded.bytes.size();
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        result.error = failure(path, errno, bytes);
        return result;
    }
    const qint64 before = file.size();
    errno = 0;
    const qint64 written = file.write(encoded.bytes);
    const bool flushed = written == bytes && file.flush();
    if (!flushed) {
        const int error = errno;
        // Take back a partial report so that the file holds only complete ones.
        file.resize(before);
        file.close();
        result.error = failure(path, error, bytes);
        return result;
    }
    errno = 0;
    file.close();
    if (file.error() != QFileDevice::NoError)
        result.error = failure(path, errno, bytes);
    return result;
}

} // namespace niruka
