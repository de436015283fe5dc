// The start of polvane as a user meets it: the main window with the connection screen,
// the language switch, Connect over a socket and a serial line, the error box, the
// return after Disconnect and the settings file, all in a temporary working directory.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTcpServer>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

#include "childof.h"
#include "connectguard.h"
#include "connectionwidget.h"
#include "controller.h"
#include "framebuilders.h"
#include "mainwindow.h"
#include "model.h"
#include "ptypair.h"
#include "readerproxy.h"
#include "receiverconnectionwidget.h"
#include "scriptedreceiver.h"
#include "shellfixture.h"
#include "typednumbers.h"

Q_DECLARE_METATYPE(InterfaceMode)

class tst_ShellStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mainWindowTitleSizeAndScreen();
    void connectionScreenStartsOnTheSerialPort();
    void baudRateTakesDigitsOnly_data();
    void baudRateTakesDigitsOnly();
    void socketProtocolGivesTheMode_data();
    void socketProtocolGivesTheMode();
    void serialLineOnAPty_data();
    void serialLineOnAPty();
    void connectOverTcpOpensTheWorkspace();
    void refusedConnectionShowsTheErrorOnceAndConnectStillWorks();
    void endOfLinkIsToldAndGreysTheValues_data();
    void endOfLinkIsToldAndGreysTheValues();
    void typedPortConnectsAsTypedOrNotAtAll_data();
    void typedPortConnectsAsTypedOrNotAtAll();
    void disconnectReturnsWithAFreshModelAndController();
    void languageSwitchKeepsOneTranslatorEach();
    void translatorFileFollowsTheLocale_data();
    void translatorFileFollowsTheLocale();
    void geometryIsKeptInTheSettingsFile();

private:
    template <class T> T *widget(const char *name) { return childOf<T>(window.get(), name); }
    ReceiverConnectionWidget *screen() { return window->findChild<ReceiverConnectionWidget *>(); }
    Controller *currentController();
    void chooseSocket(const QString &protocol, quint16 port, const QString &host = QStringLiteral("127.0.0.1"));
    // The file of the program's installed catalogue, or of Qt's.
    QString translatorFile(bool qts = false);

    ShellFixture shell;
    std::unique_ptr<MainWindow> window;
};

void tst_ShellStart::initTestCase()
{
    installConnectGuard();
    qRegisterMetaType<InterfaceMode>("InterfaceMode");
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_ShellStart::init()
{
    QVERIFY(shell.enter());
    window = std::make_unique<MainWindow>();
}

void tst_ShellStart::cleanup()
{
    for (DisplayContainerWidget *workspace : workspaces())
        delete workspace;
    window.reset();
    processDeferredDeletes();
    shell.leave();
}

Controller *tst_ShellStart::currentController()
{
    // The old Controller of a disconnect lingers until its deferred deletion.
    processDeferredDeletes();
    const QList<Controller *> controllers = window->findChildren<Controller *>(QString(), Qt::FindDirectChildrenOnly);
    return controllers.size() == 1 ? controllers.first() : nullptr;
}

void tst_ShellStart::chooseSocket(const QString &protocol, quint16 port, const QString &host)
{
    widget<QRadioButton>("rBtnSocket")->click();
    widget<QLineEdit>("editHostAddress")->setText(host);
    widget<QLineEdit>("editPort")->setText(QString::number(port));
    QComboBox *protocols = widget<QComboBox>("comBoxProtocolTCPIP");
    protocols->setCurrentIndex(protocols->findText(protocol));
}

QString tst_ShellStart::translatorFile(bool qts)
{
    // The program's catalogue comes from the resources, Qt's from the system.
    processDeferredDeletes();
    QStringList files;
    for (QTranslator *translator : window->findChildren<QTranslator *>()) {
        if (translator->filePath().startsWith(QLatin1String(":/tr/")) != qts)
            files << translator->filePath();
    }
    return files.size() == 1 ? files.first() : QStringLiteral("<%1 translators>").arg(files.size());
}

void tst_ShellStart::mainWindowTitleSizeAndScreen()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Polvane 5.4.2"));
    QCOMPARE(window->size(), QSize(350, 500));
    QVERIFY(!window->windowIcon().isNull());
    QStackedWidget *container = widget<QStackedWidget>("mainContainer");
    QCOMPARE(container->count(), 1);
    QCOMPARE(container->currentWidget(), screen());
    QCOMPARE(screen()->windowTitle(), QStringLiteral("Connection"));
}

