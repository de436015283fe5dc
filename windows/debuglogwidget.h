#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "debugtablecolumn.h"
#include "icontroller.h"
#include "imodel.h"
#include "interfacemode.h"

class Controller;
class Model;

namespace Ui {
class DebugLogWidget;
}

// "Debug log": the receiver's diagnostic lines, those that begin with "Debug:". A line
// whose remainder is JSON rebuilds the table pane from its "DebugTable"; any other
// diagnostic line is appended to the log pane. Every other line is ignored here.
class DebugLogWidget : public QWidget, public IController, public IModel
{
    Q_OBJECT

public:
    explicit DebugLogWidget(QWidget *parent = nullptr);
    ~DebugLogWidget() override;

    void setController(Controller *controller) override;
    void setModel(Model *model) override;

    // Whether a received line is one of the receiver's diagnostic lines (any letter case).
    static bool isDebugLine(const QString &text);

    static const QString debugPrefix;
    static const QString blankCellMark;

public slots:
    // Empties both panes.
    void clearWindow();

private slots:
    void dataRead(QByteArray data, InterfaceMode mode);

private:
    DebugTableColumn readColumn(const QJsonObject &object) const;
    QList<DebugTableColumn> parseDebugTable(const QJsonDocument &document) const;
    QStringList formatDebugTable(const QList<DebugTableColumn> &columns) const;
    void showDebugTable(const QStringList &lines);

    Ui::DebugLogWidget *ui;
    QPointer<Controller> controller;
};
