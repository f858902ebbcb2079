#pragma once
// The platform services of niruka-cli: no dialog ever opens. A message box is answered with its default
// button (or the answer set beforehand) and its text kept for the caller; the printer dialog hands back the
// printer set up to write a PDF file; file dialogs are cancelled; the beep and the editor do nothing.

#include "ui/mainwindow/platformservices.h"

#include <QStringList>
#include <optional>

namespace niruka::cli {

class CliPlatformServices : public PlatformServices {
public:
    CliPlatformServices();
    ~CliPlatformServices() override;
    CliPlatformServices(const CliPlatformServices &) = delete;
    CliPlatformServices &operator=(const CliPlatformServices &) = delete;

    // The texts of the boxes shown since the last call, in order; the list is emptied.
    QStringList takeMessages();

    // The answer to the next question that offers it (Yes/No/OK/Cancel); otherwise the default button.
    void answerNext(MsgAnswer answer);
    // The path the next file dialog returns; empty cancels it.
    void chooseFileNext(const QString &path);
    // The next printer dialog accepts and sends the printer's output to this PDF file; empty cancels it.
    void printToPdfNext(const QString &path);

    MsgAnswer message(QWidget *parent, const MessageRequest &request) override;
    void beep() override {}
    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    void launchEditor(const QString &) override {}

private:
    PlatformServices *m_previous = nullptr;
    QStringList m_messages;
    std::optional<MsgAnswer> m_answer;
    QString m_file;
    QString m_pdf;
};

} // namespace niruka::cli
