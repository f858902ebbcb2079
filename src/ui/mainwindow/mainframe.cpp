#include "ui/mainwindow/mainframe.h"

#include "ui/design/circularpipescreen.h"
#include "ui/design/conditionsscreen.h"
#include "ui/design/ditchscreen.h"
#include "ui/design/pipescreen.h"
#include "ui/design/polygonditchscreen.h"
#include "ui/design/resultscreen.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/platformservices.h"
#include "ui/mainwindow/referencescreen.h"
#include "ui/mainwindow/versionscreen.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace niruka {

namespace {

constexpr Qt::WindowFlags kScreenFlags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// The design screens close only through the workflow (which resets the result and the flags that go with
// them), never through a window shortcut such as Ctrl+W.
class KeepOpen : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

QString MainFrame::applicationTitle()
{
    return QStringLiteral("ニルカ（雨水編）");
}

MainFrame::MainFrame(QWidget *parent) : QMainWindow(parent), m_session(sessionServices())
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(applicationTitle());
    installPlatformAsSessionServices();

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIArea"));
    setCentralWidget(m_mdi);

    // Menus
    QMenu *file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("Men_F"));
    m_actions.insert(QStringLiteral("Men_F"), file->menuAction());
    connect(file, &QMenu::aboutToShow, this, &MainFrame::refreshFileCommands);
    connect(addCommand(file, "Men_FNew", QStringLiteral("新規作成(&N)")), &QAction::triggered, this,
            &MainFrame::FileNew);
    connect(addCommand(file, "Men_FOpn", QStringLiteral("開く(&O)")), &QAction::triggered, this,
            &MainFrame::FileOpen);
    connect(addCommand(file, "Men_FCls", QStringLiteral("閉じる(&C)")), &QAction::triggered, this,
            &MainFrame::closeDesign);
    file->addSeparator();
    connect(addCommand(file, "Men_FOvw", QStringLiteral("上書き保存(&S)")), &QAction::triggered, this,
            &MainFrame::FileUpdate);
    connect(addCommand(file, "Men_FSav", QStringLiteral("名前をつけて保存(&A)")), &QAction::triggered, this,
            &MainFrame::fileSaveAs);
    file->addSeparator();
    connect(addCommand(file, "Men_FImg", QStringLiteral("印刷ｲﾒｰｼﾞ(&I)")), &QAction::triggered, this,
            &MainFrame::FileImage);
    connect(addCommand(file, "Men_FPrn", QStringLiteral("印刷(&P)")), &QAction::triggered, this,
            &MainFrame::FilePrint);
    file->addSeparator();
    QMenu *editor = file->addMenu(QStringLiteral("ｴﾃﾞｨﾀ(&E)"));
    editor->setObjectName(QStringLiteral("Men_FEdi"));
    m_actions.insert(QStringLiteral("Men_FEdi"), editor->menuAction());
    connect(addCommand(editor, "Men_FEWri", QStringLiteral("書き込み(&W)")), &QAction::triggered, this,
            &MainFrame::Kakikomi);
    connect(addCommand(editor, "Men_FEOpn", QStringLiteral("起動(&O)")), &QAction::triggered, this,
            &MainFrame::startEditor);
    file->addSeparator();
    connect(addCommand(file, "Men_FEnd", QStringLiteral("終了(&X)")), &QAction::triggered, this,
            &MainFrame::exitFromMenu);

    connect(addCommand(nullptr, "Men_S", QStringLiteral("参考(&S)")), &QAction::triggered, this,
            &MainFrame::showReference);
    connect(addCommand(nullptr, "Men_G", QStringLiteral("ｸﾞﾗﾌ(G)")), &QAction::triggered, this,
            &MainFrame::openDiagram);
    QMenu *help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("Men_H"));
    m_actions.insert(QStringLiteral("Men_H"), help->menuAction());
    connect(addCommand(help, "Men_HVer", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)")), &QAction::triggered, this,
            &MainFrame::showVersion);

    // Toolbar: buttons by index, 4 is a separator.
    m_toolBar = addToolBar(QStringLiteral("Toolbar1"));
    m_toolBar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    struct Button {
        int index;
        const char *caption;
        const char *tip;
        void (MainFrame::*slot)();
    };
    const Button buttons[] = {
        {1, "新規作成", "[ファイル]-[新規作成]", &MainFrame::FileNew},
        {2, "開く", "[ファイル]-[開く]", &MainFrame::FileOpen},
        {3, "上書き保存", "[ファイル]-[上書き保存]", &MainFrame::FileUpdate},
        {4, nullptr, nullptr, nullptr},
        {5, "印刷ｲﾒｰｼﾞ", "[ファイル]-[印刷ｲﾒｰｼﾞ]", &MainFrame::FileImage},
        {6, "印刷", "[ファイル]-[印刷]", &MainFrame::FilePrint},
    };
    for (const Button &b : buttons) {
        QAction *a = nullptr;
        if (b.caption) {
            a = m_toolBar->addAction(QString::fromUtf8(b.caption));
            a->setToolTip(QString::fromUtf8(b.tip));
            connect(a, &QAction::triggered, this, b.slot);
        } else {
            a = m_toolBar->addSeparator();
        }
        const QString name = QStringLiteral("Toolbar1_%1").arg(b.index);
        a->setObjectName(name);
        m_actions.insert(name, a);
    }

    m_msg = new QLabel(this);
    m_msg->setObjectName(QStringLiteral("msg"));
    statusBar()->addWidget(m_msg, 1);
    statusBar()->setSizeGripEnabled(true);

    connect(&m_session, &DesignSession::screenOpened, this, &MainFrame::onScreenOpened);
    connect(&m_session, &DesignSession::screenClosed, this, &MainFrame::onScreenClosed);
    connect(&m_session, &DesignSession::screenShown, this, &MainFrame::onScreenShown);
    connect(&m_session, &DesignSession::focusRequested, this, &MainFrame::onFocusRequested);
    connect(&m_session, &DesignSession::partsChanged, this, &MainFrame::render);
    connect(&m_session, &DesignSession::exitRequested, this, &MainFrame::exitRequested);
    // What other windows change on the chrome directly (a calculator, the print image, the diagram) is
    // the session's state too.
    m_toolBar->installEventFilter(this);
    statusBar()->installEventFilter(this);
    for (const char *name : {"Men_G", "Men_S"}) {
        QAction *a = action(name);
        connect(a, &QAction::enabledChanged, this, [this] {
            if (m_rendering)
                return;
            m_session.setDiagramMenuEnabled(action("Men_G")->isEnabled());
            m_session.setReferenceMenuEnabled(action("Men_S")->isEnabled());
        });
    }

    // Start: a hint, and no result to save or print.
    render(Part::Status | Part::FileCommands | Part::Chrome);

    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    resize(1060 * dpi / 96, 740 * dpi / 96);
}

