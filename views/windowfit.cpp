#include "windowfit.h"

#include <QFontMetrics>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
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

bool fits(const QSize &size, const QRect &room)
{
    return size.width() <= room.width() && size.height() <= room.height();
}

// An MDI area with its scroll bars off asks for room to show its largest window whole.
// Given bars it asks for little and scrolls to what lies beyond what it shows: the menus
// stay where they are, and the area the windows are placed in, tiled in and moved inside
// is the one the person sees. Wrapping the area in a scroll area instead would leave most
// of it out of sight, with the windows placed there. True when some area got its bars.
bool letAreasScroll(QWidget *window)
{
    bool changed = false;
    for (QMdiArea *area : window->findChildren<QMdiArea *>()) {
        if (area->window() != window || area->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff
            || area->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
            continue;
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // The layouts around the area keep the least sizes they were told before, each
        // widget's in its parent's layout, until the widget says they changed.
        for (QWidget *widget = area; widget != window; widget = widget->parentWidget())
            widget->updateGeometry();
        changed = true;
    }
    if (changed && window->layout())
        window->layout()->invalidate();
    return changed;
}

QScrollArea *newScrollArea(QWidget *parent, bool widthFits)
{
    QScrollArea *area = widthFits ? new VerticalScrollArea(parent) : new QScrollArea(parent);
    area->setObjectName(QStringLiteral("formScrollArea"));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

// Puts the window's form into a scroll area that fills the window. A main window's own
// layout holds its menu bar, tool bars and central widget and hands none of them over:
// there the central widget is what scrolls, under menus that stay in place. Any other
// window's layout is taken whole, and the widgets it holds move along with it.
void scrollForm(QWidget *window, bool widthFits)
{
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        if (!main->centralWidget())
            return;
        QScrollArea *area = newScrollArea(main, widthFits);
        area->setWidget(main->takeCentralWidget());
        main->setCentralWidget(area);
    } else {
        QLayout *form = window->layout();
        if (!form)
            return;
        auto *contents = new QWidget;
        contents->setLayout(form);
        QScrollArea *area = newScrollArea(window, widthFits);
        area->setWidget(contents);
        auto *outer = new QVBoxLayout(window);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addWidget(area);
    }
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
    if (!fits(least, room) && letAreasScroll(window)) {
        least = leastSize(window);
        designed = designed.expandedTo(least);
    }
    if (!fits(least, room)) {
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
