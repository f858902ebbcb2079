#include "report/reportfile.h"

#include "model/cp932codec.h"
#include "report/reportcomposer.h"

#include <QDir>
#include <QFile>

namespace niruka {

using namespace Qt::StringLiterals;

namespace {

QString failure(const QString &path, const QString &reason)
{
    return u"計算書ファイルに書き込めませんでした。\n"_s + QDir::toNativeSeparators(path) + u"\n"_s + reason;
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

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        result.error = failure(path, file.errorString());
        return result;
    }
    const qint64 before = file.size();
    const qint64 written = file.write(encoded.bytes);
    const bool flushed = written == encoded.bytes.size() && file.flush();
    if (!flushed) {
        const QString reason = file.errorString();
        // Take back a partial report so that the file holds only complete ones.
        file.resize(before);
        file.close();
        result.error = failure(path, reason);
        return result;
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        result.error = failure(path, file.errorString());
    return result;
}

} // namespace niruka
