#pragma once
// The rule every report must keep, checked on a live main window: whenever it offers to print, write or
// save, (a) the report's numbers agree with each other to the digits printed, and no number is missing,
// and (b) the report is what a new window prints after opening the file that 名前をつけて保存 would write
// now. checkCoherence() returns what is wrong, or an empty text.

#include "report/reportcomposer.h"
#include "reportcoherence.h"
#include "session/designsession.h"
#include "session/designworkflow.h"
#include "session/projectsession.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/projectcommands.h"
#include "ui/mainwindow/workspace.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace niruka::test {

// Whether the frame offers any command that prints, writes or saves the result.
inline bool offersResult(const MainFrame &frame)
{
    for (const char *name : {"Men_FSav", "Men_FOvw", "Men_FImg", "Men_FPrn", "Men_FEWri"})
        if (frame.action(name)->isEnabled())
            return true;
    for (int button : {3, 5, 6})
        if (frame.toolbarButton(button)->isEnabled())
            return true;
    return false;
}

inline bool resultOnScreen(const MainFrame &frame)
{
    return frame.resultScreen() && frame.design().hasResult();
}

// What a new design prints after opening `path`; the refusal instead when it opens without a result.
inline QStringList reportOfFreshDesign(const QString &path, bool *split, QString *refusal)
{
    DesignSession session;
    session.project().openFile(path);
    if (!session.resultShown()) {
        *refusal = QStringLiteral("no result");
        return {};
    }
    return reportText(session.design(), split);
}

// The last saved file that a new window was shown to print the same report from; a session that saves
// the same bytes with the same report again needs no new window.
struct VerifiedSave {
    QByteArray bytes;
    QStringList report;
    bool split = false;
};

// The whole rule; `scratchFile` is where the save is written. Empty when it holds.
inline QString checkCoherence(MainFrame &frame, Workspace &workspace, const QString &scratchFile,
                              int *reportsChecked = nullptr, VerifiedSave *verified = nullptr)
{
    if (!resultOnScreen(frame) && isVerdictText(frame.statusText()))
        return QStringLiteral("the status bar shows a verdict without a result: ") + frame.statusText();
    if (!offersResult(frame))
        return {};
    if (!resultOnScreen(frame))
        return QStringLiteral("a command is offered without a result on screen");
    bool split = false;
    const QStringList report = reportText(frame.design(), &split);
    QStringList bare;
    for (const QString &line : report)
        bare << line.mid(2);
    const QString inner = reportAgreesWithItself(bare);
    if (!inner.isEmpty())
        return QStringLiteral("(a) ") + inner + QStringLiteral("\n") + bare.join(u'\n');
    const QString error = workspace.projectCommands().saveFile(scratchFile);
    if (!error.isEmpty())
        return QStringLiteral("(b) the save fails: ") + error;
    QByteArray bytes;
    if (verified) {
        QFile saved(scratchFile);
        if (saved.open(QIODevice::ReadOnly))
            bytes = saved.readAll();
        if (bytes == verified->bytes && report == verified->report && split == verified->split)
            return {};
    }
    bool freshSplit = false;
    QString refusal;
    const QStringList fresh = reportOfFreshDesign(scratchFile, &freshSplit, &refusal);
    if (!refusal.isEmpty())
        return QStringLiteral("(b) the saved file opens without a result: ") + refusal;
    if (fresh != report || freshSplit != split) {
        QString diff;
        for (qsizetype k = 0; k < std::max(fresh.size(), report.size()); ++k) {
            const QString a = k < report.size() ? report[k] : QString();
            const QString b = k < fresh.size() ? fresh[k] : QString();
            if (a != b)
                diff += QStringLiteral("\n  shown: ") + a + QStringLiteral("\n  saved: ") + b;
        }
        return QStringLiteral("(b) the saved file prints another report") +
               (freshSplit != split ? QStringLiteral(" (pages differ)") : QString()) + diff;
    }
    if (reportsChecked)
        ++*reportsChecked;
    if (verified)
        *verified = VerifiedSave{bytes, report, split};
    return {};
}

} // namespace niruka::test
