#pragma once
// The calculation report of the open design: a fixed Japanese layout restating the planned stormwater
// volume, the facility check, the verdict and the largest catchment area. Composing computes nothing
// new beyond a few display products and quotients; every figure is a value the design already holds.

#include "report/reportlines.h"

namespace niruka {

struct DesignCase;

// The text file and the drawn pages differ in one line only (the first Kutter formula line of the
// facility check is indented with an ideographic space on a page).
enum class ReportOutput { TextFile, Page };

ComposedReport composeReport(const DesignCase &design, ReportOutput output = ReportOutput::TextFile);

// True when the flow-time velocity was computed by the velocity calculator: the facility check then
// starts a page of its own.
bool isSplitReport(const DesignCase &design);

} // namespace niruka
