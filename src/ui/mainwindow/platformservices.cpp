#include "ui/mainwindow/platformservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace niruka {

namespace {

QMessageBox::StandardButton toQt(MsgAnswer a)
{
    switch (a) {
    case MsgAnswer::Ok:
        return QMessageBox::Ok;
    case MsgAnswer::Cancel:
        return QMessageBox::Cancel;
    case MsgAnswer::Yes:
        return QMessageBox::Yes;
    case MsgAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

class QtPlatformServices final : public PlatformServices {
public:
    MsgAnswer message(QWidget *parent, const MessageRequest &r) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(r.title);
        box.setText(r.text);
        switch (r.icon) {
        case MsgIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        }
        QMessageBox::StandardButtons set = QMessageBox::Ok;
        switch (r.buttons) {
        case MsgButtons::Ok:
            set = QMessageBox::Ok;
            break;
        case MsgButtons::OkCancel:
            set = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case MsgButtons::YesNo:
            set = QMessageBox::Yes | QMessageBox::No;
            break;
        case MsgButtons::YesNoCancel:
            set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
        }
        box.setStandardButtons(set);
        box.setDefaultButton(toQt(r.defaultButton));
        // Japanese captions for the standard buttons.
        if (auto *b = box.button(QMessageBox::Cancel))
            b->setText(QStringLiteral("キャンセル"));
        if (auto *b = box.button(QMessageBox::Yes))
            b->setText(QStringLiteral("はい(&Y)"));
        if (auto *b = box.button(QMessageBox::No))
            b->setText(QStringLiteral("いいえ(&N)"));
        switch (box.exec()) {
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        default:
            break;
        }
        // Closing the box with Esc or the title bar answers like its escape button.
        if (r.buttons == MsgButtons::OkCancel || r.buttons == MsgButtons::YesNoCancel)
            return box.clickedButton() == box.button(QMessageBox::Ok) ? MsgAnswer::Ok : MsgAnswer::Cancel;
        if (r.buttons == MsgButtons::YesNo)
            return MsgAnswer::No;
        return MsgAnswer::Ok;
    }

    void beep() override { QApplication::beep(); }

    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, folder, filter);
    }

    QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter) override
    {
        // The overwrite question is the application's own, so the dialog does not ask.
        return QFileDialog::getSaveFileName(parent, title, folder, filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }

    bool choosePrinter(QWidget *parent, QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    void launchEditor(const QString &path) override
    {
        // The report file is CP932: prefer editors that can be told the encoding.
        const QString absolute = QFileInfo(path).absoluteFilePath();
        struct Editor {
            const char *program;
            QStringList args;
        };
        const Editor editors[] = {
            {"gedit", {QStringLiteral("--encoding=CP932"), absolute}},
            {"mousepad", {QStringLiteral("--encoding=CP932"), absolute}},
            {"kate", {QStringLiteral("--encoding"), QStringLiteral("CP932"), absolute}},
        };
        for (const Editor &e : editors) {
            const QString exe = QStandardPaths::findExecutable(QString::fromLatin1(e.program));
            if (!exe.isEmpty() && QProcess::startDetached(exe, e.args))
                return;
        }
        QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
    }
};

QtPlatformServices &qtServices()
{
    static QtPlatformServices services;
    return services;
}

PlatformServices *g_current = nullptr;

QWidget *dialogParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

MsgAnswer PlatformServices::message(const MessageRequest &request)
{
    return message(dialogParent(), request);
}

QString PlatformServices::openFileName(const QString &title, const QString &folder, const QString &filter)
{
    return openFileName(dialogParent(), title, folder, filter);
}

QString PlatformServices::saveFileName(const QString &title, const QString &folder, const QString &filter)
{
    return saveFileName(dialogParent(), title, folder, filter);
}

PlatformServices &platform()
{
    return g_current ? *g_current : qtServices();
}

PlatformServices *setPlatform(PlatformServices *services)
{
    PlatformServices *previous = g_current;
    g_current = services;
    setSessionServices(&platform());
    return previous;
}

void installPlatformAsSessionServices()
{
    if (!hasSessionServices())
        setSessionServices(&platform());
}

void showError(QWidget *parent, const QString &text)
{
    platform().message(
        parent, {QStringLiteral("エラーメッセージ"), text, MsgButtons::Ok, MsgIcon::None, MsgAnswer::Ok});
}

} // namespace niruka
