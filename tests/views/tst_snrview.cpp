#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

#include "connectguard.h"
#include "freshpicture.h"
#include "snrview.h"
#include "viewmeasure.h"

namespace {


QVector<SatelliteInfo> satellites(int count)
{
    QVector<SatelliteInfo> list;
    for (int i = 0; i < count; ++i)
        list.append(SatelliteInfo(short(i + 1), 30, 100, 50, 45));
    return list;
}

// The colour at world (x, y) of the view's chart.
QColor colourAt(SnrView &view, const QImage &image, double x, double y)
{
    ViewMeasure m(&view);
    const QPointF at = view.mapToScreen(&m.painter, QPointF(x, y));
    return image.pixelColor(int(at.x()), int(at.y()));
}

// A height in dB-Hz half-way between the base line and the first grid line.
double clearOfTheGrid(SnrView &view)
{
    ViewMeasure m(&view);
    return view.gridStepY(&m.painter) / 2;
}

// A chart of five satellites with its caption.
void fillChart(SnrView &view)
{
    view.resize(480, 260);
    view.setText(QStringLiteral("GPS"));
    view.setData({SatelliteInfo(3, 30, 100, 50, -1), SatelliteInfo(7, 30, 100, 44, 38), SatelliteInfo(9, 30, 100, 0, 35),
                  SatelliteInfo(14, 30, 100, 27, 31), SatelliteInfo(30, 30, 100, 39, -1)});
}

// What changes between two paints, and whether anything does.
enum ChartChange { NoChange, Resize, Scale, Font, Caption, LegendNames, MoreSatellites, Stale, Clear };

void change(SnrView &view, int which)
{
    switch (which) {
    case Resize:
        view.resize(400, 300);
        break;
    case Scale:
        view.setVScale(1.5);
        break;
    case Font: {
        QFont font = view.font();
        font.setPointSizeF(font.pointSizeF() * 0.8);
        view.setFont(font);
        break;
    }
    case Caption:
        view.setText(QStringLiteral("GLONASS"));
        break;
    case LegendNames:
        view.setNamesLegend({QStringLiteral("F1"), QStringLiteral("F2")});
        break;
    case MoreSatellites:
        view.setData(satellites(11));
        break;
    case Stale:
        view.setData({});
        break;
    case Clear:
        view.clear();
        break;
    default:
        break;
    }
}

} // namespace

