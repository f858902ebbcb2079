// The diagram window: its start state, the order of the draw checks, the family selection, the Enter
// chain, the settings-file commands with their questions and enabling, printing and closing.
#include "fakeplatformservices.h"
#include "model/cp932codec.h"
#include "model/environment.h"
#include "session/defaultfolder.h"
#include "ui/diagram/graphscreen.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace niruka;
using niruka::test::FakePlatformServices;

namespace {

template <class T> T *child(QWidget &parent, const char *name)
{
    T *w = parent.findChild<T *>(QString::fromLatin1(name));
    if (!w) {
        QStringList names;
        for (QObject *o : parent.findChildren<QObject *>())
            if (!o->objectName().isEmpty())
                names << o->objectName();
        qFatal("no child %s; there are: %s", name, qPrintable(names.join(u' ')));
    }
    return w;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestGraphScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installJapaneseEnvironment();
        setPlatform(&m_quiet); // no real dialog may ever open in a test
    }
    void startState();
    void drawChecksInOrder_data();
    void drawChecksInOrder();
    void focusDrawsWithoutChecks();
    void familySelection();
    void enterChain();
    void menuEnabling();
    void saveAndOpenRoundTrip();
    void saveAsDeclinedKeepsFileButTakesName();
    void overwriteAsksFirst();
    void saveFailureIsReported();
    void openDamagedFileTellsTheUser_data();
    void openDamagedFileTellsTheUser();
    void openedFileThenDrawAsks_data();
    void openedFileThenDrawAsks();
    void newClearsTheFields();
    void printing();
    void closeHides();
    void closeInsideChildWindowFrame();
    void closingStatusText_data();
    void closingStatusText();
    void scrollMovesThePage();

private:
    FakePlatformServices m_quiet;
};

void TestGraphScreen::startState()
{
    GraphScreen w;
    QCOMPARE(w.windowTitle(), QStringLiteral("ニルカ"));
    auto *family = child<QComboBox>(w, "cbo1");
    auto *depth = child<QComboBox>(w, "cbo2");
    QCOMPARE(family->count(), 13);
    QCOMPARE(family->currentIndex(), 0);
    QCOMPARE(family->currentText(), QStringLiteral("ＶＰ管φ65-300"));
    QCOMPARE(family->itemText(1), QString());
    QCOMPARE(family->itemText(12), QStringLiteral("ﾋｭｰﾑ管φ1800-3000"));
    QCOMPARE(depth->count(), 15);
    QCOMPARE(depth->currentText(), QStringLiteral("水深８割"));
    QVERIFY(child<QLineEdit>(w, "txt1")->text().isEmpty());
    QVERIFY(!child<QRadioButton>(w, "opt1")->isChecked());
    QVERIFY(!child<QRadioButton>(w, "opt2")->isChecked());
    QCOMPARE(child<QPushButton>(w, "cmd1")->text(), QStringLiteral("グラフ 描画"));
    QCOMPARE(child<QPushButton>(w, "cmd2")->text(), QStringLiteral("グラフ 印刷"));
    QCOMPARE(w.drawnState(), GraphScreen::DrawnState::None);
    QVERIFY(w.surfaceGeometry().curves.empty());
    QVERIFY(!w.surfaceGeometry().grid.empty());
}

