#pragma once

// Runs what showing a window posts (its layout, its first paint) now, so that the work
// does not hold the GUI thread later, while a request of the test is timing out.

#include <QCoreApplication>
#include <QWidget>
#include <QtTest>

inline bool settleWindow(QWidget *window)
{
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return true;
}
