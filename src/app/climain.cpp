// niruka-cli: reports, printed pages and diagrams of saved designs without a display.
#include "app/clicommands.h"
#include "model/environment.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QProxyStyle>

namespace {

// The toolkit's own warnings (fonts, the offscreen platform) are not the companion's messages.
void quietToolkit(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// No window of the companion is ever shown, yet every design screen it opens gets a sub-window frame that
// asks the style for its title-bar icons; reading them from their image files once is enough.
class IconCachingStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        if (option)
            return QProxyStyle::standardIcon(icon, option, widget);
        auto it = m_icons.constFind(icon);
        if (it == m_icons.cend())
            it = m_icons.insert(icon, QProxyStyle::standardIcon(icon, option, widget));
        return *it;
    }

private:
    mutable QHash<int, QIcon> m_icons;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietToolkit);
    QApplication app(argc, argv);
    QApplication::setStyle(new IconCachingStyle);
    niruka::installJapaneseEnvironment();
    QApplication::setFont(QFont(QStringLiteral("MS UI Gothic"), 9));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return niruka::cli::run(arguments);
}
