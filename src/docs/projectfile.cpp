#include "docs/projectfile.h"

#include "model/cp932codec.h"
#include "model/writefailure.h"

#include <QFile>
#include <QLocale>
#include <cmath>
#include <limits>

namespace niruka {

FacilitySection facilitySectionOf(int listPosition) noexcept
{
    switch (listPosition) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 5: // the U-trough is stored with the pipe screen's fields
        return FacilitySection::Pipe;
    case 4:
        return FacilitySection::Circular;
    case 6:
        return FacilitySection::Ditch;
    case 7:
        return FacilitySection::Polygon;
    default:
        return FacilitySection::None;
    }
}

namespace {

// ---------------------------------------------------------------------------------------------
// The one ordered field list. A visitor has text/flag/integer/screenGroup/keptNumber and reading().

template <class V> void walkFacility(FacilityForms &f, FacilitySection section, V &v)
{
    switch (section) {
    case FacilitySection::Pipe:
        v.integer(f.pipe.lst_pu);
        v.text(f.pipe.txt1);
        v.text(f.pipe.txt2);
        v.integer(f.pipe.cbo1);
        break;
    case FacilitySection::Circular:
        v.text(f.circular.txt_m);
        v.text(f.circular.txt1);
        v.text(f.circular.txt2);
        v.text(f.circular.txt3);
        v.integer(f.circular.cbo1);
        break;
    case FacilitySection::Ditch:
        for (QString *t : {&f.ditch.txt_m, &f.ditch.txt1, &f.ditch.txt2, &f.ditch.txt3, &f.ditch.txt4,
                           &f.ditch.txt5, &f.ditch.txt6})
            v.text(*t);
        v.integer(f.ditch.cbo1);
        break;
    case FacilitySection::Polygon:
        for (QString *t : {&f.polygon.txt_m, &f.polygon.txt1, &f.polygon.txt2, &f.polygon.txt3,
                           &f.polygon.txt4, &f.polygon.txt5})
            v.text(*t);
        for (QString &x : f.polygon.txt_x)
            v.text(x);
        for (QString &y : f.polygon.txt_y)
            v.text(y);
        break;
    case FacilitySection::None:
        break;
    }
}

struct SectionsSeen {
    bool intensity = false, runoff = false, velocity = false;
};

template <class V> SectionsSeen walkProject(ProjectRecord &r, V &v)
{
    SectionsSeen seen;
    ConditionsForm &c = r.conditions;
    v.text(c.txt_c);
    v.text(c.txt_a);
    v.text(c.txt_i);
    v.integer(c.lst_s);
    for (bool *b : {&c.opt1, &c.opt2, &c.opt3, &c.opt4, &c.opt5, &c.opt6, &c.opt7, &c.opt8})
        v.flag(*b);
    v.text(c.txt1);

    // The optional sections are decided by the values just written or restored.
    walkFacility(r.facility, facilitySectionOf(c.lst_s), v);

    v.text(r.result.lbl3);
    v.text(r.result.lbl6);
    v.text(r.result.lbl9);
    v.text(r.result.lbl12);

    if (c.opt4) {
        seen.intensity = true;
        IntensityForm &i = r.intensity;
        for (bool *b : {&i.opt1, &i.opt2, &i.opt3, &i.opt4, &i.opt5, &i.opt6})
            v.flag(*b);
        for (QString *t : {&i.txt1, &i.txt2, &i.txt3, &i.txt4, &i.txt5, &i.txt6, &i.txt7, &i.txt8, &i.txt9})
            v.text(*t);
        for (bool *b :
             {&i.Option1, &i.Option2, &i.Option3, &i.Option4, &i.Option5, &i.Option6, &i.Option7, &i.Option8})
            v.flag(*b);
        v.integer(i.chk1);
        v.text(i.lbl1);
        v.flag(r.river.opt1);
        v.flag(r.river.opt2);
        v.text(r.river.txt1);
        v.text(r.river.txt2);
        v.keptNumber(r.kept.slopeLength);
        v.keptNumber(r.kept.slopeGradient);
        v.keptNumber(r.kept.retardance);
        v.text(r.inflow.txt1);
        v.text(r.inflow.txt2);
        v.text(r.inflow.txt3);
    }

    if (c.opt6) {
        seen.runoff = true;
        RunoffForm &f = r.runoff;
        for (int &k : f.chk_k)
            v.integer(k);
        for (int &k : f.chk_t)
            v.integer(k);
        for (int &k : f.chk_u)
            v.integer(k);
        for (QString &t : f.txt_t)
            v.text(t);
        for (QString &t : f.txt_c)
            v.text(t);
        for (QString &t : f.txt_a)
            v.text(t);
    }

    // Written whenever the calculated-velocity option is on; read only when the intensity section
    // was just read and restored that option as on.
    const bool velocity = v.reading() ? (seen.intensity && r.intensity.Option8) : r.intensity.Option8;
    if (velocity) {
        seen.velocity = true;
        VelocityForms &vf = r.velocity;
        v.screenGroup(vf.screenGroup);
        v.flag(vf.opt1);
        v.flag(vf.opt2);
        v.integer(vf.lst_s);
        walkFacility(vf.facility, facilitySectionOf(vf.lst_s), v);
    }
    return seen;
}

// ---------------------------------------------------------------------------------------------

class Writer {
public:
    QStringList lines;
    static constexpr bool reading() { return false; }
    void text(QString &t) { lines << t; }
    void flag(bool &b) { lines << (b ? QStringLiteral("True") : QStringLiteral("False")); }
    void integer(int &n) { lines << (n >= 0 ? QStringLiteral(" %1").arg(n) : QString::number(n)); }
    void screenGroup(double &d) { lines << formatFileNumber(d); }
    void keptNumber(std::optional<double> &d) { lines << (d ? formatFileNumber(*d) : QString()); }
};

class Reader {
public:
    explicit Reader(const QStringList &lines, const QList<bool> *undecodable)
        : m_lines(lines), m_undecodable(undecodable)
    {
    }
    static constexpr bool reading() { return true; }
    bool truncated = false;
    bool damaged = false;
    int consumed = 0;

