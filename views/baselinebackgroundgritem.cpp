#include "baselinebackgroundgritem.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include "gritemgeometry.h"

BaseLineBackgroundGrItem::BaseLineBackgroundGrItem()
    : s(0)
{
}

QRectF BaseLineBackgroundGrItem::boundingRect() const
{
    return QRectF(-s / 2, -s / 2, s, s);
}

void BaseLineBackgroundGrItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    GrItemFrame frame;
    if (!grItemFrame(painter, widget, &frame))
        return;
    const double newS = 0.95 * frame.size();
    if (newS != s) {
        prepareGeometryChange();
        s = newS;
    }
    const QRectF r = drawDialBackground(painter, s, frame.fontHeight);

    const double side = painter->fontMetrics().height();
    auto letter = [&](const QPointF &at, const char *name) {
        const QRectF box(at.x() - side / 2, at.y() - side / 2, side, side);
        painter->drawText(box, Qt::AlignHCenter | Qt::AlignVCenter,
                          QCoreApplication::translate("BaseLineBackgroundGrItem", name));
    };
    letter(QPointF(r.left(), r.center().y()), QT_TRANSLATE_NOOP("BaseLineBackgroundGrItem", "W"));
    letter(QPointF(r.center().x(), r.top()), QT_TRANSLATE_NOOP("BaseLineBackgroundGrItem", "N"));
    letter(QPointF(r.right(), r.center().y()), QT_TRANSLATE_NOOP("BaseLineBackgroundGrItem", "E"));
    letter(QPointF(r.center().x(), r.bottom()), QT_TRANSLATE_NOOP("BaseLineBackgroundGrItem", "S"));
}
