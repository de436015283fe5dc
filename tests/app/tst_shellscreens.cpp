// Screenshots of the shell's windows for the record: the connection screen in both
// languages and the busy indicator. Run under xvfb-run to see them with a real window
// system; offscreen they are drawn the same way.
#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "connectionwidget.h"
#include "loaderwidget.h"
#include "mainwindow.h"
#include "shellfixture.h"

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
    QTest::newRow("English") << QLocale(QLocale::English) << "Connect" << "connection_en.png";
    QTest::newRow("Russian") << QLocale(QLocale::Russian) << QString::fromUtf8("Подключить") << "connection_ru.png";
}

void tst_ShellScreens::connectionScreen()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, connectText);
    QFETCH(QString, file);
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

QTEST_MAIN(tst_ShellScreens)
#include "tst_shellscreens.moc"
