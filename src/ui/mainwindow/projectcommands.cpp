#include "ui/mainwindow/projectcommands.h"

#include "session/designsession.h"
#include "session/projectsession.h"
#include "ui/mainwindow/mainframe.h"

namespace niruka {

ProjectCommands::ProjectCommands(MainFrame &frame) : QObject(&frame), m_frame(frame)
{
    frame.setCommandHandler("Men_FOpn", [this] { FileOpen(); });
    frame.setCommandHandler("Men_FSav", [this] { saveAs(); });
    frame.setCommandHandler("Men_FOvw", [this] { FileUpdate(); });
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
