#pragma once

#include <QSpinBox>

#include "typednumber.h"

// A QSpinBox that reads a typed number once, by the rule of whole numbers: Qt's own box
// drops a comma as a thousands separator ("3,6" as 36) and refuses a point key, so that
// the digits after it join the number ("3.6" as 36). Here a decimal comma or point is
// the decimal point: "3600.0" is 3600; "3,6", or a number outside the range, is refused
// when the edit ends, the box marked with the reason and showing its last value again.
class WholeSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit WholeSpinBox(QWidget *parent = nullptr);

    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

private:
    TypedNumber rule() const;
};
