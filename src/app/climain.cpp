// niruka-cli: reports, printed pages and diagrams of saved designs without a display.
#include "app/clicommands.h"
#include "model/environment.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>

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
    qInstallMessageHandler(quietToolkit);
    QStringList command;
    for (int i = 1; i < argc; ++i)
        command << QString::fromLocal8Bit(argv[i]);
    // A report reads and writes text: no window system, no fonts. Pages and pictures need the fonts.
    std::unique_ptr<QCoreApplication> app;
    if (niruka::cli::needsGui(command)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        niruka::installJapaneseEnvironment();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
        niruka::installJapaneseLocale();
    }
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return niruka::cli::run(arguments);
}
