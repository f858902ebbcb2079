#pragma once
// The application's one top-level window: the multiple-document area that holds every screen, the menu
// bar, the toolbar and the one-panel status bar. The open design is its DesignSession; the window shows
// the session's status, commands and chrome and makes, places and unloads the design's sub-windows as the
// session's events say.

#include "model/designcase.h"
#include "session/designsession.h"
#include "session/designworkflow.h"
#include "session/facilityswitch.h"
#include "session/filecommands.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace niruka {

class CircularPipeScreen;
class ConditionsScreen;
class DitchScreen;
class FacilityScreen;
class PipeScreen;
class PolygonDitchScreen;
class ResultScreen;

class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(QWidget *parent = nullptr);
    ~MainFrame() override;

    static QString applicationTitle(); // "ニルカ（雨水編）"

    DesignSession &session() { return m_session; }
    const DesignSession &session() const { return m_session; }
    DesignCase &design() { return m_session.design(); }
    const DesignCase &design() const { return m_session.design(); }

    QMdiArea *mdiArea() const { return m_mdi; }
    QToolBar *toolBar() const { return m_toolBar; }
    // Menu items and top-level menus by control name ("Men_FNew", "Men_G" …) and the toolbar buttons as
    // "Toolbar1_1" … "Toolbar1_6" (4 is the separator). Null for an unknown name.
    QAction *action(const char *name) const;
    QAction *toolbarButton(int index) const;

    // The status-bar panel "msg".
    QString statusText() const;
    QLabel *statusPanel() const { return m_msg; }

    // Path of the project file the design was read from or last saved to; empty for a new design.
    QString currentFileName() const { return m_session.window().fileName; }
    void setCurrentFileName(const QString &path) { m_session.setFileName(path); }

    // Connects a command whose action lives elsewhere (open, save, print image, print, editor write, the
    // diagram): "Men_FOpn", "Men_FOvw", "Men_FSav", "Men_FImg", "Men_FPrn", "Men_FEWri", "Men_G", and the
    // conditions screen's calculators "Command4" (加重平均) and "Command2" (計算する). The toolbar buttons
    // follow the menu item of the same command. Until a handler is set the command says in the status bar
    // that it is not available yet.
    void setCommandHandler(const char *name, std::function<void()> handler);
    bool hasCommandHandler(const char *name) const;
    // Runs the handler of `name`, or says in the status bar that the command is not available yet.
    void runCommandHandler(const char *name);

    // Adds `screen` as a sub-window at a position given in twips (1/1440 inch) and shows it.
    QMdiSubWindow *addScreen(QWidget *screen, int leftTwips, int topTwips);
    int twipsToPixels(int twips) const;
    // Makes the sub-window that holds `screen` the active one.
    void activateScreen(QWidget *screen);

    // The design screens while they are open (nullptr otherwise).
    ConditionsScreen *conditionsScreen() const;
    PipeScreen *pipeScreen() const;
    CircularPipeScreen *circularPipeScreen() const;
    DitchScreen *ditchScreen() const;
    PolygonDitchScreen *polygonDitchScreen() const;
    ResultScreen *resultScreen() const;
    FacilityScreenId openFacilityScreen() const;
    // The facility screen that is open, whichever kind (nullptr when none).
    FacilityScreen *facilityScreen() const;

    // An empty conditions screen at (0, 0) for a design read from a file: nothing chosen, no facility
    // screen. Returns the one already open.
    ConditionsScreen *openConditionsScreen();

    // Shows the result screen for the check just stored in the design, or brings it to the front when it
    // already shows that check.
    void showResult();
    // Ends the result: the result screen closes if it is open, `capacity` goes back to 0, and toolbar
    // buttons 3, 5 and 6 and the File menu's save, print and write items are off.
    void closeResult();
    // Whether the commands that print or save the result may run: a result is present and shown.
    bool resultShown() const;
    // A result is the check of the entries on the screens: any change of an entry of `screen` ends it.
    void closeResultOnEntryChange(QWidget *screen);
    // The widget of a design screen by its id (nullptr when it is not open).
    QWidget *screenWidget(ScreenId id) const;

    void applyFileCommands(const FileCommandState &state);
    FileCommandState fileCommands() const;

public slots:
    void statusMessage(const QString &text);

    void FileNew();
    void FileOpen();
    void FileUpdate();
    void fileSaveAs();
    void FileImage();
    void FilePrint();
    void Kakikomi();
    void Tojiru();
    void openDiagram();
    void startEditor();
    void closeDesign();         // Men_FCls
    void exitFromMenu();        // Men_FEnd
    void showReference();       // Men_S
    void showVersion();         // Men_HVer
    void refreshFileCommands(); // the File menu opening

signals:
    // The user confirmed the exit.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption);
    void addDesignScreen(QWidget *screen, int leftTwips, int topTwips);
    void closeSubWindowOf(QWidget *screen);
    void placeAtTwips(QMdiSubWindow *window, int leftTwips, int topTwips);
    // The session's events.
    void onScreenOpened(ScreenId id);
    void onScreenClosed(ScreenId id);
    void onScreenShown(ScreenId id, bool visible);
    void onFocusRequested(const FocusRequest &request);
    void render(Parts parts);
    void renderChrome();
    bool eventFilter(QObject *watched, QEvent *event) override;

    DesignSession m_session;
    QMdiArea *m_mdi = nullptr;
    QToolBar *m_toolBar = nullptr;
    QLabel *m_msg = nullptr;
    QHash<QString, QAction *> m_actions;
    QHash<QString, std::function<void()>> m_handlers;
    bool m_rendering = false;

    QPointer<ConditionsScreen> m_conditions;
    QPointer<PipeScreen> m_pipe;
    QPointer<CircularPipeScreen> m_circular;
    QPointer<DitchScreen> m_ditch;
    QPointer<PolygonDitchScreen> m_polygon;
    QPointer<ResultScreen> m_result;
};

} // namespace niruka
