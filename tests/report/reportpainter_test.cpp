// The page painter on a test image (margins, colours, line advance) and on a PDF writer (pages, text).

#include "report/reportcomposer.h"
#include "report/reportpainter.h"
#include "reportdesigns.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace niruka::test {
namespace {

// An A4 sheet at 96 dpi, white.
QImage blankPage()
{
    QImage image(794, 1123, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

bool isMagenta(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) > 200;
}

bool isInk(QRgb c)
{
    return qGray(c) < 160 || isMagenta(c);
}

// Rows that hold ink, and rows that hold magenta ink.
struct Ink {
    int firstRow = -1;
    int magentaTop = -1;
    int magentaBottom = -1;
    int magentaPixels = 0;
    int otherColouredPixels = 0; // neither grey nor magenta
};

Ink scan(const QImage &image)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (!isInk(c))
                continue;
            if (ink.firstRow < 0)
                ink.firstRow = y;
            if (isMagenta(c)) {
                ++ink.magentaPixels;
                if (ink.magentaTop < 0)
                    ink.magentaTop = y;
                ink.magentaBottom = y;
            } else if (std::abs(qRed(c) - qBlue(c)) > 60 || std::abs(qRed(c) - qGreen(c)) > 60) {
                ++ink.otherColouredPixels;
            }
        }
    }
    return ink;
}

struct Drawn {
    QImage image;
    double lineHeight = 0.0;
    bool drewNo = false;
};

Drawn drawWholeReport(const DesignCase &design)
{
    Drawn out;
    out.image = blankPage();
    QPainter painter(&out.image);
    ReportSurface surface(painter, reportFont(kPrintImagePointSize));
    const ComposedReport report = composeReport(design, ReportOutput::Page);
    out.drewNo = Hyouji_1(surface, report);
    out.drewNo = Hyouji_2(surface, report) || out.drewNo;
    out.drewNo = Hyouji_3(surface, report) || out.drewNo;
    out.lineHeight = surface.lineHeight();
    return out;
}

TEST(ReportPainter, TopMarginIsFiveLines)
{
    const Drawn d = drawWholeReport(humeKutterAllowanceOk());
    const Ink ink = scan(d.image);
    // The report's own blank line follows the margin, so the heading is the seventh line.
    EXPECT_GE(ink.firstRow, static_cast<int>(6 * d.lineHeight));
    EXPECT_LT(ink.firstRow, static_cast<int>(7 * d.lineHeight));
}

TEST(ReportPainter, FailingVerdictIsMagentaAndOnlyThatLine)
{
    const DesignCase design = vpManningDirectNo();
    const Drawn d = drawWholeReport(design);
    EXPECT_TRUE(d.drewNo);
    const Ink ink = scan(d.image);
    EXPECT_GT(ink.magentaPixels, 50);
    EXPECT_EQ(ink.otherColouredPixels, 0);
    // The verdict is line (5 + index of the verdict) counted from 0.
    const ComposedReport report = composeReport(design, ReportOutput::Page);
    qsizetype index = 0;
    while (!report.lines[index].failingVerdict)
        ++index;
    const double top = (5 + index) * d.lineHeight;
    EXPECT_GE(ink.magentaTop, static_cast<int>(top));
    EXPECT_LE(ink.magentaBottom, static_cast<int>(top + d.lineHeight));
}

TEST(ReportPainter, SufficientReportHasNoMagenta)
{
    const Drawn d = drawWholeReport(humeKutterAllowanceOk());
    EXPECT_FALSE(d.drewNo);
    EXPECT_EQ(scan(d.image).magentaPixels, 0);
}

// After the magenta line the surface's colour is black again, also for a later part.
TEST(ReportPainter, TextColourIsBlackAfterTheVerdict)
{
    QImage image = blankPage();
    QPainter painter(&image);
    ReportSurface surface(painter, reportFont(kPrintImagePointSize));
    const ComposedReport report = composeReport(vpManningDirectNo(), ReportOutput::Page);
    surface.setTextColor(Qt::blue);
    Hyouji_2(surface, report);
    EXPECT_EQ(surface.textColor(), QColor(Qt::black));
}

