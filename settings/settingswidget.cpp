#include "settingswidget.h"
#include "ui_settingswidget.h"

#include "controller.h"
#include "model.h"

SettingsWidget::SettingsWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SettingsWidget)
{
    ui->setupUi(this);
}

SettingsWidget::~SettingsWidget()
{
    delete ui;
}

QWidget *SettingsWidget::placeholder() const
{
    return ui->placeholder;
}

QPushButton *SettingsWidget::saveButton() const
{
    return ui->btnSave;
}

QPushButton *SettingsWidget::refreshButton() const
{
    return ui->btnRefresh;
}

void SettingsWidget::on_btnRefresh_clicked()
{
    readSettings();
}

void SettingsWidget::on_btnSave_clicked()
{
    writeSettings();
}
