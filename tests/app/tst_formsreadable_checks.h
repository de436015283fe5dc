#pragma once

#include <QStringList>

class QWidget;

// What a person cannot read on a form as it is shown now, one line per fault, each
// naming the widget: a line edit, label, button, check box, combo box item, table header
// section or cell too narrow (or too low) for its whole text; a widget with a layout
// (a group box above all) smaller than the layout's minimum; two visible siblings that
// overlap. Empty when everything can be read.
QStringList unreadableParts(QWidget *form);

// Fills every line edit a person or the form would fill with the longest realistic
// value its validator takes (negative coordinates, 460800, -2.250000, 4-digit
// hexadecimal codes), and every spin box with its longest bound: the widths are then
// checked against the worst case, not against an empty field.
void fillLongestValues(QWidget *form);
