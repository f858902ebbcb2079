#include "ui/mainwindow/versionscreen.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace niruka {

VersionScreen::VersionScreen(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VersionScreen"));
    setWindowTitle(QStringLiteral("バージョン情報"));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(size, size));
    auto *text = new QLabel(QStringLiteral("ニルカ（雨水編） Version 1.16"), this);
    text->setObjectName(QStringLiteral("Label1"));

    auto *ok = new QPushButton(QStringLiteral("ＯＫ"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addWidget(text, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(bottom);
}

} // namespace niruka
