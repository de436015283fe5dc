#include "navtypes.h"

#include <QCoreApplication>

#include <QObject>

#include <cmath>

#include "checkedconvert.h"

Time::Time(double value, TimeFormat format)
    : raw(value)
{
    if (format == SecondsOfDay) {
        // Rounded half up to whole seconds; 86399.6 becomes 24:00:00, deliberately
        // without wrapping to the next day.
        int t = 0;
        if (!checkedToInteger(std::floor(value + 0.5), t))
            return;
        hours = t / 3600;
        minutes = (t - hours * 3600) / 60;
        seconds = t - hours * 3600 - minutes * 60;
        valid = true;
        return;
    }
    if (format == HhMmSs) {
        int h = 0;
        if (!checkedToInteger(std::floor(value / 10000.0), h))
            return;
        // Within the range of h the remainder is below 10000, so the minutes always fit.
        const double rest = value - h * 10000.0;
        const int m = checkedToIntegerOr(std::floor(rest / 100.0), 0);
        hours = h;
        minutes = m;
        seconds = value - h * 10000.0 - m * 100.0;
        valid = true;
        return;
    }
    // No other format exists; an unknown one yields an invalid time.
}

QString Coordinates::solutionTypeToString(int code)
{
    switch (code) {
    case 0: return QCoreApplication::translate("Coordinates", "NV");
    case 1: return QCoreApplication::translate("Coordinates", "SINGLE");
    case 2: return QCoreApplication::translate("Coordinates", "CDDIFF");
    case 4: return QCoreApplication::translate("Coordinates", "FIX");
    case 5: return QCoreApplication::translate("Coordinates", "FLOAT");
    case 6: return QCoreApplication::translate("Coordinates", "EXT");
    default: return QString::number(code, 10);
    }
}
