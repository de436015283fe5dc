#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include <limits>
#include <memory>

#include "aircraftfrontviewgritem.h"
#include "aircraftsideviewgritem.h"
#include "arrowgritem.h"
#include "axeswidget.h"
#include "binaryframe.h"
#include "binarypayloads.h"
#include "connectguard.h"
#include "controller.h"
#include "cornertextgritem.h"
#include "framebuilders.h"
#include "framepacer.h"
#include "pacedturn.h"
#include "parserproxy.h"
#include "receiversession.h"
#include "sceneprobe.h"
#include "sentencehandler.h"

namespace {

QByteArray yprFrame(double roll, double pitch, double yaw, quint8 posStatus = 4)
{
    return binaryFrame(BinaryFrame::KindMessage, NavMsg_YPR_DEG,
                       yprDegPayload(7, posStatus, 1, 0, 0, roll, pitch, yaw, 45296.0));
}

QByteArray hvectFrame(const double slave[3], const double master[3], quint8 posStatus = 4)
{
    return binaryFrame(BinaryFrame::KindMessage, NavMsg_HVECT,
                       hvectPayload(8, posStatus, 1, 0, 12, slave, master, 45296.0));
}

// What a view last put on the screen: the corner text at each paint of its viewport.
class ShownText : public QObject
{
public:
    ShownText(QGraphicsView *view, CornerTextGrItem *item) : view(view), item(item)
    {
        view->viewport()->installEventFilter(this);
    }
    QString text;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            text = paintedText(item, view);
        return false;
    }

private:
    QGraphicsView *view;
    CornerTextGrItem *item;
};

} // namespace

class TestAxesWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formAsDesigned();
    void aTurnChangesItsHundredth_data();
    void aTurnChangesItsHundredth();
    void aTurnTakesTheShortWay_data();
    void aTurnTakesTheShortWay();
    void aTurnTakesFourFifthsOfTheInterval_data();
    void aTurnTakesFourFifthsOfTheInterval();
    void courseTurnsTheShortWay_data();
    void courseTurnsTheShortWay();
    void pitchTurnsTheSideViewTheOtherWay();
    void aRollWithinItsHundredthIsShownWithoutATurn();
    void invalidAnglesFadeThePictures();
    void aDamagedAngleIsNoAngle();
    void antennasAndTheirDistance();
    void anInvalidMasterEmptiesTheLength();
    void statusCodes_data();
    void statusCodes();
    void clearingKeepsThePictures();
    void aSecondControllerTakesOverTheConnections();
    void turnsAfterAPause();
    void aTurnMovesOncePerFrame();

private:
    QGraphicsView *view(const char *name) const { return window->findChild<QGraphicsView *>(name); }
    QLineEdit *edit(const char *name) const { return window->findChild<QLineEdit *>(name); }
    template <typename T>
    T *item(const char *viewName) const { return sceneItem<T>(view(viewName)); }
    QString cornerText(const char *viewName) const
    {
        return paintedText(item<CornerTextGrItem>(viewName), view(viewName));
    }
    // Waits until every picture has come to rest.
    bool turnsEnded() const
    {
        return QTest::qWaitFor([this]() {
            return runningTurns(item<ArrowGrItem>("graphicsCourse")) == 0
                && runningTurns(item<AircraftFrontViewGrItem>("graphicsRoll")) == 0
                && runningTurns(item<AircraftSideViewGrItem>("graphicsPitch")) == 0;
        });
    }

    std::unique_ptr<ReceiverSession> session;
    std::unique_ptr<AxesWidget> window;
};

void TestAxesWidget::initTestCase()
{
    installConnectGuard();
}

void TestAxesWidget::init()
{
    session = std::make_unique<ReceiverSession>();
    QVERIFY(session->open(InterfaceBinary));
    window = std::make_unique<AxesWidget>(nullptr);
    window->setModel(session->model);
    window->setController(session->controller);
}

void TestAxesWidget::cleanup()
{
    window.reset();
    session.reset();
}

