// The print image windows, printing to a PDF through the scripted platform services, and the editor
// commands of the report.

#include "../report/reportdesigns.h"
#include "fakeplatformservices.h"
#include "model/environment.h"
#include "report/reportcomposer.h"
#include "report/reportfile.h"
#include "report/reportpainter.h"
#include "session/calculatorsessions.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/printimage/reportprintimage.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPdfWriter>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace niruka;
using namespace niruka::test;

namespace {

int inkRows(const QImage &image)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 200) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

int lastInkRow(const QImage &image)
{
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                return y;
    return -1;
}

// The line on which the lowest ink lies, counted from 0 at the top of the sheet.
int lastInkLine(const ReportSheet &sheet)
{
    const QFontMetricsF metrics(reportFont(kPrintImagePointSize), &sheet.image());
    return int(lastInkRow(sheet.image()) / metrics.lineSpacing());
}

bool hasMagenta(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) > 200)
                return true;
        }
    return false;
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestReportPrintImage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installJapaneseEnvironment(); }

    void questionAndDialog();
    void printToPdf_data();
    void printToPdf();
    void cancelledPrinterDialogPrintsNothing();

    void wholeReportOnPageOne();
    void splitReportPagesThrough();
    void scrollSteps_data();
    void scrollSteps();
    void menusOfThePages();
    void closeShowsTheToolbarAgain();
    void closeByTheFrame();

    void pagesAsSubWindowsOfAnMdiArea();
    void mainFrameCommands();

    void writeReportFileBeepsAndAppends();
    void writeFailureIsShown();
    void editorStartsOnTheReportFile();
};

void TestReportPrintImage::questionAndDialog()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    fake.answers = {MsgAnswer::Cancel};
    const DesignCase design = vpManningDirectNo();
    QVERIFY(!FilePrint(nullptr, design));
    QCOMPARE(fake.messages.size(), 1);
    const MessageRequest &q = fake.messages.first();
    QCOMPARE(q.title, QStringLiteral("確認"));
    QCOMPARE(q.text, QStringLiteral("最大流域面積を印刷しますか？"));
    QCOMPARE(q.buttons, MsgButtons::YesNoCancel);
    QCOMPARE(q.defaultButton, MsgAnswer::No);
    // Cancel stops before the printer dialog.
    QCOMPARE(fake.printerDialogs, 0);
    QCOMPARE(fake.beeps, 0);
}

void TestReportPrintImage::printToPdf_data()
{
    QTest::addColumn<int>("design");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("withAmax");
    QTest::addColumn<int>("beeps");
    QTest::newRow("whole, yes") << 0 << int(MsgAnswer::Yes) << 1 << true << 1;
    QTest::newRow("whole, no") << 0 << int(MsgAnswer::No) << 1 << false << 1;
    QTest::newRow("sufficient, yes") << 1 << int(MsgAnswer::Yes) << 1 << true << 0;
    QTest::newRow("split, yes") << 2 << int(MsgAnswer::Yes) << 2 << true << 1;
    QTest::newRow("split, no") << 2 << int(MsgAnswer::No) << 2 << false << 1;
}

void TestReportPrintImage::printToPdf()
{
    QFETCH(int, design);
    QFETCH(int, answer);
    QFETCH(int, pages);
    QFETCH(bool, withAmax);
    QFETCH(int, beeps);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");

    const DesignCase designs[] = {vpManningDirectNo(), humeKutterAllowanceOk(), vuSplitVelocityPipe()};
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    fake.answers = {MsgAnswer(answer)};
    fake.printerAnswers = {true};
    fake.configurePrinter = [&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
    };
    QVERIFY(FilePrint(nullptr, designs[design]));
    QCOMPARE(fake.printerDialogs, 1);
    QCOMPARE(fake.beeps, beeps);

    const QString text = pdfText(pdf);
    QCOMPARE(text.count(u'\f'), pages);
    QCOMPARE(text.contains(QStringLiteral("◇ 最大流域面積")), withAmax);
    QVERIFY(text.contains(QStringLiteral("☆ ニルカ書（雨水排水施設）")));
    // The facility check begins the second page of a split report.
    const QStringList pageTexts = text.split(u'\f');
    QCOMPARE(pageTexts.first().contains(QStringLiteral("◎ 排水施設の検討")), pages == 1);
    const QString keep = qEnvironmentVariable("NIRUKA_REPORT_PDF_DIR");
    if (!keep.isEmpty())
        QFile::copy(pdf,
                    keep + QStringLiteral("/print-%1.pdf").arg(QTest::currentDataTag()).replace(u' ', u'_'));
}

