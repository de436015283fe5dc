#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QVector>
#include <QWidget>

#include "icontroller.h"

class Controller;
class QLineEdit;
class QRegExpValidator;
class Ui_CommandBuilderWidget;

// A page on which the user assembles one binary command frame by hand: group ("Type"),
// sub-id ("ID") and a payload of up to four hex bytes or a whole file. "Send" writes the
// frame straight to the receiver link, outside the command engine's queue: no time-out,
// no reply matching, no report.
class CommandBuilderWidget : public QWidget, public IController
{
    Q_OBJECT

public:
    explicit CommandBuilderWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~CommandBuilderWidget() override;

    void setController(Controller *controller) override;

private slots:
    void on_btnBrowse_clicked();
    void on_btnSend_clicked();
    void fieldChanged();
    void on_editFileName_textChanged(const QString &fileName);
    void on_editType_textChanged();
    void on_editId_textChanged();
    void on_radBtnFile_toggled(bool checked);
    void on_radBtnManually_toggled(bool checked);
    void on_btnClearFields_clicked();
    void fieldBytesChanged();

private:
    QByteArray buildPayload(bool reportErrors, bool &ok);
    bool requiredFieldsFilled() const;
    void collectBlankFields();
    void markFieldFilled(QLineEdit *field);
    void fillByteGaps();
    int filledByteCount() const;
    void showFileOpenError();
    void showFileTooLarge();
    void showIncorrectValue(const QString &text);
    void updateValidationHint();

    Ui_CommandBuilderWidget *ui;
    QPointer<Controller> controller;
    QVector<QLineEdit *> byteFields;
    QList<QLineEdit *> blankFields;
    QRegExpValidator *validator = nullptr;
};
