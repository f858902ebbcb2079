#include "model/environment.h"
#include "ui/mainframe.h"
#include "ui/workspace.h"

#include <QApplication>
#include <QFont>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    niruka::installJapaneseEnvironment();
    // The screens' own font; the environment maps it to IPA P Gothic where Windows fonts are missing.
    QApplication::setFont(QFont(QStringLiteral("MS UI Gothic"), 9));
    // No application display name: Qt would append it to every title, and the boxes' titles are exact.
    niruka::MainFrame frame;
    new niruka::Workspace(frame);
    QObject::connect(&frame, &niruka::MainFrame::exitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    frame.show();
    return app.exec();
}
