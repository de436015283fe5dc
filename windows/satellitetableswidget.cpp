#include "satellitetableswidget.h"
#include "ui_satellitetableswidget.h"

#include <QBrush>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QStyle>
#include <QTableView>

#include <algorithm>

#include "controller.h"
#include "framepacer.h"
#include "sentencehandler.h"
#include "windowpattern.h"

namespace {

enum Column { ColumnFixed, ColumnNumber, ColumnSnr, ColumnElevation, ColumnAzimuth, ColumnCount };

const ConnectionTable &sentenceHandlerConnections()
{
    static const ConnectionTable table = {
        {SIGNAL(setUsedSatellites(SatNavSysEnum, QSet<int>)),
         SLOT(setUsedSatellites(SatNavSysEnum, QSet<int>))},
        {SIGNAL(setSatellites(SatNavSysEnum, QVector<SatelliteInfo>)),
         SLOT(setSatellites(SatNavSysEnum, QVector<SatelliteInfo>))},
        {SIGNAL(clearSatellites(SatNavSysEnum)), SLOT(clearSatellites(SatNavSysEnum))},
    };
    return table;
}

const QChar checkMark(0x2713);

} // namespace

SatelliteTablesWidget::SatelliteTablesWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SatelliteTablesWidget)
    , controller(nullptr)
    , emptyValueText(QStringLiteral("-"))
{
    ui->setupUi(this);

    const struct {
        SatNavSysEnum navSys;
        QTableView *table;
        QLabel *counter;
    } systems[] = {
        {NavSysGPS, ui->tableGPS, ui->labelFixedGPS},
        {NavSysGLONASS, ui->tableGLONASS, ui->labelFixedGLONASS},
        {NavSysBeiDou, ui->tableBeiDou, ui->labelFixedBeiDou},
        {NavSysGalileo, ui->tableGalileo, ui->labelFixedGalileo},
        {NavSysNavIC, ui->tableIRNSS, ui->labelFixedIRNSS},
        {NavSysSBAS, ui->tableSBAS, ui->labelFixedSBAS},
    };
    for (const auto &system : systems) {
        tables.insert(system.navSys, system.table);
        models.insert(system.navSys, new QStandardItemModel(this));
        counterLabels.insert(system.navSys, system.counter);
    }
    for (const auto &system : systems)
        setupTable(system.table, models.value(system.navSys));
}

SatelliteTablesWidget::~SatelliteTablesWidget()
{
    delete ui;
}

void SatelliteTablesWidget::setController(Controller *newController)
{
    QObject *oldHandler = sentenceHandlerOf(controller);
    QObject *newHandler = sentenceHandlerOf(newController);
    controller = newController;
    moveConnections(oldHandler, newHandler, this, sentenceHandlerConnections());
}

void SatelliteTablesWidget::setModel(Model *)
{
}

void SatelliteTablesWidget::clearWindow()
{
    dropPaced(this);
    deleteInfo();
}

void SatelliteTablesWidget::setUsedSatellites(SatNavSysEnum navSys, QSet<int> usedSatelliteIds)
{
    // Shown with the next satellite list of that system.
    usedSatellites[navSys] = usedSatelliteIds;
}

void SatelliteTablesWidget::setSatellites(SatNavSysEnum navSys, QVector<SatelliteInfo> info)
{
    if (!tables.contains(navSys))
        return;
    // Each system's table shows its newest list, marked with the newest used set.
    paced(this, int(navSys), !info.isEmpty(), [this, navSys, info] { showSatellites(navSys, info); });
}

void SatelliteTablesWidget::clearSatellites(SatNavSysEnum navSys)
{
    if (!tables.contains(navSys))
        return;
    // The system is no longer reported: its rows go, and a list still held for the next
    // frame with them.
    paced(this, int(navSys), true, [this, navSys] { emptyTable(navSys); });
}

void SatelliteTablesWidget::emptyTable(SatNavSysEnum navSys)
{
    QStandardItemModel *model = models.value(navSys);
    model->removeRows(0, model->rowCount());
    usedSatellites.remove(navSys);
    fitTableHeight(tables.value(navSys));
    QLabel *counter = counterLabels.value(navSys);
    counter->setText(QStringLiteral("0/0"));
    setLabelActive(counter, false);
}

void SatelliteTablesWidget::showSatellites(SatNavSysEnum navSys, const QVector<SatelliteInfo> &info)
{
    QTableView *table = tables.value(navSys);
    QStandardItemModel *model = models.value(navSys);

    if (info.isEmpty()) {
        // The message was switched off or the series came empty: the last satellites stay
        // readable, marked as stale.
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column)
                setItemActive(model->item(row, column), false);
        }
        setLabelActive(counterLabels.value(navSys), false);
        return;
    }

    removeAbsentRows(model, info);
    const QSet<int> used = usedSatellites.value(navSys);
    for (const SatelliteInfo &satellite : qAsConst(info))
        updateRow(model, satellite, used.contains(satellite.number));
    fitTableHeight(table);
    updateCounter(navSys);
}

void SatelliteTablesWidget::deleteInfo()
{
    for (auto it = models.cbegin(); it != models.cend(); ++it) {
        it.value()->clear();
        QLabel *counter = counterLabels.value(it.key());
        counter->setText(QStringLiteral("0/0"));
        setupTable(tables.value(it.key()), it.value());
        setLabelActive(counter, false);
    }
}

