#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include <cmath>

#include "connectguard.h"
#include "displaysettingswidget.h"
#include "framebuilders.h"
#include "model.h"
#include "receiversession.h"
#include "russiancatalogue.h"

namespace {

// A GGA of a position given in whole NMEA fields.
QByteArray gga(const QByteArray &latitude, const QByteArray &longitude, const QByteArray &height)
{
    return nmeaLine("GPGGA,101500.00," + latitude + ',' + longitude + ",4,08,0.9," + height + ",M,0.0,M,,");
}

} // namespace

class TestDisplaySettingsWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void init() { dialog.reset(new DisplaySettingsWidget(nullptr)); }
    void cleanup() { dialog.reset(); }

    void formAsDesigned()
    {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Display mode"));
        QCOMPARE(dialog->size(), QSize(359, 245));
        QCOMPARE(dialog->findChild<QGroupBox *>(QStringLiteral("gBoxReceiverRefCoordinates"))->title(),
                 QStringLiteral("Reference coordinates"));
        QCOMPARE(radio("radBtnGiven")->text(), QStringLiteral("Fixed"));
        QCOMPARE(radio("radBtnMean")->text(), QStringLiteral("Average"));
        QCOMPARE(latitude()->decimals(), 8);
        QCOMPARE(latitude()->maximum(), 90.0);
        QCOMPARE(longitude()->decimals(), 8);
        QCOMPARE(longitude()->maximum(), 180.0);
        QCOMPARE(altitude()->decimals(), 4);
        QCOMPARE(altitude()->minimum(), 0.0);
        QCOMPARE(altitude()->maximum(), 10000.0);
        QCOMPARE(points()->minimum(), 0);
        QCOMPARE(points()->maximum(), 36000);
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("labelReceiverRefLatitude"))->buddy(), latitude());
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("labelReceiverRefAltitude"))->buddy(), altitude());
        // Before a Model: "Average", the fields enabled, everything at 0.
        QVERIFY(radio("radBtnMean")->isChecked());
        QVERIFY(fields()->isEnabled());
        QVERIFY(radio("radBtnReceiverRefN")->isChecked());
        QVERIFY(radio("radBtnReceiverRefE")->isChecked());
        QCOMPARE(latitude()->value(), 0.0);
        QCOMPARE(points()->value(), 0);
        // The hemisphere pairs are exclusive each on its own.
        radio("radBtnReceiverRefS")->setChecked(true);
        QVERIFY(radio("radBtnReceiverRefE")->isChecked());
        QVERIFY(!radio("radBtnReceiverRefN")->isChecked());
    }

    void averageModelDisablesAndEmptiesTheFields()
    {
        Model model;
        dialog->setModel(&model);
        QVERIFY(radio("radBtnMean")->isChecked());
        QVERIFY(!fields()->isEnabled());
        QVERIFY(latitude()->text().isEmpty());
        QVERIFY(longitude()->text().isEmpty());
        QVERIFY(altitude()->text().isEmpty());
        QCOMPARE(points()->value(), 3600);
    }

    void fixedPositionRoundTrip()
    {
        Model model;
        dialog->setModel(&model);
        dialog->show();
        radio("radBtnGiven")->setChecked(true);
        QVERIFY(fields()->isEnabled());
        latitude()->setValue(10.5);
        radio("radBtnReceiverRefS")->setChecked(true);
        longitude()->setValue(20.25);
        radio("radBtnReceiverRefW")->setChecked(true);
        altitude()->setValue(150);
        points()->setValue(1200);

        QStringList heard;
        connect(&model, &Model::receiverRefCoordinatesChanged, this, [&](GeoCoordinate c) {
            heard << QStringLiteral("reference %1").arg(c.latitudeDegrees());
        });
        connect(&model, &Model::receiverRefCoordinatesModeChanged, this,
                [&](ReceiverRefCoordinatesMode m) { heard << QStringLiteral("mode %1").arg(int(m)); });
        connect(dialog.data(), &DisplaySettingsWidget::setMaxNumberPoints, this,
                [&](int n) { heard << QStringLiteral("points %1").arg(n); });
        save();
        QCOMPARE(heard, (QStringList{"reference -10.5", "mode 0", "points 1200"}));

        const GeoCoordinate fixed = model.receiverRefCoordForTrack();
        QVERIFY(fixed.isValid());
        QVERIFY(std::fabs(fixed.latitudeDegrees() + 10.5) < 1e-12);
        QVERIFY(std::fabs(fixed.longitudeDegrees() + 20.25) < 1e-12);
        QCOMPARE(fixed.height(), 150.0);
        QCOMPARE(model.receiverRefCoordinatesMode(), RefCoordinatesFixed);
        QCOMPARE(model.maxNumberPoints(), 1200);
        // The dialog stays open after saving.
        QVERIFY(dialog->isVisible());

        DisplaySettingsWidget again(nullptr);
        again.setModel(&model);
        QVERIFY(again.findChild<QRadioButton *>(QStringLiteral("radBtnGiven"))->isChecked());
        QVERIFY(again.findChild<QWidget *>(QStringLiteral("widgetReceiverRefCoordinates"))->isEnabled());
        QCOMPARE(again.findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLatitude"))->value(), 10.5);
        QVERIFY(again.findChild<QRadioButton *>(QStringLiteral("radBtnReceiverRefS"))->isChecked());
        QCOMPARE(again.findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLongitude"))->value(), 20.25);
        QVERIFY(again.findChild<QRadioButton *>(QStringLiteral("radBtnReceiverRefW"))->isChecked());
        QCOMPARE(again.findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefAltitude"))->value(), 150.0);
        QCOMPARE(again.findChild<QSpinBox *>(QStringLiteral("spBoxMaxNumber"))->value(), 1200);
    }

    void averageByHandEmptiesAndDisablesAtOnce()
    {
        Model model;
        model.setReceiverRefCoordForTrack(GeoCoordinate(48.1, 0, 11.5, 3, 520));
        model.setReceiverRefCoordinatesMode(RefCoordinatesFixed);
        dialog->setModel(&model);
        QVERIFY(fields()->isEnabled());
        QCOMPARE(latitude()->value(), 48.1);
        radio("radBtnMean")->setChecked(true);
        QVERIFY(!fields()->isEnabled());
        QVERIFY(latitude()->text().isEmpty());
        QVERIFY(longitude()->text().isEmpty());
        QVERIFY(altitude()->text().isEmpty());
        // Only the dialog changed.
        QCOMPARE(model.receiverRefCoordinatesMode(), RefCoordinatesFixed);
    }

    void saveWithAverageSetsTheModeAndThePointsOnly()
    {
        Model model;
        const GeoCoordinate typed(48.1, 0, 11.5, 3, 520);
        model.setReceiverRefCoordForTrack(typed);
        model.setReceiverRefCoordinatesMode(RefCoordinatesFixed);
        dialog->setModel(&model);
        radio("radBtnMean")->setChecked(true);
        points()->setValue(900);
        QSignalSpy references(&model, SIGNAL(receiverRefCoordinatesChanged(GeoCoordinate)));
        QSignalSpy sent(dialog.data(), SIGNAL(setMaxNumberPoints(int)));
        save();
        QCOMPARE(model.receiverRefCoordinatesMode(), RefCoordinatesAverage);
        QCOMPARE(model.receiverRefCoordForTrack(), typed);
        QCOMPARE(model.maxNumberPoints(), 900);
        QCOMPARE(references.count(), 0);
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.first().first().toInt(), 900);
    }

    void saveWithoutModelOnlyTellsThePoints()
    {
        radio("radBtnGiven")->setChecked(true);
        latitude()->setValue(10);
        points()->setValue(250);
        QSignalSpy sent(dialog.data(), SIGNAL(setMaxNumberPoints(int)));
        save();
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.first().first().toInt(), 250);
    }

    void zeroPointsFailNowhere()
    {
        ReceiverSession session;
        QVERIFY(session.open(InterfaceNmea));
        dialog->setModel(session.model);
        points()->setValue(0);
        QSignalSpy sent(dialog.data(), SIGNAL(setMaxNumberPoints(int)));
        save();
        QCOMPARE(sent.first().first().toInt(), 0);
        QCOMPARE(session.model->maxNumberPoints(), 0);
        session.send(gga("5545.0000", "N,03736.6000,E", "150.0") + gga("5545.6000", "N,03736.6000,E", "150.0"));
        QTRY_COMPARE(session.model->receiverCoordinates().height(), 150.0);
        QTRY_VERIFY(std::fabs(session.model->receiverRefCoordinates().latitudeDegrees() - 55.76) < 1e-9);
        QCOMPARE(session.model->pointCount(), 1);
    }

    void heightBelowZeroShowsAsZero()
    {
        Model model;
        model.setReceiverRefCoordForTrack(GeoCoordinate(1, 0, 2, 3, -30));
        model.setReceiverRefCoordinatesMode(RefCoordinatesFixed);
        dialog->setModel(&model);
        QCOMPARE(altitude()->value(), 0.0);
        QCOMPARE(latitude()->value(), 1.0);
    }

    void fieldsFollowTheLiveAverageWhileAverageIsChosen()
    {
        ReceiverSession session;
        QVERIFY(session.open(InterfaceNmea));
        dialog->setModel(session.model);
        session.send(gga("3330.0000", "S,07015.0000,W", "712.5"));
        QTRY_COMPARE(altitude()->value(), 712.5);
        QVERIFY(std::fabs(latitude()->value() - 33.5) < 1e-8);
        QVERIFY(radio("radBtnReceiverRefS")->isChecked());
        QVERIFY(std::fabs(longitude()->value() - 70.25) < 1e-8);
        QVERIFY(radio("radBtnReceiverRefW")->isChecked());

        // In fixed mode the Model sends the average through its other signal; "Average"
        // chosen by hand still follows it.
        session.model->setReceiverRefCoordinatesMode(RefCoordinatesFixed);
        radio("radBtnMean")->setChecked(true);
        session.send(gga("3330.0000", "S,07015.0000,W", "1712.5"));
        QTRY_COMPARE(altitude()->value(), 1212.5);

        // With "Fixed" chosen the fields stay as typed.
        radio("radBtnGiven")->setChecked(true);
        altitude()->setValue(5);
        session.send(gga("3330.0000", "S,07015.0000,W", "1712.5"));
        QTRY_VERIFY(session.model->receiverRefCoordinates().height() > 1300);
        QCOMPARE(altitude()->value(), 5.0);
    }

    void aSaveInOneDialogReachesTheOther()
    {
        Model model;
        dialog->setModel(&model);
        DisplaySettingsWidget other(nullptr);
        other.setModel(&model);
        radio("radBtnGiven")->setChecked(true);
        latitude()->setValue(45);
        longitude()->setValue(90);
        altitude()->setValue(10);
        save();
        QVERIFY(other.findChild<QRadioButton *>(QStringLiteral("radBtnGiven"))->isChecked());
        QCOMPARE(other.findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLongitude"))->value(), 90.0);
    }

    void nullModelDisconnects()
    {
        Model model;
        dialog->setModel(&model);
        dialog->setModel(nullptr);
        model.setReceiverRefCoordForTrack(GeoCoordinate(20, 0, 30, 3, 40));
        model.setReceiverRefCoordinatesMode(RefCoordinatesFixed);
        QVERIFY(radio("radBtnMean")->isChecked());
        QVERIFY(latitude()->text().isEmpty());
    }

    void russianTexts()
    {
        RussianCatalogue translator;
        QVERIFY(translator.loaded);
        DisplaySettingsWidget russian(nullptr);
        translator.remove();
        QCOMPARE(russian.windowTitle(), QString::fromUtf8("Режим отображения"));
        QCOMPARE(russian.findChild<QRadioButton *>(QStringLiteral("radBtnGiven"))->text(), QString::fromUtf8("Заданные"));
        QCOMPARE(russian.findChild<QRadioButton *>(QStringLiteral("radBtnReceiverRefS"))->text(), QString::fromUtf8("Ю"));
        QCOMPARE(russian.findChild<QPushButton *>(QStringLiteral("btnSaveConfiguration"))->text(), QString::fromUtf8("Сохранить"));
    }

private:
    QRadioButton *radio(const char *name) const { return dialog->findChild<QRadioButton *>(QLatin1String(name)); }
    QDoubleSpinBox *latitude() const { return dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLatitude")); }
    QDoubleSpinBox *longitude() const { return dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLongitude")); }
    QDoubleSpinBox *altitude() const { return dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefAltitude")); }
    QSpinBox *points() const { return dialog->findChild<QSpinBox *>(QStringLiteral("spBoxMaxNumber")); }
    QWidget *fields() const { return dialog->findChild<QWidget *>(QStringLiteral("widgetReceiverRefCoordinates")); }
    void save() { dialog->findChild<QPushButton *>(QStringLiteral("btnSaveConfiguration"))->click(); }

    QScopedPointer<DisplaySettingsWidget> dialog;
};

QTEST_MAIN(TestDisplaySettingsWidget)
#include "tst_displaysettingswidget.moc"
