#pragma once
// The report text file for the external editor: every write appends one complete report, in code
// page 932 with CR LF line ends, to "Niruka.txt" in the working directory. Nothing ever truncates it.

#include <QString>

namespace niruka {

struct DesignCase;

inline constexpr const char *kReportFileName = "Niruka.txt";

struct ReportWriteResult {
    QString error;          // empty when the whole report was written
    bool verdictNo = false; // the report holds a failing verdict: the caller sounds the beep
    bool ok() const { return error.isEmpty(); }
};

// Composes the report and appends it to `path` (default: "Niruka.txt", relative to the working
// directory). A write that fails leaves the file as it was before and is described in `error`.
ReportWriteResult Kakikomi(const DesignCase &design,
                           const QString &path = QString::fromLatin1(kReportFileName));

} // namespace niruka
