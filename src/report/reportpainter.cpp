#include "report/reportpainter.h"

#include "model/environment.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace niruka {

namespace {

constexpr int kTopMarginLines = 5;

bool printPart(ReportSurface &surface, const ComposedReport &report, int part)
{
    bool drewNo = false;
    for (const ReportLine &line : report.lines) {
        if (line.part != part)
            continue;
        if (line.failingVerdict) {
            surface.printLine(line.text, kFailingVerdictColor);
            // Everything after the failing verdict is black again.
            surface.setTextColor(Qt::black);
            drewNo = true;
        } else {
            surface.printLine(line.text);
        }
    }
    return drewNo;
}

} // namespace

ReportSurface::ReportSurface(QPainter &painter, const QFont &font) : m_painter(painter), m_font(font)
{
    // Metrics on the painter's device, so that screen, image and printer resolutions all agree.
    const QFontMetricsF metrics(m_font, m_painter.device());
    m_lineHeight = metrics.lineSpacing();
    m_ascent = metrics.ascent();
}

void ReportSurface::printLine(const QString &text)
{
    printLine(text, m_color);
}

void ReportSurface::printLine(const QString &text, const QColor &color)
{
    if (!text.isEmpty()) {
        m_painter.save();
        m_painter.setFont(m_font);
        m_painter.setPen(color);
        m_painter.drawText(QPointF(0.0, m_y + m_ascent), text);
        m_painter.restore();
    }
    m_y += m_lineHeight;
}

void ReportSurface::printBlankLines(int count)
{
    for (int i = 0; i < count; ++i)
        printLine(QString());
}

QFont reportFont(double pointSize)
{
    QFont font(QString::fromUtf8(kMinchoFamily));
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Serif);
    // Column alignment depends on the glyph advances alone.
    font.setKerning(false);
    return font;
}

bool Hyouji_1(ReportSurface &surface, const ComposedReport &report)
{
    surface.printBlankLines(kTopMarginLines);
    return printPart(surface, report, 1);
}

bool Hyouji_2(ReportSurface &surface, const ComposedReport &report)
{
    if (report.split)
        surface.printBlankLines(kTopMarginLines);
    return printPart(surface, report, 2);
}

bool Hyouji_3(ReportSurface &surface, const ComposedReport &report)
{
    return printPart(surface, report, 3);
}

bool printReport(QPagedPaintDevice &device, const ComposedReport &report, bool withMaxArea)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    ReportSurface surface(painter, reportFont(kPrinterPointSize));
    bool drewNo = Hyouji_1(surface, report);
    if (report.split) {
        device.newPage();
        surface.home();
    }
    drewNo = Hyouji_2(surface, report) || drewNo;
    if (withMaxArea)
        drewNo = Hyouji_3(surface, report) || drewNo;
    painter.end();
    return drewNo;
}

} // namespace niruka
