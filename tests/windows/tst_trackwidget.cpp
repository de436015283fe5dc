#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <cmath>

#include "connectguard.h"
#include "displaysettingswidget.h"
#include "model.h"
#include "plotwindowstest.h"
#include "trackview.h"
#include "trackwidget.h"

using namespace plotwindowstest;

namespace {

const GeoCoordinate origin(55.75, 0, 37.61, 3, 150.0);
const GeoCoordinate zero(true);

} // namespace

class TestTrackWidget : public QObject, public NmeaWindowFixture<TrackWidget>
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void init()
    {
        QVERIFY(openWindow());
        view = window->findChild<TrackView *>(QStringLiteral("trackView"));
        QVERIFY(view);
        seconds = 36000;
    }

    void cleanup() { closeWindow(); }

    void formAsDesigned()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Track"));
        // The form's size, or larger where its contents need more (a larger font).
        QCOMPARE(window->size(), QSize(494, 415).expandedTo(window->minimumSizeHint()));
        QCOMPARE(window->minimumSize(), QSize(450, 150).expandedTo(window->minimumSizeHint()));
        QCOMPARE(label("labelReference"), QStringLiteral("REF"));
        // The receiver row's middle letter is the Cyrillic Es.
        QCOMPARE(label("labelReceiver"), QString::fromUtf8("R\u0421V"));
        QVERIFY(label("labelDeviationX").contains(QStringLiteral("σ<sub>x</sub>")));
        auto *formats = window->findChild<QComboBox *>(QStringLiteral("cBoxTypeDergees"));
        QCOMPARE(formats->count(), 3);
        QCOMPARE(formats->itemText(0), QStringLiteral("Degrees"));
        QCOMPARE(formats->itemText(1), QStringLiteral("Degrees_min"));
        QCOMPARE(formats->itemText(2), QStringLiteral("Degrees_min_sec"));
        QCOMPARE(formats->itemData(1).toInt(), 1);
        QCOMPARE(formats->currentIndex(), 2);
        for (const char *name : {"editRefLat", "editRefLon", "editRefAlt", "editRcvLat", "editRcvLon",
                                 "editRcvAlt", "editDeviationX", "editDeviationY", "editDeviationZ"}) {
            QVERIFY(edit(name)->isReadOnly());
            QVERIFY(edit(name)->text().isEmpty());
        }
        QCOMPARE(edit("editDeviationY")->alignment(), Qt::AlignCenter);
        // Before any Model both rows are grey.
        QCOMPARE(edit("editRefLat")->styleSheet(), QStringLiteral("color: gray"));
        QCOMPARE(edit("editRcvAlt")->styleSheet(), QStringLiteral("color: gray"));
    }

    void freshModelShowsTheZeroReference()
    {
        Model model;
        window->setModel(&model);
        QCOMPARE(edit("editRefLat")->text(), QStringLiteral("0° 0' 0.000000\" N"));
        QCOMPARE(edit("editRefLon")->text(), QStringLiteral("0° 0' 0.000000\" E"));
        QCOMPARE(edit("editRefAlt")->text(), QStringLiteral("0.0000 m."));
        for (const char *name : {"editRefLat", "editRefLon", "editRefAlt"})
            QCOMPARE(edit(name)->styleSheet(), QStringLiteral("color: black"));
        for (const char *name : {"editRcvLat", "editRcvLon", "editRcvAlt"})
            QCOMPARE(edit(name)->styleSheet(), QStringLiteral("color: gray"));
        QCOMPARE(view->maxNumberPoints(), 3600);
        // No restart at the start: the deviation fields stay empty.
        QVERIFY(edit("editDeviationX")->text().isEmpty());
    }

    void zeroSampleAfterReset()
    {
        Model model;
        window->setModel(&model);
        const GeoCoordinate position = offsetFrom(zero, 3, 4, 0);
        window->receiverCoordinatesChanged(0, position, 4);
        QCOMPARE(deviations(), (QStringList{"3.0000 m.", "4.0000 m.", "0.0000 m."}));
        QCOMPARE(view->pointCount(), 1);
        window->findChild<QPushButton *>(QStringLiteral("btnReset"))->click();
        QCOMPARE(deviations(), (QStringList{"0.0000 m.", "0.0000 m.", "0.0000 m."}));
        QCOMPARE(view->pointCount(), 0);
        QVERIFY(view->caption().isEmpty());
        // In mean mode the REF row is emptied.
        QVERIFY(edit("editRefLat")->text().isEmpty());
        window->receiverCoordinatesChanged(0, position, 4);
        QCOMPARE(deviations(), (QStringList{"2.1213 m.", "2.8284 m.", "0.0000 m."}));
    }

    void degreeFormats_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("refLatitude");
        QTest::addColumn<QString>("rcvLongitude");
        QTest::newRow("degrees") << 0 << "0.000000000° N" << "37.610000000° E";
        QTest::newRow("degrees and minutes") << 1 << "0° 0.000000000' N" << "37° 36.600000000' E";
        QTest::newRow("degrees, minutes, seconds") << 2 << "0° 0' 0.000000\" N" << "37° 36' 36.000000\" E";
    }
    void degreeFormats()
    {
        QFETCH(int, format);
        QFETCH(QString, refLatitude);
        QFETCH(QString, rcvLongitude);
        Model model;
        window->setModel(&model);
        window->receiverCoordinatesChanged(0, GeoCoordinate(55.75, 0, 37.61, 3, 150.0), 4);
        auto *formats = window->findChild<QComboBox *>(QStringLiteral("cBoxTypeDergees"));
        formats->setCurrentIndex(format == 0 ? 1 : 0);
        formats->setCurrentIndex(format);
        QCOMPARE(edit("editRefLat")->text(), refLatitude);
        QCOMPARE(edit("editRcvLon")->text(), rcvLongitude);
        QCOMPARE(edit("editRcvAlt")->text(), QStringLiteral("150.0000 m."));
        QCOMPARE(edit("editRcvLat")->styleSheet(), QStringLiteral("color: black"));
    }

    void formatChangeLeavesAnInvalidRowGrey()
    {
        window->findChild<QComboBox *>(QStringLiteral("cBoxTypeDergees"))->setCurrentIndex(0);
        QVERIFY(edit("editRcvLat")->text().isEmpty());
        QCOMPARE(edit("editRcvLat")->styleSheet(), QStringLiteral("color: gray"));
    }

    void qualityCaption_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1") << 1 << "Single";
        QTest::newRow("2") << 2 << "Diff";
        QTest::newRow("4") << 4 << "Fix";
        QTest::newRow("5") << 5 << "Float";
        QTest::newRow("6") << 6 << "Extrapolated";
        QTest::newRow("3") << 3 << "3";
        QTest::newRow("0") << 0 << "0";
        QTest::newRow("-1") << -1 << "-1";
    }
    void qualityCaption()
    {
        QFETCH(int, code);
        QFETCH(QString, caption);
        Model model;
        window->setModel(&model);
        window->receiverCoordinatesChanged(0, origin, short(code));
        QCOMPARE(view->caption(), caption);
        QCOMPARE(int(view->qualityAt(0)), code);
    }

    void invalidReferenceTurnsTheRowGrey()
    {
        connectWindow();
        sendPosition(origin);
        sendPosition(offsetFrom(origin, 1, 0, 0));
        QTRY_COMPARE(view->pointCount(), 2);
        const QString shown = edit("editRefLat")->text();
        QVERIFY(!shown.isEmpty());
        session->model->setReceiverRefCoordinates(GeoCoordinate());
        QCOMPARE(edit("editRefLat")->text(), shown);
        QCOMPARE(edit("editRefLat")->styleSheet(), QStringLiteral("color: gray"));
        // The next valid reference has nothing to shift from.
        const QPointF before = view->pointAt(0);
        session->model->setReceiverRefCoordinates(offsetFrom(origin, 20, 20, 0));
        QCOMPARE(view->pointAt(0), before);
        QCOMPARE(edit("editRefLat")->styleSheet(), QStringLiteral("color: black"));
    }

    void receiverStandingStillTracksNearZero()
    {
        connectWindow();
        for (int i = 0; i < 40; ++i)
            sendPosition(offsetFrom(origin, 0.03 * std::sin(i * 1.7), 0.03 * std::cos(i * 2.3), 0.04 * std::sin(i)));
        QTRY_COMPARE(view->pointCount(), 40);
        for (int i = 0; i < 40; ++i) {
            QVERIFY(std::fabs(view->pointAt(i).x()) < 0.07);
            QVERIFY(std::fabs(view->pointAt(i).y()) < 0.07);
        }
        // The spread of a few centimetres shows in the deviation fields.
        for (const QString &text : deviations())
            QVERIFY2(text.startsWith(QStringLiteral("0.0")), qPrintable(text));
        QCOMPARE(edit("editRcvLat")->styleSheet(), QStringLiteral("color: black"));
        QCOMPARE(view->caption(), QStringLiteral("Fix"));
    }

    void meanModeKeepsEveryPointAnOffsetFromTheMean()
    {
        connectWindow();
        QVector<GeoCoordinate> positions;
        for (const QPointF &o : {QPointF(0, 0), QPointF(2, 1), QPointF(-1, 3), QPointF(0.5, -2)}) {
            positions.append(offsetFrom(origin, o.x(), o.y(), 0));
            sendPosition(positions.last());
        }
        QTRY_COMPARE(view->pointCount(), 4);
        const GeoCoordinate mean = session->model->receiverRefCoordinates();
        for (int i = 0; i < 4; ++i) {
            const EnuOffset expected = GeoCoordinate::difference(positions.at(i), mean);
            QVERIFY(std::fabs(view->pointAt(i).x() - expected.east) < 1e-3);
            QVERIFY(std::fabs(view->pointAt(i).y() - expected.north) < 1e-3);
        }
    }

    void limitFromTheDialogDropsTheOldest_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("keptAfterNext");
        QTest::newRow("10 of 100") << 10 << 10 << 10;
        // Room for none: the track empties and from then on holds the newest point.
        QTest::newRow("0") << 0 << 0 << 1;
    }
    void limitFromTheDialogDropsTheOldest()
    {
        QFETCH(int, limit);
        QFETCH(int, kept);
        QFETCH(int, keptAfterNext);
        Model model;
        window->setModel(&model);
        for (int i = 0; i < 100; ++i)
            window->receiverCoordinatesChanged(0, offsetFrom(zero, i * 0.001, 0, 0), 4);
        QCOMPARE(view->pointCount(), 100);
        DisplaySettingsWidget *dialog = openDialog();
        dialog->findChild<QSpinBox *>(QStringLiteral("spBoxMaxNumber"))->setValue(limit);
        dialog->findChild<QPushButton *>(QStringLiteral("btnSaveConfiguration"))->click();
        QCOMPARE(view->maxNumberPoints(), limit);
        QCOMPARE(view->pointCount(), kept);
        QCOMPARE(model.maxNumberPoints(), limit);
        if (kept > 0) {
            QVERIFY(std::fabs(view->pointAt(0).x() - 0.090) < 1e-6);
            QVERIFY(std::fabs(view->pointAt(kept - 1).x() - 0.099) < 1e-6);
        }
        window->receiverCoordinatesChanged(0, offsetFrom(zero, 1, 0, 0), 4);
        QCOMPARE(view->pointCount(), keptAfterNext);
        QVERIFY(std::fabs(view->pointAt(keptAfterNext - 1).x() - 1) < 1e-6);
    }

    void propertiesTwiceOpensTwoDialogs()
    {
        connectWindow();
        DisplaySettingsWidget *first = openDialog();
        DisplaySettingsWidget *second = openDialog();
        QVERIFY(first != second);
        QCOMPARE(window->findChildren<DisplaySettingsWidget *>().size(), 2);
        for (DisplaySettingsWidget *dialog : {first, second}) {
            QVERIFY(dialog->isVisible());
            QVERIFY(!dialog->isModal());
            QCOMPARE(dialog->parentWidget(), window.data());
            QVERIFY(dialog->windowFlags().testFlag(Qt::Dialog));
            QVERIFY(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            QCOMPARE(dialog->findChild<QSpinBox *>(QStringLiteral("spBoxMaxNumber"))->value(), 3600);
        }
        second->findChild<QSpinBox *>(QStringLiteral("spBoxMaxNumber"))->setValue(500);
        second->findChild<QPushButton *>(QStringLiteral("btnSaveConfiguration"))->click();
        QCOMPARE(view->maxNumberPoints(), 500);
        QCOMPARE(session->model->maxNumberPoints(), 500);
        QVERIFY(first->isVisible());
    }

    void fixedPositionSavedInTheDialogIsTheReference()
    {
        connectWindow();
        for (int i = 0; i < 3; ++i)
            sendPosition(offsetFrom(origin, i, 0, 0));
        QTRY_COMPARE(view->pointCount(), 3);
        QCOMPARE(edit("editDeviationX")->text().isEmpty(), false);

        DisplaySettingsWidget *dialog = openDialog();
        dialog->findChild<QRadioButton *>(QStringLiteral("radBtnGiven"))->setChecked(true);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLatitude"))->setValue(10.5);
        dialog->findChild<QRadioButton *>(QStringLiteral("radBtnReceiverRefS"))->setChecked(true);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLongitude"))->setValue(20.25);
        dialog->findChild<QRadioButton *>(QStringLiteral("radBtnReceiverRefW"))->setChecked(true);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefAltitude"))->setValue(150);
        dialog->findChild<QPushButton *>(QStringLiteral("btnSaveConfiguration"))->click();

        const GeoCoordinate fixed = session->model->receiverRefCoordForTrack();
        QVERIFY(std::fabs(fixed.latitudeDegrees() + 10.5) < 1e-12);
        QVERIFY(std::fabs(fixed.longitudeDegrees() + 20.25) < 1e-12);
        QCOMPARE(fixed.height(), 150.0);
        QCOMPARE(edit("editRefLat")->text(), fixed.latitudeText());
        QVERIFY(edit("editRefLat")->text().endsWith(QStringLiteral("S")));
        QVERIFY(edit("editRefLon")->text().startsWith(QStringLiteral("20° 1")));
        QCOMPARE(edit("editRefAlt")->text(), QStringLiteral("150.0000 m."));
        QCOMPARE(deviations(), (QStringList{"0.0000 m.", "0.0000 m.", "0.0000 m."}));

        // From now on a new position is measured from the fixed point and shifts nothing.
        const QPointF oldest = view->pointAt(0);
        sendPosition(origin);
        QTRY_COMPARE(view->pointCount(), 4);
        QCOMPARE(view->pointAt(0), oldest);
        const EnuOffset expected = GeoCoordinate::difference(origin, fixed);
        QVERIFY(std::fabs(view->pointAt(3).y() - expected.north) < 1e-3);

        // Reset keeps the REF row in fixed mode.
        window->findChild<QPushButton *>(QStringLiteral("btnReset"))->click();
        QCOMPARE(edit("editRefAlt")->text(), QStringLiteral("150.0000 m."));
    }

    void modeChangeRestartsTheStatisticsOnly()
    {
        connectWindow();
        sendPosition(origin);
        sendPosition(offsetFrom(origin, 2, 0, 0));
        QTRY_COMPARE(view->pointCount(), 2);
        QVERIFY(deviations().first() != QStringLiteral("0.0000 m."));
        session->model->setReceiverRefCoordinatesMode(RefCoordinatesFixed);
        QCOMPARE(deviations(), (QStringList{"0.0000 m.", "0.0000 m.", "0.0000 m."}));
        QCOMPARE(view->pointCount(), 2);
        // The same mode again changes nothing.
        window->receiverCoordinatesChanged(0, offsetFrom(session->model->receiverRefCoordForTrack(), 3, 0, 0), 4);
        session->model->setReceiverRefCoordinatesMode(RefCoordinatesFixed);
        QCOMPARE(deviations().first(), QStringLiteral("2.1213 m."));
    }

    void clearWindowEmptiesTheWindowButNotOpenDialogs()
    {
        connectWindow();
        sendPosition(origin);
        sendPosition(offsetFrom(origin, 1, 1, 0));
        QTRY_COMPARE(view->pointCount(), 2);
        DisplaySettingsWidget *dialog = openDialog();
        dialog->findChild<QRadioButton *>(QStringLiteral("radBtnGiven"))->setChecked(true);
        auto *latitude = dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLatitude"));
        latitude->setValue(12.5);
        const QString typed = latitude->text();

        QVERIFY(QMetaObject::invokeMethod(window.data(), "clearWindow"));
        QCOMPARE(view->pointCount(), 0);
        for (const char *name : {"editRefLat", "editRefLon", "editRefAlt", "editRcvLat", "editRcvLon", "editRcvAlt"})
            QVERIFY2(edit(name)->text().isEmpty(), name);
        QCOMPARE(deviations(), (QStringList{"0.0000 m.", "0.0000 m.", "0.0000 m."}));
        QCOMPARE(session->model->pointCount(), 0);
        QCOMPARE(latitude->text(), typed);
    }

    void nullModelAndControllerDisconnect()
    {
        connectWindow();
        sendPosition(origin);
        QTRY_COMPARE(view->pointCount(), 1);
        window->setController(nullptr);
        window->setModel(nullptr);
        const QString shown = edit("editRefLat")->text();
        session->model->setReceiverRefCoordinates(offsetFrom(origin, 100, 0, 0));
        TrackWidget other(nullptr);
        other.setModel(session->model);
        other.setController(session->controller);
        sendPosition(origin);
        QTRY_COMPARE(other.findChild<TrackView *>(QStringLiteral("trackView"))->pointCount(), 1);
        QCOMPARE(view->pointCount(), 1);
        QCOMPARE(edit("editRefLat")->text(), shown);
        // Reset without a Model still empties the track.
        window->findChild<QPushButton *>(QStringLiteral("btnReset"))->click();
        QCOMPARE(view->pointCount(), 0);
    }

private:
    QLineEdit *edit(const char *name) const { return window->findChild<QLineEdit *>(QLatin1String(name)); }
    QString label(const char *name) const { return window->findChild<QLabel *>(QLatin1String(name))->text(); }

    QStringList deviations() const
    {
        return {edit("editDeviationX")->text(), edit("editDeviationY")->text(), edit("editDeviationZ")->text()};
    }

    DisplaySettingsWidget *openDialog()
    {
        const int before = window->findChildren<DisplaySettingsWidget *>().size();
        window->findChild<QPushButton *>(QStringLiteral("btnProperties"))->click();
        const QList<DisplaySettingsWidget *> dialogs = window->findChildren<DisplaySettingsWidget *>();
        if (dialogs.size() != before + 1)
            return nullptr;
        return dialogs.last();
    }

    TrackView *view = nullptr;
};

QTEST_MAIN(TestTrackWidget)
#include "tst_trackwidget.moc"