void TestGraphScreen::drawChecksInOrder_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("n");
    QTest::addColumn<int>("formula"); // 0 none, 1 Manning, 2 Kutter
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("i");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    // Every row breaks all checks from its own on, so only the order decides which message comes.
    QTest::newRow("separator family") << 4 << 1 << "" << 0 << ""
                                      << ""
                                      << "施設の種類を選択してください。"
                                      << "cbo1";
    QTest::newRow("separator depth") << 0 << 8 << "" << 0 << ""
                                     << ""
                                     << "水深水量を選択してください。"
                                     << "cbo2";
    QTest::newRow("n missing") << 0 << 2 << "abc" << 0 << ""
                               << ""
                               << "粗度係数を入力してください。"
                               << "txt1";
    QTest::newRow("n negative") << 0 << 2 << "-0.01" << 1 << "0.5"
                                << "100"
                                << "粗度係数を入力してください。"
                                << "txt1";
    QTest::newRow("no formula") << 0 << 2 << "0.01" << 0 << ""
                                << ""
                                << "流速の計算方法を選択してください。"
                                << "opt1";
    QTest::newRow("C missing") << 0 << 2 << "0.01" << 1 << ""
                               << ""
                               << "流出係数を入力してください。"
                               << "txt2";
    QTest::newRow("I missing") << 0 << 2 << "0.01" << 2 << "0.5"
                               << "0"
                               << "1時間当たりの降雨強度を入力してください。"
                               << "txt3";
    QTest::newRow("all given") << 0 << 2 << "0.01" << 2 << "0.5"
                               << "100"
                               << ""
                               << "cmd1";
}

void TestGraphScreen::drawChecksInOrder()
{
    QFETCH(int, family);
    QFETCH(int, depth);
    QFETCH(QString, n);
    QFETCH(int, formula);
    QFETCH(QString, c);
    QFETCH(QString, i);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    GraphScreen w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    child<QComboBox>(w, "cbo1")->setCurrentIndex(family);
    child<QComboBox>(w, "cbo2")->setCurrentIndex(depth);
    child<QLineEdit>(w, "txt1")->setText(n);
    child<QRadioButton>(w, "opt1")->setChecked(formula == 1);
    child<QRadioButton>(w, "opt2")->setChecked(formula == 2);
    child<QLineEdit>(w, "txt2")->setText(c);
    child<QLineEdit>(w, "txt3")->setText(i);
    child<QComboBox>(w, "cbo1")->setFocus();

    QTest::mouseClick(child<QPushButton>(w, "cmd1"), Qt::LeftButton);

    // The button taking the focus draws once without checks; the click draws again only when they pass.
    if (message.isEmpty()) {
        QVERIFY(fake.messages.isEmpty());
        QCOMPARE(w.screenDrawings(), 2);
        QCOMPARE(w.surfaceGeometry().curves.size(), std::size_t(8));
    } else {
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages.first().title, QStringLiteral("エラーメッセージ"));
        QCOMPARE(fake.messages.first().text, message);
        QCOMPARE(fake.messages.first().buttons, MsgButtons::Ok);
        QCOMPARE(w.screenDrawings(), 1);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }
    // n, C and I are read before the checks and kept even when a check refuses.
    QCOMPARE(w.currentSettings().roughness, n.toDouble());
    QCOMPARE(w.drawnState(), GraphScreen::DrawnState::Screen);
}

void TestGraphScreen::focusDrawsWithoutChecks()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    GraphScreen w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto *intensity = child<QLineEdit>(w, "txt3");
    intensity->setFocus();
    QTest::keyClick(intensity, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(w, "cmd1"));
    QCOMPARE(w.screenDrawings(), 1);
    QVERIFY(fake.messages.isEmpty());
    QCOMPARE(w.drawnState(), GraphScreen::DrawnState::Screen);
    // No formula chosen: the curves lie flat, nothing stops.
    QCOMPARE(w.surfaceGeometry().curves.size(), std::size_t(8));
    QCOMPARE(w.surfaceGeometry().curves.front().points.back().y(), 0.0);
}

void TestGraphScreen::familySelection()
{
    GraphScreen w;
    auto *family = child<QComboBox>(w, "cbo1");
    auto *depth = child<QComboBox>(w, "cbo2");
    auto *n = child<QLineEdit>(w, "txt1");
    n->setText(QStringLiteral("0.02"));
    family->setCurrentIndex(11);
    emit family->activated(11);
    QCOMPARE(depth->currentIndex(), 2);
    QCOMPARE(depth->currentText(), QStringLiteral("水深９.5割"));
    QCOMPARE(n->text(), QStringLiteral("0.013"));
    family->setCurrentIndex(5);
    emit family->activated(5);
    QCOMPARE(n->text(), QStringLiteral("0.01"));
}

