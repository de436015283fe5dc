// The coordinates window as the user sees it: binary records sent by the scripted
// receiver become the texts of the fields, black when valid and grey with the last text
// when not; formats, status texts, switching a record off, and clearing.

#include <QLineEdit>
#include <QtTest>

#include <memory>

#include "binarypayloads.h"
#include "connectguard.h"
#include "controller.h"
#include "coordinateswidget.h"
#include "framebuilders.h"
#include "parserproxy.h"
#include "receiversession.h"
#include "sentencehandler.h"

namespace {

const QString black = QStringLiteral("color: black");
const QString gray = QStringLiteral("color: gray");

const char *const allFields[] = {
    "editReceiverStsPOS", "editReceiverCoord_ECEF_x", "editReceiverCoord_ECEF_y",
    "editReceiverCoord_ECEF_z", "editBsStsPOS", "editCoordBS_ECEF_x", "editCoordBS_ECEF_y",
    "editCoordBS_ECEF_z", "editReceiverSpeed_ECEF_vx", "editReceiverSpeed_ECEF_vy",
    "editReceiverSpeed_ECEF_vz", "editStsVEL", "editReceiverSpeed_ENU_ve",
    "editReceiverSpeed_ENU_vn", "editReceiverSpeed_ENU_vu", "editReceiverSpeed_ENU_ven",
    "editReceiverSpeed_ENU_cog", "editReceiverSpeed_ENU_clmb", "editTotalSA", "editARF", "editAgeBS",
};

} // namespace

class TestCoordinatesWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formHasItsFields();
    void receiverPositionFromARecord();
    void baseStationWithoutPosition();
    void positionStatus_data();
    void positionStatus();
    void velocityStatus_data();
    void velocityStatus();
    void velocityFormats();
    void eachEnuValueHasItsOwnFlag();
    void switchingTheAttributesOffGreysThem();
    void clearingEmptiesEveryFieldAndKeepsColours();
    void nullControllerConnectsNothing();

private:
    QLineEdit *edit(const char *name) { return window->findChild<QLineEdit *>(QLatin1String(name)); }
    SentenceHandler *handler() { return session->controller->sentenceHandler(); }

    std::unique_ptr<ReceiverSession> session;
    std::unique_ptr<CoordinatesWidget> window;
};

void TestCoordinatesWidget::initTestCase()
{
    installConnectGuard();
}

void TestCoordinatesWidget::init()
{
    session = std::make_unique<ReceiverSession>();
    window = std::make_unique<CoordinatesWidget>(nullptr);
    window->setModel(session->model);
    window->setController(session->controller);
}

void TestCoordinatesWidget::cleanup()
{
    window.reset();
    session.reset();
}

void TestCoordinatesWidget::formHasItsFields()
{
    // The form's size, or larger where its contents need more (a larger font).
    QCOMPARE(window->size(), QSize(396, 561).expandedTo(window->minimumSizeHint()));
    QCOMPARE(window->findChildren<QLineEdit *>().size(), 21);
    for (const char *name : allFields) {
        QVERIFY2(edit(name), name);
        QVERIFY(edit(name)->isReadOnly());
        QVERIFY(edit(name)->text().isEmpty());
        QVERIFY(edit(name)->styleSheet().isEmpty());
    }
}

void TestCoordinatesWidget::receiverPositionFromARecord()
{
    QVERIFY(session->open(InterfaceBinary));
    session->send(binaryFrame(1, 17, ecefPayload(1, 2845123.45678, 2201234.5, 5248000.0, 4)));

    QTRY_COMPARE(edit("editReceiverCoord_ECEF_x")->text(), QStringLiteral("2845123.4568"));
    QCOMPARE(edit("editReceiverCoord_ECEF_y")->text(), QStringLiteral("2201234.5000"));
    QCOMPARE(edit("editReceiverCoord_ECEF_z")->text(), QStringLiteral("5248000.0000"));
    QCOMPARE(edit("editReceiverStsPOS")->text(), QStringLiteral("FIX"));
    for (const char *name : {"editReceiverCoord_ECEF_x", "editReceiverCoord_ECEF_y",
                             "editReceiverCoord_ECEF_z", "editReceiverStsPOS"})
        QCOMPARE(edit(name)->styleSheet(), black);

    // Status 0: nothing of the record is valid; the last texts stay, greyed.
    session->send(binaryFrame(1, 17, ecefPayload(2, 1, 2, 3, 0)));
    QTRY_COMPARE(edit("editReceiverCoord_ECEF_x")->styleSheet(), gray);
    QCOMPARE(edit("editReceiverCoord_ECEF_x")->text(), QStringLiteral("2845123.4568"));
    QCOMPARE(edit("editReceiverStsPOS")->text(), QStringLiteral("NV"));
}

