#include "linedelegate.h"

LineDelegate::LineDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void LineDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() > maxShownChars)
        option->text.truncate(maxShownChars);
}
