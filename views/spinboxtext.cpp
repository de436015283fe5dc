#include "spinboxtext.h"

#include <QLineEdit>
#include <QRegularExpression>

namespace SpinBoxText {

void numberSpan(const QString &text, const QString &prefix, const QString &suffix, int &from, int &length)
{
    from = text.startsWith(prefix) ? prefix.size() : 0;
    const int end = text.size() - (suffix.isEmpty() || !text.endsWith(suffix) ? 0 : suffix.size());
    length = qMax(0, end - from);
}

QString numberOf(const QString &text, const QString &prefix, const QString &suffix)
{
    int from = 0, length = 0;
    numberSpan(text, prefix, suffix, from, length);
    return text.mid(from, length).trimmed();
}

bool isNumberSoFar(const QString &number)
{
    const QString written = TypedNumber::withDecimalPoint(number, QLatin1Char('.'));
    bool ok = false;
    written.toDouble(&ok);
    if (ok)
        return true;
    // Made of what numbers are made of ("168,5,5", "1e", "-"): kept whole and refused
    // whole when the edit ends, so that no digit typed after a refused key joins the
    // number. Letters and the like are refused as keys.
    static const QRegularExpression start(QStringLiteral("^[0-9.eE+-]*$"));
    return start.match(written).hasMatch();
}

void judge(QAbstractSpinBox *box, const QString &why)
{
    if (why.isEmpty())
        TypedNumber::unmark(box);
    else
        TypedNumber::mark(box, why);
}

void unmarkOnEdit(QAbstractSpinBox *box)
{
    if (QLineEdit *edit = box->findChild<QLineEdit *>())
        QObject::connect(edit, &QLineEdit::textEdited, box, [box] { TypedNumber::unmark(box); });
}

} // namespace SpinBoxText