    void text(QString &t)
    {
        if (const QString *line = next())
            t = *line;
    }
    void flag(bool &b)
    {
        const QString *line = next();
        if (!line)
            return;
        const QString s = line->trimmed();
        if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            b = true;
        else if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            b = false;
        else
            damaged = true;
    }
    void integer(int &n)
    {
        const QString *line = next();
        if (!line)
            return;
        const std::optional<double> d = parseFileNumber(*line);
        if (d && std::abs(*d) < 1e9 && *d == std::floor(*d))
            n = static_cast<int>(*d);
        else
            damaged = true;
    }
    // A Number that names one of the velocity screens, 0 to 4: any other value would select no screen
    // or overflow the screen number it is converted to.
    void screenGroup(double &d)
    {
        const QString *line = next();
        if (!line)
            return;
        const std::optional<double> v = parseFileNumber(*line);
        if (v && *v >= 0 && *v <= 4 && *v == std::floor(*v))
            d = *v;
        else
            damaged = true;
    }
    void keptNumber(std::optional<double> &d)
    {
        const QString *line = next();
        if (!line)
            return;
        if (line->trimmed().isEmpty()) {
            d.reset();
        } else if (const std::optional<double> v = parseFileNumber(*line)) {
            d = v;
        } else {
            damaged = true;
        }
    }

private:
    // The next line, or null when the file has ended or the line's bytes did not convert.
    const QString *next()
    {
        if (consumed >= m_lines.size()) {
            truncated = true;
            return nullptr;
        }
        const int index = consumed++;
        if (m_undecodable && index < m_undecodable->size() && m_undecodable->at(index)) {
            damaged = true;
            return nullptr;
        }
        return &m_lines.at(index);
    }

