#include "ui/mainwindow/workspace.h"

#include "session/designsession.h"
#include "session/projectsession.h"
#include "ui/calculators/auxiliarycalculators.h"
#include "ui/diagram/graphscreen.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/projectcommands.h"
#include "ui/printimage/reportprintimage.h"

#include <QMdiSubWindow>

namespace niruka {

Workspace::Workspace(MainFrame &frame) : QObject(&frame), m_frame(frame)
{
    m_calculators = new AuxiliaryCalculators(frame);
    m_projectCommands = new ProjectCommands(frame);
    installReportCommands(frame);
    frame.setCommandHandler("Men_G", [this] { openGraph(); });
}

GraphScreen *Workspace::graphScreen() const
{
    return m_graph;
}

void Workspace::openGraph()
{
    if (!m_graph) {
        m_graph = new GraphScreen;
        m_graphWindow = m_frame.addScreen(m_graph, 0, 0);
        connect(m_graph, &GraphScreen::closedByUser, this, [this] {
            const DesignCase &design = m_frame.design();
            m_frame.session().diagramClosed(GraphScreen::closingStatusText(
                design.result.capacity, design.result.designFlow, design.conditionsOpen != 0));
        });
    }
    m_frame.session().diagramOpened();
    if (m_graphWindow)
        m_graphWindow->move(0, 0);
    m_graph->openFromMainMenu();
}

void Workspace::openDocument(const QString &path)
{
    if (ProjectSession::isDiagramSettingsPath(path)) {
        openGraph();
        m_graph->openSettingsFile(path);
        return;
    }
    m_projectCommands->openPath(path);
}

} // namespace niruka