void TestAxesWidget::formAsDesigned()
{
    // The form's size, or larger where its contents need more (a larger font).
    QCOMPARE(window->size(), QSize(546, 454).expandedTo(window->minimumSizeHint()));
    QCOMPARE(window->minimumSize(), QSize(300, 150).expandedTo(window->minimumSizeHint()));
    QCOMPARE(window->windowTitle(), QStringLiteral("Axes / Base line"));
    for (const char *name : {"graphicsCourse", "graphicsRoll", "graphicsPitch"}) {
        QGraphicsView *v = view(name);
        QVERIFY2(v, name);
        QVERIFY(!v->isEnabled());
        QVERIFY(!v->isInteractive());
        QCOMPARE(v->sceneRect(), QRectF(-500000, -500000, 1000000, 1000000));
        QCOMPARE(v->viewportUpdateMode(), QGraphicsView::FullViewportUpdate);
        QCOMPARE(v->scene()->items().size(), 3);
    }
    // Only the master's height and the length can be typed into.
    for (const char *name : {"editSAx", "editSAy", "editSAz", "editMAx", "editMAy", "editStsPOS"})
        QVERIFY2(edit(name)->isReadOnly(), name);
    QVERIFY(!edit("editMAz")->isReadOnly());
    QVERIFY(!edit("editLenghtBL")->isReadOnly());
    // Until the first value: empty values, full opacity.
    QCOMPARE(cornerText("graphicsCourse"), QStringLiteral(" Course: "));
    QCOMPARE(cornerText("graphicsRoll"), QStringLiteral(" Roll: "));
    QCOMPARE(cornerText("graphicsPitch"), QStringLiteral(" Pitch: "));
    QCOMPARE(item<ArrowGrItem>("graphicsCourse")->opacity(), 1.0);
}

void TestAxesWidget::aTurnChangesItsHundredth_data()
{
    QTest::addColumn<double>("oldAngle");
    QTest::addColumn<double>("newAngle");
    QTest::addColumn<bool>("turns");

    QTest::newRow("same hundredth") << 10.001 << 10.009 << false;
    QTest::newRow("next hundredth") << 10.009 << 10.011 << true;
    QTest::newRow("equal") << 45.0 << 45.0 << false;
    QTest::newRow("negative, same hundredth") << -0.001 << -0.009 << false;
    QTest::newRow("across zero") << -0.001 << 0.001 << true;
    QTest::newRow("beyond the int range") << 3e7 << 3e7 + 1 << true;
}

void TestAxesWidget::aTurnChangesItsHundredth()
{
    QFETCH(double, oldAngle);
    QFETCH(double, newAngle);
    QFETCH(bool, turns);
    QCOMPARE(AxesWidget::needsAnimation(oldAngle, newAngle), turns);
}

void TestAxesWidget::aTurnTakesTheShortWay_data()
{
    QTest::addColumn<double>("oldAngle");
    QTest::addColumn<double>("newAngle");
    QTest::addColumn<double>("target");

    QTest::newRow("350 to 10") << 350.0 << 10.0 << 370.0;
    QTest::newRow("10 to 350") << 10.0 << 350.0 << -10.0;
    QTest::newRow("10 to 20") << 10.0 << 20.0 << 20.0;
    QTest::newRow("0 to 180") << 0.0 << 180.0 << -180.0;
    QTest::newRow("180 to 0") << 180.0 << 0.0 << 360.0;
    QTest::newRow("0 to 179.9") << 0.0 << 179.9 << 179.9;
    QTest::newRow("roll -170 to 170") << -170.0 << 170.0 << -190.0;
}

void TestAxesWidget::aTurnTakesTheShortWay()
{
    QFETCH(double, oldAngle);
    QFETCH(double, newAngle);
    QFETCH(double, target);
    QCOMPARE(AxesWidget::shortWayTarget(oldAngle, newAngle), target);
}

void TestAxesWidget::aTurnTakesFourFifthsOfTheInterval_data()
{
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<int>("duration");

    QTest::newRow("100 ms") << qint64(100) << 80;
    QTest::newRow("five a second") << qint64(200) << 160;
    QTest::newRow("remainder dropped") << qint64(999) << 796;
    QTest::newRow("once a second") << qint64(1000) << 800;
    QTest::newRow("two minutes") << qint64(120000) << 800;
    QTest::newRow("no time") << qint64(0) << 0;
    QTest::newRow("clock set back") << qint64(-5000) << 0;
    QTest::newRow("largest difference") << std::numeric_limits<qint64>::max() << 800;
}

