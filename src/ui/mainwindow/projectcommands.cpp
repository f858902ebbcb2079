#include "ui/mainwindow/projectcommands.h"

#include "session/defaultfolder.h"
#include "session/designworkflow.h"
#include "session/filecommands.h"
#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/intensitywiring.h"
#include "ui/calculators/runoffscreen.h"
#include "ui/calculators/velocitycalculator.h"
#include "ui/design/circularpipescreen.h"
#include "ui/design/conditionsscreen.h"
#include "ui/design/ditchscreen.h"
#include "ui/design/pipescreen.h"
#include "ui/design/polygonditchscreen.h"
#include "ui/design/resultscreen.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/platformservices.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

namespace niruka {

namespace {

const QString &folderName()
{
    static const QString name = QStringLiteral("ニルカ(雨水編)");
    return name;
}

// The conditions screen shows the current file name as its title.
void setConditionsTitle(ConditionsScreen *screen, const QString &path)
{
    if (!screen)
        return;
    const QString title = QDir::toNativeSeparators(path);
    screen->setWindowTitle(title);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget()))
        sub->setWindowTitle(title);
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

ProjectCommands::ProjectCommands(MainFrame &frame, AuxiliaryCalculators &calculators)
    : QObject(&frame), m_frame(frame), m_calculators(calculators)
{
    frame.setCommandHandler("Men_FOpn", [this] { FileOpen(); });
    frame.setCommandHandler("Men_FSav", [this] { saveAs(); });
    frame.setCommandHandler("Men_FOvw", [this] { FileUpdate(); });
}

QString ProjectCommands::fileFilter()
{
    return QStringLiteral("ニルカ(雨水編)(.nrk) (*.nrk)");
}

QString ProjectCommands::startFolder()
{
    return defaultFileFolder(QCoreApplication::applicationDirPath(), folderName());
}

QString ProjectCommands::readProblemText(const ProjectReadResult &result)
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

ProjectRecord ProjectCommands::collect() const
{
    ProjectRecord record;
    if (ConditionsScreen *cs = m_frame.conditionsScreen())
        record.conditions = cs->form();
    if (PipeScreen *s = m_frame.pipeScreen())
        record.facility.pipe = s->form();
    if (CircularPipeScreen *s = m_frame.circularPipeScreen())
        record.facility.circular = s->form();
    if (DitchScreen *s = m_frame.ditchScreen())
        record.facility.ditch = s->form();
    if (PolygonDitchScreen *s = m_frame.polygonDitchScreen())
        record.facility.polygon = s->form();
    if (ResultScreen *s = m_frame.resultScreen())
        record.result = s->form();
    m_calculators.collect(record);
    return record;
}

QString ProjectCommands::saveFile(const QString &path)
{
    return saveProjectFile(path, collect());
}

// --- restoring -------------------------------------------------------------------------------------------

ProjectReadResult ProjectCommands::openFile(const QString &path)
{
    const FileBytes file = readFileBytes(path);
    if (file.status != ProjectReadStatus::Complete) {
        // Nothing to restore: the open design, and the name it is saved under, stay as they were.
        ProjectReadResult refused;
        refused.status = file.status;
        return refused;
    }

    m_frame.setCurrentFileName(path);
    m_frame.Tojiru(); // also starts the design from its defaults
    m_lastRefusal.reset();
    m_frame.applyFileCommands(fileCommandsAllOff());
    m_frame.statusMessage(conditionsHint());

    // Every step reads the whole record again with the next screen's defaults in place, so a field the
    // file does not hold (truncated) or that does not convert keeps the default of its screen.
    ProjectRecord record;
    ProjectReadResult read;
    const ProjectFileLines lines = splitProjectBytes(file.bytes);
    const auto reread = [&] { read = readProjectLines(lines, record); };

    ConditionsScreen *cs = m_frame.openConditionsScreen();
    setConditionsTitle(cs, path);
    reread();
    cs->setForm(record.conditions); // selects the facility kind, which opens its screen

    FacilityScreen *facility = nullptr;
    switch (facilitySectionOf(record.conditions.lst_s)) {
    case FacilitySection::Pipe:
        if (PipeScreen *s = m_frame.pipeScreen()) {
            record.facility.pipe = s->form();
            reread();
            s->setForm(record.facility.pipe);
            facility = s;
        }
        break;
    case FacilitySection::Circular:
        if (CircularPipeScreen *s = m_frame.circularPipeScreen()) {
            record.facility.circular = s->form();
            reread();
            s->setForm(record.facility.circular);
            facility = s;
        }
        break;
    case FacilitySection::Ditch:
        if (DitchScreen *s = m_frame.ditchScreen()) {
            record.facility.ditch = s->form();
            reread();
            s->setForm(record.facility.ditch);
            facility = s;
        }
        break;
    case FacilitySection::Polygon:
        if (PolygonDitchScreen *s = m_frame.polygonDitchScreen()) {
            record.facility.polygon = s->form();
            reread();
            s->setForm(record.facility.polygon);
            s->instruction()->hide();
            facility = s;
        }
        break;
    case FacilitySection::None:
        break;
    }

    if (read.intensityRead) {
        IntensityScreen *s = m_calculators.intensityScreen();
        record.intensity = s->form();
        record.river = s->riverForm();
        record.inflow = s->inflowForm();
    }
    if (read.runoffRead)
        record.runoff = m_calculators.runoffScreen()->form();
    if (read.velocityRead)
        record.velocity = m_calculators.velocityCalculator()->forms();
    reread();
    m_calculators.restore(record, read);
    if (IntensityScreen *s = m_calculators.existingIntensityScreen()) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(s->parentWidget()))
            sub->hide();
        s->hide();
    }

    // One check of everything restored, the calculators' values included (so the check sees the C and A
    // that the runoff screen handed back). Only a check that passes gives a result, shows the stored
    // texts and offers saving, printing and writing. A file read only in part gives none: its screens
    // hold defaults where the file was cut off or damaged, so a result would not be the file's.
    if (read.status == ProjectReadStatus::Complete) {
        if (facility) {
            m_lastRefusal = facility->applyRules(CheckMode::Restore);
        } else {
            // No facility kind chosen, so no screen to press 計算 on: the conditions tests that every
            // facility screen runs first give the refusal.
            DesignCase scratch;
            m_lastRefusal = calculatePipe(scratch, m_frame.conditionsEntries(), PipeEntries{});
            if (!m_lastRefusal)
                m_lastRefusal = Refusal{QStringLiteral("施設の種類を選択してください。"),
                                        FocusTarget{FieldOwner::Conditions, QStringLiteral("lst_s")}};
        }
        if (!m_lastRefusal) {
            m_frame.showResult();
            if (ResultScreen *result = m_frame.resultScreen()) {
                record.result = result->form();
                reread();
                result->setForm(record.result);
            }
            m_frame.applyFileCommands(fileCommandsOnMenuOpen(true, true));
        }
    }

    m_frame.toolBar()->setVisible(true);
    m_frame.statusBar()->setVisible(true);
    return read;
}

