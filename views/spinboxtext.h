#pragma once

#include <QAbstractSpinBox>
#include <QString>

#include "typednumber.h"

// What the typed-number spin boxes share: the number part of a spin box's text, and the
// judging of it by the field's rule once the edit ends.
namespace SpinBoxText {

// Where the number sits in text, between the box's prefix and suffix.
void numberSpan(const QString &text, const QString &prefix, const QString &suffix, int &from, int &length);

// The number part of text, trimmed.
QString numberOf(const QString &text, const QString &prefix, const QString &suffix);

// Whether text is a number, or the start of one, once its commas are points: the key
// that made it is kept, so that what the field shows is what was typed, and the rule
// judges it when the edit ends.
bool isNumberSoFar(const QString &number);

// Marks box with why (the box itself shows its last value again), or clears the mark
// when why is empty.
void judge(QAbstractSpinBox *box, const QString &why);

// Clears box's mark whenever the person edits its text again.
void unmarkOnEdit(QAbstractSpinBox *box);

} // namespace SpinBoxText
