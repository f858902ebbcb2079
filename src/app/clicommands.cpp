#include "app/clicommands.h"

#include "app/cliservices.h"
#include "diagram/diagramgeometry.h"
#include "diagram/diagrampainter.h"
#include "docs/projectfile.h"
#include "model/designcase.h"
#include "model/environment.h"
#include "report/reportcomposer.h"
#include "report/reportfile.h"
#include "report/reportpainter.h"
#include "session/designsession.h"
#include "session/diagramsession.h"
#include "session/projectsession.h"
#include "session/reportcommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace niruka::cli {

using namespace Qt::StringLiterals;

namespace {

// The resolution of a diagram written as a picture: one pen dot of the printer is one pixel.
constexpr double kDiagramPictureDpi = 300.0;

void writeOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

void writeErr(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

// "FILE: message" for every line of a message.
void complain(const QString &path, const QString &message)
{
    QString text;
    for (const QString &line : message.split(u'\n', Qt::SkipEmptyParts))
        text += path + u": "_s + line + u'\n';
    writeErr(text);
}

int usageError(const QString &what)
{
    writeErr(u"niruka-cli: "_s + what + u"\nTry 'niruka-cli --help'.\n"_s);
    return kExitCannotCheck;
}

// Moves the finished file `part` onto `target` in one step, so a failure never leaves half a file there.
QString commitFile(QTemporaryFile &part, const QString &target)
{
    if (QFileInfo(part.fileName()).size() == 0)
        return u"could not write "_s + QDir::toNativeSeparators(target);
    // A temporary file is private to its owner; the result is an ordinary file.
    part.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(part.fileName()).toStdString(),
                            QFile::encodeName(target).toStdString(), error);
    if (error)
        return u"could not write "_s + QDir::toNativeSeparators(target) + u": "_s +
               QString::fromLocal8Bit(error.message());
    part.setAutoRemove(false);
    return {};
}

// A temporary file beside `target`, closed, so that another writer can fill it by name.
std::unique_ptr<QTemporaryFile> partFileFor(const QString &target, QString *error)
{
    const QFileInfo info(target);
    auto part =
        std::make_unique<QTemporaryFile>(info.absolutePath() + u"/.niruka-cli-XXXXXX."_s + info.suffix());
    if (!part->open()) {
        *error = u"could not write "_s + QDir::toNativeSeparators(target) + u": "_s + part->errorString();
        return nullptr;
    }
    part->close();
    return part;
}

// The printed pages are laid out at the resolution of the printers the application prints on.
constexpr int kPrintResolution = 1200;

// The open design of the application without its windows: a project file opened as 開く restores it and
// checked as 計算 checks it.
class OpenDesign {
public:
    explicit OpenDesign(SessionServices &services) : m_session(services) {}

    const DesignCase &design() const { return m_session.design(); }