void tst_ShellStart::connectionScreenStartsOnTheSerialPort()
{
    QComboBox *rates = widget<QComboBox>("comBoxBaudRate");
    QStringList texts;
    for (int i = 0; i < rates->count(); ++i) {
        texts << rates->itemText(i);
        QCOMPARE(rates->itemData(i).toInt(), rates->itemText(i).toInt());
    }
    QCOMPARE(texts, QStringList({"9600", "19200", "38400", "115200", "460800"}));
    QCOMPARE(rates->currentText(), QStringLiteral("115200"));
    QCOMPARE(widget<QComboBox>("comBoxProtocol")->currentText(), QStringLiteral("ZRB_Binary"));
    QCOMPARE(widget<QComboBox>("comBoxProtocol")->count(), 2);
    QCOMPARE(widget<QComboBox>("comBoxProtocolTCPIP")->currentText(), QStringLiteral("NMEA"));
    QCOMPARE(widget<QComboBox>("comBoxProtocolTCPIP")->itemText(1), QStringLiteral("ZRB_Binary"));
    QVERIFY(widget<QRadioButton>("rBtnSerialPort")->isChecked());
    QVERIFY(!widget<QCheckBox>("chBoxAutoDetect")->isChecked());
    QVERIFY(widget<QWidget>("widgetSerialPort")->isEnabled());
    QVERIFY(!widget<QWidget>("widgetSocket")->isEnabled());
    QVERIFY(widget<QPushButton>("btnConnect")->isEnabled());
    QVERIFY(!widget<QToolButton>("btnRefresh")->icon().isNull());

    // TCP/IP and back switch the enabled group and keep Connect enabled.
    widget<QRadioButton>("rBtnSocket")->click();
    QVERIFY(!widget<QWidget>("widgetSerialPort")->isEnabled());
    QVERIFY(widget<QWidget>("widgetSocket")->isEnabled());
    QVERIFY(widget<QPushButton>("btnConnect")->isEnabled());
    widget<QRadioButton>("rBtnSerialPort")->click();
    QVERIFY(widget<QWidget>("widgetSerialPort")->isEnabled());
    QVERIFY(!widget<QWidget>("widgetSocket")->isEnabled());
}

void tst_ShellStart::baudRateTakesDigitsOnly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a rate not in the list") << "57600" << "57600";
    QTest::newRow("letters") << "abc" << "";
    QTest::newRow("letters among digits") << "9a6b00" << "9600";
}

void tst_ShellStart::baudRateTakesDigitsOnly()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QComboBox *rates = widget<QComboBox>("comBoxBaudRate");
    rates->lineEdit()->clear();
    QTest::keyClicks(rates->lineEdit(), typed);
    QCOMPARE(rates->currentText(), shown);
}

void tst_ShellStart::socketProtocolGivesTheMode_data()
{
    QTest::addColumn<QString>("protocol");
    QTest::addColumn<bool>("autoDetectTicked");
    QTest::addColumn<int>("mode");
    QTest::newRow("NMEA") << "NMEA" << false << 2;
    QTest::newRow("ZRB_Binary") << "ZRB_Binary" << false << 1;
    // Auto-detection is for serial ports; over TCP it is never passed on.
    QTest::newRow("NMEA, auto detect ticked") << "NMEA" << true << 2;
}

void tst_ShellStart::socketProtocolGivesTheMode()
{
    QFETCH(QString, protocol);
    QFETCH(bool, autoDetectTicked);
    QFETCH(int, mode);
    ScriptedReceiver receiver;
    QVERIFY(receiver.listen());
    if (autoDetectTicked)
        widget<QCheckBox>("chBoxAutoDetect")->click();
    chooseSocket(protocol, receiver.port());

    QSignalSpy connected(screen(), SIGNAL(receiverConnected(bool,InterfaceMode,QString)));
    widget<QPushButton>("btnConnect")->click();
    QVERIFY(connected.wait(5000));
    QCOMPARE(connected.count(), 1);
    QCOMPARE(connected.first().at(0).toBool(), false);
    QCOMPARE(int(connected.first().at(1).value<InterfaceMode>()), mode);
    QCOMPARE(connected.first().at(2).toString(), QStringLiteral("127.0.0.1"));
}

