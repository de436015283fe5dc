#pragma once

#include <QStyledItemDelegate>

// Draws the rows of the replay list. A recorded line can be many kilobytes long (raw data
// logs), but a row shows only its beginning; laying out the whole text for every repaint
// would cost more than playing it. The row's text is cut to what any window can show;
// editing still works on the whole line.
class LineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // More characters than the widest screen shows in one row.
    static constexpr int maxShownChars = 1000;

    explicit LineDelegate(QObject *parent = nullptr);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
