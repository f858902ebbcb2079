#include "model/environment.h"
#include "session/startarguments.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/workspace.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <cstdio>

namespace {

void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // After the toolkit has taken its own options (-style, -session, ...).
    const niruka::StartArguments start = niruka::parseArguments(QCoreApplication::arguments().mid(1));
    switch (start.action) {
    case niruka::StartArguments::Action::Help:
        write(stdout, niruka::usageText());
        return 0;
    case niruka::StartArguments::Action::Refuse:
        write(stderr, QStringLiteral("niruka: ") + start.problem + QLatin1Char('\n') + niruka::usageText());
        return niruka::kUsageExitStatus;
    case niruka::StartArguments::Action::Start:
        break;
    }

    niruka::installJapaneseEnvironment();
    // The screens' own font ("MS UI Gothic", IPA P Gothic where Windows fonts are missing).
    QApplication::setFont(niruka::screenFont());
    // No application display name: Qt would append it to every title, and the boxes' titles are exact.
    // The installed desktop entry and icon carry this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.niruka.Niruka"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("jp.niruka.Niruka")));
    niruka::MainFrame frame;
    auto *workspace = new niruka::Workspace(frame);
    QObject::connect(&frame, &niruka::MainFrame::exitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    frame.show();
    if (!start.file.isEmpty()) {
        // Once the window is up, so that a message about the file has it as its parent.
        QTimer::singleShot(0, workspace, [workspace, file = start.file] { workspace->openDocument(file); });
    }
    return app.exec();
}