void tst_ShellStart::serialLineOnAPty_data()
{
    QTest::addColumn<bool>("autoDetect");
    QTest::addColumn<QString>("typedRate");
    QTest::addColumn<QString>("protocol");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("openedAt");
    QTest::newRow("auto detect, listed rate") << true << QString() << "ZRB_Binary" << 1 << 115200;
    QTest::newRow("typed rate, NMEA") << false << "57600" << "NMEA" << 2 << 57600;
}

void tst_ShellStart::serialLineOnAPty()
{
    QFETCH(bool, autoDetect);
    QFETCH(QString, typedRate);
    QFETCH(QString, protocol);
    QFETCH(int, mode);
    QFETCH(int, openedAt);
    PtyPair pty;
    QVERIFY(pty.isValid());
    ConnectionWidget *form = window->findChild<ConnectionWidget *>(QStringLiteral("connectionWidget"));
    QVERIFY(form);
    form->setSerialPortNames({pty.devicePath()});

    QComboBox *rates = widget<QComboBox>("comBoxBaudRate");
    QComboBox *protocols = widget<QComboBox>("comBoxProtocol");
    if (!typedRate.isEmpty()) {
        rates->lineEdit()->clear();
        QTest::keyClicks(rates->lineEdit(), typedRate);
    }
    protocols->setCurrentIndex(protocols->findText(protocol));
    if (autoDetect)
        widget<QCheckBox>("chBoxAutoDetect")->click();
    QCOMPARE(rates->isEnabled(), !autoDetect);
    QCOMPARE(protocols->isEnabled(), !autoDetect);

    QSignalSpy connected(screen(), SIGNAL(receiverConnected(bool,InterfaceMode,QString)));
    widget<QPushButton>("btnConnect")->click();
    QTRY_COMPARE_WITH_TIMEOUT(connected.count(), 1, 5000);
    QCOMPARE(connected.first().at(0).toBool(), autoDetect);
    QCOMPARE(int(connected.first().at(1).value<InterfaceMode>()), mode);
    QCOMPARE(connected.first().at(2).toString(), pty.devicePath());

    QString port;
    int rate = 0;
    QVERIFY(currentController()->reader()->serialSettings(port, rate));
    QCOMPARE(port, pty.devicePath());
    if (!autoDetect)
        QCOMPARE(rate, openedAt);
    else
        QVERIFY2(rate == openedAt || rate == 460800 || rate == 38400 || rate == 19200 || rate == 9600,
                 "the search reopens the line at one of its rates");
}

void tst_ShellStart::connectOverTcpOpensTheWorkspace()
{
    ScriptedReceiver receiver;
    QVERIFY(receiver.listen());
    window->show();
    chooseSocket(QStringLiteral("NMEA"), receiver.port());

    QSignalSpy connected(screen(), SIGNAL(receiverConnected(bool,InterfaceMode,QString)));
    widget<QPushButton>("btnConnect")->click();
    QVERIFY(connected.wait(5000));
    QTRY_VERIFY_WITH_TIMEOUT(receiver.hasClient(), 5000);
    QCOMPARE(connected.count(), 1);
    QCOMPARE(connected.first().at(0).toBool(), false);
    QCOMPARE(int(connected.first().at(1).value<InterfaceMode>()), 2);
    QCOMPARE(connected.first().at(2).toString(), QStringLiteral("127.0.0.1"));

    QCOMPARE(workspaces().size(), 1);
    DisplayContainerWidget *workspace = workspaces().first();
    QVERIFY(workspace->isVisible());
    QVERIFY(workspace->isWindow());
    QVERIFY(workspace->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!window->isVisible());
    QVERIFY(shell.boxes.isEmpty());
}

void tst_ShellStart::refusedConnectionShowsTheErrorOnceAndConnectStillWorks()
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    window->show();
    chooseSocket(QStringLiteral("NMEA"), closedPort);
    QSignalSpy connected(screen(), SIGNAL(receiverConnected(bool,InterfaceMode,QString)));
    widget<QPushButton>("btnConnect")->click();
    QTRY_COMPARE_WITH_TIMEOUT(shell.boxes.size(), 1, 5000);
    QCOMPARE(shell.boxes.first().icon, QMessageBox::Critical);
    QCOMPARE(shell.boxes.first().title, QStringLiteral("Connection error."));
    QCOMPARE(shell.boxes.first().text, QStringLiteral("Connection to receiver error has occurred."));
    QCOMPARE(shell.boxes.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(shell.boxes.first().parent, static_cast<QWidget *>(screen()));
    QVERIFY(workspaces().isEmpty());
    QVERIFY(window->isVisible());

    // The page is unchanged and a second Connect, now to a receiver, opens one workspace.
    ScriptedReceiver receiver;
    QVERIFY(receiver.listen());
    widget<QLineEdit>("editPort")->setText(QString::number(receiver.port()));
    widget<QPushButton>("btnConnect")->click();
    QVERIFY(connected.wait(5000));
    QTRY_VERIFY_WITH_TIMEOUT(receiver.hasClient(), 5000);
    QCOMPARE(connected.count(), 1);
    QCOMPARE(workspaces().size(), 1);
    QCOMPARE(shell.boxes.size(), 1);
}

