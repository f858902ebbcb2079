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

// The inputs that decide a check: equal inputs give the same result.
bool sameCheckInputs(const DesignCase &a, const DesignCase &b)
{
    return a.runoffCoeff == b.runoffCoeff && a.catchmentArea == b.catchmentArea &&
           a.rainIntensity == b.rainIntensity && a.allowanceChoice == b.allowanceChoice &&
           a.allowanceRate == b.allowanceRate && a.velocityFormula == b.velocityFormula &&
           a.roughness == b.roughness && a.gradient == b.gradient && a.facilityKind == b.facilityKind &&
           a.section.flowArea == b.section.flowArea &&
           a.section.wettedPerimeter == b.section.wettedPerimeter && a.displayName() == b.displayName();
}

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

MainFrame::MainFrame(QWidget *parent) : QMainWindow(parent)
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

    // Start: a hint, and no result to save or print.
    statusMessage(noResultStartHint());
    applyFileCommands(fileCommandsAllOff());

    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    resize(1060 * dpi / 96, 740 * dpi / 96);
}

MainFrame::~MainFrame()
{
    // The screens refer to this window; unload them while it is still whole.
    const auto windows = m_mdi->subWindowList();
    for (QMdiSubWindow *w : windows)
        delete w;
    const auto screens = m_headlessScreens;
    for (const QPointer<QWidget> &screen : screens)
        delete screen.data();
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
    m_msg->setText(text);
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
        statusMessage(notAvailableYet());
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
    if (m_headless) {
        screen->setParent(this); // a plain child, hidden
        m_headlessScreens.removeAll(nullptr);
        m_headlessScreens.append(screen);
        return nullptr;
    }
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
    action("Men_FSav")->setEnabled(s.saveAs);
    action("Men_FOvw")->setEnabled(s.overwrite);
    action("Men_FImg")->setEnabled(s.printImage);
    action("Men_FPrn")->setEnabled(s.print);
    action("Men_FEWri")->setEnabled(s.editorWrite);
    toolbarButton(3)->setEnabled(s.toolbarOverwrite);
    toolbarButton(5)->setEnabled(s.toolbarImage);
    toolbarButton(6)->setEnabled(s.toolbarPrint);
}

void MainFrame::refreshFileCommands()
{
    applyFileCommands(fileCommandsOnMenuOpen(m_design.hasResult(), !m_fileName.isEmpty()));
}

// --- the design ----------------------------------------------------------------------------------------

void MainFrame::FileNew()
{
    Tojiru();
    openConditionsScreen();
    m_conditions->prepareNew(); // options, looks, and the first facility kind
    m_conditions->focusField("txt_c");
    m_fileName.clear();
    // Every save, print and write command: a new design has no result ("書き込み" included, which would
    // otherwise write a report of nothing).
    applyFileCommands(fileCommandsAllOff());
    statusMessage(conditionsHint());
    m_toolBar->setVisible(true);
    statusBar()->setVisible(true);
}

ConditionsScreen *MainFrame::openConditionsScreen()
{
    if (!m_conditions) {
        m_conditions = new ConditionsScreen(*this);
        m_design.conditionsOpen = 1;
        closeResultOnEntryChange(m_conditions);
        addDesignScreen(m_conditions, 0, 0);
    }
    return m_conditions;
}

void MainFrame::Tojiru()
{
    if (m_conditions) {
        closeSubWindowOf(m_conditions);
        m_design.conditionsOpen = 0;
    }
    closeSubWindowOf(m_pipe);
    closeSubWindowOf(m_circular);
    closeSubWindowOf(m_ditch);
    closeResult();
    closeSubWindowOf(m_polygon);
    emit designScreensClosing();
    resetDesign();
    m_design.velocityFacility.screenGroup = 0;
}

void MainFrame::resetDesign()
{
    m_design = designKeepingLifetimeValues(m_design);
    m_shownResult = DesignCase{};
}

std::optional<Refusal> MainFrame::checkDesign(const FacilityRules &facilityRules, CheckMode mode)
{
    DesignCase next = designKeepingLifetimeValues(m_design);
    const ConditionsEntries conditions = conditionsEntries();
    std::optional<Refusal> refusal = facilityRules(next, conditions);
    if (!refusal)
        refusal = deriveCalculatorValues(
            next, conditions, m_calculatorEntries ? m_calculatorEntries() : CalculatorEntries{}, mode);
    if (refusal) {
        closeResult();
        return refusal;
    }
    m_design = next;
    return std::nullopt;
}

