#include "session/sessionservices.h"

namespace niruka {
namespace {

class QuietServices final : public SessionServices {
public:
    MsgAnswer message(const MessageRequest &request) override { return request.defaultButton; }
    void beep() override {}
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    void launchEditor(const QString &) override {}
};

SessionServices *g_installed = nullptr;

SessionServices &installed()
{
    static QuietServices quiet;
    return g_installed ? *g_installed : quiet;
}

class Forwarder final : public SessionServices {
public:
    MsgAnswer message(const MessageRequest &request) override { return installed().message(request); }
    void beep() override { installed().beep(); }
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override
    {
        return installed().openFileName(title, folder, filter);
    }
    QString saveFileName(const QString &title, const QString &folder, const QString &filter) override
    {
        return installed().saveFileName(title, folder, filter);
    }
    void launchEditor(const QString &path) override { installed().launchEditor(path); }
};

} // namespace

SessionServices &sessionServices()
{
    static Forwarder forwarder;
    return forwarder;
}

SessionServices *setSessionServices(SessionServices *services)
{
    SessionServices *previous = g_installed;
    g_installed = services;
    return previous;
}

bool hasSessionServices()
{
    return g_installed != nullptr;
}

void showError(SessionServices &services, const QString &text)
{
    services.message(
        {QStringLiteral("エラーメッセージ"), text, MsgButtons::Ok, MsgIcon::None, MsgAnswer::Ok});
}

} // namespace niruka
