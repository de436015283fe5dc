#include "debuglogwidget.h"
#include "ui_debuglogwidget.h"

#include <QFontDatabase>
#include <QHash>
#include <QJsonArray>
#include <QJsonParseError>
#include <QJsonValue>
#include <QVariant>

#include <algorithm>

#include "controller.h"
#include "parserproxy.h"
#include "windowpattern.h"

namespace {

const ConnectionTable &parserConnections()
{
    static const ConnectionTable table = {
        {SIGNAL(dataParsed(QByteArray, InterfaceMode)), SLOT(dataRead(QByteArray, InterfaceMode))},
    };
    return table;
}

const QString separator = QStringLiteral(" | ");

} // namespace

const QString DebugLogWidget::debugPrefix = QStringLiteral("Debug:");
const QString DebugLogWidget::blankCellMark = QStringLiteral("@");

DebugLogWidget::DebugLogWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DebugLogWidget)
    , controller(nullptr)
{
    ui->setupUi(this);
    // The table's columns only line up in a fixed-pitch font.
    const QFont fixedFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    ui->editLog->setFont(fixedFont);
    ui->editTable->setFont(fixedFont);
}

DebugLogWidget::~DebugLogWidget()
{
    delete ui;
}

void DebugLogWidget::setController(Controller *newController)
{
    Controller *old = controller;
    controller = newController;
    moveConnections(parserOf(old), parserOf(newController),
                    this, parserConnections());
}

void DebugLogWidget::setModel(Model *)
{
}

bool DebugLogWidget::isDebugLine(const QString &text)
{
    return text.startsWith(debugPrefix, Qt::CaseInsensitive);
}

void DebugLogWidget::clearWindow()
{
    ui->editTable->clear();
    ui->editLog->clear();
}

void DebugLogWidget::dataRead(QByteArray data, InterfaceMode mode)
{
    Q_UNUSED(mode)
    // The receiver writes C strings: a NUL ends the text.
    const int nul = data.indexOf('\0');
    const QString text = QString::fromUtf8(data.constData(), nul < 0 ? data.size() : nul);
    if (!isDebugLine(text))
        return;

    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(text.mid(debugPrefix.size()).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
        ui->editLog->appendPlainText(text.trimmed());
        return;
    }
    showDebugTable(formatDebugTable(parseDebugTable(document)));
}

DebugTableColumn DebugLogWidget::readColumn(const QJsonObject &object) const
{
    DebugTableColumn column;
    if (object.isEmpty())
        return column;
    // Keys are held sorted, so this is the member with the smallest key; a column object
    // carries one member, any others are ignored.
    const auto first = object.constBegin();
    column.name = first.key();
    if (!first.value().isArray())
        return column;
    const QJsonArray values = first.value().toArray();
    for (const QJsonValue &value : values) {
        if (value.isDouble())
            column.values.append(QStringLiteral("%1").arg(value.toDouble(), 0, 'g', 8, QLatin1Char(' ')));
        else
            column.values.append(value.toVariant().toString());
    }
    return column;
}

QList<DebugTableColumn> DebugLogWidget::parseDebugTable(const QJsonDocument &document) const
{
    QList<DebugTableColumn> columns;
    if (!document.isObject())
        return columns;
    const QJsonValue table = document.object().value(QStringLiteral("DebugTable"));
    if (!table.isArray())
        return columns;
    const QJsonArray elements = table.toArray();
    for (const QJsonValue &element : elements) {
        if (element.isObject())
            columns.append(readColumn(element.toObject()));
    }
    return columns;
}

QStringList DebugLogWidget::formatDebugTable(const QList<DebugTableColumn> &columns) const
{
    // Columns of the same name share one width, and the last of them sets it.
    QHash<QString, int> widths;
    int rows = 0;
    for (const DebugTableColumn &column : columns) {
        int width = column.name.size();
        for (const QString &value : column.values)
            width = std::max(width, int(value.size()));
        widths.insert(column.name, width);
        rows = std::max(rows, int(column.values.size()));
    }

    QStringList lines;
    for (int i = 0; i < rows + 2; ++i)
        lines.append(QString());
    for (const DebugTableColumn &column : columns) {
        const int width = widths.value(column.name);
        lines[0] += column.name.rightJustified(width) + separator;
        lines[1] += QString(width + separator.size(), QLatin1Char('-'));
        for (int row = 0; row < rows; ++row) {
            QString cell;
            if (row >= column.values.size())
                cell = QString(width, QLatin1Char(' '));
            else if (column.values.at(row) == blankCellMark)
                cell = QString(width, QLatin1Char('-'));
            else
                cell = column.values.at(row).rightJustified(width);
            lines[row + 2] += cell + separator;
        }
    }
    return lines;
}

void DebugLogWidget::showDebugTable(const QStringList &lines)
{
    // One paragraph per line; an empty line still takes its paragraph.
    ui->editTable->clear();
    ui->editTable->setPlainText(lines.join(QLatin1Char('\n')));
}
