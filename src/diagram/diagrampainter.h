#pragma once
// Draws a diagram geometry with QPainter on any surface: the window's page image, the printer, a PDF
// writer or a test image. The surface says where the 25 × 60 unit page lies on the device and how large
// a point and a dot are there.

#include "diagram/diagramgeometry.h"

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace niruka {

// The system's 16-colour palette by number (0 black … 7 light grey, 8 grey … 13 light magenta, 15 white).
QColor paletteColour(int number);

struct DiagramSurface {
    QRectF pageRect;           // device rectangle of the whole printable page (at the draw scale)
    double pixelsPerPoint = 1; // device pixels per page point
    double pixelsPerDot = 1;   // device pixels per pen dot
    QString fontFamily;        // "ＭＳ Ｐゴシック" unless told otherwise
};

// The printable page of the screen drawings when no printer is asked: A4 less 5 mm margins, in points.
QSizeF defaultPageSizePoints();

// A page drawn at 1/drawScale on a device of `dpi` dots per inch, its top-left corner at the origin.
// A pen dot is one device pixel on the screen; on paper it is 1/300 inch, the dot of the printers the
// pen widths were chosen for.
DiagramSurface diagramSurface(const QSizeF &pagePoints, DiagramTarget target, double dpi);

// Device pixel size of the surface that shows a page of `pagePoints` at the draw scale.
QSizeF surfacePixelSize(const QSizeF &pagePoints, DiagramTarget target, double dpi);

// Paints the geometry; the caller clears the surface first when it wants a fresh page.
void paintDiagram(QPainter &painter, const DiagramGeometry &geometry, const DiagramSurface &surface);

} // namespace niruka