void TestAxesWidget::aTurnTakesFourFifthsOfTheInterval()
{
    QFETCH(qint64, elapsedMs);
    QFETCH(int, duration);
    QCOMPARE(AxesWidget::animationDuration(0, elapsedMs), duration);
    if (elapsedMs > 0)
        QCOMPARE(AxesWidget::animationDuration(-elapsedMs, 0), duration);
}

void TestAxesWidget::courseTurnsTheShortWay_data()
{
    QTest::addColumn<QVector<double>>("courses");
    QTest::addColumn<QVector<double>>("rotations");

    QTest::newRow("350, 10, 20") << QVector<double>{350, 10, 20} << QVector<double>{-10, 370, 20};
    QTest::newRow("0 to 180") << QVector<double>{180} << QVector<double>{-180};
    QTest::newRow("180 to 0") << QVector<double>{180, 0} << QVector<double>{-180, 360};
    QTest::newRow("small steps") << QVector<double>{0.5, 1.25, 2} << QVector<double>{0.5, 1.25, 2};
}

void TestAxesWidget::courseTurnsTheShortWay()
{
    QFETCH(QVector<double>, courses);
    QFETCH(QVector<double>, rotations);

    ArrowGrItem *arrow = item<ArrowGrItem>("graphicsCourse");
    for (int i = 0; i < courses.size(); ++i) {
        session->send(yprFrame(0, 0, courses.at(i)));
        const QString expected = QStringLiteral(" Course: ") + QString::number(courses.at(i), 'f', 3);
        QTRY_COMPARE(cornerText("graphicsCourse"), expected);
        QVERIFY(turnsEnded());
        QCOMPARE(arrow->rotation(), rotations.at(i));
    }
    QCOMPARE(arrow->opacity(), 1.0);
}

void TestAxesWidget::pitchTurnsTheSideViewTheOtherWay()
{
    session->send(yprFrame(0, 5, 0));
    QTRY_COMPARE(cornerText("graphicsPitch"), QStringLiteral(" Pitch: 5.000"));
    QVERIFY(turnsEnded());
    QCOMPARE(item<AircraftSideViewGrItem>("graphicsPitch")->rotation(), -5.0);
    QCOMPARE(item<AircraftFrontViewGrItem>("graphicsRoll")->rotation(), 0.0);
}

void TestAxesWidget::aRollWithinItsHundredthIsShownWithoutATurn()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    AircraftFrontViewGrItem *front = item<AircraftFrontViewGrItem>("graphicsRoll");

    session->send(yprFrame(10.001, 0, 0));
    QTRY_COMPARE(cornerText("graphicsRoll"), QStringLiteral(" Roll: 10.001"));
    QVERIFY(turnsEnded());
    QCOMPARE(front->rotation(), 10.001);

    // The screen has caught up with the turn.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    ShownText screen(view("graphicsRoll"), item<CornerTextGrItem>("graphicsRoll"));

    session->send(yprFrame(10.009, 0, 0));
    // Nothing moves, yet the new value reaches the screen.
    QTRY_COMPARE(screen.text, QStringLiteral(" Roll: 10.009"));
    QCOMPARE(runningTurns(front), 0);
    QCOMPARE(front->rotation(), 10.001);

    session->send(yprFrame(10.011, 0, 0));
    QTRY_COMPARE(cornerText("graphicsRoll"), QStringLiteral(" Roll: 10.011"));
    QVERIFY(turnsEnded());
    QCOMPARE(front->rotation(), 10.011);
}

