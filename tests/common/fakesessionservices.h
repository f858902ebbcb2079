#pragma once
// Scripted session services for tests without widgets: records every request and answers from queues.
// Install with FakeSessionServices::Scope where the code under test asks sessionServices(); pass the fake
// itself where it takes the services.

#include "session/sessionservices.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

namespace niruka::test {

class FakeSessionServices : public SessionServices {
public:
    struct FileRequest {
        QString title, folder, filter;
        bool save = false;
    };

    QList<MessageRequest> messages; // every box shown, in order
    int beeps = 0;
    QList<FileRequest> fileRequests;
    QStringList editorLaunches;

    std::deque<MsgAnswer> answers;   // next answers; when empty, the box's default button
    std::deque<QString> fileAnswers; // next chosen paths; when empty, cancel

    MsgAnswer message(const MessageRequest &r) override
    {
        messages.append(r);
        if (answers.empty())
            return r.defaultButton;
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void beep() override { ++beeps; }
    QString openFileName(const QString &t, const QString &d, const QString &f) override
    {
        fileRequests.append({t, d, f, false});
        return nextFile();
    }
    QString saveFileName(const QString &t, const QString &d, const QString &f) override
    {
        fileRequests.append({t, d, f, true});
        return nextFile();
    }
    void launchEditor(const QString &path) override { editorLaunches.append(path); }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const MessageRequest &m : messages)
            texts << m.text;
        return texts;
    }

    class Scope {
    public:
        explicit Scope(FakeSessionServices &fake) : m_previous(setSessionServices(&fake)) {}
        ~Scope() { setSessionServices(m_previous); }
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        SessionServices *m_previous;
    };

private:
    QString nextFile()
    {
        if (fileAnswers.empty())
            return {};
        QString p = fileAnswers.front();
        fileAnswers.pop_front();
        return p;
    }
};

} // namespace niruka::test
