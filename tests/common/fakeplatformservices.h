#pragma once
// Scripted platform services for tests: records every request and answers from queues.
// Install with FakePlatformServices::Scope so the previous services come back after the test.

#include "ui/mainwindow/platformservices.h"

#include <QList>
#include <QPrinter>
#include <QString>
#include <deque>
#include <functional>

namespace niruka::test {

class FakePlatformServices : public PlatformServices {
public:
    struct FileRequest {
        QString title, folder, filter;
        bool save = false;
    };

    QList<MessageRequest> messages; // every box shown, in order
    int beeps = 0;
    QList<FileRequest> fileRequests;
    QStringList editorLaunches;
    int printerDialogs = 0;

    std::deque<MsgAnswer> answers;                    // next answers; when empty, the box's default button
    std::deque<QString> fileAnswers;                  // next chosen paths; when empty, cancel
    std::deque<bool> printerAnswers;                  // when empty, cancel
    std::function<void(QPrinter &)> configurePrinter; // e.g. set a PDF output file

    MsgAnswer message(QWidget *, const MessageRequest &r) override
    {
        messages.append(r);
        if (answers.empty())
            return r.defaultButton;
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void beep() override { ++beeps; }
    QString openFileName(QWidget *, const QString &t, const QString &d, const QString &f) override
    {
        fileRequests.append({t, d, f, false});
        return nextFile();
    }
    QString saveFileName(QWidget *, const QString &t, const QString &d, const QString &f) override
    {
        fileRequests.append({t, d, f, true});
        return nextFile();
    }
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        ++printerDialogs;
        if (printerAnswers.empty())
            return false;
        bool ok = printerAnswers.front();
        printerAnswers.pop_front();
        if (ok && configurePrinter)
            configurePrinter(printer);
        return ok;
    }
    void launchEditor(const QString &path) override { editorLaunches.append(path); }

    QString lastMessageText() const { return messages.isEmpty() ? QString() : messages.last().text; }

    // Installs the fake for the lifetime of the scope.
    class Scope {
    public:
        explicit Scope(FakePlatformServices &fake) : m_previous(setPlatform(&fake)) {}
        ~Scope() { setPlatform(m_previous); }
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        PlatformServices *m_previous;
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