MainFrame::~MainFrame()
{
    // The screens refer to this window; unload them while it is still whole.
    disconnect(&m_session, nullptr, this, nullptr);
    const auto windows = m_mdi->subWindowList();
    for (QMdiSubWindow *w : windows)
        delete w;
}

bool MainFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_rendering && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        const bool shown = event->type() == QEvent::ShowToParent;
        if (watched == m_toolBar && m_session.window().toolbarVisible != shown)
            m_session.setToolbarVisible(shown);
        else if (watched == statusBar() && m_session.window().statusBarVisible != shown)
            m_session.setChrome(m_session.window().toolbarVisible, shown);
    }
    return QMainWindow::eventFilter(watched, event);
}

ConditionsScreen *MainFrame::conditionsScreen() const
{
    return m_conditions.data();
}

PipeScreen *MainFrame::pipeScreen() const
{
    return m_pipe.data();
}

CircularPipeScreen *MainFrame::circularPipeScreen() const
{
    return m_circular.data();
}

DitchScreen *MainFrame::ditchScreen() const
{
    return m_ditch.data();
}

PolygonDitchScreen *MainFrame::polygonDitchScreen() const
{
    return m_polygon.data();
}

ResultScreen *MainFrame::resultScreen() const
{
    return m_result.data();
}

QAction *MainFrame::addCommand(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    m_actions.insert(a->objectName(), a);
    return a;
}

QAction *MainFrame::action(const char *name) const
{
    return m_actions.value(QString::fromLatin1(name), nullptr);
}

QAction *MainFrame::toolbarButton(int index) const
{
    return m_actions.value(QStringLiteral("Toolbar1_%1").arg(index), nullptr);
}

QString MainFrame::statusText() const
{
    return m_msg->text();
}

void MainFrame::statusMessage(const QString &text)
{
    m_session.setStatus(text);
}

void MainFrame::setCommandHandler(const char *name, std::function<void()> handler)
{
    m_handlers.insert(QString::fromLatin1(name), std::move(handler));
}

bool MainFrame::hasCommandHandler(const char *name) const
{
    const auto it = m_handlers.constFind(QString::fromLatin1(name));
    return it != m_handlers.constEnd() && *it;
}

void MainFrame::runCommandHandler(const char *name)
{
    const auto it = m_handlers.constFind(QString::fromLatin1(name));
    if (it != m_handlers.constEnd() && *it)
        (*it)();
    else
        m_session.setStatus(notAvailableYet());
}

int MainFrame::twipsToPixels(int twips) const
{
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    return twips * dpi / 1440;
}

void MainFrame::placeAtTwips(QMdiSubWindow *window, int leftTwips, int topTwips)
{
    window->move(twipsToPixels(leftTwips), twipsToPixels(topTwips));
}

