#pragma once

#include <QFont>
#include <QHash>
#include <QMap>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QVector>
#include <QWidget>

#include "icontroller.h"
#include "imodel.h"
#include "satellitetypes.h"

class Controller;
class Model;
class QLabel;
class QStandardItem;
class QStandardItemModel;
class QTableView;

namespace Ui {
class SatelliteTablesWidget;
}

// The satellites in view, one table per system, with the used satellites marked and a
// "used/in view" counter above each table. Rows stay where they first appeared: a
// satellite still in view is rewritten in its row, one that left loses its row, a new
// one is appended. An empty list leaves the rows as they are and greys them; a system
// the receiver no longer reports loses its rows.
class SatelliteTablesWidget : public QWidget, public IController, public IModel
{
    Q_OBJECT

public:
    explicit SatelliteTablesWidget(QWidget *parent = nullptr);
    ~SatelliteTablesWidget() override;

    void setController(Controller *controller) override;
    void setModel(Model *model) override;

    // Empties every table; the general information window calls it when it is cleared.
    void clearWindow();

private slots:
    void setUsedSatellites(SatNavSysEnum navSys, QSet<int> usedSatelliteIds);
    void setSatellites(SatNavSysEnum navSys, QVector<SatelliteInfo> info);
    void clearSatellites(SatNavSysEnum navSys);
    void deleteInfo();

private:
    void showSatellites(SatNavSysEnum navSys, const QVector<SatelliteInfo> &info);
    void emptyTable(SatNavSysEnum navSys);
    void setupTable(QTableView *table, QStandardItemModel *model);
    void setHeaderLabels(QStandardItemModel *model);
    void fitTableHeight(QTableView *table);
    void fitColumns(QTableView *table);
    int headerHeight(QTableView *table);
    void removeAbsentRows(QStandardItemModel *model, const QVector<SatelliteInfo> &info);
    void updateRow(QStandardItemModel *model, const SatelliteInfo &info, bool used);
    int findRow(QStandardItemModel *model, int number) const;
    QStandardItem *createItem(const QString &text) const;
    void setItemActive(QStandardItem *item, bool active);
    void setLabelActive(QLabel *label, bool active);
    void updateCounter(SatNavSysEnum navSys);
    void pruneUsedSatellites(SatNavSysEnum navSys);
    // A number of the satellite record, or emptyValueText when the receiver left it out.
    QString valueText(int value) const;

    Ui::SatelliteTablesWidget *ui;
    QPointer<Controller> controller;
    QString emptyValueText;
    QMap<SatNavSysEnum, QTableView *> tables;
    QMap<SatNavSysEnum, QStandardItemModel *> models;
    QMap<SatNavSysEnum, QLabel *> counterLabels;
    QMap<SatNavSysEnum, QSet<int>> usedSatellites;
    struct HeaderHeight
    {
        QFont font;
        int height = -1;
    };
    QHash<const QTableView *, HeaderHeight> headerHeights;
};
