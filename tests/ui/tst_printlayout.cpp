// The pages niruka-cli lays its output on without a printer are the pages the application's printer
// gives when no system printer is set up: the report's page after its preparation, the diagram's page as
// the printer comes. With a system printer its own paper counts, and there is nothing to compare.

#include "session/diagramsession.h"
#include "session/reportcommands.h"
#include "ui/printimage/reportprintimage.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

using namespace niruka;

class TestPrintLayout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void theLayoutsAreThePdfPrintersPages_data();
    void theLayoutsAreThePdfPrintersPages();
};

void TestPrintLayout::init()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a system printer gives its own paper");
}

void TestPrintLayout::theLayoutsAreThePdfPrintersPages_data()
{
    QTest::addColumn<bool>("report");
    QTest::newRow("report") << true;
    QTest::newRow("diagram") << false;
}

void TestPrintLayout::theLayoutsAreThePdfPrintersPages()
{
    QFETCH(bool, report);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    if (report)
        prepareReportPrinter(printer);
    const QPageLayout expected = printer.pageLayout();
    const QPageLayout layout = report ? reportPageLayout() : diagramPrintLayout();

    QCOMPARE(layout.pageSize().id(), expected.pageSize().id());
    QCOMPARE(layout.orientation(), expected.orientation());
    const QMarginsF margins = layout.margins(QPageLayout::Point);
    const QMarginsF expectedMargins = expected.margins(QPageLayout::Point);
    QCOMPARE(margins.left(), expectedMargins.left());
    QCOMPARE(margins.top(), expectedMargins.top());
    QCOMPARE(margins.right(), expectedMargins.right());
    QCOMPARE(margins.bottom(), expectedMargins.bottom());
    QCOMPARE(layout.paintRect(QPageLayout::Point), expected.paintRect(QPageLayout::Point));
    QCOMPARE(printer.resolution(), 1200);
}

QTEST_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