// A split report starts part 2 with its own five-line margin.
TEST(ReportPainter, SplitPartTwoStartsWithTheMargin)
{
    QImage image = blankPage();
    QPainter painter(&image);
    ReportSurface surface(painter, reportFont(kPrintImagePointSize));
    const ComposedReport split = composeReport(vuSplitVelocityPipe(), ReportOutput::Page);
    ASSERT_TRUE(split.split);
    EXPECT_TRUE(Hyouji_2(surface, split));
    EXPECT_DOUBLE_EQ(surface.currentY(), (5 + split.partTexts(2).size()) * surface.lineHeight());

    surface.home();
    const ComposedReport whole = composeReport(vpManningDirectNo(), ReportOutput::Page);
    Hyouji_2(surface, whole);
    EXPECT_DOUBLE_EQ(surface.currentY(), whole.partTexts(2).size() * surface.lineHeight());
}

// Half-width columns line up: the Mincho is monospaced, a full-width character is two columns.
TEST(ReportPainter, FontIsMonospaced)
{
    const QFontMetricsF m(reportFont(kPrinterPointSize));
    const double column = m.horizontalAdvance(QStringLiteral(" "));
    EXPECT_GT(column, 0.0);
    EXPECT_NEAR(m.horizontalAdvance(QStringLiteral("0")), column, 0.01);
    EXPECT_NEAR(m.horizontalAdvance(QStringLiteral("･")), column, 0.01);
    EXPECT_NEAR(m.horizontalAdvance(QStringLiteral("流")), 2 * column, 0.01);
    EXPECT_NEAR(m.horizontalAdvance(QString(QChar(0x3000))), 2 * column, 0.01);
    EXPECT_NEAR(m.horizontalAdvance(QString(QChar(0x2015))), 2 * column, 0.01);
}

QString pdftotext(const QString &pdf, bool layout)
{
    QProcess p;
    QStringList args;
    if (layout)
        args << QStringLiteral("-layout");
    args << pdf << QStringLiteral("-");
    p.start(QStringLiteral("pdftotext"), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Blanks removed; the two characters that share a glyph with another code point in the font are read
// back by pdftotext as that other one ("･" as "·", "―" as "—").
QString simplified(QString s)
{
    s.replace(QChar(0xFF65), QChar(0x00B7)).replace(QChar(0x2015), QChar(0x2014));
    return s.remove(u' ').remove(QChar(0x3000)).remove(u'\f');
}

struct PrintCase {
    const char *name;
    std::function<DesignCase()> make;
    bool withMaxArea;
    int pages;
};

class ReportPdf : public ::testing::TestWithParam<PrintCase> {};

// The printed report as a PDF: page count (form feeds from pdftotext) and every line in order.
TEST_P(ReportPdf, PagesAndLines)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const PrintCase &c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    const ComposedReport report = composeReport(c.make(), ReportOutput::Page);
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        writer.setResolution(600);
        EXPECT_EQ(printReport(writer, report, c.withMaxArea), report.verdictNo);
    }
    // NIRUKA_REPORT_PDF_DIR keeps the PDFs for a look (pdftoppm -png).
    const QString keep = qEnvironmentVariable("NIRUKA_REPORT_PDF_DIR");
    if (!keep.isEmpty())
        QFile::copy(path, keep + u'/' + QString::fromLatin1(c.name) + QStringLiteral(".pdf"));
    const QString text = pdftotext(path, true);
    EXPECT_EQ(text.count(u'\f'), c.pages) << c.name;

    QStringList expected;
    for (const ReportLine &l : report.lines)
        if ((l.part != 3 || c.withMaxArea) && !l.text.trimmed().isEmpty())
            expected << simplified(l.text);
    QStringList actual;
    for (const QString &l : text.split(u'\n'))
        if (!simplified(l).isEmpty())
            actual << simplified(l);
    ASSERT_EQ(actual.size(), expected.size()) << c.name << "\n" << text.toStdString();
    for (qsizetype i = 0; i < actual.size(); ++i)
        EXPECT_EQ(actual[i].toStdString(), expected[i].toStdString()) << c.name << " printed line " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Report, ReportPdf,
                         ::testing::Values(PrintCase{"whole_with_amax", vpManningDirectNo, true, 1},
                                           PrintCase{"whole_without_amax", humeKutterAllowanceOk, false, 1},
                                           PrintCase{"split_two_pages", vuSplitVelocityPipe, true, 2}),
                         [](const ::testing::TestParamInfo<PrintCase> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace niruka::test