// --- the commands ----------------------------------------------------------------------------------------

void ProjectCommands::FileOpen()
{
    const QString path = platform().openFileName(&m_frame, QStringLiteral("ニルカ(雨水編)を開く"),
                                                 startFolder(), fileFilter());
    if (path.isEmpty()) {
        m_frame.setCurrentFileName(QString());
        return;
    }
    openPath(path);
}

void ProjectCommands::openPath(const QString &path)
{
    const ProjectReadResult read = openFile(path);
    const QString problem = readProblemText(read);
    if (!problem.isEmpty())
        showError(&m_frame, problem + QLatin1Char('\n') + QDir::toNativeSeparators(path));
    else if (m_lastRefusal)
        m_frame.refuse(*m_lastRefusal, m_frame.facilityScreen());
}

void ProjectCommands::saveAs()
{
    const QString path = platform().saveFileName(&m_frame, QStringLiteral("ニルカ(雨水編)の保存"),
                                                 startFolder(), fileFilter());
    if (path.isEmpty()) {
        m_frame.setCurrentFileName(QString());
        return;
    }
    if (fileExists(path)) {
        const MsgAnswer answer =
            platform().message(&m_frame, {QStringLiteral("上書き保存の確認"),
                                          QStringLiteral("同名ファイルがあります。上書き保存しますか？"),
                                          MsgButtons::YesNo, MsgIcon::Critical, MsgAnswer::No});
        if (answer != MsgAnswer::Yes) {
            // Declined as a cancelled dialog: no name is left under which a later overwrite would
            // replace the file the user has just chosen to keep.
            m_frame.setCurrentFileName(QString());
            return;
        }
    }
    const QString error = saveFile(path);
    if (!error.isEmpty()) {
        showError(&m_frame, error);
        return;
    }
    m_frame.toolbarButton(3)->setEnabled(true);
    m_frame.setCurrentFileName(path);
    setConditionsTitle(m_frame.conditionsScreen(), path);
}

void ProjectCommands::FileUpdate()
{
    const QString path = m_frame.currentFileName();
    if (path.isEmpty()) {
        // Nothing to overwrite: ask for a name instead.
        saveAs();
        return;
    }
    const MsgAnswer answer = platform().message(
        &m_frame, {QStringLiteral("確認"), QStringLiteral("上書き保存してもよろしいですか？"),
                   MsgButtons::OkCancel, MsgIcon::None, MsgAnswer::Cancel});
    if (answer != MsgAnswer::Ok)
        return;
    const QString error = saveFile(path);
    if (!error.isEmpty())
        showError(&m_frame, error);
}

} // namespace niruka
