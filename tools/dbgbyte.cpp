#include "dbgbyte.h"

#include <QIntValidator>

#include "binaryconfigurator.h"
#include "controller.h"
#include "tooldialogs.h"
#include "typednumber.h"
#include "ui_dbgbyte.h"
#include "windowfit.h"

DBGByte::DBGByte(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , ui(new Ui_DBGByte)
{
    ui->setupUi(this);
    for (QLineEdit *field : {ui->editData0, ui->editData1, ui->editData2, ui->editData3})
        field->setValidator(new QIntValidator(0, 255, this));
    fitIntoScreen(this);
}

DBGByte::~DBGByte()
{
    delete ui;
}

void DBGByte::setController(Controller *controller)
{
    this->controller = controller;
}

int DBGByte::acceptedValue(QLineEdit *field)
{
    // QIntValidator lets "256" to "999" stand as intermediate input; only a byte goes
    // out, otherwise its low 8 bits would (256 as 00). The person is told why not.
    qint64 value = 0;
    QStringList refusals;
    if (TypedNumber::whole(0, 255).take(field, field->text(), value, refusals))
        return int(value);
    ToolDialogs::message(this, QMessageBox::Critical, tr("Debug byte"),
                         tr("Nothing was sent: correct the marked field.\n%1").arg(refusals.join(QLatin1Char('\n'))),
                         QMessageBox::Ok);
    return -1;
}

void DBGByte::on_btnExecute0_clicked()
{
    const int value = acceptedValue(ui->editData0);
    if (value >= 0 && controller)
        controller->binaryConfigurator()->setDebugByte0(value);
}

void DBGByte::on_btnExecute1_clicked()
{
    const int value = acceptedValue(ui->editData1);
    if (value >= 0 && controller)
        controller->binaryConfigurator()->setDebugByte1(value);
}

void DBGByte::on_btnExecute2_clicked()
{
    const int value = acceptedValue(ui->editData2);
    if (value >= 0 && controller)
        controller->binaryConfigurator()->setDebugByte2(value);
}

void DBGByte::on_btnExecute3_clicked()
{
    const int value = acceptedValue(ui->editData3);
    if (value >= 0 && controller)
        controller->binaryConfigurator()->setDebugByte3(value);
}