void TestGraphScreen::enterChain()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    GraphScreen w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto *family = child<QComboBox>(w, "cbo1");
    child<QLineEdit>(w, "txt1")->setText(QStringLiteral("0.01"));
    child<QLineEdit>(w, "txt2")->setText(QStringLiteral("0.5"));
    family->setFocus();
    const char *chain[] = {"cbo2", "txt1", "opt1", "txt2", "txt3", "cmd1"};
    for (const char *next : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
    }
    QCOMPARE(w.screenDrawings(), 1);                              // arriving on the draw button drew
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // pressing it runs the checks: no formula
    QCOMPARE(w.screenDrawings(), 1);
    QCOMPARE(fake.lastMessageText(), QStringLiteral("流速の計算方法を選択してください。"));
    auto *kutter = child<QRadioButton>(w, "opt2");
    kutter->setFocus();
    QTest::keyClick(kutter, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txt2"));
    QTRY_COMPARE(child<QLineEdit>(w, "txt2")->selectedText(), QStringLiteral("0.5"));
    QCOMPARE(child<QLineEdit>(w, "txt2")->cursorPosition(), 0);
}

void TestGraphScreen::menuEnabling()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    QTemporaryDir dir;
    GraphScreen w;
    auto *menu = child<QMenu>(w, "Men_Graph");
    auto *saveAs = child<QAction>(w, "Men_GSav");
    auto *overwrite = child<QAction>(w, "Men_GOvw");
    emit menu->aboutToShow();
    QVERIFY(!saveAs->isEnabled());
    QVERIFY(!overwrite->isEnabled());

    QMetaObject::invokeMethod(child<QPushButton>(w, "cmd1"), "setFocus"); // not active: nothing drawn
    child<QLineEdit>(w, "txt1")->setText(QStringLiteral("0.01"));
    child<QRadioButton>(w, "opt1")->setChecked(true);
    child<QLineEdit>(w, "txt2")->setText(QStringLiteral("0.5"));
    child<QLineEdit>(w, "txt3")->setText(QStringLiteral("100"));
    child<QPushButton>(w, "cmd1")->click();
    emit menu->aboutToShow();
    QVERIFY(saveAs->isEnabled());
    QVERIFY(!overwrite->isEnabled());

    fake.fileAnswers.push_back(dir.filePath(QStringLiteral("a.gra")));
    saveAs->trigger();
    emit menu->aboutToShow();
    QVERIFY(overwrite->isEnabled());

    // Opening from the main menu with a file name keeps the items; without one it disables them.
    w.openFromMainMenu();
    QVERIFY(saveAs->isEnabled());
    QCOMPARE(child<QLineEdit>(w, "txt1")->text(), QStringLiteral("0.01"));
    saveAs->trigger(); // cancelled: the name becomes empty
    QVERIFY(w.diagramFileName().isEmpty());
    w.openFromMainMenu();
    QVERIFY(!saveAs->isEnabled());
    QVERIFY(!overwrite->isEnabled());
}

