#include "app/cliservices.h"

#include <QPrinter>
#include <utility>

namespace niruka::cli {

namespace {

bool offers(MsgButtons buttons, MsgAnswer answer)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return answer == MsgAnswer::Ok;
    case MsgButtons::OkCancel:
        return answer == MsgAnswer::Ok || answer == MsgAnswer::Cancel;
    case MsgButtons::YesNo:
        return answer == MsgAnswer::Yes || answer == MsgAnswer::No;
    case MsgButtons::YesNoCancel:
        return answer != MsgAnswer::Ok;
    }
    return false;
}

} // namespace

CliPlatformServices::CliPlatformServices() : m_previous(setPlatform(this)) {}

CliPlatformServices::~CliPlatformServices()
{
    setPlatform(m_previous);
}

QStringList CliPlatformServices::takeMessages()
{
    return std::exchange(m_messages, {});
}

void CliPlatformServices::answerNext(MsgAnswer answer)
{
    m_answer = answer;
}

void CliPlatformServices::chooseFileNext(const QString &path)
{
    m_file = path;
}

void CliPlatformServices::printToPdfNext(const QString &path)
{
    m_pdf = path;
}

MsgAnswer CliPlatformServices::message(QWidget *, const MessageRequest &request)
{
    if (m_answer && offers(request.buttons, *m_answer))
        return *std::exchange(m_answer, std::nullopt);
    // A box that only informs (the validation box, a read problem) is what the caller reports.
    m_messages.append(request.text);
    return request.defaultButton;
}

QString CliPlatformServices::openFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return std::exchange(m_file, {});
}

QString CliPlatformServices::saveFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return {}; // the companion never saves through a dialog
}

bool CliPlatformServices::choosePrinter(QWidget *, QPrinter &printer)
{
    const QString pdf = std::exchange(m_pdf, {});
    if (pdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
}

} // namespace niruka::cli
