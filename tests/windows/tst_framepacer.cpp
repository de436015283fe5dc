// A monitor window in a frame with a pacer, as the workspace holds it: while the frame is
// hidden (closed, or never opened) the records that arrive write nothing into the window
// and leave at most one write held per kind of value; as the frame shows, the window shows
// the newest values before anything paints. Shown, a burst of records is written once,
// with its newest values.

#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>

#include "arrowgritem.h"
#include "axeswidget.h"
#include "baseinfowidget.h"
#include "connectguard.h"
#include "controller.h"
#include "framepacer.h"
#include "geocoordinate.h"
#include "model.h"
#include "nmealogwidget.h"
#include "parserproxy.h"
#include "plotwidget.h"
#include "receiversession.h"
#include "sceneprobe.h"
#include "sentencehandler.h"
#include "trackwidget.h"

namespace {

struct Case
{
    std::function<QWidget *()> create;
    // Delivers record i as the receiver's link would.
    std::function<void(Controller *, int)> feed;
    // What the window shows of it.
    std::function<QString(QWidget *)> shown;
};

template <typename T>
T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

GeoCoordinate position(int i)
{
    return GeoCoordinate(55.75 + 1e-5 * i, 37.62, 150.0 + i);
}

QVector<SatelliteInfo> satellites(int i)
{
    QVector<SatelliteInfo> list;
    for (int n = 1; n <= 1 + i % 9; ++n)
        list.append(SatelliteInfo(short(n), short(10 + n), 20 * n, short(30 + i % 20), -1));
    return list;
}

const Case cases[] = {
    {[] { return new BaseInfoWidget; },
     [](Controller *c, int i) { emit c->sentenceHandler()->setHDOP(NavDataValue<double>(0.5 + 0.1 * i)); },
     [](QWidget *w) { return child<QLineEdit>(w, "editHDOP")->text() + child<QLineEdit>(w, "editHDOP")->styleSheet(); }},
    {[] { return new BaseInfoWidget; },
     [](Controller *c, int i) { emit c->sentenceHandler()->setSatellites(NavSysGPS, satellites(i)); },
     [](QWidget *w) {
         const QAbstractItemModel *model = child<QTableView>(w, "tableGPS")->model();
         return QString::number(model->rowCount()) + QLatin1Char(' ') + model->index(0, 2).data().toString();
     }},
    {[] { return new TrackWidget; },
     [](Controller *c, int i) { emit c->sentenceHandler()->setCoordinate(120000.0 + i, position(i), 4); },
     [](QWidget *w) { return child<QLineEdit>(w, "editRcvAlt")->text(); }},
    // The mean reference moves with every position.
    {[] { return new TrackWidget; },
     [](Controller *c, int i) { emit c->sentenceHandler()->setCoordinate(120000.0 + i, position(i), 4); },
     [](QWidget *w) { return child<QLineEdit>(w, "editRefAlt")->text(); }},
    {[] { return new PlotWidget; },
     [](Controller *c, int i) { emit c->sentenceHandler()->setCoordinate(120000.0 + i, position(i), short(i % 2 ? 1 : 4)); },
     [](QWidget *w) { return child<QLabel>(w, "labelQuality")->text(); }},
    {[] { return new AxesWidget; },
     [](Controller *c, int i) { emit c->sentenceHandler()->setYaw(NavDataValue<double>(3.0 * i)); },
     [](QWidget *w) {
         auto *arrow = sceneItem<ArrowGrItem>(child<QGraphicsView>(w, "graphicsCourse"));
         return QString::number(arrow->rotation());
     }},
    {[] { return new NMEALogWidget; },
     [](Controller *c, int i) {
         emit c->parser()->dataParsed("$GPTXT,01,01,02,line " + QByteArray::number(i) + "*00\r\n", InterfaceNmea);
     },
     [](QWidget *w) {
         return child<QPlainTextEdit>(w, "editMessages")->toPlainText().trimmed().section(QLatin1Char('\n'), -1).trimmed();
     }},
};

} // namespace

class TestFramePacer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void aClosedWindowWaitsAndShowsTheNewest_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("newest");
        QTest::newRow("general information, a field") << 0 << QStringLiteral("5.4color: black");
        QTest::newRow("general information, a table") << 1 << QStringLiteral("5 39/-");
        QTest::newRow("track") << 2 << QStringLiteral("199.0000 m.");
        QTest::newRow("track, mean reference") << 3 << QStringLiteral("174.5000 m.");
        QTest::newRow("plot") << 4 << QStringLiteral("Single");
        QTest::newRow("course") << 5 << QStringLiteral("147");
        QTest::newRow("message log") << 6 << QStringLiteral("$GPTXT,01,01,02,line 49*00");
    }

    void aClosedWindowWaitsAndShowsTheNewest()
    {
        QFETCH(int, index);
        QFETCH(QString, newest);
        const Case &c = cases[index];
        ReceiverSession session;
        // The Model takes each position first, as the main window wires it.
        QObject::connect(session.controller->sentenceHandler(),
                         QOverload<double, GeoCoordinate, short>::of(&SentenceHandler::setCoordinate),
                         session.model, [&session](double, GeoCoordinate p, short) {
                             session.model->setReceiverCoordinates(p);
                         });
        QWidget frame;
        auto *layout = new QVBoxLayout(&frame);
        QWidget *window = c.create();
        layout->addWidget(window);
        dynamic_cast<IModel *>(window)->setModel(session.model);
        dynamic_cast<IController *>(window)->setController(session.controller);
        FramePacer::install(&frame);
        FramePacer *pacer = FramePacer::of(window);
        QVERIFY(pacer);

        // Never shown: fifty records write nothing, and hold no more than a few writes.
        const QString before = c.shown(window);
        for (int i = 0; i < 50; ++i)
            c.feed(session.controller, i);
        QCoreApplication::processEvents();
        QCOMPARE(c.shown(window), before);
        QVERIFY2(pacer->heldCount() <= 3, qPrintable(QString::number(pacer->heldCount())));

        // Opened: the newest at once, before any event is handled.
        frame.show();
        QString shown = c.shown(window);
        QCOMPARE(shown, newest);
        QCOMPARE(pacer->heldCount(), 0);

        // Closed again: nothing changes; opened, the newest.
        frame.hide();
        for (int i = 50; i <= 58; ++i)
            c.feed(session.controller, i);
        QCOMPARE(c.shown(window), shown);
        frame.show();
        QVERIFY(c.shown(window) != shown);
        shown = c.shown(window);

        // Shown: a burst is written once, after the pass of the event loop that brought it.
        for (int i = 0; i < 50; ++i)
            c.feed(session.controller, i);
        QCOMPARE(c.shown(window), shown);
        QTRY_COMPARE(pacer->heldCount(), 0);
        QTRY_VERIFY(c.shown(window) != shown);
    }
};

QTEST_MAIN(TestFramePacer)
#include "tst_framepacer.moc"
