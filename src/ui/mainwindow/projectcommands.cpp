#include "ui/mainwindow/projectcommands.h"

#include "session/designsession.h"
#include "session/projectsession.h"
#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/intensitywiring.h"
#include "ui/calculators/runoffscreen.h"
#include "ui/calculators/velocitycalculator.h"
#include "ui/mainwindow/mainframe.h"

#include <QMdiSubWindow>

namespace niruka {

ProjectCommands::ProjectCommands(MainFrame &frame, AuxiliaryCalculators &calculators)
    : QObject(&frame), m_frame(frame), m_calculators(calculators)
{
    frame.setCommandHandler("Men_FOpn", [this] { FileOpen(); });
    frame.setCommandHandler("Men_FSav", [this] { saveAs(); });
    frame.setCommandHandler("Men_FOvw", [this] { FileUpdate(); });
    CalculatorHooks &hooks = frame.session().calculatorHooks();
    hooks.collect = [this](ProjectRecord &record) { m_calculators.collect(record); };
    hooks.formsBeforeRestore = [this](ProjectRecord &record, const ProjectReadResult &read) {
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
    };
    hooks.restore = [this](const ProjectRecord &record, const ProjectReadResult &read) {
        m_calculators.restore(record, read);
        if (IntensityScreen *s = m_calculators.existingIntensityScreen()) {
            if (auto *sub = qobject_cast<QMdiSubWindow *>(s->parentWidget()))
                sub->hide();
            s->hide();
        }
    };
}

ProjectSession &ProjectCommands::project() const
{
    return m_frame.session().project();
}

QString ProjectCommands::fileFilter()
{
    return ProjectSession::fileFilter();
}

QString ProjectCommands::startFolder()
{
    return ProjectSession::startFolder();
}

QString ProjectCommands::readProblemText(const ProjectReadResult &result)
{
    return ProjectSession::readProblemText(result);
}

const std::optional<Refusal> &ProjectCommands::lastRefusal() const
{
    return project().lastRefusal();
}

ProjectRecord ProjectCommands::collect() const
{
    return project().collect();
}

QString ProjectCommands::saveFile(const QString &path)
{
    return project().saveFile(path);
}

ProjectReadResult ProjectCommands::openFile(const QString &path)
{
    return project().openFile(path);
}

void ProjectCommands::FileOpen()
{
    project().fileOpen();
}

void ProjectCommands::openPath(const QString &path)
{
    project().openPath(path);
}

void ProjectCommands::saveAs()
{
    project().saveAs();
}

void ProjectCommands::FileUpdate()
{
    project().fileUpdate();
}

} // namespace niruka
