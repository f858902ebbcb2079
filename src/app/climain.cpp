// niruka-cli: reports, printed pages and diagrams of saved designs without a display.
#include "app/clicommands.h"
#include "model/environment.h"

#include <QApplication>
#include <QFont>
#include <QLoggingCategory>

namespace {

// The toolkit's own warnings (fonts, the offscreen platform) are not the companion's messages.
void quietToolkit(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietToolkit);
    QApplication app(argc, argv);
    niruka::installJapaneseEnvironment();
    QApplication::setFont(QFont(QStringLiteral("MS UI Gothic"), 9));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return niruka::cli::run(arguments);
}
