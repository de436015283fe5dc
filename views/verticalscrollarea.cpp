#include "verticalscrollarea.h"

#include <QEvent>
#include <QScrollBar>

VerticalScrollArea::VerticalScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
    setWidgetResizable(true);
}

QSize VerticalScrollArea::minimumSizeHint() const
{
    const QSize least = QScrollArea::minimumSizeHint();
    if (!widget())
        return least;
    return QSize(widthAround(widget()->minimumSizeHint().width()), least.height());
}

QSize VerticalScrollArea::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    const QSize contents = widget()->sizeHint().expandedTo(widget()->minimumSizeHint());
    return QSize(widthAround(contents.width()), contents.height() + 2 * frameWidth());
}

bool VerticalScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    // The contents' layout has just settled (a page built its form, a text changed
    // language): what this area needs changed with it, so the layouts around it must
    // ask again.
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

int VerticalScrollArea::widthAround(int contentsWidth) const
{
    return contentsWidth + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}