void TestAxesWidget::invalidAnglesFadeThePictures()
{
    session->send(yprFrame(12.5, -3.25, 90));
    QTRY_COMPARE(cornerText("graphicsCourse"), QStringLiteral(" Course: 90.000"));
    QVERIFY(turnsEnded());

    // A single-point solution carries no attitude.
    session->send(yprFrame(1, 1, 1, 1));
    QTRY_COMPARE(item<AircraftFrontViewGrItem>("graphicsRoll")->opacity(), 0.5);
    QCOMPARE(item<CornerTextGrItem>("graphicsRoll")->opacity(), 0.5);
    QCOMPARE(cornerText("graphicsRoll"), QStringLiteral(" Roll: 12.500"));
    QCOMPARE(item<AircraftFrontViewGrItem>("graphicsRoll")->rotation(), 12.5);
    QCOMPARE(item<AircraftSideViewGrItem>("graphicsPitch")->opacity(), 0.5);
    QCOMPARE(cornerText("graphicsPitch"), QStringLiteral(" Pitch: -3.250"));
    QCOMPARE(item<ArrowGrItem>("graphicsCourse")->opacity(), 0.5);
    QCOMPARE(item<ArrowGrItem>("graphicsCourse")->rotation(), 90.0);

    session->send(yprFrame(13, -3.25, 90));
    QTRY_COMPARE(item<AircraftFrontViewGrItem>("graphicsRoll")->opacity(), 1.0);
    QCOMPARE(item<CornerTextGrItem>("graphicsRoll")->opacity(), 1.0);
    QCOMPARE(cornerText("graphicsRoll"), QStringLiteral(" Roll: 13.000"));
}

void TestAxesWidget::aDamagedAngleIsNoAngle()
{
    session->send(yprFrame(4, 5, 6));
    QTRY_COMPARE(cornerText("graphicsCourse"), QStringLiteral(" Course: 6.000"));
    QVERIFY(turnsEnded());

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    session->send(yprFrame(nan, inf, -inf));
    QTRY_COMPARE(item<ArrowGrItem>("graphicsCourse")->opacity(), 0.5);
    QCOMPARE(item<ArrowGrItem>("graphicsCourse")->rotation(), 6.0);
    QCOMPARE(item<AircraftFrontViewGrItem>("graphicsRoll")->rotation(), 4.0);
    QCOMPARE(cornerText("graphicsRoll"), QStringLiteral(" Roll: 4.000"));
    QCOMPARE(runningTurns(item<AircraftSideViewGrItem>("graphicsPitch")), 0);
}

void TestAxesWidget::antennasAndTheirDistance()
{
    const double slave[3] = {0, 0, 0};
    const double master[3] = {3, 4, 12};
    session->send(hvectFrame(slave, master));
    QTRY_COMPARE(edit("editLenghtBL")->text(), QStringLiteral("13.0000"));
    QCOMPARE(edit("editLenghtBL")->styleSheet(), QStringLiteral("color: black"));
    QCOMPARE(edit("editSAx")->text(), QStringLiteral("0.000"));
    QCOMPARE(edit("editMAx")->text(), QStringLiteral("3.000"));
    QCOMPARE(edit("editMAy")->text(), QStringLiteral("4.000"));
    QCOMPARE(edit("editMAz")->text(), QStringLiteral("12.000"));
    QCOMPARE(edit("editMAz")->styleSheet(), QStringLiteral("color: black"));
    QCOMPARE(edit("editStsPOS")->text(), QStringLiteral("FIX"));

    // Positions the receiver has no carrier solution for: grey, last values kept.
    session->send(hvectFrame(slave, master, 1));
    QTRY_COMPARE(edit("editSAx")->styleSheet(), QStringLiteral("color: gray"));
    QCOMPARE(edit("editSAx")->text(), QStringLiteral("0.000"));
    QCOMPARE(edit("editMAz")->text(), QStringLiteral("12.000"));
    QCOMPARE(edit("editStsPOS")->text(), QStringLiteral("SINGLE"));
    QCOMPARE(edit("editLenghtBL")->text(), QString());
    QCOMPARE(edit("editLenghtBL")->styleSheet(), QStringLiteral("color: gray"));
}

