#pragma once

#include <QObject>

// The calibration window's tests: its form and catalogue (tst_calibration_form.cpp),
// and its dealings with the receiver (tst_calibration.cpp).
class tst_Calibration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void form();
    void formTexts_data();
    void formTexts();
    void russianCatalogue_data();
    void russianCatalogue();

    void openingReadsPositionThenTable();
    void setWritesPosition();
    void refusedPositionLeavesTheFieldsAsTheyWere_data();
    void refusedPositionLeavesTheFieldsAsTheyWere();
    void typedPositionGoesOutAsTypedOrNotAtAll_data();
    void typedPositionGoesOutAsTypedOrNotAtAll();
    void unconfirmedSetIsTold_data();
    void unconfirmedSetIsTold();
    void currentTableShownInCurrentAndCombined();
    void missingTableShowsError();

    void pollingFollowsAcknowledgement();
    void failedStartLeavesTheWindowAsBefore_data();
    void failedStartLeavesTheWindowAsBefore();
    void startAcknowledgedAfterStopGivesNoPoll();
    void choiceOfEntries();
    void userPicksNewEntry();
    void combinedBoxHidesAndShowsNumbers();

    void saveRestartWritesTableAndRestarts();
    void untouchedEntriesKeepTheirPrecision();
    void typedCombinedEntryGoesOutAsTypedOrNotAtAll_data();
    void typedCombinedEntryGoesOutAsTypedOrNotAtAll();
    void saveRestartBeforeAnyTableWritesNothing();
    void failedWriteReadsBackAndTells_data();
    void failedWriteReadsBackAndTells();
    void windowClosedAfterWriteSendsNothingMore();

    void screenshots_data();
    void screenshots();
    void failureScreenshots_data();
    void failureScreenshots();
};
