#include <QFontMetrics>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QStyleOptionGraphicsItem>
#include <QWidget>
#include <QtTest>

#include <cmath>
#include <memory>

#include "aircraftfrontviewgritem.h"
#include "aircraftsideviewgritem.h"
#include "arrowgritem.h"
#include "baselinebackgroundgritem.h"
#include "connectguard.h"
#include "cornertextgritem.h"
#include "crossbackgroundgritem.h"
#include "gritemgeometry.h"

namespace {

enum Kind { Front, Side, Arrow, Cross, BaseLine, Corner };

std::unique_ptr<QGraphicsItem> make(int kind)
{
    switch (kind) {
    case Front: return std::make_unique<AircraftFrontViewGrItem>();
    case Side: return std::make_unique<AircraftSideViewGrItem>();
    case Arrow: return std::make_unique<ArrowGrItem>();
    case Cross: return std::make_unique<CrossBackgroundGrItem>();
    case BaseLine: return std::make_unique<BaseLineBackgroundGrItem>();
    default: {
        auto corner = std::make_unique<CornerTextGrItem>();
        corner->setText2(QStringLiteral("Roll: "));
        corner->setText1(QStringLiteral("12.5"));
        return corner;
    }
    }
}

// Paints the item once as a view would, with a widget of the given size, and
// returns the font height the item measured with.
int paintOnce(QGraphicsItem *item, int width, int height)
{
    QWidget widget;
    widget.resize(width, height);
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(width / 2.0, height / 2.0);
    QStyleOptionGraphicsItem option;
    item->paint(&painter, &option, &widget);
    return painter.fontMetrics().height();
}

int fontHeight()
{
    QImage image(1, 1, QImage::Format_ARGB32);
    QPainter painter(&image);
    return painter.fontMetrics().height();
}

} // namespace

class TestGraphicsItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void sizeFollowsTheSmallerSide_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        const int fh = fontHeight();
        QTest::newRow("wide") << 600 << 300 + fh;  // size 300 from the height
        QTest::newRow("tall") << 300 << 800;       // size 300 from the width
    }
    void sizeFollowsTheSmallerSide()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        const double size = 300;

        AircraftFrontViewGrItem front;
        paintOnce(&front, width, height);
        QCOMPARE(front.boundingRect().width(), 0.75 * size);

        ArrowGrItem arrow;
        paintOnce(&arrow, width, height);
        QCOMPARE(arrow.boundingRect(), QRectF(-3, -0.85 * size / 2, 6, 0.85 * size));

        CrossBackgroundGrItem cross;
        paintOnce(&cross, width, height);
        QCOMPARE(cross.boundingRect().width(), 0.95 * size);
    }

    void turnAboutTheDrawingCentre()
    {
        AircraftFrontViewGrItem front;
        const int fh = paintOnce(&front, 400, 300);
        QCOMPARE(front.boundingRect().center(), QPointF(0, 0));
        QCOMPARE(front.transformOriginPoint(), QPointF(0, -fh / 2.0));

        ArrowGrItem arrow;
        paintOnce(&arrow, 400, 300);
        QCOMPARE(arrow.boundingRect().center(), QPointF(0, 0));
        QCOMPARE(arrow.transformOriginPoint(), QPointF(0, -fh / 2.0));
    }

    void backgroundEmptyUntilPainted()
    {
        BaseLineBackgroundGrItem dial;
        QVERIFY(dial.boundingRect().isEmpty());
        paintOnce(&dial, 400, 300);
        QVERIFY(!dial.boundingRect().isEmpty());
    }

    void cornerTextWithEmptyValue()
    {
        CornerTextGrItem corner;
        QVERIFY(corner.boundingRect().isNull());
        corner.setText2(QStringLiteral("Roll: "));
        paintOnce(&corner, 400, 300);
        QImage image(1, 1, QImage::Format_ARGB32);
        QPainter painter(&image);
        const QFontMetrics fm = painter.fontMetrics();
        const QRect expected = fm.boundingRect(QStringLiteral(" Roll: "));
        QCOMPARE(corner.boundingRect().width(), double(expected.width()));
        QCOMPARE(corner.boundingRect().left(), -200.0 + fm.horizontalAdvance(QLatin1Char(' ')));
        QCOMPARE(corner.boundingRect().top(), 150 - 1.3 * expected.height());
    }

    void paintWithoutWidget_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("front") << int(Front);
        QTest::newRow("side") << int(Side);
        QTest::newRow("arrow") << int(Arrow);
        QTest::newRow("cross") << int(Cross);
        QTest::newRow("base line") << int(BaseLine);
        QTest::newRow("corner") << int(Corner);
    }
    void paintWithoutWidget()
    {
        QFETCH(int, kind);
        auto item = make(kind);
        // Into a pixmap: the pixmap gives the size.
        QImage image(320, 240, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.translate(160, 120);
            QStyleOptionGraphicsItem option;
            item->paint(&painter, &option, nullptr);
        }
        QVERIFY(!item->boundingRect().isEmpty());
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                drawn += image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        }
        QVERIFY(drawn > 0);

        // Into a picture, whose size is not known yet: nothing breaks.
        QPicture picture;
        QPainter painter(&picture);
        QStyleOptionGraphicsItem option;
        item->paint(&painter, &option, nullptr);
    }

    void dialDrawnInAView()
    {
        QGraphicsScene scene;
        auto *dial = new CrossBackgroundGrItem;
        scene.addItem(dial);
        QGraphicsView view(&scene);
        view.setFrameShape(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(400, 300);
        view.setSceneRect(-200, -150, 400, 300);
        const QImage image = view.grab().toImage();
        const int fh = view.viewport()->fontMetrics().height();
        const double s = 0.95 * (300 - fh);
        QCOMPARE(dial->boundingRect().width(), s);
        // The circle's west point, half a text line above the scene origin.
        const QPoint origin = view.mapFromScene(QPointF(0, 0));
        const int y = origin.y() + int(-fh / 2.0);
        bool grey = false;
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor c = image.pixelColor(int(origin.x() - s / 2) + dx, y);
            grey = grey || (c.red() == c.green() && std::abs(c.blue() - c.red()) <= 4 && c.red() < 200);
        }
        QVERIFY(grey);
    }

    // A dial drawn once and reused must give the very pixels of one drawn at every
    // paint, at odd sizes (a centre between pixels) and under a turned aircraft; and a
    // view filled only with its own brush the pixels of one filled twice.
    void reusedDialFaceIsTheDrawnOne_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSize>("size");
        QTest::newRow("cross, even") << int(Cross) << QSize(400, 300);
        QTest::newRow("cross, odd") << int(Cross) << QSize(401, 333);
        QTest::newRow("cross, tall") << int(Cross) << QSize(251, 517);
        QTest::newRow("base line, odd") << int(BaseLine) << QSize(377, 299);
        QTest::newRow("view's own background") << int(Cross) << QSize(333, 301);
    }

    void reusedDialFaceIsTheDrawnOne()
    {
        QFETCH(int, kind);
        QFETCH(QSize, size);
        auto shot = [&](bool cached) {
            QGraphicsScene scene;
            auto *dial = static_cast<CrossBackgroundGrItem *>(make(kind).release());
            dial->setFaceCached(cached);
            scene.addItem(dial);
            auto *front = new AircraftFrontViewGrItem;
            front->setRotation(33);
            scene.addItem(front);
            QGraphicsView view(&scene);
            if (QByteArray(QTest::currentDataTag()) == "view's own background") {
                view.setBackgroundBrush(QColor(250, 240, 200));
                if (cached)
                    fillOnlyWithViewBrush(&view);
            }
            view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            view.resize(size);
            view.setSceneRect(-size.width() / 2.0, -size.height() / 2.0, size.width(), size.height());
            view.grab(); // the items size themselves at their first paint
            QImage first = view.grab().toImage();
            front->setRotation(34);
            view.grab();
            front->setRotation(33);
            return qMakePair(first, view.grab().toImage());
        };
        const auto direct = shot(false);
        const auto reused = shot(true);
        QCOMPARE(reused.first, direct.first);
        QCOMPARE(reused.second, direct.first);
    }
};

QTEST_MAIN(TestGraphicsItems)
#include "tst_graphicsitems.moc"
