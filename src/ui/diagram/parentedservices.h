#pragma once
// The platform services as session services whose boxes and file dialogs open over one window: a session
// a window owns asks through it, so its boxes stay where the window's own boxes opened.

#include "ui/mainwindow/platformservices.h"

#include <QPointer>
#include <QWidget>

namespace niruka {

class ParentedServices final : public SessionServices {
public:
    explicit ParentedServices(QWidget *parent) : m_parent(parent) {}

    MsgAnswer message(const MessageRequest &request) override
    {
        return platform().message(m_parent, request);
    }
    void beep() override { platform().beep(); }
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override
    {
        return platform().openFileName(m_parent, title, folder, filter);
    }
    QString saveFileName(const QString &title, const QString &folder, const QString &filter) override
    {
        return platform().saveFileName(m_parent, title, folder, filter);
    }
    void launchEditor(const QString &path) override { platform().launchEditor(path); }

private:
    QPointer<QWidget> m_parent;
};

} // namespace niruka