void TestCoordinatesWidget::baseStationWithoutPosition()
{
    emit handler()->setCoordBS(Coordinates(), NavDataValue<int>(5));
    QCOMPARE(edit("editBsStsPOS")->text(), QStringLiteral("FLOAT"));
    QCOMPARE(edit("editBsStsPOS")->styleSheet(), black);
    for (const char *name : {"editCoordBS_ECEF_x", "editCoordBS_ECEF_y", "editCoordBS_ECEF_z"}) {
        QCOMPARE(edit(name)->text(), QString());
        QCOMPARE(edit(name)->styleSheet(), gray);
    }

    // The same from the receiver: a base station with a single solution sends no position.
    QVERIFY(session->open(InterfaceBinary));
    session->send(binaryFrame(1, 22, ecefPayload(1, 100.5, 200.25, 300.125, 4)));
    QTRY_COMPARE(edit("editCoordBS_ECEF_x")->text(), QStringLiteral("100.5000"));
    QCOMPARE(edit("editCoordBS_ECEF_z")->styleSheet(), black);
    session->send(binaryFrame(1, 22, ecefPayload(2, 1, 2, 3, 1)));
    QTRY_COMPARE(edit("editBsStsPOS")->text(), QStringLiteral("SINGLE"));
    QCOMPARE(edit("editBsStsPOS")->styleSheet(), black);
    QCOMPARE(edit("editCoordBS_ECEF_x")->text(), QStringLiteral("100.5000"));
    QCOMPARE(edit("editCoordBS_ECEF_x")->styleSheet(), gray);
}

void TestCoordinatesWidget::positionStatus_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << QStringLiteral("NV");
    QTest::newRow("1") << 1 << QStringLiteral("SINGLE");
    QTest::newRow("2") << 2 << QStringLiteral("CDDIFF");
    QTest::newRow("3 has no text") << 3 << QStringLiteral("3");
    QTest::newRow("4") << 4 << QStringLiteral("FIX");
    QTest::newRow("5") << 5 << QStringLiteral("FLOAT");
    QTest::newRow("6") << 6 << QStringLiteral("EXT");
    QTest::newRow("negative") << -1 << QStringLiteral("-1");
}

void TestCoordinatesWidget::positionStatus()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    emit handler()->setPosSts(NavDataValue<int>(code));
    QCOMPARE(edit("editReceiverStsPOS")->text(), text);
    QCOMPARE(edit("editReceiverStsPOS")->styleSheet(), black);
}

void TestCoordinatesWidget::velocityStatus_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("not valid") << 0 << QStringLiteral("NV");
    QTest::newRow("valid") << 1 << QStringLiteral("V");
    QTest::newRow("other") << 2 << QStringLiteral("2");
}

void TestCoordinatesWidget::velocityStatus()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    emit handler()->setVelSts(NavDataValue<int>(code));
    QCOMPARE(edit("editStsVEL")->text(), text);
}

void TestCoordinatesWidget::velocityFormats()
{
    QVERIFY(session->open(InterfaceBinary));
    session->send(binaryFrame(1, 20, rvelEnuPayload(1, 0.123, -0.456, 0.004, 1.5, 359.9996, 1))
                  + binaryFrame(1, 18, ecefPayload(2, 1.005, -2.5, 30.0, 1)));
    QTRY_COMPARE(edit("editReceiverSpeed_ECEF_vz")->text(), QStringLiteral("30.00"));
    QCOMPARE(edit("editReceiverSpeed_ENU_ve")->text(), QStringLiteral("0.12"));
    QCOMPARE(edit("editReceiverSpeed_ENU_vn")->text(), QStringLiteral("-0.46"));
    QCOMPARE(edit("editReceiverSpeed_ENU_vu")->text(), QStringLiteral("0.00"));
    QCOMPARE(edit("editReceiverSpeed_ENU_ven")->text(), QStringLiteral("1.50"));
    QCOMPARE(edit("editReceiverSpeed_ENU_cog")->text(), QStringLiteral("360.000"));
    QCOMPARE(edit("editReceiverSpeed_ECEF_vy")->text(), QStringLiteral("-2.50"));
    QCOMPARE(edit("editStsVEL")->text(), QStringLiteral("V"));

    emit handler()->setARF(NavDataValue<float>(2.5f));
    emit handler()->setClmb(NavDataValue<double>(-0.25));
    QCOMPARE(edit("editARF")->text(), QStringLiteral("2.50"));
    QCOMPARE(edit("editReceiverSpeed_ENU_clmb")->text(), QStringLiteral("-0.25"));
}

