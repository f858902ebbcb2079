#pragma once
// The commands of niruka-cli. Each runs the application's own pieces on hidden windows: a project file is
// opened by the same restore code as 開く, checked by the facility screen's 計算 rules and reported by the
// report composer, the printed pages come from 印刷 and the diagram from the diagram window's 印刷.

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

// Runs the command line (without the program name). Output goes to standard output, every message to
// standard error. Needs a QApplication.
int run(const QStringList &arguments);

} // namespace niruka::cli