    const QStringList &m_lines;
    const QList<bool> *m_undecodable;
};

ProjectReadResult readLines(const QStringList &lines, const QList<bool> *undecodable, ProjectRecord &record)
{
    Reader reader(lines, undecodable);
    const SectionsSeen seen = walkProject(record, reader);
    ProjectReadResult result;
    result.linesRead = reader.consumed;
    result.intensityRead = seen.intensity;
    result.runoffRead = seen.runoff;
    result.velocityRead = seen.velocity;
    // A line that did not convert says more than a short file: a file that is not a project at all
    // usually both fails to convert and ends early.
    if (reader.damaged)
        result.status = ProjectReadStatus::Damaged;
    else if (reader.truncated)
        result.status = ProjectReadStatus::Incomplete;
    return result;
}

} // namespace

QStringList projectLines(const ProjectRecord &record)
{
    ProjectRecord copy = record;
    Writer writer;
    walkProject(copy, writer);
    return writer.lines;
}

ProjectReadResult readProjectLines(const QStringList &lines, ProjectRecord &record)
{
    return readLines(lines, nullptr, record);
}

QByteArray encodeProject(const ProjectRecord &record, QString *error)
{
    const Cp932Encoded encoded = encodeCp932Lines(projectLines(record));
    if (!encoded.ok()) {
        if (error)
            *error = QStringLiteral("次の文字はファイルに保存できません：%1").arg(encoded.unencodable);
        return {};
    }
    return encoded.bytes;
}

ProjectFileLines splitProjectBytes(const QByteArray &bytes)
{
    ProjectFileLines out;
    if (bytes.size() > kMaxProjectFileSize) {
        out.tooLarge = true;
        return out;
    }
    // Lines are split on the bytes (CR and LF never occur inside a CP932 character) and decoded one by
    // one, so that a line that does not convert spoils only its own field.
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const Cp932Decoded line = decodeCp932(QByteArrayView(bytes).sliced(start, end - start));
        out.lines << line.text;
        out.undecodable << !line.ok();
        if (end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return out;
}

ProjectReadResult readProjectLines(const ProjectFileLines &file, ProjectRecord &record)
{
    if (file.tooLarge) {
        ProjectReadResult tooLarge;
        tooLarge.status = ProjectReadStatus::TooLarge;
        return tooLarge;
    }
    return readLines(file.lines, &file.undecodable, record);
}

ProjectReadResult decodeProject(const QByteArray &bytes, ProjectRecord &record)
{
    return readProjectLines(splitProjectBytes(bytes), record);
}

QString saveProjectFile(const QString &path, const ProjectRecord &record)
{
    QString error;
    const QByteArray bytes = encodeProject(record, &error);
    if (!error.isEmpty())
        return error;
    return saveFileAtomically(path, bytes, QStringLiteral("ファイルを書き込めません。"));
}

ProjectReadResult loadProjectFile(const QString &path, ProjectRecord &record)
{
    ProjectReadResult failed;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failed.status = ProjectReadStatus::CannotOpen;
        return failed;
    }
    if (file.size() > kMaxProjectFileSize) {
        failed.status = ProjectReadStatus::TooLarge;
        return failed;
    }
    const QByteArray bytes = file.read(kMaxProjectFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        failed.status = ProjectReadStatus::CannotOpen;
        return failed;
    }
    return decodeProject(bytes, record);
}

QString formatFileNumber(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return QStringLiteral(" 0");
    // QString::number never uses the locale, unlike printf, whose decimal separator follows LC_NUMERIC
    // (which a Qt application sets from the environment).
    QString s = QString::number(value, 'G', 15);
    // No zero before the decimal point of a value below 1.
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1String("-0.")))
        s.remove(1, 1);
    if (value > 0)
        s.prepend(QLatin1Char(' '));
    return s;
}

std::optional<double> parseFileNumber(const QString &line)
{
    QString s = line.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

} // namespace niruka
