#pragma once
// The session services of niruka-cli: no dialog ever opens. A message box is answered with its default
// button and its text kept for the caller; file dialogs are cancelled; the beep and the editor do nothing.

#include "session/sessionservices.h"

#include <QStringList>

namespace niruka::cli {

class CliSessionServices final : public SessionServices {
public:
    CliSessionServices();
    ~CliSessionServices() override;
    CliSessionServices(const CliSessionServices &) = delete;
    CliSessionServices &operator=(const CliSessionServices &) = delete;

    // The texts of the boxes shown since the last call, in order; the list is emptied.
    QStringList takeMessages();

    MsgAnswer message(const MessageRequest &request) override;
    void beep() override {}
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    void launchEditor(const QString &) override {}

private:
    SessionServices *m_previous = nullptr;
    QStringList m_messages;
};

} // namespace niruka::cli
