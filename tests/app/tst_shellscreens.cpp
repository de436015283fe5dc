// Screenshots of the shell's windows for the record: the connection screen in both
// languages and the busy indicator. Run under xvfb-run to see them with a real window
// system; offscreen they are drawn the same way.
#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include <memory>

#include "appdialogs.h"
#include "connectguard.h"
#include "connectionwidget.h"
#include "loaderwidget.h"
#include "mainwindow.h"
#include "shellfixture.h"
#include "windowreach.h"

class tst_ShellScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void connectionScreen_data();
    void connectionScreen();
    void busyIndicator();
    void workspace();
    void everyWindowInReach();

private:
    ShellFixture shell;
};

void tst_ShellScreens::initTestCase()
{
    installConnectGuard();
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_ShellScreens::init()
{
    QVERIFY(shell.enter());
}

void tst_ShellScreens::cleanup()
{
    shell.leave();
}

void tst_ShellScreens::connectionScreen_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("connectText");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("English") << QLocale(QLocale::English) << "Connect" << "connection_en.png" << QString() << QString();
    QTest::newRow("Russian") << QLocale(QLocale::Russian) << QString::fromUtf8("Подключить") << "connection_ru.png"
                             << QString() << QString();
    // A port that is no port: the field marked, the box saying why, nothing opened.
    QTest::newRow("English, port refused") << QLocale(QLocale::English) << "Connect" << "connection_port_refused_en.png"
                                           << "70537"
                                           << "Not connected: correct the marked field.\n"
                                              "Connection, Port: 70537 is outside 1 to 65535";
    QTest::newRow("Russian, port refused") << QLocale(QLocale::Russian) << QString::fromUtf8("Подключить")
                                           << "connection_port_refused_ru.png" << "70537"
                                           << QString::fromUtf8("Соединение не установлено: исправьте отмеченное поле.\n"
                                                                "Подключение, Порт: 70537 вне пределов от 1 до 65535");
}

void tst_ShellScreens::connectionScreen()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, connectText);
    QFETCH(QString, file);
    QFETCH(QString, port);
    QFETCH(QString, refusal);
    auto window = std::make_unique<MainWindow>();
    window->findChild<ConnectionWidget *>()->setSerialPortNames({"COM3", "COM4", "COM7"});
    window->switchTranslator(locale);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QPushButton *connect = window->findChild<QPushButton *>(QStringLiteral("btnConnect"));
    QTRY_COMPARE_WITH_TIMEOUT(connect->text(), connectText, 5000);
    // The longer texts ask for a new layout through posted events; let it settle.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();

    if (!port.isEmpty()) {
        window->findChild<QRadioButton *>(QStringLiteral("rBtnSocket"))->click();
        window->findChild<QLineEdit *>(QStringLiteral("editHostAddress"))->setText(QStringLiteral("127.0.0.1"));
        QTest::keyClicks(window->findChild<QLineEdit *>(QStringLiteral("editPort")), port);
        // The program's own box, as a person would see it, grabbed beside the screen.
        const QString boxPath = screenshotDir() + QLatin1Char('/') + QString(file).replace(".png", "_box.png");
        QCOMPARE(shell.grabBoxesDuring(boxPath, [connect] { connect->click(); }), refusal);
        qInfo("saved %s", qPrintable(boxPath));
        QCoreApplication::processEvents();
    }

    const QString path = screenshotDir() + QLatin1Char('/') + file;
    QVERIFY(window->grab().save(path));
    qInfo("saved %s", qPrintable(path));
}

void tst_ShellScreens::busyIndicator()
{
    LoaderWidget loader(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    loader.show();
    QVERIFY(QTest::qWaitForWindowExposed(&loader));
    const QString path = screenshotDir() + QStringLiteral("/loaderwidget.png");
    QVERIFY(loader.grab().save(path));
    qInfo("saved %s", qPrintable(path));
}

void tst_ShellScreens::workspace()
{
    ReceiverSession session;
    session.receiver.answerAlways(3, 0x44, ScriptedReceiver::data(QByteArray("#BASE1\0\0", 8)));
    QVERIFY(session.open(InterfaceBinary));
    std::unique_ptr<DisplayContainerWidget> workspace(openWorkspace(session, false, InterfaceBinary, QStringLiteral("COM3")));
    QVERIFY(QTest::qWaitForWindowExposed(workspace.get()));
    QTRY_VERIFY_WITH_TIMEOUT(workspace->windowTitle().endsWith(QLatin1String("#BASE1")), 5000);

    // General Information, SkyView, C/No, Track and Message Log, with the background
    // showing between them.
    const QList<QAction *> entries = workspace->findChild<QMenu *>(QStringLiteral("menuWindow"))->actions();
    const QList<QMdiSubWindow *> frames =
        workspace->findChild<QMdiArea *>(QStringLiteral("mdiArea"))->subWindowList(QMdiArea::CreationOrder);
    const struct { int index; QRect geometry; } placed[] = {
        {0, QRect(10, 10, 480, 430)},   {1, QRect(500, 10, 430, 430)}, {4, QRect(940, 10, 600, 330)},
        {2, QRect(10, 450, 480, 400)},  {6, QRect(500, 450, 760, 330)},
    };
    for (const auto &window : placed) {
        entries[window.index]->trigger();
        frames[window.index]->setGeometry(window.geometry);
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();

    const QString path = screenshotDir() + QStringLiteral("/workspace.png");
    QVERIFY(workspace->grab().save(path));
    qInfo("saved %s", qPrintable(path));
}

// The offscreen platform's one screen (800x600) is smaller than the workspace's form:
// each monitor window ticked in the Windows menu shows where a click at its centre
// reaches it, the area scrolling to what lies past its edge.
void tst_ShellScreens::everyWindowInReach()
{
    ReceiverSession session;
    QVERIFY(session.open(InterfaceBinary));
    std::unique_ptr<DisplayContainerWidget> workspace(openWorkspace(session, false, InterfaceBinary, QStringLiteral("COM3")));
    QVERIFY(QTest::qWaitForWindowExposed(workspace.get()));
    QVERIFY(workspace->screen()->availableGeometry().contains(workspace->geometry()));
    const QStringList faults = openEveryWindowInTurn(workspace.get());
    const QString path = screenshotDir() + QStringLiteral("/workspace_every_window.png");
    QVERIFY(workspace->grab().save(path));
    qInfo("saved %s", qPrintable(path));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

QTEST_MAIN(tst_ShellScreens)
#include "tst_shellscreens.moc"