void TestAxesWidget::anInvalidMasterEmptiesTheLength()
{
    SentenceHandler *handler = session->controller->sentenceHandler();
    emit handler->setCoordSA(Coordinates(0, 0, 0));
    emit handler->setCoordMA(Coordinates(3, 4, 12));
    QCOMPARE(edit("editLenghtBL")->text(), QStringLiteral("13.0000"));

    emit handler->setCoordMA(Coordinates());
    QCOMPARE(edit("editLenghtBL")->text(), QString());
    QCOMPARE(edit("editLenghtBL")->styleSheet(), QStringLiteral("color: gray"));
    QCOMPARE(edit("editMAx")->text(), QStringLiteral("3.000"));
    QCOMPARE(edit("editMAx")->styleSheet(), QStringLiteral("color: gray"));
    QCOMPARE(edit("editSAx")->styleSheet(), QStringLiteral("color: black"));
}

void TestAxesWidget::statusCodes_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");

    QTest::newRow("3") << 3 << QStringLiteral("3");
    QTest::newRow("fix") << 4 << QStringLiteral("FIX");
    QTest::newRow("float") << 5 << QStringLiteral("FLOAT");
    QTest::newRow("unknown 200") << 200 << QStringLiteral("200");
}

void TestAxesWidget::statusCodes()
{
    QFETCH(int, status);
    QFETCH(QString, text);

    session->send(yprFrame(1, 2, 3, quint8(status)));
    QTRY_COMPARE(edit("editStsPOS")->text(), text);
    QCOMPARE(edit("editStsPOS")->styleSheet(), QStringLiteral("color: black"));

    session->controller->parser()->showLastData({NavMsg_YPR_DEG});
    QCOMPARE(edit("editStsPOS")->text(), text);
    QCOMPARE(edit("editStsPOS")->styleSheet(), QStringLiteral("color: gray"));
}

void TestAxesWidget::clearingKeepsThePictures()
{
    const double slave[3] = {2846014.25, 2200523.5, 5249170.75};
    const double master[3] = {2846015.0, 2200522.25, 5249171.5};
    session->send(hvectFrame(slave, master));
    session->send(yprFrame(2, 3, 40));
    QTRY_COMPARE(cornerText("graphicsCourse"), QStringLiteral(" Course: 40.000"));
    QVERIFY(turnsEnded());
    session->send(yprFrame(2, 3, 40, 1));
    QTRY_COMPARE(item<ArrowGrItem>("graphicsCourse")->opacity(), 0.5);
    edit("editMAz")->setText(QStringLiteral("typed"));

    QMetaObject::invokeMethod(window.get(), "clearWindow");

    QCOMPARE(cornerText("graphicsCourse"), QStringLiteral(" Course: "));
    QCOMPARE(cornerText("graphicsRoll"), QStringLiteral(" Roll: "));
    QCOMPARE(cornerText("graphicsPitch"), QStringLiteral(" Pitch: "));
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    QCOMPARE(item<ArrowGrItem>("graphicsCourse")->rotation(), 40.0);
    QCOMPARE(item<ArrowGrItem>("graphicsCourse")->opacity(), 0.5);
    QCOMPARE(item<AircraftSideViewGrItem>("graphicsPitch")->rotation(), -3.0);

    // The stored angle stays: the next course turns from 40, not from 0.
    session->send(yprFrame(2, 3, 41));
    QTRY_COMPARE(cornerText("graphicsCourse"), QStringLiteral(" Course: 41.000"));
    QVERIFY(turnsEnded());
    QCOMPARE(item<ArrowGrItem>("graphicsCourse")->rotation(), 41.0);
}

void TestAxesWidget::aSecondControllerTakesOverTheConnections()
{
    Controller second;
    window->setController(&second);

    emit session->controller->sentenceHandler()->setYaw(NavDataValue<double>(30));
    emit session->controller->sentenceHandler()->setCoordSA(Coordinates(1, 2, 3));
    QCOMPARE(cornerText("graphicsCourse"), QStringLiteral(" Course: "));
    QCOMPARE(edit("editSAx")->text(), QString());

    emit second.sentenceHandler()->setYaw(NavDataValue<double>(30));
    emit second.sentenceHandler()->setRoll(NavDataValue<double>(1));
    emit second.sentenceHandler()->setPitch(NavDataValue<double>(2));
    emit second.sentenceHandler()->setCoordSA(Coordinates(1, 2, 3));
    emit second.sentenceHandler()->setCoordMA(Coordinates(1, 2, 4));
    emit second.sentenceHandler()->posStsChangedInAxes(NavDataValue<int>(5));
    QCOMPARE(cornerText("graphicsCourse"), QStringLiteral(" Course: 30.000"));
    QCOMPARE(cornerText("graphicsRoll"), QStringLiteral(" Roll: 1.000"));
    QCOMPARE(cornerText("graphicsPitch"), QStringLiteral(" Pitch: 2.000"));
    QCOMPARE(edit("editLenghtBL")->text(), QStringLiteral("1.0000"));
    QCOMPARE(edit("editStsPOS")->text(), QStringLiteral("FLOAT"));

    window->setController(nullptr);
    emit second.sentenceHandler()->setYaw(NavDataValue<double>(70));
    QCOMPARE(cornerText("graphicsCourse"), QStringLiteral(" Course: 30.000"));
}

