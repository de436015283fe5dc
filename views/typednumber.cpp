#include "typednumber.h"

#include <QColor>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <QWidget>

#include <cmath>

namespace {

const char RefusalProperty[] = "typedNumberRefusal";
const char OwnStyleProperty[] = "typedNumberOwnStyle";

QString cleanLabel(QString text)
{
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

// The layouts from top to the one holding field, each with the index of the item that
// leads to it.
bool layoutChain(QLayout *layout, const QWidget *field, QVector<QPair<QLayout *, int>> &chain)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == field) {
            chain.prepend({layout, i});
            return true;
        }
        if (QLayout *inner = item->layout()) {
            if (layoutChain(inner, field, chain)) {
                chain.prepend({layout, i});
                return true;
            }
        }
    }
    return false;
}

QLabel *labelOf(QLayoutItem *item)
{
    return item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
}

// A header row holds labels only: no field of its own.
bool isHeaderRow(QGridLayout *grid, int row)
{
    for (int column = 0; column < grid->columnCount(); ++column) {
        QLayoutItem *item = grid->itemAtPosition(row, column);
        if (item && (item->layout() || (item->widget() && !labelOf(item))))
            return false;
    }
    return true;
}

// Appends a label's text unless it only repeats the part before it (a group "Temperature"
// around a row "Temperature:").
void appendPart(QStringList &parts, const QString &text)
{
    if (!text.isEmpty() && (parts.isEmpty() || parts.last() != text))
        parts.append(text);
}

QStringList gridLabels(QGridLayout *grid, int index)
{
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QStringList parts;
    // Column headers above the field, top first.
    for (int above = 0; above < row; ++above) {
        if (!isHeaderRow(grid, above))
            continue;
        if (QLabel *header = labelOf(grid->itemAtPosition(above, column)))
            appendPart(parts, cleanLabel(header->text()));
    }
    // The label of the row: the leftmost label before the field.
    for (int left = 0; left < column; ++left) {
        if (QLabel *label = labelOf(grid->itemAtPosition(row, left))) {
            appendPart(parts, cleanLabel(label->text()));
            break;
        }
    }
    return parts;
}

} // namespace

TypedNumber::TypedNumber(Kind kind, double min, double max)
    : kind(kind)
    , min(min)
    , max(max)
{
}

TypedNumber TypedNumber::whole(qint64 min, qint64 max)
{
    return TypedNumber(Kind::Whole, double(min), double(max));
}

TypedNumber TypedNumber::hexadecimal(quint32 max)
{
    return TypedNumber(Kind::Hexadecimal, 0.0, double(max));
}

TypedNumber TypedNumber::real(double min, double max)
{
    return TypedNumber(Kind::Real, min, max);
}

QString TypedNumber::withDecimalPoint(const QString &text, QChar point)
{
    QString written = text;
    for (QChar &c : written) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            c = point;
    }
    return written;
}

QString TypedNumber::check(const QString &text, qint64 &value) const
{
    double number = 0;
    const QString why = check(text, number);
    if (why.isEmpty())
        value = qint64(number);
    return why;
}

QString TypedNumber::check(const QString &text, double &value) const
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return tr("a number is needed");
    bool ok = false;
    double number = 0;
    switch (kind) {
    case Kind::Hexadecimal: {
        // Digits only: a sign would be read as the low bits of a negative number.
        if (typed.startsWith(QLatin1Char('-')) || typed.startsWith(QLatin1Char('+')))
            return tr("\"%1\" is not a hexadecimal number").arg(typed);
        const qulonglong digits = typed.toULongLong(&ok, 16);
        if (!ok)
            return tr("\"%1\" is not a hexadecimal number").arg(typed);
        if (double(digits) > max)
            return outOfRange(typed);
        value = double(digits);
        return QString();
    }
    case Kind::Whole: {
        const qlonglong digits = typed.toLongLong(&ok, 10);
        if (ok) {
            number = double(digits);
            break;
        }
        number = withDecimalPoint(typed, QLatin1Char('.')).toDouble(&ok);
        if (!ok || std::isnan(number))
            return tr("\"%1\" is not a number").arg(typed);
        if (std::isfinite(number) && number != std::trunc(number))
            return tr("%1 is not a whole number").arg(typed);
        break;
    }
    case Kind::Real: {
        // A Russian user writes the decimal point as a comma; two of them, or a comma and
        // a point, make no number.
        number = withDecimalPoint(typed, QLatin1Char('.')).toDouble(&ok);
        if (!ok || std::isnan(number))
            return tr("\"%1\" is not a number").arg(typed);
        break;
    }
    }
    if (!std::isfinite(number) || number < min || number > max)
        return outOfRange(typed);
    value = number;
    return QString();
}

