#include "tst_formsonscreen_reach.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QWidget>

namespace {

QString nameOf(const QWidget *widget)
{
    const QString name = widget->objectName();
    return name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name;
}

QString rectText(const QRect &rect)
{
    return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

bool isControl(const QWidget *widget)
{
    if (qobject_cast<const QScrollBar *>(widget))
        return false;
    // The parts of a spin box or combo box are reached with it.
    const QWidget *parent = widget->parentWidget();
    if (qobject_cast<const QAbstractSpinBox *>(parent) || qobject_cast<const QComboBox *>(parent))
        return false;
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().isEmpty();
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
        || qobject_cast<const QAbstractSlider *>(widget) || qobject_cast<const QAbstractItemView *>(widget)
        || qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget)
        || qobject_cast<const QMenuBar *>(widget) || qobject_cast<const QMdiSubWindow *>(widget);
}

// The shift along one axis, within what a scroll bar can still move, that brings the
// span [start, start + length) into [0, extent): all of it when it fits, its start
// otherwise.
int scrollShift(const QScrollBar *bar, Qt::ScrollBarPolicy policy, int start, int length, int extent)
{
    int wanted = 0;
    if (start < 0 || length > extent)
        wanted = -start;
    else if (start + length > extent)
        wanted = extent - (start + length);
    if (policy == Qt::ScrollBarAlwaysOff)
        return 0;
    // Scrolling to value v moves the contents by (current - v).
    return qBound(bar->value() - bar->maximum(), wanted, bar->value() - bar->minimum());
}

// The span shows whole, or its start shows where it is larger than what shows it.
bool shows(int start, int length, int extent)
{
    if (length > extent)
        return start >= 0 && start < extent;
    return start >= 0 && start + length <= extent;
}

bool shows(const QRect &rect, const QSize &in)
{
    return shows(rect.x(), rect.width(), in.width()) && shows(rect.y(), rect.height(), in.height());
}

} // namespace

QStringList unreachableControls(QWidget *window)
{
    QStringList faults;
    if (const QScreen *screen = window->screen()) {
        const QRect available = screen->availableGeometry();
        if (!available.contains(window->frameGeometry())) {
            faults << QStringLiteral("window frame %1 leaves the available area %2")
                          .arg(rectText(window->frameGeometry()), rectText(available));
        }
    }
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *control : widgets) {
        if (!control->isVisible() || control->window() != window || !isControl(control))
            continue;
        QRect rect = control->rect();
        QWidget *widget = control;
        while (widget != window) {
            QWidget *parent = widget->parentWidget();
            rect.translate(widget->pos());
            auto *area = qobject_cast<QAbstractScrollArea *>(parent->parentWidget());
            if (area && area->viewport() == parent) {
                const QSize extent = parent->size();
                rect.translate(scrollShift(area->horizontalScrollBar(), area->horizontalScrollBarPolicy(), rect.x(),
                                           rect.width(), extent.width()),
                               scrollShift(area->verticalScrollBar(), area->verticalScrollBarPolicy(), rect.y(),
                                           rect.height(), extent.height()));
            }
            if (!shows(rect, parent->size())) {
                faults << QStringLiteral("%1 (%2): cannot be brought into view in %3 (%4x%5)")
                              .arg(nameOf(control), rectText(rect), nameOf(parent))
                              .arg(parent->width())
                              .arg(parent->height());
                break;
            }
            // What lies past the parent's edge is not seen from further up.
            rect = rect.intersected(parent->rect());
            widget = parent;
        }
    }
    return faults;
}
