#pragma once
// The commands of niruka-cli. Each runs the application's own pieces without a window: a project file is
// opened by the design session's restore as 開く opens it, checked by the facility screen's 計算 rules and
// reported by the report composer; the printed pages come from the report painter as 印刷 prints them, and
// the diagram from the diagram window's session as its 印刷 prints it.

#include <QStringList>

namespace niruka::cli {

// Exit statuses; with several files the worst (largest) counts.
enum ExitStatus : int {
    kExitOk = 0,          // O.K, or the output was written
    kExitNo = 1,          // the facility cannot carry the planned volume
    kExitCannotCheck = 2, // the input cannot be read or checked, or the command line is wrong
};

// The text of --help.
QString helpText();

// Whether the command draws pages or pictures (print, diagram) and so needs a QGuiApplication with fonts;
// the others need only a QCoreApplication.
bool needsGui(const QStringList &arguments);

// Runs the command line (without the program name). Output goes to standard output, every message to
// standard error.
int run(const QStringList &arguments);

} // namespace niruka::cli
