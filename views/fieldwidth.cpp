#include "fieldwidth.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

namespace {

// QLineEdit keeps this many pixels free at each side of its text, and one more for the
// cursor.
constexpr int textSideMargin = 2;
constexpr int cursorWidth = 1;

} // namespace

int lineEditWidthFor(const QLineEdit *edit, const QString &text)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QFontMetrics metrics(edit->font());
    const QMargins textMargins = edit->textMargins();
    const QMargins contentsMargins = edit->contentsMargins();
    const int width = metrics.horizontalAdvance(text) + cursorWidth + 2 * textSideMargin + textMargins.left()
        + textMargins.right() + contentsMargins.left() + contentsMargins.right();
    const QSize contents(width, metrics.height());
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, edit).width();
}

void reserveWidthFor(QLineEdit *edit, const QStringList &texts)
{
    int width = edit->minimumWidth();
    for (const QString &text : texts)
        width = qMax(width, lineEditWidthFor(edit, text));
    edit->setMinimumWidth(width);
}

void growToContents(QWidget *form)
{
    const QSize needed = form->minimumSizeHint();
    form->setMinimumSize(form->minimumSize().expandedTo(needed));
    form->resize(form->size().expandedTo(needed));
}
