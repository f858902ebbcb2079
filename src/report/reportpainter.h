#pragma once
// One page painter for the report: the print image, the printer, a PDF writer and test images all
// draw through ReportSurface, which prints one report line per text line from the top-left corner.

#include "report/reportlines.h"

#include <QColor>
#include <QFont>

class QPagedPaintDevice;
class QPainter;

namespace niruka {

// A print surface: a painter with a current print position that advances one line height of the
// surface's font per printed line.
class ReportSurface {
public:
    ReportSurface(QPainter &painter, const QFont &font);

    // Prints `text` at the current position in the current text colour and moves to the next line;
    // an empty text only advances.
    void printLine(const QString &text);
    void printLine(const QString &text, const QColor &color);
    void printBlankLines(int count);

    void setTextColor(const QColor &color) { m_color = color; }
    QColor textColor() const { return m_color; }

    // Back to the top of the surface (a fresh page).
    void home() { m_y = 0.0; }
    double currentY() const { return m_y; }
    double lineHeight() const { return m_lineHeight; }

private:
    QPainter &m_painter;
    QFont m_font;
    QColor m_color = Qt::black;
    double m_y = 0.0;
    double m_lineHeight = 0.0;
    double m_ascent = 0.0;
};

// Light magenta, colour 13 of the classic palette: the failing verdict.
inline const QColor kFailingVerdictColor{255, 0, 255};

// The font sizes of the two surfaces, in points.
inline constexpr double kPrintImagePointSize = 11.25;
inline constexpr double kPrinterPointSize = 12.0;

// The report's Mincho at `pointSize`, normal weight.
QFont reportFont(double pointSize);

// Report part 1 after the five-line top margin. Returns true when it drew the failing verdict (never).
bool Hyouji_1(ReportSurface &surface, const ComposedReport &report);
// Report part 2, after a five-line margin when the report is split. Returns true when it drew the failing
// verdict, so the caller sounds the beep.
bool Hyouji_2(ReportSurface &surface, const ComposedReport &report);
// Report part 3.
bool Hyouji_3(ReportSurface &surface, const ComposedReport &report);

// The printed report on a paged device (a printer or a PDF writer), in the 12-point Mincho: part 1,
// a new page when the report is split, part 2, and part 3 only when `withMaxArea`. Returns true when
// a failing verdict was drawn (the caller sounds the beep). A device that cannot be painted on draws
// nothing and returns false.
bool printReport(QPagedPaintDevice &device, const ComposedReport &report, bool withMaxArea);

} // namespace niruka