    // The reason when the file cannot be read or the design cannot be checked; nothing when the design
    // holds a fresh check.
    std::optional<QString> openAndCheck(const QString &path)
    {
        if (!QFileInfo(path).isFile())
            return QFileInfo::exists(path) ? u"not a file"_s : u"no such file"_s;
        const ProjectReadResult read = m_session.project().openFile(path);
        if (read.status != ProjectReadStatus::Complete) {
            const QString problem = ProjectSession::readProblemText(read);
            return problem.isEmpty() ? u"the file cannot be read"_s : problem;
        }
        // The restore ends with the check 計算 runs; its refusal is the reason there is no report.
        if (const std::optional<Refusal> &refusal = m_session.project().lastRefusal())
            return refusal->message;
        return std::nullopt;
    }

private:
    DesignSession m_session;
};

// A PDF file of printed pages on `layout`.
void preparePdf(QPdfWriter &pdf, const QPageLayout &layout)
{
    pdf.setResolution(kPrintResolution);
    pdf.setPageLayout(layout);
}

// report [--cp932] FILE...
int runReport(const QStringList &args)
{
    bool cp932 = false;
    QStringList files;
    for (const QString &a : args) {
        if (a == u"--cp932"_s)
            cp932 = true;
        else if (a.startsWith(u"--"_s) && a.size() > 2)
            return usageError(u"unknown option "_s + a);
        else
            files.append(a);
    }
    if (files.isEmpty())
        return usageError(u"report needs at least one project file"_s);

    CliSessionServices services;
    OpenDesign app(services);
    // 書き込み appends to a file; the companion lets it append to a file of its own and passes the bytes on.
    QTemporaryDir scratch;
    const QString reportFile = scratch.filePath(QString::fromLatin1(kReportFileName));
    if (cp932 && !scratch.isValid()) {
        writeErr(u"niruka-cli: no temporary folder for the report: "_s + scratch.errorString() + u'\n');
        return kExitCannotCheck;
    }

    int worst = kExitOk;
    for (const QString &path : files) {
        services.takeMessages();
        const std::optional<QString> problem = app.openAndCheck(path);
        // A box that a restore step showed would have been seen in the application too.
        for (const QString &message : services.takeMessages())
            complain(path, message);
        if (problem) {
            complain(path, *problem);
            worst = std::max(worst, int(kExitCannotCheck));
            continue;
        }
        bool verdictNo = false;
        if (cp932) {
            const ReportWriteResult written = Kakikomi(app.design(), reportFile);
            QFile file(reportFile);
            const bool read = written.ok() && file.open(QIODevice::ReadOnly);
            const QByteArray bytes = read ? file.readAll() : QByteArray();
            file.close();
            QFile::remove(reportFile);
            if (!read) {
                complain(path, written.ok() ? file.errorString() : written.error);
                worst = std::max(worst, int(kExitCannotCheck));
                continue;
            }
            writeOut(bytes);
            verdictNo = written.verdictNo;
        } else {
            const ComposedReport report = composeReport(app.design(), ReportOutput::TextFile);
            QString text;
            for (const ReportLine &line : report.lines)
                text += line.text + u'\n';
            writeOut(text.toUtf8());
            verdictNo = report.verdictNo;
        }
        worst = std::max(worst, verdictNo ? int(kExitNo) : int(kExitOk));
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        writeErr(u"niruka-cli: could not write the report to standard output\n"_s);
        return kExitCannotCheck;
    }
    return worst;
}

struct OutputArgs {
    QString input;
    QString output;
    bool amax = false;
};

// FILE -o OUT [--amax]; `amaxAllowed` for print only.
std::optional<OutputArgs> parseOutputArgs(const QString &command, const QStringList &args, bool amaxAllowed,
                                          int *status)
{
    OutputArgs out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"-o"_s || a == u"--output"_s) {
            if (i + 1 >= args.size()) {
                *status = usageError(a + u" needs a file name"_s);
                return std::nullopt;
            }
            out.output = args[++i];
        } else if (amaxAllowed && a == u"--amax"_s) {
            out.amax = true;
        } else if (a.startsWith(u'-') && a.size() > 1) {
            *status = usageError(u"unknown option "_s + a);
            return std::nullopt;
        } else if (out.input.isEmpty()) {
            out.input = a;
        } else {
            *status = usageError(command + u" takes one input file"_s);
            return std::nullopt;
        }
    }
    if (out.input.isEmpty() || out.output.isEmpty()) {
        *status = usageError(command + u" needs an input file and -o OUTPUT"_s);
        return std::nullopt;
    }
    return out;
}

// print FILE.nrk -o OUT.pdf [--amax]
int runPrint(const QStringList &args)
{
    int status = kExitOk;
    const std::optional<OutputArgs> a = parseOutputArgs(u"print"_s, args, true, &status);
    if (!a)
        return status;

    CliSessionServices services;
    OpenDesign app(services);
    if (const std::optional<QString> problem = app.openAndCheck(a->input)) {
        complain(a->input, *problem);
        return kExitCannotCheck;
    }
    QString error;
    const std::unique_ptr<QTemporaryFile> part = partFileFor(a->output, &error);
    if (!part) {
        writeErr(u"niruka-cli: "_s + error + u'\n');
        return kExitCannotCheck;
    }
    // 印刷 with the largest catchment area as asked, on A4 whatever printer the machine has.
    {
        QPdfWriter pdf(part->fileName());
        preparePdf(pdf, reportPageLayout());
        printReport(pdf, composeReport(app.design(), ReportOutput::Page), a->amax);
    }
    error = commitFile(*part, a->output);
    if (!error.isEmpty()) {
        writeErr(u"niruka-cli: "_s + error + u'\n');
        return kExitCannotCheck;
    }
    return kExitOk;
}

