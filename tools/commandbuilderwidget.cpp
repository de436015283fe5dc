#include "commandbuilderwidget.h"

#include <QRegExp>
#include <QRegExpValidator>

#include "binaryconfigurator.h"
#include "controller.h"
#include "pickedfile.h"
#include "readerproxy.h"
#include "tooldialogs.h"
#include "ui_commandbuilderwidget.h"

namespace {

// The hint keeps its place in the layout; it can only be read while it is red.
const char *const HintShownStyle = "QLabel {color:  red; }";
const char *const HintHiddenStyle = "QLabel { color: rgba(0, 0, 0, 0); } ";

// The frame's length field is 16 bits wide: a larger file cannot be described.
const qint64 MaxPayloadFileSize = 0xFFFF;

} // namespace

CommandBuilderWidget::CommandBuilderWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , ui(new Ui_CommandBuilderWidget)
{
    ui->setupUi(this);

    for (QLineEdit *field : {ui->editByte0, ui->editByte1, ui->editByte2, ui->editByte3})
        connect(field, SIGNAL(textChanged(QString)), this, SLOT(fieldBytesChanged()));

    // The page opens in manual mode.
    ui->widgetFromFile->setEnabled(false);
    ui->widgetManually->setEnabled(true);
    ui->radBtnManually->setChecked(true);

    byteFields = {ui->editByte0, ui->editByte1, ui->editByte2, ui->editByte3};

    validator = new QRegExpValidator(QRegExp(QStringLiteral("[0-9a-fA-F]{1,2}")), this);
    ui->editType->setValidator(validator);
    ui->editId->setValidator(validator);
    for (QLineEdit *field : qAsConst(byteFields))
        field->setValidator(validator);

    ui->labelValidationMsg->setStyleSheet(QLatin1String(HintHiddenStyle));
    ui->editN->setText(QStringLiteral("0"));
}

CommandBuilderWidget::~CommandBuilderWidget()
{
    delete ui;
}

void CommandBuilderWidget::setController(Controller *controller)
{
    this->controller = controller;
}

void CommandBuilderWidget::on_btnBrowse_clicked()
{
    const QString fileName = ToolDialogs::openFileName(this, tr("Choose file"));
    if (!fileName.isEmpty())
        ui->editFileName->setText(fileName);
}

void CommandBuilderWidget::on_btnSend_clicked()
{
    if (!requiredFieldsFilled()) {
        collectBlankFields();
        return;
    }
    bool built = false;
    const QByteArray body = buildPayload(true, built);
    // An empty body is what buildBody gives for a payload it cannot describe: never wrapped.
    if (!built || body.isEmpty() || !controller)
        return;
    controller->reader()->sendData(BinaryConfigurator::wrapFrame(body));
}

void CommandBuilderWidget::fieldChanged()
{
    bool built = false;
    const QByteArray body = buildPayload(false, built);
    if (built && !body.isEmpty())
        ui->editCRC->setText(QString::number(BinaryConfigurator::bodyChecksum(body), 16));
    else
        ui->editCRC->clear();
}

void CommandBuilderWidget::on_editFileName_textChanged(const QString &fileName)
{
    markFieldFilled(ui->editFileName);
    qint64 size = 0;
    // Shown only for a file Send would take: one that cannot be opened has no length.
    if (PickedFile::check(fileName, MaxPayloadFileSize, &size) == PickedFile::Problem::None)
        ui->editN->setText(QString::number(size, 16));
    else
        ui->editN->clear();
    fieldChanged();
}

void CommandBuilderWidget::on_editType_textChanged()
{
    markFieldFilled(ui->editType);
    fieldChanged();
}

void CommandBuilderWidget::on_editId_textChanged()
{
    markFieldFilled(ui->editId);
    fieldChanged();
}

void CommandBuilderWidget::on_radBtnFile_toggled(bool checked)
{
    if (!checked)
        return;
    for (QLineEdit *field : qAsConst(byteFields))
        markFieldFilled(field);
    ui->widgetFromFile->setEnabled(true);
    ui->widgetManually->setEnabled(false);
}

void CommandBuilderWidget::on_radBtnManually_toggled(bool checked)
{
    if (!checked)
        return;
    markFieldFilled(ui->editFileName);
    ui->widgetFromFile->setEnabled(false);
    ui->widgetManually->setEnabled(true);
}

void CommandBuilderWidget::on_btnClearFields_clicked()
{
    markFieldFilled(ui->editType);
    markFieldFilled(ui->editId);
    if (ui->radBtnFile->isChecked())
        markFieldFilled(ui->editFileName);
    if (ui->radBtnManually->isChecked()) {
        for (QLineEdit *field : qAsConst(byteFields))
            markFieldFilled(field);
    }
    // From the last byte backwards, so that the gap filling finds nothing to fill.
    for (int i = byteFields.size() - 1; i >= 0; --i)
        byteFields.at(i)->clear();
    ui->editType->clear();
    ui->editId->clear();
    ui->editN->clear();
    ui->editN->setText(QStringLiteral("0"));
    ui->editCRC->clear();
    ui->editFileName->clear();
}

