#pragma once

#include <QPointer>
#include <QWidget>

#include "icontroller.h"

class Controller;
class QLineEdit;
class Ui_DBGByte;

// Sends one of the four debug bytes (group 200, sub-ids 0x80 to 0x83) through the
// command engine's queue. What the receiver does with the byte is its own business;
// the window shows no answer.
class DBGByte : public QWidget, public IController
{
    Q_OBJECT

public:
    explicit DBGByte(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~DBGByte() override;

    void setController(Controller *controller) override;

protected slots:
    void on_btnExecute0_clicked();
    void on_btnExecute1_clicked();
    void on_btnExecute2_clicked();
    void on_btnExecute3_clicked();

private:
    // The value of a field that holds a whole number from 0 to 255; -1 otherwise, and
    // the field marked and the person told why.
    int acceptedValue(QLineEdit *field);

    Ui_DBGByte *ui;
    QPointer<Controller> controller;
};
