#include "datasetwidget.h"
#include "ui_datasetwidget.h"

#include <QCheckBox>

#include "controller.h"
#include "parserproxy.h"

namespace {

const PageConnectionTable connections = {
    {SIGNAL(dataSetChanged(QVector<bool>)), SLOT(dataSetChanged(QVector<bool>))},
    {SIGNAL(gsvPeriodChanged(unsigned char)), SLOT(gsvPeriodChanged(unsigned char))},
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
};

const unsigned char dataSetGetter = 0x09;
const unsigned char gsvPeriodGetter = 0x0A;
const unsigned char dataSetSetter = dataSetGetter + 0x80;
const unsigned char gsvPeriodSetter = gsvPeriodGetter + 0x80;

} // namespace

DataSetWidget::DataSetWidget(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::DataSetWidget)
{
    ui->setupUi(placeholder());
    ui->editGSVPeriod->setValidator(newByteValidator());
    dataSetBoxes = {
        {ui->chBoxTXT, 1},          {ui->chBoxGGA, 2},         {ui->chBoxGSA, 3},
        {ui->chBoxGSV, 4},          {ui->chBoxZDA, 5},         {ui->chBoxVTG, 6},
        {ui->chBoxRMC, 7},          {ui->chBoxGST, 8},         {ui->chBoxHDG_DATA, 9},
        {ui->chBoxRTIME_RDATE, 16}, {ui->chBoxRPOS_ECEF, 17},  {ui->chBoxRVEL_ECEF, 18},
        {ui->chBoxRPOS_LLA, 19},    {ui->chBoxRVEL_ENU, 20},   {ui->chBoxRSOL_ATR, 21},
        {ui->chBoxBPOS_ECEF, 22},   {ui->chBoxGSV_FULL, 23},   {ui->chBoxRSOL_FULL, 24},
        {ui->chBoxRSOL_iFULL, 25},  {ui->chBoxYPR_DEG, 28},    {ui->chBoxHVECT_DATA, 29},
    };
    clearDataSet();
    clearGsvPeriod();
}

DataSetWidget::~DataSetWidget()
{
    delete ui;
}

void DataSetWidget::setController(Controller *newController)
{
    moveConfiguratorConnections(newController, connections);
}

void DataSetWidget::readSettings()
{
    if (!controller)
        return;
    clearDataSet();
    clearGsvPeriod();
    configurator()->requestDataSet();
    configurator()->requestGsvPeriod();
}

void DataSetWidget::writeSettings()
{
    if (!controller)
        return;
    currentDataSet = checkedMessages();
    exchangeLineEditValue(currentGsvPeriod, ui->editGSVPeriod, unsetValue, byteRule());
    if (refuseTyped())
        return;

    bool dataSetDiffers = currentDataSet.size() != receivedDataSet.size();
    for (int message : qAsConst(receivedDataSet))
        dataSetDiffers = dataSetDiffers || !currentDataSet.contains(message);
    QStringList notSent;
    if (dataSetDiffers && !dataSetKnown) {
        // Never read: the boxes left unchecked are not the receiver's outputs, and the
        // whole mask would switch them off.
        notSent.append(ui->groupBox->title());
    } else if (dataSetDiffers) {
        QVector<bool> flags;
        QVector<int> switchedOff;
        for (const auto &box : qAsConst(dataSetBoxes)) {
            flags.append(box.first->isChecked());
            if (receivedDataSet.contains(box.second) && !currentDataSet.contains(box.second))
                switchedOff.append(box.second);
        }
        configurator()->setDataSet(flags);
        // The windows stop showing a message the moment the user switches it off, not
        // when the receiver confirms: its last values would otherwise stay on screen as
        // if they were still arriving.
        controller->parser()->showLastData(switchedOff);
        receivedDataSet = currentDataSet;
    }

    // The period is one byte on the wire; nothing else has a byte to send.
    if (currentGsvPeriod != receivedGsvPeriod && isByte(currentGsvPeriod)) {
        configurator()->setGsvPeriod(quint8(currentGsvPeriod));
        receivedGsvPeriod = currentGsvPeriod;
    }
    readSettings();
    reportNotSent(notSent);
}

void DataSetWidget::dataSetChanged(QVector<bool> dataSet)
{
    QVector<int> messages;
    const int count = qMin(dataSet.size(), dataSetBoxes.size());
    for (int i = 0; i < count; ++i) {
        if (dataSet.at(i))
            messages.append(dataSetBoxes.at(i).second);
    }
    receivedDataSet = currentDataSet = messages;
    dataSetKnown = true;
    for (const auto &box : qAsConst(dataSetBoxes)) {
        if (messages.contains(box.second))
            box.first->setChecked(true);
    }
}

void DataSetWidget::gsvPeriodChanged(unsigned char period)
{
    receivedGsvPeriod = currentGsvPeriod = period;
    ui->editGSVPeriod->setText(QString::number(period, 10));
}

void DataSetWidget::requestError(QPair<MsgType, unsigned char> request)
{
    if (!isOwnRequest(request))
        return;
    switch (request.second) {
    case gsvPeriodGetter:
        clearGsvPeriod();
        break;
    case dataSetGetter:
        clearDataSet();
        break;
    case dataSetSetter:
        configurator()->requestDataSet();
        break;
    case gsvPeriodSetter:
        configurator()->requestGsvPeriod();
        break;
    default:
        break;
    }
}

void DataSetWidget::clearDataSet()
{
    for (const auto &box : qAsConst(dataSetBoxes))
        uncheckButton(box.first);
    receivedDataSet.clear();
    currentDataSet.clear();
    dataSetKnown = false;
}

void DataSetWidget::clearGsvPeriod()
{
    clearLineEdit(ui->editGSVPeriod);
    receivedGsvPeriod = currentGsvPeriod = unsetValue;
}

QVector<int> DataSetWidget::checkedMessages() const
{
    QVector<int> messages;
    for (const auto &box : qAsConst(dataSetBoxes)) {
        if (box.first->isChecked())
            messages.append(box.second);
    }
    return messages;
}