void SatelliteTablesWidget::setupTable(QTableView *table, QStandardItemModel *model)
{
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->hide();
    setHeaderLabels(model);
    table->setModel(model);
    headerHeights.remove(table);
    fitTableHeight(table);
    fitColumns(table);
}

void SatelliteTablesWidget::setHeaderLabels(QStandardItemModel *model)
{
    model->setHorizontalHeaderLabels({tr("FX"), tr("PRN"), tr("C/No"), tr("El, °"), tr("Az, °")});
}

void SatelliteTablesWidget::fitColumns(QTableView *table)
{
    // The columns share the table's width equally; the table is wide enough for each to
    // hold the widest header or value of any of them (a two-band C/No, a three-digit
    // number), so no value is cut.
    const QFontMetrics metrics(table->font());
    const int cellMargins = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    int widest = 0;
    for (const QString &value : {QStringLiteral("88/88"), QStringLiteral("888"), QString(checkMark)})
        widest = std::max(widest, metrics.horizontalAdvance(value) + cellMargins);
    QHeaderView *header = table->horizontalHeader();
    for (int section = 0; section < header->count(); ++section)
        widest = std::max(widest, header->sectionSizeHint(section));
    header->setMinimumSectionSize(widest);
    table->setMinimumWidth(widest * header->count() + 2 * table->frameWidth());
}

void SatelliteTablesWidget::fitTableHeight(QTableView *table)
{
    // The table never scrolls: the scroll area of the window around it does. The header's
    // size hint is the height the view gives it, also before the view was ever laid out.
    int height = headerHeight(table) + 2;
    const int rows = table->model() ? table->model()->rowCount() : 0;
    for (int row = 0; row < rows; ++row)
        height += table->rowHeight(row);
    table->setMinimumHeight(height);
}

int SatelliteTablesWidget::headerHeight(QTableView *table)
{
    // The header's size hint lays out the text of every section, and the tables are
    // fitted with every satellite list; its height changes only with the font (new
    // labels come through setupTable, which forgets it).
    QHeaderView *header = table->horizontalHeader();
    HeaderHeight &cached = headerHeights[table];
    if (cached.height < 0 || cached.font != header->font()) {
        cached.font = header->font();
        cached.height = header->sizeHint().height();
    }
    return cached.height;
}

void SatelliteTablesWidget::removeAbsentRows(QStandardItemModel *model,
                                             const QVector<SatelliteInfo> &info)
{
    int row = 0;
    while (row < model->rowCount()) {
        const QStandardItem *numberItem = model->item(row, ColumnNumber);
        const int number = numberItem ? numberItem->text().toInt() : 0;
        const bool listed = std::any_of(info.cbegin(), info.cend(), [number](const SatelliteInfo &s) {
            return s.number == number;
        });
        if (listed)
            ++row;
        else
            model->removeRow(row);
    }
}

void SatelliteTablesWidget::updateRow(QStandardItemModel *model, const SatelliteInfo &info, bool used)
{
    const QString fixed = used ? QString(checkMark) : QString();
    const QString snr = QStringLiteral("%1/%2").arg(valueText(info.snr1), valueText(info.snr2));
    const QString elevation = valueText(info.elevation);
    const QString azimuth = valueText(info.azimuth);

    const int row = findRow(model, info.number);
    if (row < 0) {
        model->appendRow({createItem(fixed), createItem(QString::number(info.number)), createItem(snr),
                          createItem(elevation), createItem(azimuth)});
        return;
    }
    model->item(row, ColumnFixed)->setText(fixed);
    model->item(row, ColumnSnr)->setText(snr);
    model->item(row, ColumnElevation)->setText(elevation);
    model->item(row, ColumnAzimuth)->setText(azimuth);
    for (int column = 0; column < ColumnCount; ++column)
        setItemActive(model->item(row, column), true);
}

int SatelliteTablesWidget::findRow(QStandardItemModel *model, int number) const
{
    for (int row = 0; row < model->rowCount(); ++row) {
        const QStandardItem *numberItem = model->item(row, ColumnNumber);
        if (numberItem && numberItem->text().toInt() == number)
            return row;
    }
    return -1;
}

QStandardItem *SatelliteTablesWidget::createItem(const QString &text) const
{
    auto *item = new QStandardItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

void SatelliteTablesWidget::setItemActive(QStandardItem *item, bool active)
{
    if (item)
        item->setForeground(QBrush(active ? Qt::black : Qt::darkGray));
}

void SatelliteTablesWidget::setLabelActive(QLabel *label, bool active)
{
    setValueStyle(label, active);
}

void SatelliteTablesWidget::updateCounter(SatNavSysEnum navSys)
{
    QStandardItemModel *model = models.value(navSys);
    if (usedSatellites.value(navSys).size() > model->rowCount())
        pruneUsedSatellites(navSys);
    QLabel *counter = counterLabels.value(navSys);
    counter->setText(QStringLiteral("%1/%2").arg(usedSatellites.value(navSys).size()).arg(model->rowCount()));
    setLabelActive(counter, true);
}

void SatelliteTablesWidget::pruneUsedSatellites(SatNavSysEnum navSys)
{
    QStandardItemModel *model = models.value(navSys);
    QSet<int> shown;
    for (int row = 0; row < model->rowCount(); ++row)
        shown.insert(model->item(row, ColumnNumber)->text().toInt());
    usedSatellites[navSys].intersect(shown);
}

QString SatelliteTablesWidget::valueText(int value) const
{
    return SatelliteInfo::isUnknown(value) ? emptyValueText : QString::number(value);
}
