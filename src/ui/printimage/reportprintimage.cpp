#include "ui/printimage/reportprintimage.h"

#include "model/designcase.h"
#include "report/reportcomposer.h"
#include "report/reportfile.h"
#include "report/reportpainter.h"
#include "session/reportcommands.h"
#include "ui/diagram/parentedservices.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/platformservices.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace niruka {

using namespace Qt::StringLiterals;

namespace {

// Scroll bar values are 16-bit.
constexpr int kScrollLimit = 32767;

// The printable area of the report's printer page, in pixels at `dpi`.
QSize sheetSize(double dpiX, double dpiY)
{
    QPrinter printer;
    prepareReportPrinter(printer);
    const QRectF points = printer.pageLayout().paintRect(QPageLayout::Point);
    return {qRound(points.width() * dpiX / 72.0), qRound(points.height() * dpiY / 72.0)};
}

} // namespace

void writeReportFile(QWidget *parent, const DesignCase &design)
{
    ParentedServices services(parent);
    writeReportFile(services, design);
}

void openReportInEditor()
{
    openReportInEditor(platform());
}

void prepareReportPrinter(QPrinter &printer)
{
    // The report is about 95 half-width columns of the 12-point Mincho wide: it needs the narrow margins
    // of a printer's hardware limits, not a word processor's.
    printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
}

bool FilePrint(QWidget *parent, const DesignCase &design)
{
    ParentedServices services(parent);
    const std::optional<bool> maxArea = askMaxArea(services);
    if (!maxArea)
        return false;

    QPrinter printer(QPrinter::HighResolution);
    prepareReportPrinter(printer);
    if (!platform().choosePrinter(parent, printer))
        return false;

    const ComposedReport report = composeReport(design, ReportOutput::Page);
    if (printReport(printer, report, *maxArea))
        platform().beep();
    return true;
}

// ---------------------------------------------------------------------------------------------------

ReportSheet::ReportSheet(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"Picture2"_s);
    const QSize size = sheetSize(logicalDpiX(), logicalDpiY());
    setFixedSize(size);
    m_image = QImage(size, QImage::Format_RGB32);
    // The image carries the screen's resolution, so the 11.25-point font has its on-screen size.
    m_image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    m_image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    m_image.fill(Qt::white);
}

void ReportSheet::clear()
{
    m_image.fill(Qt::white);
    update();
}

bool ReportSheet::drawPage1(const DesignCase &design)
{
    const ComposedReport report = composeReport(design, ReportOutput::Page);
    QPainter painter(&m_image);
    ReportSurface surface(painter, reportFont(kPrintImagePointSize));
    bool drewNo = Hyouji_1(surface, report);
    if (!report.split) {
        drewNo = Hyouji_2(surface, report) || drewNo;
        drewNo = Hyouji_3(surface, report) || drewNo;
    }
    update();
    return drewNo;
}

bool ReportSheet::drawPage2(const DesignCase &design)
{
    const ComposedReport report = composeReport(design, ReportOutput::Page);
    if (!report.split)
        return false;
    QPainter painter(&m_image);
    ReportSurface surface(painter, reportFont(kPrintImagePointSize));
    bool drewNo = Hyouji_2(surface, report);
    drewNo = Hyouji_3(surface, report) || drewNo;
    update();
    return drewNo;
}

void ReportSheet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

// ---------------------------------------------------------------------------------------------------

