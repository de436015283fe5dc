#pragma once

#include <QElapsedTimer>
#include <QPropertyAnimation>

// The turn of a course picture to a new angle. It moves the picture at most once per
// frame of the workspace, and always onto its end: each move repaints the dial under
// the picture, and the animation's own pace (about 60 a second) shows no more than the
// other views' frame does.
class PacedTurn : public QPropertyAnimation
{
    Q_OBJECT

public:
    // Turns target's "rotation"; the turn is a child of target.
    explicit PacedTurn(QObject *target);

protected:
    void updateCurrentValue(const QVariant &value) override;

private:
    QElapsedTimer sinceMove;
};
