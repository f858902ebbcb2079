#pragma once
// The composition of the application around its main window: the auxiliary calculators, the report
// commands, the project-file commands and the relation diagram window are connected to the frame's commands
// here, so the frame itself knows none of them. The application and the command-line companion build the same
// workspace.

#include <QObject>
#include <QPointer>

class QMdiSubWindow;

namespace niruka {

class AuxiliaryCalculators;
class GraphScreen;
class MainFrame;
class ProjectCommands;

class Workspace : public QObject {
    Q_OBJECT
public:
    // Installs every command handler on `frame`; a child of the frame.
    explicit Workspace(MainFrame &frame);

    MainFrame &frame() const { return m_frame; }
    AuxiliaryCalculators &calculators() const { return *m_calculators; }
    // 開く, 名前をつけて保存 and 上書き保存.
    ProjectCommands &projectCommands() const { return *m_projectCommands; }
    // Null until the diagram window was first opened.
    GraphScreen *graphScreen() const;

    // "ｸﾞﾗﾌ(G)": the diagram window at (0, 0), the toolbar hidden while it is open.
    void openGraph();

    // The file given at start (a double-click in the file manager): a diagram settings file (".gra") opens
    // the diagram window and is read by its 開く; any other name is read by 開く as a project file.
    void openDocument(const QString &path);

private:
    MainFrame &m_frame;
    AuxiliaryCalculators *m_calculators = nullptr;
    ProjectCommands *m_projectCommands = nullptr;
    QPointer<GraphScreen> m_graph;
    QPointer<QMdiSubWindow> m_graphWindow;
};

} // namespace niruka