// The diagram of the window's current settings at `dpi` on the printable area of the diagram's page.
QImage diagramPicture(const DiagramSession &graph, double dpi)
{
    const QSizeF page = diagramPrintLayout().paintRect(QPageLayout::Point).size();
    QImage image((page * dpi / 72.0).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    DiagramSurface surface = diagramSurface(page, DiagramTarget::Printer, dpi);
    surface.fontFamily = QString::fromUtf8(kPGothicFamily);
    paintDiagram(painter, diagramGeometry(graph.currentSettings(), DiagramTarget::Printer), surface);
    painter.end();
    return image;
}

// diagram FILE.gra -o OUT.pdf|OUT.png
int runDiagram(const QStringList &args)
{
    int status = kExitOk;
    const std::optional<OutputArgs> a = parseOutputArgs(u"diagram"_s, args, false, &status);
    if (!a)
        return status;
    const QString suffix = QFileInfo(a->output).suffix().toLower();
    if (suffix != u"pdf"_s && suffix != u"png"_s)
        return usageError(u"the diagram is written as .pdf or .png, not "_s + a->output);
    if (!QFileInfo(a->input).isFile()) {
        complain(a->input, QFileInfo::exists(a->input) ? u"not a file"_s : u"no such file"_s);
        return kExitCannotCheck;
    }

    CliSessionServices services;
    DiagramSession graph(services);
    // 開く with the file chosen, then グラフ 描画 with its checks.
    graph.openSettingsFile(a->input);
    QStringList problems = services.takeMessages();
    if (problems.isEmpty()) {
        graph.draw();
        problems = services.takeMessages();
    }
    if (!problems.isEmpty()) {
        complain(a->input, problems.join(u'\n'));
        return kExitCannotCheck;
    }

    QString error;
    const std::unique_ptr<QTemporaryFile> part = partFileFor(a->output, &error);
    if (!part) {
        writeErr(u"niruka-cli: "_s + error + u'\n');
        return kExitCannotCheck;
    }
    if (suffix == u"pdf"_s) {
        {
            QPdfWriter pdf(part->fileName());
            preparePdf(pdf, diagramPrintLayout());
            graph.print(pdf); // グラフ 印刷
        }
        problems = services.takeMessages();
        if (!problems.isEmpty()) {
            complain(a->output, problems.join(u'\n'));
            return kExitCannotCheck;
        }
    } else {
        QFile file(part->fileName());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            !diagramPicture(graph, kDiagramPictureDpi).save(&file, "PNG")) {
            writeErr(u"niruka-cli: could not write "_s + QDir::toNativeSeparators(a->output) + u'\n');
            return kExitCannotCheck;
        }
        file.close();
    }
    error = commitFile(*part, a->output);
    if (!error.isEmpty()) {
        writeErr(u"niruka-cli: "_s + error + u'\n');
        return kExitCannotCheck;
    }
    return kExitOk;
}

} // namespace

QString helpText()
{
    return uR"(Usage:
  niruka-cli report [--cp932] FILE.nrk...
  niruka-cli print FILE.nrk -o OUT.pdf [--amax]
  niruka-cli diagram FILE.gra -o OUT.pdf|OUT.png
  niruka-cli --help

report   Opens each project file as 開く does, checks the design as the facility screen's 計算 does and
         writes the calculation report to standard output: UTF-8 with LF line ends, or with --cp932 the
         exact bytes 書き込み appends to Niruka.txt (code page 932, CR LF). The reports of several files
         follow one another as repeated 書き込み would append them.
print    Writes the pages 印刷 prints (two for a report whose flow velocity was calculated) as a PDF file;
         --amax adds the largest catchment area (最大流域面積).
diagram  Writes the relation diagram of a settings file as the diagram window's グラフ 印刷 prints it,
         as a PDF file or a PNG picture (300 dpi), chosen by the output's extension.

Exit status:
  0  O.K (report), or the output was written (print, diagram)
  1  NO: the planned volume exceeds the facility's flow (report)
  2  the input cannot be read or checked, or the command line is wrong; the reason is on standard error
With several files the worst status counts. Nothing but the report goes to standard output.
)"_s;
}

bool needsGui(const QStringList &arguments)
{
    return !arguments.isEmpty() && (arguments.first() == u"print"_s || arguments.first() == u"diagram"_s);
}

int run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usageError(u"no command given"_s);
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == u"--help"_s || command == u"-h"_s || command == u"help"_s) {
        writeOut(helpText().toUtf8());
        std::fflush(stdout);
        return kExitOk;
    }
    if (command == u"report"_s)
        return runReport(rest);
    if (command == u"print"_s)
        return runPrint(rest);
    if (command == u"diagram"_s)
        return runDiagram(rest);
    return usageError(u"unknown command "_s + command);
}

} // namespace niruka::cli
