#include "windowpattern.h"

#include <QLineEdit>
#include <QObject>
#include <QWidget>

#include <cmath>

#include "controller.h"
#include "geocoordinate.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "sentencehandler.h"

void moveConnections(QObject *oldSender, QObject *newSender, QObject *receiver,
                     const ConnectionTable &table)
{
    if (oldSender == newSender && oldSender) {
        // Same sender again: make sure each pair stands exactly once.
        for (const SignalSlot &pair : table)
            QObject::connect(newSender, pair.signal, receiver, pair.slot, Qt::UniqueConnection);
        return;
    }
    if (oldSender) {
        for (const SignalSlot &pair : table)
            QObject::disconnect(oldSender, pair.signal, receiver, pair.slot);
    }
    if (newSender) {
        for (const SignalSlot &pair : table)
            QObject::connect(newSender, pair.signal, receiver, pair.slot);
    }
}

void setValueStyle(QWidget *widget, bool valid)
{
    if (!widget)
        return;
    // Every setStyleSheet re-polishes the widget, even with the text it has; at ten
    // values a second in every field that was a third of the time a session took.
    const QString sheet = valid ? QStringLiteral("color: black") : QStringLiteral("color: gray");
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
}

void setFieldText(QLineEdit *edit, const QString &text)
{
    if (!edit)
        return;
    // The same value comes many times an epoch (HDOP in GGA and every GSA); laying the
    // field out again for it was the largest cost of a received line.
    if (edit->cursorPosition() == 0 && edit->text() == text)
        return;
    edit->setText(text);
    edit->setCursorPosition(0);
}

void clearLineEdits(QWidget *root, const QStringList &spared)
{
    if (!root)
        return;
    const QList<QLineEdit *> edits = root->findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits) {
        if (!spared.contains(edit->objectName()))
            edit->clear();
    }
}

QObject *sentenceHandlerOf(Controller *controller)
{
    return controller ? controller->sentenceHandler() : nullptr;
}

QObject *parserOf(Controller *controller)
{
    return controller ? controller->parser() : nullptr;
}

QObject *readerOf(Controller *controller)
{
    return controller ? controller->reader() : nullptr;
}

namespace {

// 88° 58' 58.888888" and 178° 58' 58.888888", at the most northern, southern, eastern
// and western: the longest angles in every format, with each hemisphere letter.
const double widestLatitude = 88.0 + 58.0 / 60 + 58.888888 / 3600;
const double widestLongitude = 178.0 + 58.0 / 60 + 58.888888 / 3600;
const double degree = M_PI / 180.0;

const GeoCoordinate widestPositions[] = {
    GeoCoordinate(widestLatitude * degree, widestLongitude * degree, 18888.8888),
    GeoCoordinate(-widestLatitude * degree, -widestLongitude * degree, -8888.8888),
};

} // namespace

QStringList widestLatitudeTexts(const QVector<int> &formats)
{
    QStringList texts;
    for (const GeoCoordinate &position : widestPositions) {
        for (int format : formats)
            texts << position.latitudeToString(format);
    }
    return texts;
}

QStringList widestLongitudeTexts(const QVector<int> &formats)
{
    QStringList texts;
    for (const GeoCoordinate &position : widestPositions) {
        for (int format : formats)
            texts << position.longitudeToString(format);
    }
    return texts;
}

QStringList widestHeightTexts()
{
    QStringList texts;
    for (const GeoCoordinate &position : widestPositions)
        texts << position.heightToString();
    return texts;
}

QStringList widestEcefTexts(int decimals)
{
    return {QString::number(-6378137.0, 'f', decimals)};
}
