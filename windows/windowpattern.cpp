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
    if (widget)
        widget->setStyleSheet(valid ? QStringLiteral("color: black") : QStringLiteral("color: gray"));
}

void setFieldText(QLineEdit *edit, const QString &text)
{
    if (!edit)
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