void TestReportPrintImage::cancelledPrinterDialogPrintsNothing()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    fake.answers = {MsgAnswer::Yes};
    fake.printerAnswers = {false};
    fake.configurePrinter = [&](QPrinter &printer) { printer.setOutputFileName(pdf); };
    QVERIFY(!FilePrint(nullptr, vpManningDirectNo()));
    QCOMPARE(fake.printerDialogs, 1);
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(fake.beeps, 0);
}

void TestReportPrintImage::wholeReportOnPageOne()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    const DesignCase design = vpManningDirectNo();
    ReportPrintImage image(design, nullptr);
    QVERIFY(!image.isSplit());
    image.open();
    QVERIFY(image.page1()->isVisible());
    QCOMPARE(image.page1()->windowTitle(), QStringLiteral("ニルカ"));
    QVERIFY(!image.page1()->nextAction()->isEnabled());
    const QImage sheet = image.page1()->sheet()->image();
    QVERIFY(hasMagenta(sheet));
    // The whole report below the five-line margin, down to the last line of the largest area.
    QCOMPARE(lastInkLine(*image.page1()->sheet()), 5 + int(composeReport(design).lines.size()) - 1);
    const QString keep = qEnvironmentVariable("NIRUKA_REPORT_PDF_DIR");
    if (!keep.isEmpty())
        image.page1()->grab().save(keep + QStringLiteral("/print-image.png"));
    QCOMPARE(fake.beeps, 1);

    // Every redraw of a failing report beeps once.
    image.activatePage1();
    QCOMPARE(fake.beeps, 2);
}

void TestReportPrintImage::splitReportPagesThrough()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    const DesignCase design = vuSplitVelocityPipe();
    ReportPrintImage image(design, nullptr);
    QVERIFY(image.isSplit());
    image.open();
    QVERIFY(image.page1()->nextAction()->isEnabled());
    // Page 1 holds part 1 only: no verdict, no beep.
    QVERIFY(!hasMagenta(image.page1()->sheet()->image()));
    QCOMPARE(fake.beeps, 0);
    const int page1Ink = inkRows(image.page1()->sheet()->image());

    image.page1()->nextAction()->trigger();
    QVERIFY(image.page2());
    QVERIFY(image.page2()->isVisible());
    QVERIFY(!image.page1()->isVisible());
    QCOMPARE(image.page2()->pos(), QPoint(0, 0));
    QVERIFY(hasMagenta(image.page2()->sheet()->image()));
    QCOMPARE(fake.beeps, 1);
    QVERIFY(inkRows(image.page2()->sheet()->image()) > 0);

    image.page2()->previousAction()->trigger();
    QVERIFY(image.page1()->isVisible());
    QVERIFY(!image.page2()->isVisible());
    QCOMPARE(inkRows(image.page1()->sheet()->image()), page1Ink);
    QCOMPARE(fake.beeps, 1);
}

void TestReportPrintImage::scrollSteps_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("divisor");
    QTest::newRow("page 1") << 1 << 2;
    QTest::newRow("page 2") << 2 << 5;
}

