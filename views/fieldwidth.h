#pragma once

#include <QString>
#include <QStringList>

class QLineEdit;
class QWidget;

// Line edits that hold a value are given the width of the longest value they show, from
// their own font and style, so that a layout never squeezes a digit, a minus sign or a
// hemisphere letter out of sight (whatever the language or the system font).

// The least width at which the edit shows the whole of text.
int lineEditWidthFor(const QLineEdit *edit, const QString &text);

// Makes the width of the widest of texts the edit's minimum (a larger minimum it already
// has stays).
void reserveWidthFor(QLineEdit *edit, const QStringList &texts);

// Opens a form at the size its designer gave it, or larger where its contents need more
// (a longer translation, a larger font): its minimum grows to what its layout needs, so
// a window never opens with a value or a group squeezed out of sight.
void growToContents(QWidget *form);
