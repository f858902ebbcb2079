#pragma once
// The calculation report as an ordered list of lines, each tagged with the part it belongs to:
// 1 planned stormwater, 2 facility check, 3 largest catchment area. The text file and the page
// painter both consume this list, so they cannot drift apart.

#include <QList>
#include <QString>
#include <QStringList>

namespace niruka {

struct ReportLine {
    QString text;
    int part = 1;
    bool failingVerdict = false; // the "∴ NO" line, drawn in light magenta on a page

    friend bool operator==(const ReportLine &, const ReportLine &) = default;
};

struct ComposedReport {
    QList<ReportLine> lines;
    bool verdictNo = false; // every output that emits the verdict sounds the beep once
    bool split = false;     // flow velocity calculated: part 2 starts a page of its own

    // The texts of one part, in order.
    QStringList partTexts(int part) const
    {
        QStringList out;
        for (const ReportLine &l : lines)
            if (l.part == part)
                out.append(l.text);
        return out;
    }
    // Every line's text, in order.
    QStringList texts() const
    {
        QStringList out;
        out.reserve(lines.size());
        for (const ReportLine &l : lines)
            out.append(l.text);
        return out;
    }
};

} // namespace niruka
