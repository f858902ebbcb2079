#pragma once
// The project file of the open design: 開く restores every screen in the order the file is written, 保存
// collects what the screens hold. The dialogs and questions of 開く, 名前をつけて保存 and 上書き保存 go
// through the design session's services; openFile, collect and saveFile ask nothing.

#include "docs/projectfile.h"
#include "docs/projectrecord.h"
#include "session/designworkflow.h"

#include <QString>
#include <optional>

namespace niruka {

class DesignSession;

class ProjectSession {
public:
    explicit ProjectSession(DesignSession &session);

    // 開く without the dialog: closes the open design (Tojiru), restores every screen in the written order,
    // sets the current file name and the conditions screen's title, then checks the design restored.
    // Shows no message; returns what the read gave. A file that cannot be opened or is too large leaves the
    // open design as it was.
    ProjectReadResult openFile(const QString &path);
    // Why the last openFile restored no result (its check's refusal); nothing when it restored one.
    const std::optional<Refusal> &lastRefusal() const { return m_lastRefusal; }
    // The record of the open design's screens, as 保存 writes it.
    ProjectRecord collect() const;
    // Writes collect() atomically to `path`; the error text, empty on success.
    QString saveFile(const QString &path);

    // The menu and toolbar commands with their dialogs and questions.
    void fileOpen();
    // 開く after its dialog returned `path`: openFile() and its one message. Also the file given at start.
    void openPath(const QString &path);
    void saveAs();
    void fileUpdate();

    // "ニルカ(雨水編)(.nrk) (*.nrk)"
    static QString fileFilter();
    // The folder "ニルカ(雨水編)" beside the executable, or the user's own folder when it is missing or
    // cannot be written to (an installed program).
    static QString startFolder();
    // The one message for an open that did not go completely; empty for a complete read.
    static QString readProblemText(const ProjectReadResult &result);
    // A diagram settings file (".gra", any case) rather than a project file.
    static bool isDiagramSettingsPath(const QString &path);

private:
    DesignSession &m_session;
    std::optional<Refusal> m_lastRefusal;
};

} // namespace niruka