void TestCoordinatesWidget::eachEnuValueHasItsOwnFlag()
{
    emit handler()->setSpeedENU(Coordinates(1, 2, 3), NavDataValue<double>(4), NavDataValue<double>(5));
    emit handler()->setSpeedENU(Coordinates(6, 7, 8), NavDataValue<double>(), NavDataValue<double>(9));
    QCOMPARE(edit("editReceiverSpeed_ENU_ve")->text(), QStringLiteral("6.00"));
    QCOMPARE(edit("editReceiverSpeed_ENU_vu")->styleSheet(), black);
    QCOMPARE(edit("editReceiverSpeed_ENU_ven")->text(), QStringLiteral("4.00"));
    QCOMPARE(edit("editReceiverSpeed_ENU_ven")->styleSheet(), gray);
    QCOMPARE(edit("editReceiverSpeed_ENU_cog")->text(), QStringLiteral("9.000"));
    QCOMPARE(edit("editReceiverSpeed_ENU_cog")->styleSheet(), black);
}

void TestCoordinatesWidget::switchingTheAttributesOffGreysThem()
{
    QVERIFY(session->open(InterfaceBinary));
    session->send(binaryFrame(1, 21, rsolAtrPayload(AtrFields())));
    QTRY_COMPARE(edit("editTotalSA")->text(), QStringLiteral("17"));
    const char *const attributeFields[] = {"editTotalSA", "editARF", "editAgeBS", "editStsVEL",
                                           "editReceiverStsPOS"};
    const QStringList texts = {"17", "2.50", "3", "4", "FIX"};
    for (int i = 0; i < texts.size(); ++i) {
        QCOMPARE(edit(attributeFields[i])->text(), texts.at(i));
        QCOMPARE(edit(attributeFields[i])->styleSheet(), black);
    }

    session->controller->parser()->showLastData({21});
    for (int i = 0; i < texts.size(); ++i) {
        QCOMPARE(edit(attributeFields[i])->text(), texts.at(i));
        QCOMPARE(edit(attributeFields[i])->styleSheet(), gray);
    }
}

void TestCoordinatesWidget::clearingEmptiesEveryFieldAndKeepsColours()
{
    emit handler()->setCoordReceiver(Coordinates(1, 2, 3));
    emit handler()->setTotalSA(NavDataValue<int>(12));
    emit handler()->setTotalSA(NavDataValue<int>());
    window->clearWindow();
    for (const char *name : allFields)
        QVERIFY2(edit(name)->text().isEmpty(), name);
    QCOMPARE(edit("editTotalSA")->styleSheet(), gray);
    QCOMPARE(edit("editReceiverCoord_ECEF_x")->styleSheet(), black);
    emit handler()->setTotalSA(NavDataValue<int>(14));
    QCOMPARE(edit("editTotalSA")->text(), QStringLiteral("14"));
    QCOMPARE(edit("editTotalSA")->styleSheet(), black);
}

void TestCoordinatesWidget::nullControllerConnectsNothing()
{
    window->setController(nullptr);
    emit handler()->setVelSts(NavDataValue<int>(1));
    emit handler()->setAge(NavDataValue<int>(3));
    emit handler()->setCoordBS(Coordinates(1, 2, 3), NavDataValue<int>(4));
    for (const char *name : allFields)
        QVERIFY2(edit(name)->text().isEmpty(), name);
}

QTEST_MAIN(TestCoordinatesWidget)
#include "tst_coordinateswidget.moc"
