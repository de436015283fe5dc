#pragma once

// A view that keeps parts of its picture between paints must, after any change, show
// what a view built in the new state shows:
//
//   QVERIFY(pictureMatchesFreshView<SkyView>(fillSky, change, which, NoChange));
//
// fill puts the same data into both views, change(view, which) makes the change; the
// picture must differ from the one before exactly when which is not noChange.

#include <QImage>
#include <QtTest>

template <class View, class Fill, class Change>
bool pictureMatchesFreshView(Fill fill, Change change, int which, int noChange)
{
    View view;
    fill(view);
    const QImage before = view.grab().toImage();
    change(view, which);
    const QImage after = view.grab().toImage();

    View fresh;
    fill(fresh);
    change(fresh, which);
    [&] {
        QCOMPARE(after, fresh.grab().toImage());
        QCOMPARE(after == before, which == noChange);
    }();
    return !QTest::currentTestFailed();
}
