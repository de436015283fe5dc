#include "cornertextgritem.h"

#include <QFontMetrics>
#include <QPainter>

#include "gritemgeometry.h"

CornerTextGrItem::CornerTextGrItem() = default;

void CornerTextGrItem::setText1(const QString &value)
{
    text1 = value;
}

void CornerTextGrItem::setText2(const QString &caption)
{
    text2 = caption;
}

QRectF CornerTextGrItem::boundingRect() const
{
    return textRect;
}

void CornerTextGrItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    GrItemFrame frame;
    if (!grItemFrame(painter, widget, &frame))
        return;
    const QString shown = QLatin1Char(' ') + text2 + text1;
    const QFontMetrics fm = painter->fontMetrics();
    const QRect size = fm.boundingRect(shown);
    const QRectF placed(-frame.viewWidth / 2 + fm.horizontalAdvance(QLatin1Char(' ')),
                        frame.viewHeight / 2 - 1.3 * size.height(), size.width(), size.height());
    if (placed != textRect) {
        prepareGeometryChange();
        textRect = placed;
    }
    painter->setPen(QColor(Qt::black));
    painter->drawText(textRect, Qt::AlignHCenter | Qt::AlignVCenter, shown);
}
