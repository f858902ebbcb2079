#pragma once
// The report commands of the main window without their widgets: the question 印刷 asks before the printer
// dialog, 書き込み (append the report to "Niruka.txt" with the beep of a failing verdict or the box of a
// failed write), 起動 (the text editor on that file), and the page the printed report is laid out on.

#include "session/sessionservices.h"

#include <QPageLayout>
#include <optional>

namespace niruka {

struct DesignCase;

// 印刷's question "最大流域面積を印刷しますか？" (Yes/No/Cancel, No by default): whether to print the
// largest catchment area, or nothing when the user cancels the printing.
std::optional<bool> askMaxArea(SessionServices &services);

// 書き込み: appends the report to "Niruka.txt" in the working directory; a failing verdict beeps once, a
// failed write is shown in an "エラーメッセージ" box.
void writeReportFile(SessionServices &services, const DesignCase &design);

// 起動: starts the text editor on "Niruka.txt" without waiting.
void openReportInEditor(SessionServices &services);

// The page of the printed report: A4 upright with the narrow margins of a printer's hardware limits (the
// report is about 95 half-width columns of the 12-point Mincho wide).
QPageLayout reportPageLayout();

} // namespace niruka
