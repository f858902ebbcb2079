#include "ui/diagram/graphscreen.h"

#include "diagram/curvefamily.h"
#include "diagram/diagrampainter.h"
#include "ui/mainwindow/platformservices.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace niruka {

namespace {

constexpr double kSurfaceDpi = 96;   // the page surface is laid out at the logical screen resolution
constexpr int kViewportHeight = 480; // the fixed window onto the page surface

} // namespace

// The page surface: the last drawing kept as an image, shown inside the viewport.
class GraphSurface : public QWidget {
public:
    explicit GraphSurface(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Picture2"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        const QSize size =
            surfacePixelSize(defaultPageSizePoints(), DiagramTarget::Screen, kSurfaceDpi).toSize();
        m_image = QImage(size, QImage::Format_RGB32);
        m_image.fill(Qt::white);
        setFixedSize(size);
    }

    void draw(const DiagramGeometry &geometry)
    {
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        paintDiagram(painter, geometry,
                     diagramSurface(defaultPageSizePoints(), DiagramTarget::Screen, kSurfaceDpi));
        painter.end();
        update();
    }

    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_image);
    }

private:
    QImage m_image;
};

GraphScreen::GraphScreen(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GraphScreen"));
    setWindowTitle(QStringLiteral("ニルカ"));
    buildUi();

    // Load: both lists filled, family 0 and depth "水深８割"; the page set up and the empty diagram drawn.
    m_family->addItems(DiagramSession::familyLines());
    m_depth->addItems(DiagramSession::depthLines());
    render();
    pageSetUp();
    m_surface->draw(m_session.surfaceGeometry());
    connectSession();
}

GraphScreen::~GraphScreen() = default;

