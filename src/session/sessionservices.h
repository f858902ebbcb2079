#pragma once
// What a rule asks of the user or of the world outside the process: message boxes, the beep, the file
// dialogs and the external editor. No widget type appears here; the screens' PlatformServices derive from
// it and add the dialog parents and the printer dialog.

#include <QString>

namespace niruka {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Question, Warning, Critical };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString title;
    QString text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgAnswer defaultButton = MsgAnswer::Ok;
};

class SessionServices {
public:
    virtual ~SessionServices() = default;

    virtual MsgAnswer message(const MessageRequest &request) = 0;
    virtual void beep() = 0;
    // Return the chosen path, or an empty string when the user cancels.
    virtual QString openFileName(const QString &title, const QString &folder, const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &folder, const QString &filter) = 0;
    // Starts the text editor on `path` without waiting; errors are ignored.
    virtual void launchEditor(const QString &path) = 0;
};

// The services installed now, through a forwarder: a session built with it follows every later
// setSessionServices. Before any is installed, a quiet one answers each box with its default button and
// every file dialog with a cancel.
SessionServices &sessionServices();
// Installs the services (the application's, or a test's scripted fake); returns the previous ones, null
// for the quiet default. Does not take ownership.
SessionServices *setSessionServices(SessionServices *services);
// Whether services other than the quiet default are installed.
bool hasSessionServices();

// The validation box: title "エラーメッセージ", OK only, no icon.
void showError(SessionServices &services, const QString &text);

} // namespace niruka