bool TypedNumber::take(QWidget *field, const QString &text, qint64 &value, QStringList &refusals) const
{
    double number = 0;
    if (!take(field, text, number, refusals))
        return false;
    value = qint64(number);
    return true;
}

bool TypedNumber::take(QWidget *field, const QString &text, double &value, QStringList &refusals) const
{
    const QString why = check(text, value);
    if (why.isEmpty()) {
        unmark(field);
        return true;
    }
    mark(field, why);
    refusals.append(refusal(field, why));
    return false;
}

QString TypedNumber::textOf(double value) const
{
    switch (kind) {
    case Kind::Hexadecimal:
        return QString::number(qulonglong(value), 16);
    case Kind::Whole:
        return QString::number(qlonglong(value));
    case Kind::Real:
        break;
    }
    return QString::number(value, 'g', 6);
}

QString TypedNumber::outOfRange(const QString &typed) const
{
    return tr("%1 is outside %2 to %3").arg(typed, textOf(min), textOf(max));
}

void TypedNumber::mark(QWidget *field, const QString &why)
{
    if (!isMarked(field))
        field->setProperty(OwnStyleProperty, field->styleSheet());
    field->setProperty(RefusalProperty, why);
    field->setToolTip(why);
    const QString own = field->property(OwnStyleProperty).toString();
    field->setStyleSheet(own + QStringLiteral("\nbackground-color: %1;").arg(markColour().name()));
}

void TypedNumber::unmark(QWidget *field)
{
    if (!isMarked(field))
        return;
    field->setStyleSheet(field->property(OwnStyleProperty).toString());
    field->setToolTip(QString());
    field->setProperty(RefusalProperty, QVariant());
    field->setProperty(OwnStyleProperty, QVariant());
}

bool TypedNumber::isMarked(const QWidget *field)
{
    return field->property(RefusalProperty).isValid();
}

QString TypedNumber::markedWhy(const QWidget *field)
{
    return field->property(RefusalProperty).toString();
}

QColor TypedNumber::markColour()
{
    return QColor(0xff, 0xc0, 0xc0);
}

QString TypedNumber::refusal(const QWidget *field, const QString &why)
{
    const QString name = fieldName(field);
    return name.isEmpty() ? why : tr("%1: %2").arg(name, why);
}

QString TypedNumber::fieldName(const QWidget *field)
{
    QStringList parts;
    for (const QWidget *up = field->parentWidget(); up; up = up->parentWidget()) {
        if (const auto *group = qobject_cast<const QGroupBox *>(up)) {
            appendPart(parts, cleanLabel(group->title()));
            break;
        }
        if (up->isWindow())
            break;
    }
    QVector<QPair<QLayout *, int>> chain;
    QWidget *holder = field->parentWidget();
    if (holder && holder->layout())
        layoutChain(holder->layout(), field, chain);
    // The innermost grid names the field by its row and columns; without a grid, or
    // when the grid has no label for it, the label just before the field in its row.
    const int before = parts.size();
    for (int i = chain.size() - 1; i >= 0; --i) {
        if (auto *grid = qobject_cast<QGridLayout *>(chain.at(i).first)) {
            for (const QString &part : gridLabels(grid, chain.at(i).second))
                appendPart(parts, part);
            break;
        }
    }
    if (parts.size() == before && !chain.isEmpty()) {
        QLayout *row = chain.last().first;
        for (int i = chain.last().second - 1; i >= 0; --i) {
            if (QLabel *label = labelOf(row->itemAt(i))) {
                appendPart(parts, cleanLabel(label->text()));
                break;
            }
        }
    }
    return parts.join(QStringLiteral(", "));
}
