#pragma once
// The project-file commands of the main window: open (開く), save as (名前をつけて保存) and overwrite
// (上書き保存), handed to the design session's ProjectSession.

#include "docs/projectfile.h"
#include "docs/projectrecord.h"
#include "session/designworkflow.h"

#include <QObject>
#include <QString>

namespace niruka {

class MainFrame;
class ProjectSession;

class ProjectCommands : public QObject {
    Q_OBJECT
public:
    // Installs the handlers "Men_FOpn", "Men_FOvw" and "Men_FSav" on `frame`; a child of the frame.
    explicit ProjectCommands(MainFrame &frame);

    // 開く without the dialog: closes the open design (Tojiru), restores every screen in the written order,
    // sets the current file name and the conditions screen's title, then checks the design restored.
    // Shows no message; returns what the read gave. A file that cannot be opened or is too large leaves the
    // open design as it was.
    ProjectReadResult openFile(const QString &path);
    // Why the last openFile restored no result (its check's refusal); nothing when it restored one.
    const std::optional<Refusal> &lastRefusal() const;
    // The record of the open design's screens, as 保存 writes it. Changes nothing on the screens.
    ProjectRecord collect() const;
    // Writes collect() atomically to `path`; the error text, empty on success.
    QString saveFile(const QString &path);

    // The menu and toolbar commands with their dialogs and questions.
    void FileOpen();
    // 開く after its dialog returned `path`: openFile() and its one message. Also the file given at start.
    void openPath(const QString &path);
    void saveAs();
    void FileUpdate();

    // "ニルカ(雨水編)(.nrk) (*.nrk)"
    static QString fileFilter();
    // The folder "ニルカ(雨水編)" beside the executable, or the user's own folder when it is missing or
    // cannot be written to (an installed program).
    static QString startFolder();

    // The one message for an open that did not go completely; empty for a complete read.
    static QString readProblemText(const ProjectReadResult &result);

private:
    ProjectSession &project() const;

    MainFrame &m_frame;
};

} // namespace niruka