QMdiSubWindow *MainFrame::addScreen(QWidget *screen, int leftTwips, int topTwips)
{
    QMdiSubWindow *sub = m_mdi->addSubWindow(screen, kScreenFlags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(screen->windowTitle());
    sub->adjustSize();
    placeAtTwips(sub, leftTwips, topTwips);
    sub->show();
    return sub;
}

void MainFrame::activateScreen(QWidget *screen)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(screen ? screen->parentWidget() : nullptr))
        m_mdi->setActiveSubWindow(sub);
}

void MainFrame::addDesignScreen(QWidget *screen, int leftTwips, int topTwips)
{
    if (QMdiSubWindow *sub = addScreen(screen, leftTwips, topTwips))
        sub->installEventFilter(new KeepOpen(sub));
}

void MainFrame::closeSubWindowOf(QWidget *screen)
{
    if (!screen)
        return;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget())) {
        m_mdi->removeSubWindow(sub);
        delete sub;
    } else {
        delete screen;
    }
}

FacilityScreenId MainFrame::openFacilityScreen() const
{
    if (m_pipe)
        return FacilityScreenId::Pipe;
    if (m_circular)
        return FacilityScreenId::Circular;
    if (m_ditch)
        return FacilityScreenId::Ditch;
    if (m_polygon)
        return FacilityScreenId::Polygon;
    return FacilityScreenId::None;
}

FacilityScreen *MainFrame::facilityScreen() const
{
    if (m_pipe)
        return m_pipe.data();
    if (m_circular)
        return m_circular.data();
    if (m_ditch)
        return m_ditch.data();
    return m_polygon.data();
}

FileCommandState MainFrame::fileCommands() const
{
    FileCommandState s;
    s.saveAs = action("Men_FSav")->isEnabled();
    s.overwrite = action("Men_FOvw")->isEnabled();
    s.printImage = action("Men_FImg")->isEnabled();
    s.print = action("Men_FPrn")->isEnabled();
    s.editorWrite = action("Men_FEWri")->isEnabled();
    s.toolbarOverwrite = toolbarButton(3)->isEnabled();
    s.toolbarImage = toolbarButton(5)->isEnabled();
    s.toolbarPrint = toolbarButton(6)->isEnabled();
    return s;
}

void MainFrame::applyFileCommands(const FileCommandState &s)
{
    m_session.setFileCommands(s);
}

void MainFrame::render(Parts parts)
{
    const bool rendering = m_rendering;
    m_rendering = true;
    if (parts & Part::Status)
        m_msg->setText(m_session.window().statusText);
    if (parts & Part::FileCommands) {
        const FileCommandState &s = m_session.window().commands;
        action("Men_FSav")->setEnabled(s.saveAs);
        action("Men_FOvw")->setEnabled(s.overwrite);
        action("Men_FImg")->setEnabled(s.printImage);
        action("Men_FPrn")->setEnabled(s.print);
        action("Men_FEWri")->setEnabled(s.editorWrite);
        toolbarButton(3)->setEnabled(s.toolbarOverwrite);
        toolbarButton(5)->setEnabled(s.toolbarImage);
        toolbarButton(6)->setEnabled(s.toolbarPrint);
    }
    if (parts & Part::Chrome)
        renderChrome();
    if ((parts & Part::Conditions) && m_conditions)
        m_conditions->render();
    if (parts & Part::Facility)
        if (FacilityScreen *facility = facilityScreen())
            facility->render();
    if ((parts & Part::Result) && m_result)
        m_result->setForm(m_session.result());
    m_rendering = rendering;
}

void MainFrame::renderChrome()
{
    const MainWindowState &w = m_session.window();
    m_toolBar->setVisible(w.toolbarVisible);
    statusBar()->setVisible(w.statusBarVisible);
    action("Men_G")->setEnabled(w.diagramMenuEnabled);
    action("Men_S")->setEnabled(w.referenceMenuEnabled);
}

void MainFrame::refreshFileCommands()
{
    m_session.fileMenuOpened();
}

// --- the design ----------------------------------------------------------------------------------------

void MainFrame::FileNew()
{
    m_session.fileNew();
}

ConditionsScreen *MainFrame::openConditionsScreen()
{
    m_session.openConditions();
    return m_conditions;
}

void MainFrame::Tojiru()
{
    m_session.tojiru();
}

void MainFrame::showResult()
{
    m_session.showResult();
}

void MainFrame::closeResult()
{
    m_session.closeResult();
}

bool MainFrame::resultShown() const
{
    return m_session.resultShown();
}

void MainFrame::closeResultOnEntryChange(QWidget *screen)
{
    onEntryChange(screen, [this] { closeResult(); });
}