void TestAxesWidget::turnsAfterAPause()
{
    // Two windows made together; the first values reach them more than a second later.
    QElapsedTimer age;
    age.start();
    auto *leaving = new AxesWidget(nullptr);
    leaving->setController(session->controller);
    leaving->show();
    QVERIFY(QTest::qWaitForWindowExposed(leaving));
    AxesWidget staying(nullptr);
    auto *arrow = sceneItem<ArrowGrItem>(staying.findChild<QGraphicsView *>("graphicsCourse"));
    QTRY_VERIFY_WITH_TIMEOUT(age.elapsed() > 1050, 3000);

    // After a pause the turn takes 800 ms, from the last angle, evenly.
    SentenceHandler *handler = session->controller->sentenceHandler();
    emit handler->setYaw(NavDataValue<double>(120));
    emit handler->setRoll(NavDataValue<double>(-20));
    auto *leavingArrow = sceneItem<ArrowGrItem>(leaving->findChild<QGraphicsView *>("graphicsCourse"));
    QPointer<QPropertyAnimation> turn = leavingArrow->findChild<QPropertyAnimation *>();
    QVERIFY(turn);
    QCOMPARE(turn->duration(), 800);
    QCOMPARE(turn->startValue().toDouble(), 0.0);
    QCOMPARE(turn->endValue().toDouble(), 120.0);
    QCOMPARE(turn->easingCurve().type(), QEasingCurve::Linear);

    // Destroyed while it turns: the animation goes with the window.
    QTRY_VERIFY(leavingArrow->rotation() > 1.0);
    QVERIFY(turn && turn->state() == QAbstractAnimation::Running);
    delete leaving;
    QVERIFY(!turn);
    QCoreApplication::processEvents();
    emit handler->setYaw(NavDataValue<double>(130));
    QCoreApplication::processEvents();

    // An 800 ms turn to 50 and a value of 60 right after it: the picture ends at 60,
    // the older turn does not take it back to 50.
    staying.setController(session->controller);
    emit handler->setYaw(NavDataValue<double>(50));
    QCOMPARE(runningTurns(arrow), 1);
    emit handler->setYaw(NavDataValue<double>(60));
    QTRY_COMPARE(runningTurns(arrow), 0);
    QCOMPARE(arrow->rotation(), 60.0);
}

// A turn repaints the dial with every move; it moves no faster than the workspace's
// frame, and ends exactly at its angle.
void TestAxesWidget::aTurnMovesOncePerFrame()
{
    ArrowGrItem arrow;
    int moves = 0;
    connect(&arrow, &QGraphicsObject::rotationChanged, this, [&moves] { ++moves; });
    QPointer<PacedTurn> turn = new PacedTurn(&arrow);
    const int duration = 10 * FramePacer::frameMs;
    turn->setDuration(duration);
    turn->setStartValue(0.0);
    turn->setEndValue(33.3);
    turn->start(QAbstractAnimation::DeleteWhenStopped);
    QTRY_VERIFY_WITH_TIMEOUT(turn.isNull(), 10 * duration);
    QCOMPARE(arrow.rotation(), 33.3);
    QVERIFY2(moves >= 2 && moves <= 11, qPrintable(QString::number(moves)));
}

QTEST_MAIN(TestAxesWidget)
#include "tst_axeswidget.moc"
