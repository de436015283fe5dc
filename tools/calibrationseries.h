#pragma once

#include <QString>
#include <QVector>

#include "calibrationentrywidgets.h"

class QWidget;

// One view of a whole calibration table: the widgets of band L1 and of band L2, each
// in row order, so element i shows row i - 7.
class CalibrationSeries
{
public:
    CalibrationSeries();
    CalibrationSeries(const CalibrationSeries &other);
    CalibrationSeries &operator=(const CalibrationSeries &other);
    ~CalibrationSeries();

    // The widgets of one set of the calibration form, found by their object names:
    // "edit<set>L<band>Value_<i>", "edit<set>L<band>Std_<i>" and, where the set has
    // them, "chBox<set>L<band>Flag_<i>".
    static CalibrationSeries fromForm(const QWidget *form, const QString &set, int channelCount);

    // Entry 0 to 27 in the order of the table: L1 first, then L2.
    int size() const;
    const CalibrationEntryWidgets &at(int index) const;

    QVector<CalibrationEntryWidgets> l1;
    QVector<CalibrationEntryWidgets> l2;
};