void tst_ShellStart::endOfLinkIsToldAndGreysTheValues_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("peer resets the socket") << "reset";
    QTest::newRow("peer closes the socket in order") << "close";
    QTest::newRow("serial line hung up") << "hang up";
}

void tst_ShellStart::endOfLinkIsToldAndGreysTheValues()
{
    // However the link ends, no more data will come: the box tells it, and the values
    // stay readable in grey until a new link brings data.
    QFETCH(QString, end);
    const bool serial = end == QLatin1String("hang up");
    ScriptedReceiver receiver;
    PtyPair pty;
    if (serial) {
        QVERIFY(pty.isValid());
        window->findChild<ConnectionWidget *>(QStringLiteral("connectionWidget"))->setSerialPortNames({pty.devicePath()});
        QComboBox *protocols = widget<QComboBox>("comBoxProtocol");
        protocols->setCurrentIndex(protocols->findText(QStringLiteral("NMEA")));
    } else {
        QVERIFY(receiver.listen());
        chooseSocket(QStringLiteral("NMEA"), receiver.port());
    }
    window->show();
    widget<QPushButton>("btnConnect")->click();
    QTRY_COMPARE_WITH_TIMEOUT(workspaces().size(), 1, 5000);
    DisplayContainerWidget *workspace = workspaces().first();
    if (!serial)
        QTRY_VERIFY_WITH_TIMEOUT(receiver.hasClient(), 5000);
    // The user opens General Information from the Windows menu.
    QAction *entry = workspace->findChild<QMenu *>(QStringLiteral("menuWindow"))->actions().first();
    QCOMPARE(entry->text(), QStringLiteral("General Information"));
    entry->trigger();

    const QByteArray epoch = nmeaLine("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")
        + nmeaLine("GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1")
        + nmeaLine("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A")
        + nmeaLine("GPZDA,123519.00,23,03,1994,00,00");
    if (serial)
        QVERIFY(pty.write(epoch));
    else
        receiver.send(epoch);
    const QStringList fields{"editUTC", "editLatitude", "editLongitude", "editAltitude", "editFixMode",
                             "editQuality", "editHDOP", "editSpeed"};
    auto field = [workspace](const QString &name) { return workspace->findChild<QLineEdit *>(name); };
    for (const QString &name : fields) {
        QVERIFY2(field(name), qPrintable(name));
        QTRY_COMPARE_WITH_TIMEOUT(field(name)->styleSheet(), QStringLiteral("color: black"), 5000);
    }
    const QString fixMode = field(QStringLiteral("editFixMode"))->text();
    const QString latitude = field(QStringLiteral("editLatitude"))->text();
    QVERIFY(shell.boxes.isEmpty());

    if (serial)
        pty.hangUp();
    else
        receiver.endLink(end == QLatin1String("reset"));
    QTRY_COMPARE_WITH_TIMEOUT(shell.boxes.size(), 1, 2000);
    QCOMPARE(shell.boxes.first().title, QStringLiteral("Connection error."));
    QCOMPARE(shell.boxes.first().text, QStringLiteral("Connection to receiver error has occurred."));
    for (const QString &name : fields)
        QTRY_COMPARE_WITH_TIMEOUT(field(name)->styleSheet(), QStringLiteral("color: gray"), 2000);
    QCOMPARE(field(QStringLiteral("editFixMode"))->text(), fixMode);
    QCOMPARE(field(QStringLiteral("editLatitude"))->text(), latitude);
    QCOMPARE(shell.boxes.size(), 1);
}

