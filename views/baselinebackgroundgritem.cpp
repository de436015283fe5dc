#include "baselinebackgroundgritem.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

void BaseLineBackgroundGrItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    QRectF r;
    if (!paintDial(painter, widget, &r))
        return;

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
