#include "delay.h"

#include <QCoreApplication>
#include <QElapsedTimer>

void delay(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    // Rounds are summed in nanoseconds: most rounds take well under a millisecond, and
    // summing whole milliseconds would add zero for each of them and never finish.
    const qint64 wanted = qint64(milliseconds) * 1000000;
    qint64 spent = 0;
    QElapsedTimer round;
    while (spent < wanted) {
        round.restart();
        QCoreApplication::processEvents();
        spent += round.nsecsElapsed();
    }
}
