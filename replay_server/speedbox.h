#pragma once

#include <QSpinBox>

// The speed field of the replay window, a whole number of lines per second. Qt's own
// spin box drops a comma as a thousands separator ("1,5" as 15) and refuses a point key,
// so that the digits after it join the number ("1.5" as 15). Here a text with a comma or
// a point is kept as typed and, when the edit ends, refused: the field is marked, the
// log pane says why, and the speed stays the one from before the edit.
class SpeedBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit SpeedBox(QWidget *parent = nullptr);

    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};
