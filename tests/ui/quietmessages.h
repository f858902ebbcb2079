#pragma once
// Drops the offscreen platform's "This plugin does not support …" warnings so that test logs show only
// what matters; every other message goes to the handler that was installed before (Qt Test's).

#include <QString>
#include <QtGlobal>

namespace niruka::test {

inline QtMessageHandler &previousMessageHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void quietPlatformMessages()
{
    previousMessageHandler() =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
                return;
            if (QtMessageHandler previous = previousMessageHandler())
                previous(type, context, message);
        });
}

} // namespace niruka::test
