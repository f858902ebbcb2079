#include "ui/diagram/graphscreen.h"

#include "diagram/curvefamily.h"
#include "diagram/diagrampainter.h"
#include "docs/diagramsettings.h"
#include "engine/filloption.h"
#include "model/environment.h"
#include "model/numbertext.h"
#include "session/defaultfolder.h"
#include "session/designworkflow.h"
#include "ui/mainwindow/platformservices.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace niruka {

namespace {

constexpr double kSurfaceDpi = 96;   // the page surface is laid out at the logical screen resolution
constexpr int kViewportHeight = 480; // the fixed window onto the page surface
constexpr int kNewDepthPosition = 2; // "水深９.5割"

QString defaultFolder()
{
    return defaultFileFolder(QCoreApplication::applicationDirPath(), QStringLiteral("ニルカグラフ"));
}

QString fileFilter()
{
    return QStringLiteral("ニルカグラフ(.gra) (*.gra)");
}

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
    m_family->addItems(familyListTexts());
    for (const std::string &line : circularFillList())
        m_depth->addItem(QString::fromStdString(line));
    m_family->setCurrentIndex(kDefaultFamilyPosition);
    m_depth->setCurrentIndex(kCircularFillDefaultPosition);
    pageSetUp();
    m_geometry = emptyDiagramGeometry(DiagramTarget::Screen, m_family->currentIndex());
    m_surface->draw(m_geometry);
}

GraphScreen::~GraphScreen() = default;

