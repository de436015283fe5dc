#pragma once

// The recipe every monitor window follows.
//
// - The form is built in the constructor.
// - setModel/setController move a table of text-signature connections from the object
//   held before to the new one (moveConnections): the old sender is disconnected by the
//   same signatures, the caller stores the new pointer, and the table is connected again
//   when the new sender is not null. The Controller and the Model are held in QPointer:
//   on disconnect they are deleted before the workspace, so a window never touches them
//   late, and no destructor calls setController(nullptr).
// - Slots only copy values into widgets: a valid value is written and shown black, an
//   invalid one leaves the text as it was and shows it grey (setValueStyle).
// - clearWindow() empties the fields (clearLineEdits) and views, never the connections.

#include <QStringList>
#include <QVector>

class QLineEdit;
class Controller;
class QObject;
class QWidget;

struct SignalSlot {
    const char *signal; // SIGNAL(...) text
    const char *slot;   // SLOT(...) or SIGNAL(...) text
};

using ConnectionTable = QVector<SignalSlot>;

// Disconnects every pair of the table from oldSender and connects it from newSender;
// either may be null.
void moveConnections(QObject *oldSender, QObject *newSender, QObject *receiver,
                     const ConnectionTable &table);

// "color: black" for a valid value, "color: gray" for one that is not.
void setValueStyle(QWidget *widget, bool valid);

// Writes a value into its field with the cursor at the start, so that a text longer than
// the field shows its first (most significant) characters rather than its end.
void setFieldText(QLineEdit *edit, const QString &text);

// Empties every QLineEdit below root, except those whose object name is in spared.
void clearLineEdits(QWidget *root, const QStringList &spared = QStringList());

// The widest texts a latitude, longitude or height field shows (both hemispheres, each
// angle format listed, every digit a receiver gives), for the field's least width.
QStringList widestLatitudeTexts(const QVector<int> &formats = {2});
QStringList widestLongitudeTexts(const QVector<int> &formats = {2});
QStringList widestHeightTexts();
// The widest ECEF coordinate, on the equator's scale, with the given decimals.
QStringList widestEcefTexts(int decimals);

// The objects of a Controller that the windows connect to; null for no Controller.
QObject *sentenceHandlerOf(Controller *controller);
QObject *parserOf(Controller *controller);
QObject *readerOf(Controller *controller);