ReportPageWindow::ReportPageWindow(int page, QWidget *parent) : QWidget(parent), m_page(page)
{
    setObjectName(page == 1 ? u"ReportPage1"_s : u"ReportPage2"_s);
    setWindowTitle(u"ニルカ"_s);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *menuBar = new QMenuBar(this);
    auto addAction = [this](QMenuBar *bar, const QString &text, const QString &name) {
        auto *action = new QAction(text, this);
        action->setObjectName(name);
        bar->addAction(action);
        return action;
    };
    if (page == 1)
        m_next = addAction(menuBar, u"次のページ"_s, u"Men_FNex"_s);
    else
        m_previous = addAction(menuBar, u"前のページ"_s, u"Men_FPre"_s);
    m_print = addAction(menuBar, u"印刷(&P)"_s, page == 1 ? u"Men_FPrn"_s : u"Men_Fprin"_s);
    QMenu *editor = menuBar->addMenu(u"ｴﾃﾞｨﾀ(&E)"_s);
    editor->setObjectName(u"Men_FEdi"_s);
    m_write = editor->addAction(u"書き込み(&W)"_s);
    m_write->setObjectName(u"Men_FEWri"_s);
    m_editor = editor->addAction(u"起動(&O)"_s);
    m_editor->setObjectName(u"Men_FEOpn"_s);
    m_close = addAction(menuBar, u"閉じる(&C)"_s, u"Men_FCls"_s);

    m_viewport = new QWidget(this);
    m_viewport->setObjectName(u"Picture1"_s);
    m_viewport->setAutoFillBackground(true);
    QPalette grey = m_viewport->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    m_viewport->setPalette(grey);
    m_viewport->setMinimumSize(100, 100);
    m_sheet = new ReportSheet(m_viewport);
    m_sheet->move(0, 0);

    m_vertical = new QScrollBar(Qt::Vertical, this);
    m_vertical->setObjectName(u"VScroll1"_s);
    m_horizontal = new QScrollBar(Qt::Horizontal, this);
    m_horizontal->setObjectName(u"HScroll1"_s);
    // The sheet slides inside the viewport; nothing is redrawn.
    connect(m_vertical, &QScrollBar::valueChanged, this, [this](int v) { m_sheet->move(m_sheet->x(), -v); });
    connect(m_horizontal, &QScrollBar::valueChanged, this,
            [this](int h) { m_sheet->move(-h, m_sheet->y()); });

    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(m_viewport, 0, 0);
    grid->addWidget(m_vertical, 0, 1);
    grid->addWidget(m_horizontal, 1, 0);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addLayout(grid);

    connect(m_close, &QAction::triggered, this, &ReportPageWindow::closeRequested);
    resize(900, 700);
}

void ReportPageWindow::updateScrollRanges()
{
    // Page 1 steps by a half (large) and a quarter (small) of its range, page 2 by a fifth and a 25th.
    const int divisor = m_page == 1 ? 2 : 5;
    auto setUp = [divisor](QScrollBar *bar, int range) {
        const int maximum = std::clamp(range, 0, kScrollLimit);
        const int large = maximum / divisor;
        bar->setRange(0, maximum);
        bar->setPageStep(std::max(large, 1));
        bar->setSingleStep(std::max(large / divisor, 1));
    };
    setUp(m_vertical, m_sheet->height() - m_viewport->height());
    setUp(m_horizontal, m_sheet->width() - m_viewport->width());
}

void ReportPageWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateScrollRanges();
    emit shown();
}

void ReportPageWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateScrollRanges();
}

void ReportPageWindow::closeEvent(QCloseEvent *event)
{
    // Closing by the window frame counts as "閉じる": the toolbar comes back.
    if (!m_closing) {
        m_closing = true;
        emit closeRequested();
    }
    event->accept();
}

// ---------------------------------------------------------------------------------------------------

ReportPrintImage::ReportPrintImage(const DesignCase &design, QWidget *host, QObject *parent)
    : QObject(parent), m_design(design), m_host(host)
{
    if (auto *area = qobject_cast<QMdiArea *>(host)) {
        area->viewport()->installEventFilter(this);
        // The user coming back to page 1 from another sub-window activates it: it is redrawn.
        connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
            const bool returning = !m_placing && sub && m_page1 && sub == m_page1->parentWidget() &&
                                   m_lastActive != sub && m_page1->isVisible();
            if (sub)
                m_lastActive = sub;
            if (returning)
                activatePage1();
        });
    } else if (host) {
        host->installEventFilter(this);
    }
}

bool ReportPrintImage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        const QSize size = static_cast<QWidget *>(watched)->size();
        for (ReportPageWindow *window : {m_page1.data(), m_page2.data()}) {
            if (!window)
                continue;
            QWidget *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget());
            (frame ? frame : window)->resize(size);
        }
    }
    return QObject::eventFilter(watched, event);
}

ReportPrintImage::~ReportPrintImage()
{
    for (ReportPageWindow *window : {m_page1.data(), m_page2.data()}) {
        if (!window)
            continue;
        if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
            delete sub;
        else
            delete window;
    }
}

