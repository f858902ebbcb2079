#pragma once
// The application's command line: nothing, or the one file that a double-click in the file manager hands
// over (a project file, or a diagram settings file). A plain rule without widgets, so that main() only
// acts on its answer.

#include <QString>
#include <QStringList>

namespace niruka {

struct StartArguments {
    enum class Action {
        Start,  // start, and open `file` when it is not empty
        Help,   // print usageText() on standard output and end with status 0
        Refuse, // print `problem` and usageText() on standard error and end with kUsageExitStatus
    };
    Action action = Action::Start;
    QString file;
    QString problem;
};

inline constexpr int kUsageExitStatus = 2;

// `arguments` without the program name, after the toolkit has taken its own options. "--" ends the options,
// so a file whose name begins with "-" can be given after it.
StartArguments parseArguments(const QStringList &arguments);

// A few lines, ending in a line break.
QString usageText();

} // namespace niruka
