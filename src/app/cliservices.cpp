#include "app/cliservices.h"

#include <utility>

namespace niruka::cli {

CliSessionServices::CliSessionServices() : m_previous(setSessionServices(this)) {}

CliSessionServices::~CliSessionServices()
{
    setSessionServices(m_previous);
}

QStringList CliSessionServices::takeMessages()
{
    return std::exchange(m_messages, {});
}

MsgAnswer CliSessionServices::message(const MessageRequest &request)
{
    // A box that only informs (the validation box, a read problem) is what the caller reports.
    m_messages.append(request.text);
    return request.defaultButton;
}

} // namespace niruka::cli
