#include <QtTest>

#include <cmath>

#include "connectguard.h"
#include "model.h"

// Records the Model's signals through text-connected slots, as the windows connect.
class ModelRecorder : public QObject
{
    Q_OBJECT

public:
    explicit ModelRecorder(Model *model)
    {
        QVERIFY(connect(model, SIGNAL(interfaceModeChanged(InterfaceMode)),
                        this, SLOT(onInterfaceMode(InterfaceMode))));
        QVERIFY(connect(model, SIGNAL(receiverRefCoordinatesModeChanged(ReceiverRefCoordinatesMode)),
                        this, SLOT(onRefMode(ReceiverRefCoordinatesMode))));
        QVERIFY(connect(model, SIGNAL(receiverRefCoordinatesChanged(GeoCoordinate)),
                        this, SLOT(onRef(GeoCoordinate))));
        QVERIFY(connect(model, SIGNAL(receiverCoordinatesChanged(GeoCoordinate)),
                        this, SLOT(onReceiver(GeoCoordinate))));
        QVERIFY(connect(model, SIGNAL(receiverRefCoordForTrackChanged(GeoCoordinate)),
                        this, SLOT(onRefForTrack(GeoCoordinate))));
    }

    QList<int> interfaceModes;
    QList<GeoCoordinate> refs;
    QList<GeoCoordinate> refsForTrack;
    QStringList order;

    int total() const { return order.size(); }

private slots:
    void onInterfaceMode(InterfaceMode mode) { interfaceModes << int(mode); order << "mode"; }
    void onRefMode(ReceiverRefCoordinatesMode) { order << "refMode"; }
    void onRef(GeoCoordinate c) { refs << c; order << "ref"; }
    void onReceiver(GeoCoordinate) { order << "receiver"; }
    void onRefForTrack(GeoCoordinate c) { refsForTrack << c; order << "refForTrack"; }
};

namespace {

// One component value v in every component, so a mean is easy to read.
GeoCoordinate point(double v)
{
    return GeoCoordinate(v, v, v);
}

bool sameComponents(const GeoCoordinate &c, double v)
{
    return std::fabs(c.latitude() - v) < 1e-12 && std::fabs(c.longitude() - v) < 1e-12
        && std::fabs(c.height() - v) < 1e-12;
}

QString describe(const GeoCoordinate &c)
{
    return QString("(%1, %2, %3, %4)").arg(c.latitude()).arg(c.longitude()).arg(c.height())
        .arg(c.isValid());
}

} // namespace

class TestModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void runningMean_data();
    void runningMean();
    void invalidPositionIgnored();
    void meanFollowsReferenceMode_data();
    void meanFollowsReferenceMode();
    void typedReferenceIsOnlyRelayed();
    void resetRestartsTheMean();
    void shrinkWindow();
    void shrinkToZeroKeepsOnePosition();
    void modesEmitEvenWhenUnchanged();
};

void TestModel::runningMean_data()
{
    QTest::addColumn<int>("windowSize");
    QTest::addColumn<QList<double>>("positions");
    QTest::addColumn<QList<double>>("means");
    QTest::addColumn<int>("pointCount");

    QTest::newRow("window 3") << 3 << QList<double>{1, 2, 3, 4}
                              << QList<double>{1, 1.5, 2, 3} << 3;
    // A window of 0 is allowed by the settings dialog: the mean is then taken over the
    // latest position, never divided by zero.
    QTest::newRow("window 0") << 0 << QList<double>{5, 7, -3}
                              << QList<double>{5, 7, -3} << 1;
}

void TestModel::runningMean()
{
    QFETCH(int, windowSize);
    QFETCH(QList<double>, positions);
    QFETCH(QList<double>, means);
    QFETCH(int, pointCount);

    Model model;
    model.setMaxNumberPoints(windowSize);
    ModelRecorder recorder(&model);
    for (int i = 0; i < positions.size(); ++i) {
        model.setReceiverCoordinates(point(positions[i]));
        QVERIFY2(sameComponents(model.receiverRefCoordinates(), means[i]),
                 qPrintable(describe(model.receiverRefCoordinates())));
    }
    QCOMPARE(model.pointCount(), pointCount);
    QCOMPARE(model.maxNumberPoints(), windowSize);
    // Each position: the position itself, then the mean (reference mode 1).
    QCOMPARE(recorder.order.mid(0, 2), (QStringList{"receiver", "ref"}));
    QCOMPARE(recorder.refs.size(), positions.size());
}

void TestModel::invalidPositionIgnored()
{
    Model model;
    model.setReceiverCoordinates(point(10));
    model.setReceiverCoordinates(point(20));
    ModelRecorder recorder(&model);
    const GeoCoordinate meanBefore = model.receiverRefCoordinates();

    model.setReceiverCoordinates(GeoCoordinate(false));
    model.setReceiverCoordinates(GeoCoordinate());

    QCOMPARE(recorder.total(), 0);
    QCOMPARE(model.receiverRefCoordinates(), meanBefore);
    QCOMPARE(model.pointCount(), 2);
}