void TestGraphScreen::saveAndOpenRoundTrip()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ＶＵ管.gra"));
    GraphScreen w;
    auto *family = child<QComboBox>(w, "cbo1");
    family->setCurrentIndex(3);
    child<QComboBox>(w, "cbo2")->setCurrentIndex(10);
    child<QRadioButton>(w, "opt2")->setChecked(true);
    child<QLineEdit>(w, "txt1")->setText(QStringLiteral("0.011"));
    child<QLineEdit>(w, "txt2")->setText(QStringLiteral("0.9"));
    child<QLineEdit>(w, "txt3")->setText(QStringLiteral("75 mm"));
    fake.fileAnswers.push_back(path);
    child<QAction>(w, "Men_GSav")->trigger();
    QCOMPARE(fake.fileRequests.last().title, QStringLiteral("ニルカグラフの保存"));
    QCOMPARE(fake.fileRequests.last().folder, userFileFolder()); // no folder beside the test program
    QCOMPARE(fileBytes(path),
             encodeCp932Lines({QStringLiteral(" 3"), QStringLiteral(" 10"), QStringLiteral("False"),
                               QStringLiteral("True"), QStringLiteral("0.011"), QStringLiteral("0.9"),
                               QStringLiteral("75 mm")})
                 .bytes);

    child<QAction>(w, "Men_GNew")->trigger();
    QCOMPARE(child<QLineEdit>(w, "txt1")->text(), QString());
    fake.fileAnswers.push_back(path);
    const int before = w.screenDrawings();
    child<QAction>(w, "Men_GOpn")->trigger();
    QCOMPARE(fake.fileRequests.last().title, QStringLiteral("ニルカグラフを開く"));
    QVERIFY(fake.messages.isEmpty());
    QCOMPARE(family->currentIndex(), 3);
    QCOMPARE(child<QComboBox>(w, "cbo2")->currentIndex(), 10); // not the family's reset to 2
    QVERIFY(child<QRadioButton>(w, "opt2")->isChecked());
    QVERIFY(!child<QRadioButton>(w, "opt1")->isChecked());
    QCOMPARE(child<QLineEdit>(w, "txt1")->text(), QStringLiteral("0.011")); // not the family's default
    QCOMPARE(child<QLineEdit>(w, "txt3")->text(), QStringLiteral("75 mm"));
    QCOMPARE(w.screenDrawings(), before + 1); // opening draws at once
    QCOMPARE(w.currentSettings().rainIntensity, 75.0);
    QCOMPARE(w.surfaceGeometry().curves.size(), std::size_t(6));
    QCOMPARE(w.diagramFileName(), path);
}

void TestGraphScreen::saveAsDeclinedKeepsFileButTakesName()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.gra"));
    writeBytes(path, "old");
    GraphScreen w;
    fake.fileAnswers.push_back(path);
    fake.answers.push_back(MsgAnswer::No);
    child<QAction>(w, "Men_GSav")->trigger();
    QCOMPARE(fake.messages.size(), 1);
    const MessageRequest &q = fake.messages.first();
    QCOMPARE(q.title, QStringLiteral("上書き保存の確認"));
    QCOMPARE(q.text, QStringLiteral("同名ファイルがあります。上書き保存しますか？"));
    QCOMPARE(q.buttons, MsgButtons::YesNo);
    QCOMPARE(q.icon, MsgIcon::Critical);
    QCOMPARE(q.defaultButton, MsgAnswer::No);
    QCOMPARE(fileBytes(path), QByteArray("old"));
    QCOMPARE(w.diagramFileName(), path);

    fake.fileAnswers.push_back(path);
    fake.answers.push_back(MsgAnswer::Yes);
    child<QAction>(w, "Men_GSav")->trigger();
    QVERIFY(fileBytes(path).startsWith(" 0\r\n 5\r\nFalse\r\nFalse\r\n"));
}

void TestGraphScreen::overwriteAsksFirst()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("g.gra"));
    GraphScreen w;
    fake.fileAnswers.push_back(path);
    child<QAction>(w, "Men_GSav")->trigger();
    child<QLineEdit>(w, "txt2")->setText(QStringLiteral("0.7"));

    child<QAction>(w, "Men_GOvw")->trigger(); // default answer: Cancel
    QCOMPARE(fake.messages.last().title, QStringLiteral("確認"));
    QCOMPARE(fake.messages.last().text, QStringLiteral("上書き保存してもよろしいですか？"));
    QCOMPARE(fake.messages.last().buttons, MsgButtons::OkCancel);
    QCOMPARE(fake.messages.last().defaultButton, MsgAnswer::Cancel);
    QVERIFY(!fileBytes(path).contains("0.7"));

    fake.answers.push_back(MsgAnswer::Ok);
    child<QAction>(w, "Men_GOvw")->trigger();
    QVERIFY(fileBytes(path).endsWith("\r\n0.7\r\n\r\n"));
}