class TestSnrView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void slotCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("slotTotal");
        QTest::newRow("3 satellites") << 3 << 8;
        QTest::newRow("8 satellites") << 8 << 8;
        QTest::newRow("12 satellites") << 12 << 12;
    }
    void slotCount()
    {
        QFETCH(int, count);
        QFETCH(int, slotTotal);
        SnrView view;
        QCOMPARE(view.slotCount(), 1);
        view.setData(satellites(count));
        QCOMPARE(view.slotCount(), slotTotal);
        QCOMPARE(view.bottomRight().x(), double(slotTotal));
        QVERIFY(view.isFresh());
    }

    void emptyListFadesAndClearKeepsTheSlots()
    {
        SnrView view;
        view.setData(satellites(12));
        view.setData({});
        QVERIFY(!view.isFresh());
        QCOMPARE(view.slotCount(), 12);
        view.clear();
        QCOMPARE(view.slotCount(), 12);
        QVERIFY(!view.isFresh());
    }

    void legendNames_data()
    {
        QTest::addColumn<QVector<QString>>("names");
        QTest::addColumn<QVector<QString>>("expected");
        QTest::newRow("two") << QVector<QString>{"F1", "F2"} << QVector<QString>{"F1", "F2"};
        QTest::newRow("three") << QVector<QString>{"E1", "E5b", "E5a"} << QVector<QString>{"E1", "E5b"};
        QTest::newRow("one") << QVector<QString>{"B1"} << QVector<QString>{"B1", "L2"};
        QTest::newRow("none") << QVector<QString>{} << QVector<QString>{"L1", "L2"};
    }
    void legendNames()
    {
        QFETCH(QVector<QString>, names);
        QFETCH(QVector<QString>, expected);
        SnrView view;
        view.setNamesLegend(names);
        QCOMPARE(view.legendNames(), expected);
    }

    void barsInTwoBands()
    {
        SnrView view;
        view.resize(480, 260);
        view.setData({SatelliteInfo(3, 30, 100, 50, -1), SatelliteInfo(7, 30, 100, 44, 38),
                      SatelliteInfo(9, 30, 100, 0, 35)});
        const double y = clearOfTheGrid(view);
        const QImage image = view.grab().toImage();
        const QColor first(215, 105, 177);
        const QColor second(135, 206, 250);
        const QColor cell(245, 245, 245);
        // Satellite 3: the first band only, on the left half of its cell.
        QCOMPARE(colourAt(view, image, 0.3, y), first);
        QCOMPARE(colourAt(view, image, 0.7, y), cell);
        // Satellite 7: both.
        QCOMPARE(colourAt(view, image, 1.3, y), first);
        QCOMPARE(colourAt(view, image, 1.7, y), second);
        // Satellite 9: a zero first band draws no bar.
        QCOMPARE(colourAt(view, image, 2.3, y), cell);
        QCOMPARE(colourAt(view, image, 2.7, y), second);
        // Beyond the three satellites the slots are empty; the bar stops at its value.
        QCOMPARE(colourAt(view, image, 3.5, y), QColor(Qt::white));
        QCOMPARE(colourAt(view, image, 0.3, 55), cell);
    }

    void staleBarsFadeAndClearRemovesThem()
    {
        SnrView view;
        view.resize(480, 260);
        view.setData({SatelliteInfo(3, 30, 100, 50, 40)});
        view.setData({});
        const double y = clearOfTheGrid(view);
        QImage image = view.grab().toImage();
        const QColor faded = overWhite(QColor(215, 105, 177, 90));
        // The faded bar lies over the grey cell, not over white.
        const QColor fadedOnCell(int(std::lround(215 * 90 / 255.0 + 245 * (1 - 90 / 255.0))),
                                 int(std::lround(105 * 90 / 255.0 + 245 * (1 - 90 / 255.0))),
                                 int(std::lround(177 * 90 / 255.0 + 245 * (1 - 90 / 255.0))));
        const QColor actual = colourAt(view, image, 0.3, y);
        QVERIFY2(coloursNear(actual, fadedOnCell, 2), qPrintable(actual.name() + " " + fadedOnCell.name() + " " + faded.name()));

        view.clear();
        image = view.grab().toImage();
        QCOMPARE(colourAt(view, image, 0.3, y), QColor(Qt::white));
    }

    void legendStaysOpaque()
    {
        SnrView view;
        view.resize(480, 260);
        view.setData({SatelliteInfo(3, 30, 100, 50, 40)});
        view.setData({});
        const QImage image = view.grab().toImage();
        ViewMeasure m(&view);
        const int w = m.painter.fontMetrics().horizontalAdvance(QLatin1Char('0'));
        QCOMPARE(image.pixelColor(w + 2, w + 2), QColor(215, 105, 177));
    }

    void captionKeepsClearOfTheLegend_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::newRow("GPS") << "GPS" << "L1" << "L2";
        QTest::newRow("GLONASS") << "GLONASS" << "F1" << "F2";
        QTest::newRow("Galileo") << "Galileo" << "E1" << "E5";
        QTest::newRow("BeiDou") << "BeiDou" << "B1" << "B2";
        QTest::newRow("ГЛОНАСС") << QString::fromUtf8("ГЛОНАСС") << "F1" << "F2";
    }

    // At the width of the C/No window the caption stands clear of the legend, inside the view.
    void captionKeepsClearOfTheLegend()
    {
        QFETCH(QString, caption);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        SnrView view;
        view.resize(270, 80);
        view.setText(caption);
        view.setNamesLegend({upper, lower});
        ViewMeasure m(&view);
        const QRect text = view.captionRect(&m.painter);
        const QRect drawn = m.painter.fontMetrics().boundingRect(text, Qt::AlignCenter, caption);
        for (const auto &item : view.legendLayout(&m.painter)) {
            QVERIFY(!drawn.intersects(item.second));
            QVERIFY(!drawn.intersects(item.first.toAlignedRect()));
        }
        QVERIFY(drawn.right() <= view.rect().right());
    }

    void numbersKeepApart_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstNumber");
        QTest::newRow("eight") << 8 << 1;
        QTest::newRow("fourteen") << 14 << 10;
        QTest::newRow("fourteen SBAS") << 14 << 120;
        QTest::newRow("twenty") << 20 << 60;
    }

    // At the width of the C/No window no two satellite numbers under the bars touch, and
    // each stays inside the view.
    void numbersKeepApart()
    {
        QFETCH(int, count);
        QFETCH(int, firstNumber);
        SnrView view;
        view.resize(270, 90);
        QVector<SatelliteInfo> list;
        for (int i = 0; i < count; ++i)
            list.append(SatelliteInfo(short(firstNumber + i), 30, 100, 45, 40));
        view.setData(list);
        ViewMeasure m(&view);
        QList<QRect> taken;
        for (int slot = 0; slot < count; ++slot) {
            const QString label = QString::number(firstNumber + slot);
            const QRect drawn = m.painter.fontMetrics().boundingRect(view.numberRect(&m.painter, slot), Qt::AlignCenter, label);
            QVERIFY2(view.rect().contains(drawn), qPrintable(label));
            for (const QRect &other : qAsConst(taken))
                QVERIFY2(!drawn.intersects(other), qPrintable(label));
            taken << drawn;
        }
    }

    // The chart keeps its grid, axes, caption and legend between paints; after any
    // change it must show what a view built in the new state shows.
    void pictureAfterAChangeIsAFreshViewsPicture_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("nothing") << int(NoChange);
        QTest::newRow("resize") << int(Resize);
        QTest::newRow("scale") << int(Scale);
        QTest::newRow("font") << int(Font);
        QTest::newRow("caption") << int(Caption);
        QTest::newRow("legend names") << int(LegendNames);
        QTest::newRow("more satellites") << int(MoreSatellites);
        QTest::newRow("stale") << int(Stale);
        QTest::newRow("clear") << int(Clear);
    }
    void pictureAfterAChangeIsAFreshViewsPicture()
    {
        QFETCH(int, which);
        QVERIFY(pictureMatchesFreshView<SnrView>(fillChart, change, which, NoChange));
    }

    void wheelDoesNotZoom()
    {
        SnrView view;
        view.resize(400, 200);
        view.setData(satellites(10));
        const QPointF before = view.topLeft();
        sendWheel(&view, -120);
        QCOMPARE(view.topLeft(), before);
        QCOMPARE(view.bottomRight(), QPointF(10, 0));
    }

    void slotsConnectByTextSignature()
    {
        SnrView view;
        QVERIFY(view.metaObject()->indexOfSlot("setData(QVector<SatelliteInfo>)") >= 0);
        QVERIFY(view.metaObject()->indexOfSlot("setNamesLegend(QVector<QString>)") >= 0);
    }
};

QTEST_MAIN(TestSnrView)
#include "tst_snrview.moc"