void MainFrame::selectFacilityKind(FacilityKind kind)
{
    const FacilitySwitch sw = facilitySwitchFor(kind, openFacilityScreen());
    for (FacilityScreenId id : sw.closes) {
        switch (id) {
        case FacilityScreenId::Pipe:
            closeSubWindowOf(m_pipe);
            break;
        case FacilityScreenId::Circular:
            closeSubWindowOf(m_circular);
            break;
        case FacilityScreenId::Ditch:
            closeSubWindowOf(m_ditch);
            break;
        case FacilityScreenId::Polygon:
            closeSubWindowOf(m_polygon);
            break;
        case FacilityScreenId::None:
            break;
        }
    }
    constexpr int kFacilityLeft = 6165;
    switch (sw.opens) {
    case FacilityScreenId::Pipe:
        if (!m_pipe) {
            m_pipe = new PipeScreen(*this);
            m_pipe->fillSeries(kind);
            closeResultOnEntryChange(m_pipe);
            addDesignScreen(m_pipe, kFacilityLeft, 0);
        } else {
            m_pipe->fillSeries(kind);
        }
        break;
    case FacilityScreenId::Circular:
        if (!m_circular) {
            m_circular = new CircularPipeScreen(*this);
            closeResultOnEntryChange(m_circular);
            addDesignScreen(m_circular, kFacilityLeft, 0);
        }
        break;
    case FacilityScreenId::Ditch:
        if (!m_ditch) {
            m_ditch = new DitchScreen(*this);
            closeResultOnEntryChange(m_ditch);
            addDesignScreen(m_ditch, kFacilityLeft, 0);
        }
        break;
    case FacilityScreenId::Polygon:
        if (!m_polygon) {
            m_polygon = new PolygonDitchScreen(*this);
            closeResultOnEntryChange(m_polygon);
            addDesignScreen(m_polygon, kFacilityLeft, 0);
        }
        break;
    case FacilityScreenId::None:
        break;
    }
    if (m_conditions)
        m_conditions->focusField("lst_s");
}

ConditionsEntries MainFrame::conditionsEntries() const
{
    return m_conditions ? m_conditions->entries() : ConditionsEntries{};
}

void MainFrame::refuse(const Refusal &refusal, QWidget *facilityScreen)
{
    showError(this, refusal.message);
    if (refusal.focus.owner == FieldOwner::Conditions) {
        if (m_conditions)
            m_conditions->focusField(refusal.focus.name.toLatin1().constData());
        return;
    }
    if (!facilityScreen)
        return;
    QWidget *field = facilityScreen->findChild<QWidget *>(refusal.focus.name);
    activateScreen(facilityScreen);
    focusCaretAtStart(field);
}

void MainFrame::showResult()
{
    if (m_result) {
        if (sameCheckInputs(m_design, m_shownResult)) {
            if (auto *sub = qobject_cast<QMdiSubWindow *>(m_result->parentWidget())) {
                sub->raise();
                m_mdi->setActiveSubWindow(sub);
            }
            return;
        }
        // Entries typed without a click since the result was shown: show the new check instead.
        const CapacityResult fresh = m_design.result;
        closeResult();
        m_design.result = fresh;
    }
    const ResultView view = resultViewOf(m_design);
    m_result = new ResultScreen(view);
    m_shownResult = m_design;
    addDesignScreen(m_result, 0, 5115);
    statusMessage(view.status);
    if (view.exceeds)
        platform().beep();
    applyFileCommands(fileCommandsOnMenuOpen(true, !m_fileName.isEmpty()));
}

void MainFrame::closeResultOnEntryChange(QWidget *screen)
{
    onEntryChange(screen, [this] { closeResult(); });
}

bool MainFrame::resultShown() const
{
    return m_result && m_design.hasResult();
}

void MainFrame::closeResult()
{
    // Taken out first: closing the sub-window moves the focus, which can end the result again.
    if (ResultScreen *result = m_result.data()) {
        m_result = nullptr;
        closeSubWindowOf(result);
    }
    m_design.result.capacity = 0.0;
    applyFileCommands(fileCommandsAllOff());
    // No verdict stays without its result (a click then shows its own note).
    if (isVerdictText(statusText()))
        statusMessage(conditionsHint());
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
    platform().launchEditor(QStringLiteral("Niruka.txt"));
}

void MainFrame::closeDesign()
{
    const MsgAnswer a = platform().message(
        this, {QStringLiteral("確認"), QStringLiteral("作成中のデータが失われます。閉じてもよろしいですか？"),
               MsgButtons::OkCancel, MsgIcon::Question, MsgAnswer::Cancel});
    if (a == MsgAnswer::Cancel)
        return;
    Tojiru();
    statusMessage(QString());
    applyFileCommands(fileCommandsAllOff());
}

void MainFrame::exitFromMenu()
{
    const MsgAnswer a =
        platform().message(this, {QStringLiteral("確認"), QStringLiteral("終了してもよろしいですか？"),
                                  MsgButtons::YesNo, MsgIcon::Question, MsgAnswer::No});
    if (a == MsgAnswer::No)
        return;
    quitApplication();
}

void MainFrame::quitApplication()
{
    m_exiting = true;
    emit exitRequested();
    close();
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    const MsgAnswer a =
        platform().message(this, {applicationTitle(), QStringLiteral("終了してもよろしいですか?"),
                                  MsgButtons::YesNo, MsgIcon::None, MsgAnswer::Yes});
    if (a == MsgAnswer::No) {
        event->ignore();
        return;
    }
    m_exiting = true;
    emit exitRequested();
    event->accept();
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
