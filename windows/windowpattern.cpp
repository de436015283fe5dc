#include "windowpattern.h"

#include <QLineEdit>
#include <QObject>
#include <QWidget>

#include "controller.h"
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
