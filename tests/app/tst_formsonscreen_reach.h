#pragma once

#include <QStringList>

class QWidget;

// What a person cannot get to on a top-level window as it is shown now, one line per
// fault: the window's frame reaching out of the screen's available area, or a visible
// control (a button, field, box, view or label) that lies outside its window, or
// outside a scroll area that cannot scroll far enough to show it. A control larger than
// what shows it counts as reached when its top-left corner can be brought into view.
QStringList unreachableControls(QWidget *window);
