#include "session/startarguments.h"

namespace niruka {

StartArguments parseArguments(const QStringList &arguments)
{
    StartArguments out;
    const auto refuse = [&out](const QString &problem) {
        out.action = StartArguments::Action::Refuse;
        out.problem = problem;
        out.file.clear();
        return out;
    };
    QStringList files;
    bool optionsEnded = false;
    for (const QString &a : arguments) {
        if (!optionsEnded && a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (a == QLatin1String("-h") || a == QLatin1String("--help"))) {
            out.action = StartArguments::Action::Help;
        } else if (!optionsEnded && a.startsWith(QLatin1Char('-'))) {
            return refuse(QStringLiteral("unknown option ") + a);
        } else if (a.isEmpty()) {
            return refuse(QStringLiteral("an empty file name"));
        } else {
            files.append(a);
        }
    }
    if (out.action == StartArguments::Action::Help)
        return out;
    if (files.size() > 1)
        return refuse(QStringLiteral("only one file can be opened at a time"));
    if (!files.isEmpty())
        out.file = files.first();
    return out;
}

QString usageText()
{
    return QStringLiteral(
        "usage: niruka [FILE.nrk | FILE.gra]\n"
        "Starts ニルカ（雨水編）. A project file (.nrk) is opened as 開く opens it; a diagram "
        "settings file (.gra) is opened in the diagram window.\n");
}

} // namespace niruka
