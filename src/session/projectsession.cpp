#include "session/projectsession.h"

#include "session/calculatorsessions.h"
#include "session/defaultfolder.h"
#include "session/designsession.h"
#include "session/filecommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace niruka {

namespace {

const QString &folderName()
{
    static const QString name = QStringLiteral("ニルカ(雨水編)");
    return name;
}

// What the read of a file gives before anything is restored: the bytes, or the reason there are none.
struct FileBytes {
    QByteArray bytes;
    ProjectReadStatus status = ProjectReadStatus::Complete;
};

FileBytes readFileBytes(const QString &path)
{
    FileBytes out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.status = ProjectReadStatus::CannotOpen;
        return out;
    }
    // A device without a size (a pipe) is read up to one byte past the limit.
    out.bytes = file.read(kMaxProjectFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        out.status = ProjectReadStatus::CannotOpen;
    else if (out.bytes.size() > kMaxProjectFileSize)
        out.status = ProjectReadStatus::TooLarge;
    if (out.status != ProjectReadStatus::Complete)
        out.bytes.clear();
    return out;
}

bool fileExists(const QString &path)
{
    // An attempt to open for reading: any failure counts as no file.
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

ProjectSession::ProjectSession(DesignSession &session) : m_session(session) {}

QString ProjectSession::fileFilter()
{
    return QStringLiteral("ニルカ(雨水編)(.nrk) (*.nrk)");
}

QString ProjectSession::startFolder()
{
    return defaultFileFolder(QCoreApplication::applicationDirPath(), folderName());
}

bool ProjectSession::isDiagramSettingsPath(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("gra"), Qt::CaseInsensitive) == 0;
}

QString ProjectSession::readProblemText(const ProjectReadResult &result)
{
    switch (result.status) {
    case ProjectReadStatus::Complete:
        return {};
    case ProjectReadStatus::Incomplete:
        return QStringLiteral("ファイルが途中で終わっています。読み込めた部分だけを復元しました。");
    case ProjectReadStatus::Damaged:
        return QStringLiteral("ファイルに読み込めない行がありました。読み込めた部分だけを復元しました。");
    case ProjectReadStatus::TooLarge:
        return QStringLiteral("ニルカ(雨水編)のファイルとしては大きすぎるため、開けません。");
    case ProjectReadStatus::CannotOpen:
        return QStringLiteral("ファイルを開けません。");
    }
    return {};
}

// --- collecting ------------------------------------------------------------------------------------------

ProjectRecord ProjectSession::collect() const
{
    const DesignSession &s = m_session;
    ProjectRecord record;
    if (s.isOpen(ScreenId::Conditions))
        record.conditions = s.conditions();
    if (s.isOpen(ScreenId::Pipe))
        record.facility.pipe = s.facility().pipe;
    if (s.isOpen(ScreenId::Circular))
        record.facility.circular = s.facility().circular;
    if (s.isOpen(ScreenId::Ditch))
        record.facility.ditch = s.facility().ditch;
    if (s.isOpen(ScreenId::Polygon))
        record.facility.polygon = s.facility().polygon;
    if (s.isOpen(ScreenId::Result))
        record.result = s.result();
    s.calculators().collect(record);
    return record;
}

QString ProjectSession::saveFile(const QString &path)
{
    return saveProjectFile(path, collect());
}

// --- restoring -------------------------------------------------------------------------------------------

ProjectReadResult ProjectSession::openFile(const QString &path)
{
    DesignSession &s = m_session;
    const FileBytes file = readFileBytes(path);
    if (file.status != ProjectReadStatus::Complete) {
        // Nothing to restore: the open design, and the name it is saved under, stay as they were.
        ProjectReadResult refused;
        refused.status = file.status;
        return refused;
    }

    s.setFileName(path);
    s.tojiru(); // also starts the design from its defaults
    m_lastRefusal.reset();
    s.setFileCommands(fileCommandsAllOff());
    s.setStatus(conditionsHint());

    // Every step reads the whole record again with the next screen's defaults in place, so a field the
    // file does not hold (truncated) or that does not convert keeps the default of its screen.
    ProjectRecord record;
    ProjectReadResult read;
    const ProjectFileLines lines = splitProjectBytes(file.bytes);
    const auto reread = [&] { read = readProjectLines(lines, record); };

    s.openConditions();
    s.setConditionsTitle(QDir::toNativeSeparators(path));
    reread();
    s.setConditionsForm(record.conditions); // selects the facility kind, which opens its screen

    bool facility = false;
    switch (facilitySectionOf(record.conditions.lst_s)) {
    case FacilitySection::Pipe:
        if (s.isOpen(ScreenId::Pipe)) {
            record.facility.pipe = s.facility().pipe;
            reread();
            s.setPipeForm(record.facility.pipe);
            facility = true;
        }
        break;
    case FacilitySection::Circular:
        if (s.isOpen(ScreenId::Circular)) {
            record.facility.circular = s.facility().circular;
            reread();
            s.setCircularForm(record.facility.circular);
            facility = true;
        }
        break;
    case FacilitySection::Ditch:
        if (s.isOpen(ScreenId::Ditch)) {
            record.facility.ditch = s.facility().ditch;
            reread();
            s.setDitchForm(record.facility.ditch);
            facility = true;
        }
        break;
    case FacilitySection::Polygon:
        if (s.isOpen(ScreenId::Polygon)) {
            record.facility.polygon = s.facility().polygon;
            reread();
            s.setPolygonForm(record.facility.polygon);
            s.hidePolygonInstruction();
            facility = true;
        }
        break;
    case FacilitySection::None:
        break;
    }

    // The calculators: a section the file holds is read over the screen's current entries (the screen
    // is created hidden first), then restored; the intensity screen stays hidden in every case.
    CalculatorSessions &calculators = s.calculators();
    if (read.intensityRead) {
        IntensitySession &intensity = calculators.intensity();
        intensity.ensure();
        record.intensity = intensity.form();
        record.river = intensity.riverForm();
        record.inflow = intensity.inflowForm();
    }
    if (read.runoffRead) {
        calculators.runoff().ensure();
        record.runoff = calculators.runoff().form();
    }
    if (read.velocityRead)
        record.velocity = calculators.velocity().forms();
    reread();
    calculators.restore(record, read);
    calculators.intensity().hide();

    // One check of everything restored, the calculators' values included (so the check sees the C and A
    // that the runoff screen handed back). Only a check that passes gives a result, shows the stored
    // texts and offers saving, printing and writing. A file read only in part gives none: its screens
    // hold defaults where the file was cut off or damaged, so a result would not be the file's.
    if (read.status == ProjectReadStatus::Complete) {
        if (facility) {
            m_lastRefusal = s.applyRules(CheckMode::Restore);
        } else {
            // No facility kind chosen, so no screen to press 計算 on: the conditions tests that every
            // facility screen runs first give the refusal.
            DesignCase scratch;
            m_lastRefusal = calculatePipe(scratch, s.conditionsEntries(), PipeEntries{});
            if (!m_lastRefusal)
                m_lastRefusal = Refusal{QStringLiteral("施設の種類を選択してください。"),
                                        FocusTarget{FieldOwner::Conditions, QStringLiteral("lst_s")}};
        }
        if (!m_lastRefusal) {
            s.showResult();
            if (s.isOpen(ScreenId::Result)) {
                record.result = s.result();
                reread();
                s.setResultForm(record.result);
            }
            s.setFileCommands(fileCommandsOnMenuOpen(true, true));
        }
    }

    s.setChrome(true, true);
    return read;
}

// --- the commands ----------------------------------------------------------------------------------------

void ProjectSession::fileOpen()
{
    const QString path = m_session.services().openFileName(QStringLiteral("ニルカ(雨水編)を開く"),
                                                           startFolder(), fileFilter());
    if (path.isEmpty()) {
        m_session.setFileName(QString());
        return;
    }
    openPath(path);
}

void ProjectSession::openPath(const QString &path)
{
    const ProjectReadResult read = openFile(path);
    const QString problem = readProblemText(read);
    if (!problem.isEmpty())
        showError(m_session.services(), problem + QLatin1Char('\n') + QDir::toNativeSeparators(path));
    else if (m_lastRefusal)
        m_session.refuse(*m_lastRefusal);
}

void ProjectSession::saveAs()
{
    SessionServices &services = m_session.services();
    const QString path =
        services.saveFileName(QStringLiteral("ニルカ(雨水編)の保存"), startFolder(), fileFilter());
    if (path.isEmpty()) {
        m_session.setFileName(QString());
        return;
    }
    if (fileExists(path)) {
        const MsgAnswer answer =
            services.message({QStringLiteral("上書き保存の確認"),
                              QStringLiteral("同名ファイルがあります。上書き保存しますか？"),
                              MsgButtons::YesNo, MsgIcon::Critical, MsgAnswer::No});
        if (answer != MsgAnswer::Yes) {
            // Declined as a cancelled dialog: no name is left under which a later overwrite would
            // replace the file the user has just chosen to keep.
            m_session.setFileName(QString());
            return;
        }
    }
    const QString error = saveFile(path);
    if (!error.isEmpty()) {
        showError(services, error);
        return;
    }
    FileCommandState commands = m_session.window().commands;
    commands.toolbarOverwrite = true;
    m_session.setFileCommands(commands);
    m_session.setFileName(path);
    m_session.setConditionsTitle(QDir::toNativeSeparators(path));
}

void ProjectSession::fileUpdate()
{
    const QString path = m_session.window().fileName;
    if (path.isEmpty()) {
        // Nothing to overwrite: ask for a name instead.
        saveAs();
        return;
    }
    const MsgAnswer answer = m_session.services().message(
        {QStringLiteral("確認"), QStringLiteral("上書き保存してもよろしいですか？"), MsgButtons::OkCancel,
         MsgIcon::None, MsgAnswer::Cancel});
    if (answer != MsgAnswer::Ok)
        return;
    const QString error = saveFile(path);
    if (!error.isEmpty())
        showError(m_session.services(), error);
}

} // namespace niruka
