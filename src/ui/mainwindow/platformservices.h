#pragma once
// Everything that would block on the user or reach outside the process goes through this interface:
// message boxes, file dialogs, the printer dialog, the beep and the external editor. The widget-free part
// is SessionServices; this adds the dialogs' parent windows and the printer dialog. The application
// uses QtPlatformServices; tests install a scripted fake, so no real modal dialog opens in a test.

#include "session/sessionservices.h"

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace niruka {

class PlatformServices : public SessionServices {
public:
    virtual MsgAnswer message(QWidget *parent, const MessageRequest &request) = 0;
    // Return the chosen path, or an empty string when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    // Shows the system printer dialog for `printer`; false when the user cancels.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;

    // A request without a parent opens over the active modal dialog, else over the active window.
    MsgAnswer message(const MessageRequest &request) final;
    QString openFileName(const QString &title, const QString &folder, const QString &filter) final;
    QString saveFileName(const QString &title, const QString &folder, const QString &filter) final;
};

// The services the running application uses; never null (defaults to the Qt implementation).
PlatformServices &platform();
// Replaces the services (tests); returns the previous ones. Does not take ownership. The sessions'
// services (sessionServices()) follow.
PlatformServices *setPlatform(PlatformServices *services);
// Makes platform() the sessions' services unless a test installed its own (the main window does this).
void installPlatformAsSessionServices();

// Shorthand for the validation box: title "エラーメッセージ", OK only, no icon.
void showError(QWidget *parent, const QString &text);

} // namespace niruka