bool ReportPrintImage::isSplit() const
{
    return isSplitReport(m_design);
}

ReportPageWindow *ReportPrintImage::makePage(int page)
{
    auto *window = new ReportPageWindow(page, m_host);
    connect(window->printAction(), &QAction::triggered, window,
            [this, window] { FilePrint(window, m_design); });
    connect(window->writeAction(), &QAction::triggered, window,
            [this, window] { writeReportFile(window, m_design); });
    connect(window->editorAction(), &QAction::triggered, window, [] { openReportInEditor(); });
    connect(window, &ReportPageWindow::closeRequested, this, &ReportPrintImage::close);
    if (page == 1) {
        connect(window->nextAction(), &QAction::triggered, this, &ReportPrintImage::nextPage);
        connect(window, &ReportPageWindow::shown, this, &ReportPrintImage::activatePage1);
    } else {
        connect(window->previousAction(), &QAction::triggered, this, &ReportPrintImage::previousPage);
    }
    return window;
}

void ReportPrintImage::place(ReportPageWindow *window)
{
    if (auto *area = qobject_cast<QMdiArea *>(m_host.data())) {
        auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget());
        if (!sub) {
            sub = area->addSubWindow(window);
            sub->setWindowTitle(window->windowTitle());
        }
        sub->setGeometry(QRect(QPoint(0, 0), area->viewport()->size()));
        m_placing = true;
        window->show();
        sub->show();
        area->setActiveSubWindow(sub);
        m_lastActive = sub;
        m_placing = false;
        return;
    }
    if (m_host)
        window->setGeometry(0, 0, m_host->width(), m_host->height());
    else
        window->move(0, 0);
    window->show();
    window->raise();
}

void ReportPrintImage::hideWindow(ReportPageWindow *window)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        sub->hide();
    window->hide();
}

void ReportPrintImage::open()
{
    if (!m_page1)
        m_page1 = makePage(1);
    m_page1->nextAction()->setEnabled(isSplit());
    m_page1->sheet()->clear();
    place(m_page1);
}

void ReportPrintImage::activatePage1()
{
    if (!m_page1)
        return;
    m_page1->sheet()->clear();
    if (m_page1->sheet()->drawPage1(m_design))
        platform().beep();
}

void ReportPrintImage::nextPage()
{
    if (!m_page1)
        return;
    hideWindow(m_page1);
    if (!m_page2)
        m_page2 = makePage(2);
    m_page2->sheet()->clear();
    place(m_page2);
    if (isSplit() && m_page2->sheet()->drawPage2(m_design))
        platform().beep();
}

void ReportPrintImage::previousPage()
{
    if (m_page2)
        hideWindow(m_page2);
    if (!m_page1)
        m_page1 = makePage(1);
    m_page1->sheet()->clear();
    place(m_page1); // showing it redraws it
}

void ReportPrintImage::close()
{
    if (m_closed)
        return;
    m_closed = true;
    for (ReportPageWindow *window : {m_page1.data(), m_page2.data()}) {
        if (!window)
            continue;
        hideWindow(window);
        // A sub-window goes together with its page.
        if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
            sub->deleteLater();
        else
            window->deleteLater();
    }
    emit closed();
}

// ---------------------------------------------------------------------------------------------------

void installReportCommands(MainFrame &frame)
{
    auto current = std::make_shared<QPointer<ReportPrintImage>>();
    frame.setCommandHandler("Men_FImg", [&frame, current] {
        // One print image at a time: a second "印刷ｲﾒｰｼﾞ" starts over from page 1.
        if (*current)
            (*current)->close();
        auto *image = new ReportPrintImage(frame.design(), frame.mdiArea(), &frame);
        *current = image;
        QObject::connect(image, &ReportPrintImage::closed, &frame, [&frame, image] {
            frame.session().printImageClosed();
            image->deleteLater();
        });
        frame.session().printImageOpened(image->isSplit() ? 2 : 1);
        image->open();
    });
    frame.setCommandHandler("Men_FPrn", [&frame] { FilePrint(&frame, frame.design()); });
    frame.setCommandHandler("Men_FEWri", [&frame] { writeReportFile(&frame, frame.design()); });
}

} // namespace niruka
