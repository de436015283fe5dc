// The sub-window frame, the busy indicator and the embedded files the shell relies on.
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMovie>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include "connectguard.h"
#include "loaderwidget.h"
#include "mymdisubwindow.h"

class tst_ShellFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void closingTheFrameOnlyHidesIt();
    void zeroPositionKeepsTheSize();
    void busyIndicatorForm();
    void cancelAndCloseBothAbort_data();
    void cancelAndCloseBothAbort();
    void embeddedFiles_data();
    void embeddedFiles();
    void embeddedDefaultsHoldNoKeyTheProgramReads();
};

void tst_ShellFrame::initTestCase()
{
    installConnectGuard();
}

void tst_ShellFrame::closingTheFrameOnlyHidesIt()
{
    QMdiArea area;
    area.resize(800, 600);
    QPointer<QLabel> content = new QLabel(QStringLiteral("live"));
    content->resize(200, 100);
    QPointer<MyMdiSubWindow> frame = new MyMdiSubWindow(content);
    area.addSubWindow(frame);
    area.show();
    frame->show();
    QSignalSpy closed(frame.data(), SIGNAL(closeWindow(bool)));

    QVERIFY(!frame->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(frame);
    QVERIFY(content);
    QVERIFY(!frame->isVisible());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.first().at(0).toBool(), false);
    QVERIFY(area.subWindowList().contains(frame));

    // Its widget keeps what it received and comes back with it.
    content->setText(QStringLiteral("still live"));
    frame->setVisible(true);
    QVERIFY(frame->isVisible());
    QCOMPARE(content->text(), QStringLiteral("still live"));
}

void tst_ShellFrame::zeroPositionKeepsTheSize()
{
    QMdiArea area;
    area.resize(800, 600);
    QWidget *content = new QWidget;
    content->resize(250, 150);
    MyMdiSubWindow *frame = new MyMdiSubWindow(content);
    area.addSubWindow(frame);
    area.show();
    frame->setGeometry(120, 80, 250, 150);

    frame->setInZeroPosition(false);
    QCOMPARE(frame->geometry(), QRect(120, 80, 250, 150));
    frame->setInZeroPosition(true);
    QCOMPARE(frame->geometry(), QRect(0, 0, 250, 150));
}

void tst_ShellFrame::busyIndicatorForm()
{
    LoaderWidget loader;
    QCOMPARE(loader.objectName(), QStringLiteral("LoaderWidget"));
    QCOMPARE(loader.size(), QSize(160, 160));
    QCOMPARE(loader.windowTitle(), QStringLiteral("Processing"));
    QVERIFY(!loader.windowIcon().isNull());
    QCOMPARE(loader.findChild<QLabel *>(QStringLiteral("label"))->text(), QStringLiteral("Processing..."));
    QCOMPARE(loader.findChild<QPushButton *>(QStringLiteral("btnCancel"))->text(), QStringLiteral("Cancel"));
    QMovie *movie = loader.findChild<QLabel *>(QStringLiteral("labelAnimation"))->movie();
    QVERIFY(movie);
    QVERIFY(movie->isValid());
    QCOMPARE(movie->state(), QMovie::Running);
    QCOMPARE(movie->currentImage().size(), QSize(80, 80));
}

void tst_ShellFrame::cancelAndCloseBothAbort_data()
{
    QTest::addColumn<bool>("byCloseButton");
    QTest::newRow("Cancel") << false;
    QTest::newRow("title-bar close") << true;
}

void tst_ShellFrame::cancelAndCloseBothAbort()
{
    QFETCH(bool, byCloseButton);
    QPointer<LoaderWidget> loader = new LoaderWidget(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    loader->show();
    QSignalSpy aborted(loader.data(), SIGNAL(abort()));
    if (byCloseButton) {
        QVERIFY(loader->close());
        QVERIFY(!loader->isVisible());
    } else {
        loader->findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
    }
    QCOMPARE(aborted.count(), 1);
    // The one who opened it releases it; closing does not.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(loader);
    delete loader;
}

void tst_ShellFrame::embeddedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("window icon") << ":/icon/icon.ico" << true << QSize();
    QTest::newRow("connection background") << ":/background/Pic_for_polvane_1.png" << true << QSize(1500, 1492);
    QTest::newRow("workspace tile") << ":/background/logo_Zorbel_bg.png" << true << QSize(203, 204);
    QTest::newRow("refresh button") << ":/button/refreshIcon.png" << true << QSize();
    QTest::newRow("busy animation") << ":/loader.gif" << true << QSize(80, 80);
    QTest::newRow("English translation") << ":/tr/polvane.qm" << false << QSize();
    QTest::newRow("Russian translation") << ":/tr/polvane_ru.qm" << false << QSize();
    QTest::newRow("settings defaults") << ":/settings/settings.ini" << false << QSize();
    QTest::newRow("map page") << ":/map/index.html" << false << QSize();
    QTest::newRow("page selector style") << ":/qss/pushButtonAsTab.qss" << false << QSize();
}

void tst_ShellFrame::embeddedFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, picture);
    QFETCH(QSize, size);
    QVERIFY(QFile::exists(path));
    if (!picture)
        return;
    const QImage image(path);
    QVERIFY(!image.isNull());
    if (size.isValid())
        QCOMPARE(image.size(), size);
    if (path.endsWith(QLatin1String(".gif"))) {
        QMovie movie(path);
        QVERIFY(movie.frameCount() > 1);
        QCOMPARE(movie.loopCount(), -1); // for ever
    }
}

void tst_ShellFrame::embeddedDefaultsHoldNoKeyTheProgramReads()
{
    const QSettings defaults(QStringLiteral(":/settings/settings.ini"), QSettings::IniFormat);
    QVERIFY(defaults.contains(QStringLiteral("geometry")));
    for (int i = 0; i < 10; ++i) {
        QVERIFY(defaults.contains(QStringLiteral("sub_geometry_%1").arg(i)));
        QCOMPARE(defaults.value(QStringLiteral("sub_visibility_%1").arg(i)).toBool(), i < 8);
    }
    for (const char *key : {"MainWindow/geometry", "Window/geometry", "SubWindow/geometry_0",
                            "SubWindow/visibility_0", "Settings/geometry"})
        QVERIFY2(!defaults.contains(QLatin1String(key)), key);
}

QTEST_MAIN(tst_ShellFrame)
#include "tst_shellframe.moc"
