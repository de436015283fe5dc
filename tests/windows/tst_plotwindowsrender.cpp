// The four plot windows fed by the scripted receiver with a wandering position of
// several fix qualities and the satellites of three systems, saved as PNG files in
// "screenshots/" of the build tree for a person to look at; and the windows in Russian.

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <cmath>

#include "russiancatalogue.h"
#include "screenshot.h"
#include "connectguard.h"
#include "displaysettingswidget.h"
#include "plotview.h"
#include "plotwidget.h"
#include "plotwindowstest.h"
#include "receiversession.h"
#include "skyview.h"
#include "skyviewwidget.h"
#include "snrview.h"
#include "snrwidget.h"
#include "trackview.h"
#include "trackwidget.h"

using namespace plotwindowstest;

namespace {

void save(QWidget *widget, const QString &name)
{
    const QImage image = widget->grab().toImage();
    QVERIFY(image.save(screenshotPath(name)));
}

// A receiver sitting on a pillar: a slow wander of a few decimetres with noise, the fix
// improving from single through differential and float to fixed, with one extrapolated
// epoch. One line per epoch.
QList<QByteArray> wanderingPositions(const GeoCoordinate &centre, int count)
{
    QList<QByteArray> bytes;
    for (int i = 0; i < count; ++i) {
        const int quality = i < 40 ? 1 : i < 80 ? 2 : i < 130 ? 5 : i == 170 ? 6 : 4;
        const double spread = quality == 4 ? 0.05 : quality == 5 ? 0.15 : 0.4;
        const double east = 0.5 * spread * std::sin(i / 9.0) + 0.3 * spread * std::sin(i * 1.3);
        const double north = 0.5 * spread * std::cos(i / 13.0) + 0.3 * spread * std::cos(i * 2.1);
        const double up = 1.2 * spread * std::sin(i / 17.0) + 0.4 * spread * std::sin(i * 0.7);
        bytes.append(ggaLine(nmeaTime(37800 + i), offsetFrom(centre, east, north, up), quality));
    }
    return bytes;
}

QByteArray satellitesOfThreeSystems()
{
    const QVector<SatelliteInfo> gps{{2, 63, 45, 47, -1},  {5, 35, 110, 44, -1}, {7, 12, 170, 33, -1},
                                     {9, 71, 250, 49, -1}, {13, 25, 300, 40, -1}, {15, 8, 330, 28, -1},
                                     {18, 48, 20, 46, -1}, {20, 5, 200, 24, -1},  {29, 30, 80, 41, -1}};
    const QVector<SatelliteInfo> glonass{{1, 55, 140, 45, -1}, {8, 20, 210, 37, -1}, {10, 40, 300, 43, -1},
                                         {17, 15, 60, 34, -1}, {23, 67, 10, 48, -1}, {24, 10, 270, 30, -1}};
    const QVector<SatelliteInfo> beidou{{6, 33, 120, 39, -1}, {11, 58, 230, 45, -1}, {19, 22, 330, 36, -1},
                                        {27, 75, 90, 47, -1}, {30, 18, 190, 33, -1}};
    // The second GPS band comes as the satellite's number + 64.
    QVector<SatelliteInfo> gpsL2;
    for (const SatelliteInfo &s : gps) {
        if (s.elevation > 10)
            gpsL2.append(SatelliteInfo(short(s.number + 64), s.elevation, s.azimuth, short(s.snr1 - 6), -1));
    }
    return gsvLines("GP", gps) + gsvLines("GP", gpsL2) + gsvLines("GL", glonass) + gsvLines("GB", beidou)
        + gsaLine("GP", {2, 5, 9, 13, 18, 29}) + gsaLine("GL", {1, 10, 23}) + gsaLine("GB", {11, 27});
}

} // namespace

class TestPlotWindowsRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installConnectGuard();
    }

    void fourWindowsFedByTheReceiver()
    {
        ReceiverSession session;
        QVERIFY(session.open(InterfaceNmea));
        SkyViewWidget sky(nullptr);
        SnrWidget snr(nullptr);
        PlotWidget plot(nullptr);
        TrackWidget track(nullptr);
        QList<QWidget *> windows{&sky, &snr, &plot, &track};
        for (QWidget *w : windows) {
            dynamic_cast<IModel *>(w)->setModel(session.model);
            dynamic_cast<IController *>(w)->setController(session.controller);
        }
        sky.resize(420, 400);
        snr.resize(340, 640);
        plot.resize(560, 560);
        track.resize(560, 540);
        for (QWidget *w : windows)
            w->show();

        const GeoCoordinate centre(55.7558, 0, 37.6173, 3, 156.0);
        const int count = 240;
        auto *trackView = track.findChild<TrackView *>(QStringLiteral("trackView"));
        auto *ns = plot.findChild<PlotView *>(QStringLiteral("plotNSWidget"));
        session.send(satellitesOfThreeSystems());
        // In receiver-sized portions: the parser keeps a bounded buffer.
        const QList<QByteArray> epochs = wanderingPositions(centre, count);
        for (int i = 0; i < count; i += 20) {
            QByteArray portion;
            for (int k = i; k < i + 20 && k < count; ++k)
                portion += epochs.at(k);
            session.send(portion);
            QTRY_COMPARE(trackView->pointCount(), qMin(count, i + 20));
        }
        QCOMPARE(ns->pointCount(), count);
        QVERIFY(sky.findChild<SkyView *>()->isFresh(NavSysBeiDou));
        QVERIFY(!snr.findChild<SnrView *>(QStringLiteral("snrViewGLONASS"))->satelliteData().isEmpty());
        QVERIFY(track.findChild<QPushButton *>(QStringLiteral("btnReset")));

        save(&sky, QStringLiteral("skyviewwidget.png"));
        save(&snr, QStringLiteral("snrwidget.png"));
        save(&plot, QStringLiteral("plotwidget.png"));
        save(&track, QStringLiteral("trackwidget.png"));

        track.findChild<QPushButton *>(QStringLiteral("btnProperties"))->click();
        auto *dialog = track.findChild<DisplaySettingsWidget *>();
        QVERIFY(dialog);
        save(dialog, QStringLiteral("displaysettingswidget.png"));
        dialog->findChild<QRadioButton *>(QStringLiteral("radBtnGiven"))->setChecked(true);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLatitude"))->setValue(55.7558);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLongitude"))->setValue(37.6173);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefAltitude"))->setValue(156.5);
        dialog->findChild<QPushButton *>(QStringLiteral("btnSaveConfiguration"))->click();
        save(dialog, QStringLiteral("displaysettingswidget_fixed.png"));
        // The track now measures from the typed point.
        session.send(wanderingPositions(centre, 1).first());
        QTRY_COMPARE(trackView->pointCount(), count + 1);
        save(&track, QStringLiteral("trackwidget_fixed.png"));
    }

    void windowsInRussian()
    {
        RussianCatalogue translator;
        QVERIFY(translator.loaded);
        SkyViewWidget sky(nullptr);
        SnrWidget snr(nullptr);
        PlotWidget plot(nullptr);
        TrackWidget track(nullptr);

        QCOMPARE(sky.windowTitle(), QString::fromUtf8("Небосвод"));
        QCOMPARE(snr.windowTitle(), QString::fromUtf8("Отношение сигнал/шум"));
        QCOMPARE(snr.findChild<SnrView *>(QStringLiteral("snrViewGLONASS"))->caption(), QString::fromUtf8("ГЛОНАСС"));
        QCOMPARE(plot.windowTitle(), QString::fromUtf8("Графики"));
        QCOMPARE(plot.findChild<PlotView *>(QStringLiteral("plotNSWidget"))->caption(), QString::fromUtf8("С-Ю (м)"));
        QCOMPARE(track.windowTitle(), QString::fromUtf8("Трек"));
        QCOMPARE(track.findChild<QPushButton *>(QStringLiteral("btnProperties"))->text(), QString::fromUtf8("Свойства"));
        QCOMPARE(track.findChild<QComboBox *>()->itemText(2), QString::fromUtf8("Градусы_мин_сек"));
        // The view's axis letters are translated when it paints.
        track.resize(560, 540);
        save(&track, QStringLiteral("trackwidget_ru.png"));
        translator.remove();
    }
};

QTEST_MAIN(TestPlotWindowsRender)
#include "tst_plotwindowsrender.moc"
