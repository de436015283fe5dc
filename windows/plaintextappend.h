#pragma once

class QPlainTextEdit;
class QString;

// Appends text at the end of a log view whose document keeps a maximum number of
// paragraphs, dropping the oldest paragraphs that the new ones push out before adding
// them, in one edit.
//
// The document's own limit drops them after the insertion by walking a cursor over
// them one paragraph at a time, which lays out (and shapes) every line it drops: at a
// receiver's rate that was most of the log window's time, and a hex line is 2048
// characters long. With newParagraph the text starts a paragraph of its own, as
// appendPlainText() does; without it, it continues the last one (each log line brings its
// own line end). The view keeps the same paragraphs either way.
void appendWithinLimit(QPlainTextEdit *edit, const QString &text, bool newParagraph);