void tst_ShellStart::typedPortConnectsAsTypedOrNotAtAll_data()
{
    QTest::addColumn<QString>("typed");
    // The port a peer listens on: the one typed, or the one its low 16 bits name
    // ("any" lets the system choose, and the typed text is made from it).
    QTest::addColumn<QString>("listen");
    QTest::addColumn<bool>("connects");
    QTest::addColumn<QString>("box");

    const QString refused = QStringLiteral("Not connected: correct the marked field.\nConnection, Port: ");
    QTest::newRow("the peer's port") << "{port}" << "any" << true << QString();
    // A whole number written with a fraction or an exponent is the number the rule
    // took, not a second reading of the text (which made it port 0).
    QTest::newRow("the peer's port with a fraction") << "{port}.0" << "any" << true << QString();
    QTest::newRow("34.125e3") << "34.125e3" << "34125" << true << QString();
    QTest::newRow("the peer's port with a decimal comma") << "{port},0" << "any" << true << QString();
    QTest::newRow("the peer's port and a half") << "{port}.5" << "any" << false
                                                 << refused + "{typed} is not a whole number";
    QTest::newRow("the peer's port plus 65536") << "{port+65536}" << "any" << false
                                                << refused + "{typed} is outside 1 to 65535";
    QTest::newRow("99999") << "99999" << "34463" << false << refused + "99999 is outside 1 to 65535";
    QTest::newRow("-1") << "-1" << "65535" << false << refused + "-1 is outside 1 to 65535";
    QTest::newRow("0") << "0" << "none" << false << refused + "0 is outside 1 to 65535";
    QTest::newRow("empty") << "" << "none" << false << refused + "a number is needed";
    QTest::newRow("letters") << "port" << "none" << false << refused + "\"port\" is not a number";
}

void tst_ShellStart::typedPortConnectsAsTypedOrNotAtAll()
{
    QFETCH(QString, typed);
    QFETCH(QString, listen);
    QFETCH(bool, connects);
    QFETCH(QString, box);
    QTcpServer peer;
    if (listen != QLatin1String("none")) {
        const quint16 wanted = listen == QLatin1String("any") ? 0 : quint16(listen.toUInt());
        if (!peer.listen(QHostAddress::LocalHost, wanted))
            QSKIP("the port is taken here");
    }
    typed.replace(QLatin1String("{port}"), QString::number(peer.serverPort()));
    typed.replace(QLatin1String("{port+65536}"), QString::number(peer.serverPort() + 65536));
    box.replace(QLatin1String("{typed}"), typed);
    window->show();
    chooseSocket(QStringLiteral("NMEA"), 0);
    QLineEdit *port = widget<QLineEdit>("editPort");
    port->clear();
    QTest::keyClicks(port, typed);
    QSignalSpy connected(screen(), SIGNAL(receiverConnected(bool,InterfaceMode,QString)));
    widget<QPushButton>("btnConnect")->click();
    // What came of it: a connection, the link's error box or the refusal.
    QTRY_VERIFY_WITH_TIMEOUT(!connected.isEmpty() || !shell.boxes.isEmpty(), 5000);
    QCOMPARE(peer.hasPendingConnections() || !connected.isEmpty(), connects);
    QCOMPARE(lastText(shell.boxes), box);
    QCOMPARE(workspaces().size(), connects ? 1 : 0);
    QCOMPARE(port->text(), typed);
    QCOMPARE(markedRefused(port), !box.isEmpty());
}