void GraphScreen::buildUi()
{
    auto *menuBar = new QMenuBar(this);
    m_menu = menuBar->addMenu(QStringLiteral("グラフ(&G)"));
    m_menu->setObjectName(QStringLiteral("Men_Graph"));
    m_new = m_menu->addAction(QStringLiteral("新規作成(&N)"), this, [this] { m_session.fileNew(); });
    m_new->setObjectName(QStringLiteral("Men_GNew"));
    m_open = m_menu->addAction(QStringLiteral("開く(&O)"), this, [this] { m_session.fileOpen(); });
    m_open->setObjectName(QStringLiteral("Men_GOpn"));
    m_overwrite =
        m_menu->addAction(QStringLiteral("上書き保存(&S)"), this, [this] { m_session.overwrite(); });
    m_overwrite->setObjectName(QStringLiteral("Men_GOvw"));
    m_saveAs =
        m_menu->addAction(QStringLiteral("名前をつけて保存(&A)"), this, [this] { m_session.saveAs(); });
    m_saveAs->setObjectName(QStringLiteral("Men_GSav"));
    m_menu->addSeparator();
    m_close = m_menu->addAction(QStringLiteral("閉じる(&C)"), this, &GraphScreen::closeWindow);
    m_close->setObjectName(QStringLiteral("Men_GCls"));
    connect(m_menu, &QMenu::aboutToShow, this, [this] { m_session.menuOpened(); });

    auto named = [](QWidget *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    m_family = new QComboBox(this);
    named(m_family, "cbo1");
    m_family->setMaxVisibleItems(kFamilyListSize);
    m_depth = new QComboBox(this);
    named(m_depth, "cbo2");
    m_depth->setMaxVisibleItems(15);
    m_roughness = new QLineEdit(this);
    named(m_roughness, "txt1");
    m_runoff = new QLineEdit(this);
    named(m_runoff, "txt2");
    m_intensity = new QLineEdit(this);
    named(m_intensity, "txt3");
    auto *formulaFrame = new QGroupBox(QStringLiteral("流速の計算方法"), this);
    m_manning = new QRadioButton(QStringLiteral("マニング公式"), formulaFrame);
    named(m_manning, "opt1");
    m_kutter = new QRadioButton(QStringLiteral("クッター公式"), formulaFrame);
    named(m_kutter, "opt2");
    m_formulaGroup = new QButtonGroup(this);
    m_formulaGroup->addButton(m_manning);
    m_formulaGroup->addButton(m_kutter);
    auto *formulaLayout = new QVBoxLayout(formulaFrame);
    formulaLayout->addWidget(m_manning);
    formulaLayout->addWidget(m_kutter);
    m_draw = new QPushButton(QStringLiteral("グラフ 描画"), this);
    named(m_draw, "cmd1");
    m_draw->setAutoDefault(true); // Enter on the focused button presses it
    m_print = new QPushButton(QStringLiteral("グラフ 印刷"), this);
    named(m_print, "cmd2");
    m_print->setAutoDefault(true); // Enter on the focused button presses it

    auto *inputs = new QGridLayout;
    int row = 0;
    inputs->addWidget(new QLabel(QStringLiteral("施設の種類"), this), row++, 0, 1, 2);
    inputs->addWidget(m_family, row++, 0, 1, 2);
    inputs->addWidget(new QLabel(QStringLiteral("水深 水量"), this), row++, 0, 1, 2);
    inputs->addWidget(m_depth, row++, 0, 1, 2);
    inputs->addWidget(new QLabel(QStringLiteral("粗度係数 "), this), row++, 0, 1, 2);
    inputs->addWidget(new QLabel(QStringLiteral("n＝"), this), row, 0);
    inputs->addWidget(m_roughness, row++, 1);
    inputs->addWidget(formulaFrame, row++, 0, 1, 2);
    inputs->addWidget(new QLabel(QStringLiteral("流出係数 "), this), row++, 0, 1, 2);
    inputs->addWidget(new QLabel(QStringLiteral("Ｃ＝"), this), row, 0);
    inputs->addWidget(m_runoff, row++, 1);
    inputs->addWidget(new QLabel(QStringLiteral("１時間当たりの降雨強度 "), this), row++, 0, 1, 2);
    inputs->addWidget(new QLabel(QStringLiteral("I＝"), this), row, 0);
    inputs->addWidget(m_intensity, row++, 1);
    inputs->addWidget(m_draw, row++, 0, 1, 2);
    inputs->addWidget(m_print, row++, 0, 1, 2);
    inputs->setRowStretch(row, 1);

    m_viewport = new QWidget(this);
    named(m_viewport, "Picture1");
    m_surface = new GraphSurface(m_viewport);
    m_viewport->setFixedSize(m_surface->width(), kViewportHeight);
    m_scroll = new QScrollBar(Qt::Vertical, this);
    named(m_scroll, "VScroll1");
    m_scroll->setFixedHeight(kViewportHeight);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) { m_surface->move(0, -value); });

    auto *body = new QHBoxLayout;
    body->addLayout(inputs);
    body->addWidget(m_viewport, 0, Qt::AlignTop);
    body->addWidget(m_scroll, 0, Qt::AlignTop);
    auto *outer = new QVBoxLayout(this);
    outer->setMenuBar(menuBar);
    outer->addLayout(body);

    connect(m_family, &QComboBox::activated, this, [this](int position) {
        m_session.selectFamily(position);
        m_draw->setEnabled(true);
        m_print->setEnabled(true);
    });
    connect(m_draw, &QPushButton::clicked, this, [this] { m_session.draw(); });
    connect(m_print, &QPushButton::clicked, this, &GraphScreen::printClicked);

    for (QWidget *w : {static_cast<QWidget *>(m_family), static_cast<QWidget *>(m_depth),
                       static_cast<QWidget *>(m_roughness), static_cast<QWidget *>(m_manning),
                       static_cast<QWidget *>(m_kutter), static_cast<QWidget *>(m_runoff),
                       static_cast<QWidget *>(m_intensity), static_cast<QWidget *>(m_draw)})
        w->installEventFilter(this);
    setTabOrder(m_family, m_depth);
    setTabOrder(m_depth, m_roughness);
    setTabOrder(m_roughness, m_manning);
    setTabOrder(m_manning, m_kutter);
    setTabOrder(m_kutter, m_runoff);
    setTabOrder(m_runoff, m_intensity);
    setTabOrder(m_intensity, m_draw);
    setTabOrder(m_draw, m_print);
}

// The surface is the page at 1/1.6; the scroll range lets the viewport travel over all of it.
void GraphScreen::pageSetUp()
{
    const int maximum = std::max(0, m_surface->height() - m_viewport->height());
    m_scroll->setRange(0, maximum);
    m_scroll->setPageStep(maximum);
    m_scroll->setSingleStep(std::max(1, maximum / 4));
}

// What the fields show goes to the session as it changes, including changes a program makes; the user's
// actions go to it as they happen. The session's changes come back as a render of the fields, a new
// drawing on the page surface, or a focus move.
void GraphScreen::connectSession()
{
    auto sync = [this](auto apply) {
        return [this, apply](auto &&...) {
            if (!m_rendering)
                apply();
        };
    };
    connect(m_family, &QComboBox::currentIndexChanged, this,
            sync([this] { m_session.setFamilyRow(m_family->currentIndex()); }));
    connect(m_depth, &QComboBox::currentIndexChanged, this,
            sync([this] { m_session.setDepthRow(m_depth->currentIndex()); }));
    auto formula = sync([this] { m_session.setFormulaMarks(m_manning->isChecked(), m_kutter->isChecked()); });
    connect(m_manning, &QRadioButton::toggled, this, formula);
    connect(m_kutter, &QRadioButton::toggled, this, formula);
    connect(m_roughness, &QLineEdit::textChanged, this,
            sync([this] { m_session.setRoughness(m_roughness->text()); }));
    connect(m_runoff, &QLineEdit::textChanged, this, sync([this] { m_session.setRunoff(m_runoff->text()); }));
    connect(m_intensity, &QLineEdit::textChanged, this,
            sync([this] { m_session.setIntensity(m_intensity->text()); }));

    m_session.onFieldsChanged = [this] { render(); };
    m_session.onSurfaceChanged = [this] { m_surface->draw(m_session.surfaceGeometry()); };
    m_session.onFocus = [this](const QString &control) { focusControl(control); };
}

