#pragma once
// Scripted services and a log of what a design session tells its views, in one sequence, so a test sees
// the order of boxes, beeps, windows and focus moves.

#include "session/designsession.h"

#include <QObject>
#include <QStringList>
#include <deque>

namespace niruka::test {

inline QString screenName(ScreenId id)
{
    static const char *const names[] = {"Conditions",     "Pipe",
                                        "Circular",       "Ditch",
                                        "Polygon",        "Result",
                                        "Runoff",         "Intensity",
                                        "InflowTime",     "RiverTime",
                                        "VelocitySelect", "VelocityPipe",
                                        "VelocityDitch",  "VelocityCircular",
                                        "VelocityPolygon"};
    return QString::fromLatin1(names[static_cast<int>(id)]);
}

class ScriptedServices : public SessionServices {
public:
    QStringList *log = nullptr;
    QList<MessageRequest> messages;
    int beeps = 0;
    std::deque<MsgAnswer> answers; // when empty, each box's default button
    std::deque<QString> files;     // when empty, a cancelled dialog
    QStringList editorLaunches;

    MsgAnswer message(const MessageRequest &request) override
    {
        messages.append(request);
        if (log)
            *log << QStringLiteral("box %1: %2").arg(request.title, request.text);
        if (answers.empty())
            return request.defaultButton;
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void beep() override
    {
        ++beeps;
        if (log)
            *log << QStringLiteral("beep");
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return nextFile(); }
    QString saveFileName(const QString &, const QString &, const QString &) override { return nextFile(); }
    void launchEditor(const QString &path) override { editorLaunches << path; }

private:
    QString nextFile()
    {
        if (files.empty())
            return {};
        QString f = files.front();
        files.pop_front();
        return f;
    }
};

// The windows and the focus, as "open Pipe", "close Result", "show Result", "focus Conditions.txt_c".
inline void logEvents(DesignSession &session, QStringList &log)
{
    QObject::connect(&session, &DesignSession::screenOpened, &session,
                     [&log](ScreenId s) { log << QStringLiteral("open ") + screenName(s); });
    QObject::connect(&session, &DesignSession::screenClosed, &session,
                     [&log](ScreenId s) { log << QStringLiteral("close ") + screenName(s); });
    QObject::connect(&session, &DesignSession::screenShown, &session, [&log](ScreenId s, bool visible) {
        log << (visible ? QStringLiteral("show ") : QStringLiteral("hide ")) + screenName(s);
    });
    QObject::connect(&session, &DesignSession::focusRequested, &session, [&log](const FocusRequest &r) {
        log << QStringLiteral("focus %1.%2").arg(screenName(r.control.screen), r.control.name);
    });
}

} // namespace niruka::test
