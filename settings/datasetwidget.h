#pragma once

#include <QList>
#include <QPair>
#include <QVector>

#include "abstractconfigurationwidget.h"

class QCheckBox;

namespace Ui {
class DataSetWidget;
}

// "DataSet": which output messages the receiver sends, one check box per message, and
// the period of GSV. Messages the user switches off are reported to the parser proxy,
// so the monitor windows show their values as not valid rather than keep them.
class DataSetWidget : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    explicit DataSetWidget(QWidget *parent = nullptr);
    ~DataSetWidget() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

private slots:
    void dataSetChanged(QVector<bool> dataSet);
    void gsvPeriodChanged(unsigned char period);
    void requestError(QPair<MsgType, unsigned char> request);

private:
    void clearDataSet();
    void clearGsvPeriod();
    QVector<int> checkedMessages() const;

    Ui::DataSetWidget *ui;
    // In the order of the output message numbers, which is also the order of the
    // engine's data-set flags.
    QList<QPair<QCheckBox *, int>> dataSetBoxes;
    QVector<int> receivedDataSet;
    QVector<int> currentDataSet;
    // Whether receivedDataSet is the receiver's: false until a reply, after a clear.
    bool dataSetKnown = false;
    int receivedGsvPeriod = -1;
    int currentGsvPeriod = -1;
};