void tst_ShellStart::disconnectReturnsWithAFreshModelAndController()
{
    ScriptedReceiver receiver;
    QVERIFY(receiver.listen());
    window->show();
    QPointer<Controller> oldController = currentController();
    QPointer<Model> oldModel = window->findChild<Model *>();
    QVERIFY(oldController && oldModel);

    chooseSocket(QStringLiteral("ZRB_Binary"), receiver.port());
    widget<QPushButton>("btnConnect")->click();
    QTRY_COMPARE_WITH_TIMEOUT(workspaces().size(), 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(receiver.hasClient(), 5000);
    QCOMPARE(int(oldModel->interfaceMode()), 1);

    QPointer<DisplayContainerWidget> workspace = workspaces().first();
    QAction *disconnect = workspace->findChild<QAction *>(QStringLiteral("actionDisconnect"));
    QVERIFY(disconnect);
    disconnect->trigger();
    QVERIFY(window->isVisible());
    processDeferredDeletes();
    QVERIFY(!oldController);
    QVERIFY(!oldModel);
    QVERIFY(!workspace);
    // The old link went with the old Controller.
    QTRY_VERIFY_WITH_TIMEOUT(!receiver.hasClient(), 5000);

    Controller *controller = currentController();
    QVERIFY(controller);
    const QList<Model *> models = window->findChildren<Model *>();
    QCOMPARE(models.size(), 1);
    QCOMPARE(int(models.first()->interfaceMode()), 2);
    QCOMPARE(int(controller->reader()->readerType()), 0);

    // The screen holds the new Controller: Connect opens the new link.
    widget<QPushButton>("btnConnect")->click();
    QTRY_COMPARE_WITH_TIMEOUT(workspaces().size(), 1, 5000);
    QCOMPARE(int(controller->reader()->readerType()), 2);
    QTRY_VERIFY_WITH_TIMEOUT(receiver.hasClient(), 5000);
}

void tst_ShellStart::languageSwitchKeepsOneTranslatorEach()
{
    QPushButton *connect = widget<QPushButton>("btnConnect");
    QGroupBox *group = widget<QGroupBox>("groupBox");
    QLabel *rate = widget<QLabel>("labelBaudRate");
    QRadioButton *serial = widget<QRadioButton>("rBtnSerialPort");

    struct Step { const char *button; const char *connect; const char *group; const char *rate; const char *serial; };
    const Step steps[] = {
        {"btnLocaleRu", "Подключить", "Подключение", "Скорость:", "COM-порт"},
        {"btnLocaleEn", "Connect", "Connection", "Baud rate:", "COM port"},
        {"btnLocaleRu", "Подключить", "Подключение", "Скорость:", "COM-порт"},
    };
    for (const Step &step : steps) {
        QPointer<QTranslator> before = window->findChild<QTranslator *>();
        widget<QToolButton>(step.button)->click();
        // The language change reaches the widgets as a posted event.
        QTRY_COMPARE_WITH_TIMEOUT(connect->text(), QString::fromUtf8(step.connect), 5000);
        QCOMPARE(group->title(), QString::fromUtf8(step.group));
        QCOMPARE(rate->text(), QString::fromUtf8(step.rate));
        QCOMPARE(serial->text(), QString::fromUtf8(step.serial));
        processDeferredDeletes();
        QVERIFY(!before);
        // The program's catalogue and Qt's.
        QCOMPARE(window->findChildren<QTranslator *>().size(), 2);
    }
    QCOMPARE(QCoreApplication::translate("ReceiverConnectionWidget", "Connection error."),
             QString::fromUtf8("Ошибка подключения."));
    QCOMPARE(translatorFile(), QStringLiteral(":/tr/polvane_ru.qm"));
    // Qt's standard buttons follow.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("Отмена"));
}

void tst_ShellStart::translatorFileFollowsTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("qtFile");
    QTest::addColumn<QString>("cancel");
    const QString qtFiles = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    QTest::newRow("ru_RU") << QLocale(QLocale::Russian, QLocale::Russia) << ":/tr/polvane_ru.qm"
                           << qtFiles + "/qtbase_ru.qm" << QString::fromUtf8("Отмена");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << ":/tr/polvane.qm"
                           << qtFiles + "/qtbase_en.qm" << "Cancel";
    // Qt's texts follow the program's language, not the system's.
    QTest::newRow("de_DE has no file of its own") << QLocale(QLocale::German, QLocale::Germany) << ":/tr/polvane.qm"
                                                  << qtFiles + "/qtbase_en.qm" << "Cancel";
}

void tst_ShellStart::translatorFileFollowsTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, file);
    QFETCH(QString, qtFile);
    QFETCH(QString, cancel);
    window->switchTranslator(locale);
    QCOMPARE(translatorFile(), file);
    QCOMPARE(translatorFile(true), qtFile);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

void tst_ShellStart::geometryIsKeptInTheSettingsFile()
{
    QVERIFY(!QFile::exists(QStringLiteral("settings.ini")));
    window->resize(420, 530);
    window.reset();
    {
        const QSettings settings(QStringLiteral("settings.ini"), QSettings::IniFormat);
        QVERIFY(settings.contains(QStringLiteral("MainWindow/geometry")));
        QVERIFY(!settings.value(QStringLiteral("MainWindow/geometry")).toByteArray().isEmpty());
    }
    window = std::make_unique<MainWindow>();
    QCOMPARE(window->size(), QSize(420, 530));
}

QTEST_MAIN(tst_ShellStart)
#include "tst_shellstart.moc"
