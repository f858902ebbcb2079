#include "docs/diagramsettings.h"

#include "docs/projectfile.h"
#include "model/cp932codec.h"
#include "model/writefailure.h"

#include <QFile>
#include <functional>

namespace niruka {

namespace {

constexpr int kFamilyPositions = 13;
constexpr int kDepthPositions = 15;

enum class Form { Integer, Flag, Text };

// One line of the record: how it is written and where it lives. Integers carry their valid range.
struct Field {
    DiagramSettingsField id;
    Form form;
    int upper; // Integer: largest valid position (-1 is always valid)
    std::function<int &(DiagramSettingsRecord &)> integer;
    std::function<bool &(DiagramSettingsRecord &)> flag;
    std::function<QString &(DiagramSettingsRecord &)> text;
};

const std::array<Field, kDiagramSettingsLines> &fields()
{
    static const std::array<Field, kDiagramSettingsLines> list = {{
        {DiagramSettingsField::Family,
         Form::Integer,
         kFamilyPositions - 1,
         [](DiagramSettingsRecord &r) -> int & { return r.familyPosition; },
         {},
         {}},
        {DiagramSettingsField::Depth,
         Form::Integer,
         kDepthPositions - 1,
         [](DiagramSettingsRecord &r) -> int & { return r.depthPosition; },
         {},
         {}},
        {DiagramSettingsField::Manning,
         Form::Flag,
         0,
         {},
         [](DiagramSettingsRecord &r) -> bool & { return r.manning; },
         {}},
        {DiagramSettingsField::Kutter,
         Form::Flag,
         0,
         {},
         [](DiagramSettingsRecord &r) -> bool & { return r.kutter; },
         {}},
        {DiagramSettingsField::Roughness,
         Form::Text,
         0,
         {},
         {},
         [](DiagramSettingsRecord &r) -> QString & { return r.roughnessText; }},
        {DiagramSettingsField::Runoff,
         Form::Text,
         0,
         {},
         {},
         [](DiagramSettingsRecord &r) -> QString & { return r.runoffText; }},
        {DiagramSettingsField::Intensity,
         Form::Text,
         0,
         {},
         {},
         [](DiagramSettingsRecord &r) -> QString & { return r.intensityText; }},
    }};
    return list;
}

QString integerText(int value)
{
    // A non-negative value is preceded by one blank, as a general number-to-text conversion prints it.
    return value >= 0 ? QLatin1Char(' ') + QString::number(value) : QString::number(value);
}

// A line break inside a text would shift every following line; it is stored as a blank.
QString singleLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

QStringList diagramSettingsLines(const DiagramSettingsRecord &record)
{
    DiagramSettingsRecord copy = record;
    QStringList lines;
    for (const Field &f : fields()) {
        switch (f.form) {
        case Form::Integer:
            lines << integerText(f.integer(copy) < -1 || f.integer(copy) > f.upper ? -1 : f.integer(copy));
            break;
        case Form::Flag:
            lines << (f.flag(copy) ? QStringLiteral("True") : QStringLiteral("False"));
            break;
        case Form::Text:
            lines << singleLine(f.text(copy));
            break;
        }
    }
    return lines;
}

namespace {

// Reads the record from its lines; a line whose bytes did not convert (`undecodable`) is not read.
DiagramReadResult readLines(const QStringList &lines, const QList<bool> *undecodable)
{
    DiagramReadResult result;
    int index = 0;
    for (const Field &f : fields()) {
        if (index >= lines.size()) {
            if (result.status == DiagramReadStatus::Complete)
                result.status = DiagramReadStatus::Incomplete;
            break;
        }
        const QString &line = lines[index];
        bool ok = false;
        if (undecodable && index < undecodable->size() && undecodable->at(index)) {
            result.status = DiagramReadStatus::Damaged;
            ++index;
            continue;
        }
        switch (f.form) {
        case Form::Integer: {
            const int value = line.trimmed().toInt(&ok);
            ok = ok && value >= -1 && value <= f.upper;
            if (ok)
                f.integer(result.record) = value;
            break;
        }
        case Form::Flag: {
            const QString t = line.trimmed();
            ok = t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
                 t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0;
            if (ok)
                f.flag(result.record) = t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
            break;
        }
        case Form::Text:
            ok = true;
            f.text(result.record) = line;
            break;
        }
        result.read[static_cast<std::size_t>(index)] = ok;
        if (!ok)
            result.status = DiagramReadStatus::Damaged;
        ++index;
    }
    return result;
}

} // namespace

DiagramReadResult readDiagramSettingsLines(const QStringList &lines)
{
    return readLines(lines, nullptr);
}

QByteArray encodeDiagramSettings(const DiagramSettingsRecord &record, QString *error)
{
    const Cp932Encoded encoded = encodeCp932Lines(diagramSettingsLines(record));
    if (!encoded.ok()) {
        if (error)
            *error = QStringLiteral("次の文字はファイルに保存できません: ") + encoded.unencodable;
        return {};
    }
    return encoded.bytes;
}

DiagramReadResult decodeDiagramSettings(const QByteArray &bytes)
{
    if (bytes.size() > kMaxDiagramSettingsFileSize) {
        DiagramReadResult result;
        result.status = DiagramReadStatus::TooLarge;
        return result;
    }
    // Split on the bytes and decoded line by line, as a project file is, so that bytes outside the code page
    // spoil only their own line, which is then not read: a text never comes back holding replacement
    // characters that no save could write again.
    const ProjectFileLines file = splitProjectBytes(bytes);
    return readLines(file.lines, &file.undecodable);
}

QString saveDiagramSettingsFile(const QString &path, const DiagramSettingsRecord &record)
{
    QString error;
    const QByteArray bytes = encodeDiagramSettings(record, &error);
    if (bytes.isEmpty())
        return error;
    return saveFileAtomically(path, bytes, QStringLiteral("ファイルを書き込めません。"));
}

DiagramReadResult loadDiagramSettingsFile(const QString &path)
{
    DiagramReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = DiagramReadStatus::CannotOpen;
        return result;
    }
    if (file.size() > kMaxDiagramSettingsFileSize) {
        result.status = DiagramReadStatus::TooLarge;
        return result;
    }
    // Read one byte more than allowed, so a file that grows or lies about its size is still caught.
    const QByteArray bytes = file.read(kMaxDiagramSettingsFileSize + 1);
    return decodeDiagramSettings(bytes);
}

} // namespace niruka
