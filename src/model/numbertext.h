#pragma once
// Numbers to and from the text of the screens: every number the user types is read by its leading decimal
// number, and every number shown or handed to another screen is formatted with a fixed pattern.

#include <QString>
#include <QStringView>

namespace niruka {

// The leading decimal number of a text: leading blanks (space, tab, ideographic space) skipped, then an
// optional sign, digits with at most one decimal point; the longest such prefix is read. Text that does not
// begin with a number, an empty text included, gives 0. Only ASCII digits count (full-width digits give 0).
// A value too large for a double also gives 0, so no caller ever sees infinity.
double parseLeadingNumber(QStringView text);

// True when the text has a leading number in the sense above (distinguishes "0" from "abc").
bool hasLeadingNumber(QStringView text);

// Formats a value with a pattern of mandatory "0" and optional "#" digit placeholders around at most one
// decimal point: "0", "0.0", "0.0#", "0.0##", "0.00", "0.00#", "0.00##", "0.000", "0.0000", "0.000000",
// "#0.0", "####" and the like. The value is rounded half away from zero on its shortest decimal form
// (0.125 with "0.00" is "0.13"), trailing optional decimals that are zero are dropped together with a point
// left bare, a zero result never shows a minus sign, and a pattern without a mandatory digit before the point
// still shows "0" rather than nothing. NaN and infinity are not numbers a design can hold: they give an empty
// text rather than a misleading figure.
QString formatNumber(double value, QStringView pattern);

} // namespace niruka
