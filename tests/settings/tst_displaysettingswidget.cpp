#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
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
#include "screenshot.h"
#include "settingsdialogs.h"
#include "typednumbers.h"

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

    // The system's locale comes from outside, as on a user's machine: CTest runs this
    // program under LC_ALL=C and again under LC_ALL=ru_RU.UTF-8.
    void theLocaleIsTheSystems()
    {
        const QString wanted = qEnvironmentVariable("LC_ALL").section(QLatin1Char('.'), 0, 0);
        if (wanted.isEmpty())
            QSKIP("run without LC_ALL");
        QCOMPARE(QLocale().name(), wanted == QLatin1String("C") ? QStringLiteral("C") : wanted);
        QCOMPARE(altitude()->locale(), QLocale::system());
    }

    void typedNumberIsTheNumberInEitherLocale_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        // The value taken, or NaN when the text is refused.
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("box");
        const QString none;
        QTest::newRow("altitude 168,5") << "spBoxReceiverRefAltitude" << "168,5" << 168.5 << none;
        QTest::newRow("altitude 168.5") << "spBoxReceiverRefAltitude" << "168.5" << 168.5 << none;
        QTest::newRow("latitude 55,75") << "spBoxReceiverRefLatitude" << "55,75" << 55.75 << none;
        QTest::newRow("latitude 55.75") << "spBoxReceiverRefLatitude" << "55.75" << 55.75 << none;
        QTest::newRow("longitude 3,5") << "spBoxReceiverRefLongitude" << "3,5" << 3.5 << none;
        QTest::newRow("longitude 37.62") << "spBoxReceiverRefLongitude" << "37.62" << 37.62 << none;
        const double refused = std::nan("");
        const QString saved = QStringLiteral("Nothing was saved: correct the marked fields.\n");
        QTest::newRow("altitude 168,5,5") << "spBoxReceiverRefAltitude" << "168,5,5" << refused
                                          << saved + "Reference coordinates, Altitude, m: \"{shown}\" is not a number";
        QTest::newRow("altitude 12345") << "spBoxReceiverRefAltitude" << "12345" << refused
                                        << saved + "Reference coordinates, Altitude, m: 12345 is outside 0 to 10000";
        QTest::newRow("latitude 95,5") << "spBoxReceiverRefLatitude" << "95,5" << refused
                                       << saved + "Reference coordinates, Latitude, \u00b0: {shown} is outside 0 to 90";
        QTest::newRow("points 3600.0") << "spBoxMaxNumber" << "3600.0" << 3600.0 << none;
        QTest::newRow("points 3,6") << "spBoxMaxNumber" << "3,6" << refused
                                    << saved + "Points: 3,6 is not a whole number";
        QTest::newRow("points 3.6") << "spBoxMaxNumber" << "3.6" << refused
                                    << saved + "Points: 3.6 is not a whole number";
        QTest::newRow("points 99999") << "spBoxMaxNumber" << "99999" << refused
                                      << saved + "Points: 99999 is outside 0 to 36000";
    }

    // Typed as a person types: into the field, Return, then a click on Save.
    void typedNumberIsTheNumberInEitherLocale()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(double, value);
        QFETCH(QString, box);
        // A decimal comma or point shows as the locale's mark, and the reason quotes the
        // text as the field showed it.
        QString inLocale = typed;
        if (field != "spBoxMaxNumber")
            inLocale.replace(QRegularExpression("[.,]"), QString(QLocale().decimalPoint()));
        box.replace(QLatin1String("{shown}"), inLocale);
        Model model;
        model.setReceiverRefCoordForTrack(GeoCoordinate(10, 0, 20, 3, 30));
        model.setReceiverRefCoordinatesMode(RefCoordinatesFixed);
        model.setMaxNumberPoints(1200);
        dialog->setModel(&model);
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.data()));
        QAbstractSpinBox *spin = dialog->findChild<QAbstractSpinBox *>(field);
        const QString before = spin->text();
        QStringList boxes;
        SettingsDialogs::setMessageHook([&](QWidget *, QMessageBox::Icon, const QString &, const QString &text,
                                            QMessageBox::StandardButtons) {
            boxes << text;
            return QMessageBox::Ok;
        });
        spin->setFocus();
        QTRY_VERIFY(spin->hasFocus());
        spin->selectAll();
        typeText(spin, typed);
        // What was typed stays as typed until the edit ends, in the locale's mark.
        if (field == "spBoxMaxNumber")
            QCOMPARE(spin->text(), typed);
        else
            QCOMPARE(spin->text(), inLocale);
        QTest::keyClick(spin, Qt::Key_Return);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnSaveConfiguration")), Qt::LeftButton);
        SettingsDialogs::setMessageHook(nullptr);
        const QString shot = QStringLiteral("displaysettings_%1_%2.png")
                                 .arg(QString(QTest::currentDataTag())
                                          .replace(QLatin1Char(','), QLatin1String("_comma_"))
                                          .replace(QLatin1Char('.'), QLatin1String("_point_"))
                                          .replace(QRegularExpression("[^0-9A-Za-z]+"), "_"),
                                      QLocale().name());
        if (QString(QTest::currentDataTag()).startsWith(QLatin1String("altitude 1")))
            saveScreenshot(dialog.data(), shot);
        const GeoCoordinate fixed = model.receiverRefCoordForTrack();
        if (std::isnan(value)) {
            // Refused: the box shows its last value, marked with the reason, and Save
            // saved nothing.
            QCOMPARE(spin->text(), before);
            QVERIFY(markedRefused(spin));
            QCOMPARE(boxes, QStringList{box});
            QCOMPARE(fixed.height(), 30.0);
            QCOMPARE(model.maxNumberPoints(), 1200);
            return;
        }
        QVERIFY(!markedRefused(spin));
        QVERIFY(boxes.isEmpty());
        if (field == "spBoxMaxNumber") {
            QCOMPARE(spin->text(), QString::number(int(value)));
            QCOMPARE(model.maxNumberPoints(), int(value));
            return;
        }
        auto *real = qobject_cast<QDoubleSpinBox *>(spin);
        QCOMPARE(real->value(), value);
        QCOMPARE(spin->text(), QLocale().toString(value, 'f', real->decimals()));
        const double saved = field == "spBoxReceiverRefAltitude" ? fixed.height()
            : field == "spBoxReceiverRefLatitude"                ? fixed.latitudeDegrees()
                                                                 : fixed.longitudeDegrees();
        QVERIFY2(std::fabs(saved - value) < 1e-9, qPrintable(QString::number(saved, 'g', 12)));
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

        // A refused number says why in Russian.
        RussianCatalogue again;
        Model model;
        model.setReceiverRefCoordinatesMode(RefCoordinatesFixed);
        russian.setModel(&model);
        QStringList boxes;
        SettingsDialogs::setMessageHook([&](QWidget *, QMessageBox::Icon, const QString &, const QString &text,
                                            QMessageBox::StandardButtons) {
            boxes << text;
            return QMessageBox::Ok;
        });
        QAbstractSpinBox *points = russian.findChild<QAbstractSpinBox *>(QStringLiteral("spBoxMaxNumber"));
        points->selectAll();
        typeText(points, QStringLiteral("3,6"));
        QTest::keyClick(points, Qt::Key_Return);
        russian.findChild<QPushButton *>(QStringLiteral("btnSaveConfiguration"))->click();
        SettingsDialogs::setMessageHook(nullptr);
        QCOMPARE(boxes, QStringList{QString::fromUtf8("Ничего не сохранено: исправьте отмеченные поля.\n"
                                                      "Точек: 3,6 — не целое число")});
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
