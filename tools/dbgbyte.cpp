#include "dbgbyte.h"

#include <QIntValidator>

#include "binaryconfigurator.h"
#include "controller.h"
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

int DBGByte::acceptedValue(const QLineEdit *field)
{
    // QIntValidator lets "256" to "999" stand as intermediate input; only an acceptable
    // text is a byte, otherwise its low 8 bits would go out (256 as 00).
    if (field->text().isEmpty() || !field->hasAcceptableInput())
        return -1;
    return field->text().toInt();
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