void TestReportPrintImage::scrollSteps()
{
    QFETCH(int, page);
    QFETCH(int, divisor);
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    const DesignCase design = vuSplitVelocityPipe();
    ReportPrintImage image(design, nullptr);
    image.open();
    if (page == 2)
        image.nextPage();
    ReportPageWindow *window = page == 1 ? image.page1() : image.page2();
    window->resize(500, 400);
    QScrollBar *v = window->verticalBar();
    QScrollBar *h = window->horizontalBar();
    const QWidget *viewport = window->findChild<QWidget *>(QStringLiteral("Picture1"));
    QVERIFY(viewport);
    QCOMPARE(v->maximum(), window->sheet()->height() - viewport->height());
    QCOMPARE(h->maximum(), window->sheet()->width() - viewport->width());
    QCOMPARE(v->pageStep(), v->maximum() / divisor);
    QCOMPARE(v->singleStep(), v->pageStep() / divisor);
    QCOMPARE(h->pageStep(), h->maximum() / divisor);

    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(window->sheet()->y(), -(v->maximum() / divisor));
    h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(window->sheet()->x(), -(h->maximum() / divisor / divisor));
}

void TestReportPrintImage::menusOfThePages()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    const DesignCase design = vuSplitVelocityPipe();
    ReportPrintImage image(design, nullptr);
    image.open();
    image.nextPage();
    auto texts = [](QWidget *w) {
        QStringList out;
        for (QAction *a : w->findChild<QMenuBar *>()->actions())
            out << a->text();
        return out;
    };
    QCOMPARE(texts(image.page1()), (QStringList{QStringLiteral("次のページ"), QStringLiteral("印刷(&P)"),
                                                QStringLiteral("ｴﾃﾞｨﾀ(&E)"), QStringLiteral("閉じる(&C)")}));
    QCOMPARE(texts(image.page2()), (QStringList{QStringLiteral("前のページ"), QStringLiteral("印刷(&P)"),
                                                QStringLiteral("ｴﾃﾞｨﾀ(&E)"), QStringLiteral("閉じる(&C)")}));
    QCOMPARE(image.page2()->writeAction()->text(), QStringLiteral("書き込み(&W)"));
    QCOMPARE(image.page2()->editorAction()->text(), QStringLiteral("起動(&O)"));
    const QWidget *viewport = image.page1()->findChild<QWidget *>(QStringLiteral("Picture1"));
    QCOMPARE(viewport->palette().color(QPalette::Window), QColor(192, 192, 192));

    // Print from page 2 goes through the same question.
    fake.answers = {MsgAnswer::Cancel};
    image.page2()->printAction()->trigger();
    QCOMPARE(fake.lastMessageText(), QStringLiteral("最大流域面積を印刷しますか？"));
}

void TestReportPrintImage::closeShowsTheToolbarAgain()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    const DesignCase design = vpManningDirectNo();
    ReportPrintImage image(design, nullptr);
    QSignalSpy closed(&image, &ReportPrintImage::closed);
    image.open();
    QPointer<ReportPageWindow> page1 = image.page1();
    page1->closeAction()->trigger();
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(page1.isNull());
}

void TestReportPrintImage::closeByTheFrame()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    const DesignCase design = vpManningDirectNo();
    ReportPrintImage image(design, nullptr);
    QSignalSpy closed(&image, &ReportPrintImage::closed);
    image.open();
    image.page1()->close();
    QCOMPARE(closed.count(), 1);
}

