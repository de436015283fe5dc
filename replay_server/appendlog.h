#pragma once

#include <QPointer>
#include <QString>

class QTextEdit;

// The window's log pane. The window points it at its log field when it is built and clears
// it when it goes; while it is empty appendLog writes nowhere.
extern QPointer<QTextEdit> logPane;

// Writes one line into the log pane. The pane is a small fixed-height field that nobody
// scrolls back through, so once it holds more than 24000 characters it is emptied first.
void appendLog(const QString &message);