void CommandBuilderWidget::fieldBytesChanged()
{
    fillByteGaps();
    for (QLineEdit *field : qAsConst(byteFields))
        markFieldFilled(field);
    ui->editN->setText(QString::number(filledByteCount()));
    fieldChanged();
}

QByteArray CommandBuilderWidget::buildPayload(bool reportErrors, bool &ok)
{
    ok = false;
    bool groupOk = false;
    bool subIdOk = false;
    const int group = ui->editType->text().toInt(&groupOk, 16);
    const int subId = ui->editId->text().toInt(&subIdOk, 16);
    if (!groupOk) {
        if (reportErrors)
            showIncorrectValue(ui->editType->text());
        return QByteArray();
    }
    if (!subIdOk) {
        if (reportErrors)
            showIncorrectValue(ui->editId->text());
        return QByteArray();
    }

    QByteArray payload;
    if (ui->widgetFromFile->isEnabled()) {
        switch (PickedFile::read(ui->editFileName->text(), MaxPayloadFileSize, payload)) {
        case PickedFile::Problem::None:
            break;
        case PickedFile::Problem::CannotOpen:
            if (reportErrors)
                showFileOpenError();
            return QByteArray();
        case PickedFile::Problem::TooLarge:
            if (reportErrors)
                showFileTooLarge();
            return QByteArray();
        }
    } else if (ui->widgetManually->isEnabled()) {
        QByteArray hex;
        for (const QLineEdit *field : qAsConst(byteFields)) {
            const QString text = field->text();
            if (text.size() == 1)
                hex.append('0');
            hex.append(text.toLatin1());
        }
        payload = QByteArray::fromHex(hex);
    } else {
        return QByteArray();
    }

    ok = true;
    return BinaryConfigurator::buildBody(quint8(group & 0xFF), quint8(subId & 0xFF), payload);
}

bool CommandBuilderWidget::requiredFieldsFilled() const
{
    if (ui->editType->text().isEmpty() || ui->editId->text().isEmpty())
        return false;
    if (ui->radBtnFile->isChecked())
        return !ui->editFileName->text().isEmpty();
    return ui->radBtnManually->isChecked();
}

void CommandBuilderWidget::collectBlankFields()
{
    if (ui->editType->text().isEmpty())
        blankFields.append(ui->editType);
    if (ui->editId->text().isEmpty())
        blankFields.append(ui->editId);
    if (ui->radBtnFile->isChecked() && ui->editFileName->text().isEmpty())
        blankFields.append(ui->editFileName);
    if (ui->radBtnManually->isChecked() && filledByteCount() == 0) {
        for (QLineEdit *field : qAsConst(byteFields))
            blankFields.append(field);
    }
    updateValidationHint();
}

void CommandBuilderWidget::markFieldFilled(QLineEdit *field)
{
    const int index = blankFields.indexOf(field);
    if (index < 0)
        return;
    blankFields.removeAt(index);
    updateValidationHint();
}

void CommandBuilderWidget::fillByteGaps()
{
    int last = -1;
    for (int i = 0; i < byteFields.size(); ++i) {
        if (!byteFields.at(i)->text().isEmpty())
            last = i;
    }
    // Each "00" runs fieldBytesChanged() again through its textChanged; that run finds
    // the gaps still left and fills them in turn.
    for (int i = 0; i < last; ++i) {
        if (byteFields.at(i)->text().isEmpty())
            byteFields.at(i)->setText(QStringLiteral("00"));
    }
}

int CommandBuilderWidget::filledByteCount() const
{
    int count = 0;
    for (const QLineEdit *field : byteFields) {
        if (!field->text().isEmpty())
            ++count;
    }
    return count;
}

void CommandBuilderWidget::showFileOpenError()
{
    ToolDialogs::message(this, QMessageBox::Critical, tr("Error opening file"), tr("Cannot open file."),
                         QMessageBox::Ok);
}

void CommandBuilderWidget::showFileTooLarge()
{
    ToolDialogs::message(this, QMessageBox::Critical, tr("Error opening file"),
                         tr("File is larger than 65535 bytes."), QMessageBox::Ok);
}

void CommandBuilderWidget::showIncorrectValue(const QString &text)
{
    ToolDialogs::message(this, QMessageBox::Critical, tr("Error incorrect value"),
                         tr("Value \"%1\" is incorrect.").arg(text), QMessageBox::Ok);
}

void CommandBuilderWidget::updateValidationHint()
{
    ui->labelValidationMsg->setStyleSheet(QLatin1String(blankFields.isEmpty() ? HintHiddenStyle : HintShownStyle));
}
