#include "pacedturn.h"

#include "framepacer.h"

PacedTurn::PacedTurn(QObject *target)
    : QPropertyAnimation(target, QByteArrayLiteral("rotation"), target)
{
}

void PacedTurn::updateCurrentValue(const QVariant &value)
{
    const bool atEnd = currentTime() >= duration();
    if (!atEnd && sinceMove.isValid() && sinceMove.elapsed() < FramePacer::frameMs)
        return;
    sinceMove.start();
    QPropertyAnimation::updateCurrentValue(value);
}
