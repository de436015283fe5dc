#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Windows that open no larger than the screen they open on. The program's forms were
// designed for screens of 1600 x 1200 and more; on a laptop's 1366 x 768 their lower
// rows, or their title bar's buttons, would lie past the screen's edge with no way to
// reach them. On a screen that holds a window, nothing here changes it.

// The room a top-level window has for its client area on the screen it opens on (the
// screen of the window it opens over, for a dialog): the screen's available area (less
// task bars and docks) less the window's frame.
QRect roomOnScreen(const QWidget *window);

// Fits a top-level window into roomOnScreen: where its form needs more height (or
// width) than there is, an MDI area in it scrolls its own windows; where that is not
// enough, the form (a main window's central widget) goes into a scroll area, up and
// down first; the window
// is shrunk to the room, and moved inside it where it was placed (or shrunk) so that
// some of it would lie outside. Called once the window's form and restored geometry
// stand, before it is shown.
void fitIntoScreen(QWidget *window);

// The least size a widget's layout lets it have.
QSize leastSize(const QWidget *widget);

// frame moved inside area, and shrunk only where it cannot fit, never below minimum;
// what still cannot fit keeps its top-left corner inside.
QRect placedInside(const QRect &frame, const QRect &area, const QSize &minimum);
