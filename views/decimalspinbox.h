#pragma once

#include <QDoubleSpinBox>

#include "typednumber.h"

// A QDoubleSpinBox in which a decimal comma and a decimal point are both the decimal
// point, under any system locale: Qt's own box takes the other locale's mark for a
// thousands separator ("168,5" as 1685 m) or refuses the key and joins the digits that
// follow ("168.5" as 1685 under a Russian locale). A number outside the box's range is
// kept as typed and, when the edit ends, refused: the box is marked with the reason and
// shows its last value again; a key that makes no number at all is refused as ever.
class DecimalSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit DecimalSpinBox(QWidget *parent = nullptr);

    QValidator::State validate(QString &input, int &pos) const override;
    double valueFromText(const QString &text) const override;
    void fixup(QString &input) const override;

private:
    TypedNumber rule() const;
    QString inLocale(const QString &text) const;
};