void TestModel::meanFollowsReferenceMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("signalsSeen");

    QTest::newRow("fixed") << 0 << QStringList{"receiver", "refForTrack"};
    QTest::newRow("average") << 1 << QStringList{"receiver", "ref"};
    QTest::newRow("unknown mode") << 7 << QStringList{"receiver"};
}

void TestModel::meanFollowsReferenceMode()
{
    QFETCH(int, mode);
    QFETCH(QStringList, signalsSeen);

    Model model;
    model.setReceiverRefCoordinatesMode(static_cast<ReceiverRefCoordinatesMode>(mode));
    ModelRecorder recorder(&model);
    model.setReceiverCoordinates(point(3));
    QCOMPARE(recorder.order, signalsSeen);
    // The mean is kept up to date whatever the mode.
    QVERIFY(sameComponents(model.receiverRefCoordinates(), 3));
    if (mode == 0)
        QVERIFY(sameComponents(recorder.refsForTrack.first(), 3));
}

void TestModel::typedReferenceIsOnlyRelayed()
{
    Model model;
    model.setReceiverCoordinates(point(2));
    ModelRecorder recorder(&model);
    const GeoCoordinate typed(48.1, 0, 11.5, 3, 500.0);
    model.setReceiverRefCoordinates(typed);
    QCOMPARE(recorder.order, QStringList{"ref"});
    QCOMPARE(recorder.refs.first(), typed);
    QVERIFY(sameComponents(model.receiverRefCoordinates(), 2));
}

void TestModel::resetRestartsTheMean()
{
    Model model;
    model.setReceiverCoordinates(point(4));
    model.setReceiverCoordinates(point(8));
    ModelRecorder recorder(&model);

    model.resetReceiverRefCoordinates();
    QCOMPARE(model.pointCount(), 0);
    QCOMPARE(recorder.order, QStringList{"ref"});
    QCOMPARE(recorder.refs.first(), GeoCoordinate(true));

    model.setReceiverCoordinates(point(5));
    QCOMPARE(model.receiverRefCoordinates(), point(5)); // exactly the first position

    model.setReceiverRefCoordinatesMode(RefCoordinatesFixed);
    recorder.order.clear();
    model.resetReceiverRefCoordinates();
    QCOMPARE(recorder.order, QStringList{"refForTrack"});
}

void TestModel::shrinkWindow()
{
    Model model;
    for (double v : {1.0, 2.0, 4.0, 8.0})
        model.setReceiverCoordinates(point(v));
    QVERIFY(sameComponents(model.receiverRefCoordinates(), 15.0 / 4));
    ModelRecorder recorder(&model);

    model.setMaxNumberPoints(2); // drops 1 and 2
    QCOMPARE(model.pointCount(), 2);
    QVERIFY(sameComponents(model.receiverRefCoordinates(), 6));
    QCOMPARE(recorder.total(), 0); // nothing emitted until the next position

    model.setReceiverCoordinates(point(10)); // window full: 8 and 10
    QVERIFY(sameComponents(model.receiverRefCoordinates(), 9));
}

void TestModel::shrinkToZeroKeepsOnePosition()
{
    Model model;
    for (double v : {3.0, 6.0, 9.0})
        model.setReceiverCoordinates(point(v));

    model.setMaxNumberPoints(0);
    QCOMPARE(model.pointCount(), 1);
    const GeoCoordinate mean = model.receiverRefCoordinates();
    QVERIFY(std::isfinite(mean.latitude()) && std::isfinite(mean.height()));
    QVERIFY(sameComponents(mean, 9));

    model.setReceiverCoordinates(point(1));
    QVERIFY(sameComponents(model.receiverRefCoordinates(), 1));
    QCOMPARE(model.pointCount(), 1);

    // Reset with a size of 0: the first position is the mean, then the latest one.
    model.resetReceiverRefCoordinates();
    model.setReceiverCoordinates(point(7));
    QVERIFY(sameComponents(model.receiverRefCoordinates(), 7));
    model.setReceiverCoordinates(point(-2));
    QVERIFY(sameComponents(model.receiverRefCoordinates(), -2));
}

void TestModel::modesEmitEvenWhenUnchanged()
{
    Model model;
    ModelRecorder recorder(&model);
    model.setInterfaceMode(InterfaceNmea);
    model.setInterfaceMode(InterfaceNmea);
    model.setInterfaceMode(InterfaceBinary);
    QCOMPARE(recorder.interfaceModes, (QList<int>{2, 2, 1}));

    // Driven by text connection, as the main window wires it to the parser proxy.
    Model other;
    QVERIFY(connect(&model, SIGNAL(interfaceModeChanged(InterfaceMode)),
                    &other, SLOT(setInterfaceMode(InterfaceMode))));
    model.setInterfaceMode(InterfaceUnknown);
    QCOMPARE(int(other.interfaceMode()), 3);
}

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