QWidget *MainFrame::screenWidget(ScreenId id) const
{
    switch (id) {
    case ScreenId::Conditions:
        return m_conditions.data();
    case ScreenId::Pipe:
        return m_pipe.data();
    case ScreenId::Circular:
        return m_circular.data();
    case ScreenId::Ditch:
        return m_ditch.data();
    case ScreenId::Polygon:
        return m_polygon.data();
    case ScreenId::Result:
        return m_result.data();
    default:
        return nullptr;
    }
}

void MainFrame::onScreenOpened(ScreenId id)
{
    constexpr int kFacilityLeft = 6165;
    switch (id) {
    case ScreenId::Conditions:
        if (!m_conditions) {
            m_conditions = new ConditionsScreen(*this);
            m_conditions->render();
            addDesignScreen(m_conditions, 0, 0);
        }
        break;
    case ScreenId::Pipe:
        if (!m_pipe) {
            m_pipe = new PipeScreen(*this);
            m_pipe->render();
            addDesignScreen(m_pipe, kFacilityLeft, 0);
        }
        break;
    case ScreenId::Circular:
        if (!m_circular) {
            m_circular = new CircularPipeScreen(*this);
            m_circular->render();
            addDesignScreen(m_circular, kFacilityLeft, 0);
        }
        break;
    case ScreenId::Ditch:
        if (!m_ditch) {
            m_ditch = new DitchScreen(*this);
            m_ditch->render();
            addDesignScreen(m_ditch, kFacilityLeft, 0);
        }
        break;
    case ScreenId::Polygon:
        if (!m_polygon) {
            m_polygon = new PolygonDitchScreen(*this);
            m_polygon->render();
            addDesignScreen(m_polygon, kFacilityLeft, 0);
        }
        break;
    case ScreenId::Result:
        if (!m_result) {
            m_result = new ResultScreen(m_session.looks().result);
            m_result->setForm(m_session.result());
            addDesignScreen(m_result, 0, 5115);
        }
        break;
    default:
        break;
    }
}

void MainFrame::onScreenClosed(ScreenId id)
{
    // Taken out first: closing the sub-window moves the focus, which can reach the session again.
    QWidget *screen = screenWidget(id);
    switch (id) {
    case ScreenId::Conditions:
        m_conditions = nullptr;
        break;
    case ScreenId::Pipe:
        m_pipe = nullptr;
        break;
    case ScreenId::Circular:
        m_circular = nullptr;
        break;
    case ScreenId::Ditch:
        m_ditch = nullptr;
        break;
    case ScreenId::Polygon:
        m_polygon = nullptr;
        break;
    case ScreenId::Result:
        m_result = nullptr;
        break;
    default:
        return;
    }
    closeSubWindowOf(screen);
}

void MainFrame::onScreenShown(ScreenId id, bool visible)
{
    QWidget *screen = screenWidget(id);
    if (!screen || !visible)
        return;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget())) {
        sub->raise();
        m_mdi->setActiveSubWindow(sub);
    }
}

void MainFrame::onFocusRequested(const FocusRequest &request)
{
    QWidget *screen = screenWidget(request.control.screen);
    if (!screen)
        return;
    QWidget *field = screen->findChild<QWidget *>(request.control.name);
    if (!field && request.style != FocusStyle::CaretAtStart)
        return;
    if (request.activateScreen)
        activateScreen(screen);
    switch (request.style) {
    case FocusStyle::Plain:
        field->setFocus();
        break;
    case FocusStyle::SelectAll:
        focusSelectingAll(field);
        break;
    case FocusStyle::CaretAtStart:
        focusCaretAtStart(field);
        break;
    }
}

// --- commands ------------------------------------------------------------------------------------------

void MainFrame::FileOpen()
{
    runCommandHandler("Men_FOpn");
}

void MainFrame::FileUpdate()
{
    runCommandHandler("Men_FOvw");
}

void MainFrame::fileSaveAs()
{
    runCommandHandler("Men_FSav");
}

void MainFrame::FileImage()
{
    runCommandHandler("Men_FImg");
}

void MainFrame::FilePrint()
{
    runCommandHandler("Men_FPrn");
}

void MainFrame::Kakikomi()
{
    runCommandHandler("Men_FEWri");
}

void MainFrame::openDiagram()
{
    runCommandHandler("Men_G");
}

void MainFrame::startEditor()
{
    m_session.startEditor();
}

void MainFrame::closeDesign()
{
    m_session.closeDesign();
}

void MainFrame::exitFromMenu()
{
    if (m_session.exitFromMenu())
        close();
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    if (m_session.confirmWindowClose())
        event->accept();
    else
        event->ignore();
}

void MainFrame::showReference()
{
    ReferenceScreen screen(this);
    screen.exec();
}

void MainFrame::showVersion()
{
    VersionScreen screen(this);
    screen.exec();
}

} // namespace niruka