void TestGraphScreen::saveFailureIsReported()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    QTemporaryDir dir;
    GraphScreen w;
    fake.fileAnswers.push_back(dir.filePath(QStringLiteral("no/such/folder/g.gra")));
    child<QAction>(w, "Men_GSav")->trigger();
    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fake.messages.first().title, QStringLiteral("エラーメッセージ"));
    QVERIFY(fake.messages.first().text.startsWith(QStringLiteral("保存できませんでした。")));
}

void TestGraphScreen::openDamagedFileTellsTheUser_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("n");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("three lines") << QByteArray(" 9\r\n 3\r\nTrue\r\n") << 9 << "0.013" << true;
    QTest::newRow("family out of range")
        << QByteArray(" 99\r\n 3\r\nTrue\r\nFalse\r\n0.02\r\n1\r\n1\r\n") << 0 << "0.02" << true;
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x81", 4) << 0 << "" << true;
    QTest::newRow("too large") << QByteArray(100000, 'x') << 0 << "" << false;
}

void TestGraphScreen::openDamagedFileTellsTheUser()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, family);
    QFETCH(QString, n);
    QFETCH(bool, drawn);
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.gra"));
    writeBytes(path, bytes);
    GraphScreen w;
    fake.fileAnswers.push_back(path);
    child<QAction>(w, "Men_GOpn")->trigger();
    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fake.messages.first().title, QStringLiteral("エラーメッセージ"));
    QCOMPARE(child<QComboBox>(w, "cbo1")->currentIndex(), family);
    QCOMPARE(child<QLineEdit>(w, "txt1")->text(), n);
    QCOMPARE(w.screenDrawings(), drawn ? 1 : 0);
}

void TestGraphScreen::openedFileThenDrawAsks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("separator family") << QByteArray(" 4\r\n 2\r\nTrue\r\nFalse\r\n0.01\r\n0.5\r\n100\r\n")
                                      << "施設の種類を選択してください。";
    QTest::newRow("no formula") << QByteArray(" 0\r\n 2\r\nFalse\r\nFalse\r\n0.01\r\n0.5\r\n100\r\n")
                                << "流速の計算方法を選択してください。";
}

void TestGraphScreen::openedFileThenDrawAsks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.gra"));
    writeBytes(path, bytes);
    GraphScreen w;
    child<QRadioButton>(w, "opt1")->setChecked(true);
    fake.fileAnswers.push_back(path);
    child<QAction>(w, "Men_GOpn")->trigger();
    QVERIFY(fake.messages.isEmpty());
    child<QPushButton>(w, "cmd1")->click();
    QCOMPARE(fake.lastMessageText(), message);
}

void TestGraphScreen::newClearsTheFields()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    GraphScreen w;
    child<QComboBox>(w, "cbo1")->setCurrentIndex(9);
    child<QRadioButton>(w, "opt1")->setChecked(true);
    child<QLineEdit>(w, "txt1")->setText(QStringLiteral("1"));
    child<QLineEdit>(w, "txt3")->setText(QStringLiteral("1"));
    child<QPushButton>(w, "cmd1")->click();
    QCOMPARE(w.drawnState(), GraphScreen::DrawnState::None); // a check refused (no C)
    QCOMPARE(fake.lastMessageText(), QStringLiteral("流出係数を入力してください。"));
    child<QAction>(w, "Men_GNew")->trigger();
    QCOMPARE(child<QComboBox>(w, "cbo1")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(w, "cbo2")->currentIndex(), 2);
    QVERIFY(!child<QRadioButton>(w, "opt1")->isChecked());
    QVERIFY(!child<QRadioButton>(w, "opt2")->isChecked());
    QVERIFY(child<QLineEdit>(w, "txt1")->text().isEmpty());
    QVERIFY(child<QLineEdit>(w, "txt3")->text().isEmpty());
    QVERIFY(w.surfaceGeometry().curves.empty());
}

