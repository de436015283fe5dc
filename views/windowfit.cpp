#include "windowfit.h"

#include <QFontMetrics>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include "verticalscrollarea.h"

namespace {

const QWidget *openedOver(const QWidget *window)
{
    return window->parentWidget() ? window->parentWidget()->window() : nullptr;
}

const QScreen *screenOf(const QWidget *window)
{
    // A dialog opens over the window that made it, on that window's screen.
    const QWidget *over = openedOver(window);
    return over ? over->screen() : window->screen();
}

QMargins frameOf(const QWidget *window)
{
    // A window that has been shown knows its frame, and a new one gets the frame of the
    // window it opens over. Before any is shown (or without a window manager) a frame as
    // large as Windows 10 draws is assumed: a title bar of about two lines of text and
    // 8-pixel borders, which it counts as part of the window.
    for (const QWidget *w = window; w; w = openedOver(w)) {
        if (const QWindow *handle = w->windowHandle()) {
            const QMargins margins = handle->frameMargins();
            if (!margins.isNull())
                return margins;
        }
    }
    const int border = 8;
    const int titleBar = qMax(window->style()->pixelMetric(QStyle::PM_TitleBarHeight),
                              2 * QFontMetrics(window->font()).height());
    return QMargins(border, titleBar + border, border, border);
}

// Puts the window's form into a scroll area that fills the window. Taking the form's
// layout moves the widgets it holds along with it.
void scrollForm(QWidget *window, bool widthFits)
{
    QLayout *form = window->layout();
    if (!form)
        return;
    auto *contents = new QWidget;
    contents->setLayout(form);
    QScrollArea *area = widthFits ? new VerticalScrollArea(window) : new QScrollArea(window);
    area->setObjectName(QStringLiteral("formScrollArea"));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(contents);
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    // The form's least size was the window's; the scroll area's is now.
    window->setMinimumSize(0, 0);
}

} // namespace

QSize leastSize(const QWidget *widget)
{
    return widget->minimumSize().expandedTo(widget->minimumSizeHint());
}

QRect roomOnScreen(const QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return QRect();
    return screen->availableGeometry().marginsRemoved(frameOf(window));
}

void fitIntoScreen(QWidget *window)
{
    const QRect room = roomOnScreen(window);
    if (room.isEmpty())
        return;
    QSize least = leastSize(window);
    QSize designed = window->size();
    if (least.width() > room.width() || least.height() > room.height()) {
        scrollForm(window, least.width() <= room.width());
        // The scroll area asks for its bar's width besides the form's.
        least = leastSize(window);
        designed = designed.expandedTo(least);
    }
    const QSize fitted = designed.boundedTo(room.size());
    const bool placed = window->testAttribute(Qt::WA_Moved);
    if (!placed && fitted == window->size())
        return;
    QRect geometry(window->geometry().topLeft(), fitted);
    // A window the system would place, had it fitted, opens in the middle of the room.
    if (!placed)
        geometry.moveCenter(room.center());
    window->setGeometry(placedInside(geometry, room, least));
}

QRect placedInside(const QRect &frame, const QRect &area, const QSize &minimum)
{
    QRect placed = frame;
    placed.setWidth(qMax(qMin(frame.width(), area.width()), minimum.width()));
    placed.setHeight(qMax(qMin(frame.height(), area.height()), minimum.height()));
    if (placed.right() > area.right())
        placed.moveRight(area.right());
    if (placed.bottom() > area.bottom())
        placed.moveBottom(area.bottom());
    if (placed.left() < area.left())
        placed.moveLeft(area.left());
    if (placed.top() < area.top())
        placed.moveTop(area.top());
    return placed;
}