void GraphScreen::buildUi()
{
    auto *menuBar = new QMenuBar(this);
    m_menu = menuBar->addMenu(QStringLiteral("グラフ(&G)"));
    m_menu->setObjectName(QStringLiteral("Men_Graph"));
    m_new = m_menu->addAction(QStringLiteral("新規作成(&N)"), this, &GraphScreen::fileNew);
    m_new->setObjectName(QStringLiteral("Men_GNew"));
    m_open = m_menu->addAction(QStringLiteral("開く(&O)"), this, &GraphScreen::fileOpen);
    m_open->setObjectName(QStringLiteral("Men_GOpn"));
    m_overwrite = m_menu->addAction(QStringLiteral("上書き保存(&S)"), this, &GraphScreen::fileOverwrite);
    m_overwrite->setObjectName(QStringLiteral("Men_GOvw"));
    m_saveAs = m_menu->addAction(QStringLiteral("名前をつけて保存(&A)"), this, &GraphScreen::fileSaveAs);
    m_saveAs->setObjectName(QStringLiteral("Men_GSav"));
    m_menu->addSeparator();
    m_close = m_menu->addAction(QStringLiteral("閉じる(&C)"), this, &GraphScreen::closeWindow);
    m_close->setObjectName(QStringLiteral("Men_GCls"));
    connect(m_menu, &QMenu::aboutToShow, this, &GraphScreen::updateMenu);

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

    connect(m_family, &QComboBox::activated, this, &GraphScreen::familySelected);
    connect(m_draw, &QPushButton::clicked, this, &GraphScreen::drawClicked);
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

void GraphScreen::openFromMainMenu()
{
    m_roughness->setText(formatNumber(0.01, u"0.0#"));
    if (m_fileName.isEmpty()) {
        m_saveAs->setEnabled(false);
        m_overwrite->setEnabled(false);
    }
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
    if (!conditionsOpen)
        return noResultStartHint();
    if (capacity == 0)
        return conditionsHint();
    if (designFlow <= capacity)
        return verdictOkHint();
    return verdictExceedsHint();
}

const QImage &GraphScreen::surfaceImage() const
{
    return m_surface->image();
}

void GraphScreen::familySelected(int position)
{
    m_depth->setCurrentIndex(kNewDepthPosition);
    const QString roughness = familyDefaultRoughness(position);
    if (!roughness.isEmpty())
        m_roughness->setText(roughness);
    m_draw->setEnabled(true);
    m_print->setEnabled(true);
}

void GraphScreen::readNumbers()
{
    m_settings.roughness = parseLeadingNumber(m_roughness->text());
    m_settings.runoffCoeff = parseLeadingNumber(m_runoff->text());
    m_settings.rainIntensity = parseLeadingNumber(m_intensity->text());
}

DiagramSettings GraphScreen::settingsFromFields() const
{
    DiagramSettings s = m_settings;
    s.formula.reset();
    if (m_manning->isChecked())
        s.formula = VelocityFormula::Manning;
    else if (m_kutter->isChecked())
        s.formula = VelocityFormula::Kutter;
    s.familyPosition = m_family->currentIndex();
    return s;
}

void GraphScreen::drawOnScreen()
{
    readNumbers();
    m_settings.depthPosition = m_depth->currentIndex();
    m_settings = settingsFromFields();
    m_drawn = DrawnState::Screen;
    m_geometry = diagramGeometry(m_settings, DiagramTarget::Screen);
    m_surface->draw(m_geometry);
    ++m_screenDrawings;
}

// The click checks; n, C and I are read first and stay read when a check refuses.
bool GraphScreen::passesChecks()
{
    readNumbers();
    if (m_family->currentText().isEmpty()) {
        showError(this, QStringLiteral("施設の種類を選択してください。"));
        focusCaretAtStart(m_family);
        return false;
    }
    if (m_depth->currentText().isEmpty()) {
        showError(this, QStringLiteral("水深水量を選択してください。"));
        focusCaretAtStart(m_depth);
        return false;
    }
    // A negative value has no meaning here and would turn the curves over; it counts as missing.
    if (m_settings.roughness <= 0) {
        showError(this, QStringLiteral("粗度係数を入力してください。"));
        focusCaretAtStart(m_roughness);
        return false;
    }
    if (!m_manning->isChecked() && !m_kutter->isChecked()) {
        showError(this, QStringLiteral("流速の計算方法を選択してください。"));
        focusCaretAtStart(m_manning);
        return false;
    }
    if (m_settings.runoffCoeff <= 0) {
        showError(this, QStringLiteral("流出係数を入力してください。"));
        focusCaretAtStart(m_runoff);
        return false;
    }
    if (m_settings.rainIntensity <= 0) {
        showError(this, QStringLiteral("1時間当たりの降雨強度を入力してください。"));
        focusCaretAtStart(m_intensity);
        return false;
    }
    return true;
}

void GraphScreen::drawClicked()
{
    if (passesChecks())
        drawOnScreen();
}

void GraphScreen::printClicked()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!platform().choosePrinter(this, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        showError(this, QStringLiteral("印刷を開始できませんでした。"));
        return;
    }
    m_drawn = DrawnState::Printed;
    // n, C, I and the effective depth of the last drawing; family and formula as selected now.
    const DiagramSettings settings = settingsFromFields();
    const QSizeF page = printer.pageLayout().paintRect(QPageLayout::Point).size();
    DiagramSurface surface = diagramSurface(page, DiagramTarget::Printer, printer.resolution());
    surface.fontFamily = QString::fromUtf8(kPGothicFamily);
    paintDiagram(painter, diagramGeometry(settings, DiagramTarget::Printer), surface);
    painter.end();
}

void GraphScreen::updateMenu()
{
    const bool drawn = m_drawn != DrawnState::None;
    m_saveAs->setEnabled(drawn);
    m_overwrite->setEnabled(drawn && !m_fileName.isEmpty());
}

void GraphScreen::setFormula(bool manning, bool kutter)
{
    m_formulaGroup->setExclusive(false);
    m_manning->setChecked(manning && !kutter);
    m_kutter->setChecked(kutter);
    m_formulaGroup->setExclusive(true);
}

void GraphScreen::fileNew()
{
    m_roughness->clear();
    m_runoff->clear();
    m_intensity->clear();
    setFormula(false, false);
    m_family->setCurrentIndex(kDefaultFamilyPosition);
    m_depth->setCurrentIndex(kNewDepthPosition);
    m_drawn = DrawnState::None;
    m_geometry = emptyDiagramGeometry(DiagramTarget::Screen, m_family->currentIndex());
    m_surface->draw(m_geometry);
}