void TestReportPrintImage::pagesAsSubWindowsOfAnMdiArea()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    const DesignCase design = vuSplitVelocityPipe();
    ReportPrintImage image(design, &area);
    QSignalSpy closed(&image, &ReportPrintImage::closed);
    image.open();
    auto *sub1 = qobject_cast<QMdiSubWindow *>(image.page1()->parentWidget());
    QVERIFY(sub1);
    QVERIFY(sub1->isVisible());
    QCOMPARE(sub1->pos(), QPoint(0, 0));
    QCOMPARE(sub1->windowTitle(), QStringLiteral("ニルカ"));
    image.nextPage();
    auto *sub2 = qobject_cast<QMdiSubWindow *>(image.page2()->parentWidget());
    QVERIFY(sub2);
    QVERIFY(sub2->isVisible());
    QVERIFY(!sub1->isVisible());
    QCOMPARE(fake.beeps, 1);
    image.previousPage();
    QVERIFY(sub1->isVisible());
    QVERIFY(image.page1()->isVisible());
    QVERIFY(!sub2->isVisible());
    QVERIFY(inkRows(image.page1()->sheet()->image()) > 0);
    image.nextPage();
    QVERIFY(image.page2()->isVisible());
    QCOMPARE(fake.beeps, 2);
    image.previousPage();
    // Returning to page 1 from another sub-window redraws it (and a failing report would beep).
    const int beeps = fake.beeps;
    image.page1()->sheet()->clear();
    QWidget other;
    QMdiSubWindow *otherSub = area.addSubWindow(&other);
    otherSub->show();
    area.setActiveSubWindow(otherSub);
    QVERIFY(inkRows(image.page1()->sheet()->image()) == 0);
    area.setActiveSubWindow(sub1);
    QVERIFY(inkRows(image.page1()->sheet()->image()) > 0);
    QCOMPARE(fake.beeps, beeps);
    area.removeSubWindow(&other);
    delete otherSub;
    // Closing the sub-window by its frame closes the print image.
    sub1->close();
    QCOMPARE(closed.count(), 1);
    QTRY_COMPARE(area.subWindowList().size(), 0);
}

void TestReportPrintImage::mainFrameCommands()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    MainFrame frame;
    frame.show();
    frame.session().computeIntensity();
    QVERIFY(frame.session().intensity().visible());
    frame.design() = vpManningDirectNo();
    installReportCommands(frame);
    QVERIFY(frame.hasCommandHandler("Men_FImg"));
    QVERIFY(frame.hasCommandHandler("Men_FPrn"));
    QVERIFY(frame.hasCommandHandler("Men_FEWri"));

    frame.runCommandHandler("Men_FImg");
    QVERIFY(frame.toolBar()->isHidden());
    QVERIFY(!frame.session().intensity().visible()); // not split: the intensity screen is hidden
    auto *page = frame.findChild<ReportPageWindow *>(QStringLiteral("ReportPage1"));
    QVERIFY(page);
    QVERIFY(page->isVisible());
    QCOMPARE(fake.beeps, 1);
    const QString keep = qEnvironmentVariable("NIRUKA_REPORT_PDF_DIR");
    if (!keep.isEmpty()) {
        frame.resize(1000, 750);
        QApplication::processEvents();
        frame.grab().save(keep + QStringLiteral("/print-image-frame.png"));
    }
    page->closeAction()->trigger();
    QVERIFY(!frame.toolBar()->isHidden());

    fake.answers = {MsgAnswer::Cancel};
    frame.runCommandHandler("Men_FPrn");
    QCOMPARE(fake.lastMessageText(), QStringLiteral("最大流域面積を印刷しますか？"));
}

void TestReportPrintImage::writeReportFileBeepsAndAppends()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    writeReportFile(nullptr, vpManningDirectNo());
    writeReportFile(nullptr, vpManningDirectNo());
    QDir::setCurrent(previous);
    QCOMPARE(fake.beeps, 2);
    QVERIFY(fake.messages.isEmpty());
    QFile file(dir.filePath(QStringLiteral("Niruka.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n\r\n") >= 2, true);
    QCOMPARE(bytes.left(bytes.size() / 2), bytes.mid(bytes.size() / 2));
}

void TestReportPrintImage::writeFailureIsShown()
{
    QTemporaryDir dir;
    // A folder named like the report file makes the write fail.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Niruka.txt")));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    writeReportFile(nullptr, humeKutterAllowanceOk());
    QDir::setCurrent(previous);
    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fake.messages.first().title, QStringLiteral("エラーメッセージ"));
    QCOMPARE(fake.messages.first().buttons, MsgButtons::Ok);
    QVERIFY(fake.messages.first().text.contains(QStringLiteral("Niruka.txt")));
}

void TestReportPrintImage::editorStartsOnTheReportFile()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    openReportInEditor();
    QCOMPARE(fake.editorLaunches, QStringList{QStringLiteral("Niruka.txt")});
    QVERIFY(fake.messages.isEmpty());
}

QTEST_MAIN(TestReportPrintImage)
#include "tst_reportprintimage.moc"
