#pragma once
// Everything that would block on the user or reach outside the process goes through this interface:
// message boxes, file dialogs, the printer dialog, the beep and the external editor. The application
// uses QtPlatformServices; tests install a scripted fake, so no real modal dialog opens in a test.

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

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

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    virtual MsgAnswer message(QWidget *parent, const MessageRequest &request) = 0;
    virtual void beep() = 0;
    // Return the chosen path, or an empty string when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    // Shows the system printer dialog for `printer`; false when the user cancels.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    // Starts the text editor on `path` without waiting; errors are ignored.
    virtual void launchEditor(const QString &path) = 0;
};

// The services the running application uses; never null (defaults to the Qt implementation).
PlatformServices &platform();
// Replaces the services (tests); returns the previous ones. Does not take ownership.
PlatformServices *setPlatform(PlatformServices *services);

// Shorthand for the validation box: title "エラーメッセージ", OK only, no icon.
void showError(QWidget *parent, const QString &text);

} // namespace niruka