DiagramSettingsRecord GraphScreen::recordFromFields() const
{
    DiagramSettingsRecord r;
    r.familyPosition = m_family->currentIndex();
    r.depthPosition = m_depth->currentIndex();
    r.manning = m_manning->isChecked();
    r.kutter = m_kutter->isChecked();
    r.roughnessText = m_roughness->text();
    r.runoffText = m_runoff->text();
    r.intensityText = m_intensity->text();
    return r;
}

void GraphScreen::applyRecord(const DiagramSettingsRecord &r, const bool *read)
{
    if (read[0]) {
        m_family->setCurrentIndex(r.familyPosition);
        familySelected(r.familyPosition);
    }
    if (read[1])
        m_depth->setCurrentIndex(r.depthPosition);
    if (read[2] || read[3])
        setFormula(read[2] ? r.manning : m_manning->isChecked(), read[3] ? r.kutter : m_kutter->isChecked());
    if (read[4])
        m_roughness->setText(r.roughnessText);
    if (read[5])
        m_runoff->setText(r.runoffText);
    if (read[6])
        m_intensity->setText(r.intensityText);
}

void GraphScreen::fileOpen()
{
    m_fileName =
        platform().openFileName(this, QStringLiteral("ニルカグラフを開く"), defaultFolder(), fileFilter());
    if (m_fileName.isEmpty())
        return;
    openSettingsFile(m_fileName);
}

void GraphScreen::openSettingsFile(const QString &path)
{
    m_fileName = path;
    const DiagramReadResult result = loadDiagramSettingsFile(m_fileName);
    switch (result.status) {
    case DiagramReadStatus::CannotOpen:
        showError(this, QStringLiteral("ファイルを開けませんでした。"));
        return;
    case DiagramReadStatus::TooLarge:
        showError(this, QStringLiteral("ニルカグラフのファイルではありません。"));
        return;
    case DiagramReadStatus::Incomplete:
    case DiagramReadStatus::Damaged:
        applyRecord(result.record, result.read.data());
        showError(
            this,
            QStringLiteral("ファイルの内容に読み込めない行がありました。読み込めた項目だけを復元しました。"));
        break;
    case DiagramReadStatus::Complete:
        applyRecord(result.record, result.read.data());
        break;
    }
    // The draw button taking the focus draws the restored diagram at once.
    m_family->setFocus(Qt::OtherFocusReason);
    const int before = m_screenDrawings;
    m_drawOnFocus = true;
    m_draw->setFocus(Qt::OtherFocusReason);
    if (m_screenDrawings == before) {
        m_drawOnFocus = false;
        drawOnScreen(); // the window is not active, so no focus event came
    }
}

bool GraphScreen::writeFile(const QString &path)
{
    const QString error = saveDiagramSettingsFile(path, recordFromFields());
    if (error.isEmpty())
        return true;
    showError(this, QStringLiteral("保存できませんでした。\n") + error);
    return false;
}

void GraphScreen::fileSaveAs()
{
    m_fileName =
        platform().saveFileName(this, QStringLiteral("ニルカグラフの保存"), defaultFolder(), fileFilter());
    if (QFile existing(m_fileName); !m_fileName.isEmpty() && existing.open(QIODevice::ReadOnly)) {
        existing.close();
        const MsgAnswer answer =
            platform().message(this, {QStringLiteral("上書き保存の確認"),
                                      QStringLiteral("同名ファイルがあります。上書き保存しますか？"),
                                      MsgButtons::YesNo, MsgIcon::Critical, MsgAnswer::No});
        if (answer == MsgAnswer::No)
            return;
    }
    if (m_fileName.isEmpty())
        return;
    writeFile(m_fileName);
}

void GraphScreen::fileOverwrite()
{
    if (m_fileName.isEmpty())
        return; // nothing to overwrite; the item is disabled in this state
    const MsgAnswer answer =
        platform().message(this, {QStringLiteral("確認"), QStringLiteral("上書き保存してもよろしいですか？"),
                                  MsgButtons::OkCancel, MsgIcon::None, MsgAnswer::Cancel});
    if (answer != MsgAnswer::Ok)
        return;
    writeFile(m_fileName);
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
                drawOnScreen();
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
