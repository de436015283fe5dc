#include "appendlog.h"

#include <QTextEdit>

QPointer<QTextEdit> logPane;

namespace {
const int maxPaneCharacters = 24000;
}

void appendLog(const QString &message)
{
    QTextEdit *pane = logPane.data();
    if (!pane)
        return;
    if (pane->toPlainText().size() > maxPaneCharacters)
        pane->clear();
    pane->append(message);
}