void GraphScreen::render()
{
    const QScopedValueRollback<bool> rendering(m_rendering, true);
    const DiagramFields &f = m_session.fields();
    if (m_family->currentIndex() != f.familyRow)
        m_family->setCurrentIndex(f.familyRow);
    if (m_depth->currentIndex() != f.depthRow)
        m_depth->setCurrentIndex(f.depthRow);
    if (m_manning->isChecked() != f.manning || m_kutter->isChecked() != f.kutter) {
        m_formulaGroup->setExclusive(false);
        m_manning->setChecked(f.manning);
        m_kutter->setChecked(f.kutter);
        m_formulaGroup->setExclusive(true);
    }
    for (auto [field, text] : {std::pair{m_roughness, &f.roughness}, std::pair{m_runoff, &f.runoff},
                               std::pair{m_intensity, &f.intensity}})
        if (field->text() != *text)
            field->setText(*text);
    m_saveAs->setEnabled(m_session.menuState().saveAs);
    m_overwrite->setEnabled(m_session.menuState().overwrite);
}

void GraphScreen::openFromMainMenu()
{
    m_session.openFromMainMenu();
    show();
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        frame->show();
        frame->raise();
    }
    raise();
    activateWindow();
}

QString GraphScreen::closingStatusText(double capacity, double designFlow, bool conditionsOpen)
{
    return DiagramSession::closingStatusText(capacity, designFlow, conditionsOpen);
}

const QImage &GraphScreen::surfaceImage() const
{
    return m_surface->image();
}

void GraphScreen::printClicked()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!platform().choosePrinter(this, printer))
        return;
    m_session.print(printer);
}

void GraphScreen::openSettingsFile(const QString &path)
{
    if (m_session.openSettingsFile(path))
        focusDrawButton();
}

// After a restore the focus passes the family list on its way to the draw button; the session has drawn
// what was read, so the button taking the focus draws nothing more.
void GraphScreen::focusDrawButton()
{
    m_family->setFocus(Qt::OtherFocusReason);
    m_drawOnFocus = false;
    m_draw->setFocus(Qt::OtherFocusReason);
}

void GraphScreen::focusControl(const QString &name)
{
    if (name == u"cmd1")
        focusDrawButton();
    else if (auto *w = findChild<QWidget *>(name))
        focusCaretAtStart(w);
}

void GraphScreen::closeWindow()
{
    // Inside a child-window frame the frame goes away with it; the window itself is kept.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->hide();
    else
        hide();
    emit closedByUser();
}

void GraphScreen::closeEvent(QCloseEvent *event)
{
    // The window is only ever hidden, so its contents survive until the application ends.
    event->ignore();
    closeWindow();
}

void GraphScreen::focusSelectingAll(QLineEdit *field)
{
    field->setFocus(Qt::OtherFocusReason);
    field->setSelection(field->text().size(), -field->text().size());
}

void GraphScreen::focusCaretAtStart(QWidget *field)
{
    field->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        // The caret at the start with the whole text selected behind it.
        edit->setSelection(edit->text().size(), -edit->text().size());
    }
}

bool GraphScreen::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            break;
        if (watched == m_family)
            m_depth->setFocus(Qt::OtherFocusReason);
        else if (watched == m_depth)
            focusSelectingAll(m_roughness);
        else if (watched == m_roughness)
            m_manning->setFocus(Qt::OtherFocusReason);
        else if (watched == m_manning || watched == m_kutter)
            focusSelectingAll(m_runoff);
        else if (watched == m_runoff)
            focusSelectingAll(m_intensity);
        else if (watched == m_intensity) {
            m_drawOnFocus = true;
            m_draw->setFocus(Qt::OtherFocusReason);
            m_drawOnFocus = false;
        } else
            break;
        return true; // the key itself is discarded
    }
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (watched == m_draw) {
            // Taking the focus draws at once, without the checks. Getting it back does not: the window
            // becoming active again, a menu or a box closing, the sub-window restoring its focus.
            const bool taken = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                               reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
            const bool draw = taken || m_drawOnFocus;
            m_drawOnFocus = false;
            if (draw)
                m_session.drawWithoutChecks();
        } else if (edit && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            QTimer::singleShot(0, edit,
                               [edit] { edit->setSelection(edit->text().size(), -edit->text().size()); });
        }
        break;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (edit)
            QTimer::singleShot(0, edit,
                               [edit] { edit->setSelection(edit->text().size(), -edit->text().size()); });
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace niruka
