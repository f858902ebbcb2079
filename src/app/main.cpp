#include "model/environment.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    niruka::installJapaneseEnvironment();
    QMainWindow w;
    w.setWindowTitle(QString::fromUtf8("ニルカ（雨水編）"));
    w.resize(1024, 720);
    w.show();
    return app.exec();
}