void TestGraphScreen::printing()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("diagram.pdf"));
    GraphScreen w;
    child<QPushButton>(w, "cmd2")->click(); // cancelled
    QCOMPARE(fake.printerDialogs, 1);
    QCOMPARE(w.drawnState(), GraphScreen::DrawnState::None);

    fake.printerAnswers.push_back(true);
    fake.configurePrinter = [&pdf](QPrinter &p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
    };
    child<QPushButton>(w, "cmd2")->click();
    QCOMPARE(w.drawnState(), GraphScreen::DrawnState::Printed);
    QVERIFY(QFileInfo(pdf).size() > 1000);
    QVERIFY(fileBytes(pdf).startsWith("%PDF"));
}

void TestGraphScreen::closeHides()
{
    GraphScreen w;
    w.show();
    QSignalSpy closed(&w, &GraphScreen::closedByUser);
    child<QLineEdit>(w, "txt2")->setText(QStringLiteral("0.6"));
    child<QAction>(w, "Men_GCls")->trigger();
    QCOMPARE(closed.count(), 1);
    QVERIFY(w.isHidden());
    w.openFromMainMenu();
    QVERIFY(w.isVisible());
    QCOMPARE(child<QLineEdit>(w, "txt2")->text(), QStringLiteral("0.6"));
    w.close(); // the close box hides as well
    QCOMPARE(closed.count(), 2);
    QVERIFY(w.isHidden());
}

void TestGraphScreen::closeInsideChildWindowFrame()
{
    QMdiArea area;
    QPointer<GraphScreen> w = new GraphScreen;
    QMdiSubWindow *frame = area.addSubWindow(w);
    area.show();
    frame->show();
    QSignalSpy closed(w.data(), &GraphScreen::closedByUser);
    frame->close(); // the frame's close box
    QCOMPARE(closed.count(), 1);
    QVERIFY(w);
    QVERIFY(frame->isHidden());
    w->openFromMainMenu();
    QVERIFY(frame->isVisible());
    child<QAction>(*w, "Men_GCls")->trigger();
    QCOMPARE(closed.count(), 2);
    QVERIFY(frame->isHidden());
}

void TestGraphScreen::closingStatusText_data()
{
    QTest::addColumn<double>("capacity");
    QTest::addColumn<double>("designFlow");
    QTest::addColumn<bool>("conditionsOpen");
    QTest::addColumn<QString>("text");
    QTest::newRow("no result")
        << 0.0 << 0.1 << true
        << "流出係数（C）、降雨強度（I） 及び 粗度係数（ｎ）は、各地域の開発指導要綱等による事｡";
    QTest::newRow("sufficient")
        << 0.2 << 0.2 << true
        << "流速(V)はよろしいですか？チェックして下さい。（各地域の開発指導要綱等による事。）";
    QTest::newRow("exceeded") << 0.2 << 0.3 << true << "計画雨水量(Q1)が施設の流量(Q2)を超えています。";
    QTest::newRow("no design")
        << 0.2 << 0.3 << false
        << "メニューバーのファイル又はツールバーより、新規作成又は開くを選択してください。";
}

void TestGraphScreen::closingStatusText()
{
    QFETCH(double, capacity);
    QFETCH(double, designFlow);
    QFETCH(bool, conditionsOpen);
    QFETCH(QString, text);
    QCOMPARE(GraphScreen::closingStatusText(capacity, designFlow, conditionsOpen), text);
}

void TestGraphScreen::scrollMovesThePage()
{
    GraphScreen w;
    auto *scroll = child<QScrollBar>(w, "VScroll1");
    QWidget *surface = child<QWidget>(w, "Picture2");
    QWidget *viewport = child<QWidget>(w, "Picture1");
    QCOMPARE(scroll->maximum(), surface->height() - viewport->height());
    QCOMPARE(scroll->pageStep(), scroll->maximum());
    QCOMPARE(scroll->singleStep(), scroll->maximum() / 4);
    scroll->setValue(scroll->maximum());
    QCOMPARE(surface->y(), -scroll->maximum());
}

QTEST_MAIN(TestGraphScreen)
#include "tst_graphscreen.moc"
