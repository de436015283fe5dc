#include "plaintextappend.h"

#include <QPlainTextEdit>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

void appendWithinLimit(QPlainTextEdit *edit, const QString &text, bool newParagraph)
{
    QTextDocument *document = edit->document();
    const int limit = document->maximumBlockCount();
    const int lines = int(text.count(QLatin1Char('\n')));
    // An empty document has one empty paragraph, which a new paragraph fills rather than
    // follows.
    const int added = lines + (newParagraph && !document->isEmpty() ? 1 : 0);

    QTextCursor cursor(document);
    // Inside an edit block the cursor is not laid out as it moves.
    cursor.beginEditBlock();
    if (limit > 0) {
        const int excess = document->blockCount() + added - limit;
        if (excess > 0) {
            const QTextBlock firstKept = document->findBlockByNumber(excess);
            cursor.setPosition(0);
            if (firstKept.isValid())
                cursor.setPosition(firstKept.position(), QTextCursor::KeepAnchor);
            else
                cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
    }
    cursor.movePosition(QTextCursor::End);
    if (newParagraph && !document->isEmpty())
        cursor.insertBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
}
